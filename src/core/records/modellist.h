#pragma once

// The statement models of the book (table `ma`) as the windows list them:
// the model editor, the model check, the budget, the year change and the
// chart of accounts each offer the models of one type to choose from.

#include "platform/dao/database.h"

#include <QList>
#include <QString>

namespace core {

// Model types (maTyyppi).
constexpr int kTuloslaskelma = 1;
constexpr int kTase = 2;

enum class ModelOrder {
    ByName,  // maNimi (Null first), equal names by key
    ByKey,   // maID: the order the models were made in
};

struct ModelListEntry {
    long id = 0;              // maID
    QString name;             // maNimi; empty for Null
    bool nameIsNull = false;  // maNimi is Null
};

// The models of one type in the order asked. db may be a connection of
// the caller's own.
QList<ModelListEntry> ModelList(dao::Database& db, int type, ModelOrder order);

}  // namespace core
