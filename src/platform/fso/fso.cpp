#include "platform/fso/fso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>

namespace fso {

namespace {

constexpr int kDiskFull = 61;

QString describe(int number) {
    switch (number) {
    case err::FileNotFound: return QStringLiteral("File not found");
    case err::FileAlreadyExists: return QStringLiteral("File already exists");
    case err::PermissionDenied: return QStringLiteral("Permission denied");
    case err::PathNotFound: return QStringLiteral("Path not found");
    case kDiskFull: return QStringLiteral("Disk full");
    default: return QStringLiteral("Path/File access error");
    }
}

[[noreturn]] void raise(int number) { throw Error(number, describe(number)); }

// Error number for a failed system call.
int numberForErrno(int e) {
    switch (e) {
    case ENOENT: return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY: return err::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    case EEXIST: return err::FileAlreadyExists;
    default: return err::PathFileAccess;
    }
}

QString parentOf(const QString& path) { return QFileInfo(path).absolutePath(); }

// The permission bits of the file itself (owner, group, others), without the
// "current user" flags, which would be read back as owner bits.
QFile::Permissions modeBits(QFile::Permissions p) {
    constexpr QFile::Permissions kMask = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                         QFileDevice::ReadOther | QFileDevice::WriteOther |
                                         QFileDevice::ExeOther;
    return p & kMask;
}

}  // namespace

Error::Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo fi(path);
    return fi.exists() && !fi.isDir();
}

bool FolderExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString BuildPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (name.isEmpty()) return folder;
    QString f = folder;
    QString n = name;
    while (f.size() > 1 && f.endsWith(QLatin1Char('/'))) f.chop(1);
    while (n.startsWith(QLatin1Char('/'))) n.remove(0, 1);
    if (f == QLatin1String("/")) return f + n;
    return f + QLatin1Char('/') + n;
}

QString GetFileName(const QString& path) {
    const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? path : path.mid(i + 1);
}

QString GetParentFolderName(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
    const qsizetype i = p.lastIndexOf(QLatin1Char('/'));
    if (i < 0) return QString();
    if (i == 0) return QStringLiteral("/");
    return p.left(i);
}

qint64 FileSize(const QString& path) {
    if (!FileExists(path)) raise(err::FileNotFound);
    return QFileInfo(path).size();
}

void CopyFile(const QString& source, const QString& target, bool overwrite) {
    if (!FileExists(source)) raise(err::FileNotFound);
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir()) raise(err::PermissionDenied);
    if (targetInfo.exists() && !overwrite) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(target)).isDir()) raise(err::PathNotFound);
    if (QFileInfo(source).canonicalFilePath() == targetInfo.canonicalFilePath()) {
        raise(err::PermissionDenied);  // a file cannot be copied onto itself
    }

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) raise(err::PermissionDenied);

    // Write beside the target and rename over it at the end, so that the
    // target is either the old file or the whole new copy.
    QTemporaryFile out(QDir(parentOf(target)).filePath(QStringLiteral(".kvcopy.XXXXXX")));
    if (!out.open()) raise(numberForErrno(errno));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) raise(err::PathFileAccess);
        if (n == 0) break;
        errno = 0;
        if (out.write(buffer.constData(), n) != n) raise(numberForErrno(errno ? errno : ENOSPC));
    }
    errno = 0;
    if (!out.flush()) raise(numberForErrno(errno ? errno : ENOSPC));
    // A short write can slip past a buffered device; the size cannot.
    if (out.size() != in.size()) raise(kDiskFull);
    out.setPermissions(modeBits(in.permissions()));
    if (targetInfo.exists() && !overwrite) raise(err::FileAlreadyExists);
    const QByteArray from = QFile::encodeName(out.fileName());
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0) raise(numberForErrno(errno));
    out.setAutoRemove(false);
}

void RenameFile(const QString& from, const QString& to) {
    const QFileInfo src(from);
    if (!src.exists() || src.isDir()) raise(err::FileNotFound);
    if (QFileInfo::exists(to)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(to)).isDir()) raise(err::PathNotFound);
    QFile file(from);
    if (!file.rename(to)) raise(err::PermissionDenied);
}

void DeleteFile(const QString& path) {
    if (!FileExists(path)) raise(err::FileNotFound);
    QFile file(path);
    if (!file.remove()) raise(err::PermissionDenied);
}

void CreateFolder(const QString& path) {
    if (path.isEmpty()) raise(err::PathNotFound);
    if (QFileInfo::exists(path)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(path)).isDir()) raise(err::PathNotFound);
    if (!QDir().mkdir(path)) raise(err::PermissionDenied);
}

QStringList SubFolders(const QString& folder) {
    if (!FolderExists(folder)) raise(err::PathNotFound);
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

QStringList Files(const QString& folder) {
    if (!FolderExists(folder)) raise(err::PathNotFound);
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool IsFileReadOnly(const QString& path) noexcept {
    try {
        if (!FileExists(path)) return false;
        const QFileInfo fi(path);
        return !(fi.permissions() & QFileDevice::WriteOwner) || !fi.isWritable();
    } catch (...) {
        return false;
    }
}

bool ClearReadOnly(const QString& path) noexcept {
    try {
        if (!FileExists(path)) return false;
        const QFile::Permissions perms = modeBits(QFile::permissions(path));
        if (!(perms & QFileDevice::WriteOwner)) {
            if (!QFile::setPermissions(path, perms | QFileDevice::WriteOwner)) return false;
        }
        return !IsFileReadOnly(path);
    } catch (...) {
        return false;
    }
}

}  // namespace fso
