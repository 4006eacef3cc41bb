#include "shell/version.h"

#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/apppath.h"
#include "platform/sys/shell.h"

#include <QDir>
#include <QSysInfo>
#include <QtGlobal>

#ifndef KV_VERSION_MAJOR
#error "KV_VERSION_MAJOR, KV_VERSION_MINOR and KV_VERSION_REVISION come from the build"
#endif

namespace shell {

int VersionMajor() { return KV_VERSION_MAJOR; }
int VersionMinor() { return KV_VERSION_MINOR; }
int VersionRevision() { return KV_VERSION_REVISION; }

QString VersionString(int major, int minor, int revision) {
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString VersionString() { return VersionString(VersionMajor(), VersionMinor(), VersionRevision()); }

QString PlatformText() {
#ifdef Q_OS_LINUX
    const QString system = QStringLiteral("Linux");
#else
    const QString system = QSysInfo::kernelType();
#endif
    return QStringLiteral("%1, Qt %2").arg(system, QString::fromLatin1(qVersion()));
}

QString SupportPage(const QString& page) {
    return QDir(QDir(sys::AppPath()).filePath(kSupportPagesFolder)).filePath(page);
}

void OpenSupportPage(QWidget* owner, const QString& page) {
    const QString target = SupportPage(page);
    if (sys::ShellOpen(owner, target, 0)) return;
    core::ShowInfo(core::TranslateStr(QStringLiteral("Yleiset"),
                                      QStringLiteral("Ohjesivu ei auennut selaimeen. Sen voi avata selaimella "
                                                     "tiedostosta:")) +
                   QStringLiteral("\r\n") + QDir::toNativeSeparators(target));
}

}  // namespace shell
