// The accounts window: its tree grouped by thousands, the choice of an
// account, the upkeep of the tree while typing, browsing, new, save,
// cancel and delete with its refusal, and the opening balances.

#include "accounts/frmtilitnew.h"
#include "accountsfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using accounts::frmTilitNew;

namespace {

// tlID 1..5.
const char* kChart =
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', 'Käyttötili');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1234, 'Saamiset', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3010, 'Jäsenmaksut', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (4000, 'Kulut', ' ');\n";

class AccountsWindow : public kvtest::AccountsTest {
protected:
    frmTilitNew& openWindow() {
        w = &open<frmTilitNew>();
        return *w;
    }
    // The texts of a group's account nodes, in tree order.
    QStringList children(int group) const {
        QStringList out;
        QTreeWidgetItem* g = w->groupNode(group);
        for (int i = 0; i < g->childCount(); ++i) out << g->child(i)->text(0);
        return out;
    }
    void click(QTreeWidgetItem* node) {
        if (node->parent()) node->parent()->setExpanded(true);
        w->tvTilit->scrollToItem(node);
        settle();
        QTest::mouseClick(w->tvTilit->viewport(), Qt::LeftButton, {}, w->tvTilit->visualItemRect(node).center());
        settle();
    }
    QString shown() const { return w->tTilinumero->text() + u' ' + w->tNimi->text(); }
    long accounts() { return value(QStringLiteral("SELECT COUNT(*) FROM tl")); }
    void addOpeningEntry(const char* table, long id, long tlID, const char* side, const char* amount, bool avaus) {
        const QString t = QString::fromLatin1(table);
        if (t == QLatin1String("vi"))
            db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                        "viPaatosvienti, viAutomaatti) VALUES (1, ?, 0, ?, ?, 'x', ?, False, False)"),
                         {tlID, QString::fromLatin1(side), *dao::Currency::parse(QString::fromLatin1(amount)), avaus});
        else
            db().Execute(QStringLiteral("INSERT INTO viE (viEID, viEtoID, viEtlID, viEkpID, viETyyppi, viEArvo, viESelite, "
                                        "viEAvausvienti, viEPaatosvienti, viEAutomaatti) "
                                        "VALUES (?, 1, ?, 0, ?, ?, 'x', ?, False, False)"),
                         {id, tlID, QString::fromLatin1(side), *dao::Currency::parse(QString::fromLatin1(amount)), avaus});
    }

    frmTilitNew* w = nullptr;
};

TEST_F(AccountsWindow, TheTreeGroupsTheAccountsByThousands) {
    book(QString::fromUtf8(kChart) +
         QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (0, 'Nolla', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (10500, 'Iso', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (9999, 'Viimeinen', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (-500, 'Miinus', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (-1500, 'Pieni', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (12000, 'Suuri', ' ');\n"
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (5000, ' ', ' ');\n"));
    openWindow();
    ASSERT_EQ(w->tvTilit->topLevelItemCount(), 10);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(w->groupNode(i)->text(0), QStringLiteral(" %1 ").arg((i + 1) * 1000));
        EXPECT_EQ(w->groupNode(i)->data(0, Qt::UserRole).toString(), QStringLiteral("%1PN").arg((i + 1) * 1000));
        EXPECT_EQ(w->tvTilit->topLevelItem(i), w->groupNode(i));
        EXPECT_FALSE(w->groupNode(i)->isExpanded());
    }
    EXPECT_EQ(w->groupNode(9)->text(0), QStringLiteral("Muut"));
    EXPECT_EQ(children(0), (QStringList{"1000 Kassa", "1234 Saamiset", "1910 Pankki"}));
    EXPECT_EQ(children(2), QStringList{QStringLiteral("3010 Jäsenmaksut")});
    EXPECT_EQ(children(8), QStringList{"9999 Viimeinen"});
    // An unfinished account further down the order stays.
    EXPECT_EQ(children(4), QStringList{"5000  "});
    // Numbers beyond the thousands stand under "Muut" and hide no other account.
    EXPECT_EQ(children(9), (QStringList{"-1500 Pieni", "-500 Miinus", "0 Nolla", "10500 Iso", "12000 Suuri"}));
    EXPECT_EQ(w->accountNode(1)->data(0, Qt::UserRole).toString(), QStringLiteral("1ID"));

    // Nothing shown yet: empty and disabled fields.
    EXPECT_TRUE(w->curTili().IsEmpty());
    EXPECT_TRUE(w->tTilinumero->text().isEmpty());
    EXPECT_FALSE(w->tTilinumero->isEnabled());
    EXPECT_FALSE(w->frameAvausviennit->isEnabled());
    EXPECT_TRUE(w->lblKuluvaDebet->text().isEmpty());
}

TEST_F(AccountsWindow, AnEmptyChartGivesTheTenGroupsOnly) {
    book();
    openWindow();
    ASSERT_EQ(w->tvTilit->topLevelItemCount(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(w->groupNode(i)->childCount(), 0);
    // Clicking a group shows nothing.
    click(w->groupNode(0));
    EXPECT_TRUE(w->curTili().IsEmpty());
}

TEST_F(AccountsWindow, UnfinishedAccountsAtTheHeadAreRemovedUnlessShownOrBooked) {
    book(QString::fromUtf8(kChart) +
         QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (0, ' ', ' ');\n"      // 6
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (0, NULL, ' ');\n"     // 7
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (-7, ' ', ' ');\n"     // 8: has an entry
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (900, ' ', ' ');\n"    // 9
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (950, 'A', ' ');\n"    // 10
                        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (960, ' ', ' ');\n"    // 11: not at the head
                        "INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) "
                        "VALUES (1, 1, 8, 'D', 0, 'x', False);\n"));
    openWindow();
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID IN (6, 7, 9)")), 0);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID IN (8, 10, 11)")), 3);
    EXPECT_EQ(children(9), (QStringList{"-7  ", "950 A", "960  "}));

    // Two new accounts, nothing typed: the rebuild removes the one left
    // behind and keeps the one on screen, which stays usable.
    w->cUusi->click();
    const long left = w->curTili().id();
    w->cUusi->click();
    const long onScreen = w->curTili().id();
    EXPECT_EQ(accounts(), 10);
    key(Qt::Key_F5);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID = ?"), {left}), 0);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID = ?"), {onScreen}), 1);
    retype(w->tTilinumero, QStringLiteral("4100"));
    retype(w->tNimi, QStringLiteral("Vuokrat"));
    w->cTallenna->click();
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlNumero = 4100")), QStringLiteral("Vuokrat"));
    EXPECT_EQ(children(3), (QStringList{"4000 Kulut", "4100 Vuokrat"}));

    // Once it is no longer shown, an abandoned new account goes at the next opening.
    w->cUusi->click();
    w->cSulje->click();
    settle();
    openWindow();
    EXPECT_EQ(accounts(), 9);
}

TEST_F(AccountsWindow, ClickOrEnterOnANodeShowsTheAccount) {
    book(QString::fromUtf8(kChart));
    addOpeningEntry("vi", 0, 2, "D", "100", true);
    addOpeningEntry("vi", 0, 2, "K", "40", true);
    addOpeningEntry("vi", 0, 2, "D", "999", false);  // not an opening entry
    addOpeningEntry("vi", 0, 2, "d", "5", true);     // lower case: a debit too
    addOpeningEntry("vi", 0, 2, "x", "7", true);     // no such side
    addOpeningEntry("viE", 1, 2, "K", "12,5", true);
    addOpeningEntry("viE", 2, 2, "K", "0,5", true);
    openWindow();

    click(w->accountNode(2));
    EXPECT_EQ(shown(), QStringLiteral("1910 Pankki"));
    EXPECT_EQ(w->tKuvaus->toPlainText(), QStringLiteral("Käyttötili"));
    EXPECT_TRUE(w->tNimi->isEnabled());
    EXPECT_EQ(w->lblKuluvaDebet->text(), euros("105"));
    EXPECT_EQ(w->lblKuluvaKredit->text(), euros("40"));
    EXPECT_EQ(w->lblEdellinenDebet->text(), euros("0"));
    EXPECT_EQ(w->lblEdellinenKredit->text(), euros("13"));
    EXPECT_TRUE(w->lblKuluvaDebet->text().startsWith(QStringLiteral("105,00")));

    // Enter on a node does the same; on a group nothing.
    QTreeWidgetItem* kassa = w->accountNode(1);
    w->tvTilit->setFocus();
    w->tvTilit->setCurrentItem(kassa);
    key(Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("1000 Kassa"));
    EXPECT_EQ(w->lblKuluvaDebet->text(), euros("0"));
    w->tvTilit->setCurrentItem(w->groupNode(2));
    key(Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("1000 Kassa"));
    click(w->groupNode(3));
    EXPECT_EQ(shown(), QStringLiteral("1000 Kassa"));

    // Viewing writes nothing.
    click(w->accountNode(2));
    EXPECT_FALSE(w->curTili().isDirty());

    // An account deleted behind the window's back is not brought back.
    db().Execute(QStringLiteral("DELETE FROM tl WHERE tlID = 1"));
    click(w->accountNode(1));
    EXPECT_TRUE(w->curTili().IsEmpty());
    EXPECT_EQ(w->accountNode(1), nullptr);
    EXPECT_EQ(accounts(), 4);
}

TEST_F(AccountsWindow, TheTreeFollowsTheNumberAndTheNameAsTheyAreTyped) {
    book(QString::fromUtf8(kChart));
    openWindow();
    key(Qt::Key_F2);
    EXPECT_EQ(focused(), w->tTilinumero);
    const long id = w->curTili().id();
    ASSERT_NE(id, 0);
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlID = ?"), {id}), QStringLiteral(" "));

    type(QStringLiteral("5"));
    type(QStringLiteral("2"));
    type(QStringLiteral("3"));
    EXPECT_EQ(w->accountNode(id), nullptr);
    type(QStringLiteral("4"));
    ASSERT_NE(w->accountNode(id), nullptr);
    EXPECT_EQ(w->accountNode(id)->parent(), w->groupNode(4));
    EXPECT_EQ(w->accountNode(id)->text(0), QStringLiteral("5234 "));
    EXPECT_FALSE(w->groupNode(4)->isExpanded());
    type(QStringLiteral("5"));  // a fifth digit: the node keeps its text
    EXPECT_EQ(w->accountNode(id)->text(0), QStringLiteral("5234 "));
    key(Qt::Key_Backspace);

    retype(w->tNimi, QStringLiteral("Vuokrat"));
    EXPECT_EQ(w->accountNode(id)->text(0), QStringLiteral("5234 Vuokrat"));

    // A letter in the number box goes again; an empty box is number 0.
    retype(w->tTilinumero, QStringLiteral("12a"));
    EXPECT_EQ(w->tTilinumero->text(), QStringLiteral("12"));
    retype(w->tTilinumero, QString());
    EXPECT_EQ(w->curTili().Numero(), 0);
    // A name is at most 50 characters long.
    retype(w->tNimi, QString(60, u'x'));
    EXPECT_EQ(w->tNimi->text().size(), 50);

    // 1234 to 5234 moves the node to the group of 5000 and opens that.
    click(w->accountNode(3));
    EXPECT_EQ(value(QStringLiteral("SELECT tlNumero FROM tl WHERE tlID = ?"), {id}), 0);  // left behind: saved
    retype(w->tTilinumero, QStringLiteral("5234"));
    EXPECT_EQ(w->accountNode(3)->parent(), w->groupNode(4));
    EXPECT_TRUE(w->groupNode(4)->isExpanded());
    EXPECT_EQ(w->accountNode(3)->text(0), QStringLiteral("5234 Saamiset"));
    EXPECT_EQ(children(0), (QStringList{"1000 Kassa", "1910 Pankki"}));
}

TEST_F(AccountsWindow, CancelSaveAndLeavingAnAccount) {
    book(QString::fromUtf8(kChart));
    openWindow();
    click(w->accountNode(1));
    retype(w->tNimi, QStringLiteral("Käteinen"));
    EXPECT_EQ(w->accountNode(1)->text(0), QStringLiteral("1000 Käteinen"));
    w->tKuvaus->setFocus();
    QTest::keyClicks(w->tKuvaus, QStringLiteral("Uusi"));
    key(Qt::Key_Z, Qt::ControlModifier);  // the window's key, not the box's own undo
    EXPECT_EQ(w->tNimi->text(), QStringLiteral("Kassa"));
    EXPECT_EQ(w->tKuvaus->toPlainText(), QStringLiteral(" "));
    EXPECT_EQ(w->accountNode(1)->text(0), QStringLiteral("1000 Kassa"));

    retype(w->tNimi, QStringLiteral("Käteinen"));
    w->tKuvaus->setFocus();
    QTest::keyClicks(w->tKuvaus, QStringLiteral("Rivi"));
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlID = 1")), QStringLiteral("Kassa"));
    key(Qt::Key_F3);
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlID = 1")), QStringLiteral("Käteinen"));
    EXPECT_EQ(text(QStringLiteral("SELECT tlKuvaus FROM tl WHERE tlID = 1")), QStringLiteral("Rivi"));

    // Another account chosen: the edits of the one left are written.
    retype(w->tNimi, QStringLiteral("Kassa"));
    click(w->accountNode(4));
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlID = 1")), QStringLiteral("Kassa"));
    // And on close.
    retype(w->tNimi, QStringLiteral("Jäsenmaksutuotot"));
    w->mSulje->trigger();
    settle();
    EXPECT_EQ(text(QStringLiteral("SELECT tlNimi FROM tl WHERE tlID = 4")), QStringLiteral("Jäsenmaksutuotot"));
    EXPECT_EQ(ui::Forms::find<frmTilitNew>(), nullptr);
}

TEST_F(AccountsWindow, BrowsingGoesByNumberAndBeepsAtTheEnds) {
    book(QString::fromUtf8(kChart) +
         QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (-5, 'Miinus', ' ');\n"));
    openWindow();
    // Nothing shown: previous and next find nothing.
    w->cEdellinen->click();
    w->cSeuraava->click();
    EXPECT_TRUE(w->curTili().IsEmpty());
    w->cViimeinen->click();
    EXPECT_EQ(shown(), QStringLiteral("4000 Kulut"));
    w->cSeuraava->click();
    EXPECT_EQ(shown(), QStringLiteral("4000 Kulut"));
    w->cEnsimmainen->click();
    EXPECT_EQ(shown(), QStringLiteral("1000 Kassa"));
    // The keys work from a text box too (Ctrl+A and Ctrl+D are its own otherwise).
    w->tNimi->setFocus();
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("1234 Saamiset"));
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("4000 Kulut"));
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("1000 Kassa"));
    // Below the first positive number, previous finds the negative one;
    // below that, nothing.
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("-5 Miinus"));
    w->mEdellinen->trigger();
    EXPECT_EQ(shown(), QStringLiteral("-5 Miinus"));
}

TEST_F(AccountsWindow, DeleteIsRefusedWhileTheAccountHasEntriesInEitherYear) {
    book(QString::fromUtf8(kChart));
    addOpeningEntry("vi", 0, 1, "D", "10", false);   // Kassa: this year
    addOpeningEntry("viE", 1, 2, "K", "3", true);    // Pankki: one opening entry last year
    addOpeningEntry("vi", 0, 4, "D", "0", false);    // Jäsenmaksut: only zero amounts
    addOpeningEntry("viE", 2, 4, "K", "0", true);
    openWindow();
    const QString refusal =
        QStringLiteral("Tilillä on vientejä kuluvalla tai edellisellä tilikaudella eikä sitä voida poistaa.");
    for (long id : {1L, 2L}) {
        click(w->accountNode(id));
        dialogs->expectMessage(refusal, ui::Answer::OK);
        w->cPoista->click();
        EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID = ?"), {id}), 1);
        EXPECT_NE(w->accountNode(id), nullptr);
        EXPECT_EQ(w->curTili().id(), id);
    }
    EXPECT_EQ(dialogs->shown().last().title, core::AppTitle);

    const QString question = QStringLiteral("Haluatko varmasti poistaa valitun tilin?");
    click(w->accountNode(4));
    dialogs->expectMessage(question, ui::Answer::No);
    key(Qt::Key_F4);
    EXPECT_EQ(accounts(), 5);
    EXPECT_EQ(shown(), QStringLiteral("3010 Jäsenmaksut"));
    EXPECT_EQ(dialogs->shown().last().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(dialogs->shown().last().icon, ui::Icon::Question);

    dialogs->expectMessage(question, ui::Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlID = 4")), 0);
    EXPECT_EQ(w->accountNode(4), nullptr);
    EXPECT_TRUE(w->curTili().IsEmpty());
    EXPECT_FALSE(w->tNimi->isEnabled());
    EXPECT_TRUE(w->tNimi->text().isEmpty());

    // Nothing shown: nothing to delete, nothing asked.
    w->cPoista->click();
    EXPECT_EQ(accounts(), 4);
}

TEST_F(AccountsWindow, OpenAllRebuildsAndExpandsEveryGroup) {
    book(QString::fromUtf8(kChart));
    openWindow();
    click(w->accountNode(5));
    retype(w->tNimi, QStringLiteral("Menot"));
    // Changed behind the window's back: the rebuild reads the book.
    db().Execute(QStringLiteral("UPDATE tl SET tlNimi = 'Kassatili' WHERE tlID = 1"));
    w->cAvaaKaikki->click();
    settle();
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(w->groupNode(i)->isExpanded());
    EXPECT_EQ(focused(), w->tvTilit);
    EXPECT_EQ(children(0).first(), QStringLiteral("1000 Kassatili"));
    // The account on screen was stored first.
    EXPECT_EQ(children(3), QStringList{"4000 Menot"});
}

}  // namespace
