#include "accounts/views/tilitarkastelu.h"

#include "core/nz.h"

namespace accounts {

cTiliTarkastelu::cTiliTarkastelu() { clear(); }

cTiliTarkastelu::~cTiliTarkastelu() {
    if (released_ || isEmpty_ || !dirty_) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cTiliTarkastelu::describe() const {
    return QStringLiteral("Tilitarkastelun rivi, tosite %1 (tltID %2)").arg(v_.Numero).arg(id_);
}

void cTiliTarkastelu::clear() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    dirty_ = false;
    isEmpty_ = false;
    tie_.clear();
}

void cTiliTarkastelu::Undo() {
    if (!isEmpty_) v_ = undo_;
}

void cTiliTarkastelu::setSelite(const QString& v) {
    if (v != v_.Selite) dirty_ = true;
    v_.Selite = core::detail::cutText(v, 255);
}

bool cTiliTarkastelu::Read(long id) {
    if (isEmpty_) return false;
    dao::Database db = core::detail::BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tlTarkastelut WHERE tltID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (!found) {
        clear();
    } else {
        id_ = id;
        v_.Numero = core::NzLong(rs.value(QStringLiteral("Numero")));
        v_.Paiva = core::NzDate(rs.value(QStringLiteral("Paiva")));
        v_.Selite = core::NzString(rs.value(QStringLiteral("Selite")));
        v_.Debet = core::NzCurrency(rs.value(QStringLiteral("Debet")));
        v_.Kredit = core::NzCurrency(rs.value(QStringLiteral("Kredit")));
        v_.Erotus = core::NzCurrency(rs.value(QStringLiteral("Erotus")));
        tie_.bindCurrent();
    }
    rs.Close();
    undo_ = v_;
    return found;
}

bool cTiliTarkastelu::Save(bool Force) {
    if (isEmpty_) return false;
    if (!Force && !dirty_) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tlTarkastelut WHERE tltID = ?"),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = core::NzLong(rs.value(QStringLiteral("tltID")));
    }
    rs.setValue(QStringLiteral("Numero"), dao::Variant(v_.Numero));
    rs.setValue(QStringLiteral("Paiva"), dao::Variant(v_.Paiva));
    rs.setValue(QStringLiteral("Selite"), dao::Variant(v_.Selite.isEmpty() ? QStringLiteral(" ") : v_.Selite));
    rs.setValue(QStringLiteral("Debet"), dao::Variant(v_.Debet));
    rs.setValue(QStringLiteral("Kredit"), dao::Variant(v_.Kredit));
    rs.setValue(QStringLiteral("Erotus"), dao::Variant(v_.Erotus));
    rs.Update();
    rs.Close();
    id_ = key;
    dirty_ = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    return true;
}

void cTiliTarkastelu::Delete() {
    if (isEmpty_) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM tlTarkastelut WHERE tltID = ?"), {dao::Variant(id_)});
    }
    clear();
}

void cTiliTarkastelu::Release() {
    if (released_) return;
    released_ = true;
    if (!isEmpty_) Save(false);
}

void cTiliTarkastelut::Tyhjenna() {
    core::detail::BookTie::open().Execute(QStringLiteral("DELETE FROM tlTarkastelut"));
}

}  // namespace accounts
