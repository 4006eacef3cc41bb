#pragma once

// What the accounts window and the cost-centre window share: the command
// set of a record window (a button and a menu item per command, the menu
// item carrying the key of the whole window) and the reading of the number
// and description boxes. The windows themselves share recordform.h.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace accounts::detail {

// One command of a record window: the button and the menu item that run
// the same handler.
struct CommandDef {
    const char* buttonName;   // objectName of the button
    const char* caption;      // button caption
    const char* actionName;   // objectName of the menu item
    const char* menuCaption;  // menu item caption
    QKeySequence key;         // empty: none
    const char* toolTip;      // button tool tip
};

struct Command {
    QPushButton* button = nullptr;
    QAction* action = nullptr;
};

// Makes the button (child of window) and the menu item (in menu) of a
// command, both running handler; the key belongs to the whole window.
Command MakeCommand(const CommandDef& def, QWidget* window, QMenu* menu, std::function<void()> handler);

// A description as the multi-line box gives it back: line breaks as LF.
QString AsInBox(const QString& text);

}  // namespace accounts::detail
