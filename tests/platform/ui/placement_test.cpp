// Windows kept on the screen: placements partly or wholly off it are moved
// in, windows larger than it shrunk (never below their minimum size), and
// every window the forms registry shows is fitted before it appears.

#include "platform/ui/forms.h"
#include "platform/ui/placement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using ui::FitOnScreen;
using ui::Form;
using ui::Forms;

class frmSijoitus : public Form {
public:
    frmSijoitus() : Form(QStringLiteral("frmSijoitus")) {}
};

// Shows itself in its own Load, before the registry would show it.
class frmNaytaItse : public Form {
public:
    frmNaytaItse() : Form(QStringLiteral("frmNaytaItse")) {}

protected:
    void Load() override { show(); }
};

class UiPlacement : public ::testing::Test {
protected:
    void SetUp() override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        ASSERT_NE(screen, nullptr);
        avail = screen->availableGeometry();
        Forms::setModalTimeout(5000);
    }
    void TearDown() override {
        Forms::setModalHook({});
        Forms::destroyAll();
    }
    // Where the client area of w may lie.
    QRect room(const QWidget& w) const { return avail.marginsRemoved(ui::FrameMargins(&w)); }

    QRect avail;
};

TEST_F(UiPlacement, PlacementsOffTheScreenAreMovedInAndLargeWindowsShrunk) {
    QWidget w;
    const QRect r = room(w);
    struct Case {
        QRect placed;
        QRect fitted;
    };
    const Case cases[] = {
        // wholly on the screen: kept
        {QRect(r.left() + 10, r.top() + 20, 300, 200), QRect(r.left() + 10, r.top() + 20, 300, 200)},
        // off the right and the bottom edge: moved in as little as needed
        {QRect(r.right() - 50, r.bottom() - 50, 300, 200), QRect(r.right() + 1 - 300, r.bottom() + 1 - 200, 300, 200)},
        // off the left and top edge, under the title bar's room
        {QRect(-500, r.top() - 5, 300, 200), QRect(r.left(), r.top(), 300, 200)},
        // on no screen at all, and larger than the screen: shrunk to it
        {QRect(90000, 90000, r.width() + 400, r.height() + 50), r},
        // as wide as the screen, too low: only moved up
        {QRect(r.left(), r.bottom() - 10, r.width(), 100), QRect(r.left(), r.bottom() + 1 - 100, r.width(), 100)},
    };
    for (const Case& c : cases) {
        w.setGeometry(c.placed);
        FitOnScreen(&w);
        EXPECT_EQ(w.geometry(), c.fitted) << "placed at " << c.placed.x() << "," << c.placed.y() << " "
                                          << c.placed.width() << "x" << c.placed.height();
    }
}

TEST_F(UiPlacement, WindowThatCannotShrinkKeepsItsTopLeftCornerOnTheScreen) {
    QWidget fixed;
    const QRect r = room(fixed);
    fixed.setMinimumSize(r.width() + 100, r.height() + 60);
    fixed.setGeometry(r.left() + 200, r.top() + 300, r.width() + 100, r.height() + 60);
    FitOnScreen(&fixed);
    EXPECT_EQ(fixed.geometry(), QRect(r.topLeft(), QSize(r.width() + 100, r.height() + 60)));

    // A window whose controls need more than the screen is not squeezed
    // below what its layout needs.
    QWidget laidOut;
    auto* layout = new QVBoxLayout(&laidOut);
    auto* tall = new QLabel(QStringLiteral("korkea"), &laidOut);
    tall->setMinimumHeight(r.height() + 200);
    layout->addWidget(tall);
    laidOut.setGeometry(r.left(), r.top(), 200, r.height() + 300);
    FitOnScreen(&laidOut);
    EXPECT_EQ(laidOut.geometry().topLeft(), r.topLeft());
    EXPECT_GE(laidOut.height(), layout->totalMinimumSize().height());
    EXPECT_LT(laidOut.height(), r.height() + 300);
}

TEST_F(UiPlacement, WindowWithoutPlacementIsCentredAndShrunkToTheScreen) {
    QWidget small;
    small.resize(240, 160);
    FitOnScreen(&small);
    const QRect r = room(small);
    EXPECT_EQ(small.size(), QSize(240, 160));
    EXPECT_NEAR(small.geometry().center().x(), r.center().x(), 1);
    EXPECT_NEAR(small.geometry().center().y(), r.center().y(), 1);

    QWidget large;
    large.resize(r.width() + 300, r.height() + 300);
    FitOnScreen(&large);
    EXPECT_EQ(large.geometry(), r);

    // Never resized: the size its first show would give it.
    QWidget laidOut;
    auto* layout = new QVBoxLayout(&laidOut);
    layout->addWidget(new QLabel(QStringLiteral("Tilit"), &laidOut));
    FitOnScreen(&laidOut);
    EXPECT_TRUE(r.contains(laidOut.geometry()));
    EXPECT_GE(laidOut.width(), layout->totalSizeHint().width());
}

TEST_F(UiPlacement, FrameMarginsComeFromTheWindowSystemOnceAWindowIsShown) {
    QWidget shown;
    shown.setGeometry(room(shown).left() + 50, room(shown).top() + 50, 200, 100);
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    const QMargins m = shown.windowHandle()->frameMargins();
    ASSERT_FALSE(m.isNull()) << "the platform draws no frame";
    EXPECT_EQ(ui::FrameMargins(&shown), m);
    // A window not shown yet keeps at least as much room for its frame as
    // the window that is shown has.
    QWidget next;
    const QMargins guess = ui::FrameMargins(&next);
    EXPECT_GE(guess.left(), m.left());
    EXPECT_GE(guess.top(), m.top());
    EXPECT_GE(guess.right(), m.right());
    EXPECT_GE(guess.bottom(), m.bottom());
    EXPECT_GT(guess.top(), 0);
    // A frameless window has none.
    QWidget bare(nullptr, Qt::FramelessWindowHint);
    EXPECT_EQ(ui::FrameMargins(&bare), QMargins());
}

TEST_F(UiPlacement, WindowsAreFittedAsTheyComeOnTheScreenButAWindowOnItIsNotMoved) {
    auto& f = Forms::get<frmSijoitus>();
    f.setGeometry(avail.right() - 40, avail.bottom() - 40, 300, 200);
    Forms::show(f);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_TRUE(avail.contains(f.frameGeometry()))
        << f.frameGeometry().x() << "," << f.frameGeometry().y() << " on " << avail.width() << "x" << avail.height();

    // Shown again while on the screen: it stays where it is.
    const QRect where(room(f).left() + 30, room(f).top() + 40, 300, 200);
    f.setGeometry(where);
    Forms::show(f);
    EXPECT_EQ(f.geometry(), where);

    // A modal show is fitted before the window appears.
    Forms::unload(f);
    Forms::collectUnloaded();
    auto& modal = Forms::get<frmSijoitus>();
    modal.setGeometry(-900, -900, 300, 200);
    QRect seen;
    Forms::setModalHook([&seen](Form& shown) {
        seen = shown.frameGeometry();
        shown.hide();
    });
    Forms::show(modal, true);
    EXPECT_TRUE(avail.contains(seen)) << seen.x() << "," << seen.y();

    // A window that shows itself while it loads is fitted as well.
    auto& own = Forms::get<frmNaytaItse>();
    own.setGeometry(avail.right() - 10, avail.top() + 20, 300, 200);
    Forms::show(own);
    EXPECT_TRUE(avail.contains(own.frameGeometry())) << own.frameGeometry().x() << "," << own.frameGeometry().y();
}

}  // namespace
