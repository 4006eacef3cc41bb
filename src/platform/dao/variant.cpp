#include "platform/dao/variant.h"

#include "platform/dao/error.h"

#include <cmath>
#include <limits>

namespace dao {

namespace {
template <class... Ts>
struct overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
overloaded(Ts...) -> overloaded<Ts...>;

[[noreturn]] void mismatch() { raise(err::TypeMismatch); }

std::optional<double> textToDouble(const QString& s) {
    bool ok = false;
    const double d = s.trimmed().toDouble(&ok);
    if (ok) return d;
    return std::nullopt;
}
}  // namespace

bool Variant::isNumeric() const {
    switch (kind()) {
    case Kind::Bool:
    case Kind::Int:
    case Kind::Double:
    case Kind::Currency:
        return true;
    default:
        return false;
    }
}

bool Variant::toBool() const {
    return std::visit(overloaded{
                          [](std::monostate) -> bool { mismatch(); },
                          [](bool b) { return b; },
                          [](std::int64_t i) { return i != 0; },
                          [](double d) { return d != 0.0; },
                          [](const Currency& c) { return !c.isZero(); },
                          [](const Date& d) { return !d.isZero(); },
                          [](const QString& s) -> bool {
                              const QString t = s.trimmed();
                              if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
                              if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
                              if (auto d = textToDouble(t)) return *d != 0.0;
                              mismatch();
                          },
                      },
                      v_);
}

std::int64_t Variant::toLong() const {
    auto fromDouble = [](double d) -> std::int64_t {
        if (!std::isfinite(d) || d >= 9.2e18 || d <= -9.2e18) raise(err::Overflow);
        // Round half to even, as whole-number conversions of the engine do.
        return std::int64_t(std::nearbyint(d));
    };
    return std::visit(overloaded{
                          [](std::monostate) -> std::int64_t { mismatch(); },
                          [](bool b) -> std::int64_t { return b ? -1 : 0; },
                          [](std::int64_t i) { return i; },
                          [&](double d) { return fromDouble(d); },
                          [](const Currency& c) -> std::int64_t {
                              // Half to even on the exact value.
                              std::int64_t q = c.raw() / Currency::kScale;
                              std::int64_t r = c.raw() % Currency::kScale;
                              if (r > 5000 || (r == 5000 && (q % 2 != 0))) ++q;
                              if (r < -5000 || (r == -5000 && (q % 2 != 0))) --q;
                              return q;
                          },
                          [](const Date& d) -> std::int64_t { return std::int64_t(std::floor(d.serial())); },
                          [&](const QString& s) -> std::int64_t {
                              bool ok = false;
                              const qlonglong v = s.trimmed().toLongLong(&ok);
                              if (ok) return v;
                              if (auto d = textToDouble(s)) return fromDouble(*d);
                              mismatch();
                          },
                      },
                      v_);
}

double Variant::toDouble() const {
    return std::visit(overloaded{
                          [](std::monostate) -> double { mismatch(); },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](std::int64_t i) { return double(i); },
                          [](double d) { return d; },
                          [](const Currency& c) { return c.toDouble(); },
                          [](const Date& d) { return d.serial(); },
                          [](const QString& s) -> double {
                              if (auto d = textToDouble(s)) return *d;
                              mismatch();
                          },
                      },
                      v_);
}

Currency Variant::toCurrency() const {
    return std::visit(overloaded{
                          [](std::monostate) -> Currency { mismatch(); },
                          [](bool b) { return Currency::fromUnits(b ? -1 : 0); },
                          [](std::int64_t i) {
                              if (i > std::numeric_limits<std::int64_t>::max() / Currency::kScale ||
                                  i < std::numeric_limits<std::int64_t>::min() / Currency::kScale)
                                  raise(err::Overflow);
                              return Currency::fromUnits(i);
                          },
                          [](double d) { return Currency::fromDouble(d); },
                          [](const Currency& c) { return c; },
                          [](const Date& d) { return Currency::fromDouble(d.serial()); },
                          [](const QString& s) -> Currency {
                              if (auto c = Currency::parseInvariant(s)) return *c;
                              mismatch();
                          },
                      },
                      v_);
}

Date Variant::toDate() const {
    return std::visit(overloaded{
                          [](std::monostate) -> Date { mismatch(); },
                          [](bool b) { return Date::fromSerial(b ? -1 : 0); },
                          [](std::int64_t i) { return Date::fromSerial(double(i)); },
                          [](double d) { return Date::fromSerial(d); },
                          [](const Currency& c) { return Date::fromSerial(c.toDouble()); },
                          [](const Date& d) { return d; },
                          [](const QString& s) -> Date {
                              if (auto d = Date::fromIso(s.trimmed())) return *d;
                              mismatch();
                          },
                      },
                      v_);
}

QString Variant::toString() const {
    return std::visit(overloaded{
                          [](std::monostate) { return QString(); },
                          [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
                          [](std::int64_t i) { return QString::number(i); },
                          [](double d) { return QString::number(d, 'g', 15); },
                          [](const Currency& c) { return c.toInvariantString(); },
                          [](const Date& d) { return d.toIso(); },
                          [](const QString& s) { return s; },
                      },
                      v_);
}

QString Variant::debugString() const {
    static const char* names[] = {"Null", "Bool", "Int", "Double", "Currency", "Date", "Text"};
    if (isNull()) return QStringLiteral("Null");
    return QString::fromLatin1(names[v_.index()]) + u'(' + toString() + u')';
}

}  // namespace dao
