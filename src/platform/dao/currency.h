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
    // Text typed by the user, read with the locale's rules (decimal separator, grouping).
    // A point or a comma is accepted as the decimal separator either way.
    static std::optional<Currency> parse(QStringView text, const QLocale& locale = QLocale());

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    bool isZero() const { return raw_ == 0; }
    bool storable() const { return raw_ <= kStorableRawMax && raw_ >= -kStorableRawMax; }

    // "12.5", "-0.0005", "100": shortest exact decimal with '.'.
    QString toInvariantString() const;
    // Number with the given decimals in the locale's form, e.g. "1 234,50".
    QString toLocaleString(const QLocale& locale = QLocale(), int decimals = 2) const;
    // Currency form of the locale, e.g. "1 234,50 €".
    QString toCurrencyString(const QLocale& locale = QLocale()) const;

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

}  // namespace dao
