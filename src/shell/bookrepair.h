#pragma once

// The repair of a damaged book, for start-up and for the settings window.
//
// A repaired copy is made beside the book as the book's path with "2"
// appended; the damaged book is kept under a second name, its path with
// "OLD" appended (and a journal that a write cut short left beside it goes
// with it, unplayed); then the copy takes the book's name in one step, so
// that the name holds the damaged book until it holds the repaired one.
//
// A repair that a crash or a kill stopped leaves its files beside the book,
// and the next repair goes on from them. A copy is taken up only when it is
// provably this book's own unfinished repair: the engine's mark in it names
// the damaged file as the repair read it, and the file is still exactly so.
// Any other file under the copy's name (a copy that is not whole, an earlier
// repair's copy of a book that has been worked on since, a file of an
// earlier version) is set aside under a free name of its own and a new
// repair is made. A damaged book that an earlier repair kept under the "OLD"
// name stays there, and the new one is kept under the first free name after
// it ("OLD2", "OLD3", ...). Nothing of an earlier repair blocks the next
// one, and nothing of the user's is removed.

#include "platform/dao/database.h"

#include <QString>
#include <optional>

namespace shell {

struct BookRepair {
    enum class Result {
        Repaired,          // the repaired copy has the book's name
        NotRepaired,       // no whole repaired copy could be made
        DamagedNotKept,    // the damaged book could not be kept; it has the book's name still
        RepairedNotNamed,  // the repaired copy could not take the book's name
    };
    Result result = Result::NotRepaired;
    // The repaired copy was the one an interrupted earlier repair left.
    bool earlierRepairCompleted = false;
    // Where the damaged book is kept: its second name, or the book's own
    // name while it has no other.
    QString damagedKeptAs;
    // Where a file that stood under the repaired copy's name was set aside
    // ("" when there was none, or it was this book's own repair).
    QString setAsideAs;
    // What the repair could not bring over from the damaged book.
    dao::RepairReport report;
    // dao::err::TooMuchWork or WorkCancelled when the repair's work was
    // stopped; the book is not repaired. 0 otherwise.
    int stoppedBy = 0;
};

// Repairs the damaged book at path as above. Shows nothing.
BookRepair RepairBook(const QString& path);

// The whole repair as the user sees it: the notice that the book is being
// repaired, the repair under the hourglass (and the progress window of a
// long one, with its Cancel), and what came of it (that the
// book was repaired whole, or what it lost, and where the damaged book is
// kept; or why it was not repaired), each text translated in section (the
// window that asked). The repair's report when the repaired copy took the
// book's name; nothing when not.
std::optional<dao::RepairReport> RepairDamagedBook(const QString& path, const QString& section);

// After a repair that lost rows, once the repaired book is open and brought
// to the current layout (db): the vouchers of the year whose rows the
// repair lost, by number (those lost themselves, and those still in the
// book that lost entries), and then, when the book's own financial year is
// the one in use, the voucher check's findings window (the opener
// "frmTositeTarkistusVirheet"), where the vouchers that no longer balance
// stand. Texts translated in section.
void TellWhatTheRepairLost(const dao::RepairReport& report, dao::Database& db, const QString& section);

}  // namespace shell
