#pragma once

// The pages of a long PDF file painted side by side: each painter, with a
// part file of its own, takes runs of pages in turn and paints them, or
// hands them to its painter process (paintprocess.h), and the parts are
// joined in the pages' order (pdfjoin.h). Only the pages waiting and being
// painted are held.

#include "platform/parallel/parallel.h"
#include "platform/reportpaint/pagepaint.h"

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <deque>
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
    // Paints a part into each file, which the caller made and removes:
    // with the painter program, or on threads of this process where program
    // is empty, or where the painter does not start.
    PdfParts(const PdfSettings& settings, const QStringList& files, const QString& program);
    ~PdfParts();  // the painters are stopped, whatever they have not painted
    PdfParts(const PdfParts&) = delete;
    PdfParts& operator=(const PdfParts&) = delete;

    // The painters at work: one per file, fewer where the system gave no
    // more threads.
    int painters() const { return count_; }
    // The next page of the file; false, with the page not taken, once a
    // painter has failed (a painter process that stopped answering, say):
    // the file cannot be written whole.
    bool add(PagePaint page, Fonts fonts);
    int pages() const { return int(placed_.size()); }
    // Paints page over page j of the file (its index in the file's pages)
    // once every page is known: the page's painter paints it as a page of
    // its part after its own, and the join paints it over page j.
    void overlay(int j, PagePaint page, Fonts fonts);
    // Waits for the painters; true when every part is written.
    bool close();
    // Joins the parts into work. Throws pdf::JoinError.
    void join(const QString& work) const;

private:
    struct Job {
        PagePaint page;
        Fonts fonts;
    };
    struct Painter {
        QString file;
        std::deque<Job> waiting;
        std::condition_variable wake;
        int taken = 0;
        bool started = false;  // painting: the pages waiting are held to fewer
        bool failed = true;    // until its part is written whole
    };

    int queue(int k, PagePaint page, Fonts fonts);
    void paint(Painter& me);
    void stop(bool abandon);

    const PdfSettings settings_;
    const QString program_;
    std::vector<std::unique_ptr<Painter>> painters_;
    int count_ = 0;
    std::vector<std::pair<int, int>> placed_;  // per page of the file: painter, page of its part
    std::map<int, int> overlays_;               // page of the file: page of its part painted over it
    std::mutex mutex_;
    std::condition_variable room_;
    bool closing_ = false, abandoned_ = false;
    std::atomic<bool> broken_ = false;  // a painter failed before its part was whole
    parallel::Beside threads_;          // last: stopped before what they use
};

}  // namespace report
