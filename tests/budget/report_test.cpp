// The budget report: the print command saves the lines, asks for the
// period, computes the chosen model's budget statement into tula, asks for
// the destination and hands "budj.rpt" its fourteen formulas.

#include "budgetfixture.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>

using budget::frmBudjetti;

namespace {

class BudgetReport : public kvtest::BudgetTest {
protected:
    void SetUp() override {
        BudgetTest::SetUp();
        ASSERT_TRUE(QFile::copy(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports/budj.rpt")), tmp.file("budj.rpt")));
        runsBefore = reports::CrystalReport1().runCount();
        core::VoittoTaseella = 25;  // 2090
        core::SeuranNimi = QStringLiteral("Pelle's kerho");
        makeBook(kvtest::buRow(43, 2, {100, 200, 300, 400}) + kvtest::buRow(44, 2, {10}) + kvtest::buRow(43, 1, {50, 50, 50}) +
                 kvtest::buRow(43, 3, {7, 7, 7}) + kvtest::buRow(55, 2, {-20, -20, -20}) + kvtest::smallModel());
    }
    void TearDown() override {
        report::ReportControl& rc = reports::CrystalReport1();
        delete rc.lastPreview();
        rc.setDestination(0);
        reports::ResetReportFormulas();
        BudgetTest::TearDown();
    }
    // The period dialog and the print dialog answered (or cancelled).
    void answer(const QString& start, const QString& end, bool period, bool print) {
        onModal = [=, this](ui::Form& f) {
            modals << f.objectName();
            auto* w = ui::Forms::find<frmBudjetti>();
            if (auto* d = qobject_cast<reports::frmDates5*>(&f)) {
                barMax = w->pBar->maximum();
                d->tAlkupvm->setText(start);
                d->tLoppupvm->setText(end);
                (period ? d->cSeuraava : d->cPeru)->click();
            } else if (auto* d = qobject_cast<reports::frmTulostus*>(&f)) {
                tulaAtPrint = rows("tula");
                d->cmbTulostusLaite->setCurrentIndex(0);
                (print ? d->cTulosta : d->cPeruTulostus)->click();
            }
        };
    }
    QString amount(const QString& line, const char* column) {
        const report::RunRecord& run = reports::CrystalReport1().lastRun();
        for (const report::LaidBand* b : run.report->bands(report::SectionKind::Detail))
            if (b->text("teksti").trimmed() == line) return b->text(QString::fromLatin1(column)).replace(QChar(0x2212), '-');
        return QStringLiteral("<no line>");
    }

    int runsBefore = 0;
    int barMax = -1;
    long tulaAtPrint = -1;
    QStringList modals;
};

TEST_F(BudgetReport, PrintsTheBudgetOfThreeYearsForThePeriodAndFromTheYearsStart) {
    frmBudjetti& w = open(1);
    type(w.Cell(2, 3), QStringLiteral("5"));  // saved by the command first
    reports::RaporttiKpID = 3;  // a cost centre left chosen does not empty the budget
    answer("1.1.2031", "31.3.2031", true, true);
    w.cTulosta->click();
    settle();
    EXPECT_EQ(modals, (QStringList{"frmDates5", "frmTulostus"}));
    EXPECT_EQ(barMax, 73);  // 60 model rows: 60 / 5 + 60 + 1
    EXPECT_EQ(w.pBar->value(), 0);
    EXPECT_EQ(reports::RaporttiKpID, 3);

    const report::RunRecord& run = reports::CrystalReport1().lastRun();
    ASSERT_EQ(run.number, runsBefore + 1);
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(QFileInfo(run.properties.reportFileName), QFileInfo(tmp.file("budj.rpt")));
    EXPECT_EQ(run.properties.sortFields[0], "+{tula.tulaID}");
    const QStringList formulas = {
        "Seurannimi= 'Pelle's kerho'", "Jakso= '0131-0331'", "EdJakso= '0130-0330'", "TuJakso= '0132-0332'",
        "Tilikausi= '0131-1231'", "EdTilikausi= '0130-1230'", "TuTilikausi= '0132-1232'",
        "Otsake= 'Budjetti : Ajalle : 1.1.2031 - 31.3.2031 Tilikaudella : 1.1.2031 - 31.12.2031'",
        "OtsakeEdJakso= 'Edellinen'", "OtsakeJakso= 'Nykyinen'", "OtsakeTuJakso= 'Tuleva'",
        "OtsakeEdTilikausi= 'Edell. alusta'", "OtsakeTilikausi= 'Nyk. alusta'", "OtsakeTuTilikausi= 'Tul. alusta'", ""};
    for (int i = 0; i < formulas.size(); ++i) EXPECT_EQ(run.properties.formulas[size_t(i)], formulas[i]) << i;
    EXPECT_TRUE(run.ignoredFormulas.isEmpty());

    // A positive budget adds to a credit-side row, a negative one subtracts.
    const QString fees = QStringLiteral("Osallistumis- ja kurssimaksut");
    EXPECT_EQ(amount(fees, "kuluva"), "615,00");
    EXPECT_EQ(amount(fees, "edellinen"), "150,00");
    EXPECT_EQ(amount(fees, "tuleva"), "21,00");
    EXPECT_EQ(amount(fees, "tuleva_alusta"), "21,00");
    EXPECT_EQ(amount(QStringLiteral("Palkat ja palkkiot"), "kuluva"), "-60,00");
    // tula stays as computed, without its trailing blank line.
    EXPECT_EQ(run.recordsRead, tulaAtPrint);
    EXPECT_FALSE(text("SELECT tulaTeksti FROM tula ORDER BY tulaID DESC", "tulaTeksti").trimmed().isEmpty());

    // The definition renders to PDF.
    report::ReportControl& rc = reports::CrystalReport1();
    const QString pdf = tmp.file("budj.pdf");
    rc.setDestination(report::ReportControl::ToFile);
    rc.setPrintFileName(pdf);
    rc.printReport();
    ASSERT_TRUE(rc.lastRun().succeeded) << rc.lastRun().errorText.toStdString();
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess proc;
    proc.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(proc.waitForFinished(30000));
    const QString out = QString::fromUtf8(proc.readAllStandardOutput()).replace(QChar(0x00a0), ' ');
    for (const char* expected : {"Pelle's kerho", "Budjetti : Ajalle : 1.1.2031 - 31.3.2031", "Edell. alusta", "0130-0330",
                                 "Osallistumis- ja kurssimaksut", "615,00", "Sivu 1 /"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(expected))) << expected << "\n" << out.toStdString();
}

TEST_F(BudgetReport, CancelledDialogsPrintNothing) {
    exec("INSERT INTO tula (tulaTeksti) VALUES ('vanha')");
    frmBudjetti& w = open(1);
    type(w.Cell(1, 2), QStringLiteral("1"));
    answer("1.1.2031", "31.3.2031", false, true);
    w.cTulosta->click();
    settle();
    // Saved and emptied, nothing computed.
    EXPECT_EQ(months(43, 2), "1 200 300 400 0 0 0 0 0 0 0 0");
    EXPECT_EQ(rows("tula"), 0);
    EXPECT_EQ(rows("bo"), 0);

    answer("1.1.2031", "31.3.2031", true, false);
    w.mTulosta->trigger();
    settle();
    EXPECT_EQ(modals, (QStringList{"frmDates5", "frmDates5", "frmTulostus"}));
    EXPECT_GT(tulaAtPrint, 60);
    EXPECT_EQ(rows("tula"), tulaAtPrint);
    EXPECT_GT(rows("bo"), 0);
    EXPECT_EQ(reports::CrystalReport1().runCount(), runsBefore);
    EXPECT_EQ(w.pBar->value(), 0);
}

TEST_F(BudgetReport, AModelWithoutRowsPrintsNoLinesAndAMissingDefinitionIsReported) {
    exec("INSERT INTO ma (maID, maNimi, maTyyppi) VALUES (16, 'Tyhjä', 1)");
    dialogs.expectMessage(QStringLiteral("Budjetti vaatii pohjakseen"), ui::Answer::OK);
    frmBudjetti& w = open(16);
    answer(QString(), QString(), true, true);  // empty dates: the financial year
    // The computation's own messages do not stop the report.
    dialogs.expectMessage(QStringLiteral("Liikevaihtoriviä ei ole määritelty."), ui::Answer::OK);
    dialogs.expectMessage(QStringLiteral("Voittotiliä ei ole määritelty tuloslaskelmaan."), ui::Answer::OK);
    w.cTulosta->click();
    settle();
    EXPECT_EQ(barMax, 2);
    const report::RunRecord& run = reports::CrystalReport1().lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(run.recordsRead, 0);
    EXPECT_EQ(run.properties.formulas[1], "Jakso= '0131-1231'");

    core::SelectComboByItemData(w.cmbTuloslaskelmat, 10);  // four rows, its profit row too
    ASSERT_TRUE(QFile::remove(tmp.file("budj.rpt")));
    dialogs.expectMessage(QStringLiteral("Liikevaihtoriviä ei ole määritelty."), ui::Answer::OK);
    dialogs.expectMessage(QStringLiteral("Virhe tulostettaessa raporttia: "), ui::Answer::OK);
    w.cTulosta->click();
    settle();
    EXPECT_EQ(barMax, 6);
    EXPECT_EQ(w.pBar->value(), 0);
}

}  // namespace
