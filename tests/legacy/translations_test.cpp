// The older windows in Swedish: every text they show or say has its
// translation in the shipped language file.

#include "legacyfixture.h"
#include "support/swedish.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>

using kvtest::LegacyTest;
using ui::Answer;

namespace {

class SwedishTest : public LegacyTest {
protected:
    void SetUp() override {
        LegacyTest::SetUp();
        copy = kvtest::useSwedish(dir.path());
        ASSERT_FALSE(copy.isEmpty());
    }
    void TearDown() override {
        core::SetTranslator(nullptr);
        ini::cIniFile::ClearCache();
        LegacyTest::TearDown();
    }
    // Everything looked up had its translation: nothing was added to the file.
    void expectFileUnchanged() {
        EXPECT_TRUE(kvtest::sameAsShipped(copy));
    }
    QString copy;
};

TEST_F(SwedishTest, TheOlderVoucherWindow) {
    book();
    const long v = addVoucher(1, "Eka");
    addEntry(v, Kassa, "D", "10");
    waitOnlyAWhile();
    dialogs->expectMessage("Verifikaten har brister, vill du öppna fönstret för kontroll av verifikat?", Answer::No);
    auto& f = open();
    EXPECT_EQ(f.cUusi->text(), "Ny");
    EXPECT_EQ(f.cTallenna->toolTip(), "Spara verifikatet på skärmen [F3]");
    EXPECT_EQ(f.mViennit->title(), "P&osteringar");
    EXPECT_EQ(f.frameTositteenviennit->title(), "Verifikatets posteringar");
    EXPECT_EQ(f.cUusiVienti->text(), "&Ny postering");
    EXPECT_EQ(f.optTyyppi[1]->text(), "Kredit");
    QStringList headings;
    for (int c = 1; c <= 4; ++c) headings << f.grdViennit->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headings, QStringList({"Kontonummer", "Kontonamn", "Typ", "Belopp"}));
    retype(f.tTositeSelite, "Muutettu");
    {
        const std::shared_ptr<sqlite3> other = holdBook();
        dialogs->expectMessage("Ett annat program använder bokföringen just nu, och kommandot kunde inte utföras.",
                               Answer::OK);
        key(Qt::Key_F3);
    }

    dialogs->expectMessage("Ska verifikatet på skärmen raderas?", Answer::No);
    key(Qt::Key_F4);
    dialogs->expectMessage("Ska den valda posteringen raderas?", Answer::No);
    key(Qt::Key_F4, Qt::ShiftModifier);
    dialogs->expectMessage("Välj det konto som posteringen görs på!", Answer::OK);
    retype(f.cmbTililuettelo, "77");
    tab();
    dialogs->expectMessage("Välj det kostnadsställe som posteringen hänförs till.", Answer::OK);
    retype(f.cmbKustannuspaikka, "77");
    tab();
    dialogs->expectMessage("Verifikatets datum ska höra till räkenskapsperioden!\r\n\r\nRäkenskapsperiod: 1.1.2031",
                           Answer::OK);
    retype(f.tTositepvm, "1.1.2020");
    tab();
    dialogs->expectMessage("Den här funktionen är inte tillgänglig", Answer::OK);
    f.mPaivakirja->trigger();
    f.cSulje->click();
    settle();
    expectFileUnchanged();
}

TEST_F(SwedishTest, TheOlderAccountsWindow) {
    kvtest::makeCurrentBook(dir, QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (500, 'Apu', ' ');\n"
                                                "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
                                                "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"));
    db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo) VALUES (1, 3, 'D', 5)"));
    dialogs->expectMessage("Fel när kontoträdet skapades.\r\nKontot hör inte till någon grupp: 500 Apu", Answer::OK);
    auto& f = openAccounts();
    EXPECT_EQ(f.windowTitle(), "Konton");
    EXPECT_EQ(f.cAvaaKaikki->text(), "&Öppna alla");
    EXPECT_EQ(f.Frame1->title(), "Öppningsposteringar");
    EXPECT_EQ(f.cTulosta->toolTip(), "Skriv ut kontoförteckning [F7]");

    key(Qt::Key_F, Qt::ControlModifier);
    dialogs->expectMessage("Kontot har posteringar under innevarande eller föregående räkenskapsperiod", Answer::OK);
    key(Qt::Key_F4);
    db().Execute(QStringLiteral("DELETE FROM tl WHERE tlNumero = 1910"));
    dialogs->expectMessage("Kontot 1910 Pankki har under tiden tagits bort ur bokföringen", Answer::OK);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.tTilinumero->text(), "500");
    dialogs->expectMessage("Ska kontot på skärmen raderas?", Answer::No);
    key(Qt::Key_F4);
    onModal = [](ui::Form& d) { d.hide(); };  // the print dialog, cancelled
    key(Qt::Key_F7);
    f.cSulje->click();
    settle();
    expectFileUnchanged();
}

}  // namespace
