#pragma once

// The Swedish user interface in a test: a copy of the shipped language file
// in a program folder of the test's own, and the translator reading it.

#include "core/globals.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace kvtest {

// The language file the program ships.
inline QString shippedSwedish() {
    return QDir(sourceDir()).filePath(QStringLiteral("data/lang/Svenska/Kolvio VEV.trl"));
}

// Copies the shipped file into folder's "Svenska" folder and translates
// with the copy from now on; the copy's path, or empty when it could not be
// made.
inline QString useSwedish(const QString& folder) {
    const QString copy = QDir(folder).filePath(QStringLiteral("Svenska/Kolvio VEV.trl"));
    if (!QDir(folder).mkpath(QStringLiteral("Svenska")) || !QFile::copy(shippedSwedish(), copy)) return {};
    // Writable whatever the checkout's modes: a text looked up in vain is
    // written into it, which is how a test sees a translation missing.
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    ini::cIniFile::ClearCache();
    core::cTranslate cfg;
    cfg.setBaseFolder(folder);
    cfg.setFileName(core::AppTitle);
    cfg.setLanguagePrefix(QStringLiteral("Svenska"));
    core::SetTranslator(cfg.LangTranslator());
    return copy;
}

// Whether the copy is still the shipped file: the translator adds every
// text it looked up in vain to the file it reads.
inline bool sameAsShipped(const QString& copy) {
    QFile a(shippedSwedish()), b(copy);
    return a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll();
}

}  // namespace kvtest
