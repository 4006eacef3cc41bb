#include "shell/frmmain.h"

#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "shell/frmaboutvaskiro.h"
#include "shell/openers.h"
#include "shell/startup.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

struct QuitState {
    std::function<void()> handler;
    bool requested = false;
};

QuitState& quitState() {
    static QuitState s;
    return s;
}

void requestQuit() {
    QuitState& s = quitState();
    s.requested = true;
    if (s.handler)
        s.handler();
    else
        QCoreApplication::exit(0);
}

// Button strip geometry, in twips: the buttons stand side by side, one
// every kButtonStep; the support button and the picture frame stand apart.
constexpr int kButtonStep = 1260;
constexpr int kButtonHeight = 1155;
constexpr int kSupportGap = 8100 - 6 * kButtonStep;
constexpr int kFrameLeft = 10020;
constexpr int kFrameTop = 60;
constexpr int kFrameSize = 855;

}  // namespace

void SetQuitHandler(std::function<void()> handler) { quitState().handler = std::move(handler); }
bool QuitRequested() { return quitState().requested; }
void ResetQuitRequest() { quitState().requested = false; }

// ---------------------------------------------------------------- layout

frmMain::frmMain()
    : ui::Form(QStringLiteral("frmMain")) {
    // The main window translates itself and restores its placement at the
    // points of start-up where that is due, not when it starts to load.
    setProperty("kvOwnPlacement", true);
    setWindowTitle(QStringLiteral("Kolvio VEV 2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/images/logo.png")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar);
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("strip"));
    layout->addWidget(strip, 1);

    buildButtons(strip);
    buildMenus();
    connectCommands();

    // The window keeps its size: it can be moved but not resized. The size
    // is the design size, or what the captions need when that is more (a
    // translated caption widens its button and the window with it).
    strip->setMinimumSize(ui::TwipsToPixelsX(this, kWidthTwips),
                          ui::TwipsToPixelsY(this, kHeightTwips) - menuBar->sizeHint().height());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain() = default;

void frmMain::buildButtons(QWidget* strip) {
    struct ButtonSpec {
        QToolButton** button;
        const char* name;
        const char* caption;
        const char* tip;
        const char* icon;
    };
    const ButtonSpec specs[] = {
        {&cTositteet, "cTositteet", "Tositteet", "Avaa Tositteet", "tositteet"},
        {&cTulosJaTase, "cTulosJaTase", "Tulos ja tase", "Avaa Tulos ja tase", "tulosjatase"},
        {&cTilit, "cTilit", "Tilit", "Avaa Tilit", "tilit"},
        {&cKustannuspaikat, "cKustannuspaikat", "KustannusP.", "Avaa Kustannuspaikat", "kustannuspaikat"},
        {&cBudjetti, "cBudjetti", "Budjetti", "Avaa Budjetti", "budjetti"},
        {&cSulje, "cSulje", "Sulje", "Sulje Kolvio [Alt+F4]", "sulje"},
        {&cKayttotuki, "cKayttotuki", "Käyttötuki", "Avaa käyttötukisivu selainohjelmaan", "kayttotuki"},
    };
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QWidget* previous = nullptr;
    for (const ButtonSpec& s : specs) {
        auto* b = new QToolButton(strip);
        b->setObjectName(QString::fromLatin1(s.name));
        b->setText(QString::fromUtf8(s.caption));
        b->setToolTip(QString::fromUtf8(s.tip));
        b->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QString::fromLatin1(s.icon))));
        b->setIconSize(QSize(40, 40));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::StrongFocus);
        // At least the design size; a longer caption widens the button.
        b->setMinimumSize(ui::TwipsToPixelsX(this, kButtonStep), ui::TwipsToPixelsY(this, kButtonHeight));
        if (s.button == &cKayttotuki) row->addSpacing(ui::TwipsToPixelsX(this, kSupportGap));
        row->addWidget(b, 0, Qt::AlignTop);
        *s.button = b;
        if (previous) QWidget::setTabOrder(previous, b);
        previous = b;
    }

    Frame1 = ui::makeFrame(strip, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFixedSize(ui::TwipsToPixelsX(this, kFrameSize), ui::TwipsToPixelsY(this, kFrameSize));
    row->addSpacing(ui::TwipsToPixelsX(this, kFrameLeft - 7 * kButtonStep - kSupportGap));
    auto* frameColumn = new QVBoxLayout;
    frameColumn->addSpacing(ui::TwipsToPixelsY(this, kFrameTop));
    frameColumn->addWidget(Frame1);
    frameColumn->addStretch(1);
    row->addLayout(frameColumn);
    row->addStretch(1);
    row->addSpacing(ui::TwipsToPixelsX(this, kWidthTwips - kFrameLeft - kFrameSize));
    cAboutVaskiro = new QLabel(Frame1);
    cAboutVaskiro->setObjectName(QStringLiteral("cAboutVaskiro"));
    const QRect pic = ui::TwipsToPixels(this, QRect(180, 240, 510, 510));
    cAboutVaskiro->setGeometry(pic);
    cAboutVaskiro->setPixmap(
        QPixmap(QStringLiteral(":/images/logo.png")).scaled(pic.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    cAboutVaskiro->setCursor(Qt::PointingHandCursor);
}

void frmMain::buildMenus() {
    auto action = [](QMenu* menu, const char* name, const char* caption) {
        return ui::addMenuAction(menu, name, caption);
    };
    auto submenu = [this](QWidget* parentMenu, const char* name, const char* caption) {
        auto* m = new QMenu(QString::fromUtf8(caption), parentMenu);
        m->setObjectName(QString::fromLatin1(name));
        if (auto* bar = qobject_cast<QMenuBar*>(parentMenu))
            bar->addMenu(m);
        else
            static_cast<QMenu*>(parentMenu)->addMenu(m);
        return m;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    mTiedosto = submenu(menuBar, "mTiedosto", "&Tiedosto");
    mTositteet = action(mTiedosto, "mTositteet", "&Tositteet");
    mTulosJaTase = action(mTiedosto, "mTulosJaTase", "T&ulos ja tase");
    mTilit = action(mTiedosto, "mTilit", "T&ilit");
    mKustannuspaikat = action(mTiedosto, "mKustannuspaikat", "&Kustannuspaikat");
    mBudjetti = action(mTiedosto, "mBudjetti", "&Budjetti");
    separator(mTiedosto, "mVali2");
    mAsetukset = action(mTiedosto, "mAsetukset", "&Asetukset");
    mAvausviennit = action(mTiedosto, "mAvausviennit", "Avausviennit");
    mTilinpaatosviennit = action(mTiedosto, "mTilinpaatosviennit", "Tilinpäätösviennit");
    separator(mTiedosto, "mVali4");
    mVarurUzavo = submenu(mTiedosto, "mVarurUzavo", "Varmistus Kopiotikulle");
    mVaruruzavoVarmistus = action(mVarurUzavo, "mVaruruzavoVarmistus", "Varmuuskopio");
    mVaruruzavoPalautus = action(mVarurUzavo, "mVaruruzavoPalautus", "Palautus");
    mVarurUzavoHallinta = action(mVarurUzavo, "mVarurUzavoHallinta", "Hallinta");
    mVarmistusKansioon = submenu(mTiedosto, "mVarmistusKansioon", "Varmistus kansioon");
    mVarmistus = action(mVarmistusKansioon, "mVarmistus", "Tietokannan &varmuuskopio");
    mPalautus = action(mVarmistusKansioon, "mPalautus", "Tietokannan palautus");
    separator(mTiedosto, "mVali3");
    mSulje = action(mTiedosto, "mSulje", "&Sulje");

    mTietokanta = submenu(menuBar, "mTietokanta", "T&ietokanta");
    mMuokkaaTietokantaa = action(mTietokanta, "mMuokkaaTietokantaa", "Muokkaa tietokantaa");
    mLuoTietokantaMallista = submenu(mTietokanta, "mLuoTietokantaMallista", "Luo tietokanta mallista");
    mLuoTietokantaYleismalli = submenu(mLuoTietokantaMallista, "mLuoTietokantaYleismalli", "Yleismalli");
    action(mLuoTietokantaYleismalli, "mLuoTietokantaYleismalliSuomi", "Suomeksi");
    action(mLuoTietokantaYleismalli, "mLuoTietokantaYleismalliRuotsi", "Ruotsiksi");
    action(mLuoTietokantaMallista, "mLuoTietokantaVarjola", "Varjolaliitto");
    action(mLuoTietokantaMallista, "mLuoTietokantaRuvis", "Ruvis");
    action(mLuoTietokantaMallista, "mLuoTietokantaMallistaTalo", "Talokunnan malli");
    action(mLuoTietokantaMallista, "mLuoTietokantaKelovi", "Keloviliitto");
    mLuoTietokantaMallista->addSeparator();
    action(mLuoTietokantaMallista, "mLuoTietokantaNykyisesta", "Kopio nykyisestä");
    separator(mTietokanta, "mVali6");
    mService = action(mTietokanta, "mService", "Huoltotiedoston lähetys");

    mTietoja = menuBar->addAction(QStringLiteral("Tietoja"));
    mTietoja->setObjectName(QStringLiteral("mTietoja"));
}

// ---------------------------------------------------------------- commands

void frmMain::connectCommands() {
    auto click = [](QObject* control, std::function<void()> handler) {
        ui::Events::of(control).onClick(std::move(handler));
    };

    auto vouchers = [this] {
        openVoucherWindow(false, false, core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tositteet")),
                          OnError::Report);
    };
    // The windows that work in the financial year wait for one.
    auto inYear = [this](const char* name) {
        return [this, name] {
            if (yearInUse()) openWindow(QString::fromLatin1(name));
        };
    };
    auto models = inYear("frmNewTulosJaTase");
    auto accounts = inYear("frmTilitNew");
    auto costCentres = [this] { openWindow(QStringLiteral("frmKustannuspaikat")); };
    auto budget = inYear("frmBudjetti");
    auto close = [this] { CloseProgram(); };

    // Each menu item that repeats a button runs the button's own handler.
    click(cTositteet, vouchers);
    click(mTositteet, vouchers);
    click(cTulosJaTase, models);
    click(mTulosJaTase, models);
    click(cTilit, accounts);
    click(mTilit, accounts);
    click(cKustannuspaikat, costCentres);
    click(mKustannuspaikat, costCentres);
    click(cBudjetti, budget);
    click(mBudjetti, budget);
    click(cSulje, close);
    click(mSulje, close);
    click(cKayttotuki, [this] { openSupportPage(); });
    click(cAboutVaskiro, [this] { showAbout(); });
    click(mTietoja, [this] { showAbout(); });

    click(mAvausviennit, [this] {
        openVoucherWindow(true, false,
                          core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tositteet - Avausviennit")),
                          OnError::Ignore);
    });
    click(mTilinpaatosviennit, [this] {
        openVoucherWindow(
            false, true,
            core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tositteet - Tilinpäätösviennit")),
            OnError::Ignore);
    });

    const std::pair<QObject*, const char*> windows[] = {
        {mAsetukset, "frmAsetukset"},
        {mVaruruzavoVarmistus, "frmBackup"},
        {mVaruruzavoPalautus, "frmBackupRestore"},
        {mVarurUzavoHallinta, "frmBackupManagement"},
        {mService, "frmService"},
        {mVarmistus, "mVarmistus"},
        {mPalautus, "mPalautus"},
        {mMuokkaaTietokantaa, "mMuokkaaTietokantaa"},
    };
    for (const auto& [control, name] : windows) {
        const QString target = QString::fromLatin1(name);
        click(control, [this, target] { openWindow(target); });
    }
    // The new-book commands go by their menu item's name.
    for (QAction* a : mLuoTietokantaMallista->findChildren<QAction*>()) {
        const QString name = a->objectName();
        if (name.startsWith(QLatin1String("mLuoTietokanta")) && !a->menu())
            click(a, [this, name] { openWindow(name); });
    }
}

void frmMain::runCommand(const std::function<void()>& command, OnError onError) {
    if (onError == OnError::Report) {
        core::RunCommand(
            command,
            [] { return core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Odottamaton virhe: ")); },
            ui::Icon::Information);
        return;
    }
    try {
        command();
    } catch (...) {
        // A command that passes over its failure without a message: the
        // failure goes to the log only.
        const std::exception_ptr e = std::current_exception();
        qWarning("frmMain: command failed: %d %s", core::ErrorNumber(e).value_or(-1), qPrintable(core::ErrorText(e)));
    }
}

void frmMain::notAvailable() {
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                      QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
}

bool frmMain::yearInUse() {
    if (!core::TilikausiEiKaytossa()) return true;
    const std::optional<core::BrokenYear> refused = TilikausiKorjattuMuualla();
    if (!refused) return true;
    core::ShowInfo(core::TilikausiEiKaytossaText(*refused, QStringLiteral("frmMain")));
    return false;
}

void frmMain::openVoucherWindow(bool avaustosite, bool paatostosite, const QString& caption, OnError onError) {
    if (!yearInUse()) return;
    runCommand(
        [&] {
            // The older voucher window when the setting asks for it.
            const QString window =
                core::VanhatTositteet ? QStringLiteral("frmTositteet") : QStringLiteral("frmNewTositteet");
            VoucherWindowMode mode;
            mode.bAvaustosite = avaustosite;
            mode.bPaatostosite = paatostosite;
            mode.caption = caption;
            if (!RunVoucherOpener(window, mode)) notAvailable();
        },
        onError);
}

void frmMain::openWindow(const QString& name) {
    runCommand(
        [&] {
            if (!RunOpener(name)) notAvailable();
        },
        OnError::Report);
}

void frmMain::showAbout() {
    runCommand([] { ui::Forms::show<frmAboutVaskiro>(true); }, OnError::Report);
}

void frmMain::openSupportPage() { OpenSupportPage(this, QStringLiteral("kayttotuki.htm")); }

void frmMain::CheckKPStatus() { cKustannuspaikat->setEnabled(core::Kustannuspaikat && unusableBook_.isEmpty()); }

void frmMain::SetUnusableBook(const QString& path) {
    unusableBook_ = path;
    enableBookCommands(false);
}

void frmMain::ReadBookAgain() {
    if (unusableBook_.isEmpty() || core::DatabasePath == unusableBook_) return;
    unusableBook_.clear();
    enableBookCommands(true);
    CheckKPStatus();
}

void frmMain::enableBookCommands(bool enabled) {
    for (QToolButton* b : {cTositteet, cTulosJaTase, cTilit, cKustannuspaikat, cBudjetti}) b->setEnabled(enabled);
    for (QAction* a : {mTositteet, mTulosJaTase, mTilit, mKustannuspaikat, mBudjetti, mAvausviennit,
                       mTilinpaatosviennit, mVaruruzavoVarmistus, mVarmistus, mMuokkaaTietokantaa})
        a->setEnabled(enabled);
    if (auto* copy = mLuoTietokantaMallista->findChild<QAction*>(QStringLiteral("mLuoTietokantaNykyisesta")))
        copy->setEnabled(enabled);
}

void frmMain::ShowCaption() { setWindowTitle(core::AppTitle + QStringLiteral(" - ") + core::SeuranNimi); }

// ---------------------------------------------------------------- closing

bool frmMain::CloseProgram() {
    // Unloading the main window ends the program (Unload), so the program
    // ends only when every window has agreed to go. A window may ask the
    // user (while the program ends it must not refuse on its own).
    return ui::Forms::unloadAll();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The window goes (or stays) by the unload, never by Qt's own close.
    event->ignore();
    if (isUnloaded()) return;
    try {
        CloseProgram();
    } catch (const std::exception& e) {
        qWarning("closing the program failed: %s", e.what());
    } catch (...) {
        // As above: the program stays open; Qt's close must not raise.
        qWarning("closing the program failed");
    }
}

bool frmMain::QueryUnload() {
    // Unloaded by itself: the other windows go first, in the normal way.
    const QList<ui::Form*> forms = ui::Forms::all();
    for (auto it = forms.crbegin(); it != forms.crend(); ++it) {
        if (*it == this) continue;
        QPointer<ui::Form> other(*it);
        if (other && !ui::Forms::unload(*other)) return false;
    }
    return true;
}

void frmMain::Unload() {
    core::SaveFormPosition(this);
    requestQuit();
}

}  // namespace shell
