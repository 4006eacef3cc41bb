#pragma once

// cBudjetti: one row of the budget table `bu`, the twelve monthly amounts of
// one account for one of the three financial years the books keep budgets
// for. Budgets belong to an account and a year, not to a model: every income
// statement model that lists the account shows the same row.
//
// The record follows the pattern of the ledger records: a blank placeholder
// (IsEmpty), a dirty flag set only by a real change, an undo copy, Read,
// Save, Delete, and writing itself when let go. Two things are its own:
//  - ReadByModelAndAccount prepares a new row when the account has none for
//    the year, and such an object is dirty at once, so the row is stored
//    (with zero months) when it is saved or let go, even if nothing is typed;
//  - letting go (Release, or the destructor) follows one rule: a placeholder
//    that was never stored does nothing; an object with an account saves its
//    pending changes; an object whose account was set to 0 deletes its row.

#include "core/records/recordcore.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"

#include <array>

namespace budget {

// The budget years, as the window and the flags of a row number them.
enum Kausi : long {
    kEdellinen = 1,  // the previous financial year
    kNykyinen = 2,   // the current financial year
    kTuleva = 3,     // the next financial year
};

class cBudjetti {
public:
    static constexpr int kMonths = 12;

    cBudjetti();
    ~cBudjetti();
    cBudjetti(const cBudjetti&) = delete;
    cBudjetti& operator=(const cBudjetti&) = delete;

    // Puts the account, the months and the flags back as they were at the
    // last read or save. Neither the key nor the dirty flag changes, so an
    // undone object that was dirty still writes (the restored values).
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // buID; 0 = not stored
    long tlID() const { return r_.shown().tlID; }
    void settlID(long v) { r_.set(r_.v.tlID, v); }
    // Month 1 is the first month of the financial year; an index outside
    // 1..12 raises dao::DaoError 9 (subscript out of range).
    dao::Currency KuukausiArvo(int index) const;
    // Stores the month's amount; also on a placeholder (whose reads stay 0).
    void setKuukausiArvo(int index, dao::Currency v);
    bool Edellinen() const { return r_.shown().Edellinen; }
    void setEdellinen(bool v) { r_.set(r_.v.Edellinen, v); }
    bool Nykyinen() const { return r_.shown().Nykyinen; }
    void setNykyinen(bool v) { r_.set(r_.v.Nykyinen, v); }
    bool Tuleva() const { return r_.shown().Tuleva; }
    void setTuleva(bool v) { r_.set(r_.v.Tuleva, v); }
    // The sum of the twelve months (0 for a placeholder).
    dao::Currency Vuosi() const;

    // Loads the account's row of the year Kausi (1, 2 or 3; any other value
    // takes the account's first row of any year). No row: the object is
    // cleared and made the new row of that account and year (dirty, not
    // stored) and False is returned. A placeholder does nothing and gives
    // False.
    bool ReadByModelAndAccount(long tlID, long Kausi);
    // Loads the row with the key; a missing row clears the object and gives
    // False. The dirty flag is left as it is.
    bool Read(long id);
    // Writes every field when dirty or forced; a new row gets its key. A
    // placeholder writes nothing and gives False.
    bool Save(bool bForce);
    // Deletes the stored row (a placeholder only when forced) and clears the
    // object; always False.
    bool Delete(bool bForce);
    // Lets the object go by the rule above, errors reaching the caller; the
    // destructor then does nothing more.
    void Release() {
        r_.releaseWith([this] { applyReleaseRule(); });
    }
    // Lets the object go without writing anything: its changes are dropped
    // and neither Release nor the destructor writes.
    void Discard() {
        r_.f.released = true;
        r_.f.dirty = false;
    }

    // What a transaction of the caller must put back when it is rolled back:
    // the key, the values, the undo copy and the flags.
    struct State;
    State state() const;
    void restore(const State& s);

private:
    struct Values {
        long tlID = 0;
        std::array<dao::Currency, kMonths> months{};
        bool Edellinen = false;
        bool Nykyinen = false;
        bool Tuleva = false;
        bool operator==(const Values&) const = default;
    };
    void clearFields();
    void load(const dao::Recordset& rs);
    void applyReleaseRule();
    QString describe() const;

    core::detail::RecordState<Values> r_;

public:
    struct State {
        long id = 0;
        Values values;
        Values undo;
        core::detail::RecordFlags flags;
        core::detail::BookTie tie;
    };
};

// ---------------------------------------------------------------- the budget as a whole
//
// Each works on the book of the shared connection, whole or not at all;
// database errors reach the caller.

// Deletes the budget of the year Kausi (kEdellinen, kTuleva; any other
// value the current year): every row whose flag for that year is set.
void PoistaBudjetti(long Kausi);

// Whether the next year has a budget row.
bool TulevaBudjettiOlemassa();

// Replaces the next year's budget with a copy of the current year's: each
// row of the current year, in key order, again as a row of the next year
// only (its previous-year flag as it was).
void KopioiNykyinenBudjettiTulevaksi();

// Whether the last line the statement computation wrote into tula is a
// blank separator line (no type, no text).
bool ViimeinenTulosriviTyhja(dao::Database& db);

}  // namespace budget
