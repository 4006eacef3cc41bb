#pragma once

// The printers a report can go to: the printers installed on the machine,
// and the PDF printer, which is there on every machine.

#include <QString>

namespace ui {

// The PDF printer's name. Printing on it writes the report into a PDF file
// (the report control's print file name). Its name has blanks, which the
// name of no installed printer has.
inline const QString kPdfPrinter = QStringLiteral("Tulosta tiedostoon (PDF)");

// The printer that a report set to print on name goes to: name itself when
// it is installed or is the PDF printer; otherwise (none chosen, or the
// chosen one is gone) the default printer, else the first installed one,
// and the PDF printer when no printer is installed.
QString PrinterFor(const QString& name);

// The PDF file proposed for a report titled title: the title whole, with
// ".pdf" after it (a title ends in a date, whose year is no extension), in
// the user's documents folder, or the home folder while there is none. A
// "/", which no file name can hold, is written as "-".
QString ProposedPdfFile(const QString& title);

}  // namespace ui
