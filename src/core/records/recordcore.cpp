#include "core/records/recordcore.h"

namespace core::detail {

namespace {

QString name(const char* s) { return QString::fromLatin1(s); }

QString rowSql(const RowTable& t) {
    return QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key));
}

}  // namespace

dao::Variant aggregate(dao::Database& db, const QString& sql, const dao::Params& params) {
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    dao::Variant value;
    if (!rs.isEOF()) value = rs.value(QStringLiteral("Expr1000"));
    rs.Close();
    return value;
}

long plusOne(const dao::Variant& max) { return max.isNull() ? 1 : NzLong(max, 0) + 1; }

long nextKey(dao::Database& db, const char* table, const char* column) {
    return plusOne(aggregate(db, QStringLiteral("SELECT MAX(%1) FROM %2").arg(name(column), name(table))));
}

std::optional<long> firstKey(const QString& sql, const dao::Params& params, const char* keyColumn) {
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    std::optional<long> key;
    if (!rs.isEOF()) key = NzLong(rs.value(name(keyColumn)), 0);
    rs.Close();
    return key;
}

void inTransaction(dao::Database& db, const std::function<void()>& f) { dao::InTransaction(db, f); }

void deleteRows(dao::Database& db, const std::vector<std::pair<QString, QString>>& tableAndColumn, long key) {
    inTransaction(db, [&] {
        for (const auto& [table, column] : tableAndColumn)
            db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, column), {dao::Variant(key)});
    });
}

QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

bool readRow(const RowTable& t, long key, const std::function<void(const dao::Recordset&)>& fill,
             const std::function<void()>& missing) {
    dao::Database db = BookTie::open();
    dao::Recordset rs = db.OpenRecordset(rowSql(t), dao::RecordsetType::Snapshot, {dao::Variant(key)});
    const bool found = !rs.isEOF();
    if (found)
        fill(rs);
    else
        missing();
    rs.Close();
    return found;
}

long writeRow(dao::Database& db, const RowTable& t, long id, const std::function<void(dao::Recordset&)>& write) {
    long key = id;
    if (key == 0 && !t.counterKey) key = nextKey(db, t.table, t.key);
    dao::Recordset rs = db.OpenRecordset(rowSql(t), dao::RecordsetType::Dynaset, {dao::Variant(id)});
    if (id != 0) {
        // A row deleted meanwhile: Edit finds no current record.
        rs.Edit();
    } else {
        rs.AddNew();
        if (t.counterKey)
            key = NzLong(rs.value(name(t.key)), 0);  // the engine assigns it at AddNew
        else
            rs.setValue(name(t.key), dao::Variant(key));
    }
    write(rs);
    rs.Update();
    rs.Close();
    return key;
}

void deleteRow(dao::Database& db, const RowTable& t, long key) {
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(name(t.table), name(t.key)), {dao::Variant(key)});
}

}  // namespace core::detail
