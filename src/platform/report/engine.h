#pragma once

// The report engine: reads a definition, reads and selects the records from
// the database, sorts and groups them, and lays them out into pages.

#include "platform/report/layout.h"

#include <QDate>
#include <QMarginsF>
#include <QString>
#include <QStringList>
#include <memory>

namespace report {

struct EngineInput {
    QString definitionPath;
    QString selectionFormula;   // the program's record condition; empty: every record
    QStringList formulas;       // "Name= 'value'" entries; empty entries are skipped
    QStringList sortFields;     // "+{table.field}" entries; none given: the definition's order
    QStringList dataFiles;      // database per table of the definition; entry 0 is the database read
    QStringList sectionFonts;   // "CODE;font;size;italic;bold;underline;strikeout" entries
    QMarginsF marginsMm{-1, -1, -1, -1};  // a negative side keeps the definition's margin
    QDate printDate;            // PrintDate; today when not valid
};

struct EngineResult {
    std::shared_ptr<LaidOutReport> report;
    QString database;           // the database file read
    QString sql;                // the statement that read it
    int recordsRead = 0;
    int recordsSelected = 0;
    QStringList ignoredFormulas;  // names the definition does not have
};

// Runs the whole engine. Errors: ReportError (see platform/report/error.h).
EngineResult runEngine(const EngineInput& input);

// Resolves a font family for printing: a family that is not installed is
// replaced by its metric twin ("Times New Roman" -> "Liberation Serif",
// "Arial" -> "Liberation Sans", "Courier New" -> "Liberation Mono").
QString printableFamily(const QString& family);

// The font families a report can be printed in: the installed families, and
// the usual names whose metric twin is installed ("Times New Roman" when
// "Liberation Serif" is there), so that a book's stored font keeps its name.
QStringList printableFamilies();

}  // namespace report
