#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace dao {

// A calendar date with an optional time of day, counted in seconds from
// 30 December 1899 00:00, the zero of the date serial. Date 0 is that day.
class Date {
public:
    constexpr Date() = default;
    static Date fromDate(const QDate& d);
    static Date fromDateTime(const QDateTime& dt);
    static Date fromYmd(int y, int m, int d) { return fromDate(QDate(y, m, d)); }
    static constexpr Date zero() { return Date(); }
    static Date today() { return fromDate(QDate::currentDate()); }
    // "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"; nothing when the text is not of that form.
    static std::optional<Date> fromIso(QStringView text);
    // A date typed by the user: the ISO form (also without the leading
    // zeros of the month and the day: 2026-1-2), the locale's short date form
    // with a four-digit or a two-digit year (1950-2049), the Finnish form
    // d.M.yyyy or d.M.yy whatever the locale, or a day and a month alone
    // ("5.3." or "5.3"; with '/' or '-' between them, in the locale's order),
    // which take the current year; its digits may be of any script. Blanks
    // around the text do not count.
    // Nothing for any other text, and for the zero date (30.12.1899), which
    // the records take for "no date".
    static std::optional<Date> fromText(QStringView text, const QLocale& locale = QLocale());
    // A date typed to its end: a text that fromText reads and that holds a
    // day, a month and a four-digit year, with nothing left that a further
    // digit could change (the year last, or after a year written first a
    // two-digit day or month). Nothing for a text on its way to another
    // date: "1.1" and "1.1.202" on their way to "1.1.2026", "29.2.20" to
    // "29.2.2026", "2026-06-3" to "2026-06-30".
    static std::optional<Date> fromWholeText(QStringView text, const QLocale& locale = QLocale());
    // Days (with fraction) from the zero day, as the serial of the date
    // type, whose dates run from the year 100 to the year 9999; a serial
    // beyond them raises Overflow.
    static Date fromSerial(double days);
    // The same; nothing for a serial beyond the dates.
    static std::optional<Date> fromSerialIfDate(double days);

    QDate date() const;
    QTime time() const;
    QDateTime dateTime() const;
    bool hasTime() const { return secondsOfDay() != 0; }
    bool isZero() const { return secs_ == 0; }
    std::int64_t seconds() const { return secs_; }
    double serial() const;
    // The form stored in a book: "yyyy-MM-dd", with " HH:mm:ss" when there is a time.
    QString toIso() const;
    // How a date is shown on screen and on paper: the locale's short date
    // form with a four-digit year ("5.3.2031" in Finnish, "3/5/2031" in US
    // English). fromText reads it back under every locale. The zero date,
    // which the records take for "no date", shows as an empty text.
    QString toShortString(const QLocale& locale = QLocale()) const;

    Date addDays(int n) const { return Date(secs_ + std::int64_t(n) * 86400); }
    Date addMonths(int n) const;
    Date addYears(int n) const;

    constexpr auto operator<=>(const Date&) const = default;

private:
    constexpr explicit Date(std::int64_t s) : secs_(s) {}
    int secondsOfDay() const;
    std::int64_t secs_ = 0;
};

}  // namespace dao
