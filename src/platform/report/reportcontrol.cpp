#include "platform/report/reportcontrol.h"

#include "platform/report/error.h"
#include "platform/report/preview.h"
#include "platform/report/render.h"
#include "platform/report/texts.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/placement.h"
#include "platform/ui/printers.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <climits>

namespace report {

using ui::kPdfPrinter;
using ui::PrinterFor;
using ui::ProposedPdfFile;

namespace {

void checkSlot(int slot, int count, const char* property) {
    if (slot < 0 || slot >= count)
        throw ReportError(err::InvalidIndex, QStringLiteral("%1(%2): paikka on 0-%3")
                                                 .arg(QString::fromLatin1(property))
                                                 .arg(slot)
                                                 .arg(count - 1));
}

void checkMargin(int v) {
    if (v < 0) throw ReportError(err::InvalidProperty, QStringLiteral("Marginaali ei voi olla negatiivinen (%1)").arg(v));
}

}  // namespace

ReportControl::ReportControl(QObject* parent) : QObject(parent) {}

ReportControl::~ReportControl() = default;

void ReportControl::setDestination(int d) {
    if (d < ToWindow || d > ToFile)
        throw ReportError(err::InvalidProperty,
                          QStringLiteral("Virheellinen kohde %1 (0 ikkuna, 1 tulostin, 2 tiedosto)").arg(d));
    p_.destination = d;
}

QString ReportControl::formulas(int slot) const {
    checkSlot(slot, ControlProperties::kFormulaSlots, "Formulas");
    return p_.formulas[size_t(slot)];
}
void ReportControl::setFormulas(int slot, const QString& text) {
    checkSlot(slot, ControlProperties::kFormulaSlots, "Formulas");
    p_.formulas[size_t(slot)] = text;
}
QString ReportControl::sortFields(int slot) const {
    checkSlot(slot, ControlProperties::kSortFieldSlots, "SortFields");
    return p_.sortFields[size_t(slot)];
}
void ReportControl::setSortFields(int slot, const QString& text) {
    checkSlot(slot, ControlProperties::kSortFieldSlots, "SortFields");
    p_.sortFields[size_t(slot)] = text;
}
QString ReportControl::dataFiles(int slot) const {
    checkSlot(slot, ControlProperties::kDataFileSlots, "DataFiles");
    return p_.dataFiles[size_t(slot)];
}
void ReportControl::setDataFiles(int slot, const QString& path) {
    checkSlot(slot, ControlProperties::kDataFileSlots, "DataFiles");
    p_.dataFiles[size_t(slot)] = path;
}
QString ReportControl::sectionFont(int slot) const {
    checkSlot(slot, ControlProperties::kSectionFontSlots, "SectionFont");
    return p_.sectionFonts[size_t(slot)];
}
void ReportControl::setSectionFont(int slot, const QString& text) {
    checkSlot(slot, ControlProperties::kSectionFontSlots, "SectionFont");
    p_.sectionFonts[size_t(slot)] = text;
}

void ReportControl::setMarginLeft(int v) {
    checkMargin(v);
    p_.marginLeft = v;
}
void ReportControl::setMarginRight(int v) {
    checkMargin(v);
    p_.marginRight = v;
}
void ReportControl::setMarginTop(int v) {
    checkMargin(v);
    p_.marginTop = v;
}
void ReportControl::setMarginBottom(int v) {
    checkMargin(v);
    p_.marginBottom = v;
}

void ReportControl::setAction(int action) {
    action_ = action;
    if (action == 1) printReport();
}

namespace {

using Clock = std::chrono::steady_clock;

// Pages of a run to a printer or a PDF file kept for lastRun: a longer
// report is not held whole.
constexpr int kKeptPages = 256;

// Keeps the pages of a run while there are few and passes them on.
class RunPages final : public PageSink {
public:
    RunPages(LaidOutReport& kept, PageSink& next) : kept_(kept), next_(next) {}
    void page(LaidPage page, const LaidOutReport& report) override {
        if (kept_.pagesNotKept == 0 && kept_.pages.size() < size_t(kKeptPages)) {
            kept_.pages.push_back(page);
        } else {
            if (!kept_.pages.empty()) {
                kept_.pagesNotKept = int(kept_.pages.size());
                std::vector<LaidPage>().swap(kept_.pages);
            }
            ++kept_.pagesNotKept;
        }
        next_.page(std::move(page), report);
    }
    void lastPage(const LaidOutReport& report, std::vector<LateItem> items) override {
        if (kept_.pagesNotKept == 0)
            for (const LateItem& l : items)
                kept_.pages[size_t(l.page)].bands[size_t(l.band)].items[size_t(l.item)] = l.laid;
        next_.lastPage(report, std::move(items));
    }

private:
    LaidOutReport& kept_;
    PageSink& next_;
};

// Goes on with the pass begun (a layout or a count) step by step, the
// windows kept alive between the steps, until it ends (true) or the pages
// asked for are complete (false). pagesCame is told after each step, before
// the windows repaint.
bool stepThrough(PreparedReport& prepared, RunProgress& progress, int pagesWanted = INT_MAX,
                 const std::function<void()>& pagesCame = {}) {
    const int known = prepared.pageCount();
    for (;;) {
        const bool ended = prepared.proceed(Clock::now() + RunProgress::kSlice);
        progress.setWork(prepared.recordsLaidOut(), prepared.records());
        progress.setPages(prepared.pagesLaidOut(), ended ? prepared.pageCount() : known);
        if (pagesCame) pagesCame();
        if (ended) return true;
        if (prepared.pagesLaidOut() >= pagesWanted) return false;
        progress.step();
    }
}

// Counts the pages of the report, with its progress.
void countPages(PreparedReport& prepared, RunProgress& progress) {
    progress.setStage(RunProgress::Stage::Counting);
    prepared.beginCounting();
    stepThrough(prepared, progress);
}

// A report that fails in its layout has no pages to show.
template <class F>
void layingOut(RunRecord& run, F&& layOut) {
    try {
        layOut();
    } catch (const ReportError& e) {
        if (e.number() != err::OutputError) run.report.reset();
        throw;
    }
}

}  // namespace

// The layout of a previewed report once its window shows the first page:
// it goes on in steps, between which the program answers the user, until
// the last page; the window's close stops it.
class ReportControl::PreviewLayout final : public QObject {
public:
    PreviewLayout(ReportControl& control, std::unique_ptr<PreparedReport> prepared, int run)
        : QObject(&control), control_(control), prepared_(std::move(prepared)), pages_(*prepared_->result().report),
          run_(run) {
        prepared_->begin(pages_);
        connect(&timer_, &QTimer::timeout, this, [this] { step(Clock::now() + RunProgress::kSlice); });
    }
    // Gone with the control (the program ends): the window keeps the pages
    // it has, and its print no longer asks here for the rest.
    ~PreviewLayout() override {
        if (window_) window_->setLayoutFinisher({});
    }

    PreparedReport& prepared() { return *prepared_; }

    void goOnIn(PreviewWindow* window) {
        window_ = window;
        window->setLayingOut(true);
        window->setLayoutFinisher([this] { return finishShown(); });
        // Told while the window is being destroyed: nothing of it is used.
        connect(window, &QObject::destroyed, this, [this] {
            window_ = nullptr;
            end(PreviewEnd::Closed);
        });
        timer_.start(0);
    }

    // The pages left, at once.
    void finish() {
        while (prepared_ && !step(Clock::time_point::max())) {
        }
    }

private:
    // The pages left, at once, with the progress shown as for a run (the
    // window's print waits for them), and the window's count of the pages
    // kept up with it. A cancel leaves the rest to come as before.
    bool finishShown() {
        if (!prepared_) return true;
        timer_.stop();
        try {
            RunProgress progress(window_ ? window_->windowTitle() : QString(), control_.progressDelay_);
            progress.setStage(RunProgress::Stage::LayingOut);
            stepThrough(*prepared_, progress, INT_MAX, [this] {
                if (window_) window_->pagesAdded();
            });
        } catch (const RunCancelled&) {
            timer_.start(0);
            return false;
        } catch (const ReportError& e) {
            end(PreviewEnd::Failed, &e);
            return false;
        }
        end(PreviewEnd::Whole);
        return true;
    }

    bool step(Clock::time_point until) {
        if (!prepared_) return true;
        bool ended = false;
        try {
            ended = prepared_->proceed(until);
        } catch (const ReportError& e) {
            end(PreviewEnd::Failed, &e);
            return true;
        }
        if (window_) window_->pagesAdded();
        if (ended) end(PreviewEnd::Whole);
        return ended;
    }

    void end(PreviewEnd how, const ReportError* error = nullptr) {
        timer_.stop();
        prepared_.reset();
        const QPointer<PreviewWindow> window = window_;
        window_ = nullptr;
        if (window) {
            disconnect(window, nullptr, this, nullptr);
            window->setLayoutFinisher({});
        }
        control_.previewEnded(run_, how, error);
        if (window && how == PreviewEnd::Whole) window->setLayingOut(false);
        if (window && error) {
            ui::Dialogs().messageBox(error->description(), window->windowTitle(), ui::Buttons::OK, ui::Icon::Exclamation);
            if (window) window->close();
        }
        deleteLater();
    }

    ReportControl& control_;
    std::unique_ptr<PreparedReport> prepared_;
    KeepPages pages_;
    const int run_;
    QPointer<PreviewWindow> window_;
    QTimer timer_;
};

void ReportControl::printReport() {
    if (running_)
        throw ReportError(err::Busy,
                          TranslateText(QStringLiteral("Raportit"), QStringLiteral("Edellinen raportti on vielä kesken")));
    const QScopedValueRollback busy(running_, true);
    previewLayout_ = nullptr;  // an earlier preview's layout goes on by itself
    RunRecord run;
    run.number = last_.number + 1;
    run.properties = p_;
    try {
        // Titled with the report's title once it is known (run).
        RunProgress progress(p_.windowTitle, progressDelay_);
        this->run(run, progress);
        run.succeeded = !run.cancelled;
        last_ = std::move(run);
    } catch (const RunCancelled&) {
        run.cancelled = true;
        run.report.reset();
        last_ = std::move(run);
    } catch (const ReportError& e) {
        run.errorNumber = e.number();
        run.errorText = e.description();
        last_ = std::move(run);
        throw;
    }
}

void ReportControl::run(RunRecord& run, RunProgress& progress) {
    const ControlProperties& p = run.properties;
    EngineInput in;
    in.definitionPath = p.reportFileName;
    in.selectionFormula = p.selectionFormula;
    for (const auto& f : p.formulas) in.formulas << f;
    for (const auto& s : p.sortFields) in.sortFields << s;
    for (const auto& d : p.dataFiles) in.dataFiles << d;
    for (const auto& s : p.sectionFonts) in.sectionFonts << s;
    auto mm = [](int units) { return units > 0 ? double(units) / kMarginUnitsPerMm : -1.0; };
    in.marginsMm = QMarginsF(mm(p.marginLeft), mm(p.marginTop), mm(p.marginRight), mm(p.marginBottom));
    in.printDate = printDate_;
    in.parallelFrom = parallelFrom_;
    // The records are read beside: the windows are kept painted meanwhile.
    auto prepared = std::make_unique<PreparedReport>(in, PreparedReport::InSteps{});
    if (p.windowTitle.isEmpty()) progress.setTitle(prepared->titleBeforeRecords());
    progress.setStage(RunProgress::Stage::Reading);
    progress.beside([&] { prepared->readRecords(); });
    prepared->setUp();
    const EngineResult& r = prepared->result();
    run.database = r.database;
    run.sql = r.sql;
    run.recordsRead = r.recordsRead;
    run.recordsSelected = r.recordsSelected;
    run.ignoredFormulas = r.ignoredFormulas;
    // A title that shows the page count is known once the pages are.
    if (!prepared->titleKnown()) countPages(*prepared, progress);
    run.report = r.report;  // its pages come with the layout
    run.title = !p.windowTitle.isEmpty() ? p.windowTitle
                : !r.report->title.isEmpty() ? r.report->title
                                             : QFileInfo(p.reportFileName).completeBaseName();
    progress.setTitle(run.title);
    output(run, std::move(prepared), progress);
}

void ReportControl::print(RunRecord& run, PreparedReport& prepared, QPrinter& printer, RunProgress& progress) {
    const std::shared_ptr<LaidOutReport>& rep = prepared.result().report;
    setUpPrinter(printer, *rep);
    PageWriter writer(printer);
    // The windows are kept alive, and a Cancel taken, also while the pages
    // wait for a painter.
    writer.setWhileWaiting([&] { progress.step(); });
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    // Pages painted as they come need the page count before the first. A
    // printer is sent nothing before every page has been laid out once:
    // what it has been sent cannot be taken back, and a cancel comes first.
    if (!prepared.pageCountKnown() &&
        (!toFile || (!writer.takesPageCountLate() && prepared.pageCountShown())))
        countPages(prepared, progress);
    progress.setStage(toFile ? RunProgress::Stage::LayingOut : RunProgress::Stage::Printing);
    RunPages pages(*rep, writer);
    layingOut(run, [&] {
        prepared.begin(pages);
        stepThrough(prepared, progress);
    });
    // The file is completed whole, or the printout sent, without a cancel;
    // a file whose painters are still at work is cancelled until it takes
    // its name.
    if (toFile) progress.setStage(RunProgress::Stage::Writing);
    if (writer.finishesOnAnyThread()) progress.beside([&] { writer.finish(); }, [&] { return writer.abandon(); });
    else writer.finish();
}

void ReportControl::writePdf(RunRecord& run, PreparedReport& prepared, const QString& file, RunProgress& progress) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setCreator(QStringLiteral("Kolvio VEV"));
    print(run, prepared, printer, progress);
    run.outputFile = file;
}

void ReportControl::preview(RunRecord& run, std::unique_ptr<PreparedReport> prepared, RunProgress& progress) {
    const ControlProperties& p = run.properties;
    // The window opens with the first page; the layout goes on in it.
    auto layout = std::make_unique<PreviewLayout>(*this, std::move(prepared), run.number);
    progress.setStage(RunProgress::Stage::LayingOut);
    bool ended = false;
    layingOut(run, [&] { ended = stepThrough(layout->prepared(), progress, 1); });
    auto* w = new PreviewWindow(run.report, run.title, p.printerName, p.copiesToPrinter);
    if (!ended) {
        previewLayout_ = layout.get();
        layout.release()->goOnIn(w);
    }
    layout.reset();
    if (p.windowState == 2) {
        w->showMaximized();
    } else if (p.windowState == 1) {
        w->showMinimized();
    } else {
        // Normal state: at the given position, kept on the screen.
        w->move(p.windowLeft, p.windowTop);
        ui::FitOnScreen(w);
        w->show();
    }
    preview_ = w;
    Q_EMIT previewOpened(w);
}

void ReportControl::previewEnded(int run, PreviewEnd end, const ReportError* error) {
    if (last_.number != run) return;  // a later run has been recorded since
    previewLayout_ = nullptr;
    switch (end) {
    case PreviewEnd::Whole: break;
    case PreviewEnd::Closed:
        last_.succeeded = false;
        last_.cancelled = true;
        last_.report.reset();
        break;
    case PreviewEnd::Failed:
        last_.succeeded = false;
        last_.errorNumber = error->number();
        last_.errorText = error->description();
        if (error->number() != err::OutputError) last_.report.reset();
        break;
    }
}

const RunRecord& ReportControl::lastRun() {
    if (previewLayout_) previewLayout_->finish();
    return last_;
}

void ReportControl::output(RunRecord& run, std::unique_ptr<PreparedReport> prepared, RunProgress& progress) {
    const ControlProperties& p = run.properties;
    switch (p.destination) {
    case ToWindow: preview(run, std::move(prepared), progress); break;
    case ToPrinter: {
        const QString target = PrinterFor(p.printerName);
        if (target == kPdfPrinter) {
            // The PDF printer chosen, or no printer installed: the PDF file
            // the user named, or names now.
            QString file = p.printFileName;
            if (file.trimmed().isEmpty() && pdfFileQuestion_) {
                progress.hiddenWhile([&] { file = pdfFileQuestion_(ProposedPdfFile(run.title)); });
                if (file.isEmpty()) {
                    run.cancelled = true;
                    break;
                }
            }
            if (file.trimmed().isEmpty()) {
                if (p.printerName == kPdfPrinter)
                    throw ReportError(err::NoDestinationFile, TranslateText(QStringLiteral("Raportit"),
                                                                            QStringLiteral("Tulostustiedoston nimi puuttuu")));
                throw ReportError(err::NoPrinter, TranslateText(QStringLiteral("Raportit"),
                                                                QStringLiteral("Tulostinta ei ole asennettu")));
            }
            writePdf(run, *prepared, file, progress);
            run.copies = 1;
            run.printer = kPdfPrinter;
            break;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(target);
        printer.setOutputFormat(QPrinter::NativeFormat);
        run.copies = std::max(1, p.copiesToPrinter);
        printer.setCopyCount(run.copies);
        run.printer = printer.printerName();
        print(run, *prepared, printer, progress);
        break;
    }
    case ToFile: {
        if (p.printFileName.trimmed().isEmpty())
            throw ReportError(err::NoDestinationFile, TranslateText(QStringLiteral("Raportit"),
                                                                    QStringLiteral("Tulostustiedoston nimi puuttuu")));
        writePdf(run, *prepared, p.printFileName, progress);
        break;
    }
    }
}

}  // namespace report
