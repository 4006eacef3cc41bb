// Start-up end to end: the main window loaded in a program folder of the
// test's own, with every message answered by the script.

#include "core/bookfixture.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/scripteddialogs.h"
#include "shell/bookrepair.h"
#include "shell/startup.h"
#include "shellfixture.h"
#include "support/child.h"
#include "support/dialogs.h"
#include "support/writetrace.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QToolButton>
#include <sqlite3.h>
#include <unistd.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The accounts of a book, or the reason it cannot be read whole.
QString accountsOf(const QString& path) {
    try {
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        if (!db.integrityProblems().isEmpty()) return QStringLiteral("damaged");
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlNumero FROM tl ORDER BY tlNumero"),
                                             dao::RecordsetType::Snapshot);
        QStringList numbers;
        for (; !rs.isEOF(); rs.MoveNext()) numbers << rs.value(0).toString();
        db.Close();
        return numbers.join(u' ');
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

// The start-up's repair of a damaged book as a crash may stop it; every
// message is answered with OK.
KV_TEST_CHILD(startupRepair) {
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    const bool repaired = shell::RepairDamagedBook(args.value(0), QStringLiteral("frmMain"));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write(repaired ? "korjattu\n" : "ei korjattu\n");
    return 0;
}

class StartupTest : public kvtest::ShellTest {
protected:
    // A book of the current layout outside the program folder.
    QString makeBook(const QString& script = QString()) {
        const QString path = kvtest::makeCurrentBook(tmp, script);
        core::resetGlobals();
        return path;
    }
    bool opens(const QString& path) {
        try {
            dao::DBEngine::OpenDatabase(path).Close();
            return true;
        } catch (const dao::DaoError&) {
            return false;
        }
    }
};

TEST_F(StartupTest, FirstStartAsksTheLanguageAndOpensTheDemoBookWithItsNotice) {
    // A Swedish language file of the test's own.
    ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("Svenska")));
    QFile trl(QDir(app).filePath(QStringLiteral("Svenska/Kolvio VEV.trl")));
    ASSERT_TRUE(trl.open(QIODevice::WriteOnly));
    trl.write("[frmMain]\nTositteet=Verifikat\n");
    trl.close();
    languageButton = QStringLiteral("cRuotsiksi");

    ScriptedDialogs dialogs;
    shell::frmMain& main = startUp();

    EXPECT_EQ(modalShown, QStringList({"frmKielenValinta", "frmSplash", "frmDBHuomautus"}));
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Svenska"));
    EXPECT_EQ(readIni(QStringLiteral("Database")), demoBook());
    EXPECT_EQ(core::DatabasePath, demoBook());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.cTositteet->text(), QStringLiteral("Verifikat"));
    EXPECT_TRUE(main.windowTitle().startsWith(QStringLiteral("Kolvio VEV - ")));
    EXPECT_FALSE(main.windowTitle().endsWith(QStringLiteral(" - ")));
    // The settings of the book were loaded: the report period is its year.
    EXPECT_EQ(core::RaporttiAlkuPvm, core::TilikausiAlku);
    EXPECT_TRUE(core::AaniKaytossa);
}

TEST_F(StartupTest, NormalStartLoadsTheBooksSettingsWithoutAQuestion) {
    const QString book = makeBook(QStringLiteral(
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'MargVas', '10');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'Kustannuspaikat', '0');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiAlku', '2031-07-01');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiLoppu', '2032-06-30');"));
    configure(book);
    ScriptedDialogs dialogs;
    shell::frmMain& main = startUp();

    EXPECT_EQ(modalShown, QStringList({"frmSplash"}));  // no demo notice
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - kirja"));
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
    EXPECT_EQ(main.CrystalReport1().marginLeft(), 480);
    // Cost centres off: the button is disabled, the menu item is not.
    EXPECT_FALSE(main.cKustannuspaikat->isEnabled());
    EXPECT_TRUE(main.mKustannuspaikat->isEnabled());
    core::Kustannuspaikat = true;
    main.CheckKPStatus();
    EXPECT_TRUE(main.cKustannuspaikat->isEnabled());
    // The start-up's own connection is closed again.
    EXPECT_FALSE(core::DBCon().isOpen());
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
}

TEST_F(StartupTest, MissingBookOffersTheDefaultUntilRefused) {
    const QString missing = tmp.file(QStringLiteral("puuttuu.mdb"));
    configure(missing);
    {
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
            .expectMessage(QStringLiteral("Yritetäänkö avata oletustietokanta?"), Answer::No);
        shell::frmMain& main = startUp();
        EXPECT_TRUE(main.isVisible());
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - "));
        EXPECT_EQ(readIni(QStringLiteral("Database")), missing);
        EXPECT_EQ(modalShown, QStringList({"frmSplash"}));
    }
    ui::Forms::destroyAll();
    core::resetGlobals();
    modalShown.clear();
    {
        // Accepting the default opens the demo book and stores its path.
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
            .expectMessage(QStringLiteral("oletustietokanta"), Answer::Yes);
        shell::frmMain& main = startUp();
        EXPECT_EQ(readIni(QStringLiteral("Database")), demoBook());
        EXPECT_FALSE(main.windowTitle().endsWith(QStringLiteral(" - ")));
        EXPECT_EQ(modalShown, QStringList({"frmSplash", "frmDBHuomautus"}));
    }
}

TEST_F(StartupTest, MissingDefaultBookRepeatsTheOffer) {
    configure(tmp.file(QStringLiteral("puuttuu.mdb")));
    ASSERT_TRUE(QFile::remove(demoBook()));
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
        .expectMessage(QStringLiteral("oletustietokanta"), Answer::Yes)
        .expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
        .expectMessage(QStringLiteral("oletustietokanta"), Answer::No);
    startUp();
    EXPECT_EQ(core::DatabasePath, demoBook());
    EXPECT_EQ(readIni(QStringLiteral("Database")), tmp.file(QStringLiteral("puuttuu.mdb")));
}

TEST_F(StartupTest, WriteProtectedBookIsMadeWritableOnRequest) {
    const QString book = makeBook();
    configure(book);
    ASSERT_TRUE(QFile::setPermissions(book, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("kirjoitussuojatussa tilassa"), Answer::OK)
        .expectMessage(QStringLiteral("muuttaa tietokannan kirjoitettavaan tilaan"), Answer::Yes);
    shell::frmMain& main = startUp();
    EXPECT_FALSE(fso::IsFileReadOnly(book));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - kirja"));
}

TEST_F(StartupTest, WriteProtectedBookLeftProtectedIsNotTouched) {
    const QString book = makeBook();
    configure(book);
    ASSERT_TRUE(QFile::setPermissions(book, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = fileBytes(book);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("kirjoitussuojatussa tilassa"), Answer::OK)
        .expectMessage(QStringLiteral("kirjoitettavaan tilaan"), Answer::No);
    // The superuser may write any file, so the open succeeds for it.
    const bool superuser = geteuid() == 0;
    if (!superuser) dialogs.expectMessage(QStringLiteral("Tietokantaan ei ole kirjoitusoikeutta"), Answer::OK);
    shell::frmMain& main = startUp();
    EXPECT_TRUE(fso::IsFileReadOnly(book));
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("OLD")));
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
    if (!superuser) {
        EXPECT_EQ(fileBytes(book), before);
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - "));
    }
}

TEST_F(StartupTest, LockedBookIsReportedAndLeftAlone) {
    const QString book = makeBook();
    configure(book);
    const QByteArray before = fileBytes(book);
    // Another program writing the book.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("toisen ohjelman käytössä"), Answer::OK);
    shell::frmMain& main = startUp();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - "));
    EXPECT_EQ(fileBytes(book), before);
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("OLD")));
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
}

TEST_F(StartupTest, FileThatIsNoBookCannotBeRepairedAndIsKept) {
    const QString book = tmp.file(QStringLiteral("roska.mdb"));
    QByteArray noise(8192, '\0');
    for (char& c : noise) c = char(QRandomGenerator::global()->bounded(256));
    {
        QFile f(book);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(noise);
    }
    configure(book);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK)
        .expectMessage(QStringLiteral("Tietokannan korjaus ei onnistunut"), Answer::OK);
    shell::frmMain& main = startUp();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(fileBytes(book), noise);
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("OLD")));
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
}

TEST_F(StartupTest, AnotherProgramsDatabaseIsTreatedAsAnUnreadableBookAndLeftAsItWas) {
    // A database of another program, in write-ahead-log mode.
    const QString book = tmp.file(QStringLiteral("muistio.mdb"));
    {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &h), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(h, "PRAGMA journal_mode=WAL; CREATE TABLE muistiinpanot (x TEXT);", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        sqlite3_close(h);
    }
    const QByteArray before = fileBytes(book);
    configure(book);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK)
        .expectMessage(QStringLiteral("Tietokannan korjaus ei onnistunut"), Answer::OK);
    shell::frmMain& main = startUp();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - "));
    EXPECT_EQ(fileBytes(book), before);
    const QStringList around = QDir(tmp.path()).entryList({QStringLiteral("muistio.*")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(around, QStringList{QStringLiteral("muistio.mdb")});
}

TEST_F(StartupTest, DamagedBookIsRepairedAndOpensAtTheNextStart) {
    const QString book = makeBook();
    kvtest::damageBook(book);
    ASSERT_FALSE(opens(book));
    const QByteArray damaged = fileBytes(book);
    configure(book);
    {
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK);
        shell::frmMain& main = startUp();
        // Not opened in this run.
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - "));
    }
    EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
    EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
    EXPECT_TRUE(opens(book));

    ui::Forms::destroyAll();
    core::resetGlobals();
    ScriptedDialogs again;
    EXPECT_EQ(startUp().windowTitle(), QStringLiteral("Kolvio VEV - kirja"));
}

// Another program writes garbage over one page of the book: the first page
// of its free list, so that every row can still be read and mended.
void overwriteAFreePage(const QString& book) {
    QFile f(book);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QByteArray header = f.read(100);
    const qint64 pageSize = qFromBigEndian<quint16>(header.constData() + 16);
    const quint32 firstFree = qFromBigEndian<quint32>(header.constData() + 32);
    ASSERT_GT(firstFree, 1u) << "the book has no free page";
    ASSERT_TRUE(f.seek((firstFree - 1) * pageSize));
    ASSERT_EQ(f.write(QByteArray(pageSize, '\x5a')), pageSize);
}

TEST_F(StartupTest, ABookDamagedByAnotherProgramIsFoundAndRepairedAtTheNextStart) {
    // The damage comes while this program has the book open, or after it
    // closed it; either way the book was opened and closed normally.
    for (const bool whileOpen : {true, false}) {
        SCOPED_TRACE(whileOpen ? "damaged while open" : "damaged after closing");
        const QString book =
            kvtest::makeCurrentBook(tmp, QString(), whileOpen ? QStringLiteral("auki.mdb") : QStringLiteral("kiinni.mdb"));
        core::resetGlobals();
        {
            dao::Database db = dao::DBEngine::OpenDatabase(book);
            db.Execute(QStringLiteral("CREATE TABLE roska (x TEXT(255))"));
            for (int i = 0; i < 100; ++i)
                db.Execute(QStringLiteral("INSERT INTO roska (x) VALUES (?)"), {QString(250, u'x')});
            db.Execute(QStringLiteral("DROP TABLE roska"));
            if (whileOpen) overwriteAFreePage(book);
            db.Close();
        }
        if (!whileOpen) overwriteAFreePage(book);
        const QByteArray damaged = fileBytes(book);
        configure(book);
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK);
            startUp();
        }
        EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        EXPECT_TRUE(opens(book));
        ui::Forms::destroyAll();
        core::resetGlobals();
    }
}

// Killed anywhere, the repair leaves a whole file under the book's name, and
// the next start completes it from where it stopped.
TEST_F(StartupTest, AKillAtAnyWritePointOfTheRepairLeavesAWholeFileUnderTheBooksName) {
    const QString original = makeBook(QStringLiteral(
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"
        "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3000, 'Myynti', ' ');\n"));
    kvtest::damageBook(original);
    const QByteArray damaged = fileBytes(original);
    const QString accounts = QStringLiteral("1910 3000");
    int point = 1;
    for (;; ++point) {
        ASSERT_LT(point, 60) << "the repair never ran to its end";
        const QString folder = tmp.file(QStringLiteral("ajo%1").arg(point));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString book = folder + QStringLiteral("/kirja.mdb");
        ASSERT_TRUE(QFile::copy(original, book));

        const kvtest::KilledRun run = kvtest::runChildKilledAt("startupRepair", {book}, point);
        if (run.finished) {
            EXPECT_EQ(run.lines, QList<QByteArray>{"korjattu"});
            EXPECT_EQ(accountsOf(book), accounts);
            EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
            break;
        }
        ASSERT_TRUE(run.killed) << run.errors.toStdString();
        SCOPED_TRACE(run.errors.trimmed().toStdString());

        // The book's name holds the damaged book as it was, or the repaired
        // one with every row; the damaged one's own name holds it whole.
        ASSERT_TRUE(QFile::exists(book));
        if (fileBytes(book) != damaged) {
            EXPECT_EQ(accountsOf(book), accounts);
        }
        if (QFile::exists(book + QStringLiteral("OLD"))) {
            EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        }

        // The next start clears what the interrupted run left and completes
        // the repair from where it was stopped: nothing of the earlier run
        // is in its way.
        configure(book);
        {
            ui::ScriptedDialogService anyAnswer;  // the repair's messages, if it runs again
            ui::DialogScope scope(&anyAnswer);
            startUp();
            ui::Forms::destroyAll();
        }
        core::resetGlobals();
        EXPECT_EQ(QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
        EXPECT_EQ(accountsOf(book), accounts);
        EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
    }
    // The compaction, the second name and the replacement each had their points.
    EXPECT_GT(point, 4);
}

// What an earlier repair left beside the damaged book never blocks the next
// one (a whole repaired copy: the test above): a copy cut short and an
// earlier damaged book are kept under names of their own, the user is told
// where, and every new name is on the disk before the program shows.
TEST_F(StartupTest, TheRepairGoesOnPastWhatAnEarlierRepairLeft) {
    const QString original = makeBook(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"));
    kvtest::damageBook(original);
    const QByteArray damaged = fileBytes(original);
    const struct {
        const char* left;  // the file an earlier repair left, and what it holds
        QByteArray holds;
        QString told;           // followed by the book's path and toldName
        const char* toldName;
        const char* damagedAs;  // the name the damaged book is kept under
        const char* setAside;   // the name the earlier file is kept under
    } cases[] = {
        {"2", "SQLite format 3", QStringLiteral("keskeneräinen tiedosto siirrettiin nimelle:\r\n"), "2OLD", "OLD", "2OLD"},
        {"OLD", "aiempi", QStringLiteral("Vioittunut tietokanta on tallessa nimellä:\r\n"), "OLD2", "OLD2", "OLD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        const QString folder = tmp.file(QLatin1String("jaljelta") + QLatin1String(c.left));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString book = folder + QStringLiteral("/kirja.mdb");
        ASSERT_TRUE(QFile::copy(original, book));
        QFile earlier(book + QLatin1String(c.left));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write(c.holds) == c.holds.size());
        earlier.close();
        configure(book);
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK)
                .expectMessage(c.told + book + QLatin1String(c.toldName), Answer::OK);
            kvtest::WriteTrace trace({tmp.path()}, [] {
                auto* main = ui::Forms::find<shell::frmMain>();
                return main && main->isVisible();
            });
            startUp();
            EXPECT_EQ(trace.unsyncedWhenReported(), QStringList());
        }
        ui::Forms::destroyAll();
        core::resetGlobals();
        EXPECT_EQ(accountsOf(book), QStringLiteral("1910"));
        EXPECT_EQ(fileBytes(book + QLatin1String(c.damagedAs)), damaged);
        EXPECT_EQ(fileBytes(book + QLatin1String(c.setAside)), c.holds);
    }
}

TEST_F(StartupTest, FailedUpgradeIsReportedWithItsStep) {
    // A book of an old layout without the statement table: the upgrade stops
    // at its first step on that table.
    const QString book = kvtest::makeBaseBook(tmp);
    {
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        db.Execute(QStringLiteral("DROP TABLE tula"));
        db.Close();
    }
    configure(book);
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei onnistunut"), Answer::OK);
    shell::frmMain& main = startUp();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Vaihe 6 (tula.tulamrID)")))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(main.isVisible());
    // Nothing of the upgrade was kept.
    dao::Database db = dao::DBEngine::OpenDatabase(book);
    EXPECT_FALSE(core::TableExists(db, QStringLiteral("tk")));
}

TEST_F(StartupTest, ChoosingTheBookAtStartKeepsThePathWhenCancelled) {
    const QString book = makeBook();
    configure(book);
    writeIni(QStringLiteral("MultiDb"), QStringLiteral("1"));
    {
        ScriptedDialogs dialogs;
        dialogs.expectOpenFile(QString(), QStringLiteral("Seuran valinta"));
        shell::frmMain& main = startUp();
        EXPECT_EQ(dialogs.shown()[0].initial, book);
        EXPECT_EQ(readIni(QStringLiteral("Database")), book);
        EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - kirja"));
    }
    ui::Forms::destroyAll();
    core::resetGlobals();
    {
        // A chosen book is stored at once.
        ScriptedDialogs dialogs;
        dialogs.expectOpenFile(demoBook());
        startUp();
        EXPECT_EQ(readIni(QStringLiteral("Database")), demoBook());
    }
}

TEST(StartupHelpers, DemoNoticeAppliesToDemoBooksInTheProgramFolder) {
    EXPECT_TRUE(shell::IsDemoDatabase(QStringLiteral("/opt/Kolvio/DEMO1.MDB"), QStringLiteral("/opt/kolvio")));
    EXPECT_FALSE(shell::IsDemoDatabase(QStringLiteral("/home/x/demo1.mdb"), QStringLiteral("/opt/kolvio")));
    EXPECT_FALSE(shell::IsDemoDatabase(QStringLiteral("/opt/kolvio/seura.mdb"), QStringLiteral("/opt/kolvio")));
    // A program folder whose name holds "demo": every book in it.
    EXPECT_TRUE(shell::IsDemoDatabase(QStringLiteral("/opt/demot/seura.mdb"), QStringLiteral("/opt/demot")));
    // "demo" at the very start does not count.
    EXPECT_FALSE(shell::IsDemoDatabase(QStringLiteral("demo.mdb"), QString()));
}

}  // namespace
