// The windows that the main window's commands open, by subsystem. Each
// subsystem adds its windows here as they come; a command without a
// registered window tells the user that it is not available in this version.
//
// For example:
//   shell::RegisterOpener(QStringLiteral("frmTilitNew"), [] { ui::Forms::show<accounts::frmTilitNew>(); });
//   shell::RegisterVoucherWindow(QStringLiteral("frmNewTositteet"), [](const shell::VoucherWindowMode& m) { ... });

#include "app/openers.h"

#include "accounts/accountwindows.h"
#include "accounts/views/accountviews.h"
#include "budget/frmbudjetti.h"
#include "legacy/legacywindows.h"
#include "maintenance/register.h"
#include "maintenance/yearchange/frmkaudenvaihto.h"
#include "shell/database/databasecommands.h"
#include "shell/openers.h"
#include "shell/settings/frmasetukset.h"
#include "statement_models/modelwindows.h"
#include "statements/statementreports.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#include "vouchers/window/voucherwindows.h"

namespace app {

void RegisterOpeners() {
    shell::RegisterDatabaseCommands();
    shell::RegisterOpener(QStringLiteral("frmAsetukset"), [] { ui::Forms::show<shell::frmAsetukset>(); });
    vouchers::RegisterVoucherWindows();
    // Shown by start-up after a repair of the book that lost rows.
    shell::RegisterOpener(QStringLiteral("frmTositeTarkistusVirheet"), [] { vouchers::ShowTositeTarkistusVirheet(); });
    statement_models::RegisterModelWindows();
    statements::RegisterStatementCommands();
    budget::RegisterBudgetWindows();
    accounts::RegisterAccountWindows();
    accounts::RegisterAccountViews();
    maintenance::RegisterMaintenanceWindows();
    shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"), [] { ui::Forms::show<maintenance::frmKaudenVaihto>(true); });
    legacy::RegisterLegacyWindows();
}

}  // namespace app
