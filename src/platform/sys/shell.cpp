#include "platform/sys/shell.h"

#include "platform/sys/apppath.h"

#include <QDesktopServices>
#include <QFileInfo>
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

bool ShellOpen(QWidget* /*owner*/, const QString& target, int showMode) {
    lastTarget() = target;
    if (hook()) {
        try {
            return hook()(target, showMode);
        } catch (...) {
            // A stand-in that fails has opened nothing; the caller is told so.
            return false;
        }
    }
    if (target.trimmed().isEmpty()) return false;
    const QUrl url = QUrl::fromUserInput(target, AppPath(), QUrl::AssumeLocalFile);
    if (!url.isValid()) return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
    return QDesktopServices::openUrl(url);
}

QString LastShellOpenTarget() { return lastTarget(); }

void SetShellOpenHook(ShellOpenHook h) { hook() = std::move(h); }

}  // namespace sys
