#pragma once

// Special folders, the temporary folder and temporary file names.
//
// The folder kinds 0..42 name the classic shell folders in alphabetical
// order (0 admin tools, 2 application data, 16 desktop, 28 the user's
// documents, 40 the temporary folder, ...). On this platform each kind is
// mapped to the matching freedesktop folder where one exists; kinds that
// have no meaning here (start menu, network neighbourhood, printers, ...)
// give the empty text, as a failed look-up does.

#include <QString>

namespace sys {

// Kind numbers used by the program.
constexpr int kSpecialFolderPersonal = 28;  // the user's documents folder
constexpr int kSpecialFolderTemp = 40;      // the temporary folder

// The folder of a kind 0..42; "" for other values and for kinds without a
// folder on this platform. Paths carry no trailing separator, except kind
// 40, which is GetTempFolder() and ends in one.
QString GetSpecialFolder(int kind);

// The folder of a shell folder number (the classic CSIDL numbers: 0 desktop,
// 5 documents, 26 application data, 28 local application data, ...); ""
// when the number names no folder here.
QString GetSpecialFolderPath(int csidl);

// The user's temporary folder with a trailing separator; "" when unknown.
QString GetTempFolder();

// Creates a new, empty file with a unique name ("<random>.tmp") in folder and
// returns its full path; "" when the file cannot be made (missing folder,
// no permission). The file stays until the caller removes it.
QString GetTempFileNameIn(const QString& folder);

}  // namespace sys
