#pragma once

// What the voucher windows read from the book besides the voucher and entry
// records: the lines of the voucher list, a page at a time; the largest
// number of entries on one side of a voucher, which sizes the entry rows;
// the highest voucher number; and the stored sums of the account whose
// balance the windows show (their account and cost-centre lists are core's).
// And what both voucher windows make: a new voucher of their mode, empty or
// from a template, and the date a typed voucher date stands for.
//
// Every function works on the book of the shared connection; database
// errors reach the caller.

#include "core/records/tosite.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"

#include <QDate>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vouchers {

class cTositePohja;

// A new voucher of a mode (the opening vouchers when avaus, the closing
// vouchers when paatos), numbered and dated as cTosite numbers a voucher
// (dated the first day of the financial year in a book without vouchers),
// and stored: numbered and stored in one transaction, so that its number and
// key are its own also while another copy of the program adds vouchers to
// the book. On an error nothing of it is in the book, and the error reaches
// the caller. Refused (null, nothing stored) when the book's financial year
// is no longer the one the program works in: another copy of the program
// has changed the year since this one read it.
std::unique_ptr<core::cTosite> UusiTosite(bool avaus, bool paatos);

// A new voucher of a mode made from the template p: UusiTosite with the
// template's description (not yet stored: the caller stores it), and the
// template's lines stored as its entries, each with the template's
// description. The voucher and its entries go into the book together or not
// at all: on an error nothing of it stays, its records write nothing, and
// the error reaches the caller. Refused (null) as UusiTosite is.
std::unique_ptr<core::cTosite> TositePohjasta(const cTositePohja& p, bool avaus, bool paatos);

// The date a date typed into a voucher's date field stands for: a date in a
// calendar year after the financial year's end (loppu) is taken for a slip
// of one year and moved a year back; any other date stays as typed (one
// before the year too: the window tells that it is outside).
QDate TositteenPaiva(const QDate& typed, const QDate& alku, const QDate& loppu);

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
