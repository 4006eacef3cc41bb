#pragma once

// What the accounts window and the cost-centre window share: the command
// set of a record window (a button and a menu item per command, the menu
// item carrying the key), keys of the window that win over the keys its
// text boxes would take themselves, and the reading of the number and
// description boxes. The windows themselves share recordform.h.

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

// The window's shortcut keys (F2, Ctrl+A, Ctrl+Z, ...) run the window's
// commands also while a text box, list or tree has the focus, although
// such a control would take Ctrl+A or Ctrl+Z itself.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    explicit WindowKeys(QWidget* window);

    // A menu item with a key: the key belongs to the whole window.
    void add(QAction* action);
    // A control whose own use of those keys gives way to the window's.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QAction*> actions_;
};

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

// Makes the button (child of buttonParent) and the menu item (in menu) of a
// command, both running handler; the key goes to keys.
Command MakeCommand(const CommandDef& def, QWidget* buttonParent, QMenu* menu, WindowKeys& keys,
                    std::function<void()> handler);

// A description as the multi-line box gives it back: line breaks as LF.
QString AsInBox(const QString& text);

}  // namespace accounts::detail
