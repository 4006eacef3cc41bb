// The shared report control: the reset every report starts from, the
// start-up settings and margins, and named formulas through real runs.

#include "core/bookfixture.h"
#include "platform/report/reportcontrol.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportfixture.h"

#include <QFile>

using report::ReportControl;
using report::SectionKind;

namespace {

class ReportControlSetup : public kvtest::ReportTest {
protected:
    void TearDown() override {
        // The control outlives the test.
        ReportControl& rc = reports::CrystalReport1();
        rc.setReportFileName(QString());
        rc.setDestination(0);
        rc.setCopiesToPrinter(1);
        rc.setPrinterName(QString());
        rc.setSectionFont(0, QString());
        core::ReportControlMargins = {};
        reports::ResetReportFormulas();
        ReportTest::TearDown();
    }
};

TEST_F(ReportControlSetup, ResetEmptiesTheSlotsPointsTheDataAtTheBookAndKeepsTheRest) {
    ReportControl& rc = reports::CrystalReport1();
    EXPECT_EQ(&rc, &reports::CrystalReport1());
    rc.setReportFileName(QStringLiteral("vanha.rpt"));
    rc.setDestination(1);
    rc.setCopiesToPrinter(3);
    rc.setSelectionFormula(QStringLiteral("{tl.tlPrint} = True"));
    for (int i = 0; i < 21; ++i) rc.setFormulas(i, QStringLiteral("F%1= 'x'").arg(i));
    for (int i = 0; i < 11; ++i) rc.setSortFields(i, QStringLiteral("+{tl.tlNumero}"));
    for (int i = 0; i < 25; ++i) rc.setDataFiles(i, QStringLiteral("vanha.mdb"));
    rc.setSectionFont(0, QStringLiteral("ALL;Arial;9;X;X;X;X"));
    rc.setPrinterName(QStringLiteral("Kerhon tulostin"));
    rc.setMarginLeft(96);
    core::DatabasePath = QStringLiteral("yhdistys.mdb");
    // bottom, left, right, top; the control refuses the negative one, and
    // that step alone is skipped.
    core::ReportControlMargins = {10 * 48, -5, 15 * 48, 5 * 48};

    reports::ResetReportFormulas();
    const report::ControlProperties& p = rc.properties();
    EXPECT_TRUE(p.selectionFormula.isEmpty());
    for (const QString& f : p.formulas) EXPECT_TRUE(f.isEmpty());
    for (const QString& s : p.sortFields) EXPECT_TRUE(s.isEmpty());
    for (const QString& d : p.dataFiles) EXPECT_EQ(d, QStringLiteral("yhdistys.mdb"));
    EXPECT_EQ(p.windowState, 2);
    EXPECT_EQ(p.marginBottom, 480);
    EXPECT_EQ(p.marginLeft, 96);
    EXPECT_EQ(p.marginRight, 720);
    EXPECT_EQ(p.marginTop, 240);
    EXPECT_EQ(p.reportFileName, QStringLiteral("vanha.rpt"));
    EXPECT_EQ(p.destination, 1);
    EXPECT_EQ(p.copiesToPrinter, 3);
    EXPECT_EQ(p.sectionFonts[0], QStringLiteral("ALL;Arial;9;X;X;X;X"));
    EXPECT_EQ(p.printerName, QStringLiteral("Kerhon tulostin"));

    // Another book opened: the next reset follows its path and margins.
    core::DatabasePath = QStringLiteral("toinen.mdb");
    core::ReportControlMargins = {};
    reports::ResetReportFormulas();
    EXPECT_EQ(rc.dataFiles(24), QStringLiteral("toinen.mdb"));
    EXPECT_EQ(rc.marginLeft(), 0);
}

TEST_F(ReportControlSetup, RunsKeepAnApostropheAndGetNothingOfThePreviousReport) {
    kvtest::makeCurrentBook(tmp, QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Nuoriso', ' ');\n"
                                                "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Hallinto', ' ');\n"));
    const QString rpt = tmp.file(QStringLiteral("kplista.rpt"));
    QFile f(rpt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[report]\ntitle = {@Seurannimi}\nmargins = 15 15 15 15\n[data]\ntable = kp\nsort = +{kp.kpNumero}\n"
            "[formulas]\nSeurannimi = ''\nOtsake = 'Kustannuspaikat'\n"
            "[reportheader]\nitem = 0 150 name=seura : {@Seurannimi}\nitem = 0 150 y=7 name=otsake : {@Otsake}\n"
            "[detail]\nitem = 0 100 name=nimi : {kp.kpNimi}\n");
    f.close();
    auto run = [&](const std::function<void(ReportControl&)>& own) -> const report::RunRecord& {
        reports::ResetReportFormulas();
        ReportControl& rc = reports::CrystalReport1();
        rc.setReportFileName(rpt);
        rc.setDestination(ReportControl::ToFile);
        rc.setPrintFileName(tmp.file(QStringLiteral("tuloste.pdf")));
        own(rc);
        rc.setAction(1);
        return rc.lastRun();
    };
    auto header = [](const report::RunRecord& r, const char* item) {
        return r.report->bands(SectionKind::ReportHeader).front()->text(QString::fromLatin1(item));
    };

    core::ReportControlMargins = {0, 30 * 48, 0, 0};
    const report::RunRecord& first = run([](ReportControl& rc) {
        rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), QStringLiteral("Pelle's")));
        for (int i = 1; i <= 10; ++i)
            rc.setFormulas(i, reports::NamedFormula(QStringLiteral("Otsake"), QStringLiteral("'Vanha' %1").arg(i)));
        rc.setSelectionFormula(QStringLiteral("{kp.kpNumero} > 10"));
    });
    ASSERT_TRUE(first.succeeded) << first.errorText.toStdString();
    EXPECT_EQ(header(first, "seura"), QStringLiteral("Pelle's"));
    EXPECT_EQ(header(first, "otsake"), QStringLiteral("'Vanha' 10"));
    EXPECT_EQ(first.recordsSelected, 1);
    EXPECT_EQ(first.database, core::DatabasePath);
    const double mm = 72.0 / 25.4;
    EXPECT_NEAR(first.report->margins.left(), 30 * mm, 0.01);
    EXPECT_NEAR(first.report->margins.top(), 15 * mm, 0.01);  // 0 keeps the definition's

    const report::RunRecord& second = run([](ReportControl& rc) {
        rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), QStringLiteral("Kerho")));
    });
    ASSERT_TRUE(second.succeeded) << second.errorText.toStdString();
    EXPECT_EQ(header(second, "otsake"), QStringLiteral("Kustannuspaikat"));
    EXPECT_EQ(second.recordsSelected, 2);
}

}  // namespace
