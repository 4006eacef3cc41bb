// In Swedish: the windows' texts all come from the shipped language file,
// and the checks tell the balance-sheet sides of the Swedish template by
// its own words.

#include "modelfixture.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statement_models/frmtarkistamallit.h"
#include "statement_models/frmtarkistusvirheet.h"
#include "statement_models/modelchecks.h"
#include "support/swedish.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace statement_models;

namespace {

class Swedish : public kvtest::ModelTest {
protected:
    void SetUp() override {
        kvtest::ModelTest::SetUp();
        copy = kvtest::useSwedish(tmp.path());
        ASSERT_FALSE(copy.isEmpty());
    }
    void TearDown() override {
        kvtest::ModelTest::TearDown();
        core::SetTranslator(nullptr);
    }
    QString copy;
};

TEST_F(Swedish, EveryTextOfTheWindowsAndChecksIsTranslated) {
    makeBook(QString(), QStringLiteral("svyleismalli.sql"));
    EXPECT_TRUE(TarkistaMallit(1, 2).empty());
    const MalliVirheet notes = TarkistaMallit(1, 0);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].VirheTeksti, "Inte kontrollerat: Används alla konton.");

    auto& w = ui::Forms::show<frmNewTulosJaTase>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), "Resultat- och balansräkning");
    EXPECT_EQ(w.RootTulos()->text(0), "Resultaträkning");
    EXPECT_EQ(w.cUusi->text(), "Ny");
    w.tvMalli->setCurrentItem(w.RootTase());
    w.tvMalli_Click();
    w.cUusi->click();
    const QTreeWidgetItem* model = w.tvMalli->currentItem()->parent();
    EXPECT_EQ(model->text(0), "Ny balansräkningsmall");
    EXPECT_EQ(model->child(0)->text(0), "Aktiva");
    EXPECT_EQ(model->child(1)->text(0), "Passiva");
    EXPECT_EQ(w.mLisaaTili->text(), "&Lägg till konto");

    auto& chooser = ui::Forms::get<frmTarkistaMallit>();
    ui::Forms::load(chooser);
    EXPECT_EQ(chooser.windowTitle(), "Kontrollera resultat- och balansräkningsmallarna");
    auto& list = ui::Forms::show<frmTarkistusVirheet>();
    EXPECT_EQ(list.windowTitle(), "Kontroll av mallar");
    list.cTarkista->click();

    // Nothing looked up was missing from the file.
    EXPECT_TRUE(kvtest::sameAsShipped(copy));
}

}  // namespace
