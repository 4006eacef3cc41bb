// The work table tk of the account-list report: every row of a balance
// model and an income model in tree order, each followed by the accounts it
// sums, indented by depth. tkParam 1 and 2 are the balance model's two sides,
// tkParam 3 the income model.

#include "statements/statementreports.h"

#include "core/nz.h"
#include "statement_models/mallipuu.h"
#include "statements/detail.h"
#include "statements/statements.h"

namespace statements {

using core::NzBoolean;
using core::NzLong;
using core::NzString;

namespace {

struct TkRivi {
    long id;
    bool kaava;
};

std::vector<TkRivi> rivit(dao::Database& db, const QString& where, long key) {
    std::vector<TkRivi> out;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID, mrIsEquation FROM mr WHERE ") + where +
                                             QStringLiteral(" ORDER BY mrGroupOrder, mrID"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(key)});
    const dao::Field id = rs.field(QStringLiteral("mrID"));
    const dao::Field kaava = rs.field(QStringLiteral("mrIsEquation"));
    for (; !rs.isEOF(); rs.MoveNext()) out.push_back({NzLong(id.valueRef()), NzBoolean(kaava.valueRef())});
    rs.Close();
    return out;
}

std::vector<TkRivi> ylarivit(dao::Database& db, long maID) {
    return rivit(db, QStringLiteral("mrmaID = ? AND mrBelongsToGroup = 0"), maID);
}

void lisaa(dao::Database& db, int syvyys, const QString& teksti, int osa) {
    db.Execute(QStringLiteral("INSERT INTO tk (tkTeksti, tkTyyppi, tkParam) VALUES (?, ?, ?)"),
               {dao::Variant(detail::Cut(teksti, 255)), dao::Variant(syvyys), dao::Variant(osa)});
}

void LisaaTkMalliRivi(dao::Database& db, long mrID, int syvyys, int osa) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrTeksti FROM mr WHERE mrID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    const QString teksti = rs.isEOF() ? QString() : NzString(rs.value(QStringLiteral("mrTeksti")));
    rs.Close();
    lisaa(db, syvyys, teksti.isEmpty() ? QStringLiteral(" ") : teksti, osa);
}

// The accounts of a row's own list, each as its account text; keys of
// accounts that no longer exist are left out.
void LisaaTkTilit(dao::Database& db, long mrID, int syvyys, int osa) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrTilit FROM mr WHERE mrID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    const QString tilit = rs.isEOF() ? QString() : NzString(rs.value(QStringLiteral("mrTilit")));
    rs.Close();
    for (long tlID : detail::AccountKeys(tilit)) {
        const QString teksti = GetTiliTeksti(db, tlID);
        if (!teksti.isEmpty()) lisaa(db, syvyys, teksti, osa);
    }
}

void LisaaTkAliryhmat(dao::Database& db, long mrID, int syvyys, int osa) {
    // A top row stands at 0 here and at 1 below its model.
    statement_models::TarkistaSyvyys(db, mrID, syvyys + 1);
    const std::vector<TkRivi> children = rivit(db, QStringLiteral("mrBelongsToGroup = ?"), mrID);
    if (children.empty()) {
        LisaaTkTilit(db, mrID, syvyys + 1, osa);
        return;
    }
    for (const TkRivi& c : children) {
        LisaaTkMalliRivi(db, c.id, syvyys + 1, osa);
        if (IsGroup(db, c.id)) LisaaTkAliryhmat(db, c.id, syvyys + 1, osa);
        LisaaTkTilit(db, c.id, syvyys + 2, osa);
    }
}

}  // namespace

void TyhjennaTk(dao::Database& db) { db.Execute(QStringLiteral("DELETE FROM tk")); }

bool TeeTaseenTk(dao::Database& db, long maID) {
    statement_models::TarkistaMallipuu(db, maID);
    const std::vector<TkRivi> top = ylarivit(db, maID);
    if (top.size() != 2) return false;
    dao::InTransaction(db, [&] {
        for (int osa = 1; osa <= 2; ++osa) {
            LisaaTkMalliRivi(db, top[size_t(osa - 1)].id, 0, osa);
            LisaaTkAliryhmat(db, top[size_t(osa - 1)].id, 0, osa);
        }
    });
    return true;
}

void TeeTuloslaskelmanTk(dao::Database& db, long maID) {
    statement_models::TarkistaMallipuu(db, maID);
    const std::vector<TkRivi> top = ylarivit(db, maID);
    dao::InTransaction(db, [&] {
        for (const TkRivi& r : top) {
            if (r.kaava) continue;
            LisaaTkMalliRivi(db, r.id, 0, 3);
            LisaaTkAliryhmat(db, r.id, 0, 3);
        }
    });
}

}  // namespace statements
