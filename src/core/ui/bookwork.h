#pragma once

// Long work of the database engine over a book, as the user sees it: the
// checks of an opening, the whole-book check of a backup, a repair and a
// compaction run on the user-interface thread, and the engine stops them
// after a bound on their work (dao::WorkBound). While one runs, the windows
// repaint every few hundredths of a second and, after a short delay (a
// timer of its own), a window names the book and what is being done to it,
// with a Cancel that stops the work; the book is then left as it was. Short
// work is done before the delay and shows nothing.
//
// Until the window shows, the user's clicks and keys wait for the work to
// end; once it shows, it is modal.

#include "platform/dao/database.h"

#include <QPointer>
#include <QString>
#include <chrono>
#include <exception>
#include <memory>

class QTimer;

namespace core {

// What is being done to the book.
enum class BookWork {
    Check,       // the checks of an opening, or the whole-book check of a backup
    Repair,      // the repair of a damaged book
    Compaction,  // a compaction, the backup's among them
};

class BookWorkProgress {
public:
    // How long the work goes on before its window shows.
    static constexpr std::chrono::milliseconds kDelay{500};
    // How long the work goes on between two looks at the windows.
    static constexpr std::chrono::milliseconds kSlice{25};

    // Watches the engine's work on this thread while it lives.
    BookWorkProgress(BookWork work, const QString& path, std::chrono::milliseconds delay = kDelay);
    ~BookWorkProgress();  // the window goes
    BookWorkProgress(const BookWorkProgress&) = delete;
    BookWorkProgress& operator=(const BookWorkProgress&) = delete;

    // The user pressed Cancel.
    bool cancelled() const { return cancelled_; }

private:
    class Window;
    bool look();
    void show();

    BookWork work_;
    QString path_;
    std::chrono::steady_clock::time_point lastLook_;
    bool cancelled_ = false;
    QPointer<Window> window_;
    std::unique_ptr<QTimer> delay_;  // shows the window when it runs out
    dao::WorkWatchScope scope_;
};

// The text that tells that the work on the book at path was stopped at its
// bound (dao::err::TooMuchWork) or cancelled (dao::err::WorkCancelled), and
// that the book was left as it was; empty for any other error number.
QString BookWorkStoppedText(int errorNumber, BookWork work, const QString& path);

// Definitions of a book that the program does not make, as the user is told
// them: the first few, each with its kind in words, its name and its text,
// one to a line, and how many more there are.
QString ForeignDefinitionsText(const std::vector<dao::ForeignDefinition>& definitions);

// The text that tells that a book was not taken into use because of what
// it is (error, raised by the database engine's opening): a layout that is
// not the program's, with its first foreign definitions named
// (dao::ForeignLayout), or a file beside it that the opening would change
// (dao::ForeignSideFile); and that the book and the files beside it were
// left as they were. Empty for any other error.
QString RefusedBookText(std::exception_ptr error);

}  // namespace core
