#include "platform/mail/mailer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QThread>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace mail {

namespace {

constexpr long kConnectSeconds = 30;
constexpr long kStalledSeconds = 60;

std::mutex gCaMutex;
QByteArray gCaFile;

QByteArray trustedCertificateFile() {
    std::lock_guard<std::mutex> lock(gCaMutex);
    return gCaFile;
}

bool curlReady() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ok;
}

// A text for a header or an SMTP command: one line.
QString oneLine(const QString& text) {
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

QByteArray angleAddress(const QString& address) { return "<" + oneLine(address).toUtf8() + ">"; }

struct Curl {
    CURL* handle = curl_easy_init();
    curl_slist* recipients = nullptr;
    curl_slist* headers = nullptr;
    curl_mime* mime = nullptr;
    ~Curl() {
        if (mime) curl_mime_free(mime);
        if (headers) curl_slist_free_all(headers);
        if (recipients) curl_slist_free_all(recipients);
        if (handle) curl_easy_cleanup(handle);
    }
};

struct Progress {
    const std::function<void(int)>* report = nullptr;
    int last = -1;
    void to(int percent) {
        if (percent <= last) return;
        last = percent;
        if (report && *report) (*report)(percent);
    }
};

Failure failureOf(CURLcode rc) {
    switch (rc) {
    case CURLE_OK:
        return Failure::None;
    case CURLE_COULDNT_RESOLVE_HOST:
        return Failure::ServerNotFound;
    case CURLE_COULDNT_CONNECT:
        return Failure::ConnectionRefused;
    case CURLE_USE_SSL_FAILED:     // no STARTTLS offered
    case CURLE_SSL_CONNECT_ERROR:  // no TLS where it should begin
        return Failure::NoEncryption;
    case CURLE_PEER_FAILED_VERIFICATION:
        return Failure::UntrustedServer;
    case CURLE_LOGIN_DENIED:
        return Failure::LoginRefused;
    case CURLE_OPERATION_TIMEDOUT:
        return Failure::TimedOut;
    default:
        return Failure::Other;
    }
}

SendResult other(const QString& detail) { return {Failure::Other, detail}; }

// The server's refusal that ended a sending: the first reply with a code of
// 4xx or 5xx (the lines of a reply of several joined), until a later
// positive reply shows that the server went on. The goodbye (221) to the
// QUIT that follows a refusal changes nothing.
struct Replies {
    QByteArray refusal;
    bool refusalGoesOn = false;  // more lines of the refusal are to come
};

constexpr qsizetype kReplyKept = 300;

// Each reply line of the server (libcurl hands them over as headers).
size_t onReply(char* data, size_t size, size_t count, void* userdata) {
    auto* r = static_cast<Replies*>(userdata);
    const size_t n = size * count;
    const QByteArray line = QByteArray(data, qsizetype(n)).trimmed();
    if (line.size() < 3) return n;
    const bool lastLine = line.size() == 3 || line[3] != '-';
    const QByteArray text = line.mid(4).trimmed();
    if (r->refusalGoesOn) {
        if (r->refusal.size() < kReplyKept) r->refusal += ' ' + text;
        r->refusalGoesOn = !lastLine;
    } else if (line[0] == '4' || line[0] == '5') {
        if (r->refusal.isEmpty()) {
            r->refusal = line.left(3) + ' ' + text;
            r->refusalGoesOn = !lastLine;
        }
    } else if (!line.startsWith("221")) {
        r->refusal.clear();
    }
    return n;
}

// A reply as the user may be shown it: printable characters on one line.
QString replyText(const QByteArray& reply) {
    QString t;
    for (const QChar c : QString::fromUtf8(reply)) t += c.isPrint() ? c : QChar(u' ');
    t = t.simplified();
    return t.size() > kReplyKept ? t.left(kReplyKept) + QStringLiteral("...") : t;
}

int onTransfer(void* data, curl_off_t, curl_off_t, curl_off_t upTotal, curl_off_t upNow) {
    auto* p = static_cast<Progress*>(data);
    if (upTotal > 0) {
        // The last percent is given only when the server has accepted the message.
        const int percent = static_cast<int>(qMin<curl_off_t>(99, upNow * 100 / upTotal));
        p->to(percent);
    }
    return 0;
}

}  // namespace

QString SmtpUrl(const QString& server) {
    const QString s = server.trimmed();
    if (s.isEmpty()) return QString();
    if (s.contains(QLatin1String("://"))) return s;
    // The port that speaks TLS from its first byte.
    if (s.endsWith(QLatin1String(":465"))) return QStringLiteral("smtps://") + s;
    return QStringLiteral("smtp://") + s;
}

void SetTrustedCertificateFile(const QString& path) {
    std::lock_guard<std::mutex> lock(gCaMutex);
    gCaFile = QFile::encodeName(path);
}

QByteArray DateHeader(const QDateTime& when) {
    // Qt writes the date, the time and the offset in English; the day's name,
    // which mail puts in front, it leaves out.
    return "Date: " + QLocale::c().dayName(when.date().dayOfWeek(), QLocale::ShortFormat).toLatin1() + ", " +
           when.toString(Qt::RFC2822Date).toLatin1();
}

QByteArray EncodeHeaderText(const QString& text) {
    const QString t = oneLine(text);
    bool plain = true;
    for (QChar c : t) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            plain = false;
            break;
        }
    }
    // A text that merely looks like an encoded word is encoded too.
    if (plain && !t.contains(QLatin1String("=?"))) return t.toLatin1();

    // Encoded words of at most 45 bytes of UTF-8 each (60 in base64), cut
    // between characters, never inside one.
    QByteArray out;
    QByteArray chunk;
    auto flush = [&] {
        if (chunk.isEmpty()) return;
        if (!out.isEmpty()) out += ' ';
        out += "=?UTF-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (qsizetype i = 0; i < t.size(); ++i) {
        qsizetype n = 1;
        if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) n = 2;
        const QByteArray bytes = t.mid(i, n).toUtf8();
        if (chunk.size() + bytes.size() > 45) flush();
        chunk += bytes;
        i += n - 1;
    }
    flush();
    return out;
}

SendResult SendNow(const Message& m, const std::function<void(int)>& progress) {
    const QByteArray url = SmtpUrl(m.server).toUtf8();
    if (url.isEmpty()) return other(QStringLiteral("No mail server given"));
    if (!url.startsWith("smtp://") && !url.startsWith("smtps://"))
        return other(QStringLiteral("Not a mail server address: ") + QString::fromUtf8(url));
    if (m.receiver.trimmed().isEmpty()) return other(QStringLiteral("No receiver given"));
    if (!curlReady()) return other(QStringLiteral("The mail library could not be started"));

    Curl c;
    if (!c.handle) return other(QStringLiteral("The mail library could not be started"));
    char errorText[CURL_ERROR_SIZE] = {};
    Progress prog;
    prog.report = &progress;

    const QByteArray from = angleAddress(m.sender);
    const QByteArray to = angleAddress(m.receiver);
    c.recipients = curl_slist_append(c.recipients, to.constData());
    const QByteArray headers[] = {
        DateHeader(QDateTime::currentDateTime()),
        "From: " + from,
        "To: " + to,
        "Subject: " + EncodeHeaderText(m.subject),
    };
    for (const QByteArray& h : headers) c.headers = curl_slist_append(c.headers, h.constData());

    c.mime = curl_mime_init(c.handle);
    curl_mimepart* text = curl_mime_addpart(c.mime);
    // Lines of mail end in CR LF.
    QString bodyText = m.body;
    bodyText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray body = bodyText.toUtf8();
    curl_mime_data(text, body.constData(), static_cast<size_t>(body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");
    if (!m.attachmentName.isEmpty()) {
        curl_mimepart* file = curl_mime_addpart(c.mime);
        curl_mime_data(file, m.attachment.constData(), static_cast<size_t>(m.attachment.size()));
        curl_mime_filename(file, oneLine(m.attachmentName).toUtf8().constData());
        curl_mime_type(file, "application/octet-stream");
        curl_mime_encoder(file, "base64");
    }

    CURL* h = c.handle;
    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    // TLS or nothing: STARTTLS is required where the connection does not
    // begin with TLS, and the server must prove its name.
    curl_easy_setopt(h, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(h, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray caFile = trustedCertificateFile();
    if (!caFile.isEmpty()) curl_easy_setopt(h, CURLOPT_CAINFO, caFile.constData());
    curl_easy_setopt(h, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(h, CURLOPT_MAIL_RCPT, c.recipients);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, c.headers);
    curl_easy_setopt(h, CURLOPT_MIMEPOST, c.mime);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kConnectSeconds);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, kStalledSeconds);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &onTransfer);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &prog);
    Replies replies;
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &onReply);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &replies);

    const CURLcode rc = curl_easy_perform(h);
    if (rc != CURLE_OK) {
        const Failure failure = failureOf(rc);
        if (failure == Failure::Other && !replies.refusal.isEmpty())
            return {Failure::ServerRefused, replyText(replies.refusal)};
        const QString detail = QString::fromUtf8(errorText).trimmed();
        return {failure, detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(rc)) : detail};
    }
    prog.to(100);
    return {};
}

// ---------------------------------------------------------------- cMailer

namespace {

struct Job {
    Message message;
    SendResult result;
    QThread* thread = nullptr;
    QPointer<cMailer> owner;
};

}  // namespace

cMailer::cMailer(QObject* parent) : QObject(parent) {}

cMailer::~cMailer() = default;

void cMailer::finish(const SendResult& result) {
    --running_;
    if (result.failure == Failure::None)
        Q_EMIT SendCompletedSuccessfully();
    else
        Q_EMIT SendFailed(result.failure, result.detail);
}

void cMailer::Send(const QString& body, const QString& subject, const QString& attachmentPath) {
    ++running_;
    auto job = std::make_shared<Job>();
    job->owner = this;
    Message& m = job->message;
    m.server = smtpServer_;
    m.sender = sender_;
    m.receiver = receiver_;
    m.subject = subject;
    m.body = body;
    {
        // Read whole now, on this thread: nothing can change the file while
        // it is read, and the sending works on its own copy.
        QFile file(attachmentPath);
        QString failure;
        if (attachmentPath.isEmpty()) {
            failure = QStringLiteral("No attachment given");
        } else if (!file.open(QIODevice::ReadOnly)) {
            failure = QStringLiteral("The attachment cannot be read: ") + file.errorString();
        } else {
            m.attachment = file.readAll();
            if (file.error() != QFileDevice::NoError || m.attachment.size() != file.size())
                failure = QStringLiteral("The attachment cannot be read: ") + file.errorString();
        }
        if (!failure.isEmpty()) {
            QMetaObject::invokeMethod(this, [this, failure] { finish(other(failure)); }, Qt::QueuedConnection);
            return;
        }
        m.attachmentName = QFileInfo(attachmentPath).fileName();
    }

    QThread* thread = QThread::create([job] {
        job->result = SendNow(job->message, [job](int percent) {
            // Delivered on the owner's thread; the thread object outlives
            // every such call (it is deleted only after it has finished).
            const QPointer<cMailer> owner = job->owner;
            QMetaObject::invokeMethod(
                job->thread,
                [owner, percent] {
                    if (owner) Q_EMIT owner->SendProgress(percent);
                },
                Qt::QueuedConnection);
        });
    });
    job->thread = thread;
    connect(thread, &QThread::finished, this, [this, job] { finish(job->result); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

}  // namespace mail
