#include "core/sqlscript.h"

#include <QFile>
#include <QStringList>

namespace core {

void runSqlScript(dao::Database& db, const QString& script) {
    const QStringList lines = script.split(u'\n');
    QString statement;
    int startLine = 0;
    dao::InTransaction(db, [&] {
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines[i];
            const QString trimmed = line.trimmed();
            if (statement.isEmpty() && (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))) continue;
            if (statement.isEmpty()) startLine = i + 1;
            statement += line + u'\n';
            if (trimmed.endsWith(u';')) {
                try {
                    db.Execute(statement);
                } catch (const dao::DaoError& e) {
                    throw dao::DaoError(e.number(), QStringLiteral("rivi %1: %2").arg(startLine).arg(e.description()));
                }
                statement.clear();
            }
        }
        if (!statement.trimmed().isEmpty())
            throw dao::DaoError(dao::err::SyntaxErrorInExpression,
                                QStringLiteral("rivi %1: lause ilman päättävää puolipistettä").arg(startLine));
    });
}

void runSqlFile(dao::Database& db, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) dao::raise(dao::err::FileNotFound, path);
    runSqlScript(db, QString::fromUtf8(f.readAll()));
}

}  // namespace core
