#pragma once

// The report engine: reads a definition, reads and selects the records from
// the database, sorts and groups them, and lays them out into pages.

#include "platform/report/layout.h"

#include <QDate>
#include <QMarginsF>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstddef>
#include <memory>
#include <vector>

namespace report {

struct EngineInput {
    QString definitionPath;
    QString selectionFormula;   // the program's record condition; empty: every record
    QStringList formulas;       // "Name= 'value'" entries; empty entries are skipped
    QStringList sortFields;     // "+{table.field}" entries; none given: the definition's order
    QStringList dataFiles;      // database per table of the definition; entry 0 is the database read
    QStringList sectionFonts;   // "CODE;font;size;italic;bold;underline;strikeout" entries
    QMarginsF marginsMm{-1, -1, -1, -1};  // a negative side keeps the definition's margin
    QDate printDate;            // PrintDate; today when not valid
    // A report of many records shares its work among the processors: its
    // records are read, selected and sorted in parts of at least this many
    // each, side by side, and from this many on its formulas of the record
    // alone are worked out beside the layout. A shorter one is done on the
    // calling thread alone, which is quicker for it.
    static constexpr std::size_t kParallelFrom = 16384;
    std::size_t parallelFrom = kParallelFrom;
};

struct EngineResult {
    std::shared_ptr<LaidOutReport> report;
    QString database;           // the database file read
    QString sql;                // the statement that read it
    int recordsRead = 0;
    int recordsSelected = 0;
    QStringList ignoredFormulas;  // names the definition does not have
};

// An item that shows the page count, written once the count is known: on
// page (from 0), band and item of that page.
struct LateItem {
    int page = 0, band = 0, item = 0;
    LaidItem laid;
};

// Where the engine sends the pages of a report, one at a time as each is
// laid out, so that a long report need not be held whole.
class PageSink {
public:
    virtual ~PageSink() = default;
    // A complete page. While the page count is not known yet, the items
    // that show it come with empty texts, written at lastPage. The report
    // holds the paper, the margins, the title and every font the page uses.
    virtual void page(LaidPage page, const LaidOutReport& report) = 0;
    // After the last page: the items that show the page count.
    virtual void lastPage(const LaidOutReport& report, std::vector<LateItem> items) {
        (void)report;
        (void)items;
    }
};

// Keeps every page in a report (the preview's and the tests' way).
class KeepPages final : public PageSink {
public:
    explicit KeepPages(LaidOutReport& into) : into_(into) {}
    void page(LaidPage page, const LaidOutReport& report) override;
    void lastPage(const LaidOutReport& report, std::vector<LateItem> items) override;

private:
    LaidOutReport& into_;
};

// A report read, selected and sorted, ready to be laid out: its title,
// paper and margins are known, its pages not yet. Errors: ReportError (see
// platform/report/error.h), here and in the layout.
class PreparedReport {
public:
    explicit PreparedReport(const EngineInput& input);
    // The same in steps: the constructor reads the definition, readRecords
    // the records and setUp makes the report ready for its layout.
    // readRecords may run on another thread while the calling one does
    // other work (but nothing with this report): it uses nothing of the
    // calling thread's own, such as the translator or fonts.
    struct InSteps {};
    PreparedReport(const EngineInput& input, InSteps);
    void readRecords();
    void setUp();
    ~PreparedReport();
    PreparedReport(const PreparedReport&) = delete;
    PreparedReport& operator=(const PreparedReport&) = delete;

    // The records read and the report without its pages (result().report).
    const EngineResult& result() const;
    // Some text shows the page count, which a layout learns at its end.
    bool pageCountShown() const;
    bool pageCountKnown() const;
    // The title is known before the layout unless it shows the page count.
    bool titleKnown() const;
    // The title as soon as the definition is read, where it names no field
    // and shows no page number or count (a title of the program's formulas);
    // empty otherwise: then it is known once the records are set up.
    QString titleBeforeRecords();
    // Lays the pages out without keeping them, to learn the page count; a
    // layout after it writes every text on its page. Returns the count.
    int countPages();
    // Lays the pages out first to last into the sink.
    void layOut(PageSink& sink);

    // The same in steps, so that the caller may do other work between
    // them: begin, then proceed until it returns true. Each step lays
    // records out until the time given has come (one at least). Counting
    // is the pass of countPages in steps.
    void begin(PageSink& sink);
    void beginCounting();
    bool proceed(std::chrono::steady_clock::time_point until);
    // The records to lay out; of the pass under way (or the last one), the
    // records laid out so far and the pages complete.
    int records() const;
    int recordsLaidOut() const;
    int pagesLaidOut() const;
    // The page count once a pass has ended; 0 before.
    int pageCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Runs the whole engine, keeping every page. Errors: ReportError (see
// platform/report/error.h).
EngineResult runEngine(const EngineInput& input);

// Resolves a font family for printing: a family that is not installed is
// replaced by its metric twin ("Times New Roman" -> "Liberation Serif",
// "Arial" -> "Liberation Sans", "Courier New" -> "Liberation Mono").
QString printableFamily(const QString& family);

// The font families a report can be printed in: the installed families, and
// the usual names whose metric twin is installed ("Times New Roman" when
// "Liberation Serif" is there), so that a book's stored font keeps its name.
QStringList printableFamilies();

}  // namespace report
