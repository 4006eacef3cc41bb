#pragma once

#include <QLocale>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace dao {

// Exact fixed-point money amount with four decimals (ten-thousandths).
// All arithmetic on amounts is done on this type, never on doubles.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;
    // Largest magnitude a book stores exactly (one hundred billion).
    static constexpr std::int64_t kStorableRawMax = 100000000000LL * kScale;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units * kScale); }
    // Nearest amount to d (half away from zero); Overflow error when out of range.
    static Currency fromDouble(double d);
    // Exact decimal text with '.' or ',' as separator and an optional sign: "12.5", "-0,05".
    static std::optional<Currency> parseInvariant(QStringView text);
    // An amount typed or pasted by the user, read alike under every locale:
    // an optional sign in front ('-', '+' or the minus sign U+2212, with or
    // without direction marks after it), the digits (of any script), and a
    // comma or a point as the decimal mark - never as a digit-group
    // separator - with at most four decimals after it. A blank (space,
    // no-break space, narrow no-break space, thin space) may stand between
    // digit groups of the whole part; every group after the first has
    // three digits ("1 234 567,50"). Blanks and direction marks around the
    // text do not count. Nothing for anything else: an empty text, a second
    // decimal mark, letters or other characters, a fifth decimal, and an
    // amount beyond what a book stores.
    static std::optional<Currency> parse(QStringView text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    bool isZero() const { return raw_ == 0; }
    bool storable() const { return raw_ <= kStorableRawMax && raw_ >= -kStorableRawMax; }

    // "12.5", "-0.0005", "100": shortest exact decimal with '.'.
    QString toInvariantString() const;
    // Number with the given decimals in the locale's form, e.g. "1 234,50":
    // its digits, minus sign (with the direction marks some locales put
    // around it) and decimal mark, and digit groups of three
    // parted by its group separator - or by a no-break space where that
    // separator is a point or a comma, which parse reads as the decimal
    // mark ("1 234.50" in US English). Rounded half away from zero.
    QString toLocaleString(const QLocale& locale = QLocale(), int decimals = 2) const;
    // How an amount is shown on screen and on paper: toLocaleString with
    // two decimals, or four when the amount has a third or fourth
    // ("1 234,50", "0,0050" in Finnish). parse reads it back to the same
    // amount under every locale.
    QString toText(const QLocale& locale = QLocale()) const;
    // toText with the euro sign, which the books are kept in, in the
    // locale's currency form: the sign placed where the locale places its
    // own, and a negative amount in the locale's negative form -
    // "1 234,50 €" and "−1 234,50 €" in Finnish, "€1 234.50" and
    // "(€1 234.50)" in US English. Taken the euro sign out, parse reads it
    // back to the same amount under every locale; where the locale shows a
    // negative amount in parentheses, it reads the amount's magnitude from
    // between them.
    QString toCurrencyString(const QLocale& locale = QLocale()) const;
    // The same with toLocaleString's decimals.
    QString toCurrencyString(const QLocale& locale, int decimals) const;

    Currency abs() const { return raw_ < 0 ? -*this : *this; }
    Currency operator-() const;
    Currency operator+(Currency o) const;
    Currency operator-(Currency o) const;
    Currency operator*(std::int64_t n) const;
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// A number that is no amount - a percentage, a quotient, a sum beyond the
// range of amounts - written as Currency::toLocaleString writes amounts:
// the locale's digits, minus sign and decimal mark, digit groups of three
// parted as amounts are, the given decimals (rounded as the nearest
// decimal text of the floating-point value). Currency::parse reads it back
// where it is within the range of amounts. Not-a-number and infinities as
// the locale writes them.
QString NumberText(double value, int decimals, const QLocale& locale = QLocale());
// A number text of toLocaleString or NumberText with the euro sign, which
// the books are kept in, in the locale's currency form as
// Currency::toCurrencyString gives it: "1 234,50 €" in Finnish, "€1 234.50"
// and "(€1 234.50)" in US English.
QString EuroText(const QString& number, const QLocale& locale = QLocale());

}  // namespace dao
