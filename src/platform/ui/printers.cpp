#include "platform/ui/printers.h"

#include "platform/sys/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStringList>

namespace ui {

QString PrinterFor(const QString& name) {
    if (name == kPdfPrinter) return name;
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (!name.isEmpty() && installed.contains(name)) return name;
    const QPrinterInfo def = QPrinterInfo::defaultPrinter();
    if (!def.isNull()) return def.printerName();
    return installed.isEmpty() ? kPdfPrinter : installed.front();
}

QString ProposedPdfFile(const QString& title) {
    QString name = title.trimmed();
    for (QChar& c : name)
        if (c == u'/' || c.category() == QChar::Other_Control) c = u'-';
    QString folder = sys::GetSpecialFolder(sys::kSpecialFolderPersonal);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

}  // namespace ui
