#pragma once

namespace shell {

// Registers the main window's database commands with its openers
// (shell/openers.h): "mMuokkaaTietokantaa" (the maintenance console) and
// the seven new-book items under "mLuoTietokantaMallista".
void RegisterDatabaseCommands();

}  // namespace shell
