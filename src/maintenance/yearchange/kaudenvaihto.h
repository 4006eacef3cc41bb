#pragma once

// The change of financial year: the current year is closed into the next.
//
// With opening entries the year's profit is booked by the income model of
// the chosen balance model and the closing balance sheet is computed one
// line per account into tase. Then every voucher and entry of the year moves
// into the previous-year tables (the earlier previous year is dropped), the
// current-year tables are emptied, the four financial-year dates move one
// calendar year on, the opening voucher 0 "Tilinavausviennit" is booked from
// the balance sheet, and the three budget years rotate.
//
// The whole change is one transaction of the book: it is done whole or not
// at all. The new dates are written to the book's settings inside the same
// transaction, so the book's year always matches the vouchers it holds. The
// shared globals (the four dates and the report period) change only after
// the book has been committed; a failure leaves them and the book as they
// were, and the error reaches the caller.

#include "platform/dao/date.h"

#include <QString>
#include <functional>

class QProgressBar;

namespace maintenance {

// What the user chose in the window.
struct KaudenVaihtoValinnat {
    // maID of the chosen balance model; 0 for the blank item.
    long tasemalliID = 0;
    // Book the profit, compute the balance sheet and book opening entries.
    bool teeAvausviennit = true;
};

// How the change shows its progress; every member may be left empty.
struct KaudenVaihtoSeuranta {
    // The running step's text (translated), before the step's work.
    std::function<void(const QString& teksti)> vaihe;
    // The end of a step: 1 to 7.
    std::function<void(int arvo)> valmis;
    // Between rows of long work, so the window can stay alive.
    std::function<void()> rivi;
    // Handed to the profit bookings (not stepped by them).
    QProgressBar* bar = nullptr;
};

enum class KaudenVaihtoTulos {
    Tehty,             // the change is done and committed
    EiTuloslaskelmaa,  // opening entries asked for, but the balance model names no income model
};

// Runs the change. RaporttiKpID becomes 0 and, with opening entries,
// TiliErottelu True, as the balance sheet needs. A refusal
// (EiTuloslaskelmaa) leaves the book as it was but for the emptied work
// tables. A database error rolls the whole change back and is raised again.
KaudenVaihtoTulos VaihdaTilikausi(const KaudenVaihtoValinnat& valinnat, const KaudenVaihtoSeuranta& seuranta = {});

// The same day one calendar year later; 29 February becomes 28 February.
dao::Date VuodenPaasta(const dao::Date& d);

}  // namespace maintenance
