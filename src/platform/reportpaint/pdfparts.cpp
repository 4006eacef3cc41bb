#include "platform/reportpaint/pdfparts.h"

#include "platform/reportpaint/paintprocess.h"
#include "platform/reportpaint/pdfjoin.h"

#include <algorithm>
#include <optional>

namespace report {

namespace {

// Pages one painter paints in a row before the next one takes over, and the
// pages waiting for each painter at most; more while its painter process
// starts, so that the layout goes on meanwhile.
constexpr int kRun = 16;
constexpr int kWaiting = 2 * kRun;
constexpr int kWaitingAtStart = 8 * kRun;

}  // namespace

FontSet::FontSet(const std::vector<QFont>& f) : fonts(drawnFonts(f)), message(PaintProcess::fontsMessage(fonts)) {}

PdfParts::PdfParts(const PdfSettings& settings, const QStringList& files, const QString& program)
    : settings_(settings), program_(program) {
    for (const QString& file : files) {
        painters_.push_back(std::make_unique<Painter>());
        painters_.back()->file = file;
    }
    for (const auto& p : painters_) {
        if (!threads_.start([this, me = p.get()] { paint(*me); })) break;
        ++count_;
    }
}

PdfParts::~PdfParts() { stop(true); }

bool PdfParts::add(PagePaint page, Fonts fonts) {
    if (broken_ || count_ == 0) return false;
    const int k = (int(placed_.size()) / kRun) % count_;
    placed_.push_back({k, queue(k, std::move(page), std::move(fonts))});
    return true;
}

void PdfParts::overlay(int j, PagePaint page, Fonts fonts) {
    const int k = placed_[size_t(j)].first;
    overlays_[j] = queue(k, std::move(page), std::move(fonts));
}

bool PdfParts::close() {
    stop(false);
    return count_ > 0 && std::none_of(painters_.begin(), painters_.begin() + count_, [](const auto& p) { return p->failed; });
}

void PdfParts::join(const QString& work) const {
    QStringList files;
    for (int k = 0; k < count_; ++k) files << painters_[size_t(k)]->file;
    std::vector<pdf::JoinedPage> pages;
    pages.reserve(placed_.size());
    for (size_t j = 0; j < placed_.size(); ++j) {
        const auto it = overlays_.find(int(j));
        pages.push_back({placed_[j].first, placed_[j].second, it == overlays_.end() ? -1 : it->second});
    }
    pdf::joinParts(files, pages, work);
}

// Hands a page to painter k; returns its index in the painter's part.
int PdfParts::queue(int k, PagePaint page, Fonts fonts) {
    Painter& p = *painters_[size_t(k)];
    {
        std::unique_lock lock(mutex_);
        room_.wait(lock, [&] { return int(p.waiting.size()) < (p.started ? kWaiting : kWaitingAtStart); });
        p.waiting.push_back({std::move(page), std::move(fonts)});
    }
    p.wake.notify_one();
    return p.taken++;
}

void PdfParts::paint(Painter& me) {
    // The part is painted by a painter process where there is one, and on
    // this thread otherwise.
    PaintProcess process;
    std::optional<PdfFile> own;
    if (program_.isEmpty() || !process.start(program_, settings_, me.file)) own.emplace(me.file, settings_);
    {
        std::lock_guard lock(mutex_);
        me.started = true;
    }
    Fonts sent;
    std::vector<QFont> mine;  // the fonts this thread paints with
    bool ok = true, abandoned = false;
    for (Job job;;) {
        {
            std::unique_lock lock(mutex_);
            me.wake.wait(lock, [&] { return !me.waiting.empty() || closing_; });
            abandoned = abandoned_;
            if (me.waiting.empty() || abandoned) break;
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
        // A painter that failed takes no more pages; those still coming are
        // let go, so that the layout does not wait for it.
        if (!ok) continue;
        if (job.fonts != sent) ok = process.setFonts(job.fonts->message);
        sent = job.fonts;
        ok = ok && process.paint(job.page);
        if (!ok) broken_ = true;
    }
    // An abandoned part's painter process is ended as it stands.
    const bool whole = own ? own->close() : ok && !abandoned && process.close();
    std::lock_guard lock(mutex_);
    me.failed = !whole;
}

void PdfParts::stop(bool abandon) {
    {
        std::lock_guard lock(mutex_);
        if (!closing_ || (abandon && !abandoned_)) {
            closing_ = true;
            abandoned_ = abandon;
        }
        if (abandon)
            for (const auto& p : painters_) p->waiting.clear();
    }
    room_.notify_all();
    for (const auto& p : painters_) p->wake.notify_all();
    try {
        threads_.wait();
    } catch (...) {
        // Out of memory, say: that painter's part stays failed.
    }
}

}  // namespace report
