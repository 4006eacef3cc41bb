// Kolvio VEV: bookkeeping for associations.
#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    core::DatabasePath = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("demo1.mdb"));
    try {
        dao::Database db = core::DBCon().AvaaDB();
        core::UpdateDatabase(db);
        std::printf("%s: %s\n", qPrintable(core::AppTitle), qPrintable(core::DatabasePath));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
