#pragma once

// One way to attach the classic control events to Qt controls:
//
//   ui::Events::of(tNumero).onChange([this] { ... }).onGotFocus([this] { ... });
//   ui::Events::of(mSulje).onClick([this] { ... });          // a menu QAction
//
// What each event means here:
//   Click     push/tool button: clicked (also button->click() from code);
//             check box: its state changed (by the user or by code);
//             option (radio) button: it became checked;
//             menu item (QAction): triggered;
//             combo box: the current index changed (not when set to the
//             index it already has);
//             list widget and other item views: a row became the chosen
//             one, both current and selected (by the mouse, the keys or
//             code), or a click landed on the row chosen already; for a
//             list that allows several selected rows, the selection changed
//             (or a click changed nothing). One click is one Click: a
//             double click's second half is none;
//             any other widget (label, picture, frame, window): a left click
//             released over it.
//   DblClick  a left double click on the control.
//   Change    line edit, text edit, editable combo: the text changed (also
//             by setText from code); scroll bar, slider, spin box, date
//             field: the value changed.
//             A Change handler is not re-entered: when it changes its own
//             control's text, no nested Change runs. ChangeGuard suppresses
//             Change while code fills a control.
//   GotFocus / LostFocus  the control gains or loses the keyboard focus
//             within its window; the window losing and regaining activation
//             (a message box, another program, a menu or popup list) does
//             not count, the first focus after a window is shown does.
//             A selection that GotFocus makes in a text box (or in an
//             editable combo's text) survives the mouse click that gave the
//             focus: that click does not place the cursor, so what is typed
//             next replaces the selected text, as after a Tab. A click into
//             a box that has the focus already places the cursor as usual.
//   KeyDown   (keyCode, shift): classic key codes (13 Enter, 27 Esc,
//             33..40 page/arrow keys, 46 Delete, 112.. F1.., 65..90 letters)
//             and shift bits (1 Shift, 2 Ctrl, 4 Alt). Setting keyCode to 0
//             consumes the key.
//   KeyPress  (keyAscii): the character typed (13 for Enter, 8 Backspace,
//             27 Esc). Setting it to 0 consumes the key; setting another
//             character types that one instead.
//   Activate  a window became active coming from another of the program's
//             windows (ui::Form::activated); for other widgets every
//             activation of their window.
//   Resize    the control's size changed.
//
// One handler per event and control: attaching again replaces it. An error
// that escapes a handler is handed to the unhandled-error handler (by
// default written to the log) instead of unwinding through Qt.

#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QString>
#include <functional>
#include <exception>

class QKeyEvent;

namespace ui {

class Events : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using KeyDownHandler = std::function<void(int& keyCode, int shift)>;
    using KeyPressHandler = std::function<void(int& keyAscii)>;

    // The event mapping of control (a widget or a QAction), made on first use.
    static Events& of(QObject* control);

    Events& onClick(Handler h);
    Events& onDblClick(Handler h);
    Events& onChange(Handler h);
    Events& onGotFocus(Handler h);
    Events& onLostFocus(Handler h);
    Events& onKeyDown(KeyDownHandler h);
    Events& onKeyPress(KeyPressHandler h);
    Events& onActivate(Handler h);
    Events& onResize(Handler h);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit Events(QObject* control);
    bool keyPressed(QObject* watched, QKeyEvent* ke);
    void run(const Handler& h, const char* what);
    void runChange();
    void watch();
    bool mouseClickWanted() const;
    void listChoiceMoved(bool selectionChanged);
    void listClicked();
    void fireListClick();

    friend class ChangeGuard;
    QObject* control_;
    Handler click_, dblClick_, change_, gotFocus_, lostFocus_, activate_, resize_;
    KeyDownHandler keyDown_;
    KeyPressHandler keyPress_;
    bool clickConnected_ = false;
    bool changeConnected_ = false;
    bool activateConnected_ = false;
    bool watching_ = false;
    bool focusParked_ = false;  // focus left with the window's activation
    bool inChange_ = false;
    int changeSuppressed_ = 0;
    bool pressedInside_ = false;
    bool resending_ = false;
    // The click that gave the focus keeps the selection GotFocus made:
    // armed by that focus, it swallows the click's press, moves and release.
    bool keepSelection_ = false;
    bool swallowingClick_ = false;
    // A list's chosen row (current and selected) when Click last ran for it,
    // and whether Click has run since the last mouse press.
    QPersistentModelIndex listChoice_;
    bool listClickFired_ = false;
};

// While alive, the control's Change handler does not run (for code that
// fills a control without wanting its Change reaction).
class ChangeGuard {
public:
    explicit ChangeGuard(QObject* control);
    ~ChangeGuard();
    ChangeGuard(const ChangeGuard&) = delete;
    ChangeGuard& operator=(const ChangeGuard&) = delete;

private:
    QPointer<Events> events_;
};

// Classic key code and shift bits of a key event.
int KeyCodeOf(const QKeyEvent* event);
int ShiftOf(Qt::KeyboardModifiers modifiers);

// Receives errors escaping event handlers (where: "objectName event").
using UnhandledErrorHandler = std::function<void(const QString& where, std::exception_ptr error)>;
void SetUnhandledErrorHandler(UnhandledErrorHandler handler);

}  // namespace ui
