#pragma once

// The progress of a long report run: while a report is read, laid out and
// painted on the user-interface thread, the work stops every few hundredths
// of a second for the windows to repaint, and after a short delay a window
// shows how far the work has come, with a Cancel that stops it. A short
// report is done before the delay and shows nothing.
//
// Until the window shows, the user's clicks and keys wait for the work to
// end; once it shows, it is modal. Until the work ends, the windows open
// when it began stay open: the work belongs to a command of one of them. A
// window opened meanwhile, such as a question to the user, closes as usual.

#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

class QWidget;

namespace report {

// The user cancelled the work; thrown out of RunProgress.
struct RunCancelled {};

class RunProgress {
public:
    // How long a run goes on before its window shows.
    static constexpr std::chrono::milliseconds kDelay{500};
    // How long the work goes on between two looks at the windows.
    static constexpr std::chrono::milliseconds kSlice{25};

    explicit RunProgress(const QString& title, std::chrono::milliseconds delay = kDelay);
    ~RunProgress();  // the window goes
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    enum class Stage {
        Reading,    // the records
        Counting,   // the pages, to learn their count
        LayingOut,  // the pages, on their way to the preview or the file
        Writing,    // the file completed: cancelled only where beside work stops for it
        Printing,   // pages sent to a printer: cannot be taken back
    };
    void setTitle(const QString& title);
    void setStage(Stage stage);
    // How much of the stage is done, of total (0: not known).
    void setWork(long long done, long long total);
    // The pages complete, of those known (0: the count is not known yet).
    void setPages(int done, int known = 0);

    // Between two steps of the work: the windows repaint and, once the
    // window shows, the user's clicks are answered. Throws RunCancelled
    // when the user has cancelled.
    void step();
    // Runs fn on another thread while this one keeps the windows alive,
    // until fn ends; fn's failure is thrown here. Cancel cannot stop fn: a
    // cancel meanwhile is thrown once fn has ended. Where stop is given,
    // Cancel may be pressed whatever the stage: stop is called then, on
    // this thread, and tells whether fn is to end without its work done
    // (true: RunCancelled is thrown once it has ended) or has gone too far
    // for that (false: the Cancel is let go, and fn ends as it would have).
    void beside(const std::function<void()>& fn, const std::function<bool()>& stop = {});
    // Runs fn (a question to the user, say) with the window hidden; the
    // delay begins anew after it.
    void hiddenWhile(const std::function<void()>& fn);

    // The window, while it shows; null before.
    QWidget* window() const;

private:
    class Window;
    class CloseGuard;
    bool cancellable() const;
    void show();
    void refresh();

    QString title_;
    std::chrono::milliseconds delay_;
    std::chrono::steady_clock::time_point start_;
    Stage stage_ = Stage::Reading;
    long long done_ = 0, total_ = 0;
    int pagesDone_ = 0, pagesKnown_ = 0;
    bool cancelled_ = false;
    bool stoppable_ = false;  // beside work that a Cancel stops
    QPointer<Window> window_;
    std::unique_ptr<CloseGuard> guard_;
};

}  // namespace report
