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

    // The current row's value of a column.
    Variant value(int column) const;
    // Whether that value is Null, without reading it.
    bool isNull(int column) const;
    // The value of a text field holding a text, in place as stored
    // (UTF-8); nothing for any other value. It stands until the pass moves.
    std::optional<QUtf8StringView> storedText(int column) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace dao
