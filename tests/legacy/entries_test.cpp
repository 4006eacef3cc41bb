// The older voucher window's entries: the grid, the entry editor, the
// running totals with the balancing proposal, and entering a new voucher
// from the keyboard.

#include "legacyfixture.h"

#include <QRadioButton>

using kvtest::LegacyTest;
using At = kvtest::Keys::At;
using ui::Answer;

namespace {

TEST_F(LegacyTest, TotalsShowTheDifferenceAndANewEntryProposesTheBalance) {
    book();
    const long over = addVoucher(1, "Debet yli");
    addEntry(over, Kassa, "D", "100");
    addEntry(over, Jasenmaksut, "K", "60");
    const long under = addVoucher(2, "Kredit yli");
    addEntry(under, Kassa, "D", "60");
    addEntry(under, Jasenmaksut, "K", "100");
    const long cents = addVoucher(3, "Senttejä");
    addEntry(cents, Kassa, "D", "10.5");
    addEntry(cents, Jasenmaksut, "K", "10");
    balanced(4, "Tasan", "25");
    const long odd = addVoucher(5, "Outo puoli");
    addEntry(odd, Kassa, "D", "7");
    addEntry(odd, Jasenmaksut, "X", "7");
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    const QColor red(255, 0, 0);

    EXPECT_EQ(f.lblDebetSumma->text(), euros("100"));
    EXPECT_EQ(f.lblKreditSumma->text(), euros("60"));
    EXPECT_EQ(f.lblErotus->text(), euros("40"));
    EXPECT_EQ(f.lblErotus->palette().color(QPalette::WindowText), red);
    key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_EQ(focused(), f.cmbTililuettelo);
    EXPECT_EQ(f.CurVienti().Tyyppi(), "K");
    EXPECT_EQ(f.CurVienti().Arvo(), dao::Currency::fromUnits(40));
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());
    EXPECT_EQ(f.tSumma->text(), "40,00");

    f.cSeuraava->click();
    settle();
    EXPECT_EQ(f.lblErotus->text(), euros("-40"));
    f.cUusiVienti->click();
    settle();
    EXPECT_EQ(f.CurVienti().Tyyppi(), "D");
    EXPECT_EQ(f.tSumma->text(), "40,00");

    f.cSeuraava->click();
    settle();
    f.cUusiVienti->click();
    settle();
    EXPECT_EQ(f.CurVienti().Tyyppi(), "K");
    EXPECT_EQ(f.tSumma->text(), "0,50");

    f.cSeuraava->click();
    settle();
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    EXPECT_NE(f.lblErotus->palette().color(QPalette::WindowText), red);
    f.cUusiVienti->click();
    settle();
    EXPECT_EQ(f.CurVienti().Tyyppi(), "D");
    EXPECT_EQ(f.tSumma->text(), "0,00");

    // A side stored as anything but "D" is credit, in the totals and on screen.
    f.cSeuraava->click();
    settle();
    EXPECT_EQ(f.lblKreditSumma->text(), euros("7"));
    clickGridRow(f.grdViennit, 1);
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());
    // A proposal let go is stored only when it has an account or an amount:
    // the three with an amount were, the balanced voucher's zero one was not.
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitlID = 0"), 3);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitlID = 0 AND viArvo = 0"), 0);
}

// The grid lists a voucher's entries in the order they were made, and the
// editor starts on the first of them, whatever order the book's indexes
// would give (by cost centre and account).
TEST_F(LegacyTest, TheGridListsTheEntriesInTheOrderTheyWereMade) {
    book();
    const long v = addVoucher(1, "Monta");
    const long first = addEntry(v, Kulut, "D", "30");
    addEntry(v, Kassa, "K", "10");
    addEntry(v, Pankki, "K", "20");
    auto& f = open();
    EXPECT_EQ(gridRows(), QStringList({"4000|Kulut|D|30,00", "1000|Kassa|K|10,00", "1910|Pankki|K|20,00"}));
    EXPECT_EQ(f.CurVienti().id(), first);
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "4000 Kulut");
}

TEST_F(LegacyTest, AnEntryChosenInTheGridIsEditedAndSavedThroughTheEditor) {
    book();
    const long v = addVoucher(1, "Jäsenmaksu");
    const long debit = addEntry(v, Kassa, "D", "50");
    const long credit = addEntry(v, Jasenmaksut, "K", "50");
    auto& f = open();
    EXPECT_EQ(gridRows(), QStringList({"1000|Kassa|D|50,00", "3010|Jäsenmaksut|K|50,00"}));
    // The first entry is in the editor and marked in the grid.
    EXPECT_EQ(f.CurVienti().id(), debit);
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "1000 Kassa");
    EXPECT_EQ(f.grdViennit->item(0, 1)->background(), f.grdViennit->palette().brush(QPalette::Highlight));

    clickGridRow(f.grdViennit, 1);
    EXPECT_EQ(f.CurVienti().id(), credit);
    EXPECT_EQ(f.grdViennit->item(1, 2)->background(), f.grdViennit->palette().brush(QPalette::Highlight));
    EXPECT_NE(f.grdViennit->item(0, 2)->background(), f.grdViennit->palette().brush(QPalette::Highlight));
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "3010 Jäsenmaksut");
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());

    // The account by the beginning of its number; the amount in Finnish form.
    retype(f.cmbTililuettelo, "19");
    tab();
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "1910 Pankki");
    retype(f.tSumma, "45,25");
    key(Qt::Key_F3);
    EXPECT_EQ(entries(v), QStringList({"D 1 50", "K 2 45.25"}));
    EXPECT_EQ(gridRows(), QStringList({"1000|Kassa|D|50,00", "1910|Pankki|K|45,25"}));
    EXPECT_EQ(f.lblErotus->text(), euros("4.75"));

    // A name matches no item (items begin with the number); the entry keeps
    // its account. An empty text picks the blank item.
    clickGridRow(f.grdViennit, 1);
    dialogs->expectMessage("Valitse tili, jolle vienti tehdään!", Answer::OK);
    retype(f.cmbTililuettelo, "Pankki");
    tab();
    EXPECT_EQ(f.CurVienti().tlID(), Pankki);
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "1910 Pankki");
    dialogs->expectMessage("Valitse kustannuspaikka, jolle vienti osoitetaan.", Answer::OK);
    retype(f.cmbKustannuspaikka, "99");
    tab();
    retype(f.cmbKustannuspaikka, "2");
    tab();
    EXPECT_EQ(f.CurVienti().kpID(), 2);
    retype(f.cmbTililuettelo, "");
    tab();
    EXPECT_EQ(f.cmbTililuettelo->currentIndex(), 0);
    EXPECT_EQ(f.CurVienti().tlID(), 0);
}

// A text that is no amount in the editor's amount box, left with Tab or
// saved at once with F3: the message names the field and the text, the box
// shows the entry's amount again, and the save stores the entry unchanged.
TEST_F(LegacyTest, ATextThatIsNoAmountIsRefusedAndNothingOfItStored) {
    struct Case {
        const char* typed;
        bool save;  // F3 with the focus still in the box, instead of Tab
    };
    const Case cases[] = {{"50x", false}, {"1e3", true}, {"5,5,5", false}, {"12-", true}, {"1000000000000", false}};
    book();
    const long v = addVoucher(1, "Jäsenmaksu");
    addEntry(v, Kassa, "D", "50");
    addEntry(v, Jasenmaksut, "K", "50");
    auto& f = open();
    const QString fifty = dao::Currency::fromUnits(50).toText();  // "50,00" in Finnish
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs->expectMessage(QStringLiteral("Summa: \"%1\" ei ole rahamäärä.").arg(c.typed), Answer::OK);
        retype(f.tSumma, QString::fromLatin1(c.typed));
        if (c.save)
            key(Qt::Key_F3);
        else
            tab();
        EXPECT_EQ(f.tSumma->text(), fifty);
        key(Qt::Key_F3);
        EXPECT_EQ(entries(v), QStringList({"D 1 50", "K 4 50"}));
        EXPECT_EQ(f.lblErotus->text(), euros("0"));
    }
    EXPECT_EQ(dialogs->shown().size(), qsizetype(std::size(cases)));
}

TEST_F(LegacyTest, TheSideOptionFlipsWithKeypadDigitsAndEnterGoesToTheAmount) {
    book();
    const long v = addVoucher(1, "Yksi");
    addEntry(v, Kassa, "D", "5");
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    focusOn(f.optTyyppi[0]);
    QTest::keyClick(f.optTyyppi[0], Qt::Key_5, Qt::KeypadModifier);
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());
    EXPECT_EQ(f.CurVienti().Tyyppi(), "K");
    QTest::keyClick(focused(), Qt::Key_0, Qt::KeypadModifier);
    EXPECT_TRUE(f.optTyyppi[0]->isChecked());
    EXPECT_EQ(f.CurVienti().Tyyppi(), "D");
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), f.tSumma);
}

TEST_F(LegacyTest, AVoucherWithoutEntriesStartsOneWhenTheEditorIsEnteredAndDeletingEmptiesIt) {
    book();
    addVoucher(1, "Tyhjä");
    auto& f = open();
    EXPECT_EQ(f.grdViennit->rowCount(), 0);
    EXPECT_TRUE(f.CurVienti().IsEmpty());
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    f.tSumma->setFocus(Qt::MouseFocusReason);  // the entry starts by itself
    settle();
    EXPECT_FALSE(f.CurVienti().IsEmpty());
    EXPECT_EQ(focused(), f.cmbTililuettelo);
    type("1000");
    tab();
    retype(f.tSumma, "12");
    key(Qt::Key_F3);
    EXPECT_EQ(f.grdViennit->rowCount(), 1);
    EXPECT_EQ(f.lblDebetSumma->text(), euros("12"));

    dialogs->expectMessage("Poistetaanko valittuna oleva vienti?", Answer::No);
    key(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 1);
    dialogs->expectMessage("Poistetaanko valittuna oleva vienti?", Answer::Yes);
    key(Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 0);
    EXPECT_EQ(f.grdViennit->rowCount(), 0);
    EXPECT_TRUE(f.CurVienti().IsEmpty());
    EXPECT_EQ(f.cmbTililuettelo->currentText(), "---");
    EXPECT_TRUE(f.tSumma->text().isEmpty());
    EXPECT_EQ(f.lblDebetSumma->text(), euros("0"));
}

TEST_F(LegacyTest, ANewVoucherIsEnteredFromTheKeyboardAndTheFocusMovesOnWhenItBalances) {
    book();
    balanced(1, "Eka", "10");
    auto& f = open();
    key(Qt::Key_F2);
    EXPECT_EQ(focused(), f.tTositepvm);
    type("5.2.2031");
    enter();
    EXPECT_EQ(focused(), f.tTositeSelite);
    type("Kahvikassa");
    enter();
    EXPECT_EQ(focused(), f.cmbTililuettelo);
    EXPECT_EQ(f.tVientiSelite->text(), "Kahvikassa");  // the voucher's text, once
    type("1000");
    enter();
    enter();  // cost centre
    EXPECT_EQ(focused(), f.optTyyppi[0]);
    enter();
    EXPECT_EQ(focused(), f.tSumma);
    type("20");
    enter();
    EXPECT_EQ(focused(), f.tVientiSelite);
    enter();  // to "Uusi vienti": the voucher is saved, and it does not balance yet
    EXPECT_EQ(focused(), f.cUusiVienti);
    const long id = value("SELECT toID FROM to WHERE toSelite = 'Kahvikassa'");
    EXPECT_EQ(entries(id), QStringList({"D 1 20"}));
    EXPECT_EQ(f.lblErotus->text(), euros("20"));

    key(Qt::Key_Return);  // a new entry with the balancing proposal
    EXPECT_EQ(focused(), f.cmbTililuettelo);
    EXPECT_EQ(f.tSumma->text(), "20,00");
    type("3010");
    for (int i = 0; i < 5; ++i) enter();
    // Balanced now: past "Uusi vienti" on to "Uusi tosite".
    EXPECT_EQ(focused(), f.cUusiTosite);
    EXPECT_EQ(entries(id), QStringList({"D 1 20", "K 4 20"}));
    EXPECT_EQ(text("SELECT viSelite FROM vi WHERE vitoID = " + QString::number(id) + " AND viTyyppi = 'K'"),
              "Kahvikassa");
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    EXPECT_FALSE(f.bAutomateButtonOrder);
}

TEST_F(LegacyTest, SidesInLowerCaseAreDebitAndCreditAsTheirCapitals) {
    book();
    const long v = addVoucher(1, "Pienet kirjaimet");
    addEntry(v, Kassa, "d", "7", true);
    addEntry(v, Jasenmaksut, "k", "7", true);
    auto& f = open();
    // The totals: the voucher balances.
    EXPECT_EQ(f.lblDebetSumma->text(), euros("7"));
    EXPECT_EQ(f.lblKreditSumma->text(), euros("7"));
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    // The editor shows the side.
    clickGridRow(f.grdViennit, 0);
    EXPECT_TRUE(f.optTyyppi[0]->isChecked());
    clickGridRow(f.grdViennit, 1);
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());
    // The watched account's balance.
    core::LaskettavaTili = Kassa;
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("7"));
    // Nothing was rewritten on the way.
    EXPECT_EQ(entries(v), QStringList({"d 1 7", "k 4 7"}));

    // The older accounts window's opening sums.
    auto& a = openAccounts();
    EXPECT_EQ(a.tTilinumero->text(), "1000");
    EXPECT_EQ(a.lblKuluvaDebet->text(), euros("7"));
    EXPECT_EQ(a.lblKuluvaKredit->text(), euros("0"));
}

// A click into the editor's amount box selects the amount wherever it
// lands, so that what is typed replaces it rather than merging into it.
TEST_F(LegacyTest, WhatIsTypedAfterAClickReplacesTheEditorsAmount) {
    book();
    for (long n = 1; n <= 6; ++n) {
        balanced(n, QStringLiteral("Kerhomaksut"), "120.5");
        addEntry(value("SELECT MAX(toID) FROM to"), Kulut, "D", "0");
    }
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    long id = value("SELECT MIN(toID) FROM to");
    for (const int row : {0, 2})  // Kassa 120,50 and Kulut 0,00
        for (const At at : {At::LeftEdge, At::Middle, At::RightEnd}) {
            clickGridRow(f.grdViennit, row);
            SCOPED_TRACE("\"" + f.tSumma->text().toStdString() + "\" at the " + name(at));
            clickInto(f.tSumma, at);
            type("45");
            tab();
            key(Qt::Key_F3);
            EXPECT_TRUE(entries(id).contains(row == 0 ? "D 1 45" : "D 5 45")) << entries(id).join(u',').toStdString();
            key(Qt::Key_D, Qt::ControlModifier);
            ++id;
        }
}

}  // namespace
