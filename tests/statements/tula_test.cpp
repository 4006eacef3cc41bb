// The income statement into tula: the line sequence of a small model with
// its columns, split mode, cost-centre limit, formula rows, turnover, and
// the general template's model on the demo year.

#include "statementfixture.h"

using namespace kvtest;
using statements::LaskeTuloslaskelma;

namespace {

// The period March-April 2031 of the test books' financial year 2031.
// (Functions, not constants: dates made during static initialisation
// would depend on the order other files are initialised in.)
dao::Date mar() { return dao::Date::fromYmd(2031, 3, 1); }
dao::Date apr() { return dao::Date::fromYmd(2031, 4, 30); }

QString row(long id, long parent, long order, const char* text, const char* tilit, const char* kaava = "",
            bool equation = false, bool turnover = false, long ma = 10, const char* side = "K") {
    return QStringLiteral("INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, "
                          "mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES "
                          "(%1, %2, '%3', '%4', %5, %6, '%7', '%8', %9, %10, False, 0, 'K');\n")
        .arg(id)
        .arg(ma)
        .arg(QString::fromUtf8(side), QString::fromUtf8(tilit))
        .arg(parent)
        .arg(order)
        .arg(QString::fromUtf8(text), QString::fromUtf8(kaava), turnover ? QStringLiteral("True") : QStringLiteral("False"),
             equation ? QStringLiteral("True") : QStringLiteral("False"));
}

class Tula : public StatementTest {
protected:
    // Leaf A; group B with leaf B1 and group B2 holding leaf B2a; formula C.
    void exampleModel() {
        makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Esimerkki', 1, False);\n") +
                 row(501, 0, 1, "A", "43,", "", false, true) + row(502, 0, 2, "B", "") + row(503, 502, 1, "B1", "44,") +
                 row(504, 502, 2, "B2", "") + row(505, 504, 1, "B2a", "45,") +
                 row(506, 0, 3, "C", "", "+501,+502,", true));
        voucher("15.2.2031", "43 K 1000; 19 D 1000");
        voucher("10.3.2031", "44 K 300; 44 D 50; 19 D 250");
        voucher("20.4.2031", "45 K 200; 19 D 200");
        voucher("15.2.2030", "43 K 800; 19 D 800", false, true);
        voucher("1.5.2031", "44 K 999; 19 D 999");  // after the period
    }
    // A statement run; with the profit bookings when asked.
    void compute(long maID, const dao::Date& start, const dao::Date& end, bool book = false) {
        dao::Database d = db();
        statements::TyhjennaTulaJaTase(d);
        statements::RakennaBudjettitositteet();
        statements::LaskeLiikevaihto(maID, start, end, true, nullptr);
        if (book) statements::TeeAutomaattikirjaukset(maID, start, end, nullptr, false);
        EXPECT_TRUE(LaskeTuloslaskelma(maID, start, end, nullptr));
        statements::PoistaViimeinenTulaRivi();
    }
};

TEST_F(Tula, TheExampleModelGivesItsLineSequenceWithTotalsAndFormula) {
    exampleModel();
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi3, buKuukausi4, buNykyinen) VALUES (44, 100, 200, True)"));
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi3, buTuleva) VALUES (44, 70, True)"));
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buEdellinen) VALUES (44, 40, True)"));
    compute(10, mar(), apr());

    const std::vector<Line> t = tula();
    EXPECT_EQ(shape(t), QStringList({"0V", "B", "0H", "1V", "1H", "2V", "1T", "B", "0T", "B", "7F"}));
    // Group flags and markers: the value line at the top and totals are named.
    QStringList flags;
    for (const Line& l : t) flags << (l.group() ? "G" : "-") + l.mark();
    EXPECT_EQ(flags, QStringList({"G**", "G<null>", "G<null>", "-<null>", "G<null>", "-<null>", "G**", "G<null>", "G**",
                                  "G<null>", "G**"}));
    EXPECT_EQ(t[2].n("tulamrID"), 502);
    EXPECT_TRUE(t[2].isNull("tulaToteutunutKuluva"));
    // Text, the period, from the year start, a year earlier from its start;
    // the budget, next year's budget, last year's budget from its start. A:
    // 1000 in February; B1: credit 300 - debit 50, budget of March and April,
    // next year's in March 2032 and last year's of January 2030. Totals add
    // each leaf once at every level; C = A + B.
    EXPECT_EQ(rows(QStringLiteral("SELECT tulaTeksti, tulaToteutunutKuluva, tulaToteutunutKuluvaAlusta, "
                                  "tulaToteutunutEdellinenAlusta, tulaBudjetoituKuluva, tulaBudjetoituTuleva, "
                                  "tulaBudjetoituEdellinen, tulaBudjetoituEdellinenAlusta, tulaEroBudTotKuluva, "
                                  "tulaMuutosAlusta FROM tula WHERE tulaTyyppi >= 0 AND tulamrID IS NULL ORDER BY tulaID")),
              QStringList({"A 0 1000 800 0 0 0 0 0 200", "B1 250 250 0 300 70 0 40 -50 250", "B2a 200 200 0 0 0 0 0 200 200",
                           "B2 200 200 0 0 0 0 0 200 200", "B 450 450 0 300 70 0 40 150 450",
                           "C 450 1450 800 300 70 0 40 150 650"}));
    // Percentages, Null where the divisor is 0; the turnover row A has
    // nothing in the period, 1000 from the year start.
    EXPECT_DOUBLE_EQ(t[0].d("tulaProsMuutosAlusta"), 25.0);
    EXPECT_TRUE(t[0].isNull("tulaProsMuutos"));
    EXPECT_TRUE(t[0].isNull("tulaProsLvastaKuluva"));
    EXPECT_DOUBLE_EQ(t[0].d("tulaProsLvastaKuluvaAlusta"), 100.0);
    EXPECT_NEAR(t[3].d("tulaEroProsBudKuluva"), -50.0 / 3.0, 1e-4);
    EXPECT_TRUE(t[5].isNull("tulaEroProsBudKuluva"));
    EXPECT_DOUBLE_EQ(t[8].d("tulaProsLvastaKuluvaAlusta"), 45.0);
}

TEST_F(Tula, SplitModeGivesAccountLinesAndOnlyAccountsWithEntriesWhenAsked) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Jako', 1, False);\n") +
             row(511, 0, 1, "X", "46,47,48,") + row(512, 0, 2, "Y", " ") + row(513, 0, 3, "Z", ","));
    voucher("10.3.2031", "46 K 100; 48 K 40 2; 48 K 5 3; 19 D 145");
    reports::TiliErottelu = true;
    compute(10, mar(), apr());
    std::vector<Line> t = tula();
    EXPECT_EQ(shape(t),
              QStringList({"0H", "1V", "1V", "1V", "0T", "B", "0H", "1V", "0T", "B", "0H", "0T"}));
    EXPECT_EQ(t[1].text(), "3030 Tapahtumien pääsymaksut");
    EXPECT_EQ(t[3].c("tulaToteutunutKuluva"), eur("45"));
    EXPECT_EQ(t[4].c("tulaToteutunutKuluva"), eur("145"));
    EXPECT_EQ(t[7].text(), "");  // a list without accounts: one empty line

    reports::VainTap = true;
    compute(10, mar(), apr());
    t = tula();
    EXPECT_EQ(shape(t), QStringList({"0H", "1V", "1V", "0T", "B", "0H", "0T", "B", "0H", "0T"}));
    EXPECT_EQ(t[3].c("tulaToteutunutKuluva"), eur("145"));

    // One cost centre: only its entries.
    reports::TiliErottelu = false;
    reports::RaporttiKpID = 2;
    compute(10, mar(), apr());
    t = tula();
    EXPECT_EQ(shape(t), QStringList({"0V", "B", "0V", "B", "0V"}));
    EXPECT_EQ(t[0].c("tulaToteutunutKuluva"), eur("40"));
    EXPECT_EQ(t[2].c("tulaToteutunutKuluva"), eur("0"));
}

// The entries a run has read serve its later steps only while the book is
// as they found it: whatever changes it between two steps (the program, in
// a transaction it rolls back, or another program) shows in the next step
// exactly as in a run started afresh.
TEST_F(Tula, AChangeOfTheBookBetweenStepsShowsInTheNextStep) {
    exampleModel();
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi3, buNykyinen) VALUES (44, 100, True)"));
    const QString figures = QStringLiteral(
        "SELECT tulaTeksti, tulaToteutunutKuluva, tulaToteutunutKuluvaAlusta, tulaToteutunutEdellinen, "
        "tulaBudjetoituKuluva FROM tula WHERE tulaTyyppi >= 0 ORDER BY tulaID");
    auto otherProgram = [](const QString& sql) {
        dao::Database other = dao::DBEngine::OpenDatabase(core::DatabasePath);
        other.Execute(sql);
        other.Close();
    };
    struct Case {
        const char* what;
        std::function<void()> change;  // after the run's first steps
        bool inRolledBack = false;     // the first steps run in a transaction rolled back after them
    };
    const Case cases[] = {
        {"a voucher saved", [&] { voucher("12.3.2031", "44 K 7; 19 D 7"); }},
        {"an amount changed by another program",
         [&] { otherProgram(QStringLiteral("UPDATE vi SET viArvo = 301 WHERE viArvo = 300")); }},
        {"a voucher deleted", [&] { exec(QStringLiteral("DELETE FROM [to] WHERE toPvm = #4/20/2031#")); }},
        {"an entry moved to another account by another program",
         [&] { otherProgram(QStringLiteral("UPDATE vi SET vitlID = 45 WHERE viArvo = 50")); }},
        {"a voucher that was never kept", [&] { db().Rollback(); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        compute(10, mar(), apr());
        const QStringList before = rows(figures);
        dao::Database d = db();
        statements::TyhjennaTulaJaTase(d);
        if (c.inRolledBack) {
            d.BeginTrans();
            voucher("13.3.2031", "43 K 11; 19 D 11");
        }
        statements::RakennaBudjettitositteet();
        statements::LaskeLiikevaihto(10, mar(), apr(), true, nullptr);  // reads the model's entries
        c.change();
        LaskeTuloslaskelma(10, mar(), apr(), nullptr);
        statements::PoistaViimeinenTulaRivi();
        const QStringList seen = rows(figures);
        compute(10, mar(), apr());
        EXPECT_EQ(seen, rows(figures));
        if (!c.inRolledBack) {
            EXPECT_NE(before, rows(figures));  // the change counts
        }
    }
}

// Every row's figures come from sums read once for the whole model; they
// are those of the row's own entries: an account listed twice counts once,
// an entry of a voucher that is gone counts nowhere, amounts keep their
// four decimals, a cost centre limits them.
TEST_F(Tula, EachRowSumsItsOwnEntriesExactly) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Tarkka', 1, False);\n") +
             row(531, 0, 1, "Kahdesti", "44,44,") + row(532, 0, 2, "Desimaalit", "45,46,", "", false, false, 10, "D") +
             row(533, 0, 3, "Tyhjä", "47,"));
    voucher("10.3.2031", "44 K 100 1; 44 D 30 2; 19 D 70");
    voucher("11.3.2031", "45 D 12.3456; 46 K 0.0001; 19 K 12.3455");
    QStringList large;
    for (int i = 0; i < 9; ++i) large << QStringLiteral("45 D 9999999999.9999");
    voucher("12.3.2031", large.join(QLatin1Char(';')));
    voucher("12.4.2031", "47 K 5; 19 D 5");
    exec(QStringLiteral("DELETE FROM [to] WHERE toPvm = #4/12/2031#"));  // its entries stay behind
    voucher("1.5.2031", "44 K 1000; 19 D 1000");  // after the period
    compute(10, mar(), apr());
    EXPECT_EQ(rows(QStringLiteral("SELECT tulaTeksti, tulaToteutunutKuluva, tulaToteutunutKuluvaAlusta FROM tula "
                                  "WHERE tulaTyyppi >= 0 ORDER BY tulaID")),
              QStringList({"Kahdesti 70 70", "Desimaalit 90000000012.3446 90000000012.3446", "Tyhjä 0 0"}));
    reports::RaporttiKpID = 1;
    compute(10, mar(), apr());
    EXPECT_EQ(rows(QStringLiteral("SELECT tulaTeksti, tulaToteutunutKuluva FROM tula WHERE tulaTyyppi >= 0 ORDER BY tulaID")),
              QStringList({"Kahdesti 100", "Desimaalit 0", "Tyhjä 0"}));
}

TEST_F(Tula, FormulaTermsFindOnlyEarlierNamedLines) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Kaavat', 1, False);\n") +
             row(521, 0, 1, "A", "43,") + row(522, 0, 2, "G", "") + row(523, 522, 1, "N", "44,") +
             row(527, 522, 2, "Sisäkaava", "45,", "+521,", true) +
             row(524, 0, 3, "F", "", "+522,+523,-521,*521,+525,+-10,", true) + row(525, 0, 4, "L", "45,") +
             row(526, 0, 5, "E", "", " ", true) + row(528, 0, 6, "O''Brien", "46,") +
             row(529, 0, 7, "Q", "", "+528,", true));
    voucher("10.3.2031", "43 K 1000; 44 K 250; 45 K 200; 46 K 7; 19 D 1457");
    compute(10, mar(), apr());
    const std::vector<Line> t = tula();
    // The formula row inside the group is summed from its accounts.
    EXPECT_EQ(find(t, "Sisäkaava").c("tulaToteutunutKuluva"), eur("200"));
    EXPECT_EQ(find(t, "G", true).c("tulaToteutunutKuluva"), eur("450"));
    // G 450, the nested leaf and the later row nothing, A subtracted twice.
    const Line& f = find(t, "F");
    EXPECT_EQ(f.c("tulaToteutunutKuluva"), eur("-1550"));
    EXPECT_EQ(core::NzLong(f.level()), 7);
    const Line& e = find(t, "E");
    EXPECT_EQ(e.c("tulaToteutunutKuluva"), eur("0"));
    EXPECT_TRUE(e.isNull("tulaProsMuutos"));
    EXPECT_EQ(e.c("tulaMuutosAlusta"), eur("0"));
    // A text with an apostrophe is found.
    EXPECT_EQ(find(t, "Q").c("tulaToteutunutKuluva"), eur("7"));
    // The blank line after a formula line is not a group row.
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].text() == "F") {
            EXPECT_FALSE(t[i + 1].group());
        }
    }
}

TEST_F(Tula, TurnoverSumsEachLeafOnItsSideAndAMissingRowIsReported) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'LV', 1, False);\n"
                            "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (11, 'Ei LV', 1, False);\n") +
             row(531, 0, 1, "Liikevaihto", "", "", false, true) + row(532, 531, 1, "K-puoli", "43,") +
             row(533, 531, 2, "D-puoli", "44,", "", false, false, 10, "D") + row(534, 0, 1, "Muu", "43,", "", false, false, 11));
    voucher("1.3.2031", "43 K 1000; 43 D 200; 44 K 50; 19 D 850");
    voucher("30.4.2031", "43 K 10; 19 D 10");
    voucher("2.1.2031", "43 K 5; 19 D 5");
    EXPECT_TRUE(statements::LaskeLiikevaihto(10, mar(), apr(), false, nullptr));
    EXPECT_EQ(statements::LvToteutunutKuluva(), eur("760"));  // 810 - 50
    EXPECT_EQ(statements::LvToteutunutKuluvaAlusta(), eur("765"));

    dialogs.expectMessage(QStringLiteral("Liikevaihtoriviä ei ole määritelty.\n\nSuhdelukuja liikevaihtoon ei voida "
                                         "laskea ilman liikevaihtorivin määrittelyä."),
                          ui::Answer::OK);
    EXPECT_FALSE(statements::LaskeLiikevaihto(11, mar(), apr(), false, nullptr));
    EXPECT_EQ(statements::LvToteutunutKuluva(), eur("0"));
    EXPECT_FALSE(statements::LaskeLiikevaihto(11, mar(), apr(), true, nullptr));  // silent
    LaskeTuloslaskelma(11, mar(), apr(), nullptr);
    EXPECT_TRUE(tula().front().isNull("tulaProsLvastaKuluva"));
}

// The general template's model on the demo year: the statement reads as an
// association's income statement, and its profit row carries the year's
// result booked by the automatic vouchers.
TEST_F(Tula, TheDemoYearsIncomeStatementAddsUp) {
    makeDemo();
    compute(1, core::TilikausiAlku, core::TilikausiLoppu, true);
    const std::vector<Line> t = tula();
    ASSERT_GT(t.size(), 60u);
    EXPECT_EQ(t.front().text(), "Varsinaisen toiminnan tuotot");
    EXPECT_EQ(shape(t).mid(0, 3), QStringList({"0H", "1V", "1V"}));
    EXPECT_EQ(t.back().text(), "Tilikauden ylijäämä (alijäämä)");

    // Every income-statement account (3000-8999) of the year, credit - debit.
    const dao::Currency profit = [&] {
        dao::Currency s;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(
            QStringLiteral("SELECT viTyyppi, viArvo FROM vi, tl WHERE vitlID = tlID AND tlNumero >= 3000 AND tlNumero < 9000"),
            dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext())
            s += core::NzString(rs.value(0)) == "D" ? -core::NzCurrency(rs.value(1)) : core::NzCurrency(rs.value(1));
        return s;
    }();
    EXPECT_NE(profit, dao::Currency());
    EXPECT_EQ(t.back().c("tulaToteutunutKuluva"), profit);
    EXPECT_EQ(statements::VoittoSumma(0), profit);
    // The formula rows build on one another down to the profit row.
    const dao::Currency tulos = find(t, "Tilikauden tulos").c("tulaToteutunutKuluva");
    const dao::Currency siirrot = find(t, "Tilinpäätössiirrot", true).c("tulaToteutunutKuluva");
    const dao::Currency verot = find(t, "Tuloverot").c("tulaToteutunutKuluva");
    EXPECT_EQ(tulos + siirrot + verot, profit);
    EXPECT_EQ(find(t, "Tuotto-/kulujäämä").c("tulaToteutunutKuluva") +
                  find(t, "Yleisavustukset", true).c("tulaToteutunutKuluva"),
              tulos);
    // The turnover row is the first group: its total is 100 % of itself.
    EXPECT_DOUBLE_EQ(find(t, "Varsinaisen toiminnan tuotot", true).d("tulaProsLvastaKuluva"), 100.0);
    // The budget column is filled from the demo's budget.
    EXPECT_NE(find(t, "Varsinaisen toiminnan tuotot", true).c("tulaBudjetoituKuluva"), dao::Currency());
    EXPECT_NE(find(t, "Varsinaisen toiminnan tuotot", true).c("tulaToteutunutEdellinen"), dao::Currency());
}

}  // namespace
