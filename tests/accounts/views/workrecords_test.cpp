// The work-table records of the balances and entries views: what a save
// writes and a read gives back, undo, placeholders, delete and save on release.

#include "accounts/views/tiliensaldo.h"
#include "accounts/views/tilitarkastelu.h"
#include "viewsfixture.h"

using accounts::cTilienSaldo;
using accounts::cTiliTarkastelu;

namespace {

class WorkRecords : public kvtest::ViewsTest {};

TEST_F(WorkRecords, BalanceRowRoundTripUndoAndDelete) {
    cTilienSaldo s;
    EXPECT_TRUE(s.Save(false));  // nothing changed: nothing written
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlSaldot"), 0);

    s.setTili(QString(300, QLatin1Char('x')));
    EXPECT_EQ(s.Tili().size(), 255);
    s.setDebet(dao::Currency::fromUnits(140));
    s.setKredit(dao::Currency::fromUnits(-20));
    s.setErotus(dao::Currency::fromUnits(160));
    ASSERT_TRUE(s.Save(false));
    const long id = s.id();
    EXPECT_NE(id, 0);
    EXPECT_EQ(id, lastKey("tlSaldot", "tlsID"));

    s.setTili(QStringLiteral("1910 Pankki"));
    s.Undo();
    EXPECT_EQ(s.Tili().size(), 255);
    EXPECT_TRUE(s.isDirty());  // undo keeps the flag

    cTilienSaldo r;
    ASSERT_TRUE(r.Read(id));
    EXPECT_EQ(r.Debet(), dao::Currency::fromUnits(140));
    EXPECT_EQ(r.Kredit(), dao::Currency::fromUnits(-20));
    EXPECT_EQ(r.Erotus(), dao::Currency::fromUnits(160));
    r.setIsEmpty(true);
    EXPECT_EQ(r.Tili(), QString());
    EXPECT_TRUE(r.Debet().isZero());
    EXPECT_FALSE(r.Save(true));
    r.setIsEmpty(false);
    r.Delete();
    EXPECT_EQ(r.id(), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlSaldot"), 0);
    EXPECT_FALSE(r.Read(id));
}

TEST_F(WorkRecords, EntryRowStoresAnEmptyTextAsOneBlankAndSavesOnRelease) {
    long id = 0;
    {
        cTiliTarkastelu t;
        t.setNumero(7);
        t.setPaiva(day(3, 5));
        t.setSelite(QString());
        t.setDebet(dao::Currency::fromUnits(100));
        t.setErotus(dao::Currency::fromUnits(100));
        ASSERT_TRUE(t.Save(true));
        id = t.id();
        t.setNumero(8);  // left dirty: saved as it goes
    }
    cTiliTarkastelu r;
    ASSERT_TRUE(r.Read(id));
    EXPECT_EQ(r.Numero(), 8);
    EXPECT_EQ(r.Paiva(), day(3, 5));
    EXPECT_EQ(r.Selite(), QStringLiteral(" "));
    EXPECT_EQ(r.Debet(), dao::Currency::fromUnits(100));
    EXPECT_TRUE(r.Kredit().isZero());
    r.setIsEmpty(true);
    EXPECT_EQ(r.Paiva(), dao::Date::zero());
    EXPECT_EQ(r.Numero(), 0);
}

}  // namespace
