#pragma once

#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>
#include <cstdint>
#include <variant>

namespace dao {

// A field value: Null, or a Boolean, a whole number, a floating-point number,
// a Currency amount, a date or a text. Null is a value of its own, distinct
// from the empty text and from zero.
class Variant {
public:
    enum class Kind { Null, Bool, Int, Double, Currency, Date, Text };

    Variant() = default;
    Variant(bool b) : v_(b) {}
    Variant(int i) : v_(std::int64_t(i)) {}
    Variant(long i) : v_(std::int64_t(i)) {}
    Variant(long long i) : v_(std::int64_t(i)) {}
    Variant(double d) : v_(d) {}
    Variant(Currency c) : v_(c) {}
    Variant(Date d) : v_(d) {}
    Variant(const QString& s) : v_(s) {}
    Variant(const char* s) : v_(QString::fromUtf8(s)) {}
    static Variant null() { return Variant(); }

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isNull() const { return v_.index() == 0; }
    bool isText() const { return kind() == Kind::Text; }
    bool isNumeric() const;

    // Conversions in the manner of the engine: a Boolean True is -1 as a number;
    // text converts when it reads as a number or date (invariant form).
    // Null, and a value that does not convert, raise a TypeMismatch error.
    bool toBool() const;
    std::int64_t toLong() const;
    double toDouble() const;
    Currency toCurrency() const;
    Date toDate() const;
    // Null gives the empty text; numbers in invariant form; dates as ISO text.
    QString toString() const;

    // Same kind and value; Null equals only Null.
    bool operator==(const Variant& o) const { return v_ == o.v_; }
    QString debugString() const;

private:
    std::variant<std::monostate, bool, std::int64_t, double, Currency, Date, QString> v_;
};

}  // namespace dao
