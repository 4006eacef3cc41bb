#pragma once

// The work table tlTarkastelut: one row per listed entry of one account,
// written by the account entries window and printed from there
// (tilitark.rpt). cTiliTarkastelu is one row, a record of the same pattern
// as cTilienSaldo (tiliensaldo.h); cTiliTarkastelut empties the table.

#include "core/records/recordcore.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>

namespace accounts {

class cTiliTarkastelu {
public:
    cTiliTarkastelu();
    ~cTiliTarkastelu();
    cTiliTarkastelu(const cTiliTarkastelu&) = delete;
    cTiliTarkastelu& operator=(const cTiliTarkastelu&) = delete;

    // Puts back the values of the last Read or Save; the dirty flag stays.
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.id; }  // tltID; 0 = not stored
    long Numero() const { return r_.shown().Numero; }
    void setNumero(long v) { r_.set(r_.v.Numero, v); }
    // The zero date while a placeholder.
    dao::Date Paiva() const { return r_.f.isEmpty ? dao::Date::zero() : r_.v.Paiva; }
    void setPaiva(const dao::Date& v) { r_.set(r_.v.Paiva, v); }
    // Keeps the first 255 characters; an empty text is stored as one blank.
    QString Selite() const { return r_.shown().Selite; }
    void setSelite(const QString& v) { r_.setText(r_.v.Selite, v, 255); }
    dao::Currency Debet() const { return r_.shown().Debet; }
    void setDebet(dao::Currency v) { r_.set(r_.v.Debet, v); }
    dao::Currency Kredit() const { return r_.shown().Kredit; }
    void setKredit(dao::Currency v) { r_.set(r_.v.Kredit, v); }
    dao::Currency Erotus() const { return r_.shown().Erotus; }
    void setErotus(dao::Currency v) { r_.set(r_.v.Erotus, v); }

    bool Read(long id);
    bool Save(bool Force);
    void Delete();
    void Release() {
        r_.release([this] { Save(false); });
    }

private:
    struct Values {
        long Numero = 0;
        dao::Date Paiva;
        QString Selite;
        dao::Currency Debet;
        dao::Currency Kredit;
        dao::Currency Erotus;
    };
    QString describe() const;

    core::detail::RecordState<Values> r_;
};

class cTiliTarkastelut {
public:
    // Deletes every row of tlTarkastelut.
    void Tyhjenna();
};

}  // namespace accounts
