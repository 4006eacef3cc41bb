#pragma once

namespace app {

// Registers the working windows of every subsystem with the main window's
// commands (shell/openers.h).
void RegisterOpeners();

}  // namespace app
