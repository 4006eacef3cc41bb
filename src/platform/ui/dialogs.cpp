#include "platform/ui/dialogs.h"

#include "platform/ui/printers.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace ui {

namespace {

DialogService*& current() {
    static DialogService* s = nullptr;
    return s;
}

QtDialogService& qtService() {
    static QtDialogService s;
    return s;
}

// A dialog shows the ordinary pointer even while an operation has put up
// the hourglass.
class ArrowWhileOpen {
public:
    ArrowWhileOpen() : active_(QGuiApplication::overrideCursor() != nullptr) {
        if (active_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileOpen() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }

private:
    bool active_;
};

QString withLf(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QWidget* parentWindow() { return QApplication::activeWindow(); }

}  // namespace

DialogService& Dialogs() { return current() ? *current() : qtService(); }

void SetDialogs(DialogService* service) { current() = service; }

DialogScope::DialogScope(DialogService* service) : previous_(current()) { current() = service; }
DialogScope::~DialogScope() { current() = previous_; }

Answer MsgBox(const QString& text, int style, const QString& title) {
    Buttons buttons = Buttons::OK;
    switch (style & 0x7) {
    case 1: buttons = Buttons::OKCancel; break;
    case 3: buttons = Buttons::YesNoCancel; break;
    case 4: buttons = Buttons::YesNo; break;
    default: break;
    }
    Icon icon = Icon::None;
    switch (style & 0x70) {
    case 16: icon = Icon::Critical; break;
    case 32: icon = Icon::Question; break;
    case 48: icon = Icon::Exclamation; break;
    case 64: icon = Icon::Information; break;
    default: break;
    }
    return Dialogs().messageBox(text, title, buttons, icon);
}

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file; here that is "*" (names need not have a dot).
        QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& p : list) {
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        patterns = list.join(QLatin1Char(' '));
        if (patterns.isEmpty()) continue;
        if (description.contains(QLatin1Char('(')) && description.endsWith(QLatin1Char(')'))) {
            // "Database (*.mdb)": Qt reads the patterns from the brackets, so
            // they must be the real ones.
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            entries << description.left(open).trimmed() + QLatin1String(" (") + patterns +
                           QLatin1Char(')');
        } else {
            entries << (description.isEmpty() ? patterns : description) + QLatin1String(" (") +
                           patterns + QLatin1Char(')');
        }
    }
    return entries.join(QLatin1String(";;"));
}

Answer QtDialogService::messageBox(const QString& text, const QString& title, Buttons buttons,
                                   Icon icon) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Information: qicon = QMessageBox::Information; break;
    case Icon::Question: qicon = QMessageBox::Question; break;
    case Icon::Critical: qicon = QMessageBox::Critical; break;
    case Icon::Exclamation: qicon = QMessageBox::Warning; break;
    case Icon::None: break;
    }
    QMessageBox::StandardButtons std = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (buttons) {
    case Buttons::OK: break;
    case Buttons::OKCancel: std = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Buttons::YesNo:
        std = QMessageBox::Yes | QMessageBox::No;
        first = QMessageBox::Yes;
        break;
    case Buttons::YesNoCancel:
        std = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        first = QMessageBox::Yes;
        break;
    }
    QMessageBox box(qicon, title, withLf(text), std, parentWindow());
    // The text is shown as it is: names typed by users may contain "<".
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(first);
    ArrowWhileOpen arrow;
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::OK;
    default:
        // Closed without a button: the same as Escape.
        if (buttons == Buttons::YesNo) return Answer::No;
        if (buttons == Buttons::OK) return Answer::OK;
        return Answer::Cancel;
    }
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    ArrowWhileOpen arrow;
    bool ok = false;
    const QString text = QInputDialog::getText(parentWindow(), title, withLf(prompt), QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? text : QString();
}

QString QtDialogService::openFile(const QString& title, const QString& initial, const QString& filter) {
    ArrowWhileOpen arrow;
    return QFileDialog::getOpenFileName(parentWindow(), title, initial, QtFileFilter(filter));
}

QString QtDialogService::saveFile(const QString& title, const QString& initial, const QString& filter) {
    ArrowWhileOpen arrow;
    return QFileDialog::getSaveFileName(parentWindow(), title, initial, QtFileFilter(filter));
}

QString QtDialogService::chooseFolder(const QString& title, const QString& initial) {
    ArrowWhileOpen arrow;
    return QFileDialog::getExistingDirectory(parentWindow(), title, initial);
}

bool QtDialogService::choosePrinter(PrinterChoice& choice) {
    ArrowWhileOpen arrow;
    QPrinter own;
    QPrinter& printer = choice.target ? *choice.target : own;
    // The dialog offers the installed printers and printing to a PDF file;
    // the PDF entry stands for the PDF printer.
    if (choice.printer == kPdfPrinter) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        if (!choice.pdfFile.isEmpty()) printer.setOutputFileName(choice.pdfFile);
    } else if (!choice.printer.isEmpty()) {
        printer.setPrinterName(choice.printer);
    }
    QPrintDialog dialog(&printer, parentWindow());
    if (choice.pageCount > 0) dialog.setMinMax(1, choice.pageCount);
    // The file field proposes the caller's name whichever printer the dialog
    // opens on: Qt's own proposal, made from the document's name, takes the
    // end of a title such as "... - 31.12.2026" for an extension.
    if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")); file && !choice.pdfFile.isEmpty())
        file->setText(choice.pdfFile);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.printer = kPdfPrinter;
        choice.pdfFile = printer.outputFileName();
    } else {
        choice.printer = printer.printerName();
    }
    return true;
}

}  // namespace ui
