#pragma once

// The windows of this subsystem that the main window opens.

namespace accounts {

// Registers "frmTilitNew" (the accounts window) and "frmKustannuspaikat"
// (the cost-centre window) with the main window's commands: each is loaded
// on first use and shown, not modal; an open one is brought forward.
void RegisterAccountWindows();

}  // namespace accounts
