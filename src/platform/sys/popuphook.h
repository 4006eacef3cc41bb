#pragma once

// A right-click menu on a list: the list's right-button release is taken
// away from the list and handed to a callback (which typically pops up a
// menu at the given position). Every other event reaches the list as
// before.

#include <QPoint>
#include <functional>

class QWidget;

namespace sys {

using PopupCallback = std::function<void(const QPoint& globalPos)>;

// Hooks list (for a scrolling view such as a list widget, its viewport is
// hooked too, since that is where its mouse events arrive). The hook lives
// as long as the list; hooking the same list again replaces the callback.
void HookPopupMenu(QWidget* list, PopupCallback callback);

}  // namespace sys
