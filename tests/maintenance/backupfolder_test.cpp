// Backup into the backup folder with the compaction chain, and the restore
// from a copy: what lands where, what is kept, and that a failed step
// leaves the book in use whole.

#include "core/settings.h"
#include "platform/dao/error.h"
#include "platform/ui/forms.h"
#include "maintenance/backupfolder.h"
#include "maintenance/register.h"
#include "maintenancefixture.h"
#include "platform/fso/fso.h"
#include "platform/ui/scripteddialogs.h"
#include "shell/openers.h"
#include "support/child.h"
#include "support/iniheld.h"

#include <functional>

using maintenance::CompanionPath;

namespace {

// Whether the file is a whole book holding the accounts numbered by the
// given lines; the reason when it is not.
QString wholeBookWith(const QString& path, const QList<QByteArray>& accounts) {
    try {
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        const QStringList problems = db.integrityProblems();
        if (!problems.isEmpty()) return problems.join(u' ');
        for (const QByteArray& number : accounts) {
            dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero = ?"),
                                                 dao::RecordsetType::Snapshot, {dao::Variant(number.toLong())});
            if (rs.isEOF()) return QStringLiteral("save %1 lost").arg(QString::fromLatin1(number));
        }
        db.Close();
        return QString();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

// The folder backup as a crash may stop it: first three saves into the
// book, each reported once it has returned, then the backup. Every message
// is answered with OK.
KV_TEST_CHILD(folderBackup) {
    core::DatabasePath = args.value(0);
    core::DatabaseBackup = args.value(1);
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    {
        dao::Database db = core::DBCon().AvaaDB();
        for (int number = 7001; number <= 7003; ++number) {
            db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (?, 'tallennus', ' ')"),
                       {dao::Variant(number)});
            out.write(QByteArray::number(number) + '\n');
        }
    }
    maintenance::mVarmistusClick();
    out.write("valmis\n");
    return 0;
}

class BackupFolder : public kvtest::MaintenanceTest {
protected:
    void SetUp() override {
        MaintenanceTest::SetUp();
        backupDir = tmp.file(QStringLiteral("varmistus"));
        ASSERT_TRUE(QDir().mkpath(backupDir));
        core::DatabaseBackup = backupDir + u'/';
    }
    void expectBackupRuns() {
        dialogs.expectMessage(QStringLiteral("Varmista että kohde ") + core::DatabaseBackup + QStringLiteral(" on valmiina."),
                              ui::Answer::OK);
    }
    QString backupDir;
};

TEST(BackupNames, CompanionFilesNeverTakeTheBooksOwnName) {
    EXPECT_EQ(CompanionPath(QStringLiteral("/k/kirja.mdb"), u'2'), QStringLiteral("/k/kirja.md2"));
    EXPECT_EQ(CompanionPath(QStringLiteral("/k/kirja.mdb"), u'3'), QStringLiteral("/k/kirja.md3"));
    EXPECT_EQ(CompanionPath(QStringLiteral("/k/kirja.db2"), u'2'), QStringLiteral("/k/kirja.db22"));
    EXPECT_EQ(CompanionPath(QStringLiteral("/k/kirja.db2"), u'3'), QStringLiteral("/k/kirja.db3"));
}

TEST_F(BackupFolder, CopiesTheBookAndCompactsItKeepingTheFormerBookAsMd3) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    addSlack(book);
    const QByteArray before = bytesOf(book);
    core::DBCon().AvaaDB();
    // A compacted copy left by an interrupted run is replaced.
    writeFile(CompanionPath(book, u'2'), "left over");

    // The command as the main window runs it.
    maintenance::RegisterMaintenanceWindows();
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("Tietokannan varmuuskopiointi ja uudelleenjärjestely valmis."), ui::Answer::OK);
    ASSERT_TRUE(shell::RunOpener(QStringLiteral("mVarmistus")));

    EXPECT_FALSE(core::DBCon().isOpen());
    EXPECT_EQ(bytesOf(QDir(backupDir).filePath(QStringLiteral("kirja.mdb"))), before);
    EXPECT_EQ(bytesOf(CompanionPath(book, u'3')), before);
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'2')));
    EXPECT_LT(QFileInfo(book).size(), before.size());
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));
    EXPECT_EQ(dialogs.shown().at(0).icon, ui::Icon::Information);

    // The second backup finds the first one's .md3 and replaces it.
    const QByteArray compacted = bytesOf(book);
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(bytesOf(CompanionPath(book, u'3')), compacted);
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));
    EXPECT_EQ(QDir(tmp.path()).entryList({QStringLiteral("kirja.*")}, QDir::Files).size(), 2);  // .mdb, .md3
}

// A book reached through a symbolic link stays so: the backup copies it
// under the link's name, compacts the file the link leads to, and the link
// leads to the compacted book.
TEST_F(BackupFolder, ABookThatIsALinkStaysALink) {
    const QString file = makeBook(QStringLiteral("Pankkitili"), QStringLiteral("todellinen.mdb"));
    addSlack(file);
    const QByteArray before = bytesOf(file);
    const QString link = tmp.file(QStringLiteral("kirja.mdb"));
    ASSERT_TRUE(QFile::link(file, link));
    core::DatabasePath = link;
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), file);
    EXPECT_LT(QFileInfo(file).size(), before.size());
    EXPECT_EQ(accountOf(link), QStringLiteral("Pankkitili"));
    EXPECT_EQ(bytesOf(QDir(backupDir).filePath(QStringLiteral("kirja.mdb"))), before);
}

TEST_F(BackupFolder, TheFolderIsJoinedWithOneSeparator) {
    const QString book = makeBook(QStringLiteral("Kassa"));
    ASSERT_TRUE(QDir().mkpath(backupDir + QStringLiteral("/uusi")));
    core::DatabaseBackup = backupDir + QStringLiteral("/uusi");  // no separator at the end
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(accountOf(QDir(backupDir).filePath(QStringLiteral("uusi/kirja.mdb"))), QStringLiteral("Kassa"));
    EXPECT_FALSE(QFile::exists(QDir(backupDir).filePath(QStringLiteral("uusikirja.mdb"))));

    // A book whose name ends in "2" is not taken for its own compacted copy.
    const QString odd = makeBook(QStringLiteral("Kassa"), QStringLiteral("kirja.db2"));
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(accountOf(odd), QStringLiteral("Kassa"));
    EXPECT_EQ(accountOf(tmp.file(QStringLiteral("kirja.db3"))), QStringLiteral("Kassa"));
}

// A fresh desktop names its documents folder ~/Asiakirjat, and nothing of
// the default backup folder exists yet: the first backup makes it. A
// missing folder the user chose (its parent there) is refused, not made.
TEST_F(BackupFolder, TheFirstBackupMakesTheDefaultFolderButNotOneTheUserChose) {
    const QString config = QDir(home).filePath(QStringLiteral(".config"));
    writeFile(QDir(config).filePath(QStringLiteral("user-dirs.dirs")), "XDG_DOCUMENTS_DIR=\"$HOME/Asiakirjat\"\n");
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    const QString book = makeBook(QStringLiteral("Kassa"));
    for (const QString& chosen : {QString(), QDir(home).filePath(QStringLiteral("varmistus/"))}) {
        core::LoadIniSettings();  // a first start: the default folder
        core::DatabasePath = book;
        if (!chosen.isEmpty()) core::DatabaseBackup = chosen;
        const QString folder = chosen.isEmpty() ? QDir(home).filePath(QStringLiteral("Asiakirjat/Kolvio VEV/Varmuuskopiot")) : chosen;
        expectBackupRuns();
        dialogs.expectMessage(chosen.isEmpty() ? QStringLiteral("valmis.") : QStringLiteral("Tietokantaa ei voida kopioida "),
                              ui::Answer::OK);
        maintenance::mVarmistusClick();
        EXPECT_EQ(accountOf(QDir(folder).filePath(QStringLiteral("kirja.mdb"))),
                  chosen.isEmpty() ? QStringLiteral("Kassa") : QString());
        EXPECT_EQ(fso::FolderExists(folder), chosen.isEmpty()) << folder.toStdString();
    }
}

TEST_F(BackupFolder, AFailedStepStopsTheChainWithTheBookUntouched) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));

    // The folder's drive is not there: no copy, no compaction.
    core::DatabaseBackup = tmp.file(QStringLiteral("ei/ole/"));
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("Tietokantaa ei voida kopioida \nhakemistosta: ") + book +
                              QStringLiteral("\nhakemistoon: ") + tmp.file(QStringLiteral("ei/ole/kirja.mdb")) +
                              QStringLiteral("\n\nTarkista asetuksista"),
                          ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Critical);
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'2')));
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'3')));

    // A file that is no book: neither copied over the last backup nor
    // compacted, and nothing is renamed.
    core::DatabaseBackup = backupDir + u'/';
    const QString lastBackup = QDir(backupDir).filePath(QStringLiteral("kirja.mdb"));
    writeFile(lastBackup, "edellinen varmuuskopio");
    writeFile(book, "ei kirjanpitoa");
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("Tietokanta on vioittunut, joten sitä ei kopioitu varmuuskopioksi"), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Critical);
    EXPECT_EQ(bytesOf(book), QByteArray("ei kirjanpitoa"));
    EXPECT_EQ(bytesOf(lastBackup), QByteArray("edellinen varmuuskopio"));
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'2')));
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'3')));
}

TEST_F(BackupFolder, ADamagedBookNeverReplacesTheLastGoodBackup) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    const QString lastBackup = QDir(backupDir).filePath(QStringLiteral("kirja.mdb"));
    ASSERT_TRUE(QFile::copy(book, lastBackup));
    const QByteArray good = bytesOf(lastBackup);
    kvtest::damageBook(book);
    const QByteArray damaged = bytesOf(book);

    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("Tietokanta on vioittunut, joten sitä ei kopioitu varmuuskopioksi eikä "
                                         "uudelleenjärjestetty. Aiempi varmuuskopio on tallella.\n"),
                          ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Critical);
    EXPECT_EQ(bytesOf(lastBackup), good);
    EXPECT_EQ(bytesOf(book), damaged);
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'2')));
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'3')));
}

// A book whose whole-book check or compaction cannot be done is left as it
// was, and the user is told why: with an index whose expression makes more
// work for each row than a book of its size can need, the check is stopped
// and nothing is copied; with a column the engine's compaction cannot copy
// as it is (a virtual one, computed from another), the copy is made, and
// the user is told what failed and that the book itself is whole.
TEST_F(BackupFolder, AStoppedCheckOrAFailedCompactionLeavesTheBookAsItWas) {
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        bool copied;
        QString toldStart, toldEnd;  // the book's path between them
    } cases[] = {
        {"an index of huge work for each row",
         [](const QString& b) { kvtest::addHeavyWork(b, kvtest::HeavyWork::Index, 4000, 30000); }, false,
         QStringLiteral("Tietokannan tarkistus keskeytettiin: se vei enemmän työtä kuin tämän kokoinen tietokanta voi "
                        "vaatia.\r\nTietokanta jätettiin ennalleen:\r\n"),
         QString()},
        {"a virtual column",
         [](const QString& b) { kvtest::runOnBook(b, "ALTER TABLE vi ADD COLUMN viTupla AS (viArvo * 2) VIRTUAL"); },
         true, QStringLiteral("Tietokannan uudelleenjärjestely ei onnistunut:\n3964: Tietokannan '"),
         QStringLiteral("' tiivistys ei onnistunut. (table vacuum_db.vi has 10 columns but 11 values were supplied)\n"
                        "Tietokanta itse on ehjä, eikä sitä muutettu.")},
        {"an index whose pattern is beyond the bound",
         [](const QString& b) {
             kvtest::runOnBook(b, "CREATE INDEX tlMalli ON tl ((tlNimi LIKE 'a')); UPDATE sqlite_master SET sql = "
                                  "'CREATE INDEX tlMalli ON tl ((tlNimi LIKE ''' || printf('%.153c', 'a') || "
                                  "'''))' WHERE name = 'tlMalli'");
         },
         true, QStringLiteral("Tietokannan uudelleenjärjestely ei onnistunut:\n3964: Tietokannan '"),
         QStringLiteral("' tiivistys ei onnistunut. (Lauseketta ei voi laskea: LIKE-vertailun malli on pidempi kuin "
                        "152 tavua.)\nTietokanta itse on ehjä, eikä sitä muutettu.")},
    };
    const QString lastBackup = QDir(backupDir).filePath(QStringLiteral("kirja.mdb"));
    // Behind the check of the layout, which refuses each of these books.
    const kvtest::WithoutLayoutCheck secondWall;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString book = makeBook(QStringLiteral("Pankkitili"));
        c.make(book);
        const QByteArray before = bytesOf(book);
        writeFile(lastBackup, "edellinen varmuuskopio");
        expectBackupRuns();
        dialogs.expectMessage(c.toldStart, ui::Answer::OK);
        maintenance::mVarmistusClick();
        EXPECT_EQ(dialogs.shown().last().text, c.toldStart + book + c.toldEnd);
        EXPECT_EQ(bytesOf(book), before);
        EXPECT_EQ(bytesOf(lastBackup), c.copied ? before : QByteArray("edellinen varmuuskopio"));
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kirja.mdb")});
        EXPECT_EQ(hiddenFiles(backupDir), QStringList());
        ASSERT_TRUE(QFile::remove(book));
    }
}

TEST_F(BackupFolder, TheCopyIsOnTheDiskBeforeTheBackupIsCalledDone) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    const QString target = QDir(backupDir).filePath(QStringLiteral("kirja.mdb"));
    // What had been shown when the copy in the backup folder was synced, and
    // when it took its name.
    qsizetype shownAtSync = -1, shownAtRename = -1;
    fso::SetWritePointHook([&](const char* step, const QString& path) {
        if (qstrcmp(step, "sync") == 0 && fso::GetParentFolderName(path) == backupDir && shownAtSync < 0)
            shownAtSync = dialogs.shown().size();
        if (qstrcmp(step, "rename") == 0 && path == target) shownAtRename = dialogs.shown().size();
    });
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("Tietokannan varmuuskopiointi ja uudelleenjärjestely valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    fso::SetWritePointHook(nullptr);
    // Only the opening notice had been shown, each time.
    EXPECT_EQ(shownAtSync, 1);
    EXPECT_EQ(shownAtRename, 1);
    EXPECT_EQ(accountOf(target), QStringLiteral("Pankkitili"));
}

TEST_F(BackupFolder, AKillAtAnyWritePointLeavesTheBookWholeWithEverySave) {
    const QString pristine = makeBook(QStringLiteral("Pankkitili"), QStringLiteral("alkuperainen.mdb"));
    addSlack(pristine);
    int point = 1;
    for (;; ++point) {
        ASSERT_LT(point, 100) << "the backup never ran to its end";
        const QString folder = tmp.file(QStringLiteral("ajo%1").arg(point));
        const QString backups = folder + QStringLiteral("/varmistus/");
        ASSERT_TRUE(QDir().mkpath(backups));
        const QString book = folder + QStringLiteral("/kirja.mdb");
        const QString lastBackup = backups + QStringLiteral("kirja.mdb");
        ASSERT_TRUE(QFile::copy(pristine, book));
        ASSERT_TRUE(QFile::copy(pristine, lastBackup));
        const QByteArray lastGood = bytesOf(lastBackup);

        const kvtest::KilledRun run = kvtest::runChildKilledAt("folderBackup", {book, backups}, point);
        if (run.finished) break;
        ASSERT_TRUE(run.killed) << run.errors.toStdString();
        SCOPED_TRACE(run.errors.trimmed().toStdString());
        QList<QByteArray> saves = run.lines;
        saves.removeAll("valmis");

        // The book is at its path, whole, with every save that returned; the
        // backup folder holds the last good copy or a whole new one.
        EXPECT_EQ(wholeBookWith(book, saves), QString());
        if (bytesOf(lastBackup) != lastGood) {
            EXPECT_EQ(wholeBookWith(lastBackup, {}), QString());
        }

        // The next run of the command goes through and clears what this one left.
        core::DatabasePath = book;
        core::DatabaseBackup = backups;
        expectBackupRuns();
        dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
        maintenance::mVarmistusClick();
        EXPECT_EQ(hiddenFiles(folder), QStringList());
        EXPECT_EQ(hiddenFiles(backups), QStringList());
        EXPECT_EQ(wholeBookWith(book, saves), QString());
        EXPECT_EQ(wholeBookWith(lastBackup, saves), QString());
    }
    // The saves, the copy, the compaction and the renames each had their points.
    EXPECT_GT(point, 10);
}

// An open window with something typed and not yet stored.
class frmKesken : public ui::Form {
public:
    frmKesken() : ui::Form(QStringLiteral("frmKesken")) { setWindowTitle(QStringLiteral("Kesken")); }
    bool refuse = false;
    bool fail = false;
    int stored = 0;
    int readAgain = 0;
    bool StorePendingEdits() override {
        if (fail) throw dao::DaoError(3022, QStringLiteral("avain on jo käytössä"));
        if (refuse) return false;
        ++stored;
        return true;
    }
    void ReadBookAgain() override { ++readAgain; }
};

TEST_F(BackupFolder, AWindowThatCannotStoreWhatItHoldsKeepsTheBackupFromRunning) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    const QString copy = QDir(backupDir).filePath(QStringLiteral("kirja.mdb"));
    auto& w = ui::Forms::show<frmKesken>();

    w.refuse = true;
    dialogs.expectMessage(QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Kesken"),
                          ui::Answer::OK);
    maintenance::mVarmistusClick();
    w.refuse = false;
    w.fail = true;
    dialogs.expectMessage(QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Kesken\r\n\r\n"
                                         "3022: avain on jo käytössä"),
                          ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_FALSE(QFile::exists(copy));
    EXPECT_FALSE(QFile::exists(CompanionPath(book, u'3')));
    EXPECT_EQ(w.readAgain, 0);

    // Once it has stored, the backup runs and the window reads the book again.
    w.fail = false;
    expectBackupRuns();
    dialogs.expectMessage(QStringLiteral("valmis."), ui::Answer::OK);
    maintenance::mVarmistusClick();
    EXPECT_EQ(accountOf(copy), QStringLiteral("Pankkitili"));
    EXPECT_EQ(w.stored, 1);
    EXPECT_EQ(w.readAgain, 1);
}

class RestoreFromCopy : public BackupFolder {
protected:
    void SetUp() override {
        BackupFolder::SetUp();
        book = makeBook(QStringLiteral("Pankkitili"));
        core::SaveDatabasePath(book);
        copy = makeBook(QStringLiteral("Varmuuskopio"), QStringLiteral("varmistus/kirja.mdb"));
        core::DatabasePath = book;
        core::DBCon().AvaaDB();
        proposed = QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"));
    }
    QString book, copy, proposed;
};

TEST_F(RestoreFromCopy, CopiesTheChosenFileAndTakesItIntoUseWhenAsked) {
    dialogs.expectOpenFile(copy, QStringLiteral("Valitse palautettava tietokanta"));
    dialogs.expectSaveFile(proposed, QStringLiteral("Valitse palautettavan tietokannan kohde"));
    dialogs.expectMessage(QStringLiteral("Otetaanko palautettu tietokanta käyttöön?"), ui::Answer::Yes);
    maintenance::mPalautusClick();
    EXPECT_EQ(dialogs.shown().at(0).initial, core::DatabaseBackup);
    EXPECT_EQ(dialogs.shown().at(0).filter, QStringLiteral("Database (*.mdb)|*.mdb"));
    EXPECT_EQ(dialogs.shown().at(1).initial, proposed);  // the title folder in the documents, made
    EXPECT_EQ(accountOf(proposed), QStringLiteral("Varmuuskopio"));
    EXPECT_EQ(core::DatabasePath, proposed);
    EXPECT_EQ(readIni(QStringLiteral("Database")), proposed);
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));

    // Declined: the copy is made, the book stays.
    const QString other = tmp.file(QStringLiteral("toinen.mdb"));
    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(other);
    dialogs.expectMessage(QStringLiteral("Otetaanko"), ui::Answer::No);
    maintenance::mPalautusClick();
    EXPECT_EQ(accountOf(other), QStringLiteral("Varmuuskopio"));
    EXPECT_EQ(core::DatabasePath, proposed);
    EXPECT_EQ(readIni(QStringLiteral("Database")), proposed);
}

// The copy is taken into use only through the ini file: when another
// program holds that, the book in use stays, and the user is told why.
TEST_F(RestoreFromCopy, ACopyTheIniFileCannotTakeIntoUseLeavesTheBookInUseAndSaysSo) {
    const QString iniPath = QDir(app).filePath(QStringLiteral("vevaravo.ini"));
    kvtest::IniWriteInProgress other(iniPath);
    ASSERT_TRUE(other.holding());
    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(proposed);
    dialogs.expectMessage(QStringLiteral("Otetaanko palautettu tietokanta käyttöön?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Palautettua tietokantaa ei otettu käyttöön, koska sitä ei voitu tallentaa "
                                         "asetuksiin. Käytössä on edelleen entinen tietokanta.\r\n\r\n"
                                         "Toinen ohjelma pitää asetustiedostoa varattuna, eikä siihen voitu kirjoittaa: ") +
                              iniPath,
                          ui::Answer::OK);
    maintenance::mPalautusClick();
    EXPECT_EQ(accountOf(proposed), QStringLiteral("Varmuuskopio"));
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
    ASSERT_TRUE(other.finish());
}

TEST_F(RestoreFromCopy, CancelledDialogsChangeNothing) {
    dialogs.expectOpenFile(QString());
    maintenance::mPalautusClick();
    EXPECT_TRUE(core::DBCon().isOpen());  // not even closed

    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(QString());
    maintenance::mPalautusClick();
    EXPECT_FALSE(core::DBCon().isOpen());
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_FALSE(QFile::exists(proposed));
}

TEST_F(RestoreFromCopy, AnExistingTargetIsReplacedOnlyWhenTheUserSaysSo) {
    // No, then No again: the save dialog comes back; then Yes replaces.
    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(book);
    dialogs.expectMessage(QStringLiteral("Tiedosto on jo olemassa, korvataanko varmuuskopiolla?"), ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Haluatko keskeyttää tietokannan palautuksen?"), ui::Answer::No);
    dialogs.expectSaveFile(book);
    dialogs.expectMessage(QStringLiteral("Tiedosto on jo olemassa"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Otetaanko"), ui::Answer::Yes);
    maintenance::mPalautusClick();
    EXPECT_EQ(dialogs.shown().at(4).initial, book);  // the dialog proposes what was chosen
    EXPECT_EQ(accountOf(book), QStringLiteral("Varmuuskopio"));
    EXPECT_EQ(core::DatabasePath, book);

    // No, then Yes: the restore ends at once, without the last question.
    const QString other = makeBook(QStringLiteral("Kassa"), QStringLiteral("toinen.mdb"));
    core::DatabasePath = book;
    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(other);
    dialogs.expectMessage(QStringLiteral("Tiedosto on jo olemassa"), ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Haluatko keskeyttää"), ui::Answer::Yes);
    maintenance::mPalautusClick();
    EXPECT_EQ(accountOf(other), QStringLiteral("Kassa"));
}

TEST_F(RestoreFromCopy, ACopyThatCarriesATriggerIsNotRestored) {
    kvtest::addEntryTrigger(copy);
    const QByteArray before = bytesOf(copy);
    dialogs.expectOpenFile(copy);
    const QString told = kvtest::foreignLayoutText({QStringLiteral("herätin vienti_poisto: CREATE TRIGGER vienti_poisto AFTER INSERT ON "
                                                         "vi BEGIN DELETE FROM vi WHERE viID <> NEW.viID; END")});
    dialogs.expectMessage(told + copy, ui::Answer::OK);
    maintenance::mPalautusClick();
    EXPECT_EQ(dialogs.shown().last().text, told + copy);
    EXPECT_EQ(bytesOf(copy), before);
    EXPECT_FALSE(QFile::exists(proposed));
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
}

TEST_F(RestoreFromCopy, ACopyThatCannotBeMadeIsReportedAndNotTakenIntoUse) {
    const QString nowhere = tmp.file(QStringLiteral("ei/ole/kirja.mdb"));
    dialogs.expectOpenFile(copy);
    dialogs.expectSaveFile(nowhere);
    dialogs.expectMessage(QStringLiteral("Palautettavan tietokannan kopiointi ei onnistunut:\n") + nowhere, ui::Answer::OK);
    maintenance::mPalautusClick();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Critical);
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
}

}  // namespace
