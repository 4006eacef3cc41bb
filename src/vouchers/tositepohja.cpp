#include "vouchers/tositepohja.h"

#include "core/nz.h"

namespace vouchers {

using core::NzCurrency;
using core::NzLong;
using core::NzString;
using core::detail::BookTie;
using core::detail::cutText;

namespace {

QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

}  // namespace

// ================================================================ cVientiPohja

cVientiPohja::cVientiPohja() = default;

cVientiPohja::~cVientiPohja() {
    if (f_.released || f_.isEmpty || !f_.dirty) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

const cVientiPohja::Values& cVientiPohja::shown() const {
    static const Values empty;
    return f_.isEmpty ? empty : v_;
}

QString cVientiPohja::describe() const {
    return QStringLiteral("Vientipohja (vipID %1, viptpID %2)").arg(id_).arg(v_.TpId);
}

void cVientiPohja::setTyyppi(const QString& v) {
    // Compared as written, kept as its first character.
    if (v != v_.Tyyppi) f_.dirty = true;
    v_.Tyyppi = cutText(v, 1);
}

void cVientiPohja::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cVientiPohja::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    f_.dirty = false;
    f_.isEmpty = false;
    tie_.clear();
}

void cVientiPohja::load(const dao::Recordset& rs, long key) {
    id_ = key;
    v_.tlID = NzLong(rs.value(QStringLiteral("viptlID")), 0);
    v_.kpID = NzLong(rs.value(QStringLiteral("vipkpID")), 0);
    v_.TpId = NzLong(rs.value(QStringLiteral("viptpID")), 0);
    v_.Tyyppi = NzString(rs.value(QStringLiteral("vipTyyppi")), QString());
    v_.Arvo = NzCurrency(rs.value(QStringLiteral("vipArvo")), dao::Currency());
    tie_.bindCurrent();
    undo_ = v_;
}

bool cVientiPohja::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM vipPohjat WHERE vipID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (found)
        load(rs, id);
    else
        resetAsCreated();
    rs.Close();
    return found;
}

bool cVientiPohja::Save(bool Force) {
    if (f_.isEmpty) return false;
    if (!Force && !f_.dirty) return true;
    // A line without amount and account is not kept; a new one keeps its
    // values (its template and side) for when they are given later.
    if (v_.Arvo.isZero() && v_.tlID == 0) {
        if (id_ != 0) Delete();
        return false;
    }
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM vipPohjat WHERE vipID = ?"),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = NzLong(rs.value(QStringLiteral("vipID")), 0);  // assigned at AddNew
    }
    rs.setValue(QStringLiteral("viptlID"), dao::Variant(v_.tlID));
    rs.setValue(QStringLiteral("vipkpID"), dao::Variant(v_.kpID));
    rs.setValue(QStringLiteral("viptpID"), dao::Variant(v_.TpId));
    rs.setValue(QStringLiteral("vipTyyppi"), dao::Variant(v_.Tyyppi));
    rs.setValue(QStringLiteral("vipArvo"), dao::Variant(v_.Arvo));
    rs.Update();
    // The key is taken only once the row is stored: after a failed update
    // the object is still new, and its next save appends.
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cVientiPohja::Delete() {
    if (f_.isEmpty) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM vipPohjat WHERE vipID = ?"), {dao::Variant(id_)});
    }
    resetAsCreated();
}

void cVientiPohja::Release() {
    if (f_.released) return;
    f_.released = true;
    if (!f_.isEmpty) Save(false);
}

// ================================================================ cTositePohja

cTositePohja::cTositePohja() = default;

cTositePohja::~cTositePohja() {
    if (f_.released || f_.isEmpty || !f_.dirty) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

const cTositePohja::Values& cTositePohja::shown() const {
    static const Values empty;
    return f_.isEmpty ? empty : v_;
}

QString cTositePohja::describe() const {
    return QStringLiteral("Tositepohja %1 (tpID %2)").arg(v_.Nimi).arg(id_);
}

void cTositePohja::setNimi(const QString& v) {
    if (v != v_.Nimi) f_.dirty = true;
    v_.Nimi = cutText(v, 50);
    if (id_ != 0 && NameChanged) NameChanged(id_, v_.Nimi);
}

void cTositePohja::setSelite(const QString& v) {
    if (v != v_.Selite) f_.dirty = true;
    v_.Selite = cutText(v, 255);
}

void cTositePohja::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cTositePohja::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    f_.dirty = false;
    f_.isEmpty = false;
    tie_.clear();
}

void cTositePohja::load(const dao::Recordset& rs, long key) {
    id_ = key;
    v_.Nimi = NzString(rs.value(QStringLiteral("Nimi")), QString());
    v_.Selite = NzString(rs.value(QStringLiteral("Selite")), QString());
    v_.Pikavalinta = NzLong(rs.value(QStringLiteral("Pikavalinta")), 0);
    tie_.bindCurrent();
    undo_ = v_;
}

bool cTositePohja::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tpPohjat WHERE tpID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (found)
        load(rs, id);
    else
        resetAsCreated();
    rs.Close();
    return found;
}

bool cTositePohja::Save(bool Force) {
    if (f_.isEmpty) return false;
    if (!Force && !f_.dirty) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tpPohjat WHERE tpID = ?"),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = NzLong(rs.value(QStringLiteral("tpID")), 0);
    }
    rs.setValue(QStringLiteral("Nimi"), dao::Variant(blankIfEmpty(v_.Nimi)));
    rs.setValue(QStringLiteral("Selite"), dao::Variant(blankIfEmpty(v_.Selite)));
    rs.setValue(QStringLiteral("Pikavalinta"), dao::Variant(v_.Pikavalinta));
    rs.Update();
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cTositePohja::Delete() {
    if (f_.isEmpty) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        // The template and its lines go together or not at all.
        db.BeginTrans();
        try {
            db.Execute(QStringLiteral("DELETE FROM tpPohjat WHERE tpID = ?"), {dao::Variant(id_)});
            db.Execute(QStringLiteral("DELETE FROM vipPohjat WHERE viptpID = ?"), {dao::Variant(id_)});
            db.CommitTrans();
        } catch (...) {
            try {
                db.Rollback();
            } catch (...) {
            }
            throw;
        }
    }
    resetAsCreated();
}

void cTositePohja::Release() {
    if (f_.released) return;
    f_.released = true;
    if (!f_.isEmpty) Save(false);
}

std::unique_ptr<cVientiPohja> cTositePohja::AddNewVientipohja(const QString& sTyyppi) const {
    auto line = std::make_unique<cVientiPohja>();
    if (f_.isEmpty) {
        line->setIsEmpty(true);
        return line;
    }
    line->setTpId(id_);
    line->setTyyppi(sTyyppi);
    // The line names this template's row, so it belongs to the same book.
    line->tie_.copyFrom(tie_);
    return line;
}

core::RecordList<cVientiPohja> cTositePohja::GetVientipohjat(const QString& sTyyppi) const {
    core::RecordList<cVientiPohja> list;
    if (f_.isEmpty || id_ == 0) return list;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM vipPohjat WHERE viptpID = ? AND vipTyyppi = ? ORDER BY vipID"),
                         dao::RecordsetType::Snapshot, {dao::Variant(id_), dao::Variant(sTyyppi)});
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long vipID = NzLong(rs.value(QStringLiteral("vipID")), 0);
        auto line = std::make_unique<cVientiPohja>();
        line->load(rs, vipID);
        list.add(QStringLiteral("vip%1").arg(vipID), std::move(line));
    }
    rs.Close();
    return list;
}

// ================================================================ cTositePohjat

bool cTositePohjat::PikavalintaKaytossa(long lPikavalinta, long TpId) const {
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tpID FROM tpPohjat WHERE tpID <> ? AND Pikavalinta = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(TpId), dao::Variant(lPikavalinta)});
    const bool used = !rs.isEOF();
    rs.Close();
    return used;
}

std::unique_ptr<cTositePohja> cTositePohjat::PikavalintaPohja(long lPikavalinta) const {
    auto pohja = std::make_unique<cTositePohja>();
    if (const std::optional<long> key = core::detail::firstKey(
            QStringLiteral("SELECT tpID FROM tpPohjat WHERE Pikavalinta = ? ORDER BY tpID"),
            {dao::Variant(lPikavalinta)}, "tpID"))
        pohja->Read(*key);
    else
        pohja->setIsEmpty(true);
    return pohja;
}

core::RecordList<cTositePohja> cTositePohjat::All() const {
    core::RecordList<cTositePohja> list;
    dao::Database db = BookTie::open();
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT * FROM tpPohjat ORDER BY Nimi, tpID"), dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long tpID = NzLong(rs.value(QStringLiteral("tpID")), 0);
        auto pohja = std::make_unique<cTositePohja>();
        pohja->load(rs, tpID);
        list.add(QStringLiteral("I%1").arg(tpID), std::move(pohja));
    }
    rs.Close();
    return list;
}

}  // namespace vouchers
