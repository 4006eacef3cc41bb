// The ini component: keys and values round-trip whatever their text, the
// lines it does not use survive writes, reads see every write and every
// outside change, and a write that cannot complete leaves the old file.

#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "support/child.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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

// Another copy of the program writing the file args[0]: a key of its own
// for each write, "toinen1", "toinen2", ..., for the time args[1] (ms) from
// when it tells on its output that it begins; at its end it tells how many.
KV_TEST_CHILD(iniWrites) {
    ini::cIniFile f;
    f.FileName(args.value(0));
    f.Section(QStringLiteral("FORMS"));
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    out.write("alkaa\n");
    out.flush();
    const QDeadlineTimer until(args.value(1).toInt());
    int n = 0;
    while (!until.hasExpired())
        if (!f.Write(QStringLiteral("1"), QStringLiteral("toinen%1").arg(++n))) return 1;
    out.write(QByteArray::number(n) + '\n');
    return 0;
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

// Two copies of the program writing one file at the same time (window
// placements, a settings save): no write puts back what the other has just
// written, so every key each of them wrote is in the file at the end.
TEST_F(IniFileTest, TwoCopiesWritingAtOnceLoseNoWriteOfEitherOne) {
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--kv-child=iniWrites"), path, QStringLiteral("1500")});
    ASSERT_TRUE(other.waitForReadyRead(20000));
    ASSERT_EQ(other.readLine().trimmed(), "alkaa");
    ini.Section(QStringLiteral("FORMS"));
    const QDeadlineTimer until(1500);
    int n = 0;
    while (!until.hasExpired()) ASSERT_TRUE(ini.Write(QStringLiteral("1"), QStringLiteral("tama%1").arg(++n)));
    ASSERT_TRUE(other.waitForFinished(20000));
    ASSERT_EQ(other.exitCode(), 0);
    const int others = other.readAll().trimmed().toInt();
    ASSERT_GT(others, 10);
    ini::cIniFile::ClearCache();
    QStringList lost;
    for (const auto& [prefix, count] : {std::pair{"tama", n}, std::pair{"toinen", others}})
        for (int i = 1; i <= count; ++i)
            if (ini.Read(QString::fromLatin1(prefix) + QString::number(i)) != QLatin1String("1"))
                lost << QString::fromLatin1(prefix) + QString::number(i);
    EXPECT_EQ(lost.size(), 0) << "first lost: " << lost.mid(0, 5).join(u' ').toStdString();
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
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("test.ini")});
}

}  // namespace
