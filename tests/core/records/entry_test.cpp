// The entry record: the blank-entry rule and its own properties.

#include "core/records/tosite.h"
#include "recordsfixture.h"

using namespace core;

namespace {

class EntryTest : public kvtest::RecordsTest {};

TEST_F(EntryTest, ABlankEntryIsNeverStored) {
    book();
    cTosite t;
    t.SetTositeNumeroJaPaiva(day(1, 1), false);
    t.setSelite("Kassa");
    ASSERT_TRUE(t.Save(true));
    {
        std::unique_ptr<cVienti> blank = t.AddNewVienti("D");
        blank->setKpID(3);  // a cost centre alone is still blank
        EXPECT_FALSE(blank->Save(true));
        EXPECT_EQ(blank->Tyyppi(), "D");  // kept for when an account is chosen
        std::unique_ptr<cVienti> filled = t.AddNewVienti("K");
        filled->setArvo(dao::Currency::fromRaw(-12345));  // an amount alone is enough, negative as typed
    }
    ASSERT_EQ(count("SELECT COUNT(*) FROM vi"), 1);
    dao::Recordset r = row("SELECT * FROM vi");
    EXPECT_EQ(r.value("vitoID").toLong(), t.id());
    EXPECT_EQ(r.value("viTyyppi").toString(), "K");
    EXPECT_EQ(r.value("viArvo").toCurrency().raw(), -12345);
    EXPECT_EQ(r.value("vitlID").toLong(), 0);
    const long id = r.value("viID").toLong();
    r.Close();

    // Clearing the amount of a stored entry deletes it at the next save.
    cVienti v;
    ASSERT_TRUE(v.Read(id));
    v.setArvo(eur(0));
    EXPECT_FALSE(v.Save(false));
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 0);
    EXPECT_EQ(v.id(), 0);
    EXPECT_FALSE(v.isDirty());

    // A clean stored blank entry is left alone by Save(false), deleted by Save(true).
    const long clean = addEntry(t.id(), 0, "K", eur(0));
    ASSERT_TRUE(v.Read(clean));
    EXPECT_TRUE(v.Save(false));
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 1);
    EXPECT_FALSE(v.Save(true));
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 0);
    EXPECT_TRUE(reported.empty());
}

TEST_F(EntryTest, SideKeepsItsFirstCharacterAndNullsReadAsZero) {
    book();
    const long id = addEntry(1, 4, "D", eur(25));
    db().Execute("UPDATE vi SET vikpID = Null WHERE viID = ?", {id});
    cVienti v;
    ASSERT_TRUE(v.Read(id));
    EXPECT_EQ(v.kpID(), 0);
    v.setTyyppi("D");
    v.setArvo(eur(25));
    EXPECT_FALSE(v.isDirty());
    v.setTyyppi("Kredit");
    EXPECT_EQ(v.Tyyppi(), "K");
    v.setTyyppi("K");
    v.setSelite(QString(300, u'x'));
    ASSERT_TRUE(v.Save(false));
    EXPECT_EQ(row("SELECT viSelite FROM vi WHERE viID = ?", {id}).value(0).toString().size(), 255);
    v.setTyyppi("");
    EXPECT_EQ(v.Tyyppi(), "");
    EXPECT_FALSE(v.Read(id + 50));  // a missing row resets the entry, dirty flag included
    EXPECT_FALSE(v.isDirty());
}

}  // namespace
