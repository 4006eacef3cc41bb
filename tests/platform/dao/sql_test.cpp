// The Jet dialect as the program writes it: each statement is run against a
// small book and its result compared, so the translation is judged by what
// it does rather than by the text it produces.

#include "platform/dao/database.h"
#include "platform/dao/jetsql.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace dao;

namespace {

class JetSqlTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = DBEngine::CreateDatabase(dir.file("sql.mdb"));
        db.Execute(
            "CREATE TABLE [to] (toID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, toNumero LONG, toPvm DATETIME, "
            "toSelite TEXT(255), toAvaustosite BIT)");
        db.Execute(
            "CREATE TABLE vi (viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, vitoID LONG, vitlID LONG, "
            "viTyyppi TEXT(1), viArvo CURRENCY, viSelite TEXT(255), viAvausvienti BIT)");
        db.Execute("CREATE TABLE tl (tlID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, tlNumero LONG, tlNimi TEXT(50))");
        const char* tl[] = {"Kassa", "Pankki", "Äänestysmaksut", "Öljykulut", "alv-velka", "Ålandsbanken"};
        int n = 1000;
        for (const char* name : tl) db.Execute("INSERT INTO tl (tlNumero, tlNimi) VALUES (?, ?)", {n++, name});
        db.Execute("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite) VALUES (1, #1/15/2031#, 'Jäsenmaksut', False)");
        db.Execute("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite) VALUES (2, #3/5/2031#, \"Vuokra\", False)");
        db.Execute("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite) VALUES (0, #1/1/2031#, 'Avaus', True)");
        db.Execute("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite) VALUES (-2, #12/31/2031#, 'Automaatti', False)");
        // Entries: voucher 1 has two lines, voucher 2 two lines, one entry has no account.
        db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (1, 1, 'D', 12.5, 'a', False)");
        db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (1, 3, 'K', 12.5, 'a', False)");
        db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (2, 2, 'D', 300, 'b', False)");
        db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (2, 99, 'K', 300, 'b', False)");
        db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (77, 1, 'D', 5, 'orpo', False)");
    }

    // The values of one column over all rows.
    QStringList column(const QString& sql, const QString& field) {
        QStringList out;
        Recordset rs = db.OpenRecordset(sql, RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            const Variant v = rs.value(field);
            out << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        return out;
    }
    long count(const QString& sql, const Params& params = {}) {
        Recordset rs = db.OpenRecordset(sql, RecordsetType::Snapshot, 0, params);
        if (rs.isEOF()) return 0;
        rs.MoveLast();
        return rs.RecordCount();
    }

    kvtest::TempDir dir;
    Database db;
};

TEST_F(JetSqlTest, StatementsOfTheDialect) {
    struct Case {
        const char* sql;
        const char* field;
        const char* expected;  // values joined by '|'
    };
    const Case cases[] = {
        // The table named `to` in every position.
        {"SELECT * FROM to WHERE toNumero > 0 AND toAvaustosite = False ORDER BY toNumero ASC", "toNumero", "1|2"},
        {"SELECT to.toNumero FROM to WHERE to.toID = 2", "toNumero", "2"},
        {"SELECT * FROM to WHERE toAvaustosite = True And ToNumero >= 0", "TONUMERO", "0"},
        // Date literals, month first.
        {"SELECT * FROM to WHERE toPvm >= #3/1/2031# AND toPvm <= #3/31/2031#", "toSelite", "Vuokra"},
        {"SELECT * FROM to WHERE toPvm = #1/15/2031#", "toNumero", "1"},
        // Booleans.
        {"SELECT * FROM to WHERE toAvaustosite = True", "toNumero", "0"},
        // Unnamed expressions are named Expr1000, Expr1001, ...
        {"SELECT MAX(toNumero) FROM to WHERE toNumero >= 0", "Expr1000", "2"},
        {"SELECT MAX(toNumero), MIN(toNumero) FROM to", "Expr1001", "-2"},
        {"SELECT COUNT(viID) AS Lkm FROM vi WHERE viArvo <> 0 AND vitlID = 1", "Lkm", "2"},
        {"SELECT COUNT(*) FROM vi WHERE viTyyppi = 'K' AND vitoID = 2", "Expr1000", "1"},
        // MAX over no rows is Null; MAX over dates is a date.
        {"SELECT MAX(toNumero) FROM to WHERE toNumero > 100", "Expr1000", "<null>"},
        {"SELECT MAX(toPvm) FROM to WHERE toNumero >= 0", "Expr1000", "2031-03-05"},
        // Comma join and INNER JOIN.
        {"SELECT * FROM vi, to WHERE vitoID = toID AND toNumero = 2 ORDER BY viID", "viArvo", "300|300"},
        {"SELECT tl.tlNimi FROM vi INNER JOIN tl ON vi.vitlID = tl.tlID WHERE vi.vitoID = 1 ORDER BY vi.viID",
         "tlNimi", "Kassa|Äänestysmaksut"},
        {"SELECT tlNumero AS Tilinumero, viArvo AS Summa, viID FROM vi LEFT JOIN tl ON vi.vitlID = tl.tlID "
         "WHERE vitoID = 2 ORDER BY viID",
         "Tilinumero", "1001|<null>"},
        // Correlated NOT EXISTS, as the voucher check deletes orphans.
        {"SELECT * FROM vi WHERE NOT EXISTS (SELECT * FROM to WHERE vi.vitoID = to.toID)", "viSelite", "orpo"},
        {"SELECT * FROM vi WHERE NOT EXISTS (SELECT * FROM tl WHERE vi.vitlID = tl.tlID)", "vitlID", "99"},
        // DISTINCT, DISTINCTROW, TOP n.
        {"SELECT DISTINCT vitoID FROM vi WHERE vitoID < 10 ORDER BY vitoID", "vitoID", "1|2"},
        {"SELECT DISTINCTROW * FROM tl WHERE tlNumero < 1002 ORDER BY tlNumero", "tlNimi", "Kassa|Pankki"},
        {"SELECT TOP 2 tlNimi FROM tl ORDER BY tlNumero DESC", "tlNimi", "Ålandsbanken|alv-velka"},
        // LIKE with the dialect's wildcards, case-blind for Finnish letters.
        {"SELECT * FROM to WHERE toSelite LIKE '*MAKSU*'", "toNumero", "1"},
        {"SELECT * FROM tl WHERE tlNimi LIKE 'ä*'", "tlNumero", "1002"},
        {"SELECT * FROM tl WHERE tlNimi LIKE '[op]*' ORDER BY tlNumero", "tlNimi", "Pankki"},
        // Text equality ignores case, Finnish letters included.
        {"SELECT * FROM tl WHERE tlNimi = 'ÄÄNESTYSMAKSUT'", "tlNumero", "1002"},
        // Finnish order: å, ä, ö after z; case does not matter.
        {"SELECT * FROM tl ORDER BY tlNimi", "tlNimi", "alv-velka|Kassa|Pankki|Ålandsbanken|Äänestysmaksut|Öljykulut"},
        // Bracketed names and & for joining texts.
        {"SELECT [tlNimi] & '/' & [tlNumero] AS Teksti FROM [tl] WHERE [tlNumero] = 1000", "Teksti", "Kassa/1000"},
        {"SELECT tlNimi FROM tl WHERE tlNumero IN (1000, 1001) ORDER BY tlNumero", "tlNimi", "Kassa|Pankki"},
        {"SELECT * FROM to WHERE toSelite IS NULL", "toNumero", ""},
        {"SELECT Nz(MAX(toNumero), 0) + 1 AS Seuraava FROM to WHERE toNumero > 100", "Seuraava", "1"},
        {"SELECT UCase(Left(tlNimi, 3)) AS Alku FROM tl WHERE tlNumero = 1001", "Alku", "PAN"},
        // The functions on any value: counts beyond 32 bits, whole numbers
        // beyond 64 bits, dates beyond the calendar's years.
        {"SELECT Left(tlNimi, 4294967297) & '/' & Left(tlNimi, 1e300) AS x FROM tl WHERE tlNumero = 1000", "x",
         "Kassa/Kassa"},
        {"SELECT Right(tlNimi, -1) & '/' & Mid(tlNimi, 4294967298, 2) AS x FROM tl WHERE tlNumero = 1000", "x", "/"},
        {"SELECT Mid(tlNimi, 2, 1e300) & InStr(4294967297, tlNimi, 'a') AS x FROM tl WHERE tlNumero = 1000", "x",
         "assa0"},
        {"SELECT Int(-2.5) & ' ' & Int(9223372036854775807) & ' ' & Int(1e300) AS x FROM tl WHERE tlNumero = 1000",
         "x", "-3 9223372036854775807 1.0e+300"},
        {"SELECT CLng(2.5) & ' ' & CLng(3.5) & ' ' & Abs(-9223372036854775807) AS x FROM tl WHERE tlNumero = 1000",
         "x", "2 4 9223372036854775807"},
        {"SELECT DateSerial(2031, 14, 0) AS x FROM tl WHERE tlNumero = 1000", "x", "2032-01-31"},
        {"SELECT Nz(DateSerial(2031, -2147483648, 1), '-') & Nz(DateSerial(2031, 1, -2147483648), '-') & "
         "Nz(DateSerial(9223372036854775807, 9223372036854775807, 1), '-') & Nz(Year(1e300), '-') AS x FROM tl "
         "WHERE tlNumero = 1000",
         "x", "----"},
        {"SELECT Year(2958465) & '-' & Month(-657434) AS x FROM tl WHERE tlNumero = 1000", "x", "9999-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql);
        QStringList expected = QString::fromUtf8(c.expected).split('|');
        if (QString::fromUtf8(c.expected).isEmpty()) expected.clear();
        EXPECT_EQ(column(QString::fromUtf8(c.sql), QString::fromUtf8(c.field)), expected);
    }
}

TEST_F(JetSqlTest, AggregateResultsHaveTheirKinds) {
    Recordset rs = db.OpenRecordset("SELECT MAX(toPvm) FROM to WHERE toNumero >= 0", RecordsetType::Snapshot);
    EXPECT_EQ(rs.value("Expr1000").kind(), Variant::Kind::Date);
    Recordset none = db.OpenRecordset("SELECT MAX(toNumero) FROM to WHERE toNumero > 100", RecordsetType::Snapshot);
    ASSERT_FALSE(none.isEOF());
    EXPECT_TRUE(none.value("Expr1000").isNull());
    Recordset cnt = db.OpenRecordset("SELECT COUNT(*) FROM tl", RecordsetType::Snapshot);
    EXPECT_EQ(cnt.value("Expr1000").kind(), Variant::Kind::Int);
    EXPECT_EQ(cnt.value("Expr1000").toLong(), 6);
}

TEST_F(JetSqlTest, ActionStatements) {
    db.Execute("DELETE * FROM vi WHERE vitoID = 77");
    EXPECT_EQ(db.RecordsAffected(), 1);
    db.Execute("DELETE FROM vi WHERE NOT EXISTS (SELECT * FROM to WHERE vi.vitoID = to.toID)");
    EXPECT_EQ(db.RecordsAffected(), 0);
    db.Execute("UPDATE tl SET tlNimi = 'Käteiskassa' WHERE tlNumero = 1000");
    EXPECT_EQ(column("SELECT tlNimi FROM tl WHERE tlNumero = 1000", "tlNimi"), QStringList{"Käteiskassa"});
    db.Execute("UPDATE to SET toAvaustosite = True WHERE toNumero = 2");
    EXPECT_EQ(count("SELECT * FROM to WHERE toAvaustosite = True"), 2);
    // A value with an apostrophe travels as a bound value, never as SQL text.
    db.Execute("UPDATE vi SET viSelite = ? WHERE vitoID = ?", {QString("Pelle's'; DROP TABLE vi; --"), 1});
    EXPECT_EQ(column("SELECT viSelite FROM vi WHERE vitoID = 1 ORDER BY viID", "viSelite"),
              (QStringList{"Pelle's'; DROP TABLE vi; --", "Pelle's'; DROP TABLE vi; --"}));
    // A text literal with a doubled quote.
    db.Execute("UPDATE tl SET tlNimi = 'Pelle''s' WHERE tlNumero = 1001");
    EXPECT_EQ(count("SELECT * FROM tl WHERE tlNimi = 'pelle''s'"), 1);
}

TEST_F(JetSqlTest, ErrorsCarryTheEngineNumbers) {
    const struct {
        QString sql;
        bool action;
        int number;
        Params params = {};
    } cases[] = {
        {"SELECT * FROM puuttuva", false, err::InputTableNotFound},
        {"SELECT eiOle FROM tl", false, err::TooFewParameters},
        {"SELECT * FROM tl WHERE", false, err::SyntaxErrorInExpression},
        {"SELECT * FROM tl WHERE tlNimi = 'auki", false, err::SyntaxErrorInExpression},
        {"SELECT * FROM tl", true, err::CannotExecuteSelect},
        {"INSERT INTO tl (tlID, tlNumero) VALUES (1, 5)", true, err::DuplicateKey},
        {"CREATE TABLE TL (x LONG)", true, err::TableExists},
        {"UPDATE tl SET tlNimi = '" + QString(51, 'x') + "'", true, err::FieldTooSmall},
        {"SELECT TOP 10 PERCENT * FROM tl", false, err::SyntaxErrorInExpression},
        // What no book holds is refused, never stored nor read: a value
        // beyond the longest (a bound text is not taken for Null), a LIKE
        // pattern longer than the program's own, a whole number beyond 64
        // bits, a function the program does not have.
        {"SELECT * FROM tl WHERE tlNimi = ?", false, err::RecordTooLarge, {QString(70000, 'x')}},
        {"SELECT zeroblob(100000) FROM tl", false, err::RecordTooLarge},
        {"SELECT * FROM tl WHERE tlNimi LIKE '" + QString(kLongestLikePattern + 1, '*') + "'", false,
         err::ExpressionTooComplex},
        {"SELECT * FROM tl WHERE tlNimi LIKE ?", false, err::ExpressionTooComplex,
         {QString(kLongestLikePattern / 3 + 1, u'€')}},
        {"SELECT Vieras(tlNimi) FROM tl", false, err::ExpressionTooComplex},
        {"SELECT CLng(1e300) FROM tl", false, err::Overflow},
        {"SELECT CCur(1e300) FROM tl", false, err::Overflow},
        {"SELECT Abs(-9223372036854775807 - 1) FROM tl", false, err::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql.left(80).toStdString());
        int number = 0;
        try {
            if (c.action) db.Execute(c.sql, c.params);
            else db.OpenRecordset(c.sql, RecordsetType::Snapshot, 0, c.params).MoveLast();
        } catch (const DaoError& e) {
            number = e.number();
        }
        EXPECT_EQ(number, c.number);
    }
    // The pattern at the bound is matched: the longest the voucher search
    // makes, of three-byte characters.
    EXPECT_EQ(count("SELECT * FROM tl WHERE tlNimi LIKE '" + QString(kLongestLikePattern, '*') + "'"), 6);
    db.Execute("UPDATE tl SET tlNimi = ? WHERE tlNumero = 1000", {QString(50, u'€')});
    EXPECT_EQ(count("SELECT * FROM tl WHERE tlNimi LIKE ?", {"*" + QString(50, u'€') + "*"}), 1);
    db.Execute("UPDATE tl SET tlNimi = 'Kassa' WHERE tlNumero = 1000");
    EXPECT_EQ(column("SELECT tlNimi FROM tl WHERE tlNumero = 1000", "tlNimi"), QStringList{"Kassa"});
}

TEST(JetTranslateTest, TokensInsideTextsAreLeftAlone) {
    const auto tr = jet::translate("SELECT * FROM to WHERE toSelite = 'to #1/2/2031# & True [x]'");
    EXPECT_TRUE(tr.sql.contains("'to #1/2/2031# & True [x]'"));
    EXPECT_TRUE(tr.sql.contains("FROM \"to\""));
    EXPECT_EQ(tr.kind, jet::StatementKind::Select);
    EXPECT_TRUE(tr.rowSource);
    ASSERT_EQ(tr.tables.size(), 1u);
    EXPECT_EQ(tr.tables[0].table, "to");
    const auto agg = jet::translate("SELECT COUNT(*) FROM vi, to WHERE vitoID = toID");
    EXPECT_FALSE(agg.rowSource);
    EXPECT_EQ(agg.tables.size(), 2u);
    const auto dt = jet::translate("SELECT * FROM t WHERE d = #12/31/2031 13:05#");
    EXPECT_TRUE(dt.sql.contains("'2031-12-31 13:05:00'"));
    EXPECT_THROW(jet::translate("SELECT * FROM t WHERE d = #2/30/2031#"), DaoError);
}

}  // namespace
