#include "legacy/datacontrol.h"

#include "core/dbc.h"
#include "core/wholenumber.h"
#include "platform/dao/error.h"
#include "platform/ui/events.h"

#include <QLineEdit>

namespace legacy {

namespace {

using EditMode = dao::Recordset::EditMode;

bool isNumberType(dao::FieldType t) {
    return t == dao::FieldType::Byte || t == dao::FieldType::Integer || t == dao::FieldType::Long;
}

QString boxText(const dao::Variant& v) {
    switch (v.kind()) {
    case dao::Variant::Kind::Null: return QString();
    case dao::Variant::Kind::Date: return v.toDate().toShortString();
    case dao::Variant::Kind::Currency: return v.toCurrency().toText();
    case dao::Variant::Kind::Double: return dao::NumberText(v.toDouble(), 4);
    case dao::Variant::Kind::Bool: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return v.toString();
    }
}

}  // namespace

void DataControl::setRecordSource(const QString& sql, dao::Params params) {
    source_ = sql;
    params_ = std::move(params);
}

dao::Database DataControl::Database() { return core::DBCon().AvaaDB(); }

bool DataControl::isOpen() const { return rs_.isOpen(); }

void DataControl::Close() {
    if (rs_.isOpen()) rs_.Close();
    rs_ = dao::Recordset();
}

dao::Recordset& DataControl::Recordset() {
    if (!rs_.isOpen()) dao::raise(dao::err::ObjectInvalid);
    return rs_;
}

bool DataControl::hasCurrent() const {
    if (!rs_.isOpen()) return false;
    try {
        if (rs_.editMode() == EditMode::Add) return true;
        (void)rs_.bookmark();  // raises without a current row
        return true;
    } catch (const dao::DaoError&) {
        return false;
    }
}

bool DataControl::isEOF() const { return !rs_.isOpen() || rs_.isEOF(); }
bool DataControl::isBOF() const { return !rs_.isOpen() || rs_.isBOF(); }
bool DataControl::isEmpty() const { return !rs_.isOpen() || (rs_.isBOF() && rs_.isEOF()); }

dao::Recordset::EditMode DataControl::editMode() const { return rs_.isOpen() ? rs_.editMode() : EditMode::None; }

dao::Variant DataControl::value(const QString& field) const {
    if (!hasCurrent()) return dao::Variant();
    return rs_.value(field);
}

void DataControl::Validate(Action a) {
    if (validate_ && rs_.isOpen()) validate_(a);
}

void DataControl::moved() {
    UpdateControls();
    if (reposition_) reposition_();
}

template <class F>
void DataControl::move(Action a, F&& f) {
    Validate(a);
    f(Recordset());
    moved();
}

void DataControl::Refresh() {
    Validate(Action::Refresh);
    Close();
    dao::Database db = Database();
    rs_ = db.OpenRecordset(source_, type_, params_);
    // Every row is read at once: a statement left unfinished would hold
    // the book against every other program's writes while the window waits
    // for the user.
    if (!rs_.isEOF()) {
        rs_.MoveLast();
        rs_.MoveFirst();
    }
    for (const Binding& b : bindings_) {
        if (!b.box || !rs_.hasField(b.field)) continue;
        const dao::Field f = rs_.field(b.field);
        if (f.type() == dao::FieldType::Text && f.size() > 0) b.box->setMaxLength(f.size());
    }
    if (requeried_) requeried_();
    moved();
}

void DataControl::MoveFirst() {
    move(Action::MoveFirst, [](dao::Recordset& rs) { rs.MoveFirst(); });
}

void DataControl::MoveLast() {
    move(Action::MoveLast, [](dao::Recordset& rs) { rs.MoveLast(); });
}

void DataControl::MoveNext() {
    move(Action::MoveNext, [](dao::Recordset& rs) { rs.MoveNext(); });
}

void DataControl::MovePrevious() {
    move(Action::MovePrevious, [](dao::Recordset& rs) { rs.MovePrevious(); });
}

void DataControl::GoTo(Bookmark b) {
    move(Action::Bookmark, [b](dao::Recordset& rs) { rs.setBookmark(b); });
}

bool DataControl::FindFirst(const std::function<bool(const dao::Recordset&)>& pred) {
    bool found = false;
    move(Action::Find, [&](dao::Recordset& rs) {
        // Where to come back to when nothing matches.
        enum class Where { Row, Start, End } where = Where::Start;
        Bookmark back = 0;
        if (hasCurrent() && rs.editMode() != EditMode::Add) {
            where = Where::Row;
            back = rs.bookmark();
        } else if (rs.isEOF() && !rs.isBOF()) {
            where = Where::End;
        }
        if (!rs.isBOF() || !rs.isEOF()) {
            for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext()) {
                if (pred(rs)) {
                    found = true;
                    return;
                }
            }
        }
        switch (where) {
        case Where::Row: rs.setBookmark(back); break;
        case Where::End: break;  // the walk ended there
        case Where::Start:
            if (!rs.isBOF() || !rs.isEOF()) {
                rs.MoveFirst();
                rs.MovePrevious();
            }
            break;
        }
    });
    return found;
}

bool DataControl::FindFirst(const QString& field, long value) {
    return FindFirst([&](const dao::Recordset& rs) {
        const dao::Variant v = rs.value(field);
        return !v.isNull() && v.isNumeric() && v.toLong() == value;
    });
}

bool DataControl::Browse(Step step) {
    if (!isOpen()) return false;
    switch (step) {
    case Step::First:
        if (isBOF()) return false;
        MoveFirst();
        return true;
    case Step::Previous:
        if (isBOF()) return false;
        MovePrevious();
        if (!isBOF()) return true;
        MoveNext();
        return false;
    case Step::Next:
        if (isEOF()) return false;
        MoveNext();
        if (!isEOF()) return true;
        MovePrevious();
        return false;
    case Step::Last:
        if (isEOF()) return false;
        MoveLast();
        return true;
    }
    return false;
}

void DataControl::AddNew() {
    Validate(Action::AddNew);
    Recordset().AddNew();
    moved();
}

void DataControl::Edit() { Recordset().Edit(); }

void DataControl::writeBoxes() {
    dao::Recordset& rs = Recordset();
    for (const Binding& b : bindings_) {
        if (!b.box || !rs.hasField(b.field)) continue;
        dao::Field f = rs.field(b.field);
        const QString text = b.box->text();
        const bool empty = text.trimmed().isEmpty();
        const dao::FieldType t = f.type();
        if (empty && b.empty == Empty::Keep) continue;
        if (empty && b.empty == Empty::Blank) {
            f.setValue(dao::Variant(QStringLiteral(" ")));
        } else if (t == dao::FieldType::Text || t == dao::FieldType::Memo) {
            f.setValue(dao::Variant(text));
        } else if (isNumberType(t)) {
            if (empty)
                f.setValue(dao::Variant());
            else if (const std::optional<long> n = core::ReadWholeNumber(text)) {
                f.setValue(dao::Variant(*n));
            }
        } else if (t == dao::FieldType::Currency) {
            if (empty)
                f.setValue(dao::Variant());
            else if (const std::optional<dao::Currency> c = dao::Currency::parse(text))
                f.setValue(dao::Variant(*c));
        } else if (t == dao::FieldType::Double || t == dao::FieldType::Single) {
            if (empty)
                f.setValue(dao::Variant());
            else if (const std::optional<dao::Currency> c = dao::Currency::parse(text))
                f.setValue(dao::Variant(c->toDouble()));
        } else if (t == dao::FieldType::Date) {
            if (empty)
                f.setValue(dao::Variant());
            else if (const std::optional<dao::Date> d = dao::Date::fromText(text))
                f.setValue(dao::Variant(*d));
        }
    }
}

void DataControl::store() {
    dao::Recordset& rs = Recordset();
    const bool adding = rs.editMode() == EditMode::Add;
    if (store_) store_();
    if (write_) {
        dao::Database db = Database();
        dao::InTransaction(db, [&] {
            write_();
            writeBoxes();
            rs.Update();
        });
    } else {
        writeBoxes();
        rs.Update();
    }
    // The record set would stand again on the row it stood on before the
    // new one; the boxes show the new row, so that is the current one.
    if (adding) rs.setBookmark(rs.LastModified());
}

void DataControl::UpdateRecord() {
    dao::Recordset& rs = Recordset();
    if (rs.editMode() == EditMode::None) rs.Edit();
    store();
}

void DataControl::StorePending() {
    if (!isEditing()) return;
    store();
}

void DataControl::CancelUpdate() { Recordset().CancelUpdate(); }

void DataControl::Delete() { Recordset().Delete(); }

void DataControl::setField(const QString& field, const dao::Variant& v) {
    dao::Recordset& rs = Recordset();
    if (rs.editMode() == EditMode::None) rs.Edit();
    rs.setValue(field, v);
}

void DataControl::Bind(QLineEdit* box, const QString& field, Empty empty) {
    bindings_.push_back(Binding{box, field, empty});
}

void DataControl::UpdateControls() {
    const bool current = hasCurrent();
    for (const Binding& b : bindings_) {
        if (!b.box) continue;
        QString text;
        if (current && rs_.hasField(b.field)) text = boxText(rs_.value(b.field));
        ui::ChangeGuard guard(b.box);
        b.box->setText(text);
    }
}

void DataControl::forEachRow(const std::function<void(const dao::Recordset&)>& f) {
    if (source_.isEmpty()) return;
    dao::Database db = Database();
    dao::Recordset rs = db.OpenRecordset(source_, dao::RecordsetType::Snapshot, dao::dbReadOnly, params_);
    for (; !rs.isEOF(); rs.MoveNext()) f(rs);
    rs.Close();
}

}  // namespace legacy
