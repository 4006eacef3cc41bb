// Value types of the database layer: Currency, dates, variants, and the
// case-blind Finnish text comparison and LIKE matching.

#include "platform/dao/database.h"
#include "platform/dao/textcompare.h"
#include "support/testenv.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <random>

using namespace dao;

TEST(CurrencyTest, ParsesAndPrintsExactly) {
    EXPECT_EQ(Currency::parseInvariant(u"12.5")->raw(), 125000);
    EXPECT_EQ(Currency::parseInvariant(u"-0,05")->raw(), -500);
    EXPECT_EQ(Currency::parseInvariant(u"0.00005")->raw(), 1);  // fifth decimal rounds
    EXPECT_EQ(Currency::parseInvariant(u"1.23454")->raw(), 12345);
    EXPECT_FALSE(Currency::parseInvariant(u"12a").has_value());
    EXPECT_FALSE(Currency::parseInvariant(u"").has_value());
    EXPECT_FALSE(Currency::parseInvariant(u"-").has_value());
    EXPECT_EQ(Currency::fromRaw(125000).toInvariantString(), "12.5");
    EXPECT_EQ(Currency::fromRaw(-5).toInvariantString(), "-0.0005");
    EXPECT_EQ(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()).toInvariantString(),
              "-922337203685477.5808");
}

TEST(CurrencyTest, LocaleFormsReadAndWrite) {
    const QLocale fi(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(Currency::parse(u"0,50")->raw(), 5000);  // fifty cents, never zero
    EXPECT_EQ(Currency::parse(u"0.50")->raw(), 5000);
    EXPECT_EQ(Currency::parse(u"1 234,56")->raw(), 12345600);
    EXPECT_EQ(Currency::parse(u"-12,30")->raw(), -123000);
    EXPECT_EQ(Currency::fromRaw(12345600).toLocaleString(fi), QString("1\u00a0234,56"));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    // A comma is never read as a digit-group separator, whatever the locale.
    EXPECT_FALSE(Currency::parse(u"1,234.56").has_value());
    EXPECT_EQ(Currency::parse(u"0.5")->raw(), 5000);
    // Rounding to two decimals is half away from zero, on the exact value.
    EXPECT_EQ(Currency::fromRaw(-125).toLocaleString(us, 2), "-0.01");
    EXPECT_EQ(Currency::fromRaw(1049).toLocaleString(us, 2), "0.10");
}

TEST(CurrencyTest, TheCurrencyIsTheEuroWhateverTheLocale) {
    const QLocale fi(QLocale::Finnish, QLocale::Finland), us(QLocale::English, QLocale::UnitedStates),
        gb(QLocale::English, QLocale::UnitedKingdom), sv(QLocale::Swedish, QLocale::Finland), c = QLocale::c();
    const struct {
        QLocale locale;
        std::int64_t raw;
        int decimals;  // -1: two, or four when the amount has more
        QString text;
    } cases[] = {
        {fi, 13550600, -1, "1\u00a0355,06\u00a0€"}, {fi, -1205000, -1, "\u2212120,50\u00a0€"},
        {us, 13550600, -1, "€1\u00a0355.06"},        {us, -1205000, -1, "(€120.50)"},
        {gb, 1205000, -1, "€120.50"},                 {gb, -50, -1, "(€0.0050)"},
        {us, 12345000, 0, "€1\u00a0235"},            {fi, -12345, 2, "\u22121,23\u00a0€"},
        {sv, -12345000, -1, "\u22121\u00a0234,50\u00a0€"}, {c, -12345000, -1, "-1234.50€"},
    };
    for (const auto& c : cases) {
        const Currency amount = Currency::fromRaw(c.raw);
        EXPECT_EQ(c.decimals < 0 ? amount.toCurrencyString(c.locale) : amount.toCurrencyString(c.locale, c.decimals),
                  c.text)
            << c.locale.name().toStdString() << " " << c.raw;
    }
}

// What the writers write, the readers read back to the same value under
// every locale Qt knows: its digits, minus sign and date form.
TEST(LocaleTexts, EveryAmountAndDateWrittenReadsBackUnderEveryLocale) {
    const Currency amounts[] = {Currency::fromRaw(-55000), Currency::fromRaw(-12345675000), Currency::fromRaw(12345),
                                Currency::fromRaw(-12345)};
    const Date dates[] = {Date::fromYmd(2031, 3, 5), Date::fromYmd(1999, 12, 31), Date::fromYmd(2049, 7, 4)};
    const QString euro(QChar(0x20AC));
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const std::string name = l.name().toStdString();
        for (const Currency a : amounts) {
            const QString text = a.toText(l);
            EXPECT_EQ(Currency::parse(text), a) << name << " " << text.toStdString();
            QString money = a.toCurrencyString(l);
            EXPECT_EQ(money.count(euro), 1) << name << " " << money.toStdString();
            // A locale that shows a negative amount in parentheses shows its
            // magnitude between them.
            money.remove(euro);
            const bool bracketed = money.contains(u'(') && money.contains(u')');
            if (bracketed) money = money.section(u'(', 1).section(u')', 0, 0);
            EXPECT_EQ(Currency::parse(money), bracketed ? -a : a) << name << " " << a.toCurrencyString(l).toStdString();
        }
        for (const Date d : dates) EXPECT_EQ(Date::fromText(d.toShortString(l), l), d) << name;
    }
}

TEST(CurrencyTest, ArithmeticOverflowIsAnError) {
    const Currency max = Currency::fromRaw(std::numeric_limits<std::int64_t>::max());
    try {
        (void)(max + Currency::fromRaw(1));
        FAIL() << "no overflow";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
    EXPECT_EQ((Currency::fromUnits(3) - Currency::fromRaw(1)).raw(), 29999);
}

TEST(DateTest, SerialIsoAndArithmetic) {
    EXPECT_TRUE(Date().isZero());
    EXPECT_EQ(Date().date(), QDate(1899, 12, 30));
    const Date d = Date::fromYmd(2031, 3, 5);
    EXPECT_EQ(d.toIso(), "2031-03-05");
    EXPECT_EQ(Date::fromIso(u"2031-03-05")->date(), QDate(2031, 3, 5));
    EXPECT_EQ(Date::fromIso(u"2031-03-05 13:45:10")->toIso(), "2031-03-05 13:45:10");
    EXPECT_FALSE(Date::fromIso(u"2031-02-30").has_value());
    EXPECT_FALSE(Date::fromIso(u"5.3.2031").has_value());
    EXPECT_EQ(Date::fromYmd(2036, 2, 29).addYears(-1).date(), QDate(2035, 2, 28));
    EXPECT_DOUBLE_EQ(Date::fromYmd(1900, 1, 1).serial(), 2.0);
    EXPECT_EQ(Date::fromSerial(2.5).toIso(), "1900-01-01 12:00:00");
    EXPECT_EQ(Date::fromYmd(1899, 12, 29).date(), QDate(1899, 12, 29));
}

// A date typed to its end, and texts on their way to one (each would read
// as another date, or as none), under the Finnish, the Swedish-in-Finland
// and the US formats.
TEST(DateTest, AWholeDateIsOneTypedToItsEnd) {
    const QLocale fi(QLocale::Finnish, QLocale::Finland);
    const QLocale sv(QLocale::Swedish, QLocale::Finland);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const std::optional<Date> none;
    const struct {
        const QLocale& locale;
        const char* text;
        std::optional<Date> whole;
    } cases[] = {
        {fi, "1.12.2026", Date::fromYmd(2026, 12, 1)}, {fi, " 01.02.2026 ", Date::fromYmd(2026, 2, 1)},
        {fi, "29.2.2028", Date::fromYmd(2028, 2, 29)}, {fi, "2026-06-30", Date::fromYmd(2026, 6, 30)},
        {fi, "1.1", none},        {fi, "1.1.", none},      {fi, "1.12.20", none},   {fi, "1.12.202", none},
        {fi, "29.2.20", none},    {fi, "29.2.2026", none}, {fi, "31.2.2026", none}, {fi, "1.13.2026", none},
        {fi, "2026-06-3", none},  {fi, "abc", none},       {fi, "", none},          {fi, "1.1.20260", none},
        {sv, "2026-06-30", Date::fromYmd(2026, 6, 30)},    {sv, "30.6.2026", Date::fromYmd(2026, 6, 30)},
        {sv, "2026-06-3", none},  {sv, "2026-6", none},    {sv, "2026-1-2", none},  {sv, "2026-1-x", none},
        {sv, "2026-1-20", Date::fromYmd(2026, 1, 20)},     {fi, "2026-1-20", Date::fromYmd(2026, 1, 20)},
        {sv, "2026-2-30", none},  {us, "2026-12-31", Date::fromYmd(2026, 12, 31)},
        {us, "6/30/2026", Date::fromYmd(2026, 6, 30)},     {us, "30.6.2026", Date::fromYmd(2026, 6, 30)},
        {us, "6/30/20", none},    {us, "6/3", none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Date::fromWholeText(QString::fromLatin1(c.text), c.locale), c.whole)
            << c.locale.name().toStdString() << " \"" << c.text << '"';
}

TEST(VariantTest, NullIsNotEmptyText) {
    const Variant null;
    const Variant empty(QString(""));
    EXPECT_TRUE(null.isNull());
    EXPECT_FALSE(empty.isNull());
    EXPECT_FALSE(null == empty);
    EXPECT_EQ(null.toString(), QString());
    try {
        (void)null.toLong();
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant(2.5).toLong(), 2);  // half to even
    EXPECT_EQ(Variant(3.5).toLong(), 4);
    EXPECT_EQ(Variant("2031-03-05").toDate().date(), QDate(2031, 3, 5));
    EXPECT_EQ(Variant("12.25").toCurrency().raw(), 122500);
}

TEST(TextCompareTest, FinnishLettersCaseBlindAndInFinnishOrder) {
    EXPECT_EQ(compareText(u"äiti", u"ÄITI"), 0);
    EXPECT_EQ(compareText(u"Åland", u"åLAND"), 0);
    EXPECT_EQ(compareText(u"öljy", u"ÖLJY"), 0);
    EXPECT_LT(compareText(u"zeta", u"åke"), 0);
    EXPECT_LT(compareText(u"åke", u"äke"), 0);
    EXPECT_LT(compareText(u"äke", u"öke"), 0);
    EXPECT_LT(compareText(u"Zorro", u"ärrä"), 0);
    EXPECT_LT(compareText(u"abc", u"abcd"), 0);
    // An accent is a difference, but sorts with its base letter.
    EXPECT_NE(compareText(u"café", u"cafe"), 0);
    EXPECT_LT(compareText(u"cafe", u"cafés"), 0);
    EXPECT_LT(compareText(u"éa", u"f"), 0);
}

TEST(TextCompareTest, LikeWithJetWildcards) {
    struct Case {
        const char16_t* text;
        const char16_t* pattern;
        bool match;
    };
    const Case cases[] = {
        {u"Jäsenmaksut", u"*MAKSU*", true},   {u"jäsenmaksut", u"JÄSEN*", true},
        {u"Kassa", u"K?ssa", true},           {u"Kassa", u"K?sa", false},
        {u"Tili 1910", u"Tili ####", true},   {u"Tili 19x0", u"Tili ####", false},
        {u"b", u"[abc]", true},               {u"d", u"[abc]", false},
        {u"d", u"[!abc]", true},              {u"M", u"[a-p]", true},
        {u"50%", u"50%", true},               {u"500", u"50%", false},
        {u"", u"*", true},                    {u"abc", u"", false},
        {u"a*b", u"a[*]b", true},             {u"axb", u"a[*]b", false},
        {u"[x", u"[x", true},
        // Lists: ']' first is a member, ranges by the letters' Finnish order,
        // an unclosed '[' is itself and what follows it still counts.
        {u"]", u"[]a]", true},                {u"x", u"[!]a]", true},
        {u"ä", u"[å-ö]", true},               {u"Ö", u"[a-z]", false},
        {u"[1", u"[#", true},                 {u"[!", u"[!", true},
        // A character beyond 16 bits is one character, in a list too.
        {u"a\U0001F600b", u"a?b", true},      {u"\U0001F600", u"[\U0001F600]", true},
        // Every '*' takes as much as the rest needs.
        {u"abcbcd", u"*bc*d", true},          {u"abcbc", u"*bc*d", false},
        {u"aaab", u"*a*a*b", true},           {u"aab", u"*a*a*a*b", false},
        {u"xayb", u"*a?b", true},             {u"a", u"**", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(likeMatch(c.text, c.pattern), c.match) << QString::fromUtf16(c.text).toStdString() << " LIKE "
                                                        << QString::fromUtf16(c.pattern).toStdString();
}

TEST(CurrencyStorageTest, EveryStorableAmountReadsBackIdentical) {
    kvtest::TempDir dir;
    Database db = DBEngine::CreateDatabase(dir.file("c.mdb"));
    db.Execute("CREATE TABLE c (cID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, cArvo CURRENCY)");
    std::vector<std::int64_t> raws = {0,
                                      1,
                                      -1,
                                      5000,
                                      -9999,
                                      12345678,
                                      Currency::kStorableRawMax,
                                      -Currency::kStorableRawMax,
                                      Currency::kStorableRawMax - 1,
                                      999999999999999LL};
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<std::int64_t> any(-Currency::kStorableRawMax, Currency::kStorableRawMax);
    std::uniform_int_distribution<std::int64_t> small(-100000000, 100000000);
    for (int i = 0; i < 3000; ++i) raws.push_back(i % 2 ? any(rng) : small(rng));
    db.BeginTrans();
    Recordset rs = db.OpenRecordset("SELECT * FROM c WHERE cID = 0");
    std::vector<std::int64_t> ids;
    for (std::int64_t raw : raws) {
        rs.AddNew();
        ids.push_back(rs.value("cID").toLong());
        rs.setValue("cArvo", Currency::fromRaw(raw));
        rs.Update();
    }
    db.CommitTrans();
    Recordset back = db.OpenRecordset("SELECT * FROM c ORDER BY cID", RecordsetType::Snapshot);
    size_t i = 0;
    for (; !back.isEOF(); back.MoveNext(), ++i) {
        ASSERT_LT(i, raws.size());
        EXPECT_EQ(back.value("cArvo").toCurrency().raw(), raws[i]) << "row " << i;
    }
    EXPECT_EQ(i, raws.size());
    // A literal amount in SQL compares equal to the stored value.
    Recordset hit = db.OpenRecordset("SELECT * FROM c WHERE cArvo = 1234.5678", RecordsetType::Snapshot);
    EXPECT_FALSE(hit.isEOF());
    // Beyond what a book stores exactly, the write is refused, not rounded.
    Recordset w = db.OpenRecordset("SELECT * FROM c WHERE cID = 0");
    w.AddNew();
    try {
        w.setValue("cArvo", Currency::fromRaw(Currency::kStorableRawMax + 1));
        FAIL() << "stored beyond the exact range";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}
