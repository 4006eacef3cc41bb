#pragma once

// The laid-out report: pages of printed sections (bands) with the text of
// every field. It is what the preview, the printer and PDF output paint, and
// what tests read instead of parsing printed output. Positions are in points
// (1/72 inch) from the paper's top-left corner.

#include "platform/report/definition.h"
#include "platform/report/value.h"

#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <vector>

namespace report {

struct LaidItem {
    QString name;           // the field's name in the definition
    QString text;           // the formatted text
    QStringList lines;      // the text wrapped to the field's width
    QRectF rect;            // where the lines are painted
    Qt::Alignment align = Qt::AlignLeft;
    int font = 0;           // index into LaidOutReport::fonts
    Value value;            // the value before formatting (for totals: the exact sum)
};

struct LaidBand {
    SectionKind kind = SectionKind::Detail;
    int group = -1;          // group headers and footers: the group's index
    QString groupName;
    int record = -1;         // position of the record in the report's order; -1 for none
    bool repeated = false;   // a group header printed again on a following page
    QRectF rect;
    std::vector<LaidItem> items;
    std::vector<QLineF> rules;

    // The first item of that name, or nullptr.
    const LaidItem* item(const QString& name) const;
    // The text of the first item of that name; empty when there is none.
    QString text(const QString& name) const;
};

struct LaidPage {
    int number = 0;          // from 1
    std::vector<LaidBand> bands;
};

struct LaidOutReport {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF pageSize;         // points
    QMarginsF margins;       // points
    std::vector<QFont> fonts;
    std::vector<LaidPage> pages;
    int recordCount = 0;     // records printed from (after selection)
    // Pages laid out and sent on to a printer or a PDF file without being
    // kept here (a long report is not held whole).
    int pagesNotKept = 0;

    int pageCount() const { return int(pages.size()) + pagesNotKept; }
    // Every band of the kind, in print order; group -1 matches any group.
    std::vector<const LaidBand*> bands(SectionKind kind, int group = -1) const;
    // Bands of a group (by its name) of the kind, in print order.
    std::vector<const LaidBand*> bands(SectionKind kind, const QString& groupName) const;
    // The page (from 1) a band is on; 0 when it is not in this report.
    int pageOf(const LaidBand* band) const;
};

}  // namespace report
