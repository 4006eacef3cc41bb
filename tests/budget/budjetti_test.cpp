// The budget record: an account's row of a year or a new one, the dirty
// flag, undo, save, delete and what it does when let go.

#include "budgetfixture.h"

using budget::cBudjetti;
using dao::Currency;

namespace {

class BudgetRecord : public kvtest::BudgetTest {};

TEST_F(BudgetRecord, ANewRowIsWrittenWhenLetGoAndAStoredOneOnlyWhenChanged) {
    makeBook(kvtest::buRow(43, 1, {5}) + kvtest::buRow(55, 3, {100, 200}));
    {
        cBudjetti b;  // a row of another year does not count
        EXPECT_FALSE(b.ReadByModelAndAccount(43, budget::kNykyinen));
        EXPECT_TRUE(b.isDirty());
        EXPECT_EQ(b.id(), 0);
        EXPECT_TRUE(b.Nykyinen() && !b.Edellinen() && !b.Tuleva());
    }
    EXPECT_EQ(months(43, 2), "0 0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(months(43, 1), "5 0 0 0 0 0 0 0 0 0 0 0");

    cBudjetti b;
    ASSERT_TRUE(b.ReadByModelAndAccount(55, budget::kTuleva));
    b.setKuukausiArvo(2, Currency::fromUnits(200));
    b.setTuleva(true);
    EXPECT_FALSE(b.isDirty());
    b.setKuukausiArvo(12, Currency::fromDouble(-12.5));
    EXPECT_EQ(b.Vuosi(), Currency::fromDouble(287.5));
    // Undone, still dirty: the restored amounts are written over a change
    // made meanwhile; a second save writes nothing.
    b.Undo();
    EXPECT_EQ(b.KuukausiArvo(12), Currency());
    const QString change = QStringLiteral("UPDATE bu SET buKuukausi1 = 1 WHERE buID = %1").arg(b.id());
    exec(change);
    EXPECT_TRUE(b.Save(false));
    EXPECT_EQ(months(55, 3), "100 200 0 0 0 0 0 0 0 0 0 0");
    exec(change);
    EXPECT_TRUE(b.Save(false));
    b.Release();
    EXPECT_EQ(months(55, 3), "1 200 0 0 0 0 0 0 0 0 0 0");
    EXPECT_THROW(b.KuukausiArvo(13), dao::DaoError);
}

TEST_F(BudgetRecord, DeleteAnAccountSetToZeroAndPlaceholders) {
    makeBook(kvtest::buRow(44, 2, {1, 2, 3}) + kvtest::buRow(45, 2, {7}));
    cBudjetti b;
    ASSERT_TRUE(b.Read(number(QStringLiteral("SELECT buID FROM bu WHERE butlID = 44"), QStringLiteral("buID"))));
    EXPECT_EQ(b.KuukausiArvo(3), Currency::fromUnits(3));
    EXPECT_FALSE(b.Delete(false));
    EXPECT_EQ(b.id(), 0);
    EXPECT_EQ(buCount(QStringLiteral("butlID = 44")), 0);
    {
        cBudjetti c;
        ASSERT_TRUE(c.ReadByModelAndAccount(45, budget::kNykyinen));
        c.settlID(0);
    }
    EXPECT_EQ(buCount(), 0);
    {
        cBudjetti p;
        p.setIsEmpty(true);
        EXPECT_FALSE(p.ReadByModelAndAccount(43, budget::kNykyinen));
        p.setKuukausiArvo(1, Currency::fromUnits(10));
        EXPECT_EQ(p.KuukausiArvo(1), Currency());
        EXPECT_FALSE(p.Save(true));
        cBudjetti dropped;
        dropped.ReadByModelAndAccount(55, budget::kNykyinen);
        dropped.Discard();
    }
    EXPECT_EQ(buCount(), 0);
}

}  // namespace
