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

#include "core/globals.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"
#include "statements/statements.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QProgressBar;

namespace maintenance {

// What the user chose in the window.
struct KaudenVaihtoValinnat {
    // maID of the chosen balance model; 0 for the blank item.
    long tasemalliID = 0;
    // Book the profit, compute the balance sheet and book opening entries.
    bool teeAvausviennit = true;
    // The year to close, as the user was shown it. The change is refused
    // when the book's year is another: a second copy of the program on the
    // same book has changed it meanwhile.
    dao::Date alku = core::TilikausiAlku;
    dao::Date loppu = core::TilikausiLoppu;
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

struct KaudenVaihtoTulos {
    enum Tila {
        Tehty,             // the change is done and committed
        EiTuloslaskelmaa,  // opening entries asked for, but the balance model names no income model
        TilejaPuuttuu,     // accounts with entries of the year stand on no row of the two models
        AvausEiTasmaa,     // the opening entries' debits and credits differ
        VaihdettuMuualla,  // the book's year is no longer the one to close
        EiKaytossa,        // the program has no year in use to close
        EiKanneta,         // vouchers the closed year cannot carry (kantamattomat)
        UusiVuosiUlkona,   // the new year would fall outside the years 100 to 9999
    };
    Tila tila = Tehty;
    // EiKaytossa: the year the program cannot work in.
    core::BrokenYear vuosi;
    // TilejaPuuttuu: the accounts, in the order of their numbers.
    std::vector<statements::PuuttuvaTili> tilit;
    // AvausEiTasmaa: the totals of the opening entries' two sides, and what
    // stopped the year's profit from being booked, as the profit bookings
    // told it (empty when it was booked).
    dao::Currency debet, kredit;
    QStringList voitonEsteet;
    // AvausEiTasmaa: the year's vouchers whose debits and credits differ,
    // in the order of their numbers (their differences add up to the
    // opening entries' difference, but for a profit that was not booked).
    struct EpatasainenTosite {
        long numero = 0;
        dao::Date pvm;
        dao::Currency erotus;  // debits less credits
    };
    std::vector<EpatasainenTosite> epatasaiset;
    // Tehty: the vouchers left out of the closed year because they held
    // nothing (no entry, no text), in the order of their numbers.
    struct TyhjaTosite {
        long numero = 0;
        dao::Date pvm;
    };
    std::vector<TyhjaTosite> tyhjat;
    // EiKanneta: each voucher or entry that cannot be carried, with why.
    QStringList kantamattomat;
};

// Runs the change. While the program has no year in use
// (core::TilikausiEiKaytossa: the book's year was refused at start, or the
// year ends before it begins or lies outside the years 100 to 9999),
// nothing is done and EiKaytossa tells which year it is. A voucher of the year that holds nothing (no entry and
// no text, as a voucher that was begun and never written leaves) is not
// carried into the closed year: it is removed with the year's vouchers.
// RaporttiKpID becomes 0 and, with opening entries,
// TiliErottelu True, as the balance sheet needs. With opening entries the
// accounts with entries of the year are looked over before anything is
// written: one that is on no row of the balance model nor of its income
// model would leave its balance out of the opening entries, and the change
// is refused (TilejaPuuttuu). The opening entries are computed before the
// year's vouchers move, and when their debits and credits differ the
// change is refused too (AvausEiTasmaa). These two refusals leave the book
// exactly as it was; EiTuloslaskelmaa leaves it as it was but for the
// emptied work tables. Before any of it, inside the change's transaction,
// the book's year is compared with the year to close: when another copy of
// the program has changed it, nothing is written (VaihdettuMuualla), so
// that no year is closed twice or from dates the book no longer holds. A database error rolls the whole change back and is
// raised again. Before anything is written the change also refuses a new
// year that would fall outside the years 100 to 9999 (UusiVuosiUlkona), and
// a voucher without a date or with a value the program never writes (an
// amount that is no number, a key or a number out of range) in itself or
// in an entry (EiKanneta): such a voucher would be carried into the closed
// year as it is, or left out of its opening entries.
KaudenVaihtoTulos VaihdaTilikausi(const KaudenVaihtoValinnat& valinnat, const KaudenVaihtoSeuranta& seuranta = {});

// The same day one calendar year later; 29 February becomes 28 February.
dao::Date VuodenPaasta(const dao::Date& d);

}  // namespace maintenance
