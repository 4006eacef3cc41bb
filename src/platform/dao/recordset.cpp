#include "platform/dao/engine_impl.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

namespace dao {

namespace {

bool isBareName(const QString& s) {
    if (s.startsWith(u'[') && s.endsWith(u']') && s.count(u'[') == 1) return true;
    for (QChar c : s)
        if (!(c.isLetterOrNumber() || c == u'_')) return false;
    return !s.isEmpty();
}

QString bareName(const QString& s) { return s.startsWith(u'[') ? s.mid(1, s.size() - 2) : s; }

// Whether a table or saved query of that name exists (names are case-blind).
char objectKind(sqlite3* db, const QString& name) {
    sqlite3_stmt* s = nullptr;
    char kind = 0;
    if (sqlite3_prepare_v2(db, "SELECT type FROM sqlite_master WHERE name = ?1 COLLATE NOCASE AND type IN ('table','view')",
                           -1, &s, nullptr) == SQLITE_OK) {
        const QByteArray n = name.toUtf8();
        sqlite3_bind_text(s, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) kind = reinterpret_cast<const char*>(sqlite3_column_text(s, 0))[0];
    }
    sqlite3_finalize(s);
    return kind;
}

// Converts a value to what a field of the given type stores.
Variant coerce(const Variant& v, const ColumnInfo& c) {
    if (v.isNull()) {
        if (c.type == FieldType::Boolean) return false;
        return v;
    }
    switch (c.type) {
    case FieldType::Boolean:
        return v.toBool();
    case FieldType::Byte:
    case FieldType::Integer:
    case FieldType::Long: {
        const std::int64_t n = v.toLong();
        const std::int64_t lo = c.type == FieldType::Long ? std::numeric_limits<std::int32_t>::min()
                                : c.type == FieldType::Integer ? std::numeric_limits<std::int16_t>::min()
                                                               : 0;
        const std::int64_t hi = c.type == FieldType::Long ? std::numeric_limits<std::int32_t>::max()
                                : c.type == FieldType::Integer ? std::numeric_limits<std::int16_t>::max()
                                                               : 255;
        if (n < lo || n > hi) raise(err::Overflow);
        return Variant(n);
    }
    case FieldType::Currency: {
        const Currency cur = v.toCurrency();
        if (!cur.storable()) raise(err::Overflow);
        return cur;
    }
    case FieldType::Single:
    case FieldType::Double:
        return v.toDouble();
    case FieldType::Date:
        return v.toDate();
    case FieldType::Text:
    case FieldType::Memo: {
        QString s = v.kind() == Variant::Kind::Date ? v.toDate().toShortString() : v.toString();
        if (c.type == FieldType::Text && c.size > 0 && s.size() > c.size) raise(err::FieldTooSmall, c.name);
        return s;
    }
    }
    return v;
}

// The columns and values of the new row of the recordset's table slot:
// every column of the table's definition, once, named (a default of the
// definition reaches no row the program writes). A column the recordset
// has holds what its new row holds (of a column it shows twice, the one
// that was set); any other holds what a new row of the table does, Null or
// False for a Boolean.
std::pair<QStringList, Params> newRow(RecordsetImpl& r, int slot) {
    const TableColumns& cols = r.conn->tableColumns(r.slotTables[size_t(slot)]);
    QStringList names;
    Params values;
    QSet<QString> named;
    for (const bool set : {true, false}) {
        for (size_t i = 0; i < r.columns.size(); ++i) {
            const ColumnInfo& c = r.columns[i];
            const QString key = c.origin.toLower();
            if (c.tableSlot != slot || r.touched[i] != set || named.contains(key)) continue;
            if (!set && !cols.contains(key)) continue;  // not stored: the engine's to give
            named.insert(key);
            names << jet::quoteIdent(c.origin);
            values.push_back(r.buffer.values[i]);
        }
    }
    std::vector<const TableColumn*> rest;
    for (auto it = cols.constBegin(); it != cols.constEnd(); ++it)
        if (!named.contains(it.key())) rest.push_back(&*it);
    std::sort(rest.begin(), rest.end(), [](const TableColumn* a, const TableColumn* b) { return a->position < b->position; });
    for (const TableColumn* c : rest) {
        names << jet::quoteIdent(c->name);
        values.push_back(c->defaultValue);
    }
    return {names, values};
}

}  // namespace

RecordsetImpl::RecordsetImpl(std::shared_ptr<DatabaseImpl> d, QString src, RecordsetType t, int opts, Params p)
    : db(std::move(d)), source(std::move(src)), type(t), options(opts), params(std::move(p)) {}

RecordsetImpl::~RecordsetImpl() { close(); }

void RecordsetImpl::checkOpen() const {
    if (!isOpen || db->closed) raise(err::ObjectInvalid);
}

void RecordsetImpl::open() {
    // The rows are read anew: nothing of the old ones is left to take back.
    forgetChanges();
    conn = db->conn;
    Connection& c = db->connection();
    QString jetSql = source.trimmed();
    if (isBareName(jetSql)) {
        const QString name = bareName(jetSql);
        const char kind = objectKind(c.db(), name);
        if (!kind) raise(err::InputTableNotFound, name);
        if (type == RecordsetType::Table && kind != 't') raise(err::InvalidOperation);
        jetSql = QStringLiteral("SELECT * FROM [") + name + u']';
    } else if (type == RecordsetType::Table) {
        raise(err::InvalidOperation);
    }
    const jet::Translation tr = c.translation(jetSql);
    if (tr.kind != jet::StatementKind::Select) raise(err::InvalidOperation);

    updatable = (type == RecordsetType::Table || type == RecordsetType::Dynaset) && !(options & dbReadOnly) &&
                tr.rowSource && !c.readOnly();
    sql = tr.sql;
    keyColumns = 0;
    slotTables.clear();
    if (updatable && tr.selectListPos >= 0) {
        QString keys;
        for (size_t i = 0; i < tr.tables.size(); ++i) {
            keys += jet::quoteIdent(tr.tables[i].alias) + QStringLiteral(".rowid AS ") +
                    jet::quoteIdent(QStringLiteral("__key%1").arg(i)) + QStringLiteral(", ");
        }
        QString keyed = tr.sql;
        keyed.insert(tr.selectListPos, keys);
        if (type == RecordsetType::Table && !keyed.contains(QLatin1String(" ORDER BY ")))
            keyed += QStringLiteral(" ORDER BY ") + jet::quoteIdent(tr.tables[0].alias) + QStringLiteral(".rowid");
        try {
            stmt = c.acquire(keyed);
            sql = keyed;
            keyColumns = int(tr.tables.size());
            for (const auto& ref : tr.tables) slotTables.push_back(ref.table);
        } catch (const DaoError&) {
            // A saved query in the FROM list has no row keys: read only.
            updatable = false;
        }
    }
    if (!stmt) stmt = c.acquire(sql);
    try {
        bindAll(stmt, params);
    } catch (...) {
        // The statement goes back to the connection, and the failure goes on.
        c.release(stmt);
        stmt = nullptr;
        throw;
    }

    readColumns(c);

    isOpen = true;
    rows.clear();
    passed = 0;
    exhausted = false;
    pos = 0;
    editMode = Recordset::EditMode::None;
    lastModified = -1;
    c.registerCursor(this);
    // The first row is read at once, as the engine does; a table-type
    // recordset knows all its rows.
    fetchTo(type == RecordsetType::Table ? -1 : 0);
}

// The statement's columns: names, origin tables and declared types, and of
// the updatable ones their counter keys and defaults.
void RecordsetImpl::readColumns(Connection& c) {
    columns.clear();
    byName.clear();
    bySpelling.clear();
    const int n = sqlite3_column_count(stmt);
    for (int i = keyColumns; i < n; ++i) {
        ColumnInfo ci;
        ci.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char* tbl = sqlite3_column_table_name(stmt, i);
        const char* origin = sqlite3_column_origin_name(stmt, i);
        if (tbl) ci.table = QString::fromUtf8(tbl);
        ci.origin = origin ? QString::fromUtf8(origin) : ci.name;
        const char* decl = sqlite3_column_decltype(stmt, i);
        if (decl) {
            const jet::ColumnType ct = jet::parseDeclaredType(QString::fromUtf8(decl));
            if (ct.known) {
                ci.type = ct.type;
                ci.size = ct.size;
                ci.typed = true;
            }
        }
        if (updatable && !ci.table.isEmpty()) {
            for (int s = 0; s < int(slotTables.size()); ++s) {
                if (slotTables[size_t(s)].compare(ci.table, Qt::CaseInsensitive) == 0) {
                    ci.tableSlot = s;
                    break;
                }
            }
            ci.updatable = ci.tableSlot >= 0;
        }
        const int index = int(columns.size());
        columns.push_back(ci);
        const QString lower = ci.name.toLower();
        if (!byName.contains(lower)) {
            byName.insert(lower, index);
            // Callers mostly spell a name as the statement does: found
            // without making its lower-case copy first.
            bySpelling.insert(ci.name, index);
        }
        if (!ci.table.isEmpty() && origin) {
            const QString qualified = (ci.table + u'.' + QString::fromUtf8(origin)).toLower();
            if (!byName.contains(qualified)) byName.insert(qualified, index);
        }
    }
    // Counter keys and defaults of the updatable columns.
    if (updatable) {
        for (ColumnInfo& ci : columns) {
            if (!ci.updatable) continue;
            const TableColumns& cols = c.tableColumns(ci.table);
            auto it = cols.constFind(ci.origin.toLower());
            if (it != cols.constEnd()) {
                ci.counter = it->counter;
                ci.defaultValue = it->defaultValue;
            }
        }
    }
}

namespace {

// "yyyy-MM-dd HH:mm:ss"
constexpr int kIsoDateTimeLength = 19;

// The years of the dates a book holds.
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

// A stored value as the user reads it in a message: a number as the engine
// holds it, a text in quotes (its first characters), or what kind of value
// it is.
QString storedText(sqlite3_stmt* s, int col) {
    switch (sqlite3_column_type(s, col)) {
    case SQLITE_INTEGER:
        return QString::number(sqlite3_column_int64(s, col));
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(s, col);
        if (std::isinf(d)) return d > 0 ? QStringLiteral("+ääretön") : QStringLiteral("-ääretön");
        return QString::number(d, 'g', 17);
    }
    case SQLITE_TEXT: {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
        QString t = QString::fromUtf8(p, sqlite3_column_bytes(s, col));
        constexpr int kShown = 40;
        if (t.size() > kShown) t = t.left(kShown) + QStringLiteral("...");
        return QStringLiteral("teksti \"") + t + u'"';
    }
    case SQLITE_BLOB:
        return QStringLiteral("binääritietoa %1 tavua").arg(sqlite3_column_bytes(s, col));
    }
    return QString();
}

QString quotedName(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// How a row of the table is named in a message: its key column and key
// ("viID = 17"), found by the value it holds in the column; empty when it
// cannot be found.
QString rowHolding(sqlite3_stmt* s, int col, const ColumnInfo& info) {
    sqlite3* db = sqlite3_db_handle(s);
    QString keyColumn;
    {
        sqlite3_stmt* q = nullptr;
        const QByteArray sql = (QStringLiteral("SELECT name FROM pragma_table_info(?1) WHERE pk = 1")).toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &q, nullptr) == SQLITE_OK) {
            const QByteArray t = info.table.toUtf8();
            sqlite3_bind_text(q, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            if (sqlite3_step(q) == SQLITE_ROW)
                keyColumn = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
        }
        sqlite3_finalize(q);
    }
    const bool ownKey = !keyColumn.isEmpty();
    if (!ownKey) keyColumn = QStringLiteral("rowid");
    QString named;
    sqlite3_stmt* q = nullptr;
    const QByteArray sql = (QStringLiteral("SELECT %1 FROM %2 WHERE %3 IS ?1 LIMIT 1")
                                .arg(ownKey ? quotedName(keyColumn) : keyColumn, quotedName(info.table),
                                     quotedName(info.origin)))
                               .toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &q, nullptr) == SQLITE_OK &&
        sqlite3_bind_value(q, 1, sqlite3_column_value(s, col)) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW) {
        named = keyColumn + QStringLiteral(" = ") +
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
    }
    sqlite3_finalize(q);
    return named;
}

[[noreturn]] void raiseStoredValue(sqlite3_stmt* s, int col, const ColumnInfo& info) {
    const QString value = storedText(s, col);
    if (info.table.isEmpty())
        throw DaoError(err::ValueNotWritten,
                       QStringLiteral("Kyselyn sarakkeessa %1 on arvo, jota ohjelma ei kirjoita: %2.").arg(info.name, value));
    const QString row = rowHolding(s, col, info);
    throw DaoError(err::ValueNotWritten,
                   QStringLiteral("Kirjanpidon taulun %1 rivillä %2 on sarakkeessa %3 arvo, jota ohjelma ei "
                                  "kirjoita: %4.")
                       .arg(info.table, row.isEmpty() ? QStringLiteral("(tuntematon)") : row,
                            info.origin.isEmpty() ? info.name : info.origin, value));
}

// Each reads a stored value as its field's type holds it; nothing for a
// value the program never writes in such a field.

std::optional<Variant> wholeFrom(sqlite3_stmt* s, int col, int st, FieldType type) {
    std::int64_t lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
    if (type == FieldType::Byte) lo = 0, hi = 255;
    if (type == FieldType::Integer) lo = std::numeric_limits<std::int16_t>::min(), hi = std::numeric_limits<std::int16_t>::max();
    if (st == SQLITE_INTEGER) {
        const std::int64_t v = sqlite3_column_int64(s, col);
        if (v < lo || v > hi) return std::nullopt;
        return Variant(v);
    }
    if (st == SQLITE_FLOAT) {
        const double d = sqlite3_column_double(s, col);
        if (!(d >= double(lo) && d <= double(hi)) || d != std::trunc(d)) return std::nullopt;
        return Variant(std::int64_t(d));
    }
    return std::nullopt;
}

std::optional<Variant> currencyFrom(sqlite3_stmt* s, int col, int st) {
    if (st == SQLITE_INTEGER) {
        const std::int64_t v = sqlite3_column_int64(s, col);
        if (v > Currency::kStorableRawMax / Currency::kScale || v < -Currency::kStorableRawMax / Currency::kScale)
            return std::nullopt;
        return Variant(Currency::fromUnits(v));
    }
    if (st == SQLITE_FLOAT) {
        const double d = sqlite3_column_double(s, col);
        if (!std::isfinite(d)) return std::nullopt;
        const Currency c = Currency::fromRaw(std::llround(std::clamp(d, -1e14, 1e14) * Currency::kScale));
        if (!c.storable()) return std::nullopt;
        return Variant(c);
    }
    return std::nullopt;
}

std::optional<Variant> doubleFrom(sqlite3_stmt* s, int col, int st) {
    if (st == SQLITE_INTEGER) return Variant(double(sqlite3_column_int64(s, col)));
    if (st != SQLITE_FLOAT) return std::nullopt;
    const double d = sqlite3_column_double(s, col);
    if (!std::isfinite(d)) return std::nullopt;
    return Variant(d);
}

std::optional<Variant> dateFrom(sqlite3_stmt* s, int col, int st) {
    if (st == SQLITE_INTEGER || st == SQLITE_FLOAT) {
        if (const std::optional<Date> d = Date::fromSerialIfDate(sqlite3_column_double(s, col))) return Variant(*d);
        return std::nullopt;
    }
    if (st != SQLITE_TEXT) return std::nullopt;
    // A stored date is a short ASCII text: read in place, without a copy on
    // the heap first.
    const auto* p = sqlite3_column_text(s, col);
    const int bytes = sqlite3_column_bytes(s, col);
    if (bytes > kIsoDateTimeLength) return std::nullopt;
    char16_t chars[kIsoDateTimeLength];
    int i = 0;
    for (; i < bytes && p[i] < 0x80; ++i) chars[i] = char16_t(p[i]);
    if (i != bytes) return std::nullopt;
    const std::optional<Date> d = Date::fromIso(QStringView(chars, bytes));
    if (!d || d->date().year() < kFirstYear || d->date().year() > kLastYear) return std::nullopt;
    return Variant(*d);
}

}  // namespace

Variant RecordsetImpl::readColumn(sqlite3_stmt* s, int col, const ColumnInfo& info) {
    bool fault = false;
    Variant v = readStored(s, col, info, fault);
    if (fault) raiseStoredValue(s, col, info);
    return v;
}

std::optional<QString> RecordsetImpl::storedFault(sqlite3_stmt* s, int col, const ColumnInfo& info) {
    bool fault = false;
    readStored(s, col, info, fault);
    if (!fault) return std::nullopt;
    return storedText(s, col);
}

// A key, a number, an amount or a date that the program never writes - out
// of its field's range, not finite, of another kind - sets fault: it is
// never read as some other value in its place.
Variant RecordsetImpl::readStored(sqlite3_stmt* s, int col, const ColumnInfo& info, bool& fault) {
    const int st = sqlite3_column_type(s, col);
    if (st == SQLITE_NULL) return Variant();
    auto text = [&]() {
        // The book stores texts as UTF-8: decoded once, here, rather than
        // by the engine into a copy of its own first.
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
        const int bytes = sqlite3_column_bytes(s, col);
        return QString::fromUtf8(p, bytes);
    };
    auto checked = [&](std::optional<Variant> v) {
        fault = !v;
        return v ? std::move(*v) : Variant();
    };
    if (info.typed) {
        switch (info.type) {
        case FieldType::Boolean:
            return sqlite3_column_double(s, col) != 0.0;
        case FieldType::Byte:
        case FieldType::Integer:
        case FieldType::Long:
            return checked(wholeFrom(s, col, st, info.type));
        case FieldType::Currency:
            return checked(currencyFrom(s, col, st));
        case FieldType::Single:
        case FieldType::Double:
            return checked(doubleFrom(s, col, st));
        case FieldType::Date:
            return checked(dateFrom(s, col, st));
        case FieldType::Text:
        case FieldType::Memo:
            if (st == SQLITE_TEXT) return text();
            if (st == SQLITE_INTEGER) return QString::number(sqlite3_column_int64(s, col));
            return text();
        }
    }
    switch (st) {
    case SQLITE_INTEGER:
        return Variant(std::int64_t(sqlite3_column_int64(s, col)));
    case SQLITE_FLOAT:
        return sqlite3_column_double(s, col);
    default: {
        // An expression over a date column (MAX of dates) gives a date.
        const QString t = text();
        if (t.size() >= 10 && t.size() <= 19 && t[4] == u'-')
            if (auto d = Date::fromIso(t)) return *d;
        return t;
    }
    }
}

bool RecordsetImpl::fetchTo(qsizetype n) {
    while ((n < 0 || rowsRead() <= n) && !exhausted) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            RowData r;
            if (!spareValues.empty()) {
                r.values = std::move(spareValues.back());
                spareValues.pop_back();
            }
            r.values.reserve(columns.size());
            for (size_t i = 0; i < columns.size(); ++i)
                r.values.push_back(readColumn(stmt, int(i) + keyColumns, columns[i]));
            for (int k = 0; k < keyColumns; ++k) r.keys.push_back(sqlite3_column_int64(stmt, k));
            rows.push_back(std::move(r));
        } else if (rc == SQLITE_DONE) {
            finishStatement();
        } else {
            try {
                conn->fail(rc, sql);
            } catch (...) {
                // The statement is finished, and the engine's error goes on.
                finishStatement();
                throw;
            }
        }
    }
    return n < 0 || rowsRead() > n;
}

void RecordsetImpl::releasePassed() {
    if (type != RecordsetType::ForwardOnly) return;
    const qsizetype n = std::min(pos, rowsRead()) - passed;
    // In batches, and never fewer than half of those held, so that a set
    // read whole first (see drain) is not moved along row by row.
    if (n <= 0 || (n < qsizetype(rows.size()) && (n < 64 || 2 * n < qsizetype(rows.size())))) return;
    // The rows' storage serves the rows read next.
    for (qsizetype i = 0; i < n && spareValues.size() < 64; ++i) {
        rows[size_t(i)].values.clear();
        spareValues.push_back(std::move(rows[size_t(i)].values));
    }
    rows.erase(rows.begin(), rows.begin() + n);
    passed += n;
}

void RecordsetImpl::drain() {
    if (!exhausted && stmt) fetchTo(-1);
    finishStatement();
}

void RecordsetImpl::finishStatement() {
    exhausted = true;
    if (stmt && conn) {
        conn->release(stmt);
        conn->unregisterCursor(this);
    }
    stmt = nullptr;
}

void RecordsetImpl::close() {
    forgetChanges();
    if (!isOpen && !stmt) return;
    finishStatement();
    if (conn) conn->unregisterCursor(this);
    isOpen = false;
    rows.clear();
    passed = 0;
    conn.reset();
}

std::optional<RecordsetImpl::Change> RecordsetImpl::before(Change::Kind kind) const {
    if (!conn || conn->txDepth == 0) return std::nullopt;
    Change c;
    c.kind = kind;
    c.depth = conn->txDepth;
    if (kind == Change::Kind::Edited || kind == Change::Kind::Deleted) c.row = pos;
    if (kind == Change::Kind::Edited) c.stored = row(pos);
    c.editMode = editMode;
    c.buffer = buffer;
    c.touched = touched;
    c.posBeforeAdd = posBeforeAdd;
    c.pos = pos;
    c.lastModified = lastModified;
    return c;
}

void RecordsetImpl::changed(std::optional<Change> change) {
    if (!change) return;
    changes.push_back(std::move(*change));
    conn->noteRecordsetChange(this);
}

void RecordsetImpl::keepChanges(int depth) {
    if (depth <= 1) return forgetChanges();
    for (Change& c : changes)
        if (c.depth >= depth) c.depth = depth - 1;
}

void RecordsetImpl::takeBackChanges(int depth) {
    while (!changes.empty() && changes.back().depth >= depth) {
        Change c = std::move(changes.back());
        changes.pop_back();
        const bool held = c.row >= passed && c.row < rowsRead();
        switch (c.kind) {
        case Change::Kind::Began:
            break;
        case Change::Kind::Added:
            // The row the work appended, which nothing follows but rows
            // appended after it (taken back before it).
            if (c.row == rowsRead() - 1 && held) rows.pop_back();
            else if (held) row(c.row).deleted = true;
            break;
        case Change::Kind::Edited:
            if (held) row(c.row) = std::move(c.stored);
            break;
        case Change::Kind::Deleted:
            if (held) row(c.row).deleted = false;
            break;
        }
        editMode = c.editMode;
        buffer = std::move(c.buffer);
        touched = std::move(c.touched);
        posBeforeAdd = c.posBeforeAdd;
        pos = c.pos;
        lastModified = c.lastModified;
    }
    if (changes.empty() && conn) conn->forgetRecordsetChanges(this);
}

void RecordsetImpl::forgetChanges() {
    changes.clear();
    if (conn) conn->forgetRecordsetChanges(this);
}

int RecordsetImpl::columnIndex(const QString& name) const {
    const auto spelled = bySpelling.constFind(name);
    if (spelled != bySpelling.constEnd()) return *spelled;
    return byName.value(name.toLower(), -1);
}

void RecordsetImpl::checkCurrent() const {
    checkOpen();
    if (editMode == Recordset::EditMode::Add) return;
    if (pos < 0 || pos >= rowsRead()) raise(err::NoCurrentRecord);
    if (row(pos).deleted) raise(err::RecordDeleted);
}

const RowData& RecordsetImpl::currentRow() const {
    if (editMode != Recordset::EditMode::None) return buffer;
    checkCurrent();
    return row(pos);
}

// ---------------------------------------------------------------- Recordset

RecordsetImpl& Recordset::impl() const {
    if (!impl_) raise(err::ObjectInvalid);
    impl_->checkOpen();
    return *impl_;
}

RecordsetType Recordset::type() const { return impl().type; }
bool Recordset::updatable() const { return impl().updatable; }
bool Recordset::isOpen() const { return impl_ && impl_->isOpen && !impl_->db->closed; }

bool Recordset::isEOF() const {
    RecordsetImpl& r = impl();
    if (r.pos < 0) return r.rowsRead() == 0 && r.exhausted;
    r.fetchTo(r.pos);
    return r.pos >= r.rowsRead();
}

bool Recordset::isBOF() const {
    RecordsetImpl& r = impl();
    if (r.pos < 0) return true;
    r.fetchTo(0);
    // An empty set is at both ends.
    return r.rowsRead() == 0 ||
           (r.passed == 0 && std::all_of(r.rows.begin(), r.rows.end(), [](const RowData& x) { return x.deleted; }));
}

long Recordset::RecordCount() const {
    RecordsetImpl& r = impl();
    long n = long(r.passed);  // a released row was never deleted
    for (const RowData& x : r.rows)
        if (!x.deleted) ++n;
    return n;
}

void Recordset::MoveFirst() {
    RecordsetImpl& r = impl();
    if (r.type == RecordsetType::ForwardOnly && r.pos > 0) raise(err::InvalidOperation);
    r.editMode = EditMode::None;
    for (qsizetype i = 0; r.fetchTo(i); ++i) {
        if (!r.row(i).deleted) {
            r.pos = i;
            return;
        }
    }
    raise(err::NoCurrentRecord);
}

void Recordset::MoveLast() {
    RecordsetImpl& r = impl();
    r.editMode = EditMode::None;
    r.fetchTo(-1);
    for (qsizetype i = r.rowsRead() - 1; i >= r.passed; --i) {
        if (!r.row(i).deleted) {
            r.pos = i;
            return;
        }
    }
    raise(err::NoCurrentRecord);
}

void Recordset::MoveNext() {
    RecordsetImpl& r = impl();
    if (isEOF()) raise(err::NoCurrentRecord);
    r.editMode = EditMode::None;
    qsizetype i = r.pos + 1;
    while (r.fetchTo(i) && r.row(i).deleted) ++i;
    r.pos = r.fetchTo(i) ? i : r.rowsRead();
    r.releasePassed();
}

void Recordset::MovePrevious() {
    RecordsetImpl& r = impl();
    if (r.type == RecordsetType::ForwardOnly) raise(err::InvalidOperation);
    if (r.pos < 0) raise(err::NoCurrentRecord);
    r.editMode = EditMode::None;
    qsizetype i = std::min(r.pos, r.rowsRead()) - 1;
    while (i >= 0 && r.row(i).deleted) --i;
    r.pos = i;  // -1: before the first row
}

long Recordset::AbsolutePosition() const {
    RecordsetImpl& r = impl();
    if (r.pos < 0 || r.pos >= r.rowsRead() || r.row(r.pos).deleted) return -1;
    long n = long(r.passed);
    for (qsizetype i = r.passed; i < r.pos; ++i)
        if (!r.row(i).deleted) ++n;
    return n;
}

void Recordset::setAbsolutePosition(long target) {
    RecordsetImpl& r = impl();
    if (target < 0) raise(err::InvalidArgument);
    if (target < r.passed) raise(err::InvalidOperation);  // a released row lies behind
    long n = long(r.passed);
    for (qsizetype i = r.passed; r.fetchTo(i); ++i) {
        if (r.row(i).deleted) continue;
        if (n == target) {
            if (r.type == RecordsetType::ForwardOnly && i < r.pos) raise(err::InvalidOperation);
            r.pos = i;
            r.editMode = EditMode::None;
            return;
        }
        ++n;
    }
    raise(err::InvalidArgument);
}

int Recordset::fieldCount() const { return int(impl().columns.size()); }

Field Recordset::field(int index) const {
    RecordsetImpl& r = impl();
    if (index < 0 || index >= int(r.columns.size())) raise(err::ItemNotFound, QString::number(index));
    return Field(&r, index);
}

Field Recordset::field(const QString& name) const {
    RecordsetImpl& r = impl();
    const int i = r.columnIndex(name);
    if (i < 0) raise(err::ItemNotFound, name);
    return Field(&r, i);
}

bool Recordset::hasField(const QString& name) const { return impl().columnIndex(name) >= 0; }

QStringList Recordset::fieldNames() const {
    QStringList names;
    for (const ColumnInfo& c : impl().columns) names << c.name;
    return names;
}

void Recordset::AddNew() {
    RecordsetImpl& r = impl();
    if (!r.updatable) raise(err::ReadOnly);
    std::optional<RecordsetImpl::Change> undo = r.before(RecordsetImpl::Change::Kind::Began);
    // Made whole before it takes the place of what the recordset holds: a
    // key that cannot be reserved leaves the recordset as it was.
    RowData buffer;
    buffer.values.resize(r.columns.size());
    buffer.keys.assign(size_t(r.keyColumns), 0);
    std::vector<bool> touched(r.columns.size(), false);
    for (size_t i = 0; i < r.columns.size(); ++i) {
        ColumnInfo& c = r.columns[i];
        if (c.counter) {
            // The new key is known now, before the row is stored.
            buffer.values[i] = Variant(r.conn->reserveCounter(c.table));
            touched[i] = true;
        } else {
            buffer.values[i] = c.defaultValue;
        }
    }
    if (r.editMode == EditMode::None) r.posBeforeAdd = r.pos;
    r.buffer = std::move(buffer);
    r.touched = std::move(touched);
    r.editMode = EditMode::Add;
    r.changed(std::move(undo));
}

void Recordset::Edit() {
    RecordsetImpl& r = impl();
    if (!r.updatable) raise(err::ReadOnly);
    std::optional<RecordsetImpl::Change> undo = r.before(RecordsetImpl::Change::Kind::Began);
    r.editMode = EditMode::None;
    r.checkCurrent();
    r.buffer = r.row(r.pos);
    r.touched.assign(r.columns.size(), false);
    r.editMode = EditMode::InProgress;
    r.changed(std::move(undo));
}

void Recordset::CancelUpdate() {
    RecordsetImpl& r = impl();
    if (r.editMode == EditMode::None) raise(err::UpdateWithoutEdit);
    if (r.editMode == EditMode::Add) r.pos = r.posBeforeAdd;
    r.editMode = EditMode::None;
}

Recordset::EditMode Recordset::editMode() const { return impl().editMode; }

void Recordset::Update() {
    RecordsetImpl& r = impl();
    if (r.editMode == EditMode::None) raise(err::UpdateWithoutEdit);
    Connection& c = *r.conn;
    // Reading statements of this connection finish first, so that the write
    // is committed at once (no open read keeps it pending).
    c.drainCursors();
    std::optional<RecordsetImpl::Change> undo = r.before(
        r.editMode == EditMode::InProgress ? RecordsetImpl::Change::Kind::Edited : RecordsetImpl::Change::Kind::Added);
    const int slots = r.keyColumns;
    if (r.editMode == EditMode::InProgress) {
        for (int slot = 0; slot < slots; ++slot) {
            QStringList sets;
            Params values;
            for (size_t i = 0; i < r.columns.size(); ++i) {
                if (!r.touched[i] || r.columns[i].tableSlot != slot) continue;
                sets << jet::quoteIdent(r.columns[i].origin) + QStringLiteral(" = ?");
                values.push_back(r.buffer.values[i]);
            }
            if (sets.isEmpty()) continue;
            values.push_back(Variant(r.buffer.keys[size_t(slot)]));
            const QString sql = QStringLiteral("UPDATE ") + jet::quoteIdent(r.slotTables[size_t(slot)]) +
                                QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
                                QStringLiteral(" WHERE rowid = ?");
            if (c.exec(sql, values, jet::StatementKind::Update) == 0) {
                // The row is gone from its table (another program deleted
                // it): the recordset passes over it from now on, as over a
                // row it deleted itself. The edit stays pending.
                std::optional<RecordsetImpl::Change> gone = r.before(RecordsetImpl::Change::Kind::Deleted);
                r.row(r.pos).deleted = true;
                r.changed(std::move(gone));
                raise(err::RecordDeleted);
            }
        }
        r.row(r.pos) = r.buffer;
        r.lastModified = r.pos;
    } else {
        bool any = false;
        for (int slot = 0; slot < slots; ++slot) {
            // A table none of whose fields were set gets no row, unless it is
            // the only table of the recordset.
            bool touchedSlot = false;
            for (size_t i = 0; i < r.columns.size(); ++i)
                if (r.columns[i].tableSlot == slot && r.touched[i] && !r.columns[i].counter) touchedSlot = true;
            if (!touchedSlot && slots > 1) continue;
            const auto [names, values] = newRow(r, slot);
            const QString table = jet::quoteIdent(r.slotTables[size_t(slot)]);
            const QString sql = names.isEmpty()
                                    ? QStringLiteral("INSERT INTO ") + table + QStringLiteral(" DEFAULT VALUES")
                                    : QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                                          names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                                          QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")) +
                                          u')';
            c.exec(sql, values, jet::StatementKind::Insert);
            r.buffer.keys[size_t(slot)] = sqlite3_last_insert_rowid(c.db());
            any = true;
        }
        if (!any) raise(err::UpdateWithoutEdit);
        r.rows.push_back(r.buffer);
        r.lastModified = r.rowsRead() - 1;
        r.pos = r.posBeforeAdd;
        if (undo) undo->row = r.lastModified;
    }
    r.editMode = EditMode::None;
    r.changed(std::move(undo));
}

void Recordset::Delete() {
    RecordsetImpl& r = impl();
    if (!r.updatable) raise(err::ReadOnly);
    std::optional<RecordsetImpl::Change> undo = r.before(RecordsetImpl::Change::Kind::Deleted);
    r.editMode = EditMode::None;
    r.checkCurrent();
    Connection& c = *r.conn;
    c.drainCursors();
    RowData& row = r.row(r.pos);
    c.exec(QStringLiteral("DELETE FROM ") + jet::quoteIdent(r.slotTables[0]) + QStringLiteral(" WHERE rowid = ?"),
           {Variant(row.keys[0])}, jet::StatementKind::Delete);
    row.deleted = true;
    r.changed(std::move(undo));
}

void Recordset::Requery() {
    RecordsetImpl& r = impl();
    r.finishStatement();
    r.open();
}

void Recordset::Close() {
    if (impl_) impl_->close();
}

Bookmark Recordset::bookmark() const {
    RecordsetImpl& r = impl();
    r.checkCurrent();
    return r.pos;
}

void Recordset::setBookmark(Bookmark b) {
    RecordsetImpl& r = impl();
    if (r.type == RecordsetType::ForwardOnly) raise(err::InvalidOperation);
    if (b < 0 || b >= r.rowsRead()) raise(err::InvalidArgument);
    r.editMode = EditMode::None;
    r.pos = b;
}

Bookmark Recordset::LastModified() const {
    RecordsetImpl& r = impl();
    if (r.lastModified < 0) raise(err::NoCurrentRecord);
    return r.lastModified;
}

// ---------------------------------------------------------------- Field

QString Field::name() const { return rs_->columns[size_t(index_)].name; }
FieldType Field::type() const { return rs_->columns[size_t(index_)].type; }
int Field::size() const { return rs_->columns[size_t(index_)].size; }
QString Field::sourceTable() const { return rs_->columns[size_t(index_)].table; }

Variant Field::value() const { return valueRef(); }

const Variant& Field::valueRef() const {
    rs_->checkOpen();
    return rs_->currentRow().values[size_t(index_)];
}

void Field::setValue(const Variant& v) {
    rs_->checkOpen();
    if (rs_->editMode == Recordset::EditMode::None) raise(err::UpdateWithoutEdit);
    const ColumnInfo& c = rs_->columns[size_t(index_)];
    if (!c.updatable || c.counter) raise(err::FieldNotUpdatable, c.name);
    rs_->buffer.values[size_t(index_)] = coerce(v, c);
    rs_->touched[size_t(index_)] = true;
}

}  // namespace dao
