#include "platform/report/render.h"

#include "platform/fso/fso.h"
#include "platform/parallel/parallel.h"
#include "platform/report/error.h"
#include "platform/report/progress.h"
#include "platform/report/texts.h"
#include "platform/reportpaint/pagepaint.h"
#include "platform/reportpaint/paintprocess.h"
#include "platform/reportpaint/pdfjoin.h"
#include "platform/reportpaint/pdfparts.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
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

ReportError cannotWrite(const QString& file) {
    return ReportError(err::OutputError,
                       TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tiedostoon %1 ei voi kirjoittaa")).arg(file));
}

// The part files of a PDF file painted in parts, beside it, made as the
// painters ask for them (on their threads) and removed with this however
// the writing ends.
class PartFiles {
public:
    explicit PartFiles(const QString& target) : target_(target) {}
    ~PartFiles() { removeAll(); }
    PartFiles(const PartFiles&) = delete;
    PartFiles& operator=(const PartFiles&) = delete;
    // A new part file; "" where none can be made.
    QString add() {
        std::lock_guard lock(mutex_);
        try {
            files_ << fso::CreateWorkFileBeside(target_);
        } catch (const fso::Error&) {
            return QString();
        }
        return files_.back();
    }

private:
    void removeAll() {
        std::lock_guard lock(mutex_);
        for (const QString& f : std::as_const(files_)) QFile::remove(f);
        files_.clear();
    }
    const QString target_;
    std::mutex mutex_;
    QStringList files_;
};

// Writes a file whole or not at all: write fills a work file beside target,
// which is on the disk before it takes target's name in one step. At every
// moment target is the earlier file or the whole new one; a work file that
// a crash leaves is one the clean-up of work files removes, as the next
// file written into that folder does. Just before the file takes the name,
// committing may still stop it by throwing.
void writeWhole(const QString& target, const std::function<void(const QString& work)>& write,
                const std::function<void()>& committing = {}) {
    QString work;
    try {
        work = fso::CreateWorkFileBeside(target);
        write(work);
        if (committing) committing();
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
                  parallel::processors() >= 2) {
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
                addPart(paintOf(page), fonts);
                return;
            }
            held.push_back({std::move(page), fonts});
            if (inParts && int(held.size()) > kHeldPages) {
                // A painter on each processor; with painter processes, one
                // processor is left to the layout.
                const int painters = int(parallel::processors()) - (painterProgram.isEmpty() ? 0 : 1);
                partFiles.emplace(file);
                parts = std::make_unique<PdfParts>(
                    PdfSettings(printer), std::max(painters, 1), [this] { return partFiles->add(); }, painterProgram);
                parts->setWhileWaiting(whileWaiting);
                for (Held& h : held) addPart(paintOf(h.page), std::move(h.fonts));
                held.clear();
            }
            return;
        }
        paintOnPrinter(page, fonts->fonts);
    }

    // A page for the parts; a part that can no longer be written fails the
    // file at once, rather than once the layout is done.
    void addPart(PagePaint page, Fonts pageFonts) {
        if (!parts->add(std::move(page), std::move(pageFonts))) throw cannotWrite(file);
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
        for (const auto& [j, page] : over) parts->overlay(j, paintOf(page), fonts);
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
    std::optional<PartFiles> partFiles;
    std::unique_ptr<PdfParts> parts;  // stopped before its files are removed
    std::function<void()> whileWaiting;
    // The finish of parts on another thread, and its stop: abandoned is
    // asked for until the file is committed to take its name.
    std::mutex commit;
    bool abandoned = false, committing = false;
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

bool PageWriter::finishesOnAnyThread() const { return d_->parts != nullptr; }

void PageWriter::setWhileWaiting(std::function<void()> whileWaiting) {
    d_->whileWaiting = std::move(whileWaiting);
    if (d_->parts) d_->parts->setWhileWaiting(d_->whileWaiting);
}

bool PageWriter::abandon() {
    Impl& d = *d_;
    const std::lock_guard lock(d.commit);
    if (d.committing || !d.parts) return false;
    d.abandoned = true;
    d.parts->abandon();
    return true;
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
    if (d.parts) {
        // The parts are waited for and joined, unless abandoned meanwhile;
        // once the file is committed to take its name, the parts go. This
        // may be another thread than the one that handed the pages: the
        // pages painted over others wait for room without calling back.
        d.parts->setWhileWaiting({});
        const auto abandoned = [&] {
            const std::lock_guard lock(d.commit);
            return d.abandoned;
        };
        writeWhole(
            d.file,
            [&](const QString& work) {
                d.writeLate(d.late);
                if (!d.parts->close()) {
                    if (abandoned()) throw RunCancelled{};
                    throw cannotWrite(d.file);
                }
                try {
                    d.parts->join(work);
                } catch (const pdf::JoinError&) {
                    throw cannotWrite(d.file);
                }
            },
            [&] {
                const std::lock_guard lock(d.commit);
                if (d.abandoned) throw RunCancelled{};
                d.committing = true;
            });
        d.parts.reset();
        d.partFiles.reset();
        return;
    }
    writeWhole(d.file, [&](const QString& work) {
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
