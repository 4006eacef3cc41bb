// The mail service against a local SMTP listener: what arrives (envelope,
// headers, text and attachment), progress and outcome signals, and the
// failures it must report instead of claiming success.

#include "platform/mail/mailer.h"
#include "platform/mail/smtplistener.h"
#include "support/testenv.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using kvtest::ParseMail;
using kvtest::SmtpListener;

namespace {

QByteArray everyByte(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i) b[i] = char((i * 7 + i / 256) & 0xff);
    return b;
}

QString writeFile(const kvtest::TempDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.file(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

// The tests' own servers are trusted, through their throw-away certificate.
struct TrustTestServers {
    explicit TrustTestServers(const kvtest::TestCertificate& cert = kvtest::TestCertificate::shared()) {
        EXPECT_TRUE(cert.ok) << cert.error.toStdString();
        mail::SetTrustedCertificateFile(cert.certFile());
    }
    ~TrustTestServers() { mail::SetTrustedCertificateFile(QString()); }
};

struct Outcome {
    explicit Outcome(mail::cMailer& m)
        : done(&m, &mail::cMailer::SendCompletedSuccessfully),
          failed(&m, &mail::cMailer::SendFailed),
          progress(&m, &mail::cMailer::SendProgress) {}
    bool wait() { return QTest::qWaitFor([this] { return done.count() + failed.count() > 0; }, 20000); }
    QSignalSpy done;
    QSignalSpy failed;
    QSignalSpy progress;
};

TEST(Mail, HeaderTextsAreOneLineAndEncodedOnlyWhenNeeded) {
    EXPECT_EQ(mail::EncodeHeaderText(QStringLiteral("Seura-Kolvio VEV:2.0.1")), "Seura-Kolvio VEV:2.0.1");
    // A line break would start a header of its own.
    const QByteArray injected = mail::EncodeHeaderText(QStringLiteral("Hei\r\nBcc: x@example.org"));
    EXPECT_FALSE(injected.contains('\n'));
    EXPECT_FALSE(injected.contains('\r'));

    const QString finnish = QStringLiteral("Äänekosken Öljynjalostajat ry - ") + QString(40, QChar(0x00e4)) +
                            QString::fromUtf8("\xF0\x9F\x98\x80");
    const QByteArray enc = mail::EncodeHeaderText(finnish);
    EXPECT_TRUE(enc.startsWith("=?UTF-8?B?"));
    for (const QByteArray& w : enc.split(' ')) EXPECT_LE(w.size(), 75) << w.constData();
    EXPECT_EQ(kvtest::DecodeHeaderValue(enc), finnish);
    // A plain text that looks like an encoded word is not taken for one.
    EXPECT_EQ(kvtest::DecodeHeaderValue(mail::EncodeHeaderText(QStringLiteral("=?x?="))), QStringLiteral("=?x?="));

    EXPECT_EQ(mail::SmtpUrl(QStringLiteral("  mail.example.org:2525 ")), QStringLiteral("smtp://mail.example.org:2525"));
    EXPECT_EQ(mail::SmtpUrl(QStringLiteral("smtps://mail.example.org")), QStringLiteral("smtps://mail.example.org"));
    EXPECT_EQ(mail::SmtpUrl(QStringLiteral("mail.example.org")), QStringLiteral("smtp://mail.example.org"));
    EXPECT_EQ(mail::SmtpUrl(QStringLiteral("mail.example.org:465")), QStringLiteral("smtps://mail.example.org:465"));
    EXPECT_EQ(mail::SmtpUrl(QStringLiteral("   ")), QString());
}

// The Date header names the day and the month in English under every
// locale (CMakeLists.txt runs this again under fi_FI and C as the system's).
TEST(Mail, TheDateHeaderIsInEnglishWhateverTheLocale) {
    const struct {
        QDateTime when;
        const char* header;
    } cases[] = {
        {QDateTime(QDate(2024, 1, 5), QTime(9, 7, 3), QTimeZone(2 * 3600)), "Date: Fri, 05 Jan 2024 09:07:03 +0200"},
        {QDateTime(QDate(2023, 10, 29), QTime(23, 59, 59), QTimeZone(-(3 * 3600 + 30 * 60))),
         "Date: Sun, 29 Oct 2023 23:59:59 -0330"},
        {QDateTime(QDate(2024, 5, 30), QTime(0, 0), QTimeZone::utc()), "Date: Thu, 30 May 2024 00:00:00 +0000"},
    };
    for (const auto& c : cases) EXPECT_EQ(mail::DateHeader(c.when), c.header) << c.header;
}

TEST(Mail, TheMessageArrivesWithItsTextAndWholeAttachment) {
    TrustTestServers trust;
    SmtpListener server;
    ASSERT_TRUE(server.isListening());
    kvtest::TempDir dir;
    const QByteArray book = everyByte(300 * 1024);
    const QString path = writeFile(dir, QStringLiteral("yhdistys.mdb"), book);

    mail::cMailer m;
    m.setSmtpServer(server.address());
    m.setSender(QStringLiteral("kirjanpitaja@example.org"));
    m.setReceiver(QStringLiteral("tuki@example.net"));
    Outcome out(m);
    const QString body = QStringLiteral("Tilinpäätös ei täsmää.\n.rivi pisteellä\n\nKiitos!");
    m.Send(body, QStringLiteral("Äijälän seura-Kolvio VEV:2.0.1"), path);
    // The outcome never comes inside Send.
    EXPECT_EQ(out.done.count() + out.failed.count(), 0);
    EXPECT_TRUE(m.isSending());
    ASSERT_TRUE(out.wait());
    EXPECT_EQ(out.done.count(), 1);
    EXPECT_EQ(out.failed.count(), 0);
    EXPECT_FALSE(m.isSending());

    ASSERT_EQ(server.received.size(), 1);
    // Nothing but the greeting and the switch to TLS went in the clear.
    EXPECT_EQ(server.plainCommands, (QList<QByteArray>{"EHLO", "STARTTLS"}));
    const kvtest::ReceivedMail& r = server.received[0];
    EXPECT_EQ(r.mailFrom, "kirjanpitaja@example.org");
    ASSERT_EQ(r.rcptTo.size(), 1);
    EXPECT_EQ(r.rcptTo[0], "tuki@example.net");

    const kvtest::ParsedMail mailIn = ParseMail(r.data);
    EXPECT_EQ(kvtest::DecodeHeaderValue(mailIn.headers.value("subject")), QStringLiteral("Äijälän seura-Kolvio VEV:2.0.1"));
    EXPECT_TRUE(mailIn.headers.value("from").contains("kirjanpitaja@example.org"));
    EXPECT_TRUE(mailIn.headers.value("to").contains("tuki@example.net"));
    EXPECT_TRUE(QDateTime::fromString(QString::fromLatin1(mailIn.headers.value("date")), Qt::RFC2822Date).isValid())
        << mailIn.headers.value("date").constData();
    ASSERT_EQ(mailIn.parts.size(), 2);
    QString text = QString::fromUtf8(mailIn.parts[0].body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(text, body);
    EXPECT_TRUE(mailIn.parts[0].headers.value("content-type").contains("charset=UTF-8"));
    EXPECT_EQ(kvtest::PartFileName(mailIn.parts[1]), QStringLiteral("yhdistys.mdb"));
    EXPECT_EQ(mailIn.parts[1].body.size(), book.size());
    EXPECT_TRUE(mailIn.parts[1].body == book);

    // Progress grows to 100, which comes only with the outcome.
    ASSERT_GE(out.progress.count(), 1);
    long last = -1;
    for (const QList<QVariant>& args : out.progress) {
        const long v = args.at(0).value<long>();
        EXPECT_GT(v, last);
        last = v;
    }
    EXPECT_EQ(last, 100);
}

TEST(Mail, EveryFailureIsReportedOnceAndNeverAsSuccess) {
    TrustTestServers trust;
    SmtpListener server;
    SmtpListener refusing;
    refusing.refuseRecipient = true;
    SmtpListener unwelcoming;
    unwelcoming.refuseGreeting = "554 5.7.1 no service for you";
    quint16 closedPort = 0;
    {
        SmtpListener gone;
        closedPort = gone.port();
    }
    kvtest::TempDir dir;
    const QString path = writeFile(dir, QStringLiteral("kirja.mdb"), everyByte(1000));
    const QString ok = QStringLiteral("b@example.net");
    using F = mail::Failure;
    struct Case {
        QString server, receiver, attachment;
        F failure;
        QString said;  // the server's reply, for the window to show
    } cases[] = {
        {refusing.address(), ok, path, F::ServerRefused, QStringLiteral("550 5.1.1 no such user")},
        {unwelcoming.address(), ok, path, F::ServerRefused, QStringLiteral("554 5.7.1 no service for you")},
        {QStringLiteral("127.0.0.1:%1").arg(closedPort), ok, path, F::ConnectionRefused},  // nobody listens
        {server.address(), ok, dir.file(QStringLiteral("ei-ole.mdb")), F::Other},  // no file to attach
        {server.address(), ok, QString(), F::Other},
        {server.address(), QString(), path, F::Other},                             // no receiver
        {server.address(), QStringLiteral("  "), path, F::Other},
    };
    for (const Case& c : cases) {
        mail::cMailer m;
        m.setSmtpServer(c.server);
        m.setSender(QStringLiteral("a@example.org"));
        m.setReceiver(c.receiver);
        Outcome out(m);
        m.Send(QStringLiteral("x"), QStringLiteral("s"), c.attachment);
        EXPECT_EQ(out.failed.count(), 0);  // not inside Send
        ASSERT_TRUE(out.wait());
        EXPECT_EQ(out.failed.count(), 1) << c.server.toStdString() << " " << c.attachment.toStdString();
        EXPECT_EQ(out.done.count(), 0);
        EXPECT_EQ(out.failed.at(0).at(0).value<F>(), c.failure) << c.server.toStdString();
        // The log gets the details.
        EXPECT_FALSE(out.failed.at(0).at(1).toString().isEmpty());
        if (!c.said.isEmpty()) EXPECT_EQ(out.failed.at(0).at(1).toString(), c.said);
    }
    QTest::qWait(50);
    // The cases found wanting before sending never reached the server.
    EXPECT_EQ(server.connections, 0);
    EXPECT_TRUE(refusing.received.isEmpty());
    EXPECT_TRUE(unwelcoming.received.isEmpty());
}

// Sends one message to server and returns why it failed (None for a
// sending that succeeded, nothing when no outcome came).
std::optional<mail::Failure> sendTo(const QString& server, const QString& attachment) {
    mail::cMailer m;
    m.setSmtpServer(server);
    m.setSender(QStringLiteral("a@example.org"));
    m.setReceiver(QStringLiteral("b@example.net"));
    Outcome out(m);
    m.Send(QStringLiteral("salainen"), QStringLiteral("s"), attachment);
    if (!out.wait()) return std::nullopt;
    return out.failed.isEmpty() ? mail::Failure::None : out.failed.at(0).at(0).value<mail::Failure>();
}

TEST(Mail, TheBookGoesOnlyOverTlsToAServerThatProvesItsName) {
    TrustTestServers trust;
    kvtest::TempDir dir;
    const QString path = writeFile(dir, QStringLiteral("kirja.mdb"), everyByte(4000));

    // SMTPS: TLS from the first byte, by its address or by port 465's scheme.
    SmtpListener smtps(kvtest::Tls::Implicit);
    ASSERT_TRUE(smtps.isListening());
    EXPECT_EQ(sendTo(smtps.address(), path), mail::Failure::None);
    ASSERT_EQ(smtps.received.size(), 1);
    EXPECT_TRUE(smtps.plainCommands.isEmpty());
    EXPECT_EQ(ParseMail(smtps.received[0].data).parts.value(1).body, everyByte(4000));

    // A server that offers no STARTTLS gets the greeting and the goodbye,
    // nothing of the message; the reason says why.
    SmtpListener plain(kvtest::Tls::None);
    EXPECT_EQ(sendTo(plain.address(), path), mail::Failure::NoEncryption);
    QTest::qWait(50);
    EXPECT_TRUE(plain.received.isEmpty());
    EXPECT_FALSE(plain.plainCommands.contains("MAIL"));
    EXPECT_FALSE(plain.plainCommands.contains("RCPT"));
    EXPECT_FALSE(plain.plainCommands.contains("DATA"));
    EXPECT_EQ(plain.connections, 1);
    // Nor does it when asked for TLS from the start.
    EXPECT_EQ(sendTo(QStringLiteral("smtps://127.0.0.1:%1").arg(plain.port()), path), mail::Failure::NoEncryption);
    EXPECT_TRUE(plain.received.isEmpty());

    // A server whose certificate no trusted authority signed.
    const kvtest::TestCertificate stranger;
    ASSERT_TRUE(stranger.ok) << stranger.error.toStdString();
    SmtpListener impostor(kvtest::Tls::StartTls, stranger);
    ASSERT_TRUE(impostor.isListening());
    EXPECT_EQ(sendTo(impostor.address(), path), mail::Failure::UntrustedServer);
    QTest::qWait(50);
    EXPECT_TRUE(impostor.received.isEmpty());
    EXPECT_EQ(impostor.plainCommands, (QList<QByteArray>{"EHLO", "STARTTLS"}));
}

TEST(Mail, ASendingOutlivesItsMailer) {
    TrustTestServers trust;
    SmtpListener server;
    kvtest::TempDir dir;
    const QString path = writeFile(dir, QStringLiteral("kirja.mdb"), everyByte(64 * 1024));
    auto m = std::make_unique<mail::cMailer>();
    m->setSmtpServer(server.address());
    m->setSender(QStringLiteral("a@example.org"));
    m->setReceiver(QStringLiteral("b@example.net"));
    m->Send(QStringLiteral("x"), QStringLiteral("s"), path);
    m.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.received.isEmpty(); }, 20000));
    ASSERT_EQ(server.received.size(), 1);
    EXPECT_EQ(ParseMail(server.received[0].data).parts.value(1).body, everyByte(64 * 1024));
    // Let the finished sending's last events run into the void.
    QTest::qWait(100);
}

}  // namespace
