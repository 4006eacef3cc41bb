// The rebuild of a damaged book: a new book of the program's current layout,
// made from the program's own definitions, with every row that can still be
// read of the damaged book's tables of the program's names, column by column
// as the program's tables have them. No definition of the damaged book is
// made again and no text it holds is run: its definitions are read as rows
// (those that are not the program's are named in the report), and of its
// tables only the stored columns are read; never a view, a virtual table
// (the connection that reads the damaged book knows no module of one) or a
// column computed as it is read.
//
// A table's rows are read through the table itself, in key order, never
// through an index: a damaged index costs nothing, the new book's indexes
// are the program's own. When a page of the table cannot be read, the read
// goes on from the next key after it whose page can: the keys after the last
// row read are tried one by one (as far as the highest key the book knows
// of, and some way past it), then in doubling steps, and a row found by a
// long step is followed back to the first readable key before it. So every
// row that can be read on its own by its key comes over.
//
// The damaged book's definitions are read in the same way, past the pages of
// them that cannot be read. The engine itself knows only the tables whose
// definitions it read before the first such page: a table of the program's
// whose definition it could not read comes over without rows, and the
// report says that some definitions could not be read.
//
// How many rows could not be read is told by the table's indexes, each of
// which holds the key of every row: the keys an index holds that no read row
// has. When no index of the table could be read through, the count is a
// least number.

#include "platform/dao/engine_impl.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <functional>
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

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The rebuild cannot go on: the damaged book's definitions cannot be read,
// or the new book cannot be written.
[[noreturn]] void cannotRebuild(sqlite3* db, const QString& what) {
    qWarning("rebuilding a damaged book: %s: %s", qPrintable(what), sqlite3_errmsg(db));
    raise(err::CannotOpenDatabase, what);
}

// Runs one of the program's own statements on the new book; never a text
// read from the damaged one.
void runOrFail(sqlite3* db, const QByteArray& sql) {
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        cannotRebuild(db, QString::fromUtf8(sql.left(200)));
}

// Reads rows in key order past the pages that cannot be read (see the top
// of the file). Its statement reads from the key bound as ?1 on, in key
// order, with the key as its first column.
class KeyedRead {
public:
    KeyedRead(sqlite3* db, const QByteArray& sql) : read_(db, sql), probe_(db, sql) {}

    bool ok() const { return read_.ok() && probe_.ok(); }

    struct Result {
        std::vector<std::int64_t> keys;  // of the rows read, ascending
        bool unreadable = false;         // some part could not be read
    };

    // Hands each row read to take; highestKnown is asked, at the first page
    // that cannot be read, for the highest key the book knows to be used.
    Result run(const std::function<void(sqlite3_stmt*)>& take, const std::function<std::int64_t()>& highestKnown) {
        take_ = &take;
        std::int64_t from = kFirstKey;
        bool tried = false;  // from is a key a try read from
        for (;;) {
            const std::int64_t before = from;
            bool end = false;
            if (readOn(from, end) == SQLITE_DONE || end) break;
            if (!out_.unreadable) {
                out_.unreadable = true;
                highestKnown_ = highestKnown();
            }
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
    // Reads the rows from key from on while they can be read; from is then
    // the key after the last row read, and end is set after the last key of
    // all.
    int readOn(std::int64_t& from, bool& end) {
        sqlite3_reset(read_);
        sqlite3_bind_int64(read_, 1, from);
        int rc;
        while ((rc = sqlite3_step(read_)) == SQLITE_ROW) {
            const std::int64_t key = sqlite3_column_int64(read_, 0);
            out_.keys.push_back(key);
            (*take_)(read_);
            if (key == kLastKey) {
                end = true;
                break;
            }
            from = key + 1;
        }
        sqlite3_reset(read_);
        return rc;
    }

    // SQLITE_ROW when a row can be read from key on, SQLITE_DONE when there
    // is no row from key on, an error when the page cannot be read.
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
            if (key < highestKnown_ || distance < kSingleSteps) {
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

    Statement read_;
    Statement probe_;
    const std::function<void(sqlite3_stmt*)>* take_ = nullptr;
    std::int64_t highestKnown_ = kFirstKey;
    Result out_;
};

// Whether the damaged book's engine knows a table of that name whose rows
// are stored in the book: not a view, whose query is never run. (A virtual
// table is known, and fails as soon as it is read: no module of one is
// known on that connection.)
bool storedTable(sqlite3* src, const QString& table) {
    const QByteArray name = table.toUtf8();
    return sqlite3_table_column_metadata(src, "main", name.constData(), nullptr, nullptr, nullptr, nullptr, nullptr,
                                         nullptr) == SQLITE_OK;
}

// The columns that the new book's table and the damaged book's table of its
// name both have, by name (as each spells it), and how the damaged table's
// key is named in a query.
struct SharedColumns {
    QByteArray read;   // the damaged table's, quoted, separated by commas
    QByteArray write;  // the new table's
    int count = 0;
    QByteArray key;  // empty when every name of the key is a column's
};

// Nothing when the damaged book's engine knows no stored table of that
// name, or cannot read its columns. A column that is computed as it is read
// is not one of them.
std::optional<SharedColumns> sharedColumns(sqlite3* src, sqlite3* dst, const QString& table) {
    if (!storedTable(src, table)) return std::nullopt;
    Statement theirs(src, "PRAGMA main.table_xinfo(" + quoted(table) + ')');
    Statement ours(dst, "PRAGMA main.table_info(" + quoted(table) + ')');
    if (!theirs.ok() || !ours.ok()) return std::nullopt;
    QHash<QString, QString> stored;  // by the name case folded
    QSet<QString> names;
    int rc;
    while ((rc = sqlite3_step(theirs)) == SQLITE_ROW) {
        const QString name = text(theirs, 1);
        names.insert(name.toCaseFolded());
        if (sqlite3_column_int(theirs, 6) == 0) stored.insert(name.toCaseFolded(), name);  // not hidden nor computed
    }
    if (rc != SQLITE_DONE || names.isEmpty()) return std::nullopt;
    SharedColumns out;
    while (sqlite3_step(ours) == SQLITE_ROW) {
        const QString name = text(ours, 1);
        const auto their = stored.constFind(name.toCaseFolded());
        if (their == stored.constEnd()) continue;
        const QByteArray separator = out.count++ > 0 ? ", " : "";
        out.read += separator + quoted(*their);
        out.write += separator + quoted(name);
    }
    for (const char* key : {"rowid", "_rowid_", "oid"})
        if (!names.contains(QLatin1String(key))) {
            out.key = key;
            break;
        }
    return out;
}

// The keys of a table's rows as its indexes hold them.
struct IndexKeys {
    std::vector<std::int64_t> keys;  // sorted, each once
    bool complete = false;           // one index was read through
};

IndexKeys indexKeys(sqlite3* src, const QString& table, const std::vector<SchemaRow>& schema, const QByteArray& key) {
    IndexKeys out;
    for (const SchemaRow& e : schema) {
        if (e.type != QLatin1String("index") || !sameName(e.table, table)) continue;
        // A partial index holds only some of the rows.
        if (e.sql.contains(QLatin1String(" WHERE "), Qt::CaseInsensitive)) continue;
        Statement s(src, "SELECT " + key + " FROM " + quoted(table) + " INDEXED BY " + quoted(e.name));
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
    Statement s(src, "PRAGMA main.index_info(" + quoted(index) + ')');
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
                                                     const std::vector<SchemaRow>& schema,
                                                     const std::vector<std::int64_t>& lost, const QByteArray& key) {
    std::vector<std::pair<QString, QStringList>> out;
    for (const SchemaRow& e : schema) {
        if (e.type != QLatin1String("index") || !sameName(e.table, table)) continue;
        const QStringList columns = indexColumns(src, e.name);
        if (columns.isEmpty()) continue;
        QByteArray list;
        for (const QString& c : columns) list += ", " + quoted(c);
        Statement s(src, "SELECT " + key + list + " FROM " + quoted(table) + " INDEXED BY " + quoted(e.name));
        if (!s.ok()) continue;
        std::vector<std::vector<std::pair<std::int64_t, QString>>> values(size_t(columns.size()));
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            const std::int64_t row = sqlite3_column_int64(s, 0);
            if (!std::binary_search(lost.begin(), lost.end(), row)) continue;
            for (int i = 0; i < int(columns.size()); ++i)
                if (sqlite3_column_type(s, i + 1) != SQLITE_NULL) values[size_t(i)].emplace_back(row, text(s, i + 1));
        }
        if (rc != SQLITE_DONE) continue;
        for (int i = 0; i < int(columns.size()); ++i) {
            const auto known = [&](const auto& c) { return sameName(c.first, columns[i]); };
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
    bool unknown = false;            // the damaged book's engine knows no table of its name to read
    std::vector<std::int64_t> read;  // the keys of the rows read, ascending
    std::int64_t notWritten = 0;     // rows read that the new book refused
    bool unreadable = false;         // some part of the table could not be read
    QByteArray key;                  // how the damaged table's key is named
    IndexKeys indexes;
};

// The highest key a table of the damaged book is known to have used: in its
// counter, its indexes and its readable rows. The indexes are read into
// copy.
std::int64_t highestKeyOf(sqlite3* src, const QString& table, const std::vector<SchemaRow>& schema,
                          std::int64_t sequence, TableCopy& copy) {
    copy.indexes = indexKeys(src, table, schema, copy.key);
    std::int64_t highest = std::max(sequence, copy.indexes.keys.empty() ? kFirstKey : copy.indexes.keys.back());
    Statement max(src, "SELECT max(" + copy.key + ") FROM " + quoted(table));
    if (max.ok() && sqlite3_step(max) == SQLITE_ROW && sqlite3_column_type(max, 0) != SQLITE_NULL)
        highest = std::max<std::int64_t>(highest, sqlite3_column_int64(max, 0));
    return highest;
}

// Copies the rows of the damaged book's table into the new book's table of
// its name, in the columns both have: see the top of the file. A table
// without keys is read in the order its rows come, up to the first that
// cannot be read.
TableCopy copyTable(sqlite3* src, sqlite3* dst, const QString& table, const std::vector<SchemaRow>& schema,
                    std::int64_t sequence) {
    TableCopy out;
    const std::optional<SharedColumns> columns = sharedColumns(src, dst, table);
    out.unknown = !columns;
    if (!columns || columns->count == 0) return out;
    out.key = columns->key;
    QByteArray values;
    for (int i = 1; i <= columns->count; ++i) values += (i > 1 ? ", ?" : "?") + QByteArray::number(i);
    Statement write(dst, "INSERT INTO " + quoted(table) + " (" + columns->write + ") VALUES (" + values + ')');
    if (!write.ok()) cannotRebuild(dst, table);
    const auto take = [&](sqlite3_stmt* s, int first) {
        for (int i = 0; i < columns->count; ++i) sqlite3_bind_value(write, i + 1, sqlite3_column_value(s, first + i));
        if (sqlite3_step(write) != SQLITE_DONE) ++out.notWritten;
        sqlite3_reset(write);
        sqlite3_clear_bindings(write);
    };
    if (!out.key.isEmpty()) {
        KeyedRead read(src, "SELECT " + out.key + ", " + columns->read + " FROM " + quoted(table) + " NOT INDEXED WHERE " +
                                out.key + " >= ?1 ORDER BY " + out.key);
        if (read.ok()) {
            KeyedRead::Result result = read.run([&](sqlite3_stmt* s) { take(s, 1); },
                                                [&] { return highestKeyOf(src, table, schema, sequence, out); });
            out.read = std::move(result.keys);
            out.unreadable = result.unreadable;
            return out;
        }
    }
    Statement read(src, "SELECT " + columns->read + " FROM " + quoted(table));
    if (!read.ok()) {
        out.unreadable = true;
        return out;
    }
    int rc;
    while ((rc = sqlite3_step(read)) == SQLITE_ROW) take(read, 0);
    out.unreadable = rc != SQLITE_DONE;
    return out;
}

// What a table lost: nothing when every row was read and written.
std::optional<RepairReport::Loss> lossOf(sqlite3* src, const QString& table, const std::vector<SchemaRow>& schema,
                                         const TableCopy& copy) {
    RepairReport::Loss loss{table, copy.notWritten, false, {}};
    if (copy.unreadable) {
        std::vector<std::int64_t> unread;
        for (std::int64_t key : copy.indexes.keys)
            if (!std::binary_search(copy.read.begin(), copy.read.end(), key)) unread.push_back(key);
        loss.rows += std::int64_t(unread.size());
        if (!unread.empty()) loss.known = knownOf(src, table, schema, unread, copy.key);
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
    if (!storedTable(src, QStringLiteral("sqlite_sequence"))) return out;
    Statement s(src, "SELECT name, seq FROM main.sqlite_sequence");
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

bool definesTable(const std::vector<SchemaRow>& rows, const QString& name) {
    return std::any_of(rows.begin(), rows.end(), [&name](const SchemaRow& r) {
        return r.type == QLatin1String("table") && sameName(r.name, name);
    });
}

// The definitions the new book is made of, in the order the program makes
// them: the layout's current ones, and the database layer's own tables that
// the damaged book has and the layout does not (their rows are the book's
// too). The engine makes its own indexes and counters' table itself, and
// the repair's mark is the repair's own.
std::vector<SchemaRow> definitionsToMake(const BookLayout& layout, const std::vector<SchemaRow>& damaged) {
    std::vector<SchemaRow> out;
    for (const SchemaRow& r : layout.current())
        if (r.hasSql && !r.name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive)) out.push_back(r);
    for (const SchemaRow& r : engineRows())
        if (r.type == QLatin1String("table") && r.hasSql && !sameName(r.name, kRepairMarkTable) &&
            definesTable(damaged, r.name) && !definesTable(out, r.name))
            out.push_back(r);
    return out;
}

// The damaged book's definitions that are not the program's, their names
// and texts cut to a length that can be told (and kept in the repair's
// mark): those of the database layer's own tables are not asked about.
std::vector<ForeignDefinition> foreignOf(const BookLayout& layout, const std::vector<SchemaRow>& damaged) {
    constexpr int kLongest = 1000;
    std::vector<SchemaRow> theirs;
    for (const SchemaRow& r : damaged)
        if (std::find(engineRows().begin(), engineRows().end(), r) == engineRows().end()) theirs.push_back(r);
    std::vector<ForeignDefinition> out = layout.foreign(theirs);
    for (ForeignDefinition& d : out) {
        d.name.truncate(kLongest);
        d.text.truncate(kLongest);
    }
    return out;
}

}  // namespace

DamagedDefinitions readDamagedDefinitions(sqlite3* src) {
    KeyedRead read(src, "SELECT rowid, type, name, tbl_name, sql FROM main.sqlite_master WHERE rowid >= ?1 ORDER BY rowid");
    if (!read.ok()) cannotRebuild(src, QStringLiteral("sqlite_master"));
    DamagedDefinitions out;
    const KeyedRead::Result result = read.run(
        [&out](sqlite3_stmt* s) {
            out.rows.push_back({text(s, 1), text(s, 2), text(s, 3), text(s, 4), sqlite3_column_type(s, 4) != SQLITE_NULL});
        },
        [] { return kFirstKey; });
    out.whole = !result.unreadable;
    return out;
}

RepairReport salvageInto(sqlite3* src, const DamagedDefinitions& damaged, sqlite3* dst, const BookLayout& layout) {
    RepairReport report;
    report.leftOut = foreignOf(layout, damaged.rows);
    report.definitionsUnread = !damaged.whole;
    const std::vector<SchemaRow> made = definitionsToMake(layout, damaged.rows);
    const auto table = [](const SchemaRow& r) { return r.type == QLatin1String("table"); };
    if (std::none_of(made.begin(), made.end(),
                     [&](const SchemaRow& r) { return table(r) && definesTable(damaged.rows, r.name); }))
        cannotRebuild(src, QStringLiteral("sqlite_master"));

    // The new book's header as every book's (see DBEngine::CreateDatabase).
    runOrFail(dst, "PRAGMA application_id=" + QByteArray::number(kBookApplicationId) + "; PRAGMA user_version=1");
    runOrFail(dst, "BEGIN");
    for (const SchemaRow& r : made) runOrFail(dst, r.sql.toUtf8());
    QHash<QString, std::int64_t> highest = readSequences(src);
    for (const SchemaRow& r : made) {
        if (!table(r)) continue;
        const QString key = r.name.toLower();
        const TableCopy copy = copyTable(src, dst, r.name, damaged.rows, highest.value(key, kFirstKey));
        if (copy.unknown) {
            // A definition the book has that its engine could not read.
            if (definesTable(damaged.rows, r.name)) report.definitionsUnread = true;
            continue;
        }
        if (const auto loss = lossOf(src, r.name, damaged.rows, copy)) report.lost.push_back(*loss);
        std::int64_t top = copy.read.empty() ? kFirstKey : copy.read.back();
        if (!copy.indexes.keys.empty()) top = std::max(top, copy.indexes.keys.back());
        if (top > highest.value(key, kFirstKey)) highest.insert(key, top);
    }
    writeSequences(dst, highest);
    runOrFail(dst, "COMMIT");
    return report;
}

}  // namespace dao
