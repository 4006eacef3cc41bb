#pragma once

// The program folder: where the program's own files (the ini file, the
// language folders, templates and report definitions) are looked up.

#include <QString>

namespace sys {

// The program folder, without a trailing separator (except for the root
// folder itself). By default the folder of the running executable.
QString AppPath();

// Replaces the program folder (start-up and tests). An empty text returns
// to the default.
void SetAppPath(const QString& folder);

}  // namespace sys
