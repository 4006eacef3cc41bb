#pragma once

// The parts of the program's start-up that stand on their own. The sequence
// itself is the main window's Load (startup.cpp).

#include "core/settings.h"

#include <QString>
#include <optional>

namespace shell {

// Asked before a command that works in the year is refused while the
// program has no year in use (core::TilikausiEiKaytossa): the book's
// settings are read again, and when another copy of the program has set
// the book's year right meanwhile, they are taken into use as a start
// takes them and the main window shows them. Nothing then; otherwise the
// year that still refuses the command. A book that cannot be read now
// leaves the year refused as it was.
std::optional<core::BrokenYear> TilikausiKorjattuMuualla();

// The regional settings still name the markka as the currency: the amount 1
// in the locale's currency format contains "mk" in any letter case.
bool CurrencyTextHasMarkka(const QString& formattedOne);
// The amount 1 with two decimals in the currency format of the default locale.
QString FormatOneAsCurrency();
// Advises the user (one information message) when the currency symbol is
// still the markka. Never stops start-up.
void CheckCurrencySymbol();

// The demo book's notice applies: path lies under the program folder
// (its text begins with appPath) and holds "demo" after its first
// character; both compared without regard to letter case.
bool IsDemoDatabase(const QString& path, const QString& appPath);

}  // namespace shell
