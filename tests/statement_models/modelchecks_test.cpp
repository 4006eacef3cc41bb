// The model checks on the general template's models (sound) and on broken
// copies of them, one kind of finding at a time; the location texts; the
// correction of the balance sides; damaged trees that must not hang.

#include "modelfixture.h"
#include "statement_models/modelchecks.h"

using namespace statement_models;

namespace {

class ModelChecks : public kvtest::ModelTest {
protected:
    // "message | location" of every finding, the location on one line.
    QStringList run(long tulos, long tase) {
        QStringList out;
        for (const cMalliVirhe& f : TarkistaMallit(tulos, tase)) {
            QString where = f.HierarkiaTeksti;
            where.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
            if (where.endsWith(QStringLiteral(" / "))) where.chop(3);
            out << f.VirheTeksti + QStringLiteral(" | ") + where;
        }
        return out;
    }
};

const QString kNotAll = QStringLiteral("Ei tarkistettu: Onko kaikki tilit käytössä. | ");
const QString kNotTwice =
    QStringLiteral("Ei tarkistettu: Onko sama tili useampaan kertaan taseessa tai tuloslaskelmassa. | ");

TEST_F(ModelChecks, TheTemplateModelsAreSound) {
    makeBook();
    EXPECT_EQ(run(1, 2), QStringList());
    EXPECT_EQ(run(0, 0), QStringList());
    EXPECT_EQ(run(1, 0), QStringList({kNotAll, kNotTwice}));
    EXPECT_EQ(run(0, 2), QStringList({kNotAll, kNotTwice}));
}

TEST_F(ModelChecks, LocationsNameTheModelAndEveryLevel) {
    makeBook();
    dao::Database d = db();
    EXPECT_EQ(GetRiviSijainti(d, 104, 2),
              "Tase\r\n  VASTAAVAA\r\n    Pysyvät vastaavat\r\n      Aineettomat hyödykkeet\r\n"
              "        Aineettomat oikeudet\r\n");
    EXPECT_EQ(GetTasePuoli(d, 104, 2), 1);
    EXPECT_EQ(GetTasePuoli(d, 127, 2), 2);
    EXPECT_EQ(GetTasePuoli(d, 2, 1), 0);
    EXPECT_EQ(GetTiliTeksti(d, 5), "1150 Koneet ja kalusto");
    EXPECT_EQ(GetTiliTeksti(d, 9999), "");
    core::NaytaTilinumerot = false;
    EXPECT_EQ(GetTiliTeksti(d, 5), "Koneet ja kalusto");
}

TEST_F(ModelChecks, RowFindingsOfEachKind) {
    makeBook(QStringLiteral(
        // A formula row with a blank account list; one with an empty list passes.
        "UPDATE mr SET mrTilit = ' ' WHERE mrID = 28;\n"
        // Accounts on a group; "-1," on a group passes.
        "UPDATE mr SET mrTilit = ' ' WHERE mrID = 15;\n"
        "UPDATE mr SET mrTilit = '-1,' WHERE mrID = 9;\n"
        // A debit side on an income row with accounts; on a group without accounts it passes.
        "UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID IN (2, 29);\n"
        // Three profit rows: one finding at the first.
        "UPDATE mr SET mrIsVoitto = True WHERE mrID IN (57, 58);\n"
        // A formula left on a row that does not use it.
        "UPDATE mr SET mrKaava = '+3,' WHERE mrID = 3;\n"
        // Balance sides against the two halves; a row outside both is not judged.
        "UPDATE mr SET mrSaldoPuoli = 'K' WHERE mrID = 104;\n"
        "UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID = 127;\n"
        "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, "
        "mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) "
        "VALUES (150, 2, 'K', '', 0, 3, 'Muut', '', False, False, False, 0, 'K');\n"
        "UPDATE mr SET mrBelongsToGroup = 150, mrSaldoPuoli = 'K' WHERE mrID = 123;\n"));
    const QString income = QStringLiteral("Tuloslaskelma /   ");
    EXPECT_EQ(run(1, 0),
              QStringList({
                  "Mallissa on valittuna sekä tilejä, että käytä kaavaa. | " + income +
                      "Varsinaisen toiminnan tuotto-/kulujäämä",
                  "Mallissa on valittuna tilejä pääryhmään. | " + income + "Varsinaisen toiminnan kulut /     Muut kulut",
                  "Tuloslaskelmassa on valittuna saldopuoleksi debet. | " + income +
                      "Varsinaisen toiminnan tuotot /     Osallistumis- ja kurssimaksut",
                  "Mallissa on 3 riviä, jotka on merkitty Voitto / Tappio riviksi. | " + income +
                      "Tilinpäätössiirrot /     Poistoeron muutos",
                  "Mallissa on luotu kaava, joka ei ole käytössä. | " + income +
                      "Varsinaisen toiminnan tuotot /     Leiri- ja retkimaksut",
                  kNotAll,
                  kNotTwice,
              }));
    EXPECT_EQ(run(0, 2), QStringList({
                             "Vastaavaa-puolella on valittuna saldopuoleksi kredit. | Tase /   VASTAAVAA /     Pysyvät "
                             "vastaavat /       Aineettomat hyödykkeet /         Aineettomat oikeudet",
                             "Vastattavaa-puolella on valittuna saldopuoleksi debet. | Tase /   VASTATTAVAA /     Oma "
                             "pääoma /       Sidotut rahastot",
                             kNotAll,
                             kNotTwice,
                         }));
    // The finding carries its row.
    const MalliVirheet findings = TarkistaMallit(0, 2);
    EXPECT_EQ(findings.front().mrID, 104);
    EXPECT_EQ(findings.back().mrID, 0);
}

TEST_F(ModelChecks, FormulaTermsMustFollowTheOrderOfTheRows) {
    // Rows 28, 41 and 49 stand in that order; profit terms and rows of
    // another model take no place.
    makeBook(QStringLiteral("UPDATE mr SET mrKaava = '+49,+28,' WHERE mrID = 50;\n"
                            "UPDATE mr SET mrKaava = '+49,+41,+28,' WHERE mrID = 55;\n"
                            "UPDATE mr SET mrKaava = '+28,+-1,+41,+104,' WHERE mrID = 41;\n"
                            "UPDATE mr SET mrKaava = '+49,' WHERE mrID = 49;\n"
                            "UPDATE mr SET mrIsEquation = True, mrKaava = '+104,+x,,+102,' WHERE mrID = 125;\n"));
    const QStringList findings = run(1, 0);
    ASSERT_EQ(findings.size(), 5) << findings.join('\n').toStdString();
    EXPECT_EQ(findings[0], "Kaavassa summausjärjestys on väärin. | Tuloslaskelma /   Tuotto-/kulujäämä");
    EXPECT_EQ(findings[1], "Kaavassa summausjärjestys on väärin. | Tuloslaskelma /   Tilikauden tulos");
    EXPECT_EQ(findings[2], findings[1]);
    // The balance model's formula row is judged in the balance model's turn;
    // the pieces that are not numbers are passed over.
    EXPECT_EQ(run(0, 2).first(), "Kaavassa summausjärjestys on väärin. | Tase /   VASTATTAVAA");
}

TEST_F(ModelChecks, AccountsUsedNowhereOrTwice) {
    // Account 5 leaves the balance sheet; account 12 is also on an income row,
    // twice; account 9999 is no account; pieces past the hundred-and-first
    // are read like the others.
    QString many;
    for (int i = 0; i < 101; ++i) many += QStringLiteral("7,");
    many += QStringLiteral("8,");
    makeBook(QStringLiteral("UPDATE mr SET mrTilit = '' WHERE mrID = 109;\n"
                            "UPDATE mr SET mrTilit = '12,12,9999,' WHERE mrID = 8;\n"
                            "UPDATE mr SET mrTilit = '54,' WHERE mrID = 2;\n"
                            "UPDATE mr SET mrTilit = ' ' WHERE mrID = 113;\n"
                            "UPDATE mr SET mrTilit = '%1' WHERE mrID = 112;\n")
                 .arg(many.left(255)));
    const QStringList findings = run(1, 2);
    EXPECT_EQ(findings, QStringList({
                            "Kaikki tilit eivät ole käytössä. | 1150 Koneet ja kalusto",
                            "Kaikki tilit eivät ole käytössä. | 3000 Osallistumismaksut",
                            "Kaikki tilit eivät ole käytössä. | 3010 Kurssimaksut",
                            "Sama tili on mallissa useampaan kertaan. | 1200 Osakkeet ja osuudet",
                            "Sama tili on mallissa useampaan kertaan. | 1510 Jäsenmaksusaamiset",
                        }))
        << findings.join('\n').toStdString();
}

TEST_F(ModelChecks, DamagedTreesEndWithoutFalseFindings) {
    makeBook(QStringLiteral("UPDATE mr SET mrBelongsToGroup = 105 WHERE mrID = 103;\n"
                            "UPDATE mr SET mrBelongsToGroup = 9999 WHERE mrID = 116;\n"));
    // The rows that are their own ancestors are named first; the other
    // finding is true of the damaged data: row 105 has become a group and
    // keeps its account.
    const QStringList findings = run(0, 2);
    ASSERT_EQ(findings.size(), 4) << findings.join('\n').toStdString();
    EXPECT_TRUE(findings[0].startsWith("Mallin \"Tase\" rivit eivät muodosta puuta")) << findings[0].toStdString();
    EXPECT_TRUE(findings[0].contains("\n105 \"Muut pitkävaikutteiset menot\"\n103 \"Aineettomat hyödykkeet\"\n"));
    EXPECT_EQ(findings[1], "Mallissa on valittuna tilejä pääryhmään. | Tase /   Aineettomat hyödykkeet /     Muut "
                           "pitkävaikutteiset menot");
    dao::Database d = db();
    EXPECT_EQ(GetRiviSijainti(d, 116, 2), "Tase\r\n  Aineet ja tarvikkeet\r\n");
    EXPECT_TRUE(GetRiviSijainti(d, 104, 2).startsWith("Tase\r\n"));
}

TEST_F(ModelChecks, TheCorrectionSetsTheSidesTheStatementCallsFor) {
    makeBook(QStringLiteral("UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID IN (1, 2, 28);\n"
                            "UPDATE mr SET mrSaldoPuoli = NULL WHERE mrID = 3;\n"
                            "UPDATE mr SET mrSaldoPuoli = 'x' WHERE mrID = 4;\n"
                            "UPDATE mr SET mrSaldoPuoli = 'K' WHERE mrID IN (101, 104);\n"
                            "UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID IN (125, 127);\n"
                            "UPDATE mr SET mrTeksti = 'Vastattavaa-erä' WHERE mrID = 105;\n"
                            "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, "
                            "mrTeksti, mrKaava, mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) "
                            "VALUES (150, 2, 'D', '5,', 0, 3, 'Muut', '', False, False, False, 0, 'D');\n"));
    dao::Database d = db();
    KorjaaSaldopuolet(d, 1);
    EXPECT_EQ(count(QStringLiteral("mrmaID = 1 AND mrSaldoPuoli <> 'K'")), 0);
    EXPECT_EQ(rowText(3, "mrSaldoPuoli"), "<null>");

    KorjaaSaldopuolet(d, 2);
    for (long id : {101, 104}) EXPECT_EQ(rowText(id, "mrSaldoPuoli"), "D") << id;
    for (long id : {125, 127, 105}) EXPECT_EQ(rowText(id, "mrSaldoPuoli"), "K") << id;
    EXPECT_EQ(rowText(150, "mrSaldoPuoli"), "D");  // on neither side
    KorjaaSaldopuolet(d, 9999);

    // A balance model named for the credit side puts every row there.
    exec(QStringLiteral("UPDATE ma SET maNimi = 'Vastattavaa' WHERE maID = 2"));
    KorjaaSaldopuolet(d, 2);
    EXPECT_EQ(count(QStringLiteral("mrmaID = 2 AND mrSaldoPuoli <> 'K'")), 0);
    EXPECT_EQ(run(0, 2).size(), 2);
}

}  // namespace
