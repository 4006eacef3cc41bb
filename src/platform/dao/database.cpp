#include "platform/dao/engine_impl.h"
#include "platform/fso/fso.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <atomic>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <thread>
#include <utility>

namespace dao {

namespace {

std::atomic<int> gBusyTimeoutMs{5000};
std::atomic<std::int64_t> gStepsPerByte{WorkBound{}.stepsPerByte};
std::atomic<std::int64_t> gBoundSteps{WorkBound{}.steps};

}  // namespace

WorkWatch& currentWatch() {
    thread_local WorkWatch watch;
    return watch;
}

std::int64_t workBoundFor(const QString& bookPath) {
    const std::int64_t size = std::max<qint64>(QFileInfo(bookPath).size(), 0);
    const std::int64_t perByte = gStepsPerByte, steps = gBoundSteps;
    return size > (std::numeric_limits<std::int64_t>::max() - steps) / std::max<std::int64_t>(perByte, 1)
               ? std::numeric_limits<std::int64_t>::max()
               : steps + perByte * size;
}

namespace {

QHash<QString, std::weak_ptr<Connection>>& registry() {
    static QHash<QString, std::weak_ptr<Connection>> r;
    return r;
}

// Runs SQL without results on a raw handle; returns the result code.
int run(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
int run(sqlite3* db, const QByteArray& sql) { return run(db, sql.constData()); }

// Checks that the file can be used as a book before the engine touches it.
void checkFile(const QString& path, bool readOnly) {
    if (path.isEmpty()) raise(err::FileNotFound, path);
    const QFileInfo fi(path);
    if (!fi.exists()) {
        if (!fi.absoluteDir().exists()) raise(err::InvalidPath, path);
        raise(err::FileNotFound, path);
    }
    if (fi.isDir()) raise(err::InvalidPath, path);
    if (!fi.isReadable()) raise(err::NoPermission, path);
    if (fi.size() == 0) raise(err::UnrecognizedFormat, path);
    if (!readOnly) {
        // The engine writes a journal beside the file, so the folder must be
        // writable as well as the file.
        const QFileInfo dir(fi.absolutePath());
        if (!fi.isWritable() || !dir.isWritable()) raise(err::NoPermission, path);
    }
}

// Maps a failure of the first read of a file to the engine's error.
[[noreturn]] void openFailure(int rc, const QString& path) {
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
        raise(err::UnrecognizedFormat, path);
    case SQLITE_CORRUPT:
        raise(err::CannotOpenDatabase, path);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        raise(err::FileInUse, path);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        raise(err::NoPermission, path);
    case SQLITE_CANTOPEN:
        raise(err::FileNotFound, path);
    default:
        raise(err::CannotOpenDatabase, path);
    }
}

// A book that asks more than the program evaluates (in its definitions or
// its rows: a value longer than any a book holds, a LIKE pattern beyond the
// engine's bound, a whole number beyond 64 bits, a collation or function the
// program does not have) is no damaged file: the open says what stopped it,
// and h is closed. Any other failure returns.
void refuseWhatTheBookAsks(sqlite3* h, int rc, const QString& path) {
    const std::optional<DaoError> refused = refusalOf(h, rc);
    if (!refused) return;
    const DaoError e(refused->number(), QStringLiteral("Tietokantaa '%1' ei voi lukea sellaisena kuin se on: %2")
                                            .arg(path, refused->description()));
    sqlite3_close_v2(h);
    throw e;
}

// A handle whose work is counted in work from its first read of the book's
// definitions on; a read that work stopped raises TooMuchWork or
// WorkCancelled.
sqlite3* openBounded(const QString& path, bool readOnly, BoundedWork& work) {
    try {
        return openHandle(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, 1000,
                          [&work](sqlite3* h) { work.on(h); });
    } catch (const DaoError&) {
        work.raiseIfStopped(path);
        throw;
    }
}

// Opens a handle of our own (not shared), checked as OpenDatabase checks.
// Its work, when given, is counted in work from its first read on.
sqlite3* openPrivate(const QString& path, bool readOnly, BoundedWork* work = nullptr) {
    checkFile(path, readOnly);
    const bool undecided = checkIsBook(path);
    sqlite3* h = work ? openBounded(path, readOnly, *work)
                      : openHandle(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, 1000);
    const int rc = run(h, "SELECT count(*) FROM sqlite_master");
    if (rc != SQLITE_OK) {
        refuseWhatTheBookAsks(h, rc, path);
        const int ext = sqlite3_extended_errcode(h);
        sqlite3_close_v2(h);
        if (work) work->raiseIfStopped(path);
        openFailure(ext ? ext : rc, path);
    }
    if (undecided) confirmIsBook(h, path);
    return h;
}

// VACUUM INTO a file; the statement takes the file name as a bound value.
// The engine writes the copy through a database it attaches for it: this
// statement alone may attach one (see guardAgainstTheBook).
int vacuumInto(sqlite3* h, const QString& file) {
    sqlite3_limit(h, SQLITE_LIMIT_ATTACHED, 1);
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(h, "VACUUM INTO ?1", -1, &s, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray f = QFile::encodeName(file);
        sqlite3_bind_text(s, 1, f.constData(), int(f.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(s);
        if (rc == SQLITE_DONE) rc = SQLITE_OK;
        else rc = sqlite3_extended_errcode(h);
    }
    sqlite3_finalize(s);
    sqlite3_limit(h, SQLITE_LIMIT_ATTACHED, 0);
    return rc;
}

// A work file of the engine goes, with the journal a write into it left.
void removeWorkFile(const QString& file) {
    QFile::remove(file);
    QFile::remove(file + QStringLiteral("-journal"));
}

// Maps a failure of the compaction's VACUUM INTO to the engine's error: the
// source is damaged only when the engine says so. Anything else (a copy the
// engine cannot write, say, of a table whose columns it cannot copy as they
// are) is CompactionFailed, with the engine's reason.
[[noreturn]] void compactionFailure(int rc, const QString& source, const QString& why) {
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        openFailure(rc, source);
    case SQLITE_FULL:
        raise(err::DiskFull);
    case SQLITE_IOERR:
        raise(err::DiskError);
    default:
        throw DaoError(err::CompactionFailed,
                       errorText(err::CompactionFailed, source) + QStringLiteral(" (") + why + QStringLiteral(")"));
    }
}

// An empty work file beside target for VACUUM INTO to write, held by this
// program while it is written; h is closed when none can be made.
QString workFileFor(sqlite3* h, const QString& target) {
    try {
        return fso::CreateWorkFileBeside(target);
    } catch (const fso::Error&) {
        sqlite3_close_v2(h);
        raise(err::DiskError);
    }
}

// The full integrity check; firstFault, when given, gets the first fault
// found (or the engine's message when the check could not run).
bool integrityOk(sqlite3* h, QString* firstFault = nullptr) {
    sqlite3_stmt* s = nullptr;
    bool ok = false;
    QString fault;
    if (sqlite3_prepare_v2(h, "PRAGMA integrity_check", -1, &s, nullptr) == SQLITE_OK) {
        if (sqlite3_step(s) == SQLITE_ROW) {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            ok = t && QByteArray(t) == "ok" && sqlite3_step(s) == SQLITE_DONE;
            if (!ok && t) {
                // The faults come one a line under a heading line; the first
                // one names the kind of damage.
                QStringList lines = QString::fromUtf8(t).split(u'\n', Qt::SkipEmptyParts);
                lines.removeIf([](const QString& l) { return l.startsWith(QLatin1String("***")); });
                fault = lines.value(0, QString::fromUtf8(t));
                if (lines.size() > 1) fault += QStringLiteral(" ...");
            }
        }
    }
    if (!ok && fault.isEmpty()) fault = QString::fromUtf8(sqlite3_errmsg(h));
    sqlite3_finalize(s);
    if (firstFault) *firstFault = fault;
    return ok;
}

// The wait for a book that another connection (another copy of the
// program among them) is writing: a new try every millisecond or so, a
// little at random, until ms milliseconds have passed. The engine's own wait
// sleeps ever longer, up to a tenth of a second between tries; a copy that
// saves one voucher after another then holds the book at nearly every try,
// and the other copy would be refused although the book was free for a
// moment after each of those saves.
int waitForBook(void* ms, int tries) {
    thread_local std::chrono::steady_clock::time_point since;
    const auto now = std::chrono::steady_clock::now();
    if (tries == 0) since = now;
    if (now - since >= std::chrono::milliseconds(reinterpret_cast<std::intptr_t>(ms))) return 0;
    std::this_thread::sleep_for(std::chrono::microseconds(200 + QRandomGenerator::global()->bounded(800)));
    return 1;
}

void setBusyWait(sqlite3* h, int ms) {
    sqlite3_busy_handler(h, waitForBook, reinterpret_cast<void*>(static_cast<std::intptr_t>(ms)));
}

// A book can come from anyone: what the texts it holds (its views,
// triggers, defaults and checks, and the definitions the engine reads of it)
// can do on a connection of the program is no more than read and write that
// book, in values no longer than kLongestValue, matching patterns no longer
// than kLongestLikePattern. No statement attaches another file (the
// program's own compaction lifts this for its one statement), the book's
// texts call only functions without side effects, and, when defensive, the
// book's definitions cannot be written as rows. The rebuild of a damaged
// book reads the damaged one's definitions as rows, on a connection that
// writes nothing into it: that one alone is not defensive.
void guardAgainstTheBook(sqlite3* h, bool defensive) {
    sqlite3_limit(h, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(h, SQLITE_LIMIT_LENGTH, kLongestValue);
    sqlite3_limit(h, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, kLongestLikePattern);
    sqlite3_db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(h, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    if (defensive) sqlite3_db_config(h, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
}

// Refuses a book that carries a trigger: h is closed and ForeignLayout
// raised, before anything is written. (The layout of the book has been
// compared with the program's before: this is a second wall.)
void refuseTriggers(sqlite3* h, const QString& path) {
    std::vector<ForeignDefinition> triggers;
    for (const SchemaRow& r : schemaOf(h))
        if (r.type == QLatin1String("trigger")) triggers.push_back({r.type, r.name, r.sql});
    if (triggers.empty()) return;
    sqlite3_close_v2(h);
    throw ForeignLayout(path, std::move(triggers));
}

// The quick check of every page and row: SQLITE_OK when the book is sound,
// SQLITE_CORRUPT when it is not, or the engine's error when the check
// could not run (SQLITE_INTERRUPT when its work was stopped).
int quickCheck(sqlite3* h) {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(h, "PRAGMA quick_check", -1, &s, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            rc = (t && QByteArray(t) == "ok") ? SQLITE_OK : SQLITE_CORRUPT;
        } else if (rc != SQLITE_DONE) {
            rc = sqlite3_extended_errcode(h);
        }
    }
    sqlite3_finalize(s);
    return rc;
}

const QString kJournal = QStringLiteral("-journal");

// Whether a journal that a write cut short left lies beside the book: the
// engine plays it back into the book at its first read.
bool journalBeside(const QString& path) { return QFileInfo(path + kJournal).size() > 0; }

// The book at path as its first read finds it, open for reads that change
// neither it nor any file beside it: the file itself on a connection that
// only reads (which fails rather than play a journal back), or, with a
// journal beside it, a copy of the two in copies, a folder of their own,
// into which the engine plays the journal. No virtual table of the book can
// be read on it. Raises the error of the open.
sqlite3* openAsFound(const QString& path, std::optional<QTemporaryDir>& copies) {
    QString file = path;
    int flags = SQLITE_OPEN_READONLY;
    if (journalBeside(path)) {
        copies.emplace();
        file = copies->filePath(QStringLiteral("kirja.mdb"));
        if (!copies->isValid() || !QFile::copy(path, file) || !QFile::copy(path + kJournal, file + kJournal))
            raise(err::DiskError);
        for (const QString& f : {file, file + kJournal}) QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner);
        flags = SQLITE_OPEN_READWRITE;
    }
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &h, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const int rc = sqlite3_errcode(h);
        sqlite3_close_v2(h);
        openFailure(rc, path);
    }
    sqlite3_extended_result_codes(h, 1);
    guardAgainstTheBook(h, false);
    sqlite3_drop_modules(h, nullptr);
    sqlite3_busy_timeout(h, 1000);
    registerFunctions(h);
    return h;
}

// A book that a journal beside it would leave damaged once played back is
// found on a copy of the two, before the engine plays the journal into the
// book (CannotOpenDatabase): the repair gets the book with its journal as
// they are.
void refuseDamagedAfterJournal(const QString& path) {
    if (!journalBeside(path)) return;
    std::optional<QTemporaryDir> copies;
    sqlite3* h = openAsFound(path, copies);
    BoundedWork work(path);
    work.on(h);
    const int rc = quickCheck(h);
    sqlite3_close_v2(h);
    work.raiseIfStopped(path);
    if ((rc & 0xff) == SQLITE_CORRUPT || (rc & 0xff) == SQLITE_NOTADB) raise(err::CannotOpenDatabase, path);
}

}  // namespace

sqlite3* openHandle(const QString& path, int flags, int busyMs, const std::function<void(sqlite3*)>& beforeFirstRead) {
    sqlite3* h = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &h, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(h);
        openFailure(rc, path);
    }
    sqlite3_extended_result_codes(h, 1);
    guardAgainstTheBook(h, true);
    setBusyWait(h, busyMs);
    registerFunctions(h);
    if (beforeFirstRead) beforeFirstRead(h);
    // A commit deletes the journal and then syncs the folder: until the
    // folder is on the disk, a power cut can bring the journal back, and the
    // next opening would roll the saved work back. A compaction's source
    // hands the same setting on to the copy that VACUUM INTO writes.
    rc = run(h, "PRAGMA synchronous=EXTRA");
    if (rc != SQLITE_OK) {
        refuseWhatTheBookAsks(h, rc, path);
        const int ext = sqlite3_extended_errcode(h);
        sqlite3_close_v2(h);
        openFailure(ext ? ext : rc, path);
    }
    return h;
}

// ---------------------------------------------------------------- engine

void DBEngine::setBusyTimeoutMs(int ms) { gBusyTimeoutMs = ms; }

void DBEngine::setWorkBound(const WorkBound& bound) {
    gStepsPerByte = bound.stepsPerByte;
    gBoundSteps = bound.steps;
}

WorkBound DBEngine::workBound() { return {gStepsPerByte, gBoundSteps}; }

WorkWatchScope::WorkWatchScope(WorkWatch watch) : previous_(std::exchange(currentWatch(), std::move(watch))) {}

WorkWatchScope::~WorkWatchScope() { currentWatch() = std::move(previous_); }

Database DBEngine::OpenDatabase(const QString& path, bool readOnly) {
    checkFile(path, readOnly);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    auto& reg = registry();
    if (auto existing = reg.value(canonical).lock()) {
        if (readOnly || !existing->readOnly())
            return Database(std::make_shared<DatabaseImpl>(existing, path));
    }
    // Nothing below may write to a file that is not a book: its journal mode
    // is the owner's business.
    const bool undecided = checkIsBook(path);
    refuseDamagedAfterJournal(path);
    // The first reads and the check are work over what the book carries.
    BoundedWork work(path);
    sqlite3* h = openBounded(path, readOnly, work);
    int rc = run(h, "SELECT count(*) FROM sqlite_master");
    if (rc == SQLITE_OK && undecided) confirmIsBook(h, path);
    if (rc == SQLITE_OK) {
        // A quick look at every page: a damaged book is found when it is
        // opened, not in the middle of the user's work.
        rc = quickCheck(h);
        if (rc != SQLITE_OK) {
            refuseWhatTheBookAsks(h, rc, path);
            sqlite3_close_v2(h);
            work.raiseIfStopped(path);
            openFailure(rc, path);
        }
        // A damaged book is repaired without its triggers; a sound one that
        // carries one is refused.
        refuseTriggers(h, path);
    }
    BoundedWork::off(h);
    if (rc != SQLITE_OK) {
        const int ext = sqlite3_extended_errcode(h);
        sqlite3_close_v2(h);
        work.raiseIfStopped(path);
        openFailure(ext ? ext : rc, path);
    }
    if (rc == SQLITE_OK && !readOnly) {
        // A book that another program is writing is refused at once.
        rc = run(h, "BEGIN IMMEDIATE");
        if (rc == SQLITE_OK) rc = run(h, "ROLLBACK");
    }
    if (rc == SQLITE_OK && !readOnly) rc = run(h, "PRAGMA journal_mode=DELETE");
    if (rc == SQLITE_OK) rc = run(h, "PRAGMA foreign_keys=OFF");
    // The engine's page cache holds a book of tens of thousands of vouchers
    // whole (64 MB at most, taken as pages are read), so that browsing and
    // reports do not read the same pages from the file again and again.
    if (rc == SQLITE_OK) rc = run(h, "PRAGMA cache_size=-65536");
    if (rc != SQLITE_OK) {
        refuseWhatTheBookAsks(h, rc, path);
        const int ext = sqlite3_extended_errcode(h);
        sqlite3_close_v2(h);
        openFailure(ext ? ext : rc, path);
    }
    setBusyWait(h, gBusyTimeoutMs);
    auto conn = std::make_shared<Connection>(h, canonical, readOnly);
    reg.insert(canonical, conn);
    return Database(std::make_shared<DatabaseImpl>(conn, path));
}

Database DBEngine::CreateDatabase(const QString& path) {
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.absoluteDir().exists()) raise(err::InvalidPath, path);
    if (fi.exists()) raise(err::DatabaseExists, path);
    sqlite3* h = openHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, gBusyTimeoutMs);
    // Write the header at once: an empty file is not a book.
    const int rc = run(h, "PRAGMA journal_mode=DELETE; PRAGMA application_id=1263945046; PRAGMA user_version=1");
    sqlite3_close_v2(h);
    if (rc != SQLITE_OK) {
        QFile::remove(path);
        raise(err::DiskError);
    }
    return OpenDatabase(path);
}

Database DBEngine::CreateMemoryDatabase() {
    sqlite3* h = openHandle(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, gBusyTimeoutMs);
    if (run(h, "PRAGMA application_id=1263945046; PRAGMA user_version=1; PRAGMA foreign_keys=OFF") != SQLITE_OK) {
        sqlite3_close_v2(h);
        raise(err::DiskError);
    }
    return Database(std::make_shared<DatabaseImpl>(std::make_shared<Connection>(h, QString(), false), QString()));
}

void DBEngine::CompactDatabase(const QString& source, const QString& target) {
    if (QFileInfo::exists(target)) raise(err::DatabaseExists, target);
    if (!QFileInfo(target).absoluteDir().exists()) raise(err::InvalidPath, target);
    BoundedWork work(source);
    sqlite3* h = openPrivate(source, true, &work);
    // Written into a work file beside the target, held by this program while
    // it is written (one that an interrupted run leaves is removed by the
    // next clean-up of the folder); the engine writes into the empty file.
    const QString tmp = workFileFor(h, target);
    fso::WritePoint("compact", tmp);
    const int rc = vacuumInto(h, tmp);
    // What the book's own definitions asked beyond the bounds is told in
    // words; any other failure in the engine's.
    const std::optional<DaoError> refused = rc == SQLITE_OK ? std::nullopt : refusalOf(h, rc);
    const QString why = rc == SQLITE_OK ? QString()
                        : refused       ? refused->description()
                                        : QString::fromUtf8(sqlite3_errmsg(h));
    sqlite3_close_v2(h);
    if (rc != SQLITE_OK) {
        removeWorkFile(tmp);
        work.raiseIfStopped(source);
        compactionFailure(rc, source, why);
    }
    // The copy must be whole, and on the disk, before it takes the target's name.
    sqlite3* check = nullptr;
    QString fault;
    bool ok = sqlite3_open_v2(QFile::encodeName(tmp).constData(), &check, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    if (ok) work.on(check);
    ok = ok && integrityOk(check, &fault);
    sqlite3_close_v2(check);
    if (!ok) {
        removeWorkFile(tmp);
        work.raiseIfStopped(source);
        throw DaoError(err::CompactionFailed, errorText(err::CompactionFailed, source) + QStringLiteral(" (") + fault +
                                                  QStringLiteral(")"));
    }
    try {
        fso::SyncFile(tmp);
        fso::RenameFile(tmp, target);
    } catch (const fso::Error&) {
        removeWorkFile(tmp);
        raise(err::DiskError);
    }
}

namespace {

// A file as a repair read it: its name, size, time and contents.
struct FileState {
    QString path;
    qint64 size = -1;
    qint64 modified = 0;
    QByteArray sha256;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const QString& path) {
    const QFileInfo fi(path);
    FileState s;
    s.path = fi.absoluteFilePath();
    s.size = fi.size();
    s.modified = fi.lastModified().toMSecsSinceEpoch();
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (f.open(QIODevice::ReadOnly) && hash.addData(&f)) s.sha256 = hash.result().toHex();
    return s;
}

bool bindAndStep(sqlite3_stmt* s, const QString& kind, const QString& name, const QString& value) {
    const QByteArray k = kind.toUtf8(), n = name.toUtf8(), v = value.toUtf8();
    sqlite3_bind_text(s, 1, k.constData(), int(k.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, n.constData(), int(n.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 3, v.constData(), int(v.size()), SQLITE_TRANSIENT);
    const bool ok = sqlite3_step(s) == SQLITE_DONE;
    sqlite3_reset(s);
    return ok;
}

// The mark of a repaired copy: the damaged file it was made from, and what
// it could not bring over. Rows of kind "file" give the file's state, rows
// of kind "lost" a table and its lost rows ("+" after a least number), rows
// of kind "known" a table and one value its indexes hold of a lost row (the
// column, a tab and the value), rows of kind "left out" a definition of the
// damaged book left out (its name, and its kind, a tab and its text), a row
// of kind "unread" that some of its definitions could not be read.
bool writeRepairMark(sqlite3* h, const FileState& damaged, const RepairReport& report) {
    const QByteArray table = kRepairMarkTable.toUtf8();
    if (run(h, "BEGIN") != SQLITE_OK) return false;
    bool ok = run(h, "DROP TABLE IF EXISTS " + table) == SQLITE_OK &&
              run(h, "CREATE TABLE " + table + ' ' + kRepairMarkColumns.toUtf8()) == SQLITE_OK;
    sqlite3_stmt* s = nullptr;
    ok = ok && sqlite3_prepare_v2(h, QByteArray("INSERT INTO " + table + " (Kind, Name, Value) VALUES (?1, ?2, ?3)").constData(),
                                  -1, &s, nullptr) == SQLITE_OK;
    const QString file = QStringLiteral("file");
    ok = ok && bindAndStep(s, file, QStringLiteral("path"), damaged.path) &&
         bindAndStep(s, file, QStringLiteral("size"), QString::number(damaged.size)) &&
         bindAndStep(s, file, QStringLiteral("modified"), QString::number(damaged.modified)) &&
         bindAndStep(s, file, QStringLiteral("sha256"), QString::fromLatin1(damaged.sha256));
    for (const RepairReport::Loss& loss : report.lost) {
        ok = ok && bindAndStep(s, QStringLiteral("lost"), loss.table,
                               QString::number(loss.rows) + (loss.atLeast ? QStringLiteral("+") : QString()));
        for (const auto& [column, values] : loss.known)
            for (const QString& value : values)
                ok = ok && bindAndStep(s, QStringLiteral("known"), loss.table, column + u'\t' + value);
    }
    for (const ForeignDefinition& d : report.leftOut)
        ok = ok && bindAndStep(s, QStringLiteral("left out"), d.name, d.type + u'\t' + d.text);
    if (report.definitionsUnread) ok = ok && bindAndStep(s, QStringLiteral("unread"), QString(), QString());
    sqlite3_finalize(s);
    ok = ok && run(h, "COMMIT") == SQLITE_OK;
    if (!ok) run(h, "ROLLBACK");
    return ok;
}

std::optional<std::pair<FileState, RepairReport>> readRepairMark(sqlite3* h) {
    sqlite3_stmt* s = nullptr;
    const QByteArray sql = "SELECT Kind, Name, Value FROM " + kRepairMarkTable.toUtf8() + " ORDER BY rowid";
    if (sqlite3_prepare_v2(h, sql.constData(), -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return std::nullopt;
    }
    FileState file;
    RepairReport report;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        auto column = [s](int i) { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i))); };
        const QString kind = column(0), name = column(1), value = column(2);
        if (kind == QLatin1String("lost")) {
            const bool atLeast = value.endsWith(u'+');
            report.lost.push_back({name, (atLeast ? value.chopped(1) : value).toLongLong(), atLeast, {}});
        } else if (kind == QLatin1String("known")) {
            // After its table's "lost" row.
            const qsizetype tab = value.indexOf(u'\t');
            if (report.lost.empty() || report.lost.back().table != name || tab < 0) continue;
            auto& known = report.lost.back().known;
            const QString column = value.left(tab);
            if (known.empty() || known.back().first != column) known.emplace_back(column, QStringList());
            known.back().second << value.mid(tab + 1);
        } else if (kind == QLatin1String("left out")) {
            const qsizetype tab = value.indexOf(u'\t');
            report.leftOut.push_back({value.left(tab), name, tab < 0 ? QString() : value.mid(tab + 1)});
        } else if (kind == QLatin1String("unread")) {
            report.definitionsUnread = true;
        } else if (name == QLatin1String("path")) {
            file.path = value;
        } else if (name == QLatin1String("size")) {
            file.size = value.toLongLong();
        } else if (name == QLatin1String("modified")) {
            file.modified = value.toLongLong();
        } else if (name == QLatin1String("sha256")) {
            file.sha256 = value.toLatin1();
        }
    }
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE || file.sha256.isEmpty()) return std::nullopt;
    return std::make_pair(file, report);
}

// Marks the copy in the work file and checks it whole, its work counted in
// bounded.
bool markAndCheck(const QString& work, const FileState& damaged, const RepairReport& report, BoundedWork& bounded) {
    sqlite3* h = openHandle(work, SQLITE_OPEN_READWRITE, 1000);
    bounded.on(h);
    fso::WritePoint("commit", work);
    const bool ok = writeRepairMark(h, damaged, report) && integrityOk(h);
    sqlite3_close_v2(h);
    return ok;
}

// Writes the repaired copy of the damaged book open on src into the empty
// work file. With the program's layouts the book is rebuilt from them;
// without, the layer knows no definitions of its own to rebuild a book
// from, and a compaction alone is tried, which reads the book whole or not
// at all (readable: its definitions can be read as they are). False when no
// copy was written.
bool writeRepairedCopy(sqlite3* src, const DamagedDefinitions& definitions, const QString& work,
                       const BookLayout* layout, bool readable, RepairReport& report, BoundedWork& bounded) {
    if (!layout) return readable && vacuumInto(src, work) == SQLITE_OK;
    sqlite3* dst = openHandle(work, SQLITE_OPEN_READWRITE, 1000);
    bounded.on(dst);
    try {
        report = salvageInto(src, definitions, dst, *layout);
    } catch (...) {
        sqlite3_close_v2(dst);
        throw;
    }
    sqlite3_close_v2(dst);
    return !bounded.stopped();
}

}  // namespace

RepairReport DBEngine::RepairDatabase(const QString& path, const QString& target) {
    if (QFileInfo::exists(target)) raise(err::DatabaseExists, target);
    if (!QFileInfo(target).absoluteDir().exists()) raise(err::InvalidPath, target);
    checkFile(path, false);
    // The first look: a book whose definitions it reads is repaired only
    // when they are the program's.
    const bool undecided = checkIsBook(path);
    const std::shared_ptr<const BookLayout> layout = bookLayout();
    std::optional<QTemporaryDir> copies;
    sqlite3* src = openAsFound(path, copies);
    // Every read of the damaged book and every write of the new one is
    // work over what the damaged book carries.
    BoundedWork bounded(path);
    bounded.on(src);
    // The rebuild reads the damaged book's definitions as rows, also those
    // the engine cannot make sense of, and the whole of a file shorter than
    // its header says: the setting that allows it (on a connection that
    // writes nothing into the book) is needed by every statement once the
    // first read has failed.
    const bool readable = run(src, "SELECT count(*) FROM sqlite_master") == SQLITE_OK;
    if (layout || !readable) run(src, "PRAGMA writable_schema=ON");
    // A compaction's copy is written as every book is (see openHandle).
    if (!layout && run(src, "PRAGMA synchronous=EXTRA") != SQLITE_OK) {
        sqlite3_close_v2(src);
        raise(err::CannotOpenDatabase, path);
    }
    const FileState damaged = stateOf(path);
    RepairReport report;
    QString work;
    bool whole = false;
    try {
        const DamagedDefinitions definitions = readDamagedDefinitions(src);
        // A file whose definitions the first look could not read is a book
        // when they hold a book's tables (judged only when all were read).
        if (undecided && definitions.whole && !holdsBookTables(definitions.rows)) raise(err::UnrecognizedFormat, path);
        work = fso::CreateWorkFileBeside(target);
        fso::WritePoint("compact", work);
        whole = writeRepairedCopy(src, definitions, work, layout.get(), readable, report, bounded) &&
                markAndCheck(work, damaged, report, bounded);
    } catch (const fso::Error&) {
        sqlite3_close_v2(src);
        if (!work.isEmpty()) removeWorkFile(work);
        raise(err::DiskError);
    } catch (...) {
        // The damaged file stays as it was; the work file goes. A rebuild
        // that failed because its work was stopped says so.
        sqlite3_close_v2(src);
        if (!work.isEmpty()) removeWorkFile(work);
        bounded.raiseIfStopped(path);
        throw;
    }
    sqlite3_close_v2(src);
    if (!whole) {
        removeWorkFile(work);
        bounded.raiseIfStopped(path);
        raise(err::CannotOpenDatabase, path);
    }
    // The copy is on the disk before it takes target's name.
    try {
        fso::SyncFile(work);
        fso::RenameFile(work, target);
    } catch (const fso::Error&) {
        removeWorkFile(work);
        raise(err::DiskError);
    }
    return report;
}

std::optional<RepairReport> DBEngine::RepairOf(const QString& copy, const QString& path) {
    try {
        BoundedWork work(copy);
        sqlite3* h = openPrivate(copy, true, &work);
        const auto mark = readRepairMark(h);
        const bool whole = mark && integrityOk(h);
        sqlite3_close_v2(h);
        if (!whole || mark->first != stateOf(path)) return std::nullopt;
        return mark->second;
    } catch (const DaoError&) {
        // Not a book that can be read whole: no repair's copy.
        return std::nullopt;
    }
}

void DBEngine::ClearRepairMark(const QString& path) {
    sqlite3* h = openPrivate(path, false);
    fso::WritePoint("commit", path);
    const int rc = run(h, "DROP TABLE IF EXISTS " + kRepairMarkTable.toUtf8());
    sqlite3_close_v2(h);
    if (rc != SQLITE_OK) raise(err::DiskError);
}

void DBEngine::CheckIntegrity(const QString& path) {
    BoundedWork work(path);
    sqlite3* h = openPrivate(path, true, &work);
    QString fault;
    const bool ok = integrityOk(h, &fault);
    // A check the book's own definitions keep from running (a value or a
    // pattern beyond the bounds) finds no damage.
    if (!ok && !work.stopped()) refuseWhatTheBookAsks(h, sqlite3_extended_errcode(h), path);
    sqlite3_close_v2(h);
    work.raiseIfStopped(path);
    if (!ok)
        throw DaoError(err::CannotOpenDatabase,
                       QStringLiteral("Tietokanta '%1' on vioittunut: %2").arg(path, fault.simplified()));
}

// ---------------------------------------------------------------- database

DatabaseImpl::~DatabaseImpl() { close(); }

Connection& DatabaseImpl::connection() {
    if (closed || !conn) raise(err::ObjectInvalid);
    return *conn;
}

void DatabaseImpl::close() {
    if (closed) return;
    for (auto& w : recordsets)
        if (auto rs = w.lock()) rs->close();
    recordsets.clear();
    closed = true;
    conn.reset();
}

DatabaseImpl& Database::impl() const {
    if (!impl_) raise(err::ObjectInvalid);
    return *impl_;
}

bool Database::isOpen() const { return impl_ && !impl_->closed; }
QString Database::name() const { return impl().name; }

void Database::Close() {
    if (impl_) impl_->close();
}

void Database::Execute(const QString& sql, const Params& params, int options) {
    (void)options;  // every failure is reported
    Connection& c = impl().connection();
    const jet::Translation& tr = c.translation(sql);
    if (tr.kind == jet::StatementKind::Select) raise(err::CannotExecuteSelect);
    const bool ddl = tr.kind == jet::StatementKind::CreateTable || tr.kind == jet::StatementKind::CreateIndex ||
                     tr.kind == jet::StatementKind::DropTable || tr.kind == jet::StatementKind::DropIndex ||
                     tr.kind == jet::StatementKind::AlterTable;
    const QString translated = tr.sql;
    const auto kind = tr.kind;
    // Outside a transaction the statement is a commit of its own.
    if (c.txDepth == 0) c.commitPoint();
    c.exec(translated, params, kind);
    if (ddl) ++c.schemaStamp;
}

long Database::RecordsAffected() const { return impl().connection().lastChanges; }

Recordset Database::OpenRecordset(const QString& source, RecordsetType type, int options, const Params& params) {
    impl().connection();
    auto rs = std::make_shared<RecordsetImpl>(impl_, source, type, options, params);
    rs->open();
    auto& list = impl_->recordsets;
    std::erase_if(list, [](const std::weak_ptr<RecordsetImpl>& w) { return w.expired(); });
    list.push_back(rs);
    return Recordset(rs);
}

void Database::BeginTrans() {
    Connection& c = impl().connection();
    c.drainCursors();
    const QString sql = c.txDepth == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                                       : QStringLiteral("SAVEPOINT kv_sp%1").arg(c.txDepth);
    c.exec(sql, {});
    ++c.txDepth;
}

void Database::CommitTrans() {
    Connection& c = impl().connection();
    if (c.txDepth == 0) raise(err::CommitWithoutBegin);
    c.drainCursors();
    const int level = c.txDepth - 1;
    if (level > 0) {
        c.exec(QStringLiteral("RELEASE kv_sp%1").arg(level), {});
        c.keepRecordsetChanges(c.txDepth);
        c.txDepth = level;
        return;
    }
    c.commitPoint();
    try {
        c.exec(QStringLiteral("COMMIT"), {});
    } catch (...) {
        // A commit that fails (another program holding the file, or only
        // reading it) would leave the transaction open, and everything after
        // it would be lost when the book is closed. The work is undone
        // instead, in the recordsets too, and the caller told, so it is
        // whole or not at all.
        sqlite3_exec(c.db(), "ROLLBACK", nullptr, nullptr, nullptr);
        c.takeBackRecordsetChanges(1);
        c.txDepth = 0;
        ++c.schemaStamp;
        throw;
    }
    c.keepRecordsetChanges(1);
    c.txDepth = 0;
}

void Database::Rollback() {
    Connection& c = impl().connection();
    if (c.txDepth == 0) raise(err::CommitWithoutBegin);
    c.drainCursors();
    const int level = c.txDepth - 1;
    if (sqlite3_get_autocommit(c.db())) {
        // The engine has rolled the whole transaction back by itself (a
        // write that failed so): nothing of it is left but in the recordsets.
        c.takeBackRecordsetChanges(1);
        c.txDepth = 0;
        ++c.schemaStamp;
        return;
    }
    if (level == 0) {
        c.exec(QStringLiteral("ROLLBACK"), {});
    } else {
        c.exec(QStringLiteral("ROLLBACK TO kv_sp%1").arg(level), {});
        c.exec(QStringLiteral("RELEASE kv_sp%1").arg(level), {});
    }
    c.takeBackRecordsetChanges(c.txDepth);
    c.txDepth = level;
    ++c.schemaStamp;
}

int Database::transactionDepth() const { return impl().connection().txDepth; }

ContentStamp Database::contentStamp() const {
    Connection& c = impl().connection();
    ContentStamp stamp;
    stamp.connection = c.serial;
    stamp.writes = sqlite3_total_changes64(c.db());
    sqlite3_stmt* s = c.acquire(QStringLiteral("PRAGMA data_version"));
    if (sqlite3_step(s) == SQLITE_ROW) stamp.otherCommits = sqlite3_column_int64(s, 0);
    c.release(s);
    stamp.definitions = c.schemaStamp;
    return stamp;
}

QStringList Database::integrityProblems() const {
    Connection& c = impl().connection();
    c.drainCursors();
    QStringList problems;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(c.db(), "PRAGMA integrity_check", -1, &s, nullptr) != SQLITE_OK) {
        problems << QString::fromUtf8(sqlite3_errmsg(c.db()));
        return problems;
    }
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        const QString t = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        if (t != QLatin1String("ok")) problems << t;
    }
    if (rc != SQLITE_DONE) problems << QString::fromUtf8(sqlite3_errmsg(c.db()));
    sqlite3_finalize(s);
    return problems;
}

}  // namespace dao
