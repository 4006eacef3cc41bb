#include "core/records/ledgercore.h"

#include "core/nz.h"

namespace core::detail {

namespace {

QString name(const char* s) { return QString::fromLatin1(s); }

const VoucherValues kEmptyVoucher;
const EntryValues kEmptyEntry;

// Deletes rows by a bound key, inside one transaction with the other
// deletes of the same call, so that a voucher never loses only part of
// what belongs to it.
void deleteRows(dao::Database& db, const std::vector<std::pair<QString, QString>>& tableAndColumn, long key) {
    db.BeginTrans();
    try {
        for (const auto& [table, column] : tableAndColumn)
            db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, column), {dao::Variant(key)});
        db.CommitTrans();
    } catch (...) {
        try {
            db.Rollback();
        } catch (...) {
        }
        throw;
    }
}

}  // namespace

const VoucherTable kToTable{"to",  "toID",  "toNumero", "toPvm", "toSelite", "toAvaustosite", "toPaatostosite",
                            "toAutomaatti", "vi", "vitoID", true, false, 255, "Tosite"};
const VoucherTable kToETable{"toE", "toEID", "toENumero", "toEPvm", "toESelite", "toEAvaustosite", "toEPaatostosite",
                             "toEAutomaatti", "viE", "viEtoID", false, true, 0, "Edellisen vuoden tosite"};

const EntryTable kViTable{"vi",       "viID",          "vitlID",         "vitoID",       "vikpID", "viTyyppi",
                          "viArvo",   "viSelite",      "viAvausvienti",  "viPaatosvienti", "viAutomaatti", true,
                          "Vienti"};
const EntryTable kViETable{"viE",       "viEID",          "viEtlID",         "viEtoID",        "viEkpID", "viETyyppi",
                           "viEArvo",   "viESelite",      "viEAvausvienti",  "viEPaatosvienti", "viEAutomaatti", false,
                           "Edellisen vuoden vienti"};

dao::Variant aggregate(dao::Database& db, const QString& sql) {
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot);
    dao::Variant value;
    if (!rs.isEOF()) value = rs.value(QStringLiteral("Expr1000"));
    rs.Close();
    return value;
}

long nextKey(dao::Database& db, const char* table, const char* column) {
    const dao::Variant max = aggregate(db, QStringLiteral("SELECT MAX(%1) FROM %2").arg(name(column), name(table)));
    return max.isNull() ? 1 : NzLong(max, 0) + 1;
}

std::optional<long> firstKey(const QString& sql, const dao::Params& params, const char* keyColumn) {
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    std::optional<long> key;
    if (!rs.isEOF()) key = NzLong(rs.value(name(keyColumn)), 0);
    rs.Close();
    return key;
}

// ---------------------------------------------------------------- vouchers

const VoucherValues& VoucherCore::shown() const { return f.isEmpty ? kEmptyVoucher : v; }

void VoucherCore::setSelite(const QString& s) {
    // Compared as written, stored cut to the column's width.
    if (s != v.Selite) f.dirty = true;
    v.Selite = t.seliteWidth > 0 ? cutText(s, t.seliteWidth) : s;
}

QString VoucherCore::describe() const {
    return QStringLiteral("%1 %2 (%3 %4)").arg(name(t.what)).arg(v.Numero).arg(name(t.key)).arg(id);
}

bool VoucherCore::read(long newId) {
    if (f.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)),
                                         dao::RecordsetType::Snapshot, {dao::Variant(newId)});
    bool found = !rs.isEOF();
    if (!found) {
        if (t.clearAllWhenMissing) {
            resetAsCreated();
        } else {
            id = 0;
            v = VoucherValues{};
            tie.bindCurrent();
        }
    } else {
        id = newId;
        v.Numero = NzLong(rs.value(name(t.numero)), 0);
        v.Paiva = NzDate(rs.value(name(t.pvm)), dao::Date());
        v.Selite = NzString(rs.value(name(t.selite)), QString());
        v.Avaustosite = NzBoolean(rs.value(name(t.avaus)), false);
        v.Paatostosite = NzBoolean(rs.value(name(t.paatos)), false);
        v.Automaatti = NzBoolean(rs.value(name(t.automaatti)), false);
        tie.bindCurrent();
    }
    rs.Close();
    undo = v;
    return found;
}

bool VoucherCore::save(bool force) {
    if (f.isEmpty) return false;
    if (!force && !f.dirty) return true;
    dao::Database db = tie.openOwn([this] { return describe(); });
    long key = id;
    if (key == 0 && !t.counterKey) key = nextKey(db, t.table, t.key);
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id)});
    if (id != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        if (t.counterKey)
            key = NzLong(rs.value(name(t.key)), 0);  // the engine assigns it at AddNew
        else
            rs.setValue(name(t.key), dao::Variant(key));
    }
    rs.setValue(name(t.numero), dao::Variant(v.Numero));
    rs.setValue(name(t.pvm), dao::Variant(v.Paiva));
    rs.setValue(name(t.selite), dao::Variant(v.Selite));
    rs.setValue(name(t.avaus), dao::Variant(v.Avaustosite));
    rs.setValue(name(t.paatos), dao::Variant(v.Paatostosite));
    rs.setValue(name(t.automaatti), dao::Variant(v.Automaatti));
    rs.Update();
    // The key is taken only once the row is stored: a failed update leaves
    // the object new, so its next save appends rather than edits a row that
    // does not exist.
    id = key;
    f.dirty = false;
    undo = v;
    tie.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void VoucherCore::remove() {
    if (f.isEmpty) return;
    if (id != 0) {
        dao::Database db = tie.openOwn([this] { return describe(); });
        deleteRows(db, {{name(t.table), name(t.key)}, {name(t.entryTable), name(t.entryLink)}}, id);
    }
    resetAsCreated();
}

void VoucherCore::undoChanges() {
    if (f.isEmpty) return;
    v = undo;
}

void VoucherCore::resetAsCreated() {
    id = 0;
    v = VoucherValues{};
    undo = v;
    f.dirty = false;
    f.isEmpty = false;
    tie.clear();
}

void VoucherCore::release() {
    if (f.released) return;
    f.released = true;
    if (!f.isEmpty) save(false);
}

void VoucherCore::saveOnDestruction() noexcept {
    if (f.released || f.isEmpty || !f.dirty) return;
    detail::saveOnDestruction([this] { return describe(); }, [this] { save(false); });
}

// ---------------------------------------------------------------- entries

const EntryValues& EntryCore::shown() const { return f.isEmpty ? kEmptyEntry : v; }

void EntryCore::setTyyppi(const QString& s) {
    if (s != v.Tyyppi) f.dirty = true;
    v.Tyyppi = cutText(s, 1);
}

void EntryCore::setSelite(const QString& s) {
    if (s != v.Selite) f.dirty = true;
    v.Selite = cutText(s, 255);
}

QString EntryCore::describe() const {
    return QStringLiteral("%1 (%2 %3, %4 %5)")
        .arg(name(t.what), name(t.key))
        .arg(id)
        .arg(name(t.to))
        .arg(v.toID);
}

bool EntryCore::read(long newId) {
    if (f.isEmpty) return false;
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)),
                                         dao::RecordsetType::Snapshot, {dao::Variant(newId)});
    const bool found = !rs.isEOF();
    if (!found) {
        resetAsCreated();
    } else {
        load(rs, newId);
    }
    rs.Close();
    return found;
}

void EntryCore::load(const dao::Recordset& rs, long newId) {
    id = newId;
    v.tlID = NzLong(rs.value(name(t.tl)), 0);
    v.toID = NzLong(rs.value(name(t.to)), 0);
    v.kpID = NzLong(rs.value(name(t.kp)), 0);
    v.Tyyppi = NzString(rs.value(name(t.tyyppi)), QString());
    v.Arvo = NzCurrency(rs.value(name(t.arvo)), dao::Currency());
    v.Selite = NzString(rs.value(name(t.selite)), QString());
    v.Avausvienti = NzBoolean(rs.value(name(t.avaus)), false);
    v.Paatosvienti = NzBoolean(rs.value(name(t.paatos)), false);
    v.Automaatti = NzBoolean(rs.value(name(t.automaatti)), false);
    tie.bindCurrent();
    undo = v;
}

bool EntryCore::save(bool force) {
    if (f.isEmpty) return false;
    if (!force && !f.dirty) return true;
    // An entry with neither an account nor an amount is never stored; a
    // stored one is deleted instead. A new one keeps its values (its side
    // and voucher) for when an account or an amount is given later.
    if (v.Arvo.isZero() && v.tlID == 0) {
        if (id != 0) remove();
        return false;
    }
    dao::Database db = tie.openOwn([this] { return describe(); });
    long key = id;
    if (key == 0 && !t.counterKey) key = nextKey(db, t.table, t.key);
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id)});
    if (id != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        if (t.counterKey)
            key = NzLong(rs.value(name(t.key)), 0);
        else
            rs.setValue(name(t.key), dao::Variant(key));
    }
    rs.setValue(name(t.tl), dao::Variant(v.tlID));
    rs.setValue(name(t.to), dao::Variant(v.toID));
    rs.setValue(name(t.kp), dao::Variant(v.kpID));
    rs.setValue(name(t.tyyppi), dao::Variant(v.Tyyppi));
    rs.setValue(name(t.arvo), dao::Variant(v.Arvo));
    rs.setValue(name(t.selite), dao::Variant(v.Selite));
    rs.setValue(name(t.avaus), dao::Variant(v.Avausvienti));
    rs.setValue(name(t.paatos), dao::Variant(v.Paatosvienti));
    rs.setValue(name(t.automaatti), dao::Variant(v.Automaatti));
    rs.Update();
    id = key;
    f.dirty = false;
    undo = v;
    tie.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void EntryCore::remove() {
    if (f.isEmpty) return;
    if (id != 0) {
        dao::Database db = tie.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)), {dao::Variant(id)});
    }
    resetAsCreated();
}

void EntryCore::undoChanges() {
    if (f.isEmpty) return;
    v = undo;
}

void EntryCore::resetAsCreated() {
    id = 0;
    v = EntryValues{};
    undo = v;
    f.dirty = false;
    f.isEmpty = false;
    tie.clear();
}

void EntryCore::release() {
    if (f.released) return;
    f.released = true;
    if (!f.isEmpty) save(false);
}

void EntryCore::saveOnDestruction() noexcept {
    if (f.released || f.isEmpty || !f.dirty) return;
    detail::saveOnDestruction([this] { return describe(); }, [this] { save(false); });
}

}  // namespace core::detail
