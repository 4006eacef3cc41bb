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

#include "core/records/recordsupport.h"
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
    void Undo();
    bool IsEmpty() const { return isEmpty_; }
    void setIsEmpty(bool b) { isEmpty_ = b; }
    bool isDirty() const { return dirty_; }

    long id() const { return id_; }  // tlsID; 0 = not stored
    // Keeps the first 255 characters.
    QString Tili() const { return isEmpty_ ? QString() : v_.Tili; }
    void setTili(const QString& v);
    dao::Currency Debet() const { return isEmpty_ ? dao::Currency() : v_.Debet; }
    void setDebet(dao::Currency v) { set(v_.Debet, v); }
    dao::Currency Kredit() const { return isEmpty_ ? dao::Currency() : v_.Kredit; }
    void setKredit(dao::Currency v) { set(v_.Kredit, v); }
    dao::Currency Erotus() const { return isEmpty_ ? dao::Currency() : v_.Erotus; }
    void setErotus(dao::Currency v) { set(v_.Erotus, v); }

    // Loads the row; a missing row clears the object and gives False.
    bool Read(long id);
    // Writes when dirty or forced; a new row gets its key. False for a placeholder.
    bool Save(bool Force);
    // Deletes the stored row and clears the object.
    void Delete();
    // Saves pending changes (errors reach the caller); the destructor then
    // saves nothing.
    void Release();

private:
    struct Values {
        QString Tili;
        dao::Currency Debet;
        dao::Currency Kredit;
        dao::Currency Erotus;
    };
    template <class T>
    void set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        dirty_ = true;
    }
    void clear();
    QString describe() const;

    long id_ = 0;
    Values v_;
    Values undo_;
    bool dirty_ = false;
    bool isEmpty_ = false;
    bool released_ = false;
    core::detail::BookTie tie_;
};

class cTilienSaldot {
public:
    // Deletes every row of tlSaldot.
    void Tyhjenna();
};

}  // namespace accounts
