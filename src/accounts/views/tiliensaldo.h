#pragma once

// The work table tlSaldot: one row per account with the sums of its debit
// and credit entries, written by the account balances window and printed
// from there (tilisald.rpt).
//
// cTilienSaldo is one row, a record of the usual pattern: properties touch
// only the object; Read, Save and Delete work on the shared connection; a
// dirty flag set on a real change; an undo copy of the last Read or Save;
// an IsEmpty placeholder that reads as empty values and never writes; and
// pending changes saved when the object is let go (Release, or the
// destructor, whose errors go to core::reportReleaseError).
// cTilienSaldot empties the table.

#include "core/records/recordcore.h"
#include "platform/dao/currency.h"

#include <QString>

namespace accounts {

class cTilienSaldo {
public:
    cTilienSaldo();
    ~cTilienSaldo();
    cTilienSaldo(const cTilienSaldo&) = delete;
    cTilienSaldo& operator=(const cTilienSaldo&) = delete;

    // Puts back the values of the last Read or Save; the dirty flag stays.
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.id; }  // tlsID; 0 = not stored
    // Keeps the first 255 characters.
    QString Tili() const { return r_.shown().Tili; }
    void setTili(const QString& v) { r_.setText(r_.v.Tili, v, 255); }
    dao::Currency Debet() const { return r_.shown().Debet; }
    void setDebet(dao::Currency v) { r_.set(r_.v.Debet, v); }
    dao::Currency Kredit() const { return r_.shown().Kredit; }
    void setKredit(dao::Currency v) { r_.set(r_.v.Kredit, v); }
    dao::Currency Erotus() const { return r_.shown().Erotus; }
    void setErotus(dao::Currency v) { r_.set(r_.v.Erotus, v); }

    // Loads the row; a missing row clears the object and gives False.
    bool Read(long id);
    // Writes when dirty or forced; a new row gets its key. False for a placeholder.
    bool Save(bool Force);
    // Deletes the stored row and clears the object.
    void Delete();
    // Saves pending changes (errors reach the caller); the destructor then
    // saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

private:
    struct Values {
        QString Tili;
        dao::Currency Debet;
        dao::Currency Kredit;
        dao::Currency Erotus;
    };
    QString describe() const;

    core::detail::RecordState<Values> r_;
};

class cTilienSaldot {
public:
    // Deletes every row of tlSaldot.
    void Tyhjenna();
};

}  // namespace accounts
