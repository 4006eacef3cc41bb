#include "platform/reportpaint/pagepaint.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPen>
#include <QPrinter>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace report {

namespace {

// Qt's PDF writer takes and gives back a page's buffers for every page it
// writes. With several painters at once, the C library hands that memory
// back to the system and takes it again page after page, each time clearing
// the pages of the processors' address caches: that took more time than the
// painting. The memory given back is kept for the next page instead.
void keepFreedMemoryForReuse() {
#ifdef __GLIBC__
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
#endif
}

}  // namespace

std::vector<QFont> drawnFonts(const std::vector<QFont>& fonts) {
    std::vector<QFont> drawn(fonts);
    for (QFont& f : drawn) f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
    return drawn;
}

void paint(QPainter& painter, const PagePaint& page, const std::vector<QFont>& fonts, double dpiX, double dpiY) {
    const double sx = dpiX / 72.0, sy = dpiY / 72.0;

    // Fonts as the device measures them; the sizes are in points, which the
    // device turns into its own pixels.
    std::vector<QFontMetricsF> metrics;
    metrics.reserve(fonts.size());
    for (const QFont& f : fonts) metrics.emplace_back(f, painter.device());
    // The advances of the lines placed by their right edge or centre, per
    // font: a page repeats its dates, amounts and captions.
    std::vector<QHash<QString, double>> advances(fonts.size());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen rulePen(Qt::black);
    rulePen.setWidthF(0.5 * sx);
    painter.setPen(Qt::black);
    for (const PagePaint::Step& step : page.steps) {
        switch (step.op) {
        case PagePaint::Op::Rules:
            painter.setPen(rulePen);
            for (qsizetype r = step.at; r < step.at + step.size; ++r) {
                const QLineF& l = page.rules[size_t(r)];
                painter.drawLine(QLineF(l.x1() * sx, l.y1() * sy, l.x2() * sx, l.y2() * sy));
            }
            painter.setPen(Qt::black);
            break;
        case PagePaint::Op::Font: painter.setFont(fonts[size_t(step.font)]); break;
        case PagePaint::Op::Line: {
            // The text is read where it lies in the page's buffer.
            const QString line = QString::fromRawData(page.texts.constData() + step.at, step.size);
            const QFontMetricsF& fm = metrics[size_t(step.font)];
            double x = step.left * sx;
            const double w = step.width * sx;
            if (step.align & (Qt::AlignRight | Qt::AlignHCenter)) {
                auto& known = advances[size_t(step.font)];
                auto it = known.constFind(line);
                if (it == known.constEnd()) it = known.insert(QString(line.constData(), line.size()), fm.horizontalAdvance(line));
                const double adv = *it;
                x += (step.align & Qt::AlignRight) ? w - adv : (w - adv) / 2;
            }
            const double baseline = step.top * sy + fm.ascent();
            painter.drawText(QPointF(x, baseline), line);
            break;
        }
        }
    }
    painter.restore();
}

PdfSettings::PdfSettings(const QPrinter& printer)
    : layout(printer.pageLayout()), resolution(printer.resolution()), title(printer.docName()),
      creator(printer.creator()), version(printer.pdfVersion()) {}

void PdfSettings::apply(QPdfWriter& writer) const {
    writer.setPdfVersion(version);
    writer.setResolution(resolution);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(creator);
}

PdfFile::PdfFile(const QString& path, const PdfSettings& settings) : file_(path), ok_(file_.open(QIODevice::WriteOnly)) {
    keepFreedMemoryForReuse();
    if (!ok_) return;
    writer_.emplace(&file_);
    settings.apply(*writer_);
}

void PdfFile::paint(const PagePaint& page, const std::vector<QFont>& fonts) {
    if (!ok_) return;
    if (!begun_) {
        ok_ = begun_ = painter_.begin(&*writer_);
        dpiX_ = writer_->logicalDpiX();
        dpiY_ = writer_->logicalDpiY();
    } else {
        ok_ = writer_->newPage();
    }
    if (ok_) report::paint(painter_, page, fonts, dpiX_, dpiY_);
}

bool PdfFile::close() {
    if (begun_ && !painter_.end()) ok_ = false;
    writer_.reset();
    if (file_.isOpen()) {
        ok_ = ok_ && file_.flush();
        file_.close();
    }
    return ok_;
}

}  // namespace report
