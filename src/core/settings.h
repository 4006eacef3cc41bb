#pragma once

// The settings store: the program-wide keys of the ini file and the
// association's keys of its Settings table, with their types, defaults and
// encodings, loaded into and saved from the shared globals.

#include "platform/dao/database.h"
#include "platform/ini/inifile.h"

#include <QString>

namespace core {

// The shared ini-file object, created on first use.
ini::cIniFile& IniFile();

// Section "KOLVIO" of the ini file into the globals; writes AppPath, and the
// defaults of Database and DatabaseBackup when they are empty.
void LoadIniSettings();
// DatabasePath = path, written under "Database". False when the ini file
// could not be written (DatabasePath is set all the same).
bool SaveDatabasePath(const QString& path);
// Database, DatabaseBackup, Language and MultiDb from the globals.
void SaveIniSettings();

// Every key of the Settings table's section "KOLVIO" into the globals, the
// report margins into the report control's settings, then the report period
// and switches. A stored value that does not convert gives its key's
// default, so one bad value does not stop the others from loading.
void LoadDatabaseSettings(dao::Database& db);
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

// Default backup folder of this platform (in place of a floppy drive).
QString defaultBackupFolder();

}  // namespace core
