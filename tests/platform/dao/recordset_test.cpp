// Recordsets: navigation, the ends of the set, adding, editing and deleting
// rows, Counter keys, and the definitions and transactions of a book.

#include "platform/dao/database.h"
#include "platform/dao/rowpass.h"
#include "support/testenv.h"

#include <QFile>
#include <thread>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace dao;

namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const DaoError& e) {
        return e.number();
    }
    return 0;
}

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = DBEngine::CreateDatabase(dir.file("rs.mdb"));
        db.Execute(
            "CREATE TABLE tl (tlID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, tlNumero LONG, tlNimi TEXT(50), "
            "tlKuvaus TEXT(255), tlSaldo CURRENCY, tlPvm DATETIME, tlPrint BIT, tlPieni SHORT)");
        for (int n : {1000, 1010, 1020, 1030}) db.Execute("INSERT INTO tl (tlNumero, tlNimi) VALUES (?, ?)", {n, "Tili " + QString::number(n)});
    }
    kvtest::TempDir dir;
    Database db;
};

TEST_F(RecordsetTest, NavigationAndTheEndsOfTheSet) {
    Recordset rs = db.OpenRecordset("SELECT * FROM tl ORDER BY tlNumero", RecordsetType::Snapshot);
    EXPECT_FALSE(rs.isBOF());
    EXPECT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.value("tlNumero").toLong(), 1000);
    EXPECT_EQ(rs.RecordCount(), 1);  // rows reached so far
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(rs.value("TLNUMERO").toLong(), 1030);  // names without regard to case
    rs.MoveNext();
    EXPECT_TRUE(rs.isEOF());
    EXPECT_EQ(errorOf([&] { rs.value("tlNumero"); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), err::NoCurrentRecord);
    rs.MovePrevious();
    EXPECT_EQ(rs.value("tlNumero").toLong(), 1030);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.isBOF());
    EXPECT_EQ(errorOf([&] { rs.MovePrevious(); }), err::NoCurrentRecord);
    rs.MoveNext();
    EXPECT_EQ(rs.value("tl.tlNumero").toLong(), 1000);
    EXPECT_EQ(rs.AbsolutePosition(), 0);
    rs.setAbsolutePosition(2);
    EXPECT_EQ(rs.value("tlNumero").toLong(), 1020);
    EXPECT_EQ(errorOf([&] { rs.value("eiOle"); }), err::ItemNotFound);

    Recordset empty = db.OpenRecordset("SELECT * FROM tl WHERE tlID = 0", RecordsetType::Snapshot);
    EXPECT_TRUE(empty.isBOF());
    EXPECT_TRUE(empty.isEOF());
    EXPECT_EQ(empty.RecordCount(), 0);
    EXPECT_EQ(errorOf([&] { empty.MoveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { empty.MoveLast(); }), err::NoCurrentRecord);

    Recordset table = db.OpenRecordset("tl", RecordsetType::Table);
    EXPECT_EQ(table.RecordCount(), 4);  // a table knows its count
    Recordset fwd = db.OpenRecordset("SELECT * FROM tl", RecordsetType::ForwardOnly);
    fwd.MoveNext();
    EXPECT_EQ(errorOf([&] { fwd.MovePrevious(); }), err::InvalidOperation);
}

TEST_F(RecordsetTest, NullEmptyTextAndTypesOfFields) {
    db.Execute("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (2000, '', NULL)");
    Recordset rs = db.OpenRecordset("SELECT * FROM tl WHERE tlNumero = 2000", RecordsetType::Snapshot);
    EXPECT_FALSE(rs.value("tlNimi").isNull());
    EXPECT_EQ(rs.value("tlNimi").toString(), "");
    EXPECT_TRUE(rs.value("tlKuvaus").isNull());
    EXPECT_TRUE(rs.value("tlSaldo").isNull());
    EXPECT_EQ(rs.value("tlPrint").kind(), Variant::Kind::Bool);  // a Boolean is never Null
    EXPECT_FALSE(rs.value("tlPrint").toBool());
    EXPECT_EQ(rs.field("tlNimi").type(), FieldType::Text);
    EXPECT_EQ(rs.field("tlNimi").size(), 50);
    EXPECT_EQ(rs.field("tlSaldo").type(), FieldType::Currency);
    EXPECT_EQ(rs.field("tlPvm").type(), FieldType::Date);
    EXPECT_EQ(rs.field("tlPieni").type(), FieldType::Integer);
    EXPECT_EQ(rs.field("tlID").sourceTable(), "tl");
}

TEST_F(RecordsetTest, AddNewGivesTheKeyBeforeUpdateAndKeysAreNeverReused) {
    Recordset rs = db.OpenRecordset("SELECT * FROM tl WHERE tlID = 0");
    rs.AddNew();
    const std::int64_t id = rs.value("tlID").toLong();
    EXPECT_EQ(id, 5);
    EXPECT_FALSE(rs.value("tlPrint").toBool());
    rs.setValue("tlNumero", 3000);
    rs.setValue("tlNimi", "Jäsenmaksut");
    rs.setValue("tlSaldo", Currency::fromRaw(125000));
    rs.setValue("tlPvm", Date::fromYmd(2031, 3, 5));
    rs.Update();
    rs.setBookmark(rs.LastModified());
    EXPECT_EQ(rs.value("tlID").toLong(), id);

    Recordset back = db.OpenRecordset("SELECT * FROM tl WHERE tlID = " + QString::number(id), RecordsetType::Snapshot);
    EXPECT_EQ(back.value("tlNimi").toString(), "Jäsenmaksut");
    EXPECT_EQ(back.value("tlSaldo").toCurrency().raw(), 125000);
    EXPECT_EQ(back.value("tlPvm").toDate(), Date::fromYmd(2031, 3, 5));

    // Deleting the highest row does not free its key.
    db.Execute("DELETE FROM tl WHERE tlID = ?", {Variant(id)});
    Recordset again = db.OpenRecordset("SELECT * FROM tl WHERE tlID = 0");
    again.AddNew();
    EXPECT_EQ(again.value("tlID").toLong(), id + 1);
    again.CancelUpdate();
    // A cancelled key is not given again either.
    again.AddNew();
    EXPECT_EQ(again.value("tlID").toLong(), id + 2);
    again.setValue("tlNumero", 1);
    again.Update();
    // Nor is a key that waits for its Update given to another copy of the
    // program appending meanwhile.
    again.AddNew();
    const std::int64_t waiting = again.value("tlID").toLong();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dir.file("rs.mdb")).constData(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "INSERT INTO tl (tlNumero) VALUES (2)", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(sqlite3_last_insert_rowid(other), waiting + 1);
    sqlite3_close(other);
    again.setValue("tlNumero", 3);
    EXPECT_EQ(errorOf([&] { again.Update(); }), 0);
    EXPECT_EQ(errorOf([&] { again.AddNew(); again.setValue("tlID", 99); }), err::FieldNotUpdatable);
}

TEST_F(RecordsetTest, EditUpdateDeleteAndTheirErrors) {
    Recordset rs = db.OpenRecordset("SELECT * FROM tl WHERE tlNumero >= 1010 ORDER BY tlNumero");
    EXPECT_EQ(errorOf([&] { rs.setValue("tlNimi", "x"); }), err::UpdateWithoutEdit);
    EXPECT_EQ(errorOf([&] { rs.Update(); }), err::UpdateWithoutEdit);
    rs.Edit();
    rs.setValue("tlNimi", "Pankkitili");
    EXPECT_EQ(rs.value("tlNimi").toString(), "Pankkitili");
    rs.CancelUpdate();
    EXPECT_EQ(rs.value("tlNimi").toString(), "Tili 1010");
    rs.Edit();
    rs.setValue("tlNimi", "Pankkitili");
    EXPECT_EQ(errorOf([&] { rs.setValue("tlNimi", QString(51, u'x')); }), err::FieldTooSmall);
    EXPECT_EQ(errorOf([&] { rs.setValue("tlPieni", 40000); }), err::Overflow);
    rs.Update();
    rs.MoveNext();
    rs.Delete();
    EXPECT_EQ(errorOf([&] { rs.value("tlNimi"); }), err::RecordDeleted);
    rs.MoveNext();
    EXPECT_EQ(rs.value("tlNumero").toLong(), 1030);
    rs.MovePrevious();
    EXPECT_EQ(rs.value("tlNumero").toLong(), 1010);  // the deleted row is passed over
    EXPECT_EQ(rs.value("tlNimi").toString(), "Pankkitili");
    rs.Requery();
    rs.MoveLast();
    EXPECT_EQ(rs.RecordCount(), 2);

    Recordset snap = db.OpenRecordset("SELECT * FROM tl", RecordsetType::Snapshot);
    EXPECT_EQ(errorOf([&] { snap.Edit(); }), err::ReadOnly);
    EXPECT_EQ(errorOf([&] { snap.AddNew(); }), err::ReadOnly);
    Recordset agg = db.OpenRecordset("SELECT COUNT(*) FROM tl");
    EXPECT_EQ(errorOf([&] { agg.Edit(); }), err::ReadOnly);

    // Edit of a row removed meanwhile: the dynaset still shows it, the write fails.
    Recordset one = db.OpenRecordset("SELECT * FROM tl WHERE tlNumero = 1000");
    db.Execute("DELETE FROM tl WHERE tlNumero = 1000");
    one.Edit();
    one.setValue("tlNimi", "x");
    EXPECT_EQ(errorOf([&] { one.Update(); }), err::RecordDeleted);
    // From then on the recordset passes over the row, as over one it deleted.
    one.CancelUpdate();
    EXPECT_EQ(errorOf([&] { one.value("tlNimi"); }), err::RecordDeleted);
    EXPECT_EQ(errorOf([&] { one.MoveFirst(); }), err::NoCurrentRecord);
    // A new query by the key finds no current record.
    Recordset gone = db.OpenRecordset("SELECT * FROM tl WHERE tlNumero = 1000");
    EXPECT_EQ(errorOf([&] { gone.Edit(); }), err::NoCurrentRecord);
}

TEST_F(RecordsetTest, JoinedRowsUpdateTheirOwnTables) {
    db.Execute("CREATE TABLE vi (viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, vitlID LONG, viArvo CURRENCY)");
    db.Execute("INSERT INTO vi (vitlID, viArvo) VALUES (1, 10)");
    Recordset rs = db.OpenRecordset(
        "SELECT tlNumero AS Tilinumero, tlNimi, viArvo AS Summa, viID FROM vi LEFT JOIN tl ON vi.vitlID = tl.tlID");
    EXPECT_EQ(rs.value("Tilinumero").toLong(), 1000);
    rs.Edit();
    rs.setValue("Summa", Currency::fromUnits(20));
    rs.setValue("tlNimi", "Kassa");
    rs.Update();
    Recordset vi = db.OpenRecordset("SELECT * FROM vi", RecordsetType::Snapshot);
    EXPECT_EQ(vi.value("viArvo").toCurrency(), Currency::fromUnits(20));
    Recordset tl = db.OpenRecordset("SELECT * FROM tl WHERE tlID = 1", RecordsetType::Snapshot);
    EXPECT_EQ(tl.value("tlNimi").toString(), "Kassa");
}

TEST_F(RecordsetTest, WritesCommitWhileAReadIsOpen) {
    // A recordset left open half-read must not hold back a later write.
    Recordset reading = db.OpenRecordset("SELECT * FROM tl ORDER BY tlNumero", RecordsetType::Snapshot);
    EXPECT_EQ(reading.value("tlNumero").toLong(), 1000);
    db.Execute("INSERT INTO tl (tlNumero) VALUES (9999)");
    // Another connection (another program) sees the row at once.
    Database other = DBEngine::OpenDatabase(dir.file("rs.mdb"));
    EXPECT_EQ(db.transactionDepth(), 0);
    reading.MoveLast();
    EXPECT_EQ(reading.RecordCount(), 4);  // a snapshot keeps its rows
    Recordset check = db.OpenRecordset("SELECT COUNT(*) FROM tl", RecordsetType::Snapshot);
    EXPECT_EQ(check.value(0).toLong(), 5);
}

TEST_F(RecordsetTest, AForwardOnlySetReadRowByRowKeepsItsPositionsAndCounts) {
    // Far more rows than a forward-only set holds at a time; a write in the
    // middle of the read makes it take its remaining rows at once.
    for (int n = 1; n <= 296; ++n) db.Execute("INSERT INTO tl (tlNumero) VALUES (?)", {2000 + n});
    const long rows = 300;
    struct Case {
        long stop;       // the row the read stops at, then looks around
        bool writeThere; // a write on the same connection at that row
    };
    for (const Case& c : {Case{0, false}, Case{63, false}, Case{64, true}, Case{65, false}, Case{200, true},
                          Case{299, false}}) {
        SCOPED_TRACE(c.stop);
        Recordset rs = db.OpenRecordset("SELECT tlNumero FROM tl WHERE tlNumero < 9000 ORDER BY tlNumero",
                                        RecordsetType::ForwardOnly, dbReadOnly);
        std::vector<long> seen;
        for (long i = 0; i < c.stop; ++i, rs.MoveNext()) seen.push_back(rs.value("tlNumero").toLong());
        EXPECT_EQ(rs.AbsolutePosition(), c.stop);
        EXPECT_EQ(rs.RecordCount(), c.stop + 1);
        EXPECT_FALSE(rs.isBOF());
        if (c.stop > 0) {
            EXPECT_EQ(errorOf([&] { rs.setAbsolutePosition(c.stop - 1); }), err::InvalidOperation);
            EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), err::InvalidOperation);
        }
        if (c.writeThere) db.Execute("INSERT INTO tl (tlNumero) VALUES (9999)");
        if (c.stop + 2 < rows) {
            seen.push_back(rs.value("tlNumero").toLong());
            rs.setAbsolutePosition(c.stop + 2);  // forward, past one row
            EXPECT_EQ(rs.AbsolutePosition(), c.stop + 2);
            seen.push_back(-1);
        }
        for (; !rs.isEOF(); rs.MoveNext()) seen.push_back(rs.value("tlNumero").toLong());
        EXPECT_EQ(rs.RecordCount(), rows);
        EXPECT_EQ(rs.AbsolutePosition(), -1);
        EXPECT_EQ(errorOf([&] { rs.value("tlNumero"); }), err::NoCurrentRecord);
        // Every row once and in order, but the one stepped over.
        ASSERT_EQ(long(seen.size()), rows);
        for (long i = 0; i < rows; ++i) {
            const long expected = i < 4 ? 1000 + 10 * i : 2000 + (i - 3);
            EXPECT_EQ(seen[size_t(i)], i == c.stop + 1 && c.stop + 2 < rows ? -1 : expected) << i;
        }
        if (c.writeThere) db.Execute("DELETE FROM tl WHERE tlNumero = 9999");
    }
}

TEST_F(RecordsetTest, TransactionsAreWholeOrNothing) {
    db.BeginTrans();
    db.Execute("DELETE FROM tl");
    db.BeginTrans();
    db.Execute("INSERT INTO tl (tlNumero) VALUES (1)");
    db.Rollback();
    EXPECT_EQ(db.transactionDepth(), 1);
    db.Rollback();
    Recordset rs = db.OpenRecordset("SELECT COUNT(*) FROM tl", RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toLong(), 4);
    EXPECT_EQ(errorOf([&] { db.CommitTrans(); }), err::CommitWithoutBegin);
    db.BeginTrans();
    db.Execute("DELETE FROM tl WHERE tlNumero = 1000");
    db.CommitTrans();
    Recordset after = db.OpenRecordset("SELECT COUNT(*) FROM tl", RecordsetType::Snapshot);
    EXPECT_EQ(after.value(0).toLong(), 3);

    // Recordsets follow the transactions: what a level rolled back took is
    // taken back from them, and what a committed inner level took goes with
    // the level around it.
    Recordset set = db.OpenRecordset("SELECT tlNumero, tlNimi FROM tl ORDER BY tlNumero", RecordsetType::Dynaset);
    auto rows = [&] {
        QStringList out;
        for (set.MoveFirst(); !set.isEOF(); set.MoveNext()) out << set.value(0).toString() + u' ' + set.value(1).toString();
        return out;
    };
    const QStringList read = rows();
    db.BeginTrans();
    set.MoveFirst();
    set.Edit();
    set.setValue("tlNimi", Variant("Muutettu"));
    set.Update();
    db.BeginTrans();
    set.MoveNext();
    set.Delete();
    set.AddNew();
    set.setValue("tlNumero", Variant(5000L));
    set.Update();
    db.Rollback();
    EXPECT_EQ(rows(), QStringList({"1010 Muutettu", "1020 Tili 1020", "1030 Tili 1030"}));
    db.BeginTrans();
    set.MoveLast();
    set.Delete();
    db.CommitTrans();
    db.Rollback();
    EXPECT_EQ(rows(), read);
    EXPECT_EQ(set.RecordCount(), 3);
}

// Another program's change to the book, through a connection of its own.
void changeElsewhere(const QString& path, const char* sql) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
    sqlite3_close(other);
}

TEST_F(RecordsetTest, TheContentStampChangesWithEveryChangeOfTheBook) {
    const ContentStamp start = db.contentStamp();
    db.OpenRecordset("SELECT * FROM tl", RecordsetType::Snapshot).MoveLast();
    db.Execute("UPDATE tl SET tlNimi = 'x' WHERE tlNumero = 0");  // no row written
    EXPECT_EQ(db.contentStamp(), start);

    db.Execute("UPDATE tl SET tlNimi = 'x' WHERE tlNumero = 1000");
    const ContentStamp written = db.contentStamp();
    EXPECT_NE(written, start);
    // Work rolled back leaves the book as it was, but not its stamp.
    db.BeginTrans();
    db.Execute("DELETE FROM tl");
    db.Rollback();
    const ContentStamp rolledBack = db.contentStamp();
    EXPECT_NE(rolledBack, written);
    changeElsewhere(dir.file("rs.mdb"), "DELETE FROM tl WHERE tlNumero = 1030");
    const ContentStamp elsewhere = db.contentStamp();
    EXPECT_NE(elsewhere, rolledBack);
    EXPECT_EQ(db.contentStamp(), elsewhere);
    db.Close();
    db = DBEngine::OpenDatabase(dir.file("rs.mdb"));
    EXPECT_NE(db.contentStamp(), elsewhere);
}

// A new row takes the defaults of the table's columns as they are now,
// whoever changed the definitions.
TEST_F(RecordsetTest, NewRowsFollowTheTablesDefinitionsAsTheyChange) {
    db.Execute("ALTER TABLE tl ADD COLUMN tlOma BIT");
    Recordset here = db.OpenRecordset("SELECT * FROM tl WHERE tlID = 0");
    here.AddNew();
    EXPECT_EQ(here.value("tlOma"), Variant(false));
    here.CancelUpdate();
    changeElsewhere(dir.file("rs.mdb"), "ALTER TABLE tl ADD COLUMN tlMuualla BIT");
    Recordset elsewhere = db.OpenRecordset("SELECT tlID, tlOma, tlMuualla FROM tl WHERE tlID = 0");
    elsewhere.AddNew();
    EXPECT_EQ(elsewhere.value("tlOma"), Variant(false));
    EXPECT_EQ(elsewhere.value("tlMuualla"), Variant(false));
}

TEST_F(RecordsetTest, DefinitionsFieldsPropertiesAndSavedQueries) {
    // Adding a field to a table that holds rows: Booleans read False, Longs Null.
    TableDef tl = db.tableDef("TL");
    EXPECT_EQ(tl.name(), "tl");
    FieldDef flag = tl.createField("tlUusi", FieldType::Boolean);
    flag.setDefaultValue("");
    tl.appendField(flag);
    tl.appendField(tl.createField("tlLinkki", FieldType::Long));
    Recordset rs = db.OpenRecordset("SELECT * FROM tl", RecordsetType::Snapshot);
    EXPECT_FALSE(rs.value("tlUusi").toBool());
    EXPECT_TRUE(rs.value("tlLinkki").isNull());
    const auto fields = db.tableDef("tl").fields();
    EXPECT_EQ(fields.front().name(), "tlID");
    EXPECT_TRUE(fields.front().attributes() & dbAutoIncrField);
    EXPECT_EQ(fields.back().name(), "tlLinkki");
    // The engine refuses a field whose name differs only by case.
    EXPECT_EQ(errorOf([&] { tl.appendField(tl.createField("TLUUSI", FieldType::Long)); }), err::FieldDefinedTwice);
    EXPECT_EQ(errorOf([&] { db.tableDef("eiOle"); }), err::ItemNotFound);

    // A new table with a Counter key and the index "PrimaryKey".
    TableDef kp = db.createTableDef("kp");
    FieldDef key = kp.createField("kpID", FieldType::Long);
    key.setAttributes(key.attributes() | dbAutoIncrField);
    kp.appendField(key);
    kp.appendField(kp.createField("kpNimi", FieldType::Text, 100));
    FieldDef money = kp.createField("kpRaha", FieldType::Currency);
    money.createProperty("Format", "#,##0.00 mk");
    kp.appendField(money);
    IndexDef pk = kp.createIndex("PrimaryKey");
    pk.appendField(pk.createField("kpID", FieldType::Long));
    pk.setPrimary(true);
    kp.appendIndex(pk);
    EXPECT_EQ(errorOf([&] { db.tableDef("kp"); }), err::ItemNotFound);  // nothing stored before the append
    db.appendTableDef(kp);
    const auto idx = db.tableDef("kp").indexes();
    ASSERT_EQ(idx.size(), 1u);
    EXPECT_EQ(idx[0].name(), "PrimaryKey");
    EXPECT_TRUE(idx[0].primary());
    FieldDef stored = db.tableDef("kp").field("kpRaha");
    EXPECT_EQ(stored.property("Format").toString(), "#,##0.00 mk");
    stored.setProperty("Format", "#,##0.00 €");
    EXPECT_EQ(db.tableDef("kp").field("kpRaha").property("Format").toString(), "#,##0.00 €");
    EXPECT_EQ(errorOf([&] { db.tableDef("kp").field("kpNimi").property("Format"); }), err::PropertyNotFound);
    EXPECT_EQ(errorOf([&] { db.tableDef("kp").field("kpNimi").setProperty("Format", "x"); }), err::PropertyNotFound);
    EXPECT_EQ(db.tableDef("kp").field("kpNimi").size(), 100);
    Recordset k = db.OpenRecordset("SELECT * FROM kp WHERE kpID = 0");
    k.AddNew();
    EXPECT_EQ(k.value("kpID").toLong(), 1);

    // Saved queries keep their text and are opened like tables.
    db.createQueryDef("isot", "SELECT tlNumero, tlNimi FROM tl WHERE tlNumero > 1010;");
    EXPECT_EQ(db.queryDef("ISOT").sql, "SELECT tlNumero, tlNimi FROM tl WHERE tlNumero > 1010;");
    Recordset q = db.OpenRecordset("isot", RecordsetType::Snapshot);
    q.MoveLast();
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(errorOf([&] { db.createQueryDef("isot", "SELECT * FROM tl"); }), err::ObjectExists);
    db.deleteQueryDef("isot");
    EXPECT_EQ(errorOf([&] { db.queryDef("isot"); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { db.deleteQueryDef("isot"); }), err::ItemNotFound);

    // The table list comes in creation order, the engine's own tables included.
    QStringList names;
    for (const TableDef& t : db.tableDefs()) names << t.name();
    EXPECT_EQ(names.indexOf("tl"), 0);
    EXPECT_TRUE(names.contains("kp"));
    EXPECT_TRUE(names.contains("MSysFieldProps"));
}

}  // namespace

// A read in parts, each part read on a thread of its own, gives the rows of
// one pass in their order; a read whose order or contents another
// connection could not keep is one part.
TEST_F(RecordsetTest, ARowPassInPartsReadsTheRowsOfOnePass) {
    db.Execute("CREATE TABLE vi (viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, vitlID LONG, viSelite TEXT(50), "
               "viArvo CURRENCY)");
    db.Execute("CREATE INDEX vi_tl ON vi (vitlID)");
    InTransaction(db, [&] {
        for (int i = 0; i < 3000; ++i)
            db.Execute("INSERT INTO vi (vitlID, viSelite, viArvo) VALUES (?, ?, ?)",
                       {1 + (i * 7) % 5, i % 11 ? Variant("Vienti " + QString::number(i)) : Variant(), i * 0.25});
    });
    db.Execute("DELETE FROM vi WHERE viID % 7 = 3 OR viID BETWEEN 1000 AND 1400");  // gaps in the rows' numbers
    const QString join = "SELECT vi.viID, tl.tlNumero, vi.viSelite, vi.viArvo FROM vi INNER JOIN tl ON tl.tlID = vi.vitlID";
    struct Case {
        const char* what;
        QString sql;
        int parts, fewest;
        bool inTransaction;
        bool cut;
    } cases[] = {
        {"a join", join, 5, 100, false, true},
        {"more parts than rows allow", join, 8, 1000, false, true},
        {"too few rows", join, 4, 2000, false, false},
        {"one part asked", join, 1, 1, false, false},
        {"a condition", join + " WHERE vi.viArvo > 10", 4, 100, false, false},
        {"an order", join + " ORDER BY tl.tlNumero", 4, 100, false, false},
        {"a book in a transaction", join, 4, 100, true, false},
        {"the rows of an index", "SELECT vitlID, viID, vitlID AS a, vitlID AS b FROM vi", 4, 100, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.inTransaction) {
            db.BeginTrans();
            db.Execute("INSERT INTO vi (vitlID, viSelite) VALUES (2, 'Tallentamaton')");
        }
        auto rowsOf = [](RowPass& pass) {
            std::vector<QString> rows;
            while (pass.next()) {
                QStringList cells;
                for (int i = 0; i < 4; ++i) cells << (pass.isNull(i) ? "" : pass.value(i).toString());
                rows.push_back(cells.join('|'));
            }
            return rows;
        };
        RowPass one(db, c.sql);
        const std::vector<QString> expected = rowsOf(one);
        RowPassParts parts(db, c.sql, c.parts, c.fewest);
        EXPECT_EQ(parts.count() > 1, c.cut);
        if (c.cut) {
            EXPECT_LE(parts.count(), c.parts);
        }
        std::vector<std::vector<QString>> read(size_t(parts.count()));
        std::vector<std::thread> threads;
        for (int i = 0; i < parts.count(); ++i)
            threads.emplace_back([&, i] { read[size_t(i)] = rowsOf(*parts.pass(i)); });
        for (std::thread& t : threads) t.join();
        std::vector<QString> all;
        for (const auto& r : read) all.insert(all.end(), r.begin(), r.end());
        EXPECT_EQ(all, expected);
        if (c.inTransaction) db.Rollback();
    }
}

// A read pass gives each value as a recordset's field of the same query
// does, for every kind a column may hold, and a text field's texts in place.
TEST_F(RecordsetTest, ARowPassReadsEveryValueAsARecordsetDoes) {
    db.Execute("DELETE FROM tl");
    const char* rows[] = {
        "INSERT INTO tl (tlNumero, tlNimi, tlSaldo, tlPvm, tlPrint, tlPieni) VALUES (5, 'D', 12.34, #3/1/2031#, True, 7)",
        "INSERT INTO tl (tlNumero) VALUES (NULL)",
        "INSERT INTO tl (tlNumero, tlNimi, tlSaldo, tlPvm, tlPrint) VALUES (3.0, 'd', '7.5', NULL, False)",
        "INSERT INTO tl (tlNumero, tlNimi, tlSaldo, tlPvm) VALUES ('12', 'Äyrä', '-0.5', 45000.5)",
        "INSERT INTO tl (tlNumero, tlNimi, tlSaldo) VALUES (-2147483648, 12, 3)",
    };
    for (const char* r : rows) db.Execute(r);
    const QString sql = "SELECT tlNumero, tlNimi, tlSaldo, tlPvm, tlPrint, tlPieni, tlNumero * 2 AS kaksi, "
                        "MAX(tlPvm, '2000-01-01') AS myohempi FROM tl WHERE tlID > ? ORDER BY tlID";
    Recordset rs = db.OpenRecordset(sql, RecordsetType::Snapshot, {Variant(0L)});
    RowPass pass(db, sql, {Variant(0L)});
    const QStringList names = rs.fieldNames();
    int n = 0;
    for (; pass.next(); rs.MoveNext(), ++n) {
        ASSERT_FALSE(rs.isEOF());
        for (const QString& name : names) {
            SCOPED_TRACE(QStringLiteral("row %1, %2").arg(n).arg(name).toStdString());
            const int col = pass.column(name.toUpper());
            const Variant v = rs.value(name);
            EXPECT_EQ(pass.value(col), v);
            EXPECT_EQ(pass.isNull(col), v.isNull());
            const std::optional<QUtf8StringView> text = pass.storedText(col);
            const bool textField = name == QLatin1String("tlNimi") && v.kind() == Variant::Kind::Text;
            EXPECT_EQ(text.has_value(), textField);
            if (text) {
                EXPECT_EQ(QString::fromUtf8(text->data(), text->size()), v.toString());
            }
        }
    }
    EXPECT_TRUE(rs.isEOF());
    EXPECT_EQ(n, 5);
    EXPECT_FALSE(pass.next());
    EXPECT_EQ(errorOf([&] { pass.column("tlEiOle"); }), err::ItemNotFound);
    EXPECT_EQ(errorOf([&] { pass.value(0); }), err::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { RowPass(db, "DELETE FROM tl"); }), err::InvalidOperation);

    // A value the program never writes is refused alike by both, naming the
    // table, the row by its key and the column; the pass tells it apart
    // without raising.
    db.Execute("DELETE FROM tl");
    db.Execute("INSERT INTO tl (tlID, tlNumero, tlSaldo, tlPvm) VALUES (9, 4294967296, 'paljon', 'ei päivä')");
    for (const char* column : {"tlNumero", "tlSaldo", "tlPvm"}) {
        SCOPED_TRACE(column);
        const QString one = QStringLiteral("SELECT %1 FROM tl").arg(QLatin1String(column));
        try {
            db.OpenRecordset(one, RecordsetType::Snapshot).value(0);
            ADD_FAILURE() << "read";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.number(), err::ValueNotWritten);
            EXPECT_TRUE(e.description().contains(QStringLiteral("taulun tl rivillä tlID = 9 on sarakkeessa %1 ")
                                                     .arg(QLatin1String(column))))
                << e.description().toStdString();
        }
        RowPass bad(db, one);
        ASSERT_TRUE(bad.next());
        EXPECT_TRUE(bad.fault(0).has_value());
        EXPECT_EQ(errorOf([&] { bad.value(0); }), err::ValueNotWritten);
    }
}
