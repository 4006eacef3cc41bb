// The entry rows and the header fields of the voucher window: matching
// typed accounts, amounts by the regional settings, totals, the balancing
// proposal, the automatic new voucher, the date rules, and the queries the
// window runs.

#include "vouchers/tools/syotteet.h"
#include "windowfixture.h"

#include <QAction>
#include <QMenu>

using kvtest::VoucherWindowTest;
using At = kvtest::Keys::At;
using ui::Answer;

namespace {

class EntryRowsTest : public VoucherWindowTest {
protected:
    // A book with voucher 1 (Kassa 10 / Jäsenmaksut 10), shown.
    vouchers::frmNewTositteet& shown() {
        book();
        v1 = balanced(1, "Eka", 10);
        auto& f = open();
        key(Qt::Key_A, Qt::ControlModifier);
        return f;
    }
    long v1 = 0;
};

TEST_F(EntryRowsTest, TypedAccountsAreMatchedByTheStartOfTheirText) {
    auto& f = shown();
    fill(f.cmbDebetTili[0], "19");
    EXPECT_EQ(f.cmbDebetTili[0]->currentText(), "1910 Pankki");  // the lowest number starting so
    EXPECT_EQ(f.DebetVienti(0).tlID(), Pankki);
    fill(f.cmbDebetTili[0], "1000 KASSA");  // letter case does not matter
    EXPECT_EQ(f.DebetVienti(0).tlID(), Kassa);

    // No such account: a message, and neither the box nor the entry keeps
    // an account.
    dialogs->expectMessage("Valitse tili, jolle vienti tehdään.", Answer::OK);
    fill(f.cmbDebetTili[0], "9999");
    EXPECT_EQ(f.cmbDebetTili[0]->currentIndex(), 0);
    EXPECT_EQ(f.DebetVienti(0).tlID(), 0);
    dialogs->expectMessage("Valitse tili, jolle vienti tehdään!", Answer::OK);
    fill(f.cmbKreditTili[0], "Kassa");  // a name alone matches nothing
    EXPECT_EQ(f.KreditVienti(0).tlID(), 0);

    // An emptied box is the blank item, without a message.
    fill(f.cmbKreditTili[0], "3010");
    focusOn(f.cmbKreditTili[0]);
    f.cmbKreditTili[0]->lineEdit()->clear();
    focusOn(f.tKreditSumma[0]);
    EXPECT_EQ(f.KreditVienti(0).tlID(), 0);

    // Cost centres: by number; no such one clears the entry's too.
    fill(f.cmbDebetKP[0], "2");
    EXPECT_EQ(f.DebetVienti(0).kpID(), 2);
    dialogs->expectMessage("Valitse kustannuspaikka, jolle vienti kohdistetaan.", Answer::OK);
    fill(f.cmbDebetKP[0], "9");
    EXPECT_EQ(f.DebetVienti(0).kpID(), 0);

    // A choice from the list goes into the entry at once.
    focusOn(f.cmbKreditTili[1]);
    key(Qt::Key_Down);
    EXPECT_EQ(f.KreditVienti(1).tlID(), Kassa);
}

TEST_F(EntryRowsTest, AmountsTotalsAndTheBalancingProposal) {
    auto& f = shown();
    fill(f.tDebetSumma[1], "0,50");  // fifty cents, by the regional settings
    EXPECT_EQ(f.DebetVienti(1).Arvo(), dao::Currency::fromRaw(5000));
    EXPECT_EQ(f.lblDebetSumma->text(), euros("10.5"));
    // Leaving the debit box proposes the difference as the row's credit.
    EXPECT_EQ(f.tKreditSumma[1]->text(), "0,50");
    EXPECT_EQ(f.KreditVienti(1).Arvo(), dao::Currency::fromRaw(5000));
    EXPECT_EQ(f.lblErotus->text(), euros("0"));

    // A typed credit amount is never taken for nothing and overwritten.
    fill(f.tKreditSumma[2], "0,25");
    fill(f.tDebetSumma[2], "3");
    EXPECT_EQ(f.tKreditSumma[2]->text(), "0,25");
    EXPECT_EQ(f.lblErotus->text(), euros("2.75"));
    EXPECT_EQ(f.lblErotus->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // More credit than debit: nothing is proposed, the difference is negative.
    fill(f.tKreditSumma[0], "60");
    fill(f.tDebetSumma[0], "10");
    EXPECT_EQ(f.tKreditSumma[0]->text(), "60");
    EXPECT_EQ(f.lblErotus->text(), euros("-47.25"));

    // A minus typed into an empty box goes; typed in front of digits it stays.
    focusOn(f.tDebetSumma[3]);
    f.tDebetSumma[3]->clear();
    type("-");
    EXPECT_EQ(f.tDebetSumma[3]->text(), "");
    type("5");
    f.tDebetSumma[3]->setCursorPosition(0);
    type("-");
    EXPECT_EQ(f.tDebetSumma[3]->text(), "-5");
    EXPECT_EQ(f.DebetVienti(3).Arvo(), dao::Currency::fromUnits(-5));
    // A letter makes the text no amount: it stays as typed, the entry keeps
    // the amount the box held before the typing, and leaving the box
    // refuses the text with a message naming the field.
    f.tDebetSumma[3]->end(false);
    type("x");
    EXPECT_EQ(f.tDebetSumma[3]->text(), "-5x");
    EXPECT_EQ(f.DebetVienti(3).Arvo(), dao::Currency());
    dialogs->expectMessage("Debet summa: \"-5x\" ei ole rahamäärä.", Answer::OK);
    enter();
    EXPECT_EQ(f.tDebetSumma[3]->text(), "0,00");  // as the row showed it
    EXPECT_EQ(f.DebetVienti(3).Arvo(), dao::Currency());
    // The debit refused, no credit is proposed on its row.
    EXPECT_EQ(f.tKreditSumma[3]->text(), "0,00");
}

TEST_F(EntryRowsTest, AmountsAreReadAndShownExactly) {
    EXPECT_EQ(dao::Currency::parse(u"0,50"), dao::Currency::fromRaw(5000));
    EXPECT_EQ(dao::Currency::parse(u"1 234,5"), dao::Currency::fromRaw(12345000));
    EXPECT_EQ(dao::Currency::parse(u"12."), dao::Currency::fromUnits(12));
    EXPECT_FALSE(dao::Currency::parse(u""));
    EXPECT_FALSE(dao::Currency::parse(u"-"));
    EXPECT_FALSE(dao::Currency::parse(u"1e3"));
    EXPECT_FALSE(dao::Currency::parse(u"1000000000000"));  // more than a book stores
    EXPECT_EQ(dao::Currency::fromRaw(-12345).toText(), QString::fromUtf8("\u22121,2345"));
    EXPECT_EQ(dao::Currency().toText(), "0,00");
}

// A click into a box selects its text as a Tab does, wherever it lands:
// what is typed replaces the text. A second click places the cursor.
TEST_F(EntryRowsTest, WhatIsTypedAfterAClickReplacesTheText) {
    book();
    const struct {
        int row;  // a debit box (row 0 shows 120,50, row 1 0,00); -1 the description
        At at;
        const char* stored;
    } cases[] = {{0, At::LeftEdge, "D 1 45"}, {0, At::Middle, "D 1 45"}, {0, At::RightEnd, "D 1 45"},
                 {1, At::LeftEdge, "D 0 45"}, {1, At::Middle, "D 0 45"}, {1, At::RightEnd, "D 0 45"},
                 {-1, At::Middle, nullptr}};
    for (long n = 1; n <= long(std::size(cases)); ++n) balanced(n, QStringLiteral("Kerhomaksut"), 0);
    db().Execute(QStringLiteral("UPDATE vi SET viArvo = 120.5"));
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    long id = value(QStringLiteral("SELECT MIN(toID) FROM to"));
    for (const auto& c : cases) {
        QLineEdit* box = c.row < 0 ? f.tTositeSelite : f.tDebetSumma[size_t(c.row)];
        SCOPED_TRACE(box->objectName().toStdString() + " at the " + name(c.at));
        placeFocus(f.tTositenumero);
        clickInto(box, c.at);
        type("45");
        tab();
        key(Qt::Key_F3);
        if (c.stored) EXPECT_TRUE(entries(id).contains(QLatin1String(c.stored))) << entries(id).join(u',').toStdString();
        else EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM to WHERE toID = ? AND toSelite = '45'"), {id}), 1);
        key(Qt::Key_D, Qt::ControlModifier);
        ++id;
    }
    key(Qt::Key_A, Qt::ControlModifier);
    clickInto(f.tKreditSumma[0], At::RightEnd);
    clickInto(f.tKreditSumma[0], At::LeftEdge);
    type("4");
    EXPECT_EQ(f.tKreditSumma[0]->text(), "4" + dao::Currency::fromRaw(1205000).toText());
}

TEST_F(EntryRowsTest, ACompleteVoucherStartsTheNextOneWhenTheSettingIsOn) {
    book();
    balanced(1, "Vanha", 5);
    core::AutomaattisestiUusiTosite = true;
    auto& f = open();
    key(Qt::Key_F2);
    const long first = f.Tosite().id();
    focusOn(f.cmbDebetTili[0]);
    type("1000");
    enter();
    enter();
    retype("0,50");  // fifty cents: a real amount
    enter();
    enter();  // the proposed credit
    enter();
    type("3010");
    enter();  // into row 1: row 0 never starts a voucher
    EXPECT_EQ(f.Tosite().id(), first);
    EXPECT_EQ(focused(), f.cmbDebetTili[1]);
    enter();  // leaving row 1's account blank: the voucher is complete
    EXPECT_NE(f.Tosite().id(), first);
    EXPECT_EQ(f.Tosite().Numero(), 3);
    EXPECT_EQ(focused(), f.tTositepvm);
    EXPECT_EQ(entries(first), QStringList({"D 1 0.5", "K 4 0.5"}));

    // An older voucher never starts one.
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.cmbDebetTili[1]);
    enter();
    EXPECT_EQ(f.Tosite().Numero(), 1);
    // Nor does a half-filled row, nor a voucher with the setting off.
    key(Qt::Key_F, Qt::ControlModifier);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), first);
    fill(f.tDebetSumma[2], "1");
    fill(f.tDebetSumma[2], "0");
    fill(f.cmbKreditTili[2], "4000");
    EXPECT_EQ(f.Tosite().id(), first);
    f.cmbKreditTili[2]->setCurrentIndex(0);
    core::AutomaattisestiUusiTosite = false;
    focusOn(f.cmbDebetTili[1]);
    enter();
    EXPECT_EQ(f.Tosite().id(), first);
    EXPECT_EQ(vouchers(), 3);
}

TEST_F(EntryRowsTest, TheDateFieldSteppingAndTheFinancialYear) {
    auto& f = shown();
    focusOn(f.tTositepvm);
    retype("31.12.2031");
    type("+");
    EXPECT_EQ(f.tTositepvm->text(), "1.1.2032");
    EXPECT_EQ(f.Tosite().Paiva(), dao::Date::fromYmd(2032, 1, 1));
    type("--");
    EXPECT_EQ(f.tTositepvm->text(), "30.12.2031");

    // A date a calendar year late is taken back one year, silently.
    fill(f.tTositepvm, "29.2.2032");
    EXPECT_EQ(f.tTositepvm->text(), "28.2.2031");
    EXPECT_EQ(f.Tosite().Paiva(), dao::Date::fromYmd(2031, 2, 28));
    fill(f.tTositepvm, "31.12.2031");  // the last day is inside
    EXPECT_EQ(focused(), f.tTositeSelite);

    // Before the year: the message each time, the focus back, the date kept.
    dialogs->expectMessage("Tositteen päivämäärän tulee kuulua tilikauteen!\r\n\r\nTilikausi: 1.1.2031 - 31.12.2031",
                           Answer::OK);
    fill(f.tTositepvm, "5.3.2030");
    EXPECT_EQ(focused(), f.tTositepvm);
    EXPECT_EQ(f.Tosite().Paiva(), dao::Date::fromYmd(2030, 3, 5));
    dialogs->expectMessage("Tositteen päivämäärän tulee kuulua tilikauteen!", Answer::OK);
    enter();
    EXPECT_EQ(focused(), f.tTositepvm);

    // A partial or invalid date leaves the voucher its date. Leaving the
    // field refuses it: the user is told, and the field shows the date kept.
    retype("45.1");
    EXPECT_EQ(f.Tosite().Paiva(), dao::Date::fromYmd(2030, 3, 5));
    type("+");
    EXPECT_EQ(f.tTositepvm->text(), "45.1");  // no date to step: nothing typed either
    dialogs->expectMessage("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: 45.1", Answer::OK);
    enter();
    EXPECT_EQ(focused(), f.tTositeSelite);
    EXPECT_EQ(f.tTositepvm->text(), "5.3.2030");
    key(Qt::Key_F3);
    EXPECT_EQ(db().OpenRecordset("SELECT toPvm FROM to", dao::RecordsetType::Snapshot).value(0).toDate(),
              dao::Date::fromYmd(2030, 3, 5));
    // An emptied field is refused alike when the voucher is left.
    focusOn(f.tTositepvm);
    overtype(f.tTositepvm, "");
    EXPECT_EQ(f.Tosite().Paiva(), dao::Date::fromYmd(2030, 3, 5));
    dialogs->expectMessage("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: (tyhjä)", Answer::OK);
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v1);
    EXPECT_EQ(db().OpenRecordset("SELECT toPvm FROM to", dao::RecordsetType::Snapshot).value(0).toDate(),
              dao::Date::fromYmd(2030, 3, 5));
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tTositepvm);
    retype("5.3.2031");
    key(Qt::Key_F3);
    EXPECT_EQ(db().OpenRecordset("SELECT toPvm FROM to", dao::RecordsetType::Snapshot).value(0).toDate(),
              dao::Date::fromYmd(2031, 3, 5));

    EXPECT_EQ(dao::Date::fromText(u"5.3.31"), dao::Date::fromYmd(2031, 3, 5));
    EXPECT_EQ(dao::Date::fromText(u"5.3."), dao::Date::fromYmd(QDate::currentDate().year(), 3, 5));
    EXPECT_FALSE(dao::Date::fromText(u"30.12.1899"));
    EXPECT_FALSE(dao::Date::fromText(u"31.2.2031"));
    EXPECT_FALSE(dao::Date::fromText(u"5."));
}

TEST_F(EntryRowsTest, NumberAndDescriptionFields) {
    book();
    const long big = addVoucher(1, "Iso");
    for (int e = 0; e < 8; ++e) addEntry(big, Kassa, "D", 1);
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tTositenumero);
    retype("12ab");
    EXPECT_EQ(f.tTositenumero->text(), "12");
    EXPECT_EQ(currentLine(), "12 Iso");
    f.tTositenumero->clear();
    EXPECT_EQ(f.Tosite().Numero(), 0);
    retype("4");
    // The description reaches every entry, those scrolled away and the
    // blank rows too.
    fill(f.tTositeSelite, "Uusi selite");
    for (int k = 0; k < f.ElementCount(); ++k) {
        EXPECT_EQ(f.DebetVienti(k).Selite(), "Uusi selite");
        EXPECT_EQ(f.KreditVienti(k).Selite(), "Uusi selite");
    }
    EXPECT_EQ(listTexts(), QStringList({"4 Uusi selite"}));
    key(Qt::Key_F3);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE viSelite = 'Uusi selite'"), 8);
    EXPECT_EQ(value("SELECT toNumero FROM to"), 4);
}

TEST_F(EntryRowsTest, CostCentresOffAreSkipped) {
    book();
    balanced(1, "Eka", 10);
    core::Kustannuspaikat = false;
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(f.cmbDebetKP[0]->isEnabled());
    EXPECT_FALSE(f.lblKreditKP->isEnabled());
    focusOn(f.cmbDebetTili[0]);
    enter();
    EXPECT_EQ(focused(), f.tDebetSumma[0]);
}

TEST_F(EntryRowsTest, TheChosenAccountsBalance) {
    book();
    balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    addEntry(v2, Kassa, "K", 3);
    core::LaskettavaTili = Kassa;
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("27"));
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("27"));
    fill(f.tDebetSumma[0], "100");  // the screen counts, stored or not
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("117"));
    core::LaskettavaTili = 0;
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), "- -");
}

// The sums of the other vouchers are kept between vouchers shown; whatever
// changes the book shows in the next figure.
TEST_F(EntryRowsTest, TheChosenAccountsBalanceFollowsEveryChangeOfTheBook) {
    auto& f = shown();  // voucher 1: Kassa 10 debit
    const long v2 = balanced(2, "Toka", 20);
    core::LaskettavaTili = Kassa;
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("30"));
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("30"));

    // Written through the program's own connection.
    addEntry(v1, Kassa, "K", 4);
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("26"));

    // Written by another program.
    {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        const QByteArray sql = QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite) "
                                              "VALUES (%1, %2, 0, 'D', 100, 'x')")
                                   .arg(v1)
                                   .arg(long(Kassa))
                                   .toUtf8();
        EXPECT_EQ(sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        sqlite3_close(h);
    }
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("126"));

    // Work that is rolled back counts while it stands, and not after.
    db().BeginTrans();
    addEntry(v1, Kassa, "D", 1000);
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("1126"));
    db().Rollback();
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("126"));

    // Saved from the window, and the voucher deleted.
    fill(f.tDebetSumma[0], "50");
    key(Qt::Key_F3);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("156"));
    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositteen?", Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_TRUE(f.Tosite().IsEmpty());
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("50"));
}

TEST_F(EntryRowsTest, TheLargestEntryCountIsCountedPerVoucherAndSide) {
    book();
    const long a = addVoucher(1, "a");
    for (int e = 0; e < 3; ++e) addEntry(a, Kassa, "D", 1);
    const long b = addVoucher(2, "b", true);
    for (int e = 0; e < 7; ++e) addEntry(b, Kassa, "K", 1);
    addEntry(b, Kassa, "D", 1);
    for (int e = 0; e < 9; ++e) addEntry(999, Kassa, "D", 1);  // no voucher: not counted
    const long c = addVoucher(-2, "auto");
    for (int e = 0; e < 4; ++e) addEntry(c, Kassa, "D", 1);
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    EXPECT_EQ(f.MaxLkmViennitPerTosite(), 7);
    // The same as counting each voucher's sides one by one.
    int byVoucher = 0;
    dao::Recordset rs = db().OpenRecordset("SELECT toID FROM to", dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext())
        for (const char* side : {"D", "K"})
            byVoucher = std::max<int>(byVoucher, value("SELECT COUNT(viID) FROM vi WHERE viTyyppi = ? AND vitoID = ?",
                                                       {QString::fromLatin1(side), rs.value(0)}));
    EXPECT_EQ(f.MaxLkmViennitPerTosite(), byVoucher);
    EXPECT_EQ(f.ElementCount(), 7);
}

TEST_F(EntryRowsTest, TemplateButtonsAndMenuItems) {
    book("INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (1, 'Jäsenmaksu', 'Jäsenmaksut', 2);\n"
         "INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (2, 'B & C', 'x', 0);\n"
         "INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (3, 'Avaus', 'y', 0);\n");
    auto& f = open();
    EXPECT_EQ(f.cTositePohja[2]->text(), "(&2) Jäsenmaksu");
    EXPECT_TRUE(f.cTositePohja[2]->isVisibleTo(&f));
    for (int n : {1, 3, 4}) {
        EXPECT_FALSE(f.cTositePohja[size_t(n)]->isVisibleTo(&f));
        EXPECT_FALSE(f.cTositePohja[size_t(n)]->isEnabled());
        EXPECT_EQ(f.cTositePohja[size_t(n)]->text(), "");
    }
    ASSERT_EQ(f.mTositepohjaX.size(), 3);
    EXPECT_EQ(f.mTositepohjaX[0]->text(), "Avaus");
    EXPECT_EQ(f.mTositepohjaX[1]->text(), "B && C");
    EXPECT_EQ(f.mTositepohjaX[2]->objectName(), "mTositepohjaX(2)");

    db().Execute("DELETE FROM tpPohjat");
    f.BuildTositepohjaMenu();
    ASSERT_EQ(f.mTositepohjaX.size(), 1);
    EXPECT_FALSE(f.mTositepohjaX[0]->isVisible());
    EXPECT_FALSE(f.cTositePohja[2]->isVisibleTo(&f));
}

}  // namespace
