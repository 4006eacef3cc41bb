// A book of many vouchers: the window shows before its list has been read
// whole and before its rows are sized for the largest voucher; what the
// user does meanwhile leaves the list and the rows as they would have been
// had the window read everything first.

#include "windowfixture.h"

#include <QFile>
#include <functional>

using kvtest::VoucherWindowTest;
using ui::Answer;
using vouchers::frmNewTositteet;

namespace {

class LongListTest : public VoucherWindowTest {
protected:
    // More lines than the first page and one further page hold.
    static constexpr int kN = frmNewTositteet::kListanAlku + frmNewTositteet::kListanSivu + 50;

    // Vouchers 1 to kN, "Tosite n", toID n, without entries; written once,
    // each case works on a copy.
    void longBook() {
        book();
        db().BeginTrans();
        for (int n = 1; n <= kN; ++n)
            db().Execute(QStringLiteral("INSERT INTO to (toID, toNumero, toPvm, toSelite) VALUES (?, ?, ?, ?)"),
                         {n, n, dao::Date::fromYmd(2031, 3, 1), QStringLiteral("Tosite %1").arg(n)});
        db().CommitTrans();
        core::DBCon().SuljeDB();
        original_ = core::DatabasePath;
    }
    void copyOfBook(int k) {
        core::DBCon().SuljeDB();
        core::DatabasePath = dir.file(QStringLiteral("kopio%1.mdb").arg(k));
        ASSERT_TRUE(QFile::copy(original_, core::DatabasePath));
    }
    // Opened, and the user's command comes before the window's idle turns.
    frmNewTositteet& openAndActAtOnce(const std::function<void(frmNewTositteet&)>& act) {
        shell::VoucherWindowMode m;
        m.caption = QStringLiteral("Tositteet");
        w = &vouchers::OpenVoucherWindow(m);
        act(*w);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !w->StillReading(); }, 20000));
        settle();
        return *w;
    }
    static QStringList lines(int from, int to) {
        QStringList out;
        for (int n = from; n <= to; ++n) out << QStringLiteral("%1 Tosite %1").arg(n);
        return out;
    }

    QString original_;
};

TEST_F(LongListTest, TheListEndsAsIfReadAtOnceWhateverIsDoneMeanwhile) {
    longBook();
    const QString last = QStringLiteral("%1 Tosite %1").arg(kN);
    const struct {
        const char* name;
        std::function<void(frmNewTositteet&)> act;
        QStringList expected;
        QString current;
    } cases[] = {
        {"nothing", [](frmNewTositteet&) {}, lines(1, kN), QString()},
        {"the last voucher and the one before it",
         [](frmNewTositteet& f) {
             f.cViimeinen->click();
             f.cEdellinen->click();
         },
         lines(1, kN), QStringLiteral("%1 Tosite %1").arg(kN - 1)},
        {"a new voucher", [](frmNewTositteet& f) { f.cUusi->click(); }, lines(1, kN) << QStringLiteral("%1 ").arg(kN + 1),
         QStringLiteral("%1 ").arg(kN + 1)},
        {"the last voucher deleted",
         [this](frmNewTositteet& f) {
             dialogs->expectMessage("Haluatko varmasti poistaa valitun tositteen?", Answer::Yes);
             f.cViimeinen->click();
             f.cPoista->click();
         },
         lines(1, kN - 1), QString()},
        {"the last voucher renumbered 1 and saved",
         [](frmNewTositteet& f) {
             f.cViimeinen->click();
             f.tTositenumero->setText(QStringLiteral("1"));
             f.cTallenna->click();
         },
         lines(1, kN - 1) << QStringLiteral("1 Tosite %1").arg(kN), QStringLiteral("1 Tosite %1").arg(kN)},
        {"the last voucher's text typed",
         [](frmNewTositteet& f) {
             f.cViimeinen->click();
             f.tTositeSelite->setText(QStringLiteral("Uusi teksti"));
         },
         lines(1, kN - 1) << QStringLiteral("%1 Uusi teksti").arg(kN), QStringLiteral("%1 Uusi teksti").arg(kN)},
    };
    int k = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        copyOfBook(++k);
        openAndActAtOnce(c.act);
        EXPECT_EQ(listTexts(), c.expected);
        EXPECT_EQ(currentLine(), c.current);
        ui::Forms::destroyAll();
    }
}

TEST_F(LongListTest, RowsGrowForTheLargestVoucherAroundTheVoucherShown) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    const long big = addVoucher(2, "Iso");
    addEntry(big, Kassa, "D", 90);
    for (int e = 1; e <= 9; ++e) addEntry(big, Jasenmaksut, "K", 10);
    auto& f = openAndActAtOnce([](frmNewTositteet& f) {
        f.cEnsimmainen->click();
        f.tDebetSumma[0]->setText(QStringLiteral("99"));
    });
    EXPECT_EQ(f.ElementCount(), 9);
    EXPECT_EQ(f.scrlViennit->maximum(), 3);
    // What was typed is on screen and in the entry, and nothing is written.
    EXPECT_EQ(f.tDebetSumma[0]->text(), "99");
    EXPECT_EQ(f.DebetVienti(0).Arvo(), dao::Currency::fromUnits(99));
    EXPECT_EQ(entries(v1), QStringList({"D 1 10", "K 4 10"}));
    // The rows added belong to the voucher: what is typed there is saved.
    f.scrlViennit->setValue(3);
    fill(f.cmbKreditTili[5], "4000");
    fill(f.tKreditSumma[5], "89");
    key(Qt::Key_F3);
    EXPECT_EQ(entries(v1), QStringList({"D 1 99", "K 4 10", "K 5 89"}));
}

}  // namespace
