// Window placements in the ini file: stored in twips at the window's DPI,
// restored exactly, and brought wholly onto the screen when they lie off it.

#include "platform/ini/inifile.h"
#include "platform/ui/placement.h"
#include "support/testenv.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini::cIniFile::ClearCache();
        ini.FileName(dir.file(QStringLiteral("vevaravo.ini")));
        ini.Section(QStringLiteral("FORMS"));
    }
    static int twipsX(const QWidget& w, int px) { return qRound(px * 1440.0 / w.logicalDpiX()); }
    static int twipsY(const QWidget& w, int px) { return qRound(px * 1440.0 / w.logicalDpiY()); }

    kvtest::TempDir dir;
    ini::cIniFile ini;
};

TEST_F(PlacementTest, PlacementRoundTripsInTwips) {
    QWidget saved;
    saved.setGeometry(100, 80, 320, 200);
    ASSERT_TRUE(ini.SaveFormPos(&saved, QStringLiteral("frmMain20")));
    const QString expected = QStringLiteral("%1,%2,%3,%4,0")
                                 .arg(twipsX(saved, 100))
                                 .arg(twipsY(saved, 80))
                                 .arg(twipsX(saved, 320))
                                 .arg(twipsY(saved, 200));
    EXPECT_EQ(ini.Read(QStringLiteral("frmMain20")), expected);

    QWidget restored;
    restored.resize(50, 50);
    ASSERT_TRUE(ini.LoadFormPos(&restored, QStringLiteral("frmMain20"), true, QString()));
    EXPECT_EQ(restored.geometry(), QRect(100, 80, 320, 200));

    // Position only: the window keeps its size.
    QWidget moved;
    moved.resize(60, 40);
    ASSERT_TRUE(ini.LoadFormPos(&moved, QStringLiteral("frmMain20"), false, QString()));
    EXPECT_EQ(moved.geometry(), QRect(100, 80, 60, 40));
}

TEST_F(PlacementTest, MaximisedWindowKeepsItsNormalPlacement) {
    QWidget w;
    w.setGeometry(40, 50, 300, 200);
    w.showMaximized();
    ASSERT_TRUE(ini.SaveFormPos(&w, QStringLiteral("frmBudjetti20")));
    EXPECT_TRUE(ini.Read(QStringLiteral("frmBudjetti20")).endsWith(QStringLiteral(",2")));

    QWidget restored;
    ASSERT_TRUE(ini.LoadFormPos(&restored, QStringLiteral("frmBudjetti20")));
    EXPECT_TRUE(restored.windowState() & Qt::WindowMaximized);
    restored.showNormal();
    EXPECT_EQ(restored.geometry().size(), QSize(300, 200));
}

TEST_F(PlacementTest, PlacementOffTheScreenIsBroughtWhollyOntoIt) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const QRect avail = primary->availableGeometry();

    QWidget w;
    // Where the window's client area may lie: its title bar and borders
    // stay on the screen too.
    const QRect room = avail.marginsRemoved(ui::FrameMargins(&w));
    // Far to the upper left of every screen.
    ASSERT_TRUE(ini.Write(QStringLiteral("-300000,-300000,4500,3000,0"), QStringLiteral("frmTilit20")));
    ASSERT_TRUE(ini.LoadFormPos(&w, QStringLiteral("frmTilit20")));
    EXPECT_EQ(w.geometry(), QRect(room.topLeft(), QSize(300, 200)));

    // Far to the lower right, and bigger than the screen: shrunk to fit.
    ASSERT_TRUE(ini.Write(QStringLiteral("9000000,9000000,9000000,9000000,0"), QStringLiteral("frmTilit20")));
    ASSERT_TRUE(ini.LoadFormPos(&w, QStringLiteral("frmTilit20")));
    EXPECT_EQ(w.geometry(), room);

    // Partly off the right edge (saved on a wider screen): moved in just so
    // far that the whole window is on the screen.
    const int y = room.top() + 10;
    ASSERT_TRUE(ini.Write(QStringLiteral("%1,%2,%3,%4,0")
                              .arg(twipsX(w, room.right() - 100)).arg(twipsY(w, y)).arg(twipsX(w, 400)).arg(twipsY(w, 300)),
                          QStringLiteral("frmTilit20")));
    ASSERT_TRUE(ini.LoadFormPos(&w, QStringLiteral("frmTilit20")));
    EXPECT_EQ(w.geometry(), QRect(room.right() + 1 - 400, y, 400, 300));

    // Wholly on the screen: restored as saved.
    ASSERT_TRUE(ini.Write(QStringLiteral("%1,%2,%3,%4,0")
                              .arg(twipsX(w, room.left() + 20)).arg(twipsY(w, y)).arg(twipsX(w, 400)).arg(twipsY(w, 300)),
                          QStringLiteral("frmTilit20")));
    ASSERT_TRUE(ini.LoadFormPos(&w, QStringLiteral("frmTilit20")));
    EXPECT_EQ(w.geometry(), QRect(room.left() + 20, y, 400, 300));
}

TEST_F(PlacementTest, MissingOrUnreadablePlacementLeavesWindowUnchanged) {
    QWidget w;
    w.setGeometry(10, 20, 200, 100);
    EXPECT_FALSE(ini.LoadFormPos(&w, QStringLiteral("frmNone20"), true, QString()));
    for (const QString& bad : {QStringLiteral("1,2,3"), QStringLiteral("a,b,c,d,0"), QStringLiteral("0,0,0,0,0")}) {
        ASSERT_TRUE(ini.Write(bad, QStringLiteral("frmBad20")));
        EXPECT_FALSE(ini.LoadFormPos(&w, QStringLiteral("frmBad20"))) << bad.toStdString();
    }
    EXPECT_EQ(w.geometry(), QRect(10, 20, 200, 100));

    // With nothing stored, a given default placement is used.
    ASSERT_TRUE(ini.LoadFormPos(&w, QStringLiteral("frmNone20"), true,
                                QStringLiteral("%1,%2,%3,%4").arg(twipsX(w, 30)).arg(twipsY(w, 40))
                                    .arg(twipsX(w, 250)).arg(twipsY(w, 150))));
    EXPECT_EQ(w.geometry(), QRect(30, 40, 250, 150));
}

}  // namespace
