#pragma once

#include "platform/dao/database.h"

#include <QList>
#include <QString>
#include <utility>

namespace core {

// Reads and writes keys of the Settings table of an association's book:
// one row per section and key (setSection, setKey, setString).
class cDBSettings {
public:
    void setDatabase(const dao::Database& db) { db_ = db; }
    const dao::Database& database() const { return db_; }
    void setSection(const QString& section) { section_ = section; }
    const QString& section() const { return section_; }

    // setString of the row of the section and key; def when there is none.
    QString GetSetting(const QString& key, const QString& def = QString()) const;
    // Stores the value; adds the row when missing. Texts over 255 characters
    // are refused (FieldTooSmall) rather than cut.
    void SaveSetting(const QString& value, const QString& key);
    // Every key of the section with its value, in the order of the rows.
    QList<std::pair<QString, QString>> AllSettings() const;
    // Removes every row of the section.
    void DeleteSection();

private:
    dao::Database db_;
    QString section_;
};

// The shared settings-table object, created on first use.
cDBSettings& DBSettings();

}  // namespace core
