#include "platform/report/reportcontrol.h"

#include "platform/report/error.h"
#include "platform/report/preview.h"
#include "platform/report/render.h"
#include "platform/report/texts.h"
#include "platform/ui/placement.h"
#include "platform/ui/printers.h"

#include <QFileInfo>
#include <QPrinter>
#include <QScreen>
#include <QPrinterInfo>

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

void ReportControl::printReport() {
    RunRecord run;
    run.number = last_.number + 1;
    run.properties = p_;
    try {
        EngineInput in;
        in.definitionPath = p_.reportFileName;
        in.selectionFormula = p_.selectionFormula;
        for (const auto& f : p_.formulas) in.formulas << f;
        for (const auto& s : p_.sortFields) in.sortFields << s;
        for (const auto& d : p_.dataFiles) in.dataFiles << d;
        for (const auto& s : p_.sectionFonts) in.sectionFonts << s;
        auto mm = [](int units) { return units > 0 ? double(units) / kMarginUnitsPerMm : -1.0; };
        in.marginsMm = QMarginsF(mm(p_.marginLeft), mm(p_.marginTop), mm(p_.marginRight), mm(p_.marginBottom));
        in.printDate = printDate_;
        in.parallelFrom = parallelFrom_;
        PreparedReport prepared(in);
        const EngineResult& r = prepared.result();
        run.database = r.database;
        run.sql = r.sql;
        run.recordsRead = r.recordsRead;
        run.recordsSelected = r.recordsSelected;
        run.ignoredFormulas = r.ignoredFormulas;
        // A title that shows the page count is known once the pages are.
        if (!prepared.titleKnown()) prepared.countPages();
        run.report = r.report;  // its pages come with the layout
        run.title = !p_.windowTitle.isEmpty() ? p_.windowTitle
                    : !r.report->title.isEmpty() ? r.report->title
                                                 : QFileInfo(p_.reportFileName).completeBaseName();
        output(run, prepared);
        run.succeeded = !run.cancelled;
        last_ = std::move(run);
    } catch (const ReportError& e) {
        run.errorNumber = e.number();
        run.errorText = e.description();
        last_ = std::move(run);
        throw;
    }
}

namespace {

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

}  // namespace

// A report that fails in its layout has no pages to show.
void ReportControl::layOut(RunRecord& run, PreparedReport& prepared, PageSink& pages) {
    try {
        prepared.layOut(pages);
    } catch (const ReportError& e) {
        if (e.number() != err::OutputError) run.report.reset();
        throw;
    }
}

void ReportControl::print(RunRecord& run, PreparedReport& prepared, QPrinter& printer) {
    const std::shared_ptr<LaidOutReport>& rep = prepared.result().report;
    setUpPrinter(printer, *rep);
    PageWriter writer(printer);
    // Pages painted as they come need the page count before the first.
    if (!writer.takesPageCountLate() && prepared.pageCountShown() && !prepared.pageCountKnown()) prepared.countPages();
    RunPages pages(*rep, writer);
    layOut(run, prepared, pages);
    writer.finish();
}

void ReportControl::writePdf(RunRecord& run, PreparedReport& prepared, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setCreator(QStringLiteral("Kolvio VEV"));
    print(run, prepared, printer);
    run.outputFile = file;
}

void ReportControl::output(RunRecord& run, PreparedReport& prepared) {
    switch (p_.destination) {
    case ToWindow: {
        // The preview shows every page.
        KeepPages pages(*prepared.result().report);
        layOut(run, prepared, pages);
        auto* w = new PreviewWindow(run.report, run.title, p_.printerName, p_.copiesToPrinter);
        if (p_.windowState == 2) {
            w->showMaximized();
        } else if (p_.windowState == 1) {
            w->showMinimized();
        } else {
            // Normal state: at the given position, kept on the screen.
            w->move(p_.windowLeft, p_.windowTop);
            ui::FitOnScreen(w);
            w->show();
        }
        preview_ = w;
        Q_EMIT previewOpened(w);
        break;
    }
    case ToPrinter: {
        const QString target = PrinterFor(p_.printerName);
        if (target == kPdfPrinter) {
            // The PDF printer chosen, or no printer installed: the PDF file
            // the user named, or names now.
            QString file = p_.printFileName;
            if (file.trimmed().isEmpty() && pdfFileQuestion_) {
                file = pdfFileQuestion_(ProposedPdfFile(run.title));
                if (file.isEmpty()) {
                    run.cancelled = true;
                    break;
                }
            }
            if (file.trimmed().isEmpty()) {
                if (p_.printerName == kPdfPrinter)
                    throw ReportError(err::NoDestinationFile, TranslateText(QStringLiteral("Raportit"),
                                                                            QStringLiteral("Tulostustiedoston nimi puuttuu")));
                throw ReportError(err::NoPrinter, TranslateText(QStringLiteral("Raportit"),
                                                                QStringLiteral("Tulostinta ei ole asennettu")));
            }
            writePdf(run, prepared, file);
            run.copies = 1;
            run.printer = kPdfPrinter;
            break;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(target);
        printer.setOutputFormat(QPrinter::NativeFormat);
        run.copies = std::max(1, p_.copiesToPrinter);
        printer.setCopyCount(run.copies);
        run.printer = printer.printerName();
        print(run, prepared, printer);
        break;
    }
    case ToFile: {
        if (p_.printFileName.trimmed().isEmpty())
            throw ReportError(err::NoDestinationFile, TranslateText(QStringLiteral("Raportit"),
                                                                    QStringLiteral("Tulostustiedoston nimi puuttuu")));
        writePdf(run, prepared, p_.printFileName);
        break;
    }
    }
}

}  // namespace report
