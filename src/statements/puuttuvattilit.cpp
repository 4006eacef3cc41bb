// The accounts whose entries a statement leaves out: an account that has
// entries but stands on no row of the statement's models is summed
// nowhere, so the statement's result and the balance sheet's two sides no
// longer agree with the entries.

#include "core/nz.h"
#include "core/puoli.h"
#include "core/records/modellist.h"
#include "platform/dao/rowpass.h"
#include "statements/detail.h"
#include "statements/statements.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace statements {

using namespace detail;

namespace {

std::vector<long> maIDt(dao::Database& db, const QString& sql, const dao::Params& params = {}) {
    std::vector<long> out;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    const dao::Field id = rs.field(QStringLiteral("maID"));
    for (; !rs.isEOF(); rs.MoveNext()) out.push_back(core::NzLong(id.valueRef()));
    rs.Close();
    return out;
}

}  // namespace

QString PuuttuvaTili::teksti() const { return QString::number(numero) + QLatin1Char(' ') + nimi; }

std::vector<PuuttuvaTili> TilitMallienUlkopuolella(dao::Database& db, long maID, const dao::Date& from,
                                                   const dao::Date& to, Automaattiset automaattiset) {
    // The models the statement is computed by, and its kind.
    dao::Recordset ma = db.OpenRecordset(QStringLiteral("SELECT maTyyppi, maTulosMaID FROM ma WHERE maID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(maID)});
    if (ma.isEOF()) return {};
    const bool tase = core::NzLong(ma.value(QStringLiteral("maTyyppi"))) != core::kTuloslaskelma;
    const long tulosMaID = core::NzLong(ma.value(QStringLiteral("maTulosMaID")));
    ma.Close();
    std::vector<long> mallit{maID};
    if (tase) {
        if (tulosMaID != 0) mallit.push_back(tulosMaID);
    } else {
        std::vector<long> taseet =
            maIDt(db, QStringLiteral("SELECT maID FROM ma WHERE maTyyppi <> ? AND maTulosMaID = ?"),
                  {dao::Variant(long(core::kTuloslaskelma)), dao::Variant(maID)});
        if (taseet.empty())
            taseet = maIDt(db, QStringLiteral("SELECT maID FROM ma WHERE maTyyppi <> ?"),
                           {dao::Variant(long(core::kTuloslaskelma))});
        mallit.insert(mallit.end(), taseet.begin(), taseet.end());
    }
    std::unordered_set<long> riveilla;
    for (long m : mallit)
        for (long tili : MallinTilit(db, m)) riveilla.insert(tili);

    // The entries the statement counts, summed per account off the rows.
    QString sql = QStringLiteral(
        "SELECT vitlID, viTyyppi, viArvo FROM vi, [to], tl WHERE vitoID = toID AND vitlID = tlID AND "
        "((toPvm >= ? AND toPvm <= ?)");
    sql += tase ? QStringLiteral(" OR toAvaustosite = True)") : QStringLiteral(")");
    if (automaattiset == Automaattiset::Pois) sql += QStringLiteral(" AND toAutomaatti <> True AND viAutomaatti <> True");
    std::map<long, dao::Currency> saldot;
    {
        dao::RowPass rs(db, sql, {dao::Variant(from), dao::Variant(to)});
        const int tili = rs.column(QStringLiteral("vitlID"));
        const int tyyppi = rs.column(QStringLiteral("viTyyppi"));
        const int arvo = rs.column(QStringLiteral("viArvo"));
        while (rs.next()) {
            const long tlID = core::NzLong(rs.value(tili));
            if (riveilla.count(tlID)) continue;
            const dao::Currency a = core::NzCurrency(rs.value(arvo));
            saldot[tlID] += core::OnDebet(core::NzString(rs.value(tyyppi))) ? a : -a;
        }
    }

    std::vector<PuuttuvaTili> out;
    for (const auto& [tlID, saldo] : saldot) {
        if (saldo.isZero()) continue;
        dao::Recordset tl = db.OpenRecordset(QStringLiteral("SELECT tlNumero, tlNimi FROM tl WHERE tlID = ?"),
                                             dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
        if (!tl.isEOF())
            out.push_back({tlID, core::NzLong(tl.value(QStringLiteral("tlNumero"))),
                           core::NzString(tl.value(QStringLiteral("tlNimi"))).trimmed()});
        tl.Close();
    }
    std::sort(out.begin(), out.end(), [](const PuuttuvaTili& a, const PuuttuvaTili& b) {
        return a.numero != b.numero ? a.numero < b.numero : a.tlID < b.tlID;
    });
    return out;
}

}  // namespace statements
