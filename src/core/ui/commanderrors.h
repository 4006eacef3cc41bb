#pragma once

// How a window tells the user that one of its commands failed.
//
// A window runs each command of its own (a button, a menu item, a field
// left) through a CommandRunner. What the command raises ends it there and
// is shown in a message box titled AppTitle: the window's own prefix
// ("Odottamaton virhe: ", already translated), then the error's number and
// " / " when it carries one, then its text. Code that catches an error
// itself to tell more than that (which step failed, a message of its own)
// reads the same number and text with ErrorNumber and ErrorText.

#include "platform/ui/dialogs.h"

#include <QString>
#include <exception>
#include <functional>
#include <optional>

namespace core {

// The text a user reads of an error caught as an exception: a numbered error
// (errors::NumberedError, the platform's and the upgrade's) gives its text,
// another std::exception its what() read as UTF-8, anything else the
// general "Tuntematon virhe.".
QString ErrorText(std::exception_ptr error);
// The number of a numbered error; nullopt for any other.
std::optional<int> ErrorNumber(std::exception_ptr error);
// The error as a message shows it after its prefix: "3022 / text", or the
// text alone when the error carries no number.
QString ErrorWithNumber(std::exception_ptr error);

// Shows error as prefix + ErrorWithNumber(error), titled AppTitle, with the
// icon (OK button).
void ShowError(const QString& prefix, std::exception_ptr error, ui::Icon icon = ui::Icon::Critical);

// Runs command. When it raises, the command ends there, ShowError shows
// what it raised with the prefix (asked for only then) and false is
// returned; true when it ran through.
bool RunCommand(const std::function<void()>& command, const std::function<QString()>& prefix,
                ui::Icon icon = ui::Icon::Critical);

// A window's way of running its commands: its prefix (a function that
// translates it) and icon, given once as a member named run, so that each
// handler reads run([this] { ... }).
class CommandRunner {
public:
    explicit CommandRunner(std::function<QString()> prefix, ui::Icon icon = ui::Icon::Critical)
        : prefix_(std::move(prefix)), icon_(icon) {}

    bool operator()(const std::function<void()>& command) const { return RunCommand(command, prefix_, icon_); }

private:
    std::function<QString()> prefix_;
    ui::Icon icon_;
};

}  // namespace core
