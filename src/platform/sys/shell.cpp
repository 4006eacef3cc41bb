#include "platform/sys/shell.h"

#include "platform/sys/apppath.h"

#include <QDesktopServices>
#include <QUrl>

namespace sys {

namespace {

QString& lastTarget() {
    static QString target;
    return target;
}

ShellOpenHook& hook() {
    static ShellOpenHook h;
    return h;
}

}  // namespace

int GetWindowsVersion() { return kCurrentSystemVersion; }

void ShellOpen(QWidget* /*owner*/, const QString& target, int showMode) {
    lastTarget() = target;
    if (hook()) {
        try {
            hook()(target, showMode);
        } catch (...) {
            // Opening is best effort: a failure is never reported.
        }
        return;
    }
    if (target.trimmed().isEmpty()) return;
    const QUrl url = QUrl::fromUserInput(target, AppPath(), QUrl::AssumeLocalFile);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

QString LastShellOpenTarget() { return lastTarget(); }

void SetShellOpenHook(ShellOpenHook h) { hook() = std::move(h); }

}  // namespace sys
