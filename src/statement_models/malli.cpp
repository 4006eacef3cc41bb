#include "statement_models/malli.h"

#include "core/nz.h"

#include <QSet>

namespace statement_models {

using core::NzBoolean;
using core::NzLong;
using core::NzString;
using core::detail::BookTie;
using core::detail::cutText;

namespace {

dao::Variant V(long v) { return dao::Variant(v); }

// Runs f inside a transaction of db: the whole of it or nothing.
template <class F>
void inTransaction(dao::Database& db, F f) {
    db.BeginTrans();
    try {
        f();
    } catch (...) {
        try {
            db.Rollback();
        } catch (...) {
        }
        throw;
    }
    db.CommitTrans();
}

}  // namespace

QStringList SplitPieces(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    QStringList pieces = t.split(QLatin1Char(','));
    if (pieces.size() > 1 && pieces.last().isEmpty()) pieces.removeLast();
    return pieces;
}

QString GetRivinTeksti(dao::Database& db, long mrID) {
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT mrTeksti FROM mr WHERE mrID = ?"), dao::RecordsetType::Snapshot, {V(mrID)});
    const QString text = rs.isEOF() ? QString() : NzString(rs.value(QStringLiteral("mrTeksti")), QString());
    rs.Close();
    return text;
}

// ================================================================ cMalli

cMalli::cMalli() = default;

cMalli::~cMalli() {
    if (f_.released || f_.isEmpty || !f_.dirty) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cMalli::describe() const { return QStringLiteral("Malli %1 (maID %2)").arg(v_.Nimi).arg(id_); }

void cMalli::setNimi(const QString& v) {
    if (v != v_.Nimi) f_.dirty = true;
    v_.Nimi = v.isEmpty() ? QStringLiteral(" ") : cutText(v, 50);
    if (NameChanged) NameChanged(id(), v_.Nimi, v_.Tyyppi);
}

void cMalli::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cMalli::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    f_.dirty = false;
    tie_.clear();
}

bool cMalli::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM ma WHERE maID = ?"), dao::RecordsetType::Snapshot, {V(id)});
    if (rs.isEOF()) {
        rs.Close();
        resetAsCreated();
        return false;
    }
    id_ = id;
    v_.Nimi = NzString(rs.value(QStringLiteral("maNimi")), QString());
    // A model without a type is none of the two kinds.
    v_.Tyyppi = int(NzLong(rs.value(QStringLiteral("maTyyppi")), 0));
    v_.Suojattu = NzBoolean(rs.value(QStringLiteral("maSuojattu")), false);
    v_.TulosMaID = NzLong(rs.value(QStringLiteral("maTulosMaID")), 0);
    rs.Close();
    tie_.bindCurrent();
    undo_ = v_;
    return true;
}

bool cMalli::Save(bool Force) {
    if (f_.isEmpty) return false;
    if (!Force && !f_.dirty) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM ma WHERE maID = ?"), dao::RecordsetType::Dynaset, {V(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = NzLong(rs.value(QStringLiteral("maID")), 0);
    }
    rs.setValue(QStringLiteral("maNimi"), dao::Variant(v_.Nimi));
    rs.setValue(QStringLiteral("maTyyppi"), dao::Variant(long(v_.Tyyppi)));
    rs.setValue(QStringLiteral("maSuojattu"), dao::Variant(v_.Suojattu));
    rs.setValue(QStringLiteral("maTulosMaID"), dao::Variant(v_.TulosMaID));
    rs.Update();
    // The key is the model's only once its row is stored.
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cMalli::Delete() {
    if (f_.isEmpty) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        inTransaction(db, [&] {
            db.Execute(QStringLiteral("DELETE FROM ma WHERE maID = ?"), {V(id_)});
            db.Execute(QStringLiteral("DELETE FROM mr WHERE mrmaID = ?"), {V(id_)});
        });
    }
    resetAsCreated();
}

void cMalli::Release() {
    if (f_.released) return;
    f_.released = true;
    if (!f_.isEmpty) Save(false);
}

std::unique_ptr<cMalliRivi> cMalli::AddModelRow(const QString& sTeksti, long lGroupOrder, const QString& sSaldoPuoli) {
    auto row = std::make_unique<cMalliRivi>();
    if (f_.isEmpty) {
        row->setIsEmpty(true);
        return row;
    }
    row->setMalliId(id_);
    row->setTeksti(sTeksti);
    row->setGroupOrder(lGroupOrder);
    row->setTilit(QStringLiteral(" "));
    row->setSaldoPuoli(sSaldoPuoli);
    row->setBelongsToGroup(0);
    row->Save(false);
    return row;
}

// ================================================================ cMalliRivi

cMalliRivi::cMalliRivi() = default;

cMalliRivi::~cMalliRivi() {
    if (f_.released || f_.isEmpty || !f_.dirty) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

const cMalliRivi::Values& cMalliRivi::shown() const {
    static const Values empty;
    return f_.isEmpty ? empty : v_;
}

QString cMalliRivi::describe() const { return QStringLiteral("Mallin rivi %1 (mrID %2)").arg(v_.Teksti).arg(id_); }

void cMalliRivi::setText(QString& field, const QString& v, qsizetype width) {
    if (v != field) f_.dirty = true;
    field = cutText(v, width);
}

void cMalliRivi::setTeksti(const QString& v) {
    setText(v_.Teksti, v, 50);
    if (NameChanged) NameChanged(id(), v_.Teksti);
}

void cMalliRivi::setSaldoPuoli(const QString& v) { setText(v_.SaldoPuoli, v, 1); }
void cMalliRivi::setviTyyppi(const QString& v) { setText(v_.viTyyppi, v, 1); }
void cMalliRivi::setTilit(const QString& v) { setText(v_.Tilit, v, 255); }
void cMalliRivi::setKaava(const QString& v) { setText(v_.Kaava, v, 255); }

void cMalliRivi::SetDefaultGroupOrder() {
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT MAX(mrGroupOrder) FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = ?"),
        dao::RecordsetType::Snapshot, {V(v_.MalliId), V(v_.BelongsToGroup)});
    const long largest = rs.isEOF() ? 0 : NzLong(rs.value(0), 0);
    rs.Close();
    setGroupOrder(largest + 1);
}

void cMalliRivi::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cMalliRivi::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    f_.dirty = false;
    tie_.clear();
}

bool cMalliRivi::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM mr WHERE mrID = ?"), dao::RecordsetType::Snapshot, {V(id)});
    if (rs.isEOF()) {
        rs.Close();
        resetAsCreated();
        return false;
    }
    auto text = [&](const char* c) { return NzString(rs.value(QString::fromLatin1(c)), QString()); };
    auto number = [&](const char* c) { return NzLong(rs.value(QString::fromLatin1(c)), 0); };
    auto flag = [&](const char* c) { return NzBoolean(rs.value(QString::fromLatin1(c)), false); };
    id_ = id;
    v_.MalliId = number("mrmaID");
    v_.SaldoPuoli = text("mrSaldoPuoli");
    v_.Tilit = text("mrTilit");
    v_.BelongsToGroup = number("mrBelongsToGroup");
    v_.GroupOrder = number("mrGroupOrder");
    v_.Teksti = text("mrTeksti");
    v_.Kaava = text("mrKaava");
    v_.IsLiikevaihto = flag("mrIsLiikevaihto");
    v_.IsEquation = flag("mrIsEquation");
    v_.IsVoitto = flag("mrIsVoitto");
    v_.tlID = number("mrtlID");
    v_.viTyyppi = text("mrviTyyppi");
    rs.Close();
    tie_.bindCurrent();
    undo_ = v_;
    return true;
}

bool cMalliRivi::Save(bool Force) {
    if (f_.isEmpty) return false;
    if (!Force && !f_.dirty) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM mr WHERE mrID = ?"), dao::RecordsetType::Dynaset, {V(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = NzLong(rs.value(QStringLiteral("mrID")), 0);
    }
    rs.setValue(QStringLiteral("mrmaID"), V(v_.MalliId));
    rs.setValue(QStringLiteral("mrSaldoPuoli"), dao::Variant(v_.SaldoPuoli));
    rs.setValue(QStringLiteral("mrTilit"), dao::Variant(v_.Tilit));
    rs.setValue(QStringLiteral("mrBelongsToGroup"), V(v_.BelongsToGroup));
    rs.setValue(QStringLiteral("mrGroupOrder"), V(v_.GroupOrder));
    rs.setValue(QStringLiteral("mrTeksti"), dao::Variant(v_.Teksti));
    rs.setValue(QStringLiteral("mrKaava"), dao::Variant(v_.Kaava));
    rs.setValue(QStringLiteral("mrIsLiikevaihto"), dao::Variant(v_.IsLiikevaihto));
    rs.setValue(QStringLiteral("mrIsEquation"), dao::Variant(v_.IsEquation));
    rs.setValue(QStringLiteral("mrIsVoitto"), dao::Variant(v_.IsVoitto));
    rs.setValue(QStringLiteral("mrtlID"), V(v_.tlID));
    rs.setValue(QStringLiteral("mrviTyyppi"), dao::Variant(v_.viTyyppi));
    rs.Update();
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cMalliRivi::Delete() {
    if (f_.isEmpty) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        // Depth first: every row goes after the rows below it. A parent chain
        // that returns to itself (a damaged model) is followed only once.
        QSet<long> seen;
        std::function<void(long)> removeSubtree = [&](long k) {
            if (seen.contains(k)) return;
            seen.insert(k);
            QList<long> children;
            dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"),
                                                 dao::RecordsetType::Snapshot, {V(k)});
            for (; !rs.isEOF(); rs.MoveNext()) children << NzLong(rs.value(QStringLiteral("mrID")), 0);
            rs.Close();
            for (long child : children) removeSubtree(child);
            db.Execute(QStringLiteral("DELETE FROM mr WHERE mrID = ?"), {V(k)});
        };
        inTransaction(db, [&] { removeSubtree(id_); });
    }
    resetAsCreated();
}

void cMalliRivi::Release() {
    if (f_.released) return;
    f_.released = true;
    if (!f_.isEmpty) Save(false);
}

std::unique_ptr<cMalliRivi> cMalliRivi::AddModelRow(const QString& sTeksti, long lGroupOrder,
                                                    const QString& sSaldoPuoli) {
    auto row = std::make_unique<cMalliRivi>();
    if (f_.isEmpty) {
        row->setIsEmpty(true);
        return row;
    }
    row->setMalliId(v_.MalliId);
    row->setBelongsToGroup(id_);
    row->setTeksti(sTeksti);
    row->setGroupOrder(lGroupOrder);
    row->setTilit(QStringLiteral(" "));
    row->setSaldoPuoli(sSaldoPuoli.isEmpty() ? v_.SaldoPuoli : sSaldoPuoli);
    row->Save(false);
    return row;
}

}  // namespace statement_models
