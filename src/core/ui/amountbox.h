#pragma once

// The text boxes into which the user types amounts (the voucher window's
// and the template window's rows, the budget grid, the older voucher
// window's entry editor).
//
// A box is read with the one amount reader (dao::Currency::parse). While
// the user types, a text that is no amount (yet) stays in the box as typed,
// but it is never taken for an amount: the record behind the box keeps the
// amount the box held before the typing began. When the box is left, or before a
// command uses the amounts, such a text is refused: a message names the
// field and the text, and the box gets back the amount it held before, so
// that nothing is stored from the text and no proposal acts on it.

#include "platform/dao/currency.h"

#include <QString>

class QLineEdit;

namespace core {

// Keeps, for box, the text it held before the user began to type: the text
// the program last put into it (setText), or the last text accepted.
void WatchAmountBox(QLineEdit* box);

// The amount the box stands for now: the typed amount, zero for an empty
// text, and for a text that is no amount the amount the box held before the
// typing began.
dao::Currency TypedAmount(const QLineEdit* box);

// For the leave handler of the box and for commands: true when the box
// holds an amount or nothing, and the text counts as accepted from now on.
// Otherwise the text is refused: a beep when sounds are on, the message
// naming field (a translated name) and the text, and the box gets back the
// text it held before the typing began; false.
bool AcceptAmountBox(QLineEdit* box, const QString& field);

}  // namespace core
