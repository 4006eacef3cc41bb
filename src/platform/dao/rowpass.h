#pragma once

// A read-only pass over the rows of a SELECT, for readings of many rows:
// each value is read from the engine when its row is reached, without a
// recordset's row store, its per-row checks or the upkeep of released rows.
// A value reads as the same query's recordset field gives it. The pass
// holds its statement until its last row has been passed or the pass ends:
// the book is not to be written while a pass is open.

#include "platform/dao/database.h"

#include <QUtf8StringView>
#include <memory>
#include <optional>
#include <vector>

namespace dao {

class RowPass {
public:
    // A SELECT in the Jet dialect; '?' marks a bound value.
    RowPass(Database& db, const QString& sql, const Params& params = {});
    ~RowPass();
    RowPass(const RowPass&) = delete;
    RowPass& operator=(const RowPass&) = delete;

    // The column of that name, in any case; ItemNotFound when there is none.
    int column(const QString& name) const;

    // Moves to the next row (the first, at first); false when there is none.
    bool next();

    // The current row's value of a column. A key, a number, an amount or a
    // date that the program never writes raises ValueNotWritten, naming the
    // table, the row and the column.
    Variant value(int column) const;
    // Such a value as a message shows it (a number as stored, a text in
    // quotes); nothing for a value that value() reads.
    std::optional<QString> fault(int column) const;
    // Whether that value is Null, without reading it.
    bool isNull(int column) const;
    // The value of a text field holding a text, in place as stored
    // (UTF-8); nothing for any other value. It stands until the pass moves.
    std::optional<QUtf8StringView> storedText(int column) const;

private:
    friend class RowPassParts;
    struct Impl;
    explicit RowPass(std::unique_ptr<Impl> d);
    std::unique_ptr<Impl> d_;
};

// The rows of a SELECT read in consecutive parts, each on a read-only
// connection of its own, so that threads can read the parts side by side.
// The parts' rows, one part after another, are the rows the SELECT gives on
// the book's own connection, in the same order, and all parts read the book
// as it stood at one moment. The SELECT binds no values. One that cannot be
// cut so is one part, read on the book's connection: one whose rows are not
// read in the order of its first table's rows, one with a condition,
// grouping, order or subquery of its own, one on a book in a transaction
// (another connection would not see its unsaved work), or one over fewer
// rows than two parts of fewestRowsPerPart.
class RowPassParts {
public:
    RowPassParts(Database& db, const QString& sql, int parts, int fewestRowsPerPart);
    ~RowPassParts();
    RowPassParts(const RowPassParts&) = delete;
    RowPassParts& operator=(const RowPassParts&) = delete;

    int count() const;
    // The pass over part i. Each part is passed once; the passes of two
    // parts may be made and used on two threads at once.
    std::unique_ptr<RowPass> pass(int i);

private:
    void cut(int parts, int fewestRowsPerPart);

    struct Part;
    std::vector<std::unique_ptr<Part>> parts_;
    Database* db_;
    QString sql_;
    QString partSql_;  // translated, with the bounds of a part
};

}  // namespace dao
