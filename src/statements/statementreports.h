#pragma once

// The statement reports of the model editor: the statement print (income
// statement or balance sheet of the model shown, wide or narrow), the
// budget comparison of an income model, and the chart of accounts as the
// statement models arrange it. Each asks for its period or models, runs the
// statement computation into the work tables, asks for the destination and
// hands the result to the shared report control.

#include "platform/dao/database.h"

namespace statement_models {
class frmNewTulosJaTase;
}

namespace statements {

// Plugs the three commands into the model editor (its print button and menu
// items).
void RegisterStatementCommands();

// cTulosta / mTulosta: "tula.rpt", "tulas.rpt", "tase.rpt" or "tases.rpt".
void TulostaLaskelma(statement_models::frmNewTulosJaTase& w);
// mRapBudjettivertailu: "tulabudj.rpt".
void TulostaBudjettivertailu(statement_models::frmNewTulosJaTase& w);
// mTulTililuettelo: "tilikart.rpt".
void TulostaTililuettelo(statement_models::frmNewTulosJaTase& w);

// The work table tk of the account-list report: emptied, then the two
// sides of a balance model (tkParam 1 and 2, its two top rows) and the income model
// (tkParam 3). TeeTaseenTk returns false, writing nothing, when the balance
// model does not have exactly two top rows.
void TyhjennaTk(dao::Database& db);
bool TeeTaseenTk(dao::Database& db, long maID);
void TeeTuloslaskelmanTk(dao::Database& db, long maID);

}  // namespace statements
