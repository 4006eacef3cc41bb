#pragma once

// The texts a user types over the date a date field shows, with what each
// leaves: one table for every window with a date field. The dates are
// written in the form the fields show them under the default locale
// (2031-07-15 in Swedish, 7/15/2031 in US English), so that each is typed
// as the user sees it; one is in the Finnish form, which every locale reads.
//
// The rows are for a field that shows 30.6.2031 when the typing begins,
// all of it selected, inside the financial year 2031.

#include "platform/dao/date.h"

#include <QLocale>
#include <QString>
#include <vector>

namespace kvtest {

struct DateTyping {
    QString keys;    // typed a key a character ("\b" deletes); none deletes the text
    QString holds;   // what a field whose "+" and "-" step the date then holds
    QString stored;  // the date that it leaves, ISO; none when the text is refused
    bool steps;      // whether the keys step the date in such a field
};

// A day, a month and a year as the default locale's short form writes them,
// with the four-digit year, also where they make no date (31.2.2031);
// without zeros, the day and the month without the leading zeros that the
// form may write (2031-3-21 in Swedish).
inline QString inShownForm(int day, int month, int year, bool zeros = true) {
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n] == c) ++n;
        const int value = c == u'd' ? day : c == u'M' ? month : c == u'y' ? year : -1;
        if (value < 0)
            out += QString(n, c);
        else
            out += QString::number(value).rightJustified(c == u'y' ? 4 : zeros ? int(n) : 1, u'0');
        i += n;
    }
    return out;
}

inline std::vector<DateTyping> dateTypings() {
    const QString july15 = inShownForm(15, 7, 2031);
    const auto refused = [](const QString& keys) { return DateTyping{keys, keys, QString(), false}; };
    return {
        refused(inShownForm(1, 13, 2031)),
        refused(inShownForm(13, 13, 2031)),
        refused(inShownForm(29, 2, 2031)),
        refused(inShownForm(31, 2, 2031)),
        refused(QStringLiteral("abc")),
        refused(QString()),
        {july15, july15, QStringLiteral("2031-07-15"), false},
        {QStringLiteral("16.7.2031"), QStringLiteral("16.7.2031"), QStringLiteral("2031-07-16"), false},
        {inShownForm(21, 3, 2031, false), inShownForm(21, 3, 2031, false), QStringLiteral("2031-03-21"), false},
        // The step keys on a whole date typed, on the whole date selected,
        // in an emptied field.
        {july15 + u'-', inShownForm(14, 7, 2031), QStringLiteral("2031-07-14"), true},
        {july15 + u'+', inShownForm(16, 7, 2031), QStringLiteral("2031-07-16"), true},
        {QStringLiteral("-"), inShownForm(29, 6, 2031), QStringLiteral("2031-06-29"), true},
        {QStringLiteral("\b-"), QString(), QString(), true},
    };
}

}  // namespace kvtest
