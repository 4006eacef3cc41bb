#include "platform/dao/date.h"

#include "platform/dao/error.h"
#include "platform/dao/localedigits.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace dao {

namespace {
// 30 December 1899, as a constant so that dates built during static
// initialisation elsewhere see it already set.
constexpr QDate kZeroDay = QDate::fromJulianDay(2415019);

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
}  // namespace

Date Date::fromDate(const QDate& d) {
    if (!d.isValid()) return Date();
    return Date(kZeroDay.daysTo(d) * 86400);
}

Date Date::fromDateTime(const QDateTime& dt) {
    if (!dt.isValid()) return Date();
    const QDate d = dt.date();
    const QTime t = dt.time();
    return Date(kZeroDay.daysTo(d) * 86400 + t.msecsSinceStartOfDay() / 1000);
}

std::optional<Date> Date::fromIso(QStringView text) {
    // yyyy-MM-dd[ HH:mm[:ss]] (a 'T' between date and time is accepted too).
    if (text.size() < 10) return std::nullopt;
    auto num = [&](qsizetype from, qsizetype len, int& out) {
        int v = 0;
        for (qsizetype i = from; i < from + len; ++i) {
            if (i >= text.size() || !text[i].isDigit()) return false;
            v = v * 10 + text[i].digitValue();
        }
        out = v;
        return true;
    };
    int y, m, d;
    if (!num(0, 4, y) || text[4] != u'-' || !num(5, 2, m) || text[7] != u'-' || !num(8, 2, d))
        return std::nullopt;
    const QDate date(y, m, d);
    if (!date.isValid()) return std::nullopt;
    int hh = 0, mm = 0, ss = 0;
    if (text.size() > 10) {
        if ((text[10] != u' ' && text[10] != u'T') || text.size() < 16) return std::nullopt;
        if (!num(11, 2, hh) || text[13] != u':' || !num(14, 2, mm)) return std::nullopt;
        if (text.size() > 16) {
            if (text.size() != 19 || text[16] != u':' || !num(17, 2, ss)) return std::nullopt;
        }
        if (hh > 23 || mm > 59 || ss > 59) return std::nullopt;
    }
    return Date(kZeroDay.daysTo(date) * 86400 + hh * 3600 + mm * 60 + ss);
}

std::optional<Date> Date::fromSerialIfDate(double days) {
    // 1 January 100 and the day after 31 December 9999 (NaN is neither
    // within nor beyond them).
    constexpr double kFirst = -657434.0, kAfterLast = 2958466.0;
    if (!(days > kFirst - 1.0 && days < kAfterLast)) return std::nullopt;
    // The whole part counts days; the fraction is the time of day, which for
    // negative serials runs forward from the day as well.
    const double whole = std::trunc(days);
    const double frac = std::fabs(days - whole);
    return Date(std::int64_t(whole) * 86400 + std::llround(frac * 86400.0));
}

Date Date::fromSerial(double days) {
    if (const std::optional<Date> d = fromSerialIfDate(days)) return *d;
    raise(err::Overflow);
}

int Date::secondsOfDay() const {
    const std::int64_t day = floorDiv(secs_, 86400);
    return int(secs_ - day * 86400);
}

QDate Date::date() const { return kZeroDay.addDays(floorDiv(secs_, 86400)); }

QTime Date::time() const { return QTime::fromMSecsSinceStartOfDay(secondsOfDay() * 1000); }

QDateTime Date::dateTime() const { return QDateTime(date(), time()); }

double Date::serial() const {
    const std::int64_t day = floorDiv(secs_, 86400);
    const double frac = secondsOfDay() / 86400.0;
    return day >= 0 ? double(day) + frac : double(day + (frac > 0 ? 1 : 0)) - frac;
}

QString Date::toIso() const {
    const QString d = date().toString(QStringLiteral("yyyy-MM-dd"));
    if (!hasTime()) return d;
    return d + u' ' + time().toString(QStringLiteral("HH:mm:ss"));
}

namespace {

// The locale's short date form with a four-digit year.
QString shortFormatFullYear(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

// Whether the locale writes the month before the day in its short dates.
bool monthFirst(const QLocale& locale) {
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = f.indexOf(QLatin1Char('d'));
    const qsizetype m = f.indexOf(QLatin1Char('M'));
    return m >= 0 && d >= 0 && m < d;
}

}  // namespace

QString Date::toShortString(const QLocale& locale) const {
    if (isZero()) return QString();
    return locale.toString(date(), shortFormatFullYear(locale));
}

std::optional<Date> Date::fromText(QStringView text, const QLocale& locale) {
    // In ASCII digits, which every locale reads besides its own: Qt does not
    // read back the digits of scripts beyond the Basic Multilingual Plane
    // (Chakma, Adlam) that it writes.
    const QString t = asciiDigits(text.trimmed());
    if (t.isEmpty()) return std::nullopt;
    std::optional<Date> d = fromIso(t);
    if (!d) {
        // The ISO form without its leading zeros too (2026-1-2), as the
        // Finnish form is read without them (1.1.26).
        static const QRegularExpression isoWithoutZeros(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
        if (const QRegularExpressionMatch m = isoWithoutZeros.match(t); m.hasMatch()) {
            const QDate q(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
            if (q.isValid()) d = fromDate(q);
        }
    }
    if (!d) {
        const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
        for (const QString& fmt : {shortFormatFullYear(locale), shortFormat, QStringLiteral("d.M.yyyy"),
                                   QStringLiteral("d.M.yy")}) {
            QDate q = locale.toDate(t, fmt);
            if (!q.isValid()) continue;
            // A two-digit year is read as 1950-2049.
            if (!fmt.contains(QLatin1String("yyyy")) && q.year() < 1950) q = q.addYears(100);
            d = fromDate(q);
            break;
        }
    }
    if (!d) {
        // A day and a month without the year.
        static const QRegularExpression dayMonth(
            QStringLiteral("^(\\d{1,2})\\s*([./-])\\s*(\\d{1,2})\\s*[./-]?$"));
        const QRegularExpressionMatch m = dayMonth.match(t);
        if (!m.hasMatch()) return std::nullopt;
        int day = m.captured(1).toInt();
        int month = m.captured(3).toInt();
        if (m.captured(2) != QLatin1String(".") && monthFirst(locale)) std::swap(day, month);
        const QDate q(QDate::currentDate().year(), month, day);
        if (!q.isValid()) return std::nullopt;
        d = fromDate(q);
    }
    if (d->isZero()) return std::nullopt;
    return d;
}

std::optional<Date> Date::fromWholeText(QStringView text, const QLocale& locale) {
    const QString t = asciiDigits(text.trimmed());
    static const QRegularExpression threeGroups(QStringLiteral("^(\\d+)\\D+(\\d+)\\D+(\\d+)$"));
    const QRegularExpressionMatch m = threeGroups.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const qsizetype first = m.capturedLength(1);
    const qsizetype last = m.capturedLength(3);
    const bool yearLast = last == 4;
    const bool yearFirst = first == 4 && last == 2;
    if (!yearLast && !yearFirst) return std::nullopt;
    return fromText(t, locale);
}

Date Date::addMonths(int n) const {
    return Date(fromDate(date().addMonths(n)).secs_ + secondsOfDay());
}

Date Date::addYears(int n) const { return Date(fromDate(date().addYears(n)).secs_ + secondsOfDay()); }

}  // namespace dao
