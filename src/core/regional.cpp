#include "core/regional.h"

#include "core/globals.h"

namespace core {

QLocale RegionalLocale(const QString& language) {
    // Qt reads the environment's names into the system locale; a name it
    // does not know gives the C locale, as C and POSIX themselves do.
    const QLocale system = QLocale::system();
    if (system.language() != QLocale::C) return system;
    if (language == QLatin1String("Svenska")) return QLocale(QLocale::Swedish, QLocale::Finland);
    return QLocale(QLocale::Finnish, QLocale::Finland);
}

void ApplyRegionalFormats() { QLocale::setDefault(RegionalLocale(Language)); }

}  // namespace core
