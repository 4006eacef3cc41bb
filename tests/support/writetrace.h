#pragma once

// The write points of a piece of work, recorded in order, and the check
// that what it left on the disk was on the disk before the user was told
// it was done: every new name under the folders watched (a folder made, a
// file that took a name) needs its folder synced after it took the name.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace kvtest {

class WriteTrace {
public:
    // Watches everything under roots from now on; reported tells whether the
    // user has been told that the work is done.
    WriteTrace(const QStringList& roots, std::function<bool()> reported);
    ~WriteTrace();
    WriteTrace(const WriteTrace&) = delete;
    WriteTrace& operator=(const WriteTrace&) = delete;

    // The new names that were not on the disk when the work was first
    // reported done, as "path" (or one line saying it never was reported).
    QStringList unsyncedWhenReported();
    // Every step recorded, as "step path".
    QStringList steps() const;

private:
    struct Step {
        QString step;
        QString path;
    };
    using Identity = std::pair<quint64, quint64>;  // device and inode
    QHash<QString, Identity> listing() const;
    QStringList unsynced() const;

    QStringList roots_;
    std::function<bool()> reported_;
    QHash<QString, Identity> before_;
    QList<Step> steps_;
    bool frozen_ = false;
    QStringList atReport_;
};

}  // namespace kvtest
