#pragma once

// The regional formats the program follows. Amounts and dates themselves
// are read and written by their value types under the default QLocale:
// dao::Currency::parse, toText and toCurrencyString, dao::Date::fromText
// and toShortString.

#include <QLocale>
#include <QString>

namespace core {

// The formats the program follows: the regional settings of the
// environment as Qt reads them (LC_ALL, LC_NUMERIC, LC_TIME, LANG), when
// they name a real locale. Under C or POSIX, or with none set, the Finnish
// formats, or those of Swedish in Finland when language is "Svenska".
QLocale RegionalLocale(const QString& language);
// Makes RegionalLocale(Language) the default QLocale, which every window,
// the report engine and the PDF output ask. Start-up calls it, and again
// when the language is chosen or changed.
void ApplyRegionalFormats();

}  // namespace core
