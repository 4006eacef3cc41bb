#include "legacy/legacyrunner.h"

#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"

#include <QApplication>

namespace legacy {

namespace {

// The book was held by another program for longer than a command waits.
bool heldElsewhere(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const dao::DaoError& e) {
        return e.number() == dao::err::Locked;
    } catch (...) {
        // Any other failure is no wait.
        return false;
    }
}

}  // namespace

LegacyRunner::LegacyRunner(QWidget* window, QString section) : s_(std::make_shared<State>()) {
    s_->window = window;
    s_->section = std::move(section);
    // Qt tells of the new focus after the control's own focus handler has
    // run: a command run by that handler still finds the control before.
    QObject::connect(qApp, &QApplication::focusChanged, window, [s = s_](QWidget*, QWidget* now) {
        if (now && s->window && s->window->isAncestorOf(now)) s->settled = now;
    });
}

bool LegacyRunner::operator()(const std::function<void()>& command) const {
    const QPointer<QWidget> where = s_->settled;
    ++s_->depth;
    try {
        command();
        --s_->depth;
        return true;
    } catch (...) {
        --s_->depth;
        const std::exception_ptr error = std::current_exception();
        if (heldElsewhere(error))
            core::ShowInfo(core::TranslateStr(s_->section,
                                              QStringLiteral("Toinen ohjelma käyttää kirjanpitoa juuri nyt, eikä "
                                                             "komentoa voitu tehdä. Yritä hetken kuluttua uudelleen.")));
        else
            core::ShowError(core::TranslateStr(s_->section, QStringLiteral("Odottamaton virhe: ")), error,
                            ui::Icon::Information);
        // Back where the user was, for the same key to try again; an inner
        // step leaves that to the command around it.
        if (s_->depth == 0 && where && s_->window && s_->window->isVisible() && where->isVisible() &&
            where->isEnabled() && QApplication::focusWidget() != where)
            where->setFocus(Qt::OtherFocusReason);
        return false;
    }
}

}  // namespace legacy
