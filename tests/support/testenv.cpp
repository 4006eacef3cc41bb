#include "support/testenv.h"

#include <QDir>
#include <cstdlib>

namespace kvtest {

TempDir::TempDir() : dir_(std::make_unique<QTemporaryDir>()) { dir_->setAutoRemove(true); }

QString TempDir::file(const QString& name) const { return QDir(path()).filePath(name); }

QString sourceDir() {
    const QByteArray env = qgetenv("KV_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(KV_SOURCE_DIR) : QString::fromLocal8Bit(env);
}

QString builtAppDir() {
    const QByteArray env = qgetenv("KV_APP_DIR");
    return env.isEmpty() ? QStringLiteral(KV_APP_DIR) : QString::fromLocal8Bit(env);
}

}  // namespace kvtest
