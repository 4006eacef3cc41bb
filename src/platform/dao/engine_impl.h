#pragma once

// Inner workings of the database layer; not for use outside platform/dao.

#include "platform/dao/database.h"
#include "platform/dao/jetsql.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <sqlite3.h>
#include <unordered_map>
#include <vector>

namespace dao {

class RecordsetImpl;

// A declared column of a stored table.
struct TableColumn {
    FieldType type;
    int size;
    bool counter;
    Variant defaultValue;  // what a new row holds until it is given a value
    QString name;          // as the definition spells it
    int position = 0;      // among the table's columns, from 0
};
using TableColumns = QHash<QString, TableColumn>;  // by lower-case name

// One SQLite connection to a book file. Every Database object opened on the
// same file in this process shares it, as the databases of one workspace
// share their transactions.
class Connection : public std::enable_shared_from_this<Connection> {
public:
    Connection(sqlite3* db, QString canonicalPath, bool readOnly);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* db() const { return db_; }
    const QString& canonicalPath() const { return path_; }
    // The write point of a commit of this connection's book (none for a
    // database in memory, which is no file).
    void commitPoint() const;
    bool readOnly() const { return readOnly_; }

    // A prepared statement for translated SQL; give it back with release().
    sqlite3_stmt* acquire(const QString& sql);
    void release(sqlite3_stmt* stmt);

    const jet::Translation& translation(const QString& jetSql);

    // Recordsets that still hold an unfinished statement. Before any write
    // they read their remaining rows and let the statement go, so that no
    // read keeps the write from being committed at once.
    void registerCursor(RecordsetImpl* rs) { cursors_.insert(rs); }
    void unregisterCursor(RecordsetImpl* rs) { cursors_.erase(rs); }
    void drainCursors();

    // Recordsets that added, changed or deleted rows inside the open
    // transaction. What the transaction stored stays in them when it is
    // committed; work that is rolled back, or whose commit fails, is taken
    // back from them too, so that none claims a row that was never stored.
    void noteRecordsetChange(RecordsetImpl* rs) { changed_.insert(rs); }
    void forgetRecordsetChanges(RecordsetImpl* rs) { changed_.erase(rs); }
    // The work of transaction level `depth` (txDepth as it was when that work
    // was done; 1 the outermost) and deeper: kept into the level around it,
    // or, at the outermost level, for good.
    void keepRecordsetChanges(int depth);
    // The same work undone.
    void takeBackRecordsetChanges(int depth);

    // Runs translated SQL with bound values; returns the rows changed.
    long exec(const QString& sql, const Params& params, jet::StatementKind kind = jet::StatementKind::Other);
    // Raises the engine error of the last failure of this connection.
    [[noreturn]] void fail(int rc, const QString& context, jet::StatementKind kind = jet::StatementKind::Other);

    // Next value of a table's Counter: never one used before, even when the
    // row that had it was deleted, nor one that another connection to the
    // book (in this program or another copy of it) has reserved. It is kept
    // in the book's sequence of the table: inside the open transaction, or
    // committed at once when none is open. A key past kHighestKey is not
    // given: Overflow, naming the table, and nothing is reserved.
    std::int64_t reserveCounter(const QString& table);

    // The declared columns of a table. They are read from the schema once
    // and kept until the schema changes (here or in another connection).
    const TableColumns& tableColumns(const QString& table);

    // This connection among every one the process opens.
    const std::int64_t serial;

    int txDepth = 0;
    long lastChanges = 0;
    std::int64_t schemaStamp = 0;  // bumped by every change of definitions

private:
    // Refuses the row an INSERT was given a key past kHighestKey, when that
    // is its table's Counter.
    void refuseKeyPastRangeIn(const QString& insert);

    sqlite3* db_;
    QString path_;
    bool readOnly_;
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>> freeStmts_;
    QHash<QString, jet::Translation> translations_;
    std::set<RecordsetImpl*> cursors_;
    std::set<RecordsetImpl*> changed_;
    QHash<QString, std::int64_t> reserved_;
    QHash<QString, TableColumns> columns_;  // by lower-case table name
    std::pair<std::int64_t, std::int64_t> columnsVersion_{-1, -1};  // schemaStamp, schema_version
};

// Whether a table's own definition declares its key AUTOINCREMENT.
bool declaredAutoIncrement(sqlite3* db, const QString& table);

// The highest key the program gives a row: its keys are Long, of 32 bits.
inline constexpr std::int64_t kHighestKey = 2147483647;
// The refusal of a row whose key would be past kHighestKey.
[[noreturn]] void refuseKeyPastRange(const QString& table);

// A statement from acquire(), given back when the lease ends, also when an
// error (a value that cannot be bound, a failed step) leaves the scope. A
// statement never given back keeps the file open after the book is closed.
class StatementLease {
public:
    StatementLease(Connection& c, const QString& sql) : c_(c), s_(c.acquire(sql)) {}
    ~StatementLease() { c_.release(s_); }
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;
    operator sqlite3_stmt*() const { return s_; }

private:
    Connection& c_;
    sqlite3_stmt* s_;
};

// The longest value a connection of the program takes, text or row, in
// bytes (the engine's length limit, set by openHandle). The widest row of a
// book is some kilobytes (the settings' three texts of 255 characters), its
// longest definition about one; a longer value can only come from a book's
// own definitions (a column's default), and is refused rather than written.
inline constexpr int kLongestValue = 65536;
static_assert(kLongestLikePattern < kLongestValue);

// What the program's own functions say when they refuse a value, as the
// engine's own abs() says of the lowest whole number.
inline constexpr char kIntegerOverflow[] = "integer overflow";
inline constexpr char kLikePatternTooLong[] = "LIKE pattern too long";
// The engine's own LIKE (which its compaction may evaluate) says this of a
// pattern beyond the same bound.
inline constexpr char kEngineLikePatternTooLong[] = "LIKE or GLOB pattern too complex";

// The error of a failure that is no fault of the file but of what a book
// asks its connection to evaluate: a value longer than kLongestValue, a
// LIKE pattern beyond the engine's bound, a whole number beyond 64 bits, a
// collation or function the program does not have (ExpressionTooComplex,
// naming it). Nothing for any other failure. A write (kind Insert or Update) says that
// nothing was stored.
std::optional<DaoError> refusalOf(sqlite3* db, int rc, jet::StatementKind kind = jet::StatementKind::Other);

void bindValue(sqlite3_stmt* stmt, int index, const Variant& v);
void bindAll(sqlite3_stmt* stmt, const Params& params);
void registerFunctions(sqlite3* db);
// A handle on a book's file, set up as every connection of the program is;
// raises the engine's error when the file cannot be opened. Setting it up
// reads the book's definitions: beforeFirstRead, when given, is called on
// the handle before that (to bound the work of the read).
sqlite3* openHandle(const QString& path, int flags, int busyMs,
                    const std::function<void(sqlite3*)>& beforeFirstRead = {});

// The watch of the engine's long work on this thread (WorkWatchScope).
WorkWatch& currentWatch();
// The bound of the engine's work over the book at bookPath (WorkBound).
std::int64_t workBoundFor(const QString& bookPath);

// The engine's steps between two looks at the work. A step is mostly far
// below a microsecond; the longest a book can make (a GLOB at the bound of
// its pattern over the longest text) some tens of milliseconds: Cancel is
// answered within a second whatever the steps are.
inline constexpr int kStepsPerLook = 25;

// The work of one operation over a book, counted on every handle it runs on
// (each is given on() before the work and closed or given off() before this
// goes): the engine stops a statement, with SQLITE_INTERRUPT, once the work
// is past its bound or the watch of the thread has stopped it, and every
// later statement of the operation soon after. Work done inside one step of
// the engine (the program's LIKE) is counted in it as well (count).
class BoundedWork {
public:
    explicit BoundedWork(const QString& bookPath) : watch_(currentWatch()), bound_(workBoundFor(bookPath)) {}
    ~BoundedWork();
    BoundedWork(const BoundedWork&) = delete;
    BoundedWork& operator=(const BoundedWork&) = delete;

    void on(sqlite3* h);
    static void off(sqlite3* h);
    // The work counted on h on this thread; none outside such work.
    static BoundedWork* of(sqlite3* h);

    // Counts steps done inside one step of the engine; false once the work
    // is stopped.
    bool count(std::int64_t steps) {
        if (stop_) return false;
        done_ += steps;
        if (done_ > bound_) stop_ = err::TooMuchWork;
        else if (watch_ && !watch_(done_, bound_)) stop_ = err::WorkCancelled;
        return stop_ == 0;
    }

    bool stopped() const { return stop_ != 0; }
    // TooMuchWork or WorkCancelled, naming the book, when the work was stopped.
    void raiseIfStopped(const QString& bookPath) const {
        if (stop_) raise(stop_, bookPath);
    }

private:
    static int look(void* self) { return static_cast<BoundedWork*>(self)->count(kStepsPerLook) ? 0 : 1; }

    WorkWatch watch_;
    std::int64_t bound_ = 0;
    std::int64_t done_ = 0;
    int stop_ = 0;
};

// The table in which a repaired copy names the damaged book it was made
// from (DBEngine::RepairDatabase); an engine table of its own, never copied.
inline const QString kRepairMarkTable = QStringLiteral("MSysRepair");
inline const QString kRepairMarkColumns = QStringLiteral("(Kind TEXT NOT NULL, Name TEXT NOT NULL, Value TEXT)");

// Makes the database layer's own tables (those of field properties, saved
// queries and a repair's mark) on an empty database (defs.cpp).
void makeEngineTables(sqlite3* h);

// The first look at a file that is to be opened as a book (bookfiles.cpp):
// the files beside it (ForeignSideFile), its header (UnrecognizedFormat for
// a file that is no book) and its definitions (ForeignLayout), read without
// changing the file or any file beside it. True when the definitions could
// not be read so: confirmIsBook then looks again on the open handle, before
// anything is written.
bool checkIsBook(const QString& path);
// The second look, on h: h is closed and the error raised when the file
// proves no book, or not the program's.
void confirmIsBook(sqlite3* h, const QString& path);
// The definitions of the database open on h, in their order.
std::vector<SchemaRow> schemaOf(sqlite3* h);
// Whether the definitions hold the voucher, entry and account tables that
// every book has had from its first version.
bool holdsBookTables(const std::vector<SchemaRow>& rows);
// The definitions of the database layer's own tables (engine tables), as
// the engine stores them.
const std::vector<SchemaRow>& engineRows();

// The definitions of a damaged book as its rebuild reads them (salvage.cpp):
// every row of its schema that can be read, in their order, as rows (none
// is made or run), and whether every one could be read.
struct DamagedDefinitions {
    std::vector<SchemaRow> rows;
    bool whole = true;
};
DamagedDefinitions readDamagedDefinitions(sqlite3* src);

// Builds a new book on dst, an empty file, from the damaged book open on src
// (salvage.cpp): the layout's current definitions, made by the program's own
// texts, with every row that can be read of the damaged book's tables of
// their names, in the columns of their names. Raises CannotOpenDatabase when
// the damaged book's definitions name none of the program's tables; the
// report tells the rows that could not be read, and the damaged book's
// definitions that are not the program's.
RepairReport salvageInto(sqlite3* src, const DamagedDefinitions& damaged, sqlite3* dst, const BookLayout& layout);

class DatabaseImpl : public std::enable_shared_from_this<DatabaseImpl> {
public:
    DatabaseImpl(std::shared_ptr<Connection> c, QString name) : conn(std::move(c)), name(std::move(name)) {}
    ~DatabaseImpl();
    Connection& connection();  // ObjectInvalid when closed
    void close();

    std::shared_ptr<Connection> conn;
    QString name;
    bool closed = false;
    std::vector<std::weak_ptr<RecordsetImpl>> recordsets;
};

struct ColumnInfo {
    QString name;
    QString table;  // the table the value comes from; empty for expressions
    QString origin; // the column of that table
    FieldType type = FieldType::Text;
    int size = 0;
    bool typed = false;  // from a declared type
    bool counter = false;
    bool updatable = false;
    int tableSlot = -1;  // index of the row-key column of its table
    Variant defaultValue;
};

struct RowData {
    std::vector<Variant> values;
    std::vector<std::int64_t> keys;  // row id per table slot
    bool deleted = false;
};

class RecordsetImpl : public std::enable_shared_from_this<RecordsetImpl> {
public:
    RecordsetImpl(std::shared_ptr<DatabaseImpl> db, QString source, RecordsetType type, int options, Params params);
    ~RecordsetImpl();

    void open();
    void readColumns(Connection& c);
    void close();
    void checkOpen() const;
    // Reads rows up to index n (or all with n < 0); false when there are fewer.
    bool fetchTo(qsizetype n);
    // Rows read so far, the released ones included.
    qsizetype rowsRead() const { return passed + qsizetype(rows.size()); }
    // Row i of the set; a row a forward-only recordset has released is gone.
    RowData& row(qsizetype i) { return rows[size_t(i - passed)]; }
    const RowData& row(qsizetype i) const { return rows[size_t(i - passed)]; }
    // A forward-only recordset never returns to a row it has left: it lets
    // those rows go, so that reading a large set row by row holds a few rows
    // at a time rather than all of them.
    void releasePassed();
    void drain();
    void finishStatement();

    // A column of the statement's current row as a field of that column
    // gives it. A key, a number, an amount or a date that the program never
    // writes (beyond its field's range, not finite, of another kind; a date
    // outside the years 100 to 9999) raises ValueNotWritten, naming the
    // table, the row (by its key) and the column.
    static Variant readColumn(sqlite3_stmt* stmt, int col, const ColumnInfo& info);
    // Such a value as a message shows it; nothing for a value readColumn reads.
    static std::optional<QString> storedFault(sqlite3_stmt* stmt, int col, const ColumnInfo& info);
    static Variant readStored(sqlite3_stmt* stmt, int col, const ColumnInfo& info, bool& fault);
    int columnIndex(const QString& name) const;  // -1 when missing
    const RowData& currentRow() const;
    void checkCurrent() const;
    void moveTo(qsizetype pos);

    std::shared_ptr<DatabaseImpl> db;
    std::shared_ptr<Connection> conn;
    QString source;
    RecordsetType type;
    int options;
    Params params;
    bool isOpen = false;
    bool updatable = false;

    QString sql;
    sqlite3_stmt* stmt = nullptr;  // unfinished statement, or null
    std::vector<ColumnInfo> columns;
    std::vector<QString> slotTables;  // real table per key slot
    int keyColumns = 0;               // leading hidden key columns of the statement
    QHash<QString, int> byName;       // lower-case name -> column
    QHash<QString, int> bySpelling;   // name as the statement gives it -> the column byName gives
    std::vector<RowData> rows;        // rows[0] is row `passed` of the set
    qsizetype passed = 0;             // rows released (forward-only only)
    std::vector<std::vector<Variant>> spareValues;  // storage of released rows, to reuse
    qsizetype pos = 0;                // current row; -1 = before first
    bool exhausted = false;

    Recordset::EditMode editMode = Recordset::EditMode::None;
    RowData buffer;
    std::vector<bool> touched;
    qsizetype posBeforeAdd = 0;
    Bookmark lastModified = -1;

    // An AddNew, Edit, Update or Delete made inside a transaction, with what
    // the recordset was before it: a rollback of that work brings the
    // recordset back to it, as the work had never been done (an Update
    // undone leaves its edit pending again, with the values it was given).
    struct Change {
        enum class Kind { Began, Added, Edited, Deleted };
        Kind kind = Kind::Began;
        int depth = 0;       // the transaction level it was made at
        qsizetype row = -1;  // the row added, changed or deleted
        RowData stored;      // Edited: the row as it was
        Recordset::EditMode editMode = Recordset::EditMode::None;
        RowData buffer;
        std::vector<bool> touched;
        qsizetype posBeforeAdd = 0;
        qsizetype pos = 0;
        Bookmark lastModified = -1;
    };
    // The recordset as it is now, for a change about to be made; nothing
    // outside a transaction.
    std::optional<Change> before(Change::Kind kind) const;
    // The change made (from before()), kept until its transaction ends.
    void changed(std::optional<Change> change);
    void keepChanges(int depth);
    void takeBackChanges(int depth);
    void forgetChanges();
    std::vector<Change> changes;  // in the order made; deeper levels last
};

struct FieldDefData {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;
    int attributes = 0;
    QString defaultValue;
    bool required = false;
    QString table;  // set when the field belongs to a stored table
    std::weak_ptr<DatabaseImpl> db;
    QHash<QString, Variant> pendingProps;
};

struct IndexDefData {
    QString name;
    bool primary = false;
    bool unique = false;
    std::vector<FieldDef> fields;
    QStringList storedFields;
};

struct TableDefData {
    QString name;
    std::weak_ptr<DatabaseImpl> db;  // set once stored
    std::vector<FieldDef> fields;    // fields of a new definition
    std::vector<IndexDef> indexes;
};

}  // namespace dao
