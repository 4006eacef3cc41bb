#pragma once

// The common workings of the ledger records: a voucher row (of `to` or
// `toE`) and an entry row (of `vi` or `viE`), and the faces (properties and
// Read/Save/Delete/Release) that a record class of either year shows alike.
// The record classes build on these and add what is their own (numbering,
// navigation, events, the names of their links). Internal to the records
// library.

#include "core/records/recordcore.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>

namespace core::detail {

class EntryCore;
struct EntryTable;

// The record state of a voucher or an entry row with the table it lives
// in; Core is the class built on it (its save and describe).
template <class Core, class Values, class Table>
class LedgerCore : public RecordState<Values> {
public:
    explicit LedgerCore(const Table& t) : t(t) {}

    const Table& t;

    void release() {
        RecordState<Values>::release([this] { self().save(false); });
    }
    void saveOnDestruction() noexcept {
        RecordState<Values>::saveOnDestruction([this] { return self().describe(); }, [this] { self().save(false); });
    }

private:
    Core& self() { return static_cast<Core&>(*this); }
};

// ---------------------------------------------------------------- vouchers

struct VoucherTable {
    const char* table;
    const char* key;
    const char* numero;
    const char* pvm;
    const char* selite;
    const char* avaus;
    const char* paatos;
    const char* automaatti;
    const char* entryTable;  // the entries' table and their link to the voucher
    const char* entryLink;
    bool counterKey;          // the engine assigns the key; else MAX + 1 at save
    bool clearAllWhenMissing; // Read of a missing row resets the object as created
    qsizetype seliteWidth;    // 0: the text is kept whole
    const char* what;         // the record in words, for error texts

    RowTable row() const { return RowTable{table, key, counterKey}; }
};

extern const VoucherTable kToTable;
extern const VoucherTable kToETable;

struct VoucherValues {
    long Numero = 0;
    dao::Date Paiva;
    QString Selite;
    bool Avaustosite = false;
    bool Paatostosite = false;
    bool Automaatti = false;
    bool operator==(const VoucherValues&) const = default;
};

class VoucherCore : public LedgerCore<VoucherCore, VoucherValues, VoucherTable> {
public:
    using LedgerCore::LedgerCore;

    // Compared as written, stored cut to the column's width.
    void setSelite(const QString& s) { setText(v.Selite, s, t.seliteWidth); }

    QString describe() const;
    bool read(long newId);
    bool save(bool force);
    void remove();

    // Makes e a new entry of this voucher on side sTyyppi, with the
    // voucher's id, flags and text, in the voucher's book.
    void startEntry(EntryCore& e, const QString& sTyyppi) const;
    // The stored entries (of table et) of one side in the order they were
    // stored, each filled by load(entry, rs, key) and keyed "vi" and its
    // key; empty for a placeholder or a voucher never stored.
    template <class Entry, class Load>
    RecordList<Entry> entries(const EntryTable& et, const QString& sTyyppi, const Load& load) const;
};

// ---------------------------------------------------------------- entries

struct EntryTable {
    const char* table;
    const char* key;
    const char* tl;
    const char* to;
    const char* kp;
    const char* tyyppi;
    const char* arvo;
    const char* selite;
    const char* avaus;
    const char* paatos;
    const char* automaatti;
    bool counterKey;
    const char* what;

    RowTable row() const { return RowTable{table, key, counterKey}; }
};

extern const EntryTable kViTable;
extern const EntryTable kViETable;

struct EntryValues {
    long tlID = 0;
    long toID = 0;
    long kpID = 0;
    QString Tyyppi;
    dao::Currency Arvo;
    QString Selite;
    bool Avausvienti = false;
    bool Paatosvienti = false;
    bool Automaatti = false;
    bool operator==(const EntryValues&) const = default;
};

class EntryCore : public LedgerCore<EntryCore, EntryValues, EntryTable> {
public:
    using LedgerCore::LedgerCore;

    void setTyyppi(const QString& s) { setText(v.Tyyppi, s, 1); }
    void setSelite(const QString& s) { setText(v.Selite, s, 255); }

    QString describe() const;
    bool read(long newId);
    // Takes the values of the current row of rs, a row of this table.
    void load(const dao::Recordset& rs, long newId);
    bool save(bool force);
    void remove();

private:
    void fill(const dao::Recordset& rs);
};

template <class Entry, class Load>
RecordList<Entry> VoucherCore::entries(const EntryTable& et, const QString& sTyyppi, const Load& load) const {
    if (f.isEmpty || id == 0) return {};
    dao::Database db = tie.openOwn([this] { return describe(); });
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2 = ? AND %3 = ? ORDER BY %4")
                            .arg(QString::fromLatin1(et.table), QString::fromLatin1(et.to),
                                 QString::fromLatin1(et.tyyppi), QString::fromLatin1(et.key));
    return recordsOf<Entry>(db, sql, {dao::Variant(id), dao::Variant(sTyyppi)}, et.key, QStringLiteral("vi"), load);
}

// ---------------------------------------------------------------- the records' faces

// What a voucher record of either year shows and does alike. The record
// class adds its numbering, its entries and its navigation, and the writes
// of Numero and Selite, which differ between the years.
class VoucherRecord {
public:
    VoucherRecord(const VoucherRecord&) = delete;
    VoucherRecord& operator=(const VoucherRecord&) = delete;

    // Sets Numero, Paiva, Selite and the flags back to the last Read or
    // Save (or creation); the dirty flag keeps its value.
    void Undo() { c_.undoChanges(); }
    bool IsEmpty() const { return c_.f.isEmpty; }
    void setIsEmpty(bool b) { c_.f.isEmpty = b; }
    bool isDirty() const { return c_.f.dirty; }

    long id() const { return c_.shownId(); }  // the key; 0 = not stored
    long Numero() const { return c_.shown().Numero; }
    dao::Date Paiva() const { return c_.shown().Paiva; }
    void setPaiva(const dao::Date& v) { c_.set(c_.v.Paiva, v); }
    QString Selite() const { return c_.shown().Selite; }
    bool Avaustosite() const { return c_.shown().Avaustosite; }
    void setAvaustosite(bool v) { c_.set(c_.v.Avaustosite, v); }
    bool Paatostosite() const { return c_.shown().Paatostosite; }
    void setPaatostosite(bool v) { c_.set(c_.v.Paatostosite, v); }
    bool Automaatti() const { return c_.shown().Automaatti; }
    void setAutomaatti(bool v) { c_.set(c_.v.Automaatti, v); }

    // Loads the row; a missing row clears id and values (a voucher of the
    // previous year is reset as created) and gives False.
    bool Read(long id) { return c_.read(id); }
    // Writes when dirty or forced (a new voucher is appended and gets its
    // id); False for a placeholder.
    bool Save(bool Force) { return c_.save(Force); }
    // Deletes the voucher with all its entries and resets the object as
    // created; always False.
    bool Delete() {
        c_.remove();
        return false;
    }
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() { c_.release(); }

protected:
    explicit VoucherRecord(const VoucherTable& t) : c_(t) {}
    ~VoucherRecord() = default;

    VoucherCore c_;
};

// What an entry record of either year shows and does alike. The record
// class adds the links to its voucher and cost centre under its own names.
class EntryRecord {
public:
    EntryRecord(const EntryRecord&) = delete;
    EntryRecord& operator=(const EntryRecord&) = delete;

    // A blank placeholder: every read property gives its empty value and
    // Read, Save, Delete, Undo and the save on release do nothing.
    bool IsEmpty() const { return c_.f.isEmpty; }
    void setIsEmpty(bool b) { c_.f.isEmpty = b; }
    // Unsaved changes are held (for windows that ask before leaving).
    bool isDirty() const { return c_.f.dirty; }

    long id() const { return c_.shownId(); }       // the key; 0 = not stored
    long tlID() const { return c_.shown().tlID; }  // account; 0 = none
    void setTlID(long v) { c_.set(c_.v.tlID, v); }
    // "D" or "K"; keeps the first character written.
    QString Tyyppi() const { return c_.shown().Tyyppi; }
    void setTyyppi(const QString& v) { c_.setTyyppi(v); }
    dao::Currency Arvo() const { return c_.shown().Arvo; }
    void setArvo(dao::Currency v) { c_.set(c_.v.Arvo, v); }
    // Keeps the first 255 characters.
    QString Selite() const { return c_.shown().Selite; }
    void setSelite(const QString& v) { c_.setSelite(v); }
    bool Avausvienti() const { return c_.shown().Avausvienti; }
    void setAvausvienti(bool v) { c_.set(c_.v.Avausvienti, v); }
    bool Paatosvienti() const { return c_.shown().Paatosvienti; }
    void setPaatosvienti(bool v) { c_.set(c_.v.Paatosvienti, v); }
    bool Automaatti() const { return c_.shown().Automaatti; }
    void setAutomaatti(bool v) { c_.set(c_.v.Automaatti, v); }

    // Sets every column back to the last Read or Save; the object stays dirty.
    void Undo() { c_.undoChanges(); }
    // Deletes the stored row and resets the object as created; always False.
    bool Delete() {
        c_.remove();
        return false;
    }
    // Loads the row; a missing row resets the object as created and gives False.
    bool Read(long id) { return c_.read(id); }
    // Writes when dirty or forced; a blank entry is not written (a stored
    // one is deleted) and gives False.
    bool Save(bool Force) { return c_.save(Force); }
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() { c_.release(); }

protected:
    explicit EntryRecord(const EntryTable& t) : c_(t) {}
    ~EntryRecord() = default;

    EntryCore c_;
};

}  // namespace core::detail
