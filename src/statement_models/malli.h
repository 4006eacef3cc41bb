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

#include "core/records/modellist.h"
#include "core/records/recordcore.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace statement_models {

class cMalliRivi;

// Model types (maTyyppi).
using core::kTase;
using core::kTuloslaskelma;

class cMalli {
public:
    cMalli();
    ~cMalli();
    cMalli(const cMalli&) = delete;
    cMalli& operator=(const cMalli&) = delete;

    // Raised by every write of Nimi (changed or not, also while id is 0)
    // with the id, the stored name and the type.
    std::function<void(long id, const QString& sName, int Tyyppi)> NameChanged;

    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // maID; 0 = not stored
    // Keeps the first 50 characters; an empty name is held as one blank.
    QString Nimi() const { return r_.f.isEmpty ? QString() : r_.v.Nimi; }
    void setNimi(const QString& v);
    // 1 income statement, 2 balance sheet.
    int Tyyppi() const { return r_.shown().Tyyppi; }
    void setTyyppi(int v) { r_.set(r_.v.Tyyppi, v); }
    bool Suojattu() const { return r_.shown().Suojattu; }
    void setSuojattu(bool v) { r_.set(r_.v.Suojattu, v); }
    // The income model whose result a balance model carries; 0 = none.
    long TulosMaID() const { return r_.shown().TulosMaID; }
    void setTulosMaID(long v) { r_.set(r_.v.TulosMaID, v); }

    // Back to the values of the last Read or Save; the dirty flag stays.
    void Undo() { r_.undoChanges(); }
    // The model and every row of it, in one transaction; the object is
    // then as created.
    void Delete();
    // False, and the object as created, when there is no such model.
    bool Read(long id);
    // Writes when dirty or forced; a new model gets its key.
    bool Save(bool Force);
    // Lets the object go: saves pending changes (errors reach the caller);
    // the destructor then saves nothing.
    void Release() {
        r_.release([this] { Save(false); });
    }

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
    QString describe() const;

    core::detail::RecordState<Values> r_;
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

    bool IsEmpty() const { return r_.f.isEmpty; }
    void setIsEmpty(bool b) { r_.f.isEmpty = b; }
    bool isDirty() const { return r_.f.dirty; }

    long id() const { return r_.shownId(); }  // mrID; 0 = not stored
    long MalliId() const { return r_.shown().MalliId; }
    void setMalliId(long v) { r_.set(r_.v.MalliId, v); }
    // Keeps the first 50 characters.
    QString Teksti() const { return r_.shown().Teksti; }
    void setTeksti(const QString& v);
    // "D" or "K": the first character is kept.
    QString SaldoPuoli() const { return r_.shown().SaldoPuoli; }
    void setSaldoPuoli(const QString& v) { r_.setText(r_.v.SaldoPuoli, v, 1); }
    long BelongsToGroup() const { return r_.shown().BelongsToGroup; }
    void setBelongsToGroup(long v) { r_.set(r_.v.BelongsToGroup, v); }
    long GroupOrder() const { return r_.shown().GroupOrder; }
    void setGroupOrder(long v) { r_.set(r_.v.GroupOrder, v); }
    // Puts the row after its stored siblings (the largest order + 1); not saved.
    void SetDefaultGroupOrder();
    // Account keys, each followed by ","; the first 255 characters are kept.
    QString Tilit() const { return r_.shown().Tilit; }
    void setTilit(const QString& v) { r_.setText(r_.v.Tilit, v, 255); }
    // Formula terms, each a sign, a key and ","; the first 255 characters are kept.
    QString Kaava() const { return r_.shown().Kaava; }
    void setKaava(const QString& v) { r_.setText(r_.v.Kaava, v, 255); }
    bool IsLiikevaihto() const { return r_.shown().IsLiikevaihto; }
    void setIsLiikevaihto(bool v) { r_.set(r_.v.IsLiikevaihto, v); }
    bool IsEquation() const { return r_.shown().IsEquation; }
    void setIsEquation(bool v) { r_.set(r_.v.IsEquation, v); }
    bool IsVoitto() const { return r_.shown().IsVoitto; }
    void setIsVoitto(bool v) { r_.set(r_.v.IsVoitto, v); }
    long tlID() const { return r_.shown().tlID; }
    void settlID(long v) { r_.set(r_.v.tlID, v); }
    QString viTyyppi() const { return r_.shown().viTyyppi; }
    void setviTyyppi(const QString& v) { r_.setText(r_.v.viTyyppi, v, 1); }

    void Undo() { r_.undoChanges(); }
    // The row and every row below it, in one transaction; the object is
    // then as created. The siblings keep their orders.
    void Delete();
    bool Read(long id);
    bool Save(bool Force);
    // Save for a row moved under another parent: every row below it takes
    // its model and (unless the row's side is empty) its side; in one
    // transaction. False for a placeholder.
    bool SaveWithRowsBelow();
    void Release() {
        r_.release([this] { Save(false); });
    }

    // A new child row of this row, stored at once; an empty side gives the
    // child this row's side. A placeholder gives a placeholder.
    std::unique_ptr<cMalliRivi> AddModelRow(const QString& sTeksti, long lGroupOrder, const QString& sSaldoPuoli);

    // The two order moves among the siblings (the rows of the same model
    // with the same parent), each in one transaction. False, with nothing
    // changed, where the row cannot move, and for a placeholder or a row
    // never stored.
    //
    // Up: the row takes the order one less and the first sibling there (by
    // key) one more; at order 0 the row stays and every other row at 0
    // goes one down instead (refused when there is none).
    bool MoveRowUp();
    // Down: the row takes the order one more and the first sibling there
    // one less; the row with the largest order goes past the others
    // (refused when it has no sibling).
    bool MoveRowDown();

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
    QString describe() const;
    // The keys of the row's siblings (itself among them) at an order, by key.
    QList<long> siblingsAt(dao::Database& db, long order) const;
    // Runs an order move in one transaction; a failure leaves the row's
    // order as it was.
    bool moveWith(const std::function<bool(dao::Database&)>& move);

    core::detail::RecordState<Values> r_;
};

// The text of a model row (mrTeksti); "" when there is no such row.
QString GetRivinTeksti(dao::Database& db, long mrID);

// A model row as the lists show it.
struct ModelRowEntry {
    long id = 0;   // mrID
    QString text;  // mrTeksti; empty for Null
};

// The top rows of a model in their order (mrGroupOrder, equal orders by key).
QList<ModelRowEntry> TopRows(dao::Database& db, long maID);
// The rows right below a row in their order, whatever model they name.
QList<ModelRowEntry> ChildRows(dao::Database& db, long mrID);
// Whether any row lies below the row.
bool HasChildRows(dao::Database& db, long mrID);
// Every row of a model by text, equal texts by key.
QList<ModelRowEntry> RowsByText(dao::Database& db, long maID);
// How many rows the model has.
long ModelRowCount(dao::Database& db, long maID);

// A profit row (mrIsVoitto) with the model it belongs to.
struct ProfitRow {
    long maID = 0;
    QString modelName;  // maNimi; empty for Null
};
// Every profit row of the book, by row key.
QList<ProfitRow> ProfitRows(dao::Database& db);

// The name of a model (empty for Null); nothing when there is no such model.
std::optional<QString> ModelName(dao::Database& db, long maID);

// The pieces of an account list or a formula: the text trimmed, cut at the
// commas; a trailing comma gives no empty last piece, a blank text none.
QStringList SplitPieces(const QString& text);

}  // namespace statement_models
