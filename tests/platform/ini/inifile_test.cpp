// The ini component: keys and values round-trip whatever their text, the
// lines it does not use survive writes, reads see every write and every
// outside change, and a write that cannot complete leaves the old file.

#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "support/child.h"
#include "support/iniheld.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <memory>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Has the system refuse this process's file locks from now on: flock()
// always, as where a folder cannot be locked (a network file system passes
// no lock of a folder on to its server), and with records true the record
// locks of fcntl() too, as a file system that takes no locks at all.
bool refuseLocks(bool records) {
#if defined(__x86_64__)
    constexpr __u32 arch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr __u32 arch = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    std::vector<sock_filter> f = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, arch, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_flock, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOLCK),
    };
    if (records) {
        f.insert(f.end(), {
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fcntl, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[1])),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, F_SETLK, 4, 0),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, F_SETLKW, 3, 0),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, F_OFD_SETLK, 2, 0),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, F_OFD_SETLKW, 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOLCK),
        });
    }
    f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog program{static_cast<unsigned short>(f.size()), f.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// A copy of the program writing the file args[0]: args[2] window placements
// of its own, "c<args[1]>k1", "c<args[1]>k2", ..., one write each; args[3]
// "folder" or "all" has the system refuse its locks (refuseLocks). Ends
// with 0 when every write was stored.
KV_TEST_CHILD(iniWrites) {
    if (!args.value(3).isEmpty() && !refuseLocks(args.value(3) == QLatin1String("all"))) return 2;
    ini::cIniFile f;
    f.FileName(args.value(0));
    f.Section(QStringLiteral("FORMS"));
    const QString value(100, u'x');
    for (int i = 1; i <= args.value(2).toInt(); ++i)
        if (!f.Write(value, QStringLiteral("c%1k%2").arg(args.value(1)).arg(i))) return 1;
    return 0;
}

// Whether the text is one whole version of a file that iniWrites children
// write: the section's header, then whole lines of theirs.
bool wholeVersion(const QByteArray& text) {
    static const QRegularExpression line(QStringLiteral("^c\\d+k\\d+=x{100}$"));
    if (!text.startsWith("[FORMS]\n") || !text.endsWith('\n')) return false;
    const QList<QByteArray> lines = text.chopped(1).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!line.match(QString::fromLatin1(lines[i])).hasMatch()) return false;
    return true;
}

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini::cIniFile::ClearCache();
        path = dir.file(QStringLiteral("test.ini"));
        ini.FileName(path);
    }
    kvtest::TempDir dir;
    QString path;
    ini::cIniFile ini;
};

TEST_F(IniFileTest, KeysAndValuesWithAnyTextRoundTrip) {
    // Texts of the kind the language files carry as keys: Finnish messages
    // with "=", blanks at either end, line breaks, backslashes and marks that
    // would begin a section or a comment.
    const QStringList texts = {
        QStringLiteral("Tositteet"),
        QStringLiteral("Odottamaton virhe: "),
        QStringLiteral("  sisennetty"),
        QStringLiteral("a=b"),
        QStringLiteral("=alussa"),
        QStringLiteral("Tietokanta on kirjoitussuojatussa tilassa.\r\nEnnen avaamista"),
        QStringLiteral("rivi1\nrivi2"),
        QStringLiteral("C:\\Ohjelma\\new\\"),
        QStringLiteral("[ei osio]"),
        QStringLiteral("; ei kommentti"),
        QStringLiteral("# ei kommentti"),
        QStringLiteral("sarkain\tväli"),
        QStringLiteral("Tilinpäätösviennit ÅÄÖ åäö €"),
        QStringLiteral(" "),
    };
    ini.Section(QStringLiteral("frmMain"));
    for (int i = 0; i < texts.size(); ++i) {
        ASSERT_TRUE(ini.Write(texts[i] + QStringLiteral(" | arvo ") + QString::number(i), texts[i]));
    }
    // The values may be just as odd.
    ASSERT_TRUE(ini.Write(QStringLiteral(" =\\n\r\n "), QStringLiteral("odd value")));

    ini::cIniFile::ClearCache();  // read back from the file itself
    ini::cIniFile again;
    again.FileName(path);
    again.Section(QStringLiteral("frmMain"));
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(again.Read(texts[i], QStringLiteral("?")), texts[i] + QStringLiteral(" | arvo ") + QString::number(i))
            << texts[i].toStdString();
    }
    EXPECT_EQ(again.Read(QStringLiteral("odd value")), QStringLiteral(" =\\n\r\n "));

    // Every entry is one line of the file, and ordinary ones stay readable.
    const QString text = QString::fromUtf8(fileBytes(path));
    EXPECT_TRUE(text.contains(QStringLiteral("\nTositteet=Tositteet | arvo 0\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nTilinpäätösviennit ÅÄÖ åäö €=Tilinpäätösviennit ÅÄÖ åäö € | arvo 12\n")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), texts.size() + 2);  // header + entries + odd value
}

TEST_F(IniFileTest, KeysAndSectionsAreCaseBlindForFinnishLettersToo) {
    ini.Section(QStringLiteral("Yleiset"));
    ASSERT_TRUE(ini.Write(QStringLiteral("eka"), QStringLiteral("Päätös ÅÄÖ")));
    ini.Section(QStringLiteral("YLEISET"));
    EXPECT_EQ(ini.Read(QStringLiteral("päätös åäö")), QStringLiteral("eka"));
    // Writing under another spelling replaces the value; the key keeps the
    // spelling it has in the file.
    ASSERT_TRUE(ini.Write(QStringLiteral("toka"), QStringLiteral("PÄÄTÖS åäö")));
    EXPECT_EQ(ini.Read(QStringLiteral("Päätös ÅÄÖ")), QStringLiteral("toka"));
    EXPECT_EQ(QString::fromUtf8(fileBytes(path)), QStringLiteral("[Yleiset]\nPäätös ÅÄÖ=toka\n"));
}

TEST_F(IniFileTest, MissingAndEmptyValuesAreTold) {
    ini.Section(QStringLiteral("KOLVIO"));
    EXPECT_EQ(ini.Read(QStringLiteral("Language"), QStringLiteral("oletus")), QStringLiteral("oletus"));  // no file
    ASSERT_TRUE(ini.Write(QString(), QStringLiteral("Language")));
    EXPECT_EQ(ini.Read(QStringLiteral("Language"), QStringLiteral("oletus")), QString());
    EXPECT_EQ(QString::fromUtf8(fileBytes(path)), QStringLiteral("[KOLVIO]\nLanguage=\n"));
    ini.Section(QStringLiteral("FORMS"));
    EXPECT_EQ(ini.Read(QStringLiteral("Language"), QStringLiteral("oletus")), QStringLiteral("oletus"));

    // Nothing to store without a file or a key.
    EXPECT_FALSE(ini.Write(QStringLiteral("x"), QString()));
    ini::cIniFile none;
    none.Section(QStringLiteral("KOLVIO"));
    EXPECT_FALSE(none.Write(QStringLiteral("x"), QStringLiteral("y")));
    EXPECT_EQ(none.Read(QStringLiteral("y"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST_F(IniFileTest, LinesItDoesNotUseAreKept) {
    const QByteArray original =
        "; Kolvio settings\r\n"
        "\r\n"
        "[KOLVIO]\r\n"
        "  Database = /home/anna/seura.mdb  \r\n"
        "this line has no equals sign\r\n"
        "Unknown=kept\r\n"
        "Language=Suomi\r\n"
        "Language=second copy\r\n"
        "\r\n"
        "# about the forms\r\n"
        "[FORMS]\r\n"
        "frmMain20=1,2,3,4,0\r\n"
        "[kolvio]\r\n"
        "MultiDb=1\r\n";
    writeBytes(path, original);
    ini.Section(QStringLiteral("KOLVIO"));
    // Blanks around "=" and at the ends are not part of key or value; the
    // first of two equal keys and the first of two equal sections count.
    EXPECT_EQ(ini.Read(QStringLiteral("Database")), QStringLiteral("/home/anna/seura.mdb"));
    EXPECT_EQ(ini.Read(QStringLiteral("Language")), QStringLiteral("Suomi"));
    EXPECT_EQ(ini.Read(QStringLiteral("MultiDb"), QStringLiteral("none")), QStringLiteral("none"));

    ASSERT_TRUE(ini.Write(QStringLiteral("Svenska"), QStringLiteral("Language")));
    ASSERT_TRUE(ini.Write(QStringLiteral("/backup"), QStringLiteral("DatabaseBackup")));
    ini.Section(QStringLiteral("Uusi"));
    ASSERT_TRUE(ini.Write(QStringLiteral("1"), QStringLiteral("k")));

    const QByteArray expected =
        "; Kolvio settings\r\n"
        "\r\n"
        "[KOLVIO]\r\n"
        "  Database = /home/anna/seura.mdb  \r\n"
        "this line has no equals sign\r\n"
        "Unknown=kept\r\n"
        "Language=Svenska\r\n"
        "Language=second copy\r\n"
        "DatabaseBackup=/backup\r\n"
        "\r\n"
        "# about the forms\r\n"
        "[FORMS]\r\n"
        "frmMain20=1,2,3,4,0\r\n"
        "[kolvio]\r\n"
        "MultiDb=1\r\n"
        "\r\n"
        "[Uusi]\r\n"
        "k=1\r\n";
    EXPECT_EQ(fileBytes(path), expected);
}

TEST_F(IniFileTest, OlderFileInWesternCodePageIsReadAndRewrittenAsUtf8) {
    writeBytes(path, QByteArray("[Yleiset]\nP\xe4iv\xe4=Dag\n; kommentti \xe5\n"));
    ini.Section(QStringLiteral("Yleiset"));
    EXPECT_EQ(ini.Read(QStringLiteral("Päivä")), QStringLiteral("Dag"));
    ASSERT_TRUE(ini.Write(QStringLiteral("Månad"), QStringLiteral("Kuukausi")));
    EXPECT_EQ(QString::fromUtf8(fileBytes(path)),
              QStringLiteral("[Yleiset]\nPäivä=Dag\nKuukausi=Månad\n; kommentti å\n"));
}

TEST_F(IniFileTest, ReadsSeeWritesOfOtherObjectsAndOutsideChanges) {
    ini::cIniFile other;
    other.FileName(path);
    other.Section(QStringLiteral("S"));
    ini.Section(QStringLiteral("s"));
    EXPECT_EQ(ini.Read(QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
    ASSERT_TRUE(other.Write(QStringLiteral("1"), QStringLiteral("k")));
    EXPECT_EQ(ini.Read(QStringLiteral("k")), QStringLiteral("1"));

    // Another program replaces the file (a new file under the same name) or
    // edits it in place.
    writeBytes(dir.file(QStringLiteral("new.ini")), "[S]\nk=2\n");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(dir.file(QStringLiteral("new.ini")), path));
    EXPECT_EQ(ini.Read(QStringLiteral("k")), QStringLiteral("2"));
    writeBytes(path, "[S]\nk=three\n");
    EXPECT_EQ(ini.Read(QStringLiteral("k")), QStringLiteral("three"));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(ini.Read(QStringLiteral("k"), QStringLiteral("gone")), QStringLiteral("gone"));
}

// Eight copies of the program writing one file at the same time (window
// placements, settings saves). Where the system takes locks, no write puts
// back what another has just written, so that every key each of them wrote
// is in the file at the end; also where a folder cannot be locked, as over a
// network file system. Where it takes none, keys may be lost, but every
// write is stored and the file is one whole version at every moment.
TEST_F(IniFileTest, EightCopiesWritingAtOnceLoseNoKeyWhereTheSystemTakesLocks) {
    constexpr int kCopies = 8, kWrites = 50;
    const struct {
        const char* refused;  // the locks the system refuses the copies
        bool allKept;
    } cases[] = {{"", true}, {"folder", true}, {"all", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refused);
        const QString file = dir.file(QStringLiteral("kopiot-%1.ini").arg(QLatin1String(c.refused)));
        writeBytes(file, "[FORMS]\n");
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int i = 1; i <= kCopies; ++i) {
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(QCoreApplication::applicationFilePath(),
                                 {QStringLiteral("--kv-child=iniWrites"), file, QString::number(i),
                                  QString::number(kWrites), QLatin1String(c.refused)});
        }
        // What anyone reading the file meanwhile finds.
        int looks = 0, broken = 0;
        const QDeadlineTimer deadline(120000);
        auto running = [&] {
            for (const auto& p : copies)
                if (p->state() != QProcess::NotRunning) return true;
            return false;
        };
        while (running() && !deadline.hasExpired()) {
            ++looks;
            if (!wholeVersion(fileBytes(file))) ++broken;
            for (const auto& p : copies) p->waitForFinished(5);
        }
        for (const auto& p : copies) {
            if (!p->waitForFinished(1000)) p->kill();
            p->waitForFinished();
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        }
        EXPECT_GT(looks, 0);
        EXPECT_EQ(broken, 0);
        EXPECT_TRUE(wholeVersion(fileBytes(file)));
        if (!c.allKept) continue;
        ini::cIniFile::ClearCache();
        ini::cIniFile written;
        written.FileName(file);
        written.Section(QStringLiteral("FORMS"));
        QStringList lost;
        for (int i = 1; i <= kCopies; ++i)
            for (int k = 1; k <= kWrites; ++k)
                if (written.Read(QStringLiteral("c%1k%2").arg(i).arg(k)).isEmpty()) lost << QStringLiteral("c%1k%2").arg(i).arg(k);
        EXPECT_EQ(lost.size(), 0) << "first lost: " << lost.mid(0, 5).join(u' ').toStdString();
    }
}

// Another program holds the file for longer than a write waits. A write that
// would change nothing neither writes nor waits. A write that would waits
// for it once, with the program's events running meanwhile, and is refused,
// as is a write that an event makes during the wait, at once; the writes
// after it do not wait while the file is held, and are stored once it is
// free.
TEST_F(IniFileTest, AFileAnotherProgramHoldsIsWaitedForOnceWithEventsRunning) {
    const QByteArray original = "[KOLVIO]\n  Database = /home/anna/seura.mdb  \nLanguage=\nMultiDb=1\n";
    writeBytes(path, original);
    kvtest::IniWriteInProgress other(path);
    ASSERT_TRUE(other.holding());
    ini.Section(QStringLiteral("kolvio"));
    const QList<QList<std::pair<QString, QString>>> unchanged = {
        {{QStringLiteral("Database"), QStringLiteral("/home/anna/seura.mdb")}},
        {{QStringLiteral("LANGUAGE"), QString()}},
        {{QStringLiteral("MultiDb"), QStringLiteral("1")}, {QStringLiteral("database"), QStringLiteral("/home/anna/seura.mdb")}},
    };
    for (const auto& keys : unchanged) {
        kvtest::WhileItRuns write;
        EXPECT_TRUE(ini.Write(keys)) << keys.first().first.toStdString();
        write.stop();
        EXPECT_LT(write.ms(), 4000);
    }
    EXPECT_EQ(fileBytes(path), original);

    ini::cIniFile placements;
    placements.FileName(path);
    placements.Section(QStringLiteral("FORMS"));
    int meanwhile = 0;
    qint64 meanwhileMs = -1;
    QTimer event;
    event.setSingleShot(true);
    QObject::connect(&event, &QTimer::timeout, [&] {
        kvtest::WhileItRuns write;
        meanwhile += placements.Write(QStringLiteral("1,2,3,4,0"), QStringLiteral("frmMain20")) ? 10 : 1;
        write.stop();
        meanwhileMs = write.ms();
    });
    event.start(100);
    kvtest::WhileItRuns wait;
    EXPECT_FALSE(ini.Write(QStringLiteral("Svenska"), QStringLiteral("Language")));
    wait.stop();
    EXPECT_TRUE(ini.LockRefused());
    EXPECT_GT(wait.ticks(), 0);
    EXPECT_LT(wait.ms(), 9000);
    EXPECT_EQ(meanwhile, 1);
    EXPECT_LT(meanwhileMs, 4000);
    EXPECT_TRUE(placements.LockRefused());
    kvtest::WhileItRuns next;
    EXPECT_FALSE(ini.Write(QStringLiteral("Svenska"), QStringLiteral("Language")));
    next.stop();
    EXPECT_LT(next.ms(), 4000);
    EXPECT_EQ(fileBytes(path), original);

    ASSERT_TRUE(other.finish());
    EXPECT_TRUE(ini.Write(QStringLiteral("Svenska"), QStringLiteral("Language")));
    EXPECT_FALSE(ini.LockRefused());
    EXPECT_EQ(ini.Read(QStringLiteral("Language")), QStringLiteral("Svenska"));
    placements.Section(QStringLiteral("FORMS"));
    EXPECT_EQ(placements.Read(QString::fromLatin1(kvtest::IniWriteInProgress::kOtherKey)), QStringLiteral("1,2,3,4,0"));
}

TEST_F(IniFileTest, BareNameIsTakenInTheProgramFolder) {
    sys::SetAppPath(dir.path());
    ini::cIniFile settings;
    settings.FileName(QStringLiteral("vevaravo.ini"));
    EXPECT_EQ(settings.FileName(), dir.file(QStringLiteral("vevaravo.ini")));
    settings.Section(QStringLiteral("KOLVIO"));
    ASSERT_TRUE(settings.Write(QStringLiteral("1"), QStringLiteral("MultiDb")));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("vevaravo.ini"))));

    settings.FileName(QStringLiteral("Svenska/Kolvio VEV.trl"));
    EXPECT_EQ(settings.FileName(), dir.path() + QStringLiteral("/Svenska/Kolvio VEV.trl"));
    // A language folder that is missing: nothing is stored, nothing fails.
    EXPECT_FALSE(settings.Write(QString(), QStringLiteral("Tositteet")));
    EXPECT_EQ(settings.Read(QStringLiteral("Tositteet")), QString());
    sys::SetAppPath(QString());
}

// An ini file that is a symbolic link stays one: the write replaces the
// file the system reads through it, wherever the link leads. A ".." in a
// link's target after a folder that is a link leads to the parent of that
// link's target, as the system takes it.
TEST_F(IniFileTest, ALinkedFileIsWrittenWhereTheSystemReadsIt) {
    for (const char* folder : {"conf", "app2", "real/app", "real/conf"}) ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
    ASSERT_EQ(::symlink("real/app", QFile::encodeName(dir.file(QStringLiteral("app"))).constData()), 0);
    const struct {
        const char* opened;  // the path the ini file is opened by
        const char* link;    // the link made, and its target
        QByteArray target;
        const char* file;  // the file the system reads through it
    } cases[] = {
        {"app2/vevaravo.ini", "app2/vevaravo.ini", "../conf/a.ini", "conf/a.ini"},
        {"app/vevaravo.ini", "real/app/vevaravo.ini", "../conf/v.ini", "real/conf/v.ini"},
        {"abs.ini", "abs.ini", QFile::encodeName(dir.file(QStringLiteral("app/../conf/w.ini"))), "real/conf/w.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opened);
        const QString link = dir.file(QString::fromLatin1(c.link)), opened = dir.file(QString::fromLatin1(c.opened));
        ASSERT_EQ(::symlink(c.target.constData(), QFile::encodeName(link).constData()), 0);
        writeBytes(opened, "[KOLVIO]\nLanguage=Suomi\n");
        ini::cIniFile settings;
        settings.FileName(opened);
        settings.Section(QStringLiteral("KOLVIO"));
        ASSERT_TRUE(settings.Write(QStringLiteral("Svenska"), QStringLiteral("Language")));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(fileBytes(dir.file(QString::fromLatin1(c.file))), "[KOLVIO]\nLanguage=Svenska\n");
        // What the next start reads.
        ini::cIniFile::ClearCache();
        EXPECT_EQ(settings.Read(QStringLiteral("Language")), QStringLiteral("Svenska"));
    }
}

TEST_F(IniFileTest, WriteThatCannotCompleteLeavesTheOldFile) {
    // A file big enough that writing it again passes the file-size limit set
    // below: the write fails part way, as on a full disk.
    QByteArray original = "[KOLVIO]\nLanguage=Suomi\n";
    for (int i = 0; i < 200; ++i) original += "Filler" + QByteArray::number(i) + "=" + QByteArray(40, 'x') + "\n";
    writeBytes(path, original);
    ini.Section(QStringLiteral("KOLVIO"));
    ASSERT_EQ(ini.Read(QStringLiteral("Language")), QStringLiteral("Suomi"));

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ini.Write(QStringLiteral("Svenska"), QStringLiteral("Language"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(fileBytes(path), original);
    EXPECT_EQ(ini.Read(QStringLiteral("Language")), QStringLiteral("Suomi"));
    // No temporary file is left beside it, only the lock file of its writes.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral(".test.ini.lock"), QStringLiteral("test.ini")}));
}

}  // namespace
