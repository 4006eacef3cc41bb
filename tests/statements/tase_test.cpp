// The balance sheet into tase, the pruning of empty groups in tula and tase,
// and the demo year's balance sheet, whose two sides agree once the year's
// profit is booked.

#include "statementfixture.h"

using namespace kvtest;

namespace {

QString mr(long id, long ma, long parent, long order, const char* side, const char* text, const char* tilit,
           const char* kaava = "", bool equation = false, bool voitto = false, long tlID = 0) {
    return QStringLiteral("INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, "
                          "mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES "
                          "(%1, %2, '%3', '%4', %5, %6, '%7', '%8', False, %9, %10, %11, '%3');\n")
        .arg(id)
        .arg(ma)
        .arg(QString::fromUtf8(side), QString::fromUtf8(tilit))
        .arg(parent)
        .arg(order)
        .arg(QString::fromUtf8(text), QString::fromUtf8(kaava), equation ? QStringLiteral("True") : QStringLiteral("False"),
             voitto ? QStringLiteral("True") : QStringLiteral("False"), QString::number(tlID));
}

class Tase : public StatementTest {
protected:
    // Income model 10 (profit row on 9990) and balance model 20: assets A1
    // and group A2 with A21; liabilities B1 and the formula row B2 carrying
    // model 10's profit on 2090; an empty formula row before both.
    void exampleBook() {
        makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'Tulos', 1, False);\n"
                                "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu, maTulosMaID) VALUES (20, 'Tase', 2, False, 10);\n") +
                 mr(541, 10, 0, 1, "K", "Tuotot", "43,") + mr(542, 10, 0, 2, "K", "Kulut", "55,") +
                 mr(543, 10, 0, 3, "K", "Ylijäämä", "119,", "", false, true) +
                 mr(600, 20, 0, 0, "D", "Tyhjä kaava", "", "", true) + mr(601, 20, 0, 1, "D", "Vastaavaa", "") +
                 mr(602, 20, 601, 1, "D", "A1", "19,20,") + mr(603, 20, 601, 2, "D", "A2", "") +
                 mr(604, 20, 603, 1, "D", "A21", "11,") + mr(605, 20, 0, 2, "K", "Vastattavaa", "") +
                 mr(606, 20, 605, 1, "K", "B1", "24,") + mr(607, 20, 605, 2, "K", "B2", "", "+-10,", true, false, 25));
        core::VoittoTaseella = 25;
        voucher("1.1.2031", "19 D 5000; 11 D 500; 24 K 5500", true);
        voucher("10.1.2031", "43 K 1000; 19 D 1000");
        voucher("15.3.2031", "55 D 400; 19 K 400");
        voucher("1.1.2030", "19 D 3000; 24 K 3000", true, true);
        voucher("1.6.2030", "43 K 2500; 19 D 2500", false, true);
    }
    void balance(long tulosMaID, long maID, const dao::Date& end) {
        dao::Database d = db();
        statements::TyhjennaTulaJaTase(d);
        statements::RakennaBudjettitositteet();
        statements::TeeAutomaattikirjaukset(tulosMaID, core::TilikausiAlku, end, nullptr, false);
        statements::bLiikevaihtoHiljaa = true;
        statements::LaskeTase(maID, core::TilikausiAlku, end, nullptr);
    }
    static QList<long> printGroups(const std::vector<Line>& ls) {
        QList<long> out;
        for (const Line& l : ls) out << l.n("tasePrintGroup");
        return out;
    }
};

TEST_F(Tase, TheExampleModelGivesBalancesTotalsAndPrintGroups) {
    exampleBook();
    balance(10, 20, core::TilikausiLoppu);
    std::vector<Line> t = tase();
    EXPECT_EQ(shape(t), QStringList({"0V", "0H", "1V", "1H", "2V", "1T", "B", "0T", "B", "0H", "1V", "1V", "0T", "B"}));
    EXPECT_EQ(printGroups(t), QList<long>({0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2}));
    // Text, opening balance (whatever its date), the year's movement without
    // it, closing, the previous year with its opening entries, the change,
    // account key, group flag, mark. The empty formula is a zero line; the
    // formula row B2 carries model 10's profit from the year start. Both
    // sides agree, this year and the last.
    EXPECT_EQ(rows(QStringLiteral("SELECT taseteksti, taseAlkusaldo, taseMuutos, taseLoppusaldo, taseLoppusaldoEdellinen, "
                                  "taseMuutosEdelliseen, tasetlID, taseIsGroupRow, taseMerkki FROM tase "
                                  "WHERE taseTyyppi >= 0 AND tasemrID IS NULL ORDER BY taseID")),
              QStringList({"Tyhjä kaava 0 0 0 0 0 0 False ", "A1 5000 600 5600 5500 100 0 False ",
                           "A21 500 0 500 0 500 0 False ", "A2 500 0 500 0 500 0 True **",
                           "Vastaavaa 5500 600 6100 5500 600 0 True **", "B1 5500 0 5500 3000 2500 0 False ",
                           "B2 0 600 600 2500 -1900 25 False ", "Vastattavaa 5500 600 6100 5500 600 0 True **"}));
    EXPECT_NEAR(t[2].d("taseMuutosProsEdelliseen"), 100.0 / 55.0, 1e-9);
    EXPECT_TRUE(t[4].isNull("taseMuutosProsEdelliseen"));
    EXPECT_EQ(t[3].mark(), "");
    EXPECT_EQ(t[3].n("tasemrID"), 603);

    // The print removes the separators after the top-level blocks only.
    statements::PoistaTaseValirivit();
    EXPECT_EQ(shape(tase()), QStringList({"0V", "0H", "1V", "1H", "2V", "1T", "B", "0T", "0H", "1V", "1V", "0T"}));

    // An end date before the year: no movement.
    balance(10, 20, dao::Date::fromYmd(2030, 12, 31));
    EXPECT_EQ(tase()[2].c("taseMuutos"), eur("0"));
    EXPECT_EQ(tase()[2].c("taseLoppusaldo"), eur("5000"));
}

TEST_F(Tase, AccountLinesCarryTheirAccountsForTheOpeningEntries) {
    exampleBook();
    reports::TiliErottelu = true;
    balance(10, 20, core::TilikausiLoppu);
    std::vector<Line> t = tase();
    EXPECT_EQ(shape(t), QStringList({"0V", "0H", "1H", "2V", "2V", "1T", "B", "1H", "2H", "3V", "2T", "B", "1T",
                                              "B", "0T", "B", "0H", "1H", "2V", "1T", "B", "1V", "0T", "B"}));
    EXPECT_EQ(t[3].text(), "1910 Pankkitili, käyttötili");
    EXPECT_EQ(t[3].n("tasetlID"), 19);
    EXPECT_EQ(t[4].c("taseLoppusaldo"), eur("0"));

    // What the year change books its opening entries from.
    reports::VainTap = true;
    balance(10, 20, core::TilikausiLoppu);
    QMap<long, dao::Currency> opening;
    dao::Database d = db();
    dao::Recordset rs = d.OpenRecordset(QStringLiteral("SELECT * FROM tase WHERE tasetlID > 0 AND taseIsGroupRow = False"),
                                        dao::RecordsetType::Snapshot);
    dao::Currency sides[3];
    for (; !rs.isEOF(); rs.MoveNext()) {
        opening[core::NzLong(rs.value("tasetlID"))] = core::NzCurrency(rs.value("taseLoppusaldo"));
        sides[core::NzLong(rs.value("tasePrintGroup"))] += core::NzCurrency(rs.value("taseLoppusaldo"));
    }
    rs.Close();
    EXPECT_EQ(opening.keys(), QList<long>({11, 19, 24, 25}));  // account 20 has no entries
    EXPECT_EQ(opening[19], eur("5600"));
    EXPECT_EQ(opening[25], eur("600"));
    EXPECT_EQ(sides[1], sides[2]);
}

TEST_F(Tase, EmptyGroupsArePrunedWithTheirSeparators) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (10, 'T', 1, False);\n"
                            "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (21, 'B', 2, False);\n") +
             mr(701, 10, 0, 1, "K", "Z", "46,") + mr(702, 10, 0, 2, "K", "G", "") + mr(703, 10, 702, 1, "K", "G1", "43,") +
             mr(704, 10, 702, 2, "K", "S", "") + mr(705, 10, 704, 1, "K", "S1", "47,") + mr(706, 10, 702, 3, "K", "G2", "48,") +
             mr(707, 10, 0, 3, "K", "H", "") + mr(708, 10, 707, 1, "K", "H1", "44,") + mr(709, 10, 707, 2, "K", "H2", "45,") +
             mr(710, 10, 0, 4, "K", "E", "") + mr(711, 10, 710, 1, "K", "E1", "49,") +
             mr(611, 21, 0, 1, "D", "T0", "20,") + mr(612, 21, 0, 2, "D", "P", "") + mr(613, 21, 612, 1, "D", "P1", "19,") +
             mr(614, 21, 612, 2, "D", "Q", "") + mr(615, 21, 614, 1, "D", "Q1", "21,") + mr(616, 21, 612, 3, "D", "P2", "12,") +
             mr(617, 21, 0, 3, "D", "R", "") + mr(618, 21, 617, 1, "D", "R1", "13,"));
    voucher("1.3.2031", "43 K 10; 44 K 100; 45 D 100; 19 D 10");
    exec(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buNykyinen) VALUES (49, 77, True)"));

    const dao::Date a = core::TilikausiAlku, b = core::TilikausiLoppu;
    dao::Database d = db();
    statements::TyhjennaTulaJaTase(d);
    statements::RakennaBudjettitositteet();
    statements::LaskeTuloslaskelma(10, a, b, nullptr);
    statements::KarsiTyhjatTulaRyhmat();
    statements::PoistaViimeinenTulaRivi();
    std::vector<Line> t = tula();
    // Z and E (budget only) go with their separators; in G the zero
    // subgroup and the zero leaf go; H's lines cancel out but carry values.
    EXPECT_EQ(shape(t), QStringList({"0H", "1V", "0T", "B", "0H", "1V", "1V", "0T"}));
    EXPECT_EQ(t[1].text(), "G1");
    EXPECT_EQ(t[7].c("tulaToteutunutKuluva"), eur("0"));

    statements::LaskeTase(21, a, b, nullptr);
    statements::KarsiTyhjatTaseRyhmat();
    // A zero top-level account row stays in the balance sheet.
    EXPECT_EQ(shape(tase()), QStringList({"0V", "B", "0H", "1V", "0T", "B"}));
    statements::PoistaTaseValirivit();
    EXPECT_EQ(shape(tase()), QStringList({"0V", "0H", "1V", "0T"}));
}

// The general template's balance sheet on the demo year: with the year's
// profit booked, assets and liabilities agree, this year and the last.
TEST_F(Tase, TheDemoYearsBalanceSheetBalances) {
    makeDemo();
    balance(1, 2, core::TilikausiLoppu);
    const std::vector<Line> t = tase();
    const Line& assets = find(t, "VASTAAVAA", true);
    const Line& liabilities = find(t, "VASTATTAVAA", true);
    EXPECT_GT(assets.c("taseLoppusaldo"), eur("10000"));
    EXPECT_EQ(assets.c("taseLoppusaldo"), liabilities.c("taseLoppusaldo"));
    EXPECT_EQ(assets.c("taseAlkusaldo"), liabilities.c("taseAlkusaldo"));
    EXPECT_EQ(assets.c("taseLoppusaldoEdellinen"), liabilities.c("taseLoppusaldoEdellinen"));
    // The year's surplus row: the 2025 deficit brought forward was moved
    // away at the spring meeting, so the row ends with 2026's result alone.
    EXPECT_NE(find(t, "Tilikauden yli-/alijäämä").c("taseAlkusaldo"), dao::Currency());
    EXPECT_EQ(find(t, "Tilikauden yli-/alijäämä").c("taseLoppusaldo"), statements::VoittoSumma(0));
    EXPECT_EQ(assets.n("tasePrintGroup"), 1);
    EXPECT_EQ(liabilities.n("tasePrintGroup"), 2);

    // Mid-year too.
    balance(1, 2, dao::Date::fromYmd(2026, 6, 30));
    const std::vector<Line> mid = tase();
    EXPECT_EQ(find(mid, "VASTAAVAA", true).c("taseLoppusaldo"), find(mid, "VASTATTAVAA", true).c("taseLoppusaldo"));
    EXPECT_EQ(find(mid, "VASTAAVAA", true).c("taseLoppusaldoEdellinen"),
              find(mid, "VASTATTAVAA", true).c("taseLoppusaldoEdellinen"));
}

}  // namespace
