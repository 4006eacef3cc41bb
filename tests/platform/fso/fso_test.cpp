// Files, folders and drives.

#include "platform/fso/drives.h"
#include "platform/fso/fso.h"
#include "support/child.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

TEST(FsoFiles, ACopyIsOnTheDiskBeforeItTakesTheTargetsName) {
    kvtest::TempDir dir;
    const QString src = dir.file(QStringLiteral("seura.mdb"));
    const QString dst = dir.file(QStringLiteral("kopio.mdb"));
    writeFile(src, QByteArray(5000, 'k'));
    QStringList steps;
    fso::SetWritePointHook([&](const char* step, const QString& path) {
        steps << QLatin1String(step) + u' ' + (path == dst ? QStringLiteral("<kohde>") : QFileInfo(path).fileName());
    });
    fso::CopyFile(src, dst, true);
    fso::SetWritePointHook(nullptr);
    // The work file beside the target is synced, renamed over the target,
    // and the folder synced so that the new name is on the disk too.
    ASSERT_EQ(steps.size(), 3) << steps.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(steps[0].startsWith(QStringLiteral("sync .kopio.mdb.")) && steps[0].endsWith(QStringLiteral(".kvtmp")))
        << steps[0].toStdString();
    EXPECT_EQ(steps[1], QStringLiteral("rename <kohde>"));
    EXPECT_EQ(steps[2], QStringLiteral("sync ") + fso::GetFileName(dir.path()));
    EXPECT_EQ(readFile(dst), QByteArray(5000, 'k'));
    EXPECT_EQ(fso::Files(dir.path()), (QStringList{QStringLiteral("kopio.mdb"), QStringLiteral("seura.mdb")}));
}

TEST(FsoFiles, ReplaceAndSecondNamesKeepEveryNameWhole) {
    kvtest::TempDir dir;
    const QString book = dir.file(QStringLiteral("kirja.mdb"));
    const QString old = dir.file(QStringLiteral("kirja.md3"));
    const QString compacted = dir.file(QStringLiteral("kirja.md2"));
    writeFile(book, "kirja");
    writeFile(compacted, "tiivis");

    // The old book gets a second name; the book's own name stays.
    EXPECT_EQ(errorOf([&] { fso::LinkOrCopyFile(book, old); }), 0);
    EXPECT_EQ(readFile(old), "kirja");
    EXPECT_EQ(readFile(book), "kirja");
    EXPECT_EQ(errorOf([&] { fso::LinkOrCopyFile(book, old); }), fso::err::FileAlreadyExists);
    EXPECT_EQ(errorOf([&] { fso::LinkOrCopyFile(dir.file(QStringLiteral("ei.mdb")), dir.file(QStringLiteral("x"))); }),
              fso::err::FileNotFound);

    // The compacted copy replaces the book in one step; the kept name still
    // holds the book as it was.
    EXPECT_EQ(errorOf([&] { fso::ReplaceFile(compacted, book); }), 0);
    EXPECT_EQ(readFile(book), "tiivis");
    EXPECT_EQ(readFile(old), "kirja");
    EXPECT_FALSE(fso::FileExists(compacted));
    EXPECT_EQ(errorOf([&] { fso::ReplaceFile(compacted, book); }), fso::err::FileNotFound);
    EXPECT_EQ(errorOf([&] { fso::ReplaceFile(old, dir.file(QStringLiteral("ei/ole.mdb"))); }), fso::err::PathNotFound);
    EXPECT_EQ(readFile(book), "tiivis");
}

TEST(FsoFiles, LeftoverWorkFilesAreRemovedAndNothingElse) {
    kvtest::TempDir dir;
    const QString book = dir.file(QStringLiteral("kirja.mdb"));
    // One that a stopped run of this version left (nobody holds it).
    const QString work = fso::WorkFileNameBeside(book);
    EXPECT_EQ(fso::GetParentFolderName(work), dir.path());
    EXPECT_NE(fso::WorkFileNameBeside(book), work);
    // Work files of this version, with the journals of interrupted
    // compactions, and of earlier ones; files that only look a little like
    // them, the book's own journal and other programs' hidden files.
    const QStringList leftovers = {fso::GetFileName(work), QStringLiteral(".kirja.md2.0a1b2c3d.kvtmp"),
                                   QStringLiteral(".kirja.mdb.0a1b2c3d.kvtmp-journal"),
                                   QStringLiteral("..kirja.mdb.0a1b2c3d.kvtmp.11aa22bb.kvtmp-journal"),
                                   QStringLiteral(".kvcopy.Ab3xYz"), QStringLiteral(".kirja.mdb.0123456789ab.tmp"),
                                   QStringLiteral(".kirja.mdb2.0123456789ab.tmp")};
    const QStringList kept = {QStringLiteral("kirja.mdb"),  QStringLiteral("kirja.kvtmp"),
                              QStringLiteral("ABC123.tmp"), QStringLiteral(".asetukset"),
                              QStringLiteral(".kvcopy.pitkempi"), QStringLiteral(".kirja.mdb.xyz.tmp"),
                              QStringLiteral("kirja.mdb-journal"), QStringLiteral(".kirja.mdb.0a1b2c3d.kvtmp-wal"),
                              QStringLiteral(".other.0123456789ab.tmp"), QStringLiteral(".seura.mdb.0123456789ab.tmp")};
    for (const QString& name : leftovers + kept)
        if (!QFile::exists(dir.file(name))) writeFile(dir.file(name), "x");
    QDir().mkdir(dir.file(QStringLiteral(".kansio.kvtmp")));

    EXPECT_EQ(fso::RemoveLeftoverWorkFiles(dir.path(), book), leftovers.size());
    QStringList left = fso::Files(dir.path());
    QStringList expected = kept;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_TRUE(fso::FolderExists(dir.file(QStringLiteral(".kansio.kvtmp"))));
    EXPECT_EQ(fso::RemoveLeftoverWorkFiles(dir.file(QStringLiteral("ei-ole")), book), 0);
}

// A work file made and held, as a running copy of the program holds the
// one it is writing.
KV_TEST_CHILD(holdWorkFile) {
    fso::WritePoint("hold", fso::CreateWorkFileBeside(args.value(0)));
    return 0;
}

// The clean-up before a PDF file removes only that file's work files that
// no running program holds (a held one keeps its journal too).
TEST(FsoFiles, ThePdfsCleanUpLeavesOtherFilesAndWhatARunningProgramHolds) {
    kvtest::TempDir dir;
    const QString pdf = dir.file(QStringLiteral("raportti.pdf"));
    kvtest::PausedRun owner("holdWorkFile", {pdf}, "hold");
    const QStringList files{owner.pausedAt(), owner.pausedAt() + QStringLiteral("-journal"),
                            fso::WorkFileNameBeside(pdf), fso::WorkFileNameBeside(dir.file(QStringLiteral("muu.pdf")))};
    for (const QString& f : files.mid(1)) writeFile(f, "x");
    auto left = [&] {
        QList<bool> there;
        for (const QString& f : files) there << fso::FileExists(f);
        return there;
    };
    fso::RemoveLeftoverWorkFilesOf(pdf);
    EXPECT_EQ(left(), (QList<bool>{true, true, false, true}));
    owner.kill();
    fso::RemoveLeftoverWorkFilesOf(pdf);
    EXPECT_EQ(left(), (QList<bool>{false, false, false, true}));
}

// On a file system without locks (flock fails there) the work files are
// made without a hold: a whole write still completes, and the clean-ups
// leave every work file, as they cannot tell one that nobody holds. A lock
// that a signal interrupts is taken again.
TEST(FsoFiles, WithoutLocksWorkFilesAreMadeUnheldAndTheCleanUpsLeaveThem) {
    const struct {
        int error;
        bool once;  // only the first lock of each file fails
    } cases[] = {{ENOLCK, false}, {EOPNOTSUPP, false}, {EINTR, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        kvtest::TempDir dir;
        const QString ini = dir.file(QStringLiteral("vevaravo.ini"));
        std::set<ino_t> failed;
        fso::SetLockHook([&](int fd, int operation) {
            struct stat st {};
            ::fstat(fd, &st);
            if (c.once && !failed.insert(st.st_ino).second) return ::flock(fd, operation);
            errno = c.error;
            return -1;
        });
        const int written = errorOf([&] { fso::WriteFileWhole(ini, "[KOLVIO]\n"); });
        const QString work = fso::CreateWorkFileBeside(ini);
        const int removedWithout = fso::RemoveLeftoverWorkFilesOf(ini);
        fso::SetLockHook(nullptr);

        EXPECT_EQ(written, 0);
        EXPECT_EQ(readFile(ini), "[KOLVIO]\n");
        EXPECT_EQ(removedWithout, 0);
        // With the locks back, one made without a hold is nobody's.
        EXPECT_EQ(fso::RemoveLeftoverWorkFilesOf(ini), c.once ? 0 : 1);
        EXPECT_EQ(fso::FileExists(work), c.once);
        if (c.once) fso::DeleteFile(work);
        EXPECT_EQ(fso::Files(dir.path()), QStringList{QStringLiteral("vevaravo.ini")});
    }
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
