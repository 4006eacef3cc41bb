#pragma once

// Statement computation: the income statement into the work table tula, the
// balance sheet into tase, the turnover sums, the automatic profit bookings
// and the budget vouchers made from the budget table.
//
// A statement run goes: TyhjennaTulaJaTase, RakennaBudjettitositteet,
// LaskeLiikevaihto, TeeAutomaattikirjaukset, LaskeTuloslaskelma (then the
// optional pruning) and PoistaViimeinenTulaRivi. A balance sheet: the profit
// bookings of its income model, then LaskeTase.
//
// Every operation takes the open book from core::DBCon().AvaaDB() (except
// TyhjennaTulaJaTase, which is handed it). Database errors are not caught:
// they reach the command that started the run. Each operation that writes
// many rows does so inside one transaction, whole or not at all.

#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/dao/date.h"

#include <QString>
#include <QStringList>
#include <vector>

class QProgressBar;

namespace statements {

// Empties tula and tase ("DELETE FROM Tula", then "DELETE FROM Tase", in
// one transaction); a failing delete is passed over and the next one runs.
// A statement run starts here: the entries it sums are read anew.
void TyhjennaTulaJaTase(dao::Database& db);

// Empties the six budget voucher tables and rebuilds them from bu: for every
// year (previous, current, next) that has budget rows, twelve monthly
// vouchers and under each one entry per budget row with an account.
void RakennaBudjettitositteet();

// Zeroes the two turnover sums and sums the model's turnover row into them.
// Without a turnover row shows its message unless silent. Returns true when
// the model has a turnover row.
bool LaskeLiikevaihto(long maID, const dao::Date& start, const dao::Date& end, bool silent,
                      QProgressBar* bar);

// Books the model's result for the period as automatic vouchers between the
// model's profit account and the balance-sheet profit account of the
// settings (ledger, previous year and the three budget voucher pairs), after
// deleting every automatic row of the earlier run. When either account is
// missing or the two are the same it tells the user (whatever stepBar says)
// and changes nothing: the earlier run's automatic rows stay as they are and
// the profit sums are 0. The bar is stepped only when stepBar is true.
// Returns what stopped the bookings, each as it was told (translated,
// without the line that no bookings are made); empty when they were made.
QStringList TeeAutomaattikirjaukset(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar,
                                    bool stepBar);

// Computes every row of the income model into tula (appends; empties
// nothing). Always returns true.
bool LaskeTuloslaskelma(long maID, const dao::Date& start, const dao::Date& end,
                        QProgressBar* bar);

// Deletes the tula line with the highest tulaID (the trailing blank line).
void PoistaViimeinenTulaRivi();

// Computes the balance model as of the end date into tase (appends): every
// balance runs from TilikausiAlku (opening vouchers whatever their date) to
// the end; the start only serves the income statements of formula rows.
// With TiliErottelu each account gets a line of its own (tasetlID the
// account, taseIsGroupRow False).
void LaskeTase(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar);

// ---------------------------------------------------------------- accounts left out

// An account of the chart whose entries a statement leaves out.
struct PuuttuvaTili {
    long tlID = 0;
    long numero = 0;  // tlNumero
    QString nimi;     // tlNimi
    // The number, a blank and the name: "3080 Muut tuotot".
    QString teksti() const;
};

// Which entries of the year TilitMallienUlkopuolella looks at.
enum class Automaattiset {
    Mukana,  // as the book holds them (a statement computed)
    Pois,    // left out: the run to come writes them anew
};

// The accounts with entries in the current year's ledger that a statement
// of model maID would count, but that stand on no row of the models it is
// computed by: a balance model and its income model, or an income model
// and the balance models that book its profit (every balance model when
// none does). A balance sheet counts the vouchers dated from..to and every
// opening voucher whatever its date, an income statement the vouchers
// dated from..to. An account whose entries there sum to nothing changes no
// figure and is not listed; entries naming no account of the chart are the
// voucher checker's to report. In the order of the account numbers.
std::vector<PuuttuvaTili> TilitMallienUlkopuolella(dao::Database& db, long maID, const dao::Date& from,
                                                   const dao::Date& to, Automaattiset automaattiset);

// ---------------------------------------------------------------- further

// The turnover row's silence: a balance sheet's formula rows compute their
// income model with this as LaskeLiikevaihto's silent flag. The statement
// print sets it (False for an income statement, True for a balance sheet).
inline bool bLiikevaihtoHiljaa = false;

// The turnover sums of the last LaskeLiikevaihto: the period, and from the
// start of the financial year to the period's end.
dao::Currency LvToteutunutKuluva();
dao::Currency LvToteutunutKuluvaAlusta();

// True when some model row names the row as its parent.
bool IsGroup(dao::Database& db, long mrID);
// The account's line text: number, a blank and the name (the name alone
// when account numbers are not shown); "" when there is no such account.
QString GetTiliTeksti(dao::Database& db, long tlID);
// Evaluates one formula row of an income model into tula: the formula line
// at the given level and a blank line after it; nothing when the row does
// not exist.
void LaskeKaavaRivi(dao::Database& db, long mrID, int level);

// The model's profit account: the leading number of its profit row's
// account list; 0 when there is none.
long GetVoittotili(dao::Database& db, long maID);
// Deletes every automatic voucher and entry of the ten ledger and budget
// voucher tables.
void PoistaAutomaattikirjaukset(dao::Database& db);
// The ten profit sums of the last TeeAutomaattikirjaukset, in the order of
// the income-statement amount columns (ToteutunutKuluva, ToteutunutEdellinen,
// ToteutunutKuluvaAlusta, ToteutunutEdellinenAlusta, BudjetoituKuluva,
// BudjetoituEdellinen, BudjetoituTuleva, BudjetoituKuluvaAlusta,
// BudjetoituEdellinenAlusta, BudjetoituTulevaAlusta).
dao::Currency VoittoSumma(int column);

// Deletes every row of the six budget voucher tables.
void TyhjennaBudjettitositteet(dao::Database& db);

// Pruning of the groups without values (the period dialog's "only groups
// with values"), and the removal of the separator after each top-level
// block of the balance sheet.
void KarsiTyhjatTulaRyhmat();
void KarsiTyhjatTaseRyhmat();
void PoistaTaseValirivit();

}  // namespace statements
