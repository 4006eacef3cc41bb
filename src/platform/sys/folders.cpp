#include "platform/sys/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <array>

namespace sys {

namespace {

// Shell folder number of each kind 0..42; -1 for kind 40 (the temporary
// folder, which is not a shell folder).
constexpr std::array<int, 43> kKindToCsidl = {
    48, 29, 26, 47, 30, 35, 25, 46, 31, 23,  // 0..9
    22, 24, 45, 49, 3,  33, 0,  16, 17, 6,   // 10..19
    20, 34, 1,  32, 28, 39, 19, 18, 5,  4,   // 20..29
    27, 40, 38, 43, 2,  8,  9,  11, 7,  37,  // 30..39
    -1, 21, 36,                              // 40..42
};

QString writable(QStandardPaths::StandardLocation loc) {
    return QDir::cleanPath(QStandardPaths::writableLocation(loc));
}

// The system-wide entry of a location: the last of its search list.
QString systemWide(QStandardPaths::StandardLocation loc) {
    const QStringList all = QStandardPaths::standardLocations(loc);
    return all.size() > 1 ? QDir::cleanPath(all.last()) : QString();
}

QString nonEmpty(const QString& p) { return p == QLatin1String(".") ? QString() : p; }

}  // namespace

QString GetSpecialFolderPath(int csidl) {
    QString path;
    switch (csidl) {
    case 0:   // desktop
    case 16:  // desktop directory
        path = writable(QStandardPaths::DesktopLocation);
        break;
    case 5:  // personal files
        path = writable(QStandardPaths::DocumentsLocation);
        break;
    case 26:  // roaming application data: the user's configuration folder
        path = writable(QStandardPaths::GenericConfigLocation);
        break;
    case 28:  // local application data
        path = writable(QStandardPaths::GenericDataLocation);
        break;
    case 35:  // application data of all users
        path = systemWide(QStandardPaths::GenericDataLocation);
        break;
    case 32:  // internet cache
        path = writable(QStandardPaths::GenericCacheLocation);
        break;
    case 39:  // pictures
        path = writable(QStandardPaths::PicturesLocation);
        break;
    case 20:  // fonts
        path = writable(QStandardPaths::FontsLocation);
        break;
    case 40:  // the user's profile
        path = writable(QStandardPaths::HomeLocation);
        break;
    case 2:  // the user's program menu
        path = writable(QStandardPaths::ApplicationsLocation);
        break;
    case 23:  // the program menu of all users
        path = systemWide(QStandardPaths::ApplicationsLocation);
        break;
    case 7: {  // the user's start-up programs
        const QString config = writable(QStandardPaths::GenericConfigLocation);
        if (!config.isEmpty()) path = config + QLatin1String("/autostart");
        break;
    }
    case 24: {  // start-up programs of all users
        const QString config = systemWide(QStandardPaths::GenericConfigLocation);
        if (!config.isEmpty()) path = config + QLatin1String("/autostart");
        break;
    }
    case 38:  // installed programs
        path = QStringLiteral("/opt");
        break;
    case 37:  // system libraries
        path = QStringLiteral("/usr/lib");
        break;
    default:
        break;
    }
    return nonEmpty(path);
}

QString GetSpecialFolder(int kind) {
    if (kind < 0 || kind >= static_cast<int>(kKindToCsidl.size())) return QString();
    if (kind == kSpecialFolderTemp) return GetTempFolder();
    return GetSpecialFolderPath(kKindToCsidl[static_cast<size_t>(kind)]);
}

QString GetTempFolder() {
    QString temp = QDir::cleanPath(QDir::tempPath());
    if (temp.isEmpty() || temp == QLatin1String(".")) return QString();
    if (!temp.endsWith(QLatin1Char('/'))) temp += QLatin1Char('/');
    return temp;
}

QString GetTempFileNameIn(const QString& folder) {
    if (folder.isEmpty()) return QString();
    const QFileInfo dir(folder);
    if (!dir.isDir()) return QString();
    QTemporaryFile file(QDir(dir.absoluteFilePath()).filePath(QStringLiteral("XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open()) return QString();
    const QString name = QDir::cleanPath(file.fileName());
    file.close();
    return name;
}

}  // namespace sys
