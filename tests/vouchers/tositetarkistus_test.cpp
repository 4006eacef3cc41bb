// The voucher checker: orphan entries, and the date, balance and account
// findings.

#include "core/globals.h"
#include "core/records/recordsfixture.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "vouchers/tositetarkistus.h"

#include <QFile>

using namespace vouchers;

namespace {

class CheckerTest : public kvtest::RecordsTest {
protected:
    void TearDown() override {
        core::SetTranslator(nullptr);
        RecordsTest::TearDown();
    }

    long kassa = 0;
    long pankki = 0;

    // A book with two accounts; vouchers are added by the test.
    void makeBook() {
        book();
        db().Execute("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ')");
        kassa = count("SELECT MAX(tlID) FROM tl");
        db().Execute("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ')");
        pankki = count("SELECT MAX(tlID) FROM tl");
    }
    // A voucher of two entries that balance.
    long balanced(long numero, const dao::Date& pvm, const QString& selite = QStringLiteral("tosite")) {
        const long to = addVoucher(numero, pvm, selite);
        addEntry(to, kassa, "D", eur(10));
        addEntry(to, pankki, "K", eur(10));
        return to;
    }
    std::vector<cTositeTarkistusVirhe> check() { return cTositeTarkistus().TarkistaTositteet(); }
    static std::vector<long> numbers(const std::vector<cTositeTarkistusVirhe>& v) {
        std::vector<long> out;
        for (const auto& f : v) out.push_back(f.Numero);
        return out;
    }
};

TEST_F(CheckerTest, AnEmptyBookAndABalancedYearGiveNoFindings) {
    makeBook();
    EXPECT_TRUE(check().empty());
    balanced(1, day(1, 1));    // first day of the year
    balanced(2, day(12, 31));  // last day
    balanced(3, dao::Date::fromDateTime(QDateTime(QDate(2031, 12, 31), QTime(23, 59))));  // time of day ignored
    const long opening = addVoucher(0, day(1, 1), "avaus", true);
    addEntry(opening, kassa, "D", eur(100), true);
    addEntry(opening, pankki, "K", eur(100), true);
    EXPECT_TRUE(check().empty());
}

TEST_F(CheckerTest, EntriesWithoutVoucherAreNamedAndKeptUnlessTheyHoldNothing) {
    makeBook();
    const long kept = balanced(1, day(3, 1));
    addEntry(kept + 50, 0, "D", eur(0));  // no voucher, no account, no amount: removed
    const long orphan = addEntry(kept + 51, kassa, "K", eur(3));
    db().Execute("INSERT INTO toE (toEID, toENumero, toEPvm, toESelite) VALUES (5, 1, ?, 'e')", {day(3, 1).addYears(-1)});
    db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo) VALUES (1, 5, 1, 'D', 1)");
    db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo) VALUES (2, 6, 1, 'D', 1)");
    db().Execute("INSERT INTO viE (viEID, viEtoID, viEtlID, viETyyppi, viEArvo) VALUES (3, 6, 0, 'D', NULL)");
    const std::vector<cTositeTarkistusVirhe> f = check();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].VirheTeksti, QStringLiteral("Vienti, jonka tositetta ei ole: viID %1, vitoID %2, vitlID %3: 3 K.")
                                    .arg(orphan)
                                    .arg(kept + 51)
                                    .arg(kassa));
    EXPECT_EQ(f[1].VirheTeksti, "Edellisen tilikauden vienti, jonka tositetta ei ole: viEID 2, viEtoID 6, viEtlID 1: 1 D.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM vi"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM viE"), 2);
}

TEST_F(CheckerTest, DatesOutsideTheYear) {
    makeBook();
    const long before = balanced(4, dao::Date::fromYmd(2030, 12, 31), "ennen");
    balanced(5, dao::Date::fromYmd(2032, 1, 1));
    db().Execute("UPDATE to SET toPaatostosite = True WHERE toID = ?", {before});
    const long nodate = addVoucher(6, day(2, 2), "ilman päivää");
    addEntry(nodate, kassa, "D", eur(1));
    addEntry(nodate, kassa, "K", eur(1));
    db().Execute("UPDATE to SET toPvm = NULL WHERE toID = ?", {nodate});
    std::vector<cTositeTarkistusVirhe> f = check();
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(numbers(f), (std::vector<long>{4, 5, 6}));
    EXPECT_EQ(f[0].VirheTeksti, "Tositteen no: 4 päivä ei kuulu tilikauteen.");
    // The finding carries the voucher's own values.
    EXPECT_EQ(f[0].ToId, before);
    EXPECT_EQ(f[0].Selite, "ennen");
    EXPECT_EQ(f[0].Paiva, dao::Date::fromYmd(2030, 12, 31));
    EXPECT_TRUE(f[0].Paatostosite);
    EXPECT_FALSE(f[0].Avaustosite);
    EXPECT_EQ(f[2].ToId, nodate);
    EXPECT_TRUE(f[2].Paiva.isZero());

    // A year whose start lies after its end: a date between them is outside at both ends.
    core::TilikausiAlku = dao::Date::fromYmd(2031, 9, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2031, 6, 30);
    db().Execute("DELETE FROM vi WHERE vitoID <> ?", {nodate});
    db().Execute("DELETE FROM to WHERE toNumero <> 6");
    db().Execute("UPDATE to SET toPvm = ? WHERE toID = ?", {day(6, 30), nodate});
    // 30 June is the end (not after it) but before the start: one finding.
    EXPECT_EQ(check().size(), 1u);
    balanced(7, day(7, 15));
    std::vector<cTositeTarkistusVirhe> g = check();
    EXPECT_EQ(numbers(g), (std::vector<long>{6, 7, 7}));
}

TEST_F(CheckerTest, DebitAndCreditMustAgree) {
    makeBook();
    const long even = addVoucher(1, day(2, 1), "tasan");
    addEntry(even, kassa, "D", dao::Currency::fromRaw(1000001));
    addEntry(even, kassa, "D", dao::Currency::fromRaw(2));
    addEntry(even, pankki, "K", dao::Currency::fromRaw(1000002));  // 0.0001 apart: within tolerance
    const long off = addVoucher(2, day(2, 2), "heittää");
    addEntry(off, kassa, "D", dao::Currency::fromRaw(100002));
    addEntry(off, pankki, "K", dao::Currency::fromRaw(100000));  // 0.0002 apart
    const long lower = addVoucher(3, day(2, 3), "pienet kirjaimet");
    addEntry(lower, kassa, "d", eur(7));  // a debit in lower case balances
    addEntry(lower, pankki, "K", eur(7));
    addEntry(lower, pankki, "k", eur(5));  // and so do the two of
    addEntry(lower, kassa, "D", eur(5));
    addEntry(lower, pankki, "x", eur(9));  // no side: counts on neither
    const long oneSided = addVoucher(4, day(2, 4), "vain debet");
    addEntry(oneSided, kassa, "D", eur(1));
    const long nullAmount = addVoucher(5, day(2, 5), "tyhjä summa");
    addEntry(nullAmount, kassa, "D", eur(0));
    db().Execute("UPDATE vi SET viArvo = NULL WHERE vitoID = ?", {nullAmount});
    addVoucher(6, day(2, 6), "ei vientejä");
    const long opening = addVoucher(7, day(2, 7), "avaus", true);
    addEntry(opening, kassa, "D", eur(50), true);  // opening entries count too
    std::vector<cTositeTarkistusVirhe> f = check();
    EXPECT_EQ(numbers(f), (std::vector<long>{2, 4, 7}));
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].VirheTeksti, "Tositteen no: 2 debet ja kredit saldo ei täsmää.");
    EXPECT_TRUE(f[2].Avaustosite);
}

TEST_F(CheckerTest, EntriesWithoutAValidAccount) {
    makeBook();
    const long to = addVoucher(3, day(4, 1), "tilitön");
    addEntry(to, 0, "D", eur(5));
    addEntry(to, kassa + pankki + 10, "K", eur(5));  // no such account
    balanced(4, day(4, 2));
    std::vector<cTositeTarkistusVirhe> f = check();
    ASSERT_EQ(f.size(), 2u);  // one finding per entry
    EXPECT_EQ(f[0].VirheTeksti, "Jokin tilivalinta puuttuu tositteelta no: 3.");
    EXPECT_EQ(f[1].VirheTeksti, f[0].VirheTeksti);
    EXPECT_EQ(f[0].ToId, to);
    EXPECT_EQ(f[0].Selite, "tilitön");
    EXPECT_EQ(f[0].Paiva, day(4, 1));
}

TEST_F(CheckerTest, WorkAndAutomaticVouchers) {
    makeBook();
    // Negative numbers are the program's work vouchers: never reported.
    const long work = addVoucher(-1, dao::Date::fromYmd(2020, 1, 1), "pääkirja");
    addEntry(work, 0, "D", eur(1));
    // Automatic vouchers: left out of the date and balance passes, but an
    // entry without account is still reported.
    const long automatic = addVoucher(-2, dao::Date::fromYmd(2020, 1, 1), "tulos", false, false, true);
    addEntry(automatic, kassa, "D", eur(1));
    const long auto2 = addVoucher(9, dao::Date::fromYmd(2020, 1, 1), "automaatti", false, false, true);
    addEntry(auto2, 0, "D", eur(1));
    std::vector<cTositeTarkistusVirhe> f = check();
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].ToId, auto2);
    EXPECT_EQ(f[0].VirheTeksti, "Jokin tilivalinta puuttuu tositteelta no: 9.");
}

TEST_F(CheckerTest, FindingsComeByPassThenByNumber) {
    makeBook();
    const long late = addVoucher(8, dao::Date::fromYmd(2032, 2, 1), "kaikki väärin");
    addEntry(late, 0, "D", eur(4));
    const long early = addVoucher(2, dao::Date::fromYmd(2030, 2, 1), "myös");
    addEntry(early, kassa, "K", eur(4));
    addEntry(early, 0, "K", eur(4));
    std::vector<cTositeTarkistusVirhe> f = check();
    EXPECT_EQ(numbers(f), (std::vector<long>{2, 8, 2, 8, 2, 8}));
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(f[0].VirheTeksti, "Tositteen no: 2 päivä ei kuulu tilikauteen.");
    EXPECT_EQ(f[3].VirheTeksti, "Tositteen no: 8 debet ja kredit saldo ei täsmää.");
    EXPECT_EQ(f[4].VirheTeksti, "Jokin tilivalinta puuttuu tositteelta no: 2.");
}

TEST_F(CheckerTest, TextsAreTranslatedInTheCheckersSection) {
    makeBook();
    const QString path = dir.file("Kolvio VEV.trl");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Tositetarkistus]\n"
                "Tositteen no:=Verifikat nr:\n"
                "debet ja kredit saldo ei täsmää.=debet och kredit stämmer inte.\n");
    }
    ini::cIniFile::ClearCache();
    auto t = std::make_unique<core::cLanguageTranslator>();
    t->setFilePath(path);
    core::SetTranslator(std::move(t));
    const long to = addVoucher(1, dao::Date::fromYmd(2030, 5, 5), "x");
    addEntry(to, kassa, "D", eur(1));
    std::vector<cTositeTarkistusVirhe> f = check();
    ASSERT_EQ(f.size(), 2u);
    // A text without translation comes back in Finnish.
    EXPECT_EQ(f[0].VirheTeksti, "Verifikat nr: 1 päivä ei kuulu tilikauteen.");
    EXPECT_EQ(f[1].VirheTeksti, "Verifikat nr: 1 debet och kredit stämmer inte.");
}

}  // namespace
