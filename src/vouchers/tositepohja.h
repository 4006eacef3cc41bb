#pragma once

// Voucher templates: a named voucher text with debit and credit lines
// (account, cost centre, amount) from which the voucher window builds a new
// voucher in one step, and an optional quick-choice number 1 to 4.
//
//   cTositePohja   one template, a row of tpPohjat
//   cVientiPohja   one line of a template, a row of vipPohjat
//   cTositePohjat  finder over the templates, without state
//
// The two record classes follow the pattern of the ledger records (see
// core/records/tosite.h): dirty only on a real change (texts compared
// before they are cut), an undo copy of the last Read or Save, an IsEmpty
// placeholder that reads as empty values and never writes, Save(Force),
// save on release (Release() lets errors reach the caller; the destructor
// reports them through core::reportReleaseError), and a tie to the book the
// record was read from or first saved into.

#include "core/records/recordcore.h"
#include "platform/dao/currency.h"

#include <QString>
#include <functional>
#include <memory>

namespace vouchers {

class cTositePohja;

// One debit or credit line of a template. A line with neither an account
// nor an amount is never stored.
class cVientiPohja {
public:
    cVientiPohja();
    ~cVientiPohja();
    cVientiPohja(const cVientiPohja&) = delete;
    cVientiPohja& operator=(const cVientiPohja&) = delete;

    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }          // vipID; 0 = not stored
    long tlID() const { return r_.shown().tlID; }     // account; 0 = none
    void setTlID(long v) { r_.set(r_.v.tlID, v); }
    long kpID() const { return r_.shown().kpID; }     // cost centre; 0 = none
    void setKpID(long v) { r_.set(r_.v.kpID, v); }
    long TpId() const { return r_.shown().TpId; }     // the template's tpID
    void setTpId(long v) { r_.set(r_.v.TpId, v); }
    // "D" debit or "K" credit; keeps the first character written.
    QString Tyyppi() const { return r_.shown().Tyyppi; }
    void setTyyppi(const QString& v) { r_.setText(r_.v.Tyyppi, v, 1); }
    dao::Currency Arvo() const { return r_.shown().Arvo; }
    void setArvo(dao::Currency v) { r_.set(r_.v.Arvo, v); }

    // Sets the values back to the last Read or Save; the dirty flag stays.
    void Undo() { r_.undoChanges(); }
    // Deletes the stored row and resets the object as created.
    void Delete();
    // Loads the row; a missing row resets the object as created and gives False.
    bool Read(long id);
    // Writes when dirty or forced; False for a placeholder. A line without
    // account and amount is not written (a stored one is deleted) and gives False.
    bool Save(bool Force);
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

private:
    friend class cTositePohja;
    struct Values {
        long tlID = 0;
        long kpID = 0;
        long TpId = 0;
        QString Tyyppi;
        dao::Currency Arvo;
        bool operator==(const Values&) const = default;
    };
    void fill(const dao::Recordset& rs);
    QString describe() const;

    core::detail::RecordState<Values> r_;
};

// One template.
class cTositePohja {
public:
    cTositePohja();
    ~cTositePohja();
    cTositePohja(const cTositePohja&) = delete;
    cTositePohja& operator=(const cTositePohja&) = delete;

    // Raised by every write of Nimi on a stored template (id not 0),
    // changed or not, with the id and the name as kept (cut to 50).
    std::function<void(long id, const QString& sName)> NameChanged;

    // Sets Nimi, Selite and Pikavalinta back to the last Read or Save; the
    // dirty flag stays.
    void Undo() { r_.undoChanges(); }
    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // tpID; 0 = not stored
    // Keeps the first 50 characters; an empty name is stored as one blank.
    QString Nimi() const { return r_.shown().Nimi; }
    void setNimi(const QString& v);
    // The voucher text the template gives. Keeps the first 255 characters;
    // an empty text is stored as one blank.
    QString Selite() const { return r_.shown().Selite; }
    void setSelite(const QString& v) { r_.setText(r_.v.Selite, v, 255); }
    // Quick-choice number 1 to 4; 0 = none.
    long Pikavalinta() const { return r_.shown().Pikavalinta; }
    void setPikavalinta(long v) { r_.set(r_.v.Pikavalinta, v); }

    // Loads the row; a missing row resets the object as created and gives False.
    bool Read(long id);
    // Writes when dirty or forced (a new template is appended and gets its
    // id); False for a placeholder.
    bool Save(bool Force);
    // Deletes the template with all its lines and resets the object as created.
    void Delete();
    // Lets the object go: saves pending changes unless a placeholder, with
    // errors reaching the caller; the destructor then saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

    // A new unsaved line of this template on side sTyyppi ("D" or "K"); a
    // placeholder line for a placeholder template.
    std::unique_ptr<cVientiPohja> AddNewVientipohja(const QString& sTyyppi) const;
    // The stored lines of one side in the order they were stored, keyed
    // "vip" and the vipID; empty for a placeholder or a template never stored.
    core::RecordList<cVientiPohja> GetVientipohjat(const QString& sTyyppi) const;

private:
    friend class cTositePohjat;
    struct Values {
        QString Nimi;
        QString Selite;
        long Pikavalinta = 0;
        bool operator==(const Values&) const = default;
    };
    void fill(const dao::Recordset& rs);
    QString describe() const;

    core::detail::RecordState<Values> r_;
};

// Finder over the templates of the open book.
class cTositePohjat {
public:
    // True when a template other than TpId has the quick-choice number
    // lPikavalinta (TpId 0: every template counts).
    bool PikavalintaKaytossa(long lPikavalinta, long TpId) const;
    // The template with the quick-choice number, or a new placeholder when
    // none has it. When several share the number, the one stored first.
    std::unique_ptr<cTositePohja> PikavalintaPohja(long lPikavalinta) const;
    // Every template in name order (equal names in the order stored), each
    // keyed "I" and its tpID.
    core::RecordList<cTositePohja> All() const;
};

}  // namespace vouchers
