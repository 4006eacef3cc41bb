// The printer fonts a report names and the installed families that print
// them.

#include "platform/report/engine.h"

#include <QFontDatabase>

namespace report {

namespace {

// The usual printer fonts and the installed families that print them.
constexpr std::pair<const char*, const char*> kTwins[] = {
    {"Times New Roman", "Liberation Serif"}, {"Times", "Liberation Serif"},
    {"Arial", "Liberation Sans"},            {"Helvetica", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},      {"Courier", "Liberation Mono"}};

}  // namespace

QString printableFamily(const QString& family) {
    if (family.isEmpty() || QFontDatabase::hasFamily(family)) return family;
    for (const auto& [name, twin] : kTwins)
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0 &&
            QFontDatabase::hasFamily(QString::fromLatin1(twin)))
            return QString::fromLatin1(twin);
    return family;
}

QStringList printableFamilies() {
    QStringList families = QFontDatabase::families();
    for (const auto& [name, twin] : kTwins) {
        const QString n = QString::fromLatin1(name);
        if (!families.contains(n, Qt::CaseInsensitive) && QFontDatabase::hasFamily(QString::fromLatin1(twin)))
            families << n;
    }
    return families;
}

}  // namespace report
