#pragma once

// cVienti: one entry (a row of `vi`): an amount on the debit ("D") or
// credit ("K") side of one account, optionally of one cost centre, in one
// voucher. An entry with neither an account nor an amount is never stored.
// The properties and Read, Save, Delete and Release are those of every
// entry (detail::EntryRecord).

#include "core/records/ledgercore.h"

#include <QString>

namespace core {

class cTosite;

class cVienti : public detail::EntryRecord {
public:
    cVienti();
    // Saves pending changes unless released or a placeholder; an error
    // goes to reportReleaseError.
    ~cVienti();
    cVienti(const cVienti&) = delete;
    cVienti& operator=(const cVienti&) = delete;

    // id() is the viID.
    long ToId() const { return c_.shown().toID; }  // the voucher's toID
    void setToId(long v) { c_.set(c_.v.toID, v); }
    long kpID() const { return c_.shown().kpID; }  // cost centre; 0 = none
    void setKpID(long v) { c_.set(c_.v.kpID, v); }

private:
    friend class cTosite;
};

}  // namespace core
