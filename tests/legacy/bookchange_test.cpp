// The older windows while a backup closes and compacts the book under them:
// what was typed and not yet stored is stored first, and afterwards the
// windows show the book again and go on storing into it.

#include "legacyfixture.h"
#include "accounts/frmtilitnew.h"
#include "core/ui/bookchange.h"
#include "maintenance/backupfolder.h"
#include "platform/ui/scripteddialogs.h"
#include "support/child.h"

#include <QDir>
#include <QPointer>
#include <QRadioButton>
#include <QTreeWidget>

using kvtest::LegacyTest;
using ui::Answer;

namespace {

// The older window's new voucher typed and saved with F3, as a program that
// a crash may stop: the program folder args[0], the book args[1].
KV_TEST_CHILD(legacyNewVoucher) {
    sys::SetAppPath(args.value(0));
    core::resetGlobals();
    core::InstallWindowHooks();
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    core::DatabasePath = args.value(1);
    core::TilikausiAlku = dao::Date::fromYmd(2031, 1, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2031, 12, 31);
    shell::VoucherWindowMode mode;
    mode.caption = QStringLiteral("Tositteet");
    legacy::frmTositteet* w = legacy::OpenOlderVoucherWindow(mode);
    if (!w || !QTest::qWaitForWindowActive(w)) return 2;
    kvtest::Keys::settle();
    kvtest::Keys::key(Qt::Key_F2);
    kvtest::Keys::type(QStringLiteral("3.3.2031"));
    kvtest::Keys::enter();
    kvtest::Keys::type(QStringLiteral("Uusi"));
    kvtest::Keys::enter();
    kvtest::Keys::type(QStringLiteral("1000"));
    for (int i = 0; i < 3; ++i) kvtest::Keys::enter();
    kvtest::Keys::type(QStringLiteral("12"));
    kvtest::Keys::key(Qt::Key_F3);
    ui::Forms::destroyAll();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write(dialogs.shown().isEmpty() ? "tallennettu\n" : "viesti\n");
    return 0;
}

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
    // Another copy of the program on the same book runs sql.
    static void anotherCopy(const QString& sql) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }
    // The windows and the book go; the next case makes its own.
    static void nextCase() {
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
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

// Another copy of the program on the same book writes while a new voucher
// is being typed here. The number proposed for it is taken anew as it is
// stored, so that no number is given twice; a number the user typed stays.
// When the other copy has changed the book's year, the voucher of the year
// before is not stored, nor the entry typed for it into the editor: the
// user is told that nothing was stored, and the program takes the book's
// year.
TEST_F(LegacyBookChange, ANewVoucherMeetsWhatAnotherCopyWroteMeanwhile) {
    const char* const newYear =
        "DELETE FROM vi; DELETE FROM [to]; INSERT INTO Settings (setSection, setKey, setString) VALUES "
        "('KOLVIO', 'TilikausiAlku', '2032-01-01'), ('KOLVIO', 'TilikausiLoppu', '2032-12-31')";
    const struct {
        const char* what;
        const char* typedNumber;  // nullptr: the proposed number stands
        const char* otherCopy;
        QStringList numbers;  // the vouchers' numbers afterwards
        bool entryTyped = false;  // an entry typed into the editor, not added
    } cases[] = {
        {"proposed", nullptr, "INSERT INTO [to] (toNumero, toSelite) VALUES (2, 'Toinen')", {"1|Eka", "2|Toinen", "3|Uusi"}},
        {"typed", "9", "INSERT INTO [to] (toNumero, toSelite) VALUES (2, 'Toinen')", {"1|Eka", "2|Toinen", "9|Uusi"}},
        {"new year", nullptr, newYear, {}},
        {"new year, an entry typed", nullptr, newYear, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        book();
        balanced(1, QStringLiteral("Eka"), "10");
        auto& f = open();
        key(Qt::Key_F2);
        ASSERT_EQ(f.tTositenumero->text(), "2");
        if (c.typedNumber) {
            retype(f.tTositenumero, QString::fromUtf8(c.typedNumber));
            focusOn(f.tTositepvm);
        }
        type("3.3.2031");
        enter();
        type("Uusi");
        if (c.entryTyped) {
            enter();
            type("1000");
            for (int i = 0; i < 3; ++i) enter();
            type("12");
        }
        anotherCopy(QString::fromUtf8(c.otherCopy));
        if (c.numbers.isEmpty())
            dialogs->expectMessage(QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä "
                                                  "välin vaihdettu toisessa ohjelmassa"),
                                   Answer::OK);
        key(Qt::Key_F3);
        settle();
        QStringList numbers;
        for (long n : {1, 2, 3, 9})
            if (const QString t = text("SELECT toSelite FROM to WHERE toNumero = ?", {n}); t != "<none>")
                numbers << QString::number(n) + u'|' + t;
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(value("SELECT COUNT(*) FROM to"), c.numbers.size());
        if (c.numbers.isEmpty()) EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 0);
        if (!c.numbers.isEmpty()) {
            EXPECT_EQ(f.tTositenumero->text(), c.numbers.last().section(u'|', 0, 0));
        }
        EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(c.numbers.isEmpty() ? 2032 : 2031, 1, 1));
        nextCase();
    }
}

// Another copy of the program has removed the voucher shown here (its
// change of year moves every voucher away), or only the entry in the
// editor: the entry typed is not stored, and the user is told. The
// voucher's own fields typed meanwhile are stored while the voucher is
// there, or the user is told that they were not.
TEST_F(LegacyBookChange, AnEntryAnotherCopyRemovedIsNotStoredAndTheRestIsTold) {
    const struct {
        const char* what;
        const char* otherCopy;  // %1: the voucher's first entry
        QByteArray refused;     // a write the book refuses
        const char* told;
        const char* selite;  // the voucher's text afterwards; nullptr: gone
        QStringList left;
    } cases[] = {
        {"the voucher", "DELETE FROM vi; DELETE FROM [to]", {},
         "Viennin muutoksia ei tallennettu, koska tosite tai vienti on sillä välin poistettu", nullptr, {}},
        {"the entry", "DELETE FROM vi WHERE viID = %1", {},
         "Viennin muutoksia ei tallennettu, koska vienti on sillä välin poistettu kirjanpidosta toisessa ohjelmassa, "
         "jossa sama kirjanpito on auki. Tositteen numero, päivämäärä ja selite tallennettiin.",
         "Muutettu", {"K 4 10"}},
        {"the entry, the voucher refused", "DELETE FROM vi WHERE viID = %1", "BEFORE UPDATE ON \"to\"",
         "Myöskään tositteen numeroa, päivämäärää ja selitettä ei voitu tallentaa: 3022", "Eka", {"K 4 10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        book();
        const long v = balanced(1, QStringLiteral("Eka"), "10");
        const long first = value(QStringLiteral("SELECT MIN(viID) FROM vi"));
        if (!c.refused.isEmpty()) refuseInBook(c.refused);
        auto& f = open();
        clickGridRow(f.grdViennit, 0);
        retype(f.tSumma, QStringLiteral("12"));
        retype(f.tTositeSelite, QStringLiteral("Muutettu"));
        anotherCopy(QString::fromLatin1(c.otherCopy).arg(first));
        dialogs->expectMessage(QString::fromUtf8(c.told), Answer::OK);
        key(Qt::Key_F3);
        settle();
        EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v}), c.selite ? c.selite : "<none>");
        EXPECT_EQ(entries(v), c.left);
        EXPECT_EQ(gridRows().size(), c.left.size());
        EXPECT_EQ(f.tTositeSelite->text(), c.selite ? "Muutettu" : "");  // what was not stored stays on screen
        nextCase();
    }
}

// A window of the test's own, first among the windows, that does what the
// test asks of it just as the windows store what they hold (another
// program takes the book for a long write, say).
class StoresFirst : public ui::Form {
public:
    StoresFirst() : ui::Form(QStringLiteral("StoresFirst")) {}
    bool StorePendingEdits() override {
        if (onStore) onStore();
        return true;
    }
    std::function<void()> onStore;
};

// Another copy has changed the book's year while a voucher of the year
// before is retyped here and an account name typed in Tilit. The voucher
// meets the change and is not stored; the name is, and the user learns
// both, and which other window's edits met the change too. When another
// program holds the book just then, the user is told that, and the name
// stays in the window (and the program in its year) until the next save
// that meets the change stores it.
TEST_F(LegacyBookChange, AfterAnotherCopysChangeOfYearTheUserLearnsWhatWasStored) {
    enum class Meanwhile { Nothing, BookHeld, AnotherWindowMeetsTheChange };
    for (const Meanwhile meanwhile :
         {Meanwhile::Nothing, Meanwhile::BookHeld, Meanwhile::AnotherWindowMeetsTheChange}) {
        SCOPED_TRACE(int(meanwhile));
        const bool heldMeanwhile = meanwhile == Meanwhile::BookHeld;
        book();
        const long v = balanced(1, QStringLiteral("Eka"), "10");
        waitOnlyAWhile();
        std::shared_ptr<sqlite3> held;
        StoresFirst& taker = ui::Forms::load<StoresFirst>();
        taker.setWindowTitle(QStringLiteral("Budjetti"));
        if (heldMeanwhile) taker.onStore = [&held] { held = holdBook(); };
        // A window whose year-bound edits meet the change as it stores.
        if (meanwhile == Meanwhile::AnotherWindowMeetsTheChange)
            taker.onStore = [] { core::TilikausiVaihtunutMuualla(); };
        auto& tilit = ui::Forms::show<accounts::frmTilitNew>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tilit));
        tilit.tvTilit->scrollToItem(tilit.accountNode(Kassa));
        QTest::mouseClick(tilit.tvTilit->viewport(), Qt::LeftButton, {},
                          tilit.tvTilit->visualItemRect(tilit.accountNode(Kassa)).center());
        retype(tilit.tNimi, QStringLiteral("Käteiskassa"));
        auto& f = open();
        anotherCopy("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiAlku', "
                    "'2032-01-01'), ('KOLVIO', 'TilikausiLoppu', '2032-12-31')");
        if (heldMeanwhile) {
            dialogs->expectMessage(QStringLiteral("Näiden ikkunoiden muutoksia ei voitu tallentaa:\r\nTilit: 3260 / "
                                                  "Päivitys ei onnistu: toinen ohjelma on lukinnut tietokannan."),
                                   Answer::No);
            retype(f.tTositeSelite, QStringLiteral("Muutettu"));
            key(Qt::Key_F3);
            EXPECT_EQ(dialogs->pendingCount(), 0);
            EXPECT_EQ(tilit.tNimi->text(), "Käteiskassa");
            EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 1, 1));
            held.reset();
            taker.onStore = nullptr;
        }
        EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Kassa");
        dialogs->expectMessage(QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                              "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                              "käyttää nyt kirjanpidon tilikautta 1.1.2032 - 31.12.2032.\r\n\r\n") +
                                   (meanwhile == Meanwhile::AnotherWindowMeetsTheChange
                                        ? "Samasta syystä ei tallennettu näiden ikkunoiden muutoksia: Budjetti.\r\n\r\n"
                                        : "") +
                                   "Muiden avoimien ikkunoiden muutokset tallennettiin.",
                               Answer::OK);
        retype(f.tTositeSelite, QStringLiteral("Muutettu"));
        key(Qt::Key_F3);
        EXPECT_EQ(text("SELECT tlNimi FROM tl WHERE tlNumero = 1000"), "Käteiskassa");
        EXPECT_EQ(text(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {v}), "Eka");
        EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2032, 1, 1));
        nextCase();
    }
}

// The book is held past this copy's wait, by another copy's write or by its
// read, at each step that stores while balanced vouchers are typed on: the
// Enter that leaves an entry, "Uusi vienti", F2, F3, a move and Sulje. Each
// such step is refused in words and leaves the window, the focus and the
// book as they were; the user presses the same key again once the book is
// free. Every voucher in the book is then the one typed, whole and
// balanced, and while the window waits for the user between the keys
// another program writes the book at once.
TEST_F(LegacyBookChange, WhileAnotherCopyHoldsTheBookNoVoucherIsWrittenOver) {
    // Where the book is held: AtEnter the Enter that stores each entry,
    // AtNewEntry "Uusi vienti" (Shift+F2) after the first, AtNew the F2 that
    // stores the voucher before (its second entry typed and not stored), the
    // others what ends the second entry: F3, F3 on the voucher's text
    // retyped (AtEdit), the previous voucher (AtMove), a line of the list
    // (AtPick) or Sulje (AtClose).
    enum Held { Free, AtNew, AtEnter, AtNewEntry, AtSave, AtEdit, AtMove, AtPick, AtClose };
    constexpr Hold writing = Hold::Writing, statement = Hold::ReadingAStatement,
                   transaction = Hold::ReadingInATransaction;
    const struct {
        Held at;
        Hold how;
    } held[] = {{Free, writing},          {AtNew, writing},          {AtEnter, writing},
                {AtNewEntry, writing},    {AtNew, statement},        {AtSave, writing},
                {AtEdit, writing},        {AtMove, writing},         {AtClose, writing},
                {AtEnter, statement},     {AtNewEntry, transaction}, {AtNew, transaction},
                {AtSave, statement},      {AtEdit, transaction},     {AtMove, statement},
                {AtClose, transaction},   {AtEnter, transaction},    {AtNewEntry, statement},
                {AtSave, transaction},    {AtEdit, statement},       {AtMove, transaction},
                {AtClose, statement},     {AtPick, writing},         {AtPick, transaction}};
    book();
    balanced(1, QStringLiteral("Eka"), "10");
    waitOnlyAWhile();
    open();
    // What the window shows of the voucher and of the entry in the editor.
    auto shown = [&] {
        return QStringList({w->tTositenumero->text(), w->tTositepvm->text(), w->tTositeSelite->text(),
                            w->cmbTililuettelo->currentText(), w->optTyyppi[0]->isChecked() ? "D" : "K",
                            w->tSumma->text(), w->lblErotus->text(), gridRows().join(u','), currentLine()})
            .join(u'|');
    };
    // The keys pressed while the book is held, then again once it is free;
    // userIn: the control the user is in by the keys (by default the one
    // that has the focus before them).
    auto press = [&](bool hold, Hold how, const std::function<void()>& keys, QWidget* userIn = nullptr) {
        if (hold) {
            const QPointer<legacy::frmTositteet> window = w;
            const QString before = shown();
            QWidget* where = userIn ? userIn : focused();
            {
                const std::shared_ptr<sqlite3> other = holdBook(how);
                dialogs->expectMessage(lockedText, Answer::OK);
                keys();
            }
            EXPECT_EQ(dialogs->pendingCount(), 0);
            ASSERT_TRUE(window && window->isLoaded());
            EXPECT_EQ(shown(), before);
            EXPECT_EQ(focused(), where);
        }
        keys();
        EXPECT_TRUE(writtenAtOnce());
    };
    const auto enterKey = [] { enter(); };
    QStringList typed{QStringLiteral("1|Eka|D 1 10,K 4 10")};
    for (int i = 0; i < int(std::size(held)); ++i) {
        SCOPED_TRACE(i);
        const QString n = QString::number(i + 2), amount = QString::number(10 * (i + 2));
        const Held at = held[i].at;
        const Hold how = held[i].how;
        press(at == AtNew, how, [] { key(Qt::Key_F2); });
        ASSERT_EQ(w->tTositenumero->text(), n);
        // The voucher before is stored balanced: the first entry is a debit.
        EXPECT_TRUE(w->optTyyppi[0]->isChecked());
        EXPECT_EQ(w->tSumma->text(), dao::Currency().toText());
        type(QStringLiteral("%1.3.2031").arg(i + 1));
        enter();
        type(QStringLiteral("Tosite ") + n);
        enter();
        type(QStringLiteral("1000"));
        for (int k = 0; k < 3; ++k) enter();
        type(amount);
        if (at == AtNewEntry) {
            press(true, how, [] { key(Qt::Key_F2, Qt::ShiftModifier); });
        } else {
            enter();
            press(at == AtEnter, how, enterKey);
            enter();  // "Uusi vienti"
        }
        // The grid shows the first entry as the book holds it, and the new
        // entry balances that.
        const QString euros = dao::Currency::parse(amount)->toText();
        EXPECT_EQ(gridRows(), QStringList{QStringLiteral("1000|Kassa|D|") + euros});
        EXPECT_TRUE(w->optTyyppi[1]->isChecked());
        EXPECT_EQ(w->tSumma->text(), euros);
        type(QStringLiteral("3010"));
        for (int k = 0; k < 3; ++k) enter();
        switch (at) {
        case AtEnter:
            enter();
            press(true, how, enterKey);
            break;
        case AtSave:
            press(true, how, [] { key(Qt::Key_F3); });
            break;
        case AtEdit:
            key(Qt::Key_F3);
            retype(w->tTositeSelite, QStringLiteral("Muutettu ") + n);
            press(true, how, [] { key(Qt::Key_F3); });
            break;
        case AtMove:
            press(true, how, [] { key(Qt::Key_S, Qt::ControlModifier); });
            break;
        case AtPick:
            press(true, how, [this] { clickListRow(w->lstTositteet, 0); }, w->lstTositteet);
            EXPECT_EQ(w->tTositeSelite->text(), "Eka");
            break;
        case AtClose:
            press(true, how, [this] {
                w->cSulje->click();
                settle();
            });
            open();
            break;
        default:  // the next F2 stores it
            break;
        }
        typed << n + QStringLiteral("|Tosite ") + n + QStringLiteral("|D 1 ") + amount + QStringLiteral(",K 4 ") +
                     amount;
        if (at == AtEdit) typed.last().replace(QStringLiteral("Tosite"), QStringLiteral("Muutettu"));
    }
    key(Qt::Key_F3);
    QStringList inBook;
    dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT toID, toNumero, toSelite FROM to ORDER BY toNumero"),
                                           dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext())
        inBook << rs.value(1).toString() + u'|' + rs.value(2).toString() + u'|' + entries(rs.value(0).toLong()).join(u',');
    EXPECT_EQ(inBook, typed);
}

}  // namespace

namespace {

// A crash at any write point of a new voucher's first save leaves the book
// with the voucher and its entry, or with neither: never an entry without
// its voucher.
TEST_F(LegacyTest, ANewVoucherAndItsFirstEntryAreStoredInOneWrite) {
    book();
    balanced(1, QStringLiteral("Eka"), "10");
    core::DBCon().SuljeDB();
    const QString path = core::DatabasePath;
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    bool finished = false;
    for (int point = 1; !finished; ++point) {
        ASSERT_LT(point, 30) << "the save never ran to its end";
        SCOPED_TRACE(point);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(before) == before.size());
        f.close();
        const kvtest::KilledRun run = kvtest::runChildKilledAt("legacyNewVoucher", {dir.path(), path}, point);
        ASSERT_TRUE(run.killed || run.finished) << run.errors.toStdString();
        finished = run.finished;
        EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID NOT IN (SELECT toID FROM to)"), 0);
        const long id = value("SELECT toID FROM to WHERE toNumero = 2");
        if (run.finished) {
            EXPECT_EQ(run.lines, QList<QByteArray>{"tallennettu"});
            EXPECT_EQ(entries(id), QStringList({"D 1 12"}));
        } else if (id > 0) {
            EXPECT_EQ(entries(id), QStringList({"D 1 12"}));
        }
        core::DBCon().SuljeDB();
    }
}

}  // namespace
