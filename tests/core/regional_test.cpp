// The regional formats: which locale the program follows, and the one
// reader and writer of amounts and dates under it.
//
// Besides the ordinary Finnish run, CTest runs these under LC_ALL=C,
// C.UTF-8, en_US.UTF-8, fi_FI.UTF-8 and sv_FI.UTF-8 (tests/core/CMakeLists.txt);
// each test then lets the program choose its formats as at start-up.

#include "core/globals.h"
#include "core/values.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

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
    for (const auto& c : cases) EXPECT_EQ(core::ReadAmount(c.typed), c.amount) << c.typed.toStdString();
}

TEST_F(RegionalFormats, AmountsAreShownInTheLocalesFormAndReadBackExactly) {
    const QString nbsp(QChar(0x00A0));
    const QString minus = QLocale().negativeSign();
    const QString mark = QLocale().name() == QLatin1String("en_US") ? QStringLiteral(".") : QStringLiteral(",");
    // Two decimals, four when the amount has more; digit groups parted by
    // a no-break space, also where the locale groups with a comma.
    EXPECT_EQ(core::AmountText(Currency::fromRaw(1205000)), "120" + mark + "50");
    EXPECT_EQ(core::AmountText(Currency::fromRaw(12345000)), "1" + nbsp + "234" + mark + "50");
    EXPECT_EQ(core::AmountText(Currency::fromRaw(-50)), minus + "0" + mark + "0050");
    EXPECT_EQ(core::AmountText(Currency()), "0" + mark + "00");
    EXPECT_TRUE(core::CurrencyText(Currency::fromRaw(12345000)).contains("1" + nbsp + "234" + mark + "50"))
        << core::CurrencyText(Currency::fromRaw(12345000)).toStdString();
    const std::int64_t raws[] = {0, 1, -1, 5000, 1205000, -55000, 12345678901234, -9876543210,
                                 Currency::kStorableRawMax, -Currency::kStorableRawMax};
    for (const std::int64_t r : raws) {
        const Currency amount = Currency::fromRaw(r);
        EXPECT_EQ(core::ReadAmount(core::AmountText(amount)), amount) << core::AmountText(amount).toStdString();
    }
}

TEST_F(RegionalFormats, DatesAreTypedAndShownInTheLocalesShortForm) {
    const dao::Date march1 = dao::Date::fromYmd(2026, 3, 1);
    const QString name = QLocale().name();
    const QString shown = name == QLatin1String("en_US")   ? QStringLiteral("3/1/2026")
                          : name == QLatin1String("sv_FI") ? QStringLiteral("2026-03-01")
                                                           : QStringLiteral("1.3.2026");
    EXPECT_EQ(core::DateText(march1), shown);
    EXPECT_EQ(core::ReadDate(shown), march1);
    EXPECT_EQ(core::DateText(dao::Date()), QString());
    // The Finnish form reads whatever the locale.
    EXPECT_EQ(core::ReadDate(QStringLiteral("15.3.2026")), dao::Date::fromYmd(2026, 3, 15));
    EXPECT_EQ(core::ReadDate(QStringLiteral(" 5.3.31 ")), dao::Date::fromYmd(2031, 3, 5));
    EXPECT_EQ(core::ReadDate(QStringLiteral("2026-03-15")), dao::Date::fromYmd(2026, 3, 15));
    EXPECT_EQ(core::ReadDate(QStringLiteral("5.3.")), dao::Date::fromYmd(QDate::currentDate().year(), 3, 5));
    for (const char* bad : {"31.2.2026", "30.12.1899", "5.", "15 Mar 2026", "", "12a"})
        EXPECT_FALSE(core::ReadDate(QString::fromLatin1(bad)).has_value()) << bad;
    for (const dao::Date d : {dao::Date::fromYmd(2026, 12, 31), dao::Date::fromYmd(1999, 1, 9),
                              dao::Date::fromYmd(2049, 7, 4)})
        EXPECT_EQ(core::ReadDate(core::DateText(d)), d) << core::DateText(d).toStdString();
}

}  // namespace
