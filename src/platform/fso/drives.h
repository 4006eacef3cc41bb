#pragma once

// The mounted volumes of the computer, for finding a memory stick by its
// volume label.

#include <QList>
#include <QString>
#include <functional>

namespace fso {

struct Drive {
    QString rootPath;    // the mount point, e.g. "/media/anna/STICK"
    QString device;      // e.g. "/dev/sdb1"
    QString volumeName;  // the volume label ("" when it has none)
    bool isReady = false;
    bool isRemovable = false;
    qint64 freeSpace = 0;   // bytes the user may still write
    qint64 totalSize = 0;   // bytes
};

// Mounted volumes in the order of their mount points. A volume is removable
// when it is mounted under /media or /run/media (where the desktop mounts
// memory sticks) or when the system marks its disk removable.
QList<Drive> Drives();

// Replaces the volume list (tests give a memory stick this way); an empty
// function returns to the system's list.
using DriveListHook = std::function<QList<Drive>()>;
void SetDriveListHook(DriveListHook hook);

}  // namespace fso
