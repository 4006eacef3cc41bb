#pragma once

// A laid-out report as plain text, for golden files: the report's title,
// paper, fonts and record count, then page by page one line per printed
// section - its top, its kind, and each field that prints something with
// its columns, alignment, font and text (wrapped lines joined by " ¶ ").
// Positions are in whole points, so that a change of font metrics shows
// only where a text really moves.

#include "platform/report/layout.h"

#include <QString>
#include <QStringList>

namespace kvtest {

QString DumpReport(const report::LaidOutReport& report, const QString& definition);

// The printed texts that do not fit, one line each: a text wider than its
// field, measured with its own font as the layout measures it (texts of
// the records, left-aligned in a detail or group header, wrap by design and
// are not counted), and two lines printed so close that less than a blank
// of the left one's font stands between them, or over one another.
QStringList TextsThatDoNotFit(const report::LaidOutReport& report);

}  // namespace kvtest
