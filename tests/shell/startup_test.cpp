// Start-up end to end: the main window loaded in a program folder of the
// test's own, with every message answered by the script.

#include "core/bookfixture.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
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
#include "support/iniheld.h"
#include "support/keys.h"
#include "support/writetrace.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <optional>
#include <QtEndian>
#include <QToolButton>
#include <sqlite3.h>
#include <cmath>
#include <csignal>
#include <map>
#include <set>
#include <sys/resource.h>
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
// message is answered with OK. A second argument bounds the size any file
// may grow to, as a full disk would.
KV_TEST_CHILD(startupRepair) {
    if (args.size() > 1) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t room = rlim_t(args.value(1).toLongLong());
        const rlimit limit{room, room};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    const bool repaired = shell::RepairDamagedBook(args.value(0), QStringLiteral("frmMain")).has_value();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write(repaired ? "korjattu\n" : "ei korjattu\n");
    return 0;
}

// One start of the program in the program folder args[0], whose ini names
// the book: every message is answered as by a user who only reads it. Writes
// each message (its line breaks as " | ") a line, then the main window's
// title.
KV_TEST_CHILD(startOnce) {
    sys::SetAppPath(args.value(0));
    // "second-wall": the engine's defences behind the check of the layout.
    std::optional<kvtest::WithoutLayoutCheck> secondWall;
    if (args.value(1) == QLatin1String("second-wall")) secondWall.emplace();
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

class StartupTest : public kvtest::ShellTest {
protected:
    // A book of the current layout outside the program folder, with a
    // financial year (the calendar year) unless the script gives one.
    QString makeBook(const QString& script = QString()) {
        const QString year =
            script.contains(QLatin1String("TilikausiAlku"))
                ? QString()
                : QStringLiteral("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiAlku', "
                                 "'%1-01-01');\nINSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', "
                                 "'TilikausiLoppu', '%1-12-31');\n")
                      .arg(QDate::currentDate().year());
        const QString path = kvtest::makeCurrentBook(tmp, year + script);
        core::resetGlobals();
        return path;
    }
    // The main window's commands do not open the book that could not be
    // repaired; once another book (a copy of the demo book at restored) is
    // taken into use, they open onto it.
    void expectBookCommandsWaitForAnotherBook(shell::frmMain& main, const QString& restored) {
        EXPECT_FALSE(main.cTositteet->isEnabled());
        EXPECT_FALSE(main.mTilit->isEnabled());
        QTest::mouseClick(main.cTositteet, Qt::LeftButton);
        EXPECT_EQ(ui::Forms::find<vouchers::frmNewTositteet>(), nullptr);
        EXPECT_TRUE(main.mAsetukset->isEnabled());
        ASSERT_TRUE(QFile::copy(demoBook(), restored));
        shell::RegisterOpener(QStringLiteral("mPalautus"), [restored] {
            const core::BookChange change;
            core::SaveDatabasePath(restored);
        });
        main.mPalautus->trigger();
        ASSERT_TRUE(main.cTositteet->isEnabled());
        QTest::mouseClick(main.cTositteet, Qt::LeftButton);
        auto* vouchers = ui::Forms::find<vouchers::frmNewTositteet>();
        ASSERT_NE(vouchers, nullptr);
        EXPECT_TRUE(vouchers->isVisible());
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

// Another program holds the ini file for longer than a write waits. A start
// that finds its settings stored writes nothing and so does not wait. A
// window's closing waits once, with the program's events running, and drops
// the window's placement without a word; the closings after it do not wait
// while the file is held, and once it is free they store their placements.
TEST_F(StartupTest, WhileAnotherProgramHoldsTheIniFileTheStartDoesNotWaitAndAClosingWaitsOnce) {
    configure(makeBook());
    writeIni(QStringLiteral("AppPath"), app);
    writeIni(QStringLiteral("DatabaseBackup"), tmp.file(QStringLiteral("varmistus/")));
    const QByteArray before = fileBytes(iniPath());
    kvtest::IniWriteInProgress other(iniPath());
    ASSERT_TRUE(other.holding());
    ScriptedDialogs dialogs;
    kvtest::WhileItRuns start;
    startUp();
    start.stop();
    EXPECT_LT(start.ms(), 5000);  // the time a write waits
    EXPECT_EQ(modalShown, QStringList({"frmSplash"}));
    EXPECT_EQ(fileBytes(iniPath()), before);

    const QString placement = QStringLiteral("frmNewTositteet%1%2").arg(KV_VERSION_MAJOR).arg(KV_VERSION_MINOR);
    auto openAndClose = [] {
        shell::VoucherWindowMode mode;
        mode.caption = QStringLiteral("Tositteet");
        auto& vouchers = vouchers::OpenVoucherWindow(mode);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&vouchers));
        kvtest::WhileItRuns closing;
        vouchers.close();
        closing.stop();
        EXPECT_EQ(ui::Forms::find<vouchers::frmNewTositteet>(), nullptr);
        return std::pair{closing.ticks(), closing.ms()};
    };
    const auto [ticks, ms] = openAndClose();
    EXPECT_GT(ticks, 0);
    EXPECT_LT(ms, 9000);  // one wait
    EXPECT_LT(openAndClose().second, 4000);  // none
    EXPECT_EQ(fileBytes(iniPath()), before);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    ASSERT_TRUE(other.finish());
    openAndClose();
    EXPECT_NE(readIni(placement, QStringLiteral("FORMS")), QStringLiteral("<none>"));
}

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

// The progress window of long work on a book, while it shows.
QWidget* bookWorkProgress() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("bookWorkProgress") && w->isVisible()) return w;
    return nullptr;
}

// The start of startOnce, by a user who cancels the progress window of
// long work on the book as soon as it shows.
KV_TEST_CHILD(startCancelling) {
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (QWidget* progress = bookWorkProgress())
            QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
    });
    watch.start(10);
    return kvChild_startOnce(args);
}

// A table whose check makes each of ten engine steps for each row one
// match of GLOB at the bound of its pattern over the longest text.
void addHeavySteps(const QString& book) {
    const QByteArray glob = "NOT ((x || replace(hex(zeroblob(32000)), ''0'', ''a'')) GLOB ''*[!" + QByteArray(146, 'b') + "]c'')";
    QByteArrayList terms;
    for (int i = 0; i < 10; ++i) terms << glob;
    kvtest::runOnBook(book, "CREATE TABLE kuorma (x TEXT); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                            "FROM n WHERE i < 300) INSERT INTO kuorma SELECT i FROM n; UPDATE sqlite_master SET sql = "
                            "'CREATE TABLE kuorma (x TEXT CHECK (" + terms.join(" AND ") + "))' WHERE name = 'kuorma'");
}

// Books the start does not work on, each left exactly as it was with its
// commands waiting for another book, and none repaired: one that carries a
// trigger (which would run on every save), and, behind the check of the
// layout, one whose check at opening makes more work than a book of its size
// can need, and one whose long check the user cancels in the progress
// window.
TEST_F(StartupTest, ABookWithATriggerOrWhoseCheckIsStoppedIsLeftAsItWas) {
    const QString leftAsItWas = QStringLiteral("\r\nTietokanta jätettiin ennalleen:\r\n");
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        bool cancel;
        bool layoutChecked;
        QString told;  // followed by the book's path
    } cases[] = {
        {"a trigger", kvtest::addEntryTrigger, false, true,
         kvtest::foreignLayoutText({QStringLiteral("herätin vienti_poisto: CREATE TRIGGER vienti_poisto AFTER INSERT "
                                                   "ON vi BEGIN DELETE FROM vi WHERE viID <> NEW.viID; END")})},
        {"a trigger, behind the check of the layout", kvtest::addEntryTrigger, false, false,
         kvtest::foreignLayoutText({QStringLiteral("herätin vienti_poisto: CREATE TRIGGER vienti_poisto AFTER INSERT "
                                                   "ON vi BEGIN DELETE FROM vi WHERE viID <> NEW.viID; END")})},
        {"a check of huge work for each row",
         [](const QString& b) { kvtest::addHeavyWork(b, kvtest::HeavyWork::Check, 4000, 30000); }, false, false,
         QStringLiteral("Tietokannan tarkistus keskeytettiin: se vei enemmän työtä kuin tämän kokoinen tietokanta voi "
                        "vaatia.") +
             leftAsItWas},
        {"a long check, cancelled",
         [](const QString& b) { kvtest::addHeavyWork(b, kvtest::HeavyWork::Check, 1500, 400000); }, true, false,
         QStringLiteral("Tietokannan tarkistus peruutettiin.") + leftAsItWas},
        {"a long check of steps each of some hundredths of a second, cancelled", addHeavySteps, true, false,
         QStringLiteral("Tietokannan tarkistus peruutettiin.") + leftAsItWas},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<kvtest::WithoutLayoutCheck> secondWall;
        if (!c.layoutChecked) secondWall.emplace();
        const QString folder = tmp.file(QStringLiteral("jatetty%1").arg(++n));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString book = folder + QStringLiteral("/kirja.mdb");
        ASSERT_TRUE(QFile::copy(demoBook(), book));
        c.make(book);
        const QByteArray before = fileBytes(book);
        configure(book);
        // The user presses Cancel a moment after the window shows; how long
        // it takes from there to be answered is measured.
        bool progressShown = false;
        QElapsedTimer sinceShown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* progress = bookWorkProgress();
            if (!progress) return;
            if (!progressShown) {
                progressShown = true;
                sinceShown.start();
                return;
            }
            if (c.cancel) QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
        });
        watch.start(10);
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(c.told, Answer::OK);
            shell::frmMain& main = startUp();
            EXPECT_EQ(dialogs.shown().value(0).text, c.told + book);
            EXPECT_FALSE(main.cTositteet->isEnabled());
        }
        if (c.cancel) {
            EXPECT_TRUE(progressShown);
            EXPECT_LT(sinceShown.elapsed(), 1000);
        }
        EXPECT_EQ(fileBytes(book), before);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kirja.mdb")});
        ui::Forms::destroyAll();
        core::resetGlobals();
    }
    // The engine reads a book's definitions before anything else of it; a
    // read of 200,000 of them would take minutes, and is cancelled as soon
    // as the window shows (the start runs in a child with a deadline).
    const QString book = tmp.file(QStringLiteral("monta.mdb"));
    ASSERT_TRUE(QFile::copy(demoBook(), book));
    kvtest::runOnBook(book, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
                            "INSERT INTO sqlite_master (type, name, tbl_name, rootpage, sql) SELECT 'view', 'n' || i, "
                            "'n' || i, 0, 'CREATE VIEW n' || i || ' AS SELECT 1' FROM n");
    configure(book);
    const QByteArray before = fileBytes(book);
    const kvtest::KilledRun run = kvtest::runChild("startCancelling", {app}, 30000);
    ASSERT_TRUE(run.finished) << run.errors.toStdString();
    EXPECT_EQ(run.lines, (QList<QByteArray>{"Tietokannan tarkistus peruutettiin. | Tietokanta jätettiin ennalleen: | " +
                                                book.toUtf8(),
                                            "title: Kolvio VEV - "}));
    EXPECT_EQ(fileBytes(book), before);
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

// Runs SQL on a book as another program would, its definitions writable.
void craft(const QString& book, const QString& sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &h), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(h, ("PRAGMA writable_schema=ON; " + sql + "; PRAGMA writable_schema=OFF").toUtf8().constData(),
                                nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(h);
}

// Behind the check of the layout, which refuses them all: a book's own
// check or index asks much of LIKE, or names what the program does not
// have. The start opens the book as any other when the work is only long,
// and repairs a damaged one as any other; a LIKE or GLOB pattern longer than
// the program's own, a definition longer than any value of a book, or a
// function or collation the program does not have is refused in words at
// every start, the book left as it was and never taken for damaged; a match
// of more work than a book of its size can need is stopped. Each start runs
// in a child process, so that a hang or a crash fails the test.
TEST_F(StartupTest, WhatABooksOwnDefinitionsAskOfLikeNeitherHangsNorCrashesTheStart) {
    const QString backtracks = QStringLiteral("((tlNimi || '%1') LIKE '%2*b')").arg(QString(200, u'a'), QStringLiteral("*a").repeated(12));
    // A text of 60,000 letters a, and a pattern over it.
    const auto overLongText = [](int stars) {
        return QStringLiteral("NOT (replace(hex(zeroblob(30000)), '0', 'a') LIKE '%1*b')").arg(QStringLiteral("*a").repeated(stars));
    };
    const QString refused = QStringLiteral("Tietokantaa ei avattu: sen omat määritykset tai tiedot ovat sellaiset, "
                                           "ettei Kolvio VEV voi lukea sitä. Se ei ole vioittunut, joten sitä ei "
                                           "korjattu, vaan se jätettiin ennalleen. |  | "
                                           "Tietokantaa '%1' ei voi lukea sellaisena kuin se on: ");
    const struct {
        const char* name;
        QString check, index;  // added to the account table
        bool damaged;
        QString told;          // at each start
        bool opened;
        QString storedIndex = QString();  // an index of the account table the engine would not make
    } cases[] = {
        {"a check that backtracks", QStringLiteral("NOT ") + backtracks, QString(), false, QString(), true},
        {"a damaged book with an index that backtracks", QString(), backtracks, true,
         QStringLiteral("Tietokanta on vioittunut, yritän korjata tietokannan. Odota hetki.\nTietokanta korjattiin, ja kaikki sen rivit saatiin korjattuun "
                        "tietokantaan. |  | Vioittunut tietokanta on tallessa nimellä: | %1OLD"),
         true},
        {"a pattern beyond the bound", overLongText(76), QString(), false,
         refused + QStringLiteral("Lauseketta ei voi laskea: LIKE-vertailun malli on pidempi kuin 152 tavua."), false},
        {"a GLOB pattern beyond the bound",
         QStringLiteral("NOT (replace(hex(zeroblob(30000)), '0', 'a') GLOB '%1*b')").arg(QStringLiteral("*a").repeated(76)),
         QString(), false,
         refused + QStringLiteral("Lauseketta ei voi laskea: LIKE-vertailun malli on pidempi kuin 152 tavua."), false},
        {"a match of huge work for each row",
         QStringLiteral("NOT ((tlNimi || replace(hex(zeroblob(30000)), '0', 'a')) LIKE '*%1b')").arg(QString(149, u'a')),
         QString(), false,
         QStringLiteral("Tietokannan tarkistus keskeytettiin: se vei enemmän työtä kuin tämän kokoinen tietokanta voi "
                        "vaatia. | Tietokanta jätettiin ennalleen: | %1"),
         false},
        {"a check calling a function the program does not have", QStringLiteral("vieras(tlNumero) > 0"), QString(),
         false,
         refused + QStringLiteral("Lauseketta ei voi laskea: se käyttää funktiota 'vieras', jota ohjelmassa ei ole."),
         false},
        {"an index in a collation the program does not have", QString(), QString(), false,
         refused +
             QStringLiteral("Lauseketta ei voi laskea: se käyttää lajittelujärjestystä 'vieras', jota ohjelmassa ei ole."),
         false, QStringLiteral("tlNimi COLLATE vieras")},
        {"a definition longer than any value", overLongText(47500), QString(), false,
         refused + QStringLiteral("Tietue on liian suuri: siinä olisi arvo, joka on pidempi kuin kirjanpidon tiedoissa "
                                  "voi olla (yli 65536 tavua). Sellaisen arvon voi antaa myös tietokannan oma "
                                  "määritys, esimerkiksi kentän oletusarvo."),
         false},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString book = tmp.file(QStringLiteral("oma%1.mdb").arg(++n));
        ASSERT_TRUE(QFile::copy(demoBook(), book));
        if (!c.check.isEmpty())
            craft(book, QStringLiteral("UPDATE sqlite_master SET sql = substr(sql, 1, length(sql) - 1) || "
                                       "', CHECK (%1))' WHERE name = 'tl'")
                            .arg(QString(c.check).replace(u'\'', QStringLiteral("''"))));
        if (!c.index.isEmpty()) craft(book, QStringLiteral("CREATE INDEX tlHidas ON tl (%1)").arg(c.index));
        // An index the engine would not make: made plain, its definition
        // then written as another program would.
        if (!c.storedIndex.isEmpty())
            craft(book, QStringLiteral("CREATE INDEX tlVieras ON tl (tlNimi); UPDATE sqlite_master SET sql = "
                                       "'CREATE INDEX tlVieras ON tl (%1)' WHERE name = 'tlVieras'")
                            .arg(c.storedIndex));
        if (c.damaged) kvtest::damageBook(book);
        configure(book);
        const QByteArray before = fileBytes(book);
        for (int start = 1; start <= (c.damaged ? 1 : 2); ++start) {
            SCOPED_TRACE(start);
            const kvtest::KilledRun run = kvtest::runChild("startOnce", {app, QStringLiteral("second-wall")});
            EXPECT_TRUE(run.finished) << run.errors.toStdString();
            if (!run.finished) break;
            QStringList told;
            for (const QByteArray& line : run.lines) told << QString::fromUtf8(line);
            EXPECT_EQ(told.mid(0, told.size() - 1).join(u'\n'), c.told.isEmpty() ? QString() : c.told.arg(book));
            EXPECT_EQ(told.value(told.size() - 1),
                      c.opened ? QStringLiteral("title: Kolvio VEV - Esimerkkiseura ry") : QStringLiteral("title: Kolvio VEV - "));
            if (!c.opened) {
                EXPECT_EQ(fileBytes(book), before);
            }
        }
        EXPECT_EQ(QDir(tmp.path()).entryList({QFileInfo(book).fileName() + u'*'}, QDir::Files | QDir::Hidden).size(),
                  c.damaged ? 2 : 1);
    }
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

qint64 pageSizeOf(const QString& book) {
    QFile f(book);
    return f.open(QIODevice::ReadOnly) ? qFromBigEndian<quint16>(f.read(100).constData() + 16) : 0;
}

// The first column of each row that a query of a sound book gives: its
// definitions, or its pages (dbstat).
QStringList textsFrom(const QString& book, const QByteArray& sql) {
    QStringList out;
    sqlite3* h = nullptr;
    sqlite3_stmt* s = nullptr;
    sqlite3_open_v2(QFile::encodeName(book).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    if (sqlite3_prepare_v2(h, sql.constData(), -1, &s, nullptr) == SQLITE_OK)
        while (sqlite3_step(s) == SQLITE_ROW) out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    sqlite3_close(h);
    return out;
}
qint64 numberFrom(const QString& book, const QByteArray& sql) { return textsFrom(book, sql).value(0, "-1").toLongLong(); }

// Writes bytes over a page of a book, from offset within the page on.
void overwritePage(const QString& book, qint64 page, const QByteArray& bytes, qint64 offset = 0) {
    ASSERT_GT(page, 0) << "no such page";
    const qint64 pageSize = pageSizeOf(book);
    QFile f(book);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek((page - 1) * pageSize + offset));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The files of a folder other than the book and the name its damaged copy
// is kept under (and their journals), with a digest of what they hold.
std::map<QString, QString> filesBeside(const QString& book) {
    std::map<QString, QString> out;
    const QFileInfo fi(book);
    const QStringList own = {fi.fileName(), fi.fileName() + QStringLiteral("OLD")};
    for (const QFileInfo& f : QDir(fi.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString journal = QStringLiteral("-journal");
        if (!own.contains(f.fileName().endsWith(journal) ? f.fileName().chopped(journal.size()) : f.fileName()))
            out[f.fileName()] = QString::fromLatin1(
                QCryptographicHash::hash(fileBytes(f.filePath()), QCryptographicHash::Sha256).toHex());
    }
    return out;
}

// An index whose every page is zeros: every row of the book can still be read.
void zeroIndex(const QString& book, const char* index) {
    const qint64 root = numberFrom(book, QByteArray("SELECT rootpage FROM sqlite_master WHERE name = '") + index + "'");
    overwritePage(book, root, QByteArray(pageSizeOf(book), '\0'));
}

// The page of a book that holds the n-th part of a table's rows, in key order.
qint64 leafPage(const QString& book, const char* table, int n) {
    return numberFrom(book, QByteArray("SELECT pageno FROM dbstat WHERE name = '") + table +
                                "' AND pagetype = 'leaf' ORDER BY path LIMIT 1 OFFSET " + QByteArray::number(n - 1));
}

// A damaged book is repaired at start and then opened as any book, in the
// same run: its settings are in use, and a voucher made in the voucher
// window is stored in it, without a word of another copy of the program.
// The user is told that the repair is done and where the damaged book is.
TEST_F(StartupTest, ADamagedBookIsRepairedAndWorkedOnInTheSameRun) {
    vouchers::RegisterVoucherWindows();
    shell::RegisterOpener(QStringLiteral("frmTositeTarkistusVirheet"), vouchers::ShowTositeTarkistusVirheet);
    const auto click = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton), kvtest::Keys::settle(); };
    const QString whole =
        QStringLiteral("Tietokanta korjattiin, ja kaikki sen rivit saatiin korjattuun tietokantaan.\r\n\r\n");
    const struct {
        const char* damage;
        std::function<void(const QString&)> damageIt;
        QString told;  // after the repair
        bool lostRows;
    } cases[] = {
        {"damaged free list", [](const QString& b) { kvtest::damageBook(b); }, whole, false},
        {"zeroed index", [](const QString& b) { zeroIndex(b, "to__toNumero"); }, whole, false},
        {"zeroed entry page", [](const QString& b) { overwritePage(b, leafPage(b, "vi", 2), QByteArray(pageSizeOf(b), 0)); },
         QStringLiteral("Korjatusta tietokannasta puuttuvat rivit tauluittain:\r\nvi: "), true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        const QString book = tmp.file(QStringLiteral("seura%1.mdb").arg(++n));
        ASSERT_TRUE(QFile::copy(demoBook(), book));
        c.damageIt(book);
        const QByteArray damaged = fileBytes(book);
        configure(book);
        QString toldVouchers;
        {
            ScriptedDialogs dialogs;
            dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK)
                .expectMessage(c.told, Answer::OK);
            if (c.lostRows)
                dialogs.expectMessage(QStringLiteral("Korjatusta tietokannasta puuttuu vientejä näiltä tositteilta"),
                                      Answer::OK);
            shell::frmMain& main = startUp();
            toldVouchers = c.lostRows ? dialogs.shown().value(2).text : QString();
            EXPECT_TRUE(dialogs.shown().value(1).text.endsWith(
                QStringLiteral("Vioittunut tietokanta on tallessa nimellä:\r\n") + book + QStringLiteral("OLD")));
            EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - Esimerkkiseura ry"));
            EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
            // The vouchers' window: its check finds what the repair lost
            // and nothing else; a new voucher is stored.
            if (c.lostRows) dialogs.expectMessage(QStringLiteral("Tositteissa puutteita"), Answer::No);
            click(main.cTositteet);
            auto* window = ui::Forms::find<vouchers::frmNewTositteet>();
            ASSERT_NE(window, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
            kvtest::Keys::settle();
            click(window->cUusi);
            kvtest::Keys::focusOn(window->tTositeSelite);
            kvtest::Keys::type(QStringLiteral("Korjauksen jälkeen"));
            click(window->cTallenna);
            EXPECT_EQ(dialogs.pendingCount(), 0);
        }
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        core::resetGlobals();
        EXPECT_EQ(textsFrom(book, "SELECT toSelite FROM [to] WHERE toSelite = 'Korjauksen jälkeen'"),
                  QStringList{QStringLiteral("Korjauksen jälkeen")});
        EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        // The vouchers named are those with fewer entries than before.
        const QByteArray entries = "SELECT toNumero || ' ' || (SELECT count(*) FROM vi WHERE vitoID = toID) FROM [to] "
                                 "ORDER BY toNumero";
        const QStringList before = textsFrom(demoBook(), entries), after = textsFrom(book, entries);
        QStringList fewer;
        for (const QString& voucher : before)
            if (!after.contains(voucher)) fewer << voucher.section(u' ', 0, 0);
        EXPECT_EQ(toldVouchers, fewer.isEmpty() ? QString()
                                                : QStringLiteral("Korjatusta tietokannasta puuttuu vientejä näiltä "
                                                                 "tositteilta (tositteen no): ") +
                                                      fewer.join(QStringLiteral(", ")));
    }
}

TEST_F(StartupTest, ABookDamagedByAnotherProgramIsFoundAndRepairedAtTheNextStart) {
    // The damage comes while this program has the book open, or after it
    // closed it; either way the book was opened and closed normally.
    for (const bool whileOpen : {true, false}) {
        SCOPED_TRACE(whileOpen ? "damaged while open" : "damaged after closing");
        const QString book = kvtest::makeCurrentBook(
            tmp,
            QStringLiteral("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiAlku', "
                           "'2031-01-01');\nINSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', "
                           "'TilikausiLoppu', '2031-12-31');\n"),
            whileOpen ? QStringLiteral("auki.mdb") : QStringLiteral("kiinni.mdb"));
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
            dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK)
                .expectMessage(QStringLiteral("Tietokanta korjattiin, ja kaikki sen rivit"), Answer::OK);
            EXPECT_EQ(startUp().windowTitle(), QStringLiteral("Kolvio VEV - ") + QFileInfo(book).completeBaseName());
        }
        EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        EXPECT_TRUE(opens(book));
        ui::Forms::destroyAll();
        core::resetGlobals();
    }
}

// Killed anywhere, the repair leaves a whole file under the book's name, and
// the next start completes it from where it stopped, or makes it anew: with
// a damage a compaction mends, and with one only the rebuild mends while an
// earlier repair's copy of the book, from before the second account, lies
// under the repaired copy's name.
TEST_F(StartupTest, AKillAtAnyWritePointOfTheRepairLeavesAWholeFileUnderTheBooksName) {
    const QString accounts = QStringLiteral("1910 3000");
    for (const bool rebuild : {false, true}) {
        SCOPED_TRACE(rebuild ? "rebuilt, an earlier copy in the way" : "compacted");
        const QString original = kvtest::makeCurrentBook(
            tmp, QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"),
            rebuild ? QStringLiteral("rakennettava.mdb") : QStringLiteral("tiivistettava.mdb"));
        core::resetGlobals();
        const QByteArray weeksAgo = fileBytes(original);
        {
            dao::Database db = dao::DBEngine::OpenDatabase(original);
            db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3000, 'Myynti', ' ')"));
            db.Close();
        }
        if (rebuild)
            zeroIndex(original, "tl__tlNumero");
        else
            kvtest::damageBook(original);
        const QByteArray damaged = fileBytes(original);
        int point = 1;
        for (;; ++point) {
            ASSERT_LT(point, 80) << "the repair never ran to its end";
            const QString folder = tmp.file(QStringLiteral("ajo%1%2").arg(rebuild ? "k" : "t").arg(point));
            ASSERT_TRUE(QDir().mkpath(folder));
            const QString book = folder + QStringLiteral("/kirja.mdb");
            ASSERT_TRUE(QFile::copy(original, book));
            if (rebuild) {
                QFile earlier(book + QStringLiteral("2"));
                ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write(weeksAgo) == weeksAgo.size());
            }

            const kvtest::KilledRun run = kvtest::runChildKilledAt("startupRepair", {book}, point);
            if (run.finished) {
                EXPECT_EQ(run.lines, QList<QByteArray>{"korjattu"});
                EXPECT_EQ(accountsOf(book), accounts);
                EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
                if (rebuild) {
                    EXPECT_EQ(fileBytes(book + QStringLiteral("2OLD")), weeksAgo);
                }
                break;
            }
            ASSERT_TRUE(run.killed) << run.errors.toStdString();
            SCOPED_TRACE(run.errors.trimmed().toStdString());

            // The book's name holds the damaged book as it was, or the
            // repaired one with every row; the damaged one's own name holds
            // it whole.
            ASSERT_TRUE(QFile::exists(book));
            if (fileBytes(book) != damaged) {
                EXPECT_EQ(accountsOf(book), accounts);
            }
            if (QFile::exists(book + QStringLiteral("OLD"))) {
                EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
            }

            // The next start clears what the interrupted run left and
            // completes the repair from where it was stopped: nothing of the
            // earlier run is in its way, and its own copy is never set aside.
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
            EXPECT_FALSE(QFile::exists(book + QStringLiteral("2OLD2")));
            if (rebuild) {
                EXPECT_EQ(fileBytes(book + QStringLiteral("2OLD")), weeksAgo);
            }
        }
        // The compaction or rebuild, the second name and the replacement
        // each had their points.
        EXPECT_GT(point, 4);
    }
}

// What an earlier repair left beside the damaged book never blocks the next
// one, nor takes the place of the book (this very repair's own copy: the
// test above): a copy cut short, a whole copy of the book as it was before
// later work, and an earlier damaged book are kept under names of their
// own, the user is told where and where the damaged book is, and every new
// name is on the disk before the program shows.
TEST_F(StartupTest, TheRepairGoesOnPastWhatAnEarlierRepairLeft) {
    const QString original = makeBook(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"));
    // The book as an earlier repair whose copy kept its name left it, before
    // the work done since.
    const QByteArray weeksAgo = fileBytes(original);
    {
        dao::Database db = dao::DBEngine::OpenDatabase(original);
        db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3000, 'Myynti', ' ')"));
        db.Close();
    }
    kvtest::damageBook(original);
    const QByteArray damaged = fileBytes(original);
    const QString setAside = QStringLiteral("Korjatun tietokannan nimellä ollut aiempi tiedosto siirrettiin nimelle:\r\n");
    const struct {
        const char* left;  // the file an earlier repair left, and what it holds
        QByteArray holds;
        QString told;           // followed by the book's path and toldName
        const char* toldName;
        const char* damagedAs;  // the name the damaged book is kept under
        const char* setAside;   // the name the earlier file is kept under
    } cases[] = {
        {"2", "SQLite format 3", setAside, "2OLD", "OLD", "2OLD"},
        {"2", weeksAgo, setAside, "2OLD", "OLD", "2OLD"},
        {"OLD", "aiempi", QStringLiteral("Vioittunut tietokanta on tallessa nimellä:\r\n"), "OLD2", "OLD2", "OLD"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left + std::to_string(++n));
        const QString folder = tmp.file(QStringLiteral("jaljelta%1").arg(n));
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
            // The message names the file that holds the damaged book.
            ASSERT_EQ(dialogs.shown().size(), 2);
            EXPECT_TRUE(dialogs.shown()[1].text.endsWith(QStringLiteral("Vioittunut tietokanta on tallessa nimellä:\r\n") +
                                                          book + QLatin1String(c.damagedAs)))
                << dialogs.shown()[1].text.toStdString();
        }
        ui::Forms::destroyAll();
        core::resetGlobals();
        EXPECT_EQ(accountsOf(book), QStringLiteral("1910 3000"));
        EXPECT_EQ(fileBytes(book + QLatin1String(c.damagedAs)), damaged);
        EXPECT_EQ(fileBytes(book + QLatin1String(c.setAside)), c.holds);
    }
}

using RowsByKey = std::map<QString, std::map<qint64, QString>>;

// The scripted dialogs, with a look at the program between two of them.
class WatchedDialogs : public ScriptedDialogs {
public:
    std::function<void(const QString&)> onMessage;
    Answer messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon) override {
        if (onMessage) onMessage(text);
        return ScriptedDialogs::messageBox(text, title, buttons, icon);
    }
};


// The columns of each table of a sound book (its engine's own tables left
// out), as a list to select.
using ColumnsByTable = std::map<QString, QByteArray>;
ColumnsByTable columnsOf(const QString& book) {
    ColumnsByTable out;
    for (const QString& table :
         textsFrom(book, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'")) {
        QStringList columns;
        for (const QString& c : textsFrom(book, "SELECT name FROM pragma_table_info('" + table.toUtf8() + "')"))
            columns << u'"' + c + u'"';
        out[table] = columns.join(QStringLiteral(", ")).toUtf8();
    }
    return out;
}

// Every row of the tables that can be read of a book, read one key at a
// time from 1 to highest with the engine's own calls (a file shorter than
// its header says is read as far as it goes): each value of the columns
// given as its kind and text.
RowsByKey rowsByKey(const QString& book, const ColumnsByTable& tables, qint64 highest) {
    RowsByKey out;
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(book).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(h, "PRAGMA writable_schema=ON", nullptr, nullptr, nullptr);
    for (const auto& [table, columns] : tables) {
        sqlite3_stmt* s = nullptr;
        const QByteArray sql = "SELECT " + columns + " FROM \"" + table.toUtf8() + "\" WHERE rowid = ?1";
        if (sqlite3_prepare_v2(h, sql.constData(), -1, &s, nullptr) == SQLITE_OK) {
            for (qint64 key = 1; key <= highest; ++key) {
                sqlite3_bind_int64(s, 1, key);
                if (sqlite3_step(s) == SQLITE_ROW) {
                    QStringList values;
                    for (int i = 0; i < sqlite3_column_count(s); ++i)
                        values << QString::number(sqlite3_column_type(s, i)) + u':' +
                                      QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)));
                    out[table][key] = values.join(u'|');
                }
                sqlite3_reset(s);
            }
        }
        sqlite3_finalize(s);
    }
    sqlite3_close(h);
    return out;
}

// The repair's message tells each table that lost rows, with their number
// (a least number never more than were lost), and where the damaged book is.
void expectLossesTold(const QString& told, const std::map<QString, qint64>& lost, const QString& keptAs) {
    EXPECT_TRUE(told.endsWith(QStringLiteral("Vioittunut tietokanta on tallessa nimellä:\r\n") + keptAs))
        << told.toStdString();
    QStringList toldTables, lostTables;
    static const QRegularExpression line(QStringLiteral("^(\\w+): (vähintään )?(\\d+)\r?$"),
                                         QRegularExpression::MultilineOption);
    for (auto m = line.globalMatch(told); m.hasNext();) {
        const QRegularExpressionMatch table = m.next();
        const auto gone = lost.find(toldTables.emplaceBack(table.captured(1)));
        ASSERT_NE(gone, lost.end()) << table.captured(0).toStdString();
        const qint64 rows = table.captured(3).toLongLong();
        EXPECT_TRUE(table.capturedLength(2) > 0 ? rows >= 1 && rows <= gone->second : rows == gone->second)
            << table.captured(0).toStdString() << " of " << gone->second;
    }
    for (const auto& [table, gone] : lost) lostTables << table;
    EXPECT_EQ(toldTables, lostTables);
}

// A book made by hand: sql, run on it with its definitions writable (and
// FOLDER in it read as the book's folder), gives a definition more than the
// one statement the engine reads of it, which reaches another book and an
// empty file beside it; the book checks whole behind the check of its
// layout. Then noise over a page of its entries.
void reachOutFromADefinition(const QString& book, const QString& demo, const QByteArray& noise, const QByteArray& sql) {
    const QString folder = QFileInfo(book).path();
    ASSERT_TRUE(QFile::copy(demo, folder + QStringLiteral("/muu.mdb")));
    QFile empty(folder + QStringLiteral("/tyhja.mdb"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &h), SQLITE_OK);
    const QByteArray crafted = QByteArray(sql).replace("FOLDER", QFile::encodeName(folder));
    EXPECT_EQ(sqlite3_exec(h, "PRAGMA writable_schema=ON; " + crafted, nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(h);
    sqlite3_close(h);
    {
        const kvtest::WithoutLayoutCheck unchecked;
        ASSERT_NO_THROW(dao::DBEngine::CheckIntegrity(book));
    }
    overwritePage(book, leafPage(book, "vi", 2), noise);
}

// A book whose definitions sql, run on it with them writable, leaves in a
// form the engine cannot read: the start takes it for a damaged book.
void craftDefinitions(const QString& book, const QByteArray& sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, "PRAGMA writable_schema=ON; " + sql, nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(h);
    sqlite3_close(h);
}

// The statements that, after the definition of name, drop the other book's
// entries and write a table into the empty file.
QByteArray statementsAfter(const char* name) {
    return QByteArray("UPDATE sqlite_master SET sql = sql || '; COMMIT; ATTACH DATABASE ''FOLDER/muu.mdb'' AS q; DROP "
                      "TABLE q.vi; ATTACH DATABASE ''FOLDER/tyhja.mdb'' AS e; CREATE TABLE e.x (a); DETACH DATABASE "
                      "q; DETACH DATABASE e; BEGIN' WHERE name = '") +
           name + "'";
}

// The beginning of what the start tells of a book whose definitions are not
// the program's, up to its first foreign definition's own text.
QString refusedText(const char* definition) {
    return QStringLiteral("Tietokannassa on määrityksiä, joita Kolvio VEV ei tee, joten sitä ei otettu käyttöön:\r\n") +
           QString::fromUtf8(definition);
}

// Bytes at random, the same at each run.
QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(7);
    for (char& c : bytes) c = char(random.bounded(256));
    return bytes;
}

// How many rows of each table a damage took.
std::map<QString, qint64> lostRows(const RowsByKey& whole, const RowsByKey& readable) {
    std::map<QString, qint64> lost;
    for (const auto& [table, rows] : whole)
        if (const qint64 gone = qint64(rows.size()) - qint64(readable.count(table) ? readable.at(table).size() : 0))
            lost[table] = gone;
    return lost;
}

// The book rebuilt from a damaged copy of source is sound, with (as the
// repair left it) the current layout's definitions, those of demo, and the
// rows read of the damaged copy, and its counters go on from the highest key
// ever given, that of a lost row too.
const QByteArray kDefinitions = "SELECT type || ' ' || name || ': ' || coalesce(sql, '') FROM sqlite_master ORDER BY name";

void expectRebuilt(const QString& book, const QString& demo, const QString& source, const QStringList& definitions,
                   const RowsByKey& repaired, const RowsByKey& readable) {
    EXPECT_NO_THROW(dao::DBEngine::CheckIntegrity(book));
    EXPECT_EQ(definitions, textsFrom(demo, kDefinitions));
    EXPECT_EQ(repaired, readable);
    for (const char* table : {"to", "vi"}) {
        const QByteArray sql = QByteArray("SELECT seq FROM sqlite_sequence WHERE name = '") + table + "'";
        EXPECT_EQ(numberFrom(book, sql), numberFrom(source, sql)) << table;
    }
}

// A book of the base layout that the upgrade takes, with the rows of demo's
// tables of that layout.
QString baseBookWithRowsOf(const kvtest::TempDir& tmp, const QString& demo) {
    const QString book = kvtest::makeBaseBook(tmp, QStringLiteral("pohja.mdb"));
    QByteArray sql = "ATTACH DATABASE '" + QFile::encodeName(demo) + "' AS d; ";
    for (const auto& [table, columns] : columnsOf(book))
        sql += "INSERT INTO main.\"" + table.toUtf8() + "\" (" + columns + ") SELECT " + columns + " FROM d.\"" +
               table.toUtf8() + "\"; ";
    kvtest::runOnBook(book, sql + "DETACH DATABASE d");
    return book;
}

// The book as a crash in the middle of a save leaves it: some pages of the
// save written into it, and beside it the journal that holds them as they
// were, which a read of the book plays back.
void crashInASave(const QString& book) {
    const QString folder = QFileInfo(book).path() + QStringLiteral("/tallennus");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString saving = folder + QStringLiteral("/kirja.mdb");
    ASSERT_TRUE(QFile::copy(book, saving));
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(saving).constData(), &h), SQLITE_OK);
    // A cache of two pages writes the save's pages into the file as it goes.
    EXPECT_EQ(sqlite3_exec(h, "PRAGMA cache_size=2; BEGIN; UPDATE tl SET tlKuvaus = 'kesken'; "
                              "UPDATE [to] SET toSelite = 'kesken'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_NE(fileBytes(saving), fileBytes(book));
    ASSERT_TRUE(QFile::remove(book));
    ASSERT_TRUE(QFile::copy(saving, book));
    ASSERT_TRUE(QFile::copy(saving + QStringLiteral("-journal"), book + QStringLiteral("-journal")));
    ASSERT_GT(QFileInfo(book + QStringLiteral("-journal")).size(), 0);
    sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(h);
    QDir(folder).removeRecursively();
}

// A copy of a book with the journal beside it played back, in a folder of
// its own.
QString rolledBack(const QString& book, const QString& folder) {
    const QString copy = folder + QStringLiteral("/kirja.mdb");
    QDir().mkpath(folder);
    QFile::copy(book, copy);
    QFile::copy(book + QStringLiteral("-journal"), copy + QStringLiteral("-journal"));
    sqlite3* h = nullptr;
    sqlite3_open(QFile::encodeName(copy).constData(), &h);
    sqlite3_exec(h, "PRAGMA writable_schema=ON; SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close(h);
    return copy;
}

// Definitions that no book of the program has, in a book whose definitions
// then cannot all be read: the last page of them, which holds a long view
// alone, is zeros. The engine reads every definition before it.
void foreignLeftovers(const QString& book) {
    const QByteArray filler = "CREATE VIEW tayte%1 AS SELECT '" + QByteArray(3500, 'x') + "' AS t; ";
    kvtest::runOnBook(book, "ALTER TABLE tl ADD COLUMN tlLisa TEXT DEFAULT 'VIERAS'; CREATE TABLE roska (x TEXT); "
                            "INSERT INTO roska VALUES ('a'), ('b'); CREATE INDEX tlHidas ON tl (tlNimi); "
                            "CREATE VIEW osoite AS SELECT 1 AS p; CREATE TRIGGER poisto AFTER INSERT ON vi BEGIN "
                            "DELETE FROM vi WHERE viID <> NEW.viID; END; " +
                                QByteArray(filler).replace("%1", "1") + QByteArray(filler).replace("%1", "2"));
    const qint64 last = numberFrom(book, "SELECT pageno FROM dbstat WHERE name = 'sqlite_schema' AND pagetype = 'leaf' "
                                         "ORDER BY path DESC LIMIT 1");
    ASSERT_EQ(numberFrom(book, "SELECT ncell FROM dbstat WHERE pageno = " + QByteArray::number(last)), 1);
    overwritePage(book, last, QByteArray(pageSizeOf(book), '\0'));
}

// A damaged book of the program's layout (the current one, or the base one
// that the upgrade takes) comes back in the current layout, made of the
// program's own definitions, with every row that a read of the damaged file
// one key at a time still gives; the user is told in which tables how many
// rows are missing, which definitions of the damaged book were not the
// program's and were left out, and where the damaged book is. A journal that
// a save cut short left beside it is played into no file of the user's: it
// goes with the damaged book, as it was. A book whose definitions cannot be
// read is not repaired, and one whose definitions can be read and are not
// the program's is refused as it is, and never repaired: the program says so
// once and does not work on that book, until another one is taken into use.
TEST_F(StartupTest, TheRepairBringsOverEveryRowThatCanBeReadAndTellsWhatIsMissing) {
    vouchers::RegisterVoucherWindows();
    shell::RegisterOpener(QStringLiteral("frmTositeTarkistusVirheet"), vouchers::ShowTositeTarkistusVirheet);
    const QString demo = demoBook();
    const QString base = baseBookWithRowsOf(tmp, demo);
    const qint64 highest = 1000;  // above every key of the book
    ASSERT_LT(numberFrom(demo, "SELECT max(seq) FROM sqlite_sequence"), highest);
    const qint64 pageSize = pageSizeOf(demo);
    const QByteArray noise = randomBytes(pageSize);
    const QByteArray zeros(pageSize, '\0');

    enum class Outcome { Repaired, NotRepaired, Refused };
    const struct {
        const char* damage;
        std::function<void(const QString&)> damageIt;
        Outcome outcome;
        bool costsRows;  // some rows of the program's tables cannot be read any more
        // Repaired: the whole message after the repair (%1 the book's path),
        // when given; NotRepaired: its beginning; Refused: the beginning of
        // the refusal, up to its first foreign definition's own text.
        QString told = QString();
        // The repair is first tried in a child, with a deadline and a bound
        // on the size of the files it writes.
        bool runaway = false;
        bool base = false;  // a copy of the book of the base layout, not of demo
    } cases[] = {
        {"zeroed index page", [](const QString& b) { zeroIndex(b, "to__toNumero"); }, Outcome::Repaired, false},
        {"zeroed entry page", [&](const QString& b) { overwritePage(b, leafPage(demo, "vi", 2), zeros); },
         Outcome::Repaired, true},
        {"random bytes over a voucher page", [&](const QString& b) { overwritePage(b, leafPage(demo, "to", 2), noise); },
         Outcome::Repaired, true},
        {"truncated file",
         [&](const QString& b) { ASSERT_TRUE(QFile::resize(b, QFileInfo(demo).size() - 10 * pageSize)); },
         Outcome::Repaired, true},
        {"damaged free list", [](const QString& b) { kvtest::damageBook(b); }, Outcome::Repaired, false},
        {"zeroed definitions", [&](const QString& b) { overwritePage(b, 1, QByteArray(pageSize - 100, '\0'), 100); },
         Outcome::NotRepaired, true, QStringLiteral("Tietokannan korjaus ei onnistunut.")},
        {"a book of the base layout, with a zeroed entry page",
         [&](const QString& b) { overwritePage(b, leafPage(base, "vi", 1), zeros); }, Outcome::Repaired, true, QString(),
         false, true},
        {"definitions that are not the program's, and the last page of the definitions zeroed", foreignLeftovers,
         Outcome::Repaired, false,
         QStringLiteral("Vioittuneen tietokannan kaikkia määrityksiä ei voitu lukea, joten korjatusta tietokannasta "
                        "voi puuttua enemmän kuin tässä kerrotaan.\r\n\r\nVioittuneessa tietokannassa oli "
                        "määrityksiä, joita Kolvio VEV ei tee. Niitä ei tehty korjattuun tietokantaan, eikä sinne "
                        "siirretty muuta kuin ohjelman omien taulujen ja kenttien tiedot:\r\ntaulu tl: tlLisa TEXT "
                        "DEFAULT 'VIERAS'\r\ntaulu roska: CREATE TABLE roska (x TEXT)\r\nindeksi tlHidas: CREATE "
                        "INDEX tlHidas ON tl (tlNimi)\r\nja 3 muuta määritystä\r\n\r\nVioittunut tietokanta on "
                        "tallessa nimellä:\r\n%1OLD")},
        {"a save cut short, and a zeroed entry page",
         [&](const QString& b) {
             crashInASave(b);
             overwritePage(b, leafPage(demo, "vi", 2), zeros);
         },
         Outcome::Repaired, true},
        // Definitions that carry more than themselves, and noise over an
        // entry page: the first look at the book refuses them, and nothing
        // of them runs, nothing beside the book changes.
        {"statements after the definition of a table",
         [&](const QString& b) { reachOutFromADefinition(b, demo, noise, statementsAfter("tl")); }, Outcome::Refused,
         true, refusedText("taulu tl: CREATE TABLE")},
        {"statements after the definition of a view",
         [&](const QString& b) { reachOutFromADefinition(b, demo, noise, statementsAfter("viennit")); },
         Outcome::Refused, true, refusedText("näkymä viennit: CREATE VIEW")},
        {"statements after the definition of an index",
         [&](const QString& b) { reachOutFromADefinition(b, demo, noise, statementsAfter("to__toNumero")); },
         Outcome::Refused, true, refusedText("indeksi to__toNumero: CREATE INDEX")},
        {"a virtual table",
         [&](const QString& b) { reachOutFromADefinition(b, demo, noise, "CREATE VIRTUAL TABLE haku USING fts5 (sana)"); },
         Outcome::Refused, true, refusedText("taulu haku: CREATE VIRTUAL TABLE haku USING fts5 (sana)")},
        {"a view calling a function that no definition may call",
         [&](const QString& b) {
             reachOutFromADefinition(b, demo, noise, "CREATE VIEW osoite AS SELECT fts3_tokenizer('simple') AS p");
         },
         Outcome::Refused, true, refusedText("näkymä osoite: CREATE VIEW osoite")},
        {"a trigger",
         [&](const QString& b) {
             reachOutFromADefinition(b, demo, noise,
                                     "CREATE TRIGGER poisto AFTER INSERT ON vi BEGIN DELETE FROM vi WHERE viID <> "
                                     "NEW.viID; END");
         },
         Outcome::Refused, true, refusedText("herätin poisto: CREATE TRIGGER poisto")},
        // Definitions that the engine itself never stores.
        {"a table made by a query that never ends",
         [](const QString& b) {
             craftDefinitions(b, "CREATE TABLE zz (x); UPDATE sqlite_master SET sql = 'CREATE TABLE zz AS WITH "
                                 "RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT x FROM c WHERE "
                                 "x < 0' WHERE name = 'zz'");
         },
         Outcome::Refused, false, refusedText("taulu zz: CREATE TABLE zz AS WITH"), true},
        {"a table made by a query that makes rows without end",
         [](const QString& b) {
             craftDefinitions(b, "CREATE TABLE zz (x); UPDATE sqlite_master SET sql = 'CREATE TABLE zz AS WITH "
                                 "RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT zeroblob(10000) "
                                 "FROM c' WHERE name = 'zz'");
         },
         Outcome::Refused, false, refusedText("taulu zz: CREATE TABLE zz AS WITH"), true},
        {"the entries' definition in the temporary schema, under the name of another table",
         [](const QString& b) {
             craftDefinitions(b, "UPDATE sqlite_master SET sql = replace((SELECT sql FROM sqlite_master WHERE name = "
                                 "'vi'), 'CREATE TABLE \"vi\"', 'CREATE TABLE \"temp\".\"vi\"') WHERE name = 'tlSaldot'");
         },
         Outcome::Refused, false, refusedText("taulu tlSaldot: CREATE TABLE \"temp\".\"vi\"")},
        {"a definition that begins with a NUL byte",
         [](const QString& b) { craftDefinitions(b, "UPDATE sqlite_master SET sql = char(0) || sql WHERE name = 'Settings'"); },
         Outcome::Refused, true, refusedText("taulu Settings: \r\n")},
        {"a check of huge work for each row, in a book cut short",
         [&](const QString& b) {
             kvtest::addHeavyWork(b, kvtest::HeavyWork::Check, 4000, 30000);
             ASSERT_TRUE(QFile::resize(b, QFileInfo(b).size() - pageSize));
         },
         Outcome::Refused, false, refusedText("taulu kuorma: CREATE TABLE kuorma")},
    };
    const QString leftAsItWas = QStringLiteral("\r\n\r\nTietokanta ja sen vieressä olevat tiedostot jätettiin ennalleen:\r\n");
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        const QString source = c.base ? base : demo;
        const ColumnsByTable tables = columnsOf(source);
        const RowsByKey whole = rowsByKey(source, tables, highest);
        const QString folder = tmp.file(QStringLiteral("vaurio%1").arg(++n));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString book = folder + QStringLiteral("/kirja.mdb");
        ASSERT_TRUE(QFile::copy(source, book));
        c.damageIt(book);
        const QByteArray damaged = fileBytes(book);
        const QByteArray journal = fileBytes(book + QStringLiteral("-journal"));
        const std::map<QString, QString> beside = filesBeside(book);
        // What the book holds is what it holds once its journal is played.
        const RowsByKey readable = rowsByKey(
            journal.isEmpty() ? book : rolledBack(book, tmp.file(QStringLiteral("luettu%1").arg(n))), tables, highest);
        const std::map<QString, qint64> lost = lostRows(whole, readable);
        ASSERT_EQ(!lost.empty(), c.costsRows);
        if (c.runaway) {
            const kvtest::KilledRun run = kvtest::runChild("startupRepair", {book, QStringLiteral("10000000")});
            ASSERT_TRUE(run.finished) << run.errors.toStdString();
            EXPECT_EQ(run.lines, QList<QByteArray>{"ei korjattu"});
            // Neither a work file nor its journal is left.
            ASSERT_EQ(filesBeside(book), beside);
            ASSERT_EQ(fileBytes(book), damaged);
        }

        configure(book);
        WatchedDialogs dialogs;
        const bool repaired = c.outcome == Outcome::Repaired;
        if (c.outcome != Outcome::Refused) dialogs.expectMessage(QStringLiteral("yritän korjata tietokannan"), Answer::OK);
        dialogs.expectMessage(c.outcome != Outcome::Repaired ? c.told
                              : c.costsRows ? QStringLiteral("Korjatusta tietokannasta puuttuvat rivit tauluittain:")
                              : c.told.isEmpty() ? QStringLiteral("Tietokanta korjattiin, ja kaikki sen rivit saatiin "
                                                                 "korjattuun tietokantaan.")
                                                 : c.told.arg(book),
                              Answer::OK);
        // A book of the base layout has no settings of its year.
        if (c.base)
            dialogs.expectMessage(QStringLiteral("Kirjanpidon asetuksista ei voitu lukea tilikauden päivämääriä"),
                                  Answer::OK);
        // Once the repaired book is open, the vouchers that lost rows.
        if (repaired && c.costsRows) dialogs.expectMessage(QStringLiteral("Korjatusta tietokannasta puuttu"), Answer::OK);
        // The repaired book as the repair left it, before the program works on it.
        RowsByKey repairedRows;
        QStringList repairedDefinitions;
        dialogs.onMessage = [&](const QString& text) {
            if (!text.contains(QStringLiteral("Vioittunut tietokanta on tallessa"))) return;
            repairedRows = rowsByKey(book, tables, highest);
            repairedDefinitions = textsFrom(book, kDefinitions);
        };
        shell::frmMain& main = startUp();
        // Nothing else in the book's folder was touched; a journal beside
        // the book went with it, as it was.
        EXPECT_EQ(filesBeside(book), beside);
        EXPECT_EQ(fileBytes(book + (repaired ? QStringLiteral("OLD-journal") : QStringLiteral("-journal"))), journal);
        if (repaired) {
            EXPECT_FALSE(QFile::exists(book + QStringLiteral("-journal")));
        }
        // After a repair that may have lost rows, the voucher check's findings.
        auto* findings = ui::Forms::find<vouchers::frmTositeTarkistusVirheet>();
        EXPECT_EQ(findings && findings->isVisible(), repaired && (c.costsRows || !c.told.isEmpty()));
        const QList<ui::ShownDialog>& shown = dialogs.shown();
        if (c.outcome == Outcome::Refused) {
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown[0].text.startsWith(c.told)) << shown[0].text.toStdString();
            EXPECT_TRUE(shown[0].text.endsWith(leftAsItWas + book)) << shown[0].text.toStdString();
        } else {
            // A message after the repair names the file that holds the damaged book.
            ASSERT_GE(shown.size(), 2);
            expectLossesTold(shown[1].text, repaired ? lost : std::map<QString, qint64>(),
                             repaired ? book + QStringLiteral("OLD") : book);
            if (repaired && !c.told.isEmpty()) {
                EXPECT_EQ(shown[1].text, c.told.arg(book));
            }
        }
        if (!repaired) {
            EXPECT_EQ(fileBytes(book), damaged);
            EXPECT_FALSE(QFile::exists(book + QStringLiteral("OLD")));
            EXPECT_FALSE(QFile::exists(book + QStringLiteral("2")));
            expectBookCommandsWaitForAnotherBook(main, folder + QStringLiteral("/palautettu.mdb"));
        }
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        core::resetGlobals();
        if (!repaired) continue;

        EXPECT_EQ(fileBytes(book + QStringLiteral("OLD")), damaged);
        expectRebuilt(book, demo, source, repairedDefinitions, repairedRows, readable);
        if (!c.costsRows) {
            EXPECT_EQ(repairedRows, whole);
        }
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
