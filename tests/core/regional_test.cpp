// The regional formats: which locale the program follows, and the one
// reader and writer of amounts, dates and whole numbers under it.
//
// Besides the ordinary Finnish run, CTest runs these under LC_ALL=C,
// C.UTF-8, en_US.UTF-8, fi_FI.UTF-8 and sv_FI.UTF-8 (tests/core/CMakeLists.txt);
// each test then lets the program choose its formats as at start-up.

#include "core/globals.h"
#include "core/regional.h"
#include "core/wholenumber.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>
#include <map>

using dao::Currency;

namespace {

// The locale the program must follow under the environment of this run,
// with the Finnish and with the Swedish interface.
struct Expected {
    const char* lcAll;
    const char* finnish;
    const char* swedish;
};
constexpr Expected kExpected[] = {
    {"C", "fi_FI", "sv_FI"},           {"C.UTF-8", "fi_FI", "sv_FI"},     {"POSIX", "fi_FI", "sv_FI"},
    {"en_US.UTF-8", "en_US", "en_US"}, {"fi_FI.UTF-8", "fi_FI", "fi_FI"}, {"sv_FI.UTF-8", "sv_FI", "sv_FI"},
};

class RegionalFormats : public ::testing::Test {
protected:
    void SetUp() override {
        language_ = core::Language;
        core::Language.clear();
        core::ApplyRegionalFormats();
    }
    void TearDown() override {
        core::Language = language_;
        QLocale::setDefault(saved_);
    }
    static const Expected* expected() {
        const QByteArray lcAll = qgetenv("LC_ALL");
        for (const Expected& e : kExpected)
            if (lcAll == e.lcAll) return &e;
        return nullptr;
    }
    // Ten-thousandths.
    static std::optional<Currency> raw(std::int64_t r) { return Currency::fromRaw(r); }

private:
    QLocale saved_;
    QString language_;
};

TEST_F(RegionalFormats, TheEnvironmentsLocaleIsFollowedAndFinnishStandsInForC) {
    const Expected* e = expected();
    ASSERT_NE(e, nullptr) << "no expectation for LC_ALL=" << qgetenv("LC_ALL").constData();
    EXPECT_EQ(QLocale().name(), QLatin1String(e->finnish));
    EXPECT_EQ(core::RegionalLocale(QStringLiteral("Suomi")).name(), QLatin1String(e->finnish));
    EXPECT_EQ(core::RegionalLocale(QStringLiteral("Svenska")).name(), QLatin1String(e->swedish));
    // A change of language is followed at once.
    core::Language = QStringLiteral("Svenska");
    core::ApplyRegionalFormats();
    EXPECT_EQ(QLocale().name(), QLatin1String(e->swedish));
}

TEST_F(RegionalFormats, TypedAmountsReadAlikeUnderEveryLocale) {
    const QString nbsp(QChar(0x00A0)), narrow(QChar(0x202F));
    const struct {
        QString typed;
        std::optional<Currency> amount;
    } cases[] = {
        {"120,50", raw(1205000)},
        {"120.50", raw(1205000)},
        {"1" + nbsp + "234,56", raw(12345600)},
        {"1" + narrow + "234,56", raw(12345600)},
        {"1 234 567.5", raw(12345675000)},
        {"  12,5 ", raw(125000)},
        {"-5,5", raw(-55000)},
        {QString(QChar(0x2212)) + "5,5", raw(-55000)},
        {"+3", raw(30000)},
        {",5", raw(5000)},
        {"12,", raw(120000)},
        {"0,0001", raw(1)},
        {"0", raw(0)},
        {"100000000000", raw(Currency::kStorableRawMax)},
        // No amounts: nothing is read from them.
        {"1,2,3", std::nullopt},
        {"1.234,56", std::nullopt},
        {"1,234.56", std::nullopt},
        {"12a", std::nullopt},
        {"1a2", std::nullopt},
        {"0,00001", std::nullopt},
        {"12 50", std::nullopt},  // not groups of three
        {"1 2345", std::nullopt},
        {"1  234", std::nullopt},
        {"12 ,5", std::nullopt},
        {"5-", std::nullopt},
        {"- 5", std::nullopt},
        {"\u200e- 5", std::nullopt},  // a direction mark only around the text and the sign
        {"12\u200e5", std::nullopt},
        {"--5", std::nullopt},
        {"1e3", std::nullopt},
        {"12 €", std::nullopt},
        {"-", std::nullopt},
        {",", std::nullopt},
        {"", std::nullopt},
        {"100000000000,0001", std::nullopt},  // beyond what a book stores
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::parse(c.typed), c.amount) << c.typed.toStdString();
}

TEST_F(RegionalFormats, AmountsAreShownInTheLocalesFormAndReadBackExactly) {
    const QString nbsp(QChar(0x00A0));
    const QString minus = QLocale().negativeSign();
    const QString mark = QLocale().name() == QLatin1String("en_US") ? QStringLiteral(".") : QStringLiteral(",");
    // Two decimals, four when the amount has more; digit groups parted by
    // a no-break space, also where the locale groups with a comma.
    EXPECT_EQ(Currency::fromRaw(1205000).toText(), "120" + mark + "50");
    EXPECT_EQ(Currency::fromRaw(12345000).toText(), "1" + nbsp + "234" + mark + "50");
    EXPECT_EQ(Currency::fromRaw(-50).toText(), minus + "0" + mark + "0050");
    EXPECT_EQ(Currency().toText(), "0" + mark + "00");
    EXPECT_TRUE(Currency::fromRaw(12345000).toCurrencyString().contains("1" + nbsp + "234" + mark + "50"))
        << Currency::fromRaw(12345000).toCurrencyString().toStdString();
    const std::int64_t raws[] = {0, 1, -1, 5000, 1205000, -55000, 12345678901234, -9876543210,
                                 Currency::kStorableRawMax, -Currency::kStorableRawMax};
    for (const std::int64_t r : raws) {
        const Currency amount = Currency::fromRaw(r);
        EXPECT_EQ(Currency::parse(amount.toText()), amount) << amount.toText().toStdString();
    }
}

// An amount with the euro sign takes the currency form of the locale the
// program follows, a negative one its negative form.
TEST_F(RegionalFormats, AmountsInEurosTakeTheLocalesCurrencyForm) {
    const QString nbsp(QChar(0x00A0)), minus(QChar(0x2212));
    const std::map<QString, std::pair<QString, QString>> forms{
        {"fi_FI", {"1" + nbsp + "234,50" + nbsp + "€", minus + "1" + nbsp + "234,50" + nbsp + "€"}},
        {"sv_FI", {"1" + nbsp + "234,50" + nbsp + "€", minus + "1" + nbsp + "234,50" + nbsp + "€"}},
        {"en_US", {"€1" + nbsp + "234.50", "(€1" + nbsp + "234.50)"}},
    };
    for (const char* language : {"Suomi", "Svenska"}) {
        core::Language = QString::fromLatin1(language);
        core::ApplyRegionalFormats();
        const auto form = forms.find(QLocale().name());
        ASSERT_NE(form, forms.end()) << QLocale().name().toStdString();
        EXPECT_EQ(Currency::fromRaw(12345000).toCurrencyString(), form->second.first) << language;
        EXPECT_EQ(Currency::fromRaw(-12345000).toCurrencyString(), form->second.second) << language;
    }
}

// The one reader of typed whole numbers: voucher, account and cost-centre
// numbers, copies, font sizes.
TEST_F(RegionalFormats, TypedWholeNumbersReadAlikeUnderEveryLocale) {
    const struct {
        const char* typed;
        std::optional<long> whole;
    } cases[] = {
        {"1910", 1910},
        {" 1 910 ", 1910},
        {"-40", -40},
        {"12,", 12},
        {"12.00", 12},
        {"2,5", 2},  // a half to the even one
        {"3.5", 4},
        {"-2,5", -2},
        {"-3,5", -4},
        {"2,5001", 3},
        {"1,000", 1},  // a comma is the decimal mark, never a group separator
        {"2147483647", 2147483647L},
        {"-2147483648", -2147483648L},
        {"2147483647,5", std::nullopt},  // rounds beyond the range
        {"2147483648", std::nullopt},
        {"1,5e3", 1500},  // what the whole-number filter leaves
        {"25e-1", 2},
        {"35E-1", 4},
        {"-1e-40", 0},
        {"3e9", std::nullopt},
        {"1e", std::nullopt},
        {"12a", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(core::ReadWholeNumber(QString::fromLatin1(c.typed)), c.whole) << c.typed;
}

TEST_F(RegionalFormats, DatesAreTypedAndShownInTheLocalesShortForm) {
    const dao::Date march1 = dao::Date::fromYmd(2026, 3, 1);
    const QString name = QLocale().name();
    const QString shown = name == QLatin1String("en_US")   ? QStringLiteral("3/1/2026")
                          : name == QLatin1String("sv_FI") ? QStringLiteral("2026-03-01")
                                                           : QStringLiteral("1.3.2026");
    EXPECT_EQ(march1.toShortString(), shown);
    EXPECT_EQ(dao::Date::fromText(shown), march1);
    EXPECT_EQ(dao::Date().toShortString(), QString());
    // The Finnish form reads whatever the locale.
    EXPECT_EQ(dao::Date::fromText(QStringLiteral("15.3.2026")), dao::Date::fromYmd(2026, 3, 15));
    EXPECT_EQ(dao::Date::fromText(QStringLiteral(" 5.3.31 ")), dao::Date::fromYmd(2031, 3, 5));
    EXPECT_EQ(dao::Date::fromText(QStringLiteral("2026-03-15")), dao::Date::fromYmd(2026, 3, 15));
    EXPECT_EQ(dao::Date::fromText(QStringLiteral("5.3.")), dao::Date::fromYmd(QDate::currentDate().year(), 3, 5));
    for (const char* bad : {"31.2.2026", "30.12.1899", "5.", "15 Mar 2026", "", "12a"})
        EXPECT_FALSE(dao::Date::fromText(QString::fromLatin1(bad)).has_value()) << bad;
    for (const dao::Date d : {dao::Date::fromYmd(2026, 12, 31), dao::Date::fromYmd(1999, 1, 9),
                              dao::Date::fromYmd(2049, 7, 4)})
        EXPECT_EQ(dao::Date::fromText(d.toShortString()), d) << d.toShortString().toStdString();
}

}  // namespace
