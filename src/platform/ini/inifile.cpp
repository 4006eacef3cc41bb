#include "platform/ini/inifile.h"

#include "platform/fso/fso.h"
#include "platform/ini/inicodec.h"
#include "platform/sys/apppath.h"
#include "platform/ui/placement.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <QStringDecoder>
#include <QWidget>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
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

// Another copy of the program may write the same file: each write reads
// the file, changes it and replaces it while it holds this lock, taken on
// the folder the file lies in (behind every link), so that no write puts
// back what another copy's has just written. The system lets the lock go
// when the process ends, however it ends. A lock another copy holds is
// waited for a few seconds at most; on a file system without locks the
// writes go on without one.
class WriteLock {
public:
    explicit WriteLock(const QString& path) {
        const QFileInfo file(path);
        const QString real = file.exists() ? file.canonicalFilePath() : QString();
        const QString folder = real.isEmpty() ? file.absoluteDir().canonicalPath() : QFileInfo(real).absolutePath();
        if (folder.isEmpty()) return;  // no folder: the write fails by itself
        fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) return;
        const QDeadlineTimer deadline(kWaitMs);
        for (;;) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            if (errno != EWOULDBLOCK && errno != EINTR) return;  // no locks here
            if (deadline.hasExpired()) {
                refused_ = true;
                return;
            }
            QThread::msleep(1);
        }
    }
    ~WriteLock() {
        if (fd_ >= 0) ::close(fd_);  // lets the lock go
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // Another copy held the lock for longer than a write takes.
    bool refused() const { return refused_; }

private:
    static constexpr int kWaitMs = 5000;
    int fd_ = -1;
    bool refused_ = false;
};

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
    if (path_.isEmpty() || keysAndValues.isEmpty()) return false;
    if (section_.contains(QLatin1Char('\n')) || section_.contains(QLatin1Char('\r'))) return false;
    for (const auto& kv : keysAndValues)
        if (kv.first.isEmpty()) return false;
    const WriteLock lock(path_);
    if (lock.refused()) return false;
    const auto current = load(path_);

    ParsedFile next;
    next.lines = current->lines;
    next.crlf = current->crlf;
    next.reindex();
    bool changed = false;
    for (const auto& [key, value] : keysAndValues) {
        const QString encodedValue = codec::encodeValue(value);
        const SectionIndex* s = next.section(section_);
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
            next.lines.push_back(QLatin1Char('[') + section_.trimmed() + QLatin1Char(']'));
            next.lines.push_back(codec::encodeKey(key) + QLatin1Char('=') + encodedValue);
        }
        next.reindex();
        changed = true;
    }
    if (!changed) return true;

    // One replacement of the whole file, on the disk with its new name
    // before the write returns.
    try {
        fso::WriteFileWhole(path_, next.serialize());
    } catch (const fso::Error&) {
        return false;
    }

    auto stored = std::make_shared<ParsedFile>(std::move(next));
    stored->stamp = stampOf(path_);
    cache().insert(path_, stored);
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

void cIniFile::ClearCache() { cache().clear(); }

}  // namespace ini
