#pragma once

// The layout of an association's book beyond the nine base tables that a
// template brings: the fields added to the base tables, the tables and the
// saved queries that the schema upgrade creates, and the upgrade itself.

#include "platform/dao/database.h"
#include "platform/error/numberederror.h"

#include <QString>
#include <vector>

namespace core {

struct FieldSpec {
    QString name;
    dao::FieldType type;
    int size = 0;
};

// A table the upgrade creates whole: its first field is the Counter key.
struct TableSpec {
    QString name;
    std::vector<FieldSpec> fields;
};

// The fourteen tables created by the upgrade, in the order it creates them.
const std::vector<TableSpec>& upgradeTables();
const TableSpec& upgradeTable(const QString& name);

// The three saved queries: name and SQL text.
struct QuerySpec {
    QString name;
    QString sql;
};
const std::vector<QuerySpec>& savedQueries();

// The upgrade failed at one of its steps; nothing of it was kept. Its
// number and text are the engine's.
class UpgradeError : public errors::NumberedError {
public:
    UpgradeError(int step, QString stepName, int number, QString text);
    int step() const { return step_; }
    const QString& stepName() const { return stepName_; }
    const QString& engineText() const { return description(); }

private:
    int step_;
    QString stepName_;
};

// Brings an open book up to the current layout: adds the fields the base
// tables lack, creates the missing tables, adds the indexes the statements
// and the ledger preparation read by, makes the saved queries again,
// replaces "mk" by "€" in the display formats of Currency fields. The whole
// upgrade is one transaction: on failure the book keeps its old layout and
// UpgradeError names the step and the engine's text.
void UpdateDatabase(dao::Database& db);

// Name tests as the upgrade uses them; letter case does not count, as the
// engine compares names.
bool TableExists(const dao::Database& db, const QString& name);
bool FieldExists(const dao::TableDef& td, const QString& name);
bool QueryExists(const dao::Database& db, const QString& name);
// Rewrites the field's "Format" property with every "mk" replaced by "€";
// never fails outward.
void ConvertCurrencyFormat(dao::FieldDef& field);

}  // namespace core
