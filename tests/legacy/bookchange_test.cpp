// The older windows while a backup closes and compacts the book under them:
// what was typed and not yet stored is stored first, and afterwards the
// windows show the book again and go on storing into it.

#include "legacyfixture.h"
#include "maintenance/backupfolder.h"

#include <QDir>
#include <QTreeWidget>

using kvtest::LegacyTest;
using ui::Answer;

namespace {

class LegacyBookChange : public LegacyTest {
protected:
    void SetUp() override {
        LegacyTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("varmistus"))));
        core::DatabaseBackup = dir.file(QStringLiteral("varmistus")) + QLatin1Char('/');
    }
    // The backup into the folder, as the main window's menu runs it.
    void backUp() {
        dialogs->expectMessage(QStringLiteral("Aloitetaan tietokannan varmuuskopiointi"), Answer::OK)
            .expectMessage(QStringLiteral("Tietokannan varmuuskopiointi ja uudelleenjärjestely valmis."), Answer::OK);
        maintenance::mVarmistusClick();
        settle();
    }
};

TEST_F(LegacyBookChange, ANewVoucherTypedBeforeABackupIsStoredAndStaysOnScreen) {
    book();
    balanced(1, QStringLiteral("Eka"), "10");
    auto& f = open();
    key(Qt::Key_F2);
    ASSERT_EQ(f.tTositenumero->text(), "2");
    type("3.3.2031");
    enter();
    type("Kesken");  // the text field still has the focus

    backUp();
    EXPECT_EQ(text("SELECT toSelite FROM to WHERE toNumero = 2 AND toPvm = #3/3/2031#"), "Kesken");
    // The window shows the same voucher, read from the compacted book.
    EXPECT_EQ(f.tTositenumero->text(), "2");
    EXPECT_EQ(f.tTositeSelite->text(), "Kesken");
    EXPECT_FALSE(f.tTositepvm->text().isEmpty());
    EXPECT_EQ(listTexts(), QStringList({"1 Eka", "2 Kesken"}));

    // It goes on storing what is typed into it.
    retype(f.tTositeSelite, QStringLiteral("Valmis"));
    key(Qt::Key_F3);
    EXPECT_EQ(text("SELECT toSelite FROM to WHERE toNumero = 2"), "Valmis");
    EXPECT_EQ(value("SELECT COUNT(*) FROM to"), 2);
}

TEST_F(LegacyBookChange, TheEntryInTheEditorIsStoredAndTheGridReadAgain) {
    book();
    const long v = balanced(1, QStringLiteral("Eka"), "10");
    auto& f = open();
    ASSERT_EQ(gridRows().size(), 2);
    clickGridRow(f.grdViennit, 0);
    retype(f.tSumma, QStringLiteral("12,5"));

    backUp();
    EXPECT_EQ(entries(v), QStringList({"D 1 12.5", "K 4 10"}));
    EXPECT_EQ(gridRows().size(), 2);
    EXPECT_EQ(f.tTositeSelite->text(), "Eka");
    EXPECT_EQ(f.lblErotus->text(), euros("2,5"));
}

TEST_F(LegacyBookChange, AnAccountNameTypedBeforeABackupIsStoredAndTheWindowGoesOn) {
    book();
    auto& f = openAccounts();
    ASSERT_EQ(f.tNimi->text(), "Kassa");
    retype(f.tNimi, QStringLiteral("Käteiskassa"));

    backUp();
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");
    EXPECT_EQ(f.tTilinumero->text(), "1000");
    EXPECT_EQ(f.tNimi->text(), "Käteiskassa");
    ASSERT_NE(f.nodeOf(Kassa), nullptr);
    EXPECT_EQ(f.nodeOf(Kassa)->text(0), "1000 Käteiskassa");

    // Browsing and storing reach the book as it now is.
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.tTilinumero->text(), "1910");
    retype(f.tNimi, QStringLiteral("Pankkitili"));
    key(Qt::Key_F3);
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1910"), "Pankkitili");
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");
}

}  // namespace
