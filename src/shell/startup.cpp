// The program's start-up: the Load handler of the main window.

#include "shell/startup.h"
#include "shell/bookrepair.h"
#include "shell/programsupport.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/ui/bookwork.h"
#include "core/ui/frmkielenvalinta.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/regional.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/sys/mousecursor.h"
#include "platform/sys/shell.h"
#include "shell/frmdbhuomautus.h"
#include "shell/frmmain.h"
#include "shell/frmsplash.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QToolButton>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Runs one step of start-up; an error in it is written to the log and
// start-up goes on with the next step.
template <class F>
void step(const char* what, F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        qWarning("start-up, %s: %s", what, e.what());
    } catch (...) {
        // As above: logged, and start-up goes on with the next step.
        qWarning("start-up, %s failed", what);
    }
}

// The outcome of an open: 0, or the engine's error number and text, and
// the error itself.
struct OpenResult {
    int code = 0;
    QString text;
    std::exception_ptr error;
};

// An error that is not the engine's own.
constexpr int kOtherOpenError = -1;

OpenResult openBook(dao::Database& db) {
    try {
        // The opening's check of a large book shows its progress.
        const core::BookWorkProgress progress(core::BookWork::Check, core::DatabasePath);
        db = dao::DBEngine::OpenDatabase(core::DatabasePath);
        return {};
    } catch (const dao::DaoError& e) {
        return {e.number(), e.description(), std::current_exception()};
    } catch (const std::exception&) {
        return {kOtherOpenError, core::ErrorText(std::current_exception()), std::current_exception()};
    }
}

// The default book in the program folder.
QString defaultBook() { return QDir(sys::AppPath()).filePath(QStringLiteral("demo1.mdb")); }

// Step 10: the association's book chosen at each start. A cancelled choice
// keeps the book configured so far.
void chooseDatabase() {
    const QString chosen =
        ui::Dialogs().openFile(core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Seuran valinta")),
                               core::DatabasePath, QStringLiteral("Database (*.mdb)|*.mdb"));
    if (chosen.isEmpty()) return;
    core::SaveDatabasePath(chosen);
}

// Step 11: a write-protected book may have its protection removed first.
void offerToClearReadOnly() {
    if (!core::IsFileReadOnly(core::DatabasePath)) return;
    core::ShowInfo(
        core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tietokanta on kirjoitussuojatussa tilassa.")) +
        kCrLf +
        core::TranslateStr(QStringLiteral("frmMain"),
                           QStringLiteral("Ennen avaamista Kolvio VEV:ssa sen tulee olla kirjoitettavassa tilassa.")));
    if (core::AskYesNo(core::TranslateStr(
            QStringLiteral("frmMain"),
            QStringLiteral("Haluatko, että Kolvio VEV muuttaa tietokannan kirjoitettavaan tilaan?"))) ==
        ui::Answer::Yes) {
        if (!core::ClearFileAttributes(core::DatabasePath))
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"),
                                   QStringLiteral("Kirjoitussuojauksen poistaminen ei jostain syystä onnistunut.")));
    }
}

// Steps 11 and 12: opens the configured book, or the default one when the
// user agrees, and deals with the failures. A null database when no book is
// open at the end; pathChanged tells that the default book took the place
// of the configured one, and repaired holds the report of a repair that
// mended the book on the way.
dao::Database openAssociationBook(frmMain& main, bool& pathChanged, std::optional<dao::RepairReport>& repaired) {
    dao::Database db;
    OpenResult result;
    if (core::DatabasePath.isEmpty()) {
        result.code = dao::err::FileNotFound;
    } else {
        step("write protection", offerToClearReadOnly);
        result = openBook(db);
    }
    for (;;) {
        switch (result.code) {
        case 0:
            return db;
        case dao::err::FileNotFound:
        case dao::err::InvalidPath:
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"),
                                   QStringLiteral("Tietokantaa ei löydy, korjaa asetuksista tietokannan nimi")));
            if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmMain"),
                                                  QStringLiteral("Yritetäänkö avata oletustietokanta?"))) !=
                ui::Answer::Yes)
                return {};
            core::DatabasePath = defaultBook();
            pathChanged = true;
            result = openBook(db);
            continue;
        case dao::err::FileInUse:
            // Another program holds the book: it is left as it is.
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"),
                                   QStringLiteral("Tietokanta on toisen ohjelman käytössä, eikä Kolvio VEV voi avata "
                                                  "sitä. Sulje tietokantaa käyttävä ohjelma ja käynnistä Kolvio VEV "
                                                  "uudelleen.")));
            return {};
        case dao::err::NoPermission:
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"),
                                   QStringLiteral("Tietokantaan ei ole kirjoitusoikeutta, eikä Kolvio VEV voi avata "
                                                  "sitä. Tarkista tietokannan ja sen kansion käyttöoikeudet ja "
                                                  "käynnistä Kolvio VEV uudelleen.")));
            return {};
        case dao::err::RecordTooLarge:
        case dao::err::ExpressionTooComplex:
        case dao::err::Overflow:
            // The book's own definitions or values ask more than the
            // program reads: no damage, and no repair, which would leave
            // out what cannot be read. It is not worked on in this run.
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                              QStringLiteral("Tietokantaa ei avattu: sen omat määritykset tai tiedot "
                                                             "ovat sellaiset, ettei Kolvio VEV voi lukea sitä. Se ei "
                                                             "ole vioittunut, joten sitä ei korjattu, vaan se "
                                                             "jätettiin ennalleen.")) +
                           kCrLf + kCrLf + result.text);
            main.SetUnusableBook(core::DatabasePath);
            return {};
        case dao::err::ForeignLayout:
        case dao::err::ForeignSideFile:
        case dao::err::TooMuchWork:
        case dao::err::WorkCancelled:
            // A book refused for what it is, or whose check was stopped, is
            // left as it was and not worked on in this run: no repair would
            // make it the program's.
            core::ShowInfo(result.code == dao::err::ForeignLayout || result.code == dao::err::ForeignSideFile
                               ? core::RefusedBookText(result.error)
                               : core::BookWorkStoppedText(result.code, core::BookWork::Check, core::DatabasePath));
            main.SetUnusableBook(core::DatabasePath);
            return {};
        case dao::err::UnrecognizedFormat:
        case dao::err::CannotOpenDatabase:
            // Only a file the engine cannot read as a book counts as damaged.
            // The repaired book is opened at once as any book is, so that
            // the run goes on with its layout and settings; a book that
            // could not be repaired, or that a repair could not make
            // readable, is not worked on in this run.
            if (!repaired) {
                repaired = RepairDamagedBook(core::DatabasePath, QStringLiteral("frmMain"));
                if (repaired) {
                    result = openBook(db);
                    continue;
                }
            } else {
                // The repaired book passed the full check before it took the
                // book's name: it is not repaired over and over.
                core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                                  QStringLiteral("Tietokannan korjaus ei onnistunut. Palauta "
                                                                 "tietokanta varmuuskopiolta ennen kuin jatkat "
                                                                 "Kolvion käyttöä.")));
            }
            main.SetUnusableBook(core::DatabasePath);
            return {};
        default:
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tietokannan avaaminen ei onnistunut:")) +
                kCrLf + result.text);
            return {};
        }
    }
}

// A financial year whose dates the book does not hold is worked in as the
// current calendar year, and the user is told so.
void tellUnreadYear(dao::Database& db) {
    const QStringList keys = core::LukemattomatTilikausipaivat(db);
    if (keys.isEmpty()) return;
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Kirjanpidon asetuksista ei voitu lukea tilikauden "
                                                     "päivämääriä:")) +
                   kCrLf + kCrLf + keys.join(kCrLf) + kCrLf + kCrLf +
                   core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Ohjelma käyttää niiden sijaan kuluvaa kalenterivuotta:")) +
                   QLatin1Char(' ') + core::TilikausiAlku.toShortString() + QStringLiteral(" - ") +
                   core::TilikausiLoppu.toShortString() + kCrLf +
                   core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Tarkista tilikauden päivämäärät asetuksista.")));
}

// Step 13: the book brought to the current layout and its settings loaded.
void upgradeAndLoadSettings(frmMain& main, dao::Database& db, bool pathChanged) {
    try {
        core::UpdateDatabase(db);
    } catch (const core::UpgradeError& e) {
        // The upgrade is all or nothing: the book keeps its older layout.
        core::ShowCritical(
            core::TranslateStr(QStringLiteral("frmMain"),
                               QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei onnistunut, "
                                              "eikä tietokantaan tehty muutoksia.")) +
            kCrLf + kCrLf + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Vaihe")) +
            QStringLiteral(" %1 (%2): %3 / %4").arg(e.step()).arg(e.stepName()).arg(e.number()).arg(e.engineText()));
    }
    if (pathChanged) step("saving the book's path", [] { core::SaveDatabasePath(core::DatabasePath); });
    // A save of the settings that a crash cut short stands as one save or
    // the other before the settings are read.
    step("an unfinished save of the settings", [&] { core::SettleUnfinishedSave(db); });
    step("loading the association's settings", [&] {
        const core::Settings before = core::CurrentSettings;
        core::LoadDatabaseSettings(db);
        if (const std::optional<core::BrokenYear> broken = core::BrokenFinancialYear()) {
            // Nothing can be dated in such a year: the program goes on as
            // with no book read, and the settings window, which then reads
            // the book's settings as they are stored, is where the year is
            // set right.
            core::CurrentSettings = before;
            // The commands that work in the year say so until it is set right.
            core::HylattyTilikausi = *broken;
            core::ShowInfo(core::BrokenYearText(*broken, QStringLiteral("frmMain")) + kCrLf +
                           core::TranslateStr(QStringLiteral("frmMain"),
                                              QStringLiteral("Tietokannan asetuksia ei otettu käyttöön. Korjaa "
                                                             "tilikauden päivämäärät asetuksista.")));
        } else {
            tellUnreadYear(db);
        }
        main.ApplyReportMargins();
    });
}

QString currencyAdvice() {
    return core::TranslateStr(
               QStringLiteral("frmMain"),
               QStringLiteral(
                   "Windowsin kansallisuus / maakohtaisissa asetuksissa on valuuttatunnuksena vielä 'mk'.")) +
           kCrLf +
           core::TranslateStr(
               QStringLiteral("frmMain"),
               QStringLiteral("Kolvio ja monet muut ohjelmat käyttävät tätä asetusta näytöllä ja tulosteilla.")) +
           kCrLf + kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Vaihtaaksesi valuuttatunnuksen € merkkiin, toimi seuraavasti:")) +
           kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("1. Avaa Käynnistä -valikosta Ohjauspaneeli (Control Panel).")) +
           kCrLf +
           core::TranslateStr(
               QStringLiteral("frmMain"),
               QStringLiteral("2. Avaa Kansallisuus (tai Maakohtaiset) asetukset (Regional and Language Options).")) +
           kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("3. Avaa Valuutta välilehti (Currency).")) +
           kCrLf + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("4. Aseta valuuttatunnukseksi €.")) +
           kCrLf + kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Yksityiskohdat vaihtelevat eri Windows versioissa.")) +
           kCrLf +
           core::TranslateStr(QStringLiteral("frmMain"),
                              QStringLiteral("Lisätietoja asiasta löydät Windowsin käyttöohjeista."));
}

}  // namespace

// ---------------------------------------------------------------- helpers

bool CurrencyTextHasMarkka(const QString& formattedOne) { return formattedOne.toLower().contains(QLatin1String("mk")); }

QString FormatOneAsCurrency() {
    const QLocale locale;
    return locale.toCurrencyString(1.0, locale.currencySymbol(), 2);
}

void CheckCurrencySymbol() {
    if (CurrencyTextHasMarkka(FormatOneAsCurrency())) core::ShowInfo(currencyAdvice());
}


std::optional<core::BrokenYear> TilikausiKorjattuMuualla() {
    const std::optional<core::BrokenYear> refused = core::TilikausiEiKaytossa();
    if (!refused) return std::nullopt;
    std::optional<core::BrokenYear> still;
    try {
        dao::Database db = core::DBCon().AvaaDB();
        still = core::OtaKorjattuTilikausi(db);
    } catch (const std::exception&) {
        // The book cannot be read now: the year stays refused as it was.
        return refused;
    }
    if (still) return still;
    // The book's settings are the program's now, as after a start.
    reports::ApplyReportMargins();
    if (frmMain* main = ui::Forms::find<frmMain>(); main && main->isLoaded()) {
        main->ShowCaption();
        main->CheckKPStatus();
    }
    return std::nullopt;
}

bool IsDemoDatabase(const QString& path, const QString& appPath) {
    return path.startsWith(appPath, Qt::CaseInsensitive) &&
           path.indexOf(QLatin1String("demo"), 1, Qt::CaseInsensitive) >= 1;
}

// ---------------------------------------------------------------- the sequence

void frmMain::Load() {
    // 1. Program-wide names.
    core::AppTitle = QStringLiteral("Kolvio VEV");
    core::IniFileName = QStringLiteral("vevaravo.ini");
    // 2. Pending window events once.
    QCoreApplication::processEvents();
    // 3. The report control's preview window starts at the screen's corner.
    step("report control", [] { reports::InitReportControl(); });
    // 4. One printed copy until the print dialog says otherwise.
    core::TulostusKopioita = 1;
    // 5. Regional settings still on the markka, in the formats the program
    // follows (the language is not known yet: the Finnish ones under C).
    step("regional formats", core::ApplyRegionalFormats);
    step("currency symbol", CheckCurrencySymbol);
    // 6. The program-wide settings, and the work files that an interrupted
    // write of the ini file left beside it.
    step("ini settings", core::LoadIniSettings);
    fso::RemoveLeftoverWorkFilesOf(core::IniFile().FileName());
    // 7. First start: the user-interface language.
    if (core::Language.isEmpty()) {
        step("language choice", [] {
            auto& window = ui::Forms::get<core::frmKielenValinta>();
            ui::Forms::show(window, true);
            core::Language = window.sValittuKieli;
            ui::Forms::unload(window);
            ini::cIniFile& ini = core::IniFile();
            ini.FileName(core::IniFileName);
            ini.Section(QStringLiteral("KOLVIO"));
            ini.Write(core::Language, QStringLiteral("Language"));
        });
    }
    // 8. The translator of the chosen language, and this window translated.
    step("translator", [this] {
        core::cTranslate& cfg = core::TranslateCfg();
        cfg.setBaseFolder(sys::AppPath());
        cfg.setFileName(core::AppTitle);
        cfg.setLanguagePrefix(core::Language);
        core::SetTranslator(cfg.LangTranslator());
        InstallQtTranslation(core::Language);
        // Under C the formats follow the language now known.
        core::ApplyRegionalFormats();
        core::Translate(this);
    });
    // 9. The splash window, until it closes itself.
    step("splash window", [] { ui::Forms::show<frmSplash>(true); });
    // 10. The association's book chosen at each start.
    if (core::MultiDb) step("book choice", chooseDatabase);
    // Work files that an interrupted backup, compaction or repair left
    // beside the book.
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(core::DatabasePath), core::DatabasePath);
    // 11-13. Open, upgrade, settings.
    dao::Database db;
    bool pathChanged = false;
    std::optional<dao::RepairReport> repaired;
    step("opening the book", [&] { db = openAssociationBook(*this, pathChanged, repaired); });
    const bool opened = !db.isNull() && db.isOpen();
    if (opened) upgradeAndLoadSettings(*this, db, pathChanged);
    // 14. The cost-centre button follows the setting (it starts enabled).
    if (!core::Kustannuspaikat) cKustannuspaikat->setEnabled(false);
    // 15-16. Caption, the window shown, its placement restored.
    ShowCaption();
    show();
    raise();
    activateWindow();
    step("window placement", [this] { core::LoadFormPosition(this); });
    // What a repair on the way lost, over the window that now works on the
    // repaired book.
    if (opened && repaired && !repaired->whole())
        step("what the repair lost", [&] { TellWhatTheRepairLost(*repaired, db, QStringLiteral("frmMain")); });
    // 17. Later work reaches the book through the shared connection.
    step("closing the start-up connection", [&] { db.Close(); });
    // 18. The demo book's notice.
    step("demo notice", [] {
        if (sys::GetWindowsVersion() != sys::kCurrentSystemVersion) return;
        if (IsDemoDatabase(core::DatabasePath, sys::AppPath())) ui::Forms::show<frmDBHuomautus>(true);
    });
}

void frmMain::ApplyReportMargins() { reports::ApplyReportMargins(); }

}  // namespace shell
