#pragma once

// The maintenance console: "Muokkaa tietokantaa" reads one typed command
// and runs it at once on the book in use (DatabasePath), without asking for
// confirmation, then tells what was done.
//
//   POISTA KAIKKI                 every voucher, entry, model, account,
//                                 budget and cost centre
//   POISTA NYKYISET TOSITTEET     the current year's vouchers and entries
//   POISTA EDELLISET TOSITTEET    the previous year's vouchers and entries
//   POISTA TULOSLASKELMAMALLIT    income-statement models with their rows
//   POISTA TASEMALLIT             balance-sheet models with their rows
//   POISTA TILIT                  the chart of accounts
//   POISTA KUSTANNUSPAIKAT        the cost centres
//   POISTA BUDJETIT               budgets and budget vouchers
//   TARKISTA SELITTEET            each current entry takes its voucher's text
//   POISTA VIENNIT <number>       the entries of one account, both years
//
// Commands are read in capitals, whatever the letter case typed. Each
// command is one transaction: a failing statement (a locked book, a table an
// old book lacks) is reported in a message, and the command leaves the book
// as it was. Values typed or stored in the book are bound as parameters,
// never pasted into SQL.

#include "platform/dao/database.h"

#include <QString>
#include <optional>

namespace shell {

// The menu command: the input box, then RunConsoleCommand. An empty answer
// (or a cancel) does nothing.
void RunMaintenanceConsole();

// Runs one command as typed and shows its message.
void RunConsoleCommand(const QString& typed);

// Opens the book at path with a connection of its own, runs the statement
// and closes the connection. Errors reach the caller.
void ExecuteOnDatabaseFile(const QString& sql, const QString& path, const dao::Params& params = {});

// The procedures of the commands. Errors of the database reach the caller.
void DeleteCurrentVouchers();        // to, vi
void DeletePreviousVouchers();       // toE, viE
void DeleteIncomeStatementModels();  // ma of type 1 with their mr rows
void DeleteBalanceSheetModels();     // ma of type 2 with their mr rows
void DeleteAccounts();               // tl
void DeleteBudgets();                // bu and the six budget voucher tables
void DeleteCostCentres();            // kp
void CopyVoucherTextsToEntries();    // vi.viSelite = its voucher's toSelite
// The entries of both years of the account whose number the text gives
// (the text as typed after the command word, blanks around it allowed);
// nothing when no account has that number. A text that is not a number
// raises dao::DaoError 3075 and deletes nothing.
void DeleteEntriesOfAccount(const QString& accountNumber);

// The value of an account-number text as the book compares it with
// tlNumero: a whole number read as a typed amount is (blanks around it and
// between digit groups allowed); nothing for any other text.
std::optional<double> AccountNumberValue(const QString& text);

}  // namespace shell
