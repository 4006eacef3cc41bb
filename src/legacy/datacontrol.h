#pragma once

// DataControl: a record set of the association's book with text boxes bound
// to its fields, as the older windows use it.
//
// The control reads its record source (a SELECT statement, '?' for bound
// values) from the book the shared connection has open. Every move of the
// record set made through the control - first, last, next, previous, a
// find, a bookmark, a new row, a refresh - runs the Validate handler before
// it leaves the current row and, once it stands on the new one, shows that
// row in the bound text boxes and runs the Reposition handler. Moving does
// not store anything by itself: a pending edit that the Validate handler
// does not store is dropped by the move, as the record set does.
//
// Bound text boxes show the current row's fields (Null as an empty text,
// dates in the short form, amounts by the regional settings; a text field
// also limits the box to its width). Storing the row (UpdateRecord, or
// StorePending while an edit is pending) first writes the boxes' texts into
// it: an empty text is Null unless the binding says otherwise, and a number
// or date field whose text does not read as one keeps its stored value. A
// new row, once stored, is the current row (the boxes show it). The boxes'
// Change handlers do not run while the control fills them. The Store
// handler runs just before the boxes are written.

#include "platform/dao/database.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;

namespace legacy {

// What a data control reads: a SELECT statement and its bound values.
struct RecordSource {
    QString sql;
    dao::Params params;
};

class DataControl {
public:
    // What makes the control leave its row; handed to the Validate handler.
    enum class Action { MoveFirst, MovePrevious, MoveNext, MoveLast, AddNew, Find, Bookmark, Refresh, Unload };
    using Bookmark = dao::Bookmark;

    explicit DataControl(dao::RecordsetType type = dao::RecordsetType::Dynaset) : type_(type) {}
    DataControl(const DataControl&) = delete;
    DataControl& operator=(const DataControl&) = delete;

    void setRecordSource(const QString& sql, dao::Params params = {});
    void setRecordSource(RecordSource source) { setRecordSource(source.sql, std::move(source.params)); }
    const QString& recordSource() const { return source_; }

    // Validate (when open), then opens the record source anew, reads all
    // its rows (no read of the control is left unfinished on the book) and
    // stands on its first row (or at its end when it has none): the
    // Requeried hook, the bound boxes and Reposition follow.
    void Refresh();
    bool isOpen() const;
    // Closes the record set without any event.
    void Close();

    // The record set; ObjectInvalid when the control has none open.
    dao::Recordset& Recordset();
    // The book the control reads: the shared connection's.
    static dao::Database Database();

    // A row is current: a stored row (not deleted) or a new row being added.
    bool hasCurrent() const;
    bool isEOF() const;  // true also when nothing is open
    bool isBOF() const;
    dao::Recordset::EditMode editMode() const;
    bool isEditing() const { return editMode() != dao::Recordset::EditMode::None; }
    bool isEmpty() const;  // no rows at all (or nothing open)
    // A field of the current row; Null when there is none.
    dao::Variant value(const QString& field) const;

    // ---- moves (each with its events)
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // The first row, from the start, on which pred holds; with no match the
    // control stays on its row (the events still run) and false is returned.
    bool FindFirst(const std::function<bool(const dao::Recordset&)>& pred);
    bool FindFirst(const QString& field, long value);
    // The browse buttons' moves: to the first or the last row, or one row
    // on. A step off either end comes back to the row it left. False when
    // there is no row that way (the window beeps), or nothing is open.
    enum class Step { First, Previous, Next, Last };
    bool Browse(Step step);
    void GoTo(Bookmark b);
    // Starts a new row: Validate, the record set's AddNew, the boxes show
    // the new row, Reposition.
    void AddNew();

    // ---- editing (no events)
    void Edit();
    // The boxes into the current row and stores it (an Edit first when no
    // edit is pending).
    void UpdateRecord();
    // Stores a pending edit or new row with the boxes' values; nothing
    // when none is pending.
    void StorePending();
    void CancelUpdate();
    // Deletes the current row.
    void Delete();
    // Sets one field of the current row, starting an edit when none is
    // pending.
    void setField(const QString& field, const dao::Variant& v);

    // ---- bound boxes
    // What an empty box stores: Null, nothing (the stored value stays), or
    // one blank (names and texts that are never left empty).
    enum class Empty { Null, Keep, Blank };
    void Bind(QLineEdit* box, const QString& field, Empty empty = Empty::Null);
    // Shows the current row (empty boxes when there is none).
    void UpdateControls();

    // ---- handlers
    void onValidate(std::function<void(Action)> h) { validate_ = std::move(h); }
    void onReposition(std::function<void()> h) { reposition_ = std::move(h); }
    // After every (re)opening, before the row is shown: for a grid that
    // lists every row.
    void onRequeried(std::function<void()> h) { requeried_ = std::move(h); }
    // Before the boxes are written into the row as it is stored: for a
    // window that takes or refuses what a box holds first.
    void onStore(std::function<void()> h) { store_ = std::move(h); }
    // Inside the write that stores the row, once the Store handler has run
    // and before the boxes are written: for what must be read from the book
    // and written into the row as one piece of work (the next number of a
    // series, which no other copy of the program on the book may take
    // meanwhile). What the handler raises leaves the row unstored, still
    // pending, and reaches the caller. With this handler the row is stored
    // in a transaction of the book that holds its write lock from the start.
    void onWrite(std::function<void()> h) { write_ = std::move(h); }
    // Runs the Validate handler (the window's unload).
    void Validate(Action a);

    // Every row of the record set in its order, without moving the control
    // (its position is restored and no event runs).
    void forEachRow(const std::function<void(const dao::Recordset&)>& f);

private:
    struct Binding {
        QPointer<QLineEdit> box;
        QString field;
        Empty empty = Empty::Null;
    };
    void writeBoxes();
    void store();
    void moved();
    template <class F>
    void move(Action a, F&& f);

    dao::RecordsetType type_;
    QString source_;
    dao::Params params_;
    dao::Recordset rs_;
    QList<Binding> bindings_;
    std::function<void(Action)> validate_;
    std::function<void()> reposition_;
    std::function<void()> requeried_;
    std::function<void()> store_;
    std::function<void()> write_;
};

}  // namespace legacy
