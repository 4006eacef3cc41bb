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
#include <QTimer>
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
    : work_(work), path_(path), lastLook_(Clock::now()),
      scope_([this](std::int64_t, std::int64_t) { return look(); }) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;  // no windows to show
    // The timer runs out while the work lets the windows' events run (look).
    delay_ = std::make_unique<QTimer>();
    delay_->setSingleShot(true);
    QObject::connect(delay_.get(), &QTimer::timeout, [this] { show(); });
    delay_->start(delay);
}

BookWorkProgress::~BookWorkProgress() { delete window_.data(); }

// Called by the engine between its steps: it must not throw.
bool BookWorkProgress::look() {
    if (!delay_) return true;  // no windows to keep alive
    const auto now = Clock::now();
    if (now - lastLook_ < kSlice) return !cancelled_;
    lastLook_ = now;
    try {
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

namespace {

// How a kind of definition is named to the user.
QString definitionKind(const QString& type) {
    if (type == QLatin1String("table")) return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("taulu"));
    if (type == QLatin1String("index")) return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("indeksi"));
    if (type == QLatin1String("view")) return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("näkymä"));
    if (type == QLatin1String("trigger")) return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("herätin"));
    return type;
}

// The foreign definitions, the first few of them, one to a line.
QString foreignDefinitions(const std::vector<dao::ForeignDefinition>& definitions) {
    constexpr std::size_t kShown = 3;
    constexpr int kLongest = 160;
    QStringList lines;
    for (std::size_t i = 0; i < definitions.size() && i < kShown; ++i) {
        const dao::ForeignDefinition& d = definitions[i];
        QString text = d.text.simplified();
        if (text.size() > kLongest) text = text.left(kLongest) + QStringLiteral("…");
        lines << definitionKind(d.type) + QLatin1Char(' ') + d.name + QStringLiteral(": ") + text;
    }
    if (definitions.size() > kShown)
        lines << TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("ja %1 muuta määritystä"))
                     .arg(definitions.size() - kShown);
    return lines.join(kCrLf);
}

QString sideFileText(const dao::ForeignSideFile& e) {
    switch (e.kind()) {
    case dao::ForeignSideFile::Kind::Link:
        return TranslateStr(QStringLiteral("Yleiset"),
                            QStringLiteral("Tietokannan vieressä oleva tiedosto on linkki toiseen tiedostoon, eikä "
                                           "Kolvio VEV avaa tietokantaa sen kanssa:")) +
               kCrLf + e.sideFile();
    case dao::ForeignSideFile::Kind::WriteAheadLog:
        return TranslateStr(QStringLiteral("Yleiset"),
                            QStringLiteral("Tietokannan vieressä on toisen ohjelman kirjoitusloki, jota Kolvio VEV "
                                           "ei tee ja jonka tietokantaohjelma yhdistäisi tietokantaan sitä "
                                           "avattaessa:")) +
               kCrLf + e.sideFile();
    case dao::ForeignSideFile::Kind::WalMode:
        return TranslateStr(QStringLiteral("Yleiset"),
                            QStringLiteral("Tietokanta on kirjoituslokitilassa (WAL), jota Kolvio VEV ei käytä."));
    case dao::ForeignSideFile::Kind::SuperJournal:
        return TranslateStr(QStringLiteral("Yleiset"),
                            QStringLiteral("Tietokannan vieressä on keskeneräisen kirjoituksen tiedosto, joka nimeää "
                                           "toisen tiedoston poistettavaksi; Kolvio VEV ei tee sellaisia:")) +
               kCrLf + e.sideFile();
    }
    return QString();
}

}  // namespace

QString ForeignDefinitionsText(const std::vector<dao::ForeignDefinition>& definitions) {
    return foreignDefinitions(definitions);
}

QString RefusedBookText(std::exception_ptr error) {
    QString what, path;
    try {
        std::rethrow_exception(error);
    } catch (const dao::ForeignLayout& e) {
        what = TranslateStr(QStringLiteral("Yleiset"),
                            QStringLiteral("Tietokannassa on määrityksiä, joita Kolvio VEV ei tee, joten sitä ei "
                                           "otettu käyttöön:")) +
               kCrLf + foreignDefinitions(e.definitions());
        path = e.path();
    } catch (const dao::ForeignSideFile& e) {
        what = sideFileText(e) + kCrLf +
               TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tietokantaa ei otettu käyttöön."));
        path = e.path();
    } catch (...) {
        // Any other error is told by its caller.
        return QString();
    }
    return what + kCrLf + kCrLf +
           TranslateStr(QStringLiteral("Yleiset"),
                        QStringLiteral("Tietokanta ja sen vieressä olevat tiedostot jätettiin ennalleen:")) +
           kCrLf + path;
}

}  // namespace core
