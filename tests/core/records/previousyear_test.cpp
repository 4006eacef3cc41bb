// The previous year's voucher and entry records: keys the class assigns,
// numbering and navigation without modes.

#include "core/records/tositeed.h"
#include "recordsfixture.h"

using namespace core;
using kvtest::errorOf;

namespace {

class PreviousYearTest : public kvtest::RecordsTest {
protected:
    void addOld(long toEID, long numero, bool automaatti = false) {
        db().Execute("INSERT INTO toE (toEID, toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, "
                     "toEAutomaatti) VALUES (?, ?, ?, 'vanha', False, False, ?)",
                     {toEID, numero, lastYear(numero < 0 ? 12 : 1, 10 + int(toEID)), automaatti});
    }
    static dao::Date lastYear(int m, int d) { return dao::Date::fromYmd(2030, m, d); }
};

TEST_F(PreviousYearTest, KeysAreTheHighestPlusOneTakenAtSave) {
    book();
    cTositeEd first;
    EXPECT_EQ(first.SetTositeNumeroJaPaiva(lastYear(1, 1)), 1);
    EXPECT_EQ(first.Paiva(), lastYear(1, 1));
    ASSERT_TRUE(first.Save(true));
    EXPECT_EQ(first.id(), 1);

    for (long k = 2; k <= 5; ++k) addOld(k, k);
    db().Execute("DELETE FROM toE WHERE toEID = 5");
    cTositeEd t;  // a key freed by deleting the highest row is given again
    t.setSelite("Automaattikirjaukset");
    ASSERT_TRUE(t.Save(false));
    EXPECT_EQ(t.id(), 5);

    EXPECT_FALSE(t.AddNewVienti("D")->Save(false));  // blank: not stored
    {
        std::unique_ptr<cVientiEd> e = t.AddNewVienti("D");
        e->setTlID(8);
        e->setArvo(eur(300));
    }
    dao::Recordset r = row("SELECT * FROM viE");
    EXPECT_EQ(r.value("viEID").toLong(), 1);
    EXPECT_EQ(r.value("viEtoID").toLong(), 5);
    EXPECT_EQ(r.value("viEkpID").toLong(), 0);
    EXPECT_EQ(r.value("viESelite").toString(), "Automaattikirjaukset");
    r.Close();
    cVientiEd second;
    second.setToEID(5);
    second.setKpEID(2);
    second.setTlID(9);
    ASSERT_TRUE(second.Save(false));
    EXPECT_EQ(second.id(), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM viE WHERE viEkpID = 2"), 1);
}

TEST_F(PreviousYearTest, NumberingCountsEveryRowAndNavigationKnowsNoModes) {
    book();
    addOld(1, -2, true);
    cTositeEd t;
    EXPECT_EQ(t.SetTositeNumeroJaPaiva(lastYear(1, 1)), -1);
    EXPECT_EQ(t.Paiva(), lastYear(12, 11));
    t.setIsEmpty(true);

    addOld(2, 0);
    addOld(3, 1);
    addOld(4, 2);
    db().Execute("UPDATE toE SET toEAvaustosite = True WHERE toEID = 4");
    std::unique_ptr<cTositeEd> one = t.GetFirst();  // a placeholder gives a placeholder
    EXPECT_TRUE(one->IsEmpty());
    one->setIsEmpty(false);
    one = one->GetFirst();
    EXPECT_EQ(one->Numero(), 1);
    EXPECT_EQ(one->GetNext()->id(), 4);  // whatever its mode
    EXPECT_TRUE(one->GetLast()->GetNext()->IsEmpty());
    // Backwards to the opening voucher 0, not to the automatic voucher -2.
    std::unique_ptr<cTositeEd> zero = one->GetPrevious();
    EXPECT_EQ(zero->Numero(), 0);
    EXPECT_TRUE(zero->GetPrevious()->IsEmpty());
}

TEST_F(PreviousYearTest, TextKeptWholeEntriesBySideAndDelete) {
    book();
    addOld(7, 3);
    for (auto [id, to, side] : {std::tuple{11, 7, "K"}, {10, 7, "D"}, {12, 8, "K"}})
        db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) "
                     "VALUES (?, ?, 1, ?, 5, 'a', False)",
                     {id, to, side});
    cTositeEd t;
    ASSERT_TRUE(t.Read(7));
    RecordList<cVientiEd> credit = t.GetViennit("K");
    ASSERT_EQ(credit.count(), 1);
    EXPECT_EQ(credit.keyAt(0), "vi11");

    // The text is kept whole; the column refuses what does not fit and the
    // voucher stays dirty for another try.
    const QString long300(300, u's');
    t.setSelite(long300);
    EXPECT_EQ(t.Selite(), long300);
    EXPECT_EQ(errorOf([&] { t.Save(false); }), dao::err::FieldTooSmall);
    EXPECT_TRUE(t.isDirty());
    EXPECT_FALSE(t.Read(99));  // a missing row resets the object, dirty flag included
    EXPECT_FALSE(t.isDirty());

    ASSERT_TRUE(t.Read(7));
    t.Delete();
    EXPECT_EQ(count("SELECT COUNT(*) FROM toE"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM viE"), 1);
}

}  // namespace
