// The first look at a file that is to be opened as a book, before the
// engine opens it for the program: the files beside it, its header and its
// definitions, read without writing anything and without playing any
// journal. Only a file that passes is handed to the engine, whose first
// read of a book may play a journal, delete a journal or fold a
// write-ahead log into the file.

#include "platform/dao/engine_impl.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace dao {

namespace {

std::mutex& layoutMutex() {
    static std::mutex m;
    return m;
}

std::shared_ptr<const BookLayout>& layoutSlot() {
    static std::shared_ptr<const BookLayout> layout;
    return layout;
}

const QString kJournal = QStringLiteral("-journal");
const QString kWal = QStringLiteral("-wal");
const QString kShm = QStringLiteral("-shm");

// The last eight bytes of a rollback journal that names a super-journal,
// the file the engine deletes once it has played the journal back.
constexpr unsigned char kJournalMagic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};

// Whether the journal ends in the record that names a super-journal: its
// name, its length, a checksum and the journal's magic number.
bool namesSuperJournal(const QString& journal) {
    QFile f(journal);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const qint64 size = f.size();
    if (size < 16 || !f.seek(size - 16)) return false;
    const QByteArray tail = f.read(16);
    if (tail.size() != 16 || std::memcmp(tail.constData() + 8, kJournalMagic, 8) != 0) return false;
    const quint32 length = qFromBigEndian<quint32>(tail.constData());
    return length > 0 && qint64(length) <= size - 16;
}

// The files beside the book that the engine would read, play or delete as
// it opens it, refused before it does. The program keeps its books with a
// rollback journal that lives only while a write is made: it makes no
// write-ahead log, names no super-journal, and links none of its files.
void refuseSideFiles(const QString& path) {
    for (const QString& suffix : {kJournal, kWal, kShm}) {
        const QFileInfo side(path + suffix);
        if (side.isSymLink()) throw ForeignSideFile(ForeignSideFile::Kind::Link, path, side.filePath());
    }
    if (QFileInfo::exists(path + kWal))
        throw ForeignSideFile(ForeignSideFile::Kind::WriteAheadLog, path, path + kWal);
    const QString journal = path + kJournal;
    if (QFileInfo(journal).size() > 0 && namesSuperJournal(journal))
        throw ForeignSideFile(ForeignSideFile::Kind::SuperJournal, path, journal);
}

// The definitions of the database open on h, in their order; nothing when
// they cannot be read. On a handle of a look alone (not defensive, and
// closed right after), the schema is made writable first, so that a
// definition the engine cannot make sense of is read as it is stored.
std::optional<std::vector<SchemaRow>> schemaRows(sqlite3* h, bool look = false) {
    if (look) sqlite3_exec(h, "PRAGMA writable_schema=ON", nullptr, nullptr, nullptr);
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(h, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid", -1, &s,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return std::nullopt;
    }
    auto text = [s](int i) { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i))); };
    std::vector<SchemaRow> rows;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW)
        rows.push_back({text(0), text(1), text(2), text(3), sqlite3_column_type(s, 3) != SQLITE_NULL});
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE) return std::nullopt;
    return rows;
}

// The definitions of the file as it is, through a connection that takes no
// locks, plays no journal and makes no side files.
std::optional<std::vector<SchemaRow>> rowsAsStored(const QString& path, BoundedWork& work) {
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?mode=ro&immutable=1";
    sqlite3* h = nullptr;
    std::optional<std::vector<SchemaRow>> rows;
    if (sqlite3_open_v2(uri.constData(), &h, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) ==
        SQLITE_OK) {
        sqlite3_limit(h, SQLITE_LIMIT_ATTACHED, 0);
        work.on(h);
        rows = schemaRows(h, true);
    }
    sqlite3_close_v2(h);
    return rows;
}

// The definitions the file will have once its journal, left by a write that
// was cut short, has been played back: read from copies of the two in a
// folder of their own, where the engine plays the journal into the copy.
// The book and its journal are only read. (A journal that names another
// file has been refused before.)
std::optional<std::vector<SchemaRow>> rowsAfterJournal(const QString& path, BoundedWork& work) {
    QTemporaryDir dir;
    if (!dir.isValid()) return std::nullopt;
    const QString copy = dir.filePath(QStringLiteral("kirja.mdb"));
    if (!QFile::copy(path, copy) || !QFile::copy(path + kJournal, copy + kJournal)) return std::nullopt;
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(copy + kJournal, QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* h = nullptr;
    std::optional<std::vector<SchemaRow>> rows;
    if (sqlite3_open_v2(QFile::encodeName(copy).constData(), &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) == SQLITE_OK) {
        sqlite3_limit(h, SQLITE_LIMIT_ATTACHED, 0);
        work.on(h);
        rows = schemaRows(h, true);
    }
    sqlite3_close_v2(h);
    return rows;
}

}  // namespace

// Whether the definitions hold the voucher, entry and account tables that
// every book has had from its first version.
bool holdsBookTables(const std::vector<SchemaRow>& rows) {
    int found = 0;
    for (const SchemaRow& r : rows)
        if (r.type == QLatin1String("table") &&
            (r.name.compare(QLatin1String("to"), Qt::CaseInsensitive) == 0 ||
             r.name.compare(QLatin1String("vi"), Qt::CaseInsensitive) == 0 ||
             r.name.compare(QLatin1String("tl"), Qt::CaseInsensitive) == 0))
            ++found;
    return found == 3;
}

// The definitions of the database layer's own tables, exactly as the engine
// stores them: made once in a database in memory.
const std::vector<SchemaRow>& engineRows() {
    static const std::vector<SchemaRow> rows = [] {
        sqlite3* h = nullptr;
        std::vector<SchemaRow> out;
        if (sqlite3_open_v2(":memory:", &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
            makeEngineTables(h);
            out = schemaRows(h).value_or(std::vector<SchemaRow>());
        }
        sqlite3_close_v2(h);
        return out;
    }();
    return rows;
}

namespace {

// Refuses a book that holds definitions the program does not make: the
// rows that are not the database layer's own are given to the layout.
void refuseForeign(const QString& path, const std::vector<SchemaRow>& rows) {
    const std::shared_ptr<const BookLayout> layout = DBEngine::bookLayout();
    if (!layout) return;
    std::vector<SchemaRow> theirs;
    for (const SchemaRow& r : rows)
        if (std::find(engineRows().begin(), engineRows().end(), r) == engineRows().end()) theirs.push_back(r);
    std::vector<ForeignDefinition> foreign = layout->foreign(theirs);
    if (!foreign.empty()) throw ForeignLayout(path, std::move(foreign));
}

enum class BookCheck { Book, NotBook, Undecided };

// Whether the file is a book of the program, found out without changing it
// or any file beside it. Undecided when its definitions cannot be read as
// it is (the opening then finds it damaged, or asks again, confirmIsBook).
BookCheck lookAtFile(const QString& path) {
    QByteArray header;
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return BookCheck::Undecided;  // the open reports why
        header = f.read(100);
    }
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16))) return BookCheck::NotBook;
    const quint32 id = qFromBigEndian<quint32>(header.constData() + 68);
    if (id != kBookApplicationId && id != 0) return BookCheck::NotBook;  // another program's own format
    // The engine would fold a write-ahead log into a file in that mode. No
    // book of the program is in it; a file without the program's id that is
    // in it is another program's database.
    if (header.at(18) == 2 || header.at(19) == 2) {
        if (id != kBookApplicationId) return BookCheck::NotBook;
        throw ForeignSideFile(ForeignSideFile::Kind::WalMode, path, path);
    }
    refuseSideFiles(path);

    // Reading the definitions is work over what the book carries.
    BoundedWork work(path);
    const std::optional<std::vector<SchemaRow>> rows =
        QFileInfo(path + kJournal).size() > 0 ? rowsAfterJournal(path, work) : rowsAsStored(path, work);
    work.raiseIfStopped(path);
    if (!rows) return BookCheck::Undecided;
    if (id != kBookApplicationId && !holdsBookTables(*rows)) {
        // A journal left by an interrupted write may hold what the file lacks.
        return QFileInfo(path + kJournal).size() > 0 ? BookCheck::Undecided : BookCheck::NotBook;
    }
    refuseForeign(path, *rows);
    return BookCheck::Book;
}

}  // namespace

ForeignLayout::ForeignLayout(QString path, std::vector<ForeignDefinition> definitions)
    : DaoError(err::ForeignLayout, errorText(err::ForeignLayout, path)),
      path_(std::move(path)),
      definitions_(std::move(definitions)) {}

ForeignSideFile::ForeignSideFile(Kind kind, QString path, QString sideFile)
    : DaoError(err::ForeignSideFile, errorText(err::ForeignSideFile, sideFile)),
      kind_(kind),
      path_(std::move(path)),
      sideFile_(std::move(sideFile)) {}

void DBEngine::setBookLayout(std::shared_ptr<const BookLayout> layout) {
    const std::lock_guard<std::mutex> lock(layoutMutex());
    layoutSlot() = std::move(layout);
}

std::shared_ptr<const BookLayout> DBEngine::bookLayout() {
    const std::lock_guard<std::mutex> lock(layoutMutex());
    return layoutSlot();
}

bool checkIsBook(const QString& path) {
    const BookCheck c = lookAtFile(path);
    if (c == BookCheck::NotBook) raise(err::UnrecognizedFormat, path);
    return c == BookCheck::Undecided;
}

void confirmIsBook(sqlite3* h, const QString& path) {
    // The handle is the opening's own: its schema is read as the engine reads it.
    const std::optional<std::vector<SchemaRow>> rows = schemaRows(h);
    if (!rows) return;  // the opening's own read says what is wrong
    try {
        if (!holdsBookTables(*rows)) raise(err::UnrecognizedFormat, path);
        refuseForeign(path, *rows);
    } catch (...) {
        sqlite3_close_v2(h);
        throw;
    }
}

std::vector<SchemaRow> schemaOf(sqlite3* h) { return schemaRows(h).value_or(std::vector<SchemaRow>()); }

std::vector<SchemaRow> Database::schema() const { return schemaOf(impl().connection().db()); }

bool Database::fileReplaced() const {
    int moved = 0;
    if (sqlite3_file_control(impl().connection().db(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK) return false;
    return moved != 0;
}

}  // namespace dao
