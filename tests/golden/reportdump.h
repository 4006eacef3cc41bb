#pragma once

// A laid-out report as plain text, for golden files: the report's title,
// paper, fonts and record count, then page by page one line per printed
// section - its top, its kind, and each field that prints something with
// its columns, alignment, font and text (wrapped lines joined by " ¶ ").
// Positions are in whole points, so that a change of font metrics shows
// only where a text really moves.

#include "platform/report/layout.h"

#include <QString>

namespace kvtest {

QString DumpReport(const report::LaidOutReport& report, const QString& definition);

}  // namespace kvtest
