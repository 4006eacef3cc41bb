#include "accounts/kustannuspaikka.h"

#include "core/nz.h"

#include <optional>

namespace accounts {

namespace {

QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

std::unique_ptr<cKustannuspaikka> placeholder() {
    auto k = std::make_unique<cKustannuspaikka>();
    k->setIsEmpty(true);
    return k;
}

// A new object read from the first row of the query, or a placeholder.
std::unique_ptr<cKustannuspaikka> costCentreAt(const QString& sql, const dao::Params& params = {}) {
    std::optional<long> key;
    {
        dao::Database db = core::detail::BookTie::open();
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        if (!rs.isEOF()) key = core::NzLong(rs.value(QStringLiteral("kpID")), 0);
        rs.Close();
    }
    if (!key) return placeholder();
    auto k = std::make_unique<cKustannuspaikka>();
    k->Read(*key);
    return k;
}

}  // namespace

cKustannuspaikka::cKustannuspaikka() = default;

cKustannuspaikka::~cKustannuspaikka() {
    if (released_ || isEmpty_ || !dirty_) return;
    core::detail::saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cKustannuspaikka::describe() const {
    return QStringLiteral("Kustannuspaikka %1 (kpID %2)").arg(v_.Numero).arg(id_);
}

void cKustannuspaikka::raiseNameChanged() {
    if (id_ != 0 && NameChanged) NameChanged(id_, v_.Numero, v_.Nimi);
}

void cKustannuspaikka::setNimi(const QString& v) {
    if (v != v_.Nimi) dirty_ = true;
    v_.Nimi = core::detail::cutText(v, kNimiWidth);
    raiseNameChanged();
}

void cKustannuspaikka::setKuvaus(const QString& v) {
    if (v != v_.Kuvaus) dirty_ = true;
    v_.Kuvaus = core::detail::cutText(v, kKuvausWidth);
}

void cKustannuspaikka::setNumero(long v) {
    if (v != v_.Numero) dirty_ = true;
    v_.Numero = v;
    raiseNameChanged();
}

void cKustannuspaikka::Undo() {
    if (isEmpty_) return;
    v_ = undo_;
}

void cKustannuspaikka::resetAsCreated() {
    id_ = 0;
    v_ = Values{};
    undo_ = v_;
    dirty_ = false;
    isEmpty_ = false;
    tie_.clear();
}

bool cKustannuspaikka::Read(long id) {
    if (isEmpty_) return false;
    dao::Database db = core::detail::BookTie::open();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM kp WHERE kpID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(id)});
    const bool found = !rs.isEOF();
    if (found) {
        // The changed flag is left as it was.
        id_ = id;
        v_.Nimi = core::NzString(rs.value(QStringLiteral("kpNimi")), QString());
        v_.Kuvaus = core::NzString(rs.value(QStringLiteral("kpKuvaus")), QString());
        v_.Numero = core::NzLong(rs.value(QStringLiteral("kpNumero")), 0);
        tie_.bindCurrent();
        undo_ = v_;
    } else {
        resetAsCreated();
    }
    rs.Close();
    return found;
}

bool cKustannuspaikka::Save(bool bForce) {
    if (isEmpty_) return false;
    if (!bForce && !dirty_) return true;
    dao::Database db = tie_.openOwn([this] { return describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM kp WHERE kpID = ?"),
                                         dao::RecordsetType::Dynaset, {dao::Variant(id_)});
    long key = id_;
    if (id_ != 0) {
        // A row deleted meanwhile: Edit finds no current record.
        rs.Edit();
    } else {
        rs.AddNew();
        key = core::NzLong(rs.value(QStringLiteral("kpID")), 0);
    }
    rs.setValue(QStringLiteral("kpNimi"), dao::Variant(blankIfEmpty(v_.Nimi)));
    rs.setValue(QStringLiteral("kpKuvaus"), dao::Variant(blankIfEmpty(v_.Kuvaus)));
    rs.setValue(QStringLiteral("kpNumero"), dao::Variant(v_.Numero));
    rs.Update();
    // The key is the object's only once the row is stored.
    id_ = key;
    dirty_ = false;
    undo_ = v_;
    tie_.bindCurrentIfUnbound();
    rs.Close();
    return true;
}

void cKustannuspaikka::Delete() {
    if (isEmpty_) return;
    if (id_ != 0) {
        dao::Database db = tie_.openOwn([this] { return describe(); });
        db.Execute(QStringLiteral("DELETE FROM kp WHERE kpID = ?"), {dao::Variant(id_)});
    }
    resetAsCreated();
}

void cKustannuspaikka::Release() {
    if (released_) return;
    released_ = true;
    if (!isEmpty_) Save(false);
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetFirst() const {
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > 0 ORDER BY kpNumero ASC"));
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetLast() const {
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > 0 ORDER BY kpNumero DESC"));
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetPrevious() const {
    if (isEmpty_) return placeholder();
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero < ? ORDER BY kpNumero DESC"),
                        {dao::Variant(v_.Numero)});
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetNext() const {
    if (isEmpty_) return placeholder();
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > ? ORDER BY kpNumero ASC"),
                        {dao::Variant(v_.Numero)});
}

}  // namespace accounts
