// The budget grid: typed amounts land in the line's record at each key,
// read by the regional settings; the totals follow; the arrow keys move
// between account lines and scroll months and lines.

#include "budgetfixture.h"

#include <QApplication>
#include <QLabel>

using budget::frmBudjetti;
using dao::Currency;

namespace {

QString money(double v) { return Currency::fromDouble(v).toCurrencyString(); }

class BudgetGrid : public kvtest::BudgetTest {
protected:
    frmBudjetti& openSmall() {
        makeBook(kvtest::smallModel() + kvtest::buRow(44, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        return open();
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static bool isAccount(const frmBudjetti& w, int r) { return r >= 0 && r <= w.UpperBound() && !w.LineObject(r).IsEmpty(); }
    // The first line r from which the account lines r and r + gap + 1 have
    // gap headings between them.
    static int gapAt(const frmBudjetti& w, int from, int gap) {
        for (int r = from; r <= w.UpperBound(); ++r) {
            bool fits = isAccount(w, r) && isAccount(w, r + gap + 1);
            for (int j = 1; fits && j <= gap; ++j) fits = !isAccount(w, r + j);
            if (fits) return r;
        }
        return -1;
    }
};

TEST_F(BudgetGrid, TypedAmountsAreReadByTheRegionalSettingsAndTheTotalsFollowEachKey) {
    frmBudjetti& w = openSmall();
    w.scrlKuukausi->setValue(2);
    QLineEdit* cell = w.Cell(3, 2);  // month 5 of account 43
    cell->setFocus();
    QTest::keyClicks(cell, QStringLiteral("12"));
    QTest::keyClicks(cell, QStringLiteral(",5"));
    EXPECT_EQ(w.LineObject(2).KuukausiArvo(5), Currency::fromDouble(12.5));
    EXPECT_EQ(w.tYhteensaRivi[2]->text(), money(12.5));
    EXPECT_EQ(w.tYhteensaSarake[2]->text(), money(17.5));
    EXPECT_EQ(w.tGrossTotal->text(), money(78 + 12.5));

    type(w.Cell(1, 5), QStringLiteral("3.25"));  // a point is taken too
    EXPECT_EQ(w.LineObject(5).KuukausiArvo(3), Currency::fromDouble(3.25));
    // A letter makes the text no amount: it stays as typed, the month keeps
    // the amount it had, and leaving the cell refuses the text with a
    // message naming the cell by its month and line.
    const QString shownBefore = w.Cell(2, 5)->text();
    const Currency before = w.LineObject(5).KuukausiArvo(4);
    type(w.Cell(2, 5), QStringLiteral("12x"));
    EXPECT_EQ(w.Cell(2, 5)->text(), "12x");
    EXPECT_EQ(w.LineObject(5).KuukausiArvo(4), before);
    dialogs.expectMessage(QStringLiteral("Huhtikuu (") + w.tOtsakkeet[5]->text().trimmed() +
                              QStringLiteral("): \"12x\" ei ole rahamäärä."),
                          ui::Answer::OK);
    type(w.Cell(4, 5), QStringLiteral("-"));
    EXPECT_EQ(w.Cell(2, 5)->text(), shownBefore);
    EXPECT_EQ(w.LineObject(5).KuukausiArvo(4), before);
    EXPECT_EQ(w.Cell(4, 5)->text(), "-");
    EXPECT_EQ(w.LineObject(5).KuukausiArvo(6), Currency());
    QTest::keyClicks(w.Cell(4, 5), QStringLiteral("40"));
    EXPECT_EQ(w.tYhteensaRivi[5]->text(), money(3.25 + before.toDouble() - 40));
    type(w.Cell(1, 3), QString());
    EXPECT_EQ(w.LineObject(3).KuukausiArvo(3), Currency());
    EXPECT_EQ(w.Cell(1, 3)->text(), "");
    // Beyond what a book keeps: refused as well when the cell is left.
    const QString month7Shown = w.Cell(5, 2)->text();
    const Currency month7 = w.LineObject(2).KuukausiArvo(7);
    type(w.Cell(5, 2), QStringLiteral("1000000000000"));
    EXPECT_EQ(w.LineObject(2).KuukausiArvo(7), month7);
    dialogs.expectMessage(QStringLiteral("\"1000000000000\" ei ole rahamäärä."), ui::Answer::OK);
    QTest::keyClick(w.Cell(5, 2), Qt::Key_Left);
    EXPECT_EQ(w.Cell(5, 2)->text(), month7Shown);
    EXPECT_EQ(focused(), w.Cell(5, 2));  // a refused text keeps the arrow from moving
    w.LineObject(3).setKuukausiArvo(6, Currency::fromDouble(-1234.5));
    w.NaytaRivit();  // a cleared cell shows 0 only now
    EXPECT_EQ(w.Cell(1, 3)->text(), "0,00");
    EXPECT_EQ(w.Cell(4, 3)->text(), QString::fromUtf8("\u22121\u00a0234,50"));
}

TEST_F(BudgetGrid, MonthTotalsCoverEveryLineAndTheGrandTotalTheWholeYear) {
    makeBook();
    frmBudjetti& w = open(1);
    type(w.Cell(1, 2), QStringLiteral("100"));
    w.scrlRivi->setValue(w.scrlRivi->maximum());
    type(w.Cell(1, 15), QStringLiteral("-30,25"));
    EXPECT_EQ(w.LineObject(w.UpperBound()).KuukausiArvo(1), Currency::fromDouble(-30.25));
    w.scrlKuukausi->setValue(7);
    type(w.Cell(5, 15), QStringLiteral("5"));
    w.scrlRivi->setValue(0);
    EXPECT_EQ(w.tYhteensaSarake[4]->text(), money(5));
    EXPECT_EQ(w.tGrossTotal->text(), money(74.75));
    w.scrlKuukausi->setValue(0);
    EXPECT_EQ(w.tYhteensaSarake[0]->text(), money(69.75));
}

TEST_F(BudgetGrid, LeftAndRightScrollTheMonthsAtTheEdges) {
    frmBudjetti& w = openSmall();
    QLineEdit* first = w.Cell(1, 3);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Left);  // months 1 to 5: no scroll
    EXPECT_EQ(w.scrlKuukausi->value(), 0);
    EXPECT_EQ(focused(), first);
    EXPECT_EQ(first->selectedText(), "1,00");

    w.scrlKuukausi->setValue(2);
    QLineEdit* last = w.Cell(5, 3);
    QTest::keyClick(last, Qt::Key_Right);
    EXPECT_EQ(w.scrlKuukausi->value(), 3);
    EXPECT_EQ(w.lblKuukausi[4]->text(), "Elokuu");
    EXPECT_EQ(focused(), last);
    EXPECT_EQ(last->selectedText(), "8,00");
    w.scrlKuukausi->setValue(7);
    QTest::keyClick(last, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(w.scrlKuukausi->value(), 7);
    QTest::keyClick(first, Qt::Key_Left);
    EXPECT_EQ(w.scrlKuukausi->value(), 6);
    EXPECT_EQ(first->text(), "7,00");
}

TEST_F(BudgetGrid, UpAndDownSkipHeadingsStopAtTheEndsAndScrollTheLines) {
    {
        frmBudjetti& w = openSmall();
        w.Cell(2, 5)->setFocus();
        QTest::keyClick(w.Cell(2, 5), Qt::Key_Down);  // the last account line
        EXPECT_EQ(focused(), w.Cell(2, 5));
        QTest::keyClick(w.Cell(2, 5), Qt::Key_Up);
        EXPECT_EQ(focused(), w.Cell(2, 3));
        QTest::keyClick(w.Cell(2, 3), Qt::Key_Up);
        EXPECT_EQ(focused(), w.Cell(2, 2));
        QTest::keyClick(w.Cell(2, 2), Qt::Key_Up);  // the first one
        EXPECT_EQ(focused(), w.Cell(2, 2));
        QTest::keyClick(w.Cell(2, 3), Qt::Key_Down);
        EXPECT_EQ(focused(), w.Cell(2, 5));
        EXPECT_EQ(w.Cell(2, 5)->selectedText(), "0,00");
        close(w);
    }
    frmBudjetti& w = open(1);
    // Down from visible line 14 over two headings scrolls by 2.
    const int r = gapAt(w, 14, 2);
    ASSERT_GE(r, 14);
    w.scrlRivi->setValue(r - 14);
    QTest::keyClick(w.Cell(3, 14), Qt::Key_Down);
    EXPECT_EQ(w.scrlRivi->value(), r - 12);
    EXPECT_EQ(focused(), w.Cell(3, 15));
    EXPECT_EQ(w.tOtsakkeet[15]->text(), w.LineText(r + 3));
    // Up from visible line 2 over three headings brings the line to the top.
    const int t = gapAt(w, 0, 3);
    ASSERT_GE(t, 0);
    w.scrlRivi->setValue(t + 2);
    QTest::keyClick(w.Cell(4, 2), Qt::Key_Up);
    EXPECT_EQ(w.scrlRivi->value(), t);
    EXPECT_EQ(focused(), w.Cell(4, 0));
}

// A click into a cell selects its amount wherever it lands, so that what is
// typed replaces it: 45 is stored as 45, not merged into 450,00 or 0,0045.
TEST_F(BudgetGrid, WhatIsTypedAfterAClickReplacesTheCellsAmount) {
    using At = kvtest::Keys::At;
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 2, {120.5, 120.5, 120.5}));
    frmBudjetti& w = open();
    for (const At at : {At::LeftEdge, At::Middle, At::RightEnd}) {
        const int month = int(at) + 1;
        for (const long tlID : {43, 44}) {  // lines 2 and 3: 120,50 and 0,00
            SCOPED_TRACE(std::to_string(tlID) + " at the " + kvtest::Keys::name(at));
            w.Cell(5, 5)->setFocus(Qt::MouseFocusReason);
            kvtest::Keys::clickInto(w.Cell(month, tlID == 43 ? 2 : 3), at);
            for (const Qt::Key k : {Qt::Key_4, Qt::Key_5, Qt::Key_Tab, Qt::Key_F3}) QTest::keyClick(focused(), k);
            EXPECT_EQ(months(tlID, 2).split(u' ').value(month - 1), "45") << months(tlID, 2).toStdString();
        }
    }
}

}  // namespace
