#include "platform/report/render.h"

#include "platform/report/error.h"
#include "platform/report/texts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace report {

void paintPage(QPainter& painter, const LaidOutReport& report, int pageIndex, double dpiX, double dpiY) {
    if (pageIndex < 0 || pageIndex >= report.pageCount()) return;
    const double sx = dpiX / 72.0, sy = dpiY / 72.0;
    const LaidPage& page = report.pages[size_t(pageIndex)];

    // Fonts as the device measures them; the sizes are in points, which the
    // device turns into its own pixels.
    std::vector<QFontMetricsF> metrics;
    metrics.reserve(report.fonts.size());
    for (const QFont& f : report.fonts) metrics.emplace_back(f, painter.device());
    // The advances of the lines placed by their right edge or centre, per
    // font: a page repeats its dates, amounts and captions.
    std::vector<QHash<QString, double>> advances(report.fonts.size());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen rulePen(Qt::black);
    rulePen.setWidthF(0.5 * sx);
    painter.setPen(Qt::black);
    int currentFont = -1;
    for (const LaidBand& band : page.bands) {
        if (!band.rules.empty()) {
            painter.setPen(rulePen);
            for (const QLineF& r : band.rules)
                painter.drawLine(QLineF(r.x1() * sx, r.y1() * sy, r.x2() * sx, r.y2() * sy));
            painter.setPen(Qt::black);
        }
        for (const LaidItem& item : band.items) {
            if (item.lines.isEmpty() || (item.lines.size() == 1 && item.lines.front().isEmpty())) continue;
            if (item.font != currentFont) {
                painter.setFont(report.fonts[size_t(item.font)]);
                currentFont = item.font;
            }
            const QFontMetricsF& fm = metrics[size_t(item.font)];
            const double lineHeight = item.lines.size() > 0 ? item.rect.height() / item.lines.size() : 0;
            for (int i = 0; i < item.lines.size(); ++i) {
                const QString& line = item.lines[i];
                if (line.isEmpty()) continue;
                double x = item.rect.left() * sx;
                const double w = item.rect.width() * sx;
                if (item.align & (Qt::AlignRight | Qt::AlignHCenter)) {
                    auto& known = advances[size_t(item.font)];
                    auto it = known.constFind(line);
                    if (it == known.constEnd()) it = known.insert(line, fm.horizontalAdvance(line));
                    const double adv = *it;
                    x += (item.align & Qt::AlignRight) ? w - adv : (w - adv) / 2;
                }
                const double baseline = (item.rect.top() + i * lineHeight) * sy + fm.ascent();
                painter.drawText(QPointF(x, baseline), line);
            }
        }
    }
    painter.restore();
}

void setUpPrinter(QPrinter& printer, const LaidOutReport& report) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), report.orientation, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Point));
    if (!report.title.isEmpty()) printer.setDocName(report.title);
}

void printPages(QPrinter& printer, const LaidOutReport& report) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw ReportError(err::OutputError, printer.outputFileName().isEmpty()
                              ? TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tulostus tulostimelle %1 ei onnistu"))
                                    .arg(printer.printerName())
                              : TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tiedostoon %1 ei voi kirjoittaa"))
                                    .arg(printer.outputFileName()));
    const double dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
    // A page range chosen in the printer dialog; otherwise every page.
    int first = 0, last = report.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::min(printer.fromPage() - 1, last);
        last = std::min(std::max(printer.toPage(), printer.fromPage()) - 1, last);
    }
    for (int p = first; p <= last; ++p) {
        if (p > first && !printer.newPage()) {
            painter.end();
            throw ReportError(err::OutputError,
                              TranslateText(QStringLiteral("Raportit"), QStringLiteral("Sivun %1 tulostus ei onnistu")).arg(p + 1));
        }
        paintPage(painter, report, p, dpiX, dpiY);
    }
    if (!painter.end())
        throw ReportError(err::OutputError,
                          TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tulosteen kirjoitus ei onnistunut")));
}

}  // namespace report
