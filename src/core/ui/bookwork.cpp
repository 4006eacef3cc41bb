#include "core/ui/bookwork.h"

#include "core/globals.h"
#include "core/ui/translator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

namespace {

using Clock = std::chrono::steady_clock;

const QString kCrLf = QStringLiteral("\r\n");

QString doingText(BookWork work) {
    switch (work) {
    case BookWork::Check: return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokantaa tarkistetaan:"));
    case BookWork::Repair: return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokantaa korjataan:"));
    case BookWork::Compaction:
        return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokantaa tiivistetään:"));
    }
    return QString();
}

}  // namespace

// The progress window: what is being done to which book, a bar that runs to
// and fro (how much work a book's definitions make is not known before),
// and Cancel. A close of the window, or Esc, is a Cancel.
class BookWorkProgress::Window final : public QDialog {
public:
    Window(BookWorkProgress& owner, const QString& text) : owner_(owner) {
        setObjectName(QStringLiteral("bookWorkProgress"));
        setWindowTitle(AppTitle);
        setWindowModality(Qt::ApplicationModal);
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("doing"));
        label->setWordWrap(true);
        auto* bar = new QProgressBar(this);
        bar->setObjectName(QStringLiteral("bar"));
        bar->setTextVisible(false);
        bar->setRange(0, 0);
        cancel = new QPushButton(TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Peruuta")), this);
        cancel->setObjectName(QStringLiteral("cancel"));
        connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label);
        layout->addWidget(bar);
        layout->addLayout(buttons);
        setMinimumWidth(400);
    }

    void reject() override {
        owner_.cancelled_ = true;
        cancel->setEnabled(false);
    }

    QPushButton* cancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        reject();
    }

private:
    BookWorkProgress& owner_;
};

BookWorkProgress::BookWorkProgress(BookWork work, const QString& path, std::chrono::milliseconds delay)
    : work_(work), path_(path), delay_(delay), start_(Clock::now()), lastLook_(start_),
      scope_([this](std::int64_t, std::int64_t) { return look(); }) {}

BookWorkProgress::~BookWorkProgress() { delete window_.data(); }

// Called by the engine between its steps: it must not throw.
bool BookWorkProgress::look() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;  // no windows to keep alive
    const auto now = Clock::now();
    if (now - lastLook_ < kSlice) return !cancelled_;
    lastLook_ = now;
    try {
        if (!window_ && now - start_ >= delay_) show();
        QCoreApplication::processEvents(window_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    } catch (...) {
        // What a window's event raised is not the work's: the work goes on,
        // and the windows are looked at again at the next slice.
        qWarning("an event raised an error while a book was worked on");
    }
    return !cancelled_;
}

void BookWorkProgress::show() {
    window_ = new Window(*this, doingText(work_) + u'\n' + path_);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QString BookWorkStoppedText(int errorNumber, BookWork work, const QString& path) {
    QString what;
    if (errorNumber == dao::err::TooMuchWork) {
        switch (work) {
        case BookWork::Check:
            what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan tarkistus keskeytettiin: se vei enemmän työtä "
                                                        "kuin tämän kokoinen tietokanta voi vaatia."));
            break;
        case BookWork::Repair:
            what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan korjaus keskeytettiin: se vei enemmän työtä "
                                                        "kuin tämän kokoinen tietokanta voi vaatia."));
            break;
        case BookWork::Compaction:
            what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan tiivistys keskeytettiin: se vei enemmän työtä "
                                                        "kuin tämän kokoinen tietokanta voi vaatia."));
            break;
        }
    } else if (errorNumber == dao::err::WorkCancelled) {
        switch (work) {
        case BookWork::Check: what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan tarkistus peruutettiin.")); break;
        case BookWork::Repair: what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan korjaus peruutettiin.")); break;
        case BookWork::Compaction:
            what = TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannan tiivistys peruutettiin."));
            break;
        }
    }
    if (what.isEmpty()) return QString();
    return what + kCrLf + TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokanta jätettiin ennalleen:")) + kCrLf + path;
}

QString TriggerInBookText(const QString& trigger, const QString& path) {
    return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokannassa on herätin, jota Kolvio VEV ei tee: %1")).arg(trigger) +
           kCrLf +
           TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Herätin tekisi omia muutoksiaan tietokantaan aina, kun siihen "
                                                "tallennetaan, joten tietokantaa ei otettu käyttöön. Tietokanta "
                                                "jätettiin ennalleen:")) +
           kCrLf + path;
}

}  // namespace core
