#pragma once

// The report control shared by every report of the program. Its properties
// may be set in any order; nothing happens until the run action. A run reads
// the definition file, the records from the database, lays out the pages and
// sends them to a preview window, a printer or a PDF file. What the last run
// received and what it laid out can be read back (lastRun), which the tests
// of the report commands use.
//
// A long run keeps the program's windows painted and shows its progress,
// with a Cancel, after a short delay (progress.h). A run to a printer or a
// file ends before the run action returns. A run to the preview window
// returns once the window shows the first page; the rest of the pages come
// while the user reads, and the control is free for the next run
// meanwhile.

#include "platform/report/engine.h"
#include "platform/report/layout.h"
#include "platform/report/preview.h"
#include "platform/report/progress.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <memory>

class QPrinter;

namespace report {

class PreviewWindow;
class ReportError;

// Every property of the control, as the program set it.
struct ControlProperties {
    static constexpr int kFormulaSlots = 21;      // Formulas(0..20)
    static constexpr int kSortFieldSlots = 11;    // SortFields(0..10)
    static constexpr int kDataFileSlots = 25;     // DataFiles(0..24)
    static constexpr int kSectionFontSlots = 5;   // SectionFont(0..4)

    QString reportFileName;
    int destination = 0;            // 0 preview window, 1 printer, 2 file (PDF)
    QString printFileName;          // the PDF file of destination 2
    int copiesToPrinter = 1;
    QString selectionFormula;
    std::array<QString, kFormulaSlots> formulas;
    std::array<QString, kSortFieldSlots> sortFields;
    std::array<QString, kDataFileSlots> dataFiles;
    std::array<QString, kSectionFontSlots> sectionFonts;
    // Margins in report margin units, 1/48 mm (the settings hand millimetres
    // multiplied by 48); 0 keeps the definition's own margin.
    int marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
    QString printerName, printerDriver, printerPort;
    // The preview window: position in pixels (used when not maximised),
    // state 0 normal, 1 minimised, 2 maximised, and a title that replaces the
    // report's own when not empty.
    int windowLeft = 0, windowTop = 0, windowState = 0;
    QString windowTitle;
};

// What one run received and produced.
struct RunRecord {
    int number = 0;                  // runs of this control so far; 0: none yet
    ControlProperties properties;    // as they stood when the run began
    bool succeeded = false;
    int errorNumber = 0;             // the ReportError's number when the run failed
    QString errorText;
    QString database;                // the database read
    QString sql;                     // the statement that read the records
    int recordsRead = 0;             // records the tables gave
    int recordsSelected = 0;         // records left after the selection
    QStringList ignoredFormulas;     // formula names the definition does not have
    std::shared_ptr<const LaidOutReport> report;  // the pages; null when the run failed early
    QString title;                   // preview window title
    int copies = 0;                  // copies printed (printer), at least 1
    QString printer;                 // printer printed on
    QString outputFile;              // PDF written (destination 2, or the PDF printer)
    // The user cancelled: the PDF file's name was not given, Cancel was
    // pressed while the run went on, or the preview window was closed
    // before its last page. Nothing was printed; a file keeps what it held.
    bool cancelled = false;
};

class ReportControl : public QObject {
    Q_OBJECT
public:
    enum Destination { ToWindow = 0, ToPrinter = 1, ToFile = 2 };
    static constexpr int kMarginUnitsPerMm = 48;

    explicit ReportControl(QObject* parent = nullptr);
    ~ReportControl() override;

    // --- properties. Slot numbers outside a property's range, a destination
    // other than 0..2 and a negative margin raise ReportError (InvalidIndex,
    // InvalidProperty).
    QString reportFileName() const { return p_.reportFileName; }
    void setReportFileName(const QString& path) { p_.reportFileName = path; }
    int destination() const { return p_.destination; }
    void setDestination(int d);
    QString printFileName() const { return p_.printFileName; }
    void setPrintFileName(const QString& path) { p_.printFileName = path; }
    int copiesToPrinter() const { return p_.copiesToPrinter; }
    void setCopiesToPrinter(int n) { p_.copiesToPrinter = n; }
    QString selectionFormula() const { return p_.selectionFormula; }
    void setSelectionFormula(const QString& f) { p_.selectionFormula = f; }
    QString formulas(int slot) const;
    void setFormulas(int slot, const QString& text);
    QString sortFields(int slot) const;
    void setSortFields(int slot, const QString& text);
    QString dataFiles(int slot) const;
    void setDataFiles(int slot, const QString& path);
    QString sectionFont(int slot) const;
    void setSectionFont(int slot, const QString& text);
    int marginLeft() const { return p_.marginLeft; }
    int marginRight() const { return p_.marginRight; }
    int marginTop() const { return p_.marginTop; }
    int marginBottom() const { return p_.marginBottom; }
    void setMarginLeft(int v);
    void setMarginRight(int v);
    void setMarginTop(int v);
    void setMarginBottom(int v);
    QString printerName() const { return p_.printerName; }
    void setPrinterName(const QString& s) { p_.printerName = s; }
    QString printerDriver() const { return p_.printerDriver; }
    void setPrinterDriver(const QString& s) { p_.printerDriver = s; }
    QString printerPort() const { return p_.printerPort; }
    void setPrinterPort(const QString& s) { p_.printerPort = s; }
    int windowLeft() const { return p_.windowLeft; }
    void setWindowLeft(int v) { p_.windowLeft = v; }
    int windowTop() const { return p_.windowTop; }
    void setWindowTop(int v) { p_.windowTop = v; }
    int windowState() const { return p_.windowState; }
    void setWindowState(int v) { p_.windowState = v; }
    QString windowTitle() const { return p_.windowTitle; }
    void setWindowTitle(const QString& s) { p_.windowTitle = s; }
    const ControlProperties& properties() const { return p_; }

    // --- running
    // The run action: 1 produces the report on the destination; other values
    // do nothing. Errors of the run: ReportError.
    void setAction(int action);
    int action() const { return action_; }
    // Produces the report. The run is recorded (lastRun) also when it fails;
    // a failure raises ReportError with its number and text. A cancel is
    // recorded and raises nothing. A run asked for while one goes on (from
    // something the windows did meanwhile) raises ReportError (Busy).
    void printReport();

    // The last run, whole: the pages of a preview still being laid out are
    // laid out first.
    const RunRecord& lastRun();
    int runCount() const { return last_.number; }
    // The preview window of the last run to the window, while it is open.
    PreviewWindow* lastPreview() const { return preview_.data(); }

    // The date PrintDate gives; today when not set (tests fix it).
    void setPrintDate(const QDate& d) { printDate_ = d; }
    // The records from which a run shares its work among the processors
    // (EngineInput::parallelFrom). Set low, a short report goes the ways of
    // a long one.
    void setParallelFrom(std::size_t records) { parallelFrom_ = records; }
    // How long a run goes on before its progress shows (milliseconds); a
    // shorter run shows none.
    int progressDelay() const { return int(progressDelay_.count()); }
    void setProgressDelay(int ms) { progressDelay_ = std::chrono::milliseconds(std::max(ms, 0)); }

    // Asks the user for the PDF file of a run on the PDF printer that has no
    // print file name, proposing one made from the report's title; returns
    // the file, or "" when the user cancels (the run then prints nothing and
    // raises nothing). Without a question such a run raises NoDestinationFile
    // (or NoPrinter when no printer was chosen).
    using PdfFileQuestion = std::function<QString(const QString& proposed)>;
    void setPdfFileQuestion(PdfFileQuestion question) { pdfFileQuestion_ = std::move(question); }

Q_SIGNALS:
    void previewOpened(report::PreviewWindow* window);

private:
    class PreviewLayout;
    void run(RunRecord& run, RunProgress& progress);
    void output(RunRecord& run, std::unique_ptr<PreparedReport> prepared, RunProgress& progress);
    void preview(RunRecord& run, std::unique_ptr<PreparedReport> prepared, RunProgress& progress);
    void print(RunRecord& run, PreparedReport& prepared, QPrinter& printer, RunProgress& progress);
    void writePdf(RunRecord& run, PreparedReport& prepared, const QString& file, RunProgress& progress);
    // The end of a preview's layout after its window opened: whole, failed,
    // or stopped by the window's close.
    enum class PreviewEnd { Whole, Failed, Closed };
    void previewEnded(int run, PreviewEnd end, const ReportError* error = nullptr);

    ControlProperties p_;
    int action_ = 0;
    QDate printDate_;
    std::size_t parallelFrom_ = EngineInput::kParallelFrom;
    std::chrono::milliseconds progressDelay_ = RunProgress::kDelay;
    bool running_ = false;  // a run to the end of which the run action waits
    RunRecord last_;
    QPointer<PreviewWindow> preview_;
    QPointer<PreviewLayout> previewLayout_;  // of the last run, while it goes on
    PdfFileQuestion pdfFileQuestion_;
};

}  // namespace report
