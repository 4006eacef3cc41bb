#include "shell/database/databasecommands.h"

#include "shell/database/console.h"
#include "shell/database/newdatabase.h"
#include "shell/openers.h"

namespace shell {

void RegisterDatabaseCommands() {
    RegisterOpener(QStringLiteral("mMuokkaaTietokantaa"), [] { RunMaintenanceConsole(); });
    for (const NewDatabaseItem& item : NewDatabaseItems()) {
        const QString name = QString::fromLatin1(item.menuItem);
        RegisterOpener(name, [name] { RunNewDatabaseItem(name); });
    }
}

}  // namespace shell
