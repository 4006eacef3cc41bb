#pragma once

// The voucher windows of this subsystem, as the main window opens them.

#include "shell/openers.h"

namespace vouchers {

class frmNewTositteet;

// Registers frmNewTositteet with the main window's voucher commands, and
// the voucher check and search windows with frmNewTositteet.
void RegisterVoucherWindows();

// Opens the voucher window in a mode, or gives the open window that mode,
// and brings it forward. The flags are set before the window's own load,
// the caption after it.
frmNewTositteet& OpenVoucherWindow(const shell::VoucherWindowMode& mode);

}  // namespace vouchers
