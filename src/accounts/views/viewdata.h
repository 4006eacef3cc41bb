#pragma once

// What the account views read from the book, and what they write to their
// work tables and to the chart: the balances of every account, the entries
// of one account, one account's daily balances, and a new account of the
// add-account dialog. Each reads the book of the shared connection unless
// it is given another; database errors reach the caller.
//
// Only the side codes "D" and "K" (in either case) count on a side; an
// entry with any other code adds to neither.

#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/dao/date.h"

#include <QString>
#include <vector>

namespace accounts {

// ---------------------------------------------------------------- balances of all accounts

// How many accounts the chart holds.
int TilienMaara();

// One account's line of the balances.
struct SaldoRivi {
    QString tili;  // "number name"
    dao::Currency debet;
    dao::Currency kredit;
};

// Every account of the chart, by number and then by key, with the sums of
// its entries of the current year's vouchers by side; automatic entries are
// left out.
std::vector<SaldoRivi> TilienSaldot();

// Empties the work table tlSaldot and writes the lines into it (the
// difference debit minus credit), whole or not at all.
void KirjoitaSaldot(const std::vector<SaldoRivi>& rivit);

// ---------------------------------------------------------------- entries of one account

// One entry of an account, with its voucher's number, date and text.
struct TarkasteluRivi {
    long numero = 0;
    dao::Date paiva;
    QString selite;
    dao::Currency debet;  // the amount on its side; the other side 0
    dao::Currency kredit;
};

// The entries of the account on the year's vouchers numbered 0 or above,
// by voucher date, then voucher number, then entry.
std::vector<TarkasteluRivi> TilinViennit(long tlID);

// Empties the work table tlTarkastelut and writes the lines into it (the
// difference debit minus credit), whole or not at all.
void KirjoitaTarkastelu(const std::vector<TarkasteluRivi>& rivit);

// ---------------------------------------------------------------- daily balances

// One day of an account with entries.
struct PaivaSaldo {
    dao::Date paiva;
    dao::Currency debet;   // the day's debit entries
    dao::Currency kredit;  // the day's credit entries
    dao::Currency saldo;   // debit minus credit of every day up to this one
};

// The days from alku to loppu on which the account has entries of vouchers
// numbered 0 or above, in date order. An entry with another side code still
// makes its day.
std::vector<PaivaSaldo> TilinPaivaSaldot(long tlID, const dao::Date& alku, const dao::Date& loppu);

// ---------------------------------------------------------------- a new account

// Whether an account of the chart has the number.
bool TilinumeroKaytossa(dao::Database& db, long numero);

// Stores a new account with the number, name and description; returns its key.
long LisaaTili(dao::Database& db, long numero, const QString& nimi, const QString& kuvaus);

}  // namespace accounts
