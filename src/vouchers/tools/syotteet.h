#pragma once

// How the voucher window and the template window read and write the values
// in their fields: amounts and dates by the regional settings of the default
// QLocale, and the list position of an editable combo box.

#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>
#include <optional>

class QComboBox;
class QLineEdit;

namespace vouchers {

// The amount in an amount box, read exactly by the locale's rules ("0,50"
// is fifty cents in Finnish; a point is taken as the decimal separator
// too). Nothing for an empty text, a text that is no amount, or an amount
// a book cannot store.
std::optional<dao::Currency> ReadAmount(const QString& text);

// An amount as the amount boxes show it: digits, the locale's decimal
// separator and only the decimals the amount has ("12,5", "-3", "0").
QString AmountText(dao::Currency amount);

// The input filter of the amount boxes: the numeric filter of the shared
// helpers, then characters are dropped from the end until the text is
// empty or reads as an amount (an exponent form or an amount beyond what a
// book stores cannot stay).
void FilterAmountInput(QLineEdit* box);

// A date typed into the date field: the short date form of the locale
// ("5.3.2031", "5.3.31"), or a day and month alone ("5.3." or "5.3"),
// which take the current year. Nothing for a partial or invalid text, and
// for the zero date (30.12.1899), which the records take for "no date".
std::optional<dao::Date> ReadDate(const QString& text);

// The list position of a combo box: the current item when the box shows
// its text, -1 when the box holds typed text that has not been matched to
// an item (or nothing is chosen).
int ListIndex(const QComboBox* combo);

// The item data (a key) of list position i; 0 for none.
long ItemKey(const QComboBox* combo, int i);

// The first item whose text begins with the typed text, letters compared
// without regard to case; -1 when there is none. An empty text matches
// item 0 (the blank item). Blanks around typed text do not count.
int MatchItem(const QComboBox* combo, const QString& typed);

}  // namespace vouchers
