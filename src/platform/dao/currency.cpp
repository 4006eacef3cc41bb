#include "platform/dao/currency.h"

#include "platform/dao/error.h"
#include "platform/dao/localedigits.h"

#include <cmath>
#include <limits>
#include <optional>

namespace dao {

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) raise(err::Overflow);
    return r;
}
}  // namespace

Currency Currency::fromDouble(double d) {
    if (!std::isfinite(d)) raise(err::Overflow);
    const double scaled = d * kScale;
    if (scaled >= 9.2e18 || scaled <= -9.2e18) raise(err::Overflow);
    return Currency(std::llround(scaled));
}

std::optional<Currency> Currency::parseInvariant(QStringView text) {
    QStringView t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool negative = false;
    qsizetype i = 0;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    std::int64_t whole = 0;
    std::int64_t frac = 0;
    int fracDigits = 0;
    bool anyDigit = false;
    bool inFraction = false;
    bool roundUp = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit()) {
            anyDigit = true;
            const int digit = c.digitValue();
            if (!inFraction) {
                if (whole > (kMax / kScale - 9) / 10) return std::nullopt;  // out of range
                whole = whole * 10 + digit;
            } else if (fracDigits < 4) {
                frac = frac * 10 + digit;
                ++fracDigits;
            } else if (fracDigits == 4) {
                // Fifth decimal decides the rounding (half away from zero).
                roundUp = digit >= 5;
                ++fracDigits;
            }
        } else if ((c == u'.' || c == u',') && !inFraction) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    std::int64_t raw = whole * kScale + frac + (roundUp ? 1 : 0);
    return Currency(negative ? -raw : raw);
}

namespace {

// The blanks that may stand between digit groups: the space, and the
// no-break, narrow no-break and thin spaces that formatted numbers carry.
bool isGroupBlank(QChar c) {
    return c == QChar(0x0020) || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

}  // namespace

std::optional<Currency> Currency::parse(QStringView text) {
    const QString ascii = asciiDigits(text);
    // Blanks and direction marks around the text do not count.
    QStringView t = ascii;
    const auto edge = [](QChar c) { return c.isSpace() || isDirectionMark(c); };
    while (!t.isEmpty() && edge(t.front())) t = t.sliced(1);
    while (!t.isEmpty() && edge(t.back())) t.chop(1);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == QChar(0x2212) || t[i] == u'+')) {
        negative = t[i] != u'+';
        ++i;
        // The minus sign of a right-to-left locale carries direction marks.
        while (i < t.size() && isDirectionMark(t[i])) ++i;
    }
    // The whole part, its digit groups perhaps parted by single blanks.
    constexpr std::int64_t kWholeMax = kStorableRawMax / kScale;
    std::int64_t whole = 0;
    int digits = 0;       // in the whole part
    int groupDigits = 0;  // in the current group
    bool grouped = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit()) {
            whole = whole * 10 + c.digitValue();
            if (whole > kWholeMax) return std::nullopt;
            ++digits;
            ++groupDigits;
        } else if (isGroupBlank(c)) {
            const bool groupWhole = grouped ? groupDigits == 3 : groupDigits >= 1 && groupDigits <= 3;
            if (!groupWhole || i + 1 >= t.size() || !t[i + 1].isDigit()) return std::nullopt;
            grouped = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3) return std::nullopt;
    // The decimals after one decimal mark.
    std::int64_t frac = 0;
    int fracDigits = 0;
    if (i < t.size() && (t[i] == u',' || t[i] == u'.')) {
        for (++i; i < t.size() && t[i].isDigit(); ++i) {
            if (++fracDigits > 4) return std::nullopt;
            frac = frac * 10 + t[i].digitValue();
        }
    }
    if (i != t.size() || digits + fracDigits == 0) return std::nullopt;
    for (int k = fracDigits; k < 4; ++k) frac *= 10;
    const std::int64_t raw = whole * kScale + frac;
    if (raw > kStorableRawMax) return std::nullopt;
    return Currency(negative ? -raw : raw);
}

QString Currency::toInvariantString() const {
    const bool negative = raw_ < 0;
    // Work on the unsigned magnitude so that the smallest value is printed too.
    const std::uint64_t mag = negative ? std::uint64_t(0) - std::uint64_t(raw_) : std::uint64_t(raw_);
    const std::uint64_t whole = mag / kScale;
    std::uint64_t frac = mag % kScale;
    QString s = QString::number(whole);
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0')) f.chop(1);
        s += u'.' + f;
    }
    return negative ? u'-' + s : s;
}

namespace {

// What an amount is written with in a locale, looked up once while the
// locale stays the same: reports write amounts line after line.
struct NumberForm {
    QLocale locale;
    bool grouped = true;
    QString blank, mark, minus;
    char32_t zero = U'0';

    static const NumberForm& of(const QLocale& locale) {
        thread_local std::optional<NumberForm> last;
        if (!last || last->locale != locale || last->locale.numberOptions() != locale.numberOptions()) {
            NumberForm f;
            f.locale = locale;
            f.grouped = !(locale.numberOptions() & QLocale::OmitGroupSeparator);
            const QString group = locale.groupSeparator();
            f.blank = group.size() == 1 && isGroupBlank(group[0]) ? group : QString(QChar(0x00A0));
            const QString point = locale.decimalPoint();
            f.mark = point == QLatin1String(",") || point == QLatin1String(".") ? point : QStringLiteral(".");
            f.minus = locale.negativeSign();
            const QList<uint> zero = locale.zeroDigit().toUcs4();
            f.zero = zero.isEmpty() ? U'0' : char32_t(zero.front());
            last = std::move(f);
        }
        return *last;
    }

    // ASCII digits in the digits of the locale's script, which may lie
    // beyond the Basic Multilingual Plane (two UTF-16 units each).
    void appendDigits(QString& out, QStringView ascii) const {
        if (zero == U'0') {
            out += ascii;
            return;
        }
        for (const QChar c : ascii) {
            const char32_t digit = zero + char32_t(c.unicode() - u'0');
            out += QString::fromUcs4(&digit, 1);
        }
    }
};

// A number given by its sign and its whole and decimal digits in ASCII, in
// the form every amount is written in (see Currency::toLocaleString). Both
// a point and a comma read back as the decimal mark, so a locale that
// groups with either (1,234.50 in US English) groups with a no-break space,
// and one whose decimal mark is neither writes a point.
QString localeForm(bool negative, QStringView whole, QStringView decimals, const QLocale& locale) {
    const NumberForm& form = NumberForm::of(locale);
    QString s;
    if (negative) s += form.minus;
    for (qsizetype at = 0; at < whole.size();) {
        // Digit groups of three, the first one perhaps shorter.
        const qsizetype size = at == 0 && whole.size() % 3 != 0 ? whole.size() % 3 : 3;
        if (at > 0 && form.grouped) s += form.blank;
        form.appendDigits(s, whole.sliced(at, size));
        at += size;
    }
    if (!decimals.isEmpty()) {
        s += form.mark;
        form.appendDigits(s, decimals);
    }
    return s;
}

}  // namespace

QString Currency::toLocaleString(const QLocale& locale, int decimals) const {
    // Round the exact value to the decimals asked, half away from zero.
    std::int64_t div = 1;
    for (int i = decimals; i < 4; ++i) div *= 10;
    std::int64_t r = raw_;
    if (div > 1) {
        const std::int64_t half = div / 2;
        r = (r >= 0 ? (r + half) / div : -((-r + half) / div));
    }
    const bool negative = r < 0;
    const std::uint64_t mag = negative ? std::uint64_t(0) - std::uint64_t(r) : std::uint64_t(r);
    std::uint64_t unitDiv = 1;
    for (int i = 0; i < std::min(decimals, 4); ++i) unitDiv *= 10;
    const std::uint64_t whole = mag / unitDiv;
    const std::uint64_t frac = mag % unitDiv;
    QString fraction;
    if (decimals > 0) {
        fraction = QString::number(frac).rightJustified(std::min(decimals, 4), u'0');
        for (int i = 4; i < decimals; ++i) fraction += u'0';
    }
    return localeForm(negative, QString::number(whole), fraction, locale);
}

QString Currency::toText(const QLocale& locale) const { return toLocaleString(locale, raw_ % 100 == 0 ? 2 : 4); }

QString Currency::toCurrencyString(const QLocale& locale) const {
    return toCurrencyString(locale, raw_ % 100 == 0 ? 2 : 4);
}

QString Currency::toCurrencyString(const QLocale& locale, int decimals) const {
    // The exact signed number, put into the locale's currency form.
    return EuroText(toLocaleString(locale, decimals), locale);
}

QString NumberText(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value)) return locale.toString(value);
    // The nearest decimal text of the value, as the locale's own writer
    // rounds it (a negative value that rounds to zero keeps its sign).
    const QString plain = QString::number(value, 'f', std::max(decimals, 0));
    const bool negative = plain.startsWith(u'-');
    const QStringView digits = QStringView(plain).sliced(negative ? 1 : 0);
    const qsizetype point = digits.indexOf(u'.');
    if (point < 0) return localeForm(negative, digits, {}, locale);
    return localeForm(negative, digits.first(point), digits.sliced(point + 1), locale);
}

QString EuroText(const QString& number, const QLocale& locale) {
    // The books are kept in euros: the euro sign under every locale, where
    // the locale puts its currency sign. A negative amount takes the
    // locale's negative currency form (its minus sign where it puts it, or
    // its parentheses) around the amount's digits.
    const QString euro(QChar(0x20AC));
    const QString one = locale.toString(1.0, 'f', 2);
    const QString minus = locale.negativeSign();
    if (!minus.isEmpty() && number.startsWith(minus)) {
        QString form = locale.toCurrencyString(-1.0, euro, 2);
        qsizetype at = form.indexOf(one);
        if (at >= 0) {
            // The sign stays at the digits, as the amount reader wants it: a
            // blank the form puts between them is left out.
            const qsizetype sign = form.lastIndexOf(minus, at);
            const qsizetype gap = sign < 0 ? at : sign + minus.size();
            if (gap < at && QStringView(form).sliced(gap, at - gap).trimmed().isEmpty()) {
                form.remove(gap, at - gap);
                at = gap;
            }
            return form.replace(at, one.size(), number.sliced(minus.size()));
        }
    }
    QString form = locale.toCurrencyString(1.0, euro, 2);
    const qsizetype at = form.indexOf(one);
    if (at < 0) return number + u' ' + euro;
    return form.replace(at, one.size(), number);
}

Currency Currency::operator-() const {
    if (raw_ == kMin) raise(err::Overflow);
    return Currency(-raw_);
}

Currency Currency::operator+(Currency o) const { return Currency(checkedAdd(raw_, o.raw_)); }

Currency Currency::operator-(Currency o) const {
    if (o.raw_ == kMin) raise(err::Overflow);
    return Currency(checkedAdd(raw_, -o.raw_));
}

Currency Currency::operator*(std::int64_t n) const {
    std::int64_t r;
    if (__builtin_mul_overflow(raw_, n, &r)) raise(err::Overflow);
    return Currency(r);
}

}  // namespace dao
