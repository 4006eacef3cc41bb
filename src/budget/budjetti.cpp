#include "budget/budjetti.h"

#include "core/nz.h"

namespace budget {

namespace {

QString monthField(int m) { return QStringLiteral("buKuukausi") + QString::number(m); }

void checkMonth(int index) {
    if (index < 1 || index > cBudjetti::kMonths)
        throw dao::DaoError(9, QStringLiteral("Indeksi %1 on alueen ulkopuolella.").arg(index));
}

}  // namespace

cBudjetti::cBudjetti() { undo_ = v_; }

cBudjetti::~cBudjetti() {
    if (f_.released) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { applyReleaseRule(); });
}

QString cBudjetti::describe() const {
    return QStringLiteral("Budjetti (buID %1, tlID %2)").arg(id_).arg(v_.tlID);
}

dao::Currency cBudjetti::KuukausiArvo(int index) const {
    checkMonth(index);
    return f_.isEmpty ? dao::Currency() : v_.months[size_t(index - 1)];
}

void cBudjetti::setKuukausiArvo(int index, dao::Currency v) {
    checkMonth(index);
    set(v_.months[size_t(index - 1)], v);
}

dao::Currency cBudjetti::Vuosi() const {
    dao::Currency sum;
    if (f_.isEmpty) return sum;
    for (const dao::Currency& m : v_.months) sum += m;
    return sum;
}

void cBudjetti::Undo() {
    if (f_.isEmpty) return;
    v_ = undo_;
}

void cBudjetti::clearFields() {
    id_ = 0;
    v_ = Values{};
}

void cBudjetti::load(const dao::Recordset& rs) {
    id_ = core::NzLong(rs.value(QStringLiteral("buID")), 0);
    v_.tlID = core::NzLong(rs.value(QStringLiteral("butlID")), 0);
    for (int m = 1; m <= kMonths; ++m)
        v_.months[size_t(m - 1)] = core::NzCurrency(rs.value(monthField(m)), dao::Currency());
    v_.Edellinen = core::NzBoolean(rs.value(QStringLiteral("buEdellinen")), false);
    v_.Nykyinen = core::NzBoolean(rs.value(QStringLiteral("buNykyinen")), false);
    v_.Tuleva = core::NzBoolean(rs.value(QStringLiteral("buTuleva")), false);
}

bool cBudjetti::ReadByModelAndAccount(long tlID, long Kausi) {
    if (f_.isEmpty) return false;
    dao::Database db = core::detail::BookTie::open();
    QString sql = QStringLiteral("SELECT * FROM bu WHERE butlID = ?");
    switch (Kausi) {
    case kEdellinen: sql += QStringLiteral(" AND buEdellinen = True AND buNykyinen = False AND buTuleva = False"); break;
    case kNykyinen: sql += QStringLiteral(" AND buEdellinen = False AND buNykyinen = True AND buTuleva = False"); break;
    case kTuleva: sql += QStringLiteral(" AND buEdellinen = False AND buNykyinen = False AND buTuleva = True"); break;
    default: break;
    }
    // The oldest row first, so that the same row is found every time.
    sql += QStringLiteral(" ORDER BY buID");
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
    const bool found = !rs.isEOF();
    if (found) {
        load(rs);
    } else {
        clearFields();
        // Through the setters: the new row is dirty and gets written.
        settlID(tlID);
        if (Kausi >= kEdellinen && Kausi <= kTuleva) {
            setEdellinen(Kausi == kEdellinen);
            setNykyinen(Kausi == kNykyinen);
            setTuleva(Kausi == kTuleva);
        }
    }
    tie_.bindCurrent();
    rs.Close();
    undo_ = v_;
    return found;
}

bool cBudjetti::Read(long id) {
    if (f_.isEmpty) return false;
    dao::Database db = core::detail::BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM bu WHERE buID = ?"), dao::RecordsetType::Snapshot,
                                         {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (found)
        load(rs);
    else
        clearFields();
    tie_.bindCurrent();
    rs.Close();
    undo_ = v_;
    return found;
}

bool cBudjetti::Save(bool bForce) {
    if (f_.isEmpty) return false;
    if (!bForce && !f_.dirty) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM bu WHERE buID = ?"), dao::RecordsetType::Dynaset,
                                         {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        // A row deleted under the object gives "no current record" here.
        rs.Edit();
    } else {
        rs.AddNew();
        key = core::NzLong(rs.value(QStringLiteral("buID")), 0);
    }
    rs.setValue(QStringLiteral("butlID"), dao::Variant(v_.tlID));
    for (int m = 1; m <= kMonths; ++m) rs.setValue(monthField(m), dao::Variant(v_.months[size_t(m - 1)]));
    rs.setValue(QStringLiteral("buEdellinen"), dao::Variant(v_.Edellinen));
    rs.setValue(QStringLiteral("buNykyinen"), dao::Variant(v_.Nykyinen));
    rs.setValue(QStringLiteral("buTuleva"), dao::Variant(v_.Tuleva));
    rs.Update();
    id_ = key;
    f_.dirty = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

bool cBudjetti::Delete(bool bForce) {
    if (f_.isEmpty && !bForce) return false;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM bu WHERE buID = ?"), {dao::Variant(id_)});
    }
    clearFields();
    return false;
}

void cBudjetti::applyReleaseRule() {
    if (f_.isEmpty && id_ == 0) return;
    if (v_.tlID != 0)
        Save(false);
    else if (id_ != 0)
        Delete(true);
}

void cBudjetti::Release() {
    if (f_.released) return;
    f_.released = true;
    applyReleaseRule();
}

cBudjetti::State cBudjetti::state() const { return State{id_, v_, undo_, f_, tie_}; }

void cBudjetti::restore(const State& s) {
    id_ = s.id;
    v_ = s.values;
    undo_ = s.undo;
    f_ = s.flags;
    tie_ = s.tie;
}

}  // namespace budget
