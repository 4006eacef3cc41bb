#include "shell/version.h"

#include "platform/sys/apppath.h"

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

}  // namespace shell
