#pragma once

// The two commands of the main window's menu "Varmistus kansioon", which
// have no window of their own:
//
//   mVarmistusClick  copies the book into the backup folder (the setting
//                    DatabaseBackup) and then compacts the book in place:
//                    the compacted copy is made as X.md2 beside the book,
//                    the book as it was is kept as X.md3, and the compacted
//                    copy takes the book's name;
//   mPalautusClick   lets the user pick a copy of a book, copy it to a place
//                    of their choice and, if they want, make it the book.
//
// Both close the shared connection; the next use of the database opens the
// book again. Their messages are the main window's texts.

#include <QChar>
#include <QString>
#include <exception>

namespace maintenance {

void mVarmistusClick();
void mPalautusClick();

// A file beside the book: its path with the last character replaced by
// digit ("kirja.mdb" -> "kirja.md2"). When that would be the book's own
// name (a path ending in the digit already) the digit is added instead.
QString CompanionPath(const QString& bookPath, QChar digit);

// Where the backup copy of the book goes: the book's file name in folder.
QString BackupTarget(const QString& folder, const QString& bookPath);

// A compaction that failed with error found the book damaged.
bool CompactionFoundDamage(std::exception_ptr error);
// Why a compaction of book failed with error, for the user, the book
// having been checked whole before it: that it was stopped or cancelled
// (the book left as it was), or the error and, unless the compaction found
// the book damaged, that the book itself is whole and as it was.
QString CompactionFailureReason(const QString& book, std::exception_ptr error);

// The file of the book at path: the book's own, or the one a symbolic link
// at path leads to (through every link). A compaction replaces that file,
// so that a link stays a link and leads to the compacted book.
QString BookFileBehindLinks(const QString& path);

// A restore's copy that is not a book of the program (its layout, or a
// trigger it carries) is not restored: true, and the user told, naming its
// first foreign definitions. The copy's file alone is looked at, as the
// restore copies it, and only read.
bool CopyIsRefused(const QString& copy);

}  // namespace maintenance
