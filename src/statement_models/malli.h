#pragma once

// The statement models: cMalli is one model (a row of `ma`), cMalliRivi one
// row of a model (a row of `mr`). A model's rows form a tree: each row names
// its parent row in mrBelongsToGroup (0 for a top row) and its place among
// its siblings in mrGroupOrder. A row is a group when another row names it
// as parent; otherwise it sums the accounts of mrTilit ("12,15,") or, as a
// formula row, the rows of mrKaava ("+12,-15,": a sign, a row key and a
// comma per term; a negative key -n stands for the profit of the income
// model n).
//
// Both records follow the pattern of the ledger records: blank placeholder
// (IsEmpty), dirty flag set only by a real change, undo copy, Read, Save,
// Delete, and saving pending changes when let go.

#include "core/records/recordsupport.h"

#include <QString>
#include <functional>
#include <memory>

namespace statement_models {

class cMalliRivi;

// Model types (maTyyppi).
constexpr int kTuloslaskelma = 1;
constexpr int kTase = 2;

class cMalli {
public:
    cMalli();
    ~cMalli();
    cMalli(const cMalli&) = delete;
    cMalli& operator=(const cMalli&) = delete;

    // Raised by every write of Nimi (changed or not, also while id is 0)
    // with the id, the stored name and the type.
    std::function<void(long id, const QString& sName, int Tyyppi)> NameChanged;

    bool IsEmpty() const { return f_.isEmpty; }
    void setIsEmpty(bool b) { f_.isEmpty = b; }
    bool isDirty() const { return f_.dirty; }

    long id() const { return f_.isEmpty ? 0 : id_; }  // maID; 0 = not stored
    // Keeps the first 50 characters; an empty name is held as one blank.
    QString Nimi() const { return f_.isEmpty ? QString() : v_.Nimi; }
    void setNimi(const QString& v);
    // 1 income statement, 2 balance sheet.
    int Tyyppi() const { return f_.isEmpty ? kTuloslaskelma : v_.Tyyppi; }
    void setTyyppi(int v) { set(v_.Tyyppi, v); }
    bool Suojattu() const { return f_.isEmpty ? false : v_.Suojattu; }
    void setSuojattu(bool v) { set(v_.Suojattu, v); }
    // The income model whose result a balance model carries; 0 = none.
    long TulosMaID() const { return f_.isEmpty ? 0 : v_.TulosMaID; }
    void setTulosMaID(long v) { set(v_.TulosMaID, v); }

    // Back to the values of the last Read or Save; the dirty flag stays.
    void Undo();
    // The model and every row of it, in one transaction; the object is
    // then as created.
    void Delete();
    // False, and the object as created, when there is no such model.
    bool Read(long id);
    // Writes when dirty or forced; a new model gets its key.
    bool Save(bool Force);
    // Lets the object go: saves pending changes (errors reach the caller);
    // the destructor then saves nothing.
    void Release();

    // A new top row of the model, stored at once (a blank placeholder row
    // when this is a placeholder).
    std::unique_ptr<cMalliRivi> AddModelRow(const QString& sTeksti, long lGroupOrder, const QString& sSaldoPuoli);

private:
    struct Values {
        QString Nimi = QStringLiteral(" ");
        int Tyyppi = kTuloslaskelma;
        bool Suojattu = false;
        long TulosMaID = 0;
        bool operator==(const Values&) const = default;
    };
    template <class T>
    void set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        f_.dirty = true;
    }
    QString describe() const;
    void resetAsCreated();

    long id_ = 0;
    Values v_;
    Values undo_;
    struct Flags {
        bool dirty = false;
        bool isEmpty = false;
        bool released = false;
    } f_;
    core::detail::BookTie tie_;
};

class cMalliRivi {
public:
    cMalliRivi();
    ~cMalliRivi();
    cMalliRivi(const cMalliRivi&) = delete;
    cMalliRivi& operator=(const cMalliRivi&) = delete;

    // Raised by every write of Teksti (changed or not, also while id is 0)
    // with the id and the stored text.
    std::function<void(long id, const QString& sName)> NameChanged;

    bool IsEmpty() const { return f_.isEmpty; }
    void setIsEmpty(bool b) { f_.isEmpty = b; }
    bool isDirty() const { return f_.dirty; }

    long id() const { return f_.isEmpty ? 0 : id_; }  // mrID; 0 = not stored
    long MalliId() const { return shown().MalliId; }
    void setMalliId(long v) { set(v_.MalliId, v); }
    // Keeps the first 50 characters.
    QString Teksti() const { return shown().Teksti; }
    void setTeksti(const QString& v);
    // "D" or "K": the first character is kept.
    QString SaldoPuoli() const { return shown().SaldoPuoli; }
    void setSaldoPuoli(const QString& v);
    long BelongsToGroup() const { return shown().BelongsToGroup; }
    void setBelongsToGroup(long v) { set(v_.BelongsToGroup, v); }
    long GroupOrder() const { return shown().GroupOrder; }
    void setGroupOrder(long v) { set(v_.GroupOrder, v); }
    // Puts the row after its stored siblings (the largest order + 1); not saved.
    void SetDefaultGroupOrder();
    // Account keys, each followed by ","; the first 255 characters are kept.
    QString Tilit() const { return shown().Tilit; }
    void setTilit(const QString& v);
    // Formula terms, each a sign, a key and ","; the first 255 characters are kept.
    QString Kaava() const { return shown().Kaava; }
    void setKaava(const QString& v);
    bool IsLiikevaihto() const { return shown().IsLiikevaihto; }
    void setIsLiikevaihto(bool v) { set(v_.IsLiikevaihto, v); }
    bool IsEquation() const { return shown().IsEquation; }
    void setIsEquation(bool v) { set(v_.IsEquation, v); }
    bool IsVoitto() const { return shown().IsVoitto; }
    void setIsVoitto(bool v) { set(v_.IsVoitto, v); }
    long tlID() const { return shown().tlID; }
    void settlID(long v) { set(v_.tlID, v); }
    QString viTyyppi() const { return shown().viTyyppi; }
    void setviTyyppi(const QString& v);

    void Undo();
    // The row and every row below it, in one transaction; the object is
    // then as created. The siblings keep their orders.
    void Delete();
    bool Read(long id);
    bool Save(bool Force);
    void Release();

    // A new child row of this row, stored at once; an empty side gives the
    // child this row's side. A placeholder gives a placeholder.
    std::unique_ptr<cMalliRivi> AddModelRow(const QString& sTeksti, long lGroupOrder, const QString& sSaldoPuoli);

private:
    friend class cMalli;
    struct Values {
        long MalliId = 0;
        QString SaldoPuoli;
        QString Tilit;
        long BelongsToGroup = 0;
        long GroupOrder = 0;
        QString Teksti;
        QString Kaava;
        bool IsLiikevaihto = false;
        bool IsEquation = false;
        bool IsVoitto = false;
        long tlID = 0;
        QString viTyyppi;
        bool operator==(const Values&) const = default;
    };
    const Values& shown() const;
    template <class T>
    void set(T& field, const T& value) {
        if (field == value) return;
        field = value;
        f_.dirty = true;
    }
    void setText(QString& field, const QString& v, qsizetype width);
    QString describe() const;
    void resetAsCreated();

    long id_ = 0;
    Values v_;
    Values undo_;
    struct Flags {
        bool dirty = false;
        bool isEmpty = false;
        bool released = false;
    } f_;
    core::detail::BookTie tie_;
};

// The text of a model row (mrTeksti); "" when there is no such row.
QString GetRivinTeksti(dao::Database& db, long mrID);

// The pieces of an account list or a formula: the text trimmed, cut at the
// commas; a trailing comma gives no empty last piece, a blank text none.
QStringList SplitPieces(const QString& text);

}  // namespace statement_models
