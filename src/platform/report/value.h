#pragma once

// Values of the report engine and the operations of the formula language on
// them. A value is the database layer's variant: Null, Boolean, whole number,
// floating-point number, exact currency amount, date or text.

#include "platform/dao/variant.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <stdexcept>

namespace report {

using Value = dao::Variant;

// How a value is shown on a report.
struct Format {
    enum class Kind {
        Default,   // by the value's kind (see formatValue)
        Text,      // as text, numbers in their default form
        Integer,   // whole number, no digit grouping: 1910, -1
        Number,    // digit grouping and `decimals` decimals: 1 234,50
        Amount,    // as every amount is shown (dao::Currency::toText): 1 234,50, or 0,0050
        Currency,  // the same with the euro sign, placed as the locale places its own: 1 234,50 €
        Date,      // the locale's short date: 5.3.2031
        Percent,   // the value as it stands with `decimals` decimals and a percent sign: 12,5 %
    };
    Kind kind = Kind::Default;
    int decimals = 2;
    // Amount and Currency: decimals given by the definition, in place of
    // the two (or four) every amount is shown with.
    bool decimalsGiven = false;
};

// Text of a value in the given format with the regional settings of the
// locale (the default QLocale unless a test says otherwise). Null is "".
QString formatValue(const Value& v, const Format& f, const QLocale& locale = QLocale());

namespace val {

// A value of the wrong kind for an operation; the evaluator names the formula.
class TypeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool isNumeric(const Value& v);  // whole, floating-point or currency

// Arithmetic. Null on either side gives Null. Whole numbers stay whole,
// currency stays exact (a floating-point operand is rounded to the nearest
// ten-thousandth), a date plus or minus whole days is a date and the
// difference of two dates is whole days. Division by zero gives Null.
Value add(const Value& a, const Value& b);
Value subtract(const Value& a, const Value& b);
Value multiply(const Value& a, const Value& b);
Value divide(const Value& a, const Value& b);
Value negate(const Value& a);
// Text concatenation (&): both sides in their default display form, Null as "".
Value concat(const Value& a, const Value& b);

// Three-way comparison for the comparison operators; nothing when either side
// is Null. Texts compare without regard to case in Finnish order. Throws
// TypeError for kinds that cannot be compared (a text with a number).
std::optional<int> compare(const Value& a, const Value& b);
// Whether compare(a, b) is 0 (nothing when it gives nothing): quicker for texts.
std::optional<bool> equal(const Value& a, const Value& b);

// Truth of a condition: Null is false, numbers are true when not zero.
bool truth(const Value& v);

// The default display text, as & concatenates: whole numbers as plain digits,
// amounts as every amount is shown (two decimals, four when they have more),
// dates in the short form.
QString toText(const Value& v, const QLocale& locale = QLocale());

// Ordering for sorting: Null first, then by value; texts in Finnish order
// without regard to case. Values of different, incomparable kinds order by kind.
int sortCompare(const Value& a, const Value& b);

}  // namespace val
}  // namespace report
