// Book files: opening errors for each kind of bad file, compaction and
// repair, and a writer killed in the middle of its work.

#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "support/child.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>
#include <functional>
#include <set>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>

using namespace dao;

namespace {

int openError(const QString& path, bool readOnly = false) {
    try {
        Database db = DBEngine::OpenDatabase(path, readOnly);
    } catch (const DaoError& e) {
        return e.number();
    }
    return 0;
}

void makeBook(const QString& path, int rows = 3) {
    Database db = DBEngine::CreateDatabase(path);
    db.Execute("CREATE TABLE t (tID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, tNimi TEXT(50))");
    for (int i = 0; i < rows; ++i) db.Execute("INSERT INTO t (tNimi) VALUES (?)", {QString("rivi %1").arg(i)});
    db.Close();
}

TEST(BookFileTest, EachKindOfBadFileHasItsOwnError) {
    kvtest::TempDir dir;
    EXPECT_EQ(openError(""), err::FileNotFound);
    EXPECT_EQ(openError(dir.file("puuttuu.mdb")), err::FileNotFound);
    EXPECT_EQ(openError(dir.file("eiKansiota/kirja.mdb")), err::InvalidPath);
    EXPECT_EQ(openError(dir.path()), err::InvalidPath);

    // Not a book: random bytes, and an empty file.
    const QString junk = dir.file("roskaa.mdb");
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray bytes(8192, '\0');
        for (char& c : bytes) c = char(QRandomGenerator::global()->bounded(256));
        f.write(bytes);
    }
    EXPECT_EQ(openError(junk), err::UnrecognizedFormat);
    const QString empty = dir.file("tyhja.mdb");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(openError(empty), err::UnrecognizedFormat);

    // Damaged: a sound header over pages that were overwritten.
    const QString damaged = dir.file("vioittunut.mdb");
    makeBook(damaged, 2000);
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(4096);
        f.write(QByteArray(4096 * 3, '\x5a'));
    }
    const int damagedError = openError(damaged);
    EXPECT_EQ(damagedError, err::CannotOpenDatabase);

    // Read-only file: its own error when opened for writing; readable read-only.
    const QString ro = dir.file("suojattu.mdb");
    makeBook(ro);
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    if (::geteuid() != 0) {
        EXPECT_EQ(openError(ro), err::NoPermission);
    }
    EXPECT_EQ(openError(ro, true), 0);
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Locked by another program: a writer holding the file.
    const QString locked = dir.file("lukittu.mdb");
    makeBook(locked);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(locked).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(openError(locked), err::FileInUse);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(openError(locked), 0);
}

// A database of another program, made with the engine's own calls.
void makeForeign(const QString& path, const char* sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
    sqlite3_close(h);
}

// The bytes of a file and of its side files ("" for one that is missing).
QStringList filesAround(const QString& path) {
    QStringList out;
    for (const QString& name : {path, path + "-wal", path + "-shm", path + "-journal"}) {
        QFile f(name);
        out << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll().toHex()) : QString());
    }
    return out;
}

TEST(BookFileTest, AnotherProgramsDatabaseIsRefusedAndLeftExactlyAsItWas) {
    kvtest::TempDir dir;
    QStringList foreign;
    // In write-ahead-log mode, closed.
    foreign << dir.file("loki.db");
    makeForeign(foreign.last(), "PRAGMA journal_mode=WAL; CREATE TABLE muistiinpanot (x TEXT); "
                                "INSERT INTO muistiinpanot VALUES ('a');");
    // In write-ahead-log mode with rows still in its log, as another
    // program leaves it while it runs.
    foreign << dir.file("auki.db");
    {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(dir.file("elossa.db")).constData(), &h), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(h, "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; CREATE TABLE a (x); "
                                  "INSERT INTO a VALUES (1);",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        ASSERT_TRUE(QFile::copy(dir.file("elossa.db"), foreign.last()));
        ASSERT_TRUE(QFile::copy(dir.file("elossa.db-wal"), foreign.last() + "-wal"));
        sqlite3_close(h);
    }
    // Another program's own format, even with tables of a book's names.
    foreign << dir.file("muu.sqlite");
    makeForeign(foreign.last(), "PRAGMA application_id=305419896; CREATE TABLE [to] (x); CREATE TABLE vi (x); "
                                "CREATE TABLE tl (x);");
    // No format of its own and no book's tables.
    foreign << dir.file("osoitteet.db");
    makeForeign(foreign.last(), "CREATE TABLE osoitteet (nimi TEXT); INSERT INTO osoitteet VALUES ('b');");

    for (const QString& path : foreign) {
        SCOPED_TRACE(path.toStdString());
        const QStringList before = filesAround(path);
        EXPECT_EQ(openError(path), err::UnrecognizedFormat);
        EXPECT_EQ(openError(path, true), err::UnrecognizedFormat);
        for (auto attempt : std::initializer_list<std::function<void()>>{
                 [&] { DBEngine::RepairDatabase(path, path + "2"); }, [&] { DBEngine::CompactDatabase(path, path + "2"); },
                 [&] { DBEngine::CheckIntegrity(path); }}) {
            try {
                attempt();
                ADD_FAILURE() << "no error";
            } catch (const DaoError& e) {
                EXPECT_EQ(e.number(), err::UnrecognizedFormat);
            }
        }
        EXPECT_EQ(filesAround(path), before);
        EXPECT_FALSE(QFile::exists(path + "2"));
    }

    // A book made before books carried the program's id is known by its
    // tables, and opens.
    const QString older = dir.file("vanha.mdb");
    makeForeign(older, "CREATE TABLE [to] (toID INTEGER); CREATE TABLE vi (viID INTEGER); "
                       "CREATE TABLE TL (tlID INTEGER);");
    EXPECT_EQ(openError(older), 0);
    // Books made now carry it.
    const QString made = dir.file("uusi.mdb");
    makeBook(made);
    QFile f(made);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray header = f.read(100);
    EXPECT_EQ(qFromBigEndian<quint32>(header.constData() + 68), kBookApplicationId);
}

TEST(BookFileTest, CompactAndRepair) {
    kvtest::TempDir dir;
    const QString path = dir.file("kirja.mdb");
    makeBook(path, 500);
    {
        Database db = DBEngine::OpenDatabase(path);
        db.Execute("DELETE FROM t WHERE tID > 10");
    }
    EXPECT_TRUE(DBEngine::RepairDatabase(path, dir.file("korjattu.mdb")).whole());  // a sound book comes over whole
    DBEngine::CompactDatabase(path, path + "2");
    EXPECT_LT(QFileInfo(path + "2").size(), QFileInfo(path).size());
    Database copy = DBEngine::OpenDatabase(path + "2");
    Recordset rs = copy.OpenRecordset("SELECT COUNT(*) FROM t", RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toLong(), 10);
    EXPECT_TRUE(copy.integrityProblems().isEmpty());
    // The target must not exist.
    try {
        DBEngine::CompactDatabase(path, path + "2");
        FAIL();
    } catch (const DaoError& e) {
        EXPECT_EQ(e.number(), err::DatabaseExists);
    }
    // A book whose definitions cannot be read is not "repaired", nor, without
    // the program's layouts (the layer then has no definitions of its own to
    // rebuild a book from), one whose rows a compaction cannot read whole: a
    // page of its rows is zeros. The file is left alone.
    const auto page = [](const QString& book) {
        sqlite3* h = nullptr;
        sqlite3_stmt* s = nullptr;
        qint64 page = 0;
        sqlite3_open_v2(QFile::encodeName(book).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
        if (sqlite3_prepare_v2(h, "SELECT pageno FROM dbstat WHERE name = 't' AND pagetype = 'leaf' LIMIT 1 OFFSET 1",
                               -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
            page = sqlite3_column_int64(s, 0);
        sqlite3_finalize(s);
        sqlite3_close(h);
        return page;
    };
    for (const bool definitions : {true, false}) {
        SCOPED_TRACE(definitions ? "definitions" : "rows");
        const QString bad = dir.file(definitions ? "rikki.mdb" : "sivuton.mdb");
        makeBook(bad, definitions ? 3000 : 800);
        const qint64 zeroed = definitions ? 1 : page(bad);
        ASSERT_GT(zeroed, 1 - int(definitions));
        {
            QFile f(bad);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            f.seek((zeroed - 1) * 4096 + (definitions ? 100 : 0));
            f.write(QByteArray(definitions ? 4096 - 100 : 4096, definitions ? '\x33' : '\0'));
        }
        const QByteArray before = [&] {
            QFile f(bad);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        try {
            DBEngine::RepairDatabase(bad, bad + "2");
            FAIL() << "damage not found";
        } catch (const DaoError& e) {
            EXPECT_EQ(e.number(), err::CannotOpenDatabase);
        }
        QFile f(bad);
        f.open(QIODevice::ReadOnly);
        EXPECT_EQ(f.readAll(), before);
        EXPECT_FALSE(QFile::exists(bad + "2"));
    }
}

// No statement on a book reaches another file, and the book's own texts
// call the program's functions still.
TEST(BookFileTest, NoStatementOnABookAttachesAnotherFile) {
    kvtest::TempDir dir;
    const QString path = dir.file("kirja.mdb"), other = dir.file("muu.mdb");
    makeBook(path);
    Database db = DBEngine::OpenDatabase(path);
    EXPECT_THROW(db.Execute("VACUUM INTO '" + other + "'"), DaoError);
    EXPECT_FALSE(QFile::exists(other));
    db.createQueryDef("isot", "SELECT UCase(tNimi) AS iso FROM t");
    Recordset rs = db.OpenRecordset("SELECT iso FROM isot ORDER BY iso", RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("RIVI 0"));
    rs.Close();
    db.Close();
    // The compaction's copy is attached by the compaction alone.
    DBEngine::CompactDatabase(path, other);
    EXPECT_EQ(openError(other), 0);
}

// A compaction as a backup runs it; prints "tiivistetty" when it is done.
KV_TEST_CHILD(compaction) {
    DBEngine::CompactDatabase(args.value(0), args.value(1));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write("tiivistetty\n");
    return 0;
}

// A second copy of the program starts on the same book while the first is
// compacting it: its clean-up leaves the compaction's work file, which then
// takes its name; the work file of a copy that has stopped goes.
TEST(BookFileTest, AnotherCopysCleanUpLeavesTheWorkFileOfARunningCompaction) {
    kvtest::TempDir dir;
    const QString book = dir.file("kirja.mdb");
    makeBook(book, 500);
    for (const bool ownerLives : {false, true}) {
        SCOPED_TRACE(ownerLives ? "running" : "stopped");
        // Stopped where the whole copy is synced, before it takes its name.
        kvtest::PausedRun first("compaction", {book, dir.file("kirja.md2")}, "sync");
        ASSERT_TRUE(QFile::exists(first.pausedAt()));
        if (!ownerLives) first.kill();
        fso::RemoveLeftoverWorkFiles(dir.path(), book);
        EXPECT_EQ(QFile::exists(first.pausedAt()), ownerLives);
        if (ownerLives) {
            EXPECT_EQ(first.resume().lines, QList<QByteArray>{"tiivistetty"});
        }
    }
    EXPECT_EQ(DBEngine::OpenDatabase(dir.file("kirja.md2")).OpenRecordset("SELECT COUNT(*) FROM t").value(0).toLong(), 500);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"kirja.md2", "kirja.mdb"}));
}

// The writer of the next test: adds rows one by one, each in its own
// save, and reports each save that has returned.
KV_TEST_CHILD(burstWriter) {
    Database db = DBEngine::OpenDatabase(args.value(0));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (int i = 0;; ++i) {
        Recordset rs = db.OpenRecordset("SELECT * FROM t WHERE tID = 0");
        rs.AddNew();
        const std::int64_t id = rs.value("tID").toLong();
        rs.setValue("tNimi", QString("tallennus %1").arg(i));
        rs.Update();
        out.write(QByteArray::number(qlonglong(id)) + '\n');
    }
    return 0;
}

TEST(BookFileTest, AWriterKilledInABurstLeavesASoundBookWithEverySave) {
    kvtest::TempDir dir;
    const QString path = dir.file("purske.mdb");
    makeBook(path, 0);
    for (int round = 0; round < 3; ++round) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--kv-child=burstWriter", path});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray reported;
        // Let it write a good number of saves, then kill it without warning
        // somewhere in the middle of the following ones. Each save syncs the
        // file and its folder, which on a busy disk can take a good part of
        // a second: the time limit only stops a writer that hangs.
        QElapsedTimer t;
        t.start();
        while (reported.count('\n') < 30 && t.elapsed() < 120000) {
            child.waitForReadyRead(50);
            reported += child.readAllStandardOutput();
        }
        QElapsedTimer more;
        more.start();
        while (more.elapsed() < 50 + round * 120) {
            child.waitForReadyRead(10);
            reported += child.readAllStandardOutput();
        }
        child.kill();
        child.waitForFinished();
        reported += child.readAllStandardOutput();
        QList<QByteArray> lines = reported.split('\n');
        if (!reported.endsWith('\n')) lines.removeLast();  // a half-written line
        std::vector<std::int64_t> saved;
        for (const QByteArray& l : lines)
            if (!l.isEmpty()) saved.push_back(l.toLongLong());
        ASSERT_GT(saved.size(), 5u) << "the writer saved too little to test: "
                                   << child.readAllStandardError().toStdString();

        Database db = DBEngine::OpenDatabase(path);
        EXPECT_TRUE(db.integrityProblems().isEmpty());
        for (std::int64_t id : saved) {
            Recordset rs = db.OpenRecordset("SELECT * FROM t WHERE tID = ?", RecordsetType::Snapshot, {Variant(id)});
            EXPECT_FALSE(rs.isEOF()) << "save " << id << " lost";
        }
        db.Close();
    }
}

}  // namespace

namespace {

TEST(BookFileTest, ACommitThatFailsUndoesTheTransactionInsteadOfLeavingItOpen) {
    kvtest::TempDir dir;
    const QString path = dir.file("commit.mdb");
    makeBook(path, 1);
    DBEngine::setBusyTimeoutMs(200);
    Database db = DBEngine::OpenDatabase(path);
    // A new row begun before the transaction and stored inside it, and a
    // row changed inside it.
    Recordset rs = db.OpenRecordset("SELECT * FROM t", RecordsetType::Dynaset);
    rs.AddNew();
    rs.setValue("tNimi", Variant("uusi"));
    db.BeginTrans();
    rs.Update();
    rs.MoveFirst();
    rs.Edit();
    rs.setValue("tNimi", Variant("muutettu"));
    rs.Update();
    db.Execute("INSERT INTO t (tNimi) VALUES ('kesken')");
    // Another program reads the file and keeps its read open: the commit
    // cannot take the file.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    sqlite3_stmt* read = nullptr;
    ASSERT_EQ(sqlite3_exec(other, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_prepare_v2(other, "SELECT * FROM t", -1, &read, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(read), SQLITE_ROW);
    try {
        db.CommitTrans();
        FAIL() << "the commit went through a held file";
    } catch (const DaoError& e) {
        EXPECT_EQ(e.number(), err::Locked);
    }
    EXPECT_EQ(db.transactionDepth(), 0);
    // Nor does the record set claim what was never stored: its row is as
    // read, and the new row is pending again with what it was given.
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_THROW(rs.LastModified(), DaoError);
    ASSERT_EQ(rs.editMode(), Recordset::EditMode::Add);
    EXPECT_EQ(rs.value("tNimi").toString(), "uusi");
    sqlite3_finalize(read);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    DBEngine::setBusyTimeoutMs(5000);
    // Nothing of the failed transaction is there, and the next writes are
    // committed on their own.
    rs.Update();
    db.Execute("INSERT INTO t (tNimi) VALUES ('seuraava')");
    rs.MoveFirst();
    EXPECT_EQ(rs.value("tNimi").toString(), "rivi 0");
    db.Close();
    Database again = DBEngine::OpenDatabase(path);
    Recordset stored = again.OpenRecordset("SELECT tNimi FROM t ORDER BY tID", RecordsetType::Snapshot);
    QStringList names;
    for (; !stored.isEOF(); stored.MoveNext()) names << stored.value(0).toString();
    EXPECT_EQ(names, (QStringList{"rivi 0", "uusi", "seuraava"}));
}

// The descriptors this process holds open on a file.
int openHandles(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    int n = 0;
    const QFileInfoList fds =
        QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& fd : fds)
        if (fd.symLinkTarget() == target) ++n;
    return n;
}

TEST(BookFileTest, AValueThatCannotBeBoundLeavesNothingOpenOnceTheBookIsClosed) {
    kvtest::TempDir dir;
    const QString path = dir.file("sidonta.mdb");
    makeBook(path, 1);
    {
        Database db = DBEngine::OpenDatabase(path);
        db.Execute("CREATE TABLE c (cID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, cArvo CURRENCY)");
        ASSERT_EQ(openHandles(path), 1);
        // An amount beyond what the book stores exactly, and a parameter
        // too few: neither statement runs.
        const Currency tooLarge = Currency::fromRaw(Currency::kStorableRawMax + 1);
        for (int i = 0; i < 2; ++i) {
            try {
                db.Execute("INSERT INTO c (cArvo) VALUES (?)", {tooLarge});
                FAIL() << "stored beyond the exact range";
            } catch (const DaoError& e) {
                EXPECT_EQ(e.number(), err::Overflow);
            }
            try {
                db.Execute("UPDATE t SET tNimi = ? WHERE tID = ?", {QString("x")});
                FAIL() << "ran without its second value";
            } catch (const DaoError& e) {
                EXPECT_EQ(e.number(), err::TooFewParameters);
            }
        }
        // The book goes on working, and nothing was written.
        db.Execute("INSERT INTO c (cArvo) VALUES (?)", {Currency::fromRaw(5)});
        Recordset rs = db.OpenRecordset("SELECT COUNT(*) FROM c", RecordsetType::Snapshot);
        EXPECT_EQ(rs.value(0).toLong(), 1);
        rs.Close();
        db.Close();
    }
    // Closed, the book holds the file no longer.
    EXPECT_EQ(openHandles(path), 0);
}

}  // namespace

namespace {

// Every connection opened while a watch lives is followed; one that could
// write (opened for writing, or one that ran VACUUM INTO) reports its
// synchronous level when it closes.
struct SyncWatch {
    static inline std::vector<int> levels;
    static inline std::set<sqlite3*> vacuumed;

    static int trace(unsigned type, void*, void* p, void* x) {
        if (type == SQLITE_TRACE_STMT) {
            if (QByteArray(static_cast<const char*>(x)).startsWith("VACUUM INTO"))
                vacuumed.insert(sqlite3_db_handle(static_cast<sqlite3_stmt*>(p)));
            return 0;
        }
        auto* db = static_cast<sqlite3*>(p);
        if (vacuumed.erase(db) == 0 && sqlite3_db_readonly(db, "main") != 0) return 0;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA synchronous", -1, &s, nullptr);
        levels.push_back(sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1);
        sqlite3_finalize(s);
        return 0;
    }
    static int follow(sqlite3* db, const char**, const void*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT | SQLITE_TRACE_CLOSE, trace, nullptr);
        return SQLITE_OK;
    }
    SyncWatch() {
        levels.clear();
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(follow));
    }
    ~SyncWatch() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(follow)); }
};

// A save must survive a power cut: every connection that writes a book,
// a new book or a work file syncs the folder after deleting its journal
// (synchronous EXTRA, 3).
TEST(BookFileTest, EveryConnectionThatWritesSyncsTheFolderAfterItsJournalIsDeleted) {
    kvtest::TempDir dir;
    const QString book = dir.file("kirja.mdb");
    makeBook(book, 20);
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"opened for writing", [&] { DBEngine::OpenDatabase(book).Execute("INSERT INTO t (tNimi) VALUES ('x')"); }},
        {"made new", [&] { DBEngine::CreateDatabase(dir.file("uusi.mdb")).Close(); }},
        {"compacted", [&] { DBEngine::CompactDatabase(book, dir.file("tiivis.mdb")); }},
        {"repaired", [&] { DBEngine::RepairDatabase(book, dir.file("korjattu.mdb")); }},
    };
    for (const auto& [way, run] : ways) {
        SCOPED_TRACE(way);
        SyncWatch watch;
        run();
        EXPECT_FALSE(SyncWatch::levels.empty()) << "no writing connection seen";
        for (int level : SyncWatch::levels) EXPECT_EQ(level, 3);
    }
}

}  // namespace
