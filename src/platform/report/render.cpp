#include "platform/report/render.h"

#include "platform/fso/fso.h"
#include "platform/report/error.h"
#include "platform/report/pdfjoin.h"
#include "platform/report/texts.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPdfWriter>
#include <QPrinter>
#include <QThread>
#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

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

namespace {

// Pages a part of a long PDF file holds at least: fewer pages are quicker
// written at once than painted side by side and joined.
constexpr int kPagesPerPart = 64;

ReportError cannotWrite(const QString& file) {
    return ReportError(err::OutputError,
                       TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tiedostoon %1 ei voi kirjoittaa")).arg(file));
}

// Writes pages first to last in parts painted side by side, one per
// processor, joined into the file work. False when the report is too short
// for that, or the parts could not be made or joined: nothing has then been
// written, and the caller writes the pages itself.
bool printPdfInParts(QPrinter& printer, const LaidOutReport& report, int first, int last, const QString& work) {
    const int pages = last - first + 1;
    const int parts = std::min(QThread::idealThreadCount(), pages / kPagesPerPart);
    if (parts < 2 || printer.copyCount() != 1 || printer.colorMode() != QPrinter::Color) return false;
    // What each part takes from the printer, read before the painting starts.
    const QPageLayout layout = printer.pageLayout();
    const int resolution = printer.resolution();
    const QString title = printer.docName(), creator = printer.creator();
    const QPagedPaintDevice::PdfVersion version = printer.pdfVersion();

    QList<QByteArray> files(parts);
    std::vector<char> written(size_t(parts), 0);
    std::vector<std::thread> painters;
    painters.reserve(size_t(parts));
    for (int k = 0; k < parts; ++k) {
        const int from = first + pages * k / parts, to = first + pages * (k + 1) / parts - 1;
        painters.emplace_back([&, k, from, to] {
            QBuffer buffer(&files[k]);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setPdfVersion(version);
            writer.setResolution(resolution);
            writer.setPageLayout(layout);
            writer.setTitle(title);
            writer.setCreator(creator);
            QPainter painter;
            if (!painter.begin(&writer)) return;
            const double dpiX = writer.logicalDpiX(), dpiY = writer.logicalDpiY();
            for (int p = from; p <= to; ++p) {
                if (p > from && !writer.newPage()) {
                    painter.end();
                    return;
                }
                paintPage(painter, report, p, dpiX, dpiY);
            }
            written[size_t(k)] = painter.end();
        });
    }
    for (std::thread& t : painters) t.join();
    if (std::find(written.begin(), written.end(), 0) != written.end()) return false;
    const std::optional<QByteArray> joined = pdf::joinParts(files);
    if (!joined) return false;

    QFile file(work);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(*joined) != joined->size() || !file.flush())
        throw cannotWrite(printer.outputFileName());
    return true;
}

// Paints pages first to last on the printer, one after another.
void paintPages(QPrinter& printer, const LaidOutReport& report, int first, int last, const QString& file) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw file.isEmpty() ? ReportError(err::OutputError, TranslateText(QStringLiteral("Raportit"),
                                                                           QStringLiteral("Tulostus tulostimelle %1 ei onnistu"))
                                                                 .arg(printer.printerName()))
                             : cannotWrite(file);
    const double dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
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

// The printer writes into another file for a while; its own file name comes
// back however the writing ends.
class OutputFileFor {
public:
    OutputFileFor(QPrinter& printer, const QString& file) : printer_(printer), own_(printer.outputFileName()) {
        printer_.setOutputFileName(file);
    }
    ~OutputFileFor() { printer_.setOutputFileName(own_); }
    OutputFileFor(const OutputFileFor&) = delete;
    OutputFileFor& operator=(const OutputFileFor&) = delete;

private:
    QPrinter& printer_;
    QString own_;
};

// Writes a file whole or not at all: write fills a work file beside target,
// which is on the disk before it takes target's name in one step. At every
// moment target is the earlier file or the whole new one; a work file that
// a crash leaves is one the clean-up of work files removes, as the next
// file written into that folder does.
void writeWhole(const QString& target, const std::function<void(const QString& work)>& write) {
    // The rename would replace a write-protected file, which the user meant to keep.
    if (fso::IsFileReadOnly(target)) throw cannotWrite(target);
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(QFileInfo(target).absoluteFilePath()));
    QString work;
    try {
        work = fso::CreateWorkFileBeside(target);
        write(work);
        fso::SyncFile(work);
        fso::ReplaceFile(work, target);
    } catch (const fso::Error&) {
        if (!work.isEmpty()) QFile::remove(work);
        throw cannotWrite(target);
    } catch (...) {
        if (!work.isEmpty()) QFile::remove(work);
        throw;
    }
}

}  // namespace

void printPages(QPrinter& printer, const LaidOutReport& report, bool pdfInParts) {
    // A page range chosen in the printer dialog; otherwise every page.
    int first = 0, last = report.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::min(printer.fromPage() - 1, last);
        last = std::min(std::max(printer.toPage(), printer.fromPage()) - 1, last);
    }
    // A PDF file, however it is painted, is written whole or not at all.
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty()) {
        paintPages(printer, report, first, last, file);
        return;
    }
    writeWhole(file, [&](const QString& work) {
        if (pdfInParts && printPdfInParts(printer, report, first, last, work)) return;
        const OutputFileFor into(printer, work);
        paintPages(printer, report, first, last, file);
    });
}

}  // namespace report
