#pragma once

// cKustannuspaikka: one cost centre, a row of `kp`. It follows the pattern
// of the ledger records (core/records): a placeholder flag, a changed flag
// set only by a real change, an undo copy, Read by key, Save that writes
// only when changed or forced, Delete by key, moves in number order that
// return a new object, NameChanged when the number or the name is set, and
// a save of its own when it is let go with unsaved changes.
//
// An empty name or description is stored as one blank (the table takes no
// empty text); the object itself keeps the empty text until it is read
// again. The record is tied to the book it was read from or first saved
// into and refuses to write into another.

#include "core/records/recordcore.h"

#include <QString>
#include <functional>
#include <memory>

namespace accounts {

class cKustannuspaikka {
public:
    static constexpr qsizetype kNimiWidth = 100;
    static constexpr qsizetype kKuvausWidth = 255;

    cKustannuspaikka();
    // Saves pending changes unless a placeholder or already released; an
    // error goes to the release-error sink (core::reportReleaseError).
    ~cKustannuspaikka();
    cKustannuspaikka(const cKustannuspaikka&) = delete;
    cKustannuspaikka& operator=(const cKustannuspaikka&) = delete;

    // Raised by the writes of Nimi and Numero on a stored cost centre (id
    // not 0), changed or not, with the id, the current Numero and Nimi.
    std::function<void(long id, long lNumero, const QString& sName)> NameChanged;

    // Unless a placeholder: Nimi, Kuvaus and Numero back as last read,
    // saved or created. The changed flag stays; no event.
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // kpID; 0 = not stored
    // The writes do not look at the placeholder flag; only the reads mask
    // the values. Nimi keeps its first 100 characters, Kuvaus 255; the
    // changed flag compares the text as written.
    QString Nimi() const { return r_.shown().Nimi; }
    void setNimi(const QString& v);
    QString Kuvaus() const { return r_.shown().Kuvaus; }
    void setKuvaus(const QString& v) { r_.setText(r_.v.Kuvaus, v, kKuvausWidth); }
    long Numero() const { return r_.shown().Numero; }
    void setNumero(long v);

    // Loads the row with that key; False, and the object blank as created,
    // when there is none. Nothing (False) for a placeholder.
    bool Read(long id);
    // Writes the row (a new one while id is 0) when changed or forced.
    // False for a placeholder. A row that has gone meanwhile is an error
    // (NoCurrentRecord) for the caller.
    bool Save(bool bForce);
    // Deletes the row; rows of other tables that name the cost centre stay.
    // The object is then blank as created.
    void Delete();
    // Lets the object go now: saves pending changes unless a placeholder,
    // errors reaching the caller; the destructor then saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

    // Moves in number order, each a new object (a new placeholder when
    // there is none). GetFirst and GetLast look at numbers above 0 and run
    // also on a placeholder; GetPrevious and GetNext of a placeholder give a
    // placeholder without asking the book.
    std::unique_ptr<cKustannuspaikka> GetFirst() const;
    std::unique_ptr<cKustannuspaikka> GetPrevious() const;
    std::unique_ptr<cKustannuspaikka> GetNext() const;
    std::unique_ptr<cKustannuspaikka> GetLast() const;

private:
    struct Values {
        QString Nimi;
        QString Kuvaus;
        long Numero = 0;
    };
    void raiseNameChanged();
    QString describe() const;

    core::detail::RecordState<Values> r_;
};

}  // namespace accounts
