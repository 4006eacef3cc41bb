#include "platform/sys/apppath.h"

#include <QCoreApplication>
#include <QDir>

namespace sys {

namespace {

QString& overridePath() {
    static QString path;
    return path;
}

QString clean(const QString& folder) {
    QString p = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    // cleanPath keeps "/" for the root and drops every other trailing separator.
    return p;
}

}  // namespace

QString AppPath() {
    if (!overridePath().isEmpty()) return overridePath();
    if (QCoreApplication::instance()) return clean(QCoreApplication::applicationDirPath());
    return clean(QDir::currentPath());
}

void SetAppPath(const QString& folder) {
    overridePath() = folder.isEmpty() ? QString() : clean(QDir(folder).absolutePath());
}

}  // namespace sys
