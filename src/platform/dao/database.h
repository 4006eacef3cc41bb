#pragma once

// The database engine of the program: association books are SQLite files,
// reached through an interface shaped like the classic desktop-database
// object model (engine, databases, recordsets, fields, table and query
// definitions). SQL is written in the Jet dialect and translated.

#include "platform/dao/error.h"
#include "platform/dao/layout.h"
#include "platform/dao/variant.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace dao {

enum class FieldType {
    Boolean = 1,
    Byte = 2,
    Integer = 3,  // 16-bit
    Long = 4,     // 32-bit
    Currency = 5,
    Single = 6,
    Double = 7,
    Date = 8,
    Text = 10,
    Memo = 12,
};

// Field attribute bit: the engine assigns the value (a Counter).
constexpr int dbAutoIncrField = 16;

enum class RecordsetType {
    Table = 1,
    Dynaset = 2,
    Snapshot = 4,
    ForwardOnly = 8,
};

// Options of OpenRecordset and Execute.
constexpr int dbReadOnly = 4;
constexpr int dbFailOnError = 128;

using Params = std::vector<Variant>;

// The longest pattern of LIKE (and of the engine's GLOB) that a connection
// evaluates, in bytes of UTF-8: that of the program's longest, a text of 50
// characters (three bytes each at most) between two stars. A longer one,
// which only a book's own definitions can ask, is refused
// (ExpressionTooComplex) rather than matched.
inline constexpr int kLongestLikePattern = 2 + 50 * 3;

class DatabaseImpl;
class RecordsetImpl;
struct TableDefData;
struct FieldDefData;
struct IndexDefData;

// ---------------------------------------------------------------- fields

// One column of a recordset; valid while its recordset lives.
class Field {
public:
    QString name() const;
    FieldType type() const;
    int size() const;  // text width; 0 for other kinds
    QString sourceTable() const;
    Variant value() const;
    // The current row's value without a copy, for readings of many rows;
    // it stands until the recordset moves or changes.
    const Variant& valueRef() const;
    void setValue(const Variant& v);

private:
    friend class Recordset;
    Field(RecordsetImpl* rs, int index) : rs_(rs), index_(index) {}
    RecordsetImpl* rs_;
    int index_;
};

// ---------------------------------------------------------------- recordsets

// Bookmark: identifies a row of one recordset.
using Bookmark = std::int64_t;

class Recordset {
public:
    Recordset() = default;

    RecordsetType type() const;
    bool updatable() const;
    bool isOpen() const;

    bool isEOF() const;
    bool isBOF() const;
    // Rows reached so far; exact after MoveLast. A table-type recordset
    // always knows its count.
    long RecordCount() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    long AbsolutePosition() const;  // -1 when there is no current row
    void setAbsolutePosition(long pos);

    int fieldCount() const;
    Field field(int index) const;
    // By name without regard to case; "table.field" names a column of one table.
    Field field(const QString& name) const;
    bool hasField(const QString& name) const;
    Variant value(const QString& name) const { return field(name).value(); }
    Variant value(int index) const { return field(index).value(); }
    void setValue(const QString& name, const Variant& v) { field(name).setValue(v); }
    QStringList fieldNames() const;

    void AddNew();
    void Edit();
    // RecordDeleted when the row edited is no longer in its table: the
    // recordset then takes it as deleted (the edit stays pending).
    void Update();
    void CancelUpdate();
    void Delete();
    void Requery();
    void Close();

    enum class EditMode { None, InProgress, Add };
    EditMode editMode() const;
    Bookmark bookmark() const;
    void setBookmark(Bookmark b);
    Bookmark LastModified() const;

private:
    friend class Database;
    explicit Recordset(std::shared_ptr<RecordsetImpl> impl) : impl_(std::move(impl)) {}
    RecordsetImpl& impl() const;
    std::shared_ptr<RecordsetImpl> impl_;
};

// ---------------------------------------------------------------- definitions

class FieldDef {
public:
    FieldDef();
    QString name() const;
    FieldType type() const;
    int size() const;
    int attributes() const;
    void setAttributes(int a);
    QString defaultValue() const;
    void setDefaultValue(const QString& v);
    bool required() const;
    // Properties such as "Format": PropertyNotFound when the field has none.
    Variant property(const QString& name) const;
    void setProperty(const QString& name, const Variant& v);
    void createProperty(const QString& name, const Variant& v);
    bool hasProperty(const QString& name) const;

private:
    friend class TableDef;
    friend class IndexDef;
    friend class Database;
    friend struct DefsAccess;
    std::shared_ptr<FieldDefData> d_;
};

class IndexDef {
public:
    IndexDef();
    QString name() const;
    bool primary() const;
    void setPrimary(bool p);
    bool unique() const;
    void setUnique(bool u);
    FieldDef createField(const QString& name, FieldType type = FieldType::Long);
    void appendField(const FieldDef& f);
    QStringList fieldNames() const;

private:
    friend class TableDef;
    friend class Database;
    friend struct DefsAccess;
    std::shared_ptr<IndexDefData> d_;
};

class TableDef {
public:
    TableDef();
    QString name() const;
    // In their order in the table.
    std::vector<FieldDef> fields() const;
    FieldDef field(const QString& name) const;  // ItemNotFound when absent
    std::vector<IndexDef> indexes() const;
    FieldDef createField(const QString& name, FieldType type, int size = 0) const;
    // On a stored table the field is added to the table at once.
    void appendField(const FieldDef& f);
    IndexDef createIndex(const QString& name) const;
    void appendIndex(const IndexDef& idx);
    bool attached() const;

private:
    friend class Database;
    friend struct DefsAccess;
    std::shared_ptr<TableDefData> d_;
};

struct QueryDef {
    QString name;
    QString sql;  // as written, in the Jet dialect
};

// ---------------------------------------------------------------- database

// What a book's contents are known by: two equal stamps of one open book
// mean that it reads the same as it did. Anything that may have changed
// it gives another stamp: rows written through this program's connection
// (committed or not), a rollback, a change of definitions, a commit by
// another connection or program, or the book closed and opened again.
// While a transaction is open a stamp cannot tell whether its work will
// be kept: compare stamps taken outside transactions only.
struct ContentStamp {
    std::int64_t connection = -1;  // the open connection, never reused
    std::int64_t writes = -1;      // rows written through it so far
    std::int64_t otherCommits = -1;
    std::int64_t definitions = -1;  // changes of definitions and rollbacks
    bool operator==(const ContentStamp&) const = default;
};

class Database {
public:
    Database() = default;

    bool isOpen() const;
    QString name() const;  // the path it was opened with
    void Close();
    // Same open database object.
    bool operator==(const Database& o) const { return impl_ == o.impl_; }
    bool isNull() const { return !impl_; }

    // Runs an action query (INSERT, UPDATE, DELETE, DDL); '?' marks a bound value.
    void Execute(const QString& sql, const Params& params = {}, int options = 0);
    long RecordsAffected() const;

    // A table name (for RecordsetType::Table, or when the source is a bare
    // table name) or a SELECT statement; '?' marks a bound value.
    Recordset OpenRecordset(const QString& source, RecordsetType type = RecordsetType::Dynaset,
                            int options = 0, const Params& params = {});
    Recordset OpenRecordset(const QString& source, RecordsetType type, const Params& params) {
        return OpenRecordset(source, type, 0, params);
    }

    // Table definitions in their order of creation, the engine's own included.
    std::vector<TableDef> tableDefs() const;
    TableDef tableDef(const QString& name) const;  // ItemNotFound when absent
    TableDef createTableDef(const QString& name) const;
    void appendTableDef(TableDef& td);
    void deleteTableDef(const QString& name);
    void refreshTableDefs();

    std::vector<QueryDef> queryDefs() const;
    QueryDef queryDef(const QString& name) const;  // ItemNotFound when absent
    void createQueryDef(const QString& name, const QString& sql);
    void deleteQueryDef(const QString& name);

    // Transactions; they nest.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    int transactionDepth() const;

    // Integrity check of the open file: empty when sound.
    QStringList integrityProblems() const;

    // The book's definitions as the engine stores them, in their order.
    std::vector<SchemaRow> schema() const;

    // Whether another file has taken the name the book was opened under
    // (another program restored a copy over it, say) since it was opened:
    // what this object reads and writes is then no longer the book.
    bool fileReplaced() const;

    // The book's contents as they stand now (see ContentStamp).
    ContentStamp contentStamp() const;

private:
    friend class DBEngine;
    friend class DatabaseImpl;
    friend class RowPass;
    friend class RowPassParts;
    explicit Database(std::shared_ptr<DatabaseImpl> impl) : impl_(std::move(impl)) {}
    DatabaseImpl& impl() const;
    std::shared_ptr<DatabaseImpl> impl_;
};

// Runs work as one transaction of db: committed when it returns, rolled
// back when it throws (the error goes on to the caller). Nests inside an
// open transaction as a savepoint.
template <class Work>
void InTransaction(Database& db, Work&& work) {
    db.BeginTrans();
    try {
        work();
        db.CommitTrans();
    } catch (...) {
        // The work is undone, and its failure goes on to the caller.
        try {
            if (db.isOpen() && db.transactionDepth() > 0) db.Rollback();
        } catch (const DaoError&) {
            // The work's own failure is the one passed on; a rollback that fails
            // leaves the transaction to be undone as the connection closes.
        }
        throw;
    }
}

// ---------------------------------------------------------------- engine

// The application id that CreateDatabase writes into every book's header.
constexpr std::uint32_t kBookApplicationId = 1263945046;

// What a repair could not bring over from the damaged book.
struct RepairReport {
    struct Loss {
        QString table;
        std::int64_t rows = 0;  // rows that could not be read (or written)
        bool atLeast = false;   // there may be more than rows: nothing counted them all
        // What the table's indexes still hold of the rows that could not be
        // read: each column that an index read through holds, with its
        // values (as text) in those rows, in the order of the rows' keys
        // (a row whose value is Null gives none).
        std::vector<std::pair<QString, QStringList>> known;
    };
    // One entry for each table that lost rows, in the order the program
    // makes its tables; empty when every row of every table came over.
    std::vector<Loss> lost;
    // The definitions of the damaged book that are not the program's (see
    // BookLayout::foreign), in the book's order, each with (the first
    // thousand characters of) the text of it that is not: the repaired copy
    // is made of the program's definitions alone, and holds none of them.
    std::vector<ForeignDefinition> leftOut;
    // Some of the damaged book's definitions could not be read: a table of
    // the program's whose definition is among them is in the repaired copy
    // without its rows, and what it lost is not counted in lost.
    bool definitionsUnread = false;
    // Every row of the program's tables came over.
    bool whole() const { return lost.empty() && !definitionsUnread; }
};

// Raised (with the number ForeignLayout) for a book that holds definitions
// no layout of the program has (see BookLayout): a table, a column, an
// index, a view or a trigger the program does not make. The book is not
// opened, and is left exactly as it was, with every file beside it.
class ForeignLayout : public DaoError {
public:
    ForeignLayout(QString path, std::vector<ForeignDefinition> definitions);
    const QString& path() const { return path_; }
    // The foreign definitions, in the book's order.
    const std::vector<ForeignDefinition>& definitions() const { return definitions_; }

private:
    QString path_;
    std::vector<ForeignDefinition> definitions_;
};

// Raised (with the number ForeignSideFile) for a book that a file beside it
// would change as the engine opens it, or that is in a form the program
// does not write: a journal that names another file for the engine to
// delete, a write-ahead log, a side file that is a link to another file,
// or a book in write-ahead-log mode. Nothing is opened, played or deleted.
class ForeignSideFile : public DaoError {
public:
    enum class Kind { Link, WriteAheadLog, WalMode, SuperJournal };
    ForeignSideFile(Kind kind, QString path, QString sideFile);
    Kind kind() const { return kind_; }
    const QString& path() const { return path_; }
    // The file beside the book (the book itself for WalMode).
    const QString& sideFile() const { return sideFile_; }

private:
    Kind kind_;
    QString path_;
    QString sideFile_;
};

// ---------------------------------------------------------------- long work

// The engine's work over what a book carries (the checks of an opening, the
// whole-book check, a compaction, a repair) is counted in the engine's own
// steps and stopped after a bound that grows with the size of the book's
// file: TooMuchWork. A definition of the book (a check, an index's
// expression, a definition that a repair makes again) may do endless or
// huge work for each row; a sound book needs less than one step a byte for
// each of these, far below the bound.
struct WorkBound {
    std::int64_t stepsPerByte = 100;  // for each byte of the book's file
    std::int64_t steps = 10'000'000;  // and this many for any book
};

// Told, now and then while such work runs on this thread, the steps done so
// far and the bound; returns false to stop the work (WorkCancelled). The
// work stops on the thread that runs it, so a watch that lets the windows
// repaint must not itself run work on the same book.
using WorkWatch = std::function<bool(std::int64_t done, std::int64_t bound)>;

// Watches the work of this thread while it lives; the watch it replaces
// comes back when it goes.
class WorkWatchScope {
public:
    explicit WorkWatchScope(WorkWatch watch);
    ~WorkWatchScope();
    WorkWatchScope(const WorkWatchScope&) = delete;
    WorkWatchScope& operator=(const WorkWatchScope&) = delete;

private:
    WorkWatch previous_;
};

class DBEngine {
public:
    // Opens a book. Errors: FileNotFound (3024), InvalidPath (3044),
    // UnrecognizedFormat (3343: not a book), CannotOpenDatabase (3049: damaged),
    // NoPermission (3051: read-only or no permission), FileInUse (3045: locked
    // by another program), ForeignLayout (3963) for a book whose layout is
    // not the program's, ForeignSideFile (3965) for a file beside it that
    // the engine would play or delete, and TooMuchWork or WorkCancelled
    // (3961, 3962) when its check of the book was stopped.
    // A book is a database file whose header carries kBookApplicationId or,
    // in books made before the id was written, one that holds the voucher,
    // entry and account tables. Any other file (another program's database
    // among them) is UnrecognizedFormat, and is left exactly as it was: it
    // is looked at without writing anything, not even a journal. A book
    // that a journal beside it (left by a write cut short) would leave
    // damaged once played back is CannotOpenDatabase before the journal is
    // played: the book and its journal are left as they are for the repair.
    static Database OpenDatabase(const QString& path, bool readOnly = false);
    // Creates an empty book; ObjectExists when the file exists.
    static Database CreateDatabase(const QString& path);
    // Writes a compacted copy of source to target; target must not exist.
    // Raises CannotOpenDatabase only when source proves damaged; a copy the
    // engine cannot write, or one that does not check whole, is
    // CompactionFailed, with the engine's reason. Source is only read.
    static void CompactDatabase(const QString& source, const QString& target);
    // Writes a repaired copy of the damaged book at path to target, which
    // must not exist (DatabaseExists). The damaged file and every file
    // beside it are only read, as the first look at the book saw them: a
    // journal that a write cut short left beside it is played back into a
    // copy of the two in a folder of their own, never into the book.
    // The copy is a new book of the program's current layout, made from the
    // program's definitions (bookLayout) and never from the damaged book's:
    // every row that can still be read of the damaged book's tables of the
    // program's names (through the table itself, past the pages that cannot
    // be read) comes over into the columns of the program's names. No text
    // the damaged book holds is run, and what it defines beyond the layout
    // is left out and named in the report. Without a layout (a program that
    // hands none) the layer has no definitions of its own to rebuild from: a
    // compaction alone is tried, which reads the book whole or not at all.
    // The copy passes the full integrity check before it takes target's
    // name, and carries a mark naming the damaged file as it was read (see
    // RepairOf). The report tells what could not be brought over.
    // UnrecognizedFormat for a file that is no book, ForeignLayout and
    // ForeignSideFile as the opening raises them (a book whose definitions
    // can be read is repaired only when they are the program's),
    // CannotOpenDatabase when not even the book's definitions of the
    // program's tables can be read (or, without a layout, its rows read
    // whole), TooMuchWork or WorkCancelled when the work was stopped. A
    // rebuild that fails or is stopped leaves no work file nor its journal.
    static RepairReport RepairDatabase(const QString& path, const QString& target);
    // The report of the repair that wrote copy, when copy is whole and was
    // made by RepairDatabase from the file at path exactly as that file is
    // now (its name, size, time and contents); nothing for any other file.
    static std::optional<RepairReport> RepairOf(const QString& copy, const QString& path);
    // Removes the mark of RepairDatabase from a repaired copy that has taken
    // the book's name.
    static void ClearRepairMark(const QString& path);
    // The full integrity check of a closed book: returns when it is sound,
    // raises CannotOpenDatabase naming the first fault when it is damaged,
    // and the errors of OpenDatabase when it cannot be read.
    static void CheckIntegrity(const QString& path);
    // The layouts of the program's books; every book opened from now on is
    // compared with them (see BookLayout). Without one, any database the
    // engine can read is opened.
    static void setBookLayout(std::shared_ptr<const BookLayout> layout);
    static std::shared_ptr<const BookLayout> bookLayout();
    // An empty database in memory, set up as a new book is, that no other
    // connection shares and that goes when it is closed.
    static Database CreateMemoryDatabase();
    // Time a locked file is waited for before an operation gives up.
    static void setBusyTimeoutMs(int ms);
    // The bound of long work (tests make it small, to stop work that is
    // slow without waiting long).
    static void setWorkBound(const WorkBound& bound);
    static WorkBound workBound();
};

}  // namespace dao
