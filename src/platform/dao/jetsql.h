#pragma once

// Translation of statements in the Jet dialect of SQL into SQLite's dialect.
// A lexer splits the text into tokens; the rewriting works on tokens, so
// texts inside string literals are never touched.

#include "platform/dao/database.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace dao::jet {

enum class StatementKind { Select, Insert, Update, Delete, CreateTable, CreateIndex, DropTable, DropIndex, AlterTable, Other };

struct TableRef {
    QString table;  // name as written (the real table or query)
    QString alias;  // alias, or the name itself
};

struct Translation {
    QString sql;
    StatementKind kind = StatementKind::Other;
    // A SELECT whose rows map to rows of its tables: no DISTINCT, GROUP BY,
    // aggregate, UNION or sub-select in its FROM.
    bool rowSource = false;
    std::vector<TableRef> tables;  // the top-level FROM tables, in order
    // SELECT only: where the select list begins in `sql`, so that key columns
    // can be put in front of it.
    qsizetype selectListPos = -1;
    int limit = -1;  // TOP n
};

// Translates one statement. Raises a DaoError for what cannot be read.
Translation translate(const QString& jetSql);

// A column definition of a table in SQLite's terms, with the conventions
// of the books: Counter, Long, Integer, Boolean, Currency, Date, Text(n) ...
QString columnSql(const QString& name, FieldType type, int size, bool counter, bool primaryKey);

// Reads a declared column type back: the field type, text width and whether
// it is the table's Counter key.
struct ColumnType {
    FieldType type = FieldType::Text;
    int size = 0;
    bool known = false;
};
ColumnType parseDeclaredType(const QString& declared);

QString quoteIdent(const QString& name);
QString quoteText(const QString& text);

}  // namespace dao::jet
