#pragma once

// The program's version, the platform line of the splash window and the
// places of the support pages.

#include <QString>

class QWidget;

namespace shell {

int VersionMajor();
int VersionMinor();
int VersionRevision();

// "major.minor.revision", each number in plain decimal digits.
QString VersionString(int major, int minor, int revision);
// This program's version in that form.
QString VersionString();

// The platform the program runs on, as the splash window shows it.
QString PlatformText();

// The support pages ship with the program: a folder of HTML pages inside the
// program folder. This is the one place that says where they are; replace it
// with a web address when the project has a site of its own.
inline const QString kSupportPagesFolder = QStringLiteral("ohje");

// The full path (or address) of a support page: "kayttotuki.htm",
// "tukipalvelut.htm" or "index.htm" (the home page).
QString SupportPage(const QString& page);

// Opens a support page in the browser. When none opens (no browser, or the
// page is not there), a message tells the user so and where the page is.
void OpenSupportPage(QWidget* owner, const QString& page);

}  // namespace shell
