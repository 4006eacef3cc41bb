#include "platform/reportpaint/paintprocess.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace report {

namespace {

// The messages: a kind, the length of what follows, and that. The program
// sends its version first, and the painter answers with its own once it is
// ready; only when the two are one does the program send the settings (the
// file's name among them), then fonts and pages, and the end, which the
// painter answers once the file is closed. Both sides are built together,
// so the pages' steps and rules go as they lie in memory.
enum Kind : char { Hello = 'H', Settings = 'S', Fonts = 'F', Page = 'P', End = 'E' };
enum Answer : char { Ready = 'R', Done = 'D', Failed = 'X' };
constexpr qsizetype kHeader = 1 + sizeof(quint64);
// A page of a report is some kilobytes; a message past this is no message
// of ours.
constexpr quint64 kLongest = quint64(1) << 30;
// The form of the messages; a change to them counts it up.
constexpr int kProtocol = 2;
constexpr quint64 kLongestVersion = 256;

std::atomic<std::chrono::milliseconds::rep> patience{PaintProcess::kPatience.count()};

int waitMs() { return int(std::clamp<std::chrono::milliseconds::rep>(patience.load(), 1, 3'600'000)); }

QString& programSet() {
    static QString path;
    return path;
}

void begin(QByteArray& m, Kind kind) {
    m.resize(kHeader);
    m[0] = kind;
}

void finish(QByteArray& m) {
    const quint64 length = quint64(m.size() - kHeader);
    std::memcpy(m.data() + 1, &length, sizeof length);
}

template <typename T>
void put(QByteArray& m, const T* data, size_t count) {
    const quint64 n = count;
    m.append(reinterpret_cast<const char*>(&n), sizeof n);
    m.append(reinterpret_cast<const char*>(data), qsizetype(count * sizeof(T)));
}

template <typename T>
bool take(const char*& at, const char* end, std::vector<T>& out) {
    quint64 n = 0;
    if (end - at < qsizetype(sizeof n)) return false;
    std::memcpy(&n, at, sizeof n);
    at += sizeof n;
    if (n > quint64(end - at) / sizeof(T)) return false;
    out.resize(size_t(n));
    if (n > 0) std::memcpy(static_cast<void*>(out.data()), at, size_t(n) * sizeof(T));
    at += n * sizeof(T);
    return true;
}

QDataStream& streamOn(QDataStream& s) {
    s.setVersion(QDataStream::Qt_DefaultCompiledVersion);
    return s;
}

// Reads count bytes; false at the end of the stream, on an error, or when
// the socket's time to wait (SO_RCVTIMEO, the program's side only) is over
// and the other side is not working.
bool readAll(int fd, char* into, size_t count, const std::function<bool()>& working = {}) {
    while (count > 0) {
        const ssize_t n = ::recv(fd, into, count, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && working && working()) continue;
        if (n <= 0) return false;
        into += n;
        count -= size_t(n);
    }
    return true;
}

// Writes count bytes, waiting as readAll does for room to write them
// (SO_SNDTIMEO).
bool writeAll(int fd, const char* data, size_t count, const std::function<bool()>& working = {}) {
    while (count > 0) {
        // MSG_NOSIGNAL: a painter that is gone is a failed write, not a signal.
        const ssize_t n = ::send(fd, data, count, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && working && working()) continue;
        if (n <= 0) return false;
        data += n;
        count -= size_t(n);
    }
    return true;
}

bool answer(int fd, Answer a) {
    const char c = a;
    return writeAll(fd, &c, 1);
}

bool readMessage(int fd, char& kind, QByteArray& body, quint64 longest = kLongest,
                 const std::function<bool()>& working = {}) {
    char header[kHeader];
    if (!readAll(fd, header, sizeof header, working)) return false;
    quint64 length = 0;
    std::memcpy(&length, header + 1, sizeof length);
    if (length > longest) return false;
    kind = header[0];
    body.resize(qsizetype(length));
    return readAll(fd, body.data(), size_t(length), working);
}

QByteArray versionMessage(char kind) {
    QByteArray m;
    begin(m, Kind(kind));
    m += PaintProcess::version();
    finish(m);
    return m;
}

// A page's steps name fonts, texts and rules it has.
bool wellFormed(const PagePaint& page, size_t fonts) {
    for (const PagePaint::Step& s : page.steps) {
        if (s.at < 0 || s.size < 0) return false;
        switch (s.op) {
        case PagePaint::Op::Rules:
            if (quint64(s.at) + quint64(s.size) > page.rules.size()) return false;
            break;
        case PagePaint::Op::Font:
            if (s.font < 0 || size_t(s.font) >= fonts) return false;
            break;
        case PagePaint::Op::Line:
            if (s.font < 0 || size_t(s.font) >= fonts || s.at + s.size > page.texts.size()) return false;
            break;
        default: return false;
        }
    }
    return true;
}

}  // namespace

QString PaintProcess::program() {
    if (!programSet().isEmpty()) return programSet();
    if (!QCoreApplication::instance()) return QString();
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kolvio-vev-paint");
    return QFileInfo(beside).isExecutable() ? beside : QString();
}

void PaintProcess::setProgram(const QString& path) { programSet() = path; }

void PaintProcess::setPatience(std::chrono::milliseconds p) { patience = p.count(); }

QByteArray PaintProcess::version() {
    return QByteArrayLiteral("kolvio-vev-paint ") + QByteArray::number(kProtocol) + ' ' +
           QByteArray::number(KV_VERSION_MAJOR) + '.' + QByteArray::number(KV_VERSION_MINOR) + '.' +
           QByteArray::number(KV_VERSION_REVISION) + " Qt " + QT_VERSION_STR + ' ' +
           QByteArray::number(qsizetype(sizeof(PagePaint::Step))) + ' ' + QByteArray::number(qsizetype(sizeof(QLineF))) +
           ' ' + QByteArray::number(qsizetype(sizeof(QChar)));
}

PaintProcess::~PaintProcess() { stop(); }

bool PaintProcess::start(const QString& program, const PdfSettings& s, const QString& file) {
    ok_ = true;
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The painter reads and answers on its standard input and keeps no
    // other file of this program open.
    posix_spawn_file_actions_adddup2(&actions, pair[1], 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const QByteArray path = QFile::encodeName(program);
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    const int failed = posix_spawn(&pid_, path.constData(), &actions, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pair[1]);
    socket_ = pair[0];
    if (failed != 0) {
        pid_ = -1;
        stop();
        return false;
    }
    // The patience: how long a read or a write of this side waits before it
    // asks whether the painter is still working.
    const timeval patient{waitMs() / 1000, waitMs() % 1000 * 1000};
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &patient, sizeof patient);
    ::setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, &patient, sizeof patient);

    // The painter answers with its version once it is ready.
    char kind = 0;
    QByteArray theirs;
    if (!send(versionMessage(Hello)) || !readMessage(socket_, kind, theirs, kLongestVersion, [this] { return working(); }) ||
        kind != Ready || theirs != version()) {
        stop();
        return false;
    }
    begin(message_, Settings);
    {
        QDataStream out(&message_, QIODevice::Append);
        streamOn(out);
        const QPageSize size = s.layout.pageSize();
        out << file << int(size.id()) << size.definitionSize() << int(size.definitionUnits())
            << int(s.layout.orientation()) << int(s.layout.units()) << s.layout.margins()
            << s.layout.minimumMargins() << s.resolution << s.title << s.creator << int(s.version);
    }
    finish(message_);
    if (!send(message_)) {
        stop();
        return false;
    }
    return true;
}

QByteArray PaintProcess::fontsMessage(const std::vector<QFont>& fonts) {
    QByteArray m;
    begin(m, Fonts);
    {
        QDataStream out(&m, QIODevice::Append);
        streamOn(out);
        out << quint32(fonts.size());
        for (const QFont& f : fonts) out << f;
    }
    finish(m);
    return m;
}

namespace {

// The fonts of a Fonts message's body; false when it is not whole.
bool readFonts(const QByteArray& body, std::vector<QFont>& fonts) {
    QDataStream in(body);
    streamOn(in);
    quint32 n = 0;
    in >> n;
    fonts.clear();
    for (quint32 i = 0; i < n && in.status() == QDataStream::Ok; ++i) {
        QFont f;
        in >> f;
        fonts.push_back(f);
    }
    return in.status() == QDataStream::Ok;
}

}  // namespace

std::vector<QFont> PaintProcess::fontsIn(const QByteArray& message) {
    std::vector<QFont> fonts;
    if (message.size() < kHeader || message[0] != Fonts || !readFonts(message.mid(kHeader), fonts)) fonts.clear();
    return fonts;
}

bool PaintProcess::setFonts(const QByteArray& message) { return send(message); }

bool PaintProcess::paint(const PagePaint& page) {
    if (!ok_) return false;
    begin(message_, Page);
    put(message_, page.steps.data(), page.steps.size());
    put(message_, page.rules.data(), page.rules.size());
    put(message_, page.texts.constData(), size_t(page.texts.size()));
    finish(message_);
    return send(message_);
}

bool PaintProcess::close() {
    if (socket_ < 0) return false;
    begin(message_, End);
    finish(message_);
    char done = 0;
    const bool whole = send(message_) && receive(&done, 1) && done == Done;
    if (!whole) {
        // Gone, or not answering: it is ended, and its part is not trusted.
        stop();
        return false;
    }
    ::close(socket_);
    socket_ = -1;
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    // A painter that answered but did not end well (a checker of the build
    // finding a fault as it ended, say) has not written a part to trust.
    return ok_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A painter that takes nothing sent within the patience, and is not at work
// meanwhile, is ended: every later message fails at once.
bool PaintProcess::send(const QByteArray& message) {
    if (ok_ && !writeAll(socket_, message.constData(), size_t(message.size()), [this] { return working(); })) stop();
    return ok_;
}

bool PaintProcess::receive(char* into, size_t count) {
    if (ok_ && !readAll(socket_, into, count, [this] { return working(); })) stop();
    return ok_;
}

// A painter that has not taken or answered anything for the patience is
// still at work if it has used the processor since it was last asked (a
// long part on a slow or busy machine): one stopped, ended, or waiting for
// what does not come is ended after the patience, or twice that when it
// had worked before it stopped.
bool PaintProcess::working() {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid_));
    if (pid_ <= 0 || !stat.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = stat.readAll();  // pid (name) state parent ... user-time system-time ...
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13 || fields[0].isEmpty() || QByteArrayView("TtZX").contains(fields[0].front())) return false;
    const qint64 ticks = fields[11].toLongLong() + fields[12].toLongLong();
    const bool more = ticks > ticks_;
    ticks_ = ticks;
    return more;
}

void PaintProcess::stop() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    ok_ = false;
}

int runPaintProcess(int fd) {
    char kind = 0;
    QByteArray body;
    // A program of another version is answered with this one's and left.
    if (!readMessage(fd, kind, body, kLongestVersion) || kind != Hello) return 2;
    if (body != PaintProcess::version()) {
        const QByteArray refusal = versionMessage(Failed);
        writeAll(fd, refusal.constData(), size_t(refusal.size()));
        return 3;
    }
    const QByteArray ready = versionMessage(Ready);
    if (!writeAll(fd, ready.constData(), size_t(ready.size()))) return 2;
    if (!readMessage(fd, kind, body) || kind != Settings) return 2;
    QString file;
    PdfSettings settings;
    {
        QDataStream in(body);
        streamOn(in);
        int id = 0, units = 0, orientation = 0, layoutUnits = 0, version = 0;
        QSizeF size;
        QMarginsF margins, minimum;
        in >> file >> id >> size >> units >> orientation >> layoutUnits >> margins >> minimum >> settings.resolution >>
            settings.title >> settings.creator >> version;
        if (in.status() != QDataStream::Ok) return 2;
        const QPageSize pageSize = id != QPageSize::Custom
                                       ? QPageSize(QPageSize::PageSizeId(id))
                                       : QPageSize(size, QPageSize::Unit(units), QString(), QPageSize::ExactMatch);
        settings.layout = QPageLayout(pageSize, QPageLayout::Orientation(orientation), margins,
                                      QPageLayout::Unit(layoutUnits), minimum);
        settings.version = QPagedPaintDevice::PdfVersion(version);
    }
    PdfFile out(file, settings);

    std::vector<QFont> fonts;
    PagePaint page;
    bool ok = true;
    for (;;) {
        if (!readMessage(fd, kind, body)) return 2;  // the program is gone: no answer
        if (kind == End) break;
        const char* at = body.constData();
        const char* end = at + body.size();
        if (kind == Fonts) {
            ok = readFonts(body, fonts) && ok;
        } else if (kind == Page) {
            std::vector<char16_t> texts;
            if (take(at, end, page.steps) && take(at, end, page.rules) && take(at, end, texts) && at == end) {
                page.texts = QString(reinterpret_cast<const QChar*>(texts.data()), qsizetype(texts.size()));
                if (wellFormed(page, fonts.size()))
                    out.paint(page, fonts);
                else
                    ok = false;
            } else {
                ok = false;
            }
        } else {
            ok = false;
        }
    }
    ok = out.close() && ok;
    answer(fd, ok ? Done : Failed);
    return ok ? 0 : 1;
}

}  // namespace report
