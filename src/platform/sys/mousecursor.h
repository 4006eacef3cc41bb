#pragma once

// cMouseCursor: a mouse pointer that puts itself back. A long operation
// keeps one as a local object and calls SetCursor(window, 11) for the
// hourglass; when the object goes out of scope (normally or through an
// exception) the pointer is what it was before the first SetCursor.
//
// The pointer is set application-wide (an override cursor), so it shows
// over every window while the operation runs. Objects used as locals nest:
// each one removes only what it put there.

class QWidget;

namespace sys {

// Pointer codes of the classic mouse-pointer property.
constexpr int kPointerDefault = 0;
constexpr int kPointerHourglass = 11;

class cMouseCursor {
public:
    cMouseCursor() = default;
    ~cMouseCursor();
    cMouseCursor(const cMouseCursor&) = delete;
    cMouseCursor& operator=(const cMouseCursor&) = delete;

    // Shows pointer (0 default, 1 arrow, 2 cross, 3 I-beam, 5/15 size all,
    // 6..9 sizing arrows, 10 up arrow, 11 hourglass, 12 no-drop,
    // 13 arrow and hourglass, 14 arrow and question mark). Code 0 takes this
    // object's pointer away again. widget names the window the operation
    // belongs to and may be null.
    void SetCursor(QWidget* widget, int pointer);

private:
    bool pushed_ = false;
};

}  // namespace sys
