#pragma once

// cVientiEd: one entry of the previous financial year (a row of `viE`).
// Works as cVienti; its links are toEID (the voucher) and kpEID (the cost
// centre), and a new row's key is the highest viEID plus one, taken at its
// save.

#include "core/records/ledgercore.h"

#include <QString>

namespace core {

class cTositeEd;

class cVientiEd {
public:
    cVientiEd();
    // Saves pending changes unless released or a placeholder; an error
    // goes to reportReleaseError.
    ~cVientiEd();
    cVientiEd(const cVientiEd&) = delete;
    cVientiEd& operator=(const cVientiEd&) = delete;

    // A blank placeholder: every read property gives its empty value and
    // Read, Save, Delete, Undo and the save on release do nothing.
    bool IsEmpty() const { return c_.f.isEmpty; }
    void setIsEmpty(bool b) { c_.f.isEmpty = b; }
    // Unsaved changes are held (for windows that ask before leaving).
    bool isDirty() const { return c_.f.dirty; }

    long id() const { return c_.shownId(); }  // viEID; 0 = not stored
    long tlID() const { return c_.shown().tlID; }  // account; 0 = none
    void setTlID(long v) { c_.set(c_.v.tlID, v); }
    long toEID() const { return c_.shown().toID; }  // the voucher's toEID
    void setToEID(long v) { c_.set(c_.v.toID, v); }
    long kpEID() const { return c_.shown().kpID; }  // cost centre; 0 = none
    void setKpEID(long v) { c_.set(c_.v.kpID, v); }
    // "D" or "K"; keeps the first character written.
    QString Tyyppi() const { return c_.shown().Tyyppi; }
    void setTyyppi(const QString& v) { c_.setTyyppi(v); }
    dao::Currency Arvo() const { return c_.shown().Arvo; }
    void setArvo(dao::Currency v) { c_.set(c_.v.Arvo, v); }
    // Keeps the first 255 characters.
    QString Selite() const { return c_.shown().Selite; }
    void setSelite(const QString& v) { c_.setSelite(v); }
    bool Avausvienti() const { return c_.shown().Avausvienti; }
    void setAvausvienti(bool v) { c_.set(c_.v.Avausvienti, v); }
    bool Paatosvienti() const { return c_.shown().Paatosvienti; }
    void setPaatosvienti(bool v) { c_.set(c_.v.Paatosvienti, v); }
    bool Automaatti() const { return c_.shown().Automaatti; }
    void setAutomaatti(bool v) { c_.set(c_.v.Automaatti, v); }

    // Sets every column back to the last Read or Save; the object stays dirty.
    void Undo() { c_.undoChanges(); }
    // Deletes the stored row and resets the object as created; always False.
    bool Delete();
    // Loads the row; a missing row resets the object as created and gives False.
    bool Read(long id) { return c_.read(id); }
    // Writes when dirty or forced; a blank entry is not written (a stored
    // one is deleted) and gives False.
    bool Save(bool Force) { return c_.save(Force); }
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() { c_.release(); }

private:
    friend class cTositeEd;
    detail::EntryCore c_;
};

}  // namespace core
