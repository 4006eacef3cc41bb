// The account record and its opening balances.

#include "core/globals.h"
#include "core/records/tili.h"
#include "recordsfixture.h"

using namespace core;
using kvtest::errorOf;

namespace {

class AccountTest : public kvtest::RecordsTest {
protected:
    long addAccount(long numero, const QString& nimi) {
        db().Execute("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus, tlAlkusaldo, tlLoppusaldo, tlPrint) "
                     "VALUES (?, ?, 'kuvaus', 1.5, 2.5, True)",
                     {numero, nimi});
        return count("SELECT MAX(tlID) FROM tl");
    }
};

TEST_F(AccountTest, NamesAreCutStoredBlankWhenEmptyAndRaiseNameChanged) {
    book();
    const QString fifty = QString("Pankkitili").leftJustified(50, u'.');
    const long id = addAccount(1910, fifty);
    std::vector<std::tuple<long, long, QString>> events;
    cTili t;
    t.NameChanged = [&](long i, long n, const QString& s) { events.emplace_back(i, n, s); };
    ASSERT_TRUE(t.Read(id));
    // Sixty characters: the first fifty are kept, and the object is dirty
    // even though those equal the stored name.
    t.setNimi(fifty + "0123456789");
    EXPECT_EQ(t.Nimi(), fifty);
    EXPECT_TRUE(t.isDirty());
    t.setKuvaus("");
    t.setNumero(1910);
    EXPECT_EQ(events, (std::vector<std::tuple<long, long, QString>>{{id, 1910, fifty}, {id, 1910, fifty}}));

    t.setNimi("");
    ASSERT_TRUE(t.Save(false));
    dao::Recordset r = row("SELECT * FROM tl WHERE tlID = ?", {id});
    EXPECT_EQ(r.value("tlNimi").toString(), " ");
    EXPECT_EQ(r.value("tlKuvaus").toString(), " ");
    EXPECT_TRUE(r.value("tlPrint").toBool());  // the work values are carried back unchanged
    EXPECT_EQ(r.value("tlLoppusaldo").toCurrency(), dao::Currency::fromRaw(25000));
    r.Close();
    ASSERT_TRUE(t.Read(id));
    EXPECT_EQ(t.Nimi(), " ");  // not trimmed

    t.setNumero(1911);
    t.setAlkusaldo(eur(7));
    t.Undo();
    EXPECT_EQ(t.Numero(), 1910);
    EXPECT_EQ(t.Alkusaldo(), dao::Currency::fromRaw(15000));
    EXPECT_TRUE(t.isDirty());

    cTili uusi;  // a new account raises no event and is stored with the print flag off
    uusi.NameChanged = t.NameChanged;
    uusi.setNimi("Jäsenmaksut");
    uusi.setNumero(3000);
    ASSERT_TRUE(uusi.Save(false));
    EXPECT_EQ(events.size(), 4u);
    EXPECT_FALSE(row("SELECT tlPrint FROM tl WHERE tlID = ?", {uusi.id()}).value(0).toBool());
    EXPECT_FALSE(uusi.Read(uusi.id() + 10));
    EXPECT_EQ(uusi.id(), 0);
    EXPECT_FALSE(uusi.IsEmpty());
}

TEST_F(AccountTest, NavigationByNumber) {
    book();
    const long a0 = addAccount(0, "Nolla");
    addAccount(1000, "Kassa");
    const long b = addAccount(1910, "Pankki");
    cTili none;
    none.setIsEmpty(true);
    std::unique_ptr<cTili> first = none.GetFirst();
    EXPECT_EQ(first->Numero(), 1000);
    EXPECT_EQ(first->GetNext()->id(), b);
    EXPECT_TRUE(none.GetLast()->GetNext()->IsEmpty());
    EXPECT_TRUE(none.GetPrevious()->IsEmpty());
    EXPECT_EQ(first->GetPrevious()->id(), a0);  // below the lowest positive number
}

TEST_F(AccountTest, OpeningBalancesByYearAndSide) {
    book();
    const long id = addAccount(1910, "Pankki");
    cTili t;
    ASSERT_TRUE(t.Read(id));
    EXPECT_EQ(t.Alkusaldot().AlkusaldoDebet(), eur(0));
    addEntry(1, id, "D", eur(100), true);
    addEntry(1, id, "K", eur(40), true);
    addEntry(99, id, "D", dao::Currency::fromRaw(5), true);  // its voucher is gone: still counts
    addEntry(1, id, "d", eur(1000), true);                    // lower case: a debit all the same
    addEntry(1, id, "x", eur(3000), true);                    // no side: not counted
    addEntry(1, id, "D", eur(7), false);                      // not an opening entry
    addEntry(1, id + 1, "D", eur(9), true);                   // another account
    for (auto [key, side, arvo, avaus] : {std::tuple{1, "K", 30.0, true}, {2, "K", 12.25, true}, {3, "D", 8.0, false}})
        db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) "
                     "VALUES (?, 1, ?, ?, ?, 'x', ?)",
                     {key, id, side, dao::Currency::fromDouble(arvo), avaus});
    const cAlkusaldot s = t.Alkusaldot();
    EXPECT_EQ(s.AlkusaldoDebet(), dao::Currency::fromRaw(11000005));
    EXPECT_EQ(s.AlkusaldoKredit(), eur(40));
    EXPECT_EQ(s.EdAlkusaldoDebet(), eur(0));
    EXPECT_EQ(s.EdAlkusaldoKredit(), dao::Currency::fromRaw(422500));
}

TEST_F(AccountTest, AnEntryWithAnAmountInEitherYearKeepsTheAccount) {
    book();
    const long id = addAccount(1910, "Pankki");
    enum Vuosi { Ei, Kuluva, Edellinen };
    const struct {
        const char* name;
        Vuosi vuosi;
        long tili;
        double arvo;
        bool odotettu;
    } cases[] = {
        {"no entries", Ei, id, 0, false},
        {"an entry of this year", Kuluva, id, 10, true},
        {"a negative amount", Kuluva, id, -0.01, true},
        {"an amount of 0", Kuluva, id, 0, false},
        {"an entry of the previous year", Edellinen, id, 5, true},
        {"0 in the previous year", Edellinen, id, 0, false},
        {"another account's entry", Kuluva, id + 1, 10, false},
        {"another account's entry of the previous year", Edellinen, id + 1, 10, false},
    };
    cTili t;
    ASSERT_TRUE(t.Read(id));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        db().Execute("DELETE FROM vi");
        db().Execute("DELETE FROM viE");
        if (c.vuosi == Kuluva) addEntry(1, c.tili, "D", dao::Currency::fromDouble(c.arvo));
        if (c.vuosi == Edellinen)
            db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti) "
                         "VALUES (1, 1, ?, 'K', ?, 'x', False)",
                         {c.tili, dao::Currency::fromDouble(c.arvo)});
        EXPECT_EQ(t.OnVienteja(), c.odotettu);
    }
    // An account never stored has none, not even the entries without an account.
    addEntry(1, 0, "D", eur(10));
    EXPECT_FALSE(cTili().OnVienteja());
}

TEST_F(AccountTest, DeleteAndTheBookGuard) {
    const QString a = book(QString(), "a.mdb");
    const long id = addAccount(1000, "Kassa");
    addAccount(1001, "Toinen");
    const QString b = book(QString(), "b.mdb");
    addAccount(1000, "B:n kassa");

    DatabasePath = a;
    cTili t;
    ASSERT_TRUE(t.Read(id));
    DatabasePath = b;
    t.setNimi("väärä kirja");
    EXPECT_EQ(errorOf([&] { t.Save(false); }), kOtherBookError);
    EXPECT_EQ(errorOf([&] { t.Delete(); }), kOtherBookError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tl WHERE tlNimi = 'B:n kassa'"), 1);

    DatabasePath = a;
    t.Delete();
    EXPECT_EQ(t.id(), 0);
    EXPECT_FALSE(t.isDirty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tl"), 1);
}

}  // namespace
