// The budget window's commands: save, undo, delete the year shown and copy
// the current year's budget as the next one's, each all or nothing.

#include "budgetfixture.h"

#include <QAction>
#include <QLabel>

using budget::frmBudjetti;
using dao::Currency;

namespace {

class BudgetCommands : public kvtest::BudgetTest {};

TEST_F(BudgetCommands, SaveWritesTheChangedLinesOnceAndUndoTakesTypedAmountsBack) {
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 2, {10, 20}) + kvtest::buRow(44, 2, {4}));
    frmBudjetti& w = open();
    w.cTallenna->click();  // the account without a row gets its zero row
    EXPECT_EQ(months(55, 2), "0 0 0 0 0 0 0 0 0 0 0 0");
    type(w.Cell(2, 3), QStringLiteral("15"));
    QTest::keyClick(w.Cell(2, 3), Qt::Key_F3);
    EXPECT_EQ(months(44, 2), "4 15 0 0 0 0 0 0 0 0 0 0");
    exec(QStringLiteral("UPDATE bu SET buKuukausi1 = 1 WHERE butlID = 44"));
    w.mTallenna->trigger();  // nothing changed since
    EXPECT_EQ(months(44, 2), "1 15 0 0 0 0 0 0 0 0 0 0");

    type(w.Cell(1, 2), QStringLiteral("11"));
    type(w.Cell(3, 5), QStringLiteral("7,5"));
    // Ctrl+Z is the window's undo, not the cell's own.
    QTest::keyClick(w.Cell(3, 5), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Cell(1, 2)->text(), "10,00");
    EXPECT_EQ(w.Cell(3, 5)->text(), "0,00");
    EXPECT_EQ(w.tGrossTotal->text(), Currency::fromUnits(49).toCurrencyString());
    // Still changed: the restored amounts are written over the table's.
    exec(QStringLiteral("UPDATE bu SET buKuukausi1 = 99 WHERE butlID = 43"));
    close(w);
    EXPECT_EQ(months(43, 2), "10 20 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(buCount(), 3);
}

TEST_F(BudgetCommands, DeleteAsksThenRemovesTheWholeYearAndWhatWasTypedOnIt) {
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 2, {10}) + kvtest::buRow(90, 2, {5}) + kvtest::buRow(43, 3, {8}));
    frmBudjetti& w = open();
    type(w.Cell(1, 5), QStringLiteral("12"));
    dialogs.expectMessage(QStringLiteral("Haluatko varmasti poistaa nykyisen kauden budjetin?"), ui::Answer::No);
    w.cPoista->click();  // No: built again, the typed amount written
    EXPECT_EQ(months(55, 2), "12 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(dialogs.shown().at(0).icon, ui::Icon::Question);

    type(w.Cell(1, 2), QStringLiteral("77"));
    dialogs.expectMessage(QStringLiteral("Haluatko varmasti poistaa nykyisen kauden budjetin?"), ui::Answer::Yes);
    QTest::keyClick(w.Cell(1, 2), Qt::Key_F4);
    EXPECT_EQ(buCount(QStringLiteral("buNykyinen = True")), 0);  // every account's, account 90 too
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True")), 1);
    EXPECT_EQ(w.Cell(1, 2)->text(), "0,00");
    w.cTuleva->click();
    dialogs.expectMessage(QStringLiteral("Haluatko varmasti poistaa tulevan kauden budjetin?"), ui::Answer::Yes);
    w.mPoista->trigger();
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True")), 0);
}

TEST_F(BudgetCommands, CopyMakesTheCurrentBudgetOnScreenTheNextOne) {
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 2, {1, 2, 3}) + kvtest::buRow(90, 2, {6}) + kvtest::buRow(43, 1, {9}));
    frmBudjetti& w = open();
    type(w.Cell(1, 5), QStringLiteral("40"));
    dialogs.expectMessage(QStringLiteral("Kopiointi valmis."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();  // no next year yet: no question
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True AND buNykyinen = False")), 4);
    EXPECT_EQ(months(43, 3), "1 2 3 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(months(55, 3), "40 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(months(44, 3), "0 0 0 0 0 0 0 0 0 0 0 0");

    exec(QStringLiteral("UPDATE bu SET buKuukausi1 = 100 WHERE butlID = 43 AND buNykyinen = True"));
    dialogs.expectMessage(QStringLiteral("Tuleva budjetti on jo ainakin osittain olemassa. Haluatko korvata jo luodun "
                                         "tulevan budjetin nykyisellä?"),
                          ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Budjetin kopiointi keskeytetty."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();
    EXPECT_EQ(months(43, 3), "1 2 3 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(dialogs.shown().at(1).icon, ui::Icon::None);

    // Shown and replaced: the lines show the copy and add no rows of their own.
    w.cTuleva->click();
    dialogs.expectMessage(QStringLiteral("Tuleva budjetti on jo"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Kopiointi valmis."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();
    EXPECT_EQ(w.Cell(1, 2)->text(), "100,00");
    close(w);
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True")), 4);
}

TEST_F(BudgetCommands, AnEmptyNextYearOnScreenIsNoBudgetToAskAbout) {
    makeBook(kvtest::smallModel());
    frmBudjetti& w = open(10, 3);
    dialogs.expectMessage(QStringLiteral("Kopiointi valmis."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();  // and no current year to copy
    EXPECT_EQ(buCount(), 0);
    type(w.Cell(1, 5), QStringLiteral("8"));
    dialogs.expectMessage(QStringLiteral("Tuleva budjetti on jo"), ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Budjetin kopiointi keskeytetty."), ui::Answer::OK);
    w.mKopioiNykyinenTulevaksi->trigger();
    EXPECT_EQ(w.Cell(1, 5)->text(), "8,00");
    close(w);
    EXPECT_EQ(months(55, 3), "8 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(buCount(), 3);
}

TEST_F(BudgetCommands, AFailedWriteWritesNothingAndKeepsTheLinesTheModelAndTheYear) {
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 2, {1}) + kvtest::buRow(55, 2, {3}));
    frmBudjetti& w = open();
    type(w.Cell(1, 2), QStringLiteral("10"));
    type(w.Cell(1, 5), QStringLiteral("30"));
    exec(QStringLiteral("DELETE FROM bu WHERE butlID = 55"));  // under a changed line
    const int rows = buCount();
    for (int i = 0; i < 3; ++i) dialogs.expectMessage(QStringLiteral("Budjetin tallennus epäonnistui: "), ui::Answer::OK);
    w.cTallenna->click();
    EXPECT_EQ(months(43, 2), "1 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_TRUE(w.LineObject(2).isDirty());
    w.cTuleva->click();
    EXPECT_EQ(w.lblJakso->text(), "Nykyinen");
    EXPECT_EQ(w.Cell(1, 2)->text(), "10,00");
    close(w);  // told, and closed all the same
    EXPECT_EQ(months(43, 2), "1 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(buCount(), rows);
}

}  // namespace
