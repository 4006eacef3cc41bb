#include "platform/report/printers.h"

#include <QPrinterInfo>
#include <QStringList>

namespace report {

QString PrinterFor(const QString& name) {
    if (name == kPdfPrinter) return name;
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (!name.isEmpty() && installed.contains(name)) return name;
    const QPrinterInfo def = QPrinterInfo::defaultPrinter();
    if (!def.isNull()) return def.printerName();
    return installed.isEmpty() ? kPdfPrinter : installed.front();
}

}  // namespace report
