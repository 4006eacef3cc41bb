#pragma once

// How the voucher window and the template window read and write the values
// in their fields: amounts and dates as the whole program reads and shows
// them (core/values.h), and the list position of an editable combo box.

#include "core/values.h"

#include <QString>
#include <optional>

class QComboBox;
class QLineEdit;

namespace vouchers {

// The amount in an amount box ("0,50" and "0.50" are fifty cents under any
// locale); nothing for an empty text and a text that is no amount.
using core::ReadAmount;

// An amount as the amount boxes show it: "1 234,50" in Finnish.
using core::AmountText;

// The input filter of the voucher window's amount boxes: a minus sign typed
// into an empty box goes at once (a negative amount is typed by putting the
// sign in front of digits already there). Any other text stays as typed;
// leaving the box refuses a text that is no amount (core/ui/amountbox.h).
void FilterAmountInput(QLineEdit* box);

// A date typed into the date field ("5.3.2031", "5.3.31", "5.3."); nothing
// for a partial or invalid text and for the zero date.
using core::ReadDate;

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
