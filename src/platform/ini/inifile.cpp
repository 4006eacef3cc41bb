#include "platform/ini/inifile.h"

#include "platform/fso/fso.h"
#include "platform/ini/inicodec.h"
#include "platform/sys/apppath.h"
#include "platform/ui/placement.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ini {

namespace {

using codec::LineKind;

// What identifies one version of a file on disk. A rename over the file
// (as every write here makes) changes the inode, an edit in place the time
// or size.
struct FileStamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    long long mtimeSec = 0;
    long long mtimeNsec = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path) {
    FileStamp s;
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
    s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtimeSec = st.st_mtim.tv_sec;
    s.mtimeNsec = st.st_mtim.tv_nsec;
    return s;
}

struct SectionIndex {
    int header = -1;   // line of "[name]"; -1 for the lines before any section
    int end = 0;       // one past the section's last line
    QHash<QString, int> keys;  // case-folded key -> its first line
};

struct ParsedFile {
    FileStamp stamp;
    std::vector<QString> lines;
    bool crlf = false;
    std::vector<SectionIndex> sections;  // in file order; [0] = before the first header
    QHash<QString, int> sectionByName;   // case-folded name -> first such section

    void reindex() {
        sections.clear();
        sectionByName.clear();
        sections.push_back(SectionIndex{});
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const codec::ParsedLine p = codec::parseLine(lines[static_cast<size_t>(i)]);
            if (p.kind == LineKind::Section) {
                sections.back().end = i;
                SectionIndex s;
                s.header = i;
                sections.push_back(s);
                const QString folded = p.name.toCaseFolded();
                // A name that occurs twice: the first section is the one used.
                if (!sectionByName.contains(folded)) {
                    sectionByName.insert(folded, static_cast<int>(sections.size()) - 1);
                }
            } else if (p.kind == LineKind::KeyValue) {
                const QString folded = p.name.toCaseFolded();
                if (!sections.back().keys.contains(folded)) sections.back().keys.insert(folded, i);
            }
        }
        sections.back().end = static_cast<int>(lines.size());
    }

    const SectionIndex* section(const QString& name) const {
        const QString n = name.trimmed();
        if (n.isEmpty()) return &sections.front();
        const auto it = sectionByName.constFind(n.toCaseFolded());
        return it == sectionByName.constEnd() ? nullptr : &sections[static_cast<size_t>(*it)];
    }

    QByteArray serialize() const {
        const QString nl = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
        QString text;
        for (const QString& l : lines) {
            text += l;
            text += nl;
        }
        return text.toUtf8();
    }
};

QString decodeFile(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    // Not UTF-8: an older file in the Western code page.
    QStringDecoder legacy("windows-1252");
    if (legacy.isValid()) return legacy(bytes);
    return QString::fromLatin1(bytes);
}

std::shared_ptr<ParsedFile> parse(const QString& path, const FileStamp& stamp) {
    auto pf = std::make_shared<ParsedFile>();
    pf->stamp = stamp;
    if (stamp.exists) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            const QString text = decodeFile(f.readAll());
            const qsizetype firstNl = text.indexOf(QLatin1Char('\n'));
            pf->crlf = firstNl > 0 && text[firstNl - 1] == QLatin1Char('\r');
            QStringList parts = text.split(QLatin1Char('\n'));
            if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
            pf->lines.reserve(static_cast<size_t>(parts.size()));
            for (QString& l : parts) {
                if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
                pf->lines.push_back(std::move(l));
            }
        } else {
            pf->stamp = FileStamp{};  // unreadable: as if missing, try again next time
        }
    }
    pf->reindex();
    return pf;
}

QHash<QString, std::shared_ptr<ParsedFile>>& cache() {
    static QHash<QString, std::shared_ptr<ParsedFile>> c;
    return c;
}

std::shared_ptr<ParsedFile> load(const QString& path) {
    const FileStamp now = stampOf(path);
    auto& c = cache();
    const auto it = c.constFind(path);
    if (it != c.constEnd() && (*it)->stamp == now) return *it;
    auto pf = parse(path, now);
    c.insert(path, pf);
    return pf;
}

// Another copy of the program (here or on another machine sharing the
// folder) may write the same file: each write reads the file, changes it
// and replaces it while it holds a lock, so that no write puts back what
// another copy's has just written. The lock is a record lock of a lock file
// beside the file (".<name>.lock", behind every link, left there for the
// next write), opened for writing: network file systems pass such a lock
// on to the server. The system lets it go when the lock file is closed or
// the process ends, however it ends. On a file system that takes no locks
// the writes go on without one.
//
// A lock another program holds is waited for, kWaitMs at most, with the
// program's events running meanwhile (the user's input waits until the
// write is done), so that the windows stay painted and timers run. Once a
// wait has run out, another program is taken to hold the file: the next
// writes of it take the lock only when it is free at once, until one of
// them gets it. A write that an event runs while another write waits does
// not wait either.
class WriteLock {
public:
    explicit WriteLock(const QString& path) {
        try {
            lockPath_ = lockFileOf(fso::FileBehindLinks(path));
        } catch (const fso::Error&) {
            return;  // links that go round: the write fails by itself
        }
        fd_ = openLockFile(lockPath_, path);
        if (fd_ < 0) return;  // no lock file can be made here: as without locks
        State state = tryLock();
        if (state == State::Held && !heldElsewhere().contains(lockPath_) && !waiting()) {
            state = wait();
            if (state == State::Held) heldElsewhere().insert(lockPath_);
        }
        if (state != State::Held) heldElsewhere().remove(lockPath_);
        refused_ = state == State::Held;
    }
    ~WriteLock() {
        if (fd_ >= 0) ::close(fd_);  // lets the lock go
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // Another program held the lock for longer than a write waits.
    bool refused() const { return refused_; }

    // The lock files that another program held past a wait.
    static QSet<QString>& heldElsewhere() {
        static QSet<QString> s;
        return s;
    }

private:
    enum class State { Taken, Held, NoLocks };
    static constexpr int kWaitMs = 5000;
    static constexpr int kRetryMs = 10;

    static QString lockFileOf(const QString& file) {
        const QFileInfo fi(file);
        return QDir(fi.absolutePath()).filePath(u'.' + fi.fileName() + QStringLiteral(".lock"));
    }

    // The lock file, opened for writing. A new one beside an existing file
    // takes that file's read and write permissions, so that whoever may
    // write the file may lock it.
    static int openLockFile(const QString& lockPath, const QString& file) {
        const QByteArray native = QFile::encodeName(lockPath);
        for (int round = 0; round < 2; ++round) {
            int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
            if (fd >= 0 || errno != ENOENT) return fd;
            struct stat st {};
            const bool fileThere = ::stat(QFile::encodeName(file).constData(), &st) == 0;
            fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd >= 0) {
                if (fileThere) ::fchmod(fd, st.st_mode & 0666);
                return fd;
            }
            // Another copy may have made it meanwhile: opened as it is.
            if (errno != EEXIST) return -1;
        }
        return -1;
    }

    State tryLock() const {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        for (;;) {
            // A lock of this opening of the file, so that two writes of one
            // process exclude each other too; a system without such locks
            // has the process's own.
            int rc = ::fcntl(fd_, F_OFD_SETLK, &lock);
            if (rc != 0 && errno == EINVAL) rc = ::fcntl(fd_, F_SETLK, &lock);
            if (rc == 0) return State::Taken;
            if (errno == EINTR) continue;
            return errno == EAGAIN || errno == EACCES ? State::Held : State::NoLocks;
        }
    }

    static bool& waiting() {
        static bool w = false;
        return w;
    }

    State wait() {
        struct Waiting {
            Waiting() { waiting() = true; }
            ~Waiting() { waiting() = false; }
        } const mark;
        const QDeadlineTimer deadline(kWaitMs);
        State state = State::Held;
        auto* app = QCoreApplication::instance();
        if (app && app->thread() == QThread::currentThread()) {
            auto* gui = qobject_cast<QGuiApplication*>(app);
            if (gui) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            QEventLoop loop;
            QTimer retry;
            QObject::connect(&retry, &QTimer::timeout, &loop, [&] {
                state = tryLock();
                if (state != State::Held || deadline.hasExpired()) loop.quit();
            });
            retry.start(kRetryMs);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            if (gui) QGuiApplication::restoreOverrideCursor();
        } else {
            while (state == State::Held && !deadline.hasExpired()) {
                QThread::msleep(kRetryMs);
                state = tryLock();
            }
        }
        return state;
    }

    QString lockPath_;
    int fd_ = -1;
    bool refused_ = false;
};

// The file with the keys set to their values in section, or nothing when
// it holds every one of them already.
std::optional<ParsedFile> withValues(const ParsedFile& current, const QString& section,
                                     const QList<std::pair<QString, QString>>& keysAndValues) {
    ParsedFile next;
    next.lines = current.lines;
    next.crlf = current.crlf;
    next.reindex();
    bool changed = false;
    for (const auto& [key, value] : keysAndValues) {
        const QString encodedValue = codec::encodeValue(value);
        const SectionIndex* s = next.section(section);
        if (s) {
            const auto it = s->keys.constFind(key.toCaseFolded());
            if (it != s->keys.constEnd()) {
                QString& line = next.lines[static_cast<size_t>(*it)];
                const codec::ParsedLine p = codec::parseLine(line);
                if (p.value == value) continue;  // already stored
                // Keep the key as it is written in the file.
                line = line.left(p.separator + 1) + encodedValue;
            } else {
                // After the section's last line that is neither blank nor a comment.
                int pos = s->header + 1;
                for (int i = s->header + 1; i < s->end; ++i) {
                    const LineKind k = codec::parseLine(next.lines[static_cast<size_t>(i)]).kind;
                    if (k != LineKind::Blank && k != LineKind::Comment) pos = i + 1;
                }
                next.lines.insert(next.lines.begin() + pos, codec::encodeKey(key) + QLatin1Char('=') + encodedValue);
            }
        } else {
            if (!next.lines.empty() && !next.lines.back().trimmed().isEmpty()) next.lines.emplace_back();
            next.lines.push_back(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
            next.lines.push_back(codec::encodeKey(key) + QLatin1Char('=') + encodedValue);
        }
        next.reindex();
        changed = true;
    }
    if (!changed) return std::nullopt;
    return next;
}

// ---- window placement ----

constexpr int kStateNormal = 0;
constexpr int kStateMaximized = 2;

int toTwips(int px, int dpi) { return qRound(px * 1440.0 / dpi); }
int toPixels(int twips, int dpi) { return qRound(twips * dpi / 1440.0); }

int dpiX(const QWidget* w) { return w->logicalDpiX() > 0 ? w->logicalDpiX() : 96; }
int dpiY(const QWidget* w) { return w->logicalDpiY() > 0 ? w->logicalDpiY() : 96; }

}  // namespace

void cIniFile::FileName(const QString& name) {
    if (name.isEmpty()) {
        path_.clear();
        return;
    }
    const QString n = QDir::fromNativeSeparators(name);
    path_ = QDir::cleanPath(QDir::isAbsolutePath(n) ? n : QDir(sys::AppPath()).filePath(n));
}

QString cIniFile::Read(const QString& key, const QString& defaultValue) const {
    if (path_.isEmpty() || key.isEmpty()) return defaultValue;
    const auto pf = load(path_);
    const SectionIndex* s = pf->section(section_);
    if (!s) return defaultValue;
    const auto it = s->keys.constFind(key.toCaseFolded());
    if (it == s->keys.constEnd()) return defaultValue;
    return codec::parseLine(pf->lines[static_cast<size_t>(*it)]).value;
}

bool cIniFile::Write(const QString& value, const QString& key) { return Write({{key, value}}); }

bool cIniFile::Write(const QList<std::pair<QString, QString>>& keysAndValues) {
    lockRefused_ = false;
    if (path_.isEmpty() || keysAndValues.isEmpty()) return false;
    if (section_.contains(QLatin1Char('\n')) || section_.contains(QLatin1Char('\r'))) return false;
    for (const auto& kv : keysAndValues)
        if (kv.first.isEmpty()) return false;
    // An event run while the write waits may point this object at another
    // file or section.
    const QString path = path_;
    const QString section = section_;
    // A file that holds every value already is not written, nor locked.
    if (!withValues(*load(path), section, keysAndValues)) return true;

    const WriteLock lock(path);
    lockRefused_ = lock.refused();  // also over what a write made meanwhile set
    if (lockRefused_) return false;
    std::optional<ParsedFile> next = withValues(*load(path), section, keysAndValues);
    if (!next) return true;  // another copy stored them meanwhile

    // One replacement of the whole file, on the disk with its new name
    // before the write returns.
    try {
        fso::WriteFileWhole(path, next->serialize());
    } catch (const fso::Error&) {
        return false;
    }

    auto stored = std::make_shared<ParsedFile>(std::move(*next));
    stored->stamp = stampOf(path);
    cache().insert(path, stored);
    return true;
}

bool cIniFile::SaveFormPos(const QWidget* window, const QString& key) {
    if (!window) return false;
    const bool maximized = window->windowState() & Qt::WindowMaximized;
    const bool special = window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized |
                                                   Qt::WindowFullScreen);
    QRect g = special ? window->normalGeometry() : window->geometry();
    if (!g.isValid()) g = window->geometry();
    const int dx = dpiX(window);
    const int dy = dpiY(window);
    const QString text = QStringLiteral("%1,%2,%3,%4,%5")
                             .arg(toTwips(g.left(), dx))
                             .arg(toTwips(g.top(), dy))
                             .arg(toTwips(g.width(), dx))
                             .arg(toTwips(g.height(), dy))
                             .arg(maximized ? kStateMaximized : kStateNormal);
    return Write(text, key);
}

bool cIniFile::LoadFormPos(QWidget* window, const QString& key, bool restoreSize,
                           const QString& defaultPlacement) {
    if (!window) return false;
    const QString text = Read(key, defaultPlacement);
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4 && parts.size() != 5) return false;
    int v[5] = {0, 0, 0, 0, kStateNormal};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return false;
    }
    if (v[2] <= 0 || v[3] <= 0) return false;

    const int dx = dpiX(window);
    const int dy = dpiY(window);
    QRect r(toPixels(v[0], dx), toPixels(v[1], dy), toPixels(v[2], dx), toPixels(v[3], dy));
    if (!restoreSize) r.setSize(window->size());

    window->setWindowState(window->windowState() &
                           ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    window->setGeometry(r);
    // A placement saved on a larger screen, or on one that is gone, is
    // brought wholly onto a screen; a maximised window keeps it as its
    // normal placement.
    ui::FitOnScreen(window);
    if (v[4] == kStateMaximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return true;
}

void cIniFile::ClearCache() {
    cache().clear();
    WriteLock::heldElsewhere().clear();
}

}  // namespace ini
