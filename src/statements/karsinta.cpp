// Pruning of the groups whose lines are all zero, in tula and tase, and the
// removal of the separators after the balance sheet's top-level blocks.
//
// A group is a header and a total of the same level with the same text, its
// own lines between them at deeper levels, and a separator after the total.
// The walk over one level pairs neighbouring lines of equal text.

#include "statements/statements.h"

#include "core/dbc.h"
#include "core/nz.h"
#include "statements/detail.h"

namespace statements {

using core::NzCurrency;
using core::NzLong;
using core::NzString;

namespace {

struct Taulu {
    QString table, id, level, text;
    QStringList tested;  // the columns of the value test
    bool pruneTopSingles;
};

const Taulu& tula() {
    static const Taulu t{QStringLiteral("tula"),
                         QStringLiteral("tulaID"),
                         QStringLiteral("tulaTyyppi"),
                         QStringLiteral("tulaTeksti"),
                         {QStringLiteral("tulaToteutunutKuluva"), QStringLiteral("tulaToteutunutEdellinen"),
                          QStringLiteral("tulaToteutunutKuluvaAlusta"), QStringLiteral("tulaToteutunutEdellinenAlusta")},
                         true};
    return t;
}

const Taulu& tase() {
    static const Taulu t{QStringLiteral("tase"),
                         QStringLiteral("taseID"),
                         QStringLiteral("taseTyyppi"),
                         QStringLiteral("taseteksti"),
                         {QStringLiteral("taseAlkusaldo"), QStringLiteral("taseLoppusaldo"),
                          QStringLiteral("taseLoppusaldoEdellinen"), QStringLiteral("taseMuutosEdelliseen")},
                         false};
    return t;
}

struct Rivi {
    long id;
    QString text;
};

// The lines of one level, read once before anything is deleted.
std::vector<Rivi> taso(dao::Database& db, const Taulu& t, int level, long first, long last, bool ranged) {
    QString sql = QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 = ?").arg(t.id, t.text, t.table, t.level);
    dao::Params p{dao::Variant(level)};
    if (ranged) {
        sql += QStringLiteral(" AND %1 >= ? AND %1 <= ?").arg(t.id);
        p.emplace_back(first);
        p.emplace_back(last);
    }
    sql += QStringLiteral(" ORDER BY ") + t.id;
    std::vector<Rivi> out;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, p);
    const dao::Field id = rs.field(t.id);
    const dao::Field text = rs.field(t.text);
    for (; !rs.isEOF(); rs.MoveNext()) out.push_back({NzLong(id.valueRef()), NzString(text.valueRef())});
    rs.Close();
    return out;
}

bool valillaArvoja(dao::Database& db, const Taulu& t, long first, long last) {
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ? AND %3 <= ?").arg(t.tested.join(QStringLiteral(", ")), t.table, t.id),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(first), dao::Variant(last)});
    std::vector<dao::Field> tested;
    for (const QString& name : t.tested) tested.push_back(rs.field(name));
    bool values = false;
    for (; !values && !rs.isEOF(); rs.MoveNext())
        for (const dao::Field& f : tested)
            if (!NzCurrency(f.valueRef()).isZero()) {
                values = true;
                break;
            }
    rs.Close();
    return values;
}

void poistaVali(dao::Database& db, const Taulu& t, long first, long last) {
    db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 >= ? AND %2 <= ?").arg(t.table, t.id),
               {dao::Variant(first), dao::Variant(last)});
}

// Deletes the line right after the key when it is a separator (no level and
// no text); the keys need not be consecutive.
void poistaErotin(dao::Database& db, const Taulu& t, long after) {
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT %1, %2, %3 FROM %4 WHERE %1 > ? ORDER BY %1").arg(t.id, t.level, t.text, t.table),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(after)});
    long next = 0;
    if (!rs.isEOF() && rs.value(t.level).isNull() && rs.value(t.text).isNull()) next = NzLong(rs.value(t.id));
    rs.Close();
    if (next != 0) poistaVali(db, t, next, next);
}

// Walks the lines of one level: a pair of equal texts is a group, any other
// line stands alone.
template <class Pair, class Single>
void kavele(const std::vector<Rivi>& lines, Pair pair, Single single) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 < lines.size() && lines[i + 1].text == lines[i].text) {
            pair(lines[i].id, lines[i + 1].id);
            ++i;
        } else {
            single(lines[i].id);
        }
    }
}

// Each call goes one level deeper among the lines between a pair; the lines
// of a run stand no deeper than the levels its model's tree gives.
void karsiTaso(dao::Database& db, const Taulu& t, long first, long last, int level) {
    kavele(
        taso(db, t, level, first, last, true),
        [&](long a, long b) {
            if (valillaArvoja(db, t, a, b)) {
                karsiTaso(db, t, a, b, level + 1);
            } else {
                poistaVali(db, t, a, b);
                poistaErotin(db, t, b);
            }
        },
        [&](long a) {
            if (!valillaArvoja(db, t, a, a)) poistaVali(db, t, a, a);
        });
}

void karsi(const Taulu& t) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] {
        kavele(
            taso(db, t, 0, 0, 0, false),
            [&](long a, long b) {
                if (valillaArvoja(db, t, a, b)) {
                    karsiTaso(db, t, a, b, 1);
                } else {
                    poistaVali(db, t, a, b);
                    poistaErotin(db, t, b);
                }
            },
            [&](long a) {
                if (!t.pruneTopSingles || valillaArvoja(db, t, a, a)) return;
                poistaVali(db, t, a, a);
                poistaErotin(db, t, a);
            });
    });
}

}  // namespace

void KarsiTyhjatTulaRyhmat() { karsi(tula()); }
void KarsiTyhjatTaseRyhmat() { karsi(tase()); }

void PoistaTaseValirivit() {
    dao::Database db = core::DBCon().AvaaDB();
    std::vector<long> totals;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT taseID FROM tase WHERE taseTyyppi = 0 AND taseMerkki = ?"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly,
                                         {dao::Variant(QStringLiteral("**"))});
    const dao::Field id = rs.field(QStringLiteral("taseID"));
    for (; !rs.isEOF(); rs.MoveNext()) totals.push_back(NzLong(id.valueRef()));
    rs.Close();
    for (long id : totals) poistaErotin(db, tase(), id);
}

}  // namespace statements
