#pragma once

// What the voucher window and the template window share about their
// fields: the input filter of the amount boxes, and the list position of an
// editable combo box. Amounts and dates are read and written by their value
// types (dao::Currency::parse and toText, dao::Date::fromText and
// toShortString).

#include <QString>

class QComboBox;
class QLineEdit;

namespace vouchers {

// The input filter of the voucher window's amount boxes: a minus sign typed
// into an empty box goes at once (a negative amount is typed by putting the
// sign in front of digits already there). Any other text stays as typed;
// leaving the box refuses a text that is no amount (core/ui/amountbox.h).
void FilterAmountInput(QLineEdit* box);

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
