#include "accounts/views/tiliensaldo.h"

#include "core/nz.h"

namespace accounts {

cTilienSaldo::cTilienSaldo() { clear(); }

cTilienSaldo::~cTilienSaldo() {
    if (released_ || isEmpty_ || !dirty_) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cTilienSaldo::describe() const { return QStringLiteral("Tilin saldo %1 (tlsID %2)").arg(v_.Tili).arg(id_); }

void cTilienSaldo::clear() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    dirty_ = false;
    isEmpty_ = false;
    tie_.clear();
}

void cTilienSaldo::Undo() {
    if (!isEmpty_) v_ = undo_;
}

void cTilienSaldo::setTili(const QString& v) {
    if (v != v_.Tili) dirty_ = true;
    v_.Tili = core::detail::cutText(v, 255);
}

bool cTilienSaldo::Read(long id) {
    if (isEmpty_) return false;
    dao::Database db = core::detail::BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tlSaldot WHERE tlsID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (!found) {
        clear();
    } else {
        id_ = id;
        v_.Tili = core::NzString(rs.value(QStringLiteral("Tili")));
        v_.Debet = core::NzCurrency(rs.value(QStringLiteral("Debet")));
        v_.Kredit = core::NzCurrency(rs.value(QStringLiteral("Kredit")));
        v_.Erotus = core::NzCurrency(rs.value(QStringLiteral("Erotus")));
        tie_.bindCurrent();
    }
    rs.Close();
    undo_ = v_;
    return found;
}

bool cTilienSaldo::Save(bool Force) {
    if (isEmpty_) return false;
    if (!Force && !dirty_) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tlSaldot WHERE tlsID = ?"),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        rs.Edit();
    } else {
        rs.AddNew();
        key = core::NzLong(rs.value(QStringLiteral("tlsID")));
    }
    rs.setValue(QStringLiteral("Tili"), dao::Variant(v_.Tili));
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

void cTilienSaldo::Delete() {
    if (isEmpty_) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM tlSaldot WHERE tlsID = ?"), {dao::Variant(id_)});
    }
    clear();
}

void cTilienSaldo::Release() {
    if (released_) return;
    released_ = true;
    if (!isEmpty_) Save(false);
}

void cTilienSaldot::Tyhjenna() { core::detail::BookTie::open().Execute(QStringLiteral("DELETE FROM tlSaldot")); }

}  // namespace accounts
