#pragma once

// The voucher search: the vouchers that an entry amount or a piece of the
// description finds. The answers are toIDs as the book gives them; the
// search window leaves out what it does not show (a voucher that is gone,
// a work voucher, one found already). Database errors reach the caller.

#include "platform/dao/currency.h"

#include <QString>
#include <vector>

namespace vouchers {

// The voucher of every entry whose amount is arvo as stored, sign included
// (100 does not find -100), in the order the entries were stored; a voucher
// with several such entries comes once for each.
std::vector<long> TositteetVienninArvolla(dao::Currency arvo);

// The longest text the search takes for the description, in characters.
inline constexpr int kHaettavanSelitteenPituus = 50;

// The vouchers whose description holds teksti anywhere, in toID order. The
// pattern characters of the text (* ? # [ ]) work as in any pattern match
// of the books. A text longer than kHaettavanSelitteenPituus is a pattern
// longer than the books match (ExpressionTooComplex).
std::vector<long> TositteetSelitteella(const QString& teksti);

}  // namespace vouchers
