#pragma once

// The text boxes into which the user types a date: the voucher date of the
// voucher window and of the older voucher window, and the period of the
// report dialogs.
//
// While the user types, the record takes a date only when the box holds
// one typed to its end (dao::Date::fromWholeText): "1.1" or "29.2.20" are
// dates on the way to the date being typed, and are never taken. Until
// then the record keeps the date the box held before the typing began.
// When the box is left, or before a command stores the record, the text is
// read as a date the way the user may write one (dao::Date::fromText: a
// day and a month alone take the current year). A text that is no date is
// refused, an emptied box too when it held a date: the user is told so (in
// the voucher windows, that the date was not stored), and the box gets back
// the date it held before, which the record still holds. A box that was
// empty (a record without a date) may be left empty.
//
// A date is typed in the form the box shows it, under every locale: where
// that form writes "-" between the day, the month and the year (2031-07-15
// in Swedish), the key is typed as that while the user types a date, and
// steps the date back only where it could not go on with one.

#include "platform/dao/date.h"

#include <QString>
#include <optional>

class QLineEdit;

namespace core {

// Keeps, for box, the text it held before the user began to type: the text
// the program last put into it (setText), or the last text accepted.
// Watching a box again changes nothing.
void WatchDateBox(QLineEdit* box);

// The date the box stands for now: a date typed to its end, otherwise the
// date the box held before the typing began (the empty date when that was
// empty).
dao::Date TypedDate(const QLineEdit* box);

// True when the user has typed into the box since its text was put there
// or last accepted (the text differs from that one).
bool DateBoxTyped(const QLineEdit* box);

// For the leave handler of the box and for commands: the date the box
// holds, as typed or completed, and the text counts as accepted from now
// on; the empty date when the box is empty and was so before the typing.
// Otherwise the text is refused: a beep when sounds are on, the message
// refusal (by default, for a box whose date goes into a record, that the
// date was not stored, with the text typed), and the box gets back the text
// it held before the typing began; nothing.
std::optional<dao::Date> AcceptDateBox(QLineEdit* box, const QString& refusal = QString());

// For the key press handler of a box whose date the "+" and "-" keys step:
// the days the key moves the date, 1 for "+" and -1 for "-"; 0 for a key
// typed as it is. A key that the shown form writes between the parts of a
// date is typed as that while the box holds a text that is not yet a whole
// date and is not all selected; on a whole date, on a text all selected or
// in an empty box it steps.
int DateBoxStep(const QLineEdit* box, int keyAscii);

// The message that a voucher's date lies outside the financial year, with
// the year's first and last day.
QString OutsideFinancialYear();

}  // namespace core
