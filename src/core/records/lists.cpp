#include "core/records/lists.h"

#include "core/dbc.h"
#include "core/nz.h"

namespace core {

namespace {

QString orderBy(AccountOrder order) {
    switch (order) {
    case AccountOrder::ByNumberThenName: return QStringLiteral(" ORDER BY tlNumero, tlNimi");
    case AccountOrder::ByNumberThenId: return QStringLiteral(" ORDER BY tlNumero, tlID");
    case AccountOrder::ByNumber: break;
    }
    return QStringLiteral(" ORDER BY tlNumero");
}

// The columns a list line is read from.
struct LineColumns {
    QString id, number, name;
};
const LineColumns kAccountColumns{QStringLiteral("tlID"), QStringLiteral("tlNumero"), QStringLiteral("tlNimi")};
const LineColumns kCostCentreColumns{QStringLiteral("kpID"), QStringLiteral("kpNumero"), QStringLiteral("kpNimi")};

std::vector<ListLine> readLines(dao::Database& db, const QString& sql, const LineColumns& columns) {
    std::vector<ListLine> lines;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Variant number = rs.value(columns.number);
        lines.push_back(ListLine{NzLong(rs.value(columns.id), 0),
                                 number.isNull() ? std::nullopt : std::optional<long>(NzLong(number, 0)),
                                 NzString(rs.value(columns.name))});
    }
    rs.Close();
    return lines;
}

}  // namespace

QString ListLine::text(MissingNumber missing) const {
    const QString shown = number ? QString::number(*number)
                          : missing == MissingNumber::AsZero ? QStringLiteral("0")
                                                             : QString();
    return shown + u' ' + name;
}

std::vector<ListLine> AccountList(AccountOrder order) {
    dao::Database db = DBCon().AvaaDB();
    return AccountList(db, order);
}

std::vector<ListLine> AccountList(dao::Database& db, AccountOrder order) {
    return readLines(db, QStringLiteral("SELECT tlID, tlNumero, tlNimi FROM tl") + orderBy(order), kAccountColumns);
}

QString AccountListSource(AccountOrder order) { return QStringLiteral("SELECT * FROM tl") + orderBy(order); }

std::vector<ListLine> CostCentreList() {
    dao::Database db = DBCon().AvaaDB();
    return readLines(db, QStringLiteral("SELECT kpID, kpNumero, kpNimi FROM kp ORDER BY kpNumero"), kCostCentreColumns);
}

}  // namespace core
