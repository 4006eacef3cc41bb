// Build tool: makes a book (.mdb) from SQL scripts.
//   kv_mkbook <out.mdb> [--sql file | --upgrade]...
// The steps run in the order given; --upgrade brings the book to the
// current layout. An existing output file is replaced only when every step
// succeeded.

#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/dao/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kv_mkbook <out.mdb> [--sql file | --upgrade]...\n");
        return 2;
    }
    const QString out = args[0];
    const QString tmp = out + QStringLiteral(".building");
    QFile::remove(tmp);
    try {
        dao::Database db = dao::DBEngine::CreateDatabase(tmp);
        for (int i = 1; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--upgrade")) {
                core::UpdateDatabase(db);
            } else if (args[i] == QLatin1String("--sql") && i + 1 < args.size()) {
                core::runSqlFile(db, args[++i]);
            } else {
                std::fprintf(stderr, "kv_mkbook: unknown argument %s\n", qPrintable(args[i]));
                db.Close();
                QFile::remove(tmp);
                return 2;
            }
        }
        db.Close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kv_mkbook: %s: %s\n", qPrintable(out), e.what());
        QFile::remove(tmp);
        return 1;
    }
    QFile::remove(out);
    if (!QFile::rename(tmp, out)) {
        std::fprintf(stderr, "kv_mkbook: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
