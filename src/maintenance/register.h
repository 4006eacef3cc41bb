#pragma once

namespace maintenance {

// Registers the backup, restore and service commands with the main window
// (shell/openers.h): the memory-stick windows (not modal), the service
// request (modal) and the backup-folder commands.
void RegisterMaintenanceWindows();

}  // namespace maintenance
