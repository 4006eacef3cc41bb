#pragma once

// The voucher checker: looks over the book's own vouchers (number 0 and up)
// and reports each voucher dated outside the financial year, whose debit
// and credit totals differ, or one of whose entries names an account that
// does not exist. Before those, it reports every key, number, amount or
// date of a voucher or an entry that the program never writes (which the
// other commands refuse to read) and every entry whose voucher is gone. An
// entry whose voucher is gone is removed only when it holds neither an
// account nor an amount; the check corrects nothing else.

#include "platform/dao/date.h"

#include <QString>
#include <vector>

namespace vouchers {

// One finding, filled from the voucher it concerns.
class cTositeTarkistusVirhe {
public:
    long ToId = 0;             // toID
    long Numero = -999999;     // toNumero
    dao::Date Paiva;           // toPvm; date 0 when the voucher has none
    QString Selite;            // toSelite
    bool Avaustosite = false;  // toAvaustosite
    bool Paatostosite = false; // toPaatostosite
    QString VirheTeksti;       // the message, translated
};

class cTositeTarkistus {
public:
    // The values the program never writes (vouchers in number order, then
    // entries), the entries without a voucher (current year, then previous),
    // then three passes,
    // each in voucher-number order: dates, balances, accounts. A voucher
    // that breaks several rules gives one finding per rule; an entry without
    // a valid account gives a finding of its own. Automatic vouchers are
    // left out of the date and balance passes, not out of the account pass;
    // a voucher with a value the program never writes, in itself or in an
    // entry, is left out of all three. Database errors reach the caller.
    std::vector<cTositeTarkistusVirhe> TarkistaTositteet();
};

}  // namespace vouchers
