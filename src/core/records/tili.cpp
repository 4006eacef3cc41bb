#include "core/records/tili.h"

#include "core/nz.h"
#include "core/puoli.h"

namespace core {

namespace {

const detail::RowTable kTl{"tl", "tlID"};

std::unique_ptr<cTili> accountAt(const QString& sql, const dao::Params& params = {}) {
    return detail::recordAt<cTili>(sql, params, "tlID");
}

}  // namespace

cTili::cTili() = default;

cTili::~cTili() { r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); }); }

QString cTili::describe() const { return QStringLiteral("Tili %1 (tlID %2)").arg(r_.v.Numero).arg(r_.id); }

void cTili::raiseNameChanged() {
    if (r_.id != 0 && NameChanged) NameChanged(r_.id, r_.v.Numero, r_.v.Nimi);
}

void cTili::setNimi(const QString& v) {
    r_.setText(r_.v.Nimi, v, 50);
    raiseNameChanged();
}

void cTili::setNumero(long v) {
    r_.set(r_.v.Numero, v);
    raiseNameChanged();
}

bool cTili::Read(long id) {
    // A missing row clears the object as created, but Read leaves the dirty flag alone.
    return r_.readOrClear(kTl, id, [this](const dao::Recordset& rs) {
        r_.v.Nimi = NzString(rs.value(QStringLiteral("tlNimi")), QString());
        r_.v.Kuvaus = NzString(rs.value(QStringLiteral("tlKuvaus")), QString());
        r_.v.Numero = NzLong(rs.value(QStringLiteral("tlNumero")), 0);
        r_.v.Alkusaldo = NzCurrency(rs.value(QStringLiteral("tlAlkusaldo")), dao::Currency());
        r_.v.Loppusaldo = NzCurrency(rs.value(QStringLiteral("tlLoppusaldo")), dao::Currency());
        r_.v.Print = NzBoolean(rs.value(QStringLiteral("tlPrint")), false);
    });
}

bool cTili::Save(bool Force) {
    return r_.save(Force, kTl, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("tlNimi"), dao::Variant(detail::blankIfEmpty(r_.v.Nimi)));
        rs.setValue(QStringLiteral("tlKuvaus"), dao::Variant(detail::blankIfEmpty(r_.v.Kuvaus)));
        rs.setValue(QStringLiteral("tlNumero"), dao::Variant(r_.v.Numero));
        rs.setValue(QStringLiteral("tlAlkusaldo"), dao::Variant(r_.v.Alkusaldo));
        rs.setValue(QStringLiteral("tlLoppusaldo"), dao::Variant(r_.v.Loppusaldo));
        rs.setValue(QStringLiteral("tlPrint"), dao::Variant(r_.v.Print));
    });
}

void cTili::Delete() { r_.remove(kTl, [this] { return describe(); }); }

cAlkusaldot cTili::Alkusaldot() const {
    cAlkusaldot sums;
    if (r_.f.isEmpty || r_.id == 0) return sums;
    dao::Database db = r_.tie.openOwn([this] { return describe(); });
    // Every opening entry of the account counts, by its side as stored:
    // only debit and credit codes; the sides are not netted.
    auto sumSides = [&](const QString& sql, const QString& sideColumn, const QString& amountColumn,
                        dao::Currency& debet, dao::Currency& kredit) {
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, {dao::Variant(r_.id)});
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString side = NzString(rs.value(sideColumn), QString());
            if (OnDebet(side))
                debet += NzCurrency(rs.value(amountColumn), dao::Currency());
            else if (OnKredit(side))
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

bool cTili::OnVienteja() const {
    if (r_.f.isEmpty || r_.id == 0) return false;
    dao::Database db = r_.tie.openOwn([this] { return describe(); });
    for (const char* sql : {"SELECT COUNT(viID) AS Lkm FROM vi WHERE viArvo <> 0 AND vitlID = ?",
                            "SELECT COUNT(viEID) AS Lkm FROM viE WHERE viEArvo <> 0 AND viEtlID = ?"}) {
        dao::Recordset rs = db.OpenRecordset(QString::fromLatin1(sql), dao::RecordsetType::Snapshot, {dao::Variant(r_.id)});
        const long n = rs.isEOF() ? 0 : NzLong(rs.value(QStringLiteral("Lkm")), 0);
        rs.Close();
        if (n > 0) return true;
    }
    return false;
}

std::unique_ptr<cTili> cTili::GetFirst() const {
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > 0 ORDER BY tlNumero ASC"));
}

std::unique_ptr<cTili> cTili::GetLast() const {
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > 0 ORDER BY tlNumero DESC"));
}

std::unique_ptr<cTili> cTili::GetPrevious() const {
    if (r_.f.isEmpty) return detail::placeholder<cTili>();
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero < ? ORDER BY tlNumero DESC"),
                     {dao::Variant(r_.v.Numero)});
}

std::unique_ptr<cTili> cTili::GetNext() const {
    if (r_.f.isEmpty) return detail::placeholder<cTili>();
    return accountAt(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero > ? ORDER BY tlNumero ASC"),
                     {dao::Variant(r_.v.Numero)});
}

}  // namespace core
