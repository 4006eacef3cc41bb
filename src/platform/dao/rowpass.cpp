#include "platform/dao/rowpass.h"

#include "platform/dao/engine_impl.h"

#include <QRegularExpression>
#include <cstdint>
#include <limits>
#include <utility>

namespace dao {

namespace {

// Names and declared types of a statement's columns, as a recordset of the
// query reads them.
std::vector<ColumnInfo> columnsOf(sqlite3_stmt* stmt) {
    std::vector<ColumnInfo> columns;
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) {
        ColumnInfo ci;
        ci.name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        // The table and column a value comes from, named when it is one the
        // program never writes.
        if (const char* table = sqlite3_column_table_name(stmt, i)) ci.table = QString::fromUtf8(table);
        if (const char* origin = sqlite3_column_origin_name(stmt, i)) ci.origin = QString::fromUtf8(origin);
        if (const char* decl = sqlite3_column_decltype(stmt, i)) {
            const jet::ColumnType ct = jet::parseDeclaredType(QString::fromUtf8(decl));
            if (ct.known) {
                ci.type = ct.type;
                ci.size = ct.size;
                ci.typed = true;
            }
        }
        columns.push_back(ci);
    }
    return columns;
}

}  // namespace

struct RowPass::Impl {
    std::shared_ptr<Connection> conn;
    QString sql;
    sqlite3_stmt* stmt = nullptr;  // until the rows are passed
    std::vector<ColumnInfo> columns;
    bool onRow = false;
    int firstStep = 0;  // the result of a first step taken before the pass

    ~Impl() {
        if (stmt) conn->release(stmt);
    }
    void checkColumn(int column) const {
        if (!onRow) raise(err::NoCurrentRecord);
        if (column < 0 || column >= int(columns.size())) raise(err::ItemNotFound, QString::number(column));
    }
};

RowPass::RowPass(Database& db, const QString& sql, const Params& params) : d_(std::make_unique<Impl>()) {
    DatabaseImpl& dbi = db.impl();
    d_->conn = dbi.conn;
    Connection& c = dbi.connection();
    const jet::Translation& tr = c.translation(sql.trimmed());
    if (tr.kind != jet::StatementKind::Select) raise(err::InvalidOperation);
    d_->sql = tr.sql;
    d_->stmt = c.acquire(d_->sql);
    bindAll(d_->stmt, params);
    d_->columns = columnsOf(d_->stmt);
}

RowPass::RowPass(std::unique_ptr<Impl> d) : d_(std::move(d)) {}

RowPass::~RowPass() = default;

int RowPass::column(const QString& name) const {
    for (size_t i = 0; i < d_->columns.size(); ++i)
        if (d_->columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    raise(err::ItemNotFound, name);
}

bool RowPass::next() {
    d_->onRow = false;
    if (!d_->stmt) return false;
    const int rc = d_->firstStep ? std::exchange(d_->firstStep, 0) : sqlite3_step(d_->stmt);
    if (rc == SQLITE_ROW) {
        d_->onRow = true;
        return true;
    }
    sqlite3_stmt* s = d_->stmt;
    d_->stmt = nullptr;
    if (rc != SQLITE_DONE) {
        try {
            d_->conn->fail(rc, d_->sql);
        } catch (...) {
            // The statement goes back to the connection, and the engine's error goes on.
            d_->conn->release(s);
            throw;
        }
    }
    d_->conn->release(s);
    return false;
}

Variant RowPass::value(int column) const {
    d_->checkColumn(column);
    return RecordsetImpl::readColumn(d_->stmt, column, d_->columns[size_t(column)]);
}

std::optional<QString> RowPass::fault(int column) const {
    d_->checkColumn(column);
    return RecordsetImpl::storedFault(d_->stmt, column, d_->columns[size_t(column)]);
}

bool RowPass::isNull(int column) const {
    d_->checkColumn(column);
    return sqlite3_column_type(d_->stmt, column) == SQLITE_NULL;
}

std::optional<QUtf8StringView> RowPass::storedText(int column) const {
    d_->checkColumn(column);
    const ColumnInfo& ci = d_->columns[size_t(column)];
    if (!ci.typed || (ci.type != FieldType::Text && ci.type != FieldType::Memo)) return std::nullopt;
    if (sqlite3_column_type(d_->stmt, column) != SQLITE_TEXT) return std::nullopt;
    const char* p = reinterpret_cast<const char*>(sqlite3_column_text(d_->stmt, column));
    return QUtf8StringView(p, sqlite3_column_bytes(d_->stmt, column));
}

// ---------------------------------------------------------------- parts

struct RowPassParts::Part {
    std::shared_ptr<Connection> conn;
    sqlite3_stmt* stmt = nullptr;  // until its pass is made
    int firstStep = 0;

    ~Part() {
        if (stmt) conn->release(stmt);
    }
};

namespace {

// The steps of a statement's plan, outermost first; empty when the plan
// cannot be had or is not one loop inside another.
std::vector<QString> planOf(sqlite3* db, const QString& sql) {
    std::vector<QString> steps;
    sqlite3_stmt* s = nullptr;
    const QByteArray q = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(db, q.constData(), int(q.size()), &s, nullptr) == SQLITE_OK) {
        while (sqlite3_step(s) == SQLITE_ROW) {
            if (sqlite3_column_int(s, 1) != 0) {  // a step nested in another
                steps.clear();
                break;
            }
            steps.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3))));
        }
    }
    sqlite3_finalize(s);
    return steps;
}

QString quoted(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// A read transaction of the book's connection while the parts start: no
// other connection can save anything until each part has begun to read.
class ReadMoment {
public:
    explicit ReadMoment(sqlite3* db) : db_(db) { began_ = sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK; }
    ~ReadMoment() {
        if (began_) sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    }
    bool began() const { return began_; }

private:
    sqlite3* db_;
    bool began_ = false;
};

}  // namespace

RowPassParts::RowPassParts(Database& db, const QString& sql, int parts, int fewestRowsPerPart)
    : db_(&db), sql_(sql) {
    if (parts < 2) return;
    try {
        cut(parts, fewestRowsPerPart);
    } catch (const DaoError&) {
        // Read on the book's connection alone, which meets the error itself.
        parts_.clear();
    }
}

void RowPassParts::cut(int parts, int fewestRowsPerPart) {
    Connection& c = db_->impl().connection();
    if (c.txDepth > 0 || !sqlite3_get_autocommit(c.db())) return;
    const jet::Translation& tr = c.translation(sql_.trimmed());
    if (tr.kind != jet::StatementKind::Select) return;
    // Only a plain join: the parts are cut by a condition of their own.
    static const QRegularExpression own(
        QStringLiteral("\\b(WHERE|GROUP|ORDER|LIMIT|UNION|INTERSECT|EXCEPT|DISTINCT|HAVING|WINDOW)\\b|[(;?]"),
        QRegularExpression::CaseInsensitiveOption);
    if (tr.sql.contains(own)) return;
    // The first table read row after row, in the order of its rows; the
    // others looked up for each of its rows.
    const std::vector<QString> plan = planOf(c.db(), tr.sql);
    static const QRegularExpression scan(QStringLiteral("^SCAN (\\S+)$"));
    const QRegularExpressionMatch first = plan.empty() ? QRegularExpressionMatch() : scan.match(plan.front());
    if (!first.hasMatch()) return;
    for (size_t i = 1; i < plan.size(); ++i)
        if (!plan[i].startsWith(QLatin1String("SEARCH ")) || plan[i].contains(QLatin1String("TEMP B-TREE"))) return;
    const QString table = first.captured(1);
    const QString partSql = tr.sql + QStringLiteral(" WHERE %1.rowid >= ? AND %1.rowid < ?").arg(quoted(table));
    std::vector<QString> partPlan = plan;
    partPlan.front() = QStringLiteral("SEARCH %1 USING INTEGER PRIMARY KEY (rowid>? AND rowid<?)").arg(table);
    if (planOf(c.db(), partSql) != partPlan) return;

    ReadMoment moment(c.db());
    if (!moment.began()) return;
    std::int64_t low = 0, high = -1;
    {
        sqlite3_stmt* s = nullptr;
        const QByteArray q = QStringLiteral("SELECT min(rowid), max(rowid) FROM %1").arg(quoted(table)).toUtf8();
        if (sqlite3_prepare_v2(c.db(), q.constData(), int(q.size()), &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL) {
            low = sqlite3_column_int64(s, 0);
            high = sqlite3_column_int64(s, 1);
        }
        sqlite3_finalize(s);
    }
    if (high < low) return;
    // Rows numbered from low to high, cut into parts of equal spans of numbers.
    const std::uint64_t span = std::uint64_t(high) - std::uint64_t(low) + 1;
    const int count = int(std::min<std::uint64_t>(std::uint64_t(parts), span / std::uint64_t(std::max(fewestRowsPerPart, 1))));
    if (count < 2) return;
    const std::uint64_t step = span / std::uint64_t(count);
    const auto bound = [&](int k) { return std::int64_t(std::uint64_t(low) + step * std::uint64_t(k)); };
    std::vector<std::unique_ptr<Part>> made;
    for (int i = 0; i < count; ++i) {
        auto part = std::make_unique<Part>();
        part->conn = std::make_shared<Connection>(openHandle(c.canonicalPath(), SQLITE_OPEN_READONLY, 1000),
                                                  c.canonicalPath(), true);
        part->stmt = part->conn->acquire(partSql);
        sqlite3_bind_int64(part->stmt, 1, bound(i));
        // The last part reaches past the highest row, so that none is left out.
        sqlite3_bind_int64(part->stmt, 2, i + 1 == count ? std::numeric_limits<std::int64_t>::max() : bound(i + 1));
        // The first step takes the part's read lock, in the moment held.
        part->firstStep = sqlite3_step(part->stmt);
        if (part->firstStep != SQLITE_ROW && part->firstStep != SQLITE_DONE) return;
        made.push_back(std::move(part));
    }
    partSql_ = partSql;
    parts_ = std::move(made);
}

RowPassParts::~RowPassParts() = default;

int RowPassParts::count() const { return parts_.empty() ? 1 : int(parts_.size()); }

std::unique_ptr<RowPass> RowPassParts::pass(int i) {
    if (parts_.empty()) {
        if (i != 0) raise(err::ItemNotFound, QString::number(i));
        return std::make_unique<RowPass>(*db_, sql_);
    }
    if (i < 0 || i >= int(parts_.size()) || !parts_[size_t(i)]->stmt) raise(err::ItemNotFound, QString::number(i));
    Part& part = *parts_[size_t(i)];
    auto d = std::make_unique<RowPass::Impl>();
    d->conn = part.conn;
    d->sql = partSql_;
    d->stmt = std::exchange(part.stmt, nullptr);
    d->columns = columnsOf(d->stmt);
    d->firstStep = part.firstStep;
    return std::unique_ptr<RowPass>(new RowPass(std::move(d)));
}

}  // namespace dao
