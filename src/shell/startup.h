#pragma once

// The parts of the program's start-up that stand on their own. The sequence
// itself is the main window's Load (startup.cpp).

#include "core/settings.h"

#include <QString>

namespace shell {

// A financial year that ends before it begins as the user is told of it,
// translated in section: which year it is, and its dates.
QString BrokenYearText(const core::BrokenYear& year, const QString& section);

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
