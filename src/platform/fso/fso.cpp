#include "platform/fso/fso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QHash>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
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

// The folder of path (all of it before its last part) as the system finds
// it, every link in it followed: a ".." after a folder that is a link goes
// to the parent of the folder the link leads to, not back to the folder
// that holds the link, as a textual clean-up would take it. Empty when the
// folder cannot be found.
QString resolvedFolderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    char* real = ::realpath(QFile::encodeName(folder).constData(), nullptr);
    if (!real) return QString();
    const QString resolved = QFile::decodeName(real);
    ::free(real);
    return resolved;
}

// The file that a write of the whole of path replaces: path itself, or the
// file a symbolic link at path leads to, through every link in turn (the
// file need not exist yet), each found as the system finds it when it
// opens the path. Raises when the links go round.
QString fileBehindLinks(const QString& path) {
    QString p = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    for (int links = 0; links < 40; ++links) {
        const QString name = p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
        const QString folder = resolvedFolderOf(p);
        // A folder that is not there, or a path that names a folder: the
        // caller's checks tell which.
        if (folder.isEmpty()) return QDir::cleanPath(p);
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            return QDir::cleanPath(folder + QLatin1Char('/') + name);
        p = folder == QLatin1String("/") ? folder + name : folder + QLatin1Char('/') + name;
        const QByteArray native = QFile::encodeName(p);
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        QByteArray target(st.st_size > 0 ? st.st_size + 1 : 4096, Qt::Uninitialized);
        const ssize_t n = ::readlink(native.constData(), target.data(), size_t(target.size()));
        if (n < 0) raise(numberForErrno(errno));
        target.truncate(n);
        // A relative target is taken from the link's folder; its folder is
        // found anew on the next round.
        const QString to = QFile::decodeName(target);
        p = QDir::isAbsolutePath(to) ? to : folder + QLatin1Char('/') + to;
    }
    raise(err::PathFileAccess);
}

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

// ---- the holds on work files

LockHook& lockHook() {
    static LockHook h;
    return h;
}

// flock, or the call a test put in its place.
int lockFile(int fd, int operation) {
    if (lockHook()) return lockHook()(fd, operation);
    return ::flock(fd, operation);
}

// Whether the descriptor and the name are one and the same file.
bool sameFile(int fd, const QByteArray& name) {
    struct stat byHandle {}, byName {};
    return ::fstat(fd, &byHandle) == 0 && ::lstat(name.constData(), &byName) == 0 && byHandle.st_dev == byName.st_dev &&
           byHandle.st_ino == byName.st_ino;
}

// The work files this process holds: each name with the descriptor that
// keeps its lock. A name that no longer names its file (removed or renamed
// by other means than this module) is let go the next time the list is
// looked at.
class Holds {
public:
    void add(const QString& path, int fd) {
        const std::lock_guard<std::mutex> lock(mutex_);
        pruneLocked();
        held_.insert(path, fd);
    }
    // The file at from now lies at to: the hold goes with it while the name
    // is a work file's, and is let go at any other name.
    void moved(const QString& from, const QString& to) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto it = held_.find(from);
        if (it == held_.end()) return;
        const int fd = *it;
        held_.erase(it);
        if (isWorkFileName(GetFileName(to)))
            held_.insert(to, fd);
        else
            ::close(fd);
    }
    void release(const QString& path) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (const auto it = held_.find(path); it != held_.end()) {
            ::close(*it);
            held_.erase(it);
        }
    }
    void prune() {
        const std::lock_guard<std::mutex> lock(mutex_);
        pruneLocked();
    }

    static bool isWorkFileName(const QString& name) {
        static const QRegularExpression work(QStringLiteral("^\\..+\\.kvtmp$"));
        return work.match(name).hasMatch();
    }

private:
    void pruneLocked() {
        for (auto it = held_.begin(); it != held_.end();) {
            if (sameFile(*it, QFile::encodeName(it.key()))) {
                ++it;
            } else {
                ::close(*it);
                it = held_.erase(it);
            }
        }
    }

    std::mutex mutex_;
    QHash<QString, int> held_;
};

Holds& holds() {
    static Holds h;
    return h;
}

// Makes an empty work file beside target and takes its lock; the path made.
// A clean-up of another program may look at the new file between its making
// and its lock: the file is made again under another name when its name no
// longer holds it once the lock is taken.
QString createHeldWorkFile(const QString& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = WorkFileNameBeside(target);
        const QByteArray native = QFile::encodeName(path);
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            raise(numberForErrno(errno));
        }
        int rc;
        do rc = lockFile(fd, LOCK_EX);
        while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            // A file system without locks: the file is made without a hold
            // (the clean-ups there leave every work file, as one that they
            // cannot tell unheld).
            ::close(fd);
            return path;
        }
        if (sameFile(fd, native)) {
            holds().add(path, fd);
            return path;
        }
        ::close(fd);
    }
    raise(err::PathFileAccess);
}

// Whether a running program holds the work file at path. A file that
// nobody holds is unlinked here when remove is true, under the lock, so
// that nobody takes it up in between. True also when the file cannot be
// looked at or its lock cannot be tried.
bool heldByAnyone(const QString& path, bool remove) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return errno != ENOENT;
    const bool free = lockFile(fd, LOCK_EX | LOCK_NB) == 0;
    bool removed = false;
    if (free && remove && sameFile(fd, native)) removed = ::unlink(native.constData()) == 0;
    ::close(fd);
    return !free || (remove && !removed);
}

// A work file beside target, open for writing and held; removed again
// unless it took another name.
struct WorkFile {
    explicit WorkFile(const QString& target) : path(createHeldWorkFile(target)) {
        file.setFileName(path);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly)) {
            const int e = errno ? errno : EACCES;
            discard();
            raise(numberForErrno(e));
        }
    }
    ~WorkFile() {
        if (!renamed) discard();
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    // Writes the file to the disk and gives it target's name in one step;
    // write point step names the step.
    void commitAs(const QString& target, const char* step) {
        syncHandle(file.handle(), path);
        file.close();
        WritePoint(step, target);
        const QByteArray from = QFile::encodeName(path);
        const QByteArray to = QFile::encodeName(target);
        if (std::rename(from.constData(), to.constData()) != 0) raise(numberForErrno(errno));
        renamed = true;
        holds().moved(path, target);
        syncFolderOf(target);
    }

    void discard() {
        file.close();
        QFile::remove(path);
        holds().release(path);
    }

    QString path;
    QFile file;
    bool renamed = false;
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

void SetLockHook(LockHook hook) { lockHook() = std::move(hook); }

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
    if (targetInfo.exists() && !overwrite) raise(err::FileAlreadyExists);
    out.commitAs(target, "rename");
}

void WriteFileWhole(const QString& path, const QByteArray& bytes) {
    // A link stays a link: the file it leads to is the one replaced.
    const QString file = fileBehindLinks(path);
    const QFileInfo targetInfo(file);
    if (targetInfo.isDir()) raise(err::PermissionDenied);
    if (!QFileInfo(parentOf(file)).isDir()) raise(err::PathNotFound);
    WorkFile out(file);
    errno = 0;
    if (out.file.write(bytes) != bytes.size() || !out.file.flush()) raise(numberForErrno(errno ? errno : ENOSPC));
    if (out.file.size() != bytes.size()) raise(kDiskFull);
    if (targetInfo.exists()) out.file.setPermissions(modeBits(targetInfo.permissions()));
    out.commitAs(file, "replace");
}

QString FileBehindLinks(const QString& path) { return fileBehindLinks(path); }

void RenameFile(const QString& from, const QString& to) {
    const QFileInfo src(from);
    if (!src.exists() || src.isDir()) raise(err::FileNotFound);
    if (QFileInfo::exists(to)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(to)).isDir()) raise(err::PathNotFound);
    WritePoint("rename", to);
    QFile file(from);
    if (!file.rename(to)) raise(err::PermissionDenied);
    holds().moved(from, to);
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
    holds().moved(from, to);
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

QString CreateWorkFileBeside(const QString& target) { return createHeldWorkFile(target); }

bool WorkFileHeld(const QString& path) noexcept {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return false;
    int rc;
    do rc = lockFile(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    const bool held = rc != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // lets a lock taken here go
    return held;
}

namespace {

// The clean-up of folder: each work file (with its journal) whose target's
// name ofTarget accepts and that nobody holds, and the earlier versions'
// names that earlier accepts.
int removeLeftovers(const QString& folder, const std::function<bool(const QString&)>& ofTarget,
                    const std::function<bool(const QString&)>& earlier) noexcept {
    try {
        if (!FolderExists(folder)) return 0;
        holds().prune();
        // A work file: "." + its target's name + "." + 8 hex digits + ".kvtmp",
        // with "-journal" for the engine's journal of one.
        static const QRegularExpression work(QStringLiteral("^\\.(.+)\\.[0-9a-f]{8}\\.kvtmp(-journal)?$"));
        int removed = 0;
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QString path = dir.filePath(name);
            const QRegularExpressionMatch m = work.match(name);
            if (m.hasMatch()) {
                if (!ofTarget(m.captured(1))) continue;
                if (m.capturedLength(2) == 0) {
                    if (!heldByAnyone(path, true)) ++removed;
                } else if (!heldByAnyone(path.chopped(m.capturedLength(2)), false) && QFile::remove(path)) {
                    // The journal of a work file that nobody holds any more.
                    ++removed;
                }
            } else if (earlier(name) && QFile::remove(path)) {
                ++removed;
            }
        }
        return removed;
    } catch (...) {
        // A folder that cannot be read has nothing of ours to remove; tidying
        // up is never worth a failure.
        return 0;
    }
}

}  // namespace

int RemoveLeftoverWorkFiles(const QString& folder, const QString& ofFile) noexcept {
    try {
        // The copies of earlier versions, and their compactions named after
        // their target.
        static const QRegularExpression copies(QStringLiteral("^\\.kvcopy\\..{6}$"));
        static const QRegularExpression compactions(QStringLiteral("^\\.(.+)\\.[0-9a-f]{12}\\.tmp$"));
        const QString stem = GetFileName(ofFile).size() > 1 ? GetFileName(ofFile).chopped(1) : GetFileName(ofFile);
        return removeLeftovers(
            folder, [](const QString&) { return true; },
            [&stem](const QString& name) {
                if (copies.match(name).hasMatch()) return true;
                const QRegularExpressionMatch m = compactions.match(name);
                return !stem.isEmpty() && m.hasMatch() && m.captured(1).startsWith(stem);
            });
    } catch (...) {
        // As removeLeftovers: never worth a failure.
        return 0;
    }
}

int RemoveLeftoverWorkFilesOf(const QString& target) noexcept {
    try {
        // The work files of a link's whole writes lie beside the file it
        // leads to.
        const QString file = fileBehindLinks(target);
        const QString name = GetFileName(file);
        if (name.isEmpty()) return 0;
        return removeLeftovers(
            parentOf(file), [&name](const QString& of) { return of == name; },
            [](const QString&) { return false; });
    } catch (...) {
        // As removeLeftovers: never worth a failure.
        return 0;
    }
}

bool SameFile(const QString& a, const QString& b) noexcept {
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
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
    holds().release(path);
}

void CreateFolder(const QString& path) {
    if (path.isEmpty()) raise(err::PathNotFound);
    if (QFileInfo::exists(path)) raise(err::FileAlreadyExists);
    if (!QFileInfo(parentOf(path)).isDir()) raise(err::PathNotFound);
    WritePoint("mkdir", path);
    if (!QDir().mkdir(path)) raise(err::PermissionDenied);
    // The new folder's name is on the disk only when its parent is.
    syncFolderOf(path);
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
