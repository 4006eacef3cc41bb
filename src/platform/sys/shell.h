#pragma once

// The system version and opening documents or web addresses.

#include <QString>
#include <functional>

class QWidget;

namespace sys {

// System version code. Codes 1..8 name older desktop-system families, 0 an
// unknown system; 9 is the code of the current desktop family. This
// platform always answers 9, so that the checks made for the current family
// (such as the demo-database notice) apply here too.
constexpr int kCurrentSystemVersion = 9;
int GetWindowsVersion();

// Opens target (a file or a web address) with the program the desktop
// associates with it. A relative file path is taken inside the program
// folder. owner and showMode are accepted for the callers' sake; the
// desktop decides how the program appears. True when the target was handed
// to a program to open; false when it could not be: an empty target, a
// file that is not there, no program to open it with. Never raises.
bool ShellOpen(QWidget* owner, const QString& target, int showMode);

// The target of the latest ShellOpen call ("" when none).
QString LastShellOpenTarget();

// Replaces the desktop service: while a hook is set, ShellOpen calls it
// instead of opening anything and returns what it returns (tests use it so
// that no browser starts). An empty function restores the desktop service.
using ShellOpenHook = std::function<bool(const QString& target, int showMode)>;
void SetShellOpenHook(ShellOpenHook hook);

}  // namespace sys
