// The rebuild of a damaged book: a new book made from the damaged one's own
// definitions, with every row that can still be read from its tables.
//
// A table's rows are read through the table itself, in key order, never
// through an index: a damaged index costs nothing, it is made anew from the
// rows afterwards. When a page of the table cannot be read, the read goes on
// from the next key after it whose page can: the keys after the last row read
// are tried one by one (as far as the highest key the book knows of, and some
// way past it), then in doubling steps, and a row found by a long step is
// followed back to the first readable key before it. So every row that can
// be read on its own by its key comes over.
//
// How many rows could not be read is told by the table's indexes, each of
// which holds the key of every row: the keys an index holds that no read row
// has. When no index of the table could be read through, the count is a
// least number.

#include "platform/dao/engine_impl.h"

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <limits>
#include <optional>

namespace dao {

namespace {

constexpr std::int64_t kFirstKey = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kLastKey = std::numeric_limits<std::int64_t>::max();
// After the last row read, the keys are tried one by one up to the highest
// key the book knows of, and for this many keys at least.
constexpr std::int64_t kSingleSteps = 1024;

QByteArray quoted(const QString& name) {
    QByteArray n = name.toUtf8();
    n.replace('"', "\"\"");
    return '"' + n + '"';
}

// A prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const QByteArray& sql) {
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &s_, nullptr) != SQLITE_OK) {
            sqlite3_finalize(s_);
            s_ = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool ok() const { return s_ != nullptr; }
    operator sqlite3_stmt*() const { return s_; }

private:
    sqlite3_stmt* s_ = nullptr;
};

// A value as the engine holds it, all its bytes (a NUL among them too).
QByteArray bytes(sqlite3_stmt* s, int column) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, column));
    return t ? QByteArray(t, sqlite3_column_bytes(s, column)) : QByteArray();
}

QString text(sqlite3_stmt* s, int column) { return QString::fromUtf8(bytes(s, column)); }

// The rebuild cannot go on: the damaged book's definitions cannot be read,
// or the new book refuses them.
[[noreturn]] void cannotRebuild(sqlite3* db, const QString& what) {
    qWarning("rebuilding a damaged book: %s: %s", qPrintable(what), sqlite3_errmsg(db));
    raise(err::CannotOpenDatabase, what);
}

// Runs one of the rebuild's own statements on the new book; never a text
// read from the damaged one (see makeDefinition).
void runOrFail(sqlite3* db, const QByteArray& sql) {
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        cannotRebuild(db, QString::fromUtf8(sql.left(200)));
}

struct SchemaEntry {
    QString type, name, table;
    QByteArray sql;  // as stored
};

// Whether a stored definition begins as the engine writes one of its kind:
// CREATE TABLE, CREATE [UNIQUE] INDEX or CREATE VIEW.
bool createsItsKind(const SchemaEntry& e) {
    const auto beginning = [](const char* pattern) {
        return QRegularExpression(QLatin1String(pattern), QRegularExpression::CaseInsensitiveOption);
    };
    static const QHash<QString, QRegularExpression> kinds = {
        {QStringLiteral("table"), beginning("^CREATE\\s+TABLE\\s")},
        {QStringLiteral("index"), beginning("^CREATE\\s+(UNIQUE\\s+)?INDEX\\s")},
        {QStringLiteral("view"), beginning("^CREATE\\s+VIEW\\s")},
    };
    const auto kind = kinds.constFind(e.type);
    return kind != kinds.constEnd() && kind->match(QString::fromUtf8(e.sql)).hasMatch();
}

[[noreturn]] void refuse(const SchemaEntry& e, const QString& why = QString()) {
    qWarning("rebuilding a damaged book: refused the definition of %s %s%s%s", qPrintable(e.type), qPrintable(e.name),
             why.isEmpty() ? "" : ": ", qPrintable(why));
    throw RefusedDefinition(e.type + u' ' + e.name);
}

// What making one definition of the damaged book may do on the new book's
// connection, told to the engine's authorizer: make that one table (with
// the engine's own indexes of its constraints and its counters' table),
// index or view in the book itself under the name its row gives, read the
// book's columns and call the functions that the engine marks safe in any
// text (the program's own among them). Nothing else: no other schema
// (temp), no other statement, and no query but a view's, read (never run)
// to see what it calls.
struct Making {
    const SchemaEntry& entry;
    const QSet<QString>& plainFunctions;
    bool readingView = false;
    QString denied;  // what was refused, when something was
};

int authorize(void* p, int action, const char* a, const char* b, const char* db, const char*) {
    auto& m = *static_cast<Making*>(p);
    const SchemaEntry& e = m.entry;
    const auto is = [](const char* x, const QString& y) {
        return x && QString::fromUtf8(x).compare(y, Qt::CaseInsensitive) == 0;
    };
    const bool inBook = db && qstrcmp(db, "main") == 0;
    const bool table = e.type == QLatin1String("table"), index = e.type == QLatin1String("index");
    bool allowed = false;
    switch (action) {
    case SQLITE_CREATE_TABLE:
        allowed = table && inBook && (is(a, e.name) || is(a, QStringLiteral("sqlite_sequence")));
        break;
    case SQLITE_CREATE_INDEX:
        allowed = inBook && ((index && is(a, e.name) && is(b, e.table)) ||
                             (table && is(b, e.name) && QByteArrayView(a).startsWith("sqlite_autoindex_")));
        break;
    case SQLITE_REINDEX:
        allowed = index && inBook && is(a, e.name);
        break;
    case SQLITE_CREATE_VIEW:
        allowed = e.type == QLatin1String("view") && inBook && is(a, e.name);
        break;
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
        // The engine's own record of the definition.
        allowed = inBook && is(a, QStringLiteral("sqlite_master"));
        break;
    case SQLITE_READ:
        allowed = inBook;
        break;
    case SQLITE_SELECT:
        allowed = m.readingView;
        break;
    case SQLITE_FUNCTION:
        allowed = b && m.plainFunctions.contains(QString::fromUtf8(b).toLower());
        break;
    default:
        break;
    }
    if (!allowed && m.denied.isEmpty())
        m.denied = QStringLiteral("action %1 (%2, %3) not allowed").arg(action).arg(QString::fromUtf8(a), QString::fromUtf8(b));
    return allowed ? SQLITE_OK : SQLITE_DENY;
}

// The functions the engine marks safe to call from any text (every one of
// that name), by lower-case name.
QSet<QString> plainFunctions(sqlite3* db) {
    Statement s(db, "SELECT name FROM pragma_function_list GROUP BY name HAVING min(flags & " +
                        QByteArray::number(SQLITE_INNOCUOUS) + ") <> 0");
    QSet<QString> out;
    while (s.ok() && sqlite3_step(s) == SQLITE_ROW) out.insert(text(s, 0).toLower());
    return out;
}

// The definition of a kind and name as the new book's engine stored it.
QByteArray storedDefinition(sqlite3* db, const SchemaEntry& e) {
    Statement s(db, "SELECT sql FROM main.sqlite_master WHERE type = ?1 AND name = ?2 COLLATE NOCASE");
    if (!s.ok()) cannotRebuild(db, e.name);
    const QByteArray type = e.type.toUtf8(), name = e.name.toUtf8();
    sqlite3_bind_text(s, 1, type.constData(), int(type.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    return sqlite3_step(s) == SQLITE_ROW ? bytes(s, 0) : QByteArray();
}

// The guard of authorize on a connection while it lives.
class Guard {
public:
    Guard(sqlite3* db, Making& making) : db_(db) { sqlite3_set_authorizer(db, authorize, &making); }
    ~Guard() { sqlite3_set_authorizer(db_, nullptr, nullptr); }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    sqlite3* db_;
};

// Makes one definition of the damaged book again in the new book, in the
// one form the engine itself stores: one statement of the kind its row
// names (the engine reads no more of a stored text; anything after it
// would run on the new book's connection, and could reach any file), under
// the guard of authorize, and stored by the engine as the very text given
// (so a table with its columns, under its own name, never made by a query
// nor named with its schema). Any other definition is refused, and the
// rebuild with it: a book can come from anyone.
void makeDefinition(sqlite3* dst, const SchemaEntry& e, const QSet<QString>& plain) {
    if (!createsItsKind(e)) refuse(e);
    {
        Making making{e, plain, false, QString()};
        const Guard guard(dst, making);
        const char* tail = nullptr;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(dst, e.sql.constData(), int(e.sql.size()), &s, &tail) != SQLITE_OK || !s) {
            sqlite3_finalize(s);
            if (!making.denied.isEmpty()) refuse(e, making.denied);
            cannotRebuild(dst, e.name);
        }
        if (!QByteArrayView(tail, e.sql.constData() + e.sql.size() - tail).trimmed().isEmpty()) {
            sqlite3_finalize(s);
            refuse(e);
        }
        const int rc = sqlite3_step(s);
        sqlite3_finalize(s);
        if (rc != SQLITE_DONE) cannotRebuild(dst, e.name);
    }
    if (storedDefinition(dst, e) != e.sql) refuse(e);
}

// A view's query, read (never run) under the guard once every definition
// is made: one that calls a function not safe in any text (refused by the
// guard, or by the engine's own guard of what a book's texts call), or that
// cannot be read at all, is refused.
void readView(sqlite3* dst, const SchemaEntry& e, const QSet<QString>& plain) {
    Making making{e, plain, true, QString()};
    const Guard guard(dst, making);
    const QByteArray sql = "SELECT * FROM main." + quoted(e.name);
    sqlite3_stmt* s = nullptr;
    const int rc = sqlite3_prepare_v2(dst, sql.constData(), int(sql.size()), &s, nullptr);
    sqlite3_finalize(s);
    if (rc != SQLITE_OK) refuse(e, making.denied.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(dst)) : making.denied);
}

// The damaged book's definitions, in the order they were made.
std::vector<SchemaEntry> readSchema(sqlite3* src) {
    Statement s(src, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid");
    if (!s.ok()) cannotRebuild(src, QStringLiteral("sqlite_master"));
    std::vector<SchemaEntry> out;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) out.push_back({text(s, 0), text(s, 1), text(s, 2), bytes(s, 3)});
    if (rc != SQLITE_DONE) cannotRebuild(src, QStringLiteral("sqlite_master"));
    return out;
}

bool isEngineTable(const QString& name) {
    return name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive) ||
           name.compare(kRepairMarkTable, Qt::CaseInsensitive) == 0;
}

// The keys of a table's rows as its indexes hold them.
struct IndexKeys {
    std::vector<std::int64_t> keys;  // sorted, each once
    bool complete = false;           // one index was read through
};

IndexKeys indexKeys(sqlite3* src, const QString& table, const std::vector<SchemaEntry>& schema) {
    IndexKeys out;
    for (const SchemaEntry& e : schema) {
        if (e.type != QLatin1String("index") || e.table.compare(table, Qt::CaseInsensitive) != 0) continue;
        // A partial index holds only some of the rows.
        if (QString::fromUtf8(e.sql).contains(QLatin1String(" WHERE "), Qt::CaseInsensitive)) continue;
        Statement s(src, "SELECT rowid FROM " + quoted(table) + " INDEXED BY " + quoted(e.name));
        if (!s.ok()) continue;
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) out.keys.push_back(sqlite3_column_int64(s, 0));
        if (rc == SQLITE_DONE) out.complete = true;
    }
    std::sort(out.keys.begin(), out.keys.end());
    out.keys.erase(std::unique(out.keys.begin(), out.keys.end()), out.keys.end());
    return out;
}

// The columns an index is made of; none when one of them is an expression.
QStringList indexColumns(sqlite3* src, const QString& index) {
    Statement s(src, "PRAGMA index_info(" + quoted(index) + ')');
    QStringList columns;
    while (s.ok() && sqlite3_step(s) == SQLITE_ROW) {
        if (sqlite3_column_int(s, 1) < 0) return {};
        columns << text(s, 2);
    }
    return columns;
}

// What the table's indexes still hold of the rows of the keys lost
// (sorted): each column that an index read through holds, with its values
// in those rows, in key order. The indexes alone are read.
std::vector<std::pair<QString, QStringList>> knownOf(sqlite3* src, const QString& table,
                                                     const std::vector<SchemaEntry>& schema,
                                                     const std::vector<std::int64_t>& lost) {
    std::vector<std::pair<QString, QStringList>> out;
    for (const SchemaEntry& e : schema) {
        if (e.type != QLatin1String("index") || e.table.compare(table, Qt::CaseInsensitive) != 0) continue;
        const QStringList columns = indexColumns(src, e.name);
        if (columns.isEmpty()) continue;
        QByteArray list;
        for (const QString& c : columns) list += ", " + quoted(c);
        Statement s(src, "SELECT rowid" + list + " FROM " + quoted(table) + " INDEXED BY " + quoted(e.name));
        if (!s.ok()) continue;
        std::vector<std::vector<std::pair<std::int64_t, QString>>> values(size_t(columns.size()));
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            const std::int64_t key = sqlite3_column_int64(s, 0);
            if (!std::binary_search(lost.begin(), lost.end(), key)) continue;
            for (int i = 0; i < int(columns.size()); ++i)
                if (sqlite3_column_type(s, i + 1) != SQLITE_NULL) values[size_t(i)].emplace_back(key, text(s, i + 1));
        }
        if (rc != SQLITE_DONE) continue;
        for (int i = 0; i < int(columns.size()); ++i) {
            const auto known = [&](const auto& c) { return c.first.compare(columns[i], Qt::CaseInsensitive) == 0; };
            if (values[size_t(i)].empty() || std::any_of(out.begin(), out.end(), known)) continue;
            std::sort(values[size_t(i)].begin(), values[size_t(i)].end());
            QStringList held;
            for (const auto& kv : values[size_t(i)]) held << kv.second;
            out.emplace_back(columns[i], held);
        }
    }
    return out;
}

// What came of one table.
struct TableCopy {
    std::vector<std::int64_t> read;  // the keys of the rows read, ascending
    std::int64_t notWritten = 0;     // rows read that the new book refused
    bool unreadable = false;         // some part of the table could not be read
    std::int64_t highestKnown = kFirstKey;
    IndexKeys indexes;
};

// Copies the rows of a table with keys: see the top of the file.
class KeyedCopy {
public:
    KeyedCopy(sqlite3* src, sqlite3* dst, const QString& table, const std::vector<SchemaEntry>& schema,
              std::int64_t sequence)
        : src_(src), table_(table), schema_(schema), sequence_(sequence),
          read_(src, readSql(table)), probe_(src, readSql(table)) {
        if (!keyed()) return;
        columns_ = sqlite3_column_count(read_) - 1;
        QByteArray sql = "INSERT INTO " + quoted(table) + " VALUES (";
        for (int i = 1; i <= columns_; ++i) sql += (i > 1 ? ", ?" : "?") + QByteArray::number(i);
        write_ = std::make_unique<Statement>(dst, sql + ')');
        if (!write_->ok()) cannotRebuild(dst, table);
    }

    // False for a table without keys.
    bool keyed() const { return read_.ok() && probe_.ok(); }

    TableCopy run() {
        std::int64_t from = kFirstKey;
        bool tried = false;  // from is a key a try read from
        for (;;) {
            const std::int64_t before = from;
            bool end = false;
            if (readOn(from, end) == SQLITE_DONE || end) break;
            if (!out_.unreadable) firstFailure();
            // A read that fails at once from a key that a try read from goes
            // on from the key after it.
            const std::optional<std::int64_t> next =
                nextReadable(tried && from == before && from != kLastKey ? from + 1 : from);
            if (!next) break;
            from = *next;
            tried = true;
        }
        return std::move(out_);
    }

private:
    static QByteArray readSql(const QString& table) {
        return "SELECT rowid, * FROM " + quoted(table) + " NOT INDEXED WHERE rowid >= ?1 ORDER BY rowid";
    }

    // Copies the rows from key from on while they can be read; from is then
    // the key after the last row read, and end is set after the last key of
    // all.
    int readOn(std::int64_t& from, bool& end) {
        sqlite3_reset(read_);
        sqlite3_bind_int64(read_, 1, from);
        int rc;
        while ((rc = sqlite3_step(read_)) == SQLITE_ROW) {
            const std::int64_t key = sqlite3_column_int64(read_, 0);
            copyRow(key);
            if (key == kLastKey) {
                end = true;
                break;
            }
            from = key + 1;
        }
        sqlite3_reset(read_);
        return rc;
    }

    // SQLITE_ROW when a row can be read from key on, SQLITE_DONE when the
    // table has no row from key on, an error when the page cannot be read.
    int probe(std::int64_t key) {
        sqlite3_reset(probe_);
        sqlite3_bind_int64(probe_, 1, key);
        const int rc = sqlite3_step(probe_);
        sqlite3_reset(probe_);
        return rc;
    }

    // The first key from which a read succeeds, starting at key; nothing
    // when no row can be read past it.
    std::optional<std::int64_t> nextReadable(std::int64_t key) {
        std::int64_t base = key;
        std::int64_t failed = key;
        bool stepped = false;
        for (;;) {
            const int rc = probe(key);
            if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
                // A long step may have passed over readable rows: the first
                // key after the last failed try from which a read succeeds.
                if (stepped) key = firstReadableAfter(failed, key);
                if (probe(key) != SQLITE_ROW) return std::nullopt;
                return key;
            }
            failed = key;
            if (key < 0) {
                // Keys are counted from 1: the search goes on there.
                base = key = 0;
                stepped = false;
                continue;
            }
            const std::int64_t distance = key - base;
            if (key < out_.highestKnown || distance < kSingleSteps) {
                if (key == kLastKey) return std::nullopt;
                ++key;
                stepped = false;
            } else {
                if (distance > kLastKey - key) return std::nullopt;
                key += distance;
                stepped = true;
            }
        }
    }

    // Between a key whose try failed and a later one whose try did not, the
    // first key whose try does not fail.
    std::int64_t firstReadableAfter(std::int64_t failed, std::int64_t readable) {
        while (readable - failed > 1) {
            const std::int64_t middle = failed + (readable - failed) / 2;
            const int rc = probe(middle);
            if (rc == SQLITE_ROW || rc == SQLITE_DONE)
                readable = middle;
            else
                failed = middle;
        }
        return readable;
    }

    void copyRow(std::int64_t key) {
        out_.read.push_back(key);
        for (int i = 1; i <= columns_; ++i) sqlite3_bind_value(*write_, i, sqlite3_column_value(read_, i));
        if (sqlite3_step(*write_) != SQLITE_DONE) ++out_.notWritten;
        sqlite3_reset(*write_);
        sqlite3_clear_bindings(*write_);
    }

    // At the first unreadable page: what the book knows of the table's keys.
    void firstFailure() {
        out_.unreadable = true;
        out_.indexes = indexKeys(src_, table_, schema_);
        std::int64_t highest = std::max(sequence_, out_.indexes.keys.empty() ? kFirstKey : out_.indexes.keys.back());
        Statement max(src_, "SELECT max(rowid) FROM " + quoted(table_));
        if (max.ok() && sqlite3_step(max) == SQLITE_ROW && sqlite3_column_type(max, 0) != SQLITE_NULL)
            highest = std::max<std::int64_t>(highest, sqlite3_column_int64(max, 0));
        out_.highestKnown = highest;
    }

    sqlite3* src_;
    QString table_;
    const std::vector<SchemaEntry>& schema_;
    std::int64_t sequence_;
    Statement read_;
    Statement probe_;
    std::unique_ptr<Statement> write_;
    int columns_ = 0;
    TableCopy out_;
};

// A table without keys: its rows in the order they come, up to the first
// that cannot be read.
TableCopy plainCopy(sqlite3* src, sqlite3* dst, const QString& table) {
    TableCopy out;
    Statement read(src, "SELECT * FROM " + quoted(table));
    if (!read.ok()) {
        out.unreadable = true;
        return out;
    }
    const int columns = sqlite3_column_count(read);
    QByteArray sql = "INSERT INTO " + quoted(table) + " VALUES (";
    for (int i = 1; i <= columns; ++i) sql += (i > 1 ? ", ?" : "?") + QByteArray::number(i);
    Statement write(dst, sql + ')');
    if (!write.ok()) cannotRebuild(dst, table);
    int rc;
    while ((rc = sqlite3_step(read)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) sqlite3_bind_value(write, i + 1, sqlite3_column_value(read, i));
        if (sqlite3_step(write) != SQLITE_DONE) ++out.notWritten;
        sqlite3_reset(write);
    }
    out.unreadable = rc != SQLITE_DONE;
    return out;
}

// What a table lost: nothing when every row was read and written.
std::optional<RepairReport::Loss> lossOf(sqlite3* src, const QString& table, const std::vector<SchemaEntry>& schema,
                                         const TableCopy& copy) {
    RepairReport::Loss loss{table, copy.notWritten, false, {}};
    if (copy.unreadable) {
        std::vector<std::int64_t> unread;
        for (std::int64_t key : copy.indexes.keys)
            if (!std::binary_search(copy.read.begin(), copy.read.end(), key)) unread.push_back(key);
        loss.rows += std::int64_t(unread.size());
        if (!unread.empty()) loss.known = knownOf(src, table, schema, unread);
        // Without an index read through, some rows may not be counted; a
        // page that cannot be read held one row at least.
        loss.atLeast = !copy.indexes.complete;
        if (loss.atLeast) loss.rows = std::max<std::int64_t>(loss.rows, 1);
    }
    if (loss.rows == 0) return std::nullopt;
    return loss;
}

// The counters' values of the damaged book, as far as they can be read.
QHash<QString, std::int64_t> readSequences(sqlite3* src) {
    QHash<QString, std::int64_t> out;
    Statement s(src, "SELECT name, seq FROM sqlite_sequence");
    if (!s.ok()) return out;
    while (sqlite3_step(s) == SQLITE_ROW) out.insert(text(s, 0).toLower(), sqlite3_column_int64(s, 1));
    return out;
}

// Every counter of the new book goes on from the highest key the damaged
// book had used, so that no key of a row that was lost is given again.
void writeSequences(sqlite3* dst, const QHash<QString, std::int64_t>& highest) {
    Statement has(dst, "SELECT 1 FROM sqlite_master WHERE name = 'sqlite_sequence'");
    if (!has.ok() || sqlite3_step(has) != SQLITE_ROW) return;
    Statement update(dst, "UPDATE sqlite_sequence SET seq = max(seq, ?2) WHERE name = ?1 COLLATE NOCASE");
    Statement insert(dst,
                     "INSERT INTO sqlite_sequence (name, seq) SELECT name, ?2 FROM sqlite_master "
                     "WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    if (!update.ok() || !insert.ok()) cannotRebuild(dst, QStringLiteral("sqlite_sequence"));
    auto step = [dst](sqlite3_stmt* s, const QByteArray& name, std::int64_t seq) {
        sqlite3_bind_text(s, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int64(s, 2, seq);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE) cannotRebuild(dst, QStringLiteral("sqlite_sequence"));
        return sqlite3_changes(dst) > 0;
    };
    for (auto it = highest.cbegin(); it != highest.cend(); ++it) {
        if (it.value() <= 0) continue;
        const QByteArray name = it.key().toUtf8();
        // A counter table that kept no row has no value yet.
        if (!step(update, name, it.value()) && declaredAutoIncrement(dst, it.key())) step(insert, name, it.value());
    }
}

// What the rebuild does with a definition of the damaged book.
enum class Use { Make, Skip, LeaveOut };

// Decided for every definition before anything is made, so that none is
// passed over: the engine's own tables (and indexes of them) and the
// indexes that a table's constraints make (stored without a text) come of
// the engine itself; a trigger is left out, and named, since no book of the
// program holds one; a table, an index and a view are made. Any other
// definition, or one without its text, is refused.
Use useOf(const SchemaEntry& e) {
    const bool table = e.type == QLatin1String("table"), index = e.type == QLatin1String("index");
    if ((table && isEngineTable(e.name)) || (index && isEngineTable(e.table))) return Use::Skip;
    if (index && e.sql.isEmpty() && e.name.startsWith(QLatin1String("sqlite_autoindex_"))) return Use::Skip;
    if (e.type == QLatin1String("trigger")) return Use::LeaveOut;
    if ((table || index || e.type == QLatin1String("view")) && !e.sql.isEmpty()) return Use::Make;
    refuse(e);
}

int pragmaValue(sqlite3* db, const char* pragma) {
    Statement s(db, QByteArray("PRAGMA ") + pragma);
    return s.ok() && sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
}

}  // namespace

RefusedDefinition::RefusedDefinition(QString definition)
    : DaoError(err::CannotOpenDatabase,
               QStringLiteral("Vioittuneen tietokannan määritystä %1 ei tehty korjattuun tietokantaan: se ei ole "
                              "tavallisen taulun, indeksin tai näkymän luonti.")
                   .arg(definition)),
      definition_(std::move(definition)) {}

RepairReport salvageInto(sqlite3* src, sqlite3* dst) {
    const std::vector<SchemaEntry> schema = readSchema(src);
    RepairReport report;
    // Every definition is judged before anything is made.
    for (const SchemaEntry& e : schema)
        if (useOf(e) == Use::LeaveOut) report.triggersLeftOut << e.name;
    const auto toMake = [&schema](const char* kind) {
        std::vector<const SchemaEntry*> out;
        for (const SchemaEntry& e : schema)
            if (e.type == QLatin1String(kind) && useOf(e) == Use::Make) out.push_back(&e);
        return out;
    };
    const auto tables = toMake("table"), indexes = toMake("index"), views = toMake("view");
    const QSet<QString> plain = plainFunctions(dst);

    // The new book's pages and header as the damaged one's, set before
    // anything is written into it.
    runOrFail(dst, "PRAGMA page_size=" + QByteArray::number(pragmaValue(src, "page_size")));
    runOrFail(dst, "PRAGMA auto_vacuum=" + QByteArray::number(pragmaValue(src, "auto_vacuum")));
    runOrFail(dst, "PRAGMA application_id=" + QByteArray::number(pragmaValue(src, "application_id")));
    runOrFail(dst, "PRAGMA user_version=" + QByteArray::number(pragmaValue(src, "user_version")));
    runOrFail(dst, "BEGIN");

    for (const SchemaEntry* e : tables) makeDefinition(dst, *e, plain);
    QHash<QString, std::int64_t> highest = readSequences(src);
    for (const SchemaEntry* e : tables) {
        const QString key = e->name.toLower();
        KeyedCopy keyed(src, dst, e->name, schema, highest.value(key, kFirstKey));
        const TableCopy copy = keyed.keyed() ? keyed.run() : plainCopy(src, dst, e->name);
        if (const auto loss = lossOf(src, e->name, schema, copy)) report.lost.push_back(*loss);
        std::int64_t top = copy.read.empty() ? kFirstKey : copy.read.back();
        if (!copy.indexes.keys.empty()) top = std::max(top, copy.indexes.keys.back());
        if (top > highest.value(key, kFirstKey)) highest.insert(key, top);
    }
    writeSequences(dst, highest);

    // The indexes made anew from the rows, then the views.
    for (const SchemaEntry* e : indexes) makeDefinition(dst, *e, plain);
    for (const SchemaEntry* e : views) makeDefinition(dst, *e, plain);
    for (const SchemaEntry* e : views) readView(dst, *e, plain);
    runOrFail(dst, "COMMIT");
    return report;
}

}  // namespace dao
