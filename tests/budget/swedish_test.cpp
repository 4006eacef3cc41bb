// In Swedish: the budget window and the budget report take every text of
// theirs from the shipped language file.

#include "budgetfixture.h"
#include "platform/report/reportcontrol.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "support/swedish.h"

#include <QAction>
#include <QLabel>

namespace {

class BudgetSwedish : public kvtest::BudgetTest {
protected:
    void TearDown() override {
        delete reports::CrystalReport1().lastPreview();
        reports::ResetReportFormulas();
        BudgetTest::TearDown();
        core::SetTranslator(nullptr);
    }
};

TEST_F(BudgetSwedish, TheWindowItsMessagesAndTheReportSpeakSwedish) {
    const QString trl = kvtest::useSwedish(tmp.path());
    ASSERT_FALSE(trl.isEmpty());
    ASSERT_TRUE(QFile::copy(QDir(kvtest::sourceDir()).filePath("data/reports/budj.rpt"), tmp.file("budj.rpt")));
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 3, {2}));
    core::VoittoTaseella = 25;

    budget::frmBudjetti& w = open(10, 3);
    EXPECT_EQ(w.windowTitle(), "Budget");
    EXPECT_EQ(w.lblJakso->text(), "Kommande");
    EXPECT_EQ(w.cTallenna->toolTip(), "Spara budgeten på skärmen [F3]");
    w.scrlKuukausi->setValue(7);
    EXPECT_EQ(w.lblKuukausi[4]->text(), "December");
    dialogs.expectMessage(QStringLiteral("Den kommande budgeten finns redan åtminstone delvis."), ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Kopieringen av budgeten avbröts."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();

    onModal = [](ui::Form& f) {
        if (auto* d = qobject_cast<reports::frmDates5*>(&f)) d->cSeuraava->click();
        if (auto* d = qobject_cast<reports::frmTulostus*>(&f)) d->cTulosta->click();
    };
    dialogs.expectMessage(QString(), ui::Answer::OK);  // the model has no turnover row
    w.cTulosta->click();
    settle();
    const report::ControlProperties& p = reports::CrystalReport1().lastRun().properties;
    EXPECT_EQ(p.formulas[7], "Otsake= 'Budget : För perioden : 1.1.2031 - 31.12.2031 Räkenskapsperiod : "
                             "1.1.2031 - 31.12.2031'");
    EXPECT_EQ(p.formulas[11], "OtsakeEdTilikausi= 'Föreg. ack.'");

    // Nothing of the window's or the report's was missing from the file (a
    // missing text is added to its section with an empty translation).
    QFile f(trl);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString section;
    int entries = 0;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n')) {
        if (line.startsWith('[')) section = line;
        if (!QStringList{"[frmBudjetti]", "[RapBudj]", "[RapBudjetti]"}.contains(section) || !line.contains('=')) continue;
        ++entries;
        EXPECT_FALSE(line.endsWith('=')) << section.toStdString() << " " << line.toStdString();
    }
    EXPECT_GT(entries, 60);
}

}  // namespace
