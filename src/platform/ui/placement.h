#pragma once

// Keeping windows on the screen.
//
// Wherever a window is placed - a placement restored from the ini file, a
// position a caller gives, or the first show of a window that has none -
// the whole window, its title bar and borders included, must lie inside the
// available area of its screen (the screen less its panels): a placement
// saved on a larger screen or on a screen that is gone must not leave a
// window out of reach.

#include <QMargins>

class QScreen;
class QWidget;

namespace ui {

// The title bar and borders the window system puts around window: its own
// once it has been shown; before that, as much as the other windows of the
// program on the screen have and at least an allowance for a usual title
// bar and borders. None for a frameless window.
QMargins FrameMargins(const QWidget* window);

// The screen a window belongs on: the one holding the centre of its
// placement, or the nearest one to it; a window never placed nor shown goes
// to the screen Qt gives it.
QScreen* ScreenOf(const QWidget* window);

// Fits a top-level window into the available area of its screen, its frame
// included: a window larger than the area is shrunk to it (never below its
// minimum size: a window that cannot shrink so far keeps its top left
// corner on the screen), and a window placed partly or wholly outside is
// moved inside, as little as needed. A window never placed nor shown is
// centred in the area. Maximised, minimised and full-screen windows are
// left to the window system.
void FitOnScreen(QWidget* window);

}  // namespace ui
