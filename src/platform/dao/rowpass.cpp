#include "platform/dao/rowpass.h"

#include "platform/dao/engine_impl.h"

namespace dao {

struct RowPass::Impl {
    std::shared_ptr<Connection> conn;
    QString sql;
    sqlite3_stmt* stmt = nullptr;  // until the rows are passed
    std::vector<ColumnInfo> columns;
    bool onRow = false;

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
    // Names and declared types, as a recordset of the query reads them.
    const int n = sqlite3_column_count(d_->stmt);
    for (int i = 0; i < n; ++i) {
        ColumnInfo ci;
        ci.name = QString::fromUtf8(sqlite3_column_name(d_->stmt, i));
        if (const char* decl = sqlite3_column_decltype(d_->stmt, i)) {
            const jet::ColumnType ct = jet::parseDeclaredType(QString::fromUtf8(decl));
            if (ct.known) {
                ci.type = ct.type;
                ci.size = ct.size;
                ci.typed = true;
            }
        }
        d_->columns.push_back(ci);
    }
}

RowPass::~RowPass() = default;

int RowPass::column(const QString& name) const {
    for (size_t i = 0; i < d_->columns.size(); ++i)
        if (d_->columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    raise(err::ItemNotFound, name);
}

bool RowPass::next() {
    d_->onRow = false;
    if (!d_->stmt) return false;
    const int rc = sqlite3_step(d_->stmt);
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

}  // namespace dao
