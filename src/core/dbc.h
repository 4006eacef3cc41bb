#pragma once

#include "platform/dao/database.h"

#include <QString>
#include <functional>

namespace core {

// The program's one connection to the association's book. Every database
// access asks it for the open database just before it runs (AvaaDB) and
// never keeps it; operations that need the file closed call SuljeDB first.
class DBC {
public:
    DBC() = default;
    ~DBC() { SuljeDB(); }
    DBC(const DBC&) = delete;
    DBC& operator=(const DBC&) = delete;

    // The database of the current DatabasePath, opened when needed; reopened
    // when the path text has changed (compared exactly, case included).
    // Errors of the open reach the caller; the connection stays closed.
    dao::Database AvaaDB();
    // Closes the database; never reports an error.
    void SuljeDB();

    // When the book open has been replaced by another file under its name
    // (another program restored a copy over it), AvaaDB closes it, moves
    // the generation on (so that nothing read from it is written into the
    // new file), calls this hook, and raises BookReplaced naming the book;
    // the next AvaaDB opens the book as it now stands.
    void setReplacedHook(std::function<void()> hook) { replacedHook_ = std::move(hook); }

    bool isOpen() const { return open_; }
    const QString& openedPath() const { return openedPath_; }
    // How many times a file has actually been opened (for tests).
    int openCount() const { return opens_; }

    // The book's generation. It moves on whenever a command closes the
    // book or rewrites its tables under the open windows (a backup, a
    // restore, another book, the change of year): a record read before
    // that does not write what it holds afterwards.
    unsigned generation() const { return generation_; }
    void nextGeneration() { ++generation_; }

private:
    dao::Database db_;
    bool open_ = false;
    QString openedPath_;
    int opens_ = 0;
    unsigned generation_ = 0;
    std::function<void()> replacedHook_;
};

// The shared connection, created on first use.
DBC& DBCon();

}  // namespace core
