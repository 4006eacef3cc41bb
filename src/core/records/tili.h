#pragma once

// cTili: one account (a row of `tl`), a record of the same pattern as
// cTosite; and cAlkusaldot, the sums of an account's opening entries.
// tlAlkusaldo, tlLoppusaldo and tlPrint are work values of the ledger
// reports; the record carries them through a read and a save.

#include "core/records/ledgercore.h"

#include <QString>
#include <functional>
#include <memory>

namespace core {

class cTili;

// The sums of an account's opening entries by side: current year and
// previous year. Only cTili::Alkusaldot fills them.
class cAlkusaldot {
public:
    dao::Currency AlkusaldoDebet() const { return debet_; }
    dao::Currency AlkusaldoKredit() const { return kredit_; }
    dao::Currency EdAlkusaldoDebet() const { return edDebet_; }
    dao::Currency EdAlkusaldoKredit() const { return edKredit_; }

private:
    friend class cTili;
    dao::Currency debet_;
    dao::Currency kredit_;
    dao::Currency edDebet_;
    dao::Currency edKredit_;
};

class cTili {
public:
    cTili();
    ~cTili();
    cTili(const cTili&) = delete;
    cTili& operator=(const cTili&) = delete;

    // Raised by the writes of Nimi and Numero on a stored account (id not
    // 0), changed or not, with the id, the current Numero and Nimi.
    std::function<void(long id, long lNumero, const QString& sName)> NameChanged;

    // Sets every field back to the last Read or Save; the dirty flag keeps its value.
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // tlID; 0 = not stored
    // Keeps the first 50 characters; an empty name is stored as one blank.
    QString Nimi() const { return r_.shown().Nimi; }
    void setNimi(const QString& v);
    // Keeps the first 255 characters; an empty text is stored as one blank.
    QString Kuvaus() const { return r_.shown().Kuvaus; }
    void setKuvaus(const QString& v) { r_.setText(r_.v.Kuvaus, v, 255); }
    long Numero() const { return r_.shown().Numero; }
    void setNumero(long v);
    dao::Currency Alkusaldo() const { return r_.shown().Alkusaldo; }
    void setAlkusaldo(dao::Currency v) { r_.set(r_.v.Alkusaldo, v); }
    dao::Currency Loppusaldo() const { return r_.shown().Loppusaldo; }
    void setLoppusaldo(dao::Currency v) { r_.set(r_.v.Loppusaldo, v); }

    // The sums of the account's opening entries (debit and credit, any case) in
    // both years; zeros for a placeholder or an account never stored.
    cAlkusaldot Alkusaldot() const;
    // True when an entry of the current or the previous year with an amount
    // other than 0 is on the account: such an account is not deleted. False
    // for a placeholder or an account never stored.
    bool OnVienteja() const;

    // Loads the row; a missing row clears the object and gives False.
    bool Read(long id);
    bool Save(bool Force);
    // Deletes the row (the caller checks for entries first) and resets the
    // object as created.
    void Delete();
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

    // Navigation by account number: a new object, or a new placeholder.
    // GetFirst and GetLast look at numbers above 0 and run also on a
    // placeholder; GetPrevious and GetNext give a placeholder there.
    std::unique_ptr<cTili> GetFirst() const;
    std::unique_ptr<cTili> GetPrevious() const;
    std::unique_ptr<cTili> GetNext() const;
    std::unique_ptr<cTili> GetLast() const;

private:
    struct Values {
        QString Nimi;
        QString Kuvaus;
        long Numero = 0;
        dao::Currency Alkusaldo;
        dao::Currency Loppusaldo;
        bool Print = false;
        bool operator==(const Values&) const = default;
    };
    void raiseNameChanged();
    QString describe() const;

    detail::RecordState<Values> r_;
};

}  // namespace core
