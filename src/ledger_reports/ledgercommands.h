#pragma once

// The ledger reports of the voucher windows' report menu: the general
// ledger, the general ledger of one cost centre, the journal and one
// account's report. Each voucher window hands its command a LedgerCaller:
// its name, its mode and its save command.
//
// Every command: the window's save, the period dialog (a cancel ends the
// command), the preparation of the book where the report needs one
// (ledgerprep.h), the print dialog (a cancel ends the command), then the
// shared report control is reset and given the definition file of the
// settings (landscape: VaakaTulostus; cost centres: Kustannuspaikat), the
// destination and copies, the selection formula, the section fonts, the
// named formulas and the sort fields, and run.
//
// A failure ends the command; the preparation is then undone whole. The
// database's "no current record" (3021) tells the user "Tietuetta ei ole
// valittuna."; any other failure is shown with its number and text, except
// in the older voucher window (legacyWindow), whose commands end without a
// message.

#include "ledger_reports/ledgerprep.h"

#include <QString>
#include <functional>

namespace ledger {

struct LedgerCaller {
    // The window's name: the section of its failure messages
    // ("frmNewTositteet" or "frmTositteet").
    QString windowName;
    bool bAvaustosite = false;
    bool bPaatostosite = false;
    // The window's save command, run as the command begins (the journal:
    // once its period is accepted); the command goes on whatever it did.
    std::function<void()> save;
    // The older voucher window frmTositteet: failures other than 3021 end
    // the command without a message.
    bool legacyWindow = false;
    // The database the preparation, the journal's counts and the account
    // title read, taken once per command; empty: the shared connection's.
    // frmTositteet hands the database of its vouchers data control.
    std::function<dao::Database()> database;
};

// mPaakirja: every account flagged for printing with its opening balance,
// the entries of the period and its closing balance (frmDates3).
void RunPaakirja(const LedgerCaller& caller);
// mPaakirjaKustannuspaikalle: the same for the entries of the cost centre
// chosen in frmDates6 (none chosen: every entry, as RunPaakirja).
void RunPaakirjaKustannuspaikalle(const LedgerCaller& caller);
// mPaivakirja: the vouchers of the period with their entries, with the
// counts and sums of entries and vouchers (frmDates2).
void RunPaivakirja(const LedgerCaller& caller);
// mRapYksiTili: the general ledger narrowed to the account chosen in
// frmDates4 (none chosen: every account).
void RunYksiTili(const LedgerCaller& caller);

// ---- What the commands hand the report control, for the windows' tests
// and the benchmark.

// "Date(y,m,d)" without leading zeros.
QString FormulaDate(const dao::Date& d);

// The general ledger's selection formula; kpID not 0 limits the mode's
// entries to that cost centre (the pseudo voucher's lines pass whatever
// their centre).
QString PaakirjaSelection(Raporttitila tila, const dao::Date& start, const dao::Date& end, long kpID);
// The journal's selection formula.
QString PaivakirjaSelection(Raporttitila tila, const dao::Date& start, const dao::Date& end);

// Definition files, by the settings VaakaTulostus and Kustannuspaikat:
// "paakirjb.rpt", "paakivab.rpt", each with "kp" before ".rpt" when cost
// centres are in use; the journal "paikirj" / "paikiva", the mode's letter
// (a ordinary, b opening, e closing), "kp" when cost centres are in use.
QString PaakirjaFile();
QString PaivakirjaFile(Raporttitila tila);

// The title of an account as the one-account report shows it: number, a
// blank and name (only the name when NaytaTilinumerot is off); empty when
// there is no such account.
QString GetTiliOtsikko(dao::Database& db, long tlID);

}  // namespace ledger
