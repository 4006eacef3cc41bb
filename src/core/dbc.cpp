#include "core/dbc.h"

#include "core/globals.h"

namespace core {

dao::Database DBC::AvaaDB() {
    if (open_ && DatabasePath == openedPath_) {
        if (!db_.fileReplaced()) return db_;
        // The file open is no longer the book: it is let go, and the user
        // told at this access; the next one takes the book as it stands.
        const QString replaced = openedPath_;
        SuljeDB();
        nextGeneration();
        if (replacedHook_) replacedHook_();
        dao::raise(dao::err::BookReplaced, replaced);
    }
    if (open_) SuljeDB();
    // A failed open leaves the connection closed, so the next call tries again.
    dao::Database db = dao::DBEngine::OpenDatabase(DatabasePath);
    db_ = db;
    openedPath_ = DatabasePath;
    open_ = true;
    ++opens_;
    return db_;
}

void DBC::SuljeDB() {
    openedPath_.clear();
    open_ = false;
    try {
        if (!db_.isNull()) db_.Close();
    } catch (...) {
        // The connection is let go whatever the engine says as it closes (an
        // open transaction is undone with it); nothing is left to tell.
    }
    db_ = dao::Database();
}

DBC& DBCon() {
    static DBC instance;
    return instance;
}

}  // namespace core
