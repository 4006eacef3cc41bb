#pragma once

// The workings every record class shares: the state of one record (its
// key, its values, the undo copy, the flags and the tie to its book) with
// the steps that are the same in each of them, and the small queries that
// the records make of their tables. A record class holds a RecordState of
// its own values and keeps to itself what is its own: its columns, widths,
// rules, events and navigation queries.
//
// The steps, as every record class takes them:
// - a write property marks the record dirty only when the value really
//   changes; a text is compared as written and then kept cut to the
//   column's width;
// - Undo puts the values of the last Read or Save back, the dirty flag
//   stays; a placeholder does nothing;
// - Save writes nothing for a placeholder (False) and nothing for a clean
//   record unless forced (True); otherwise it opens the row by its key,
//   edits it or appends a new one, writes the columns and takes the new
//   key only once the row is stored, so that after a failed update the
//   record is still new and its next save appends;
// - Release saves pending changes once, letting errors reach the caller;
//   the destructor of a record not released saves dirty changes and hands
//   an error to the release-error sink.

#include "core/nz.h"
#include "core/records/recordsupport.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

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

// The table of a record and its key column.
struct RowTable {
    const char* table;
    const char* key;
    bool counterKey = true;  // the engine assigns the key at AddNew; else MAX + 1 at save
};

// ---------------------------------------------------------------- queries

// The single value "Expr1000" of an aggregate query; Null when there is no row.
dao::Variant aggregate(dao::Database& db, const QString& sql, const dao::Params& params = {});

// One more than a maximum; 1 for a Null maximum (an empty table).
long plusOne(const dao::Variant& max);

// Highest value of a column plus one; 1 for an empty table (or a Null maximum).
long nextKey(dao::Database& db, const char* table, const char* column);

// The value of keyColumn in the first row of a query; nothing when it has no row.
std::optional<long> firstKey(const QString& sql, const dao::Params& params, const char* keyColumn);

// Runs f inside a transaction of db: the whole of it or nothing. A failed
// commit is rolled back as well.
void inTransaction(dao::Database& db, const std::function<void()>& f);

// Deletes rows by a bound key, in one transaction, so that a record never
// loses only part of what belongs to it.
void deleteRows(dao::Database& db, const std::vector<std::pair<QString, QString>>& tableAndColumn, long key);

// The columns that take no empty text get one blank instead.
QString blankIfEmpty(const QString& s);

// Reads the row of t with the key: fill(rs) when there is one, missing()
// when not. Tells whether the row was found.
bool readRow(const RowTable& t, long key, const std::function<void(const dao::Recordset&)>& fill,
             const std::function<void()>& missing);

// Writes the row of t with the key id (a new row while id is 0): Edit or
// AddNew (the new key by the engine or MAX + 1), write(rs), Update. Gives
// the row's key.
long writeRow(dao::Database& db, const RowTable& t, long id, const std::function<void(dao::Recordset&)>& write);

// Deletes the row of t with the key.
void deleteRow(dao::Database& db, const RowTable& t, long key);

// ---------------------------------------------------------------- one record

template <class Values>
class RecordState {
public:
    long id = 0;
    Values v{};
    Values undo{};
    RecordFlags f;
    BookTie tie;

    // What the read properties show: the values, or empty ones for a placeholder.
    const Values& shown() const {
        static const Values empty{};
        return f.isEmpty ? empty : v;
    }
    long shownId() const { return f.isEmpty ? 0 : id; }

    template <class T>
    void set(T& field, const T& value) {
        if (assignChanged(field, value)) f.dirty = true;
    }
    // Compared as written, kept cut to width (0: kept whole).
    void setText(QString& field, const QString& value, qsizetype width) {
        if (value != field) f.dirty = true;
        field = width > 0 ? cutText(value, width) : value;
    }

    void undoChanges() {
        if (!f.isEmpty) v = undo;
    }
    void resetAsCreated() {
        id = 0;
        v = Values{};
        undo = v;
        f.dirty = false;
        f.isEmpty = false;
        tie.clear();
    }

    // Takes the row rs stands on as the record's row with the key: fill(rs)
    // sets the values; the record is then tied to the open book and its
    // undo copy is the row.
    template <class Fill>
    void loadRow(const dao::Recordset& rs, long key, const Fill& fill) {
        id = key;
        fill(rs);
        tie.bindCurrent();
        undo = v;
    }
    // Read of the row with the key; a missing row resets the record as
    // created. False for a placeholder.
    template <class Fill>
    bool readOrReset(const RowTable& t, long key, const Fill& fill) {
        if (f.isEmpty) return false;
        return readRow(
            t, key, [&](const dao::Recordset& rs) { loadRow(rs, key, fill); }, [this] { resetAsCreated(); });
    }
    // Read of the row with the key; a missing row clears only the key and
    // the values (the dirty flag stays). Either way the record is tied to
    // the open book and its undo copy is what it now holds. False for a
    // placeholder.
    template <class Fill>
    bool readOrClear(const RowTable& t, long key, const Fill& fill) {
        if (f.isEmpty) return false;
        const bool found = readRow(
            t, key,
            [&](const dao::Recordset& rs) {
                id = key;
                fill(rs);
            },
            [this] {
                id = 0;
                v = Values{};
            });
        tie.bindCurrent();
        undo = v;
        return found;
    }

    // Save(Force): see the top of this file. mayWrite() false writes
    // nothing and gives False (the record's own rule for a row it does not
    // keep).
    template <class Describe, class Write, class MayWrite>
    bool save(bool force, const RowTable& t, const Describe& what, const Write& write, const MayWrite& mayWrite) {
        if (f.isEmpty) return false;
        if (!force && !f.dirty) return true;
        if (!mayWrite()) return false;
        dao::Database db = tie.openOwn(what);
        stored(writeRow(db, t, id, write));
        return true;
    }
    template <class Describe, class Write>
    bool save(bool force, const RowTable& t, const Describe& what, const Write& write) {
        return save(force, t, what, write, [] { return true; });
    }
    // The row is stored under key: the record is clean, its undo copy is
    // what it holds, and it is tied to the book (when it was to none).
    void stored(long key) {
        id = key;
        f.dirty = false;
        undo = v;
        tie.bindCurrentIfUnbound();
    }

    // Delete: del(db) removes the stored row (nothing while the record is
    // new); the record is then as created. A placeholder does nothing.
    template <class Describe, class Del>
    void removeWith(const Describe& what, const Del& del) {
        if (f.isEmpty) return;
        if (id != 0) {
            dao::Database db = tie.openOwn(what);
            del(db);
        }
        resetAsCreated();
    }
    template <class Describe>
    void remove(const RowTable& t, const Describe& what) {
        removeWith(what, [&](dao::Database& db) { deleteRow(db, t, id); });
    }

    // Release: runs letGo() once.
    template <class LetGo>
    void releaseWith(const LetGo& letGo) {
        if (f.released) return;
        f.released = true;
        letGo();
    }
    // Release: saves pending changes once, unless a placeholder.
    template <class Save>
    void release(const Save& save) {
        releaseWith([&] {
            if (!f.isEmpty) save();
        });
    }
    // The destructor: a dirty record that was neither released nor a
    // placeholder saves; an error goes to the release-error sink.
    void saveOnDestruction(const std::function<QString()>& what, const std::function<void()>& save) noexcept {
        if (f.released || f.isEmpty || !f.dirty) return;
        detail::saveOnDestruction(what, save);
    }
};

// ---------------------------------------------------------------- new objects

// A new placeholder record.
template <class R>
std::unique_ptr<R> placeholder() {
    auto r = std::make_unique<R>();
    r->setIsEmpty(true);
    return r;
}

// A new record read from the row whose key keyColumn holds in the first
// row of the query, or a new placeholder when the query has no row.
template <class R>
std::unique_ptr<R> recordAt(const QString& sql, const dao::Params& params, const char* keyColumn) {
    const std::optional<long> key = firstKey(sql, params, keyColumn);
    if (!key) return placeholder<R>();
    auto r = std::make_unique<R>();
    r->Read(*key);
    return r;
}

// The rows of a query, each a new record filled by load(record, rs, key)
// and listed under keyPrefix and its key, in the order of the query.
template <class R, class Load>
RecordList<R> recordsOf(dao::Database& db, const QString& sql, const dao::Params& params, const char* keyColumn,
                        const QString& keyPrefix, const Load& load) {
    RecordList<R> list;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long key = NzLong(rs.value(QString::fromLatin1(keyColumn)), 0);
        auto r = std::make_unique<R>();
        load(*r, rs, key);
        list.add(keyPrefix + QString::number(key), std::move(r));
    }
    rs.Close();
    return list;
}

}  // namespace core::detail
