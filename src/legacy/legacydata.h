#pragma once

// What the older voucher window reads from and writes into the book besides
// its records: the record sources of its two data controls, the lines of
// its voucher list, the next number of a mode's series, the totals of one
// voucher, and the deletion of entries.
//
// A mode is given by the window's two flags: the opening vouchers when
// avaus, otherwise the closing vouchers when paatos, otherwise the vouchers
// that are neither. Every function works on the book of the shared
// connection; database errors reach the caller.

#include "legacy/datacontrol.h"
#include "vouchers/tositekirjaus.h"

#include <vector>

namespace legacy {

// The vouchers of the mode numbered 0 and up, every column, in number
// order: the record source of the voucher shown.
RecordSource TositteetLahde(bool avaus, bool paatos);

// The lines of the voucher list: the vouchers of TositteetLahde, in its order.
std::vector<vouchers::TositeListanRivi> TositeLista(bool avaus, bool paatos);

// The entries of the voucher toID (none for 0), each with its account's
// number and name: the columns Tilinumero, Tilinimi, Tyyppi, Summa and
// viID, in the order the entries were made (by key). The record source of
// the entry grid.
RecordSource ViennitLahde(long toID);

// The next number of the mode's series: opening vouchers are numbered among
// themselves, normal and closing vouchers share the other series. The
// program's work vouchers below 0 never count; 1 for an empty series.
long SeuraavaTositenumero(bool avaus);

// The date a new voucher is given: the latest date of the vouchers
// numbered 0 and up, of every mode; oletus when none has a date.
dao::Date UusiTositepaiva(const dao::Date& oletus);

// The debit and the credit total of the voucher toID's entries, as the
// window's totals show them: an entry without an amount counts on neither
// side, a debit code ("D", any case) on the debit side and any other code on
// the credit side.
vouchers::TilinSummat TositteenSummat(long toID);

// Deletes every entry of the voucher toID; writes nothing when it has none.
void PoistaTositteenViennit(long toID);

// The voucher toID is in the book.
bool TositeKirjanpidossa(long toID);

// Deletes the entry viID (nothing when it is gone already).
void PoistaVienti(long viID);

}  // namespace legacy
