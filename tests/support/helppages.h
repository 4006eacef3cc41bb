#pragma once

// The chapters of the help pages the program ships (src/app/ohje): each
// heading's name, and the Swedish name it gives in parentheses.

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace kvtest {

inline QStringList HelpChapterNames() {
    static const QRegularExpression heading(QStringLiteral("<h[1-6][^>]*>(.*?)</h[1-6]>")), tag(QStringLiteral("<[^>]*>"));
    QStringList out;
    const QDir dir(QDir(sourceDir()).filePath(QStringLiteral("src/app/ohje")));
    for (const QString& page : dir.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        QFile f(dir.filePath(page));
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (auto it = heading.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();)
            for (QString name : it.next().captured(1).remove(tag).split(u'(')) out << name.remove(u')').trimmed();
    }
    return out;
}

}  // namespace kvtest
