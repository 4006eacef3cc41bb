#pragma once

// The scripted dialog service for a test's scope: every question the
// program asks must have been expected; an unexpected one, a text that does
// not match, and an expectation left unused fail the test.

#include "platform/ui/scripteddialogs.h"
#include "support/qtprint.h"

#include <functional>
#include <gtest/gtest.h>

namespace kvtest {

class ScriptedDialogs : public ui::ScriptedDialogService {
public:
    ScriptedDialogs() : scope_(this) {
        setFailureHandler([](const QString& m) { ADD_FAILURE() << "dialog: " << m.toStdString(); });
    }
    ~ScriptedDialogs() override {
        if (pendingCount() > 0)
            ADD_FAILURE() << "expected dialogs not shown: " << pendingDescriptions().join(" | ").toStdString();
    }
    // Run as each message box comes, before it is answered: for a test that
    // looks at the program while it waits for the user.
    std::function<void(const QString& text)> onMessage;
    ui::Answer messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon) override {
        if (onMessage) onMessage(text);
        return ui::ScriptedDialogService::messageBox(text, title, buttons, icon);
    }

private:
    ui::DialogScope scope_;
};

}  // namespace kvtest
