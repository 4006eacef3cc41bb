#include "platform/report/render.h"

#include "platform/fso/fso.h"
#include "platform/report/error.h"
#include "platform/reportpaint/pagepaint.h"
#include "platform/reportpaint/paintprocess.h"
#include "platform/report/pdfjoin.h"
#include "platform/report/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
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

namespace report {

namespace {

// The page as it is drawn.
PagePaint paintOf(const LaidPage& page) {
    PagePaint p;
    int currentFont = -1;
    for (const LaidBand& band : page.bands) {
        if (!band.rules.empty()) {
            p.steps.push_back({PagePaint::Op::Rules, 0, {}, 0, 0, 0, qsizetype(p.rules.size()), qsizetype(band.rules.size())});
            p.rules.insert(p.rules.end(), band.rules.begin(), band.rules.end());
        }
        for (const LaidItem& item : band.items) {
            if (item.lines.isEmpty() || (item.lines.size() == 1 && item.lines.front().isEmpty())) continue;
            if (item.font != currentFont) {
                p.steps.push_back({PagePaint::Op::Font, item.font, {}, 0, 0, 0, 0, 0});
                currentFont = item.font;
            }
            const double lineHeight = item.lines.size() > 0 ? item.rect.height() / item.lines.size() : 0;
            for (int i = 0; i < item.lines.size(); ++i) {
                const QString& line = item.lines[i];
                if (line.isEmpty()) continue;
                p.steps.push_back({PagePaint::Op::Line, item.font, item.align, item.rect.left(), item.rect.width(),
                                   item.rect.top() + i * lineHeight, p.texts.size(), line.size()});
                p.texts += line;
            }
        }
    }
    return p;
}

}  // namespace

void paintPage(QPainter& painter, const LaidOutReport& report, int pageIndex, double dpiX, double dpiY) {
    if (pageIndex < 0 || pageIndex >= int(report.pages.size())) return;
    paintPage(painter, report.pages[size_t(pageIndex)], drawnFonts(report.fonts), dpiX, dpiY);
}

void paintPage(QPainter& painter, const LaidPage& page, const std::vector<QFont>& fonts, double dpiX, double dpiY) {
    paint(painter, paintOf(page), fonts, dpiX, dpiY);
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
// over, and the pages waiting for each painter at most; more while its
// painter process starts, so that the layout goes on meanwhile.
constexpr int kRun = 16;
constexpr int kWaiting = 2 * kRun;
constexpr int kWaitingAtStart = 8 * kRun;

ReportError cannotWrite(const QString& file) {
    return ReportError(err::OutputError,
                       TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tiedostoon %1 ei voi kirjoittaa")).arg(file));
}

// The report's fonts as its pages are drawn with (drawnFonts), and the same
// as a painter process is sent them. A QFont shares its data with its
// copies, and Qt changes that data as it measures or paints with it: no
// thread but the one that lays the report out touches these fonts. A
// painter thread sends the message, or paints with fonts of its own read
// back from it.
struct FontSet {
    explicit FontSet(const std::vector<QFont>& f) : fonts(drawnFonts(f)), message(PaintProcess::fontsMessage(fonts)) {}
    std::vector<QFont> fonts;
    QByteArray message;
};
using Fonts = std::shared_ptr<const FontSet>;

// The pages of a long PDF file painted side by side: each painter, a thread
// with a file of its own, takes runs of kRun pages in turn and paints them,
// or hands them to its painter process, and the files are joined in the
// pages' order. Only the pages waiting and being painted are held.
class Parts {
public:
    // program: the painter program, or empty to paint on threads.
    Parts(const QPrinter& printer, const QString& target, int count, const QString& program)
        : settings_(printer), program_(program) {
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
        placed_.push_back({k, queue(k, paintOf(page), std::move(fonts))});
    }
    int pages() const { return int(placed_.size()); }

    // Paints page over page j of the file (its index in the file's pages)
    // once every page is known: the page's painter paints it as a page of
    // its part after its own, and the join paints it over page j.
    void overlay(int j, const LaidPage& page, Fonts fonts) {
        const int k = placed_[size_t(j)].first;
        overlays_[j] = queue(k, paintOf(page), std::move(fonts));
    }

    // Waits for the painters; true when every part is written.
    bool close() {
        stop(false);
        return std::none_of(painters_.begin(), painters_.end(), [](const auto& p) { return p->failed; });
    }

    // Joins the parts into work.
    void join(const QString& work) const {
        QStringList files;
        for (const auto& p : painters_) files << p->file;
        std::vector<pdf::JoinedPage> pages;
        pages.reserve(placed_.size());
        for (size_t j = 0; j < placed_.size(); ++j) {
            const auto it = overlays_.find(int(j));
            pages.push_back({placed_[j].first, placed_[j].second, it == overlays_.end() ? -1 : it->second});
        }
        pdf::joinParts(files, pages, work);
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
        bool started = false;  // painting: the pages waiting are held to kWaiting
        bool failed = false;
    };

    // Hands a page to painter k; returns its index in the painter's part.
    int queue(int k, PagePaint page, Fonts fonts) {
        Painter& p = *painters_[size_t(k)];
        {
            std::unique_lock lock(mutex_);
            room_.wait(lock, [&] { return int(p.waiting.size()) < (p.started ? kWaiting : kWaitingAtStart); });
            p.waiting.push_back({std::move(page), std::move(fonts)});
        }
        p.wake.notify_one();
        return p.taken++;
    }

    void paint(int k) {
        Painter& me = *painters_[size_t(k)];
        // The part is painted by a painter process where there is one, and
        // on this thread otherwise.
        PaintProcess process;
        std::optional<PdfFile> own;
        if (program_.isEmpty() || !process.start(program_, settings_, me.file)) own.emplace(me.file, settings_);
        {
            std::lock_guard lock(mutex_);
            me.started = true;
        }
        Fonts sent;
        std::vector<QFont> mine;  // the fonts this thread paints with
        for (Job job;;) {
            {
                std::unique_lock lock(mutex_);
                me.wake.wait(lock, [&] { return !me.waiting.empty() || closing_; });
                if (me.waiting.empty() || abandoned_) break;
                job = std::move(me.waiting.front());
                me.waiting.pop_front();
            }
            room_.notify_all();
            if (own) {
                if (job.fonts != sent) mine = PaintProcess::fontsIn(job.fonts->message);
                sent = job.fonts;
                own->paint(job.page, mine);
                continue;
            }
            if (job.fonts != sent) process.setFonts(job.fonts->message);
            sent = job.fonts;
            process.paint(job.page);
        }
        const bool ok = own ? own->close() : process.close();
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
    const QString program_;
    std::vector<std::unique_ptr<Painter>> painters_;
    std::vector<std::pair<int, int>> placed_;  // per page of the file: painter, page of its part
    std::map<int, int> overlays_;               // page of the file: page of its part painted over it
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
    Impl(QPrinter& p, PdfPainting pdf)
        : printer(p), file(p.outputFormat() == QPrinter::PdfFormat ? p.outputFileName() : QString()),
          painterProgram(pdf == PdfPainting::InParts ? PaintProcess::program() : QString()),
          inParts(pdf != PdfPainting::PageAfterPage && !file.isEmpty() && p.copyCount() == 1 && p.colorMode() == QPrinter::Color &&
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
        if (!fonts || fonts->fonts.size() != report.fonts.size()) fonts = std::make_shared<const FontSet>(report.fonts);
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
                // A painter on each processor; with painter processes, one
                // processor is left to the layout.
                const int painters = QThread::idealThreadCount() - (painterProgram.isEmpty() ? 0 : 1);
                parts = std::make_unique<Parts>(printer, file, std::min(painters, 16), painterProgram);
                for (Held& h : held) parts->add(std::move(h.page), std::move(h.fonts));
                held.clear();
            }
            return;
        }
        paintOnPrinter(page, fonts->fonts);
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
    // painted over the pages of the parts.
    void writeLate(const std::vector<LateItem>& items) {
        std::map<int, LaidPage> over;
        for (const LateItem& l : items) {
            const int j = l.page - first;
            if (l.page < first || l.page > last) continue;
            if (!parts) {
                if (j < int(held.size())) held[size_t(j)].page.bands[size_t(l.band)].items[size_t(l.item)] = l.laid;
                continue;
            }
            if (j >= parts->pages()) continue;
            LaidPage& page = over[j];
            if (page.bands.empty()) page.bands.emplace_back();
            page.bands.front().items.push_back(l.laid);
        }
        for (const auto& [j, page] : over) parts->overlay(j, page, fonts);
    }

    QPrinter& printer;
    const QString file;  // the PDF file; empty for a printer
    const QString painterProgram;  // of the parts; empty: they are painted on threads
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

PageWriter::PageWriter(QPrinter& printer, PdfPainting pdf) : d_(std::make_unique<Impl>(printer, pdf)) {
    if (d_->file.isEmpty()) return;
    // The rename would replace a write-protected file, which the user meant to keep.
    if (fso::IsFileReadOnly(d_->file)) throw cannotWrite(d_->file);
    fso::RemoveLeftoverWorkFilesOf(d_->file);
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
            d.writeLate(d.late);
            if (!d.parts->close()) throw cannotWrite(d.file);
            try {
                d.parts->join(work);
            } catch (const pdf::JoinError&) {
                throw cannotWrite(d.file);
            }
            d.parts.reset();
            return;
        }
        d.writeLate(d.late);
        const OutputFileFor into(d.printer, work);
        for (const Impl::Held& h : d.held) d.paintOnPrinter(h.page, d.fonts->fonts);
        d.held.clear();
        d.endPainting();
    });
}

void printPages(QPrinter& printer, const LaidOutReport& report, PdfPainting pdf) {
    PageWriter writer(printer, pdf);
    for (const LaidPage& page : report.pages) writer.page(page, report);
    writer.lastPage(report, {});
    writer.finish();
}

}  // namespace report
