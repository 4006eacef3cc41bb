// The hourglass keeper and the right-click hook of a list.

#include "platform/sys/mousecursor.h"
#include "platform/sys/popuphook.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// The pointer shape now in force over the program (ArrowCursor = none set).
Qt::CursorShape pointer() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::ArrowCursor;
}

TEST(SysMouseCursor, ReleaseRestoresThePointerOfTheFirstSetCursor) {
    QWidget w;
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        sys::cMouseCursor busy;
        busy.SetCursor(&w, 11);
        EXPECT_EQ(pointer(), Qt::WaitCursor);
        busy.SetCursor(&w, 2);
        EXPECT_EQ(pointer(), Qt::CrossCursor);
        {
            sys::cMouseCursor inner;
            inner.SetCursor(&w, 13);
            EXPECT_EQ(pointer(), Qt::BusyCursor);
        }
        EXPECT_EQ(pointer(), Qt::CrossCursor);
        busy.SetCursor(&w, 11);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(SysMouseCursor, DefaultPointerAndErrorsGiveThePointerBack) {
    QWidget w;
    sys::cMouseCursor keeper;
    keeper.SetCursor(&w, 11);
    keeper.SetCursor(&w, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    auto longOperation = [&] {
        sys::cMouseCursor busy;
        busy.SetCursor(&w, 11);
        throw std::runtime_error("failed");
    };
    EXPECT_THROW(longOperation(), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Records the mouse events that reach the list's viewport.
class Recorder : public QObject {
public:
    QList<QPair<QEvent::Type, Qt::MouseButton>> seen;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease) {
            seen.append({e->type(), static_cast<QMouseEvent*>(e)->button()});
        }
        return false;
    }
};

TEST(SysPopupHook, RightReleaseGoesToTheCallbackOnlyAndEverythingElsePasses) {
    QListWidget list;
    list.addItems({QStringLiteral("1000 Kassa"), QStringLiteral("1100 Pankki"), QStringLiteral("3000 Myynti")});
    list.resize(200, 150);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    Recorder recorder;  // installed first, so it sees what the hook lets through
    list.viewport()->installEventFilter(&recorder);
    QList<QPoint> popups;
    sys::HookPopupMenu(&list, [&](const QPoint& at) { popups << at; });

    const QPoint second = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, second);
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups.first(), list.viewport()->mapToGlobal(second));
    ASSERT_EQ(recorder.seen.size(), 1);
    EXPECT_EQ(recorder.seen[0].first, QEvent::MouseButtonPress);

    // Left clicks and keys reach the list as before.
    recorder.seen.clear();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_EQ(recorder.seen.size(), 2);
    EXPECT_EQ(list.currentRow(), 1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(popups.size(), 1);

    // Hooking the same list again replaces the callback.
    int second_hook = 0;
    sys::HookPopupMenu(&list, [&](const QPoint&) { ++second_hook; });
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, second);
    EXPECT_EQ(second_hook, 1);
    EXPECT_EQ(popups.size(), 1);
}

}  // namespace
