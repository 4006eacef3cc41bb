// The settings window's save, its choice of another book and the change of
// financial year.

#include "core/dbc.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/sqlscript.h"
#include "reportctl/reportcontrolsetup.h"
#include "settingsfixture.h"
#include "shell/openers.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/fso/fso.h"
#include "platform/sys/apppath.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "support/child.h"
#include "support/iniheld.h"
#include "support/pendingedit.h"
#include "support/writetrace.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <memory>
#include <unistd.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

// Another copy's start, as far as its settings: the ini file's and its book's.
void loadSettingsAsAnotherCopy() {
    core::LoadIniSettings();
    dao::Database db = dao::DBEngine::OpenDatabase(core::DatabasePath);
    core::LoadDatabaseSettings(db);
    db.Close();
}

// The settings window's save as a program that a crash may stop: the
// program folder args[0], the new backup folder args[1]; the backup folder,
// the multi-book option, the e-mail address and the older models changed.
KV_TEST_CHILD(settingsSave) {
    sys::SetAppPath(args.value(0));
    core::resetGlobals();
    core::InstallWindowHooks();
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    loadSettingsAsAnotherCopy();
    auto& w = ui::Forms::show<shell::frmAsetukset>();
    w.tVarmistus->setText(args.value(1));
    w.chkMoniseuratuki->click();
    w.tEmail->setText(QStringLiteral("uusi@seura.example"));
    w.chkVanhatMallit->click();
    w.cTallenna->click();
    const bool saved = ui::Forms::find<shell::frmAsetukset>() == nullptr;
    ui::Forms::destroyAll();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write(saved && dialogs.shown().isEmpty() ? "tallennettu\n" : "ei tallennettu\n");
    return 0;
}

// Another copy of the program, started from the program folder args[0],
// opens the book as every start does and ends; it prints the e-mail address
// it read.
KV_TEST_CHILD(startsOnTheBook) {
    sys::SetAppPath(args.value(0));
    core::resetGlobals();
    core::InstallWindowHooks();
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    ui::Forms::setModalHook([](ui::Form& f) { ui::Forms::unload(f); });  // the splash window
    ui::Forms::show<shell::frmMain>();
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write("luettu " + core::Email.toUtf8() + "\n");
    return 0;
}

// Another copy changes the financial year with its settings window's
// button, one year on from what it read; its own save stops at an empty
// margin, so that it saves no settings.
KV_TEST_CHILD(changesTheYear) {
    sys::SetAppPath(args.value(0));
    core::resetGlobals();
    core::InstallWindowHooks();
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    loadSettingsAsAnotherCopy();
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [] {
        core::EdTilikausiAlku = core::TilikausiAlku;
        core::EdTilikausiLoppu = core::TilikausiLoppu;
        core::TilikausiAlku = core::TilikausiAlku.addYears(1);
        core::TilikausiLoppu = core::TilikausiLoppu.addYears(1);
    });
    auto& w = ui::Forms::show<shell::frmAsetukset>();
    w.tMargYla->clear();
    w.cVaihdaTilikausi->click();
    ui::Forms::destroyAll();
    return 0;
}

// Another copy holds the book (args[0]) in a write, waiting at its commit.
KV_TEST_CHILD(holdsTheBook) {
    dao::Database db = dao::DBEngine::OpenDatabase(args.value(0));
    db.BeginTrans();
    db.CommitTrans();
    db.Close();
    return 0;
}

class SettingsSaveTest : public kvtest::SettingsTest {
protected:
    static QByteArray bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray bookBytes() const { return bytes(book); }
    QByteArray iniBytes() const { return bytes(iniPath()); }
    static bool closed() { return ui::Forms::find<shell::frmAsetukset>() == nullptr; }

    // The association's name in the page header of the year's journal, as
    // the voucher window's menu previews it.
    QString journalHeader() {
        const QDir built(kvtest::builtAppDir());
        for (const QString& rpt : built.entryList({QStringLiteral("paikiv*.rpt")}, QDir::Files))
            QFile::copy(built.filePath(rpt), QDir(app).filePath(rpt));
        ui::Forms::setModalHook([](ui::Form& f) {
            if (auto* d = dynamic_cast<reports::frmDates2*>(&f)) d->cSeuraava->click();
            if (auto* p = dynamic_cast<reports::frmTulostus*>(&f)) {
                p->cmbTulostusLaite->setCurrentIndex(0);  // the preview
                p->cTulosta->click();
            }
        });
        ledger::LedgerCaller caller;
        caller.windowName = QStringLiteral("frmNewTositteet");
        caller.save = [] {};
        ledger::RunPaivakirja(caller);
        const report::RunRecord& run = reports::CrystalReport1().lastRun();
        return run.report ? run.report->bands(report::SectionKind::PageHeader).at(0)->text(QStringLiteral("seura"))
                          : QString();
    }
};

TEST_F(SettingsSaveTest, SaveWritesBothStoresAndRefreshesTheProgram) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    const QString backup = tmp.file(QStringLiteral("Uusi varmistus"));
    w.tVarmistus->setText(backup);
    w.cmbKieli->setCurrentIndex(1);
    w.chkMoniseuratuki->click();
    w.tTilikausiAlku->setText(QStringLiteral("1.1.2032"));
    w.tTilikausiLoppu->setText(QStringLiteral("31.12.2032"));
    w.tEdTilikausiAlku->setText(QString());  // empty: the setting stays
    choose(w.cmbLaskettavaTili, QStringLiteral("3000 "));
    w.cmbVoittoTaseella->setCurrentIndex(-1);  // nothing chosen: no account
    type(w.tEmail, QStringLiteral("uusi@seura.example"));
    type(w.tSMTP, QStringLiteral("smtp.seura.example"));
    w.chkVaakatulostus->click();
    w.chkVanhatMallit->click();
    w.chkVanhatTositteet->click();
    w.chkAutomaattisestiUusiTosite->click();
    w.chkKustannuspaikat->click();
    choose(w.cmbFonts, QStringLiteral("DejaVu Serif"));
    w.cmbFonttiKoko->setEditText(QStringLiteral("x"));  // no number: 10
    type(w.tMargYla, QStringLiteral("20"));
    type(w.tMargAla, QStringLiteral("682"));
    type(w.tMargVas, QStringLiteral("0"));
    type(w.tMargOik, QStringLiteral("12,5"));  // decimal millimetres, typed key by key
    QTest::keyClick(w.tMargOik, Qt::Key_F3);  // the save from the field, by its key

    ASSERT_TRUE(closed());
    EXPECT_TRUE(dialogs.shown().isEmpty());
    // The ini file.
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
    EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), backup + QDir::separator());
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Svenska"));
    EXPECT_EQ(readIni(QStringLiteral("MultiDb")), QStringLiteral("1"));
    // The book's Settings table.
    const QList<std::pair<const char*, const char*>> expected{
        {"TilikausiAlku", "2032-01-01"},  {"TilikausiLoppu", "2032-12-31"}, {"EdTilikausiAlku", "2030-07-01"},
        {"EdTilikausiLoppu", "2031-06-30"}, {"LaskettavaTili", "13"},        {"VoittoTaseella", "0"},
        {"Email", "uusi@seura.example"},    {"SMTP", "smtp.seura.example"},  {"VaakaTulostus", "0"},
        {"VanhatMallit", "1"},              {"VanhatTositteet", "1"},        {"AutomaattisestiUusiTosite", "1"},
        {"Kustannuspaikat", "0"},           {"Fontti", "DejaVu Serif"},      {"FonttiKoko", "10"},
        {"MargYla", "20"},                  {"MargAla", "682"},              {"MargVas", "0"},
        {"MargOik", "12.5"},                {"LastModelForBudget", "<none>"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(setting(book, QString::fromLatin1(key)), QString::fromUtf8(value)) << key;
    // The globals.
    EXPECT_EQ(core::DatabaseBackup, backup + QDir::separator());
    EXPECT_TRUE(core::MultiDb);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2032, 1, 1));
    EXPECT_EQ(core::EdTilikausiAlku, dao::Date::fromYmd(2030, 7, 1));
    EXPECT_EQ(core::LaskettavaTili, 13);
    EXPECT_EQ(core::FonttiKoko, 10);
    // The report period is not reset by a save.
    EXPECT_EQ(core::RaporttiAlkuPvm, dao::Date::fromYmd(2031, 7, 1));
    // The report control's margins, also after the reset every report does.
    reports::ResetReportFormulas();
    const report::ReportControl& rc = reports::CrystalReport1();
    EXPECT_EQ(rc.marginTop(), 20 * 48);
    EXPECT_EQ(rc.marginBottom(), 682 * 48);
    EXPECT_EQ(rc.marginLeft(), 0);
    EXPECT_EQ(rc.marginRight(), 600);
    EXPECT_EQ(core::MargOik, 12.5);
    // The main window: caption and cost-centre button.
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - Kolvion Kerho"));
    EXPECT_FALSE(main->cKustannuspaikat->isEnabled());

}

// Killed at each write point of a save in turn, the program starts next as
// after the earlier save or after this one, never with a mix of the two, and
// with no work file of the ini file left. A save made after the kill by a
// version of the program from before the kept settings (which starts on the
// stores as they are and knows nothing of a save cut short) stands.
TEST_F(SettingsSaveTest, ASaveKilledAtAnyWritePointStartsNextAsTheOneSaveOrTheOther) {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    const QByteArray iniBefore = iniBytes(), bookBefore = bookBytes();
    auto putBack = [&] {
        for (const auto& [path, bytes] : {std::pair{iniPath(), iniBefore}, std::pair{book, bookBefore}}) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
        }
    };
    // The settings as the next start reads them.
    auto nextStart = [&] {
        core::resetGlobals();
        ini::cIniFile::ClearCache();
        {
            // The book choice at start when the multi-book option is on: cancelled.
            ui::ScriptedDialogService anyAnswer;
            ui::DialogScope scope(&anyAnswer);
            startUp();
        }
        const QStringList read{core::DatabaseBackup, core::flagText(core::MultiDb), core::Email,
                               core::flagText(core::VanhatMallit), QString::number(core::FonttiKoko)};
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        return read;
    };
    // The later save: its own e-mail address and font size over the rest as
    // it finds them.
    auto previousVersionSaves = [&] {
        core::resetGlobals();
        ini::cIniFile::ClearCache();
        core::LoadIniSettings();
        dao::Database db = dao::DBEngine::OpenDatabase(core::DatabasePath);
        core::LoadDatabaseSettings(db);
        core::Email = QStringLiteral("myohempi@seura.example");
        core::FonttiKoko = 14;
        core::SaveIniSettings();
        core::SaveDatabaseSettings(db);
        db.Close();
    };
    auto workFilesLeft = [&] {
        return QDir(app).entryList({QStringLiteral(".vevaravo.ini.*.kvtmp")}, QDir::Files | QDir::Hidden);
    };
    const QString newBackup = tmp.file(QStringLiteral("uusi varmistus")) + QDir::separator();
    const QStringList earlier = nextStart();
    // The window saves the size its list shows for 11: 12.
    const QStringList saved{newBackup, QStringLiteral("1"), QStringLiteral("uusi@seura.example"), QStringLiteral("1"),
                            QStringLiteral("12")};
    ASSERT_NE(earlier, saved);
    int point = 1;
    for (bool finished = false; !finished; ++point) {
        ASSERT_LT(point, 40) << "the save never ran to its end";
        for (const bool laterSave : {false, true}) {
            putBack();
            const kvtest::KilledRun run = kvtest::runChildKilledAt("settingsSave", {app, newBackup}, point);
            ASSERT_TRUE(run.killed || run.finished) << run.errors.toStdString();
            SCOPED_TRACE(run.errors.trimmed().toStdString() + (laterSave ? ", then a later save" : ""));
            if (laterSave) previousVersionSaves();
            const QStringList read = nextStart();
            EXPECT_EQ(workFilesLeft(), QStringList());
            finished = run.finished;
            if (laterSave) {
                EXPECT_EQ((QStringList{read[2], read[4]}), (QStringList{"myohempi@seura.example", "14"}));
            } else if (run.finished) {
                EXPECT_EQ(run.lines, QList<QByteArray>{"tallennettu"});
                EXPECT_EQ(read, saved);
            } else {
                EXPECT_TRUE(read == earlier || read == saved) << read.join(u'|').toStdString();
            }
        }
    }
    EXPECT_GT(point, 4);
}

// This copy's save comes to the book while another program holds it: a
// second copy of the program, started from one folder on one book, which
// has written the book and is about to write the ini file, or another
// program holding the book in a write. This copy's save, which waits for
// the book only so long, stores nothing and says so; the ini file and the
// book hold the other copy's save, and only that copy is told it saved.
TEST_F(SettingsSaveTest, ASaveWhileAnotherProgramHoldsTheBookStoresNothingAndSaysSo) {
    const QString notSaved = QStringLiteral("Asetuksia ei tallennettu, koska toinen ohjelma käyttää kirjanpitoa juuri "
                                            "nyt. Ikkunan asetukset ovat ennallaan; yritä hetken kuluttua uudelleen.");
    const QString otherBackup = tmp.file(QStringLiteral("toisen varmistus")) + QDir::separator();
    for (const bool anotherCopy : {true, false}) {
        SCOPED_TRACE(anotherCopy ? "another copy of the program" : "another program");
        core::DBCon().SuljeDB();
        dao::DBEngine::setBusyTimeoutMs(300);
        core::DBCon().AvaaDB();
        ScriptedDialogs dialogs;
        shell::frmAsetukset& w = open();
        w.tVarmistus->setText(tmp.file(QStringLiteral("tämän varmistus")));
        type(w.tEmail, QStringLiteral("tama@seura.example"));
        std::unique_ptr<kvtest::PausedRun> other;
        sqlite3* program = nullptr;
        if (anotherCopy) {
            core::DBCon().SuljeDB();  // as the other copy's wait for the book ends
            other = std::make_unique<kvtest::PausedRun>("settingsSave", QStringList{app, otherBackup}, "replace");
            ASSERT_EQ(other->pausedAt(), iniPath());
        } else {
            core::DBCon().SuljeDB();
            ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &program), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(program, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        dialogs.expectMessage(notSaved, Answer::OK);
        QTest::mouseClick(w.cTallenna, Qt::LeftButton);
        EXPECT_EQ(dialogs.shown().value(0).text, notSaved);
        EXPECT_FALSE(closed());
        EXPECT_EQ(w.tEmail->text(), QStringLiteral("tama@seura.example"));
        if (other) {
            const kvtest::KilledRun run = other->resume();
            EXPECT_EQ(run.lines, QList<QByteArray>{"tallennettu"}) << run.errors.toStdString();
            EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), otherBackup);
            EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("uusi@seura.example"));
        } else {
            sqlite3_exec(program, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(program);
        }
        EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("uusi@seura.example"));
        dao::DBEngine::setBusyTimeoutMs(5000);
        ui::Forms::unload(w);
    }
}

// Another copy of the program steps in while this copy's save stands between
// its write of the book and its write of the ini file: it starts on the
// book, saves its own settings, changes the year, or holds the book past
// the wait of the second write. A save the other copy only looked at, or
// whose year it changed, stands whole, with that year; the other copy's
// save is refused in words; a save that could not make its second write
// is told, and the book stands as before it: the next F2 of this copy takes
// it for no change of another copy's, and the next start keeps the pair
// the book and the ini file hold.
TEST_F(SettingsSaveTest, AnotherCopyBetweenTheTwoWritesOfASaveLeavesOneSaveWhole) {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    const QByteArray iniBefore = iniBytes(), bookBefore = bookBytes();
    const QString earlierBackup = readIni(QStringLiteral("DatabaseBackup"));
    const QString thisBackup = tmp.file(QStringLiteral("tämän varmistus")) + QDir::separator();
    std::unique_ptr<kvtest::PausedRun> holder;
    QList<QByteArray> childSaid;
    struct Case {
        const char* what;
        std::function<void()> step;  // the other copy
        const char* told;            // by this copy's save; "" when it saved
        const char* email;           // the book's afterwards
        const char* yearBegins;
        const char* yearEnds;
        bool f2TellsOfAChange;
        QList<QByteArray> childSays;
    };
    const Case cases[] = {
        {"starts", [&] { childSaid = kvtest::runChildKilledAt("startsOnTheBook", {app}, 1000).lines; }, "",
         "tama@seura.example", "2031-07-01", "2032-12-31", false, {"luettu tama@seura.example"}},
        {"saves its own", [&] {
             childSaid = kvtest::runChildKilledAt("settingsSave", {app, tmp.file(QStringLiteral("toisen"))}, 1000).lines;
         },
         "", "tama@seura.example", "2031-07-01", "2032-12-31", false, {"ei tallennettu"}},
        {"changes the year", [&] { childSaid = kvtest::runChildKilledAt("changesTheYear", {app}, 1000).lines; }, "",
         "tama@seura.example", "2032-07-01", "2033-12-31", true, {}},
        {"holds the book",
         [&] {
             holder = std::make_unique<kvtest::PausedRun>("holdsTheBook", QStringList{book}, "commit");
             EXPECT_FALSE(holder->pausedAt().isEmpty());
         },
         "Asetusten tallentaminen ei onnistunut, eikä asetuksiin tehty muutoksia.\r\nToinen ohjelma, jossa sama "
         "kirjanpito on auki, kirjoittaa kirjanpitoon juuri nyt.",
         "rahastonhoitaja@seura.example", "2031-07-01", "2032-06-30", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [path, bytes] : {std::pair{iniPath(), iniBefore}, std::pair{book, bookBefore}}) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
        }
        core::resetGlobals();
        ini::cIniFile::ClearCache();
        {
            ScriptedDialogs quiet;
            main = &startUp();
        }
        childSaid.clear();
        dao::DBEngine::setBusyTimeoutMs(300);
        ScriptedDialogs dialogs;
        shell::frmAsetukset& w = open();
        w.tVarmistus->setText(thisBackup);
        type(w.tEmail, QStringLiteral("tama@seura.example"));
        type(w.tTilikausiLoppu, QStringLiteral("31.12.2032"));
        if (*c.told) dialogs.expectMessage(QString::fromUtf8(c.told), Answer::OK);
        bool stepped = false;
        fso::SetWritePointHook([&](const char* step, const QString&) {
            if (stepped || QByteArray(step) != "settings") return;
            stepped = true;
            c.step();
        });
        QTest::mouseClick(w.cTallenna, Qt::LeftButton);
        fso::SetWritePointHook(nullptr);
        if (holder) holder->resume();
        holder.reset();
        dao::DBEngine::setBusyTimeoutMs(5000);
        EXPECT_TRUE(stepped);
        EXPECT_EQ(closed(), !*c.told);
        EXPECT_EQ(childSaid, c.childSays);

        // F2 in the voucher window.
        if (c.f2TellsOfAChange) dialogs.expectMessage(QStringLiteral("toisessa ohjelmassa"), Answer::OK);
        shell::VoucherWindowMode mode;
        auto& vouchers = vouchers::OpenVoucherWindow(mode);
        vouchers.mUusi->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(core::TilikausiLoppu.date().toString(Qt::ISODate), QString::fromLatin1(c.yearEnds));

        for (const bool nextStart : {false, true}) {
            SCOPED_TRACE(nextStart ? "at the next start" : "in the book and the ini file");
            ui::Forms::destroyAll();
            core::DBCon().SuljeDB();
            if (nextStart) {
                core::resetGlobals();
                ini::cIniFile::ClearCache();
                ScriptedDialogs quiet;
                main = &startUp();
            }
            EXPECT_EQ(setting(book, QStringLiteral("Email")), QString::fromUtf8(c.email));
            EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QString::fromLatin1(c.yearBegins));
            EXPECT_EQ(setting(book, QStringLiteral("TilikausiLoppu")), QString::fromLatin1(c.yearEnds));
            EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), *c.told ? earlierBackup : thisBackup);
        }
        EXPECT_EQ(core::Email, QString::fromUtf8(c.email));
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
    }
}

// Another copy of the program saves its settings, before this copy's
// settings window opens or while it stands open. A window opened after
// shows them, and its save with nothing changed, or its change of year
// (which ends in a save), keeps them. A window opened before writes none of
// what it showed over them: its save is refused in words, it shows what the
// other copy saved but for what was typed here, and the next save keeps
// both.
TEST_F(SettingsSaveTest, TheWindowShowsWhatAnotherCopySavedAndKeepsIt) {
    const QString otherBackup = tmp.file(QStringLiteral("toisen varmistus")) + QDir::separator();
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [] {});
    auto otherSaves = [&] {
        const kvtest::KilledRun other = kvtest::runChildKilledAt("settingsSave", {app, otherBackup}, 1000);
        ASSERT_EQ(other.lines, QList<QByteArray>{"tallennettu"}) << other.errors.toStdString();
    };
    struct Case {
        const char* name;
        bool openedBefore;
        QPushButton* shell::frmAsetukset::*command;
    };
    const Case cases[] = {
        {"opened after, Tallenna", false, &shell::frmAsetukset::cTallenna},
        {"opened after, Vaihda tilikausi", false, &shell::frmAsetukset::cVaihdaTilikausi},
        {"opened before, Tallenna", true, &shell::frmAsetukset::cTallenna},
        {"opened before, Vaihda tilikausi", true, &shell::frmAsetukset::cVaihdaTilikausi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The stores as this copy's start left them.
        {
            dao::Database db = dao::DBEngine::OpenDatabase(book);
            for (const char* sql : {"UPDATE Settings SET setString = 'rahastonhoitaja@seura.example' "
                                    "WHERE setKey = 'Email'",
                                    "UPDATE Settings SET setString = '0' WHERE setKey = 'VanhatMallit'",
                                    "DELETE FROM Settings WHERE setKey = 'SMTP'"})
                db.Execute(QString::fromLatin1(sql));
            db.Close();
            writeIni(QStringLiteral("MultiDb"), QStringLiteral("0"));
            writeIni(QStringLiteral("DatabaseBackup"), tmp.file(QStringLiteral("varmistus/")));
        }
        ScriptedDialogs dialogs;
        if (!c.openedBefore) otherSaves();
        shell::frmAsetukset& w = open();
        if (c.openedBefore) {
            type(w.tSMTP, QStringLiteral("smtp.oma.example"));
            otherSaves();
            dialogs.expectMessage(QStringLiteral("Asetuksia ei tallennettu, koska toisessa ohjelmassa, jossa sama "
                                                 "kirjanpito on auki, tallennettiin asetukset sen jälkeen, kun tämä "
                                                 "ikkuna avattiin."),
                                  Answer::OK);
            const QByteArray iniBefore = iniBytes();
            QTest::mouseClick(w.*(c.command), Qt::LeftButton);
            ASSERT_FALSE(closed());
            EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("uusi@seura.example"));
            EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), otherBackup);
            EXPECT_EQ(setting(book, QStringLiteral("SMTP")), QString());  // the other copy's
            EXPECT_EQ(iniBytes(), iniBefore);
            EXPECT_EQ(w.tSMTP->text(), QStringLiteral("smtp.oma.example"));
            EXPECT_TRUE(w.changed());
        }
        EXPECT_EQ(w.tEmail->text(), QStringLiteral("uusi@seura.example"));
        EXPECT_EQ(w.tVarmistus->text(), otherBackup);
        EXPECT_TRUE(w.chkVanhatMallit->isChecked());
        EXPECT_TRUE(w.chkMoniseuratuki->isChecked());
        EXPECT_EQ(w.changed(), c.openedBefore);
        QTest::mouseClick(w.*(c.command), Qt::LeftButton);
        ASSERT_TRUE(closed());
        EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("uusi@seura.example"));
        EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("1"));
        EXPECT_EQ(setting(book, QStringLiteral("SMTP")),
                  c.openedBefore ? QStringLiteral("smtp.oma.example") : QString());
        EXPECT_EQ(readIni(QStringLiteral("MultiDb")), QStringLiteral("1"));
        EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), otherBackup);
        EXPECT_EQ(core::Email, QStringLiteral("uusi@seura.example"));
    }
}

// A copy whose save was cut short between the book and the ini file leaves
// its settings in the book. A second copy that had the book open saves
// over them, and is cut short at the same step: the next start reads the
// save before both whole.
TEST_F(SettingsSaveTest, ASaveAfterAnotherCopysUnfinishedSaveKeepsTheLastWholeSave) {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    const QString earlierBackup = core::DatabaseBackup;
    for (const char* copy : {"ensimmäinen", "toinen"}) {
        kvtest::PausedRun run("settingsSave", {app, tmp.file(QString::fromUtf8(copy))}, "replace");
        ASSERT_EQ(run.pausedAt(), iniPath());
        run.kill();
    }
    core::resetGlobals();
    ini::cIniFile::ClearCache();
    {
        ScriptedDialogs quiet;
        main = &startUp();
    }
    EXPECT_EQ(core::DatabaseBackup, earlierBackup);
    EXPECT_EQ(core::Email, QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_FALSE(core::VanhatMallit);
}

// An ini file that is a link to one kept elsewhere stays a link: the save
// replaces the file it leads to, and a start clears the work files that an
// interrupted write left beside that file.
TEST_F(SettingsSaveTest, AnIniFileThatIsALinkIsWrittenThroughTheLink) {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    const QString kept = tmp.file(QStringLiteral("asetukset/vevaravo.ini"));
    ASSERT_TRUE(QDir().mkpath(fso::GetParentFolderName(kept)));
    ASSERT_TRUE(QFile::rename(iniPath(), kept));
    ASSERT_EQ(::symlink("../asetukset/vevaravo.ini", QFile::encodeName(iniPath()).constData()), 0);
    const QString leftover = fso::WorkFileNameBeside(kept);
    ASSERT_TRUE(QFile(leftover).open(QIODevice::WriteOnly));
    core::resetGlobals();
    ini::cIniFile::ClearCache();
    {
        ScriptedDialogs quiet;
        main = &startUp();
    }
    EXPECT_FALSE(QFile::exists(leftover));

    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.cmbKieli->setCurrentIndex(1);
    w.cTallenna->click();
    ASSERT_TRUE(closed());
    EXPECT_TRUE(QFileInfo(iniPath()).isSymLink());
    EXPECT_TRUE(bytes(kept).contains("\nLanguage=Svenska\n"));
}

// What the save wrote is on the disk, the ini file's new name too, before
// the window closes.
TEST_F(SettingsSaveTest, TheSavedSettingsAreOnTheDiskBeforeTheWindowCloses) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkMoniseuratuki->click();
    type(w.tEmail, QStringLiteral("uusi@seura.example"));
    kvtest::WriteTrace trace({tmp.path()}, [] { return closed(); });
    w.cTallenna->click();
    EXPECT_EQ(trace.unsyncedWhenReported(), QStringList());
}

// The association's name typed into the window is what the title and the
// reports show, and the next start reads; an emptied field gives the book
// file's name.
TEST_F(SettingsSaveTest, TheAssociationsNameTypedIsShownInTheTitleAndOnReports) {
    for (const auto& [typed, shown] : {std::pair{QStringLiteral("Pelle's Kerho ry"), QStringLiteral("Pelle's Kerho ry")},
                                       std::pair{QString(), QStringLiteral("kirja")}}) {
        SCOPED_TRACE(shown.toStdString());
        ScriptedDialogs dialogs;
        shell::frmAsetukset& w = open();
        EXPECT_EQ(w.tSeuranNimi->placeholderText(), QStringLiteral("kirja"));
        type(w.tSeuranNimi, typed);
        QTest::keyClick(w.tSeuranNimi, Qt::Key_F3);
        ASSERT_TRUE(closed());
        EXPECT_EQ(setting(book, QStringLiteral("SeuranNimi")), typed);
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - ") + shown);
        EXPECT_EQ(journalHeader(), shown);
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        core::LoadDatabaseSettings(db);
        db.Close();
        EXPECT_EQ(core::SeuranNimi, shown);
    }
}

TEST_F(SettingsSaveTest, SavingAnUnchangedWindowWritesWhatItShows) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    const QString lastFont = w.cmbFonts->itemText(w.cmbFonts->count() - 1);
    w.cTallenna->click();
    ASSERT_TRUE(closed());
    // The font and size the lists do not hold were shown as the lists' last
    // items, and are saved so.
    EXPECT_EQ(setting(book, QStringLiteral("Fontti")), lastFont);
    EXPECT_EQ(setting(book, QStringLiteral("FonttiKoko")), QStringLiteral("12"));
    EXPECT_EQ(setting(book, QStringLiteral("LaskettavaTili")), QStringLiteral("11"));
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QStringLiteral("2031-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("MargVas")), QStringLiteral("10"));
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Suomi"));
    EXPECT_EQ(readIni(QStringLiteral("MultiDb")), QStringLiteral("0"));
    EXPECT_EQ(core::FonttiKoko, 12);
    EXPECT_EQ(core::Fontti, lastFont);
}

// Another copy of the program on the same book has changed the year while
// this window stood open: its save would put the year before back. Nothing
// is written, the user is told, the fields show the book's year, and the
// next save keeps it with what was changed.
TEST_F(SettingsSaveTest, ASaveDoesNotPutBackAYearAnotherCopyHasChanged) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other,
                           "UPDATE Settings SET setString = '2032-07-01' WHERE setKey = 'TilikausiAlku'; "
                           "UPDATE Settings SET setString = '2033-06-30' WHERE setKey = 'TilikausiLoppu'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(other);
    dialogs.expectMessage(QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                         "vaihdettu toisessa ohjelmassa"),
                          Answer::OK);
    QTest::mouseClick(w.cTallenna, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_FALSE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QStringLiteral("2032-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("<none>"));
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.7.2032"));
    EXPECT_EQ(core::TilikausiLoppu, dao::Date::fromYmd(2033, 6, 30));

    QTest::mouseClick(w.cTallenna, Qt::LeftButton);
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiLoppu")), QStringLiteral("2033-06-30"));
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("1"));
}

TEST_F(SettingsSaveTest, CloseAnsweredYesSaves) {
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Asetuksia on muutettu, tallennetaanko?"), Answer::Yes);
    shell::frmAsetukset& w = open();
    w.chkVanhatTositteet->click();
    w.cSulje->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("VanhatTositteet")), QStringLiteral("1"));
    EXPECT_TRUE(core::VanhatTositteet);
}

TEST_F(SettingsSaveTest, AFieldThatFailsItsCheckStopsTheSaveBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        QLineEdit* shell::frmAsetukset::*field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"date", &shell::frmAsetukset::tTilikausiLoppu, "32.12.2031", "Syötä tilikauden lopuksi päivämäärä."},
        {"previous date", &shell::frmAsetukset::tEdTilikausiAlku, "x", "Syötä edellisen tilikauden aluksi"},
        {"margin", &shell::frmAsetukset::tMargAla, "", "Syötä marginaaliksi ainoastaan numeroita."},
        {"year ending before it begins", &shell::frmAsetukset::tTilikausiLoppu, "30.6.2031",
         "Tilikausi päättyy ennen kuin se alkaa: 1.7.2031 - 30.6.2031\r\nKorjaa tilikauden päivämäärät ennen "
         "tallentamista."},
        {"previous year so", &shell::frmAsetukset::tEdTilikausiLoppu, "30.6.2030",
         "Edellinen tilikausi päättyy ennen kuin se alkaa: 1.7.2030 - 30.6.2030"},
    };
    const QByteArray bookBefore = bookBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QString::fromUtf8(c.message), Answer::OK);
        shell::frmAsetukset& w = open();
        const QByteArray iniBefore = iniBytes();  // window placements included
        w.chkVanhatMallit->click();
        w.cmbKieli->setCurrentIndex(1);
        QLineEdit* field = w.*(c.field);
        field->setText(QString::fromUtf8(c.text));  // the save runs before the field is left
        w.mTallenna->trigger();

        EXPECT_FALSE(closed());
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_TRUE(w.changed());  // still unsaved: closing will ask
        EXPECT_EQ(bookBytes(), bookBefore);
        EXPECT_EQ(iniBytes(), iniBefore);
        EXPECT_FALSE(core::VanhatMallit);
        EXPECT_EQ(core::Language, QStringLiteral("Suomi"));
        ui::Forms::unload(w);
    }
}

TEST_F(SettingsSaveTest, BookThatCannotBeFoundIsToldAndOnlyTheProgramsSettingsAreWritten) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    w.cmbKieli->setCurrentIndex(1);
    const QString backup = tmp.file(QStringLiteral("Toinen varmistus"));
    w.tVarmistus->setText(backup);
    const QString storedBefore = setting(book, QStringLiteral("VanhatMallit"));
    ASSERT_TRUE(QFile::rename(book, book + QStringLiteral(".siirretty")));
    dialogs.expectMessage(QStringLiteral("Tietokantaa ei löydy, korjaa asetuksista tietokannan nimi"), Answer::OK)
        .expectMessage(QStringLiteral("Ohjelman asetukset tallennettiin. Seuran asetuksia ei tallennettu, koska "
                                      "tietokantaa ei löydy."),
                       Answer::OK);
    w.cTallenna->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Svenska"));
    EXPECT_EQ(readIni(QStringLiteral("DatabaseBackup")), backup + QDir::separator());
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
    EXPECT_EQ(core::Language, QStringLiteral("Svenska"));
    EXPECT_EQ(core::DatabaseBackup, backup + QDir::separator());
    EXPECT_FALSE(QFile::exists(book));  // not created by the attempt
    // The association's settings stay as the book last gave them.
    EXPECT_FALSE(core::VanhatMallit);
    EXPECT_EQ(setting(book + QStringLiteral(".siirretty"), QStringLiteral("VanhatMallit")), storedBefore);
}

TEST_F(SettingsSaveTest, BookThatCannotBeFoundStillRefusesABadDateOrMargin) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.cmbKieli->setCurrentIndex(1);
    const QByteArray iniBefore = iniBytes();
    ASSERT_TRUE(QFile::rename(book, book + QStringLiteral(".siirretty")));
    w.tTilikausiLoppu->setText(QStringLiteral("32.12.2031"));
    dialogs.expectMessage(QStringLiteral("Syötä tilikauden lopuksi päivämäärä."), Answer::OK);
    w.cTallenna->click();
    EXPECT_FALSE(closed());
    w.tTilikausiLoppu->setText(QStringLiteral("31.12.2031"));
    // The field empties itself on a text that is no number, and the save
    // refuses the empty margin.
    dialogs.expectMessage(QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."), Answer::OK)
        .expectMessage(QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."), Answer::OK);
    w.tMargVas->setText(QStringLiteral("1x"));
    w.cTallenna->click();
    EXPECT_FALSE(closed());
    EXPECT_EQ(iniBytes(), iniBefore);
    EXPECT_EQ(core::Language, QStringLiteral("Suomi"));
    ui::Forms::unload(w);
}

TEST_F(SettingsSaveTest, DamagedBookIsRepairedAndTheSaveStopsThere) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    {
        QFile f(book);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(4096, 'x'));
    }
    dialogs.expectMessage(QStringLiteral("Tietokanta on vioittunut"), Answer::OK)
        .expectMessage(QStringLiteral("Tietokannan korjaus ei onnistunut."), Answer::OK);
    w.cTallenna->click();
    EXPECT_FALSE(closed());
    EXPECT_FALSE(core::VanhatMallit);
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
}

TEST_F(SettingsSaveTest, FailureHalfWayLeavesTheBookTheIniFileAndTheGlobalsAsTheyWere) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    type(w.tEmail, QStringLiteral("uusi@seura.example"));
    w.cmbKieli->setCurrentIndex(1);
    // The ini file cannot be written: its folder is not there.
    const QString goodIni = core::IniFileName;
    core::IniFileName = tmp.file(QStringLiteral("puuttuva/vevaravo.ini"));
    dialogs.expectMessage(QStringLiteral("Asetusten tallentaminen ei onnistunut, eikä asetuksiin tehty muutoksia."),
                          Answer::OK);
    const core::Settings before = core::CurrentSettings;
    w.cTallenna->click();
    core::IniFileName = goodIni;

    EXPECT_FALSE(closed());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Asetustiedostoa ei voitu kirjoittaa:")));
    // The book's keys written before the ini file failed were taken back.
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("<none>"));
    EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("rahastonhoitaja@seura.example"));
    // Every setting of the program is as it was.
    EXPECT_TRUE(core::CurrentSettings == before);
    EXPECT_EQ(core::Email, QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_TRUE(w.changed());

    // With the ini file back the same window saves.
    w.cTallenna->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("1"));
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Svenska"));
}

// Another program holds the ini file for longer than a write waits: the
// save waits for it once, with the program's events running meanwhile, and
// is refused in words that say so and that no setting was saved. Once the
// other program is done, the same window saves.
TEST_F(SettingsSaveTest, ASaveWhileAnotherProgramHoldsTheIniFileWaitsOnceAndSaysSo) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    type(w.tEmail, QStringLiteral("uusi@seura.example"));
    const QByteArray iniBefore = iniBytes();
    kvtest::IniWriteInProgress other(iniPath());
    ASSERT_TRUE(other.holding());
    dialogs.expectMessage(QStringLiteral("Asetusten tallentaminen ei onnistunut, eikä asetuksiin tehty muutoksia."),
                          Answer::OK);
    kvtest::WhileItRuns meanwhile;
    w.cTallenna->click();
    meanwhile.stop();

    EXPECT_GT(meanwhile.ticks(), 0);
    EXPECT_LT(meanwhile.ms(), 9000);  // a write waits 5 s at most, and the save once
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(
        QStringLiteral("Toinen ohjelma pitää asetustiedostoa varattuna, eikä siihen voitu kirjoittaa: ") + iniPath()))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_FALSE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("<none>"));
    EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_EQ(iniBytes(), iniBefore);

    ASSERT_TRUE(other.finish());
    w.cTallenna->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("uusi@seura.example"));
    EXPECT_EQ(readIni(QString::fromLatin1(kvtest::IniWriteInProgress::kOtherKey), QStringLiteral("FORMS")),
              QStringLiteral("1,2,3,4,0"));
}

TEST_F(SettingsSaveTest, BookThatCannotBeUpgradedIsToldAndLeftAsItWas) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    const QByteArray iniBefore = iniBytes();
    // The book has lost a table the upgrade adds fields to.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "DROP TABLE tula", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    const QByteArray bookBefore = bookBytes();
    dialogs.expectMessage(QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei onnistunut"),
                          Answer::OK);
    w.cTallenna->click();

    EXPECT_FALSE(closed());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Vaihe 6")));
    EXPECT_EQ(bookBytes(), bookBefore);
    EXPECT_EQ(iniBytes(), iniBefore);
    EXPECT_FALSE(core::VanhatMallit);
}

// ---------------------------------------------------------------- another book

class DatabaseChoiceTest : public SettingsSaveTest {
protected:
    // A second association's book of the older layout (no Settings table):
    // the choice must bring it up to date.
    QString otherBook() {
        const QString path = kvtest::makeBaseBook(tmp, QStringLiteral("toinen.mdb"));
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        db.Execute(QStringLiteral("INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (5, 1000, 'Kassa', ' ')"));
        db.Close();
        return path;
    }
};

TEST_F(DatabaseChoiceTest, ChosenBookIsUpgradedLoadedAndShownAtOnce) {
    const QString other = otherBook();
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    dialogs.expectOpenFile(other, QStringLiteral("Kolvio - tietokantahakemisto"));
    w.cTietokantavalita->click();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].initial, book);
    EXPECT_EQ(dialogs.shown()[0].filter, QStringLiteral("Database (*.mdb)|*.mdb"));

    // The program works with the chosen book from now on.
    EXPECT_EQ(core::DatabasePath, other);
    EXPECT_EQ(core::DBCon().AvaaDB().name(), other);
    EXPECT_EQ(w.tTietokanta->text(), other);
    // Its settings: the defaults of a book without any.
    const int year = QDate::currentDate().year();
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.1.%1").arg(year));
    EXPECT_EQ(w.tMargVas->text(), QStringLiteral("0"));
    EXPECT_EQ(w.tEmail->text(), QString());
    EXPECT_FALSE(w.chkVaakatulostus->isChecked());
    ASSERT_EQ(w.cmbLaskettavaTili->count(), 2);
    EXPECT_EQ(w.cmbLaskettavaTili->itemText(1), QStringLiteral("1000 Kassa"));
    EXPECT_EQ(w.cmbLaskettavaTili->currentIndex(), 0);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - toinen"));
    // Upgraded: the Settings table is there now.
    EXPECT_EQ(setting(other, QStringLiteral("Fontti")), QStringLiteral("<none>"));
    // The ini file still names the first book; closing asks.
    EXPECT_EQ(readIni(QStringLiteral("Database")), book);
    EXPECT_TRUE(w.changed());

    // Saved: the ini file names the chosen book and its table holds the keys.
    w.cTallenna->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(readIni(QStringLiteral("Database")), other);
    EXPECT_EQ(setting(other, QStringLiteral("TilikausiAlku")), QStringLiteral("%1-01-01").arg(year));
    // The first book was not written to: it keeps the font it had.
    EXPECT_EQ(setting(book, QStringLiteral("Fontti")), QStringLiteral("Kalligrafia"));
}

// The open windows store what they hold into the book they show before the
// program turns to the chosen one, and read the chosen one afterwards; a
// window that cannot store keeps the choice from being made.
TEST_F(DatabaseChoiceTest, OpenWindowsStoreIntoTheirBookBeforeTheChoiceAndOneThatCannotStopsIt) {
    const QString other = otherBook();
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    auto& pending = ui::Forms::show<kvtest::PendingEdit>();
    pending.store = [] {
        core::cDBSettings s;
        s.setDatabase(core::DBCon().AvaaDB());
        s.setSection(QStringLiteral("KOLVIO"));
        s.SaveSetting(QStringLiteral("Tallennettu"), QStringLiteral("Fontti"));
    };
    QString readFrom;
    pending.readAgain = [&] { readFrom = core::DBCon().AvaaDB().name(); };

    pending.refuse = true;
    dialogs.expectOpenFile(other, QStringLiteral("Kolvio - tietokantahakemisto"))
        .expectMessage(QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Keskeneräinen"),
                       Answer::OK);
    w.cTietokantavalita->click();
    EXPECT_EQ(pending.stores, 1);
    EXPECT_EQ(pending.readsAgain, 0);
    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(w.tTietokanta->text(), book);

    pending.refuse = false;
    dialogs.expectOpenFile(other, QStringLiteral("Kolvio - tietokantahakemisto"));
    w.cTietokantavalita->click();
    EXPECT_EQ(pending.stores, 2);
    EXPECT_EQ(core::DatabasePath, other);
    EXPECT_EQ(setting(book, QStringLiteral("Fontti")), QStringLiteral("Tallennettu"));
    EXPECT_EQ(pending.readsAgain, 1);
    EXPECT_EQ(readFrom, other);
    ui::Forms::unload(pending);
}

// A year that ends before it begins (a start stored without its end, which
// then falls on the end of this calendar year) is refused at start, and told
// when the book is chosen in the window; the window shows the book's
// settings as stored, and the save of the year set right takes the book.
TEST_F(DatabaseChoiceTest, AYearThatEndsBeforeItBeginsIsRefusedAtStartAndSetRightInTheWindow) {
    const QString other = otherBook();
    const QString end = QStringLiteral("31.12.%1").arg(QDate::currentDate().year());
    const QString told = QStringLiteral("Tilikausi päättyy ennen kuin se alkaa: 1.7.2199 - %1\r\n").arg(end);
    for (const bool atStart : {false, true}) {
        SCOPED_TRACE(atStart ? "at start" : "chosen in the window");
        {
            dao::Database db = dao::DBEngine::OpenDatabase(other);
            core::UpdateDatabase(db);
            db.Execute(QStringLiteral("DELETE FROM Settings"));
            core::runSqlScript(db, kvtest::settingRows({{"TilikausiAlku", "2199-07-01"}, {"Email", "toinen@seura.fi"}}));
            db.Close();
        }
        ScriptedDialogs dialogs;
        if (atStart) {
            ui::Forms::destroyAll();
            core::DBCon().SuljeDB();
            core::resetGlobals();
            dialogs.expectMessage(told + QStringLiteral("Tietokannan asetuksia ei otettu käyttöön."), Answer::OK);
            main = &startUp();
            EXPECT_TRUE(core::TilikausiAlku.isZero());
            EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - "));
        } else {
            dialogs.expectOpenFile(other).expectMessage(
                told + QStringLiteral("Korjaa tilikauden päivämäärät ennen tallentamista."), Answer::OK);
        }
        shell::frmAsetukset& w = open();
        if (!atStart) w.cTietokantavalita->click();
        EXPECT_EQ(w.tTilikausiLoppu->text(), end);
        EXPECT_EQ(w.tEmail->text(), QStringLiteral("toinen@seura.fi"));
        type(w.tTilikausiLoppu, QStringLiteral("30.6.2200"));
        w.cTallenna->click();
        ASSERT_TRUE(closed());
        EXPECT_EQ(dialogs.shown().size(), atStart ? 1 : 2);
        EXPECT_EQ(setting(other, QStringLiteral("TilikausiLoppu")), QStringLiteral("2200-06-30"));
        EXPECT_EQ(setting(other, QStringLiteral("Email")), QStringLiteral("toinen@seura.fi"));
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - toinen"));
    }
}

TEST_F(DatabaseChoiceTest, CancelledOrFailedChoiceChangesNothing) {
    const QString notABook = tmp.file(QStringLiteral("kirje.mdb"));
    {
        QFile f(notABook);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Hyvä seura, tässä ei ole tietokantaa.");
    }
    // A book of an older layout that has lost a table: it cannot be upgraded.
    const QString broken = kvtest::makeBaseBook(tmp, QStringLiteral("vanha.mdb"));
    {
        dao::Database db = dao::DBEngine::OpenDatabase(broken);
        db.Execute(QStringLiteral("DROP TABLE tula"));
        db.Close();
    }
    const QByteArray brokenBefore = bytes(broken);
    // A book that carries a trigger.
    const QString withTrigger = kvtest::makeBaseBook(tmp, QStringLiteral("herätin.mdb"));
    kvtest::addEntryTrigger(withTrigger);
    const QByteArray triggerBefore = bytes(withTrigger);
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    type(w.tEmail, QStringLiteral("kesken@seura.example"));
    dialogs.expectOpenFile(QString())
        .expectOpenFile(notABook)
        .expectMessage(QStringLiteral("Tietokannan avaaminen ei onnistunut:"), Answer::OK)
        .expectOpenFile(tmp.file(QStringLiteral("ei-ole.mdb")))
        .expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
        .expectOpenFile(broken)
        .expectMessage(QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei onnistunut"), Answer::OK)
        .expectOpenFile(withTrigger)
        .expectMessage(kvtest::foreignLayoutText({QStringLiteral(
                           "herätin vienti_poisto: CREATE TRIGGER vienti_poisto AFTER INSERT ON vi BEGIN DELETE FROM vi "
                           "WHERE viID <> NEW.viID; END")}) + withTrigger,
                       Answer::OK);
    for (int i = 0; i < 5; ++i) w.cTietokantavalita->click();
    EXPECT_EQ(bytes(broken), brokenBefore);
    EXPECT_EQ(bytes(withTrigger), triggerBefore);

    EXPECT_EQ(core::DatabasePath, book);
    EXPECT_EQ(w.tTietokanta->text(), book);
    EXPECT_EQ(w.tEmail->text(), QStringLiteral("kesken@seura.example"));  // the edit is not lost
    EXPECT_EQ(core::Email, QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - Kolvion Kerho"));
    // The file that is no book was neither repaired nor renamed.
    EXPECT_TRUE(QFile::exists(notABook));
    EXPECT_FALSE(QFile::exists(notABook + QStringLiteral("OLD")));
}

// ---------------------------------------------------------------- change of year

TEST_F(SettingsSaveTest, CompletedChangeOfYearStoresTheNewYearAndSaves) {
    int runs = 0;
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [&runs] {
        ++runs;
        core::EdTilikausiAlku = core::TilikausiAlku;
        core::EdTilikausiLoppu = core::TilikausiLoppu;
        core::TilikausiAlku = core::TilikausiAlku.addYears(1);
        core::TilikausiLoppu = core::TilikausiLoppu.addYears(1);
    });
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkVanhatMallit->click();
    w.cVaihdaTilikausi->click();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QStringLiteral("2032-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiLoppu")), QStringLiteral("2033-06-30"));
    EXPECT_EQ(setting(book, QStringLiteral("EdTilikausiAlku")), QStringLiteral("2031-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("EdTilikausiLoppu")), QStringLiteral("2032-06-30"));
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("1"));
}

TEST_F(SettingsSaveTest, CancelledChangeOfYearPutsTheYearBackAndStillSaves) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.tTilikausiAlku->setText(QStringLiteral("1.1.2040"));
    w.chkVanhatTositteet->click();
    // Without the year-change window the command is not available.
    dialogs.expectMessage(QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa."), Answer::OK);
    w.cVaihdaTilikausi->click();
    EXPECT_FALSE(closed());
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [] {});
    w.cVaihdaTilikausi->click();
    EXPECT_TRUE(closed());
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QStringLiteral("2031-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("VanhatTositteet")), QStringLiteral("1"));
}

TEST_F(SettingsSaveTest, NewYearIsKeptEvenWhenTheRestOfTheSaveStops) {
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [] {
        core::TilikausiAlku = dao::Date::fromYmd(2032, 7, 1);
        core::TilikausiLoppu = dao::Date::fromYmd(2033, 6, 30);
        core::EdTilikausiAlku = dao::Date::fromYmd(2031, 7, 1);
        core::EdTilikausiLoppu = dao::Date::fromYmd(2032, 6, 30);
    });
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.tMargYla->clear();
    w.chkVanhatMallit->click();
    dialogs.expectMessage(QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."), Answer::OK);
    w.cVaihdaTilikausi->click();
    EXPECT_FALSE(closed());
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.7.2032"));
    // The book's year follows the vouchers the change moved.
    EXPECT_EQ(setting(book, QStringLiteral("TilikausiAlku")), QStringLiteral("2032-07-01"));
    EXPECT_EQ(setting(book, QStringLiteral("EdTilikausiLoppu")), QStringLiteral("2032-06-30"));
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("<none>"));
}

}  // namespace
