#pragma once

// Painting of a laid-out report. The preview window, the printer and PDF
// output all paint through these functions.

#include "platform/report/engine.h"
#include "platform/report/layout.h"

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;

namespace report {

// Paints one page (index from 0) with the painter, whose device has the given
// resolution in dots per inch; the origin is the paper's top-left corner.
void paintPage(QPainter& painter, const LaidOutReport& report, int pageIndex, double dpiX, double dpiY);

// Sets the printer to the report's paper and orientation with the whole
// paper addressable (the report keeps its own margins).
void setUpPrinter(QPrinter& printer, const LaidOutReport& report);

// Paints one laid-out page in the fonts of its report.
void paintPage(QPainter& painter, const LaidPage& page, const std::vector<QFont>& fonts, double dpiX, double dpiY);

// How a PDF file is painted: page after page, as on paper, or when long,
// in parts side by side (platform/reportpaint/pdfparts.h), by painter
// processes (on threads of this process where the painter program is
// missing or does not answer) or on threads.
enum class PdfPainting { PageAfterPage, InParts, InPartsOnThreads };

// Writes the pages of a report to a printer (or PDF file) prepared with
// setUpPrinter, each page as the engine lays it out, so that only the pages
// being painted are held; the page range chosen in the print dialog is kept.
// A long report going to a PDF file is painted in parts side by side, on
// one processor each, and the parts are joined. The items that show the
// page count, which the engine writes after the last page, are painted over
// their pages then; where pages are painted as they come, they cannot be
// taken so late (see takesPageCountLate). A PDF file is written whole or
// not at all: into a work file beside it, which takes the file's name once
// it is on the disk; until finish() nothing is on the disk under that name.
// Throws ReportError(OutputError) when the printer or the file cannot be
// written: from page() as soon as a part of the file has failed.
class PageWriter final : public PageSink {
public:
    explicit PageWriter(QPrinter& printer, PdfPainting pdf = PdfPainting::InParts);
    ~PageWriter() override;  // unfinished: the work files are removed
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    void page(LaidPage page, const LaidOutReport& report) override;
    void lastPage(const LaidOutReport& report, std::vector<LateItem> items) override;
    // False when each page is painted as it comes (a printer, a PDF file
    // not painted in parts): its report is laid out with the page count known.
    bool takesPageCountLate() const;
    // Completes the printout or the file.
    void finish();
    // True when finish() only waits for the painters of the parts and joins
    // them, which uses nothing of the calling thread's own (no painter, no
    // fonts): it may then be called on another thread, while this one does
    // other work, as long as nothing else here but abandon is used meanwhile.
    bool finishesOnAnyThread() const;
    // Stops such a finish() under way on another thread: true when the file
    // is left as it was (finish then throws RunCancelled), false when it is
    // too late, the file taking its name (finish then ends as it would have).
    bool abandon();
    // Called now and then, on the thread that hands the pages, while a page
    // waits for its painter to take pages it has; what it throws comes out
    // of page(). A painter that does not answer makes the pages wait until
    // it is ended.
    void setWhileWaiting(std::function<void()> whileWaiting);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Writes every page of a laid-out report through a PageWriter.
void printPages(QPrinter& printer, const LaidOutReport& report, PdfPainting pdf = PdfPainting::InParts);

}  // namespace report
