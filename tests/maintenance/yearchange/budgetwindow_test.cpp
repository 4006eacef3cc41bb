// The budget window left open while the year changes: what was typed goes
// into the year it was typed for before the budget years move on, and the
// window then shows, and writes, only the budget as it now is.

#include "budget/frmbudjetti.h"
#include "core/records/recordsupport.h"
#include "support/keys.h"
#include "yearchangefixture.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

using ui::Answer;

class BudgetWindowYearChange : public kvtest::YearChangeTest {
protected:
    void SetUp() override {
        YearChangeTest::SetUp();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError& e) { releaseErrors << what + u' ' + e.description(); });
    }
    void TearDown() override {
        YearChangeTest::TearDown();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.isEmpty()) << releaseErrors.join(u'|').toStdString();
    }

    // The demo book's income model in the current year.
    budget::frmBudjetti& openBudget() {
        core::LastModelForBudget = 1;
        core::LastPeriodForBudget = budget::kNykyinen;
        auto& w = ui::Forms::show<budget::frmBudjetti>();
        kvtest::Keys::settle();
        return w;
    }
    // The line of an account; -1 when the model has none.
    static int lineOf(const budget::frmBudjetti& w, long tlID) {
        for (int r = 0; r < w.LineCount(); ++r)
            if (!w.LineObject(r).IsEmpty() && w.LineObject(r).tlID() == tlID) return r;
        return -1;
    }
    // Types into the first month of an account's line, as the user does.
    static void typeFirstMonth(budget::frmBudjetti& w, long tlID, const QString& text) {
        const int r = lineOf(w, tlID);
        ASSERT_GE(r, 0);
        w.scrlRivi->setValue(std::min(r, w.scrlRivi->maximum()));
        kvtest::Keys::replaceText(w.Cell(1, r - w.scrlRivi->value()), text);
        kvtest::Keys::settle();
    }
    // The account's budget rows: key, the first month and the year flags.
    QStringList budgetOf(long tlID) {
        return table(QStringLiteral("SELECT buID, buKuukausi1, buEdellinen, buNykyinen, buTuleva FROM bu "
                                    "WHERE butlID = %1 ORDER BY buID")
                         .arg(tlID));
    }
    void changeYear() {
        auto& y = open();
        choose(y.cmbTasemalli, QStringLiteral("Tase"));
        dialogs.expectMessage(QStringLiteral("Tilikauden vaihto tehty."), Answer::OK);
        y.cTilikaudenvaihto->click();
        kvtest::Keys::settle();
    }

    QStringList releaseErrors;

private:
    core::ReleaseErrorHandler previous_;
};

TEST_F(BudgetWindowYearChange, AnAmountTypedBeforeTheChangeMovesWithItsYearAndNothingOldIsWrittenBack) {
    makeDemo();
    // Account 44 (3010) has a row for each of the three years.
    const QStringList before = budgetOf(44);
    ASSERT_EQ(before.size(), 3);
    const QString previousRow = before[0].section(u'|', 0, 0);
    const QString currentRow = before[1].section(u'|', 0, 0);
    const QString nextRow = before[2].section(u'|', 0, 0);
    ASSERT_TRUE(before[1].endsWith(QLatin1String("|False|True|False")));

    auto& w = openBudget();
    typeFirstMonth(w, 44, QStringLiteral("999"));
    changeYear();

    // The amount went into the year it was typed for, which is now the
    // previous one; the next year's row is now the current one, and the
    // earlier previous year's row has gone.
    EXPECT_EQ(budgetOf(44), QStringList({currentRow + QStringLiteral("|999|True|False|False"),
                                         nextRow + u'|' + before[2].section(u'|', 1, 1) + QStringLiteral("|False|True|False")}));
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM bu WHERE buID = %1").arg(previousRow), QStringLiteral("n")), 0);

    // The window shows the current year as it now is.
    const int r = lineOf(w, 44);
    ASSERT_GE(r, 0);
    EXPECT_EQ(w.Jakso(), budget::kNykyinen);
    EXPECT_EQ(QString::number(w.LineObject(r).id()), nextRow);

    // Closing writes back no row as it was read before the change (it only
    // adds the current year's rows of the lines that had none).
    const long last = number(QStringLiteral("SELECT MAX(buID) AS n FROM bu"), QStringLiteral("n"));
    const QString stored = QStringLiteral("SELECT * FROM bu WHERE buID <= %1 ORDER BY buID").arg(last);
    const QStringList after = table(stored);
    w.cSulje->click();
    kvtest::Keys::settle();
    EXPECT_EQ(ui::Forms::find<budget::frmBudjetti>(), nullptr);
    EXPECT_EQ(table(stored), after);
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM bu WHERE butlID = 44 AND buNykyinen = True"),
                     QStringLiteral("n")),
              1);
}

TEST_F(BudgetWindowYearChange, TheWindowGoesOnStoringIntoTheNewYear) {
    makeDemo();
    auto& w = openBudget();
    changeYear();
    typeFirstMonth(w, 44, QStringLiteral("123"));
    w.cTallenna->click();
    kvtest::Keys::settle();
    EXPECT_EQ(table(QStringLiteral("SELECT buKuukausi1 FROM bu WHERE butlID = 44 AND buNykyinen = True")),
              QStringList({QStringLiteral("123")}));
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM bu WHERE butlID = 44"), QStringLiteral("n")), 2);
    w.cSulje->click();
    kvtest::Keys::settle();
}

}  // namespace
