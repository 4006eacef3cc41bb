#pragma once

// cTosite: one voucher of the current financial year (a row of `to`), and
// the pattern every ledger record follows:
// - one object per row; properties never touch the database, only Read,
//   Save, Delete, the numbering and the navigation and collection methods;
// - a dirty flag set only when a write property really changes a value
//   (texts compared exactly, a change of case counts), cleared by a
//   successful Save or Delete;
// - an undo copy of the last Read or Save; Undo keeps the dirty flag, so
//   the restored values are written at the next Save(false);
// - an IsEmpty placeholder that reads as empty values and never writes;
// - save on release: Release() saves pending changes and lets errors reach
//   the caller; an object destroyed without Release() saves from its
//   destructor and reports an error through reportReleaseError;
// - navigation and collection methods hand out new objects, never shared;
// - a record writes only into the book it was read from or first saved
//   into (kOtherBookError otherwise).
//
// Voucher numbers: above 0 the user's vouchers, 0 the opening voucher of
// the year change, below 0 the program's own work vouchers. All modes share
// one number series.

#include "core/records/ledgercore.h"
#include "core/records/vienti.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace core {

class cTosite : public detail::VoucherRecord {
public:
    cTosite();
    ~cTosite();
    cTosite(const cTosite&) = delete;
    cTosite& operator=(const cTosite&) = delete;

    // Raised by the writes of Numero and Selite on a stored voucher (id not
    // 0), changed or not, with the id and the current Selite. The window
    // that holds the voucher sets it.
    std::function<void(long id, const QString& sName)> NameChanged;

    // Gives the voucher the next number (highest number of 0 or above, plus
    // one; one series for every mode) and the latest date of those vouchers,
    // or dDefaultDate when there is none. Saves nothing. Returns the number.
    // Numbered and saved inside one transaction of the book, the voucher's
    // number is its own: the transaction holds the book's write lock from
    // its beginning, so no other copy of the program on the book numbers or
    // stores a voucher in between.
    long SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate, bool bAvaustositeNumero);

    // id() is the toID. The properties, Read, Save, Delete and Release are
    // those of every voucher (detail::VoucherRecord).
    void setNumero(long v);
    // Keeps the first 255 characters.
    void setSelite(const QString& v);

    // A new unsaved entry of this voucher on side sTyyppi, with the
    // voucher's id, flags and text; a placeholder entry for a placeholder.
    std::unique_ptr<cVienti> AddNewVienti(const QString& sTyyppi) const;
    // The stored entries of one side, in the order they were stored, keyed
    // "vi" and the viID; empty for a placeholder or a voucher never stored.
    RecordList<cVienti> GetViennit(const QString& sTyyppi) const;

    // Navigation among the vouchers of one mode (the two flags): a new
    // object read from the row found, or a new placeholder when there is
    // none. GetFirst and GetLast look at numbers above 0; GetPrevious goes
    // down to the opening voucher 0 but not to the work vouchers below it.
    std::unique_ptr<cTosite> GetFirst(bool bAvaus, bool bPaatos) const;
    std::unique_ptr<cTosite> GetPrevious(bool bAvaus, bool bPaatos) const;
    std::unique_ptr<cTosite> GetNext(bool bAvaus, bool bPaatos) const;
    std::unique_ptr<cTosite> GetLast(bool bAvaus, bool bPaatos) const;

    // Saves a voucher with its entries as one piece of work: t (when not
    // null) and then each entry in turn, with Save(false), in one
    // transaction of the book, so that the book holds the voucher with all
    // of their rows or with none of them. When a write fails, the
    // transaction is rolled back and every record is put back as it was
    // before (key, values, dirty flag and undo copy), so that the next save
    // writes all of it again; the error then reaches the caller.
    // Placeholders and clean records write nothing, as their Save says.
    // A save is refused (Muuttunut), and nothing written, when the voucher or
    // one of the stored entries is no longer in the book: another copy of
    // the program on the same book has deleted it, or moved it into the
    // previous year in a change of year. The records are then put back as
    // they were, as after a failure. So is a save when the book's financial
    // year is no longer the one the program works in (TilikausiVaihtunut):
    // another copy has changed the year since this one read it.
    // lisattava names a voucher that the caller is adding and has not yet
    // stored (the older voucher window keeps its row itself): entries of it
    // are written all the same, and lisaksi, when given, is run inside the
    // same transaction after them, whenever there is an entry to write, to
    // store that row: the entries and their voucher go into the book
    // together. What lisaksi raises undoes the whole save, puts the records
    // back and reaches the caller.
    enum class Tallennus { Tehty, Muuttunut, TilikausiVaihtunut };
    [[nodiscard]] static Tallennus TallennaKerralla(cTosite* t, const std::vector<cVienti*>& viennit,
                                                    long lisattava = 0,
                                                    const std::function<void()>& lisaksi = {});

private:
    void raiseNameChanged();
};

}  // namespace core
