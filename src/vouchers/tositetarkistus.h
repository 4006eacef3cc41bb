#pragma once

// The voucher checker: looks over the book's own vouchers (number 0 and up)
// and reports each voucher dated outside the financial year, whose debit
// and credit totals differ, or one of whose entries names an account that
// does not exist. Before it checks, it deletes entries whose voucher is
// gone, in the current and in the previous-year tables; it corrects
// nothing else.

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
    // Deletes the entries without a voucher, then checks in three passes,
    // each in voucher-number order: dates, balances, accounts. A voucher
    // that breaks several rules gives one finding per rule; an entry without
    // a valid account gives a finding of its own. Automatic vouchers are
    // left out of the date and balance passes, not out of the account pass.
    // Database errors reach the caller.
    std::vector<cTositeTarkistusVirhe> TarkistaTositteet();
};

}  // namespace vouchers
