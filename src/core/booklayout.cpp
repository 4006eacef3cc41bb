#include "core/booklayout.h"

#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/dao/database.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>

namespace core {

namespace {

// A table's definition split as the engine stores it: its head up to the
// opening parenthesis, and its columns (a column added later is stored as
// one more column before the closing one). Nothing when the text is not of
// that form: quotes and parentheses are matched, and the text ends with
// the list.
struct SplitTable {
    QString head;
    QStringList columns;
};

std::optional<SplitTable> splitTable(const QString& sql) {
    SplitTable t;
    int depth = 0;
    int start = -1;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();  // a doubled quote opens again at once
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'`') {
            quote = c;
        } else if (c == u'[') {
            quote = u']';
        } else if (c == u'(') {
            if (depth++ == 0) {
                if (start >= 0) return std::nullopt;  // a second list
                t.head = sql.left(i + 1);
                start = i + 1;
            }
        } else if (c == u')') {
            if (--depth < 0) return std::nullopt;
            if (depth == 0) {
                t.columns << sql.mid(start, i - start).trimmed();
                if (i != sql.size() - 1) return std::nullopt;  // anything after the list
            }
        } else if (c == u',' && depth == 1) {
            t.columns << sql.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    if (!quote.isNull() || depth != 0 || start < 0) return std::nullopt;
    return t;
}

// The name a column's definition begins with, as the engine compares names.
QString columnName(const QString& column) {
    if (column.startsWith(u'"')) {
        const int end = column.indexOf(u'"', 1);
        return (end < 0 ? column : column.mid(1, end - 1)).toCaseFolded();
    }
    return column.section(u' ', 0, 0).toCaseFolded();
}

// What the program makes of one table, at any of its layouts.
struct TableForms {
    QString head;
    QString key;  // its first column, the key
    QSet<QString> columns;
    QSet<QString> ownIndexes;  // the engine's own indexes of the table, by name
};

class ProgramLayout final : public dao::BookLayout {
public:
    ProgramLayout() {
        dao::Database db = dao::DBEngine::CreateMemoryDatabase();
        // What a template brings, then what the upgrade makes of it.
        runSqlScript(db, BaseLayoutSql());
        learn(db.schema());
        UpdateDatabase(db);
        current_ = db.schema();
        learn(current_);
        db.Close();
    }

    std::vector<dao::ForeignDefinition> foreign(const std::vector<dao::SchemaRow>& rows) const override {
        std::vector<dao::ForeignDefinition> out;
        for (const dao::SchemaRow& r : rows)
            if (const std::optional<QString> text = foreignText(r)) out.push_back({r.type, r.name, *text});
        return out;
    }

    std::vector<dao::SchemaRow> current() const override { return current_; }

private:
    void learn(const std::vector<dao::SchemaRow>& rows) {
        for (const dao::SchemaRow& r : rows) {
            const bool table = r.type == QLatin1String("table");
            const std::optional<SplitTable> split = table && r.hasSql ? splitTable(r.sql) : std::nullopt;
            if (table && split && !split->columns.isEmpty()) {
                TableForms& f = tables_[r.name.toCaseFolded()];
                f.head = split->head;
                f.key = split->columns.front();
                for (const QString& c : split->columns) f.columns.insert(c);
            } else if (!r.hasSql) {
                tables_[r.table.toCaseFolded()].ownIndexes.insert(r.name);
            } else if (!others_.contains(r)) {
                others_ << r;
            }
        }
    }

    // The text of a definition that is not the program's; nothing when it is.
    std::optional<QString> foreignText(const dao::SchemaRow& r) const {
        const auto forms = tables_.constFind(r.table.toCaseFolded());
        if (!r.hasSql) {
            // The engine's own index of a table: of the program's tables, by
            // the name the engine gives it.
            if (r.type == QLatin1String("index") && forms != tables_.constEnd() && forms->ownIndexes.contains(r.name))
                return std::nullopt;
            return r.name;
        }
        if (r.type == QLatin1String("table") && forms != tables_.constEnd() && !forms->head.isEmpty() &&
            r.name == r.table)
            return foreignColumn(r, *forms);
        if (others_.contains(r)) return std::nullopt;
        return r.sql;
    }

    static std::optional<QString> foreignColumn(const dao::SchemaRow& r, const TableForms& forms) {
        const std::optional<SplitTable> split = splitTable(r.sql);
        if (!split || split->head != forms.head || split->columns.isEmpty() || split->columns.front() != forms.key)
            return r.sql;
        QSet<QString> names;
        for (const QString& c : split->columns) {
            if (!forms.columns.contains(c)) return c;
            const QString name = columnName(c);
            if (names.contains(name)) return c;
            names.insert(name);
        }
        return std::nullopt;
    }

    QHash<QString, TableForms> tables_;  // by the name, case folded
    QList<dao::SchemaRow> others_;       // every other definition, exactly
    std::vector<dao::SchemaRow> current_;
};

// Made when first asked: the program's own statements run in memory.
class LazyLayout final : public dao::BookLayout {
public:
    std::vector<dao::ForeignDefinition> foreign(const std::vector<dao::SchemaRow>& rows) const override {
        return layout().foreign(rows);
    }
    std::vector<dao::SchemaRow> current() const override { return layout().current(); }

private:
    static const ProgramLayout& layout() {
        static const ProgramLayout made;
        return made;
    }
};

}  // namespace

std::shared_ptr<const dao::BookLayout> ProgramBookLayout() {
    static const std::shared_ptr<const dao::BookLayout> layout = std::make_shared<LazyLayout>();
    return layout;
}

}  // namespace core
