#pragma once

// The layouts of a program's books, as the database layer takes them. The
// layer knows nothing of books by itself: the program hands it what it
// makes (DBEngine::setBookLayout), and every book the layer opens is
// compared with that before anything reads it as a book. A book that holds
// a definition the program does not make is not opened (ForeignLayout),
// and is left exactly as it was, with every file beside it.

#include <QString>
#include <vector>

namespace dao {

// One definition of a book as the engine keeps it: a row of its schema.
struct SchemaRow {
    QString type;   // "table", "index", "view", "trigger"
    QString name;
    QString table;  // the table it belongs to
    QString sql;    // as stored
    bool hasSql = true;  // false for the engine's own indexes of a table
    bool operator==(const SchemaRow&) const = default;
};

// A definition of a book that no layout of the program has: its kind and
// name, and the text that is not the program's (a column of a table, or the
// whole definition).
struct ForeignDefinition {
    QString type;
    QString name;
    QString text;
    bool operator==(const ForeignDefinition&) const = default;
};

class BookLayout {
public:
    virtual ~BookLayout() = default;
    // The definitions among rows (a book's whole schema, in its order) that
    // are not the program's, in their order; empty when every one is. The
    // database layer's own tables are not asked about.
    virtual std::vector<ForeignDefinition> foreign(const std::vector<SchemaRow>& rows) const = 0;
    // The definitions of the program's current layout, in the order the
    // program makes them: what a damaged book is rebuilt into.
    virtual std::vector<SchemaRow> current() const = 0;
};

}  // namespace dao
