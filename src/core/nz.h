#pragma once

// Conversions of field values that may be Null, the SQL date literal and
// keeping a typed date inside the financial year.

#include "platform/dao/variant.h"

#include <QString>

namespace core {

// Each gives the default when the value is Null or of a kind that does not
// convert (a text that is no number or date). A number beyond the range of
// the result (a whole number beyond 32 bits, an amount beyond Currency, a
// date outside the years 100 to 9999) raises Overflow: it is never read as
// the default or as another number.
dao::Date NzDate(const dao::Variant& v, dao::Date def = dao::Date());
long NzLong(const dao::Variant& v, long def = 0);
dao::Currency NzCurrency(const dao::Variant& v, dao::Currency def = dao::Currency());
bool NzBoolean(const dao::Variant& v, bool def = false);
double NzDouble(const dao::Variant& v, double def = 0.0);
QString NzString(const dao::Variant& v, const QString& def = QString());

// "#m/d/yyyy#" without leading zeros: 5 March 2031 gives "#3/5/2031#".
QString SqlDate(const dao::Date& d);

// d itself inside the financial year; otherwise moved one year towards it
// (once; the result may still lie outside).
dao::Date DateIntoFinancialYear(const dao::Date& d);

}  // namespace core
