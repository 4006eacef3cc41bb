#include "platform/reportpaint/paintprocess.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace report {

namespace {

// The messages: a kind, the length of what follows, and that. The program
// sends its version first, and the painter answers with its own once it is
// ready; only when the two are one does the program send the settings (the
// file's name among them), then fonts and pages. The painter answers each
// page once it has painted it; the next file (its name), which closes the
// file so far, and the end are answered once the file is closed, whole or
// not. The other answers are one byte each. Both sides are built together,
// so the pages' steps and rules go as they lie in memory.
enum Kind : char { Hello = 'H', Settings = 'S', Fonts = 'F', Page = 'P', Next = 'N', End = 'E' };
enum Answer : char { Ready = 'R', Painted = 'P', Done = 'D', Failed = 'X' };
constexpr qsizetype kHeader = 1 + sizeof(quint64);
// A page of a report is some kilobytes; a message past this is no message
// of ours.
constexpr quint64 kLongest = quint64(1) << 30;
// The form of the messages; a change to them counts it up.
constexpr int kProtocol = 3;
constexpr quint64 kLongestVersion = 256;
// How often a wait looks whether its caller has abandoned the painter.
constexpr int kLookMs = 20;

std::atomic<std::chrono::milliseconds::rep> patience{PaintProcess::kPatience.count()};

std::chrono::milliseconds patienceNow() {
    return std::chrono::milliseconds(std::clamp<std::chrono::milliseconds::rep>(patience.load(), 1, 3'600'000));
}

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

// Reads count bytes; false at the end of the stream or on an error. The
// painter's side waits as long as it takes.
bool readAll(int fd, char* into, size_t count) {
    while (count > 0) {
        const ssize_t n = ::recv(fd, into, count, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        into += n;
        count -= size_t(n);
    }
    return true;
}

bool writeAll(int fd, const char* data, size_t count) {
    while (count > 0) {
        // MSG_NOSIGNAL: a program that is gone is a failed write, not a signal.
        const ssize_t n = ::send(fd, data, count, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
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

bool readMessage(int fd, char& kind, QByteArray& body, quint64 longest = kLongest) {
    char header[kHeader];
    if (!readAll(fd, header, sizeof header)) return false;
    quint64 length = 0;
    std::memcpy(&length, header + 1, sizeof length);
    if (length > longest) return false;
    kind = header[0];
    body.resize(qsizetype(length));
    return readAll(fd, body.data(), size_t(length));
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
    ready_ = gone_ = false;
    closedAnswer_ = 0;
    answers_.clear();
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
    // The painter answers with its version once it is ready.
    unanswered_ = 1;
    since_ = Clock::now();
    if (!send(versionMessage(Hello), false)) return false;
    while (ok_ && !ready_)
        if (!await(POLLIN)) stop();
    if (!ok_) return false;
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
    return send(message_, false);
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

bool PaintProcess::setFonts(const QByteArray& message) { return send(message, false); }

bool PaintProcess::paint(const PagePaint& page) {
    if (!ok_) return false;
    begin(message_, Page);
    put(message_, page.steps.data(), page.steps.size());
    put(message_, page.rules.data(), page.rules.size());
    put(message_, page.texts.constData(), size_t(page.texts.size()));
    finish(message_);
    return send(message_, true);
}

bool PaintProcess::next(const QString& file) {
    if (!ok_) return false;
    begin(message_, Next);
    {
        QDataStream out(&message_, QIODevice::Append);
        streamOn(out);
        out << file;
    }
    finish(message_);
    return send(message_, true) && closed();
}

bool PaintProcess::close() {
    if (socket_ < 0 || !ok_) return false;
    begin(message_, End);
    finish(message_);
    if (!send(message_, true) || !closed()) return false;
    ::close(socket_);
    socket_ = -1;
    // The painter ends once it has answered; one that does not within the
    // patience is ended.
    int status = 0;
    for (const Clock::time_point until = Clock::now() + patienceNow();;) {
        const pid_t ended = ::waitpid(pid_, &status, WNOHANG);
        if (ended == pid_ || (ended < 0 && errno != EINTR)) break;
        if (ended == 0 && (Clock::now() >= until || (abandoned_ && abandoned_->load()))) {
            stop();
            return false;
        }
        if (ended == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    pid_ = -1;
    // A painter that answered but did not end well (a checker of the build
    // finding a fault as it ended, say) has not written a part to trust.
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool PaintProcess::closed() {
    while (ok_ && closedAnswer_ == 0)
        if (!await(POLLIN)) {
            if (closedAnswer_ == 0) stop();
            break;
        }
    const bool whole = std::exchange(closedAnswer_, 0) == Done;
    if (!whole) stop();
    return whole;
}

// The message goes as the painter takes it; the answers that have come
// meanwhile are taken as they come, so that a painter that stops answering
// is known for it however much room the socket has.
bool PaintProcess::send(const QByteArray& message, bool answered) {
    if (!ok_) return false;
    if (answered && unanswered_++ == 0) since_ = Clock::now();
    const char* data = message.constData();
    size_t left = size_t(message.size());
    while (left > 0) {
        // MSG_NOSIGNAL: a painter that is gone is a failed write, not a signal.
        const ssize_t n = ::send(socket_, data, left, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            data += n;
            left -= size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && await(POLLOUT)) continue;
        stop();
        return false;
    }
    if (!takeAnswers() || overdue()) stop();
    return ok_;
}

bool PaintProcess::overdue() const { return unanswered_ > 0 && Clock::now() - since_ >= patienceNow(); }

bool PaintProcess::await(short events) {
    // With nothing to answer, a painter that takes nothing either is given
    // the patience from now.
    const Clock::time_point entered = Clock::now();
    for (;;) {
        if (abandoned_ && abandoned_->load()) return false;
        // What has come counts before the time is looked at.
        const qint64 before = answered_;
        const bool open = takeAnswers();
        if (events == POLLIN && answered_ != before) return true;
        if (!open || gone_) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            (unanswered_ > 0 ? since_ : entered) + patienceNow() - Clock::now());
        if (left.count() < 0) return false;
        const int wait = int(std::clamp<std::chrono::milliseconds::rep>(left.count() + 1, 1, kLookMs));
        pollfd p{socket_, short(events | POLLIN), 0};
        const int n = ::poll(&p, 1, wait);
        if (n < 0 && errno != EINTR) return false;
        if (n > 0 && (p.revents & events & POLLOUT)) return true;
    }
}

bool PaintProcess::takeAnswers() {
    for (char chunk[4096]; !gone_;) {
        const ssize_t n = ::recv(socket_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n > 0) {
            answers_.append(chunk, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        gone_ = !(n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
        break;
    }
    // What came before the painter ended its side counts all the same, and
    // its end is no failure once it has answered everything.
    while (!answers_.isEmpty()) {
        if (!ready_) {
            quint64 length = 0;
            if (answers_.size() < kHeader) break;
            std::memcpy(&length, answers_.constData() + 1, sizeof length);
            if (length > kLongestVersion) return false;
            if (answers_.size() < kHeader + qsizetype(length)) break;
            if (answers_[0] != Ready || answers_.mid(kHeader, qsizetype(length)) != version()) return false;
            answers_.remove(0, kHeader + qsizetype(length));
            ready_ = true;
        } else {
            const char a = answers_[0];
            answers_.remove(0, 1);
            if (a == Done || a == Failed)
                closedAnswer_ = a;
            else if (a != Painted)
                return false;
        }
        if (--unanswered_ < 0) return false;
        ++answered_;
        since_ = Clock::now();
    }
    return !gone_ || unanswered_ == 0;
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
    std::optional<PdfFile> out;
    out.emplace(file, settings);

    std::vector<QFont> fonts;
    PagePaint page;
    bool ok = true;  // of the file being painted
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
                    out->paint(page, fonts);
                else
                    ok = false;
            } else {
                ok = false;
            }
            if (!answer(fd, Painted)) return 2;
        } else if (kind == Next) {
            QDataStream in(body);
            streamOn(in);
            in >> file;
            ok = out->close() && ok;
            out.reset();
            if (!answer(fd, ok ? Done : Failed)) return 2;
            if (in.status() != QDataStream::Ok) return 2;
            out.emplace(file, settings);
            ok = true;
        } else {
            ok = false;
        }
    }
    ok = out->close() && ok;
    answer(fd, ok ? Done : Failed);
    return ok ? 0 : 1;
}

}  // namespace report
