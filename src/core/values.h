#pragma once

// Amounts and dates as the user types and sees them, the same in every
// window, grid, dialog and report, and the regional formats they follow.
//
// The reading and writing themselves belong to the value types of the
// database layer (dao::Currency::parse and toText, dao::Date::fromText and
// toShortString), where the report engine reaches them too; these are the
// names the windows use.

#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace core {

// ---- The regional formats

// The formats the program follows: the regional settings of the
// environment as Qt reads them (LC_ALL, LC_NUMERIC, LC_TIME, LANG), when
// they name a real locale. Under C or POSIX, or with none set, the Finnish
// formats, or those of Swedish in Finland when language is "Svenska".
QLocale RegionalLocale(const QString& language);
// Makes RegionalLocale(Language) the default QLocale, which every window,
// the report engine and the PDF output ask. Start-up calls it, and again
// when the language is chosen or changed.
void ApplyRegionalFormats();

// ---- Amounts and dates

// A typed amount (dao::Currency::parse): a comma or a point as the decimal
// mark whatever the locale, blanks between digit groups, at most four
// decimals. Nothing for an empty text and a text that is no amount.
inline std::optional<dao::Currency> ReadAmount(const QString& text) { return dao::Currency::parse(text); }
// An amount as every window shows it: "1 234,50" in Finnish.
inline QString AmountText(dao::Currency amount) { return amount.toText(); }
// The same in the locale's currency form: "1 234,50 €" in Finnish.
inline QString CurrencyText(dao::Currency amount) { return amount.toCurrencyString(); }

// A typed date (dao::Date::fromText): "5.3.2031" in Finnish.
inline std::optional<dao::Date> ReadDate(const QString& text) { return dao::Date::fromText(text); }
// A date as every window shows it; the zero date ("no date") shows as an
// empty text.
inline QString DateText(const dao::Date& d) { return d.isZero() ? QString() : d.toShortString(); }

}  // namespace core
