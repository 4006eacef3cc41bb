#pragma once

// The chapters of the help pages the program ships (src/app/ohje): every
// heading's name, and the other language's name a heading gives in
// parentheses ("Varmistus kopiotikulle (Säkerhetskopiering till USB-minne)").

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace kvtest {

inline QStringList HelpChapterNames() {
    static const QRegularExpression heading(QStringLiteral("<h[1-6][^>]*>(.*?)</h[1-6]>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression names(QStringLiteral("^(.*?)(?: \\((.*)\\))?$"));
    QStringList out;
    const QDir dir(QDir(sourceDir()).filePath(QStringLiteral("src/app/ohje")));
    for (const QString& page : dir.entryList({QStringLiteral("*.htm")}, QDir::Files)) {
        QFile f(dir.filePath(page));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = heading.globalMatch(html); it.hasNext();) {
            const QString text = it.next().captured(1).remove(tag).simplified();
            const QRegularExpressionMatch m = names.match(text);
            out << m.captured(1);
            if (!m.captured(2).isEmpty()) out << m.captured(2);
        }
    }
    return out;
}

}  // namespace kvtest
