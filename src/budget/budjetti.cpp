#include "budget/budjetti.h"

#include "core/dbc.h"
#include "core/nz.h"

namespace budget {

namespace {

QString monthField(int m) { return QStringLiteral("buKuukausi") + QString::number(m); }

void checkMonth(int index) {
    if (index < 1 || index > cBudjetti::kMonths)
        throw dao::DaoError(9, QStringLiteral("Indeksi %1 on alueen ulkopuolella.").arg(index));
}

const core::detail::RowTable kBu{"bu", "buID"};

QString yearCondition(long Kausi) {
    switch (Kausi) {
    case kEdellinen: return QStringLiteral("buEdellinen = True");
    case kTuleva: return QStringLiteral("buTuleva = True");
    default: return QStringLiteral("buNykyinen = True");
    }
}

}  // namespace

cBudjetti::cBudjetti() = default;

cBudjetti::~cBudjetti() {
    if (r_.f.released) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { applyReleaseRule(); });
}

QString cBudjetti::describe() const {
    return QStringLiteral("Budjetti (buID %1, tlID %2)").arg(r_.id).arg(r_.v.tlID);
}

dao::Currency cBudjetti::KuukausiArvo(int index) const {
    checkMonth(index);
    return r_.shown().months[size_t(index - 1)];
}

void cBudjetti::setKuukausiArvo(int index, dao::Currency v) {
    checkMonth(index);
    r_.set(r_.v.months[size_t(index - 1)], v);
}

dao::Currency cBudjetti::Vuosi() const {
    dao::Currency sum;
    if (r_.f.isEmpty) return sum;
    for (const dao::Currency& m : r_.v.months) sum += m;
    return sum;
}

void cBudjetti::clearFields() {
    r_.id = 0;
    r_.v = Values{};
}

void cBudjetti::load(const dao::Recordset& rs) {
    r_.id = core::NzLong(rs.value(QStringLiteral("buID")), 0);
    r_.v.tlID = core::NzLong(rs.value(QStringLiteral("butlID")), 0);
    for (int m = 1; m <= kMonths; ++m)
        r_.v.months[size_t(m - 1)] = core::NzCurrency(rs.value(monthField(m)), dao::Currency());
    r_.v.Edellinen = core::NzBoolean(rs.value(QStringLiteral("buEdellinen")), false);
    r_.v.Nykyinen = core::NzBoolean(rs.value(QStringLiteral("buNykyinen")), false);
    r_.v.Tuleva = core::NzBoolean(rs.value(QStringLiteral("buTuleva")), false);
}

bool cBudjetti::ReadByModelAndAccount(long tlID, long Kausi) {
    if (r_.f.isEmpty) return false;
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
    r_.tie.bindCurrent();
    rs.Close();
    r_.undo = r_.v;
    return found;
}

bool cBudjetti::Read(long id) {
    return r_.readOrClear(kBu, id, [this](const dao::Recordset& rs) { load(rs); });
}

bool cBudjetti::Save(bool bForce) {
    return r_.save(bForce, kBu, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("butlID"), dao::Variant(r_.v.tlID));
        for (int m = 1; m <= kMonths; ++m) rs.setValue(monthField(m), dao::Variant(r_.v.months[size_t(m - 1)]));
        rs.setValue(QStringLiteral("buEdellinen"), dao::Variant(r_.v.Edellinen));
        rs.setValue(QStringLiteral("buNykyinen"), dao::Variant(r_.v.Nykyinen));
        rs.setValue(QStringLiteral("buTuleva"), dao::Variant(r_.v.Tuleva));
    });
}

bool cBudjetti::Delete(bool bForce) {
    if (r_.f.isEmpty && !bForce) return false;
    if (r_.id != 0) {
        dao::Database db = r_.tie.openOwn([this] { return describe(); });
        core::detail::deleteRow(db, kBu, r_.id);
    }
    clearFields();
    return false;
}

void cBudjetti::applyReleaseRule() {
    if (r_.f.isEmpty && r_.id == 0) return;
    if (r_.v.tlID != 0)
        Save(false);
    else if (r_.id != 0)
        Delete(true);
}

cBudjetti::State cBudjetti::state() const { return State{r_.id, r_.v, r_.undo, r_.f, r_.tie}; }

void cBudjetti::restore(const State& s) {
    r_.id = s.id;
    r_.v = s.values;
    r_.undo = s.undo;
    r_.f = s.flags;
    r_.tie = s.tie;
}

// ---------------------------------------------------------------- the budget as a whole

void PoistaBudjetti(long Kausi) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] { db.Execute(QStringLiteral("DELETE FROM bu WHERE ") + yearCondition(Kausi)); });
}

bool TulevaBudjettiOlemassa() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT buID FROM bu WHERE buTuleva = True"),
                                         dao::RecordsetType::Snapshot);
    const bool exists = !rs.isEOF();
    rs.Close();
    return exists;
}

void KopioiNykyinenBudjettiTulevaksi() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] {
        db.Execute(QStringLiteral("DELETE FROM bu WHERE buTuleva = True"));
        dao::Recordset source = db.OpenRecordset(QStringLiteral("SELECT * FROM bu WHERE buNykyinen = True ORDER BY buID"),
                                                 dao::RecordsetType::Snapshot);
        dao::Recordset target =
            db.OpenRecordset(QStringLiteral("SELECT * FROM bu WHERE buTuleva = True"), dao::RecordsetType::Dynaset);
        for (; !source.isEOF(); source.MoveNext()) {
            target.AddNew();
            target.setValue(QStringLiteral("butlID"), source.value(QStringLiteral("butlID")));
            for (int m = 1; m <= cBudjetti::kMonths; ++m) target.setValue(monthField(m), source.value(monthField(m)));
            target.setValue(QStringLiteral("buEdellinen"), source.value(QStringLiteral("buEdellinen")));
            target.setValue(QStringLiteral("buNykyinen"), dao::Variant(false));
            target.setValue(QStringLiteral("buTuleva"), dao::Variant(true));
            target.Update();
        }
        source.Close();
        target.Close();
    });
}

bool ViimeinenTulosriviTyhja(dao::Database& db) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tulaTyyppi, tulaTeksti FROM tula ORDER BY tulaID DESC"),
                                         dao::RecordsetType::Snapshot);
    bool blank = false;
    if (!rs.isEOF())
        blank = rs.value(QStringLiteral("tulaTyyppi")).isNull() &&
                core::NzString(rs.value(QStringLiteral("tulaTeksti")), QString()).trimmed().isEmpty();
    rs.Close();
    return blank;
}

}  // namespace budget
