#include "vouchers/tositehaku.h"

#include "core/dbc.h"
#include "core/nz.h"
#include "platform/dao/database.h"

namespace vouchers {

// The text between two stars, each of its characters three bytes at most.
static_assert(2 + 3 * kHaettavanSelitteenPituus <= dao::kLongestLikePattern);

namespace {

std::vector<long> tositteet(const QString& sql, const dao::Variant& ehto, const QString& sarake) {
    std::vector<long> ids;
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {ehto});
    for (; !rs.isEOF(); rs.MoveNext()) ids.push_back(core::NzLong(rs.value(sarake), 0));
    rs.Close();
    return ids;
}

}  // namespace

std::vector<long> TositteetVienninArvolla(dao::Currency arvo) {
    return tositteet(QStringLiteral("SELECT vitoID FROM vi WHERE viArvo = ? ORDER BY viID"), dao::Variant(arvo),
                     QStringLiteral("vitoID"));
}

std::vector<long> TositteetSelitteella(const QString& teksti) {
    return tositteet(QStringLiteral("SELECT toID FROM to WHERE toSelite LIKE ? ORDER BY toID"),
                     dao::Variant(QStringLiteral("*") + teksti + QStringLiteral("*")), QStringLiteral("toID"));
}

}  // namespace vouchers
