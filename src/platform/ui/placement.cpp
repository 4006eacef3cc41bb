#include "platform/ui/placement.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <limits>

namespace ui {

namespace {

// The least room kept for a title bar and borders not known yet.
constexpr QMargins kUsualFrame(8, 32, 8, 8);

QMargins shownFrame(const QWidget* w) {
    const QWindow* handle = w->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// Placed by the program, or shown already: the window has a place of its
// own to keep on the screen.
bool hasPlacement(const QWidget* w) { return w->testAttribute(Qt::WA_Moved) || w->windowHandle(); }

// The smallest size the window can take without squeezing its controls.
QSize smallestSize(QWidget* w) {
    QSize smallest = w->minimumSize();
    if (QLayout* l = w->layout()) {
        l->activate();
        smallest = w->minimumSize();
        if (l->sizeConstraint() != QLayout::SetNoConstraint) smallest = smallest.expandedTo(l->totalMinimumSize());
    }
    return smallest;
}

qint64 distanceSquared(const QPoint& p, const QRect& r) {
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
    return dx * dx + dy * dy;
}

// The first coordinate of a span of length size kept within [low, high]:
// moved as little as needed, and to low when it is longer than the range.
int within(int start, int size, int low, int high) { return qMax(low, qMin(start, high - size + 1)); }

}  // namespace

QMargins FrameMargins(const QWidget* window) {
    if (!window || (window->windowFlags() & Qt::FramelessWindowHint)) return {};
    const QMargins own = shownFrame(window);
    if (!own.isNull()) return own;
    // Another window's frame tells the title bar's height, but not all of
    // this one's: a window manager may give a window that can be resized a
    // grip along its lower edge that a fixed one lacks.
    QMargins m = kUsualFrame;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !other->isVisible() || (other->windowFlags() & Qt::FramelessWindowHint)) continue;
        if (other->windowType() != Qt::Window && other->windowType() != Qt::Dialog) continue;
        const QMargins o = shownFrame(other);
        m = QMargins(qMax(m.left(), o.left()), qMax(m.top(), o.top()), qMax(m.right(), o.right()),
                     qMax(m.bottom(), o.bottom()));
    }
    return m;
}

QScreen* ScreenOf(const QWidget* window) {
    if (!window) return QGuiApplication::primaryScreen();
    if (!hasPlacement(window)) return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QPoint centre = window->geometry().center();
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 best = std::numeric_limits<qint64>::max();
    for (QScreen* s : QGuiApplication::screens()) {
        const qint64 d = distanceSquared(centre, s->geometry());
        if (d < best) {
            best = d;
            nearest = s;
        }
    }
    return nearest;
}

void FitOnScreen(QWidget* window) {
    if (!window || !window->isWindow()) return;
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
    const QScreen* screen = ScreenOf(window);
    if (!screen) return;
    // Where the window's client area may lie: the frame goes around it.
    const QRect room = screen->availableGeometry().marginsRemoved(FrameMargins(window));
    if (room.width() <= 0 || room.height() <= 0) return;

    // The size a first show would give the window, shrunk to the room.
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    const QSize size = window->size().boundedTo(room.size()).expandedTo(smallestSize(window));

    QRect r(window->geometry().topLeft(), size);
    // A window without a place of its own is centred: left to the window
    // manager, it may be put where part of it is off the screen.
    if (!hasPlacement(window)) r.moveCenter(room.center());
    r.moveLeft(within(r.left(), r.width(), room.left(), room.right()));
    r.moveTop(within(r.top(), r.height(), room.top(), room.bottom()));
    if (r != window->geometry()) window->setGeometry(r);
}

}  // namespace ui
