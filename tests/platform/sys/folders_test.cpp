// Special folders, temporary files, the program folder and opening targets.

#include "platform/sys/apppath.h"
#include "platform/sys/folders.h"
#include "platform/sys/shell.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A HOME of the test's own for the user's folders.
class HomeScope {
public:
    explicit HomeScope(const QString& home)
        : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")), hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~HomeScope() {
        qputenv("HOME", oldHome_);
        if (hadConfig_) qputenv("XDG_CONFIG_HOME", oldConfig_);
    }

private:
    QByteArray oldHome_, oldConfig_;
    bool hadConfig_;
};

TEST(SysSpecialFolders, KindsGiveTheUsersFoldersWithoutTrailingSeparator) {
    kvtest::TempDir home;
    HomeScope scope(home.path());
    EXPECT_EQ(sys::GetSpecialFolder(28), home.path() + QStringLiteral("/Documents"));
    EXPECT_EQ(sys::GetSpecialFolder(28), sys::GetSpecialFolderPath(5));
    EXPECT_EQ(sys::GetSpecialFolder(31), home.path());                            // profile
    EXPECT_EQ(sys::GetSpecialFolder(2), home.path() + QStringLiteral("/.config"));  // application data
    EXPECT_EQ(sys::GetSpecialFolder(16), home.path() + QStringLiteral("/Desktop"));
    for (int kind = 0; kind <= 42; ++kind) {
        const QString p = sys::GetSpecialFolder(kind);
        if (kind == 40 || p.isEmpty()) continue;
        EXPECT_FALSE(p.endsWith(QLatin1Char('/')) && p != QStringLiteral("/")) << kind;
        EXPECT_TRUE(QDir::isAbsolutePath(p)) << kind;
    }
}

TEST(SysSpecialFolders, TemporaryFolderEndsWithSeparatorAndOtherValuesAreEmpty) {
    const QString temp = sys::GetSpecialFolder(40);
    EXPECT_EQ(temp, sys::GetTempFolder());
    EXPECT_TRUE(temp.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(temp).isDir());
    EXPECT_EQ(sys::GetSpecialFolder(43), QString());
    EXPECT_EQ(sys::GetSpecialFolder(-1), QString());
    // Kinds that name nothing on this platform: network, printers, drives.
    EXPECT_EQ(sys::GetSpecialFolder(27), QString());
    EXPECT_EQ(sys::GetSpecialFolder(29), QString());
    EXPECT_EQ(sys::GetSpecialFolder(18), QString());
    EXPECT_EQ(sys::GetSpecialFolderPath(9999), QString());
}

TEST(SysTempFiles, NewEmptyUniqueFileInTheGivenFolder) {
    kvtest::TempDir dir;
    const QString a = sys::GetTempFileNameIn(dir.path());
    const QString b = sys::GetTempFileNameIn(dir.path() + QStringLiteral("/"));
    ASSERT_FALSE(a.isEmpty());
    ASSERT_FALSE(b.isEmpty());
    EXPECT_NE(a, b);
    for (const QString& f : {a, b}) {
        const QFileInfo fi(f);
        EXPECT_TRUE(fi.isFile());
        EXPECT_EQ(fi.size(), 0);
        EXPECT_EQ(fi.absolutePath(), dir.path());
        EXPECT_TRUE(fi.fileName().endsWith(QStringLiteral(".tmp")));
    }
    EXPECT_EQ(sys::GetTempFileNameIn(dir.file(QStringLiteral("missing"))), QString());
    EXPECT_EQ(sys::GetTempFileNameIn(QString()), QString());
}

TEST(SysAppPath, DefaultsToTheExecutablesFolderAndCanBeSet) {
    EXPECT_EQ(sys::AppPath(), QCoreApplication::applicationDirPath());
    kvtest::TempDir dir;
    sys::SetAppPath(dir.path() + QStringLiteral("/"));
    EXPECT_EQ(sys::AppPath(), dir.path());
    sys::SetAppPath(QString());
    EXPECT_EQ(sys::AppPath(), QCoreApplication::applicationDirPath());
}

TEST(SysShellOpen, HookReceivesTheTargetInsteadOfTheDesktop) {
    QStringList opened;
    sys::SetShellOpenHook([&](const QString& target, int mode) {
        opened << target + QStringLiteral(" mode ") + QString::number(mode);
        return false;
    });
    EXPECT_FALSE(sys::ShellOpen(nullptr, QStringLiteral("https://example.invalid/kayttotuki.htm"), 0));
    sys::SetShellOpenHook({});
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://example.invalid/kayttotuki.htm mode 0")});
    EXPECT_EQ(sys::LastShellOpenTarget(), QStringLiteral("https://example.invalid/kayttotuki.htm"));
}

// Without a program to hand it to, nothing is opened and the caller hears so.
TEST(SysShellOpen, ATargetThatIsNotThereIsNotOpened) {
    sys::SetShellOpenHook({});
    EXPECT_FALSE(sys::ShellOpen(nullptr, QString(), 0));
    EXPECT_FALSE(sys::ShellOpen(nullptr, QStringLiteral("ohje/ei-ole.htm"), 0));
}

}  // namespace
