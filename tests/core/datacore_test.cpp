// The data core's database services: the shared connection, the schema
// upgrade and the settings table.

#include "bookfixture.h"
#include "core/dbc.h"
#include "core/dbsettings.h"
#include "core/nz.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace core;

namespace {

class DataCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetGlobals();
        DBCon().SuljeDB();
    }
    void TearDown() override { DBCon().SuljeDB(); }
    kvtest::TempDir dir;
};

TEST_F(DataCoreTest, ConnectionOpensOnceReopensOnAChangedPathAndRetriesAfterFailure) {
    const QString a = kvtest::makeBaseBook(dir, "a.mdb");
    const QString b = kvtest::makeBaseBook(dir, "b.mdb");
    DBC conn;
    conn.SuljeDB();  // closing a connection that never opened is fine
    DatabasePath = a;
    dao::Database first = conn.AvaaDB();
    EXPECT_TRUE(first == conn.AvaaDB());
    EXPECT_EQ(conn.openCount(), 1);
    DatabasePath = b;
    dao::Database second = conn.AvaaDB();
    EXPECT_FALSE(first.isOpen());
    EXPECT_EQ(conn.openCount(), 2);
    EXPECT_TRUE(second == conn.AvaaDB());
    // The same file under another letter case counts as another path.
    DatabasePath = dir.path() + "/B.mdb";
    QFile::copy(b, DatabasePath);
    conn.AvaaDB();
    EXPECT_EQ(conn.openCount(), 3);
    // After SuljeDB the file is free: it can be replaced, and the next call
    // opens whatever the path names then.
    conn.SuljeDB();
    EXPECT_TRUE(QFile::remove(DatabasePath));
    try {
        conn.AvaaDB();
        FAIL();
    } catch (const dao::DaoError& e) {
        EXPECT_EQ(e.number(), dao::err::FileNotFound);
    }
    EXPECT_FALSE(conn.isOpen());
    QFile::copy(a, DatabasePath);
    EXPECT_TRUE(conn.AvaaDB().isOpen());
}

TEST_F(DataCoreTest, UpgradeBringsAnOldBookToTheCurrentLayoutOnce) {
    const QString path = kvtest::makeBaseBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    db.Execute("INSERT INTO vi (vitoID, vitlID, viTyyppi, viArvo, viSelite, viAvausvienti) VALUES (1, 1, 'D', 5, 'x', False)");
    // A markka format left by an older program.
    db.tableDef("tl").field("tlAlkusaldo").createProperty("Format", "#,##0.00 mk;-#,##0.00 mk");
    UpdateDatabase(db);

    for (const TableSpec& t : upgradeTables()) {
        SCOPED_TRACE(t.name.toStdString());
        ASSERT_TRUE(TableExists(db, t.name));
        const auto fields = db.tableDef(t.name).fields();
        size_t expected = t.fields.size() + (t.name == "vipPohjat" ? 1 : 0);
        ASSERT_EQ(fields.size(), expected);
        for (size_t i = 0; i < t.fields.size(); ++i) EXPECT_EQ(fields[i].name(), t.fields[i].name);
        EXPECT_TRUE(fields[0].attributes() & dao::dbAutoIncrField);
        const auto idx = db.tableDef(t.name).indexes();
        ASSERT_EQ(idx.size(), 1u);
        EXPECT_EQ(idx[0].name(), "PrimaryKey");
        EXPECT_TRUE(idx[0].primary());
    }
    EXPECT_EQ(db.tableDef("vipPohjat").fields().back().name(), "vipkpID");
    const auto bu = db.tableDef("bu").fields();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(bu[size_t(m + 1)].name(), "buKuukausi" + QString::number(m));
    const auto tula = db.tableDef("tula").fields();
    EXPECT_EQ(tula[tula.size() - 10].name(), "tulaBudjetoituKuluva");
    EXPECT_EQ(tula.back().name(), "tulaBudjetoituTulevaAlusta");
    for (const char* f : {"viPaatosvienti", "viAutomaatti", "vikpID"}) EXPECT_TRUE(FieldExists(db.tableDef("vi"), f));
    for (const char* q : {"viennit", "viennitA", "viennitL"}) EXPECT_TRUE(QueryExists(db, q));
    // Old rows: added Booleans read False, added Longs Null.
    dao::Recordset rs = db.OpenRecordset("SELECT * FROM vi", dao::RecordsetType::Snapshot);
    EXPECT_FALSE(rs.value("viPaatosvienti").toBool());
    EXPECT_TRUE(rs.value("vikpID").isNull());
    EXPECT_EQ(db.tableDef("tl").field("tlAlkusaldo").property("Format").toString(), "#,##0.00 €;-#,##0.00 €");

    // A second run adds nothing.
    auto layout = [&] {
        QStringList out;
        for (const dao::TableDef& t : db.tableDefs()) {
            QStringList names;
            for (const dao::FieldDef& f : t.fields()) names << f.name();
            out << t.name() + ":" + names.join(',');
        }
        return out;
    };
    const QStringList before = layout();
    UpdateDatabase(db);
    EXPECT_EQ(layout(), before);
    EXPECT_EQ(db.tableDef("tl").field("tlAlkusaldo").property("Format").toString(), "#,##0.00 €;-#,##0.00 €");
    // The saved query leaves out entries whose account does not exist.
    dao::Recordset q = db.OpenRecordset("viennit", dao::RecordsetType::Snapshot);
    EXPECT_TRUE(q.isEOF());
}

// An older book gets the indexes the statements and the ledger preparation
// read by, once: a second upgrade finds them there. The shorter indexes they
// begin with are gone.
TEST_F(DataCoreTest, TheUpgradeAddsTheReadingIndexesOnce) {
    const QString path = kvtest::makeBaseBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    UpdateDatabase(db);
    UpdateDatabase(db);
    const struct {
        const char* table;
        const char* name;
        QStringList fields;
    } expected[] = {
        {"vi", "vitlIDSummat", {"vitlID", "vitoID", "viTyyppi", "viArvo", "vikpID", "viAutomaatti"}},
        {"viE", "viEtlIDSummat", {"viEtlID", "viEtoID", "viETyyppi", "viEArvo", "viEkpID", "viEAutomaatti"}},
        {"vi", "vitoIDSaldot", {"vitoID", "viAvausvienti", "viPaatosvienti", "vikpID", "vitlID", "viTyyppi", "viArvo"}},
        {"to", "toPvmNumero", {"toPvm", "toNumero"}},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        int found = 0;
        for (const dao::IndexDef& idx : db.tableDef(e.table).indexes()) {
            if (idx.name().compare(QLatin1String(e.name), Qt::CaseInsensitive) != 0) continue;
            ++found;
            EXPECT_EQ(idx.fieldNames(), e.fields);
        }
        EXPECT_EQ(found, 1);
    }
    // No index begins another one of its table: the longer one serves it.
    for (const dao::TableDef& t : db.tableDefs()) {
        const std::vector<dao::IndexDef> indexes = t.indexes();
        for (const dao::IndexDef& a : indexes)
            for (const dao::IndexDef& b : indexes)
                EXPECT_FALSE(a.name() != b.name() && b.fieldNames().mid(0, a.fieldNames().size()) == a.fieldNames())
                    << t.name().toStdString() << ": " << a.name().toStdString() << " begins " << b.name().toStdString();
    }
}

TEST_F(DataCoreTest, AFailedUpgradeNamesItsStepAndLeavesTheOldLayout) {
    const QString path = kvtest::makeBaseBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    db.Execute("DROP TABLE tula");
    try {
        UpdateDatabase(db);
        FAIL() << "upgrade without tula succeeded";
    } catch (const UpgradeError& e) {
        EXPECT_EQ(e.step(), 6);
        EXPECT_EQ(e.number(), dao::err::ItemNotFound);
        EXPECT_FALSE(e.engineText().isEmpty());
    }
    // Steps 1 to 5 were not kept either.
    EXPECT_FALSE(FieldExists(db.tableDef("vi"), "viPaatosvienti"));
    EXPECT_FALSE(TableExists(db, "tk"));
    EXPECT_EQ(db.transactionDepth(), 0);
}

TEST_F(DataCoreTest, NamesInAnotherLetterCaseAreThereAlreadyAndTheUpgradeGoesThroughWhole) {
    const QString path = kvtest::makeBaseBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    // A field, a table, a field of a table the upgrade makes, and a saved
    // query, each spelled in another case than the upgrade spells it.
    db.Execute("ALTER TABLE tl ADD COLUMN TLPRINT BIT");
    db.Execute("CREATE TABLE SETTINGS (setID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, setSection TEXT(255), "
               "setKey TEXT(255), setString TEXT(255))");
    db.Execute("CREATE TABLE vipPohjat (vipID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, viptlID LONG, viptpID LONG, "
               "vipTyyppi TEXT(1), vipArvo CURRENCY, VIPKPID LONG)");
    db.Execute("INSERT INTO vipPohjat (viptlID, viptpID, vipTyyppi, vipArvo, VIPKPID) VALUES (1, 1, 'D', 5, 7)");
    db.createQueryDef("VIENNIT", "SELECT viID FROM vi");

    ASSERT_NO_THROW(UpdateDatabase(db));
    EXPECT_EQ(db.transactionDepth(), 0);
    // Every later step ran: the last table and the last field are there.
    EXPECT_TRUE(TableExists(db, "tpPohjat"));
    EXPECT_TRUE(FieldExists(db.tableDef("vi"), "vikpID"));
    auto names = [](const dao::TableDef& td) {
        QStringList out;
        for (const dao::FieldDef& f : td.fields()) out << f.name();
        return out;
    };
    // Nothing was added twice; the book's own spelling stays.
    EXPECT_EQ(names(db.tableDef("vipPohjat")),
              QStringList({"vipID", "viptlID", "viptpID", "vipTyyppi", "vipArvo", "VIPKPID"}));
    EXPECT_EQ(names(db.tableDef("tl")).filter("tlprint", Qt::CaseInsensitive), QStringList({"TLPRINT"}));
    int settings = 0;
    for (const dao::TableDef& td : db.tableDefs()) settings += td.name().compare("Settings", Qt::CaseInsensitive) == 0;
    EXPECT_EQ(settings, 1);
    // The saved query is made anew under its own name, with its own text.
    QStringList queries;
    for (const dao::QueryDef& q : db.queryDefs()) queries << q.name;
    EXPECT_EQ(queries.filter("viennit", Qt::CaseInsensitive).size(), 3);
    EXPECT_TRUE(queries.contains("viennit"));
    dao::Recordset rs = db.OpenRecordset("SELECT tlNimi FROM viennit", dao::RecordsetType::Snapshot);
    EXPECT_TRUE(rs.isEOF());
    rs.Close();
    // The row of the older book keeps its value.
    EXPECT_EQ(db.OpenRecordset("SELECT vipkpID FROM vipPohjat", dao::RecordsetType::Snapshot).value(0).toLong(), 7);
}

TEST_F(DataCoreTest, SettingsTableRoundTrip) {
    const QString path = kvtest::makeCurrentBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    cDBSettings s;
    s.setDatabase(db);
    s.setSection("KOLVIO");
    EXPECT_EQ(s.GetSetting("Fontti", "Times New Roman"), "Times New Roman");
    s.SaveSetting("Arial", "Fontti");
    s.SaveSetting("Pelle's 'seura'", "SeuranNimi");
    s.SaveSetting("", "Email");
    EXPECT_EQ(s.GetSetting("Fontti", "x"), "Arial");
    EXPECT_EQ(s.GetSetting("FONTTI", "x"), "Arial");
    EXPECT_EQ(s.GetSetting("SeuranNimi"), "Pelle's 'seura'");
    EXPECT_EQ(s.GetSetting("Email", "oletus"), "");
    s.SaveSetting("Liberation Serif", "Fontti");
    dao::Recordset rs = db.OpenRecordset("SELECT COUNT(*) FROM Settings WHERE setKey = 'Fontti'", dao::RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toLong(), 1);
    s.setSection("MUU");
    EXPECT_EQ(s.GetSetting("Fontti", "ei"), "ei");
    EXPECT_THROW(s.SaveSetting(QString(256, 'x'), "Pitka"), dao::DaoError);
}

TEST(NzTest, ConversionsAndDateLiterals) {
    EXPECT_EQ(NzLong(dao::Variant(), 7), 7);
    EXPECT_EQ(NzLong(dao::Variant("abc"), 7), 7);
    EXPECT_EQ(NzLong(dao::Variant(12), 7), 12);
    EXPECT_EQ(NzString(dao::Variant(), "x"), "x");
    EXPECT_EQ(NzString(dao::Variant(""), "x"), "");
    EXPECT_EQ(NzCurrency(dao::Variant("1.5")).raw(), 15000);
    EXPECT_FALSE(NzBoolean(dao::Variant("ehkä"), false));
    EXPECT_EQ(NzDate(dao::Variant(), dao::Date::fromYmd(2031, 1, 1)), dao::Date::fromYmd(2031, 1, 1));
    EXPECT_EQ(SqlDate(dao::Date::fromYmd(2031, 12, 31)), "#12/31/2031#");
    EXPECT_EQ(SqlDate(dao::Date::fromYmd(2032, 2, 1)), "#2/1/2032#");

    TilikausiAlku = dao::Date::fromYmd(2031, 7, 1);
    TilikausiLoppu = dao::Date::fromYmd(2032, 6, 30);
    EXPECT_EQ(DateIntoFinancialYear(dao::Date::fromYmd(2033, 3, 15)), dao::Date::fromYmd(2032, 3, 15));
    EXPECT_EQ(DateIntoFinancialYear(dao::Date::fromYmd(2030, 3, 15)), dao::Date::fromYmd(2031, 3, 15));
    TilikausiAlku = dao::Date::fromYmd(2035, 1, 1);
    TilikausiLoppu = dao::Date::fromYmd(2035, 12, 31);
    EXPECT_EQ(DateIntoFinancialYear(dao::Date::fromYmd(2036, 2, 29)), dao::Date::fromYmd(2035, 2, 28));
}

}  // namespace
