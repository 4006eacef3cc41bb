#include "platform/report/value.h"

#include "platform/dao/currency.h"

#include <QCollator>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace report {

namespace {

using Kind = Value::Kind;
using std::int64_t;

constexpr int64_t kScale = dao::Currency::kScale;

// Largest magnitude of raw currency that still converts to and from double exactly enough.
constexpr double kMaxRawAsDouble = 9.0e15;

// One for each thread: a collator is not to be shared between threads.
const QCollator& finnishCollator() {
    thread_local const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Finnish, QLocale::Finland));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator;
}

[[noreturn]] void mismatch(const char* what, const Value& a, const Value& b) {
    throw val::TypeError(QStringLiteral("%1: %2 ja %3 eivät sovi yhteen")
                             .arg(QString::fromLatin1(what), a.debugString(), b.debugString())
                             .toStdString());
}

[[noreturn]] void mismatch1(const char* what, const Value& a) {
    throw val::TypeError(QStringLiteral("%1: %2 ei kelpaa")
                             .arg(QString::fromLatin1(what), a.debugString())
                             .toStdString());
}

bool isWhole(const Value& v) { return v.kind() == Kind::Int; }
bool isCurrency(const Value& v) { return v.kind() == Kind::Currency; }

// Raw ten-thousandths of a numeric value (whole, currency or floating point).
std::optional<int64_t> rawOf(const Value& v) {
    switch (v.kind()) {
    case Kind::Currency: return v.toCurrency().raw();
    case Kind::Int: {
        int64_t i = v.toLong();
        int64_t r;
        if (__builtin_mul_overflow(i, kScale, &r)) return std::nullopt;
        return r;
    }
    case Kind::Double: {
        double d = v.toDouble() * double(kScale);
        if (!std::isfinite(d) || std::fabs(d) > kMaxRawAsDouble) return std::nullopt;
        return std::llround(d);
    }
    default: return std::nullopt;
    }
}

QString amountText(int64_t raw, int decimals, const QLocale& loc, bool currency) {
    decimals = std::clamp(decimals, 0, 4);
    // Exact, in the digit groups every amount is shown with, and in euros.
    const dao::Currency amount = dao::Currency::fromRaw(raw);
    return currency ? amount.toCurrencyString(loc, decimals) : amount.toLocaleString(loc, decimals);
}

QString plainInteger(int64_t i, const QLocale& loc) {
    QLocale l = loc;
    l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
    return l.toString(qlonglong(i));
}

// The nearest whole number, half away from zero; nothing for a floating-point
// value beyond the 64-bit range (or infinite, or not a number).
std::optional<int64_t> roundedWhole(const Value& v) {
    switch (v.kind()) {
    case Kind::Int: return v.toLong();
    case Kind::Currency: {
        int64_t raw = v.toCurrency().raw();
        int64_t q = raw / kScale, r = raw % kScale;
        if (2 * (r < 0 ? -r : r) >= kScale) q += raw < 0 ? -1 : 1;
        return q;
    }
    case Kind::Double: {
        const double d = std::round(v.toDouble());
        if (!(d >= -0x1p63 && d < 0x1p63)) return std::nullopt;
        return int64_t(d);
    }
    case Kind::Bool: return v.toBool() ? 1 : 0;
    default: return 0;
    }
}

// A number of days to move a date by: whole, within the range of int.
int dayCount(const Value& n) {
    const std::optional<int64_t> days = roundedWhole(n);
    if (!days || *days > std::numeric_limits<int>::max() || *days < -std::numeric_limits<int>::max())
        mismatch1("päivien määrä", n);
    return int(*days);
}

}  // namespace

QString formatValue(const Value& v, const Format& f, const QLocale& loc) {
    if (v.isNull()) return QString();
    using F = Format::Kind;
    F kind = f.kind;
    if (kind == F::Default || kind == F::Text) return val::toText(v, loc);
    if (v.kind() == Kind::Text) return v.toString();
    switch (kind) {
    case F::Integer: {
        if (v.kind() == Kind::Date) return v.toDate().toShortString(loc);
        if (const std::optional<int64_t> whole = roundedWhole(v)) return plainInteger(*whole, loc);
        QLocale l = loc;  // a floating-point value beyond the 64-bit range
        l.setNumberOptions(l.numberOptions() | QLocale::OmitGroupSeparator);
        return dao::NumberText(v.toDouble(), 0, l);
    }
    case F::Number:
    case F::Amount:
    case F::Currency:
    case F::Percent: {
        if (v.kind() == Kind::Date) return v.toDate().toShortString(loc);
        QString text;
        const auto raw = v.kind() == Kind::Bool ? std::nullopt : rawOf(v);
        if (raw && !f.decimalsGiven && (kind == F::Amount || kind == F::Currency)) {
            // An amount shows as every amount does.
            const dao::Currency amount = dao::Currency::fromRaw(*raw);
            text = kind == F::Currency ? amount.toCurrencyString(loc) : amount.toText(loc);
        } else if (v.kind() == Kind::Double && !(raw && kind == F::Currency)) {
            // A floating-point number (a percentage, a quotient) in the form
            // of the amounts. In the currency format it shows as an amount
            // (below) unless it is beyond the range of amounts.
            text = dao::NumberText(v.toDouble(), f.decimals, loc);
            if (kind == F::Currency) text = dao::EuroText(text, loc);
        } else if (v.kind() == Kind::Bool) {
            text = loc.toString(v.toBool() ? 1 : 0);
        } else {
            text = raw ? amountText(*raw, f.decimals, loc, kind == F::Currency)
                       : dao::NumberText(v.toDouble(), f.decimals, loc);
        }
        if (kind == F::Percent) text += QChar(0x00A0) + loc.percent();
        return text;
    }
    case F::Date:
        if (v.kind() == Kind::Date) return v.toDate().toShortString(loc);
        return val::toText(v, loc);
    default: return val::toText(v, loc);
    }
}

namespace val {

bool isNumeric(const Value& v) {
    Kind k = v.kind();
    return k == Kind::Int || k == Kind::Double || k == Kind::Currency;
}

QString toText(const Value& v, const QLocale& loc) {
    switch (v.kind()) {
    case Kind::Null: return QString();
    case Kind::Text: return v.toString();
    case Kind::Int: return plainInteger(v.toLong(), loc);
    case Kind::Currency: return v.toCurrency().toText(loc);
    case Kind::Double: {
        // Up to four decimals, without trailing zeros.
        const QString four = dao::NumberText(v.toDouble(), 4, loc);
        const QString zero = loc.zeroDigit();
        QStringView s = four;
        const qsizetype mark = std::max(s.lastIndexOf(u','), s.lastIndexOf(u'.'));
        if (mark < 0) return four;  // not a number, or infinite
        while (s.size() > mark + 1 && s.endsWith(zero)) s.chop(zero.size());
        if (s.size() == mark + 1) s.chop(1);
        return s.toString();
    }
    case Kind::Date: return v.toDate().toShortString(loc);
    case Kind::Bool: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    }
    return QString();
}

Value negate(const Value& a) {
    switch (a.kind()) {
    case Kind::Null: return Value();
    case Kind::Int: {
        int64_t i = a.toLong();
        if (i == std::numeric_limits<int64_t>::min()) return Value(-double(i));
        return Value(static_cast<long long>(-i));
    }
    case Kind::Double: return Value(-a.toDouble());
    case Kind::Currency: return Value(dao::Currency::fromRaw(-a.toCurrency().raw()));
    default: mismatch1("etumerkki", a);
    }
}

Value add(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return Value();
    if (a.kind() == Kind::Text && b.kind() == Kind::Text) return Value(a.toString() + b.toString());
    if (a.kind() == Kind::Date && isNumeric(b)) return Value(a.toDate().addDays(dayCount(b)));
    if (b.kind() == Kind::Date && isNumeric(a)) return Value(b.toDate().addDays(dayCount(a)));
    if (!isNumeric(a) || !isNumeric(b)) mismatch("yhteenlasku", a, b);
    if (isWhole(a) && isWhole(b)) {
        int64_t r;
        if (__builtin_add_overflow(a.toLong(), b.toLong(), &r)) return Value(a.toDouble() + b.toDouble());
        return Value(static_cast<long long>(r));
    }
    if (isCurrency(a) || isCurrency(b)) {
        auto ra = rawOf(a), rb = rawOf(b);
        int64_t r;
        if (ra && rb && !__builtin_add_overflow(*ra, *rb, &r)) return Value(dao::Currency::fromRaw(r));
        return Value(a.toDouble() + b.toDouble());
    }
    return Value(a.toDouble() + b.toDouble());
}

Value subtract(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return Value();
    if (a.kind() == Kind::Date && b.kind() == Kind::Date)
        return Value(static_cast<long long>((a.toDate().seconds() - b.toDate().seconds()) / 86400));
    if (a.kind() == Kind::Date && isNumeric(b)) return Value(a.toDate().addDays(-dayCount(b)));
    if (!isNumeric(a) || !isNumeric(b)) mismatch("vähennyslasku", a, b);
    return add(a, negate(b));
}

Value multiply(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return Value();
    if (!isNumeric(a) || !isNumeric(b)) mismatch("kertolasku", a, b);
    if (isWhole(a) && isWhole(b)) {
        int64_t r;
        if (__builtin_mul_overflow(a.toLong(), b.toLong(), &r)) return Value(a.toDouble() * b.toDouble());
        return Value(static_cast<long long>(r));
    }
    if (isCurrency(a) || isCurrency(b)) {
        const Value& c = isCurrency(a) ? a : b;
        const Value& o = isCurrency(a) ? b : a;
        if (isWhole(o)) {
            int64_t r;
            if (!__builtin_mul_overflow(c.toCurrency().raw(), o.toLong(), &r))
                return Value(dao::Currency::fromRaw(r));
            return Value(c.toDouble() * o.toDouble());
        }
        long double prod = (long double)c.toCurrency().raw() * (long double)o.toDouble();
        if (isCurrency(o)) prod /= (long double)kScale;
        if (std::fabs((double)prod) > kMaxRawAsDouble) return Value(double(prod / kScale));
        return Value(dao::Currency::fromRaw(std::llround((double)prod)));
    }
    return Value(a.toDouble() * b.toDouble());
}

Value divide(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return Value();
    if (!isNumeric(a) || !isNumeric(b)) mismatch("jakolasku", a, b);
    double divisor = b.toDouble();
    if (divisor == 0.0) return Value();
    if (isCurrency(a) && !isCurrency(b)) {
        long double q = (long double)a.toCurrency().raw() / (long double)divisor;
        if (std::fabs((double)q) <= kMaxRawAsDouble) return Value(dao::Currency::fromRaw(std::llround((double)q)));
    }
    if (isCurrency(a) && isCurrency(b))
        return Value(double((long double)a.toCurrency().raw() / (long double)b.toCurrency().raw()));
    return Value(a.toDouble() / divisor);
}

Value concat(const Value& a, const Value& b) { return Value(toText(a) + toText(b)); }

bool truth(const Value& v) {
    switch (v.kind()) {
    case Kind::Null: return false;
    case Kind::Bool: return v.toBool();
    case Kind::Int: return v.toLong() != 0;
    case Kind::Double: return v.toDouble() != 0.0;
    case Kind::Currency: return !v.toCurrency().isZero();
    default: mismatch1("ehto", v);
    }
}

namespace {

// True when every character is printable ASCII: each has a first-level
// weight of its own in the Finnish order, so two such texts that differ
// other than in case are never equal in it.
bool printableAscii(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

}  // namespace

std::optional<bool> equal(const Value& a, const Value& b) {
    if (a.kind() == Kind::Text && b.kind() == Kind::Text) {
        const QString sa = a.toString(), sb = b.toString();
        if (sa.compare(sb, Qt::CaseInsensitive) == 0) return true;
        if (printableAscii(sa) && printableAscii(sb)) return false;
    }
    const auto c = compare(a, b);
    if (!c) return std::nullopt;
    return *c == 0;
}

std::optional<int> compare(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return std::nullopt;
    auto sign = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    Kind ka = a.kind(), kb = b.kind();
    if (ka == Kind::Text && kb == Kind::Text) {
        const QString sa = a.toString(), sb = b.toString();
        if (sa.compare(sb, Qt::CaseInsensitive) == 0) return 0;
        int c = finnishCollator().compare(sa, sb);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (ka == Kind::Date && kb == Kind::Date) return sign(a.toDate().seconds(), b.toDate().seconds());
    if (ka == Kind::Bool || kb == Kind::Bool) {
        if ((ka == Kind::Bool || isNumeric(a)) && (kb == Kind::Bool || isNumeric(b)))
            return sign(int(truth(a)), int(truth(b)));
        mismatch("vertailu", a, b);
    }
    if (!isNumeric(a) || !isNumeric(b)) mismatch("vertailu", a, b);
    if (isWhole(a) && isWhole(b)) return sign(a.toLong(), b.toLong());
    if (isCurrency(a) || isCurrency(b)) {
        auto ra = rawOf(a), rb = rawOf(b);
        if (ra && rb) return sign(*ra, *rb);
    }
    return sign(a.toDouble(), b.toDouble());
}

int sortCompare(const Value& a, const Value& b) {
    if (a.isNull() || b.isNull()) return int(!a.isNull()) - int(!b.isNull());
    try {
        if (auto c = compare(a, b)) return *c;
    } catch (const TypeError&) {
    }
    return int(a.kind()) - int(b.kind());
}

}  // namespace val
}  // namespace report
