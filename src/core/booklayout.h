#pragma once

// The layouts of the program's books, in one place: the base tables that a
// template brings (data/schema/base.sql) and what the schema upgrade makes
// of them (schema.cpp), with the work tables and saved queries among them.
// A book the program opens must be in one of them, or between them as the
// upgrade takes it: every table, column, index and view as the program
// makes it, and nothing else. The database layer compares every book it
// opens with them before reading it (dao::DBEngine::setBookLayout; the
// program's layouts are handed to it when the program starts).

#include "platform/dao/layout.h"

#include <QString>
#include <memory>

namespace core {

// The SQL text of the base tables, as data/schema/base.sql holds it.
const QString& BaseLayoutSql();

// The program's layouts, made once (in a database in memory, by the
// program's own statements) when first asked.
std::shared_ptr<const dao::BookLayout> ProgramBookLayout();

}  // namespace core
