#pragma once

// The side code of an entry, a budget line or a statement model row:
// "D" debit, "K" credit. A code is read without regard to letter case, as
// the database compares texts (the text columns carry the NOCASE
// collation), so that a "d" typed into an older book counts in every sum,
// view and check exactly as the SQL that selected it does. The program
// itself always writes the capitals.

#include <QString>
#include <QStringView>

namespace core {

inline bool OnDebet(QStringView tyyppi) { return tyyppi.compare(u"D", Qt::CaseInsensitive) == 0; }
inline bool OnKredit(QStringView tyyppi) { return tyyppi.compare(u"K", Qt::CaseInsensitive) == 0; }

}  // namespace core
