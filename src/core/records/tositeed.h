#pragma once

// cTositeEd: one voucher of the previous financial year (a row of `toE`).
// Works as cTosite, with these differences: a new row's key is the highest
// toEID plus one, taken at its save (so a key freed by deleting the highest
// row is given again); numbering and navigation know no modes; no event;
// Selite is kept whole; Read of a missing row resets the object as created.

#include "core/records/ledgercore.h"
#include "core/records/vientied.h"

#include <QString>
#include <memory>

namespace core {

class cTositeEd : public detail::VoucherRecord {
public:
    cTositeEd();
    ~cTositeEd();
    cTositeEd(const cTositeEd&) = delete;
    cTositeEd& operator=(const cTositeEd&) = delete;

    // Paiva := the latest toEPvm (dDefaultDate when the table is empty),
    // then Numero := the highest toENumero of every row, plus one. Saves
    // nothing. Returns the number.
    long SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate);

    // id() is the toEID.
    void setNumero(long v) { c_.set(c_.v.Numero, v); }
    // Kept as written; the column holds 255 characters.
    void setSelite(const QString& v) { c_.setSelite(v); }

    std::unique_ptr<cVientiEd> AddNewVienti(const QString& sTyyppi) const;
    // Keyed "vi" and the viEID, in the order they were stored.
    RecordList<cVientiEd> GetViennit(const QString& sTyyppi) const;

    // By number; GetFirst and GetLast above 0, GetPrevious down to 0. On a
    // placeholder every one of them gives a new placeholder.
    std::unique_ptr<cTositeEd> GetFirst() const;
    std::unique_ptr<cTositeEd> GetPrevious() const;
    std::unique_ptr<cTositeEd> GetNext() const;
    std::unique_ptr<cTositeEd> GetLast() const;
};

}  // namespace core
