#pragma once

// A command that closes the book or rewrites its tables while windows are
// open on it: a backup or a compaction, a restore, taking another book
// into use, the change of financial year.
//
// Made at the start of such a command, a BookChange has every open window
// store what has been typed and not yet stored. When a window cannot, the
// user is told which window it was, and the command must not run (began()
// is false). When the BookChange goes, at the end of the command, the
// book's generation moves on, so that no record read before writes what it
// holds, and every open window reads the book again.

namespace core {

// Has every open window store what it holds. When one cannot, the user is
// told which window it was and false is returned. (A command after which
// the program ends stores with this alone; the others use BookChange.)
bool StoreOpenWindows();

// Once the command running now has ended, every open window stores what it
// holds and reads the book again, as after a BookChange: for a command that
// met another copy's change of the book.
void ReadBookAgainSoon();

// What was being saved met a financial year that another copy of the
// program on the same book has changed since this one read it, and was not
// saved. Once the command that met it has ended, every open window stores
// what it holds under the year it was typed in (what depends on the year
// meets the change there too and is dropped, the rest is kept), then the
// program takes the book's year into use, tells the user what was not
// stored and that the rest was, and has every window read the book again.
// Until then the program keeps its year, so that nothing is stored under
// the book's new year that was typed under the old one; a second refusal
// meanwhile is not told on its own. When a window cannot store (another
// program holds the book), the user is told which and why and may try
// again; otherwise the windows keep what they hold, the program keeps its
// year, and the next save that meets the change starts over.
void TilikausiVaihtunutMuualla();
// How many times this run has met another copy's change of year: a
// command that runs another can tell by it that the other was refused so.
int TilikausiVaihtunutMuuallaKerrat();

class BookChange {
public:
    BookChange();
    ~BookChange();
    BookChange(const BookChange&) = delete;
    BookChange& operator=(const BookChange&) = delete;

    // Every window stored its edits: the command may run.
    bool began() const { return began_; }

private:
    bool began_ = false;
};

}  // namespace core
