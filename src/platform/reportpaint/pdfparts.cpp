#include "platform/reportpaint/pdfparts.h"

#include "platform/reportpaint/paintprocess.h"
#include "platform/reportpaint/pdfjoin.h"

#include <algorithm>
#include <chrono>
#include <optional>

namespace report {

namespace {

// Pages one painter paints in a row before the next one takes over, and the
// pages waiting for each painter at most; more while its painter process
// starts, so that the layout goes on meanwhile.
constexpr int kRun = 16;
constexpr int kWaiting = 2 * kRun;
constexpr int kWaitingAtStart = 8 * kRun;
std::atomic<int> pagesPerPart{PdfParts::kPagesPerPart};
// How often a page waiting for room calls its caller back.
constexpr std::chrono::milliseconds kWhileWaiting{25};

}  // namespace

void PdfParts::setPagesPerPart(int pages) { pagesPerPart = pages; }

FontSet::FontSet(const std::vector<QFont>& f) : fonts(drawnFonts(f)), message(PaintProcess::fontsMessage(fonts)) {}

// What a painter's thread does with its pages: hands them to its painter
// process, or paints them itself where there is none, and from the first
// failure of the process on (the pages of the part it had open among them).
class PdfParts::Painting {
public:
    Painting(PdfParts& parts, Painter& me)
        : parts_(parts), me_(me), process_(&parts.abandoned_), pagesPerPart_(std::max(1, pagesPerPart.load())) {}

    void start() {
        if (!parts_.program_.isEmpty()) {
            file_ = parts_.newFile();
            viaProcess_ = file_ >= 0 && process_.start(parts_.program_, parts_.settings_, parts_.file(file_));
        }
        if (!viaProcess_ && !parts_.abandoned_) beginOwn();
    }

    // The page, the painter's page seq.
    void paint(Job job, int seq) {
        if (viaProcess_ && int(held_.size()) >= pagesPerPart_) {
            const int next = parts_.newFile();
            if (next >= 0 && process_.next(parts_.file(next))) {
                held_.clear();
                file_ = next;
            } else {
                takeOver();
            }
        }
        if (viaProcess_) {
            if (job.fonts != sent_ && process_.setFonts(job.fonts->message)) sent_ = job.fonts;
            if (job.fonts == sent_ && process_.paint(job.page)) {
                place(seq, file_, int(held_.size()));
                held_.push_back({std::move(job), seq});
                return;
            }
            takeOver();
        }
        paintOwn(job, seq);
    }

    // True when every page is in a part closed whole.
    bool finish() {
        if (parts_.abandoned_) return false;
        if (viaProcess_ && process_.close()) return true;
        if (viaProcess_) takeOver();
        return own_ && own_->close() && !parts_.abandoned_;
    }

private:
    struct Held {
        Job job;
        int seq;
    };

    // The painter process failed, or did not answer: the pages of its open
    // part, and those that follow, are painted here into a part of their own.
    void takeOver() {
        viaProcess_ = false;
        if (parts_.abandoned_) {
            held_.clear();
            return;
        }
        beginOwn();
        for (const Held& h : held_) paintOwn(h.job, h.seq);
        held_.clear();
    }

    void beginOwn() {
        file_ = parts_.newFile();
        if (file_ < 0) {
            parts_.broken_ = true;
            return;
        }
        own_.emplace(parts_.file(file_), parts_.settings_);
    }

    void paintOwn(const Job& job, int seq) {
        if (!own_ || parts_.abandoned_) return;
        // Fonts of this thread's own, read back from the message.
        if (job.fonts != mineOf_) {
            mine_ = PaintProcess::fontsIn(job.fonts->message);
            mineOf_ = job.fonts;
        }
        own_->paint(job.page, mine_);
        place(seq, file_, ownPages_++);
    }

    void place(int seq, int file, int page) {
        if (me_.places.size() <= size_t(seq)) me_.places.resize(size_t(seq) + 1);
        me_.places[size_t(seq)] = {file, page};
    }

    PdfParts& parts_;
    Painter& me_;
    PaintProcess process_;
    const int pagesPerPart_;
    bool viaProcess_ = false;
    int file_ = -1;            // the part being painted, by the process or here
    std::vector<Held> held_;   // the pages of the process's open part
    Fonts sent_;               // the fonts the process has
    std::optional<PdfFile> own_;
    int ownPages_ = 0;
    Fonts mineOf_;
    std::vector<QFont> mine_;  // the fonts this thread paints with
};

PdfParts::PdfParts(const PdfSettings& settings, int painters, std::function<QString()> newFile, const QString& program)
    : settings_(settings), program_(program), newFile_(std::move(newFile)) {
    for (int k = 0; k < painters; ++k) painters_.push_back(std::make_unique<Painter>());
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
    return count_ > 0 && !abandoned_ &&
           std::none_of(painters_.begin(), painters_.begin() + count_, [](const auto& p) { return p->failed; });
}

void PdfParts::abandon() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        abandoned_ = true;
        for (const auto& p : painters_) p->waiting.clear();
    }
    room_.notify_all();
    for (const auto& p : painters_) p->wake.notify_all();
}

void PdfParts::join(const QString& work) const {
    const auto at = [this](int k, int seq) {
        const std::vector<Place>& places = painters_[size_t(k)]->places;
        return size_t(seq) < places.size() ? places[size_t(seq)] : Place{};
    };
    std::vector<pdf::JoinedPage> pages;
    pages.reserve(placed_.size());
    for (size_t j = 0; j < placed_.size(); ++j) {
        const auto [k, seq] = placed_[j];
        const Place page = at(k, seq);
        pdf::JoinedPage joined{page.file, page.page};
        if (const auto it = overlays_.find(int(j)); it != overlays_.end()) {
            const Place over = at(k, it->second);
            joined.overlay = over.page;
            joined.overlayPart = over.file;
        }
        pages.push_back(joined);
    }
    pdf::joinParts(files_, pages, work);
}

// Hands a page to painter k; returns its index among the painter's pages.
int PdfParts::queue(int k, PagePaint page, Fonts fonts) {
    Painter& p = *painters_[size_t(k)];
    {
        std::unique_lock lock(mutex_);
        const auto room = [&] { return abandoned_ || int(p.waiting.size()) < (p.started ? kWaiting : kWaitingAtStart); };
        while (!room()) {
            if (!whileWaiting_) {
                room_.wait(lock, room);
                break;
            }
            if (room_.wait_for(lock, kWhileWaiting, room)) break;
            lock.unlock();
            whileWaiting_();
            lock.lock();
        }
        p.waiting.push_back({std::move(page), std::move(fonts)});
    }
    p.wake.notify_one();
    return p.taken++;
}

void PdfParts::paint(Painter& me) {
    Painting painting(*this, me);
    painting.start();
    {
        std::lock_guard lock(mutex_);
        me.started = true;
    }
    for (int seq = 0;; ++seq) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            me.wake.wait(lock, [&] { return !me.waiting.empty() || closing_; });
            if (me.waiting.empty() || abandoned_) break;
            job = std::move(me.waiting.front());
            me.waiting.pop_front();
        }
        room_.notify_all();
        painting.paint(std::move(job), seq);
    }
    // An abandoned part's painter process is ended as it stands.
    const bool whole = painting.finish();
    std::lock_guard lock(mutex_);
    me.failed = !whole;
}

void PdfParts::stop(bool abandon) {
    if (abandon) {
        this->abandon();
    } else {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        for (const auto& p : painters_) p->wake.notify_all();
    }
    try {
        threads_.wait();
    } catch (...) {
        // Out of memory, say: that painter's part stays failed.
    }
}

int PdfParts::newFile() {
    const QString f = newFile_ ? newFile_() : QString();
    if (f.isEmpty()) return -1;
    std::lock_guard lock(mutex_);
    files_ << f;
    return int(files_.size()) - 1;
}

QString PdfParts::file(int index) {
    std::lock_guard lock(mutex_);
    return files_[index];
}

}  // namespace report
