#pragma once

// The lines of the budget window for one income-statement model: a heading
// line for every row of the model (indented by its depth) and, under each
// row that has no rows below it, a line for every account the row lists.
// Profit rows and everything under them are left out.

#include "platform/dao/database.h"

#include <QString>
#include <vector>

namespace budget {

struct BudjettiRivi {
    QString teksti;  // the text at the start of the line, indent included
    long tlID = 0;   // the account of an account line; 0 for a heading
};

// Every line of the model, in the order of the window. An account that the
// model names but the chart no longer has gives no line. A model whose rows
// form no tree is refused (statement_models::MallipuuVirhe).
std::vector<BudjettiRivi> MallinRivit(dao::Database& db, long maID);

// How many lines the model gives.
long LaskeRivimaara(dao::Database& db, long maID);

// Whether another row of the model (a profit row too) has mrID as parent.
bool OnAlirivit(dao::Database& db, long mrID);

}  // namespace budget
