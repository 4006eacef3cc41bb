#pragma once

// Files and folders. The operations that change something raise fso::Error
// (a number and a description, in the manner of the classic file-system
// object: 53 file not found, 58 file already exists, 70 permission denied,
// 75 path/file access error, 76 path not found); the tests of existence and
// of the read-only state never raise.

#include "platform/error/numberederror.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace fso {

namespace err {
constexpr int FileNotFound = 53;
constexpr int FileAlreadyExists = 58;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
}  // namespace err

class Error : public errors::NumberedError {
public:
    Error(int number, const QString& description) : NumberedError(number, description) {}
};

bool FileExists(const QString& path);    // an existing file (not a folder)
bool FolderExists(const QString& path);  // an existing folder

// Joins a folder and a name with exactly one separator between them.
QString BuildPath(const QString& folder, const QString& name);
// The part after the last separator ("" for a path ending in one).
QString GetFileName(const QString& path);
// The path without its last part and the separator before it.
QString GetParentFolderName(const QString& path);

// Size of a file in bytes. Raises 53 when there is no such file.
qint64 FileSize(const QString& path);

// Copies a file. An existing target is replaced only when overwrite is
// true (otherwise 58); the copy goes to a temporary name first and is on
// the disk (synced) before it takes the target's name, so a failed or
// interrupted copy never leaves a half-written target. 53 when the source
// is missing, 76 when the target folder is missing, 70 when the target
// cannot be written.
void CopyFile(const QString& source, const QString& target, bool overwrite = false);

// Renames or moves a file; an existing target is not replaced (58).
void RenameFile(const QString& from, const QString& to);

// Gives the file at from the name to in one step, replacing the file of
// that name: at every moment to names either the old file or the new one.
// 53 when from is missing, 76 when the folder of to is missing.
void ReplaceFile(const QString& from, const QString& to);

// Makes target a second name of source (a hard link), or, where the file
// system has no such names, a synced copy. The target must not exist (58).
void LinkOrCopyFile(const QString& source, const QString& target);

// Work files of the copies and compactions: hidden files beside the file
// they are made for, named after it and ending in ".kvtmp". One that is
// still there was left by an interrupted run, with the engine's journal
// of it (".kvtmp-journal") when a compaction was writing it.
//
// A work file is held by the process that made it for as long as it lies
// under a work-file name: the process keeps a lock on it (flock), which the
// system lets go when the process ends, however it ends. The renames and
// deletions of this module carry the hold to another work-file name, or let
// it go when the file takes a name of its own or is deleted. The clean-ups
// below remove only work files that no running program holds, so that a
// second copy of the program never takes the work of the first.
QString WorkFileNameBeside(const QString& target);
// A work file beside target, made as an empty file and held by this process
// (raises when it cannot be made).
QString CreateWorkFileBeside(const QString& target);
// Whether a running program (this one among them) holds the work file at
// path. False when there is no such file, when the program that made it
// has ended, however it ended, and on a file system that takes no locks
// (where no work file is held).
bool WorkFileHeld(const QString& path) noexcept;
// Removes from folder what interrupted runs left: the work files and their
// journals, and the names earlier versions used, ".kvcopy.XXXXXX" of the
// copies and ".<name>.<12 hex digits>.tmp" of the compactions. A ".tmp"
// name is anybody's, so those go only when named after ofFile, the book
// whose folder it is (its own name, or a companion's that differs from it
// in the last character or adds to it); without ofFile they stay. A work
// file that a running program holds stays, with its journal. Returns how
// many it removed; it never raises.
int RemoveLeftoverWorkFiles(const QString& folder, const QString& ofFile = QString()) noexcept;
// The same for the work files made for target itself (its exact name, or
// for a symbolic link the file it leads to, as WriteFileWhole makes them),
// and nothing else of its folder: other files' work files may be another
// program's. Returns how many it removed; it never raises.
int RemoveLeftoverWorkFilesOf(const QString& target) noexcept;

// Writes bytes as the whole new contents of path: a work file beside it,
// written and synced, takes the name in one step, and the folder is synced
// so that the new name is on the disk too. At every moment path names the
// earlier file or the whole new one. An earlier file's permissions are
// kept. A symbolic link at path stays: the file it leads to (through every
// link) is the one replaced so, with its work file beside it. Raises as
// CopyFile does.
void WriteFileWhole(const QString& path, const QByteArray& bytes);
// The file that WriteFileWhole(path, ...) replaces: path itself, or the file
// a symbolic link at path leads to, through every link (it need not exist
// yet). Raises 75 when the links go round.
QString FileBehindLinks(const QString& path);

// True when the two paths name one and the same file (a second name of it,
// or the same name); false otherwise and on any error.
bool SameFile(const QString& a, const QString& b) noexcept;

// Writes what the system still holds of the file (or folder) to the disk.
// Raises when the disk reports a failure.
void SyncFile(const QString& path);

// Deletes a file: 53 when there is none, 70 when it cannot be removed.
void DeleteFile(const QString& path);

// Creates one folder (its parent must exist: 76 otherwise); 58 when the
// folder is there already. The parent is synced, so that the new folder is
// on the disk before anything is written into it.
void CreateFolder(const QString& path);

// Names (not paths) of the subfolders and of the files of a folder, in name
// order. 76 when the folder does not exist.
QStringList SubFolders(const QString& folder);
QStringList Files(const QString& folder);

// True when the file exists and is write-protected: its owner has no write
// permission (the read-only attribute of this platform), or the current
// user cannot write it. False otherwise and on any error.
bool IsFileReadOnly(const QString& path) noexcept;

// Makes the file writable again (gives its owner write permission). True
// when the file is writable afterwards; false on any error.
bool ClearReadOnly(const QString& path) noexcept;

// Write points: each step of the file handling that changes what lies on a
// disk passes one first, named by its step and the path it acts on:
//   "mkdir"    a folder is made (path: the new folder)
//   "rename", "replace", "link"   a file takes a name (path: the new name)
//   "delete"   a file is deleted
//   "sync"     a file, or a folder with the names in it, is written to the
//              disk (path: the file or the folder)
//   "compact", "commit"   the database engine writes a work file or commits
//   "settings" a save of the settings has written the book and goes on to
//              the ini file (path: the book)
// Tests watch them through the hook, in order (or have a process killed at
// the n-th one, to see what a crash at that moment leaves behind). Without
// a hook it does nothing.
using WritePointHook = std::function<void(const char* step, const QString& path)>;
void WritePoint(const char* step, const QString& path);
void SetWritePointHook(WritePointHook hook);

// The locks of the holds on work files: the hook is called in place of
// flock(fd, operation) and answers as it does (0, or -1 with errno set), so
// that a test can play a file system that has no locks. An empty function
// returns to the system's call.
using LockHook = std::function<int(int fd, int operation)>;
void SetLockHook(LockHook hook);

}  // namespace fso
