#include "reportctl/reportcontrolsetup.h"

#include "core/globals.h"
#include "core/ui/translator.h"
#include "platform/report/reportcontrol.h"
#include "platform/report/texts.h"
#include "reportctl/frmtulostus.h"

#include <QCoreApplication>
#include <QPointer>
#include <exception>

namespace reports {

namespace {

// Runs one step of a set-up whose failures are of no consequence.
template <class F>
void attempt(F&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        qWarning("report control: %s", e.what());
    } catch (...) {
        // As above: a set-up step of no consequence, logged only.
        qWarning("report control: unknown error");
    }
}

constexpr int kPreviewMaximised = 2;

}  // namespace

report::ReportControl& CrystalReport1() {
    // Owned by the application object, so it goes before the windows'
    // platform does; a control asked for before the application exists (or
    // after it has gone) is made anew.
    static QPointer<report::ReportControl> control;
    if (!control) {
        control = new report::ReportControl(QCoreApplication::instance());
        control->setObjectName(QStringLiteral("CrystalReport1"));
        // The control's own texts (the definitions' headings, the preview,
        // its messages) in the language of the program's translator.
        report::SetTextTranslator(
            [](const QString& section, const QString& text) { return core::TranslateStr(section, text); });
        // A report for the PDF printer without a file named in the print
        // dialog's printer choice asks for one with the print dialog's words.
        control->setPdfFileQuestion(AskPdfFile);
    }
    return *control;
}

void ApplyReportMargins() {
    report::ReportControl& rc = CrystalReport1();
    const core::ReportMargins m = core::ReportControlMargins;
    attempt([&] { rc.setMarginBottom(m.bottom); });
    attempt([&] { rc.setMarginLeft(m.left); });
    attempt([&] { rc.setMarginRight(m.right); });
    attempt([&] { rc.setMarginTop(m.top); });
}

void InitReportControl() {
    report::ReportControl& rc = CrystalReport1();
    attempt([&] { rc.setWindowLeft(0); });
    attempt([&] { rc.setWindowTop(0); });
    ApplyReportMargins();
}

void ResetReportFormulas() {
    report::ReportControl& rc = CrystalReport1();
    using P = report::ControlProperties;
    attempt([&] { rc.setWindowState(kPreviewMaximised); });
    for (int i = 0; i < P::kDataFileSlots; ++i) attempt([&] { rc.setDataFiles(i, core::DatabasePath); });
    attempt([&] { rc.setSelectionFormula(QString()); });
    for (int i = 0; i < P::kFormulaSlots; ++i) attempt([&] { rc.setFormulas(i, QString()); });
    for (int i = 0; i < P::kSortFieldSlots; ++i) attempt([&] { rc.setSortFields(i, QString()); });
    ApplyReportMargins();
}

QString NamedFormula(const QString& name, const QString& value) {
    return name + QStringLiteral("= '") + value + QLatin1Char('\'');
}

}  // namespace reports
