#pragma once

// cVientiEd: one entry of the previous financial year (a row of `viE`).
// Works as cVienti; its links are toEID (the voucher) and kpEID (the cost
// centre), and a new row's key is the highest viEID plus one, taken at its
// save.

#include "core/records/ledgercore.h"

#include <QString>

namespace core {

class cTositeEd;

class cVientiEd : public detail::EntryRecord {
public:
    cVientiEd();
    // Saves pending changes unless released or a placeholder; an error
    // goes to reportReleaseError.
    ~cVientiEd();
    cVientiEd(const cVientiEd&) = delete;
    cVientiEd& operator=(const cVientiEd&) = delete;

    // id() is the viEID.
    long toEID() const { return c_.shown().toID; }  // the voucher's toEID
    void setToEID(long v) { c_.set(c_.v.toID, v); }
    long kpEID() const { return c_.shown().kpID; }  // cost centre; 0 = none
    void setKpEID(long v) { c_.set(c_.v.kpID, v); }

private:
    friend class cTositeEd;
};

}  // namespace core
