// Budget vouchers made from the budget table, and the automatic profit
// bookings with their refusals.

#include "statementfixture.h"
#include "statements/vientisummat.h"

#include <functional>
#include <sqlite3.h>

using namespace kvtest;

namespace {

const QString kModel = QStringLiteral(
    "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Tulos', 1, False);\n"
    "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (11, 'Ilman voittoriviä', 1, False);\n"
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrIsEquation, mrIsVoitto) "
    "VALUES (541, 10, 'K', '', 0, 1, 'Tuotot ja kulut', False, False);\n"
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrIsEquation, mrIsVoitto) "
    "VALUES (542, 10, 'K', '43,', 541, 1, 'Tuotot', False, False);\n"
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrIsEquation, mrIsVoitto) "
    "VALUES (543, 10, 'K', '55,', 541, 2, 'Kulut', False, False);\n"
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrIsEquation, mrIsVoitto) "
    "VALUES (544, 10, 'K', '119,', 0, 2, 'Ylijäämä', False, True);\n"
    "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrIsEquation, mrIsVoitto) "
    "VALUES (545, 11, 'K', '43,', 0, 1, 'Tuotot', False, False);\n");

class Bookings : public StatementTest {
protected:
    // The automatic entries of a voucher and entry table pair, in key order:
    // date, number, account, side, amount and cost centre of each.
    QStringList automatic(const QString& vouchers, const QString& vp, const QString& entries, const QString& ep,
                          const QString& link) {
        return rows(QStringLiteral("SELECT ") + vp + "Pvm, " + vp + "Numero, " + ep + "tlID, " + ep + "Tyyppi, " + ep +
                    "Arvo, " + ep + "kpID FROM " + vouchers + ", " + entries + " WHERE " + link + " = " + vp + "ID AND " +
                    ep + "Automaatti = True ORDER BY " + ep + "ID");
    }
    QStringList ledger() { return automatic("[to]", "to", "vi", "vi", "vitoID"); }
    QStringList previous() { return automatic("toE", "toE", "viE", "viE", "viEtoID"); }
    QStringList budget() { return automatic("bo", "bo", "bi", "bi", "biboID"); }
    QStringList nextBudget() { return automatic("boT", "boT", "biTu", "biT", "biTboID"); }
    QStringList prevBudget() { return automatic("boE", "boE", "biE", "biE", "biEboID"); }
    // The two entries of one booking: the model's profit account first.
    static QStringList pair(const QString& date, const QString& number, const QString& side, const QString& amount,
                            const QString& kp = "0") {
        const QString rest = " " + side + " " + amount + " " + kp;
        return {date + " " + number + " 119" + rest, date + " " + number + " 25" + rest};
    }
    void book(long maID, const dao::Date& start, const dao::Date& end) {
        statements::RakennaBudjettitositteet();
        statements::TeeAutomaattikirjaukset(maID, start, end, nullptr, false);
    }
    static dao::Date ymd(int y, int m, int d) { return dao::Date::fromYmd(y, m, d); }
};

TEST_F(Bookings, BudgetRowsBecomeTwelveMonthlyVouchersPerYearWithSignedSides) {
    makeBook();
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buKuukausi2, buKuukausi3, buNykyinen) VALUES (43, -150, 150, 0, True)"));
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi12, buNykyinen) VALUES (44, 12.5, True)"));
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buNykyinen) VALUES (0, 99, True)"));
    statements::RakennaBudjettitositteet();
    const QStringList vouchers = rows(QStringLiteral("SELECT boNumero, boPvm FROM bo ORDER BY boID"));
    ASSERT_EQ(vouchers.size(), 12);
    EXPECT_EQ(vouchers.front(), "1 2031-01-01");
    EXPECT_EQ(vouchers.back(), "12 2031-12-01");
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM bo WHERE boSelite = ' ' AND boAutomaatti = False", "n"), 12);
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM bi", "n"), 24);  // two rows with an account, every month
    EXPECT_EQ(rows(QStringLiteral("SELECT biTyyppi, biArvo FROM bi, bo WHERE biboID = boID AND (bitlID = 43 AND boNumero "
                                  "<= 3 OR bitlID = 44 AND boNumero = 12) ORDER BY boNumero")),
              QStringList({"D 150", "K 150", "K 0", "K 12.5"}));
    for (const char* t : {"boE", "biE", "boT", "biTu"})
        EXPECT_EQ(number(QStringLiteral("SELECT COUNT(*) AS n FROM %1").arg(QLatin1String(t)), "n"), 0) << t;

    // A year starting on 31 January: months end where the month does; the
    // next year from a 29 February start; a year whose rows have no account.
    core::TilikausiAlku = ymd(2032, 1, 31);
    core::EdTilikausiAlku = ymd(2031, 1, 31);
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buTuleva) VALUES (45, 5, True)"));
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buEdellinen) VALUES (0, 5, True)"));
    statements::RakennaBudjettitositteet();
    EXPECT_EQ(rows(QStringLiteral("SELECT boPvm FROM bo ORDER BY boNumero")).mid(0, 3),
              QStringList({"2032-01-31", "2032-02-29", "2032-03-31"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT boTPvm FROM boT ORDER BY boTNumero")).mid(0, 2),
              QStringList({"2033-01-31", "2033-02-28"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT boEPvm FROM boE ORDER BY boENumero")).size(), 12);
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM biE", "n"), 0);
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM biTu WHERE biTTyyppi = 'K' AND biTArvo = 5", "n"), 1);
    // Rebuilt whole: the same content again, automatic rows gone.
    core::TilikausiAlku = ymd(2032, 2, 29);
    exec(QStringLiteral("INSERT INTO bo (boNumero, boPvm, boAutomaatti) VALUES (-1, #1/1/2032#, True)"));
    statements::RakennaBudjettitositteet();
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM bo", "n"), 12);
    EXPECT_EQ(rows(QStringLiteral("SELECT boTPvm FROM boT ORDER BY boTNumero")).front(), "2033-02-28");
}

TEST_F(Bookings, TheYearsResultIsBookedOnBothProfitAccountsInEveryColumn) {
    makeBook(kModel);
    core::VoittoTaseella = 25;
    voucher("10.1.2031", "43 K 1000; 19 D 1000");
    voucher("15.3.2031", "55 D 400 3; 19 K 400");
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buNykyinen) VALUES (43, 500, True)"));

    // The whole year: the period starts with the year, five vouchers.
    book(10, core::TilikausiAlku, core::TilikausiLoppu);
    EXPECT_EQ(statements::VoittoSumma(0), eur("600"));
    EXPECT_EQ(ledger(), pair("2031-12-31", "-2", "K", "600"));
    EXPECT_EQ(text("SELECT toSelite FROM [to] WHERE toAutomaatti = True", "toSelite"), "Automaattikirjaukset");
    EXPECT_EQ(budget(), pair("2031-12-31", "-1", "K", "500", ""));  // the cost centre is not written
    EXPECT_EQ(nextBudget(), pair("2032-12-31", "-1", "D", "0", ""));
    EXPECT_EQ(prevBudget(), pair("2030-12-31", "-1", "D", "0", ""));
    EXPECT_EQ(previous(), pair("2030-12-31", "-2", "D", "0"));

    // March to May: the period's loss, and January-February as a voucher
    // of its own dated the day before the period; the earlier run's are gone.
    book(10, ymd(2031, 3, 1), ymd(2031, 5, 31));
    EXPECT_EQ(ledger(), pair("2031-05-31", "-2", "D", "400") + pair("2031-02-28", "-2", "K", "1000"));
    EXPECT_EQ(budget(), pair("2031-05-31", "-1", "D", "0", "") + pair("2031-02-28", "-2", "K", "500", ""));
    EXPECT_EQ(nextBudget().mid(2), pair("2032-02-29", "-2", "D", "0", ""));
    EXPECT_EQ(prevBudget().mid(2), pair("2030-02-28", "-2", "D", "0", ""));
    EXPECT_EQ(previous(), pair("2030-05-31", "-2", "D", "0") + pair("2030-02-28", "-2", "D", "0"));

    // One cost centre: the sums are its own, and only the period's voucher carries it.
    reports::RaporttiKpID = 3;
    book(10, ymd(2031, 3, 1), ymd(2031, 5, 31));
    EXPECT_EQ(ledger(), pair("2031-05-31", "-2", "D", "400", "3") + pair("2031-02-28", "-2", "D", "0"));
}

TEST_F(Bookings, MissingOrEqualProfitAccountsAreRefusedAndTheEarlierBookingsStay) {
    makeBook(kModel);
    voucher("10.1.2031", "43 K 1000; 19 D 1000");
    core::VoittoTaseella = 25;
    book(10, core::TilikausiAlku, core::TilikausiLoppu);
    const QStringList booked[] = {ledger(), previous(), budget(), nextBudget(), prevBudget()};
    ASSERT_EQ(booked[0], pair("2031-12-31", "-2", "K", "1000"));
    auto untouched = [&] {
        const QStringList now[] = {ledger(), previous(), budget(), nextBudget(), prevBudget()};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(now[i], booked[i]) << "table pair " << i;
    };
    const auto refuse = [](long maID) {
        statements::TeeAutomaattikirjaukset(maID, core::TilikausiAlku, core::TilikausiLoppu, nullptr, false);
    };

    const QString none = QStringLiteral("\nTilikauden ylijäämän kirjauksia ei tehdä.");
    dialogs.expectMessage(QStringLiteral("Voittotiliä ei ole määritelty tuloslaskelmaan.") + none, ui::Answer::OK);
    refuse(11);
    EXPECT_EQ(statements::VoittoSumma(0), dao::Currency());
    // A refused run changes nothing: the earlier run's bookings stay.
    untouched();

    core::VoittoTaseella = 0;
    dialogs.expectMessage(QStringLiteral("Voittotiliä ei ole määritelty tuloslaskelmaan."), ui::Answer::OK)
        .expectMessage(QStringLiteral("Taseen \"Tilikauden voitto\" tiliä ei ole määritelty asetuksissa.") + none,
                       ui::Answer::OK);
    refuse(11);
    untouched();

    core::VoittoTaseella = 119;
    dialogs.expectMessage(QStringLiteral("Voittotili tuloslaskelmassa on sama kuin voittotili taseella.") + none,
                          ui::Answer::OK);
    refuse(10);
    untouched();
    EXPECT_EQ(dialogs.shown().size(), 4);

    // The statement printed after the refusal still shows the booked result
    // on its profit row.
    statements::LaskeTuloslaskelma(10, core::TilikausiAlku, core::TilikausiLoppu, nullptr);
    EXPECT_EQ(find(tula(), QStringLiteral("Ylijäämä")).c("tulaToteutunutKuluva"), eur("1000"));
}

// Another program commits a voucher at the end of a step of the run: after
// the step's reads, before the store takes the book's stamp. Whatever the
// step reads and however, the profit booking that follows is that of a run
// started afresh on the book that holds the voucher.
TEST_F(Bookings, AnotherProgramsCommitAtTheEndOfAStepShowsInTheProfitBooking) {
    makeBook(kModel);
    core::VoittoTaseella = 25;
    exec(QStringLiteral("UPDATE mr SET mrIsLiikevaihto = True WHERE mrID = 541"));
    voucher("10.1.2031", "43 K 1000; 19 D 1000");
    const dao::Date alku = core::TilikausiAlku;
    const dao::Date loppu = core::TilikausiLoppu;
    const struct { const char* what; std::function<void()> step; } steps[] = {
        {"the turnover", [&] { statements::LaskeLiikevaihto(10, alku, loppu, true, nullptr); }},
        {"the budget vouchers", [] { statements::RakennaBudjettitositteet(); }},
        {"the income statement", [&] { statements::LaskeTuloslaskelma(10, alku, loppu, nullptr); }},
        {"the balance sheet", [&] { statements::LaskeTase(2, alku, loppu, nullptr); }},
        {"the profit booking", [&] { statements::TeeAutomaattikirjaukset(10, alku, loppu, nullptr, false); }},
    };
    // Counting down: the keys of the run's own bookings count up.
    long key = 9000000;
    long income = 1000;
    for (const auto& c : steps) {
        SCOPED_TRACE(c.what);
        // A run afresh, whose store has read the entries before the step.
        dao::Database d = db();
        statements::TyhjennaTulaJaTase(d);
        statements::TeeAutomaattikirjaukset(10, alku, loppu, nullptr, false);
        bool landed = false;
        --key;
        statements::detail::Vientisummat::setVaiheenLoppu([&] {
            if (landed) return;
            sqlite3* other = nullptr;
            ASSERT_EQ(sqlite3_open(core::DatabasePath.toUtf8().constData(), &other), SQLITE_OK);
            const QByteArray sql = QStringLiteral(
                "BEGIN IMMEDIATE;"
                "INSERT INTO [to] (toID, toNumero, toPvm, toSelite) VALUES (%1, 2, '2031-02-01', 'x');"
                "INSERT INTO vi (viID, vitoID, vitlID, viTyyppi, viArvo) VALUES (%1, %1, 43, 'K', 100);"
                "COMMIT;").arg(key).toUtf8();
            landed = sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
            if (!landed) sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        });
        c.step();
        statements::detail::Vientisummat::setVaiheenLoppu(nullptr);
        ASSERT_TRUE(landed);
        income += 100;
        statements::TeeAutomaattikirjaukset(10, alku, loppu, nullptr, false);
        EXPECT_EQ(ledger(), pair("2031-12-31", "-2", "K", QString::number(income)));
    }
}

}  // namespace
