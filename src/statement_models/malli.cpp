#include "statement_models/malli.h"

#include "core/nz.h"

#include <QSet>

namespace statement_models {

using core::NzBoolean;
using core::NzLong;
using core::NzString;
using core::detail::BookTie;

namespace {

dao::Variant V(long v) { return dao::Variant(v); }

}  // namespace

QStringList SplitPieces(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return {};
    QStringList pieces = t.split(QLatin1Char(','));
    if (pieces.size() > 1 && pieces.last().isEmpty()) pieces.removeLast();
    return pieces;
}

QString GetRivinTeksti(dao::Database& db, long mrID) {
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT mrTeksti FROM mr WHERE mrID = ?"), dao::RecordsetType::Snapshot, {V(mrID)});
    const QString text = rs.isEOF() ? QString() : NzString(rs.value(QStringLiteral("mrTeksti")), QString());
    rs.Close();
    return text;
}

namespace {

// The rows a query of mrID and mrTeksti returns, in its order.
QList<ModelRowEntry> rowEntries(dao::Database& db, const QString& sql, const dao::Params& params) {
    QList<ModelRowEntry> rows;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    for (; !rs.isEOF(); rs.MoveNext())
        rows << ModelRowEntry{NzLong(rs.value(QStringLiteral("mrID")), 0),
                              NzString(rs.value(QStringLiteral("mrTeksti")), QString())};
    rs.Close();
    return rows;
}

// The keys of the rows a query of mrID returns, in its order.
QList<long> rowKeys(dao::Database& db, const QString& sql, const dao::Params& params) {
    QList<long> keys;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
    for (; !rs.isEOF(); rs.MoveNext()) keys << NzLong(rs.value(QStringLiteral("mrID")), 0);
    rs.Close();
    return keys;
}

// Every row below the row k, depth first, each after the rows below it. A
// parent chain that returns to itself (a damaged model) is followed only once.
QList<long> rowsBelow(dao::Database& db, long k) {
    QSet<long> seen{k};
    QList<long> below;
    std::function<void(long)> collect = [&](long parent) {
        for (long child : rowKeys(db, QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"), {V(parent)})) {
            if (seen.contains(child)) continue;
            seen.insert(child);
            collect(child);
            below << child;
        }
    };
    collect(k);
    return below;
}

}  // namespace

QList<ModelRowEntry> TopRows(dao::Database& db, long maID) {
    return rowEntries(db,
                      QStringLiteral("SELECT mrID, mrTeksti FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = 0 "
                                     "ORDER BY mrGroupOrder, mrID"),
                      {V(maID)});
}

QList<ModelRowEntry> ChildRows(dao::Database& db, long mrID) {
    return rowEntries(db, QStringLiteral("SELECT mrID, mrTeksti FROM mr WHERE mrBelongsToGroup = ? ORDER BY mrGroupOrder, mrID"),
                      {V(mrID)});
}

bool HasChildRows(dao::Database& db, long mrID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"),
                                         dao::RecordsetType::Snapshot, {V(mrID)});
    const bool any = !rs.isEOF();
    rs.Close();
    return any;
}

QList<ModelRowEntry> RowsByText(dao::Database& db, long maID) {
    return rowEntries(db, QStringLiteral("SELECT mrID, mrTeksti FROM mr WHERE mrmaID = ? ORDER BY mrTeksti, mrID"), {V(maID)});
}

long ModelRowCount(dao::Database& db, long maID) {
    return NzLong(core::detail::aggregate(db, QStringLiteral("SELECT COUNT(mrID) FROM mr WHERE mrmaID = ?"), {V(maID)}), 0);
}

QList<ProfitRow> ProfitRows(dao::Database& db) {
    QList<ProfitRow> rows;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT maID, maNimi FROM ma, mr WHERE mrmaID = maID AND mrIsVoitto = True ORDER BY mrID"),
        dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext())
        rows << ProfitRow{NzLong(rs.value(QStringLiteral("maID")), 0),
                          NzString(rs.value(QStringLiteral("maNimi")), QString())};
    rs.Close();
    return rows;
}

std::optional<QString> ModelName(dao::Database& db, long maID) {
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT maNimi FROM ma WHERE maID = ?"), dao::RecordsetType::Snapshot, {V(maID)});
    std::optional<QString> name;
    if (!rs.isEOF()) name = NzString(rs.value(QStringLiteral("maNimi")), QString());
    rs.Close();
    return name;
}

// ================================================================ cMalli

namespace {

const core::detail::RowTable kMa{"ma", "maID"};
const core::detail::RowTable kMr{"mr", "mrID"};

}  // namespace

cMalli::cMalli() = default;

cMalli::~cMalli() { r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); }); }

QString cMalli::describe() const { return QStringLiteral("Malli %1 (maID %2)").arg(r_.v.Nimi).arg(r_.id); }

void cMalli::setNimi(const QString& v) {
    r_.setText(r_.v.Nimi, v, 50);
    if (v.isEmpty()) r_.v.Nimi = QStringLiteral(" ");
    if (NameChanged) NameChanged(id(), r_.v.Nimi, r_.v.Tyyppi);
}

bool cMalli::Read(long id) {
    return r_.readOrReset(kMa, id, [this](const dao::Recordset& rs) {
        r_.v.Nimi = NzString(rs.value(QStringLiteral("maNimi")), QString());
        // A model without a type is none of the two kinds.
        r_.v.Tyyppi = int(NzLong(rs.value(QStringLiteral("maTyyppi")), 0));
        r_.v.Suojattu = NzBoolean(rs.value(QStringLiteral("maSuojattu")), false);
        r_.v.TulosMaID = NzLong(rs.value(QStringLiteral("maTulosMaID")), 0);
    });
}

bool cMalli::Save(bool Force) {
    return r_.save(Force, kMa, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("maNimi"), dao::Variant(r_.v.Nimi));
        rs.setValue(QStringLiteral("maTyyppi"), dao::Variant(long(r_.v.Tyyppi)));
        rs.setValue(QStringLiteral("maSuojattu"), dao::Variant(r_.v.Suojattu));
        rs.setValue(QStringLiteral("maTulosMaID"), dao::Variant(r_.v.TulosMaID));
    });
}

void cMalli::Delete() {
    r_.removeWith([this] { return describe(); }, [this](dao::Database& db) {
        dao::InTransaction(db, [&] {
            db.Execute(QStringLiteral("DELETE FROM ma WHERE maID = ?"), {V(r_.id)});
            db.Execute(QStringLiteral("DELETE FROM mr WHERE mrmaID = ?"), {V(r_.id)});
        });
    });
}

std::unique_ptr<cMalliRivi> cMalli::AddModelRow(const QString& sTeksti, long lGroupOrder, const QString& sSaldoPuoli) {
    if (r_.f.isEmpty) return core::detail::placeholder<cMalliRivi>();
    auto row = std::make_unique<cMalliRivi>();
    row->setMalliId(r_.id);
    row->setTeksti(sTeksti);
    row->setGroupOrder(lGroupOrder);
    row->setTilit(QStringLiteral(" "));
    row->setSaldoPuoli(sSaldoPuoli);
    row->setBelongsToGroup(0);
    row->Save(false);
    return row;
}

// ================================================================ cMalliRivi

cMalliRivi::cMalliRivi() = default;

cMalliRivi::~cMalliRivi() { r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); }); }

QString cMalliRivi::describe() const { return QStringLiteral("Mallin rivi %1 (mrID %2)").arg(r_.v.Teksti).arg(r_.id); }

void cMalliRivi::setTeksti(const QString& v) {
    r_.setText(r_.v.Teksti, v, 50);
    if (NameChanged) NameChanged(id(), r_.v.Teksti);
}

void cMalliRivi::SetDefaultGroupOrder() {
    dao::Database db = BookTie::open();
    const dao::Variant largest = core::detail::aggregate(
        db, QStringLiteral("SELECT MAX(mrGroupOrder) FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = ?"),
        {V(r_.v.MalliId), V(r_.v.BelongsToGroup)});
    setGroupOrder(core::detail::plusOne(largest));
}

QList<long> cMalliRivi::siblingsAt(dao::Database& db, long order) const {
    return rowKeys(db,
                   QStringLiteral("SELECT mrID FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = ? AND mrGroupOrder = ? "
                                  "ORDER BY mrID"),
                   {V(r_.v.MalliId), V(r_.v.BelongsToGroup), V(order)});
}

bool cMalliRivi::moveWith(const std::function<bool(dao::Database&)>& move) {
    if (r_.f.isEmpty || r_.id == 0) return false;
    dao::Database db = r_.tie.openOwn([this] { return describe(); });
    const long before = r_.v.GroupOrder;
    bool moved = false;
    try {
        dao::InTransaction(db, [&] { moved = move(db); });
    } catch (...) {
        // The book is as it was; so is the row's place in memory.
        r_.v.GroupOrder = before;
        throw;
    }
    return moved;
}

bool cMalliRivi::MoveRowUp() {
    return moveWith([this](dao::Database& db) {
        const long o = r_.v.GroupOrder;
        auto shift = [&](long k) {
            db.Execute(QStringLiteral("UPDATE mr SET mrGroupOrder = mrGroupOrder + 1 WHERE mrID = ?"), {V(k)});
        };
        if (o == 0) {
            // Already first: the others at 0 go below it; the row is not written.
            QList<long> others = siblingsAt(db, 0);
            others.removeAll(r_.id);
            for (long k : others) shift(k);
            return !others.isEmpty();
        }
        const QList<long> above = siblingsAt(db, o - 1);
        if (!above.isEmpty()) shift(above.first());
        setGroupOrder(o - 1);
        Save(false);
        return true;
    });
}

bool cMalliRivi::MoveRowDown() {
    return moveWith([this](dao::Database& db) {
        const long o = r_.v.GroupOrder;
        const dao::Params group{V(r_.v.MalliId), V(r_.v.BelongsToGroup)};
        const dao::Variant largest = core::detail::aggregate(
            db, QStringLiteral("SELECT MAX(mrGroupOrder) FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = ?"), group);
        if (largest.isNull() || NzLong(largest, 0) == o) {
            // Last already: it goes past the others when there are any.
            const long siblings = NzLong(
                core::detail::aggregate(
                    db, QStringLiteral("SELECT COUNT(mrGroupOrder) FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = ?"), group),
                1);
            if (siblings <= 1) return false;
        } else {
            const QList<long> below = siblingsAt(db, o + 1);
            if (!below.isEmpty())
                db.Execute(QStringLiteral("UPDATE mr SET mrGroupOrder = mrGroupOrder - 1 WHERE mrID = ?"), {V(below.first())});
        }
        setGroupOrder(o + 1);
        Save(false);
        return true;
    });
}

bool cMalliRivi::SaveWithRowsBelow() {
    if (r_.f.isEmpty) return false;
    dao::Database db = r_.tie.openOwn([this] { return describe(); });
    dao::InTransaction(db, [&] {
        Save(false);
        for (long k : rowsBelow(db, r_.id)) {
            cMalliRivi below;
            if (!below.Read(k)) continue;
            if (!r_.v.SaldoPuoli.isEmpty()) below.setSaldoPuoli(r_.v.SaldoPuoli);
            below.setMalliId(r_.v.MalliId);
            below.Save(false);
        }
    });
    return true;
}

bool cMalliRivi::Read(long id) {
    return r_.readOrReset(kMr, id, [this](const dao::Recordset& rs) {
        auto text = [&](const char* c) { return NzString(rs.value(QString::fromLatin1(c)), QString()); };
        auto number = [&](const char* c) { return NzLong(rs.value(QString::fromLatin1(c)), 0); };
        auto flag = [&](const char* c) { return NzBoolean(rs.value(QString::fromLatin1(c)), false); };
        r_.v.MalliId = number("mrmaID");
        r_.v.SaldoPuoli = text("mrSaldoPuoli");
        r_.v.Tilit = text("mrTilit");
        r_.v.BelongsToGroup = number("mrBelongsToGroup");
        r_.v.GroupOrder = number("mrGroupOrder");
        r_.v.Teksti = text("mrTeksti");
        r_.v.Kaava = text("mrKaava");
        r_.v.IsLiikevaihto = flag("mrIsLiikevaihto");
        r_.v.IsEquation = flag("mrIsEquation");
        r_.v.IsVoitto = flag("mrIsVoitto");
        r_.v.tlID = number("mrtlID");
        r_.v.viTyyppi = text("mrviTyyppi");
    });
}

bool cMalliRivi::Save(bool Force) {
    return r_.save(Force, kMr, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("mrmaID"), V(r_.v.MalliId));
        rs.setValue(QStringLiteral("mrSaldoPuoli"), dao::Variant(r_.v.SaldoPuoli));
        rs.setValue(QStringLiteral("mrTilit"), dao::Variant(r_.v.Tilit));
        rs.setValue(QStringLiteral("mrBelongsToGroup"), V(r_.v.BelongsToGroup));
        rs.setValue(QStringLiteral("mrGroupOrder"), V(r_.v.GroupOrder));
        rs.setValue(QStringLiteral("mrTeksti"), dao::Variant(r_.v.Teksti));
        rs.setValue(QStringLiteral("mrKaava"), dao::Variant(r_.v.Kaava));
        rs.setValue(QStringLiteral("mrIsLiikevaihto"), dao::Variant(r_.v.IsLiikevaihto));
        rs.setValue(QStringLiteral("mrIsEquation"), dao::Variant(r_.v.IsEquation));
        rs.setValue(QStringLiteral("mrIsVoitto"), dao::Variant(r_.v.IsVoitto));
        rs.setValue(QStringLiteral("mrtlID"), V(r_.v.tlID));
        rs.setValue(QStringLiteral("mrviTyyppi"), dao::Variant(r_.v.viTyyppi));
    });
}

void cMalliRivi::Delete() {
    r_.removeWith([this] { return describe(); }, [this](dao::Database& db) {
        // Every row goes after the rows below it, the row itself last.
        dao::InTransaction(db, [&] {
            QList<long> rows = rowsBelow(db, r_.id);
            rows << r_.id;
            for (long k : rows) db.Execute(QStringLiteral("DELETE FROM mr WHERE mrID = ?"), {V(k)});
        });
    });
}

std::unique_ptr<cMalliRivi> cMalliRivi::AddModelRow(const QString& sTeksti, long lGroupOrder,
                                                    const QString& sSaldoPuoli) {
    if (r_.f.isEmpty) return core::detail::placeholder<cMalliRivi>();
    auto row = std::make_unique<cMalliRivi>();
    row->setMalliId(r_.v.MalliId);
    row->setBelongsToGroup(r_.id);
    row->setTeksti(sTeksti);
    row->setGroupOrder(lGroupOrder);
    row->setTilit(QStringLiteral(" "));
    row->setSaldoPuoli(sSaldoPuoli.isEmpty() ? r_.v.SaldoPuoli : sSaldoPuoli);
    row->Save(false);
    return row;
}

}  // namespace statement_models
