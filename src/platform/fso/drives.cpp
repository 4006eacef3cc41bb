#include "platform/fso/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace fso {

namespace {

DriveListHook& hook() {
    static DriveListHook h;
    return h;
}

bool underMediaFolder(const QString& mountPoint) {
    return mountPoint.startsWith(QLatin1String("/media/")) ||
           mountPoint.startsWith(QLatin1String("/run/media/"));
}

// The kernel's removable flag of the disk a block device belongs to.
bool kernelSaysRemovable(const QByteArray& device) {
    if (!device.startsWith("/dev/")) return false;
    const QString name = QFileInfo(QString::fromLocal8Bit(device)).canonicalFilePath().section(
        QLatin1Char('/'), -1);
    if (name.isEmpty()) return false;
    QString sysPath = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sysPath.isEmpty()) return false;
    // A partition has no flag of its own; its disk is the folder above.
    for (int depth = 0; depth < 2 && !sysPath.isEmpty(); ++depth) {
        QFile flag(sysPath + QLatin1String("/removable"));
        if (flag.open(QIODevice::ReadOnly)) return flag.readAll().trimmed() == "1";
        sysPath = QFileInfo(sysPath).path();
    }
    return false;
}

QList<Drive> systemDrives() {
    QList<Drive> drives;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& v : volumes) {
        if (!v.isValid()) continue;
        Drive d;
        d.rootPath = v.rootPath();
        d.device = QString::fromLocal8Bit(v.device());
        d.volumeName = v.name();
        d.isReady = v.isReady();
        d.isRemovable = underMediaFolder(d.rootPath) || kernelSaysRemovable(v.device());
        if (d.isReady) {
            d.freeSpace = std::max<qint64>(0, v.bytesAvailable());
            d.totalSize = std::max<qint64>(0, v.bytesTotal());
        }
        drives.append(d);
    }
    // A folder mounted over more than once is one drive: the mount listed
    // last lies on top and is the one the folder shows.
    std::stable_sort(drives.begin(), drives.end(),
                     [](const Drive& a, const Drive& b) { return a.rootPath < b.rootPath; });
    QList<Drive> unique;
    for (const Drive& d : drives) {
        if (!unique.isEmpty() && unique.last().rootPath == d.rootPath) unique.last() = d;
        else unique.append(d);
    }
    return unique;
}

}  // namespace

QList<Drive> Drives() {
    if (hook()) return hook()();
    return systemDrives();
}

void SetDriveListHook(DriveListHook h) { hook() = std::move(h); }

}  // namespace fso
