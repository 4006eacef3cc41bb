#include "core/records/tili.h"

#include "core/nz.h"

namespace core {

namespace {

std::unique_ptr<cTili> placeholder() {
    auto t = std::make_unique<cTili>();
    t->setIsEmpty(true);
    return t;
}

std::unique_ptr<cTili> accountAt(const QString& sql, const dao::Params& params = {}) {
    auto t = std::make_unique<cTili>();
    if (const std::optional<long> key = detail::firstKey(sql, params, "tlID"))
        t->Read(*key);
    else
        t->setIsEmpty(true);
    return t;
}

QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

}  // namespace

cTili::cTili() = default;

cTili::~cTili() {
    if (f_.released || f_.isEmpty || !f_.dirty) return;
    detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

const cTili::Values& cTili::shown() const {
    static const Values empty;
    return f_.isEmpty ? empty : v_;
}

QString cTili::describe() const { return QStringLiteral("Tili %1 (tlID %2)").arg(v_.Numero).arg(id_); }

void cTili::raiseNameChanged() {
    if (id_ != 0 && NameChanged) NameChanged(id_, v_.Numero, v_.Nimi);
}

void cTili::setNimi(const QString& v) {
    if (v != v_.Nimi) f_.dirty = true;
    v_.Nimi = detail::cutText(v, 50);
    raiseNameChanged();
}

void cTili::setKuvaus(const QString& v) {
    if (v != v_.Kuvaus) f_.dirty = true;
    v_.Kuvaus = detail::cutText(v, 255);
}

void cTili::setNumero(long v) {
    set(v_.Numero, v);
    raiseNameChanged();
}

void cTili::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cTili::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    f_.dirty = false;
    f_.isEmpty = false;
    tie_.clear();
}

bool cTili::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = detail::BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = ?"), dao::RecordsetType::Snapshot,
                                         {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (!found) {
        // Cleared as created, but Read leaves the dirty flag alone.
        id_ = 0;
        v_ = Values{};
    } else {
        id_ = id;
        v_.Nimi = NzString(rs.value(QStringLiteral("tlNimi")), QString());
        v_.Kuvaus = NzString(rs.value(QStringLiteral("tlKuvaus")), QString());
        v_.Numero = NzLong(rs.value(QStringLiteral("tlNumero")), 0);
        v_.Alkusaldo = NzCurrency(rs.value(QStringLiteral("tlAlkusaldo")), dao::Currency());
        v_.Loppusaldo = NzCurrency(rs.value(QStringLiteral("tlLoppusaldo")), dao::Currency());
        v_.Print = NzBoolean(rs.value(QStringLiteral("tlPrint")), false);
    }
    tie_.bindCurrent();
    rs.Close();
    undo_ = v_;
    return found;
}

bool cTili::Save(bool Force) {
    if (f_.isEmpty) return false;
    if (!Force && !f_.dirty) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = ?"), dao::RecordsetType::Dynaset,
                                         {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = NzLong(rs.value(QStringLiteral("tlID")), 0);
    }
    rs.setValue(QStringLiteral("tlNimi"), dao::Variant(blankIfEmpty(v_.Nimi)));
    rs.setValue(QStringLiteral("tlKuvaus"), dao::Variant(blankIfEmpty(v_.Kuvaus)));
    rs.setValue(QStringLiteral("tlNumero"), dao::Variant(v_.Numero));
    rs.setValue(QStringLiteral("tlAlkusaldo"), dao::Variant(v_.Alkusaldo));
    rs.setValue(QStringLiteral("tlLoppusaldo"), dao::Variant(v_.Loppusaldo));
    rs.setValue(QStringLiteral("tlPrint"), dao::Variant(v_.Print));
    rs.Update();
    // The key is taken only once the row is stored (see VoucherCore::save).
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cTili::Delete() {
    if (f_.isEmpty) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM tl WHERE tlID = ?"), {dao::Variant(id_)});
    }
    resetAsCreated();
}

void cTili::Release() {
    if (f_.released) return;
    f_.released = true;
    if (!f_.isEmpty) Save(false);
}

cAlkusaldot cTili::Alkusaldot() const {
    cAlkusaldot sums;
    if (f_.isEmpty || id_ == 0) return sums;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    // Every opening entry of the account counts, by its side as stored:
    // only "D" and "K" exactly; the sides are not netted.
    auto sumSides = [&](const QString& sql, const QString& sideColumn, const QString& amountColumn,
                        dao::Currency& debet, dao::Currency& kredit) {
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, {dao::Variant(id_)});
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString side = NzString(rs.value(sideColumn), QString());
            if (side == QLatin1String("D"))
                debet += NzCurrency(rs.value(amountColumn), dao::Currency());
            else if (side == QLatin1String("K"))
                kredit += NzCurrency(rs.value(amountColumn), dao::Currency());
        }
        rs.Close();
    };
    sumSides(QStringLiteral("SELECT viTyyppi, viArvo FROM vi WHERE vitlID = ? AND viAvausvienti = True"),
             QStringLiteral("viTyyppi"), QStringLiteral("viArvo"), sums.debet_, sums.kredit_);
    sumSides(QStringLiteral("SELECT viETyyppi, viEArvo FROM viE WHERE viEtlID = ? AND viEAvausvienti = True"),
             QStringLiteral("viETyyppi"), QStringLiteral("viEArvo"), sums.edDebet_, sums.edKredit_);
    return sums;
}

std::unique_ptr<cTili> cTili::GetFirst() const {
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > 0 ORDER BY tlNumero ASC"));
}

std::unique_ptr<cTili> cTili::GetLast() const {
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > 0 ORDER BY tlNumero DESC"));
}

std::unique_ptr<cTili> cTili::GetPrevious() const {
    if (f_.isEmpty) return placeholder();
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero < ? ORDER BY tlNumero DESC"),
                     {dao::Variant(v_.Numero)});
}

std::unique_ptr<cTili> cTili::GetNext() const {
    if (f_.isEmpty) return placeholder();
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > ? ORDER BY tlNumero ASC"),
                     {dao::Variant(v_.Numero)});
}

}  // namespace core
