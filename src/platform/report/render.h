#pragma once

// Painting of a laid-out report. The preview window, the printer and PDF
// output all paint through these functions.

#include "platform/report/layout.h"

class QPainter;
class QPrinter;

namespace report {

// Paints one page (index from 0) with the painter, whose device has the given
// resolution in dots per inch; the origin is the paper's top-left corner.
void paintPage(QPainter& painter, const LaidOutReport& report, int pageIndex, double dpiX, double dpiY);

// Sets the printer to the report's paper and orientation with the whole
// paper addressable (the report keeps its own margins).
void setUpPrinter(QPrinter& printer, const LaidOutReport& report);

// Paints every page on a printer (or PDF file) prepared with setUpPrinter.
// A long report going to a PDF file is painted in parts side by side and
// joined (pdfInParts false: page after page, as on paper). A PDF file is
// written whole or not at all: into a work file beside it, which takes the
// file's name once it is on the disk. Throws ReportError(OutputError) when
// the printer or the file cannot be written.
void printPages(QPrinter& printer, const LaidOutReport& report, bool pdfInParts = true);

}  // namespace report
