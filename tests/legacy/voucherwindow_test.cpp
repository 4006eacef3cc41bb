// The older voucher window: its three modes and their numbering, browsing
// and the voucher list, new, save, undo and delete, the voucher fields, the
// start-up check and the commands that reach other parts of the program.

#include "legacyfixture.h"
#include "shell/openers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRadioButton>

using kvtest::LegacyTest;
using ui::Answer;

namespace {

TEST_F(LegacyTest, EachModeListsItsOwnVouchersAndNumbersNewOnesInItsSeries) {
    book();
    balanced(0, "Avaus", "100", true);
    for (int n = 1; n <= 5; ++n) balanced(n, QStringLiteral("Tosite %1").arg(n), "10");
    balanced(6, QStringLiteral("Tilinpäätös"), "5", false, true);
    addVoucher(-2, "Automaattikirjaukset");  // the program's own: never shown
    auto& f = open();
    EXPECT_EQ(listTexts(),
              QStringList({"1 Tosite 1", "2 Tosite 2", "3 Tosite 3", "4 Tosite 4", "5 Tosite 5"}));
    EXPECT_EQ(currentLine(), "");  // the list picks nothing by itself
    EXPECT_EQ(f.tTositenumero->text(), "1");
    EXPECT_EQ(f.tTositeSelite->text(), "Tosite 1");

    // Normal and closing vouchers share a series: the closing voucher 6 counts.
    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositenumero->text(), "7");
    EXPECT_EQ(focused(), f.tTositepvm);
    type("3.3.2031");
    enter();
    type("Uusi");
    key(Qt::Key_F3);
    EXPECT_EQ(value("SELECT toNumero FROM to WHERE toSelite = 'Uusi' AND toAvaustosite = False "
                    "AND toPaatostosite = False AND toPvm = #3/3/2031#"),
              7);

    // Opened again for closing vouchers, the window follows the new mode.
    open(false, true);
    EXPECT_EQ(f.windowTitle(), "Tositteet - Tilinpäätösviennit");
    EXPECT_EQ(listTexts(), QStringList({"6 Tilinpäätös"}));
    EXPECT_EQ(f.tTositenumero->text(), "6");
    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositenumero->text(), "8");
    key(Qt::Key_Z, Qt::ControlModifier);  // dropped again
    EXPECT_EQ(f.tTositenumero->text(), "6");
    EXPECT_EQ(value("SELECT COUNT(*) FROM to"), 9);

    // Opening vouchers are numbered among themselves, from the year
    // change's voucher 0 on.
    open(true, false);
    EXPECT_EQ(listTexts(), QStringList({"0 Avaus"}));
    EXPECT_EQ(f.tTositenumero->text(), "0");
    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositenumero->text(), "1");
    type("1.1.2031");
    enter();
    type("Lisäavaus");
    key(Qt::Key_F3);
    EXPECT_EQ(value("SELECT toNumero FROM to WHERE toSelite = 'Lisäavaus' AND toAvaustosite = True "
                    "AND toPaatostosite = False"),
              1);
}

TEST_F(LegacyTest, AnEmptyBookBrowsesNothingAndItsFirstVoucherIsNumberOne) {
    book();
    auto& f = open();
    EXPECT_EQ(f.lstTositteet->count(), 0);
    for (QPushButton* b : {f.cEnsimmainen, f.cEdellinen, f.cSeuraava, f.cViimeinen}) {
        b->click();
        settle();
        EXPECT_TRUE(f.tTositenumero->text().isEmpty()) << b->objectName().toStdString();
    }
    key(Qt::Key_F5);
    EXPECT_EQ(focused(), f.lstTositteet);
    EXPECT_EQ(f.lstTositteet->currentRow(), -1);

    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositenumero->text(), "1");
    EXPECT_EQ(f.tTositepvm->text(), core::TilikausiAlku.toShortString());  // the first day of the year
    type("2.1.2031");
    key(Qt::Key_F3);
    // The text left empty is stored as one blank and listed after the number.
    EXPECT_EQ(text("SELECT toSelite FROM to WHERE toNumero = 1"), " ");
    key(Qt::Key_F5);
    EXPECT_EQ(listTexts(), QStringList({"1  "}));
    EXPECT_EQ(currentLine(), "1  ");  // browse picks the first line

    // A new voucher left as it comes is stored as it shows: with the latest
    // voucher's date.
    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositepvm->text(), "2.1.2031");
    f.cSulje->click();
    settle();
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toNumero = 2 AND toPvm = #1/2/2031# AND toSelite = ' '"), 1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toPvm IS NULL"), 0);
}

TEST_F(LegacyTest, NavigationButtonsAndTheListMoveTheVoucherIndependently) {
    book();
    balanced(1, "Eka", "10");
    balanced(2, "Toka", "20");
    balanced(3, "Kolmas", "30");
    auto& f = open();
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(f.tTositenumero->text(), "3");
    key(Qt::Key_D, Qt::ControlModifier);  // beyond the end: stays
    EXPECT_EQ(f.tTositenumero->text(), "3");
    focusOn(f.tTositeSelite);
    key(Qt::Key_A, Qt::ControlModifier);  // the window's key, not the text box's
    EXPECT_EQ(f.tTositenumero->text(), "1");
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.tTositenumero->text(), "1");
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.tTositeSelite->text(), "Toka");
    EXPECT_EQ(currentLine(), "");

    clickListRow(f.lstTositteet, 2);
    EXPECT_EQ(f.tTositeSelite->text(), "Kolmas");
    EXPECT_EQ(gridRows(), QStringList({"1000|Kassa|D|30,00", "3010|Jäsenmaksut|K|30,00"}));
    f.cEnsimmainen->click();
    settle();
    EXPECT_EQ(f.tTositeSelite->text(), "Eka");
    EXPECT_EQ(currentLine(), "3 Kolmas");  // the buttons leave the list alone
    clickListRow(f.lstTositteet, 2);       // the picked line again shows its voucher
    EXPECT_EQ(f.tTositeSelite->text(), "Kolmas");
}

TEST_F(LegacyTest, TheDateFieldKeepsDatesInsideTheYearAndTheOtherFieldsTheirRules) {
    book();
    const long id = balanced(1, "Eka", "10");
    auto& f = open();
    auto stored = [&] { return text(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"), {id}); };

    retype(f.tTositepvm, "5.3.2032");  // one calendar year too late: a slip
    tab();
    EXPECT_EQ(f.tTositepvm->text(), "5.3.2031");
    key(Qt::Key_F3);
    EXPECT_EQ(stored(), "2031-03-05");

    dialogs->expectMessage("Tositteen päivämäärän tulee kuulua tilikauteen!\r\n\r\nTilikausi: 1.1.2031 - 31.12.2031",
                           Answer::OK);
    retype(f.tTositepvm, "31.12.2030");  // before the year: told at once, and kept
    tab();
    EXPECT_EQ(focused(), f.tTositepvm);
    key(Qt::Key_F3);
    EXPECT_EQ(stored(), "2030-12-31");

    dialogs->expectMessage("Tositteen päivämäärän tulee kuulua tilikauteen!", Answer::OK);
    retype(f.tTositepvm, "1.1.2033");  // two years late: moved one year, still outside
    tab();
    EXPECT_EQ(f.tTositepvm->text(), "1.1.2032");
    key(Qt::Key_F3);
    EXPECT_EQ(stored(), "2032-01-01");

    // A date typed into a new voucher whose entry is typed too is told of
    // before the two are written: while the user reads it, another program
    // writes the book at once.
    key(Qt::Key_F2);
    type("2.1.2031");
    enter();
    type("Uusi");
    enter();
    type("1000");
    for (int k = 0; k < 3; ++k) enter();
    type("5");
    retype(f.tTositepvm, "31.12.2030");
    int told = 0;
    dialogs->onMessage = [&](const QString&) {
        ++told;
        EXPECT_TRUE(writtenAtOnce());
    };
    dialogs->expectMessage("Tositteen päivämäärän tulee kuulua tilikauteen!", Answer::OK);
    key(Qt::Key_F3);
    dialogs->onMessage = nullptr;
    EXPECT_EQ(told, 1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Uusi' AND toPvm = #12/31/2030#"), 1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi, to WHERE vitoID = toID AND toSelite = 'Uusi' AND viArvo = 5"), 1);
    key(Qt::Key_A, Qt::ControlModifier);

    retype(f.tTositepvm, "");
    type("+");  // "+" in an empty field does nothing and is not typed
    EXPECT_EQ(f.tTositepvm->text(), "");
    retype(f.tTositepvm, "5.3.2031+");
    EXPECT_EQ(f.tTositepvm->text(), "6.3.2031");
    type("--");
    EXPECT_EQ(f.tTositepvm->text(), "4.3.2031");
    // A text that is no date is refused; the voucher keeps its date.
    tab();
    key(Qt::Key_F3);
    dialogs->expectMessage("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: ei päivä", Answer::OK);
    retype(f.tTositepvm, "ei päivä");
    tab();
    EXPECT_EQ(f.tTositepvm->text(), "4.3.2031");
    key(Qt::Key_F3);
    EXPECT_EQ(stored(), "2031-03-04");
    // Where the formats show 2031-03-15, "-" goes between the parts of a
    // date being typed and steps a whole one.
    const QLocale finnish;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Finland));
    retype(f.tTositepvm, "2031-03-15-");
    EXPECT_EQ(f.tTositepvm->text(), "2031-03-14");
    tab();
    key(Qt::Key_F3);
    EXPECT_EQ(stored(), "2031-03-14");
    QLocale::setDefault(finnish);

    retype(f.tTositeSelite, "");
    tab();
    EXPECT_EQ(f.tTositeSelite->text(), " ");
    // A number that is no number is emptied; the voucher keeps its number.
    retype(f.tTositenumero, "x1");
    tab();
    EXPECT_EQ(f.tTositenumero->text(), "");
    key(Qt::Key_F3);
    EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {id}), " ");
    EXPECT_EQ(value(QStringLiteral("SELECT toNumero FROM to WHERE toID = ?"), {id}), 1);
}

// A text that is no date, an emptied field too, typed over the voucher's
// date and then left, saved at once, left for the previous voucher or with
// the window's close box: the user is told, and the book keeps the date.
// A voucher without a date may be left without one.
TEST_F(LegacyTest, ATextThatIsNoDateIsRefusedWhicheverWayTheUserGoesOn) {
    book();
    const long v1 = balanced(1, "Eka", "10");
    const long v2 = balanced(2, "Toka", "20");
    const long undated = balanced(3, "Ilman", "30");
    auto stored = [&](long id) { return text(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"), {id}); };
    const char* had = "2031-02-03";
    const struct {
        const char* typed;
        const char* stored;  // "" for the date the voucher had
    } texts[] = {{"1.13.2031", ""}, {"29.2.2031", ""}, {"", ""}, {"15.7.2031", "2031-07-15"}};
    enum class Way { TabThenF3, F3, PreviousVoucher, CloseBox };
    for (const auto& t : texts) {
        for (const Way way : {Way::TabThenF3, Way::F3, Way::PreviousVoucher, Way::CloseBox}) {
            SCOPED_TRACE(std::string(t.typed) + " / way " + std::to_string(int(way)));
            db().Execute(QStringLiteral("UPDATE to SET toPvm = ? WHERE toID = ?"), {*dao::Date::fromIso(QString::fromLatin1(had)), v2});
            auto& f = open();
            clickListRow(f.lstTositteet, 1);
            ASSERT_EQ(f.tTositeSelite->text(), "Toka");
            retype(f.tTositepvm, QString::fromUtf8(t.typed));
            const bool refused = *t.stored == '\0';
            const QString message = QStringLiteral("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: ") +
                                    (*t.typed ? QString::fromUtf8(t.typed) : QStringLiteral("(tyhjä)"));
            if (refused) dialogs->expectMessage(message, Answer::OK);
            switch (way) {
            case Way::TabThenF3:
                tab();
                key(Qt::Key_F3);
                break;
            case Way::F3: key(Qt::Key_F3); break;
            case Way::PreviousVoucher: key(Qt::Key_S, Qt::ControlModifier); break;
            case Way::CloseBox:
                f.close();
                settle();
                break;
            }
            const QString kept = QString::fromLatin1(refused ? had : t.stored);
            EXPECT_EQ(stored(v2), kept);
            EXPECT_EQ(dialogs->shownTexts(), refused ? QStringList{message} : QStringList{});
            if (way == Way::TabThenF3 || way == Way::F3) {
                EXPECT_EQ(f.tTositepvm->text(), dao::Date::fromIso(kept)->toShortString());
            }
            ui::Forms::destroyAll();
            dialogs->reset();
        }
    }
    EXPECT_EQ(stored(v1), "2031-02-02");

    // A voucher without a date: passing its empty field asks nothing.
    db().Execute(QStringLiteral("UPDATE to SET toPvm = Null WHERE toID = ?"), {undated});
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    clickListRow(f.lstTositteet, 2);
    ASSERT_EQ(f.tTositeSelite->text(), "Ilman");
    EXPECT_EQ(f.tTositepvm->text(), "");
    focusOn(f.tTositepvm);
    tab();
    key(Qt::Key_F3);
    EXPECT_EQ(stored(undated), "<null>");
}

TEST_F(LegacyTest, UndoDropsANewVoucherWithTheEntriesStoredUnderIt) {
    book();
    balanced(1, "Eka", "10");
    const long v2 = addVoucher(2, "Vajaa");
    addEntry(v2, Kassa, "D", "100");
    addEntry(v2, Jasenmaksut, "K", "60");
    core::LaskettavaTili = Kassa;  // its balance stores the entry being shown
    dialogs->expectMessage("Tositteissa puutteita, haluatko avata tositteiden tarkistusikkunan?", Answer::No);
    auto& f = open();
    EXPECT_EQ(checkWindowOpened, 0);
    key(Qt::Key_F, Qt::ControlModifier);
    const long entriesBefore = value("SELECT COUNT(*) FROM vi");

    key(Qt::Key_F2);
    EXPECT_EQ(f.tTositenumero->text(), "3");
    // The first entry takes the difference of the voucher shown before; it
    // is stored with its voucher, not before it.
    EXPECT_TRUE(f.optTyyppi[1]->isChecked());
    EXPECT_EQ(f.tSumma->text(), "40,00");
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), entriesBefore);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tTositenumero->text(), "2");
    EXPECT_EQ(f.tTositeSelite->text(), "Vajaa");
    EXPECT_EQ(value("SELECT COUNT(*) FROM to"), 2);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), entriesBefore);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID NOT IN (SELECT toID FROM to)"), 0);

    // Undo of a change to a stored voucher puts the stored text back.
    retype(f.tTositeSelite, "Muutettu");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tTositeSelite->text(), "Vajaa");
    f.cSulje->click();
    settle();
    EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v2}), "Vajaa");
}

TEST_F(LegacyTest, DeletingFollowsTheListPositionAndTakesTheEntriesAlong) {
    book();
    for (int n = 1; n <= 4; ++n) balanced(n, QStringLiteral("T%1").arg(n), "10");
    auto& f = open();
    clickListRow(f.lstTositteet, 1);
    EXPECT_EQ(f.tTositeSelite->text(), "T2");

    dialogs->expectMessage("Poistetaanko näytössä oleva tosite?", Answer::No);
    key(Qt::Key_F4);
    EXPECT_EQ(f.lstTositteet->count(), 4);
    EXPECT_EQ(currentLine(), "2 T2");

    dialogs->expectMessage("Poistetaanko näytössä oleva tosite?", Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(listTexts(), QStringList({"1 T1", "3 T3", "4 T4"}));
    EXPECT_EQ(currentLine(), "3 T3");  // the voucher that followed
    EXPECT_EQ(f.tTositeSelite->text(), "T3");
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID NOT IN (SELECT toID FROM to)"), 0);

    clickListRow(f.lstTositteet, 2);
    dialogs->expectMessage("Poistetaanko", Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(currentLine(), "3 T3");  // the last line, the list being shorter now
    dialogs->expectMessage("Poistetaanko", Answer::Yes);
    key(Qt::Key_F4);
    dialogs->expectMessage("Poistetaanko", Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(f.lstTositteet->count(), 0);
    EXPECT_EQ(f.lstTositteet->currentRow(), -1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 0);
    EXPECT_TRUE(f.cmbTililuettelo->currentText() == "---" && f.tSumma->text().isEmpty());
}

// The book refuses to delete one entry (as a damaged page or another program
// would): the voucher keeps all of its entries, none is left without its
// voucher, the user is told, and the window goes on with the book as it is.
TEST_F(LegacyTest, AVoucherWhoseEntriesCannotBeDeletedStaysWhole) {
    book();
    balanced(1, "T1", "10");
    const long v2 = balanced(2, "T2", "20");
    const long refused = value(QStringLiteral("SELECT MAX(viID) FROM vi WHERE vitoID = ?"), {v2});
    refuseInBook("BEFORE DELETE ON vi WHEN OLD.viID = " + QByteArray::number(qlonglong(refused)));
    auto& f = open();
    clickListRow(f.lstTositteet, 1);
    dialogs->expectMessage("Poistetaanko näytössä oleva tosite?", Answer::Yes).expectMessage("ei onnistu", Answer::OK);
    key(Qt::Key_F4);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM to WHERE toID = ?"), {v2}), 1);
    EXPECT_EQ(entries(v2).size(), 2);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID NOT IN (SELECT toID FROM to)"), 0);
    // The window shows the book as it is, and goes on.
    EXPECT_EQ(listTexts(), QStringList({"1 T1", "2 T2"}));
    clickListRow(f.lstTositteet, 1);
    EXPECT_EQ(f.tTositeSelite->text(), "T2");
    EXPECT_EQ(gridRows().size(), 2);
}

// The window stores what was typed as it closes; when the book refuses, the
// user is told rather than the typing being lost without a word.
TEST_F(LegacyTest, AVoucherThatCannotBeStoredAsTheWindowClosesIsToldAndStaysOnScreen) {
    book();
    const long v = balanced(1, "Eka", "10");
    refuseInBook("BEFORE UPDATE ON \"to\" WHEN NEW.toSelite = 'Muutettu'");
    auto& f = open();
    retype(f.tTositeSelite, "Muutettu");
    dialogs->expectMessage("Odottamaton virhe: ", Answer::OK);
    f.cSulje->click();
    settle();
    EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v}), "Eka");
    // The window stays with what was typed; given up (Peru), it goes.
    ASSERT_TRUE(f.isLoaded());
    EXPECT_EQ(f.tTositeSelite->text(), "Muutettu");
    key(Qt::Key_Z, Qt::ControlModifier);
    f.cSulje->click();
    settle();
    EXPECT_EQ(ui::Forms::find<legacy::frmTositteet>(), nullptr);
    EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v}), "Eka");
}

TEST_F(LegacyTest, LeavingAnUnsavedNewVoucherThroughTheListStoresItFirst) {
    book();
    balanced(1, "Eka", "10");
    auto& f = open();
    key(Qt::Key_F2);
    type("7.2.2031");
    enter();
    type("Kesken");
    clickListRow(f.lstTositteet, 0);
    EXPECT_EQ(f.tTositeSelite->text(), "Eka");
    EXPECT_EQ(value("SELECT toNumero FROM to WHERE toSelite = 'Kesken' AND toPvm = #2/7/2031#"), 2);
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(f.tTositeSelite->text(), "Kesken");
}

TEST_F(LegacyTest, TheStartUpCheckOffersTheCheckWindowOncePerLoad) {
    book();
    const long v = addVoucher(1, "Vajaa");
    addEntry(v, Kassa, "D", "5");
    dialogs->expectMessage("Tositteissa puutteita", Answer::Yes);
    auto& f = open();
    EXPECT_EQ(checkWindowOpened, 1);
    EXPECT_EQ(dialogs->shown().last().icon, ui::Icon::None);
    open();  // activated again: no second question
    f.mTositteidenTarkistus->trigger();
    EXPECT_EQ(checkWindowOpened, 2);
    EXPECT_EQ(f.bTositteidenKaynnistysTarkistus, false);
}

TEST_F(LegacyTest, WithoutABookTheWindowsTellSoAndGo) {
    book();
    core::DatabasePath = QStringLiteral("unknown");
    dialogs->expectMessage("Tarkista tietokanta asetukset asetusikkunasta.", Answer::OK);
    shell::VoucherWindowMode m;
    EXPECT_EQ(legacy::OpenOlderVoucherWindow(m), nullptr);
    dialogs->expectMessage("Tarkista tietokanta asetukset asetusikkunasta.", Answer::OK);
    EXPECT_EQ(legacy::OpenOlderAccountsWindow(), nullptr);
    EXPECT_EQ(ui::Forms::find<legacy::frmTositteet>(), nullptr);
}

TEST_F(LegacyTest, TheMainWindowsCommandsReachTheWindowAndItsReports) {
    book();
    const long v1 = balanced(1, "Eka", "10");
    shell::ClearOpeners();
    legacy::RegisterLegacyWindows();
    shell::VoucherWindowMode m;
    m.caption = QStringLiteral("Tositteet");
    ASSERT_TRUE(shell::RunVoucherOpener(QStringLiteral("frmTositteet"), m));
    settle();
    auto* f = ui::Forms::find<legacy::frmTositteet>();
    ASSERT_NE(f, nullptr);
    w = f;
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->tTositeSelite->text(), "Eka");

    // The general ledger saves the voucher on screen before it asks for
    // its period.
    retype(f->tTositeSelite, "Eka muutettu");
    onModal = [](ui::Form& d) { d.hide(); };  // the period dialog, cancelled
    f->mPaakirja->trigger();
    settle();
    ASSERT_FALSE(modalShown.isEmpty());
    EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v1}), "Eka muutettu");
    shell::ClearOpeners();
}

}  // namespace
