#include "support/writetrace.h"

#include "platform/fso/fso.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace kvtest {

namespace {

QString normal(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// The names that a step gives to a file or a folder.
bool namesSomething(const QString& step) {
    return step == QLatin1String("mkdir") || step == QLatin1String("rename") || step == QLatin1String("replace") ||
           step == QLatin1String("link");
}

// Files that are there only while work goes on: a work file, the engine's
// journal of a book.
bool passing(const QString& name) {
    return name.endsWith(QLatin1String(".kvtmp")) || name.endsWith(QLatin1String("-journal"));
}

}  // namespace

WriteTrace::WriteTrace(const QStringList& roots, std::function<bool()> reported)
    : reported_(std::move(reported)) {
    for (const QString& r : roots) roots_ << normal(r);
    before_ = listing();
    fso::SetWritePointHook([this](const char* step, const QString& path) {
        if (!frozen_ && reported_ && reported_()) {
            frozen_ = true;
            atReport_ = unsynced();
        }
        steps_.append({QString::fromLatin1(step), normal(path)});
    });
}

WriteTrace::~WriteTrace() { fso::SetWritePointHook(nullptr); }

QHash<QString, WriteTrace::Identity> WriteTrace::listing() const {
    QHash<QString, Identity> out;
    for (const QString& root : roots_) {
        QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = normal(it.next());
            struct stat st {};
            if (::lstat(QFile::encodeName(path).constData(), &st) == 0)
                out.insert(path, {quint64(st.st_dev), quint64(st.st_ino)});
        }
    }
    return out;
}

QStringList WriteTrace::unsynced() const {
    QStringList out;
    const QHash<QString, Identity> now = listing();
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (passing(QFileInfo(it.key()).fileName())) continue;
        const auto was = before_.constFind(it.key());
        if (was != before_.cend() && *was == it.value()) continue;  // the same file as before
        const QString folder = normal(QFileInfo(it.key()).absolutePath());
        // The last step that gave the name; a name given without a step may
        // have been given any time since the trace began.
        qsizetype named = -1;
        for (qsizetype i = 0; i < steps_.size(); ++i)
            if (namesSomething(steps_[i].first) && steps_[i].second == it.key()) named = i;
        bool synced = false;
        for (qsizetype i = named + 1; i < steps_.size() && !synced; ++i)
            synced = steps_[i].first == QLatin1String("sync") && steps_[i].second == folder;
        if (!synced) out << it.key();
    }
    out.sort();
    return out;
}

QStringList WriteTrace::unsyncedWhenReported() {
    if (frozen_) return atReport_;
    if (!reported_ || !reported_()) return {QStringLiteral("the work was never reported done")};
    return unsynced();
}

}  // namespace kvtest
