#include "core/records/ledgercore.h"

#include "core/nz.h"

namespace core::detail {

namespace {

QString name(const char* s) { return QString::fromLatin1(s); }

}  // namespace

// Each field by its name: the reads, the writes and the deletes below take
// the column names from these tables.
const VoucherTable kToTable{.table = "to",
                            .key = "toID",
                            .numero = "toNumero",
                            .pvm = "toPvm",
                            .selite = "toSelite",
                            .avaus = "toAvaustosite",
                            .paatos = "toPaatostosite",
                            .automaatti = "toAutomaatti",
                            .entryTable = "vi",
                            .entryLink = "vitoID",
                            .counterKey = true,
                            .clearAllWhenMissing = false,
                            .seliteWidth = 255,
                            .what = "Tosite"};
const VoucherTable kToETable{.table = "toE",
                             .key = "toEID",
                             .numero = "toENumero",
                             .pvm = "toEPvm",
                             .selite = "toESelite",
                             .avaus = "toEAvaustosite",
                             .paatos = "toEPaatostosite",
                             .automaatti = "toEAutomaatti",
                             .entryTable = "viE",
                             .entryLink = "viEtoID",
                             .counterKey = false,
                             .clearAllWhenMissing = true,
                             .seliteWidth = 0,
                             .what = "Edellisen vuoden tosite"};

const EntryTable kViTable{.table = "vi",
                          .key = "viID",
                          .tl = "vitlID",
                          .to = "vitoID",
                          .kp = "vikpID",
                          .tyyppi = "viTyyppi",
                          .arvo = "viArvo",
                          .selite = "viSelite",
                          .avaus = "viAvausvienti",
                          .paatos = "viPaatosvienti",
                          .automaatti = "viAutomaatti",
                          .counterKey = true,
                          .what = "Vienti"};
const EntryTable kViETable{.table = "viE",
                           .key = "viEID",
                           .tl = "viEtlID",
                           .to = "viEtoID",
                           .kp = "viEkpID",
                           .tyyppi = "viETyyppi",
                           .arvo = "viEArvo",
                           .selite = "viESelite",
                           .avaus = "viEAvausvienti",
                           .paatos = "viEPaatosvienti",
                           .automaatti = "viEAutomaatti",
                           .counterKey = false,
                           .what = "Edellisen vuoden vienti"};

// ---------------------------------------------------------------- vouchers

QString VoucherCore::describe() const {
    return QStringLiteral("%1 %2 (%3 %4)").arg(name(t.what)).arg(v.Numero).arg(name(t.key)).arg(id);
}

bool VoucherCore::read(long newId) {
    auto fill = [this](const dao::Recordset& rs) {
        v.Numero = NzLong(rs.value(name(t.numero)), 0);
        v.Paiva = NzDate(rs.value(name(t.pvm)), dao::Date());
        v.Selite = NzString(rs.value(name(t.selite)), QString());
        v.Avaustosite = NzBoolean(rs.value(name(t.avaus)), false);
        v.Paatostosite = NzBoolean(rs.value(name(t.paatos)), false);
        v.Automaatti = NzBoolean(rs.value(name(t.automaatti)), false);
    };
    return t.clearAllWhenMissing ? readOrReset(t.row(), newId, fill) : readOrClear(t.row(), newId, fill);
}

bool VoucherCore::save(bool force) {
    return RecordState::save(force, t.row(), [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(name(t.numero), dao::Variant(v.Numero));
        rs.setValue(name(t.pvm), dao::Variant(v.Paiva));
        rs.setValue(name(t.selite), dao::Variant(v.Selite));
        rs.setValue(name(t.avaus), dao::Variant(v.Avaustosite));
        rs.setValue(name(t.paatos), dao::Variant(v.Paatostosite));
        rs.setValue(name(t.automaatti), dao::Variant(v.Automaatti));
    });
}

void VoucherCore::remove() {
    // The voucher and its entries go together or not at all.
    removeWith([this] { return describe(); }, [this](dao::Database& db) {
        deleteRows(db, {{name(t.table), name(t.key)}, {name(t.entryTable), name(t.entryLink)}}, id);
    });
}

void VoucherCore::startEntry(EntryCore& e, const QString& sTyyppi) const {
    e.set(e.v.toID, id);
    e.setTyyppi(sTyyppi);
    e.set(e.v.Avausvienti, v.Avaustosite);
    e.set(e.v.Paatosvienti, v.Paatostosite);
    e.setSelite(v.Selite);
    e.set(e.v.Automaatti, v.Automaatti);
    // The entry names this voucher's row, so it belongs to the same book.
    e.tie.copyFrom(tie);
}

// ---------------------------------------------------------------- entries

QString EntryCore::describe() const {
    return QStringLiteral("%1 (%2 %3, %4 %5)")
        .arg(name(t.what), name(t.key))
        .arg(id)
        .arg(name(t.to))
        .arg(v.toID);
}

bool EntryCore::read(long newId) {
    return readOrReset(t.row(), newId, [this](const dao::Recordset& rs) { fill(rs); });
}

void EntryCore::load(const dao::Recordset& rs, long newId) {
    loadRow(rs, newId, [this](const dao::Recordset& r) { fill(r); });
}

void EntryCore::fill(const dao::Recordset& rs) {
    v.tlID = NzLong(rs.value(name(t.tl)), 0);
    v.toID = NzLong(rs.value(name(t.to)), 0);
    v.kpID = NzLong(rs.value(name(t.kp)), 0);
    v.Tyyppi = NzString(rs.value(name(t.tyyppi)), QString());
    v.Arvo = NzCurrency(rs.value(name(t.arvo)), dao::Currency());
    v.Selite = NzString(rs.value(name(t.selite)), QString());
    v.Avausvienti = NzBoolean(rs.value(name(t.avaus)), false);
    v.Paatosvienti = NzBoolean(rs.value(name(t.paatos)), false);
    v.Automaatti = NzBoolean(rs.value(name(t.automaatti)), false);
}

bool EntryCore::save(bool force) {
    // An entry with neither an account nor an amount is never stored; a
    // stored one is deleted instead. A new one keeps its values (its side
    // and voucher) for when an account or an amount is given later.
    auto keeps = [this] {
        if (!v.Arvo.isZero() || v.tlID != 0) return true;
        if (id != 0) remove();
        return false;
    };
    return RecordState::save(
        force, t.row(), [this] { return describe(); },
        [this](dao::Recordset& rs) {
            rs.setValue(name(t.tl), dao::Variant(v.tlID));
            rs.setValue(name(t.to), dao::Variant(v.toID));
            rs.setValue(name(t.kp), dao::Variant(v.kpID));
            rs.setValue(name(t.tyyppi), dao::Variant(v.Tyyppi));
            rs.setValue(name(t.arvo), dao::Variant(v.Arvo));
            rs.setValue(name(t.selite), dao::Variant(v.Selite));
            rs.setValue(name(t.avaus), dao::Variant(v.Avausvienti));
            rs.setValue(name(t.paatos), dao::Variant(v.Paatosvienti));
            rs.setValue(name(t.automaatti), dao::Variant(v.Automaatti));
        },
        keeps);
}

void EntryCore::remove() { RecordState::remove(t.row(), [this] { return describe(); }); }

}  // namespace core::detail
