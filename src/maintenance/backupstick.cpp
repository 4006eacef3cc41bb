#include "maintenance/backupstick.h"

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "platform/fso/fso.h"

#include <QFile>
#include <QVariantList>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace maintenance {

namespace {

std::function<QDate()>& todayHook() {
    static std::function<QDate()> h;
    return h;
}

std::function<void()>& endHook() {
    static std::function<void()> h;
    return h;
}

bool eightDigits(const QString& name) {
    if (name.size() != 8) return false;
    for (QChar c : name)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// The process's umask, as the system reports it: setting a new one only to
// read the old one back would let a file made meanwhile by another thread
// take the wrong mode.
mode_t processUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (!line.startsWith("Umask:")) continue;
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok) return mode_t(mask & 0777);
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

void GiveNewFileMode(const QString& path) {
    // A file system without modes (FAT) refuses or ignores the change; the
    // file is then as any new file there.
    (void)::chmod(QFile::encodeName(path).constData(), 0666 & ~processUmask());
}

BackupStick FindBackupStick() {
    BackupStick stick;
    for (const fso::Drive& d : fso::Drives()) {
        if (!d.isReady || !d.isRemovable) continue;
        if (d.volumeName.toUpper() != kStickLabel) continue;
        stick.found = true;
        stick.drive = d;
        break;
    }
    return stick;
}

QString StickTitleFolder(const BackupStick& stick) { return fso::BuildPath(stick.drive.rootPath, core::AppTitle); }

QString DayFolderName(const QDate& day) { return day.toString(QStringLiteral("yyyyMMdd")); }

QString DayFolderName(long dayNumber) { return QStringLiteral("%1").arg(dayNumber, 8, 10, QLatin1Char('0')); }

QString DayText(long dayNumber) {
    const QString d = DayFolderName(dayNumber);
    return d.mid(6, 2) + u'.' + d.mid(4, 2) + u'.' + d.left(4);
}

QList<long> BackupDays(const QString& folder) {
    const QStringList subfolders = fso::SubFolders(folder);
    QVariantList days;
    for (const QString& name : subfolders)
        if (eightDigits(name)) days << QVariant::fromValue<qlonglong>(name.toLongLong());
    QList<long> out;
    if (days.isEmpty()) return out;
    core::QuickSortVariants(days, std::nullopt, false);
    for (const QVariant& v : days) out << static_cast<long>(v.toLongLong());
    return out;
}

void EnsureFolder(const QString& folder) {
    if (folder.isEmpty()) throw fso::Error(fso::err::PathNotFound, QStringLiteral("Path not found"));
    if (fso::FolderExists(folder)) return;
    const QString parent = fso::GetParentFolderName(folder);
    if (!parent.isEmpty() && parent != folder) EnsureFolder(parent);
    fso::CreateFolder(folder);
}

QDate Today() {
    if (todayHook()) return todayHook()();
    return QDate::currentDate();
}

void SetTodayHook(std::function<QDate()> hook) { todayHook() = std::move(hook); }

void EndProgramNow() {
    if (endHook()) {
        endHook()();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetEndProgramHook(std::function<void()> hook) { endHook() = std::move(hook); }

}  // namespace maintenance
