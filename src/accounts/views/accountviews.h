#pragma once

// Opening the account views from the voucher windows' menus (F6, F8, F9).
// Each loads its window on first use and shows it, not modal; a window
// already open is brought forward as it is, without computing again.
// Nothing is passed and nothing is handed back.

namespace accounts {

// frmTilienSaldot: the balances of all accounts.
void ShowTilienSaldot();
// frmTilitarkastelu: one account's entries.
void ShowTilitarkastelu();
// frmPaivaSaldot: one account's daily balances.
void ShowPaivaSaldot();

// Registers the three under their window names ("frmTilienSaldot",
// "frmTilitarkastelu", "frmPaivaSaldot") with the program's openers
// (shell/openers.h), through which the voucher windows open them.
void RegisterAccountViews();

}  // namespace accounts
