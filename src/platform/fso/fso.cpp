#include "platform/fso/fso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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

// Writes what the system holds of an open file to the disk.
void syncHandle(int fd, const QString& path) {
    WritePoint("sync", path);
    if (::fsync(fd) != 0) raise(numberForErrno(errno));
}

// A new name in a folder is on the disk only when the folder is. Some file
// systems cannot sync a folder; the file itself was synced already.
void syncFolderOf(const QString& path) {
    const QString folder = parentOf(path);
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    WritePoint("sync", folder);
    ::fsync(fd);
    ::close(fd);
}

// A work file beside target, open for writing; removed again unless kept.
struct WorkFile {
    explicit WorkFile(const QString& target) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path = WorkFileNameBeside(target);
            file.setFileName(path);
            errno = 0;
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return;
            if (!QFileInfo::exists(path)) raise(numberForErrno(errno ? errno : EACCES));
        }
        raise(err::PathFileAccess);
    }
    ~WorkFile() {
        if (kept) return;
        file.close();
        QFile::remove(path);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;
    void keep() { kept = true; }

    QString path;
    QFile file;
    bool kept = false;
};

WritePointHook& writePointHook() {
    static WritePointHook h;
    return h;
}

}  // namespace

void WritePoint(const char* step, const QString& path) {
    if (writePointHook()) writePointHook()(step, path);
}

void SetWritePointHook(WritePointHook hook) { writePointHook() = std::move(hook); }

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
    // target is either the old file or the whole new copy. The copy is on
    // the disk before it takes the name: a crash just after the copy
    // reported success cannot leave an empty or partial file under it.
    WorkFile out(target);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) raise(err::PathFileAccess);
        if (n == 0) break;
        errno = 0;
        if (out.file.write(buffer.constData(), n) != n) raise(numberForErrno(errno ? errno : ENOSPC));
    }
    errno = 0;
    if (!out.file.flush()) raise(numberForErrno(errno ? errno : ENOSPC));
    // A short write can slip past a buffered device; the size cannot.
    if (out.file.size() != in.size()) raise(kDiskFull);
    out.file.setPermissions(modeBits(in.permissions()));
    syncHandle(out.file.handle(), out.path);
    out.file.close();
    if (targetInfo.exists() && !overwrite) raise(err::FileAlreadyExists);
    WritePoint("rename", target);
    const QByteArray from = QFile::encodeName(out.path);
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0) raise(numberForErrno(errno));
    out.keep();
    syncFolderOf(target);
}

void RenameFile(const QString& from, const QString& to) {
    const QFileInfo src(from);
    if (!src.exists() || src.isDir()) raise(err::FileNotFound);
    if (QFileInfo::exists(to)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(to)).isDir()) raise(err::PathNotFound);
    WritePoint("rename", to);
    QFile file(from);
    if (!file.rename(to)) raise(err::PermissionDenied);
    syncFolderOf(to);
}

void ReplaceFile(const QString& from, const QString& to) {
    const QFileInfo src(from);
    if (!src.exists() || src.isDir()) raise(err::FileNotFound);
    if (!QFileInfo(parentOf(to)).isDir()) raise(err::PathNotFound);
    if (QFileInfo(to).isDir()) raise(err::PermissionDenied);
    WritePoint("replace", to);
    const QByteArray f = QFile::encodeName(from);
    const QByteArray t = QFile::encodeName(to);
    if (std::rename(f.constData(), t.constData()) != 0) raise(numberForErrno(errno));
    syncFolderOf(to);
}

void LinkOrCopyFile(const QString& source, const QString& target) {
    if (!FileExists(source)) raise(err::FileNotFound);
    if (QFileInfo::exists(target)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(target)).isDir()) raise(err::PathNotFound);
    WritePoint("link", target);
    const QByteArray s = QFile::encodeName(source);
    const QByteArray t = QFile::encodeName(target);
    if (::link(s.constData(), t.constData()) == 0) {
        syncFolderOf(target);
        return;
    }
    switch (errno) {
    case EPERM:  // file systems without hard links (FAT) say so
    case EXDEV:
    case EMLINK:
    case EOPNOTSUPP:
    case ENOSYS:
        CopyFile(source, target, false);
        return;
    default:
        raise(numberForErrno(errno));
    }
}

QString WorkFileNameBeside(const QString& target) {
    const QFileInfo fi(target);
    const QString random = QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, u'0');
    return QDir(fi.absolutePath()).filePath(u'.' + fi.fileName() + u'.' + random + QStringLiteral(".kvtmp"));
}

QString CreateWorkFileBeside(const QString& target) {
    WorkFile made(target);
    made.file.close();
    made.keep();
    return made.path;
}

int RemoveLeftoverWorkFiles(const QString& folder, const QString& ofFile) noexcept {
    try {
        if (!FolderExists(folder)) return 0;
        // Ours wherever they are: work files with the journal the engine
        // writes beside one, and the copies of earlier versions.
        static const QRegularExpression ours(QStringLiteral("^\\.(.+\\.kvtmp(-journal)?|kvcopy\\..{6})$"));
        // The compactions of earlier versions, named after their target.
        static const QRegularExpression earlier(QStringLiteral("^\\.(.+)\\.[0-9a-f]{12}\\.tmp$"));
        const QString stem = GetFileName(ofFile).size() > 1 ? GetFileName(ofFile).chopped(1) : GetFileName(ofFile);
        int removed = 0;
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            bool leftover = ours.match(name).hasMatch();
            if (!leftover && !stem.isEmpty()) {
                const QRegularExpressionMatch m = earlier.match(name);
                leftover = m.hasMatch() && m.captured(1).startsWith(stem);
            }
            if (leftover && QFile::remove(dir.filePath(name))) ++removed;
        }
        return removed;
    } catch (...) {
        // A folder that cannot be read has nothing of ours to remove; tidying
        // up is never worth a failure.
        return 0;
    }
}

void SyncFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) raise(numberForErrno(errno));
    try {
        syncHandle(fd, path);
    } catch (...) {
        // The file is closed, and the failure goes on.
        ::close(fd);
        throw;
    }
    ::close(fd);
}

void DeleteFile(const QString& path) {
    if (!FileExists(path)) raise(err::FileNotFound);
    WritePoint("delete", path);
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
        // A file whose state cannot be read counts as not write-protected;
        // writing it then fails and says so.
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
        // Not made writable: the caller is told by the result.
        return false;
    }
}

}  // namespace fso
