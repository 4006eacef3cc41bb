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

class cTositeEd {
public:
    cTositeEd();
    ~cTositeEd();
    cTositeEd(const cTositeEd&) = delete;
    cTositeEd& operator=(const cTositeEd&) = delete;

    void Undo() { c_.undoChanges(); }
    bool IsEmpty() const { return c_.f.isEmpty; }
    void setIsEmpty(bool b) { c_.f.isEmpty = b; }
    bool isDirty() const { return c_.f.dirty; }

    // Paiva := the latest toEPvm (dDefaultDate when the table is empty),
    // then Numero := the highest toENumero of every row, plus one. Saves
    // nothing. Returns the number.
    long SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate);

    long id() const { return c_.shownId(); }  // toEID; 0 = not stored
    long Numero() const { return c_.shown().Numero; }
    void setNumero(long v) { c_.set(c_.v.Numero, v); }
    dao::Date Paiva() const { return c_.shown().Paiva; }
    void setPaiva(const dao::Date& v) { c_.set(c_.v.Paiva, v); }
    // Kept as written; the column holds 255 characters.
    QString Selite() const { return c_.shown().Selite; }
    void setSelite(const QString& v) { c_.setSelite(v); }
    bool Avaustosite() const { return c_.shown().Avaustosite; }
    void setAvaustosite(bool v) { c_.set(c_.v.Avaustosite, v); }
    bool Paatostosite() const { return c_.shown().Paatostosite; }
    void setPaatostosite(bool v) { c_.set(c_.v.Paatostosite, v); }
    bool Automaatti() const { return c_.shown().Automaatti; }
    void setAutomaatti(bool v) { c_.set(c_.v.Automaatti, v); }

    bool Read(long id) { return c_.read(id); }
    bool Save(bool Force) { return c_.save(Force); }
    // Deletes the voucher with its entries; always False.
    bool Delete();
    void Release() { c_.release(); }

    std::unique_ptr<cVientiEd> AddNewVienti(const QString& sTyyppi) const;
    // Keyed "vi" and the viEID, in the order they were stored.
    RecordList<cVientiEd> GetViennit(const QString& sTyyppi) const;

    // By number; GetFirst and GetLast above 0, GetPrevious down to 0. On a
    // placeholder every one of them gives a new placeholder.
    std::unique_ptr<cTositeEd> GetFirst() const;
    std::unique_ptr<cTositeEd> GetPrevious() const;
    std::unique_ptr<cTositeEd> GetNext() const;
    std::unique_ptr<cTositeEd> GetLast() const;

private:
    detail::VoucherCore c_;
};

}  // namespace core
