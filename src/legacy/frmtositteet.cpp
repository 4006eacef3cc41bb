// The older voucher window: its controls, loading and closing, the current
// voucher through Data1, the voucher list, browsing and the menu items that
// open other windows.

#include "legacy/frmtositteet.h"

#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/datebox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "legacy/legacydata.h"
#include "platform/dao/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "reportctl/reportcontrolsetup.h"
#include "shell/openers.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace legacy {

namespace {

std::function<void()>& checkWindowOpener() {
    static std::function<void()> f;
    return f;
}

frmTositteet::ReportCommand& reportCommand() {
    static frmTositteet::ReportCommand f;
    return f;
}

}  // namespace

// ---------------------------------------------------------------- hooks

void frmTositteet::SetCheckWindowOpener(std::function<void()> opener) { checkWindowOpener() = std::move(opener); }
void frmTositteet::SetReportCommand(ReportCommand command) { reportCommand() = std::move(command); }

// ---------------------------------------------------------------- building

frmTositteet::frmTositteet() : ui::Form(QStringLiteral("frmTositteet")) {
    setWindowTitle(QStringLiteral("Tositteet"));
    emptyVienti_ = std::make_unique<core::cVienti>();
    emptyVienti_->setIsEmpty(true);
    curVienti_ = emptyVienti_.get();

    buildMenus();
    buildVoucherFields();
    buildEntryArea();
    buildButtons();
    layOut();
    connectEvents();
    connectVoucherFields();
    connectEntryEvents();
    resize(900, 640);
}

frmTositteet::~frmTositteet() {
    // No handler may run on a window that is going.
    gone_ = true;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
    Data1.onValidate(nullptr);
    Data1.onReposition(nullptr);
    Data2.onReposition(nullptr);
    Data2.onRequeried(nullptr);
    Data1.onStore(nullptr);
    Data1.onWrite(nullptr);
    curVienti_ = emptyVienti_.get();
    if (ownVienti_) {
        try {
            ownVienti_->Release();
        } catch (...) {
            // Unload has stored the entry and let it go; a window destroyed
            // without an unload (the program ending) has no one left to tell,
            // and a destructor must not raise.
        }
    }
}

void frmTositteet::buildMenus() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    auto menu = [this](const char* name, const char* caption) { return ui::addMenu(menuBar, name, caption); };
    // A key belongs to the whole window.
    auto action = [this](QMenu* m, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(m, this, name, caption, key);
    };

    std::tie(mTiedosto, mTositteidenTarkistus, mTilinPaivasaldot, mTilienSaldot, mTilitarkastelu, mSulje) =
        vouchers::AddFileMenu(menuBar, this, "&Sulje");

    mTietue = menu("mTietue", "T&ietue");
    mUusi = action(mTietue, "mUusi", "&Uusi", QKeySequence(Qt::Key_F2));
    mTallenna = action(mTietue, "mTallenna", "&Tallenna", QKeySequence(Qt::Key_F3));
    mPoista = action(mTietue, "mPoista", "&Poista", QKeySequence(Qt::Key_F4));
    mSelaa = action(mTietue, "mSelaa", "Se&laa", QKeySequence(Qt::Key_F5));
    mPeru = action(mTietue, "mPeru", "P&eru", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mTietue->addSeparator();
    mEnsimmainen = action(mTietue, "mEnsimmäinen", "Siirry ensimmäiseen", QKeySequence(Qt::CTRL | Qt::Key_A));
    mEdellinen = action(mTietue, "mEdellinen", "Siirry edelliseen", QKeySequence(Qt::CTRL | Qt::Key_S));
    mSeuraava = action(mTietue, "mSeuraava", "Siirry seuraavaan", QKeySequence(Qt::CTRL | Qt::Key_D));
    mViimeinen = action(mTietue, "mViimeinen", "Siirry viimeiseen", QKeySequence(Qt::CTRL | Qt::Key_F));

    mViennit = menu("mViennit", "&Viennit");
    mUusiVienti = action(mViennit, "mUusiVienti", "&Uusi", QKeySequence(Qt::SHIFT | Qt::Key_F2));
    mPoistaVienti = action(mViennit, "mPoistaVienti", "&Poista", QKeySequence(Qt::SHIFT | Qt::Key_F4));
    mSelaaVienti = action(mViennit, "mSelaaVienti", "&Selaa", QKeySequence(Qt::SHIFT | Qt::Key_F5));

    mRaportit = menu("mRaportit", "&Raportit");
    mPaivakirja = action(mRaportit, "mPaivakirja", "&Päiväkirja");
    mPaakirja = action(mRaportit, "mPaakirja", "P&ääkirja");
    mPaakirjaKustannuspaikalle = action(mRaportit, "mPaakirjaKustannuspaikalle", "Pääkirja kustannuspaikalle");
    mRapYksiTili = action(mRaportit, "mRapYksiTili", "Yhden tilin viennit");

    std::tie(mTositepohjat, mMuokkaaTositepohjia) = vouchers::AddTemplateMenu(menuBar, mTositepohjaX);

    // Hidden and disabled at all times.
    mTietoja = menu("mTietoja", "Tietoja");
    mTietoja->menuAction()->setVisible(false);
    mTietoja->menuAction()->setEnabled(false);
}

void frmTositteet::buildVoucherFields() {
    std::tie(frameTosite, lblTositenumero, tTositenumero, lblTositepvm, tTositepvm, lblTositeSelite, tTositeSelite) =
        vouchers::MakeVoucherHeader(this, "lblTositenumero", "lblTositepvm");

    // A voucher never loses its number by an emptied field: it would drop
    // out of every list and report.
    Data1.Bind(tTositenumero, QStringLiteral("toNumero"), DataControl::Empty::Keep);
    // Nor its date: an emptied date field is refused (pvmLeft).
    Data1.Bind(tTositepvm, QStringLiteral("toPvm"), DataControl::Empty::Keep);
    core::WatchDateBox(tTositepvm);
    Data1.Bind(tTositeSelite, QStringLiteral("toSelite"), DataControl::Empty::Blank);

    lstTositteet = new vouchers::PickList(this);
    lstTositteet->setObjectName(QStringLiteral("lstTositteet"));
    lstTositteet->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTositteet->setUniformItemSizes(true);
    lstTositteet->setMinimumWidth(180);
}

void frmTositteet::buildEntryArea() {
    frameTositteenviennit = ui::makeGroupBox(this, QStringLiteral("frameTositteenviennit"),
                                             QStringLiteral("Tositteen viennit"));
    QWidget* p = frameTositteenviennit;
    auto label = [p](const char* name, const char* caption) { return ui::makeLabel(p, name, caption); };
    auto combo = [p](const char* name) {
        auto* c = new QComboBox(p);
        c->setObjectName(QString::fromUtf8(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);  // typed text is matched when the box is left
        c->setMaxVisibleItems(20);
        return c;
    };

    grdViennit = new QTableWidget(0, 6, p);
    grdViennit->setObjectName(QStringLiteral("grdViennit"));
    grdViennit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdViennit->setSelectionMode(QAbstractItemView::NoSelection);
    grdViennit->verticalHeader()->setVisible(false);
    grdViennit->setMinimumHeight(140);

    lblTililuettelo = label("lblTililuettelo", "Tilinumero:");
    cmbTililuettelo = combo("cmbTililuettelo");
    cmbTililuettelo->setMinimumContentsLength(24);
    lblKustannuspaikka = label("lblKustannuspaikka", "Kustannuspaikka:");
    cmbKustannuspaikka = combo("cmbKustannuspaikka");
    cmbKustannuspaikka->setMinimumContentsLength(16);
    optTyyppi[0] = new QRadioButton(QStringLiteral("Debet"), p);
    optTyyppi[1] = new QRadioButton(QStringLiteral("Kredit"), p);
    for (int i = 0; i < 2; ++i) optTyyppi[size_t(i)]->setObjectName(ui::ArrayName(QStringLiteral("optTyyppi"), i));
    optTyyppi[0]->setChecked(true);
    lblSumma = label("lblSumma", "Summa:");
    tSumma = ui::makeLineEdit(p, QStringLiteral("tSumma"));
    tSumma->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVientiSelite = label("lblVientiSelite", "Selite:");
    tVientiSelite = ui::makeLineEdit(p, QStringLiteral("tVientiSelite"));
    tVientiSelite->setMaxLength(255);
    cUusiVienti = ui::makeButton(p, QStringLiteral("cUusiVienti"), QStringLiteral("&Uusi vienti"));
    cPoistaVienti = ui::makeButton(p, QStringLiteral("cPoistaVienti"), QStringLiteral("&Poista vienti"));

    lblDebetSummaTeksti = label("lblDebetSummaTeksti", "Debet summa:");
    lblDebetSumma = label("lblDebetSumma", "");
    lblKreditSummaTeksti = label("lblKreditSummaTeksti", "Kredit summa:");
    lblKreditSumma = label("lblKreditSumma", "");
    lblErotusTeksti = label("lblErotusTeksti", "Erotus:");
    lblErotus = label("lblErotus", "");
    for (QLabel* l : {lblDebetSumma, lblKreditSumma, lblErotus}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(110);
    }

    auto* g = new QGridLayout(p);
    g->addWidget(grdViennit, 0, 0, 1, 6);
    g->addWidget(lblTililuettelo, 1, 0);
    g->addWidget(cmbTililuettelo, 1, 1, 1, 2);
    g->addWidget(lblKustannuspaikka, 1, 3);
    g->addWidget(cmbKustannuspaikka, 1, 4, 1, 2);
    auto* side = new QHBoxLayout;
    side->addWidget(optTyyppi[0]);
    side->addWidget(optTyyppi[1]);
    side->addStretch(1);
    g->addLayout(side, 2, 1, 1, 2);
    g->addWidget(lblSumma, 2, 3);
    g->addWidget(tSumma, 2, 4);
    g->addWidget(lblVientiSelite, 3, 0);
    g->addWidget(tVientiSelite, 3, 1, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cUusiVienti);
    buttons->addWidget(cPoistaVienti);
    buttons->addStretch(1);
    g->addLayout(buttons, 4, 0, 1, 3);
    g->addWidget(lblDebetSummaTeksti, 5, 0);
    g->addWidget(lblDebetSumma, 5, 1);
    g->addWidget(lblKreditSummaTeksti, 5, 2);
    g->addWidget(lblKreditSumma, 5, 3);
    g->addWidget(lblErotusTeksti, 5, 4);
    g->addWidget(lblErotus, 5, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(4, 1);
}

void frmTositteet::buildButtons() {
    auto button = [this](const char* name, const char* caption, const char* tip) {
        return ui::makeButton(this, name, caption, tip);
    };
    cUusi = button("cUusi", "Uusi", "Lisää uusi tosite [F2]");
    cTallenna = button("cTallenna", "Tallenna", "Tallenna näytöllä oleva tosite [F3]");
    cPoista = button("cPoista", "Poista", "Poista näytöllä oleva tosite [F4]");
    cSelaa = button("cSelaa", "Selaa", "Selaa tositteita [F5]");
    cPeru = button("cPeru", "Peru", "Peru tehdyt muutokset [Ctrl+Z]");
    cSulje = button("cSulje", "Sulje", "Sulje Tositteet [Alt+F4]");
    cEnsimmainen = button("cEnsimmäinen", "Ensimm.", "Siirry ensimmäiseen [Ctrl+A]");
    cEdellinen = button("cEdellinen", "Edel.", "Siirry edelliseen [Ctrl+S]");
    cSeuraava = button("cSeuraava", "Seur.", "Siirry seuraavaan [Ctrl+D]");
    cViimeinen = button("cViimeinen", "Viim.", nullptr);
    cUusiTosite = button("cUusiTosite", "Uu&si tosite", nullptr);
    for (int n = 1; n <= 4; ++n) {
        auto* b = new QPushButton(QStringLiteral("(&%1) Tositepohja").arg(n), this);
        b->setObjectName(ui::ArrayName(QStringLiteral("cTositePohja"), n));
        b->setProperty("Tag", QStringLiteral("NoTrl"));  // captioned with template names
        cTositePohja[size_t(n)] = b;
    }
    lblHalutunTilinSaldo = new QLabel(this);
    lblHalutunTilinSaldo->setObjectName(QStringLiteral("lblHalutunTilinSaldo"));
    lblHalutunTilinSaldo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A focused button is pressed with Enter too.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(true);
}

void frmTositteet::layOut() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 8);
    root->setMenuBar(menuBar);

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(lstTositteet, 1);
    left->addWidget(cUusiTosite);
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    right->addWidget(frameTosite);
    right->addWidget(frameTositteenviennit, 1);
    auto* templates = new QHBoxLayout;
    for (int n = 1; n <= 4; ++n) templates->addWidget(cTositePohja[size_t(n)]);
    templates->addStretch(1);
    templates->addWidget(lblHalutunTilinSaldo);
    right->addLayout(templates);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {cUusi, cTallenna, cPoista, cSelaa, cPeru}) commands->addWidget(b);
    commands->addSpacing(12);
    for (QPushButton* b : {cEnsimmainen, cEdellinen, cSeuraava, cViimeinen}) commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(cSulje);
    right->addLayout(commands);

    const QList<QWidget*> order{tTositenumero, tTositepvm,    tTositeSelite, cmbTililuettelo, cmbKustannuspaikka,
                                optTyyppi[0],  optTyyppi[1],  tSumma,        tVientiSelite,   cUusiVienti,
                                cPoistaVienti, cUusiTosite,   grdViennit,    cUusi,           cTallenna,
                                cPoista,       cSelaa,        cPeru,         cEnsimmainen,    cEdellinen,
                                cSeuraava,     cViimeinen,    cSulje,        cTositePohja[1], cTositePohja[2],
                                cTositePohja[3], cTositePohja[4], lstTositteet};
    for (int k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void frmTositteet::connectEvents() {
    auto click = [this](QObject* control, std::function<void()> f) {
        ui::Events::of(control).onClick([this, f = std::move(f)] { run(f); });
    };
    // Each menu item of "Tietue" and "Sulje" only runs its button's click.
    const std::pair<QAction*, QPushButton*> same[] = {
        {mUusi, cUusi},           {mTallenna, cTallenna}, {mPoista, cPoista},
        {mSelaa, cSelaa},         {mPeru, cPeru},         {mEnsimmainen, cEnsimmainen},
        {mEdellinen, cEdellinen}, {mSeuraava, cSeuraava}, {mViimeinen, cViimeinen},
        {mSulje, cSulje},
    };
    for (const auto& [item, button] : same) {
        QPushButton* b = button;
        ui::Events::of(item).onClick([b] { b->click(); });
    }
    click(cUusi, [this] { Uusi(); });
    click(cUusiTosite, [this] { Uusi(); });
    click(cTallenna, [this] { Tallenna(); });
    click(cPoista, [this] { Poista(); });
    click(cSelaa, [this] { Selaa(); });
    click(cPeru, [this] { Peru(); });
    click(cSulje, [this] { Sulje(); });
    click(cEnsimmainen, [this] { navigate(DataControl::Step::First); });
    click(cEdellinen, [this] { navigate(DataControl::Step::Previous); });
    click(cSeuraava, [this] { navigate(DataControl::Step::Next); });
    click(cViimeinen, [this] { navigate(DataControl::Step::Last); });

    ui::Events::of(mTositteidenTarkistus).onClick([this] { TositteidenTarkistus(); });
    click(mTilienSaldot, [this] { openView(QStringLiteral("frmTilienSaldot")); });
    click(mTilinPaivasaldot, [this] { openView(QStringLiteral("frmPaivaSaldot")); });
    click(mTilitarkastelu, [this] { openView(QStringLiteral("frmTilitarkastelu")); });
    for (QAction* a : {mPaivakirja, mPaakirja, mPaakirjaKustannuspaikalle, mRapYksiTili}) {
        const QString item = a->objectName();
        click(a, [this, item] { runReport(item); });
    }
    click(mMuokkaaTositepohjia, [this] { MuokkaaTositepohjia(); });
    for (int n = 1; n <= 4; ++n) click(cTositePohja[size_t(n)], [this, n] { PikavalintaPohja(n); });
    connect(mTositepohjat, &QMenu::triggered, this, [this](QAction* a) {
        const int index = mTositepohjaX.indexOf(a);
        if (index >= 0) run([this, index] { TositepohjaX(index); });
    });

    // The list: a new line picked (keys, code, mouse), or a click on the
    // line that is picked already.
    ui::Events::of(lstTositteet).onClick([this] {
        if (!fillingList_) run([this] { ListClick(); });
    });
    ui::Events::of(this).onActivate([this] { activate(); });

    Data1.onValidate([this](DataControl::Action) { leavingVoucher(); });
    // A date typed and not yet taken is taken, or refused, as leaving the
    // field would do, before the voucher is stored by any command.
    Data1.onStore([this] {
        if (core::DateBoxTyped(tTositepvm)) pvmLeft();
    });
    Data1.onWrite([this] { voucherWrite(); });
    Data1.onReposition([this] { currentVoucherChanged(); });
}

// ---------------------------------------------------------------- loading and closing

void frmTositteet::Load() {
    // The program-wide load hook has restored the placement and translated
    // the window.
    bAddingNew = false;
    bNewAdded = false;
    bAutomateButtonOrder = false;
    bDoCountBalance = false;
    bHighlightingRow = false;
    bTositteidenKaynnistysTarkistus = true;
    InitEmptyVienti();

    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositteet"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta.")));
        ui::Forms::unload(*this);
        return;
    }
    // A step that fails ends the loading: the window tells what failed and
    // goes, rather than stand half read.
    const bool loaded = run([this] {
        reports::CrystalReport1().setReportFileName(QDir(sys::AppPath()).filePath(QStringLiteral("jrjasmak.rpt")));
        FillTiliCombo();
        FillKPCombo();
        Data1.setRecordSource(TositteetLahde(bAvaustosite, bPaatostosite));
        Data1.Refresh();
        Data2.setRecordSource(ViennitLahde(0));
        Data2.Refresh();
        if (!Data1.isEOF()) {
            Data1.MoveLast();
            Data1.MoveFirst();
        }
        SetGridColumns();
        FillTositeLista();
        BuildTositepohjaMenu();
    });
    if (!loaded) {
        ui::Forms::unload(*this);
        return;
    }
    if (!core::Kustannuspaikat) cmbKustannuspaikka->setEnabled(false);
    bDoCountBalance = true;
    run([this] { UpdateSummat(); });
}

void frmTositteet::activate() {
    if (!bTositteidenKaynnistysTarkistus) return;
    bTositteidenKaynnistysTarkistus = false;
    // After the activation has been handled, so that the question does not
    // come in the middle of it.
    QTimer::singleShot(0, this, [this] {
        if (isUnloaded()) return;
        if (vouchers::KaynnistysTarkistus(QStringLiteral("frmTositteet"))) TositteidenTarkistus();
    });
}

bool frmTositteet::QueryUnload() {
    // What is pending is stored as the window goes: the voucher being
    // edited or added, and the entry in the editor. A store that fails is
    // told, and the window stays as it was, with what was typed, to be
    // stored again; only a program that is ending lets it go.
    const bool stored = run([this] {
        AcceptSumma();
        (void)storePending();  // a refusal has been told, and nothing of it is held
    });
    return stored || ui::Forms::isEnding();
}

void frmTositteet::Unload() {
    gone_ = true;
    curVienti_ = emptyVienti_.get();
    // Stored as the window was let go, or the user was told that it could
    // not be: nothing more is written as it goes.
    if (ownVienti_) ownVienti_->setIsEmpty(true);
    ownVienti_.reset();
    Data1.Close();
    Data2.Close();
}

void frmTositteet::Sulje() { ui::Forms::unload(*this); }

bool frmTositteet::StorePendingEdits() {
    // As leaving the voucher: its pending row (a new one too, with what the
    // fields hold) and the entry in the editor. An error reaches the
    // caller, and the book is left alone.
    (void)storePending();
    shownBeforeChange_ = Data1.hasCurrent() ? currentToId() : 0;
    return true;
}

void frmTositteet::ReadBookAgain() {
    // Everything the window read was stored before the book changed: the
    // record sets are closed without their events, so nothing is written
    // back, and read anew. A failure is told, and the window shows what it
    // could read.
    const long shown = shownBeforeChange_;
    shownBeforeChange_ = 0;
    bNewAdded = false;
    bDoCountBalance = false;
    run([this, shown] {
        useEmptyVienti();
        Data1.Close();
        Data2.Close();
        FillTiliCombo();
        FillKPCombo();
        Data2.setRecordSource(ViennitLahde(0));
        Data2.Refresh();
        Data1.Refresh();
        if (shown > 0) Data1.FindFirst(QStringLiteral("toID"), shown);
        FillTositeLista();
        BuildTositepohjaMenu();
    });
    bDoCountBalance = true;
    run([this] { UpdateSummat(); });
}

bool frmTositteet::SetMode(bool avaus, bool paatos) {
    if (!isLoaded()) {
        bAvaustosite = avaus;
        bPaatostosite = paatos;
        return true;
    }
    if (avaus == bAvaustosite && paatos == bPaatostosite) return true;
    // The voucher on screen is stored before the window turns to the other
    // mode's vouchers; when it cannot be, the window stays where it is.
    bool stored = false;
    run([&] { stored = Tallenna(); });
    if (!stored) return false;
    bAvaustosite = avaus;
    bPaatostosite = paatos;
    bDoCountBalance = false;
    run([this] {
        Data1.setRecordSource(TositteetLahde(bAvaustosite, bPaatostosite));
        Data1.Refresh();
        FillTositeLista();
    });
    bDoCountBalance = true;
    run([this] { UpdateSummat(); });
    return true;
}

// ---------------------------------------------------------------- the current voucher

long frmTositteet::currentToId() const { return core::NzLong(Data1.value(QStringLiteral("toID")), 0); }

void frmTositteet::leavingVoucher() {
    // A pending change that cannot be stored stops the move that would
    // leave it, and the command tells why.
    CommitPendingEdits();
}

void frmTositteet::currentVoucherChanged() {
    CommitPendingEdits();
    const long id = Data1.hasCurrent() ? currentToId() : 0;
    if (id <= 0) {
        useEmptyVienti();
        ShowVienti();
        return;
    }
    Data2.setRecordSource(ViennitLahde(id));
    try {
        // Its reposition shows the first entry, or the blank one.
        Data2.Refresh();
    } catch (...) {
        // The editor and the grid never go on showing another voucher's
        // entries.
        useEmptyVienti();
        ClearVientiFields();
        grdViennit->setRowCount(0);
        throw;
    }
}

void frmTositteet::navigate(DataControl::Step direction) {
    CommitPendingEdits();
    if (!Data1.Browse(direction)) core::BeepIfSoundOn();
}

// ---------------------------------------------------------------- the voucher list

void frmTositteet::FillTositeLista() {
    const std::vector<vouchers::TositeListanRivi> rivit = TositeLista(bAvaustosite, bPaatostosite);
    fillingList_ = true;
    lstTositteet->setEnabled(false);
    lstTositteet->clear();
    for (const vouchers::TositeListanRivi& r : rivit) {
        auto* item = new QListWidgetItem(vouchers::TositeListanTeksti(r.numero, r.selite));
        item->setData(Qt::UserRole, qlonglong(r.toID));
        lstTositteet->addItem(item);
    }
    lstTositteet->setCurrentRow(-1);
    listRow_ = -1;
    lstTositteet->setEnabled(true);
    fillingList_ = false;
}

void frmTositteet::ListClick() {
    bDoCountBalance = false;
    try {
        if (QListWidgetItem* item = lstTositteet->currentItem()) {
            const long id = static_cast<long>(item->data(Qt::UserRole).toLongLong());
            if (!Data1.FindFirst(QStringLiteral("toID"), id)) FillTositeLista();
            Data1.UpdateControls();
        }
    } catch (...) {
        bDoCountBalance = true;
        // The voucher shown stays, and so does the line picked before.
        fillingList_ = true;
        lstTositteet->setCurrentRow(listRow_);
        fillingList_ = false;
        throw;
    }
    listRow_ = lstTositteet->currentRow();
    bDoCountBalance = true;
    UpdateSummat();
}

void frmTositteet::Selaa() {
    FillTositeLista();
    lstTositteet->setFocus(Qt::OtherFocusReason);
    if (lstTositteet->count() > 0) {
        // As the user's Down key: the first line is picked, and so shown.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(lstTositteet, &press);
        QCoreApplication::sendEvent(lstTositteet, &release);
    }
}

void frmTositteet::SelectByItemData(QComboBox* combo, long id) {
    if (!combo || combo->count() == 0) return;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemData(i, Qt::UserRole).toLongLong() == id) {
            combo->setCurrentIndex(i);
            combo->setEditText(combo->itemText(i));
            return;
        }
    }
    combo->setCurrentIndex(0);
    combo->setEditText(combo->itemText(0));
}

// ---------------------------------------------------------------- other windows

void frmTositteet::TositteidenTarkistus() {
    try {
        if (checkWindowOpener())
            checkWindowOpener()();
        else
            shell::RunOpener(QStringLiteral("frmTositeTarkistusVirheet"));
    } catch (...) {
        // Opening the check window is not worth a message.
    }
}

void frmTositteet::openView(const QString& name) {
    if (!shell::RunOpener(name))
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositteet"),
                                          QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
}

void frmTositteet::runReport(const QString& item) {
    if (!reportCommand()) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositteet"),
                                          QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
        return;
    }
    reportCommand()(item, bAvaustosite, bPaatostosite, [this] { cTallenna->click(); });
}

}  // namespace legacy
