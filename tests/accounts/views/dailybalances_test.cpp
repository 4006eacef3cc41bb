// The daily balances view: days, day sums and the running balance, which
// vouchers and dates count, the empty state and the 19 scrolled rows.

#include "accounts/views/accountviews.h"
#include "accounts/views/frmpaivasaldot.h"
#include "viewsfixture.h"

#include <QScrollBar>

using accounts::frmPaivaSaldot;

namespace {

class DailyBalances : public kvtest::ViewsTest {
protected:
    frmPaivaSaldot& open() {
        accounts::ShowPaivaSaldot();
        return ui::Forms::get<frmPaivaSaldot>();
    }
    static void refreshFor(frmPaivaSaldot& w, int line) {
        w.cmbTilit->setCurrentIndex(line);
        w.cPaivita->click();
    }
    static void expectEmptyState(const frmPaivaSaldot& w) {
        EXPECT_FALSE(w.hasDays());
        EXPECT_EQ(cell(&w, "lblPaiva", 0), QStringLiteral("Ei tapahtumia."));
        for (int r = 0; r < 19; ++r) {
            if (r > 0) {
                EXPECT_EQ(cell(&w, "lblPaiva", r), QString()) << r;
            }
            EXPECT_EQ(cell(&w, "lblSaldo", r), QString()) << r;
        }
        EXPECT_EQ(w.scrlBar->value(), 0);
        EXPECT_EQ(w.scrlBar->maximum(), 1);
    }
};

TEST_F(DailyBalances, OneLinePerDayWithTheRunningBalanceOfTheYear) {
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long muu = addAccount(2000, QStringLiteral("Muu"));
    const long avaus = addVoucher(0, day(1, 1));
    const long a = addVoucher(1, day(2, 1));
    const long b = addVoucher(2, day(2, 1));
    const long c = addVoucher(3, day(3, 5));
    const long d = addVoucher(4, day(4, 9));
    const long paatos = addVoucher(5, day(12, 31));
    const long apu = addVoucher(-1, day(2, 1));
    const long vanha = addVoucher(6, dao::Date::fromYmd(2030, 12, 31));
    addEntry(avaus, kassa, "D", 1000);
    addEntry(a, kassa, "D", 100);
    addEntry(b, kassa, "D", 50);  // the same day: one line
    addEntry(b, kassa, "K", 30);
    addEntry(c, kassa, "X", 999);  // opens its day, adds nothing
    addEntry(d, kassa, "D", 20);
    addEntry(d, kassa, "K", 20);  // cancels out
    addEntry(paatos, kassa, "K", 200);
    addEntry(apu, kassa, "D", 7);    // negative number: left out
    addEntry(vanha, kassa, "D", 9);  // outside the financial year
    addEntry(a, muu, "D", 3);

    frmPaivaSaldot& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kolvio - Päiväsaldot"));
    expectEmptyState(w);
    w.cmbTilit->setCurrentIndex(1);  // a choice alone does not compute
    EXPECT_FALSE(w.hasDays());

    w.mPaivita->trigger();
    ASSERT_TRUE(w.hasDays());
    ASSERT_EQ(w.slotCount(), 5);
    const QStringList days = {"1.1.2031", "1.2.2031", "5.3.2031", "9.4.2031", "31.12.2031"};
    const long debet[] = {1000, 150, 0, 20, 0};
    const long kredit[] = {0, 30, 0, 20, 200};
    const long saldo[] = {1000, 1120, 1120, 1120, 920};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.PaivaAt(i).toShortString(), days[i]) << i;
        EXPECT_EQ(w.DebetAt(i), dao::Currency::fromUnits(debet[i])) << i;
        EXPECT_EQ(w.KreditAt(i), dao::Currency::fromUnits(kredit[i])) << i;
        EXPECT_EQ(w.ErotusAt(i), dao::Currency::fromUnits(debet[i] - kredit[i])) << i;
        EXPECT_EQ(w.SaldoAt(i), dao::Currency::fromUnits(saldo[i])) << i;
        EXPECT_EQ(cell(&w, "lblPaiva", i), days[i]) << i;
        EXPECT_EQ(cell(&w, "lblSaldo", i), eur(saldo[i])) << i;
    }
    EXPECT_EQ(cell(&w, "lblErotus", 3), eur(0));
    EXPECT_EQ(cell(&w, "lblPaiva", 5), QString());
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    w.scrlBar->setValue(1);
    EXPECT_EQ(cell(&w, "lblPaiva", 0), QStringLiteral("1.2.2031"));
    EXPECT_EQ(cell(&w, "lblPaiva", 3), QStringLiteral("31.12.2031"));
    EXPECT_EQ(cell(&w, "lblPaiva", 4), QString());

    // The blank first line: the empty state again. Typed text: no refresh.
    refreshFor(w, 0);
    expectEmptyState(w);
    w.cmbTilit->setCurrentIndex(1);
    w.cmbTilit->setEditText(QStringLiteral("Kas"));
    w.cPaivita->click();
    expectEmptyState(w);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlSaldot") + count("SELECT COUNT(*) FROM tlTarkastelut"), 0);
}

TEST_F(DailyBalances, ScrollBarCoversEveryDay) {
    const long a19 = addAccount(1019, QStringLiteral("Yhdeksäntoista"));
    const long a20 = addAccount(1020, QStringLiteral("Kaksikymmentä"));
    const long a25 = addAccount(1025, QStringLiteral("Kaksikymmentäviisi"));
    for (int i = 1; i <= 25; ++i) {
        const long t = addVoucher(i, day(5, i));
        if (i <= 19) addEntry(t, a19, "D", i);
        if (i <= 20) addEntry(t, a20, "D", i);
        addEntry(t, a25, "K", i);
    }
    frmPaivaSaldot& w = open();
    refreshFor(w, 1);
    EXPECT_EQ(w.slotCount(), 19);
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    refreshFor(w, 2);
    EXPECT_EQ(w.slotCount(), 20);
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    refreshFor(w, 3);
    EXPECT_EQ(w.scrlBar->maximum(), 6);
    w.scrlBar->setValue(6);
    EXPECT_EQ(cell(&w, "lblPaiva", 18), QStringLiteral("25.5.2031"));
    EXPECT_EQ(cell(&w, "lblSaldo", 18), eur(-325));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblPaiva(19)")), nullptr);

    w.cSulje->click();
    EXPECT_FALSE(w.isLoaded());
    // Opened again: a new window with no account chosen.
    frmPaivaSaldot& again = open();
    EXPECT_TRUE(again.isLoaded());
    EXPECT_EQ(again.cmbTilit->currentIndex(), -1);
    expectEmptyState(again);
}

}  // namespace
