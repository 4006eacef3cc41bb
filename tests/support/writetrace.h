#pragma once

// The write points of a piece of work in order, and the check that what it
// left on the disk was there before the user was told it was done: each new
// name under the folders watched (a folder made, a file that took a name,
// also one given without a write point) needs its folder synced after it.

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

    // The new names not yet on the disk when the work was first reported
    // done (or a line saying that it never was).
    QStringList unsyncedWhenReported();

private:
    using Identity = std::pair<quint64, quint64>;  // device and inode
    QHash<QString, Identity> listing() const;
    QStringList unsynced() const;

    QStringList roots_;
    std::function<bool()> reported_;
    QHash<QString, Identity> before_;
    QList<std::pair<QString, QString>> steps_;  // step, path
    bool frozen_ = false;
    QStringList atReport_;
};

}  // namespace kvtest
