#pragma once

// The work table tlTarkastelut: one row per listed entry of one account,
// written by the account entries window and printed from there
// (tilitark.rpt). cTiliTarkastelu is one row, a record of the same pattern
// as cTilienSaldo (tiliensaldo.h); cTiliTarkastelut empties the table.

#include "core/records/recordsupport.h"
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
    void Undo();
    bool IsEmpty() const { return isEmpty_; }
    void setIsEmpty(bool b) { isEmpty_ = b; }
    bool isDirty() const { return dirty_; }

    long id() const { return id_; }  // tltID; 0 = not stored
    long Numero() const { return isEmpty_ ? 0 : v_.Numero; }
    void setNumero(long v) { set(v_.Numero, v); }
    // The zero date while a placeholder.
    dao::Date Paiva() const { return isEmpty_ ? dao::Date::zero() : v_.Paiva; }
    void setPaiva(const dao::Date& v) { set(v_.Paiva, v); }
    // Keeps the first 255 characters; an empty text is stored as one blank.
    QString Selite() const { return isEmpty_ ? QString() : v_.Selite; }
    void setSelite(const QString& v);
    dao::Currency Debet() const { return isEmpty_ ? dao::Currency() : v_.Debet; }
    void setDebet(dao::Currency v) { set(v_.Debet, v); }
    dao::Currency Kredit() const { return isEmpty_ ? dao::Currency() : v_.Kredit; }
    void setKredit(dao::Currency v) { set(v_.Kredit, v); }
    dao::Currency Erotus() const { return isEmpty_ ? dao::Currency() : v_.Erotus; }
    void setErotus(dao::Currency v) { set(v_.Erotus, v); }

    bool Read(long id);
    bool Save(bool Force);
    void Delete();
    void Release();

private:
    struct Values {
        long Numero = 0;
        dao::Date Paiva;
        QString Selite;
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

class cTiliTarkastelut {
public:
    // Deletes every row of tlTarkastelut.
    void Tyhjenna();
};

}  // namespace accounts
