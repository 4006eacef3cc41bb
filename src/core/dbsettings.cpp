#include "core/dbsettings.h"

namespace core {

QString cDBSettings::GetSetting(const QString& key, const QString& def) const {
    dao::Database db = db_;
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT setString FROM Settings WHERE setSection = ? AND setKey = ? ORDER BY setID"),
                         dao::RecordsetType::Snapshot, {section_, key});
    if (rs.isEOF()) return def;
    return rs.value(QStringLiteral("setString")).toString();
}

void cDBSettings::SaveSetting(const QString& value, const QString& key) {
    dao::Database db = db_;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT * FROM Settings WHERE setSection = ? AND setKey = ? ORDER BY setID"),
        dao::RecordsetType::Dynaset, {section_, key});
    if (rs.isEOF()) {
        rs.AddNew();
        rs.setValue(QStringLiteral("setSection"), section_);
        rs.setValue(QStringLiteral("setKey"), key);
    } else {
        rs.Edit();
    }
    rs.setValue(QStringLiteral("setString"), value);
    rs.Update();
}

QList<std::pair<QString, QString>> cDBSettings::AllSettings() const {
    dao::Database db = db_;
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT setKey, setString FROM Settings WHERE setSection = ? ORDER BY setID"),
                         dao::RecordsetType::Snapshot, {section_});
    QList<std::pair<QString, QString>> out;
    for (; !rs.isEOF(); rs.MoveNext())
        out.append({rs.value(QStringLiteral("setKey")).toString(), rs.value(QStringLiteral("setString")).toString()});
    return out;
}

void cDBSettings::DeleteSection() {
    dao::Database db = db_;
    db.Execute(QStringLiteral("DELETE FROM Settings WHERE setSection = ?"), {section_});
}

cDBSettings& DBSettings() {
    static cDBSettings instance;
    return instance;
}

}  // namespace core
