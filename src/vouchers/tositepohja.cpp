#include "vouchers/tositepohja.h"

#include "core/nz.h"

namespace vouchers {

using core::NzCurrency;
using core::NzLong;
using core::NzString;
using core::detail::BookTie;
using core::detail::blankIfEmpty;

namespace {

const core::detail::RowTable kVipPohjat{"vipPohjat", "vipID"};
const core::detail::RowTable kTpPohjat{"tpPohjat", "tpID"};

}  // namespace

// ================================================================ cVientiPohja

cVientiPohja::cVientiPohja() = default;

cVientiPohja::~cVientiPohja() {
    r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cVientiPohja::describe() const {
    return QStringLiteral("Vientipohja (vipID %1, viptpID %2)").arg(r_.id).arg(r_.v.TpId);
}

void cVientiPohja::fill(const dao::Recordset& rs) {
    r_.v.tlID = NzLong(rs.value(QStringLiteral("viptlID")), 0);
    r_.v.kpID = NzLong(rs.value(QStringLiteral("vipkpID")), 0);
    r_.v.TpId = NzLong(rs.value(QStringLiteral("viptpID")), 0);
    r_.v.Tyyppi = NzString(rs.value(QStringLiteral("vipTyyppi")), QString());
    r_.v.Arvo = NzCurrency(rs.value(QStringLiteral("vipArvo")), dao::Currency());
}

bool cVientiPohja::Read(long id) {
    return r_.readOrReset(kVipPohjat, id, [this](const dao::Recordset& rs) { fill(rs); });
}

bool cVientiPohja::Save(bool Force) {
    // A line without amount and account is not kept; a new one keeps its
    // values (its template and side) for when they are given later.
    auto keeps = [this] {
        if (!r_.v.Arvo.isZero() || r_.v.tlID != 0) return true;
        if (r_.id != 0) Delete();
        return false;
    };
    return r_.save(
        Force, kVipPohjat, [this] { return describe(); },
        [this](dao::Recordset& rs) {
            rs.setValue(QStringLiteral("viptlID"), dao::Variant(r_.v.tlID));
            rs.setValue(QStringLiteral("vipkpID"), dao::Variant(r_.v.kpID));
            rs.setValue(QStringLiteral("viptpID"), dao::Variant(r_.v.TpId));
            rs.setValue(QStringLiteral("vipTyyppi"), dao::Variant(r_.v.Tyyppi));
            rs.setValue(QStringLiteral("vipArvo"), dao::Variant(r_.v.Arvo));
        },
        keeps);
}

void cVientiPohja::Delete() { r_.remove(kVipPohjat, [this] { return describe(); }); }

// ================================================================ cTositePohja

cTositePohja::cTositePohja() = default;

cTositePohja::~cTositePohja() {
    r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cTositePohja::describe() const {
    return QStringLiteral("Tositepohja %1 (tpID %2)").arg(r_.v.Nimi).arg(r_.id);
}

void cTositePohja::setNimi(const QString& v) {
    r_.setText(r_.v.Nimi, v, 50);
    if (r_.id != 0 && NameChanged) NameChanged(r_.id, r_.v.Nimi);
}

void cTositePohja::fill(const dao::Recordset& rs) {
    r_.v.Nimi = NzString(rs.value(QStringLiteral("Nimi")), QString());
    r_.v.Selite = NzString(rs.value(QStringLiteral("Selite")), QString());
    r_.v.Pikavalinta = NzLong(rs.value(QStringLiteral("Pikavalinta")), 0);
}

bool cTositePohja::Read(long id) {
    return r_.readOrReset(kTpPohjat, id, [this](const dao::Recordset& rs) { fill(rs); });
}

bool cTositePohja::Save(bool Force) {
    return r_.save(Force, kTpPohjat, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("Nimi"), dao::Variant(blankIfEmpty(r_.v.Nimi)));
        rs.setValue(QStringLiteral("Selite"), dao::Variant(blankIfEmpty(r_.v.Selite)));
        rs.setValue(QStringLiteral("Pikavalinta"), dao::Variant(r_.v.Pikavalinta));
    });
}

void cTositePohja::Delete() {
    // The template and its lines go together or not at all.
    r_.removeWith([this] { return describe(); }, [this](dao::Database& db) {
        core::detail::deleteRows(db, {{QStringLiteral("tpPohjat"), QStringLiteral("tpID")},
                                      {QStringLiteral("vipPohjat"), QStringLiteral("viptpID")}},
                                 r_.id);
    });
}

std::unique_ptr<cVientiPohja> cTositePohja::AddNewVientipohja(const QString& sTyyppi) const {
    if (r_.f.isEmpty) return core::detail::placeholder<cVientiPohja>();
    auto line = std::make_unique<cVientiPohja>();
    line->setTpId(r_.id);
    line->setTyyppi(sTyyppi);
    // The line names this template's row, so it belongs to the same book.
    line->r_.tie.copyFrom(r_.tie);
    return line;
}

core::RecordList<cVientiPohja> cTositePohja::GetVientipohjat(const QString& sTyyppi) const {
    if (r_.f.isEmpty || r_.id == 0) return {};
    dao::Database db = r_.tie.openOwn([this] { return describe(); });
    return core::detail::recordsOf<cVientiPohja>(
        db, QStringLiteral("SELECT * FROM vipPohjat WHERE viptpID = ? AND vipTyyppi = ? ORDER BY vipID"),
        {dao::Variant(r_.id), dao::Variant(sTyyppi)}, "vipID", QStringLiteral("vip"),
        [](cVientiPohja& line, const dao::Recordset& rs, long key) {
            line.r_.loadRow(rs, key, [&](const dao::Recordset& row) { line.fill(row); });
        });
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
    return core::detail::recordAt<cTositePohja>(
        QStringLiteral("SELECT tpID FROM tpPohjat WHERE Pikavalinta = ? ORDER BY tpID"), {dao::Variant(lPikavalinta)},
        "tpID");
}

core::RecordList<cTositePohja> cTositePohjat::All() const {
    dao::Database db = BookTie::open();
    return core::detail::recordsOf<cTositePohja>(
        db, QStringLiteral("SELECT * FROM tpPohjat ORDER BY Nimi, tpID"), {}, "tpID", QStringLiteral("I"),
        [](cTositePohja& pohja, const dao::Recordset& rs, long key) {
            pohja.r_.loadRow(rs, key, [&](const dao::Recordset& row) { pohja.fill(row); });
        });
}

}  // namespace vouchers
