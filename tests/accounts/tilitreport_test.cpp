// The account list: the accounts window's print command, and the report
// definition "tilit.rpt" rendered on a small book.

#include "accounts/frmtilitnew.h"
#include "accountsfixture.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using accounts::frmTilitNew;
using report::SectionKind;

namespace {

const char* kChart =
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3010, 'Jäsenmaksut', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', 'Käteisvarat');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (0, 'Kesken', ' ');\n";

QString definition() { return QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports/tilit.rpt")); }

class AccountList : public kvtest::AccountsTest {
protected:
    void SetUp() override {
        AccountsTest::SetUp();
        ASSERT_TRUE(QFile::copy(definition(), dir.file(QStringLiteral("tilit.rpt"))));
        runsBefore = reports::CrystalReport1().runCount();
    }
    void TearDown() override {
        report::ReportControl& rc = reports::CrystalReport1();
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        rc.setReportFileName(QString());
        rc.setDestination(0);
        rc.setPrintFileName(QString());
        rc.setCopiesToPrinter(1);
        for (int i = 0; i < 5; ++i) rc.setSectionFont(i, QString());
        reports::ResetReportFormulas();
        AccountsTest::TearDown();
    }
    // The print dialog answered with the preview window, or cancelled.
    void answerPrintDialog(bool print) {
        onModal = [print](ui::Form& f) {
            auto& d = static_cast<reports::frmTulostus&>(f);
            d.cmbTulostusLaite->setCurrentIndex(0);
            d.tKopioita->setText(QStringLiteral("2"));
            (print ? d.cTulosta : d.cPeruTulostus)->click();
        };
    }
    static QStringList detailColumn(const report::LaidOutReport& r, const char* name) {
        QStringList out;
        for (const report::LaidBand* b : r.bands(SectionKind::Detail)) out << b->text(QString::fromLatin1(name));
        return out;
    }

    int runsBefore = 0;
};

TEST_F(AccountList, ThePrintCommandSavesFirstAndHandsTheHeadingsToTheReport) {
    book(QString::fromUtf8(kChart));
    core::SeuranNimi = QStringLiteral("Pelle's kerho");
    frmTilitNew& w = open<frmTilitNew>();
    w.cEnsimmainen->click();
    retype(w.tNimi, QStringLiteral("Käteinen"));

    answerPrintDialog(true);
    key(Qt::Key_F7);
    EXPECT_EQ(modalShown, QStringList{"frmTulostus"});
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlNumero = 1000")), QStringLiteral("Käteinen"));

    const report::RunRecord& run = reports::CrystalReport1().lastRun();
    ASSERT_EQ(run.number, runsBefore + 1);
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    const report::ControlProperties& p = run.properties;
    EXPECT_EQ(QFileInfo(p.reportFileName), QFileInfo(dir.file(QStringLiteral("tilit.rpt"))));
    EXPECT_EQ(p.destination, 0);
    EXPECT_EQ(p.copiesToPrinter, 2);
    EXPECT_EQ(p.formulas[0], QStringLiteral("Seurannimi= 'Pelle's kerho'"));
    EXPECT_EQ(p.formulas[1], QStringLiteral("Otsake= 'Tililuettelo'"));
    EXPECT_EQ(p.formulas[2], QStringLiteral("OtsakeNumero= 'Numero'"));
    EXPECT_EQ(p.formulas[3], QStringLiteral("OtsakeNimi= 'Nimi'"));
    EXPECT_EQ(p.formulas[4], QStringLiteral("OtsakeKuvaus= 'Kuvaus'"));
    EXPECT_TRUE(p.selectionFormula.isEmpty());
    EXPECT_TRUE(p.sortFields[0].isEmpty());
    EXPECT_EQ(p.sectionFonts[0], QStringLiteral("ALL;Times New Roman;10;X;X;X;X"));

    // Every numbered account in number order, its edits included.
    ASSERT_TRUE(run.report);
    EXPECT_EQ(detailColumn(*run.report, "numero"), (QStringList{"1000", "1910", "3010"}));
    EXPECT_EQ(detailColumn(*run.report, "nimi"), (QStringList{"Käteinen", "Pankki", "Jäsenmaksut"}));
    EXPECT_EQ(detailColumn(*run.report, "kuvaus")[0], QStringLiteral("Käteisvarat"));
    const auto header = run.report->bands(SectionKind::ReportHeader);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0]->text(QStringLiteral("seura")), QStringLiteral("Pelle's kerho"));
    EXPECT_EQ(header[0]->text(QStringLiteral("otsake")), QStringLiteral("Tililuettelo"));
}

TEST_F(AccountList, ACancelledPrintDialogPrintsNothingAndAMissingDefinitionIsReported) {
    book(QString::fromUtf8(kChart));
    frmTilitNew& w = open<frmTilitNew>();
    answerPrintDialog(false);
    w.cTulosta->click();
    EXPECT_EQ(reports::CrystalReport1().runCount(), runsBefore);

    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("tilit.rpt"))));
    answerPrintDialog(true);
    dialogs->expectMessage(QStringLiteral("Virhe: 20501 / "), ui::Answer::OK);
    w.mTulostaTilikartta->trigger();
    EXPECT_TRUE(w.isVisible());
}

TEST_F(AccountList, TheDefinitionRendersToPdf) {
    book(QString::fromUtf8(kChart));
    report::ReportControl& rc = reports::CrystalReport1();
    reports::ResetReportFormulas();
    rc.setReportFileName(definition());
    rc.setDestination(report::ReportControl::ToFile);
    const QString pdf = dir.file(QStringLiteral("tilit.pdf"));
    rc.setPrintFileName(pdf);
    core::SetReportFonts(rc, false);
    // Only the two formulas the older accounts window hands over.
    rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), QStringLiteral("Kerho")));
    rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"), QStringLiteral("Tililuettelo")));
    rc.setAction(1);
    const report::RunRecord& run = rc.lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(run.recordsSelected, 3);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));
    EXPECT_EQ(run.report->bands(SectionKind::PageHeader)[0]->text(QStringLiteral("otsakenumero")),
              QStringLiteral("Numero"));
}

}  // namespace
