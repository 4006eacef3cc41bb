// The change of financial year through its window: the demo year closed
// with and without opening entries, the side rule of the opening entries,
// the refusals, and failures part-way that must leave the book untouched.

#include "core/bookfixture.h"
#include "support/swedish.h"
#include "yearchangefixture.h"

#include <QDir>
#include <functional>
#include <optional>

namespace {

using kvtest::eur;
using ui::Answer;

class YearChange : public kvtest::YearChangeTest {
protected:
    const QString kDone = QStringLiteral("Tilikauden vaihto tehty.");
    const QString kChoose = QStringLiteral("Valitse tasemalli, jonka mukaan kirjataan avausviennit!");
    const QString kNoIncomeModel =
        QStringLiteral("Tasemallille ei ole määritelty tuloslaskelmaa, jonka perusteella tilikauden voitto kirjataan.");
    const QString kFailed = QStringLiteral("Tilikauden vaihto ei onnistunut. Kirjanpitoon ei tehty muutoksia.");

    const QString kVouchers = QStringLiteral("toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti");
    const QString kVouchersE = QStringLiteral("toENumero, toEPvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti");
    const QString kEntries = QStringLiteral(
        "vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti, vikpID");
    const QString kEntriesE = QStringLiteral(
        "viEtoID, viEtlID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, viEAutomaatti, viEkpID");

    // Runs the change in the window with the model chosen and the box as given.
    void change(const QString& model, bool openingEntries = true) {
        auto& w = open();
        if (!model.isNull()) choose(w.cmbTasemalli, model);
        w.chkTeeAvausviennit->setChecked(openingEntries);
        dialogs.expectMessage(kDone, Answer::OK);
        w.cTilikaudenvaihto->click();
        EXPECT_TRUE(closed());
    }

    // The account's balance on the debit side over the entries of the year.
    dao::Currency debitBalance(long tlID) {
        dao::Currency sum;
        for (const QString& r : table(QStringLiteral("SELECT viTyyppi, viArvo FROM vi WHERE vitlID = %1").arg(tlID))) {
            const QStringList f = r.split(QLatin1Char('|'));
            const dao::Currency a = *dao::Currency::parseInvariant(f[1]);
            sum += f[0] == QLatin1String("D") ? a : -a;
        }
        return sum;
    }
};

// ---------------------------------------------------------------- the window

TEST_F(YearChange, WindowShowsBothYearsAndAsksForABalanceModel) {
    makeSmall(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu, maTulosMaID) VALUES (3, 'Arkistotase', 2, False, 1);\n"));
    // A year that ends on 29 February: the next one ends on the 28th.
    core::TilikausiAlku = dao::Date::fromYmd(2027, 3, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2028, 2, 29);
    auto& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tilikauden vaihto"));
    EXPECT_EQ(w.lblTilikausiAlku->text(), QStringLiteral("1.3.2027"));
    EXPECT_EQ(w.lblTilikausiLoppu->text(), QStringLiteral("29.2.2028"));
    EXPECT_EQ(w.lblTilikausiUusiAlku->text(), QStringLiteral("1.3.2028"));
    EXPECT_EQ(w.lblTilikausiUusiLoppu->text(), QStringLiteral("28.2.2029"));
    ASSERT_EQ(w.cmbTasemalli->count(), 3);
    EXPECT_EQ(w.cmbTasemalli->itemText(0), QStringLiteral(" "));
    EXPECT_EQ(w.cmbTasemalli->itemData(0).toLongLong(), 0);
    EXPECT_EQ(w.cmbTasemalli->itemText(1), QStringLiteral("Arkistotase"));
    EXPECT_EQ(w.cmbTasemalli->itemData(1).toLongLong(), 3);
    EXPECT_EQ(w.cmbTasemalli->itemText(2), QStringLiteral("Tase"));
    EXPECT_EQ(w.cmbTasemalli->currentIndex(), -1);
    EXPECT_TRUE(w.chkTeeAvausviennit->isChecked());

    // Cancel changes nothing.
    const auto before = dump();
    w.cPeru->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(core::TilikausiLoppu, dao::Date::fromYmd(2028, 2, 29));
}

TEST_F(YearChange, WithoutBalanceModelsOnlyTheChangeWithoutOpeningEntriesRuns) {
    makeSmall(QStringLiteral("DELETE FROM ma WHERE maTyyppi = 2;\n"));
    voucher(QStringLiteral("5.3.2031"), QStringLiteral("19 D 10; 43 K 10"));
    auto& w = open();
    ASSERT_EQ(w.cmbTasemalli->count(), 1);
    EXPECT_EQ(w.cmbTasemalli->currentIndex(), 0);  // the blank item, chosen
    dialogs.expectMessage(kNoIncomeModel, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_FALSE(closed());
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM [to]"), QStringLiteral("n")), 1);

    w.chkTeeAvausviennit->setChecked(false);
    dialogs.expectMessage(kDone, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM [to]"), QStringLiteral("n")), 0);
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM toE"), QStringLiteral("n")), 1);
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM viE"), QStringLiteral("n")), 2);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2032, 1, 1));
}

// ---------------------------------------------------------------- the demo year

TEST_F(YearChange, WithOpeningEntriesTheDemoYearMovesWholeAndTheNewYearOpensFromItsBalance) {
    makeDemo();
    // Two entries without cost centre or text, on the bank accounts.
    const long anyVoucher = number(QStringLiteral("SELECT MAX(toID) AS n FROM [to] WHERE toNumero > 0"), QStringLiteral("n"));
    exec(QStringLiteral("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, vikpID, viAvausvienti) "
                        "VALUES (%1, 19, 'D', 0.05, Null, Null, False)").arg(anyVoucher));
    exec(QStringLiteral("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, vikpID, viAvausvienti) "
                        "VALUES (%1, 20, 'K', 0.05, Null, Null, False)").arg(anyVoucher));
    reports::RaporttiKpID = 3;
    reports::TiliErottelu = false;

    const QStringList vouchersBefore =
        table(QStringLiteral("SELECT toID, %1 FROM [to] WHERE toAutomaatti = False ORDER BY toID").arg(kVouchers));
    QStringList entriesBefore =
        table(QStringLiteral("SELECT viID, %1 FROM vi WHERE viAutomaatti = False ORDER BY viID").arg(kEntries));
    ASSERT_GT(vouchersBefore.size(), 90);
    ASSERT_GT(entriesBefore.size(), 400);
    int withoutCostCentre = 0;
    for (QString& r : entriesBefore)
        if (r.endsWith(QLatin1String("|-"))) {
            r.chop(1);
            r += QLatin1Char('0');  // a missing cost centre is written as 0
            ++withoutCostCentre;
        }
    EXPECT_EQ(withoutCostCentre, 2);
    const dao::Currency bank = debitBalance(19);
    const QStringList budgetPrevious = table(QStringLiteral("SELECT buID FROM bu WHERE buEdellinen = True ORDER BY buID"));
    const QStringList budgetCurrent = table(QStringLiteral("SELECT buID FROM bu WHERE buNykyinen = True ORDER BY buID"));
    const QStringList budgetNext = table(QStringLiteral("SELECT buID FROM bu WHERE buTuleva = True ORDER BY buID"));
    ASSERT_FALSE(budgetPrevious.isEmpty() || budgetCurrent.isEmpty() || budgetNext.isEmpty());

    change(QStringLiteral("Tase"));

    // The previous-year tables hold the closed year, keys and all: the
    // earlier previous year (2025) is gone.
    EXPECT_EQ(table(QStringLiteral("SELECT toEID, %1 FROM toE WHERE toEAutomaatti = False ORDER BY toEID").arg(kVouchersE)),
              vouchersBefore);
    EXPECT_EQ(table(QStringLiteral("SELECT viEID, %1 FROM viE WHERE viEAutomaatti = False ORDER BY viEID").arg(kEntriesE)),
              entriesBefore);
    // The year's profit booking went with it.
    EXPECT_EQ(table(QStringLiteral("SELECT %1 FROM toE WHERE toEAutomaatti = True").arg(kVouchersE)),
              QStringList({"-2|2026-12-31|Automaattikirjaukset|False|False|True"}));
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM viE WHERE viEAutomaatti = True"), QStringLiteral("n")), 2);

    // The current year holds the opening voucher alone.
    const QStringList opening = table(QStringLiteral("SELECT toID, %1 FROM [to]").arg(kVouchers));
    ASSERT_EQ(opening.size(), 1);
    EXPECT_EQ(opening[0].section(QLatin1Char('|'), 1), QStringLiteral("0|2027-01-01|Tilinavausviennit|True|False|False"));
    const long toID = opening[0].section(QLatin1Char('|'), 0, 0).toLong();

    // Its entries are the closing balance sheet, account by account:
    // assets on their own side, the rest the other way round.
    QStringList expected;
    dao::Currency debit, credit;
    for (const kvtest::Line& l : tase()) {
        if (l.n("tasetlID") <= 0 || l.group() || l.c("taseLoppusaldo").isZero()) continue;
        const dao::Currency s = l.c("taseLoppusaldo");
        const bool d = (s > dao::Currency()) == (l.n("tasePrintGroup") == 1);
        expected << QStringLiteral("%1|%2|%3").arg(l.n("tasetlID")).arg(d ? "D" : "K", s.abs().toInvariantString());
        (d ? debit : credit) += s.abs();
    }
    EXPECT_GT(expected.size(), 10);
    EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM vi ORDER BY viID")), expected);
    EXPECT_EQ(debit, credit);  // the opening balance balances
    EXPECT_TRUE(expected.contains(QStringLiteral("19|D|") + bank.toInvariantString()));
    EXPECT_EQ(table(QStringLiteral("SELECT DISTINCT vitoID, viAvausvienti, viAutomaatti, viPaatosvienti FROM vi")),
              QStringList({QStringLiteral("%1|True|False|False").arg(toID)}));

    // The year moved on, in the program and in the book.
    EXPECT_EQ(years(), (Years{dao::Date::fromYmd(2027, 1, 1), dao::Date::fromYmd(2027, 12, 31),
                              dao::Date::fromYmd(2026, 1, 1), dao::Date::fromYmd(2026, 12, 31)}));
    EXPECT_EQ(core::RaporttiAlkuPvm, dao::Date::fromYmd(2027, 1, 1));
    EXPECT_EQ(core::RaporttiLoppuPvm, dao::Date::fromYmd(2027, 12, 31));
    EXPECT_EQ(setting(QStringLiteral("TilikausiAlku")), QStringLiteral("2027-01-01"));
    EXPECT_EQ(setting(QStringLiteral("TilikausiLoppu")), QStringLiteral("2027-12-31"));
    EXPECT_EQ(setting(QStringLiteral("EdTilikausiAlku")), QStringLiteral("2026-01-01"));
    EXPECT_EQ(setting(QStringLiteral("EdTilikausiLoppu")), QStringLiteral("2026-12-31"));
    EXPECT_EQ(reports::RaporttiKpID, 0);
    EXPECT_TRUE(reports::TiliErottelu);

    // The budget years rotated: the previous one dropped, the current one
    // now the previous, the next one now the current, none left as next.
    EXPECT_EQ(table(QStringLiteral("SELECT buID FROM bu WHERE buEdellinen = True ORDER BY buID")), budgetCurrent);
    EXPECT_EQ(table(QStringLiteral("SELECT buID FROM bu WHERE buNykyinen = True ORDER BY buID")), budgetNext);
    EXPECT_TRUE(table(QStringLiteral("SELECT buID FROM bu WHERE buTuleva = True")).isEmpty());
    EXPECT_EQ(table(QStringLiteral("SELECT buID FROM bu ORDER BY buID")).size(), budgetCurrent.size() + budgetNext.size());
}

TEST_F(YearChange, WithoutOpeningEntriesTheYearMovesAndTheNewYearStartsEmpty) {
    makeDemo();
    exec(QStringLiteral("INSERT INTO tase (taseTyyppi, taseteksti) VALUES (1, 'vanha')"));
    const QStringList vouchersBefore = table(QStringLiteral("SELECT toID, %1 FROM [to] ORDER BY toID").arg(kVouchers));
    const QStringList entriesBefore = table(QStringLiteral("SELECT viID, %1 FROM vi ORDER BY viID").arg(kEntries));
    const QStringList budgetNext = table(QStringLiteral("SELECT buID FROM bu WHERE buTuleva = True ORDER BY buID"));

    change(QStringLiteral("Tase"), false);

    EXPECT_EQ(table(QStringLiteral("SELECT toEID, %1 FROM toE ORDER BY toEID").arg(kVouchersE)), vouchersBefore);
    EXPECT_EQ(table(QStringLiteral("SELECT viEID, %1 FROM viE ORDER BY viEID").arg(kEntriesE)), entriesBefore);
    for (const char* t : {"[to]", "vi", "tula", "tase"})
        EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM %1").arg(QLatin1String(t)), QStringLiteral("n")), 0) << t;
    EXPECT_FALSE(reports::TiliErottelu);
    EXPECT_EQ(years(), (Years{dao::Date::fromYmd(2027, 1, 1), dao::Date::fromYmd(2027, 12, 31),
                              dao::Date::fromYmd(2026, 1, 1), dao::Date::fromYmd(2026, 12, 31)}));
    EXPECT_EQ(table(QStringLiteral("SELECT buID FROM bu WHERE buNykyinen = True ORDER BY buID")), budgetNext);
}

// ---------------------------------------------------------------- opening entries

TEST_F(YearChange, OpeningEntriesFollowTheGroupAndTheSignOfEachBalance) {
    makeSmall();
    voucher(QStringLiteral("1.1.2031"), QStringLiteral("19 D 1000; 24 K 1000"), true);
    voucher(QStringLiteral("5.3.2031"), QStringLiteral("11 K 200; 36 D 200"));  // an asset and a debt below zero
    voucher(QStringLiteral("6.3.2031"), QStringLiteral("20 D 50; 20 K 50"));    // nets to zero: no entry
    change(QStringLiteral("Tase"));
    EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM vi ORDER BY viID")),
              QStringList({"11|K|200", "19|D|1000", "24|K|1000", "36|D|200"}));

    // A second change carries the same balances on, and moves the first
    // change's opening voucher into the previous year.
    change(QStringLiteral("Tase"));
    EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM vi ORDER BY viID")),
              QStringList({"11|K|200", "19|D|1000", "24|K|1000", "36|D|200"}));
    EXPECT_EQ(table(QStringLiteral("SELECT %1 FROM toE ORDER BY toEID").arg(kVouchersE)),
              QStringList({"0|2032-01-01|Tilinavausviennit|True|False|False",
                           "-2|2032-12-31|Automaattikirjaukset|False|False|True"}));
    EXPECT_EQ(table(QStringLiteral("SELECT toNumero, toPvm FROM [to]")), QStringList({"0|2033-01-01"}));
    EXPECT_EQ(years(), (Years{dao::Date::fromYmd(2033, 1, 1), dao::Date::fromYmd(2033, 12, 31),
                              dao::Date::fromYmd(2032, 1, 1), dao::Date::fromYmd(2032, 12, 31)}));
}

TEST_F(YearChange, ZeroBalancesGiveAnEmptyOpeningVoucher) {
    makeSmall();
    change(QStringLiteral("Tase"));
    EXPECT_EQ(table(QStringLiteral("SELECT %1 FROM [to]").arg(kVouchers)),
              QStringList({"0|2032-01-01|Tilinavausviennit|True|False|False"}));
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM vi"), QStringLiteral("n")), 0);
}

TEST_F(YearChange, ABalanceSheetWithoutAccountLinesBooksNoOpeningVoucher) {
    makeSmall(QStringLiteral(
        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu, maTulosMaID) VALUES (3, 'Tyhjä tase', 2, False, 1);\n"
        "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, "
        "mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) "
        "VALUES (500, 3, 'D', ' ', 0, 1, 'VASTAAVAA', '', False, False, False, 0, 'D');\n"));
    // Entries on the income model's accounts alone: no balance is left out.
    voucher(QStringLiteral("5.3.2031"), QStringLiteral("44 D 10; 43 K 10"));
    change(QStringLiteral("Tyhjä tase"));
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM [to]"), QStringLiteral("n")), 0);
    EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM toE WHERE toEAutomaatti = False"), QStringLiteral("n")), 1);
}

// What a book holds does not decide what the change stores: the defaults
// of its definitions reach neither the opening voucher nor its entries
// (behind the check of the layout, which refuses such a book), and a key
// counter at the end of the program's keys (32 bits) or of the engine's
// (64 bits) gives no key past them: the change is refused in words naming
// the table, and the book is left as it was.
TEST_F(YearChange, WhatTheBookHoldsDoesNotDecideWhatTheChangeStores) {
    const struct {
        const char* name;
        QByteArray craft;
        bool layoutChecked;
        QString refusedTable;  // none: the change is made
    } cases[] = {
        {"defaults of another program",
         "UPDATE sqlite_master SET sql = replace(replace(sql, '\"vikpID\" LONG', '\"vikpID\" LONG DEFAULT 777'), "
         "'\"viSelite\" TEXT(255)', '\"viSelite\" TEXT(255) DEFAULT ''VIERAS''') WHERE name = 'vi'; "
         "UPDATE sqlite_master SET sql = replace(sql, '\"toPaatostosite\" BIT NOT NULL DEFAULT 0', "
         "'\"toPaatostosite\" BIT NOT NULL DEFAULT 1') WHERE name = 'to'",
         false, QString()},
        {"the balance sheet's counter at the end of the program's keys",
         "DELETE FROM sqlite_sequence WHERE name = 'tase'; INSERT INTO sqlite_sequence VALUES ('tase', 2147483647)",
         true, QStringLiteral("tase")},
        {"the vouchers' counter at the end of the engine's keys",
         "UPDATE sqlite_sequence SET seq = 9223372036854775806 WHERE name = 'to'", true, QStringLiteral("to")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<kvtest::WithoutLayoutCheck> secondWall;
        if (!c.layoutChecked) secondWall.emplace();
        makeSmall();
        voucher(QStringLiteral("1.1.2031"), QStringLiteral("19 D 1000; 24 K 1000"), true);
        voucher(QStringLiteral("5.3.2031"), QStringLiteral("44 D 10; 43 K 10"));
        core::DBCon().SuljeDB();
        kvtest::runOnBook(core::DatabasePath, c.craft);
        if (c.refusedTable.isEmpty()) {
            change(QStringLiteral("Tase"));
            EXPECT_EQ(table(QStringLiteral("SELECT %1 FROM [to]").arg(kVouchers)),
                      QStringList({"0|2032-01-01|Tilinavausviennit|True|False|False"}));
            EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viSelite, viAvausvienti, viPaatosvienti, vikpID FROM vi "
                                           "ORDER BY viID")),
                      QStringList({"19|-|True|False|-", "24|-|True|False|-"}));
        } else {
            const auto before = dump();
            auto& w = open();
            choose(w.cmbTasemalli, QStringLiteral("Tase"));
            dialogs.expectMessage(kFailed, Answer::OK);
            w.cTilikaudenvaihto->click();
            const QString told = dialogs.shown().value(dialogs.shown().size() - 1).text;
            EXPECT_TRUE(told.endsWith(QStringLiteral("Tietoja ei tallennettu. Taulun '%1' avaimet ovat lopussa: uusi "
                                                     "avain olisi suurempi kuin 2147483647.")
                                          .arg(c.refusedTable)))
                << told.toStdString();
            EXPECT_EQ(dump(), before);
            EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 1, 1));
            ui::Forms::unload(w);
        }
        core::DBCon().SuljeDB();
        ASSERT_TRUE(QFile::remove(core::DatabasePath));
    }
}

// The steps report their texts and the bar's values in order; the profit
// booking's own refusal lets the change go on.
TEST_F(YearChange, StepsAreReportedInOrderAndARefusedProfitBookingDoesNotStopTheChange) {
    makeSmall();
    core::VoittoTaseella = 0;
    voucher(QStringLiteral("1.1.2031"), QStringLiteral("19 D 1000; 24 K 1000"), true);
    QStringList texts;
    QList<int> values;
    maintenance::KaudenVaihtoSeuranta s;
    s.vaihe = [&](const QString& t) { texts << t; };
    s.valmis = [&](int v) { values << v; };
    dialogs.expectMessage(QStringLiteral("Tilikauden ylijäämän kirjauksia ei tehdä."), Answer::OK);
    EXPECT_EQ(maintenance::VaihdaTilikausi({2, true}, s).tila, maintenance::KaudenVaihtoTulos::Tehty);
    EXPECT_EQ(texts, QStringList({"Lasketaan tilikauden tase.", "Poistetaan vanhat historiatiedot.",
                                  "Siirretään viennit vertailutietoihin.", "Poistetaan viennit.",
                                  "Vaihdetaan tilikausien päivämäärät.", "Kirjataan avausviennit.",
                                  "Siirretään budjetit."}));
    EXPECT_EQ(values, QList<int>({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM vi ORDER BY viID")),
              QStringList({"19|D|1000", "24|K|1000"}));
}

// ---------------------------------------------------------------- refusals

TEST_F(YearChange, WithoutAChoiceOfModelNothingHappens) {
    makeDemo();
    const auto before = dump();
    auto& w = open();
    for (bool opening : {true, false}) {
        w.chkTeeAvausviennit->setChecked(opening);
        dialogs.expectMessage(kChoose, Answer::OK);
        w.cTilikaudenvaihto->click();
        EXPECT_FALSE(closed());
    }
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
}

TEST_F(YearChange, ABalanceModelWithoutIncomeModelIsRefusedBeforeAnythingMoves) {
    makeDemo();
    exec(QStringLiteral("UPDATE ma SET maTulosMaID = 0 WHERE maID = 2"));
    exec(QStringLiteral("INSERT INTO tase (taseTyyppi, taseteksti) VALUES (1, 'vanha')"));
    auto before = dump();
    before.remove(QStringLiteral("tase"));
    auto& w = open();
    for (const char* model : {"Tase", " "}) {  // the blank item names no model either
        choose(w.cmbTasemalli, QString::fromUtf8(model));
        dialogs.expectMessage(kNoIncomeModel, Answer::OK);
        w.cTilikaudenvaihto->click();
        EXPECT_FALSE(closed());
        EXPECT_TRUE(w.cTilikaudenvaihto->isEnabled());
    }
    auto after = dump();
    EXPECT_TRUE(after.take(QStringLiteral("tase")).isEmpty());  // the work tables were emptied
    EXPECT_EQ(after, before);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
    EXPECT_TRUE(reports::TiliErottelu);
}

// An account added to the chart (3080) with entries of the year, but on
// no row of the balance model or of its income model: its balance would be
// left out of the opening entries, which would not balance. The change is
// refused before anything is written, naming the account. With the account
// only on a group row, whose accounts nothing sums, the opening entries
// are found out of balance and the change is refused too; so are they when
// the year's profit could not be booked, and the message names that cause.
// Each refusal leaves the book exactly as it was, and the window's status
// line says so; on a row of its own the change is made.
TEST_F(YearChange, AnAccountLeftOutOfTheModelsStopsTheChangeAndTheBookStaysAsItWas) {
    makeSmall(QStringLiteral("INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (120, 3080, 'Muut tuotot', ' ');\n"));
    voucher(QStringLiteral("1.1.2031"), QStringLiteral("19 D 1000; 24 K 1000"), true);
    voucher(QStringLiteral("5.3.2031"), QStringLiteral("19 D 1254.60; 43 K 1254.60"));
    voucher(QStringLiteral("6.3.2031"), QStringLiteral("19 D 1285.40; 120 K 1285.40"));
    const long profitAccount = core::VoittoTaseella;
    const QString unbalanced =
        QStringLiteral("Debet: ") + eur("3540").toText() + QStringLiteral("\nKredit: ") + eur("1000").toText();
    const QString lostEntry =
        QStringLiteral("Näissä tilikauden tositteissa debet ja kredit eivät täsmää (tosite, päivä ja ero):\n1 5.3.2031 ") +
        eur("1254.60").toText();
    const struct { const char *what, *models; long voittoTaseella; QStringList messages; } cases[] = {
        {"on no row", "", profitAccount, {QStringLiteral("\n3080 Muut tuotot\n")}},
        {"only on a group row", "UPDATE mr SET mrTilit = '120,' WHERE mrID = 1", profitAccount,
         {QStringLiteral("Debet: ") + eur("3540").toText() + QStringLiteral("\nKredit: ") + eur("2254.60").toText() +
          QStringLiteral("\n\nTarkista tasemalli")}},
        {"the profit not booked", "UPDATE mr SET mrTilit = '43,44,120,' WHERE mrID = 2", 0,
         {QStringLiteral("Taseen \"Tilikauden voitto\" tiliä ei ole määritelty asetuksissa.\nTilikauden ylijäämän"),
          unbalanced + QStringLiteral("\n\nTilikauden voittoa ei kirjattu taseelle:\nTaseen \"Tilikauden voitto\" "
                                      "tiliä ei ole määritelty asetuksissa.\n\nMäärittele voittotilit")}},
        // A voucher out of balance (an entry a repair could not read) is
        // named as the cause, beside a profit not booked.
        {"an entry lost", "DELETE FROM vi WHERE viTyyppi = 'K' AND viArvo = 1254.6", profitAccount,
         {lostEntry + QStringLiteral("\n\nKorjaa tositteet ja tee tilikauden vaihto sitten uudelleen.")}},
        {"an entry lost, the profit not booked", "", 0,
         {QStringLiteral("Taseen \"Tilikauden voitto\" tiliä ei ole määritelty asetuksissa."),
          lostEntry + QStringLiteral("\n\nKorjaa tositteet ja tee tilikauden vaihto sitten uudelleen.\n\nTilikauden "
                                     "voittoa ei kirjattu taseelle:")}},
        {"on a row of its own",
         "INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, vikpID) SELECT vitoID, 43, 'K', 1254.6, 0 FROM vi "
         "WHERE viArvo = 1254.6",
         profitAccount, {kDone}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (*c.models) exec(QString::fromUtf8(c.models));
        core::VoittoTaseella = c.voittoTaseella;
        const auto before = dump();
        auto& w = open();
        choose(w.cmbTasemalli, QStringLiteral("Tase"));
        for (const QString& m : c.messages) dialogs.expectMessage(m, Answer::OK);
        QTest::mouseClick(w.cTilikaudenvaihto, Qt::LeftButton);
        if (c.messages.first() == kDone) break;
        ASSERT_FALSE(closed());
        EXPECT_EQ(w.lblStatus->text(), QStringLiteral("Tilikauden vaihtoa ei tehty."));
        EXPECT_EQ(w.pBar->value(), 0);
        EXPECT_EQ(dump(), before);
        EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 1, 1));
        QTest::mouseClick(w.cPeru, Qt::LeftButton);
    }
    EXPECT_TRUE(closed());
    EXPECT_EQ(table(QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM vi ORDER BY viID")),
              QStringList({"19|D|3540", "24|K|1000", "25|K|2540"}));
}

// Another copy of the program on the same book made the change while this
// copy's window stood open on the year before: the year is not closed a
// second time. Nothing is written, the user is told, the program takes the
// book's year and the window, whose year is gone, closes.
TEST_F(YearChange, AChangeAnotherCopyHasMadeIsNotMadeAgain) {
    makeDemo();
    auto& w = open();
    choose(w.cmbTasemalli, QStringLiteral("Tase"));
    const core::Settings stale = core::CurrentSettings;
    maintenance::KaudenVaihtoValinnat other;
    other.tasemalliID = static_cast<long>(w.cmbTasemalli->currentData().toLongLong());
    ASSERT_EQ(maintenance::VaihdaTilikausi(other).tila, maintenance::KaudenVaihtoTulos::Tehty);
    core::CurrentSettings = stale;
    const auto before = dump();
    dialogs.expectMessage(QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                         "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                         "käyttää nyt kirjanpidon tilikautta 1.1.2027 - 31.12.2027."),
                          Answer::OK);
    QTest::mouseClick(w.cTilikaudenvaihto, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(closed());
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2027, 1, 1));
    EXPECT_EQ(core::EdTilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
}

// A year the program does not work in is not closed: its dates would move
// every voucher over the previous year. Nothing is written, and the window
// says why in the words of the main window's commands.
TEST_F(YearChange, AYearNotInUseIsNotClosed) {
    makeDemo();
    struct Case {
        const char* name;
        std::function<void()> year;
        QString told;
    };
    const Case cases[] = {
        {"ends before it begins", [] { core::TilikausiLoppu = dao::Date::fromYmd(2025, 12, 31); },
         QStringLiteral("Tilikausi päättyy ennen kuin se alkaa: 1.1.2026 - 31.12.2025\r\n")},
        {"refused at start",
         [] {
             core::HylattyTilikausi = core::BrokenYear{false, false, dao::Date::fromYmd(2026, 1, 1),
                                                       dao::Date::fromYmd(2025, 12, 31)};
             core::TilikausiAlku = core::TilikausiLoppu = dao::Date();
         },
         QStringLiteral("Tilikausi päättyy ennen kuin se alkaa: 1.1.2026 - 31.12.2025\r\n")},
        {"past the year 9999", [] { core::EdTilikausiAlku = dao::Date::fromYmd(10000, 1, 1); },
         QStringLiteral("Edellisen tilikauden päivämäärä ei ole vuosien 100 - 9999 välillä: 1.1.10000 - 31.12.2025\r\n")},
    };
    const core::Settings sound = core::CurrentSettings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        core::CurrentSettings = sound;
        const auto before = dump();
        auto& w = open();
        choose(w.cmbTasemalli, QStringLiteral("Tase"));
        c.year();
        dialogs.expectMessage(c.told + QStringLiteral("Korjaa tilikauden päivämäärät asetuksista."), Answer::OK);
        w.cTilikaudenvaihto->click();
        EXPECT_FALSE(closed());
        EXPECT_EQ(dump(), before);
        ui::Forms::unload(w);
        core::HylattyTilikausi.reset();
    }
}

// ---------------------------------------------------------------- failures

// A failure at any step leaves the book exactly as it was, the year where
// it was and the window open for another try.
class YearChangeFailure : public YearChange, public ::testing::WithParamInterface<const char*> {};

TEST_P(YearChangeFailure, LeavesTheBookAsItWas) {
    makeDemo();
    exec(QStringLiteral("INSERT INTO tase (taseTyyppi, taseteksti) VALUES (1, 'edellinen ajo')"));
    raw(QString::fromUtf8(GetParam()));
    const auto before = dump();
    const Years yearBefore = years();
    const dao::Date reportStart = core::RaporttiAlkuPvm;

    auto& w = open();
    choose(w.cmbTasemalli, QStringLiteral("Tase"));
    dialogs.expectMessage(kFailed, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Critical);
    EXPECT_TRUE(dialogs.shown().last().text.contains(QStringLiteral("kirja lukittu"))) << dialogs.shown().last().text.toStdString();
    ASSERT_FALSE(closed());
    EXPECT_TRUE(w.cTilikaudenvaihto->isEnabled());
    EXPECT_TRUE(w.cPeru->isEnabled());
    EXPECT_EQ(w.pBar->value(), 0);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(years(), yearBefore);
    EXPECT_EQ(core::RaporttiAlkuPvm, reportStart);

    // Once the cause is gone the same window completes the change.
    raw(QStringLiteral("DROP TRIGGER kv_fail"));
    dialogs.expectMessage(kDone, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(table(QStringLiteral("SELECT toNumero FROM [to]")), QStringList({"0"}));
    EXPECT_EQ(core::TilikausiAlku, yearBefore.alku.addYears(1));
}

std::string stageName(const ::testing::TestParamInfo<const char*>& info) {
    static const char* const stages[] = {"WhileTheProfitIsBooked", "WhileTheVouchersMove",
                                         "WhileTheOpeningEntriesAreBooked", "AtTheLastStep"};
    return stages[info.index];
}

INSTANTIATE_TEST_SUITE_P(
    AtEveryStage, YearChangeFailure,
    ::testing::Values(
        "CREATE TRIGGER kv_fail BEFORE INSERT ON vi WHEN NEW.viAutomaatti = 1 BEGIN SELECT RAISE(ABORT, 'kirja lukittu'); END;",
        "CREATE TRIGGER kv_fail BEFORE INSERT ON toE WHEN NEW.toENumero >= 0 BEGIN SELECT RAISE(ABORT, 'kirja lukittu'); END;",
        "CREATE TRIGGER kv_fail BEFORE INSERT ON vi WHEN NEW.viAvausvienti = 1 BEGIN SELECT RAISE(ABORT, 'kirja lukittu'); END;",
        "CREATE TRIGGER kv_fail BEFORE UPDATE ON bu BEGIN SELECT RAISE(ABORT, 'kirja lukittu'); END;"),
    stageName);

TEST_F(YearChange, ABookLockedByAnotherProgramIsLeftAsItWas) {
    makeDemo();
    auto& w = open();
    choose(w.cmbTasemalli, QStringLiteral("Tase"));
    const auto before = dump();

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(core::DatabasePath).constData(), &other, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    dialogs.expectMessage(kFailed, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_FALSE(closed());
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(dump(), before);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));

    dialogs.expectMessage(kDone, Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_TRUE(closed());
}

// ---------------------------------------------------------------- Swedish

TEST_F(YearChange, TheWindowSpeaksSwedishFromTheShippedLanguageFile) {
    makeSmall();
    const QString copy = kvtest::useSwedish(tmp.path());
    ASSERT_FALSE(copy.isEmpty());

    auto& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Byte av räkenskapsperiod"));
    EXPECT_EQ(w.chkTeeAvausviennit->text(), QStringLiteral("Gör räkenskapsperiodens öppningsposteringar utifrån balansräkningen"));
    EXPECT_EQ(w.cPeru->text(), QStringLiteral("Avbryt"));
    dialogs.expectMessage(QStringLiteral("Välj den balansräkningsmall enligt vilken öppningsposteringarna bokförs!"), Answer::OK);
    w.cTilikaudenvaihto->click();
    choose(w.cmbTasemalli, QStringLiteral("Tase"));
    const dao::Date loppu = core::TilikausiLoppu;
    core::TilikausiLoppu = core::TilikausiAlku.addDays(-1);
    dialogs.expectMessage(QStringLiteral("Räkenskapsperioden slutar innan den börjar:"), Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_TRUE(dialogs.shown().last().text.endsWith(
        QStringLiteral("Rätta räkenskapsperiodens datum i inställningarna.")));
    core::TilikausiLoppu = loppu;
    dialogs.expectMessage(QStringLiteral("Räkenskapsperioden har bytts."), Answer::OK);
    w.cTilikaudenvaihto->click();
    EXPECT_TRUE(closed());

    core::SetTranslator(nullptr);
    ini::cIniFile::ClearCache();
    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "a text of the window is missing from the language file";
}

}  // namespace
