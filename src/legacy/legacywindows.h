#pragma once

// The older windows as the main window opens them.

#include "shell/openers.h"

namespace legacy {

class frmTositteet;
class frmTilit;

// Registers the older voucher window under "frmTositteet" (the main
// window's voucher commands open it while the setting VanhatTositteet is
// on) and the older accounts window under "frmTilit", and connects the
// older voucher window to the report commands, the voucher check window and
// the template editor of the program.
void RegisterLegacyWindows();

// Opens the older voucher window in a mode, or gives the open window that
// mode, and brings it forward. The flags are set before the window's own
// load, the caption after it.
frmTositteet* OpenOlderVoucherWindow(const shell::VoucherWindowMode& mode);

// Opens the older accounts window (not modal) and brings it forward.
frmTilit* OpenOlderAccountsWindow();

}  // namespace legacy
