// The voucher record and, through it, the pattern all ledger records share:
// dirty flag, undo, placeholder, Read/Save/Delete, save on release and the
// book a record belongs to.

#include "core/globals.h"
#include "core/records/tosite.h"
#include "recordsfixture.h"

#include <sqlite3.h>

using namespace core;
using kvtest::errorOf;

namespace {

class VoucherTest : public kvtest::RecordsTest {
protected:
    QString seliteOf(long toID) {
        return row("SELECT toSelite FROM to WHERE toID = ?", {toID}).value(0).toString();
    }
    void touchRow(long toID) { db().Execute("UPDATE to SET toSelite = 'muualla' WHERE toID = ?", {toID}); }
};

TEST_F(VoucherTest, WritesOnlyRealChangesOrWhenForced) {
    book();
    cTosite t;
    EXPECT_TRUE(t.Paiva().isZero());
    EXPECT_TRUE(t.Save(false));  // clean: nothing written
    EXPECT_EQ(count("SELECT COUNT(*) FROM to"), 0);
    EXPECT_TRUE(t.Save(true));
    ASSERT_NE(t.id(), 0);
    EXPECT_EQ(row("SELECT toSelite FROM to WHERE toID = ?", {t.id()}).value(0), dao::Variant(""));  // not a blank

    t.setSelite("Jäsenmaksut");
    ASSERT_TRUE(t.Save(false));
    touchRow(t.id());
    t.setSelite("Jäsenmaksut");
    t.setNumero(0);
    t.setPaiva(dao::Date());
    EXPECT_FALSE(t.isDirty());
    EXPECT_TRUE(t.Save(false));
    EXPECT_EQ(seliteOf(t.id()), "muualla");

    t.setSelite("JÄSENMAKSUT");  // a change of case is a change
    EXPECT_TRUE(t.isDirty());
    // 300 characters: the first 255 are kept, and writing the same text
    // again is still a change, as texts are compared as written.
    const QString long300 = QString(255, u'a') + QString(45, u'b');
    t.setSelite(long300);
    ASSERT_TRUE(t.Save(false));
    EXPECT_EQ(seliteOf(t.id()), QString(255, u'a'));
    t.setSelite(long300);
    EXPECT_TRUE(t.isDirty());

    // Undo restores the last saved values and leaves the object dirty, so
    // the next Save(false) writes them.
    t.setNumero(41);
    t.setAvaustosite(true);
    t.Undo();
    EXPECT_EQ(t.Numero(), 0);
    EXPECT_FALSE(t.Avaustosite());
    EXPECT_EQ(t.Selite(), QString(255, u'a'));
    touchRow(t.id());
    EXPECT_TRUE(t.Save(false));
    EXPECT_EQ(seliteOf(t.id()), QString(255, u'a'));

    // A missing row clears id and values but leaves the flags.
    t.setSelite("x");
    EXPECT_FALSE(t.Read(t.id() + 100));
    EXPECT_EQ(t.id(), 0);
    EXPECT_TRUE(t.Selite().isEmpty());
    EXPECT_TRUE(t.isDirty());
    t.setIsEmpty(true);
}

TEST_F(VoucherTest, SavesPendingChangesWhenLetGoAndOnlyOnce) {
    book();
    const long id = addVoucher(5, day(1, 3), "Alku");
    {
        auto t = std::make_unique<cTosite>();
        ASSERT_TRUE(t->Read(id));
        t->setSelite("Tallentuu itsestään");
    }
    EXPECT_EQ(seliteOf(id), "Tallentuu itsestään");
    {
        cTosite t;
        ASSERT_TRUE(t.Read(id));
        t.setSelite("Release");
        t.Release();
        EXPECT_EQ(seliteOf(id), "Release");
        t.setSelite("myöhässä");  // released: the destructor writes nothing more
    }
    EXPECT_EQ(seliteOf(id), "Release");
    {
        cTosite placeholder;
        placeholder.setNumero(9);
        placeholder.setIsEmpty(true);
        EXPECT_EQ(placeholder.Numero(), 0);
        EXPECT_FALSE(placeholder.Save(true));
        EXPECT_FALSE(placeholder.Read(id));
        EXPECT_TRUE(placeholder.GetNext(false, false)->IsEmpty());
        EXPECT_EQ(placeholder.GetFirst(false, false)->id(), id);
        EXPECT_TRUE(placeholder.AddNewVienti("K")->IsEmpty());
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM to"), 1);
    EXPECT_TRUE(reported.empty());
}

TEST_F(VoucherTest, NumberingIsOneSeriesFromZeroUp) {
    book();
    cTosite t;
    EXPECT_EQ(t.SetTositeNumeroJaPaiva(day(1, 1), false), 1);
    EXPECT_EQ(t.Paiva(), day(1, 1));
    addVoucher(0, day(1, 1), "Tilinavausviennit", true);
    EXPECT_EQ(t.SetTositeNumeroJaPaiva(day(1, 1), true), 1);
    for (int n = 1; n <= 7; ++n) addVoucher(n, day(2, n), "t", n == 3, n == 5);
    // A work voucher below 0, dated later, counts neither for the number nor the date.
    addVoucher(-2, day(12, 31), "Automaattikirjaukset", false, false, true);
    EXPECT_EQ(t.SetTositeNumeroJaPaiva(day(1, 1), false), 8);
    EXPECT_EQ(t.SetTositeNumeroJaPaiva(day(1, 1), true), 8);
    EXPECT_EQ(t.Paiva(), day(2, 7));
    t.setIsEmpty(true);
}

TEST_F(VoucherTest, NameChangedOnlyFromNumberAndTextOfAStoredVoucher) {
    book();
    const long id = addVoucher(12, day(1, 5), "Pankki");
    std::vector<std::pair<long, QString>> events;
    cTosite t;
    t.NameChanged = [&](long i, const QString& s) { events.emplace_back(i, s); };
    t.setNumero(3);  // never stored: no event
    ASSERT_TRUE(t.Read(id));
    t.setPaiva(day(1, 6));
    t.Undo();
    EXPECT_TRUE(events.empty());
    t.setNumero(12);  // unchanged, still raised
    t.setSelite("Pankkikulut");
    EXPECT_EQ(events, (std::vector<std::pair<long, QString>>{{id, "Pankki"}, {id, "Pankkikulut"}}));
}

TEST_F(VoucherTest, NavigationStaysInItsModeAndAboveTheWorkVouchers) {
    book();
    for (long n : {1, 2, 4}) addVoucher(n, day(1, 2), "tavallinen");
    for (long n : {0, 3, 5}) addVoucher(n, day(1, 2), "avaus", true);
    addVoucher(6, day(1, 7), "päätös", false, true);
    addVoucher(-1, day(1, 1), "apu", true);  // the ledger print's, here in opening mode
    addVoucher(-2, day(1, 1), "Automaattikirjaukset", false, false, true);

    auto walk = [](std::unique_ptr<cTosite> t, bool forward, bool a, bool p) {
        std::vector<long> seen;
        for (; !t->IsEmpty(); t = forward ? t->GetNext(a, p) : t->GetPrevious(a, p)) seen.push_back(t->Numero());
        return seen;
    };
    cTosite none;
    none.setIsEmpty(true);
    EXPECT_EQ(walk(none.GetFirst(false, false), true, false, false), (std::vector<long>{1, 2, 4}));
    EXPECT_EQ(walk(none.GetLast(false, false), false, false, false), (std::vector<long>{4, 2, 1}));
    // GetFirst starts above 0; backwards the opening voucher 0 is reached, -1 not.
    EXPECT_EQ(none.GetFirst(true, false)->Numero(), 3);
    EXPECT_EQ(walk(none.GetLast(true, false), false, true, false), (std::vector<long>{5, 3, 0}));
    EXPECT_EQ(walk(none.GetFirst(false, true), true, false, true), (std::vector<long>{6}));
    EXPECT_TRUE(none.GetFirst(true, true)->IsEmpty());
}

TEST_F(VoucherTest, EntriesOfAVoucherAndDeleteTakesThemAlong) {
    book();
    const long id = addVoucher(1, day(1, 2), "Laskut", true);
    const long other = addVoucher(2, day(1, 3), "Muu");
    const long d1 = addEntry(id, 10, "D", eur(100));
    addEntry(id, 20, "K", eur(60));
    const long d2 = addEntry(id, 11, "D", eur(20));
    addEntry(id, 21, "K", eur(40));
    addEntry(other, 10, "D", eur(5));

    cTosite t;
    ASSERT_TRUE(t.Read(id));
    RecordList<cVienti> debit = t.GetViennit("D");
    ASSERT_EQ(debit.count(), 2);
    EXPECT_EQ(debit.keyAt(0), QString("vi%1").arg(d1));
    EXPECT_EQ(debit.find(QString("vi%1").arg(d2))->tlID(), 11);
    EXPECT_EQ(t.GetViennit("K").count(), 2);
    std::unique_ptr<cVienti> added = t.AddNewVienti("Kredit");
    EXPECT_EQ(added->ToId(), id);
    EXPECT_EQ(added->Tyyppi(), "K");
    EXPECT_TRUE(added->Avausvienti());
    EXPECT_EQ(added->Selite(), "Laskut");
    EXPECT_TRUE(cTosite().GetViennit("D").isEmpty());

    t.Delete();
    EXPECT_EQ(count("SELECT COUNT(*) FROM to WHERE toID = ?", {id}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 1);  // the other voucher's entry stays
    EXPECT_EQ(t.id(), 0);
    EXPECT_FALSE(t.isDirty());
}

// A record read from one association's book refuses to write into another
// one after the connection has moved on.
TEST_F(VoucherTest, PendingEditsNeverLandInAnotherBook) {
    const QString a = book(QString(), "a.mdb");
    const long id = addVoucher(1, day(1, 2), "A:n tosite");
    const QString b = book(QString(), "b.mdb");
    ASSERT_EQ(addVoucher(1, day(1, 2), "B:n tosite"), id);  // the same key names another voucher

    DatabasePath = a;
    auto t = std::make_unique<cTosite>();
    ASSERT_TRUE(t->Read(id));
    t->setSelite("muokattu A:ssa");
    std::unique_ptr<cVienti> entry = t->AddNewVienti("D");
    entry->setTlID(5);

    DatabasePath = b;
    EXPECT_EQ(errorOf([&] { t->Save(false); }), kOtherBookError);
    EXPECT_EQ(errorOf([&] { t->Delete(); }), kOtherBookError);
    EXPECT_EQ(errorOf([&] { entry->Release(); }), kOtherBookError);
    entry.reset();  // released already: nothing more happens
    EXPECT_TRUE(reported.empty());
    t.reset();  // let go in the other book: the refusal reaches the error sink
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].number, kOtherBookError);
    EXPECT_TRUE(reported[0].what.startsWith("Tosite 1")) << reported[0].what.toStdString();
    EXPECT_EQ(seliteOf(id), "B:n tosite");
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 0);
}

// A failed save leaves a new voucher new and dirty, so that the next save
// appends it rather than editing a row that was never stored.
TEST_F(VoucherTest, AFailedSaveOfANewVoucherCanBeRetried) {
    const QString path = book();
    dao::DBEngine::setBusyTimeoutMs(50);
    cTosite t;
    t.SetTositeNumeroJaPaiva(day(1, 1), false);
    sqlite3* other = nullptr;  // another program holds the write lock meanwhile
    ASSERT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_NE(errorOf([&] { t.Save(false); }), 0);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    dao::DBEngine::setBusyTimeoutMs(5000);
    EXPECT_EQ(t.id(), 0);
    EXPECT_TRUE(t.isDirty());
    EXPECT_TRUE(t.Save(false));
    EXPECT_EQ(count("SELECT COUNT(*) FROM to WHERE toID = ?", {t.id()}), 1);
}

// A voucher is saved with its entries as one piece: a write that fails
// part of the way leaves the book without any of it, and the records as
// they were, so that the next save writes everything.
TEST_F(VoucherTest, AVoucherAndItsEntriesAreSavedTogetherOrNotAtAll) {
    const QString path = book();
    const long id = addVoucher(1, day(1, 2), "Vanha");
    const long cleared = addEntry(id, 7, "K", eur(9));
    cTosite t;
    ASSERT_TRUE(t.Read(id));
    t.setSelite("Uusi");
    std::vector<std::unique_ptr<cVienti>> owned;
    owned.push_back(std::make_unique<cVienti>());
    ASSERT_TRUE(owned.back()->Read(cleared));
    owned.back()->setTlID(0);  // account and amount cleared: the save removes it
    owned.back()->setArvo(eur(0));
    for (long tl : {1, 2, 3, 4}) {
        owned.push_back(t.AddNewVienti("D"));
        owned.back()->setTlID(tl);
        owned.back()->setArvo(eur(tl));
    }
    owned.push_back(std::make_unique<cVienti>());
    owned.back()->setIsEmpty(true);  // a blank row of the window
    std::vector<cVienti*> entries;
    for (auto& e : owned) entries.push_back(e.get());

    // The book refuses the third new entry (account 3).
    auto refuse = [&](const char* sql) {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &h), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        sqlite3_close(h);
    };
    refuse("CREATE TRIGGER kolmas BEFORE INSERT ON vi WHEN NEW.vitlID = 3 BEGIN SELECT RAISE(ABORT, 'ei'); END");
    EXPECT_NE(errorOf([&] { (void)cTosite::TallennaKerralla(&t, entries); }), 0);
    EXPECT_EQ(seliteOf(id), "Vanha");
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi WHERE vitoID = ?", {id}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi WHERE viID = ?", {cleared}), 1);
    EXPECT_TRUE(t.isDirty());
    EXPECT_EQ(owned[0]->id(), cleared);
    for (size_t k = 1; k <= 4; ++k) {
        EXPECT_EQ(owned[k]->id(), 0) << k;
        EXPECT_TRUE(owned[k]->isDirty()) << k;
    }

    refuse("DROP TRIGGER kolmas");
    EXPECT_EQ(cTosite::TallennaKerralla(&t, entries), cTosite::Tallennus::Tehty);
    EXPECT_EQ(seliteOf(id), "Uusi");
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi WHERE viID = ?", {cleared}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi WHERE vitoID = ?", {id}), 4);
    EXPECT_EQ(count("SELECT SUM(vitlID) FROM vi WHERE vitoID = ?", {id}), 1 + 2 + 3 + 4);
    EXPECT_FALSE(t.isDirty());
    EXPECT_TRUE(reported.empty());
}

}  // namespace
