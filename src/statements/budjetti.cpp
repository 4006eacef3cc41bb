// Budget vouchers: the budget table bu turned into voucher and entry tables
// shaped like the ledger's own, one pair per year (previous boE/biE,
// current bo/bi, next boT/biTu), so that the budget columns of a statement
// are summed by the same date-range queries as the actual ones.

#include "statements/statements.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "statements/detail.h"
#include "statements/vientisummat.h"

namespace statements {

using namespace detail;
using core::NzCurrency;
using core::NzLong;

namespace {

struct Vuosi {
    const char* flag;           // bu's year flag
    const char* vouchers;       // voucher table and its field prefix
    const char* entries;        // entry table
    const char* entryPrefix;    // its field prefix
    const char* voucherKey;     // the entry's voucher field
    int vuosi;                  // -1 previous, 0 current, 1 next year
};

const Vuosi kVuodet[] = {
    {"buEdellinen", "boE", "biE", "biE", "biEboID", -1},
    {"buNykyinen", "bo", "bi", "bi", "biboID", 0},
    {"buTuleva", "boT", "biTu", "biT", "biTboID", 1},
};

struct BudjettiRivi {
    long tlID = 0;
    std::array<dao::Currency, 12> kuukaudet{};
};

}  // namespace

void TyhjennaBudjettitositteet(dao::Database& db) {
    for (const char* t : {"biTu", "bi", "biE", "bo", "boE", "boT"})
        db.Execute(QStringLiteral("DELETE FROM ") + QLatin1String(t));
}

void RakennaBudjettitositteet() {
    dao::Database db = core::DBCon().AvaaDB();
    // The budget vouchers are written anew: the run reads them again.
    Vientisummat::Vaihe vaihe(db);
    for (const Family* f : {&kBudget, &kBudgetPrev, &kBudgetNext}) Vientisummat::varasto(db).unohda(*f);
    dao::InTransaction(db, [&] {
        TyhjennaBudjettitositteet(db);
        for (const Vuosi& y : kVuodet) {
            const QString vp = QLatin1String(y.vouchers);
            const QString ep = QLatin1String(y.entryPrefix);
            // Months count from the first day of the financial year; the
            // next year's are the current year's moved one year on.
            const dao::Date alku = y.vuosi < 0 ? core::EdTilikausiAlku : core::TilikausiAlku;

            std::vector<BudjettiRivi> rivit;
            dao::Recordset bu = db.OpenRecordset(
                QStringLiteral("SELECT * FROM bu WHERE %1 = True ORDER BY buID").arg(QLatin1String(y.flag)),
                dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
            const bool any = !bu.isEOF();
            for (; !bu.isEOF(); bu.MoveNext()) {
                BudjettiRivi r;
                r.tlID = NzLong(bu.value(QStringLiteral("butlID")));
                for (int m = 1; m <= 12; ++m)
                    r.kuukaudet[size_t(m - 1)] = NzCurrency(bu.value(QStringLiteral("buKuukausi") + QString::number(m)));
                rivit.push_back(r);
            }
            bu.Close();
            if (!any) continue;

            dao::Recordset to = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %1ID = 0").arg(vp),
                                                 dao::RecordsetType::Dynaset);
            // The entries with one prepared statement; the engine numbers them.
            const QString entry = QStringLiteral("INSERT INTO %1 (%2tlID, %3, %2Tyyppi, %2Arvo, %2Avausvienti, "
                                                 "%2Paatosvienti, %2Automaatti, %2kpID) VALUES (?, ?, ?, ?, False, "
                                                 "False, False, 0)")
                                      .arg(QLatin1String(y.entries), ep, QLatin1String(y.voucherKey));
            for (int m = 1; m <= 12; ++m) {
                dao::Date paiva = alku.addMonths(m - 1);
                if (y.vuosi > 0) paiva = paiva.addYears(1);
                to.AddNew();
                const long toID = NzLong(to.value(vp + QStringLiteral("ID")));
                to.setValue(vp + QStringLiteral("Numero"), dao::Variant(m));
                to.setValue(vp + QStringLiteral("Pvm"), dao::Variant(paiva));
                to.setValue(vp + QStringLiteral("Selite"), dao::Variant(QStringLiteral(" ")));
                to.setValue(vp + QStringLiteral("Avaustosite"), dao::Variant(false));
                to.setValue(vp + QStringLiteral("Paatostosite"), dao::Variant(false));
                to.setValue(vp + QStringLiteral("Automaatti"), dao::Variant(false));
                to.Update();

                for (const BudjettiRivi& r : rivit) {
                    if (r.tlID == 0) continue;
                    const dao::Currency v = r.kuukaudet[size_t(m - 1)];
                    const bool debit = v < dao::Currency();
                    db.Execute(entry, {dao::Variant(r.tlID), dao::Variant(toID),
                                       dao::Variant(debit ? QStringLiteral("D") : QStringLiteral("K")),
                                       dao::Variant(v.abs())});
                }
            }
            to.Close();
        }
    });
}

}  // namespace statements
