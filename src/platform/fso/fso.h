#pragma once

// Files and folders. The operations that change something raise fso::Error
// (a number and a description, in the manner of the classic file-system
// object: 53 file not found, 58 file already exists, 70 permission denied,
// 75 path/file access error, 76 path not found); the tests of existence and
// of the read-only state never raise.

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace fso {

namespace err {
constexpr int FileNotFound = 53;
constexpr int FileAlreadyExists = 58;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
}  // namespace err

class Error : public std::runtime_error {
public:
    Error(int number, const QString& description);
    int number() const { return number_; }
    QString description() const { return description_; }

private:
    int number_;
    QString description_;
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
// true (otherwise 58); the copy goes to a temporary name first, so a failed
// copy never leaves a half-written target. 53 when the source is missing,
// 76 when the target folder is missing, 70 when the target cannot be written.
void CopyFile(const QString& source, const QString& target, bool overwrite = false);

// Renames or moves a file; an existing target is not replaced (58).
void RenameFile(const QString& from, const QString& to);

// Deletes a file: 53 when there is none, 70 when it cannot be removed.
void DeleteFile(const QString& path);

// Creates one folder (its parent must exist: 76 otherwise); 58 when the
// folder is there already.
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

}  // namespace fso
