#pragma once

// What the voucher window reads from the book besides the voucher and entry
// records: the lines of its voucher list, a page at a time; the largest
// number of entries on one side of a voucher, which sizes its entry rows;
// the highest voucher number; and the stored sums of the account whose
// balance it shows. Its account and cost-centre lists are core's.
//
// Every function reads the book of the shared connection; database errors
// reach the caller.

#include "platform/dao/currency.h"
#include "platform/dao/database.h"

#include <QString>
#include <optional>
#include <vector>

namespace vouchers {

// One line of the voucher list.
struct TositeListanRivi {
    long toID = 0;
    long numero = 0;  // toNumero
    QString selite;   // toSelite
};

// The text of a voucher's line: the number, one space and the description
// (a voucher without description gives the number and the space).
QString TositeListanTeksti(long numero, const QString& selite);

// The vouchers numbered 0 and up of a mode: the opening vouchers when
// avaus, otherwise the closing vouchers when paatos, otherwise those that
// are neither. In number order, equal numbers in the order of toID; at most
// enintaan lines, beginning after the line jalkeen (from the first line
// when there is none).
std::vector<TositeListanRivi> TositeListanRivit(bool avaus, bool paatos, const std::optional<TositeListanRivi>& jalkeen,
                                                int enintaan);

// The largest number of debit entries, or of credit entries, that one
// voucher of the book has (every mode and number); vahintaan when none has
// more. Entries whose voucher is gone do not count. Only the vouchers with
// more than vahintaan entries in all are counted side by side, so that a
// book of small vouchers is looked over in the voucher index of the entries
// alone.
int SuurinVientimaara(int vahintaan);

// The highest voucher number of the book, work vouchers below 0 included;
// nothing for a book without vouchers.
std::optional<long> SuurinTositenumero();

// The debit and the credit sum of stored entries on one account.
struct TilinSummat {
    dao::Currency debet;
    dao::Currency kredit;
};

// The stored sums of one account, for a balance that is shown again for
// every voucher: the sums over the whole book are kept while the book reads
// the same, so that stepping from voucher to voucher does not sum the whole
// account again each time. (Within a transaction the book may still go
// back: nothing is kept then.)
class TilinSaldo {
public:
    // The entries on the account whose voucher exists; of the voucher toID
    // alone when toID is not 0. "D" counts as debit and "K" as credit, in
    // either case; any other side code counts on neither side.
    TilinSummat Summat(long tlID, long toID = 0);

private:
    struct Muistissa {
        dao::ContentStamp stamp;
        long tlID = 0;
        TilinSummat summat;
    };
    std::optional<Muistissa> kaikki_;
};

}  // namespace vouchers
