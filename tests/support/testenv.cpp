#include "support/testenv.h"

#include <QDir>
#include <cstdlib>

namespace kvtest {

TempDir::TempDir() : dir_(std::make_unique<QTemporaryDir>()) { dir_->setAutoRemove(true); }

QString TempDir::file(const QString& name) const { return QDir(path()).filePath(name); }

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("KV_SOURCE_DIR")); }
QString builtAppDir() { return QString::fromLocal8Bit(qgetenv("KV_APP_DIR")); }

}  // namespace kvtest
