#pragma once

// What the three memory-stick windows share: finding the stick, the folder
// layout on it, and the program's immediate end after a restore.
//
// The stick is the first ready removable drive whose volume label is
// "DURARADERA" (any letter case). On it the copies lie as
//
//   <stick>/<AppTitle>/<yyyyMMdd>/<the book's file name>
//
// one folder per day of copying; nothing else is written to the stick.

#include "platform/fso/drives.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

namespace maintenance {

inline const QString kStickLabel = QStringLiteral("DURARADERA");

struct BackupStick {
    bool found = false;
    fso::Drive drive;
    // How the windows name the stick to the user: its mount point.
    QString name() const { return drive.rootPath; }
};

// The first drive of the drive list (in its order) that is ready, removable
// and labelled kStickLabel; the label is looked at only on such drives.
BackupStick FindBackupStick();

// <stick>/<AppTitle>.
QString StickTitleFolder(const BackupStick& stick);

// A day as the name of its folder: eight digits yyyyMMdd.
QString DayFolderName(const QDate& day);
// The same from a day number (20120213), zero-padded to eight digits.
QString DayFolderName(long dayNumber);
// A day number as the day lists show it: "13.02.2012".
QString DayText(long dayNumber);

// The day numbers of the subfolders of folder whose names are exactly
// eight digits, ascending. Other subfolders are left out. Raises fso::Error
// when the folder cannot be read.
QList<long> BackupDays(const QString& folder);

// Creates folder and any missing folders above it. Raises fso::Error.
void EnsureFolder(const QString& folder);

// Gives the file at path the mode that a file made now gets: read and
// write for everyone, less the process's umask (0644 under the usual 022),
// in place of the one a copy takes from the stick (FAT shows its files as
// -rwx------). Where the file system keeps no modes, the file stays as it
// is.
void GiveNewFileMode(const QString& path);

// The date of a copy: today (tests set another clock; an empty function
// returns to the system's).
QDate Today();
void SetTodayHook(std::function<QDate()> hook);

// Ends the program at once: no window unloads, nothing is saved. Used after
// a restore from the stick has made another file the book, so that no open
// window writes what it holds into the restored book. Tests set a hook of
// their own (an empty function returns to the real end).
void EndProgramNow();
void SetEndProgramHook(std::function<void()> hook);

}  // namespace maintenance
