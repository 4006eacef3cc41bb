// The memory-stick windows driven offscreen with a stick that is a folder:
// finding the stick, the copy by day and the compaction, the day and file
// lists, deleting copies, and the restore that ends the program.

#include "core/settings.h"
#include "maintenance/backupfolder.h"
#include "maintenance/frmbackup.h"
#include "maintenance/frmbackupmanagement.h"
#include "maintenance/frmbackuprestore.h"
#include "maintenance/register.h"
#include "maintenancefixture.h"
#include "platform/fso/fso.h"
#include "shell/openers.h"
#include "support/helppages.h"
#include "support/iniheld.h"
#include "support/keys.h"
#include "support/pendingedit.h"
#include "support/writetrace.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <sys/stat.h>

using namespace maintenance;

namespace {

class Stick : public kvtest::MaintenanceTest {
protected:
    QList<fso::Drive> drives() override {
        if (!stickInserted) return MaintenanceTest::drives().mid(0, 1);
        return MaintenanceTest::drives();
    }
    // A copy on the stick: <title>/<day>/<name>, holding a book of account.
    void putCopy(const QString& day, const QString& name, const QString& account = QStringLiteral("Kopio")) {
        const QString path = QDir(titleFolderOnStick()).filePath(day + u'/' + name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        const QString saved = core::DatabasePath;
        ASSERT_TRUE(QFile::copy(makeBook(account, QStringLiteral("lahde.mdb")), path));
        QFile::remove(tmp.file(QStringLiteral("lahde.mdb")));
        core::DatabasePath = saved;
    }
    static bool shown(QWidget* w) { return !w->isHidden(); }
    // A left click on a row of a list, as the user gives it.
    static void click(QListWidget* l, int row) {
        kvtest::Keys::settle();
        ASSERT_NE(l->item(row), nullptr) << l->objectName().toStdString() << " has no row " << row;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    // Where a row of a list stands on its window, and a left click where the
    // pointer stands so, on whatever lies there now: the user's second click
    // in a row.
    static QPoint onWindow(QListWidget* l, int row) {
        kvtest::Keys::settle();
        return l->viewport()->mapTo(l->window(), l->visualItemRect(l->item(row)).center());
    }
    static void clickAt(QListWidget* l, const QPoint& onWindow) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->viewport()->mapFrom(l->window(), onWindow));
    }
    // The stick searched, and the copy of the day row and the file row chosen.
    static void choose(frmBackupRestore& w, int day, int file) {
        w.cEtsiMuistitikku->click();
        click(w.lstPaiva, day);
        click(w.lstTietokanta, file);
    }
    static QStringList texts(QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
    bool stickInserted = true;
};

TEST_F(Stick, TheStickIsTheFirstReadyRemovableDriveWithTheLabelInAnyCase) {
    auto drive = [](const char* root, const char* label, bool ready, bool removable) {
        fso::Drive d;
        d.rootPath = QString::fromLatin1(root);
        d.volumeName = QString::fromLatin1(label);
        d.isReady = ready;
        d.isRemovable = removable;
        return d;
    };
    QList<fso::Drive> list = {drive("/a", "DURARADERA", false, true), drive("/b", "DURARADERA", true, false),
                              drive("/c", "DURARADERA2", true, true), drive("/d", "duraRadera", true, true),
                              drive("/e", "DURARADERA", true, true)};
    fso::SetDriveListHook([&list] { return list; });
    BackupStick s = FindBackupStick();
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.name(), QStringLiteral("/d"));
    list.removeAt(3);
    list.removeAt(3);
    EXPECT_FALSE(FindBackupStick().found);
}

TEST_F(Stick, BackupCopiesTheBookIntoTheDaysFolderAndCompactsIt) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    addSlack(book);
    const QByteArray before = bytesOf(book);
    core::DBCon().AvaaDB();

    maintenance::RegisterMaintenanceWindows();
    ASSERT_TRUE(shell::RunOpener(QStringLiteral("frmBackup")));
    auto* w = ui::Forms::find<frmBackup>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isShownModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("DURARADERA-Varmuuskopiointi"));
    EXPECT_EQ(w->lblKopioitavaTiedostoNimi->text(), book);
    EXPECT_TRUE(shown(w->cEtsiMuistitikku));
    EXPECT_FALSE(shown(w->cKopioi));

    w->cEtsiMuistitikku->click();
    EXPECT_EQ(w->lblVaihe2->text(), QStringLiteral("2. Sopiva muistitikku löytyi (") + stickRoot +
                                        QStringLiteral("-asema), tee kopio."));
    EXPECT_TRUE(shown(w->cKopioi));
    EXPECT_FALSE(w->cEtsiMuistitikku->isEnabled());
    EXPECT_FALSE(shown(w->lblVapaaTilaStatus));

    w->cKopioi->click();
    const QString copy = QDir(titleFolderOnStick()).filePath(QStringLiteral("20310315/kirja.mdb"));
    EXPECT_EQ(bytesOf(copy), before);
    EXPECT_FALSE(core::DBCon().isOpen());
    EXPECT_EQ(w->lblVaihe3->text(), QStringLiteral("3. Kopiointi valmis."));
    EXPECT_FALSE(w->cKopioi->isEnabled());
    EXPECT_TRUE(shown(w->cTiivista));

    w->cTiivista->click();
    EXPECT_EQ(w->lblVaihe5->text(), QStringLiteral("5. Tiivistys valmis"));
    EXPECT_TRUE(shown(w->lblVaihe5));
    EXPECT_FALSE(w->cTiivista->isEnabled());
    EXPECT_LT(QFileInfo(book).size(), before.size());
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{QStringLiteral("kirja.mdb")});  // no work files left
    EXPECT_EQ(core::DBCon().AvaaDB().name(), book);

    // Again the same day: the day's copy is replaced; the next day gets its own folder.
    ui::Forms::unload(*w);
    auto again = [this] {
        auto& f = ui::Forms::show<frmBackup>();
        f.cEtsiMuistitikku->click();
        f.cKopioi->click();
        ui::Forms::unload(f);
    };
    again();
    EXPECT_EQ(bytesOf(copy), bytesOf(book));
    today = today.addDays(1);
    again();
    EXPECT_EQ(fso::SubFolders(titleFolderOnStick()), (QStringList{QStringLiteral("20310315"), QStringLiteral("20310316")}));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

// A book reached through a symbolic link stays so after its compaction.
TEST_F(Stick, ABookThatIsALinkStaysALink) {
    const QString file = makeBook(QStringLiteral("Pankkitili"), QStringLiteral("todellinen.mdb"));
    addSlack(file);
    const QByteArray before = bytesOf(file);
    const QString link = tmp.file(QStringLiteral("kirja.mdb"));
    ASSERT_TRUE(QFile::link(file, link));
    core::DatabasePath = link;
    auto& w = ui::Forms::show<frmBackup>();
    w.cEtsiMuistitikku->click();
    w.cKopioi->click();
    w.cTiivista->click();
    EXPECT_EQ(w.lblVaihe5->text(), QStringLiteral("5. Tiivistys valmis"));
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), file);
    EXPECT_LT(QFileInfo(file).size(), before.size());
    EXPECT_EQ(accountOf(link), QStringLiteral("Pankkitili"));
    ui::Forms::unload(w);
}

TEST_F(Stick, TheCopyIsOnTheStickBeforeItIsCalledDoneAndLeftoversGo) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    // Work files as interrupted copies of earlier days and of today left
    // them, and one beside the book from an interrupted compaction.
    putCopy(QStringLiteral("20310301"), QStringLiteral("kirja.mdb"));
    const QString day = QDir(titleFolderOnStick()).filePath(QStringLiteral("20310315"));
    ASSERT_TRUE(QDir().mkpath(day));
    const QString target = QDir(day).filePath(QStringLiteral("kirja.mdb"));
    for (const QString& of : {QDir(titleFolderOnStick()).filePath(QStringLiteral("20310301/kirja.mdb")), target, book})
        writeFile(fso::WorkFileNameBeside(of), "kesken");

    auto& w = ui::Forms::show<frmBackup>();
    w.cEtsiMuistitikku->click();
    QStringList textsAtSync;
    fso::SetWritePointHook([&](const char* step, const QString& path) {
        if (qstrcmp(step, "sync") == 0 && fso::GetParentFolderName(path) == day) textsAtSync << w.lblVaihe3->text();
    });
    w.cKopioi->click();
    fso::SetWritePointHook(nullptr);
    // The copy and its new name were synced before "valmis" was shown.
    EXPECT_EQ(textsAtSync, QStringList{QString()});
    EXPECT_EQ(w.lblVaihe3->text(), QStringLiteral("3. Kopiointi valmis."));
    EXPECT_EQ(accountOf(target), QStringLiteral("Pankkitili"));
    EXPECT_EQ(hiddenFiles(day), QStringList());
    EXPECT_EQ(hiddenFiles(QDir(titleFolderOnStick()).filePath(QStringLiteral("20310301"))), QStringList());

    w.cTiivista->click();
    EXPECT_EQ(w.lblVaihe5->text(), QStringLiteral("5. Tiivistys valmis"));
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kirja.mdb")});
}

// Each folder the work makes and each file that takes a name is on the
// disk (its folder synced after the name) before the user is told that the
// work is done; on the stick, in the documents folder, in the backup folder
// and beside the book, the folders made first among them.
TEST_F(Stick, EveryNewNameIsOnTheDiskBeforeTheWorkIsReportedDone) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    addSlack(book);
    frmBackup* copying = nullptr;
    // The windows without a line of their own tell it in their last message.
    auto toldAll = [this] { return dialogs.pendingCount() == 0; };
    const struct {
        const char* work;
        std::function<void()> before;  // the window up to the command
        std::function<void()> run;
        std::function<bool()> reported;
    } works[] = {
        {"the copy on the stick",
         [&] {
             copying = &ui::Forms::show<frmBackup>();
             copying->cEtsiMuistitikku->click();
         },
         [&] { copying->cKopioi->click(); },
         [&] { return copying->lblVaihe3->text() == QLatin1String("3. Kopiointi valmis."); }},
        {"its compaction", [] {}, [&] { copying->cTiivista->click(); },
         [&] { return copying->lblVaihe5->text() == QLatin1String("5. Tiivistys valmis"); }},
        {"the copy into the backup folder",
         [&] {
             ui::Forms::unload(*copying);
             core::DatabaseBackup = core::defaultBackupFolder();
             dialogs.expectMessage(QStringLiteral("Aloitetaan tietokannan varmuuskopiointi"), ui::Answer::OK)
                 .expectMessage(QStringLiteral("varmuuskopiointi ja uudelleenjärjestely valmis."), ui::Answer::OK);
         },
         [] { maintenance::mVarmistusClick(); }, toldAll},
        {"the restore from the stick",
         [&] {
             QDir(documents()).removeRecursively();  // made anew by the restore
             auto& w = ui::Forms::show<frmBackupRestore>();
             choose(w, 0, 0);
             dialogs.expectMessage(QStringLiteral("Tietokantaa on vaihdettu."), ui::Answer::OK);
         },
         [] { ui::Forms::find<frmBackupRestore>()->cPalauta->click(); }, toldAll},
    };
    for (const auto& w : works) {
        SCOPED_TRACE(w.work);
        w.before();
        kvtest::WriteTrace trace({tmp.path()}, w.reported);
        w.run();
        EXPECT_EQ(trace.unsyncedWhenReported(), QStringList());
    }
    EXPECT_EQ(accountOf(QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"))), QStringLiteral("Pankkitili"));
}

TEST_F(Stick, ADamagedBookNeverReplacesTheDaysEarlierCopy) {
    putCopy(QStringLiteral("20310315"), QStringLiteral("kirja.mdb"), QStringLiteral("Aamulla"));
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    kvtest::damageBook(book);
    const QString copy = QDir(titleFolderOnStick()).filePath(QStringLiteral("20310315/kirja.mdb"));
    const QByteArray morning = bytesOf(copy);
    auto& w = ui::Forms::show<frmBackup>();
    w.cEtsiMuistitikku->click();
    w.cKopioi->click();
    EXPECT_TRUE(w.lblVaihe3->text().startsWith(QStringLiteral("3. Kopiointi ei onnitunut: 3049: Tietokanta '") + book +
                                               QStringLiteral("' on vioittunut: ")))
        << w.lblVaihe3->text().toStdString();
    EXPECT_TRUE(shown(w.lblVaihe3));
    EXPECT_FALSE(shown(w.cTiivista));
    EXPECT_EQ(bytesOf(copy), morning);
    EXPECT_EQ(accountOf(copy), QStringLiteral("Aamulla"));
}

TEST_F(Stick, NoStickNoRoomOrNoBookOfferOnlyWhatCanBeDone) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    auto& w = ui::Forms::show<frmBackup>();

    stickInserted = false;
    dialogs.expectMessage(QStringLiteral("Sopivaa muistitikkua ei löydy.\n\nTutustu ohjelman käyttöohjeesta kappaleeseen "
                                         "\"Varmistus kopiotikulle\".\nSieltä löytyy ohjeet miten muistitikulle annetaan "
                                         "nimeksi \"DURARADERA\"."),
                          ui::Answer::OK);
    w.cEtsiMuistitikku->click();
    // The chapter the message sends the user to is one of the help pages'.
    ASSERT_FALSE(dialogs.shown().isEmpty());
    const QString chapter = dialogs.shown().last().text.section(u'"', 1, 1);
    EXPECT_TRUE(kvtest::HelpChapterNames().contains(chapter)) << chapter.toStdString();
    EXPECT_EQ(w.lblVapaaTilaStatus->text(), QStringLiteral("Sopivaa muistitikkua ei löydy."));
    EXPECT_TRUE(shown(w.lblVapaaTilaStatus));
    EXPECT_TRUE(w.cEtsiMuistitikku->isEnabled());

    // Exactly the book's size is too little; one byte more will do.
    stickInserted = true;
    stick.freeSpace = QFileInfo(book).size();
    w.cEtsiMuistitikku->click();
    EXPECT_EQ(w.lblVapaaTilaStatus->text(), QStringLiteral("Muistitikun vapaa tila ei riitä."));
    EXPECT_FALSE(shown(w.cKopioi));
    EXPECT_TRUE(w.cEtsiMuistitikku->isEnabled());
    stick.freeSpace += 1;
    w.cEtsiMuistitikku->click();
    EXPECT_FALSE(shown(w.lblVapaaTilaStatus));
    EXPECT_TRUE(shown(w.cKopioi));

    // The stick went away after the search: the folder cannot be made and
    // the copy may be tried again.
    ASSERT_TRUE(QDir(stickRoot).removeRecursively());
    w.cKopioi->click();
    EXPECT_EQ(w.lblVaihe3->text(), QStringLiteral("3. Kopiointi ei onnitunut: 76: Path not found"));
    EXPECT_TRUE(w.cKopioi->isEnabled());
    ui::Forms::unload(w);

    core::DatabasePath = tmp.file(QStringLiteral("poistettu.mdb"));
    auto& none = ui::Forms::show<frmBackup>();
    EXPECT_EQ(none.lblVaihe1->text(), QStringLiteral("Kopioitavaa tiedostoa ei löydy."));
    EXPECT_EQ(none.lblKopioitavaTiedostoNimi->text(), QStringLiteral("-"));
    EXPECT_FALSE(shown(none.cEtsiMuistitikku));
}

// What the book holds once it has been copied: no book at all; an index
// whose expression makes more work for each row than a book of its size
// can need; a column the engine's compaction cannot copy as it is (a
// virtual one); an index of long work, whose compaction the user cancels.
TEST_F(Stick, AFailedCompactionLeavesTheBookAsItWas) {
    const QString stopped = QStringLiteral("\r\nTietokanta jätettiin ennalleen:\r\n");
    const struct {
        const char* name;
        std::function<void(const QString&)> change;
        bool cancel;
        QString toldStart, toldEnd;  // the book's path between them
    } cases[] = {
        {"no book", [this](const QString& b) { writeFile(b, "rikki"); }, false,
         QStringLiteral("5. Tiivistys ei onnistunut: 3343: Tiedosto '"),
         QStringLiteral("' ei ole tunnistettu tietokanta.")},
        {"an index of huge work for each row",
         [](const QString& b) { kvtest::addHeavyWork(b, kvtest::HeavyWork::Index, 4000, 30000); }, false,
         QStringLiteral("5. Tiivistys ei onnistunut: Tietokannan tiivistys keskeytettiin: se vei enemmän työtä kuin "
                        "tämän kokoinen tietokanta voi vaatia.") +
             stopped,
         QString()},
        {"a virtual column",
         [](const QString& b) { kvtest::runOnBook(b, "ALTER TABLE vi ADD COLUMN viTupla AS (viArvo * 2) VIRTUAL"); },
         false, QStringLiteral("5. Tiivistys ei onnistunut: 3964: Tietokannan '"),
         QStringLiteral("' tiivistys ei onnistunut. (table vacuum_db.vi has 10 columns but 11 values were supplied)\n"
                        "Tietokanta itse on ehjä, eikä sitä muutettu.")},
        {"a long compaction, cancelled",
         [](const QString& b) { kvtest::addHeavyWork(b, kvtest::HeavyWork::Index, 1500, 400000); }, true,
         QStringLiteral("5. Tiivistys ei onnistunut: Tietokannan tiivistys peruutettiin.") + stopped, QString()},
    };
    // Behind the check of the layout, which refuses each of these books.
    const kvtest::WithoutLayoutCheck secondWall;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString book = makeBook(QStringLiteral("Pankkitili"));
        auto& w = ui::Forms::show<frmBackup>();
        w.cEtsiMuistitikku->click();
        w.cKopioi->click();
        ASSERT_TRUE(shown(w.cTiivista));
        c.change(book);
        const QByteArray before = bytesOf(book);
        bool progressShown = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* p : QApplication::topLevelWidgets()) {
                if (p->objectName() != QLatin1String("bookWorkProgress") || !p->isVisible()) continue;
                progressShown = true;
                if (c.cancel) QTest::mouseClick(p->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
            }
        });
        watch.start(10);
        w.cTiivista->click();
        EXPECT_EQ(w.lblVaihe5->text(), c.toldStart + book + c.toldEnd);
        if (c.cancel) {
            EXPECT_TRUE(progressShown);
        }
        EXPECT_EQ(bytesOf(book), before);
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kirja.mdb")});
        EXPECT_FALSE(w.cTiivista->isEnabled());
        ui::Forms::unload(w);
        ASSERT_TRUE(QFile::remove(book));
    }
}

TEST_F(Stick, TheDayListShowsDayFoldersNewestFirstAndTheBookClickedIsRestored) {
    putCopy(QStringLiteral("20111231"), QStringLiteral("kirja.mdb"));
    putCopy(QStringLiteral("20111231"), QStringLiteral("seura.mdb"), QStringLiteral("Seura joulukuussa"));
    putCopy(QStringLiteral("20120105"), QStringLiteral("kirja.mdb"));
    putCopy(QStringLiteral("20120105"), QStringLiteral("seura.mdb"));
    QDir().mkpath(QDir(titleFolderOnStick()).filePath(QStringLiteral("vanhat")));
    QDir().mkpath(QDir(titleFolderOnStick()).filePath(QStringLiteral("2012010")));

    auto& w = ui::Forms::show<frmBackupRestore>();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DURARADERA-Palautus"));
    w.cEtsiMuistitikku->click();
    EXPECT_EQ(texts(w.lstPaiva), (QStringList{QStringLiteral("05.01.2012"), QStringLiteral("31.12.2011")}));
    EXPECT_EQ(w.lstPaiva->item(0)->data(Qt::UserRole).toLongLong(), 20120105);
    EXPECT_TRUE(shown(w.lstPaiva));
    EXPECT_FALSE(w.cEtsiMuistitikku->isEnabled());
    EXPECT_FALSE(shown(w.lstTietokanta));

    click(w.lstPaiva, 0);
    EXPECT_EQ(texts(w.lstTietokanta), (QStringList{QStringLiteral("kirja.mdb"), QStringLiteral("seura.mdb")}));
    EXPECT_EQ(w.lblVaihe3->text(), QStringLiteral("3. Valitulle päivälle 05.01.2012 löytyy seuraavat tietokannat, valitse "
                                                  "palautettavan tietokannan nimi:"));
    EXPECT_FALSE(shown(w.cPalauta));
    click(w.lstTietokanta, 1);
    EXPECT_EQ(w.lblPalautettavaTiedostoNimi->text(),
              QDir(titleFolderOnStick()).filePath(QStringLiteral("20120105/seura.mdb")));
    EXPECT_TRUE(shown(w.cPalauta));
    // Another day hides the chosen file.
    click(w.lstPaiva, 1);
    EXPECT_FALSE(shown(w.cPalauta));
    EXPECT_EQ(texts(w.lstTietokanta), (QStringList{QStringLiteral("kirja.mdb"), QStringLiteral("seura.mdb")}));

    // Two clicks in a row where the rows stand: the file shown after the
    // first moves neither list, so the second lands on its row.
    const QPoint secondRow = onWindow(w.lstTietokanta, 1);
    const QRect daysAt = w.lstPaiva->geometry();
    const QRect filesAt = w.lstTietokanta->geometry();
    click(w.lstTietokanta, 0);
    ASSERT_TRUE(shown(w.cPalauta));
    kvtest::Keys::settle();
    EXPECT_EQ(w.lstPaiva->geometry(), daysAt);
    EXPECT_EQ(w.lstTietokanta->geometry(), filesAt);
    clickAt(w.lstTietokanta, secondRow);
    EXPECT_TRUE(w.lstTietokanta->item(1)->isSelected());
    EXPECT_EQ(w.lblPalautettavaTiedostoNimi->text(),
              QDir(titleFolderOnStick()).filePath(QStringLiteral("20111231/seura.mdb")));
    // A click below the rows chooses none: the chosen file and "Palauta" go.
    const QRect lastRow = w.lstTietokanta->visualItemRect(w.lstTietokanta->item(1));
    ASSERT_LT(lastRow.bottom() + 10, w.lstTietokanta->viewport()->height());
    QTest::mouseClick(w.lstTietokanta->viewport(), Qt::LeftButton, {}, QPoint(lastRow.center().x(), lastRow.bottom() + 10));
    EXPECT_TRUE(w.lstTietokanta->selectedItems().isEmpty());
    EXPECT_FALSE(shown(w.cPalauta));
    EXPECT_FALSE(shown(w.lblPalautettavaTiedosto));
    EXPECT_FALSE(shown(w.lblPalautettavaTiedostoNimi));

    // The restored book has the mode of a new file, not the stick's.
    QFile::setPermissions(QDir(titleFolderOnStick()).filePath(QStringLiteral("20111231/seura.mdb")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const mode_t umaskBefore = ::umask(027);
    clickAt(w.lstTietokanta, secondRow);
    dialogs.expectMessage(QStringLiteral("Tietokantaa on vaihdettu."), ui::Answer::OK);
    ASSERT_TRUE(shown(w.cPalauta));
    QTest::mouseClick(w.cPalauta, Qt::LeftButton);
    ::umask(umaskBefore);
    const QString restored = QDir(documents()).filePath(QStringLiteral("Kolvio VEV/seura.mdb"));
    EXPECT_EQ(accountOf(restored), QStringLiteral("Seura joulukuussa"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(restored).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(Stick, AStickWithoutCopiesSaysSo) {
    stickInserted = false;
    auto& w = ui::Forms::show<frmBackupManagement>();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("DURARADERA-Hallinta"));
    w.cEtsiMuistitikku->click();
    EXPECT_EQ(w.lblVapaaTilaStatus->text(), QStringLiteral("Sopivaa muistitikkua ei löydy."));

    stickInserted = true;
    w.cEtsiMuistitikku->click();
    EXPECT_EQ(w.lblVapaaTilaStatus->text(), QStringLiteral("Muistitikulta ei löydy varmuuskopioita."));
    EXPECT_TRUE(QFileInfo(titleFolderOnStick()).isDir());  // made by the search
    EXPECT_FALSE(shown(w.lstPaiva));
    EXPECT_TRUE(w.cEtsiMuistitikku->isEnabled());

    // Folders, but none of them a day: step 2 with an empty list.
    QDir().mkpath(QDir(titleFolderOnStick()).filePath(QStringLiteral("muuta")));
    w.cEtsiMuistitikku->click();
    EXPECT_TRUE(shown(w.lstPaiva));
    EXPECT_EQ(w.lstPaiva->count(), 0);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(Stick, ManagementDeletesOnlyTheCopiesConfirmed) {
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"));
    putCopy(QStringLiteral("20120213"), QStringLiteral("seura.mdb"));
    auto& w = ui::Forms::show<frmBackupManagement>();
    w.cEtsiMuistitikku->click();
    click(w.lstPaiva, 0);
    EXPECT_EQ(w.lblVaihe3->text(), QStringLiteral("3. Valitulle päivälle 13.02.2012 löytyy seuraavat tietokannat, valitse "
                                                  "poistettavien tietokantojen nimet:"));
    EXPECT_FALSE(shown(w.cPoistaValitut));
    // The button shown by the first click moves no row from under the second.
    const QPoint secondRow = onWindow(w.lstTietokanta, 1);
    click(w.lstTietokanta, 0);
    kvtest::Keys::settle();
    clickAt(w.lstTietokanta, secondRow);
    EXPECT_EQ(w.lstTietokanta->selectedItems().size(), 2);
    EXPECT_TRUE(shown(w.cPoistaValitut));

    dialogs.expectMessage(QStringLiteral("Haluatko varmasti poistaa kopion 13.02.2012 / kirja.mdb?"), ui::Answer::No);
    dialogs.expectMessage(QStringLiteral("Haluatko varmasti poistaa kopion 13.02.2012 / seura.mdb?"), ui::Answer::Yes);
    w.cPoistaValitut->click();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown().at(0).icon, ui::Icon::None);
    EXPECT_EQ(fso::Files(QDir(titleFolderOnStick()).filePath(QStringLiteral("20120213"))), QStringList{QStringLiteral("kirja.mdb")});
    EXPECT_EQ(texts(w.lstTietokanta), QStringList{QStringLiteral("kirja.mdb")});
    EXPECT_TRUE(w.lstTietokanta->selectedItems().isEmpty());
    EXPECT_FALSE(shown(w.cPoistaValitut));

    // A copy that vanished meanwhile: the warning, and the list is left as it was.
    click(w.lstTietokanta, 0);
    QFile::remove(QDir(titleFolderOnStick()).filePath(QStringLiteral("20120213/kirja.mdb")));
    dialogs.expectMessage(QStringLiteral("kirja.mdb?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Kopion poisto ei onnistu: 53: File not found"), ui::Answer::OK);
    w.cPoistaValitut->click();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Exclamation);
    EXPECT_EQ(w.lstTietokanta->count(), 1);

    // The emptied day stays in the list; a click on the day chosen looks again.
    click(w.lstPaiva, 0);
    EXPECT_EQ(w.lblVaihe3->text(), QStringLiteral("3. Valitulle päivälle ei löydy tietokantoja."));
    EXPECT_FALSE(shown(w.lstTietokanta));
    EXPECT_EQ(w.lstPaiva->count(), 1);
}

TEST_F(Stick, RestoreMakesTheCopyTheBookAndEndsTheProgram) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    core::DBCon().AvaaDB();
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"), QStringLiteral("Tikulta"));
    const QString target = QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"));
    auto openAndChoose = []() -> frmBackupRestore& {
        auto& w = ui::Forms::show<frmBackupRestore>();
        choose(w, 0, 0);
        return w;
    };

    frmBackupRestore& w = openAndChoose();
    dialogs.expectMessage(QStringLiteral("Tietokantaa on vaihdettu. Kolvio VEV sammutetaan ja se tulee käynnistää uudestaan."),
                          ui::Answer::OK);
    w.cPalauta->click();
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(accountOf(target), QStringLiteral("Tikulta"));
    EXPECT_EQ(core::DatabasePath, target);
    EXPECT_EQ(readIni(QStringLiteral("Database")), target);
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));
    ui::Forms::unload(w);

    // The name is taken in the documents: asked first; No leaves both files.
    writeFile(target, "oma");
    core::DatabasePath = book;
    frmBackupRestore& w2 = openAndChoose();
    dialogs.expectMessage(QStringLiteral("Palautus kirjoittaa yli olemassa olevan tiedoston, korvataanko tämä tiedosto "
                                         "varmuuskopiolla?\n\n(") + target + u')',
                          ui::Answer::No);
    w2.cPalauta->click();
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::Question);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(bytesOf(target), QByteArray("oma"));
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_TRUE(w2.cPalauta->isEnabled());
}

TEST_F(Stick, ARestoreThatCannotRecordTheNewBookSaysSoAndKeepsTheBook) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"), QStringLiteral("Tikulta"));
    const QString ini = QDir(app).filePath(QStringLiteral("vevaravo.ini"));
    const QString target = QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"));
    // The settings file cannot be written: another program holds it, or a
    // folder stands in its place.
    const struct {
        bool held;
        const char* why;
    } cases[] = {{true, "koska toinen ohjelma pitää asetustiedostoa varattuna:\n"},
                 {false, "koska asetustiedostoon ei voi kirjoittaa:\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::optional<kvtest::IniWriteInProgress> other;
        if (c.held) {
            other.emplace(ini);
            ASSERT_TRUE(other->holding());
        } else {
            QFile::remove(ini);
            ASSERT_TRUE(QDir().mkpath(ini));
        }
        QFile::remove(target);
        auto& w = ui::Forms::show<frmBackupRestore>();
        choose(w, 0, 0);
        dialogs.expectMessage(QStringLiteral("Varmuuskopio on kopioitu tiedostoksi ") + target +
                                  QStringLiteral(", mutta sitä ei voitu ottaa käyttöön, ") + QString::fromUtf8(c.why) +
                                  ini + QStringLiteral("\n\nKäytössä on edelleen entinen tietokanta."),
                              ui::Answer::OK);
        w.cPalauta->click();
        EXPECT_EQ(programEnds, 0);
        EXPECT_EQ(core::DatabasePath, book);
        EXPECT_EQ(accountOf(target), QStringLiteral("Tikulta"));
        EXPECT_EQ(w.lblPalautusStatus->text(), QStringLiteral("Palautus keskeytyi."));
        EXPECT_FALSE(w.cPalauta->isEnabled());
        EXPECT_TRUE(w.cSulje->isEnabled());
        for (const ui::ShownDialog& d : dialogs.shown())
            EXPECT_FALSE(d.text.contains(QStringLiteral("Tietokantaa on vaihdettu")));
        ui::Forms::unload(w);
        if (other) {
            EXPECT_TRUE(other->finish());
        }
    }
}

TEST_F(Stick, ACopyThatCarriesATriggerIsNotRestored) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"), QStringLiteral("Tikulta"));
    const QString copy = QDir(titleFolderOnStick()).filePath(QStringLiteral("20120213/kirja.mdb"));
    kvtest::addEntryTrigger(copy);
    const QByteArray before = bytesOf(copy);
    auto& w = ui::Forms::show<frmBackupRestore>();
    choose(w, 0, 0);
    const QString told = kvtest::foreignLayoutText({QStringLiteral("herätin vienti_poisto: CREATE TRIGGER vienti_poisto AFTER INSERT ON "
                                                         "vi BEGIN DELETE FROM vi WHERE viID <> NEW.viID; END")});
    dialogs.expectMessage(told + copy, ui::Answer::OK);
    w.cPalauta->click();
    EXPECT_EQ(w.lblPalautusStatus->text(), QStringLiteral("Palautus keskeytyi."));
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(bytesOf(copy), before);
    EXPECT_FALSE(QFile::exists(QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"))));
    EXPECT_EQ(core::DatabasePath, book);
}

TEST_F(Stick, ARestoreThatCannotWriteStopsWithOnlyClosingLeft) {
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"));
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    writeFile(documents(), "ei kansio");  // the documents folder is a file
    auto& w = ui::Forms::show<frmBackupRestore>();
    choose(w, 0, 0);
    dialogs.expectMessage(QStringLiteral("Kansion luonti ei onnistunut: \n") + QDir(documents()).filePath(QStringLiteral("Kolvio VEV")) +
                              QStringLiteral("\n\nVirhe: "),
                          ui::Answer::OK);
    w.cPalauta->click();
    EXPECT_EQ(w.lblPalautusStatus->text(), QStringLiteral("Palautus keskeytyi."));
    EXPECT_TRUE(shown(w.lblPalautusStatus));
    EXPECT_FALSE(w.cPalauta->isEnabled());
    EXPECT_FALSE(w.lstPaiva->isEnabled());
    EXPECT_TRUE(w.cSulje->isEnabled());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(core::DatabasePath, book);
}

}  // namespace

// Before the restore closes the book, an open window stores what it holds
// into it; a window that cannot keeps the restore from running at all.
TEST_F(Stick, ARestoreHasTheOpenWindowsStoreFirstAndOneThatCannotStopsIt) {
    const QString book = makeBook(QStringLiteral("Pankkitili"));
    core::DBCon().AvaaDB();
    putCopy(QStringLiteral("20120213"), QStringLiteral("kirja.mdb"), QStringLiteral("Tikulta"));
    const QString target = QDir(documents()).filePath(QStringLiteral("Kolvio VEV/kirja.mdb"));
    auto& pending = ui::Forms::show<kvtest::PendingEdit>();
    pending.store = [] { core::DBCon().AvaaDB().Execute(QStringLiteral("UPDATE tl SET tlNimi = 'Tallennettu'")); };
    auto& w = ui::Forms::show<frmBackupRestore>();
    choose(w, 0, 0);

    pending.refuse = true;
    dialogs.expectMessage(QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Keskeneräinen"),
                          ui::Answer::OK);
    w.cPalauta->click();
    EXPECT_EQ(pending.stores, 1);
    EXPECT_EQ(programEnds, 0);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(accountOf(book), QStringLiteral("Pankkitili"));

    pending.refuse = false;
    dialogs.expectMessage(QStringLiteral("Tietokantaa on vaihdettu. Kolvio VEV sammutetaan ja se tulee käynnistää uudestaan."),
                          ui::Answer::OK);
    w.cPalauta->click();
    EXPECT_EQ(pending.stores, 2);
    EXPECT_EQ(programEnds, 1);
    // Stored into the book that was in use, which the restore left as it was.
    EXPECT_EQ(accountOf(book), QStringLiteral("Tallennettu"));
    EXPECT_EQ(accountOf(target), QStringLiteral("Tikulta"));
    ui::Forms::unload(w);
    ui::Forms::unload(pending);
}
