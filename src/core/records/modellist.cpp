#include "core/records/modellist.h"

#include "core/nz.h"

namespace core {

QList<ModelListEntry> ModelList(dao::Database& db, int type, ModelOrder order) {
    const QString sql = order == ModelOrder::ByName
                            ? QStringLiteral("SELECT maID, maNimi FROM ma WHERE maTyyppi = ? ORDER BY maNimi, maID")
                            : QStringLiteral("SELECT maID, maNimi FROM ma WHERE maTyyppi = ? ORDER BY maID");
    QList<ModelListEntry> models;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, {dao::Variant(long(type))});
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Variant name = rs.value(QStringLiteral("maNimi"));
        models << ModelListEntry{NzLong(rs.value(QStringLiteral("maID")), 0), NzString(name, QString()), name.isNull()};
    }
    rs.Close();
    return models;
}

}  // namespace core
