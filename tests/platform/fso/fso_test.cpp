// Files, folders and drives.

#include "platform/fso/drives.h"
#include "platform/fso/fso.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <algorithm>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs f and returns the number of the fso::Error it raised (0 for none).
template <class F>
int errorOf(F f) {
    try {
        f();
    } catch (const fso::Error& e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

TEST(FsoPaths, JoiningAndTakingApart) {
    EXPECT_EQ(fso::BuildPath(QStringLiteral("/media/stick"), QStringLiteral("Kolvio VEV")),
              QStringLiteral("/media/stick/Kolvio VEV"));
    EXPECT_EQ(fso::BuildPath(QStringLiteral("/media/stick/"), QStringLiteral("/20310305")),
              QStringLiteral("/media/stick/20310305"));
    EXPECT_EQ(fso::BuildPath(QStringLiteral("/"), QStringLiteral("a")), QStringLiteral("/a"));
    EXPECT_EQ(fso::GetFileName(QStringLiteral("/home/anna/seura.mdb")), QStringLiteral("seura.mdb"));
    EXPECT_EQ(fso::GetParentFolderName(QStringLiteral("/home/anna/seura.mdb")), QStringLiteral("/home/anna"));
    EXPECT_EQ(fso::GetParentFolderName(QStringLiteral("/seura.mdb")), QStringLiteral("/"));
    EXPECT_EQ(fso::GetParentFolderName(QStringLiteral("seura.mdb")), QString());
}

TEST(FsoFiles, CopyReplacesOnlyWhenAskedAndReportsFailuresByNumber) {
    kvtest::TempDir dir;
    const QString src = dir.file(QStringLiteral("seura.mdb"));
    const QString dst = dir.file(QStringLiteral("kopio.mdb"));
    writeFile(src, "uusi");
    writeFile(dst, "vanha");

    EXPECT_EQ(errorOf([&] { fso::CopyFile(src, dst, false); }), fso::err::FileAlreadyExists);
    EXPECT_EQ(readFile(dst), "vanha");
    EXPECT_EQ(errorOf([&] { fso::CopyFile(src, dst, true); }), 0);
    EXPECT_EQ(readFile(dst), "uusi");
    EXPECT_EQ(errorOf([&] { fso::CopyFile(dir.file(QStringLiteral("none.mdb")), dst, true); }),
              fso::err::FileNotFound);
    EXPECT_EQ(errorOf([&] { fso::CopyFile(src, dir.file(QStringLiteral("no/such/x.mdb")), true); }),
              fso::err::PathNotFound);
    EXPECT_NE(errorOf([&] { fso::CopyFile(src, src, true); }), 0);
    EXPECT_EQ(readFile(src), "uusi");
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(fso::Files(dir.path()), (QStringList{QStringLiteral("kopio.mdb"), QStringLiteral("seura.mdb")}));
}

TEST(FsoFiles, FailedCopyLeavesTheTargetAsItWas) {
    // A copy that the file-size limit cuts short, as a full stick would; a
    // large file and a small one (which goes through the write buffer).
    for (const auto& [size, limit] : {std::pair{3 << 20, 1 << 20}, std::pair{12000, 4096}}) {
        kvtest::TempDir dir;
        const QString src = dir.file(QStringLiteral("big.mdb"));
        const QString dst = dir.file(QStringLiteral("target.mdb"));
        writeFile(src, QByteArray(size, 'a'));
        writeFile(dst, "vanha kopio");

        struct rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = static_cast<rlim_t>(limit);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int number = errorOf([&] { fso::CopyFile(src, dst, true); });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_EQ(number, 61) << size;  // disk full
        EXPECT_EQ(readFile(dst), "vanha kopio");
        EXPECT_EQ(fso::Files(dir.path()), (QStringList{QStringLiteral("big.mdb"), QStringLiteral("target.mdb")}));
    }
}

TEST(FsoFiles, RenameDeleteFoldersAndListings) {
    kvtest::TempDir dir;
    const QString a = dir.file(QStringLiteral("a.mdb"));
    const QString b = dir.file(QStringLiteral("b.mdb"));
    writeFile(a, "a");
    writeFile(b, "b");
    EXPECT_EQ(errorOf([&] { fso::RenameFile(a, b); }), fso::err::FileAlreadyExists);
    EXPECT_EQ(errorOf([&] { fso::RenameFile(a, dir.file(QStringLiteral("a.mdbOLD"))); }), 0);
    EXPECT_FALSE(fso::FileExists(a));
    EXPECT_TRUE(fso::FileExists(dir.file(QStringLiteral("a.mdbOLD"))));
    EXPECT_EQ(fso::FileSize(b), 1);
    EXPECT_EQ(errorOf([&] { fso::FileSize(a); }), fso::err::FileNotFound);

    EXPECT_EQ(errorOf([&] { fso::DeleteFile(b); }), 0);
    EXPECT_EQ(errorOf([&] { fso::DeleteFile(b); }), fso::err::FileNotFound);

    const QString root = dir.file(QStringLiteral("Kolvio VEV"));
    EXPECT_EQ(errorOf([&] { fso::CreateFolder(root); }), 0);
    EXPECT_EQ(errorOf([&] { fso::CreateFolder(root); }), fso::err::FileAlreadyExists);
    EXPECT_EQ(errorOf([&] { fso::CreateFolder(dir.file(QStringLiteral("x/y"))); }), fso::err::PathNotFound);
    EXPECT_TRUE(fso::FolderExists(root));
    EXPECT_FALSE(fso::FileExists(root));
    for (const char* day : {"20310305", "20301231", "muuta"}) fso::CreateFolder(fso::BuildPath(root, QLatin1String(day)));
    writeFile(fso::BuildPath(root, QStringLiteral("file.txt")), "x");
    EXPECT_EQ(fso::SubFolders(root),
              (QStringList{QStringLiteral("20301231"), QStringLiteral("20310305"), QStringLiteral("muuta")}));
    EXPECT_EQ(fso::Files(root), QStringList{QStringLiteral("file.txt")});
    EXPECT_EQ(errorOf([&] { fso::SubFolders(dir.file(QStringLiteral("none"))); }), fso::err::PathNotFound);
}

TEST(FsoFiles, ReadOnlyStateIsToldAndCleared) {
    kvtest::TempDir dir;
    const QString db = dir.file(QStringLiteral("seura.mdb"));
    writeFile(db, "x");
    EXPECT_FALSE(fso::IsFileReadOnly(db));
    ASSERT_TRUE(QFile::setPermissions(db, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    EXPECT_TRUE(fso::IsFileReadOnly(db));
    EXPECT_TRUE(fso::ClearReadOnly(db));
    EXPECT_FALSE(fso::IsFileReadOnly(db));
    EXPECT_TRUE(QFile::permissions(db) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFile::permissions(db) & QFileDevice::ReadOther);  // the other bits stay

    EXPECT_FALSE(fso::IsFileReadOnly(dir.file(QStringLiteral("missing.mdb"))));
    EXPECT_FALSE(fso::ClearReadOnly(dir.file(QStringLiteral("missing.mdb"))));
    EXPECT_FALSE(fso::IsFileReadOnly(dir.path()));  // a folder is no file
}

TEST(FsoDrives, VolumeOfTheTemporaryFolderIsListedAndAHookReplacesTheList) {
    const QString root = QStorageInfo(QDir::tempPath()).rootPath();
    const QList<fso::Drive> drives = fso::Drives();
    // In a chroot or some containers the system's mount list does not show
    // the volume the program runs on; the drive list can only be as good.
    const auto volumes = QStorageInfo::mountedVolumes();
    const bool systemListsIt = std::any_of(volumes.begin(), volumes.end(), [&](const QStorageInfo& v) {
        return v.isValid() && v.isReady() && v.rootPath() == root;
    });
    if (systemListsIt) {
        const auto it =
            std::find_if(drives.begin(), drives.end(), [&](const fso::Drive& d) { return d.rootPath == root; });
        ASSERT_NE(it, drives.end()) << root.toStdString();
        EXPECT_TRUE(it->isReady);
        EXPECT_GT(it->totalSize, 0);
        EXPECT_GE(it->totalSize, it->freeSpace);
    }
    for (int i = 1; i < drives.size(); ++i) EXPECT_LT(drives[i - 1].rootPath, drives[i].rootPath);

    fso::Drive stick;
    stick.rootPath = QStringLiteral("/media/anna/DURARADERA");
    stick.volumeName = QStringLiteral("DURARADERA");
    stick.isReady = stick.isRemovable = true;
    fso::SetDriveListHook([&] { return QList<fso::Drive>{stick}; });
    const QList<fso::Drive> faked = fso::Drives();
    fso::SetDriveListHook({});
    ASSERT_EQ(faked.size(), 1);
    EXPECT_EQ(faked[0].volumeName, QStringLiteral("DURARADERA"));
}

}  // namespace
