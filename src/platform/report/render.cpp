#include "platform/report/render.h"

#include "platform/fso/fso.h"
#include "platform/report/error.h"
#include "platform/report/pdfjoin.h"
#include "platform/report/texts.h"

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
#include <condition_variable>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace report {

void paintPage(QPainter& painter, const LaidOutReport& report, int pageIndex, double dpiX, double dpiY) {
    if (pageIndex < 0 || pageIndex >= int(report.pages.size())) return;
    paintPage(painter, report.pages[size_t(pageIndex)], report.fonts, dpiX, dpiY);
}

namespace {

// A page as it is drawn: its rules and the lines of its texts in drawing
// order, each with its place, font and alignment, the texts in one buffer.
// A long PDF's pages go to the painter threads in this form: a few blocks
// of memory each, while the laid-out page, whose many small texts another
// thread would have read, is freed at once by the thread that made it.
struct PagePaint {
    enum class Op : std::uint8_t { Rules, Font, Line };
    struct Step {
        Op op;
        int font = 0;                    // Font
        Qt::Alignment align;             // Line
        double left = 0, width = 0, top = 0;  // Line, in points
        qsizetype at = 0, size = 0;      // Line: in texts; Rules: in rules
    };
    std::vector<Step> steps;
    std::vector<QLineF> rules;
    QString texts;

    static PagePaint of(const LaidPage& page) {
        PagePaint p;
        int currentFont = -1;
        for (const LaidBand& band : page.bands) {
            if (!band.rules.empty()) {
                p.steps.push_back({Op::Rules, 0, {}, 0, 0, 0, qsizetype(p.rules.size()), qsizetype(band.rules.size())});
                p.rules.insert(p.rules.end(), band.rules.begin(), band.rules.end());
            }
            for (const LaidItem& item : band.items) {
                if (item.lines.isEmpty() || (item.lines.size() == 1 && item.lines.front().isEmpty())) continue;
                if (item.font != currentFont) {
                    p.steps.push_back({Op::Font, item.font, {}, 0, 0, 0, 0, 0});
                    currentFont = item.font;
                }
                const double lineHeight = item.lines.size() > 0 ? item.rect.height() / item.lines.size() : 0;
                for (int i = 0; i < item.lines.size(); ++i) {
                    const QString& line = item.lines[i];
                    if (line.isEmpty()) continue;
                    p.steps.push_back({Op::Line, item.font, item.align, item.rect.left(), item.rect.width(),
                                       item.rect.top() + i * lineHeight, p.texts.size(), line.size()});
                    p.texts += line;
                }
            }
        }
        return p;
    }
};

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

}  // namespace

void paintPage(QPainter& painter, const LaidPage& page, const std::vector<QFont>& fonts, double dpiX, double dpiY) {
    paint(painter, PagePaint::of(page), fonts, dpiX, dpiY);
}

void setUpPrinter(QPrinter& printer, const LaidOutReport& report) {
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), report.orientation, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Point));
    if (!report.title.isEmpty()) printer.setDocName(report.title);
}


namespace {

// A PDF file of fewer pages is quicker written at once than painted in
// parts side by side and joined: the pages are held until there are more.
constexpr int kHeldPages = 128;
// Pages one painter of the parts paints in a row before the next one takes
// over, and the pages waiting for each painter at most.
constexpr int kRun = 16;
constexpr int kWaiting = 2 * kRun;

ReportError cannotWrite(const QString& file) {
    return ReportError(err::OutputError,
                       TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tiedostoon %1 ei voi kirjoittaa")).arg(file));
}

using Fonts = std::shared_ptr<const std::vector<QFont>>;

// Qt's PDF writer takes and gives back a page's buffers for every page it
// writes. On several threads at once, the C library hands that memory back
// to the system and takes it again page after page, each time clearing the
// pages of every processor's address cache: that took more time than the
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

// What a PDF painter takes from the printer, read before the painting starts.
struct PdfSettings {
    explicit PdfSettings(const QPrinter& printer)
        : layout(printer.pageLayout()), resolution(printer.resolution()), title(printer.docName()),
          creator(printer.creator()), version(printer.pdfVersion()) {}
    void apply(QPdfWriter& writer) const {
        writer.setPdfVersion(version);
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(creator);
    }
    QPageLayout layout;
    int resolution;
    QString title, creator;
    QPagedPaintDevice::PdfVersion version;
};

// A PDF file painted page after page into a file of its own.
class PdfFile {
public:
    PdfFile(const QString& path, const PdfSettings& settings) : file_(path), ok_(file_.open(QIODevice::WriteOnly)) {
        if (!ok_) return;
        writer_.emplace(&file_);
        settings.apply(*writer_);
    }
    void paint(const PagePaint& page, const std::vector<QFont>& fonts) {
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
    // True when every page is in the file.
    bool close() {
        if (begun_ && !painter_.end()) ok_ = false;
        writer_.reset();
        if (file_.isOpen()) {
            ok_ = ok_ && file_.flush();
            file_.close();
        }
        return ok_;
    }

private:
    QFile file_;
    bool ok_;
    std::optional<QPdfWriter> writer_;
    QPainter painter_;
    bool begun_ = false;
    double dpiX_ = 0, dpiY_ = 0;
};

// The pages of a long PDF file painted side by side: each painter, a thread
// with a file of its own, takes runs of kRun pages in turn, and the files
// are joined in the pages' order. Only the pages waiting and being painted
// are held.
class Parts {
public:
    Parts(const QPrinter& printer, const QString& target, int count) : settings_(printer) {
        keepFreedMemoryForReuse();
        try {
            for (int k = 0; k < count; ++k) {
                painters_.push_back(std::make_unique<Painter>());
                painters_.back()->file = fso::CreateWorkFileBeside(target);
            }
        } catch (const fso::Error&) {
            removeFiles();
            throw cannotWrite(target);
        }
        for (int k = 0; k < count; ++k) painters_[size_t(k)]->thread = std::thread([this, k] { paint(k); });
    }
    ~Parts() {
        stop(true);
        removeFiles();
    }
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;

    // The next page of the file.
    void add(LaidPage page, Fonts fonts) {
        const int k = (int(placed_.size()) / kRun) % int(painters_.size());
        Painter& p = *painters_[size_t(k)];
        placed_.push_back({k, p.taken++});
        Job job{PagePaint::of(page), std::move(fonts)};
        {
            std::unique_lock lock(mutex_);
            room_.wait(lock, [&] { return int(p.waiting.size()) < kWaiting; });
            p.waiting.push_back(std::move(job));
        }
        p.wake.notify_one();
    }
    int pages() const { return int(placed_.size()); }

    // Waits for the painters; true when every part is written.
    bool close() {
        stop(false);
        return std::none_of(painters_.begin(), painters_.end(), [](const auto& p) { return p->failed; });
    }

    // Joins the parts into work; overlay, when not empty, has a page to
    // paint over each page that overlays names (index in the file's pages).
    void join(const QString& work, const QString& overlay, const std::map<int, int>& overlays) const {
        QStringList files;
        for (const auto& p : painters_) files << p->file;
        std::vector<pdf::JoinedPage> pages;
        pages.reserve(placed_.size());
        for (size_t j = 0; j < placed_.size(); ++j) {
            const auto it = overlays.find(int(j));
            pages.push_back({placed_[j].first, placed_[j].second, it == overlays.end() ? -1 : it->second});
        }
        pdf::joinParts(files, pages, overlay, work);
    }

private:
    struct Job {
        PagePaint page;
        Fonts fonts;
    };
    struct Painter {
        QString file;
        std::thread thread;
        std::deque<Job> waiting;
        std::condition_variable wake;
        int taken = 0;
        bool failed = false;
    };

    void paint(int k) {
        Painter& me = *painters_[size_t(k)];
        PdfFile out(me.file, settings_);
        for (Job job;;) {
            {
                std::unique_lock lock(mutex_);
                me.wake.wait(lock, [&] { return !me.waiting.empty() || closing_; });
                if (me.waiting.empty() || abandoned_) break;
                job = std::move(me.waiting.front());
                me.waiting.pop_front();
            }
            room_.notify_all();
            out.paint(job.page, *job.fonts);
        }
        const bool ok = out.close();
        std::lock_guard lock(mutex_);
        me.failed = !ok;
    }

    void stop(bool abandon) {
        {
            std::lock_guard lock(mutex_);
            if (closing_ && (abandoned_ || !abandon)) {
            } else {
                closing_ = true;
                abandoned_ = abandon;
            }
            if (abandon)
                for (const auto& p : painters_) p->waiting.clear();
        }
        room_.notify_all();
        for (const auto& p : painters_) {
            p->wake.notify_all();
            if (p->thread.joinable()) p->thread.join();
        }
    }

    void removeFiles() {
        for (const auto& p : painters_)
            if (!p->file.isEmpty()) QFile::remove(p->file);
    }

    PdfSettings settings_;
    std::vector<std::unique_ptr<Painter>> painters_;
    std::vector<std::pair<int, int>> placed_;  // per page of the file: painter, page of its part
    std::mutex mutex_;
    std::condition_variable room_;
    bool closing_ = false, abandoned_ = false;
};

// Writes a file whole or not at all: write fills a work file beside target,
// which is on the disk before it takes target's name in one step. At every
// moment target is the earlier file or the whole new one; a work file that
// a crash leaves is one the clean-up of work files removes, as the next
// file written into that folder does.
void writeWhole(const QString& target, const std::function<void(const QString& work)>& write) {
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

}  // namespace

struct PageWriter::Impl {
    Impl(QPrinter& p, bool parts)
        : printer(p), file(p.outputFormat() == QPrinter::PdfFormat ? p.outputFileName() : QString()),
          inParts(parts && !file.isEmpty() && p.copyCount() == 1 && p.colorMode() == QPrinter::Color &&
                  QThread::idealThreadCount() >= 2) {
        // A page range chosen in the printer dialog; otherwise every page.
        if (p.printRange() == QPrinter::PageRange && p.fromPage() > 0) {
            first = p.fromPage() - 1;
            last = std::max(p.toPage(), p.fromPage()) - 1;
        }
    }

    // The fonts of the report as they stand, shared by the pages painted
    // with them (the engine adds a font when a page first uses it).
    const Fonts& fontsOf(const LaidOutReport& report) {
        if (!fonts || fonts->size() != report.fonts.size()) fonts = std::make_shared<const std::vector<QFont>>(report.fonts);
        return fonts;
    }

    // A PDF file painted page after page goes into its work file at once;
    // the printer writes there until the file is finished.
    bool streams() const { return !file.isEmpty() && !inParts; }

    void take(LaidPage page) {
        if (streams() && work.isEmpty()) {
            try {
                work = fso::CreateWorkFileBeside(file);
            } catch (const fso::Error&) {
                throw cannotWrite(file);
            }
            into.emplace(printer, work);
        }
        if (!file.isEmpty() && !streams()) {
            if (parts) {
                parts->add(std::move(page), fonts);
                return;
            }
            held.push_back({std::move(page), fonts});
            if (inParts && int(held.size()) > kHeldPages) {
                parts = std::make_unique<Parts>(printer, file, std::min(QThread::idealThreadCount(), 16));
                for (Held& h : held) parts->add(std::move(h.page), std::move(h.fonts));
                held.clear();
            }
            return;
        }
        paintOnPrinter(page, *fonts);
    }

    void paintOnPrinter(const LaidPage& page, const std::vector<QFont>& pageFonts) {
        if (!painting) {
            beginPainting();
        } else if (!printer.newPage()) {
            painter.end();
            throw ReportError(err::OutputError, TranslateText(QStringLiteral("Raportit"),
                                                              QStringLiteral("Sivun %1 tulostus ei onnistu"))
                                                    .arg(page.number));
        }
        paintPage(painter, page, pageFonts, printer.logicalDpiX(), printer.logicalDpiY());
    }

    void beginPainting() {
        if (!painter.begin(&printer))
            throw file.isEmpty() ? ReportError(err::OutputError, TranslateText(QStringLiteral("Raportit"),
                                                                               QStringLiteral("Tulostus tulostimelle %1 ei onnistu"))
                                                                     .arg(printer.printerName()))
                                 : cannotWrite(file);
        painting = true;
    }

    void endPainting() {
        if (!painting) beginPainting();
        painting = false;
        if (!painter.end())
            throw ReportError(err::OutputError,
                              TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tulosteen kirjoitus ei onnistunut")));
    }

    // The items that show the page count: written into the held pages, or
    // painted over the pages of the parts from a file of their own.
    void writeLate(const std::vector<LateItem>& items, const QString& overlay, std::map<int, int>& overlays) {
        std::map<int, LaidPage> over;
        for (const LateItem& l : items) {
            const int j = l.page - first;
            if (l.page < first || l.page > last) continue;
            if (!parts) {
                if (j < int(held.size())) held[size_t(j)].page.bands[size_t(l.band)].items[size_t(l.item)] = l.laid;
                continue;
            }
            LaidPage& page = over[j];
            if (page.bands.empty()) page.bands.emplace_back();
            page.bands.front().items.push_back(l.laid);
        }
        if (over.empty()) return;
        PdfFile out(overlay, PdfSettings(printer));
        for (const auto& [j, page] : over) {
            overlays[j] = int(overlays.size());
            out.paint(PagePaint::of(page), *fonts);
        }
        if (!out.close()) throw cannotWrite(file);
    }

    QPrinter& printer;
    const QString file;  // the PDF file; empty for a printer
    const bool inParts;
    int first = 0, last = std::numeric_limits<int>::max();
    int seen = 0, taken = 0;
    std::optional<LaidPage> spare;  // the last page before the range, while none was in it
    Fonts fonts;
    struct Held {
        LaidPage page;
        Fonts fonts;
    };
    std::vector<Held> held;
    std::unique_ptr<Parts> parts;
    std::vector<LateItem> late;
    QString work;  // the work file of a PDF file painted page after page
    std::optional<OutputFileFor> into;
    QPainter painter;
    bool painting = false;
    bool finished = false;
};

PageWriter::PageWriter(QPrinter& printer, bool pdfInParts) : d_(std::make_unique<Impl>(printer, pdfInParts)) {
    if (d_->file.isEmpty()) return;
    // The rename would replace a write-protected file, which the user meant to keep.
    if (fso::IsFileReadOnly(d_->file)) throw cannotWrite(d_->file);
    fso::RemoveLeftoverWorkFiles(fso::GetParentFolderName(QFileInfo(d_->file).absoluteFilePath()));
}

PageWriter::~PageWriter() {
    if (d_->painting) d_->painter.end();
    d_->into.reset();
    if (!d_->work.isEmpty()) QFile::remove(d_->work);
}

bool PageWriter::takesPageCountLate() const { return !d_->file.isEmpty() && !d_->streams(); }

void PageWriter::page(LaidPage page, const LaidOutReport& report) {
    const int index = d_->seen++;
    d_->fontsOf(report);
    if (index < d_->first || index > d_->last) {
        // A range past the last page prints the last page.
        if (d_->taken == 0) d_->spare = std::move(page);
        return;
    }
    ++d_->taken;
    d_->take(std::move(page));
}

void PageWriter::lastPage(const LaidOutReport& report, std::vector<LateItem> items) {
    d_->fontsOf(report);
    if (d_->taken == 0 && d_->spare) {
        d_->first = d_->last = d_->seen - 1;
        d_->taken = 1;
        d_->take(std::move(*d_->spare));
    }
    d_->spare.reset();
    d_->late = std::move(items);
}

void PageWriter::finish() {
    Impl& d = *d_;
    if (d.finished) return;
    d.finished = true;
    if (d.file.isEmpty()) {
        d.endPainting();
        return;
    }
    if (d.streams()) {
        if (d.work.isEmpty()) d.take(LaidPage());  // no page in the range: an empty one
        d.endPainting();
        d.into.reset();
        try {
            fso::SyncFile(d.work);
            fso::ReplaceFile(d.work, d.file);
        } catch (const fso::Error&) {
            throw cannotWrite(d.file);  // the destructor removes the work file
        }
        d.work.clear();
        return;
    }
    writeWhole(d.file, [&](const QString& work) {
        if (d.parts) {
            if (!d.parts->close()) throw cannotWrite(d.file);
            QString overlay;
            std::map<int, int> overlays;
            try {
                if (!d.late.empty()) {
                    overlay = fso::CreateWorkFileBeside(d.file);
                    d.writeLate(d.late, overlay, overlays);
                }
                d.parts->join(work, overlay, overlays);
            } catch (const pdf::JoinError&) {
                if (!overlay.isEmpty()) QFile::remove(overlay);
                throw cannotWrite(d.file);
            } catch (...) {
                if (!overlay.isEmpty()) QFile::remove(overlay);
                throw;
            }
            if (!overlay.isEmpty()) QFile::remove(overlay);
            d.parts.reset();
            return;
        }
        std::map<int, int> none;
        d.writeLate(d.late, QString(), none);
        const OutputFileFor into(d.printer, work);
        for (const Impl::Held& h : d.held) d.paintOnPrinter(h.page, *d.fonts);
        d.held.clear();
        d.endPainting();
    });
}

void printPages(QPrinter& printer, const LaidOutReport& report, bool pdfInParts) {
    PageWriter writer(printer, pdfInParts);
    for (const LaidPage& page : report.pages) writer.page(page, report);
    writer.lastPage(report, {});
    writer.finish();
}

}  // namespace report
