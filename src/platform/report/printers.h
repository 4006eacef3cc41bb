#pragma once

// The printers a report can go to: the printers installed on the machine,
// and the PDF printer, which is there on every machine.

#include <QString>

namespace report {

// The PDF printer's name. Printing on it writes the report into a PDF file
// (the report control's print file name). Its name has blanks, which the
// name of no installed printer has.
inline const QString kPdfPrinter = QStringLiteral("Tulosta tiedostoon (PDF)");

// The printer that a report set to print on name goes to: name itself when
// it is installed or is the PDF printer; otherwise (none chosen, or the
// chosen one is gone) the default printer, else the first installed one,
// and the PDF printer when no printer is installed.
QString PrinterFor(const QString& name);

}  // namespace report
