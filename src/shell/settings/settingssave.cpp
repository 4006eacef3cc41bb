// The settings window's commands that act on the stores and the open book:
// the save, the choice of another book and the change of financial year.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/regional.h"
#include "core/schema.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
#include "core/ui/bookwork.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/dao/database.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/mousecursor.h"
#include "reportctl/reportcontrolsetup.h"
#include "shell/bookrepair.h"
#include "shell/frmmain.h"
#include "shell/openers.h"
#include "shell/settings/frmasetukset.h"
#include "shell/startup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Why a write of the book was refused when another copy of the program
// held it for longer than a write waits.
QString bookInUseText() {
    return core::TranslateStr(QStringLiteral("frmAsetukset"),
                              QStringLiteral("Toinen ohjelma, jossa sama kirjanpito on auki, kirjoittaa kirjanpitoon "
                                             "juuri nyt. Yritä hetken kuluttua uudelleen."));
}

// The number and text of an error for a message; the ini file that could
// not be written is named, and another program's hold of it, another copy's
// save or hold of the book are told in words.
QString errorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const core::IniWriteError& e) {
        if (e.locked) return core::IniNotWrittenText(e.file, true);
        return core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Asetustiedostoa ei voitu kirjoittaa:")) +
               QLatin1Char(' ') + e.file;
    } catch (const core::SettingsSavedElsewhere&) {
        return core::TranslateStr(QStringLiteral("frmAsetukset"),
                                  QStringLiteral("Toisessa ohjelmassa, jossa sama kirjanpito on auki, tallennettiin "
                                                 "asetukset samaan aikaan, ja ne jäivät voimaan. Tallenna uudelleen, "
                                                 "jos haluat tämän ikkunan asetukset käyttöön."));
    } catch (const core::SettingsSaveInProgress&) {
        return bookInUseText();
    } catch (const dao::DaoError& e) {
        if (e.number() == dao::err::Locked) return bookInUseText();
        return core::ErrorWithNumber(error);
    } catch (...) {
        // Any other error reads as every command's failure does.
        return core::ErrorWithNumber(error);
    }
}

// Why a save stored nothing: another program (another copy of this one
// among them) held the book when the save came to it.
QString notSavedBookInUseText() {
    return core::TranslateStr(QStringLiteral("frmAsetukset"),
                              QStringLiteral("Asetuksia ei tallennettu, koska toinen ohjelma käyttää kirjanpitoa juuri "
                                             "nyt. Ikkunan asetukset ovat ennallaan; yritä hetken kuluttua "
                                             "uudelleen."));
}

QString notSavedText() {
    return core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Asetuksia ei tallennettu."));
}

// Tells the user that a book's upgrade failed (and changed nothing); when
// another copy of the program held the book, that is what is told. The
// upgrade a save begins with is no upgrade the user asked for: its failure
// is told as the save's, which stored nothing.
void reportUpgradeError(const core::UpgradeError& e, bool saving) {
    if (saving && e.number() == dao::err::Locked) {
        core::ShowCritical(notSavedBookInUseText());
        return;
    }
    const QString why = e.number() == dao::err::Locked
                            ? bookInUseText()
                            : core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Vaihe")) +
                                  QStringLiteral(" %1 (%2): %3 / %4")
                                      .arg(e.step())
                                      .arg(e.stepName())
                                      .arg(e.number())
                                      .arg(e.engineText());
    core::ShowCritical((saving ? notSavedText() + kCrLf : QString()) +
                       core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei onnistunut, "
                                                         "eikä tietokantaan tehty muutoksia.")) +
                       kCrLf + kCrLf + why);
}

enum class OnFailure { Repair, Report, Quiet };

// Opens the book at path on a connection of its own. A failure is told to
// the user (a damaged book is repaired when asked) unless quiet, and false
// is returned; missing tells whether the book is not there at all.
bool openBook(const QString& path, dao::Database& db, OnFailure onFailure, bool* missing = nullptr) {
    if (missing) *missing = false;
    int code = 0;
    QString text;
    std::exception_ptr error;
    if (path.isEmpty()) {
        code = dao::err::FileNotFound;
    } else {
        try {
            const core::BookWorkProgress progress(core::BookWork::Check, path);
            db = dao::DBEngine::OpenDatabase(path);
            return true;
        } catch (const dao::DaoError& e) {
            code = e.number();
            text = e.description();
            error = std::current_exception();
        } catch (const std::exception&) {
            code = -1;
            text = core::ErrorText(std::current_exception());
        }
    }
    if (missing) *missing = code == dao::err::FileNotFound || code == dao::err::InvalidPath;
    if (onFailure == OnFailure::Quiet) return false;
    switch (code) {
    case dao::err::FileNotFound:
    case dao::err::InvalidPath:
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Tietokantaa ei löydy, korjaa asetuksista tietokannan nimi")));
        break;
    case dao::err::ForeignLayout:
    case dao::err::ForeignSideFile:
        core::ShowInfo(core::RefusedBookText(error));
        break;
    case dao::err::FileInUse:
    case dao::err::Locked:
        // Another program holds the book: the save stores nothing now; the
        // choice of the book does not take it.
        core::ShowInfo(onFailure == OnFailure::Repair
                           ? notSavedBookInUseText()
                           : core::TranslateStr(QStringLiteral("frmAsetukset"),
                                                QStringLiteral("Tietokantaa ei otettu käyttöön, koska toinen ohjelma "
                                                               "käyttää sitä juuri nyt. Yritä hetken kuluttua "
                                                               "uudelleen.")));
        break;
    case dao::err::TooMuchWork:
    case dao::err::WorkCancelled:
        core::ShowInfo(core::BookWorkStoppedText(code, core::BookWork::Check, path));
        break;
    case dao::err::UnrecognizedFormat:
    case dao::err::CannotOpenDatabase:
        if (onFailure == OnFailure::Repair) {
            RepairDamagedBook(path, QStringLiteral("frmAsetukset"));
            break;
        }
        [[fallthrough]];
    default:
        core::ShowInfo(
            core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Tietokannan avaaminen ei onnistunut:")) +
            kCrLf + text);
        break;
    }
    return false;
}

void closeQuietly(dao::Database& db) {
    try {
        if (!db.isNull() && db.isOpen()) db.Close();
    } catch (const dao::DaoError&) {
        // The connection is let go whatever the engine says as it closes.
    }
}

frmMain* mainWindow() {
    frmMain* main = ui::Forms::find<frmMain>();
    return main && main->isLoaded() ? main : nullptr;
}

// Tells that a year ends before it begins, and that it is to be set right
// before the settings are saved.
void tellBrokenYear(const core::BrokenYear& year) {
    core::ShowInfo(core::BrokenYearText(year, QStringLiteral("frmAsetukset")) + kCrLf +
                   core::TranslateStr(QStringLiteral("frmAsetukset"),
                                      QStringLiteral("Korjaa tilikauden päivämäärät ennen tallentamista.")));
}

}  // namespace

// ---------------------------------------------------------------- the save

// What the window holds, checked and converted.
struct frmAsetukset::Entered {
    QString databasePath;
    QString databaseBackup;
    QString language;
    bool multiDb = false;
    // Nothing: the field is empty and the setting keeps its value.
    std::optional<dao::Date> tilikausiAlku, edTilikausiAlku, tilikausiLoppu, edTilikausiLoppu;
    long laskettavaTili = 0;
    long voittoTaseella = 0;
    QString email;
    QString smtp;
    QString seuranNimi;  // "" for the default, the book file's name
    bool vaakaTulostus = false;
    bool vanhatMallit = false;
    bool vanhatTositteet = false;
    bool automaattisestiUusiTosite = false;
    bool kustannuspaikat = false;
    QString fontti;
    int fonttiKoko = 10;
    double margYla = 0, margAla = 0, margVas = 0, margOik = 0;  // millimetres
};

std::optional<frmAsetukset::Entered> frmAsetukset::enteredValues() {
    Entered v;
    // The backup folder ends in a separator; an empty one is the default folder.
    QString backup = tVarmistus->text();
    if (backup.isEmpty()) backup = core::defaultBackupFolder();
    if (!backup.endsWith(u'/') && !backup.endsWith(QDir::separator())) backup += QDir::separator();
    if (tVarmistus->text() != backup) tVarmistus->setText(backup);
    v.databaseBackup = backup;
    v.databasePath = tTietokanta->text();
    v.language = cmbKieli->currentText();
    v.multiDb = chkMoniseuratuki->isChecked();

    // The dates: a field may be empty (the setting stays), or hold a date.
    struct DateField {
        QLineEdit* field;
        std::optional<dao::Date>* value;
        QString message;
    };
    const DateField dates[] = {
        {tTilikausiAlku, &v.tilikausiAlku,
         core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Syötä tilikauden aluksi päivämäärä."))},
        {tEdTilikausiAlku, &v.edTilikausiAlku,
         core::TranslateStr(QStringLiteral("frmAsetukset"),
                            QStringLiteral("Syötä edellisen tilikauden aluksi päivämäärä."))},
        {tTilikausiLoppu, &v.tilikausiLoppu,
         core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Syötä tilikauden lopuksi päivämäärä."))},
        {tEdTilikausiLoppu, &v.edTilikausiLoppu,
         core::TranslateStr(QStringLiteral("frmAsetukset"),
                            QStringLiteral("Syötä edellisen tilikauden lopuksi päivämäärä."))},
    };
    for (const DateField& d : dates) {
        if (d.field->text().trimmed().isEmpty()) continue;
        *d.value = dao::Date::fromText(d.field->text());
        if (!*d.value) {
            core::ShowInfo(d.message);
            d.field->setFocus();
            return std::nullopt;
        }
    }
    // A year that would end before it begins, as the dates entered (or
    // kept) make it, is not stored.
    core::Settings years = core::CurrentSettings;
    years.TilikausiAlku = v.tilikausiAlku.value_or(years.TilikausiAlku);
    years.TilikausiLoppu = v.tilikausiLoppu.value_or(years.TilikausiLoppu);
    years.EdTilikausiAlku = v.edTilikausiAlku.value_or(years.EdTilikausiAlku);
    years.EdTilikausiLoppu = v.edTilikausiLoppu.value_or(years.EdTilikausiLoppu);
    if (const std::optional<core::BrokenYear> broken = core::BrokenFinancialYear(years)) {
        tellBrokenYear(*broken);
        (broken->previous ? tEdTilikausiLoppu : tTilikausiLoppu)->setFocus();
        return std::nullopt;
    }

    auto selectedId = [](QComboBox* c) { return c->currentIndex() < 0 ? 0L : long(c->currentData().toLongLong()); };
    v.laskettavaTili = selectedId(cmbLaskettavaTili);
    v.voittoTaseella = selectedId(cmbVoittoTaseella);
    v.seuranNimi = tSeuranNimi->text().trimmed();
    v.email = tEmail->text();
    v.smtp = tSMTP->text();
    v.vaakaTulostus = chkVaakatulostus->isChecked();
    v.vanhatMallit = chkVanhatMallit->isChecked();
    v.vanhatTositteet = chkVanhatTositteet->isChecked();
    v.automaattisestiUusiTosite = chkAutomaattisestiUusiTosite->isChecked();
    v.kustannuspaikat = chkKustannuspaikat->isChecked();
    v.fontti = cmbFonts->currentText();
    // A size that is no number is 10; one that is, is rounded and kept
    // within the sizes the reports take.
    const std::optional<long> size = core::ReadWholeNumber(cmbFonttiKoko->currentText());
    v.fonttiKoko = size ? int(std::clamp(*size, 1L, 72L)) : 10;

    struct MarginField {
        QLineEdit* field;
        double* value;
    };
    const MarginField margins[] = {
        {tMargYla, &v.margYla}, {tMargAla, &v.margAla}, {tMargVas, &v.margVas}, {tMargOik, &v.margOik}};
    for (const MarginField& m : margins) {
        const std::optional<double> mm = MarginValue(m.field->text());
        if (!mm) {
            core::ShowInfo(MarginMessage(m.field->text()));
            m.field->setFocus();
            return std::nullopt;
        }
        *m.value = *mm;
    }
    return v;
}

bool frmAsetukset::openBookForSave(const QString& path, dao::Database& db, bool* missing) {
    return openBook(path, db, OnFailure::Repair, missing);
}

bool frmAsetukset::upgrade(dao::Database& db, bool quiet, bool saving) {
    try {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        core::UpdateDatabase(db);
        return true;
    } catch (const core::UpgradeError& e) {
        if (!quiet) reportUpgradeError(e, saving);
    } catch (const std::exception&) {
        if (!quiet)
            core::ShowCritical((saving ? notSavedText() + kCrLf : QString()) +
                               core::TranslateStr(QStringLiteral("frmAsetukset"),
                                                  QStringLiteral("Tietokannan päivitys ohjelman nykyiseen muotoon ei "
                                                                 "onnistunut, eikä tietokantaan tehty muutoksia.")) +
                               kCrLf + errorText(std::current_exception()));
    }
    return false;
}

namespace {

// A save refused because another copy saved its settings after the window
// read them.
void tellSavedElsewhere() {
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                      QStringLiteral("Asetuksia ei tallennettu, koska toisessa ohjelmassa, jossa sama "
                                                     "kirjanpito on auki, tallennettiin asetukset sen jälkeen, kun "
                                                     "tämä ikkuna avattiin.")) +
                   kCrLf + kCrLf +
                   core::TranslateStr(QStringLiteral("frmAsetukset"),
                                      QStringLiteral("Ikkunassa näkyvät nyt tallennetut asetukset; kentät, joita "
                                                     "muutit tässä ikkunassa, ovat niin kuin kirjoitit ne. Tallenna "
                                                     "uudelleen, jos haluat ne käyttöön.")));
}

void tellSaveFailed(std::exception_ptr error) {
    core::ShowCritical(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Asetusten tallentaminen ei onnistunut, eikä asetuksiin "
                                                         "tehty muutoksia.")) +
                       kCrLf + errorText(error));
}

}  // namespace

bool frmAsetukset::writeStores(dao::Database& db, const Entered& v) {
    // What a step that fails puts back.
    const core::Settings before = core::CurrentSettings;

    // The new values, as the settings store writes them.
    core::DatabasePath = v.databasePath;
    core::DatabaseBackup = v.databaseBackup;
    core::Language = v.language;
    core::MultiDb = v.multiDb;
    if (v.tilikausiAlku) core::TilikausiAlku = *v.tilikausiAlku;
    if (v.edTilikausiAlku) core::EdTilikausiAlku = *v.edTilikausiAlku;
    if (v.tilikausiLoppu) core::TilikausiLoppu = *v.tilikausiLoppu;
    if (v.edTilikausiLoppu) core::EdTilikausiLoppu = *v.edTilikausiLoppu;
    core::LaskettavaTili = v.laskettavaTili;
    core::VoittoTaseella = v.voittoTaseella;
    core::Email = v.email;
    core::SMTP = v.smtp;
    core::VaakaTulostus = v.vaakaTulostus;
    core::VanhatMallit = v.vanhatMallit;
    core::VanhatTositteet = v.vanhatTositteet;
    core::AutomaattisestiUusiTosite = v.automaattisestiUusiTosite;
    core::Kustannuspaikat = v.kustannuspaikat;
    core::Fontti = v.fontti;
    core::FonttiKoko = v.fonttiKoko;
    core::MargYla = v.margYla;
    core::MargAla = v.margAla;
    core::MargVas = v.margVas;
    core::MargOik = v.margOik;
    core::SeuranNimi = v.seuranNimi.isEmpty() ? core::DefaultSeuranNimi(v.databasePath) : v.seuranNimi;

    // Into the book in use, the save must not put back a year that another
    // copy of the program has changed meanwhile, nor settings another copy
    // has saved since the window read them.
    std::optional<std::pair<dao::Date, dao::Date>> shownYear;
    if (v.databasePath == before.DatabasePath && !shownAlku_.isZero()) shownYear.emplace(shownAlku_, shownLoppu_);
    const std::optional<core::ShownStores> shown =
        v.databasePath == shownStoresPath_ ? shownStores_ : std::optional<core::ShownStores>();
    try {
        // Both stores as one save; a failure leaves both as they were.
        switch (core::SaveAllSettings(db, shownYear, shown)) {
        case core::SaveResult::Saved:
            break;
        case core::SaveResult::YearChanged:
            // The window keeps what was typed; it shows the book's year once
            // the program has taken it (ReadBookAgain).
            core::CurrentSettings = before;
            core::TilikausiVaihtunutMuualla();
            return false;
        case core::SaveResult::StoresChanged:
            core::CurrentSettings = before;
            tellSavedElsewhere();
            showStoresAgain();
            return false;
        }
    } catch (const std::exception&) {
        core::CurrentSettings = before;
        tellSaveFailed(std::current_exception());
        return false;
    }

    // The margins of the report control follow the settings.
    core::ReportControlMargins.top = qRound(v.margYla * report::ReportControl::kMarginUnitsPerMm);
    core::ReportControlMargins.bottom = qRound(v.margAla * report::ReportControl::kMarginUnitsPerMm);
    core::ReportControlMargins.left = qRound(v.margVas * report::ReportControl::kMarginUnitsPerMm);
    core::ReportControlMargins.right = qRound(v.margOik * report::ReportControl::kMarginUnitsPerMm);
    reports::ApplyReportMargins();
    // Under C the formats follow a changed language.
    core::ApplyRegionalFormats();
    // Later work reaches the named book through the shared connection.
    if (before.DatabasePath != core::DatabasePath) core::DBCon().SuljeDB();
    return true;
}

bool frmAsetukset::writeProgramStores(const Entered& v) {
    // Not over another copy's save since the window read the ini file.
    std::optional<core::ShownStores> iniShown = shownStores_;
    if (iniShown) iniShown->book.clear();
    if (iniShown && !core::ReadShownStores().holds(*iniShown)) {
        tellSavedElsewhere();
        showStoresAgain();
        return false;
    }
    // What a step that fails puts back.
    const core::Settings before = core::CurrentSettings;
    core::DatabasePath = v.databasePath;
    core::DatabaseBackup = v.databaseBackup;
    core::Language = v.language;
    core::MultiDb = v.multiDb;
    try {
        core::SaveIniSettings();
    } catch (const std::exception&) {
        core::CurrentSettings = before;
        tellSaveFailed(std::current_exception());
        return false;
    }
    if (before.DatabasePath != core::DatabasePath) core::DBCon().SuljeDB();
    return true;
}

void frmAsetukset::refreshMainWindow() {
    if (frmMain* main = mainWindow()) {
        main->ShowCaption();
        main->CheckKPStatus();
    }
}

bool frmAsetukset::Tallenna() {
    const std::optional<Entered> v = enteredValues();
    if (!v) return false;
    dao::Database db;
    bool missing = false;
    if (!openBookForSave(v->databasePath, db, &missing)) {
        // A book that is not there keeps none of its own settings, but the
        // program's settings (the language, the folders, the book's name to
        // be corrected) are stored and the window closes.
        if (!missing || !writeProgramStores(*v)) return false;
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Ohjelman asetukset tallennettiin. Seuran asetuksia ei "
                                                         "tallennettu, koska tietokantaa ei löydy.")));
        changed_ = false;
        refreshMainWindow();
        hide();
        ui::Forms::unload(*this);
        return true;
    }
    if (!upgrade(db, false, true)) {
        closeQuietly(db);
        return false;
    }
    const bool written = writeStores(db, *v);
    closeQuietly(db);
    if (!written) return false;
    changed_ = false;
    refreshMainWindow();
    hide();
    ui::Forms::unload(*this);
    return true;
}

// ---------------------------------------------------------------- another book

bool frmAsetukset::takeBookIntoUse(const QString& path, bool quiet) {
    // The book is tested, upgraded and read before the program turns to
    // it: a book that fails leaves everything as it was.
    dao::Database db;
    if (!openBook(path, db, quiet ? OnFailure::Quiet : OnFailure::Report)) return false;
    if (!upgrade(db, quiet)) {
        closeQuietly(db);
        return false;
    }
    // The open windows store what they hold in the book they show before
    // the program turns to the other one, and read the new one afterwards.
    const core::BookChange change;
    if (!change.began()) {
        closeQuietly(db);
        return false;
    }
    // What a step that fails puts back.
    const core::Settings before = core::CurrentSettings;
    try {
        try {
            core::SettleUnfinishedSave(db);
        } catch (const dao::DaoError&) {
            // Another copy holds the book: the settings read as they stand
            // all the same, and a later write settles them.
        }
        core::LoadDatabaseSettings(db);
    } catch (const std::exception&) {
        core::CurrentSettings = before;
        closeQuietly(db);
        if (!quiet)
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                              QStringLiteral("Tietokannan asetusten lukeminen ei onnistunut:")) +
                           kCrLf + errorText(std::current_exception()));
        return false;
    }
    closeQuietly(db);

    core::DBCon().SuljeDB();
    core::DatabasePath = path;
    reports::ApplyReportMargins();
    refreshMainWindow();
    return true;
}

void frmAsetukset::loadUnreadSettings() {
    // A book's settings always hold a financial year: none means that no
    // book was read in this run (start-up could not open it, or refused a
    // year that ends before it begins). The window then reads the named book
    // itself, if it opens now, so that it shows that book's settings and not
    // the program's defaults, a refused year as it is stored, to be set
    // right.
    if (!core::TilikausiAlku.isZero() || core::DatabasePath.isEmpty()) return;
    takeBookIntoUse(core::DatabasePath, true);
}

void frmAsetukset::ValitseTietokanta() {
    const QString chosen = ui::Dialogs().openFile(
        core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Kolvio - tietokantahakemisto")),
        tTietokanta->text(), QStringLiteral("Database (*.mdb)|*.mdb"));
    // A cancelled choice changes nothing.
    if (chosen.isEmpty()) return;
    if (!takeBookIntoUse(chosen, false)) return;

    tTietokanta->setText(chosen);
    FillAccountLists();
    showStores();
    // The book's year is shown as stored, to be set right here.
    if (const std::optional<core::BrokenYear> broken = core::BrokenFinancialYear()) tellBrokenYear(*broken);
    // The ini file still names the earlier book until the settings are saved.
    changed_ = true;
}

// ---------------------------------------------------------------- change of year

bool frmAsetukset::storeNewYearDates() {
    dao::Database db;
    try {
        db = dao::DBEngine::OpenDatabase(core::DatabasePath);
        core::TallennaTilikaudet(db, core::TilikausiAlku, core::TilikausiLoppu, core::EdTilikausiAlku,
                                 core::EdTilikausiLoppu);
        db.Close();
        return true;
    } catch (const std::exception&) {
        closeQuietly(db);
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                              QStringLiteral("Uuden tilikauden päivämäärien tallentaminen ei "
                                                             "onnistunut:")) +
                           kCrLf + errorText(std::current_exception()));
        return false;
    }
}

void frmAsetukset::VaihdaTilikausi() {
    if (!IsRegistered(QStringLiteral("frmKaudenVaihto"))) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"),
                                          QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
        return;
    }
    // A year the program does not work in is not closed; one that another
    // copy has set right meanwhile is taken, and shown.
    if (core::TilikausiEiKaytossa()) {
        if (const std::optional<core::BrokenYear> refused = TilikausiKorjattuMuualla()) {
            core::ShowInfo(core::TilikausiEiKaytossaText(*refused, QStringLiteral("frmAsetukset")));
            return;
        }
        showYear();
    }
    const dao::Date alku = core::TilikausiAlku, loppu = core::TilikausiLoppu;
    const dao::Date edAlku = core::EdTilikausiAlku, edLoppu = core::EdTilikausiLoppu;
    const int refusals = core::TilikausiVaihtunutMuuallaKerrat();
    try {
        RunOpener(QStringLiteral("frmKaudenVaihto"));
    } catch (const std::exception&) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmAsetukset"), QStringLiteral("Odottamaton virhe: ")) +
                       errorText(std::current_exception()));
        return;
    }
    // Another copy had changed the year already, and the user has been told
    // that nothing was stored: nothing is, and the window stays with what
    // was typed.
    if (core::TilikausiVaihtunutMuuallaKerrat() != refusals) return;
    // A completed change has moved the year: its dates are stored in the
    // book at once, whatever becomes of the rest of the save.
    const bool moved = core::TilikausiAlku != alku || core::TilikausiLoppu != loppu ||
                       core::EdTilikausiAlku != edAlku || core::EdTilikausiLoppu != edLoppu;
    if (moved && !storeNewYearDates()) return;

    showYear();
    Tallenna();
}

}  // namespace shell
