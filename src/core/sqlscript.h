#pragma once

#include "platform/dao/database.h"

#include <QString>

namespace core {

// Runs a script of statements in the Jet dialect: each statement ends with
// ";" at the end of a line; lines beginning with "--" are comments. The
// whole script is one transaction. Errors name the line of the statement.
void runSqlScript(dao::Database& db, const QString& script);
void runSqlFile(dao::Database& db, const QString& path);

}  // namespace core
