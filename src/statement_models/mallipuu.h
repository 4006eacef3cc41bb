#pragma once

// Whether a model's rows form the tree its walks take them for. Each row
// names its parent in mrBelongsToGroup (0 for a top row); the editor, the
// statements, the budget, the checks and the account list walk a model
// from its top rows down, and a row's text is shown with the groups above
// it. A book may hold rows that form no such tree: a row whose parent chain
// comes back to itself, a row keyed 0 (which the top rows name as their
// parent), or groups nested deeper than the program's printouts take. Such
// a model is refused in words that name its rows, before any walk begins;
// no walk cuts it short or follows it without end.

#include "platform/dao/database.h"
#include "platform/error/numberederror.h"

#include <QString>
#include <memory>

namespace statement_models {

// The deepest a row may lie below its model: the program's own models
// have four levels, and the statements print their lines indented by the
// level up to six (the seventh is the formula rows' level).
constexpr int kSuurinSyvyys = 6;

// The refusal of a model whose rows form no tree; its text names the model
// and the rows.
class MallipuuVirhe : public errors::NumberedError {
public:
    static constexpr int kNumero = 3970;
    explicit MallipuuVirhe(const QString& text) : NumberedError(kNumero, text) {}
};

// The rows of every model of the book, read once, for the checks below.
class Mallipuut {
public:
    explicit Mallipuut(dao::Database& db);
    ~Mallipuut();
    Mallipuut(const Mallipuut&) = delete;
    Mallipuut& operator=(const Mallipuut&) = delete;

    // Refuses (MallipuuVirhe) model maID when one of its rows is its own
    // ancestor, is keyed 0, or lies deeper than kSuurinSyvyys below the
    // model. Every row of the model is looked at, also one no walk from the
    // top reaches.
    void Tarkista(long maID);
    // The depth of a row below its model (a top row 1; 0 for no such row),
    // as its parent chain gives it; refuses as Tarkista when the chain does
    // not end.
    int Syvyys(long mrID);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Mallipuut(db).Tarkista(maID).
void TarkistaMallipuu(dao::Database& db, long maID);

// For a walk down a model: refuses the row mrID found at depth syvyys (the
// model's top rows at 1) when that is deeper than kSuurinSyvyys, for the
// book changed after the walk's model was looked over.
void TarkistaSyvyys(dao::Database& db, long mrID, int syvyys);


}  // namespace statement_models
