// The older accounts window: the tree by thousands, browsing and storing
// through the bound fields, new accounts, undo, deleting with its check,
// the opening entries, refreshing, picking in the tree, and the print.

#include "legacyfixture.h"
#include "reportctl/frmtulostus.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTreeWidget>

using kvtest::LegacyTest;
using ui::Answer;

namespace {

QStringList treeTexts(const QTreeWidget* tree) {
    QStringList out;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        QStringList children;
        for (int c = 0; c < group->childCount(); ++c) children << group->child(c)->text(0);
        out << group->text(0) + (children.isEmpty() ? QString() : QStringLiteral(": ") + children.join(QStringLiteral(", ")));
    }
    return out;
}

TEST_F(LegacyTest, TheTreeGroupsAccountsByThousands) {
    kvtest::makeCurrentBook(dir, QStringLiteral(
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3000, 'Myynti', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1010, 'Käteinen', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (10500, 'Iso', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (5, '-', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (700, 'Apu', ' ');\n"));
    // The row "-" at the head is no account for the tree; account 700 comes
    // before any group and is told of; the others are all there.
    dialogs->expectMessage("Virhe luotaessa hakemistopuuta tileistä.\r\n", Answer::OK);
    auto& f = openAccounts();
    EXPECT_EQ(treeTexts(f.tvTilit),
              QStringList({"1000: 1000 Kassa, 1010 Käteinen", "3000: 3000 Myynti", "10000: 10500 Iso"}));
    EXPECT_FALSE(f.tvTilit->topLevelItem(0)->isExpanded());
    EXPECT_EQ(value("SELECT COUNT(*) FROM tl"), 6);  // nothing was removed
    EXPECT_EQ(f.tTilinumero->text(), "5");            // the record set has every row
    EXPECT_EQ(QFileInfo(reports::CrystalReport1().reportFileName()).fileName(), "jrjasmak.rpt");

    // "Avaa kaikki" refreshes (the store and the refresh each build the
    // tree again) and opens every group.
    dialogs->expectMessage("Virhe luotaessa hakemistopuuta tileistä.", Answer::OK);
    dialogs->expectMessage("Virhe luotaessa hakemistopuuta tileistä.", Answer::OK);
    f.cAvaaKaikki->click();
    settle();
    EXPECT_TRUE(f.tvTilit->topLevelItem(0)->isExpanded() && f.tvTilit->topLevelItem(2)->isExpanded());
}

TEST_F(LegacyTest, EveryMoveStoresTheAccountShownAndNewAccountsJoinTheTree) {
    book();
    addEntry(0, Kassa, "D", "500", true);
    addEntry(0, Kassa, "K", "200", true);
    addEntry(0, Pankki, "D", "40");  // no opening entry
    auto& f = openAccounts();
    EXPECT_EQ(f.tTilinumero->text(), "1000");
    EXPECT_EQ(f.lblKuluvaDebet->text(), euros("500"));
    EXPECT_EQ(f.lblKuluvaKredit->text(), euros("200"));
    EXPECT_EQ(f.lblEdellinenDebet->text(), euros("0"));
    EXPECT_EQ(f.lblEdellinenKredit->text(), euros("0"));

    retype(f.tNimi, "Käteiskassa");
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.tTilinumero->text(), "1910");
    EXPECT_EQ(f.lblKuluvaDebet->text(), euros("0"));
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(f.tTilinumero->text(), "4000");
    key(Qt::Key_D, Qt::ControlModifier);  // beyond the end: stays
    EXPECT_EQ(f.tTilinumero->text(), "4000");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.tNimi->text(), "Käteiskassa");

    // Undo puts the stored name back, and nothing is written.
    retype(f.tNimi, "Väärä");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tNimi->text(), "Käteiskassa");
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");

    // A number that is no number is emptied as the field is left.
    retype(f.tTilinumero, "12a");
    tab();
    EXPECT_EQ(f.tTilinumero->text(), "");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tTilinumero->text(), "1910");

    key(Qt::Key_F2);
    EXPECT_EQ(focused(), f.tTilinumero);
    EXPECT_TRUE(f.tNimi->text().isEmpty());
    type("2000");
    enter();
    type("Saamiset");
    key(Qt::Key_F3);
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 2000"), "Saamiset");
    EXPECT_EQ(text("SELECT tlKuvaus FROM tl WHERE tlNumero = 2000"), " ");  // left empty: one blank
    EXPECT_EQ(f.tTilinumero->text(), "2000");
    EXPECT_TRUE(treeTexts(f.tvTilit).contains("2000: 2000 Saamiset"));
    // The stored account stays as typed when the window moves on.
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tl WHERE tlNumero = 2000 AND tlNimi = 'Saamiset'"), 1);
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");
}

TEST_F(LegacyTest, AnAccountWithEntriesIsNotDeletedButOneWithZeroEntriesIs) {
    book();
    const long v = addVoucher(1, "Nolla");
    addEntry(v, Osuuspankki, "D", "0");
    db().Execute(QStringLiteral("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) "
                                "VALUES (1, 1, ?, 'K', 15, 'x', False)"),
                 {long(Kulut)});
    auto& f = openAccounts();
    key(Qt::Key_D, Qt::ControlModifier);
    key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(f.tTilinumero->text(), "1920");
    ASSERT_NE(f.nodeOf(Osuuspankki), nullptr);
    dialogs->expectMessage("Poistetaanko näytössä oleva tili?", Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tl WHERE tlNumero = 1920"), 0);
    EXPECT_EQ(f.nodeOf(Osuuspankki), nullptr);
    EXPECT_EQ(f.tTilinumero->text(), "1000");

    key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(f.tTilinumero->text(), "4000");
    dialogs->expectMessage("Tilillä on vientejä kuluvalla tai edellisellä tilikaudella eikä sitä voida poistaa.",
                           Answer::OK);
    key(Qt::Key_F4);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tl WHERE tlNumero = 4000"), 1);

    dialogs->expectMessage("Poistetaanko näytössä oleva tili?", Answer::No);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_F4);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tl"), 4);
}

// While another program holds the book past the wait, by its write or by a
// read it keeps open, a command that must first store the account shown (or
// the new one typed) stops there and tells why: the window stays on that
// account with what was typed, takes no stored account for new and asks
// nothing of another one; the next store, once the book is free, writes what
// was typed where it was typed. A window that closes tells what it lost.
TEST_F(LegacyTest, WhileAnotherCopyHoldsTheBookAStoreThatFailsStopsItsCommand) {
    const QStringList chart{"1000 Kassa", "1910 Pankki", "1920 Osuuspankki", "3010 Jäsenmaksut", "4000 Kulut"};
    const struct {
        const char* what;
        Hold how;
        bool adding;  // the account typed is a new one
        std::function<void(legacy::frmTilit&)> command;
    } cases[] = {
        {"F3", Hold::Writing, false, [](legacy::frmTilit&) { key(Qt::Key_F3); }},
        {"F2", Hold::ReadingAStatement, false, [](legacy::frmTilit&) { key(Qt::Key_F2); }},
        {"F2 on a new one", Hold::Writing, true, [](legacy::frmTilit&) { key(Qt::Key_F2); }},
        {"the next account", Hold::ReadingInATransaction, false,
         [](legacy::frmTilit&) { key(Qt::Key_D, Qt::ControlModifier); }},
        {"F5", Hold::ReadingAStatement, true, [](legacy::frmTilit&) { key(Qt::Key_F5); }},
        {"F4", Hold::Writing, true, [](legacy::frmTilit&) { key(Qt::Key_F4); }},
        {"a pick in the tree", Hold::ReadingInATransaction, false,
         [](legacy::frmTilit& f) {
             f.tvTilit->topLevelItem(0)->setExpanded(true);
             QTest::mouseClick(f.tvTilit->viewport(), Qt::LeftButton, {},
                               f.tvTilit->visualItemRect(f.nodeOf(Pankki)).center());
             settle();
         }},
        {"closing", Hold::Writing, false, [](legacy::frmTilit& f) {
             f.cSulje->click();
             settle();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        book();
        waitOnlyAWhile();
        auto& f = openAccounts();
        const QPointer<legacy::frmTilit> open = &f;  // the window may go with the command
        if (c.adding) {
            key(Qt::Key_F2);
            type("2000");
            enter();
            type("Saamiset");
        } else {
            retype(f.tNimi, "Käteiskassa");
        }
        const QString shown = f.tTilinumero->text() + u' ' + f.tNimi->text();
        QWidget* const where = focused();
        {
            const std::shared_ptr<sqlite3> other = holdBook(c.how);
            dialogs->expectMessage(lockedText, Answer::OK);
            c.command(f);
        }
        EXPECT_EQ(dialogs->pendingCount(), 0);
        QStringList expected = chart;
        if (!open || !f.isLoaded()) {
            a = nullptr;
        } else {
            EXPECT_EQ(f.tTilinumero->text() + u' ' + f.tNimi->text(), shown);
            // Where the user was: in the tree that was clicked.
            EXPECT_EQ(focused(), QLatin1String(c.what) == QLatin1String("a pick in the tree") ? f.tvTilit : where);
            key(Qt::Key_F3);
            // The window reads the book anew and waits for the user, holding
            // nothing of the book.
            key(Qt::Key_F5);
            EXPECT_TRUE(writtenAtOnce());
            if (c.adding)
                expected.insert(3, shown);
            else
                expected[0] = shown;
        }
        QStringList inBook;
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT tlNumero, tlNimi FROM tl ORDER BY tlNumero"),
                                               dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) inBook << rs.value(0).toString() + u' ' + rs.value(1).toString();
        rs.Close();
        EXPECT_EQ(inBook, expected);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
    }
}

// Another copy of the program removes the account shown here. Every way of
// moving off it goes on: the user is told once which account was removed
// and, when a name had been typed into it, that the name was not stored.
// The account is not brought back, and the window does not stand on it
// again.
TEST_F(LegacyTest, AMoveOffAnAccountAnotherCopyRemovedGoesOn) {
    const QString removed = QStringLiteral(
        "Tili 1000 Kassa on sillä välin poistettu kirjanpidosta toisessa ohjelmassa, jossa sama kirjanpito on auki.");
    const QString notStored = QStringLiteral(" Siihen tehtyjä muutoksia ei tallennettu.");
    const struct {
        const char* what;
        bool typed;
        std::function<void(legacy::frmTilit&)> move;
        const char* lands;  // the account shown afterwards
    } cases[] = {
        {"Ctrl+D", false, [](legacy::frmTilit&) { key(Qt::Key_D, Qt::ControlModifier); }, "1910"},
        {"the last account", false,
         [](legacy::frmTilit& f) {
             f.cViimeinen->click();
             settle();
         },
         "4000"},
        {"a pick in the tree", false,
         [](legacy::frmTilit& f) {
             f.tvTilit->topLevelItem(0)->setExpanded(true);
             QTest::mouseClick(f.tvTilit->viewport(), Qt::LeftButton, {},
                               f.tvTilit->visualItemRect(f.nodeOf(Osuuspankki)).center());
             settle();
         },
         "1920"},
        {"Ctrl+D, a name typed", true, [](legacy::frmTilit&) { key(Qt::Key_D, Qt::ControlModifier); }, "1910"},
        {"F3 and Ctrl+D, a name typed", true,
         [](legacy::frmTilit&) {
             key(Qt::Key_F3);
             key(Qt::Key_D, Qt::ControlModifier);
         },
         "1910"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        book();
        auto& f = openAccounts();
        if (c.typed) retype(f.tNimi, "Käteiskassa");
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, "DELETE FROM tl WHERE tlNumero = 1000", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        dialogs->expectMessage(c.typed ? removed + notStored : removed, Answer::OK);
        c.move(f);
        EXPECT_EQ(dialogs->pendingCount(), 0);
        EXPECT_EQ(f.tTilinumero->text(), c.lands);
        EXPECT_EQ(f.nodeOf(Kassa), nullptr);
        // The first account now, and the chart without the removed one.
        key(Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(f.tTilinumero->text(), "1910");
        key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(f.tTilinumero->text(), "1910");
        EXPECT_EQ(value("SELECT COUNT(*) FROM tl WHERE tlNumero = 1000 OR tlNimi = 'Käteiskassa'"), 0);
        EXPECT_EQ(value("SELECT COUNT(*) FROM tl"), 4);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
    }
}

TEST_F(LegacyTest, AnEmptyChartOnlyBeeps) {
    kvtest::makeCurrentBook(dir);
    auto& f = openAccounts();
    for (QPushButton* b : {f.cEnsimmainen, f.cEdellinen, f.cSeuraava, f.cViimeinen}) {
        b->click();
        settle();
    }
    EXPECT_TRUE(f.tTilinumero->text().isEmpty());
    for (QLabel* l : {f.lblKuluvaDebet, f.lblKuluvaKredit, f.lblEdellinenDebet, f.lblEdellinenKredit})
        EXPECT_EQ(l->text(), euros("0"));
    EXPECT_EQ(f.tvTilit->topLevelItemCount(), 0);
}

TEST_F(LegacyTest, RefreshKeepsTheAccountAndTheTreePicksOne) {
    book();
    auto& f = openAccounts();
    key(Qt::Key_D, Qt::ControlModifier);
    key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(f.tTilinumero->text(), "1920");
    key(Qt::Key_F5);
    EXPECT_EQ(f.tTilinumero->text(), "1920");
    EXPECT_EQ(focused(), f.tvTilit);

    f.tvTilit->topLevelItem(1)->setExpanded(true);
    QTreeWidgetItem* node = f.tvTilit->topLevelItem(1)->child(0);
    ASSERT_EQ(node->text(0), "3010 Jäsenmaksut");
    QTest::mouseClick(f.tvTilit->viewport(), Qt::LeftButton, {}, f.tvTilit->visualItemRect(node).center());
    settle();
    EXPECT_EQ(f.tTilinumero->text(), "3010");
    EXPECT_EQ(f.tNimi->text(), "Jäsenmaksut");

    // An account stored elsewhere reaches the tree with the next store, the
    // record set only with a refresh.
    db().Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (5000, 'Muualta', ' ')"));
    key(Qt::Key_F3);
    QTreeWidgetItem* muualta = f.tvTilit->topLevelItem(3)->child(0);
    ASSERT_EQ(muualta->text(0), "5000 Muualta");
    f.tvTilit->setCurrentItem(muualta);
    dialogs->expectMessage("Valittua tiliä ei löydy, päivitä luettelo painamalla Selaa nappia.", Answer::OK);
    focusOn(f.tvTilit);
    key(Qt::Key_Return);
    EXPECT_EQ(f.tTilinumero->text(), "3010");
    key(Qt::Key_F5);
    f.tvTilit->setCurrentItem(f.tvTilit->topLevelItem(3)->child(0));
    key(Qt::Key_Return);
    EXPECT_EQ(f.tTilinumero->text(), "5000");
}

TEST_F(LegacyTest, ThePrintHandsTheAccountListItsTwoFormulasAndTellsAFailure) {
    book();
    ASSERT_TRUE(QFile::copy(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports/tilit.rpt")),
                            dir.file(QStringLiteral("tilit.rpt"))));
    core::SeuranNimi = QStringLiteral("Pelle's kerho");
    auto& f = openAccounts();
    retype(f.tNimi, "Käteinen");
    onModal = [](ui::Form& d) {
        auto& t = static_cast<reports::frmTulostus&>(d);
        t.cmbTulostusLaite->setCurrentIndex(0);
        t.cTulosta->click();
    };
    key(Qt::Key_F7);
    EXPECT_EQ(modalShown, QStringList{"frmTulostus"});
    EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteinen");  // stored first
    const report::RunRecord& run = reports::CrystalReport1().lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(QFileInfo(run.properties.reportFileName).fileName(), "tilit.rpt");
    EXPECT_EQ(run.properties.formulas[0], "Seurannimi= 'Pelle's kerho'");
    EXPECT_EQ(run.properties.formulas[1], "Otsake= 'Tililuettelo'");
    EXPECT_TRUE(run.properties.formulas[2].isEmpty());
    EXPECT_EQ(run.recordsSelected, 5);

    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("tilit.rpt"))));
    dialogs->expectMessage("Tililuettelon tulostus epäonnistui.", Answer::OK);
    f.cTulosta->click();
    settle();
    EXPECT_TRUE(f.isVisible());
}

}  // namespace
