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

#include "core/records/recordsupport.h"
#include "platform/dao/currency.h"

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
    void Undo();
    bool IsEmpty() const { return f_.isEmpty; }
    void setIsEmpty(bool b) { f_.isEmpty = b; }
    bool isDirty() const { return f_.dirty; }

    long id() const { return f_.isEmpty ? 0 : id_; }  // buID; 0 = not stored
    long tlID() const { return f_.isEmpty ? 0 : v_.tlID; }
    void settlID(long v) { set(v_.tlID, v); }
    // Month 1 is the first month of the financial year; an index outside
    // 1..12 raises dao::DaoError 9 (subscript out of range).
    dao::Currency KuukausiArvo(int index) const;
    // Stores the month's amount; also on a placeholder (whose reads stay 0).
    void setKuukausiArvo(int index, dao::Currency v);
    bool Edellinen() const { return f_.isEmpty ? false : v_.Edellinen; }
    void setEdellinen(bool v) { set(v_.Edellinen, v); }
    bool Nykyinen() const { return f_.isEmpty ? false : v_.Nykyinen; }
    void setNykyinen(bool v) { set(v_.Nykyinen, v); }
    bool Tuleva() const { return f_.isEmpty ? false : v_.Tuleva; }
    void setTuleva(bool v) { set(v_.Tuleva, v); }
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
    void Release();
    // Lets the object go without writing anything: its changes are dropped
    // and neither Release nor the destructor writes.
    void Discard() {
        f_.released = true;
        f_.dirty = false;
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
    template <class T>
    void set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        f_.dirty = true;
    }
    void clearFields();
    void load(const dao::Recordset& rs);
    void applyReleaseRule();
    QString describe() const;

    long id_ = 0;
    Values v_;
    Values undo_;
    struct Flags {
        bool dirty = false;
        bool isEmpty = false;
        bool released = false;
    } f_;
    core::detail::BookTie tie_;

public:
    struct State {
        long id = 0;
        Values values;
        Values undo;
        Flags flags;
        core::detail::BookTie tie;
    };
};

}  // namespace budget
