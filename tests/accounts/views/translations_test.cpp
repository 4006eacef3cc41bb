// Every caption of the views and dialogs has its Swedish text in the
// shipped language file: loading them in Swedish finds each one (a missing
// text would be written into the file) and shows the translations.

#include "accounts/views/frmlisaatili.h"
#include "accounts/views/frmpaivasaldot.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilikartta.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "platform/report/render.h"
#include "support/swedish.h"
#include "viewsfixture.h"

#include <QMenu>
#include <QPrinter>

namespace {

class Translations : public kvtest::ViewsTest {};

TEST_F(Translations, EveryWindowIsShownInSwedishFromTheShippedFile) {
    const QString copy = kvtest::useSwedish(sys::AppPath());
    ASSERT_FALSE(copy.isEmpty());
    db().Execute(QStringLiteral("INSERT INTO ma (maNimi, maTyyppi) VALUES ('Tulos', 1)"));
    db().Execute(QStringLiteral("INSERT INTO ma (maNimi, maTyyppi) VALUES ('Tase', 2)"));

    auto& saldot = ui::Forms::load<accounts::frmTilienSaldot>();
    EXPECT_EQ(saldot.windowTitle(), QStringLiteral("Kontosaldon"));
    EXPECT_EQ(saldot.lblErotusHeader->text(), QStringLiteral("Differens"));
    EXPECT_EQ(saldot.mTiedosto->title(), QStringLiteral("Arkiv"));
    auto& tarkastelu = ui::Forms::load<accounts::frmTilitarkastelu>();
    EXPECT_EQ(tarkastelu.Label3->text(), QStringLiteral("Förklaring"));
    auto& paiva = ui::Forms::load<accounts::frmPaivaSaldot>();
    EXPECT_EQ(paiva.windowTitle(), QStringLiteral("Kolvio - Dagssaldon"));
    EXPECT_EQ(cell(&paiva, "lblPaiva", 0), QStringLiteral("Inga händelser."));
    auto& lisaa = ui::Forms::load<accounts::frmLisaaTili>();
    EXPECT_EQ(lisaa.cLisaa->text(), QStringLiteral("Lägg till"));
    auto& kartta = ui::Forms::load<accounts::frmTilikartta>();
    EXPECT_EQ(kartta.Label2->text(), QStringLiteral("Balansräkning:"));

    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "a text of the windows has no Swedish translation";
}

// The views' printouts are titled in Swedish, and so is the document a
// printer or a PDF file gets from the title (its name the PDF printer
// proposes).
TEST_F(Translations, TheViewsPrintUnderSwedishTitles) {
    const QString copy = kvtest::useSwedish(sys::AppPath());
    ASSERT_FALSE(copy.isEmpty());
    core::SeuranNimi = QStringLiteral("Pelle's kerho");
    printToWindow();
    struct View {
        std::function<void()> print;
        QString title;
    };
    const View views[] = {
        {[] { ui::Forms::load<accounts::frmTilienSaldot>().Tulosta(); }, QStringLiteral("Kontosaldon - Pelle's kerho")},
        {[] { ui::Forms::load<accounts::frmTilitarkastelu>().Tulosta(); },
         QStringLiteral("Kontogranskning - Pelle's kerho")},
    };
    for (const View& v : views) {
        const int runs = reports::CrystalReport1().runCount();
        v.print();
        const report::RunRecord& run = reports::CrystalReport1().lastRun();
        ASSERT_EQ(reports::CrystalReport1().runCount(), runs + 1) << v.title.toStdString();
        ASSERT_TRUE(run.succeeded && run.report) << run.errorText.toStdString();
        EXPECT_EQ(run.title, v.title);
        QPrinter printer;
        report::setUpPrinter(printer, *run.report);
        EXPECT_EQ(printer.docName(), v.title);
        delete reports::CrystalReport1().lastPreview();
    }
    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "a title of the views has no Swedish translation";
}

}  // namespace
