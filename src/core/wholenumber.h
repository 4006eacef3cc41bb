#pragma once

// The one reader of typed whole numbers: voucher, account and cost-centre
// numbers, copies, font sizes, the whole-number fields of the older windows.

#include <QStringView>
#include <optional>

namespace core {

// A typed whole number, read as a typed amount is (dao::Currency::parse:
// a comma or a point is the decimal mark, never a digit-group separator;
// blanks may part digit groups; the digits of any script), perhaps with an
// exponent after it ("1,5e3" is 1500), and rounded to the nearest whole
// number, a half to the even one ("2,5" is 2, "3,5" 4). Nothing for a text
// that is no number and for a number beyond the 32-bit range of the
// records' whole numbers. rounded, when given, tells whether a decimal part
// was rounded away.
std::optional<long> ReadWholeNumber(QStringView text, bool* rounded = nullptr);

}  // namespace core
