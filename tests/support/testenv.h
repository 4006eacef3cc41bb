#pragma once

#include "support/qtprint.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kvtest {

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_->path(); }
    QString file(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// The source tree (for data/ files) and the assembled program folder of the build.
QString sourceDir();
QString builtAppDir();

}  // namespace kvtest
