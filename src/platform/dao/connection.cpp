#include "platform/dao/engine_impl.h"
#include "platform/dao/textcompare.h"
#include "platform/fso/fso.h"

#include <QRegularExpression>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace dao {

namespace {

std::int64_t nextSerial() {
    static std::atomic<std::int64_t> serial{0};
    return ++serial;
}

}  // namespace

Connection::Connection(sqlite3* db, QString canonicalPath, bool readOnly)
    : serial(nextSerial()), db_(db), path_(std::move(canonicalPath)), readOnly_(readOnly) {}

Connection::~Connection() {
    for (auto& [sql, list] : freeStmts_)
        for (sqlite3_stmt* s : list) sqlite3_finalize(s);
    freeStmts_.clear();
    if (txDepth > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

void Connection::commitPoint() const {
    if (!path_.isEmpty()) fso::WritePoint("commit", path_);
}

sqlite3_stmt* Connection::acquire(const QString& sql) {
    const std::string key = sql.toStdString();
    auto it = freeStmts_.find(key);
    if (it != freeStmts_.end() && !it->second.empty()) {
        sqlite3_stmt* s = it->second.back();
        it->second.pop_back();
        return s;
    }
    sqlite3_stmt* s = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(db_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    if (rc != SQLITE_OK) {
        if (s) sqlite3_finalize(s);
        fail(rc, sql);
    }
    if (!s) raise(err::SyntaxErrorInExpression, sql);
    return s;
}

void Connection::release(sqlite3_stmt* stmt) {
    if (!stmt) return;
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    const char* text = sqlite3_sql(stmt);
    auto& list = freeStmts_[text ? std::string(text) : std::string()];
    if (list.size() < 4) list.push_back(stmt);
    else sqlite3_finalize(stmt);
}

const jet::Translation& Connection::translation(const QString& jetSql) {
    auto it = translations_.constFind(jetSql);
    if (it != translations_.constEnd()) return *it;
    if (translations_.size() > 2000) translations_.clear();
    return *translations_.insert(jetSql, jet::translate(jetSql));
}

void Connection::drainCursors() {
    // drain() unregisters the recordset, so walk over a copy.
    const std::vector<RecordsetImpl*> open(cursors_.begin(), cursors_.end());
    for (RecordsetImpl* rs : open) rs->drain();
}

void Connection::keepRecordsetChanges(int depth) {
    // keepChanges() may let a recordset go from the set: walk over a copy.
    const std::vector<RecordsetImpl*> changed(changed_.begin(), changed_.end());
    for (RecordsetImpl* rs : changed) rs->keepChanges(depth);
}

void Connection::takeBackRecordsetChanges(int depth) {
    const std::vector<RecordsetImpl*> changed(changed_.begin(), changed_.end());
    for (RecordsetImpl* rs : changed) rs->takeBackChanges(depth);
}

long Connection::exec(const QString& sql, const Params& params, jet::StatementKind kind) {
    drainCursors();
    StatementLease s(*this, sql);
    bindAll(s, params);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    }
    // fail() reads the engine's message before the lease resets the statement.
    if (rc != SQLITE_DONE) fail(rc, sql, kind);
    lastChanges = sqlite3_changes(db_);
    // A key the engine gave past the program's keys (the table's sequence
    // was past them) is refused: the transaction that holds the row undoes it.
    if (kind == jet::StatementKind::Insert && lastChanges > 0 && sqlite3_last_insert_rowid(db_) > kHighestKey)
        refuseKeyPastRangeIn(sql);
    return lastChanges;
}

void Connection::refuseKeyPastRangeIn(const QString& insert) {
    static const QRegularExpression re(QStringLiteral("^\\s*INSERT\\s+INTO\\s+(\"(?:[^\"]|\"\")+\"|\\[[^\\]]+\\]|\\w+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(insert);
    if (!m.hasMatch()) return;
    QString table = m.captured(1);
    if (table.startsWith(u'"')) table = table.mid(1, table.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    else if (table.startsWith(u'[')) table = table.mid(1, table.size() - 2);
    // Only a Counter is a key the program gives; any other row id is the engine's own.
    const TableColumns& cols = tableColumns(table);
    for (const TableColumn& c : cols)
        if (c.counter) refuseKeyPastRange(table);
}

std::optional<DaoError> refusalOf(sqlite3* db, int rc, jet::StatementKind kind) {
    const int ext = sqlite3_extended_errcode(db);
    const int primary = (rc & 0xff) == SQLITE_ERROR || rc == 0 ? (ext & 0xff) : (rc & 0xff);
    if (primary == SQLITE_TOOBIG) {
        QString text = errorText(err::RecordTooLarge, QString::number(kLongestValue));
        if (kind == jet::StatementKind::Insert || kind == jet::StatementKind::Update)
            text = QStringLiteral("Tietoja ei tallennettu. ") + text;
        return DaoError(err::RecordTooLarge, text);
    }
    if (primary != SQLITE_ERROR) return std::nullopt;
    const char* msg = sqlite3_errmsg(db);
    // A sum of whole numbers beyond the engine's 64 bits, or a function's
    // result beyond them.
    if (std::strcmp(msg, kIntegerOverflow) == 0) return DaoError(err::Overflow, errorText(err::Overflow));
    if (std::strcmp(msg, kLikePatternTooLong) == 0 || std::strcmp(msg, kEngineLikePatternTooLong) == 0)
        return DaoError(err::ExpressionTooComplex,
                        errorText(err::ExpressionTooComplex,
                                  QStringLiteral("LIKE-vertailun malli on pidempi kuin %1 tavua.")
                                      .arg(sqlite3_limit(db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1))));
    // A name the program does not have (a book's own definition may name
    // one), or a function it does not run in a book's definitions: no fault
    // of the file.
    static const struct {
        const char* prefix;
        const char* what;
    } unknownNames[] = {
        {"no such collation sequence:", "se käyttää lajittelujärjestystä '%1', jota ohjelmassa ei ole."},
        {"no such function:", "se käyttää funktiota '%1', jota ohjelmassa ei ole."},
        {"unknown function:", "se käyttää funktiota '%1', jota ohjelmassa ei ole."},
        {"unsafe use of", "tietokannan oma määritys käyttää funktiota '%1', jota ohjelma ei suorita tietokannan "
                          "määrityksissä."},
    };
    const QString text = QString::fromUtf8(msg);
    for (const auto& u : unknownNames) {
        if (!text.startsWith(QLatin1String(u.prefix))) continue;
        QString name = text.mid(qsizetype(std::strlen(u.prefix))).trimmed();
        if (name.endsWith(QLatin1String("()"))) name.chop(2);
        return DaoError(err::ExpressionTooComplex,
                        errorText(err::ExpressionTooComplex, QString::fromUtf8(u.what).arg(name)));
    }
    return std::nullopt;
}

void Connection::fail(int rc, const QString& context, jet::StatementKind kind) {
    if (std::optional<DaoError> refused = refusalOf(db_, rc, kind)) throw *refused;
    const int ext = sqlite3_extended_errcode(db_);
    const QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
    const int primary = (rc & 0xff) == SQLITE_ERROR || rc == 0 ? (ext & 0xff) : (rc & 0xff);
    const int code = ext != 0 ? ext : rc;
    auto named = [&](const QString& prefix) {
        const qsizetype at = msg.indexOf(prefix);
        return at >= 0 ? msg.mid(at + prefix.size()).trimmed() : msg;
    };
    switch (primary) {
    case SQLITE_CONSTRAINT: {
        if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE) raise(err::DuplicateKey);
        if (code == SQLITE_CONSTRAINT_NOTNULL) raise(err::RequiredNull, named(QStringLiteral("failed:")));
        if (code == SQLITE_CONSTRAINT_CHECK) {
            // CHECK (length("x") <= n): name the field.
            static const QRegularExpression re(QStringLiteral("length\\(\"([^\"]+)\"\\)"));
            const auto m = re.match(msg);
            raise(err::FieldTooSmall, m.hasMatch() ? m.captured(1) : msg);
        }
        throw DaoError(err::DuplicateKey, errorText(err::DuplicateKey) + u' ' + msg);
    }
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        raise(err::Locked);
    case SQLITE_READONLY:
        // The file the connection has open is no longer the book's.
        if (code == SQLITE_READONLY_DBMOVED) raise(err::BookReplaced, path_);
        raise(err::ReadOnly);
    case SQLITE_CORRUPT:
        raise(err::CannotOpenDatabase, path_);
    case SQLITE_NOTADB:
        raise(err::UnrecognizedFormat, path_);
    case SQLITE_FULL:
        raise(err::DiskFull);
    case SQLITE_IOERR:
        raise(err::DiskError);
    case SQLITE_CANTOPEN:
        raise(err::FileNotFound, path_);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        raise(err::NoPermission, path_);
    case SQLITE_RANGE:
    case SQLITE_MISMATCH:
        raise(err::DataTypeMismatch);
    default:
        break;
    }
    if (msg.startsWith(QLatin1String("no such table:")) || msg.startsWith(QLatin1String("no such view:")))
        raise(err::InputTableNotFound, named(QStringLiteral("no such table:")).remove(QStringLiteral("main.")));
    if (msg.startsWith(QLatin1String("no such column:"))) raise(err::TooFewParameters, named(QStringLiteral("no such column:")));
    if (msg.contains(QLatin1String("already exists"))) {
        static const QRegularExpression re(QStringLiteral("(table|view|index) \"?([^\" ]+)\"? already exists"));
        const auto m = re.match(msg);
        const QString what = m.hasMatch() ? m.captured(2) : msg;
        raise(m.hasMatch() && m.captured(1) == QLatin1String("table") ? err::TableExists : err::ObjectExists, what);
    }
    if (msg.startsWith(QLatin1String("duplicate column name:")))
        raise(err::FieldDefinedTwice, named(QStringLiteral("duplicate column name:")));
    if (msg.contains(QLatin1String("syntax error")) || msg.contains(QLatin1String("incomplete input"))) {
        switch (kind) {
        case jet::StatementKind::Insert: raise(err::SyntaxErrorInInsert);
        case jet::StatementKind::Update: raise(err::SyntaxErrorInUpdate);
        default: raise(err::SyntaxErrorInExpression, context);
        }
    }
    throw DaoError(err::SyntaxErrorInExpression, errorText(err::SyntaxErrorInExpression, context) + u' ' + msg);
}

std::int64_t Connection::reserveCounter(const QString& table) {
    // The value is taken, and written into the table's sequence, inside a
    // write of the book: the open transaction (which holds the book's write
    // lock from its beginning) or else a short one of its own. Whoever
    // reserves or appends after it, through this connection or another one
    // (another copy of the program on the same book), goes on from there: no
    // two rows are ever given one key.
    const bool own = txDepth == 0;
    const long changes = lastChanges;  // what the caller's last statement changed stays told
    if (own) {
        drainCursors();
        exec(QStringLiteral("BEGIN IMMEDIATE"), {});
    }
    try {
        // The highest key given so far: of a row there is, of the table's
        // sequence, or reserved here.
        std::int64_t highest = 0;
        {
            StatementLease s(*this, QStringLiteral("SELECT MAX(rowid) FROM ") + jet::quoteIdent(table));
            if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL)
                highest = std::max<std::int64_t>(highest, sqlite3_column_int64(s, 0));
        }
        std::optional<std::int64_t> seq;
        {
            StatementLease s(*this, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?1 COLLATE NOCASE"));
            bindAll(s, {Variant(table)});
            if (sqlite3_step(s) == SQLITE_ROW) seq = sqlite3_column_int64(s, 0);
        }
        if (seq) highest = std::max(highest, *seq);
        const QString key = table.toLower();
        auto it = reserved_.find(key);
        if (it != reserved_.end()) highest = std::max(highest, *it);
        if (highest >= kHighestKey) refuseKeyPastRange(table);
        const std::int64_t next = highest + 1;
        // A table that has had no row yet gets its sequence row, named as
        // its definition names it.
        exec(seq ? QStringLiteral("UPDATE sqlite_sequence SET seq = ?1 WHERE name = ?2 COLLATE NOCASE")
                 : QStringLiteral("INSERT INTO sqlite_sequence (name, seq) SELECT name, ?1 FROM sqlite_master "
                                  "WHERE type = 'table' AND name = ?2 COLLATE NOCASE"),
             {Variant(next), Variant(table)});
        if (own) {
            commitPoint();
            exec(QStringLiteral("COMMIT"), {});
        }
        reserved_[key] = next;
        lastChanges = changes;
        return next;
    } catch (...) {
        // Nothing is reserved; a transaction of its own is not left open.
        if (own) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        lastChanges = changes;
        throw;
    }
}

void refuseKeyPastRange(const QString& table) {
    throw DaoError(err::Overflow, QStringLiteral("Tietoja ei tallennettu. Taulun '%1' avaimet ovat lopussa: uusi avain "
                                                 "olisi suurempi kuin %2.")
                                      .arg(table)
                                      .arg(kHighestKey));
}

bool declaredAutoIncrement(sqlite3* db, const QString& table) {
    bool autoinc = false;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_master WHERE type='table' AND name = ?1 COLLATE NOCASE", -1, &s,
                           nullptr) == SQLITE_OK) {
        const QByteArray n = table.toUtf8();
        sqlite3_bind_text(s, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            autoinc = t && QByteArray(t).toUpper().contains("AUTOINCREMENT");
        }
    }
    sqlite3_finalize(s);
    return autoinc;
}

namespace {

// Declared columns of a table, by lower-case name.
TableColumns readTableColumns(sqlite3* db, const QString& table) {
    TableColumns cols;
    const bool autoinc = declaredAutoIncrement(db, table);
    sqlite3_stmt* s = nullptr;
    const QByteArray q = (QStringLiteral("PRAGMA table_info(") + jet::quoteIdent(table) + u')').toUtf8();
    if (sqlite3_prepare_v2(db, q.constData(), -1, &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
            const QString decl = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2)));
            const bool pk = sqlite3_column_int(s, 5) != 0;
            const jet::ColumnType ct = jet::parseDeclaredType(decl);
            TableColumn tc{ct.known ? ct.type : FieldType::Text, ct.size, false, Variant(), name,
                           sqlite3_column_int(s, 0)};
            if (pk && decl.trimmed().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0 && autoinc)
                tc.counter = true;
            if (tc.type == FieldType::Boolean) tc.defaultValue = false;
            cols.insert(name.toLower(), tc);
        }
    }
    sqlite3_finalize(s);
    return cols;
}

}  // namespace

const TableColumns& Connection::tableColumns(const QString& table) {
    // The engine's schema version follows every change of definitions,
    // also another connection's; the stamp follows this one's, rollbacks
    // included.
    std::int64_t version = -1;
    sqlite3_stmt* s = acquire(QStringLiteral("PRAGMA schema_version"));
    if (sqlite3_step(s) == SQLITE_ROW) version = sqlite3_column_int64(s, 0);
    release(s);
    const std::pair<std::int64_t, std::int64_t> now{schemaStamp, version};
    if (now != columnsVersion_) {
        columns_.clear();
        columnsVersion_ = now;
    }
    const QString key = table.toLower();
    auto it = columns_.find(key);
    if (it == columns_.end()) it = columns_.insert(key, readTableColumns(db_, table));
    return *it;
}

// ---------------------------------------------------------------- bounded work

namespace {

// The handles whose work is counted, on this thread, each with its work.
std::vector<std::pair<sqlite3*, BoundedWork*>>& countedHandles() {
    thread_local std::vector<std::pair<sqlite3*, BoundedWork*>> handles;
    return handles;
}

void forgetHandle(sqlite3* h) {
    auto& handles = countedHandles();
    std::erase_if(handles, [h](const auto& e) { return e.first == h; });
}

}  // namespace

BoundedWork::~BoundedWork() {
    // A handle closed without off() may be followed by another at its address.
    std::erase_if(countedHandles(), [this](const auto& e) { return e.second == this; });
}

void BoundedWork::on(sqlite3* h) {
    forgetHandle(h);
    countedHandles().emplace_back(h, this);
    sqlite3_progress_handler(h, kStepsPerLook, &BoundedWork::look, this);
}

void BoundedWork::off(sqlite3* h) {
    sqlite3_progress_handler(h, 0, nullptr, nullptr);
    forgetHandle(h);
}

BoundedWork* BoundedWork::of(sqlite3* h) {
    for (const auto& [handle, work] : countedHandles())
        if (handle == h) return work;
    return nullptr;
}

// ---------------------------------------------------------------- binding

void bindValue(sqlite3_stmt* stmt, int index, const Variant& v) {
    int rc = SQLITE_OK;
    switch (v.kind()) {
    case Variant::Kind::Null:
        rc = sqlite3_bind_null(stmt, index);
        break;
    case Variant::Kind::Bool:
        rc = sqlite3_bind_int(stmt, index, v.toBool() ? 1 : 0);
        break;
    case Variant::Kind::Int:
        rc = sqlite3_bind_int64(stmt, index, v.toLong());
        break;
    case Variant::Kind::Double:
        rc = sqlite3_bind_double(stmt, index, v.toDouble());
        break;
    case Variant::Kind::Currency: {
        const Currency c = v.toCurrency();
        if (!c.storable()) raise(err::Overflow);
        rc = sqlite3_bind_double(stmt, index, double(c.raw()) / double(Currency::kScale));
        break;
    }
    case Variant::Kind::Date: {
        const QByteArray t = v.toDate().toIso().toUtf8();
        rc = sqlite3_bind_text(stmt, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        break;
    }
    case Variant::Kind::Text: {
        const QString s = v.toString();
        rc = sqlite3_bind_text64(stmt, index, reinterpret_cast<const char*>(s.utf16()),
                                 sqlite3_uint64(s.size()) * 2, SQLITE_TRANSIENT, SQLITE_UTF16);
        break;
    }
    }
    // A value the engine does not take would be bound as Null: never run so.
    if (rc == SQLITE_TOOBIG) raise(err::RecordTooLarge, QString::number(kLongestValue));
    if (rc != SQLITE_OK) raise(err::InvalidArgument);
}

void bindAll(sqlite3_stmt* stmt, const Params& params) {
    const int expected = sqlite3_bind_parameter_count(stmt);
    if (int(params.size()) != expected)
        raise(err::TooFewParameters, QStringLiteral("%1 / %2").arg(params.size()).arg(expected));
    for (int i = 0; i < expected; ++i) bindValue(stmt, i + 1, params[size_t(i)]);
}

// ---------------------------------------------------------------- functions
//
// A book's own definitions (its checks, defaults, indexes and views) call
// these on whatever values it holds: each gives a value, Null or an error
// for any argument, in work bounded by the arguments' length.

namespace {

int collateText(void*, int la, const void* a, int lb, const void* b) {
    return compareTextUtf8(static_cast<const char*>(a), la, static_cast<const char*>(b), lb);
}

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

QString argText(sqlite3_value* v) {
    const void* p = sqlite3_value_text16(v);
    const int n = sqlite3_value_bytes16(v);
    return p ? QString(reinterpret_cast<const QChar*>(p), n / 2) : QString();
}

// A text beyond the engine's length limit is refused by the engine itself.
void resultText(sqlite3_context* ctx, const QString& s) {
    sqlite3_result_text64(ctx, reinterpret_cast<const char*>(s.utf16()), sqlite3_uint64(s.size()) * 2,
                          SQLITE_TRANSIENT, SQLITE_UTF16);
}

// A count or a position in a text: below 1 counts as 0, and none is
// taken past the longest text there can be.
qsizetype countArg(sqlite3_value* v) {
    const sqlite3_int64 n = sqlite3_value_int64(v);
    return n <= 0 ? 0 : qsizetype(std::min<sqlite3_int64>(n, std::numeric_limits<int>::max()));
}

void fnLike(sqlite3_context* ctx, int, sqlite3_value** argv) {
    // like(pattern, text): the operator "text LIKE pattern". A pattern
    // longer than the engine's bound for its own LIKE is refused so too.
    if (isNull(argv[0]) || isNull(argv[1])) return sqlite3_result_null(ctx);
    sqlite3* h = sqlite3_context_db_handle(ctx);
    const int bound = sqlite3_limit(h, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1);
    if (sqlite3_value_bytes(argv[0]) > bound) return sqlite3_result_error(ctx, kLikePatternTooLong, -1);
    // The match is work of its own, inside one step of the engine: it counts
    // in the bounded work of the handle, when it has one.
    BoundedWork* work = BoundedWork::of(h);
    const std::optional<bool> match =
        work ? likeMatch(argText(argv[1]), argText(argv[0]), [work](std::int64_t steps) { return work->count(steps); })
             : std::optional<bool>(likeMatch(argText(argv[1]), argText(argv[0])));
    if (!match) return sqlite3_result_error_code(ctx, SQLITE_INTERRUPT);
    sqlite3_result_int(ctx, *match ? 1 : 0);
}

void fnNz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (!isNull(argv[0])) sqlite3_result_value(ctx, argv[0]);
    else if (argc > 1) sqlite3_result_value(ctx, argv[1]);
    else sqlite3_result_int(ctx, 0);
}

void fnIif(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const bool cond = !isNull(argv[0]) && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, cond ? argv[1] : argv[2]);
}

template <QString (*F)(const QString&)>
void fnText(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    resultText(ctx, F(argText(argv[0])));
}

QString upper(const QString& s) { return s.toUpper(); }
QString lower(const QString& s) { return s.toLower(); }
QString trimBoth(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s[a] == u' ') ++a;
    while (b > a && s[b - 1] == u' ') --b;
    return s.mid(a, b - a);
}
QString trimLeft(const QString& s) {
    qsizetype a = 0;
    while (a < s.size() && s[a] == u' ') ++a;
    return s.mid(a);
}
QString trimRight(const QString& s) {
    qsizetype b = s.size();
    while (b > 0 && s[b - 1] == u' ') --b;
    return s.left(b);
}

void fnLeft(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]).left(countArg(argv[1])));
}
void fnRight(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]).right(countArg(argv[1])));
}
void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    const QString s = argText(argv[0]);
    const qsizetype from = std::max<qsizetype>(1, countArg(argv[1])) - 1;
    resultText(ctx, argc > 2 ? s.mid(from, countArg(argv[2])) : s.mid(from));
}
void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, argText(argv[0]).size());
}
void fnInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    // InStr([start,] text, sought)
    qsizetype start = 1;
    int t = 0;
    if (argc == 3) {
        start = std::max<qsizetype>(1, countArg(argv[0]));
        t = 1;
    }
    if (isNull(argv[t]) || isNull(argv[t + 1])) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, argText(argv[t]).indexOf(argText(argv[t + 1]), start - 1) + 1);
}

// A date argument; nothing for a text that is no date and for a serial
// beyond the dates.
std::optional<Date> argDate(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_TEXT:
        return Date::fromIso(argText(v).trimmed());
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return Date::fromSerialIfDate(sqlite3_value_double(v));
    default:
        return std::nullopt;
    }
}

template <int Part>
void fnDatePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto d = argDate(argv[0]);
    if (!d) return sqlite3_result_null(ctx);
    const QDate q = d->date();
    sqlite3_result_int(ctx, Part == 0 ? q.year() : Part == 1 ? q.month() : q.day());
}

// Counted in 128 bits, which no sum of the arguments overflows.
using Wide = __int128;

// Days from 1 January 1970 to a day of the proleptic Gregorian calendar.
Wide daysFromCivil(Wide y, int m, int d) {
    y -= m <= 2;
    const Wide era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The day m - 1 months and d - 1 days after 1 January of year y; nothing
// when it falls outside the years of the date type, 100 to 9999.
std::optional<QDate> dateSerial(std::int64_t y, std::int64_t m, std::int64_t d) {
    const Wide months = Wide(y) * 12 + (Wide(m) - 1);
    Wide year = months / 12;
    int month = int(months % 12);
    if (month < 0) {
        month += 12;
        --year;
    }
    const Wide day = daysFromCivil(year, month + 1, 1) + (Wide(d) - 1);
    if (day < daysFromCivil(100, 1, 1) || day > daysFromCivil(9999, 12, 31)) return std::nullopt;
    constexpr std::int64_t kJulianDayOf1970 = 2440588;
    return QDate::fromJulianDay(std::int64_t(day) + kJulianDayOf1970);
}

void fnDateSerial(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0]) || isNull(argv[1]) || isNull(argv[2])) return sqlite3_result_null(ctx);
    // Month and day may run over, as the date functions allow.
    const std::optional<QDate> date =
        dateSerial(sqlite3_value_int64(argv[0]), sqlite3_value_int64(argv[1]), sqlite3_value_int64(argv[2]));
    if (!date) return sqlite3_result_null(ctx);
    const QByteArray iso = date->toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
    sqlite3_result_text(ctx, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
}

// Whether a whole floating-point number is one of 64 bits.
bool fitsInt64(double whole) { return whole >= -0x1p63 && whole < 0x1p63; }

void fnInt(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    // Beyond 64 bits the floor stays a floating-point number.
    const double f = std::floor(sqlite3_value_double(argv[0]));
    if (fitsInt64(f)) sqlite3_result_int64(ctx, std::int64_t(f));
    else sqlite3_result_double(ctx, f);
}
void fnAbs(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        return sqlite3_result_null(ctx);
    case SQLITE_INTEGER: {
        const sqlite3_int64 i = sqlite3_value_int64(argv[0]);
        // The lowest whole number has no opposite in 64 bits.
        if (i == std::numeric_limits<sqlite3_int64>::min()) return sqlite3_result_error(ctx, kIntegerOverflow, -1);
        return sqlite3_result_int64(ctx, i < 0 ? -i : i);
    }
    default:
        return sqlite3_result_double(ctx, std::fabs(sqlite3_value_double(argv[0])));
    }
}
void fnVal(sqlite3_context* ctx, int, sqlite3_value** argv) {
    // The leading number of a text; 0 when there is none.
    const QString s = argText(argv[0]).trimmed();
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) ++i;
    while (i < s.size() && (s[i].isDigit() || s[i] == u'.')) ++i;
    bool ok = false;
    const double d = s.left(i).toDouble(&ok);
    sqlite3_result_double(ctx, ok ? d : 0.0);
}
void fnClng(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    // Rounded half to even; beyond 64 bits an overflow.
    const double r = std::nearbyint(sqlite3_value_double(argv[0]));
    if (fitsInt64(r)) sqlite3_result_int64(ctx, std::int64_t(r));
    else sqlite3_result_error(ctx, kIntegerOverflow, -1);
}
void fnCdbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
}
void fnCcur(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    // Beyond the range of amounts an overflow, as an amount read so gives.
    const double d = sqlite3_value_double(argv[0]);
    try {
        (void)Currency::fromDouble(d);
    } catch (const DaoError&) {
        return sqlite3_result_error(ctx, kIntegerOverflow, -1);
    }
    sqlite3_result_double(ctx, d);
}
void fnCstr(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (isNull(argv[0])) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]));
}

}  // namespace

void registerFunctions(sqlite3* db) {
    // Text columns are declared with NOCASE; this collation replaces the
    // built-in one (ASCII only) with the Finnish case-blind comparison.
    sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, collateText, nullptr);
    // A double-quoted name is always a name: an unknown one is an error,
    // never quietly read as a text.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    // None of them has a side effect: the book's own views and checks may
    // call them (a connection trusts nothing else of a book's texts).
    const int det = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function(db, "like", 2, det, nullptr, fnLike, nullptr, nullptr);
    sqlite3_create_function(db, "jet_nz", 1, det, nullptr, fnNz, nullptr, nullptr);
    sqlite3_create_function(db, "jet_nz", 2, det, nullptr, fnNz, nullptr, nullptr);
    sqlite3_create_function(db, "jet_iif", 3, det, nullptr, fnIif, nullptr, nullptr);
    sqlite3_create_function(db, "jet_ucase", 1, det, nullptr, fnText<upper>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_lcase", 1, det, nullptr, fnText<lower>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_trim", 1, det, nullptr, fnText<trimBoth>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_ltrim", 1, det, nullptr, fnText<trimLeft>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_rtrim", 1, det, nullptr, fnText<trimRight>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_left", 2, det, nullptr, fnLeft, nullptr, nullptr);
    sqlite3_create_function(db, "jet_right", 2, det, nullptr, fnRight, nullptr, nullptr);
    sqlite3_create_function(db, "jet_mid", 2, det, nullptr, fnMid, nullptr, nullptr);
    sqlite3_create_function(db, "jet_mid", 3, det, nullptr, fnMid, nullptr, nullptr);
    sqlite3_create_function(db, "jet_len", 1, det, nullptr, fnLen, nullptr, nullptr);
    sqlite3_create_function(db, "jet_instr", 2, det, nullptr, fnInstr, nullptr, nullptr);
    sqlite3_create_function(db, "jet_instr", 3, det, nullptr, fnInstr, nullptr, nullptr);
    sqlite3_create_function(db, "jet_year", 1, det, nullptr, fnDatePart<0>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_month", 1, det, nullptr, fnDatePart<1>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_day", 1, det, nullptr, fnDatePart<2>, nullptr, nullptr);
    sqlite3_create_function(db, "jet_dateserial", 3, det, nullptr, fnDateSerial, nullptr, nullptr);
    sqlite3_create_function(db, "jet_int", 1, det, nullptr, fnInt, nullptr, nullptr);
    sqlite3_create_function(db, "jet_abs", 1, det, nullptr, fnAbs, nullptr, nullptr);
    sqlite3_create_function(db, "jet_val", 1, det, nullptr, fnVal, nullptr, nullptr);
    sqlite3_create_function(db, "jet_clng", 1, det, nullptr, fnClng, nullptr, nullptr);
    sqlite3_create_function(db, "jet_cdbl", 1, det, nullptr, fnCdbl, nullptr, nullptr);
    sqlite3_create_function(db, "jet_ccur", 1, det, nullptr, fnCcur, nullptr, nullptr);
    sqlite3_create_function(db, "jet_cstr", 1, det, nullptr, fnCstr, nullptr, nullptr);
}

}  // namespace dao
