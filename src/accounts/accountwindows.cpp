#include "accounts/accountwindows.h"

#include "accounts/frmkustannuspaikat.h"
#include "accounts/frmtilitnew.h"
#include "platform/ui/forms.h"
#include "shell/openers.h"

namespace accounts {

void RegisterAccountWindows() {
    shell::RegisterOpener(QStringLiteral("frmTilitNew"), [] { ui::Forms::show<frmTilitNew>(); });
    shell::RegisterOpener(QStringLiteral("frmKustannuspaikat"), [] { ui::Forms::show<frmKustannuspaikat>(); });
}

}  // namespace accounts
