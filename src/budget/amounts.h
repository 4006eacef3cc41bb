#pragma once

// Amounts in the budget grid's cells: written as a plain number (the
// regional decimal separator, no grouping, no fixed decimals: 1234,5) and
// read back by the regional settings.

#include "platform/dao/currency.h"

#include <QString>
#include <optional>

class QLineEdit;

namespace budget {

// 1234.5 gives "1234,5" in Finnish; zero gives "0".
QString AmountText(dao::Currency amount);

// The amount a cell's text stands for: a number by the regional settings (a
// point or a comma as the decimal separator, blanks or the regional
// grouping between digit groups, a sign, an exponent), rounded to four
// decimals. Nothing for a text that is no number (empty, a lone "-") or
// that lies beyond the amounts a book keeps.
std::optional<dao::Currency> ReadAmount(const QString& text);

// After the input filter: drops characters from the end while the text is
// a number too large for a book, so a cell never shows what is not stored.
// Beeps (when sounds are on) when it dropped anything.
void KeepStorableAmount(QLineEdit* cell);

}  // namespace budget
