// The voucher search: by an entry's amount, by a piece of the description,
// the list and its message, and what the dialog hands back.

#include "platform/ui/scripteddialogs.h"
#include "support/child.h"
#include "toolsfixture.h"
#include "vouchers/tools/frmtositehaku.h"

#include <QLabel>
#include <QPushButton>
#include <functional>

using ui::Answer;

namespace {

// The search on the book args[0], the text args[1] typed into the
// description: writes the message line, then the lines found.
KV_TEST_CHILD(searchByDescription) {
    core::resetGlobals();
    core::DatabasePath = args.value(0);
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    QStringList told;
    ui::Forms::setModalHook([&](ui::Form& form) {
        auto& f = static_cast<vouchers::frmTositeHaku&>(form);
        QTest::keyClicks(f.tSelite, args.value(1));
        f.cSearch->click();
        told << f.lblSearchMessage->text();
        for (int i = 0; i < f.lstTositteet->count(); ++i) told << f.lstTositteet->item(i)->text();
        f.cUndo->click();
    });
    vouchers::ShowTositeHaku();
    ui::Forms::setModalHook(nullptr);
    core::DBCon().SuljeDB();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (const QString& line : told) out.write(line.toUtf8() + '\n');
    return 0;
}

class SearchTest : public kvtest::ToolsTest {
protected:
    void SetUp() override {
        ToolsTest::SetUp();
        vouchers::HakuTositeID = -1;
    }
    // A book of vouchers: 2 "Jäsenmaksu Virtanen" (12.5 twice), 10 "Kahvi"
    // (12.5 and -100), opening voucher 0 "Avaus" (100), the program's own
    // -1 "Apu" (12.5), and an entry of 12.5 whose voucher is gone.
    void searchBook() {
        book();
        v2 = addVoucher(2, "Jäsenmaksu Virtanen", false, false, dao::Date::fromYmd(2031, 3, 5));
        addEntry(v2, Kassa, "D", eur("12.5"));
        addEntry(v2, Jasenmaksut, "K", eur("12.5"));
        v10 = addVoucher(10, "Kahvi 'tarjous'");
        addEntry(v10, Kulut, "D", eur("12.5"));
        addEntry(v10, Kassa, "K", eur("-100"));
        v0 = addVoucher(0, "Avaus", true);
        addEntry(v0, Kassa, "D", eur("100"));
        const long apu = addVoucher(-1, "Apu");
        addEntry(apu, Kassa, "D", eur("12.5"));
        addEntry(999, Kassa, "D", eur("12.5"));
    }
    // Shows the search modally; while it is up, drive runs against it.
    long search(const std::function<void(vouchers::frmTositeHaku&)>& drive) {
        ui::Forms::setModalHook([&](ui::Form& form) {
            auto& f = static_cast<vouchers::frmTositeHaku&>(form);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
            settle();
            drive(f);
        });
        // A dialog that fails to close ends the test instead of hanging it.
        ui::Forms::setModalTimeout(5000);
        const int timeouts = ui::Forms::modalTimeouts();
        const long id = vouchers::ShowTositeHaku();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setModalTimeout(0);
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts) << "the search stayed open";
        ui::Forms::unload<vouchers::frmTositeHaku>();
        settle();
        return id;
    }
    static void etsi(vouchers::frmTositeHaku& f, const QString& arvo, const QString& selite) {
        f.tVienninArvo->setText(arvo);
        f.tSelite->setText(selite);
        f.cSearch->click();
    }
    long v2 = 0, v10 = 0, v0 = 0;
};

TEST_F(SearchTest, ByAmountByTextAndByBoth) {
    searchBook();
    search([&](vouchers::frmTositeHaku& f) {
        EXPECT_EQ(focused(), f.tVienninArvo);
        // Typed with a decimal comma; each voucher once; the program's own
        // vouchers and entries without a voucher are not listed. The list
        // is in the order of its texts.
        type("12,50");
        f.cSearch->click();
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"10 - 1.2.2031 - Kahvi 'tarjous'", "2 - 5.3.2031 - Jäsenmaksu Virtanen"}));
        EXPECT_EQ(f.lblSearchMessage->text(), "Löytyi 2 tositetta.");
        // The sign counts: 100 finds the opening voucher, not the -100 entry.
        etsi(f, "100", "");
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"0 - 1.2.2031 - Avaus"}));
        EXPECT_EQ(f.lblSearchMessage->text(), "Löytyi 1 tosite.");
        // A piece of the description, letters in any case; an apostrophe
        // is only a letter.
        etsi(f, "", "JÄSEN");
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"2 - 5.3.2031 - Jäsenmaksu Virtanen"}));
        etsi(f, "", "'tarj");
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"10 - 1.2.2031 - Kahvi 'tarjous'"}));
        // Both: a voucher found by both is listed once.
        etsi(f, "-100", "a");
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"0 - 1.2.2031 - Avaus", "10 - 1.2.2031 - Kahvi 'tarjous'",
                                                      "2 - 5.3.2031 - Jäsenmaksu Virtanen"}));
        EXPECT_EQ(f.lblSearchMessage->text(), "Löytyi 3 tositetta.");
        etsi(f, "7", "");
        EXPECT_EQ(f.lstTositteet->count(), 0);
        EXPECT_EQ(f.lblSearchMessage->text(), "Ei löytynyt.");
        f.cUndo->click();
    });
}

// A typed text full of '*' over descriptions as long as they can be: the
// search answers at once (in a child process, so that a search that would
// run for ever fails the test).
TEST_F(SearchTest, ATextFullOfWildcardsOverLongDescriptions) {
    book();
    for (long n = 1; n <= 20; ++n) addVoucher(n, QString(n == 7 ? 254 : 255, u'a') + (n == 7 ? "b" : ""));
    core::DBCon().SuljeDB();
    const kvtest::KilledRun run = kvtest::runChild("searchByDescription", {core::DatabasePath, "a*a*a*a*a*a*a*a*a*b"});
    ASSERT_TRUE(run.finished) << run.errors.toStdString();
    EXPECT_EQ(run.lines, QList<QByteArray>({"Löytyi 1 tosite.", "7 - 1.2.2031 - " + QByteArray(254, 'a') + 'b'}));
}

TEST_F(SearchTest, CriteriaThatCannotBeUsed) {
    searchBook();
    search([&](vouchers::frmTositeHaku& f) {
        etsi(f, "", "Kahvi");
        ASSERT_EQ(f.lstTositteet->count(), 1);
        // Nothing to search by: the message, and the earlier list stays.
        dialogs->expectMessage("Anna ensin hakuehdot.", Answer::OK);
        etsi(f, "", "");
        EXPECT_EQ(f.lstTositteet->count(), 1);
        EXPECT_EQ(f.lblSearchMessage->text(), "Ei löytynyt.");
        // An amount that is no number: the message, then the text is searched.
        dialogs->expectMessage("Viennin arvon tulee olla numeerinen.", Answer::OK);
        etsi(f, "abc", "Avaus");
        EXPECT_EQ(texts(f.lstTositteet), QStringList({"0 - 1.2.2031 - Avaus"}));
        dialogs->expectMessage("Viennin arvon tulee olla numeerinen.", Answer::OK);
        etsi(f, "abc", "");
        EXPECT_EQ(f.lstTositteet->count(), 0);
        EXPECT_EQ(f.lblSearchMessage->text(), "Ei löytynyt.");
        f.cUndo->click();
    });
}

TEST_F(SearchTest, WhatTheDialogHandsBack) {
    searchBook();
    auto pickSecond = [&](vouchers::frmTositeHaku& f) {
        etsi(f, "12,5", "");
        QListWidget* l = f.lstTositteet;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
    };
    // Avaa, by its button and by Enter.
    EXPECT_EQ(search([&](auto& f) {
                  pickSecond(f);
                  f.cOpen->click();
              }),
              v2);
    EXPECT_EQ(search([&](auto& f) {
                  pickSecond(f);
                  focusOn(f.tSelite);
                  key(Qt::Key_Return);
              }),
              v2);
    // A double click on a line.
    EXPECT_EQ(search([&](auto& f) {
                  etsi(f, "12,5", "");
                  QListWidget* l = f.lstTositteet;
                  // As the window system gives it: press, release, press, release.
                  const QPoint at = l->viewport()->mapTo(&f, l->visualItemRect(l->item(0)).center());
                  QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, at);
              }),
              v10);
    // Avaa without a line, Peru and the close box hand back 0.
    EXPECT_EQ(search([&](auto& f) {
                  etsi(f, "12,5", "");
                  f.cOpen->click();
              }),
              0);
    vouchers::HakuTositeID = 5;
    EXPECT_EQ(search([&](auto& f) {
                  pickSecond(f);
                  focusOn(f.tSelite);
                  key(Qt::Key_Escape);  // Peru
              }),
              0);
    vouchers::HakuTositeID = 5;
    EXPECT_EQ(search([&](auto& f) {
                  pickSecond(f);
                  f.close();
              }),
              0);
}

}  // namespace
