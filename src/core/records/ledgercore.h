#pragma once

// The common workings of the ledger records: a voucher row (of `to` or
// `toE`) and an entry row (of `vi` or `viE`). The record classes wrap these
// and add what is their own (numbering, navigation, events). Internal to
// the records library.

#include "core/records/recordsupport.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>
#include <optional>

namespace core::detail {

// Changes field to value and reports whether it differed.
template <class T>
bool assignChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// The flags every record carries.
struct RecordFlags {
    bool dirty = false;     // a write property changed a column since creation or the last Save/Delete
    bool isEmpty = false;   // a blank placeholder
    bool released = false;  // Release() has run: the destructor saves nothing
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

class VoucherCore {
public:
    explicit VoucherCore(const VoucherTable& t) : t(t) {}

    const VoucherTable& t;
    long id = 0;
    VoucherValues v;
    VoucherValues undo;
    RecordFlags f;
    BookTie tie;

    // What the read properties show: the values, or empty ones for a placeholder.
    const VoucherValues& shown() const;
    long shownId() const { return f.isEmpty ? 0 : id; }

    template <class T>
    void set(T& field, const T& value) {
        if (assignChanged(field, value)) f.dirty = true;
    }
    void setSelite(const QString& s);

    QString describe() const;
    bool read(long newId);
    bool save(bool force);
    void remove();
    void undoChanges();
    void resetAsCreated();
    void release();
    void saveOnDestruction() noexcept;
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

class EntryCore {
public:
    explicit EntryCore(const EntryTable& t) : t(t) {}

    const EntryTable& t;
    long id = 0;
    EntryValues v;
    EntryValues undo;
    RecordFlags f;
    BookTie tie;

    const EntryValues& shown() const;
    long shownId() const { return f.isEmpty ? 0 : id; }

    template <class T>
    void set(T& field, const T& value) {
        if (assignChanged(field, value)) f.dirty = true;
    }
    void setTyyppi(const QString& s);
    void setSelite(const QString& s);

    QString describe() const;
    bool read(long newId);
    // Takes the values of the current row of rs, a row of this table.
    void load(const dao::Recordset& rs, long newId);
    bool save(bool force);
    void remove();
    void undoChanges();
    void resetAsCreated();
    void release();
    void saveOnDestruction() noexcept;
};

// Highest value of a column plus one; 1 for an empty table (or a Null maximum).
long nextKey(dao::Database& db, const char* table, const char* column);

// The value of keyColumn in the first row of a query; nothing when it has no row.
std::optional<long> firstKey(const QString& sql, const dao::Params& params, const char* keyColumn);

// The single value "Expr1000" of an aggregate query; Null when there is no row.
dao::Variant aggregate(dao::Database& db, const QString& sql);

}  // namespace core::detail
