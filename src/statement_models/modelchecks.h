#pragma once

// The model checks: one income-statement model and/or one balance-sheet
// model are examined for what makes a computed statement wrong - accounts
// on a group or on a formula row, balance sides that do not fit, several
// profit rows, formulas left on rows that do not use them, formula terms
// out of the order the rows stand in, accounts used twice or nowhere. The
// checks only read and show nothing; the callers list the findings.
// KorjaaSaldopuolet rewrites the balance sides of one model.
//
// Damaged data (a parent that is no row, a parent chain that returns to
// itself, a formula piece that is not a number) never makes a check run
// without end: such links are followed once and such pieces skipped.

#include "platform/dao/database.h"

#include <QString>
#include <vector>

namespace statement_models {

// One finding.
struct cMalliVirhe {
    // The row the finding is about; 0 for the formula-order and the two
    // account checks and for the notes of checks not run.
    long mrID = 0;
    // The message, translated.
    QString VirheTeksti;
    // Where: the row's location (model name, then each level indented by
    // two blanks per level, each line ending in CR LF), or the account's
    // text for the account checks.
    QString HierarkiaTeksti;
};

using MalliVirheet = std::vector<cMalliVirhe>;

// Checks the income model tulosMaID and the balance model taseMaID (0 =
// not given), in this order: the six checks of each model, then, when both
// are given, the accounts used nowhere and those used more than once;
// when only one is given, two notes say that these were not checked.
// Both 0: no findings and nothing read. The database is the shared one.
MalliVirheet TarkistaMallit(long tulosMaID, long taseMaID);

// Sets the balance side of every row of the model maID as its statement
// calls for: "K" on every row of an income model; on a balance model "D"
// on the "Vastaavaa" side and "K" on the "Vastattavaa" side (rows on
// neither side, and rows without a side, are left alone). One transaction.
void KorjaaSaldopuolet(dao::Database& db, long maID);

// The location text of a row within model maID.
QString GetRiviSijainti(dao::Database& db, long mrID, long maID);
// The balance-sheet side of a row: 0 none, 1 "Vastaavaa", 2 "Vastattavaa"
// (the words, translated, anywhere in its location, letter case aside;
// "Vastattavaa" wins).
int GetTasePuoli(dao::Database& db, long mrID, long maID);
// The account's number and name (the name alone when account numbers are
// not shown); "" when there is no such account.
QString GetTiliTeksti(dao::Database& db, long tlID);

}  // namespace statement_models
