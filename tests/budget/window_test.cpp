// The budget window: the remembered model and year, the model list, the
// lines a model gives, the years and models shown, and what is written
// when the lines go.

#include "budget/budjettirivit.h"
#include "budgetfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

using budget::frmBudjetti;
using kvtest::mrRow;

namespace {

class BudgetWindow : public kvtest::BudgetTest {};

TEST_F(BudgetWindow, OpensTheRememberedModelAndYearWithALineForEveryAccount) {
    makeBook(kvtest::smallModel());
    frmBudjetti& w = open(10, 3);
    ASSERT_EQ(w.cmbTuloslaskelmat->count(), 2);  // income models only
    EXPECT_EQ(w.cmbTuloslaskelmat->itemText(1), "Pieni");
    EXPECT_EQ(w.cmbTuloslaskelmat->currentIndex(), 1);
    EXPECT_EQ(w.lblJakso->text(), "Tuleva");
    ASSERT_EQ(w.LineCount(), 6);
    EXPECT_EQ(titles(w), (QStringList{"Tuotot", " Myynti", "  3000 Osallistumismaksut", "  3010 Kurssimaksut", "Kulut",
                                      " 4000 Palkat ja palkkiot"}
                          << QStringList(10, QString())));
    for (int i = 0; i < 16; ++i) {
        const bool account = i == 2 || i == 3 || i == 5;
        EXPECT_EQ(w.LineObject(i).IsEmpty(), !account) << i;
        EXPECT_EQ(w.Cell(1, i)->isVisible(), account) << i;
        EXPECT_EQ(w.tYhteensaRivi[size_t(i)]->isVisible(), account) << i;
        EXPECT_EQ(w.tOtsakkeet[size_t(i)]->font().bold(), !account) << i;
    }
    EXPECT_EQ(w.Cell(5, 5)->text(), "0,00");
    EXPECT_FALSE(w.scrlRivi->isEnabled());
    close(w);
    // Nothing typed: a zero row of the next year per account.
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True")), 3);
    EXPECT_EQ(buCount(), 3);
}

TEST_F(BudgetWindow, AModelThatIsGoneOpensTheFirstAndAnUnknownYearTheCurrentOne) {
    makeBook();
    frmBudjetti& w = open(77, 7);
    EXPECT_EQ(w.cmbTuloslaskelmat->currentIndex(), 0);
    EXPECT_EQ(w.Jakso(), budget::kNykyinen);
    dao::Database d = db();
    EXPECT_EQ(budget::LaskeRivimaara(d, 1), 135);
    EXPECT_EQ(w.LineCount(), 135);
    EXPECT_EQ(w.scrlRivi->maximum(), 135 - 16);
    w.scrlRivi->setValue(w.scrlRivi->maximum());
    EXPECT_EQ(w.tOtsakkeet[15]->text(), w.LineText(134));

    // Clicking from the model list into a cell builds the lines again and
    // leaves the clicked line under the cell.
    int i = 15;
    while (i > 0 && !w.Cell(1, i)->isVisible()) --i;
    ASSERT_TRUE(w.Cell(1, i)->isVisible());
    w.cmbTuloslaskelmat->setFocus();
    settle();
    type(w.Cell(1, i), QStringLiteral("7"));
    settle();
    EXPECT_EQ(w.scrlRivi->value(), w.scrlRivi->maximum());
    EXPECT_EQ(QApplication::focusWidget(), w.Cell(1, i));
    EXPECT_EQ(w.tOtsakkeet[size_t(i)]->text(), w.LineText(135 - 16 + i));
    EXPECT_EQ(w.Cell(1, i)->text(), "7");
}

TEST_F(BudgetWindow, WithoutAnIncomeModelOnlyClosingIsLeft) {
    makeBook(QStringLiteral("DELETE FROM mr WHERE mrmaID = 1;\nDELETE FROM ma WHERE maTyyppi = 1;\n"));
    dialogs.expectMessage(QStringLiteral("Tuloslaskelmamalleja ei ole vielä tehty, joten budjettia ei voida tehdä."),
                          ui::Answer::OK);
    frmBudjetti& w = open();
    EXPECT_TRUE(w.cSulje->isEnabled() && w.mSulje->isEnabled() && w.mTiedosto->menuAction()->isEnabled());
    for (QWidget* c : std::initializer_list<QWidget*>{w.cmbTuloslaskelmat, w.cTallenna, w.cTulosta, w.Cell(1, 0)})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_FALSE(w.mTulosta->isEnabled() || w.mKopioiNykyinenTulevaksi->isEnabled() || w.mTietue->menuAction()->isEnabled());
    w.mSulje->trigger();
    settle();
    EXPECT_EQ(ui::Forms::find<frmBudjetti>(), nullptr);
}

TEST_F(BudgetWindow, TheLinesOfAModelAndTheRowScrollBar) {
    const QString sixteen = mrRow(1101, 11, 0, 1, "A", "43,44,46,47,48,49,50,") + mrRow(1102, 11, 0, 2, "B", "55,56,57,58,59,60,61,");
    makeBook(kvtest::maRow(11, "Kuusitoista") + sixteen + kvtest::maRow(12, "Seitsemäntoista") +
             QString(sixteen).replace("(110", "(120").replace(", 11, 'K'", ", 12, 'K'") + mrRow(1203, 12, 0, 3, "C", " ") +
             // a deleted account, a list without accounts, a group of a profit row only
             kvtest::maRow(13, "Reunat") + mrRow(1301, 13, 0, 1, "Poistettu", "43,45,") + mrRow(1302, 13, 0, 2, "Tyhjä", "") +
             mrRow(1303, 13, 0, 3, "Ryhmä", "") + mrRow(1304, 13, 1303, 1, "Voitto", "119,", true) +
             kvtest::maRow(14, "Vain voitto") + mrRow(1401, 14, 0, 1, "Voitto", "119,", true) +
             "DELETE FROM tl WHERE tlID = 45;\n");
    frmBudjetti& w = open(11);
    EXPECT_EQ(w.LineCount(), 16);
    EXPECT_FALSE(w.scrlRivi->isEnabled());
    w.LataaBudjetti(12, budget::kNykyinen);
    EXPECT_EQ(w.LineCount(), 17);
    EXPECT_TRUE(w.scrlRivi->isEnabled());
    EXPECT_EQ(w.scrlRivi->maximum(), 1);
    w.LataaBudjetti(13, budget::kNykyinen);
    w.NaytaRivit();
    EXPECT_EQ(titles(w).mid(0, 5), (QStringList{"Poistettu", " 3000 Osallistumismaksut", "Tyhjä", "Ryhmä", ""}));
    // Nothing but a profit row: the message, and the lines of the model
    // before stay, with the model and the year they belong to.
    const QString noLines = QStringLiteral("Budjetti vaatii pohjakseen tuloslaskelmamallin, jonka perusteella budjetti "
                                           "laaditaan\r\n\r\nTuloslaskelmamallia ei löydy, joten budjettia ei voida tehdä.");
    dialogs.expectMessage(noLines, ui::Answer::OK);
    const QStringList before = titles(w);
    const int lines = w.LineCount();
    EXPECT_FALSE(w.LataaBudjetti(14, budget::kTuleva));
    w.NaytaRivit();
    EXPECT_EQ(w.LineCount(), lines);
    EXPECT_EQ(titles(w), before);
    dialogs.expectMessage(noLines, ui::Answer::OK);
    w.cmbTuloslaskelmat->setCurrentIndex(w.cmbTuloslaskelmat->findText(QStringLiteral("Vain voitto")));
    w.cTuleva->click();
    EXPECT_EQ(titles(w), before);
    EXPECT_EQ(w.cmbTuloslaskelmat->currentText(), QStringLiteral("Reunat"));
    EXPECT_EQ(w.Jakso(), budget::kNykyinen);
    EXPECT_EQ(w.lblJakso->text(), QStringLiteral("Nykyinen"));
}

TEST_F(BudgetWindow, AnotherYearOrModelWritesTheLinesShown) {
    makeBook(kvtest::smallModel() + kvtest::buRow(43, 3, {9, 8, 7}) + kvtest::buRow(44, 2, {11}));
    frmBudjetti& w = open();
    type(w.Cell(2, 3), QStringLiteral("250"));
    w.cTuleva->click();
    EXPECT_EQ(w.lblJakso->text(), "Tuleva");
    EXPECT_EQ(months(44, 2), "11 250 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(months(55, 2), "0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(w.Cell(3, 2)->text(), "7,00");
    w.scrlKuukausi->setValue(3);

    // Leaving the model list without another model builds the lines again,
    // writing what was typed first.
    type(w.Cell(1, 2), QStringLiteral("4"));
    w.cmbTuloslaskelmat->setFocus();
    settle();
    w.Cell(1, 3)->setFocus();
    settle();
    EXPECT_FALSE(w.LineObject(2).isDirty());
    EXPECT_EQ(w.LineObject(2).KuukausiArvo(4), dao::Currency::fromUnits(4));
    EXPECT_EQ(months(43, 3), "9 8 7 4 0 0 0 0 0 0 0 0");
    // Another model takes effect as the focus leaves the list.
    w.cmbTuloslaskelmat->setFocus();
    settle();
    w.cmbTuloslaskelmat->setCurrentIndex(0);
    settle();
    EXPECT_EQ(w.LineCount(), 6);
    w.cTallenna->setFocus();
    settle();
    EXPECT_EQ(w.LineCount(), 135);
    EXPECT_EQ(w.Jakso(), budget::kTuleva);
    EXPECT_EQ(w.lblKuukausi[0]->text(), "Huhtikuu");
    EXPECT_EQ(months(43, 3), "9 8 7 4 0 0 0 0 0 0 0 0");
    EXPECT_EQ(buCount(QStringLiteral("buTuleva = True")), 3);
}

TEST_F(BudgetWindow, AnAccountOnTwoLinesIsOneBudget) {
    makeBook(kvtest::maRow(15, "Kahdesti") + mrRow(1501, 15, 0, 1, "Eka", "43,") + mrRow(1502, 15, 0, 2, "Toka", "44,43,") +
             kvtest::buRow(44, 2, {11}));
    frmBudjetti& w = open(15);
    ASSERT_EQ(w.LineCount(), 5);
    EXPECT_EQ(&w.LineObject(1), &w.LineObject(4));
    type(w.Cell(1, 1), QStringLiteral("30"));
    EXPECT_EQ(w.Cell(1, 4)->text(), "30,00");
    EXPECT_EQ(w.tYhteensaRivi[4]->text(), w.tYhteensaRivi[1]->text());
    EXPECT_EQ(w.tGrossTotal->text(), dao::Currency::fromUnits(41).toCurrencyString());
    close(w);
    EXPECT_EQ(months(43, 2), "30 0 0 0 0 0 0 0 0 0 0 0");
}

}  // namespace
