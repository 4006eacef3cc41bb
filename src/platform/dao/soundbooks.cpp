#include "platform/dao/soundbooks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <sys/stat.h>

namespace dao::sound {

namespace {

constexpr int kKept = 32;  // books remembered; the latest first

QMutex gMutex;
bool gRecordSet = false;
QString gRecord;

QString recordFile() {
    if (!gRecordSet) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        gRecord = cache.isEmpty() ? QString() : QDir(cache).filePath(QStringLiteral("kolvio-vev/ehjat-kirjat"));
        gRecordSet = true;
    }
    return gRecord;
}

QString line(const QString& path, const FileStamp& s) {
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7")
        .arg(s.device)
        .arg(s.inode)
        .arg(s.size)
        .arg(s.modified)
        .arg(s.changed)
        .arg(s.counter)
        .arg(path);
}

// The lines of the record, each "stamp fields<TAB>path".
QStringList readRecord(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.read(1 << 20)).split(u'\n', Qt::SkipEmptyParts);
}

QString pathOf(const QString& recordLine) { return recordLine.section(u'\t', 6); }

}  // namespace

FileStamp stampOf(const QString& path) {
    FileStamp s;
    if (QFileInfo::exists(path + QStringLiteral("-journal"))) return s;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return s;
    const QByteArray header = f.read(28);
    if (header.size() < 28) return s;
    s.device = std::uint64_t(st.st_dev);
    s.inode = std::uint64_t(st.st_ino);
    s.modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changed = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.counter = (std::uint32_t(std::uint8_t(header[24])) << 24) | (std::uint32_t(std::uint8_t(header[25])) << 16) |
                (std::uint32_t(std::uint8_t(header[26])) << 8) | std::uint32_t(std::uint8_t(header[27]));
    s.size = std::int64_t(st.st_size);
    return s;
}

bool knownSound(const QString& canonicalPath) {
    const FileStamp now = stampOf(canonicalPath);
    if (!now.valid()) return false;
    QMutexLocker lock(&gMutex);
    const QString file = recordFile();
    if (file.isEmpty()) return false;
    const QString expected = line(canonicalPath, now);
    const QStringList lines = readRecord(file);
    for (const QString& l : lines)
        if (pathOf(l) == canonicalPath) return l == expected;
    return false;
}

void rememberSound(const QString& canonicalPath, const FileStamp& stamp) {
    if (!stamp.valid() || canonicalPath.isEmpty()) return;
    QMutexLocker lock(&gMutex);
    const QString file = recordFile();
    if (file.isEmpty()) return;
    QStringList lines = readRecord(file);
    lines.removeIf([&](const QString& l) { return pathOf(l) == canonicalPath; });
    lines.prepend(line(canonicalPath, stamp));
    while (lines.size() > kKept) lines.removeLast();
    // A lost or half-written record only means a whole check at the next
    // open, so it is written without syncing.
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(lines.join(u'\n').toUtf8() + '\n');
    out.commit();
}

void setRecordFile(const QString& file) {
    QMutexLocker lock(&gMutex);
    gRecord = file;
    gRecordSet = true;
}

}  // namespace dao::sound
