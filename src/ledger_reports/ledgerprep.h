#pragma once

// The preparation of the book for the ledger-type reports (the general
// ledger, the general ledger of one cost centre, one account's report), and
// the counts and sums of the journal.
//
// The ledger definitions read the accounts table `tl` joined with the
// entries `vi` and their vouchers `to`. They take each account's opening and
// closing balance of the period from the work columns tlAlkusaldo and
// tlLoppusaldo, print the accounts whose tlPrint is True, and list an
// account that has no entry in the period because a pseudo voucher numbered
// -1 gives every account one empty entry. The procedures below produce
// exactly that state in the live tables:
//
//   NollaaTilienSaldot                 before the period dialog
//   LaskeAlkusaldot, LaskeLoppusaldot,
//   MerkitseTulostettavatTilit,
//   LuoApuTositteet                    after it, in this order
//
// ValmisteleTilit runs the last four as one transaction: the book holds
// either the whole preparation or none of it.
//
// The report mode comes from the calling voucher window's two flags:
// opening entries when avaus is True (it wins), closing entries when only
// paatos is True, the ordinary entries otherwise. kpID 0 takes the entries
// of every cost centre; any other value only that centre's.
//
// Balances are debit-positive: an entry of type "D" adds its amount, an
// entry of any other type subtracts it; an entry without an amount counts
// as 0. The program's own work vouchers (this preparation's pseudo voucher,
// the statement computation's automatic profit bookings) are numbered below
// 0 and marked automatic (toAutomaatti), a mark no window sets: they count in
// no balance and are removed before the pseudo voucher is written. A voucher
// numbered below 0 without the mark is the book's own: it is never removed,
// and the ledger commands name it (AlleNollanTositteet) rather than print
// without it.
//
// Every value reaches the database as a bound value. Errors of the database
// (dao::DaoError) reach the caller; a procedure that fails has changed
// nothing.

#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/dao/date.h"

#include <QString>
#include <vector>

namespace ledger {

enum class Raporttitila { Tavalliset, Avausviennit, Paatosviennit };

// Opening mode wins over closing mode.
Raporttitila TilaOf(bool avaus, bool paatos);

// db is set to the shared connection's database (core::DBCon().AvaaDB());
// both balance columns of every account become 0.
void NollaaTilienSaldot(dao::Database& db);

// tlAlkusaldo of every account: the balance at the start of the period.
//  - ordinary mode: the opening entries, plus the ordinary entries dated
//    before start when start is not the first day of the financial year;
//  - closing mode: every entry of the year that is not a closing entry,
//    whatever its date;
//  - opening mode: 0.
// Entries whose account no longer exists are skipped.
void LaskeAlkusaldot(dao::Database& db, const dao::Date& start, bool avaus, bool paatos, long kpID);

// tlLoppusaldo of every account: tlAlkusaldo plus the movement of the
// mode's entries (ordinary or closing entries dated start..end, or every
// opening entry whatever its date). An entry whose account no longer exists
// adds to nothing; for each one the user is told "Tarkista tositteen numero
// N viennit." (the entry stays for the user to correct).
void LaskeLoppusaldot(dao::Database& db, const dao::Date& start, const dao::Date& end, bool avaus, bool paatos,
                      long kpID);

// tlPrint of every account. vainTap False: every account is printed.
// vainTap True: the work vouchers are removed first; an account is printed
// when one of its balances is not 0 or it has an entry of the mode in the
// period (opening mode: any opening entry).
void MerkitseTulostettavatTilit(dao::Database& db, const dao::Date& start, const dao::Date& end, bool vainTap,
                                bool avaus, bool paatos, long kpID);

// Removes the work vouchers (numbered below 0 and marked automatic) with
// their entries.
void PoistaApuTositteet(dao::Database& db);

// A voucher numbered below 0 that the program did not make.
struct AlleNollanTosite {
    long numero = 0;
    dao::Variant pvm;  // as stored: Null when it has none
    QString selite;
};
// The book's vouchers numbered below 0 without the work vouchers' mark, by
// number.
std::vector<AlleNollanTosite> AlleNollanTositteet(dao::Database& db);

// Removes the work vouchers, then writes the pseudo voucher: number -1,
// dated start + 1 day, marked automatic, flagged as an opening voucher in
// opening mode and as a closing voucher in closing mode, with one entry per
// account (no type, amount or text; marked automatic; the mode's flag; cost
// centre kpID). It stays in the book until the next preparation removes it.
void LuoApuTositteet(dao::Database& db, const dao::Date& start, bool avaus, bool paatos, long kpID);

// LaskeAlkusaldot, LaskeLoppusaldot, MerkitseTulostettavatTilit and
// LuoApuTositteet in one transaction.
void ValmisteleTilit(dao::Database& db, const dao::Date& start, const dao::Date& end, bool vainTap, bool avaus,
                     bool paatos, long kpID);

// ---- The journal's counts. They cover the vouchers numbered 0 or above
// dated start..end (both included) that belong to the mode: opening
// vouchers, closing vouchers, or the vouchers that are neither.

// The entries of type tyyppi ("D" or "K", compared without regard to
// case): their number into count and their amounts, as stored, into sum.
void LaskeViennitTyypille(dao::Database& db, const QString& tyyppi, long& count, dao::Currency& sum,
                          const dao::Date& start, const dao::Date& end, bool avaus, bool paatos);
// The vouchers.
void LaskeTositteet(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                    bool paatos);
// The entries of those vouchers.
void LaskeViennit(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                  bool paatos);

}  // namespace ledger
