#include "core/ui/commanderrors.h"

#include "core/globals.h"
#include "core/ui/translator.h"
#include "platform/error/numberederror.h"

namespace core {

QString ErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const errors::NumberedError& e) {
        return e.description();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        // Nothing but the standard exceptions is raised on purpose; anything
        // else still reaches the user as a failure, in general words.
        return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tuntematon virhe."));
    }
}

std::optional<int> ErrorNumber(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const errors::NumberedError& e) {
        return e.number();
    } catch (...) {
        // Any other error carries no number.
        return std::nullopt;
    }
}

QString ErrorWithNumber(std::exception_ptr error) {
    const std::optional<int> number = ErrorNumber(error);
    const QString text = ErrorText(error);
    return number ? QString::number(*number) + QStringLiteral(" / ") + text : text;
}

void ShowError(const QString& prefix, std::exception_ptr error, ui::Icon icon) {
    ui::Dialogs().messageBox(prefix + ErrorWithNumber(error), AppTitle, ui::Buttons::OK, icon);
}

bool RunCommand(const std::function<void()>& command, const std::function<QString()>& prefix, ui::Icon icon) {
    try {
        command();
        return true;
    } catch (...) {
        // Whatever the command raised ends it, and the user is told.
        ShowError(prefix ? prefix() : QString(), std::current_exception(), icon);
        return false;
    }
}

}  // namespace core
