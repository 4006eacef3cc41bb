#include "statement_models/modelchecks.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/records/lists.h"
#include "core/ui/translator.h"
#include "statement_models/malli.h"
#include "statement_models/mallipuu.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace statement_models {

using core::NzBoolean;
using core::NzLong;
using core::NzString;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A text column that may be Null: a Null is neither empty nor non-empty.
using NullableText = std::optional<QString>;

NullableText nullableText(const dao::Variant& v) {
    if (v.isNull()) return std::nullopt;
    return NzString(v, QString());
}

bool nonEmpty(const NullableText& t) { return t && !t->isEmpty(); }

// The number a piece names; nothing for a piece that is not a number.
std::optional<long> pieceNumber(const QString& piece) {
    const QString p = piece.trimmed();
    bool ok = false;
    const long v = p.toLong(&ok);
    if (ok) return v;
    const double d = p.toDouble(&ok);
    if (ok && d == double(long(d))) return long(d);
    return std::nullopt;
}

struct Row {
    long id = 0;
    long maID = 0;
    long parent = 0;
    long order = 0;
    QString teksti;
    NullableText saldo;
    NullableText tilit;
    NullableText kaava;
    bool isEquation = false;
    bool isVoitto = false;
};

// Every row of `mr`, read once: the checks walk the tree in memory.
class Rows {
public:
    explicit Rows(dao::Database& db) : db_(db) {
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM mr ORDER BY mrID"), dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            Row r;
            r.id = NzLong(rs.value(QStringLiteral("mrID")), 0);
            r.maID = NzLong(rs.value(QStringLiteral("mrmaID")), 0);
            r.parent = NzLong(rs.value(QStringLiteral("mrBelongsToGroup")), 0);
            r.order = NzLong(rs.value(QStringLiteral("mrGroupOrder")), 0);
            r.teksti = NzString(rs.value(QStringLiteral("mrTeksti")), QString());
            r.saldo = nullableText(rs.value(QStringLiteral("mrSaldoPuoli")));
            r.tilit = nullableText(rs.value(QStringLiteral("mrTilit")));
            r.kaava = nullableText(rs.value(QStringLiteral("mrKaava")));
            r.isEquation = NzBoolean(rs.value(QStringLiteral("mrIsEquation")), false);
            r.isVoitto = NzBoolean(rs.value(QStringLiteral("mrIsVoitto")), false);
            index_.insert(r.id, int(all_.size()));
            all_.push_back(r);
        }
        rs.Close();
        for (const Row& r : all_) children_[r.parent].push_back(r.id);
        // Siblings in their order; equal orders by key.
        for (auto& [parent, ids] : children_)
            std::stable_sort(ids.begin(), ids.end(), [this](long a, long b) { return row(a)->order < row(b)->order; });
    }

    const Row* row(long id) const {
        const auto it = index_.find(id);
        return it == index_.end() ? nullptr : &all_[size_t(*it)];
    }
    // The rows of a model, by key.
    std::vector<const Row*> ofModel(long maID) const {
        std::vector<const Row*> out;
        for (const Row& r : all_)
            if (r.maID == maID) out.push_back(&r);
        return out;
    }
    const std::vector<Row>& all() const { return all_; }
    // The rows whose parent is id, in their order.
    const std::vector<long>& children(long id) const {
        static const std::vector<long> none;
        const auto it = children_.find(id);
        return it == children_.end() ? none : it->second;
    }
    bool isGroup(long id) const { return !children(id).empty(); }

    QString modelName(long maID) {
        const auto it = modelNames_.find(maID);
        if (it != modelNames_.end()) return *it;
        const QString name = ModelName(db_, maID).value_or(QString());
        modelNames_.insert(maID, name);
        return name;
    }

    // The model's name, then the row's chain from its top row down, each
    // level indented by two blanks per level; each line ends in CR LF. A
    // parent that is no row ends the chain; so does a row met twice.
    QString location(long mrID, long maID) {
        QStringList chain;
        QSet<long> seen;
        for (const Row* r = row(mrID); r && !seen.contains(r->id); r = r->parent > 0 ? row(r->parent) : nullptr) {
            seen.insert(r->id);
            chain.prepend(r->teksti);
        }
        QString text = modelName(maID) + kCrLf;
        for (int i = 0; i < chain.size(); ++i) text += QString(2 * (i + 1), QLatin1Char(' ')) + chain[i] + kCrLf;
        return text;
    }

    int side(long mrID, long maID) {
        const QString where = location(mrID, maID);
        int s = 0;
        if (where.contains(core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Vastaavaa")), Qt::CaseInsensitive)) s = 1;
        if (where.contains(core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Vastattavaa")), Qt::CaseInsensitive)) s = 2;
        return s;
    }

private:
    dao::Database& db_;
    std::vector<Row> all_;
    QHash<long, int> index_;
    std::map<long, std::vector<long>> children_;
    QHash<long, QString> modelNames_;
};

std::optional<int> modelType(dao::Database& db, long maID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT maTyyppi FROM ma WHERE maID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(maID)});
    std::optional<int> type;
    if (!rs.isEOF()) type = int(NzLong(rs.value(QStringLiteral("maTyyppi")), 0));
    rs.Close();
    return type;
}

class Checker {
public:
    Checker(dao::Database& db, MalliVirheet& out) : db_(db), rows_(db), out_(out) {}

    void checkModel(long maID) {
        TarkistaTilitJaKaava(maID);
        TarkistaPaaryhmanTilit(maID);
        TarkistaSaldopuolet(maID);
        TarkistaVoittorivit(maID);
        TarkistaKayttamattomatKaavat(maID);
        TarkistaKaavojenJarjestys(maID);
    }

    void TarkistaKaikkiTilit(long tulosMaID, long taseMaID) {
        for (const auto& [tlID, count] : accountUse(tulosMaID, taseMaID))
            if (count == 0) add(0, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Kaikki tilit eivät ole käytössä.")), GetTiliTeksti(db_, tlID));
    }

    void TarkistaTuplaTilit(long tulosMaID, long taseMaID) {
        for (const auto& [tlID, count] : accountUse(tulosMaID, taseMaID))
            if (count > 1) add(0, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Sama tili on mallissa useampaan kertaan.")), GetTiliTeksti(db_, tlID));
    }

private:
    void add(long mrID, const QString& text, const QString& where) { out_.push_back(cMalliVirhe{mrID, text, where}); }
    void addAtRow(const Row& r, const QString& text) { add(r.id, text, rows_.location(r.id, r.maID)); }

    void TarkistaTilitJaKaava(long maID) {
        for (const Row* r : rows_.ofModel(maID))
            if (r->isEquation && nonEmpty(r->tilit))
                addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Mallissa on valittuna sekä tilejä, että käytä kaavaa.")));
    }

    void TarkistaPaaryhmanTilit(long maID) {
        for (const Row* r : rows_.ofModel(maID))
            if (nonEmpty(r->tilit) && *r->tilit != QLatin1String("-1,") && rows_.isGroup(r->id))
                addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Mallissa on valittuna tilejä pääryhmään.")));
    }

    void TarkistaSaldopuolet(long maID) {
        const std::optional<int> type = modelType(db_, maID);
        if (!type) return;
        for (const Row* r : rows_.ofModel(maID)) {
            if (!nonEmpty(r->tilit) || !r->saldo) continue;
            if (*type == 1) {
                if (core::OnDebet(*r->saldo))
                    addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Tuloslaskelmassa on valittuna saldopuoleksi debet.")));
                continue;
            }
            const int side = rows_.side(r->id, r->maID);
            if (side == 1 && core::OnKredit(*r->saldo))
                addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Vastaavaa-puolella on valittuna saldopuoleksi kredit.")));
            else if (side == 2 && core::OnDebet(*r->saldo))
                addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Vastattavaa-puolella on valittuna saldopuoleksi debet.")));
        }
    }

    void TarkistaVoittorivit(long maID) {
        std::vector<const Row*> profit;
        for (const Row* r : rows_.ofModel(maID))
            if (r->isVoitto) profit.push_back(r);
        if (profit.size() > 1)
            addAtRow(*profit.front(), core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Mallissa on")) + u' ' + QString::number(profit.size()) + u' ' +
                                          core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("riviä, jotka on merkitty Voitto / Tappio riviksi.")));
    }

    void TarkistaKayttamattomatKaavat(long maID) {
        for (const Row* r : rows_.ofModel(maID))
            if (!r->isEquation && nonEmpty(r->kaava))
                addAtRow(*r, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Mallissa on luotu kaava, joka ei ole käytössä.")));
    }

    // The rows of the model in the order they stand in the tree, top to
    // bottom. The rows below a top-level formula row take no place.
    std::vector<long> displayOrder(long maID) {
        std::vector<long> order;
        QSet<long> seen;
        std::function<void(long)> collect = [&](long group) {
            for (long child : rows_.children(group)) {
                if (seen.contains(child)) continue;
                seen.insert(child);
                order.push_back(child);
                collect(child);
            }
        };
        for (long top : rows_.children(0)) {
            const Row* r = rows_.row(top);
            if (r->maID != maID || seen.contains(top)) continue;
            seen.insert(top);
            order.push_back(top);
            if (!r->isEquation && rows_.isGroup(top)) collect(top);
        }
        return order;
    }

    // Every formula of the book is read against the places of this model's
    // rows: each term that names a row standing above the row named by the
    // term before it is one finding.
    void TarkistaKaavojenJarjestys(long maID) {
        const std::vector<long> order = displayOrder(maID);
        QHash<long, int> place;
        for (int p = 0; p < int(order.size()); ++p)
            if (!place.contains(order[size_t(p)])) place.insert(order[size_t(p)], p);
        for (const Row& f : rows_.all()) {
            if (!f.isEquation) continue;
            const QStringList pieces = SplitPieces(f.kaava.value_or(QString()));
            if (pieces.size() < 2) continue;
            int last = -1;
            for (const QString& piece : pieces) {
                const std::optional<long> n = pieceNumber(piece.mid(1));
                if (!n) continue;
                const auto it = place.find(*n);
                if (it == place.end()) continue;
                if (last > *it)
                    add(0, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Kaavassa summausjärjestys on väärin.")), rows_.location(f.id, f.maID));
                last = *it;
            }
        }
    }

    // How many account-list pieces of the two models name each account, by tlID.
    std::map<long, int> accountUse(long tulosMaID, long taseMaID) {
        std::map<long, int> use;
        for (const core::ListLine& account : core::AccountList(db_, core::AccountOrder::ByNumber)) use[account.id] = 0;
        for (const Row& r : rows_.all()) {
            if ((r.maID != tulosMaID && r.maID != taseMaID) || !nonEmpty(r.tilit)) continue;
            for (const QString& piece : SplitPieces(*r.tilit)) {
                const std::optional<long> n = pieceNumber(piece);
                if (!n) continue;
                const auto it = use.find(*n);
                if (it != use.end()) ++it->second;
            }
        }
        return use;
    }

    dao::Database& db_;
    Rows rows_;
    MalliVirheet& out_;
};

}  // namespace

QString GetRiviSijainti(dao::Database& db, long mrID, long maID) { return Rows(db).location(mrID, maID); }

int GetTasePuoli(dao::Database& db, long mrID, long maID) { return Rows(db).side(mrID, maID); }

QString GetTiliTeksti(dao::Database& db, long tlID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlNumero, tlNimi FROM tl WHERE tlID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
    QString text;
    if (!rs.isEOF()) {
        const QString name = NzString(rs.value(QStringLiteral("tlNimi")), QString());
        text = core::NaytaTilinumerot
                   ? QString::number(NzLong(rs.value(QStringLiteral("tlNumero")), 0)) + u' ' + name
                   : name;
    }
    rs.Close();
    return text;
}

MalliVirheet TarkistaMallit(long tulosMaID, long taseMaID) {
    MalliVirheet out;
    if (tulosMaID == 0 && taseMaID == 0) return out;
    dao::Database db = core::DBCon().AvaaDB();
    // A model whose rows form no tree is named first; the checks below
    // follow each chain once and go on.
    Mallipuut trees(db);
    for (long maID : {tulosMaID, taseMaID}) {
        if (maID <= 0) continue;
        try {
            trees.Tarkista(maID);
        } catch (const MallipuuVirhe& e) {
            out.push_back(cMalliVirhe{0, e.description(), QString()});
        }
    }
    Checker checker(db, out);
    if (tulosMaID > 0) checker.checkModel(tulosMaID);
    if (taseMaID > 0) checker.checkModel(taseMaID);
    if (tulosMaID != 0 && taseMaID != 0) {
        checker.TarkistaKaikkiTilit(tulosMaID, taseMaID);
        checker.TarkistaTuplaTilit(tulosMaID, taseMaID);
    } else {
        out.push_back(cMalliVirhe{0, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Ei tarkistettu: Onko kaikki tilit käytössä.")), QString()});
        out.push_back(cMalliVirhe{
            0, core::TranslateStr(QStringLiteral("Mallitarkistus"), QStringLiteral("Ei tarkistettu: Onko sama tili useampaan kertaan taseessa tai tuloslaskelmassa.")),
            QString()});
    }
    return out;
}

void KorjaaSaldopuolet(dao::Database& db, long maID) {
    const std::optional<int> type = modelType(db, maID);
    if (!type) return;
    Rows rows(db);
    QList<QPair<long, QString>> changes;
    for (const Row* r : rows.ofModel(maID)) {
        if (!r->saldo) continue;  // a row without a side is left alone
        QString wanted;
        if (*type == 1) {
            wanted = QStringLiteral("K");
        } else {
            const int side = rows.side(r->id, r->maID);
            if (side == 1) wanted = QStringLiteral("D");
            if (side == 2) wanted = QStringLiteral("K");
        }
        if (!wanted.isEmpty() && *r->saldo != wanted) changes << qMakePair(r->id, wanted);
    }
    if (changes.isEmpty()) return;
    dao::InTransaction(db, [&] {
        for (const auto& [id, side] : changes)
            db.Execute(QStringLiteral("UPDATE mr SET mrSaldoPuoli = ? WHERE mrID = ?"),
                       {dao::Variant(side), dao::Variant(id)});
    });
}

}  // namespace statement_models
