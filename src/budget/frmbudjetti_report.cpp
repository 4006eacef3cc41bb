// The budget report: the chosen model computed as a statement of its budget
// (the budget vouchers built from bu, the statement pipeline into tula) and
// printed with "budj.rpt": the previous, the current and the next year's
// budget for the chosen period, and the same three from the start of each
// year.

#include "budget/frmbudjetti.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "statement_models/malli.h"
#include "statements/statements.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QProgressBar>
#include <cmath>

namespace budget {

namespace {

// "0112" for 1 January 2012: the month and the year's last two digits.
QString mmyy(const dao::Date& d) { return d.date().toString(QStringLiteral("MMyy")); }

QString span(const dao::Date& a, const dao::Date& b) { return mmyy(a) + QLatin1Char('-') + mmyy(b); }

// The budget vouchers carry no cost centre: a cost centre left chosen by a
// statement report would empty every budget column. The report runs with
// none, and the choice is given back afterwards.
class NoCostCentre {
public:
    NoCostCentre() : saved_(reports::RaporttiKpID) { reports::RaporttiKpID = 0; }
    ~NoCostCentre() { reports::RaporttiKpID = saved_; }
    NoCostCentre(const NoCostCentre&) = delete;
    NoCostCentre& operator=(const NoCostCentre&) = delete;

private:
    long saved_;
};

}  // namespace

void frmBudjetti::Tulosta() {
    NoCostCentre noCostCentre;
    auto progress = [this](double v) { pBar->setValue(int(std::lround(v))); };
    try {
        // Every pending amount is in bu before anything is computed.
        Tallenna();
        dao::Database db = core::DBCon().AvaaDB();
        statements::TyhjennaTulaJaTase(db);

        const int chosen = cmbTuloslaskelmat->currentIndex();
        if (chosen < 0)
            throw dao::DaoError(0, core::TranslateStr(QStringLiteral("frmBudjetti"),
                                                      QStringLiteral("Tuloslaskelmamallia ei ole valittu.")));
        const long maID = long(cmbTuloslaskelmat->itemData(chosen).toLongLong());

        const long rows = statement_models::ModelRowCount(db, maID);
        pBar->setMinimum(0);
        pBar->setMaximum(rows != 0 ? int(std::lround(rows / 5.0 + rows + 1)) : 2);
        pBar->setValue(0);
        QCoreApplication::processEvents();

        auto& dates = ui::Forms::get<reports::frmDates5>();
        ui::Forms::show(dates, true);
        const dao::Date start = core::RaporttiAlkuPvm;
        const dao::Date end = core::RaporttiLoppuPvm;
        if (reports::DialogiPeruttu) return;

        frameLasketaan->show();
        statements::RakennaBudjettitositteet();
        statements::LaskeLiikevaihto(maID, start, end, false, pBar);
        progress(rows / 10.0);
        statements::TeeAutomaattikirjaukset(maID, start, end, pBar, true);
        progress(rows / 5.0);
        statements::LaskeTuloslaskelma(maID, start, end, pBar);
        // The blank line after the model's last row; a last line that is
        // not blank (a formula row) is kept.
        if (ViimeinenTulosriviTyhja(db)) statements::PoistaViimeinenTulaRivi();
        pBar->setValue(pBar->maximum());
        frameLasketaan->hide();
        QCoreApplication::processEvents();

        if (!reports::AskPrintDestination()) {
            pBar->setValue(0);
            return;
        }
        report::ReportControl& rc = reports::CrystalReport1();
        reports::ResetReportFormulas();
        rc.setDestination(reports::TulostusLaite);
        rc.setCopiesToPrinter(core::TulostusKopioita);
        core::SetReportFonts(rc, false);
        rc.setReportFileName(QDir(sys::AppPath()).filePath(QStringLiteral("budj.rpt")));

        const dao::Date edStart = start.addYears(-1), edEnd = end.addYears(-1);
        const dao::Date tuStart = start.addYears(1), tuEnd = end.addYears(1);
        const dao::Date tuAlku = core::TilikausiAlku.addYears(1), tuLoppu = core::TilikausiLoppu.addYears(1);
        const QString otsake =
            core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Budjetti : Ajalle :")) + QLatin1Char(' ') +
            start.toShortString() + QStringLiteral(" - ") + end.toShortString() + QLatin1Char(' ') +
            core::TranslateStr(QStringLiteral("RapBudjetti"), QStringLiteral("Tilikaudella :")) + QLatin1Char(' ') +
            core::TilikausiAlku.toShortString() + QStringLiteral(" - ") + core::TilikausiLoppu.toShortString();
        const QString formulas[] = {
            reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi),
            reports::NamedFormula(QStringLiteral("Jakso"), span(start, end)),
            reports::NamedFormula(QStringLiteral("EdJakso"), span(edStart, edEnd)),
            reports::NamedFormula(QStringLiteral("TuJakso"), span(tuStart, tuEnd)),
            reports::NamedFormula(QStringLiteral("Tilikausi"), span(core::TilikausiAlku, core::TilikausiLoppu)),
            reports::NamedFormula(QStringLiteral("EdTilikausi"), span(core::EdTilikausiAlku, core::EdTilikausiLoppu)),
            reports::NamedFormula(QStringLiteral("TuTilikausi"), span(tuAlku, tuLoppu)),
            reports::NamedFormula(QStringLiteral("Otsake"), otsake),
            reports::NamedFormula(QStringLiteral("OtsakeEdJakso"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Edellinen"))),
            reports::NamedFormula(QStringLiteral("OtsakeJakso"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Nykyinen"))),
            reports::NamedFormula(QStringLiteral("OtsakeTuJakso"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Tuleva"))),
            reports::NamedFormula(QStringLiteral("OtsakeEdTilikausi"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Edell. alusta"))),
            reports::NamedFormula(QStringLiteral("OtsakeTilikausi"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Nyk. alusta"))),
            reports::NamedFormula(QStringLiteral("OtsakeTuTilikausi"),
                                  core::TranslateStr(QStringLiteral("RapBudj"), QStringLiteral("Tul. alusta"))),
        };
        int slot = 0;
        for (const QString& f : formulas) rc.setFormulas(slot++, f);
        rc.setSortFields(0, QStringLiteral("+{tula.tulaID}"));
        rc.setAction(1);
        pBar->setValue(0);
    } catch (const std::exception&) {
        failedReport(core::ErrorText(std::current_exception()));
    }
}

void frmBudjetti::failedReport(const QString& description) {
    pBar->setValue(0);
    frameLasketaan->hide();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmBudjetti"), QStringLiteral("Virhe tulostettaessa raporttia: ")) +
                   description);
}

}  // namespace budget
