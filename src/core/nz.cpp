#include "core/nz.h"

#include "core/globals.h"
#include "platform/dao/error.h"

#include <limits>

namespace core {

namespace {
// A value of another kind (a text that is no number or date) gives the
// default; a number beyond the range of the result raises Overflow, for it
// would otherwise be read as another number.
template <class T, class F>
T orDefault(const dao::Variant& v, T def, F convert) {
    if (v.isNull()) return def;
    try {
        return convert();
    } catch (const dao::DaoError& e) {
        if (e.number() == dao::err::Overflow) throw;
        return def;
    }
}
}  // namespace

dao::Date NzDate(const dao::Variant& v, dao::Date def) {
    return orDefault(v, def, [&] { return v.toDate(); });
}

long NzLong(const dao::Variant& v, long def) {
    return orDefault(v, def, [&] {
        const std::int64_t n = v.toLong();
        if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
            dao::raise(dao::err::Overflow);
        return long(n);
    });
}

dao::Currency NzCurrency(const dao::Variant& v, dao::Currency def) {
    return orDefault(v, def, [&] { return v.toCurrency(); });
}

bool NzBoolean(const dao::Variant& v, bool def) {
    return orDefault(v, def, [&] { return v.toBool(); });
}

double NzDouble(const dao::Variant& v, double def) {
    return orDefault(v, def, [&] { return v.toDouble(); });
}

QString NzString(const dao::Variant& v, const QString& def) {
    if (v.isNull()) return def;
    if (v.kind() == dao::Variant::Kind::Date) return v.toDate().toShortString();
    return v.toString();
}

QString SqlDate(const dao::Date& d) {
    const QDate q = d.date();
    return QStringLiteral("#%1/%2/%3#").arg(q.month()).arg(q.day()).arg(q.year());
}

dao::Date DateIntoFinancialYear(const dao::Date& d) {
    if (d >= TilikausiAlku && d <= TilikausiLoppu) return d;
    if (d > TilikausiLoppu) return d.addYears(-1);
    return d.addYears(1);
}

}  // namespace core
