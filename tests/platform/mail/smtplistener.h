#pragma once

// A small SMTP server for tests, on 127.0.0.1 at a port of its own: it
// speaks enough of the protocol to take messages, keeps what it received,
// and can be told to refuse the recipient or every login (it offers AUTH
// PLAIN once encrypted). It speaks TLS as asked: STARTTLS
// offered (the default), TLS from the first byte (SMTPS), or none at all,
// with a throw-away certificate that the test makes with openssl. ParseMail
// takes a received message apart into its headers, its text and its
// attachment.

#include "support/testenv.h"

#include <QByteArray>
#include <QFile>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace kvtest {

struct ReceivedMail {
    QByteArray mailFrom;  // the address of MAIL FROM, without the angle brackets
    QList<QByteArray> rcptTo;
    QByteArray data;  // the message as sent, dot-stuffing undone
};

// A self-signed certificate for 127.0.0.1 and localhost with its key, made
// by openssl in a folder of its own; ok is false when it could not be made.
struct TestCertificate {
    TestCertificate() {
        QProcess p;
        p.start(QStringLiteral("openssl"),
                {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                 QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                 QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost"),
                 QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost"),
                 QStringLiteral("-keyout"), keyFile(), QStringLiteral("-out"), certFile()});
        ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
             QFile::exists(certFile()) && QFile::exists(keyFile());
        if (!ok) error = QString::fromLocal8Bit(p.readAllStandardError()) + p.errorString();
    }
    QString certFile() const { return dir.file(QStringLiteral("cert.pem")); }
    QString keyFile() const { return dir.file(QStringLiteral("key.pem")); }
    // One for the whole test program.
    static const TestCertificate& shared() {
        static const TestCertificate c;
        return c;
    }
    TempDir dir;
    bool ok = false;
    QString error;
};

enum class Tls { StartTls, Implicit, None };

class SmtpListener {
public:
    explicit SmtpListener(Tls tls = Tls::StartTls, const TestCertificate& cert = TestCertificate::shared())
        : tls_(tls) {
        if (tls != Tls::None) {
            QFile c(cert.certFile()), k(cert.keyFile());
            if (c.open(QIODevice::ReadOnly)) certificate_ = QSslCertificate(c.readAll(), QSsl::Pem);
            if (k.open(QIODevice::ReadOnly)) key_ = QSslKey(k.readAll(), QSsl::Ec, QSsl::Pem);
        }
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) accept(static_cast<QSslSocket*>(s));
        });
    }

    bool isListening() const {
        return server_.isListening() && (tls_ == Tls::None || (!certificate_.isNull() && !key_.isNull()));
    }
    quint16 port() const { return server_.serverPort(); }
    // The server as the settings name it.
    QString address() const {
        return tls_ == Tls::Implicit ? QStringLiteral("smtps://127.0.0.1:%1").arg(port())
                                     : QStringLiteral("127.0.0.1:%1").arg(port());
    }

    // Refuse every recipient with 550.
    bool refuseRecipient = false;
    // Refuse every login with 535 (a login is taken otherwise).
    bool refuseLogin = false;
    // The reply that refuses every connection at its greeting ("554 ..."),
    // instead of the 220 that welcomes it.
    QByteArray refuseGreeting;

    QList<ReceivedMail> received;
    int connections = 0;
    // The command words that came before the connection was encrypted.
    QList<QByteArray> plainCommands;

private:
    // Every connection is a QSslSocket, encrypted when the protocol says so.
    class Server : public QTcpServer {
    protected:
        void incomingConnection(qintptr descriptor) override {
            auto* s = new QSslSocket(this);
            if (s->setSocketDescriptor(descriptor))
                addPendingConnection(s);
            else
                delete s;
        }
    };

    struct Session {
        QByteArray buffer;
        bool inData = false;
        bool inLogin = false;  // AUTH PLAIN has asked for the credentials
        ReceivedMail mail;
    };

    void accept(QSslSocket* s) {
        ++connections;
        auto session = std::make_shared<Session>();
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, session] { onRead(s, *session); });
        const QByteArray greeting =
            refuseGreeting.isEmpty() ? QByteArray("220 localhost test ESMTP\r\n") : refuseGreeting + "\r\n";
        if (tls_ == Tls::None) {
            s->write(greeting);
            return;
        }
        s->setLocalCertificate(certificate_);
        s->setPrivateKey(key_);
        if (tls_ == Tls::Implicit) {
            QObject::connect(s, &QSslSocket::encrypted, s, [s, greeting] { s->write(greeting); });
            s->startServerEncryption();
        } else {
            s->write(greeting);
        }
    }

    static QByteArray addressOf(const QByteArray& arg) {
        const qsizetype a = arg.indexOf('<');
        const qsizetype b = arg.lastIndexOf('>');
        return a >= 0 && b > a ? arg.mid(a + 1, b - a - 1) : arg.trimmed();
    }

    void onRead(QSslSocket* s, Session& ss) {
        ss.buffer += s->readAll();
        for (;;) {
            if (ss.inData) {
                const qsizetype end = ss.buffer.indexOf("\r\n.\r\n");
                if (end < 0) return;
                QByteArray data = ss.buffer.left(end + 2);
                ss.buffer.remove(0, end + 5);
                data.replace("\r\n..", "\r\n.");
                if (data.startsWith("..")) data.remove(0, 1);
                ss.mail.data = data;
                received << ss.mail;
                ss.mail = ReceivedMail();
                ss.inData = false;
                s->write("250 2.0.0 queued\r\n");
                continue;
            }
            const qsizetype eol = ss.buffer.indexOf("\r\n");
            if (eol < 0) return;
            const QByteArray line = ss.buffer.left(eol);
            ss.buffer.remove(0, eol + 2);
            if (ss.inLogin) {
                ss.inLogin = false;
                s->write(refuseLogin ? "535 5.7.8 authentication failed\r\n" : "235 2.7.0 ok\r\n");
                continue;
            }
            const QByteArray verb = line.left(4).toUpper();
            if (!s->isEncrypted()) plainCommands << line.split(' ').value(0).toUpper();
            const bool offerStartTls = tls_ == Tls::StartTls && !s->isEncrypted();
            if (verb == "EHLO" || verb == "HELO") {
                s->write(offerStartTls       ? "250-localhost\r\n250-STARTTLS\r\n250 8BITMIME\r\n"
                         : s->isEncrypted() ? "250-localhost\r\n250-AUTH PLAIN\r\n250 8BITMIME\r\n"
                                            : "250-localhost\r\n250 8BITMIME\r\n");
            } else if (verb == "AUTH" && s->isEncrypted()) {
                // The credentials come with the command or on a line of their own.
                if (line.split(' ').size() > 2) {
                    s->write(refuseLogin ? "535 5.7.8 authentication failed\r\n" : "235 2.7.0 ok\r\n");
                } else {
                    ss.inLogin = true;
                    s->write("334 \r\n");
                }
            } else if (line.toUpper() == "STARTTLS" && offerStartTls) {
                s->write("220 2.0.0 ready to start TLS\r\n");
                ss.buffer.clear();
                s->startServerEncryption();
                return;
            } else if (verb == "MAIL") {
                ss.mail.mailFrom = addressOf(line.mid(line.indexOf(':') + 1));
                s->write("250 2.1.0 ok\r\n");
            } else if (verb == "RCPT") {
                if (refuseRecipient) {
                    s->write("550 5.1.1 no such user\r\n");
                } else {
                    ss.mail.rcptTo << addressOf(line.mid(line.indexOf(':') + 1));
                    s->write("250 2.1.5 ok\r\n");
                }
            } else if (verb == "DATA") {
                ss.inData = true;
                s->write("354 go ahead\r\n");
            } else if (verb == "QUIT") {
                s->write("221 bye\r\n");
                s->disconnectFromHost();
                return;
            } else if (verb == "RSET" || verb == "NOOP") {
                s->write("250 ok\r\n");
            } else {
                s->write("502 not implemented\r\n");
            }
        }
    }

    Tls tls_;
    QSslCertificate certificate_;
    QSslKey key_;
    Server server_;
};

// ---- Reading a received message

struct MailPart {
    QMap<QByteArray, QByteArray> headers;  // names in lower case
    QByteArray body;                       // decoded
};

struct ParsedMail {
    QMap<QByteArray, QByteArray> headers;  // names in lower case, values unfolded
    QList<MailPart> parts;                 // the parts of a multipart message
};

inline QMap<QByteArray, QByteArray> ParseHeaders(const QByteArray& block) {
    QMap<QByteArray, QByteArray> out;
    QByteArray name;
    for (const QByteArray& raw : block.split('\n')) {
        QByteArray line = raw;
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty()) continue;
        if ((line[0] == ' ' || line[0] == '\t') && !name.isEmpty()) {
            out[name] += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) continue;
        name = line.left(colon).trimmed().toLower();
        out[name] = line.mid(colon + 1).trimmed();
    }
    return out;
}

inline QByteArray DecodeQuotedPrintable(const QByteArray& in) {
    QByteArray out;
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '=') {
            out += in[i];
            continue;
        }
        if (i + 1 < in.size() && (in[i + 1] == '\r' || in[i + 1] == '\n')) {  // soft break
            i += (in[i + 1] == '\r' && i + 2 < in.size() && in[i + 2] == '\n') ? 2 : 1;
            continue;
        }
        out += QByteArray::fromHex(in.mid(i + 1, 2));
        i += 2;
    }
    return out;
}

// A header value with its encoded words (=?UTF-8?B?...?= and ?Q?) decoded.
inline QString DecodeHeaderValue(const QByteArray& value) {
    static const QRegularExpression word(QStringLiteral("=\\?([^?]+)\\?([BbQq])\\?([^?]*)\\?="));
    const QString v = QString::fromLatin1(value);
    QString out;
    qsizetype at = 0;
    bool lastWasWord = false;
    auto it = word.globalMatch(v);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString between = v.mid(at, m.capturedStart() - at);
        // Blanks between two encoded words are not part of the text.
        if (!(lastWasWord && between.trimmed().isEmpty())) out += between;
        const QByteArray data = m.captured(3).toLatin1();
        QByteArray bytes = m.captured(2).toUpper() == QLatin1String("B")
                               ? QByteArray::fromBase64(data)
                               : DecodeQuotedPrintable(QByteArray(data).replace('_', ' '));
        out += QString::fromUtf8(bytes);
        at = m.capturedEnd();
        lastWasWord = true;
    }
    out += v.mid(at);
    return out;
}

inline MailPart ParsePart(const QByteArray& raw) {
    MailPart p;
    qsizetype split = raw.indexOf("\r\n\r\n");
    const int gap = split >= 0 ? 4 : 2;
    if (split < 0) split = raw.indexOf("\n\n");
    p.headers = ParseHeaders(split >= 0 ? raw.left(split) : raw);
    QByteArray body = split >= 0 ? raw.mid(split + gap) : QByteArray();
    const QByteArray enc = p.headers.value("content-transfer-encoding").toLower();
    if (enc == "base64")
        p.body = QByteArray::fromBase64(body);
    else if (enc == "quoted-printable")
        p.body = DecodeQuotedPrintable(body);
    else
        p.body = body;
    return p;
}

inline ParsedMail ParseMail(const QByteArray& data) {
    ParsedMail mail;
    const MailPart top = ParsePart(data);
    mail.headers = top.headers;
    static const QRegularExpression boundaryRe(QStringLiteral("boundary=\"?([^\";]+)\"?"));
    const auto m = boundaryRe.match(QString::fromLatin1(top.headers.value("content-type")));
    if (!m.hasMatch()) return mail;
    const QByteArray boundary = "--" + m.captured(1).toLatin1();
    const qsizetype headerEnd = data.indexOf("\r\n\r\n");
    QByteArray rest = data.mid(headerEnd + 4);
    const QList<QByteArray> pieces = rest.split('\n');
    // Split the body at the boundary lines.
    QList<QByteArray> raws;
    QByteArray current;
    bool inside = false;
    for (const QByteArray& l : pieces) {
        const QByteArray line = l.endsWith('\r') ? l.chopped(1) : l;
        if (line == boundary || line == boundary + "--") {
            if (inside) {
                if (current.endsWith("\r\n")) current.chop(2);
                raws << current;
            }
            current.clear();
            inside = line == boundary;
            continue;
        }
        if (inside) current += l + '\n';
    }
    for (const QByteArray& r : raws) mail.parts << ParsePart(r);
    return mail;
}

// The file name a part's headers give ("" when none).
inline QString PartFileName(const MailPart& p) {
    static const QRegularExpression nameRe(QStringLiteral("(?:file)?name=\"?([^\";]+)\"?"));
    const auto m = nameRe.match(QString::fromUtf8(p.headers.value("content-disposition")));
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace kvtest
