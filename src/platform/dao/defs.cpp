// Table, field, index and query definitions over the SQLite schema.
// Field properties the engine has no column attribute for (such as a
// display "Format") and the text of saved queries are kept in two tables of
// the engine's own, MSysFieldProps and MSysQueries.

#include "platform/dao/engine_impl.h"

namespace dao {

namespace {

const QString kPropsTable = QStringLiteral("MSysFieldProps");
const QString kQueriesTable = QStringLiteral("MSysQueries");

// A step of work that is done whole or not at all.
class Savepoint {
public:
    explicit Savepoint(Connection& c) : c_(c) {
        c_.drainCursors();
        c_.exec(QStringLiteral("SAVEPOINT kv_def"), {});
    }
    ~Savepoint() {
        if (!done_) {
            try {
                c_.exec(QStringLiteral("ROLLBACK TO kv_def"), {});
                c_.exec(QStringLiteral("RELEASE kv_def"), {});
            } catch (...) {
                // A destructor must not raise: the definition's own failure is already
                // on its way to the caller, and an outer rollback undoes the rest.
            }
        }
    }
    void commit() {
        c_.exec(QStringLiteral("RELEASE kv_def"), {});
        done_ = true;
        ++c_.schemaStamp;
    }

private:
    Connection& c_;
    bool done_ = false;
};

bool hasObject(Connection& c, const QString& type, const QString& name, QString* exactName = nullptr) {
    sqlite3_stmt* s = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(c.db(), "SELECT name FROM sqlite_master WHERE type = ?1 AND name = ?2 COLLATE NOCASE", -1,
                           &s, nullptr) == SQLITE_OK) {
        const QByteArray t = type.toUtf8(), n = name.toUtf8();
        sqlite3_bind_text(s, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 2, n.constData(), int(n.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) {
            found = true;
            if (exactName) *exactName = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        }
    }
    sqlite3_finalize(s);
    return found;
}

QString propsTableSql() {
    return QStringLiteral("CREATE TABLE ") + jet::quoteIdent(kPropsTable) + QStringLiteral(" (") +
           jet::columnSql(QStringLiteral("TableName"), FieldType::Text, 255, false, false) + QStringLiteral(", ") +
           jet::columnSql(QStringLiteral("FieldName"), FieldType::Text, 255, false, false) + QStringLiteral(", ") +
           jet::columnSql(QStringLiteral("PropName"), FieldType::Text, 255, false, false) + QStringLiteral(", ") +
           jet::columnSql(QStringLiteral("PropValue"), FieldType::Memo, 0, false, false) +
           QStringLiteral(", PRIMARY KEY (TableName, FieldName, PropName))");
}

QString queriesTableSql() {
    return QStringLiteral("CREATE TABLE ") + jet::quoteIdent(kQueriesTable) + QStringLiteral(" (") +
           jet::columnSql(QStringLiteral("Name"), FieldType::Text, 255, false, false) + QStringLiteral(" PRIMARY KEY, ") +
           jet::columnSql(QStringLiteral("SQL"), FieldType::Memo, 0, false, false) + u')';
}

void ensurePropsTable(Connection& c) {
    if (hasObject(c, QStringLiteral("table"), kPropsTable)) return;
    c.exec(propsTableSql(), {});
}

void ensureQueriesTable(Connection& c) {
    if (hasObject(c, QStringLiteral("table"), kQueriesTable)) return;
    c.exec(queriesTableSql(), {});
}

std::optional<Variant> readProp(Connection& c, const QString& table, const QString& field, const QString& prop) {
    if (!hasObject(c, QStringLiteral("table"), kPropsTable)) return std::nullopt;
    StatementLease s(c, QStringLiteral("SELECT PropValue FROM ") + jet::quoteIdent(kPropsTable) +
                            QStringLiteral(" WHERE TableName = ? AND FieldName = ? AND PropName = ?"));
    bindAll(s, {table, field, prop});
    std::optional<Variant> out;
    if (sqlite3_step(s) == SQLITE_ROW) {
        if (sqlite3_column_type(s, 0) == SQLITE_NULL) out = Variant();
        else
            out = Variant(QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(s, 0)),
                                  sqlite3_column_bytes16(s, 0) / 2));
    }
    return out;
}

void writeProp(Connection& c, const QString& table, const QString& field, const QString& prop, const Variant& v) {
    ensurePropsTable(c);
    c.exec(QStringLiteral("INSERT OR REPLACE INTO ") + jet::quoteIdent(kPropsTable) +
               QStringLiteral(" (TableName, FieldName, PropName, PropValue) VALUES (?, ?, ?, ?)"),
           {table, field, prop, v.isNull() ? Variant() : Variant(v.toString())});
}

std::shared_ptr<DatabaseImpl> lockDb(const std::weak_ptr<DatabaseImpl>& w) {
    auto db = w.lock();
    if (!db || db->closed) raise(err::ObjectInvalid);
    return db;
}

}  // namespace

struct DefsAccess {
    // The fields of a stored table, in their order.
    static std::vector<FieldDef> storedFields(const std::shared_ptr<DatabaseImpl>& db, const QString& table);
};

// ---------------------------------------------------------------- FieldDef

FieldDef::FieldDef() : d_(std::make_shared<FieldDefData>()) {}
QString FieldDef::name() const { return d_->name; }
FieldType FieldDef::type() const { return d_->type; }
int FieldDef::size() const { return d_->size; }
int FieldDef::attributes() const { return d_->attributes; }
void FieldDef::setAttributes(int a) { d_->attributes = a; }
QString FieldDef::defaultValue() const { return d_->defaultValue; }
void FieldDef::setDefaultValue(const QString& v) { d_->defaultValue = v; }
bool FieldDef::required() const { return d_->required; }

bool FieldDef::hasProperty(const QString& name) const {
    try {
        (void)property(name);
        return true;
    } catch (const DaoError&) {
        return false;
    }
}

Variant FieldDef::property(const QString& name) const {
    const QString n = name.toLower();
    if (n == QLatin1String("name")) return d_->name;
    if (n == QLatin1String("type")) return int(d_->type);
    if (n == QLatin1String("size")) return d_->size;
    if (n == QLatin1String("attributes")) return d_->attributes;
    if (n == QLatin1String("defaultvalue")) return d_->defaultValue;
    if (n == QLatin1String("required")) return d_->required;
    if (d_->table.isEmpty()) {
        auto it = d_->pendingProps.constFind(n);
        if (it == d_->pendingProps.constEnd()) raise(err::PropertyNotFound, name);
        return *it;
    }
    auto db = lockDb(d_->db);
    auto v = readProp(db->connection(), d_->table, d_->name, name);
    if (!v) raise(err::PropertyNotFound, name);
    return *v;
}

void FieldDef::setProperty(const QString& name, const Variant& v) {
    const QString n = name.toLower();
    if (n == QLatin1String("defaultvalue")) {
        d_->defaultValue = v.toString();
        return;
    }
    if (n == QLatin1String("attributes")) {
        d_->attributes = int(v.toLong());
        return;
    }
    if (d_->table.isEmpty()) {
        if (!d_->pendingProps.contains(n)) raise(err::PropertyNotFound, name);
        d_->pendingProps.insert(n, v);
        return;
    }
    auto db = lockDb(d_->db);
    Connection& c = db->connection();
    if (!readProp(c, d_->table, d_->name, name)) raise(err::PropertyNotFound, name);
    c.drainCursors();
    writeProp(c, d_->table, d_->name, name, v);
}

void FieldDef::createProperty(const QString& name, const Variant& v) {
    if (d_->table.isEmpty()) {
        const QString n = name.toLower();
        if (d_->pendingProps.contains(n)) raise(err::PropertyExists, name);
        d_->pendingProps.insert(n, v);
        return;
    }
    auto db = lockDb(d_->db);
    Connection& c = db->connection();
    if (readProp(c, d_->table, d_->name, name)) raise(err::PropertyExists, name);
    c.drainCursors();
    writeProp(c, d_->table, d_->name, name, v);
}

// ---------------------------------------------------------------- IndexDef

IndexDef::IndexDef() : d_(std::make_shared<IndexDefData>()) {}
QString IndexDef::name() const { return d_->name; }
bool IndexDef::primary() const { return d_->primary; }
void IndexDef::setPrimary(bool p) { d_->primary = p; }
bool IndexDef::unique() const { return d_->unique || d_->primary; }
void IndexDef::setUnique(bool u) { d_->unique = u; }

FieldDef IndexDef::createField(const QString& name, FieldType type) {
    FieldDef f;
    f.d_->name = name;
    f.d_->type = type;
    return f;
}

void IndexDef::appendField(const FieldDef& f) { d_->fields.push_back(f); }

QStringList IndexDef::fieldNames() const {
    QStringList names = d_->storedFields;
    for (const FieldDef& f : d_->fields) names << f.name();
    return names;
}

// ---------------------------------------------------------------- TableDef

TableDef::TableDef() : d_(std::make_shared<TableDefData>()) {}
QString TableDef::name() const { return d_->name; }
bool TableDef::attached() const { return !d_->db.expired(); }

std::vector<FieldDef> DefsAccess::storedFields(const std::shared_ptr<DatabaseImpl>& db, const QString& table) {
    Connection& c = db->connection();
    const bool autoinc = declaredAutoIncrement(c.db(), table);
    std::vector<FieldDef> out;
    sqlite3_stmt* s = nullptr;
    const QByteArray q = (QStringLiteral("PRAGMA table_info(") + jet::quoteIdent(table) + u')').toUtf8();
    if (sqlite3_prepare_v2(c.db(), q.constData(), -1, &s, nullptr) != SQLITE_OK) c.fail(SQLITE_ERROR, table);
    while (sqlite3_step(s) == SQLITE_ROW) {
        FieldDef f;
        f.d_->name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
        const QString decl = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2)));
        const jet::ColumnType ct = jet::parseDeclaredType(decl);
        f.d_->type = ct.known ? ct.type : FieldType::Text;
        f.d_->size = ct.type == FieldType::Text ? ct.size : 0;
        f.d_->required = sqlite3_column_int(s, 3) != 0 && f.d_->type != FieldType::Boolean;
        const bool pk = sqlite3_column_int(s, 5) != 0;
        if (pk && autoinc && decl.trimmed().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
            f.d_->attributes |= dbAutoIncrField;
        f.d_->table = table;
        f.d_->db = db;
        out.push_back(f);
    }
    sqlite3_finalize(s);
    return out;
}

std::vector<FieldDef> TableDef::fields() const {
    if (auto db = d_->db.lock()) return DefsAccess::storedFields(db, d_->name);
    return d_->fields;
}

FieldDef TableDef::field(const QString& name) const {
    for (const FieldDef& f : fields())
        if (f.name().compare(name, Qt::CaseInsensitive) == 0) return f;
    raise(err::ItemNotFound, name);
}

std::vector<IndexDef> TableDef::indexes() const {
    auto db = d_->db.lock();
    if (!db) return d_->indexes;
    std::vector<IndexDef> out;
    Connection& c = db->connection();
    // The key of the table shows as the index "PrimaryKey".
    QStringList pkFields;
    {
        sqlite3_stmt* s = nullptr;
        const QByteArray q = (QStringLiteral("PRAGMA table_info(") + jet::quoteIdent(d_->name) + u')').toUtf8();
        if (sqlite3_prepare_v2(c.db(), q.constData(), -1, &s, nullptr) == SQLITE_OK) {
            std::vector<std::pair<int, QString>> pk;
            while (sqlite3_step(s) == SQLITE_ROW)
                if (sqlite3_column_int(s, 5) > 0)
                    pk.emplace_back(sqlite3_column_int(s, 5),
                                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1))));
            std::sort(pk.begin(), pk.end());
            for (const auto& p : pk) pkFields << p.second;
        }
        sqlite3_finalize(s);
    }
    if (!pkFields.isEmpty()) {
        IndexDef idx;
        idx.d_->name = QStringLiteral("PrimaryKey");
        idx.d_->primary = true;
        idx.d_->storedFields = pkFields;
        out.push_back(idx);
    }
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(c.db(),
                           "SELECT name FROM sqlite_master WHERE type='index' AND tbl_name = ?1 COLLATE NOCASE "
                           "AND sql IS NOT NULL ORDER BY rowid",
                           -1, &s, nullptr) == SQLITE_OK) {
        const QByteArray n = d_->name.toUtf8();
        sqlite3_bind_text(s, 1, n.constData(), int(n.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(s) == SQLITE_ROW) {
            QString stored = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
            IndexDef idx;
            const QString prefix = d_->name + QStringLiteral("__");
            idx.d_->name = stored.startsWith(prefix, Qt::CaseInsensitive) ? stored.mid(prefix.size()) : stored;
            sqlite3_stmt* info = nullptr;
            const QByteArray q = (QStringLiteral("PRAGMA index_info(") + jet::quoteIdent(stored) + u')').toUtf8();
            if (sqlite3_prepare_v2(c.db(), q.constData(), -1, &info, nullptr) == SQLITE_OK)
                while (sqlite3_step(info) == SQLITE_ROW)
                    idx.d_->storedFields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info, 2)));
            sqlite3_finalize(info);
            out.push_back(idx);
        }
    }
    sqlite3_finalize(s);
    return out;
}

FieldDef TableDef::createField(const QString& name, FieldType type, int size) const {
    FieldDef f;
    f.d_->name = name;
    f.d_->type = type;
    f.d_->size = type == FieldType::Text ? (size > 0 ? size : 255) : 0;
    return f;
}

void TableDef::appendField(const FieldDef& f) {
    auto db = d_->db.lock();
    if (!db) {
        for (const FieldDef& existing : d_->fields)
            if (existing.name().compare(f.name(), Qt::CaseInsensitive) == 0) raise(err::FieldDefinedTwice, f.name());
        d_->fields.push_back(f);
        return;
    }
    Connection& c = db->connection();
    if (f.attributes() & dbAutoIncrField) raise(err::InvalidOperation);
    Savepoint sp(c);
    c.exec(QStringLiteral("ALTER TABLE ") + jet::quoteIdent(d_->name) + QStringLiteral(" ADD COLUMN ") +
               jet::columnSql(f.name(), f.type(), f.size(), false, false),
           {});
    for (auto it = f.d_->pendingProps.constBegin(); it != f.d_->pendingProps.constEnd(); ++it)
        writeProp(c, d_->name, f.name(), it.key(), it.value());
    sp.commit();
    f.d_->table = d_->name;
    f.d_->db = db;
    f.d_->pendingProps.clear();
}

IndexDef TableDef::createIndex(const QString& name) const {
    IndexDef idx;
    idx.d_->name = name;
    return idx;
}

void TableDef::appendIndex(const IndexDef& idx) {
    auto db = d_->db.lock();
    if (!db) {
        d_->indexes.push_back(idx);
        return;
    }
    if (idx.primary()) raise(err::InvalidOperation);  // a stored table keeps its key
    QStringList cols;
    for (const QString& n : idx.fieldNames()) cols << jet::quoteIdent(n);
    db->connection().drainCursors();
    db->connection().exec(QStringLiteral("CREATE ") + (idx.unique() ? QStringLiteral("UNIQUE ") : QString()) +
                              QStringLiteral("INDEX ") + jet::quoteIdent(d_->name + QStringLiteral("__") + idx.name()) +
                              QStringLiteral(" ON ") + jet::quoteIdent(d_->name) + QStringLiteral(" (") +
                              cols.join(QStringLiteral(", ")) + u')',
                          {});
    ++db->connection().schemaStamp;
}

// ---------------------------------------------------------------- Database

std::vector<TableDef> Database::tableDefs() const {
    Connection& c = impl().connection();
    std::vector<TableDef> out;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(c.db(),
                           "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                           "ORDER BY rowid",
                           -1, &s, nullptr) != SQLITE_OK)
        c.fail(SQLITE_ERROR, QStringLiteral("TableDefs"));
    while (sqlite3_step(s) == SQLITE_ROW) {
        TableDef td;
        td.d_->name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        td.d_->db = impl_;
        out.push_back(td);
    }
    sqlite3_finalize(s);
    return out;
}

TableDef Database::tableDef(const QString& name) const {
    Connection& c = impl().connection();
    QString exact;
    if (!hasObject(c, QStringLiteral("table"), name, &exact)) raise(err::ItemNotFound, name);
    TableDef td;
    td.d_->name = exact;
    td.d_->db = impl_;
    return td;
}

TableDef Database::createTableDef(const QString& name) const {
    impl().connection();
    TableDef td;
    td.d_->name = name;
    return td;
}

void Database::appendTableDef(TableDef& td) {
    Connection& c = impl().connection();
    if (td.attached()) raise(err::TableExists, td.name());
    if (td.d_->fields.empty()) raise(err::InvalidOperation);
    // The primary index decides the key; a Counter key is the row id itself.
    QStringList pk;
    for (const IndexDef& idx : td.d_->indexes)
        if (idx.primary()) pk = idx.fieldNames();
    QStringList cols;
    bool counterKey = false;
    for (const FieldDef& f : td.d_->fields) {
        const bool counter = (f.attributes() & dbAutoIncrField) != 0;
        const bool singleKey = pk.size() == 1 && pk[0].compare(f.name(), Qt::CaseInsensitive) == 0;
        if (counter && !pk.isEmpty() && !singleKey) raise(err::InvalidOperation);
        cols << jet::columnSql(f.name(), f.type(), f.size(), counter, singleKey && !counter);
        if (counter) counterKey = true;
    }
    if (pk.size() > 1) {
        QStringList q;
        for (const QString& n : pk) q << jet::quoteIdent(n);
        cols << QStringLiteral("PRIMARY KEY (") + q.join(QStringLiteral(", ")) + u')';
    }
    (void)counterKey;
    Savepoint sp(c);
    c.exec(QStringLiteral("CREATE TABLE ") + jet::quoteIdent(td.name()) + QStringLiteral(" (") +
               cols.join(QStringLiteral(", ")) + u')',
           {}, jet::StatementKind::CreateTable);
    for (const IndexDef& idx : td.d_->indexes) {
        if (idx.primary()) continue;
        QStringList q;
        for (const QString& n : idx.fieldNames()) q << jet::quoteIdent(n);
        c.exec(QStringLiteral("CREATE ") + (idx.unique() ? QStringLiteral("UNIQUE ") : QString()) +
                   QStringLiteral("INDEX ") + jet::quoteIdent(td.name() + QStringLiteral("__") + idx.name()) +
                   QStringLiteral(" ON ") + jet::quoteIdent(td.name()) + QStringLiteral(" (") +
                   q.join(QStringLiteral(", ")) + u')',
               {});
    }
    for (const FieldDef& f : td.d_->fields)
        for (auto it = f.d_->pendingProps.constBegin(); it != f.d_->pendingProps.constEnd(); ++it)
            writeProp(c, td.name(), f.name(), it.key(), it.value());
    sp.commit();
    td.d_->db = impl_;
    td.d_->fields.clear();
    td.d_->indexes.clear();
}

void Database::deleteTableDef(const QString& name) {
    Connection& c = impl().connection();
    QString exact;
    if (!hasObject(c, QStringLiteral("table"), name, &exact)) raise(err::ItemNotFound, name);
    Savepoint sp(c);
    c.exec(QStringLiteral("DROP TABLE ") + jet::quoteIdent(exact), {});
    if (hasObject(c, QStringLiteral("table"), kPropsTable))
        c.exec(QStringLiteral("DELETE FROM ") + jet::quoteIdent(kPropsTable) + QStringLiteral(" WHERE TableName = ?"),
               {exact});
    sp.commit();
}

void Database::refreshTableDefs() {
    // Definitions are read from the file each time; nothing is cached.
    impl().connection();
}

std::vector<QueryDef> Database::queryDefs() const {
    Connection& c = impl().connection();
    std::vector<QueryDef> out;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(c.db(), "SELECT name, sql FROM sqlite_master WHERE type='view' ORDER BY rowid", -1, &s,
                           nullptr) != SQLITE_OK)
        c.fail(SQLITE_ERROR, QStringLiteral("QueryDefs"));
    std::vector<std::pair<QString, QString>> views;
    while (sqlite3_step(s) == SQLITE_ROW)
        views.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))),
                           QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 1))));
    sqlite3_finalize(s);
    const bool haveTexts = hasObject(c, QStringLiteral("table"), kQueriesTable);
    for (const auto& [name, viewSql] : views) {
        QString text = viewSql;
        if (haveTexts) {
            StatementLease q(c, QStringLiteral("SELECT SQL FROM ") + jet::quoteIdent(kQueriesTable) +
                                    QStringLiteral(" WHERE Name = ?"));
            bindAll(q, {name});
            if (sqlite3_step(q) == SQLITE_ROW)
                text = QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(q, 0)),
                               sqlite3_column_bytes16(q, 0) / 2);
        }
        out.push_back({name, text});
    }
    return out;
}

QueryDef Database::queryDef(const QString& name) const {
    for (const QueryDef& q : queryDefs())
        if (q.name.compare(name, Qt::CaseInsensitive) == 0) return q;
    raise(err::ItemNotFound, name);
}

void Database::createQueryDef(const QString& name, const QString& sql) {
    Connection& c = impl().connection();
    if (hasObject(c, QStringLiteral("view"), name) || hasObject(c, QStringLiteral("table"), name))
        raise(err::ObjectExists, name);
    const jet::Translation tr = jet::translate(sql);
    if (tr.kind != jet::StatementKind::Select) raise(err::InvalidOperation);
    Savepoint sp(c);
    c.exec(QStringLiteral("CREATE VIEW ") + jet::quoteIdent(name) + QStringLiteral(" AS ") + tr.sql, {});
    ensureQueriesTable(c);
    c.exec(QStringLiteral("INSERT OR REPLACE INTO ") + jet::quoteIdent(kQueriesTable) +
               QStringLiteral(" (Name, SQL) VALUES (?, ?)"),
           {name, sql});
    sp.commit();
}

void Database::deleteQueryDef(const QString& name) {
    Connection& c = impl().connection();
    QString exact;
    if (!hasObject(c, QStringLiteral("view"), name, &exact)) raise(err::ItemNotFound, name);
    Savepoint sp(c);
    c.exec(QStringLiteral("DROP VIEW ") + jet::quoteIdent(exact), {});
    if (hasObject(c, QStringLiteral("table"), kQueriesTable))
        c.exec(QStringLiteral("DELETE FROM ") + jet::quoteIdent(kQueriesTable) + QStringLiteral(" WHERE Name = ?"),
               {exact});
    sp.commit();
}

void makeEngineTables(sqlite3* h) {
    for (const QString& sql : {propsTableSql(), queriesTableSql(),
                               QStringLiteral("CREATE TABLE ") + kRepairMarkTable + QLatin1Char(' ') + kRepairMarkColumns})
        sqlite3_exec(h, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
}

}  // namespace dao
