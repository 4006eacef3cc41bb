// The voucher window: entering, saving, browsing, cancelling and deleting
// vouchers in the three modes, the window's keys, and what leaving a
// voucher writes.

#include "platform/ini/inifile.h"
#include "core/ui/helpers.h"
#include "platform/fso/fso.h"
#include "support/child.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QPointer>

using kvtest::VoucherWindowTest;
using ui::Answer;

namespace {

// Another copy of the program restores the copy args[0] over the book
// args[1], as its restore does.
KV_TEST_CHILD(restoreOver) {
    fso::CopyFile(args.value(0), args.value(1), true);
    return 0;
}

TEST_F(VoucherWindowTest, AVoucherIsEnteredFieldByFieldWithEnterAndSaved) {
    book();
    auto& f = open();
    EXPECT_EQ(f.lstTositteet->count(), 0);
    EXPECT_EQ(f.ElementCount(), 6);
    EXPECT_EQ(f.scrlViennit->maximum(), 0);
    EXPECT_FALSE(f.tTositepvm->isEnabled());
    EXPECT_TRUE(f.Tosite().IsEmpty());

    key(Qt::Key_F2);
    ASSERT_FALSE(f.Tosite().IsEmpty());
    EXPECT_EQ(f.Tosite().Numero(), 1);
    EXPECT_EQ(focused(), f.tTositepvm);
    EXPECT_EQ(f.tTositepvm->text(), "1.1.2031");  // first day of the year in an empty book
    retype("5.3.2031");
    enter();
    EXPECT_EQ(focused(), f.tTositeSelite);
    type("Jäsenmaksu");
    enter();
    EXPECT_EQ(focused(), f.cmbDebetTili[0]);
    type("1000");
    enter();
    EXPECT_EQ(focused(), f.cmbDebetKP[0]);
    enter();
    EXPECT_EQ(focused(), f.tDebetSumma[0]);
    retype("12,50");
    enter();
    EXPECT_EQ(focused(), f.tKreditSumma[0]);
    EXPECT_EQ(f.tKreditSumma[0]->text(), "12,50");  // the balancing proposal
    enter();
    EXPECT_EQ(focused(), f.cmbKreditKP[0]);
    enter();
    EXPECT_EQ(focused(), f.cmbKreditTili[0]);
    type("3010");
    enter();
    EXPECT_EQ(focused(), f.cmbDebetTili[1]);
    EXPECT_EQ(f.cmbKreditTili[0]->currentText(), "3010 Jäsenmaksut");
    EXPECT_EQ(f.lblDebetSumma->text(), euros("12.5"));
    EXPECT_EQ(f.lblErotus->text(), euros("0"));

    key(Qt::Key_F3);
    const long id = f.Tosite().id();
    EXPECT_EQ(value("SELECT toNumero FROM to WHERE toID = ?", {id}), 1);
    EXPECT_EQ(db().OpenRecordset("SELECT toPvm, toSelite FROM to", dao::RecordsetType::Snapshot).value(0).toDate(),
              dao::Date::fromYmd(2031, 3, 5));
    EXPECT_EQ(entries(id), QStringList({"D 1 12.5", "K 4 12.5"}));
    EXPECT_EQ(listTexts(), QStringList({"1 Jäsenmaksu"}));
    EXPECT_EQ(currentLine(), "1 Jäsenmaksu");
}

TEST_F(VoucherWindowTest, BrowsingChangingAndCancellingWithTheWindowKeys) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    balanced(3, "Kolmas", 30);
    auto& f = open();
    EXPECT_EQ(listTexts(), QStringList({"1 Eka", "2 Toka", "3 Kolmas"}));

    key(Qt::Key_F, Qt::ControlModifier);  // last
    EXPECT_EQ(f.Tosite().Numero(), 3);
    EXPECT_EQ(currentLine(), "3 Kolmas");
    // Ctrl+A in a text box goes to the first voucher; the box does not
    // select its text.
    focusOn(f.tTositeSelite);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v1);
    EXPECT_EQ(f.tTositeSelite->text(), "Eka");
    EXPECT_EQ(f.tDebetSumma[0]->text(), "10,00");
    EXPECT_EQ(f.cmbDebetTili[0]->currentText(), "1000 Kassa");
    key(Qt::Key_S, Qt::ControlModifier);  // no previous voucher: it stays
    EXPECT_EQ(f.Tosite().id(), v1);
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(currentLine(), "2 Toka");

    // An amount changed in a text box, then Ctrl+Z there: the stored amount
    // is back on screen and in the entry, and nothing is written.
    focusOn(f.tDebetSumma[0]);
    retype("25");
    EXPECT_EQ(f.lblErotus->text(), euros("5"));
    EXPECT_EQ(f.lblErotus->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tDebetSumma[0]->text(), "20,00");
    EXPECT_EQ(f.DebetVienti(0).Arvo(), dao::Currency::fromUnits(20));
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    EXPECT_NE(f.lblErotus->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    key(Qt::Key_F3);
    EXPECT_EQ(entries(v2), QStringList({"D 1 20", "K 4 20"}));

    // A click on a line shows its voucher.
    QListWidgetItem* third = f.lstTositteet->item(2);
    QTest::mouseClick(f.lstTositteet->viewport(), Qt::LeftButton, {},
                      f.lstTositteet->visualItemRect(third).center());
    EXPECT_EQ(f.Tosite().Numero(), 3);
    EXPECT_TRUE(dialogs->shown().isEmpty());
}

TEST_F(VoucherWindowTest, LeavingAVoucherStoresWhatWasTyped) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    auto& f = open();
    key(Qt::Key_F, Qt::ControlModifier);
    focusOn(f.tTositeSelite);
    retype("Toka muutettu");
    EXPECT_EQ(currentLine(), "2 Toka muutettu");  // the line follows the typing
    focusOn(f.tKreditSumma[0]);
    retype("7,25");
    key(Qt::Key_S, Qt::ControlModifier);  // to the previous voucher, without saving
    EXPECT_EQ(f.Tosite().id(), v1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Toka muutettu'"), 1);
    EXPECT_EQ(entries(v2), QStringList({"D 1 20", "K 4 7.25"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE viSelite = 'Toka muutettu'"), 2);
    // Going to the voucher on screen itself shows what was typed into it.
    focusOn(f.tTositeSelite);
    retype("Eka muutettu");
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.tTositeSelite->text(), "Eka muutettu");
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE viSelite = 'Eka muutettu'"), 2);

    // Closing the window writes too; the reopened window shows it.
    focusOn(f.tDebetSumma[0]);
    retype("11");
    // The unloaded window is destroyed once events run: watch it through a
    // guard rather than touch it afterwards.
    const QPointer<vouchers::frmNewTositteet> closed(&f);
    f.cSulje->click();
    settle();
    EXPECT_TRUE(!closed || closed->isUnloaded());
    EXPECT_EQ(entries(v1), QStringList({"D 1 11", "K 4 10"}));
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);  // it no longer balances
    auto& again = open();
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(again.tDebetSumma[0]->text(), "11,00");
    EXPECT_EQ(again.lblErotus->text(), euros("1"));
}

TEST_F(VoucherWindowTest, DeleteAsksFirst) {
    book();
    balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    auto& f = open();
    key(Qt::Key_F, Qt::ControlModifier);
    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositteen?", Answer::No);
    key(Qt::Key_F4);
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(vouchers(), 2);

    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositteen?", Answer::Yes);
    f.cPoista->click();
    settle();
    EXPECT_EQ(vouchers(), 1);
    EXPECT_TRUE(entries(v2).isEmpty());
    EXPECT_EQ(listTexts(), QStringList({"1 Eka"}));
    EXPECT_TRUE(f.Tosite().IsEmpty());
    EXPECT_FALSE(f.tDebetSumma[0]->isEnabled());
    EXPECT_EQ(f.tTositeSelite->text(), "");
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 2);  // the other voucher's entries stay
}

TEST_F(VoucherWindowTest, EachModeKeepsItsOwnVouchers) {
    book();
    for (int n = 1; n <= 7; ++n) balanced(n, QStringLiteral("Tav %1").arg(n), n);
    const long avaus0 = balanced(0, "Avaus", 100, true);
    balanced(-2, "Automaatti", 5, true);
    auto& f = open(true, false, QStringLiteral("Tositteet - Avausviennit"));
    EXPECT_EQ(f.windowTitle(), "Tositteet - Avausviennit");
    EXPECT_EQ(listTexts(), QStringList({"0 Avaus"}));
    key(Qt::Key_F2);
    EXPECT_EQ(f.Tosite().Numero(), 8);  // one number series for every mode
    EXPECT_TRUE(f.Tosite().Avaustosite());
    EXPECT_FALSE(f.Tosite().Paatostosite());
    EXPECT_EQ(listTexts(), QStringList({"0 Avaus", "8 "}));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), avaus0);  // down to the year change's voucher 0
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().Numero(), 8);
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().Numero(), 8);

    // The main window's command gives the open window the closing mode:
    // its list and new vouchers follow.
    vouchers::RegisterVoucherWindows();
    shell::VoucherWindowMode m;
    m.bPaatostosite = true;
    m.caption = QStringLiteral("Tositteet - Tilinpäätösviennit");
    EXPECT_TRUE(shell::RunVoucherOpener(QStringLiteral("frmNewTositteet"), m));
    shell::ClearOpeners();
    EXPECT_EQ(ui::Forms::find<vouchers::frmNewTositteet>(), &f);
    settle();
    EXPECT_EQ(f.windowTitle(), "Tositteet - Tilinpäätösviennit");
    EXPECT_TRUE(f.lstTositteet->count() == 0);
    EXPECT_TRUE(f.Tosite().IsEmpty());
    key(Qt::Key_F2);
    EXPECT_EQ(f.Tosite().Numero(), 9);
    EXPECT_TRUE(f.Tosite().Paatostosite());
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toAvaustosite = True AND toPaatostosite = False AND toNumero = 8"), 1);
    key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().Numero(), 9);
}

TEST_F(VoucherWindowTest, AnUnmatchedAccountStopsTheCommandsThatLeaveTheVoucher) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.cmbKreditTili[0]);
    retype("19");  // not left: still typed text
    focusOn(f.tDebetSumma[1]);
    EXPECT_EQ(f.cmbKreditTili[0]->currentText(), "1910 Pankki");  // matched when left
    focusOn(f.cmbDebetTili[2]);
    type("zz");
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK);
    key(Qt::Key_F3);
    EXPECT_EQ(focused(), f.cmbDebetTili[2]);
    EXPECT_EQ(entries(v1), QStringList({"D 1 10", "K 4 10"}));  // nothing saved
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK);
    f.close();
    settle();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_TRUE(f.isVisible());

    // Browse saves, and picks the line of the voucher on screen.
    f.cmbDebetTili[2]->setCurrentIndex(0);
    key(Qt::Key_F5);
    EXPECT_EQ(entries(v1), QStringList({"D 1 10", "K 2 10"}));
    EXPECT_EQ(focused(), f.lstTositteet);
    EXPECT_EQ(currentLine(), "1 Eka");
}

TEST_F(VoucherWindowTest, RowsGrowWithTheLargestVoucherAndWithLisaaVienteja) {
    book();
    balanced(1, "Pieni", 10);
    const long big = addVoucher(2, "Iso");
    addEntry(big, Kassa, "D", 80);
    for (int e = 1; e <= 8; ++e) addEntry(big, Jasenmaksut, "K", 10);
    auto& f = open();
    EXPECT_EQ(f.ElementCount(), 8);
    EXPECT_EQ(f.scrlViennit->maximum(), 2);
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(f.scrlViennit->isEnabled());
    EXPECT_EQ(f.lblKreditSumma->text(), euros("80"));  // all elements, not only the six on screen
    f.scrlViennit->setValue(2);
    EXPECT_EQ(f.tKreditSumma[5]->text(), "10,00");
    EXPECT_EQ(f.tDebetSumma[5]->text(), "0,00");

    // A new row (Alt+V): one element more, shown in the last position.
    key(Qt::Key_V, Qt::AltModifier);
    QTest::qWait(200);  // the button's animated click
    EXPECT_EQ(f.ElementCount(), 9);
    EXPECT_EQ(f.scrlViennit->maximum(), 3);
    EXPECT_EQ(f.scrlViennit->value(), 3);
    EXPECT_EQ(focused(), f.cmbDebetTili[5]);
    type("4000");
    enter();
    enter();
    retype("5");
    key(Qt::Key_F3);
    EXPECT_EQ(entries(big).size(), 10);
    EXPECT_TRUE(entries(big).contains("D 5 5"));
}

TEST_F(VoucherWindowTest, CancelledAndClearedRowsStillBelongToTheirVoucher) {
    book();
    auto& f = open();
    key(Qt::Key_F2);
    const long id = f.Tosite().id();
    focusOn(f.tDebetSumma[0]);
    retype("5");
    key(Qt::Key_Z, Qt::ControlModifier);  // the new row is blank again
    EXPECT_EQ(f.tDebetSumma[0]->text(), "0,00");
    focusOn(f.tDebetSumma[0]);
    retype("6");
    key(Qt::Key_F3);
    EXPECT_EQ(entries(id), QStringList({"D 0 6"}));

    // The stored entry cleared (no account, no amount) goes at the save;
    // what is typed into its row afterwards is again this voucher's debit.
    focusOn(f.tDebetSumma[0]);
    retype("0");
    key(Qt::Key_F3);
    EXPECT_TRUE(entries(id).isEmpty());
    focusOn(f.tDebetSumma[0]);
    retype("9");
    key(Qt::Key_F3);
    EXPECT_EQ(entries(id), QStringList({"D 0 9"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID <> ?", {id}), 0);
}

TEST_F(VoucherWindowTest, FirstActivationRunsTheVoucherCheck) {
    book();
    const long v = addVoucher(1, "Vino");
    addEntry(v, Kassa, "D", 10);  // does not balance
    int opened = 0;
    vouchers::frmNewTositteet::SetCheckWindowOpener([&] { ++opened; });
    dialogs->expectMessage("Tositteissa puutteita, haluatko avata tositteiden tarkistusikkunan?", Answer::Yes);
    auto& f = open();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(f.bTositteidenKaynnistysTarkistus);
    // Later activations do not check again.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    settle();
    EXPECT_EQ(opened, 1);
    f.mTositteidenTarkistus->trigger();
    EXPECT_EQ(opened, 2);
}

TEST_F(VoucherWindowTest, AFailedWriteKeepsTheVoucherOnScreen) {
    book();
    const QString first = core::DatabasePath;
    const long v1 = balanced(1, "Eka", 10);
    balanced(2, "Toka", 20);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tDebetSumma[0]);
    retype("15");
    // The shared connection has moved to another book: the voucher will not
    // be written there, and is not let go either.
    core::DBCon().SuljeDB();
    makeCurrentBook(dir,
                    QString::fromUtf8(kvtest::kChart) +
                        "INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) "
                        "VALUES (5, #3/1/2031#, 'Muualla', False, False, False);\n",
                    QStringLiteral("toinen.mdb"));
    dialogs->expectMessage("Odottamaton virhe: ", Answer::OK);
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v1);
    EXPECT_EQ(f.tDebetSumma[0]->text(), "15");
    core::DBCon().SuljeDB();
    core::DatabasePath = first;
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().Numero(), 2);
    EXPECT_EQ(entries(v1), QStringList({"D 1 15", "K 4 10"}));
}

TEST_F(VoucherWindowTest, AVoucherIsWrittenWithAllItsEntriesOrWithNone) {
    book();
    balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_F2);
    const long id = f.Tosite().id();
    fill(f.tTositeSelite, "Kolme kulua");
    fill(f.cmbDebetTili[0], "1000");
    fill(f.tDebetSumma[0], "10");
    fill(f.cmbKreditTili[0], "3010");
    fill(f.tKreditSumma[0], "60");
    fill(f.cmbDebetTili[1], "1910");
    fill(f.tDebetSumma[1], "20");
    fill(f.cmbDebetTili[2], "4000");  // the third entry written: refused
    fill(f.tDebetSumma[2], "30");
    refuseEntriesOfKulut(true);

    // Leaving the voucher writes it; the write fails at its third entry, so
    // none of its entries and not its new text are in the book, and the
    // voucher stays on screen as typed.
    dialogs->expectMessage("Odottamaton virhe: ", Answer::OK);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), id);
    EXPECT_TRUE(entries(id).isEmpty());
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toSelite = 'Kolme kulua'", {id}), 0);
    EXPECT_EQ(f.tDebetSumma[1]->text(), "20");

    // Once the book takes it, the save writes every entry, each once.
    refuseEntriesOfKulut(false);
    key(Qt::Key_F3);
    EXPECT_EQ(entries(id), QStringList({"D 1 10", "D 2 20", "D 5 30", "K 4 60"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toSelite = 'Kolme kulua'", {id}), 1);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().Numero(), 1);
    EXPECT_EQ(entries(id).size(), 4);
}

// Another program gave the entries a check that makes a blob of 400 MB of
// each new entry: the save is refused in words, and the book does not grow. The
// user gives up what was typed (Peru), or closes the window and is told
// again that it was not stored: nothing of it is stored.
TEST_F(VoucherWindowTest, AnEntryLargerThanABookHoldsIsRefusedInWords) {
    // Behind the check of the layout, which refuses the book.
    const kvtest::WithoutLayoutCheck secondWall;
    const QString refused = QStringLiteral(
        "Odottamaton virhe: 3047 / Tietoja ei tallennettu. Tietue on liian suuri: siinä olisi arvo, joka on pidempi "
        "kuin kirjanpidon tiedoissa voi olla (yli 65536 tavua).");
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed);
        book();
        balanced(1, "Eka", 10);
        core::DBCon().SuljeDB();
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(h,
                               "PRAGMA writable_schema=ON; UPDATE sqlite_master SET sql = substr(sql, 1, length(sql) - "
                               "1) || ', CHECK (viID <= 2 OR length(zeroblob(400000000)) > 0))' WHERE name = 'vi'",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(h);
        auto& f = open();
        key(Qt::Key_F2);
        const long id = f.Tosite().id();
        const qint64 size = QFileInfo(core::DatabasePath).size();
        fill(f.tTositeSelite, "Kahvit");
        fill(f.cmbDebetTili[0], "4000");
        fill(f.tDebetSumma[0], "12");
        fill(f.cmbKreditTili[0], "1000");
        fill(f.tKreditSumma[0], "12");
        dialogs->expectMessage(refused, Answer::OK);
        key(Qt::Key_F3);
        EXPECT_EQ(f.tDebetSumma[0]->text(), "12");
        if (closed) {
            dialogs->expectMessage(refused, Answer::OK);
            f.cSulje->click();
            settle();
            EXPECT_EQ(dialogs->pendingCount(), 0);
            EXPECT_EQ(ui::Forms::find<vouchers::frmNewTositteet>(), nullptr);
        } else {
            key(Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_TRUE(entries(id).isEmpty());
        EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toSelite = 'Kahvit'", {id}), 0);
        EXPECT_EQ(QFileInfo(core::DatabasePath).size(), size);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
    }
}

// Another copy of the program restores a copy over the book while this
// window stands open: this copy's next write tells that the book was
// replaced, naming it, and stores nothing; the window then shows the book
// as it now stands, and the next voucher goes into it.
TEST_F(VoucherWindowTest, ABookAnotherCopyReplacedIsToldAtTheNextWriteAndTakenAsItStands) {
    core::InstallWindowHooks();
    book();
    balanced(1, "Eka", 10);
    core::DBCon().SuljeDB();
    const QString copy = dir.file(QStringLiteral("palautettava.mdb"));
    ASSERT_TRUE(QFile::copy(core::DatabasePath, copy));
    kvtest::runOnBook(copy, "INSERT INTO \"to\" (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                            "toAutomaatti) VALUES (2, '2031-03-01', 'Palautettu', 0, 0, 0)");
    auto& f = open();
    const kvtest::KilledRun restore = kvtest::runChild("restoreOver", {copy, core::DatabasePath});
    ASSERT_TRUE(restore.finished) << restore.errors.toStdString();
    dialogs->expectMessage(QStringLiteral("Kirjanpidon '%1' paikalle on sen avaamisen jälkeen tullut toinen tiedosto")
                               .arg(core::DatabasePath),
                           Answer::OK);
    key(Qt::Key_F2);
    settle();
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM to")), 2);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM to WHERE toSelite = 'Palautettu'")), 1);

    key(Qt::Key_F2);
    fill(f.tTositeSelite, "Uusi");
    fill(f.cmbDebetTili[0], "4000");
    fill(f.tDebetSumma[0], "12");
    fill(f.cmbKreditTili[0], "1000");
    fill(f.tKreditSumma[0], "12");
    key(Qt::Key_F3);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM to")), 3);
    EXPECT_EQ(entries(value(QStringLiteral("SELECT toID FROM to WHERE toSelite = 'Uusi'"))),
              (QStringList{QStringLiteral("D 5 12"), QStringLiteral("K 1 12")}));
    ui::Forms::setLoadHook(nullptr);
    ui::Forms::setUnloadHook(nullptr);
    core::DBCon().setReplacedHook(nullptr);
}

// The book's key counters are rows of its own: one at the end of the
// program's keys (32 bits), or at the end of the engine's (64 bits), gives
// no key past them. A new voucher (stored as it is begun) or its entries
// are refused in words naming the table, nothing of them is stored, and
// what was typed stays on screen.
TEST_F(VoucherWindowTest, AKeyPastTheProgramsKeysIsRefusedInWords) {
    const struct {
        const char* table;
        const char* counter;
    } cases[] = {{"to", "2147483647"}, {"vi", "2147483647"}, {"vi", "9223372036854775806"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " " + c.counter);
        const bool voucher = qstrcmp(c.table, "to") == 0;
        book();
        const long v1 = balanced(1, "Eka", 10);
        core::DBCon().SuljeDB();
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(h,
                               QStringLiteral("UPDATE sqlite_sequence SET seq = %1 WHERE name = '%2'")
                                   .arg(QLatin1String(c.counter), QLatin1String(c.table))
                                   .toUtf8()
                                   .constData(),
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(h);
        const QString refused = QStringLiteral("Odottamaton virhe: 6 / Tietoja ei tallennettu. Taulun '%1' avaimet "
                                               "ovat lopussa: uusi avain olisi suurempi kuin 2147483647.")
                                    .arg(QLatin1String(c.table));
        auto& f = open();
        if (voucher) dialogs->expectMessage(refused, Answer::OK);
        key(Qt::Key_F2);
        if (!voucher) {
            fill(f.tTositeSelite, "Kahvit");
            fill(f.cmbDebetTili[0], "4000");
            fill(f.tDebetSumma[0], "12");
            fill(f.cmbKreditTili[0], "1000");
            fill(f.tKreditSumma[0], "12");
            dialogs->expectMessage(refused, Answer::OK);
            key(Qt::Key_F3);
            EXPECT_EQ(f.tDebetSumma[0]->text(), "12");
            key(Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_EQ(dialogs->shown().value(dialogs->shown().size() - 1).text, refused);
        EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toNumero > 1 OR toSelite = 'Kahvit'"), voucher ? 0 : 1);
        EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Kahvit'"), 0);
        EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 2);
        EXPECT_EQ(entries(v1), QStringList({"D 1 10", "K 4 10"}));
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
    }
}

TEST_F(VoucherWindowTest, OtherWindowsAreReachedThroughTheirHooks) {
    book();
    balanced(1, "Eka", 10);
    const long avaus = balanced(2, "Avaus", 50, true);
    long searched = 0;
    vouchers::frmNewTositteet::SetSearchWindow([&] { return searched; });
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tTositeSelite);
    key(Qt::Key_H, Qt::ControlModifier);  // nothing chosen: the voucher stays
    EXPECT_EQ(f.Tosite().Numero(), 1);
    searched = avaus;  // a voucher of another mode is shown all the same
    key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), avaus);

    // F6: the account balances, while the voucher window stays as it is.
    dialogs->expectMessage("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.", Answer::OK);
    key(Qt::Key_F6);
    int balances = 0;
    shell::RegisterOpener(QStringLiteral("frmTilienSaldot"), [&] { ++balances; });
    key(Qt::Key_F6);
    EXPECT_EQ(balances, 1);
    EXPECT_EQ(f.Tosite().id(), avaus);
    shell::ClearOpeners();
}

TEST_F(VoucherWindowTest, EveryTextOfTheWindowHasItsSwedishTranslation) {
    book();
    balanced(1, "Eka", 10);
    useSwedish();

    // Translated before it loads, as the program's load hook does.
    core::Translate(&ui::Forms::get<vouchers::frmNewTositteet>());
    auto& f = open();
    EXPECT_EQ(f.lblDebetTili->text(), "Debetkonto");
    EXPECT_EQ(f.cUusi->text(), "Ny");
    EXPECT_EQ(f.cTallenna->toolTip(), "Spara verifikatet på skärmen [F3]");
    EXPECT_EQ(f.mTietue->title(), "P&ost");
    EXPECT_EQ(f.frameViennit->title(), "Verifikatets posteringar");
    key(Qt::Key_A, Qt::ControlModifier);
    dialogs->expectMessage("Vill du verkligen radera det valda verifikatet?", Answer::No);
    key(Qt::Key_F4);
    dialogs->expectMessage("Välj det konto som posteringen görs på!", Answer::OK);
    focusOn(f.cmbKreditTili[1]);
    type("77");
    enter();
    expectSwedishComplete();
}

}  // namespace
