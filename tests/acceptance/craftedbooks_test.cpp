// Books the program did not make. A book can come from anyone: its
// definitions and the files beside it may be made to take over what the
// program stores, to hang it, or to change other files as the engine opens
// it. Each such book is taken through every command that opens a book (the
// start, the settings window's choice of a book, the restore of a copy, the
// backup of the book in use): the book is refused in words, no command
// takes long, and the book, every file beside it, another book and an empty
// file in its folder are left exactly as they were.

#include "app/openers.h"
#include "core/bookfixture.h"
#include "maintenance/backupfolder.h"
#include "shell/settings/frmasetukset.h"
#include "shell/shellfixture.h"
#include "support/child.h"
#include "support/dialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QtEndian>
#include <functional>
#include <map>
#include <sqlite3.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

// The program started from the program folder args[0], as its executable
// starts it; it prints what it told and its title.
KV_TEST_CHILD(craftedStart) {
    sys::SetAppPath(args.value(0));
    core::resetGlobals();
    core::InstallWindowHooks();
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    ui::Forms::setModalTimeout(15000);
    ui::Forms::setModalHook([](ui::Form& f) { ui::Forms::unload(f); });  // the splash window
    const QString title = ui::Forms::show<shell::frmMain>().windowTitle();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (QString text : dialogs.shownTexts()) out.write(text.replace(QStringLiteral("\r\n"), QStringLiteral(" | ")).toUtf8() + '\n');
    out.write("title: " + title.toUtf8() + '\n');
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    return 0;
}

// Runs SQL on a file as another program would, its definitions writable.
void craft(const QString& path, const char* sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &h), SQLITE_OK);
    char* error = nullptr;
    const QByteArray all = QByteArray("PRAGMA writable_schema=ON; ") + sql + "; PRAGMA writable_schema=OFF";
    EXPECT_EQ(sqlite3_exec(h, all.constData(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(h);
}

// A journal as an interrupted write across several files leaves it: it
// names another file, the super-journal, which the engine deletes once it
// has played the journal back.
void journalNaming(const QString& book, const QString& other) {
    const qint64 pageSize = 4096;
    const unsigned char magic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    QByteArray journal(reinterpret_cast<const char*>(magic), 8);
    auto u32 = [](QByteArray& to, quint32 v) {
        char b[4];
        qToBigEndian(v, b);
        to.append(b, 4);
    };
    for (quint32 v : {0u, 0u, quint32(QFileInfo(book).size() / pageSize), 512u, quint32(pageSize)}) u32(journal, v);
    journal.append(QByteArray(512 - journal.size(), '\0'));
    const QByteArray name = QFile::encodeName(other);
    u32(journal, quint32(0x40000000 / pageSize + 1));
    journal.append(name);
    quint32 sum = 0;
    for (char c : name) sum += quint32(static_cast<unsigned char>(c));
    u32(journal, quint32(name.size()));
    u32(journal, sum);
    journal.append(reinterpret_cast<const char*>(magic), 8);
    QFile f(book + QStringLiteral("-journal"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(journal);
}

// A copy of the book in write-ahead-log mode with a row still in its log,
// as another program leaves it while it runs: the copy and, when log is
// given, its log under that name.
void inLogMode(const QString& book, const QString& copy, const QString& log) {
    const QString live = copy + QStringLiteral(".elossa");
    ASSERT_TRUE(QFile::copy(book, live));
    QFile::setPermissions(live, QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(live).constData(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h, "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0; "
                              "INSERT INTO tl (tlNumero, tlNimi) VALUES (9999, 'Lokista');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_TRUE(QFile::copy(live, copy));
    if (!log.isEmpty()) ASSERT_TRUE(QFile::copy(live + QStringLiteral("-wal"), log));
    sqlite3_close(h);
    for (const QString& f : {live, live + QStringLiteral("-wal"), live + QStringLiteral("-shm")}) QFile::remove(f);
}

class CraftedBooks : public kvtest::ShellTest {
protected:
    // Every file of the folder and its bytes.
    static std::map<QString, QByteArray> folderBytes(const QString& folder) {
        std::map<QString, QByteArray> out;
        for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            QFile f(fi.filePath());
            out[fi.fileName()] = fi.isSymLink() ? ("-> " + fi.symLinkTarget().toUtf8())
                                 : f.open(QIODevice::ReadOnly) ? f.readAll()
                                                               : QByteArray("?");
        }
        return out;
    }
};

TEST_F(CraftedBooks, ABookTheProgramDidNotMakeIsRefusedByEveryCommandAndLeftAsItWas) {
    const QString foreign = QStringLiteral("Tietokannassa on määrityksiä, joita Kolvio VEV ei tee, joten sitä ei otettu "
                                           "käyttöön:\r\n");
    const QString journalNames = QStringLiteral("Tietokannan vieressä on keskeneräisen kirjoituksen tiedosto, joka "
                                                "nimeää toisen tiedoston poistettavaksi");
    const QString logBeside = QStringLiteral("Tietokannan vieressä on toisen ohjelman kirjoitusloki");
    const struct {
        const char* name;
        std::function<void(const QString& book, const QString& folder)> make;
        QString told;  // the beginning of what each command tells
        bool sideFile = false;  // a file beside the book, which a restore does not copy
    } cases[] = {
        {"a check on the accounts that backtracks",
         [](const QString& b, const QString&) {
             craft(b, "UPDATE sqlite_master SET sql = substr(sql, 1, length(sql) - 1) || ', CHECK (NOT ((tlNimi || "
                      "''aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'') LIKE ''*a*a*a*a*a*a*a*a*a*a*a*a*b'')))' WHERE name = 'tl'");
         },
         foreign + QStringLiteral("taulu tl: CHECK (NOT ((tlNimi || 'aaa")},
        {"an index in a collation the program does not have",
         [](const QString& b, const QString&) {
             craft(b, "CREATE INDEX tlVieras ON tl (tlNimi COLLATE NOCASE); UPDATE sqlite_master SET sql = "
                      "replace(sql, 'NOCASE', 'vieras') WHERE name = 'tlVieras'");
         },
         foreign + QStringLiteral("indeksi tlVieras: CREATE INDEX tlVieras ON tl (tlNimi COLLATE vieras)")},
        {"a check that calls a function the program does not have",
         [](const QString& b, const QString&) {
             craft(b, "UPDATE sqlite_master SET sql = substr(sql, 1, length(sql) - 1) || ', CHECK (vieras(tlNimi)))' "
                      "WHERE name = 'tl'");
         },
         foreign + QStringLiteral("taulu tl: CHECK (vieras(tlNimi))")},
        {"amounts declared as flags",
         [](const QString& b, const QString&) {
             craft(b, "UPDATE sqlite_master SET sql = replace(sql, '\"viArvo\" CURRENCY', '\"viArvo\" BIT') WHERE "
                      "name = 'vi'");
         },
         foreign + QStringLiteral("taulu vi: \"viArvo\" BIT")},
        {"a default text for the entries",
         [](const QString& b, const QString&) {
             craft(b, "UPDATE sqlite_master SET sql = replace(sql, '\"viSelite\" TEXT(255)', '\"viSelite\" TEXT(255) "
                      "DEFAULT ''VIERAS''') WHERE name = 'vi'");
         },
         foreign + QStringLiteral("taulu vi: \"viSelite\" TEXT(255) DEFAULT 'VIERAS'")},
        {"a column computed from another",
         [](const QString& b, const QString&) { craft(b, "ALTER TABLE vi ADD COLUMN viTupla AS (viArvo * 2) VIRTUAL"); },
         foreign + QStringLiteral("taulu vi: viTupla AS (viArvo * 2) VIRTUAL")},
        {"a table of its own", [](const QString& b, const QString&) { craft(b, "CREATE TABLE muistio (x TEXT)"); },
         foreign + QStringLiteral("taulu muistio: CREATE TABLE muistio (x TEXT)")},
        {"a view", [](const QString& b, const QString&) { craft(b, "CREATE VIEW kaikki AS SELECT * FROM vi"); },
         foreign + QStringLiteral("näkymä kaikki: CREATE VIEW kaikki AS SELECT * FROM vi")},
        {"a trigger", [](const QString& b, const QString&) { kvtest::addEntryTrigger(b); },
         foreign + QStringLiteral("herätin vienti_poisto: CREATE TRIGGER vienti_poisto")},
        {"a journal that names another book",
         [](const QString& b, const QString& folder) { journalNaming(b, QDir(folder).filePath(QStringLiteral("toinen.mdb"))); },
         journalNames, true},
        {"a write-ahead log beside it",
         [](const QString& b, const QString& folder) {
             inLogMode(b, QDir(folder).filePath(QStringLiteral("loki.tmp")), b + QStringLiteral("-wal"));
             QFile::remove(QDir(folder).filePath(QStringLiteral("loki.tmp")));
         },
         logBeside, true},
        {"in write-ahead-log mode",
         [](const QString& b, const QString&) {
             const QString copy = b + QStringLiteral(".kopio");
             inLogMode(b, copy, QString());
             ASSERT_TRUE(QFile::remove(b));
             ASSERT_TRUE(QFile::rename(copy, b));
         },
         QStringLiteral("Tietokanta on kirjoituslokitilassa (WAL), jota Kolvio VEV ei käytä.")},
        {"a journal that is a link",
         [](const QString& b, const QString& folder) {
             ASSERT_TRUE(QFile::link(QDir(folder).filePath(QStringLiteral("tyhja")), b + QStringLiteral("-journal")));
         },
         QStringLiteral("Tietokannan vieressä oleva tiedosto on linkki toiseen tiedostoon"), true},
    };
    app::RegisterOpeners();
    // The program in use works on a book of its own, in a folder of its own.
    const QString inUse = tmp.file(QStringLiteral("kaytossa/kirja.mdb"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(inUse).path()));
    ASSERT_TRUE(QFile::copy(demoBook(), inUse));
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = tmp.file(QStringLiteral("vieras%1").arg(++n));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString book = QDir(folder).filePath(QStringLiteral("kirja.mdb"));
        ASSERT_TRUE(QFile::copy(demoBook(), book));
        ASSERT_TRUE(QFile::copy(demoBook(), QDir(folder).filePath(QStringLiteral("toinen.mdb"))));
        QFile(QDir(folder).filePath(QStringLiteral("tyhja"))).open(QIODevice::WriteOnly);
        for (const QString& f : QDir(folder).entryList(QDir::Files))
            QFile::setPermissions(QDir(folder).filePath(f), QFile::ReadOwner | QFile::WriteOwner);
        c.make(book, folder);
        const std::map<QString, QByteArray> before = folderBytes(folder);
        QElapsedTimer took;

        // The start.
        configure(book);
        took.start();
        const kvtest::KilledRun run = kvtest::runChild("craftedStart", {app}, 30000);
        EXPECT_TRUE(run.finished) << run.errors.toStdString();
        EXPECT_LT(took.elapsed(), 10000);
        EXPECT_TRUE(QString::fromUtf8(run.lines.value(0)).startsWith(QString(c.told).replace(QStringLiteral("\r\n"),
                                                                                               QStringLiteral(" | "))))
            << run.lines.value(0).toStdString();
        EXPECT_EQ(run.lines.value(run.lines.size() - 1), QByteArray("title: Kolvio VEV - "));
        EXPECT_EQ(folderBytes(folder), before);

        // The program started on the book in use.
        configure(inUse);
        core::resetGlobals();
        {
            ScriptedDialogs quiet;
            startUp();
        }
        ScriptedDialogs dialogs;
        // The settings window's choice of the book.
        auto& settings = ui::Forms::show<shell::frmAsetukset>();
        dialogs.expectOpenFile(book).expectMessage(c.told, Answer::OK);
        took.start();
        settings.cTietokantavalita->click();
        EXPECT_LT(took.elapsed(), 10000);
        EXPECT_EQ(core::DatabasePath, inUse);
        ui::Forms::unload(settings);
        // The restore of the book as a copy: its file alone is copied, and
        // looked at; a file beside it is neither.
        dialogs.expectOpenFile(book);
        if (c.sideFile)
            dialogs.expectSaveFile(QString());  // no target: the restore is cancelled there
        else
            dialogs.expectMessage(c.told, Answer::OK);
        took.start();
        maintenance::mPalautusClick();
        EXPECT_LT(took.elapsed(), 10000);
        EXPECT_EQ(core::DatabasePath, inUse);
        EXPECT_FALSE(QFile::exists(QDir(home).filePath(QStringLiteral("Documents/Kolvio VEV/kirja.mdb"))));
        // The backup of the book, as another program left it in place of
        // the book in use.
        core::DatabasePath = book;
        core::DatabaseBackup = tmp.file(QStringLiteral("varmistus%1/").arg(n));
        ASSERT_TRUE(QDir().mkpath(core::DatabaseBackup));
        dialogs.expectMessage(QStringLiteral("Aloitetaan tietokannan varmuuskopiointi"), Answer::OK)
            .expectMessage(c.told, Answer::OK);
        took.start();
        maintenance::mVarmistusClick();
        EXPECT_LT(took.elapsed(), 10000);
        EXPECT_TRUE(QDir(core::DatabaseBackup).isEmpty());
        EXPECT_EQ(folderBytes(folder), before);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
    }
}

// Every book the program makes passes: the demo book, each template, and
// books of the older layouts the upgrade takes (the template's base tables,
// and those with the first columns a later version added). Each is taken
// into use by the settings window's choice (opened and upgraded), a
// voucher is saved into it, it is backed up and compacted, and a repair of
// it brings it over whole.
TEST_F(CraftedBooks, EveryBookTheProgramMakesOpensUpgradesSavesBacksUpAndRepairs) {
    const QDir built(kvtest::builtAppDir());
    QStringList books{demoBook()};
    for (const QString& t : QDir(built.filePath(QStringLiteral("mallit"))).entryList({QStringLiteral("*.mdb")}))
        books << built.filePath(QStringLiteral("mallit/")) + t;
    ASSERT_EQ(books.size(), 7);
    books << kvtest::makeBaseBook(tmp, QStringLiteral("pohja.mdb"));
    // The base tables with the closing entries' flags that a later version
    // added first, as the upgrade adds them.
    const QString older = kvtest::makeBaseBook(tmp, QStringLiteral("vanhempi.mdb"));
    {
        dao::Database db = dao::DBEngine::OpenDatabase(older);
        for (const auto& [table, field] : {std::pair{"vi", "viPaatosvienti"}, std::pair{"to", "toPaatostosite"}}) {
            dao::TableDef td = db.tableDef(QString::fromLatin1(table));
            dao::FieldDef f = td.createField(QString::fromLatin1(field), dao::FieldType::Boolean);
            f.setDefaultValue(QString());
            td.appendField(f);
        }
        db.Close();
    }
    books << older;

    app::RegisterOpeners();
    configure(demoBook());
    {
        ScriptedDialogs quiet;
        startUp();
    }
    int n = 0;
    for (const QString& made : books) {
        SCOPED_TRACE(made.toStdString());
        const QString book = tmp.file(QStringLiteral("kirja%1.mdb").arg(++n));
        ASSERT_TRUE(QFile::copy(made, book));
        QFile::setPermissions(book, QFile::ReadOwner | QFile::WriteOwner);
        ScriptedDialogs dialogs;
        auto& settings = ui::Forms::show<shell::frmAsetukset>();
        dialogs.expectOpenFile(book);
        settings.cTietokantavalita->click();
        ASSERT_EQ(core::DatabasePath, book);
        ui::Forms::unload(settings);
        {
            dao::Database db = core::DBCon().AvaaDB();
            db.Execute(QStringLiteral("INSERT INTO [to] (toNumero, toPvm, toSelite) VALUES (99999, ?, 'Tallennettu')"),
                       {dao::Variant(core::TilikausiAlku)});
        }
        core::DatabaseBackup = tmp.file(QStringLiteral("varmistus%1/").arg(n));
        ASSERT_TRUE(QDir().mkpath(core::DatabaseBackup));
        dialogs.expectMessage(QStringLiteral("Aloitetaan tietokannan varmuuskopiointi"), Answer::OK)
            .expectMessage(QStringLiteral("Tietokannan varmuuskopiointi ja uudelleenjärjestely valmis."), Answer::OK);
        maintenance::mVarmistusClick();
        const QString repaired = book + QStringLiteral(".korjattu");
        EXPECT_TRUE(dao::DBEngine::RepairDatabase(book, repaired).whole());
        dao::Database copy = dao::DBEngine::OpenDatabase(repaired, true);
        dao::Recordset rs = copy.OpenRecordset(QStringLiteral("SELECT toSelite FROM [to] WHERE toNumero = 99999"),
                                               dao::RecordsetType::Snapshot);
        EXPECT_EQ(rs.isEOF() ? QString() : rs.value(0).toString(), QStringLiteral("Tallennettu"));
        rs.Close();
        copy.Close();
    }
}

}  // namespace
