#pragma once

// The settings store: the program-wide keys of the ini file and the
// association's keys of its Settings table, with their types, defaults and
// encodings, loaded into and saved from the shared globals.

#include "core/globals.h"
#include "platform/dao/database.h"
#include "platform/ini/inifile.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

namespace core {

// The shared ini-file object, created on first use.
ini::cIniFile& IniFile();

// Section "KOLVIO" of the ini file into the globals; writes AppPath, and the
// defaults of Database and DatabaseBackup when they are empty, where the
// file does not hold them already.
void LoadIniSettings();
// DatabasePath = path, written under "Database". False when the ini file
// could not be written (DatabasePath is set all the same).
bool SaveDatabasePath(const QString& path);
// Database, DatabaseBackup, Language and MultiDb from the globals, in one
// write of the ini file; raises IniWriteError when it cannot be written.
void SaveIniSettings();

// The ini file could not be written; locked: because another program held
// it for longer than a write waits.
struct IniWriteError : std::runtime_error {
    explicit IniWriteError(const QString& f, bool l = false) : std::runtime_error(f.toStdString()), file(f), locked(l) {}
    QString file;
    bool locked = false;
};

// A save that did not stand: another copy of the program on the same book
// saved its settings (or settled this save as a crash would have left it)
// after this save wrote the book and before it could write the ini file.
// The stores hold that other copy's save and nothing of this one.
struct SettingsSavedElsewhere : std::runtime_error {
    SettingsSavedElsewhere() : std::runtime_error("the settings were saved by another copy meanwhile") {}
};

// A save that did not begin: another copy of the program on the same book
// is between the two writes of its own save. Nothing of this save was
// written.
struct SettingsSaveInProgress : std::runtime_error {
    SettingsSaveInProgress() : std::runtime_error("another copy is saving its settings") {}
};

// The settings a settings window showed, as both stores held them when it
// read them: the texts of the keys its save writes, but for the four dates
// of the years (a change of year is met on its own, with the year the
// window showed). A save that finds the stores otherwise would write over
// another copy's save.
struct ShownStores {
    QList<std::pair<QString, QString>> book;  // the book's keys that it holds, by name
    QString iniFile;                          // the ini file they were read from
    QList<std::pair<QString, QString>> ini;   // its keys, "" for one it lacks
    // Whether now holds what was shown: the book's keys, and the ini file's
    // when it is the same file.
    bool holds(const ShownStores& shown) const {
        return book == shown.book && (iniFile != shown.iniFile || ini == shown.ini);
    }
};
// The stores as they stand now for the book db (its settings as they
// stand: a save left unfinished reads as the one before it).
ShownStores ReadShownStores(const dao::Database& db);
// The same without a book: the ini file's keys alone.
ShownStores ReadShownStores();

// What became of a settings window's save.
enum class SaveResult {
    Saved,
    YearChanged,    // the book's year is not the one shown: nothing written
    StoresChanged,  // the stores are not as shown: nothing written
};

// The settings window's save: the association's settings into db and the
// program-wide ones into the ini file, from the globals, as one save that
// a crash at any moment leaves as the earlier save or this one (the next
// SettleUnfinishedSave of the book decides which), and that no other
// copy's save on the same book is mixed with: the ini file is written
// inside a write of the book. Raises (IniWriteError, SettingsSavedElsewhere,
// SettingsSaveInProgress, or the engine's error: Locked when another copy
// holds the book longer than a write waits) with neither store holding
// this save as it stands: a book part written before a second write that
// could not get the book reads as the settings before it, and the next
// write of the book that settles (an opening, a save, a write that checks
// the year) puts those back. With shownYear
// (the current year's first and last day as the settings window showed
// them), nothing is written when the book's year is another: a second
// copy of the program has changed it meanwhile, and this save would put
// the year before back (YearChanged).
// With shown, nothing is written either when the stores do not hold what
// the window showed (StoresChanged): another copy has saved its settings
// since the window read them, and this save would put them back.
SaveResult SaveAllSettings(dao::Database& db, const std::optional<std::pair<dao::Date, dao::Date>>& shownYear = {},
                           const std::optional<ShownStores>& shown = {});
// Brings a book whose settings a save left unfinished to one save or the
// other: the new settings stay when the ini file holds that save, and the
// earlier ones come back when it does not, unless the book's settings have
// been saved again since (they differ from what that save left), when the
// later save stands. A save that another running program is still making
// is left to it. Decided and done inside one write of the book. Called
// when a book is opened, before its settings are loaded.
void SettleUnfinishedSave(dao::Database& db);

// The four dates of the financial years into the book's settings, in one
// write (or inside the caller's): the change of year's. A save that another
// copy is making meanwhile takes the new dates into what it kept and into
// the digest its second write checks, so that it stands, or is put back,
// with this year.
void TallennaTilikaudet(dao::Database& db, const dao::Date& alku, const dao::Date& loppu, const dao::Date& edAlku,
                        const dao::Date& edLoppu);

// Every key of the Settings table's section "KOLVIO" into the globals, the
// report margins into the report control's settings, then the report period
// and switches. A stored value that does not convert gives its key's
// default, so one bad value does not stop the others from loading. A save
// that a program left unfinished and no longer makes reads as the settings
// before it.
void LoadDatabaseSettings(dao::Database& db);
// The same into a copy of settings (the rest of it as given): the book's
// settings as they stand now, for a window that shows them.
Settings ReadDatabaseSettings(dao::Database& db, Settings settings);
// The keys of the current financial year's two dates that the book's
// settings do not hold as a date of the years 100 to 9999: each as its key
// and, when the book has a value for it, a colon and that value (its first
// characters). The loads take the current calendar year's dates in their
// place, which start-up tells the user.
QStringList LukemattomatTilikausipaivat(dao::Database& db);
// The first of the current and the previous financial year of settings
// that ends before it begins or has a date outside the years 100 to 9999;
// nothing when both are sound or a date of one is not set.
std::optional<BrokenYear> BrokenFinancialYear(const Settings& settings = CurrentSettings);

// Whether the current financial year that the book's settings hold is
// still alku - loppu (by default the year the program works in). Another
// copy of the program on the same book may have changed the year since
// this one loaded it; asked inside a write of the book, the answer holds
// until the write ends. A date the book does not hold, or that does not
// read as one, is taken to agree. The book's year is the one it stands on:
// a save left unfinished by a program that no longer makes it (this
// program's own refused save among them) is no change of another copy's,
// and inside a write it is settled first.
bool TilikausiEnnallaan(dao::Database& db, const dao::Date& alku = TilikausiAlku,
                        const dao::Date& loppu = TilikausiLoppu);

// The year the program cannot work in while it is its year: a year of
// the settings that ends before it begins or has a date outside the years
// 100 to 9999, or, while the program has no current year, the book's year
// that start-up refused (HylattyTilikausi). Nothing while the program works
// in a sound year, and while no book's settings were read for another
// reason (no book at all).
std::optional<BrokenYear> TilikausiEiKaytossa();
// Asked before a command is refused for TilikausiEiKaytossa: the book's
// settings are read again, and when the book now holds a year the program
// can work in (another copy of the program has set it right), they are
// taken into use as a start takes them and nothing is returned. Otherwise
// the year that still refuses the command (the book's as it now stands).
std::optional<BrokenYear> OtaKorjattuTilikausi(dao::Database& db);

// The program's settings with the book's four financial-year dates in
// place of its own, and the report period with the current year: what
// this copy's own change of year would leave, for a copy whose book
// another copy has moved on. A date the book does not hold, or that does
// not read as one, stays as the program has it. Nothing when the current
// year would then end before it begins or lack its first or last day.
std::optional<Settings> KirjanpidonTilikaudet(dao::Database& db);
// Takes KirjanpidonTilikaudet into the program; without them, everything
// stays as it is.
void OtaKirjanpidonTilikaudet(dao::Database& db);

// Writes every key the settings window edits from the globals (dates in ISO
// form, flags as "1"/"0"); LastModelForBudget and LastPeriodForBudget are
// not written.
void SaveDatabaseSettings(dao::Database& db);

// The encodings, shared with the settings window.
QString flagText(bool on);
bool flagValue(const QString& text, bool def);
// ISO yyyy-MM-dd. A stored date is read with dao::Date::fromText, which
// reads the ISO form and the forms a user types.
QString dateText(const dao::Date& d);

// The association's name that stands for a book when none is stored: the
// book file's name without its extension.
QString DefaultSeuranNimi(const QString& bookPath);
// The association's name as the Settings table keeps it for the book at
// bookPath: empty when it is the default, so that the default follows the
// file.
QString StoredSeuranNimi(const QString& name, const QString& bookPath);

// Default backup folder of this platform (in place of a floppy drive).
QString defaultBackupFolder();

}  // namespace core
