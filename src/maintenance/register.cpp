#include "maintenance/register.h"

#include "maintenance/backupfolder.h"
#include "maintenance/frmbackup.h"
#include "maintenance/frmbackupmanagement.h"
#include "maintenance/frmbackuprestore.h"
#include "maintenance/frmservice.h"
#include "platform/ui/forms.h"
#include "shell/openers.h"

namespace maintenance {

void RegisterMaintenanceWindows() {
    shell::RegisterOpener(QStringLiteral("frmBackup"), [] { ui::Forms::show<frmBackup>(); });
    shell::RegisterOpener(QStringLiteral("frmBackupRestore"), [] { ui::Forms::show<frmBackupRestore>(); });
    shell::RegisterOpener(QStringLiteral("frmBackupManagement"), [] { ui::Forms::show<frmBackupManagement>(); });
    shell::RegisterOpener(QStringLiteral("frmService"), [] { ui::Forms::show<frmService>(true); });
    shell::RegisterOpener(QStringLiteral("mVarmistus"), [] { mVarmistusClick(); });
    shell::RegisterOpener(QStringLiteral("mPalautus"), [] { mPalautusClick(); });
}

}  // namespace maintenance
