#pragma once

// A laid-out page as it is drawn, and the PDF file of pages painted one
// after another that the parts of a long PDF file are written into.

#include <QFile>
#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

class QPrinter;

namespace report {

// A page as it is drawn: its rules and the lines of its texts in drawing
// order, each with its place, font and alignment, the texts in one buffer.
// A long PDF's pages go to their painters in this form: a few blocks of
// memory each (which a painter in another process reads as they are),
// while the laid-out page, whose many small texts another thread would have
// read, is freed at once by the thread that made it.
struct PagePaint {
    enum class Op : std::uint8_t { Rules, Font, Line };
    struct Step {
        Op op;
        int font = 0;                         // Font
        Qt::Alignment align;                  // Line
        double left = 0, width = 0, top = 0;  // Line, in points
        qsizetype at = 0, size = 0;           // Line: in texts; Rules: in rules
    };
    static_assert(std::is_trivially_copyable_v<Step> && std::is_trivially_copyable_v<QLineF>);
    std::vector<Step> steps;
    std::vector<QLineF> rules;
    QString texts;
};

// The fonts pages are drawn with: the report's fonts, each glyph of Latin
// text placed at the font's own advance, without the kerning and ligatures
// that shaping the text would apply. Shaping was a third of a long PDF's
// painting. Scripts that cannot be read without shaping are shaped still.
std::vector<QFont> drawnFonts(const std::vector<QFont>& fonts);

// Paints the page with the painter, whose device has the given resolution
// in dots per inch; the origin is the paper's top-left corner.
void paint(QPainter& painter, const PagePaint& page, const std::vector<QFont>& fonts, double dpiX, double dpiY);

// What a PDF painter takes from the printer, read before the painting starts.
struct PdfSettings {
    PdfSettings() = default;
    explicit PdfSettings(const QPrinter& printer);
    void apply(QPdfWriter& writer) const;

    QPageLayout layout;
    int resolution = 1200;
    QString title, creator;
    QPagedPaintDevice::PdfVersion version = QPagedPaintDevice::PdfVersion_1_4;
};

// A PDF file painted page after page into a file of its own.
class PdfFile {
public:
    PdfFile(const QString& path, const PdfSettings& settings);
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    void paint(const PagePaint& page, const std::vector<QFont>& fonts);
    // True when every page is in the file.
    bool close();

private:
    QFile file_;
    bool ok_;
    std::optional<QPdfWriter> writer_;
    QPainter painter_;
    bool begun_ = false;
    double dpiX_ = 0, dpiY_ = 0;
};

}  // namespace report
