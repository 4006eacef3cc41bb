#include "platform/report/progress.h"

#include "platform/parallel/parallel.h"
#include "platform/report/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace report {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

// The progress window: what is being done, the pages, a bar and Cancel. A
// close of the window, or Esc, is a Cancel.
class RunProgress::Window final : public QDialog {
public:
    Window(RunProgress& owner, const QString& title) : owner_(owner) {
        setObjectName(QStringLiteral("reportProgress"));
        setTitle(title);
        setWindowModality(Qt::ApplicationModal);
        stage = new QLabel(this);
        stage->setObjectName(QStringLiteral("stage"));
        pages = new QLabel(this);
        pages->setObjectName(QStringLiteral("pages"));
        bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("bar"));
        bar->setTextVisible(false);
        cancel = new QPushButton(TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Peruuta")), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(stage);
        layout->addWidget(pages);
        layout->addWidget(bar);
        layout->addLayout(buttons);
        setMinimumWidth(360);
    }

    // A report whose title is not known yet is a report.
    void setTitle(const QString& title) {
        setWindowTitle(title.isEmpty() ? TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Raportti")) : title);
    }

    void reject() override {
        if (!owner_.cancellable() || owner_.cancelled_) return;
        owner_.cancelled_ = true;
        owner_.refresh();
    }

    QLabel* stage = nullptr;
    QLabel* pages = nullptr;
    QProgressBar* bar = nullptr;
    QPushButton* cancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        reject();
    }

private:
    RunProgress& owner_;
};

// While the work goes on, the windows open when it began stay open: the
// work belongs to a command of one of them, which goes on once it ends. A
// window opened meanwhile (a question to the user, the progress window)
// closes as usual; a dialog's answer closes it too.
class RunProgress::CloseGuard final : public QObject {
public:
    CloseGuard() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) open_.emplace_back(w);
        qApp->installEventFilter(this);
    }
    ~CloseGuard() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close ||
            std::none_of(open_.begin(), open_.end(), [&](const QPointer<QWidget>& w) { return w == watched; }))
            return false;
        event->ignore();
        return true;
    }

private:
    std::vector<QPointer<QWidget>> open_;
};

RunProgress::RunProgress(const QString& title, std::chrono::milliseconds delay)
    : title_(title), delay_(delay), start_(Clock::now()) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) guard_ = std::make_unique<CloseGuard>();
}

RunProgress::~RunProgress() {
    guard_.reset();
    delete window_.data();
}

QWidget* RunProgress::window() const { return window_.data(); }

bool RunProgress::cancellable() const { return stoppable_ || (stage_ != Stage::Writing && stage_ != Stage::Printing); }

void RunProgress::setTitle(const QString& title) {
    title_ = title;
    if (window_) window_->setTitle(title);
}

void RunProgress::setStage(Stage stage) {
    stage_ = stage;
    done_ = total_ = 0;
}

void RunProgress::setWork(long long done, long long total) {
    done_ = done;
    total_ = total;
}

void RunProgress::setPages(int done, int known) {
    pagesDone_ = done;
    pagesKnown_ = known;
}

void RunProgress::step() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Without windows there is nothing to keep alive.
        if (cancelled_) throw RunCancelled{};
        return;
    }
    if (!window_ && Clock::now() - start_ >= delay_) show();
    refresh();
    QCoreApplication::processEvents(window_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    if (cancelled_) throw RunCancelled{};
}

void RunProgress::beside(const std::function<void()>& fn, const std::function<bool()>& stop) {
    std::atomic<bool> ended = false;
    parallel::Beside worker;
    const bool started = worker.start([&] {
        struct Ended {
            std::atomic<bool>& ended;
            ~Ended() { ended.store(true, std::memory_order_release); }
        } mark{ended};
        fn();
    });
    if (!started) {
        // No thread to be had: the work is done here, the windows waiting.
        fn();
    } else {
        // The windows are looked at once at least; a cancel is taken once
        // the work has ended, or stops it.
        const QScopedValueRollback stoppable(stoppable_, bool(stop));
        bool stopped = false;
        do {
            try {
                step();
            } catch (const RunCancelled&) {
            }
            if (cancelled_ && stop && !stopped) {
                stopped = true;
                if (!stop()) {
                    // Too late: the work ends as it would have.
                    cancelled_ = false;
                    stoppable_ = false;
                    refresh();
                }
            }
            if (!ended.load(std::memory_order_acquire)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (!ended.load(std::memory_order_acquire));
        try {
            worker.wait();
        } catch (...) {
            // What failed no longer matters once the user has cancelled.
            if (!cancelled_) throw;
        }
    }
    if (cancelled_) throw RunCancelled{};
}

void RunProgress::hiddenWhile(const std::function<void()>& fn) {
    const bool shown = window_;
    if (shown) window_->hide();
    fn();
    start_ = Clock::now();
    if (shown) delete window_.data();
}

void RunProgress::show() {
    window_ = new Window(*this, title_);
    refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void RunProgress::refresh() {
    if (!window_) return;
    Window& w = *window_;
    w.cancel->setEnabled(cancellable() && !cancelled_);
    QString stage;
    switch (stage_) {
    case Stage::Reading: stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Tietoja luetaan...")); break;
    case Stage::Counting: stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Sivuja lasketaan...")); break;
    case Stage::LayingOut: stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Sivuja taitetaan...")); break;
    case Stage::Writing:
        stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Tiedostoa kirjoitetaan..."));
        break;
    case Stage::Printing: stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Tulostetaan...")); break;
    }
    if (cancelled_) stage = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Peruutetaan..."));
    w.stage->setText(stage);
    // The pages in the locale's digits and groups.
    const QLocale locale;
    const QString done = locale.toString(pagesDone_), known = locale.toString(pagesKnown_);
    QString pages;  // none while the records are read
    if (stage_ == Stage::Counting)
        pages = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Sivuja laskettu: %1")).arg(done);
    else if (stage_ != Stage::Reading && pagesKnown_ > 0)
        pages = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Sivuja valmiina: %1 / %2")).arg(done, known);
    else if (stage_ != Stage::Reading)
        pages = TranslateText(QStringLiteral("reportProgress"), QStringLiteral("Sivuja valmiina: %1")).arg(done);
    w.pages->setText(pages);
    if (total_ > 0) {
        w.bar->setRange(0, 1000);
        w.bar->setValue(int(std::min(done_, total_) * 1000 / total_));
    } else {
        w.bar->setRange(0, 0);  // how long is not known: the bar runs to and fro
    }
}

}  // namespace report
