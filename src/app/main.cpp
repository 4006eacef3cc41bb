// Kolvio VEV: double-entry bookkeeping for associations.
//
// The main window is the program: loading it runs the start-up, unloading
// it ends the run.

#include "app/openers.h"
#include "core/dbc.h"
#include "core/ui/helpers.h"
#include "shell/frmmain.h"
#include "shell/programsupport.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvio VEV"));
    // Windows are hidden, not closed, when they unload; the main window ends
    // the run itself.
    QApplication::setQuitOnLastWindowClosed(false);

    shell::InstallQtTranslation(QString());
    app::RegisterOpeners();
    core::InstallWindowHooks();
    shell::InstallReleaseErrorHandler();
    shell::InstallUnhandledErrorHandler();

    ui::Forms::show<shell::frmMain>();
    int rc = 0;
    if (!shell::QuitRequested()) rc = QApplication::exec();

    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    return rc;
}
