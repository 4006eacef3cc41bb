#pragma once

// How the older windows run their commands (a button, a menu item, a field
// left): what a command raises ends it there, and the user is told.
//
// A write or read that another program kept waiting past the engine's wait
// (it held the book) is told as such, in the window's own words: the
// command was not done and may be tried again in a moment. Any other
// failure is told as the window's "Odottamaton virhe: " followed by the
// error's number and text. Afterwards the focus is back in the control the
// user was in when the command began - the one the user last settled in,
// so a command that runs as the focus reaches a button puts it back into
// the field that Enter left - for the same key to try again.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace legacy {

class LegacyRunner {
public:
    // window: the window whose commands run here; section: its name, for
    // the translator.
    LegacyRunner(QWidget* window, QString section);

    // True when command ran through.
    bool operator()(const std::function<void()>& command) const;

private:
    struct State {
        QPointer<QWidget> window;
        QString section;
        // The control of the window that last took the focus, as told once
        // it has taken it (after its own focus handler).
        QPointer<QWidget> settled;
        int depth = 0;
    };
    std::shared_ptr<State> s_;
};

}  // namespace legacy
