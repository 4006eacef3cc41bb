#pragma once

// The pages of a long PDF file painted side by side: each painter takes
// runs of pages in turn and paints them into a part file of its own, or
// hands them to its painter process (paintprocess.h), and the parts are
// joined in the pages' order (pdfjoin.h). A painter process closes its
// part every so many pages and goes on in the next: should it fail, or stop
// answering, the pages of its open part are painted again here, with the
// rest of its pages. Only the pages waiting, being painted, and painted
// into a painter process's open part are held.

#include "platform/parallel/parallel.h"
#include "platform/reportpaint/pagepaint.h"

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace report {

// A report's fonts as its pages are drawn with (drawnFonts), and the same
// as a painter process is sent them. A QFont shares its data with its
// copies, and Qt changes that data as it measures or paints with it: only
// the thread that lays the report out touches these fonts. A painter thread
// sends the message, or paints with fonts of its own read back from it.
struct FontSet {
    explicit FontSet(const std::vector<QFont>& f);
    std::vector<QFont> fonts;
    QByteArray message;
};
using Fonts = std::shared_ptr<const FontSet>;

class PdfParts {
public:
    // Paints the pages with painters, each into part files that newFile
    // makes and the caller removes; newFile gives "" where it cannot make
    // one, and is called on the painters' threads, several at once. The
    // painters hand their pages to the painter program, or paint them on
    // threads of this process where program is empty, or where the painter
    // does not start or fails.
    PdfParts(const PdfSettings& settings, int painters, std::function<QString()> newFile, const QString& program);
    ~PdfParts();  // the painters are stopped, whatever they have not painted
    PdfParts(const PdfParts&) = delete;
    PdfParts& operator=(const PdfParts&) = delete;

    // The pages a painter process paints into a part before it closes it
    // and goes on in the next. Those of the open part are held, to be
    // painted again here should the painter fail: some megabytes per
    // painter. Each part brings its fonts, some tens of kilobytes, to the
    // megabytes its pages take. A test may have parts of fewer pages.
    static constexpr int kPagesPerPart = 256;
    static void setPagesPerPart(int pages);

    // The painters at work: as many as asked, fewer where the system gave
    // no more threads.
    int painters() const { return count_; }
    // The next page of the file; false, with the page not taken, once a
    // painter has failed (no part file could be made for it): the file
    // cannot be written whole. While the page waits for room among its
    // painter's pages, whileWaiting is called now and then, on this thread;
    // what it throws comes out of here.
    bool add(PagePaint page, Fonts fonts);
    void setWhileWaiting(std::function<void()> whileWaiting) { whileWaiting_ = std::move(whileWaiting); }
    int pages() const { return int(placed_.size()); }
    // Paints page over page j of the file (its index in the file's pages)
    // once every page is known: the page's painter paints it as a page of
    // its part after its own, and the join paints it over page j.
    void overlay(int j, PagePaint page, Fonts fonts);
    // Waits for the painters; true when every part is written.
    bool close();
    // Stops the painters at once, from any thread, a close() under way
    // among them: nothing more is painted, and close() is false.
    void abandon();
    // Joins the parts into work. Throws pdf::JoinError.
    void join(const QString& work) const;

private:
    struct Job {
        PagePaint page;
        Fonts fonts;
    };
    // Where a page of a painter lies: its part file and its index there.
    struct Place {
        int file = -1;
        int page = -1;
    };
    struct Painter {
        std::deque<Job> waiting;
        std::condition_variable wake;
        int taken = 0;
        bool started = false;  // painting: the pages waiting are held to fewer
        bool failed = true;    // until its parts are written whole
        // Per page handed to it, in order; written by its thread, read once
        // that has ended.
        std::vector<Place> places;
    };
    class Painting;

    int queue(int k, PagePaint page, Fonts fonts);
    void paint(Painter& me);
    void stop(bool abandon);
    // A new part file's index among files_; -1 where none can be made.
    int newFile();
    QString file(int index);

    const PdfSettings settings_;
    const QString program_;
    const std::function<QString()> newFile_;
    std::function<void()> whileWaiting_;
    std::vector<std::unique_ptr<Painter>> painters_;
    int count_ = 0;
    std::vector<std::pair<int, int>> placed_;  // per page of the file: painter, page of its pages
    std::map<int, int> overlays_;               // page of the file: page of its painter's pages painted over it
    std::mutex mutex_;
    std::condition_variable room_;
    QStringList files_;  // the part files made, guarded by the mutex
    bool closing_ = false;
    std::atomic<bool> abandoned_ = false;
    std::atomic<bool> broken_ = false;  // a painter can no longer write its pages
    parallel::Beside threads_;          // last: stopped before what they use
};

}  // namespace report
