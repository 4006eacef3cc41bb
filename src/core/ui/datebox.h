#pragma once

// The text boxes into which the user types a date that goes into a record
// (the voucher date of the voucher window and of the older voucher window).
//
// While the user types, the record takes a date only when the box holds
// one typed to its end (dao::Date::fromWholeText): "1.1" or "29.2.20" are
// dates on the way to the date being typed, and are never taken. Until
// then the record keeps the date the box held before the typing began.
// When the box is left, or before a command stores the record, the text is
// read as a date the way the user may write one (dao::Date::fromText: a
// day and a month alone take the current year). A text that is no date is
// refused, an emptied box too when it held a date: the user is told that
// the date was not stored, and the box gets back the date it held before,
// which the record still holds. A box that was empty (a record without a
// date) may be left empty.

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
// that the date was not stored with the text typed, and the box gets back
// the text it held before the typing began; nothing.
std::optional<dao::Date> AcceptDateBox(QLineEdit* box);

}  // namespace core
