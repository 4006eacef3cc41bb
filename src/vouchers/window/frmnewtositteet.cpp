// The voucher window: its controls, the voucher list, the current voucher
// with its two entry arrays, and the record commands. The entry rows are in
// frmnewtositteet_rows.cpp, the header fields in frmnewtositteet_header.cpp.

#include "vouchers/window/frmnewtositteet.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "shell/openers.h"
#include "vouchers/tools/toolsupport.h"
#include "vouchers/tositepohja.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#include "vouchers/tools/syotteet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace vouchers {

namespace {

std::function<void()>& checkWindowOpener() {
    static std::function<void()> f;
    return f;
}

std::function<long()>& searchWindow() {
    static std::function<long()> f;
    return f;
}

std::unique_ptr<core::cTosite> placeholderTosite() {
    auto t = std::make_unique<core::cTosite>();
    t->setIsEmpty(true);
    return t;
}

std::unique_ptr<core::cVienti> placeholderVienti() {
    auto v = std::make_unique<core::cVienti>();
    v->setIsEmpty(true);
    return v;
}

// A caption that shows an ampersand of a name as it is, not as an access key.
QString plainCaption(const QString& s) {
    QString t = s;
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    return t;
}

}  // namespace

// ---------------------------------------------------------------- the list

TositeLista::TositeLista(QWidget* parent) : QListWidget(parent) {}

void TositeLista::focusInEvent(QFocusEvent* event) {
    // The item view would make the first line current on a keyboard focus,
    // which would show that voucher; the line is left for the user to pick.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

// ---------------------------------------------------------------- building

frmNewTositteet::frmNewTositteet() : ui::Form(QStringLiteral("frmNewTositteet")) {
    setWindowTitle(QStringLiteral("Tositteet"));
    curTosite_ = placeholderTosite();
    for (int k = 0; k < kRivit; ++k) {
        debet_.push_back(placeholderVienti());
        kredit_.push_back(placeholderVienti());
    }

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 8);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    root->setMenuBar(menuBar);
    buildMenus();

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);

    auto* left = new QVBoxLayout;
    lstTositteet = new TositeLista(this);
    lstTositteet->setObjectName(QStringLiteral("lstTositteet"));
    lstTositteet->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTositteet->setUniformItemSizes(true);
    lstTositteet->setMinimumWidth(190);
    left->addWidget(lstTositteet, 1);
    cUusiTosite = ui::makeButton(this, QStringLiteral("cUusiTosite"), QStringLiteral("Lisää t&osite"));
    left->addWidget(cUusiTosite);
    body->addLayout(left);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    buildHeader(this);
    right->addWidget(frameTosite);
    buildRows(this);
    right->addWidget(frameViennit);
    right->addStretch(1);
    Line1 = ui::makeFrame(this, QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    right->addWidget(Line1);

    buildButtons();
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {cUusi, cTallenna, cPoista, cSelaa, cHaku, cPeru}) commands->addWidget(b);
    commands->addSpacing(12);
    for (QPushButton* b : {cEnsimmainen, cEdellinen, cSeuraava, cViimeinen}) commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(cSulje);
    right->addLayout(commands);
    auto* templates = new QHBoxLayout;
    for (int n = 1; n <= 4; ++n) templates->addWidget(cTositePohja[size_t(n)]);
    templates->addStretch(1);
    right->addLayout(templates);

    setTabOrder();
    connectEvents();
    connectRowEvents();
    idle_ = new QTimer(this);
    idle_->setSingleShot(true);
    connect(idle_, &QTimer::timeout, this, [this] { idleWork(); });
    resize(980, 600);
}

frmNewTositteet::~frmNewTositteet() {
    // The handlers of the controls must not run on a window that is going:
    // no voucher is held any more, and no control keeps the focus.
    curTosite_ = placeholderTosite();
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmNewTositteet::buildMenus() {
    // A shortcut belongs to the whole window.
    auto action = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(menu, this, name, caption, key, &windowKeys_);
    };
    auto menu = [this](const char* name, const char* caption) { return ui::addMenu(menuBar, name, caption); };

    mTiedosto = menu("mTiedosto", "&Tiedosto");
    mTositteidenTarkistus = action(mTiedosto, "mTositteidenTarkistus", "Tositteiden tarkistus");
    mTiedosto->addSeparator();
    mTilinPaivasaldot = action(mTiedosto, "mTilinPaivasaldot", "Tilin päiväsaldot", QKeySequence(Qt::Key_F9));
    mTilienSaldot = action(mTiedosto, "mTilienSaldot", "Tilien saldot", QKeySequence(Qt::Key_F6));
    mTilitarkastelu = action(mTiedosto, "mTilitarkastelu", "Tilitarkastelu", QKeySequence(Qt::Key_F8));
    mTiedosto->addSeparator();
    mSulje = action(mTiedosto, "mSulje", "Sulje");

    mTietue = menu("mTietue", "T&ietue");
    mUusi = action(mTietue, "mUusi", "Uusi", QKeySequence(Qt::Key_F2));
    mTallenna = action(mTietue, "mTallenna", "Tallenna", QKeySequence(Qt::Key_F3));
    mPoista = action(mTietue, "mPoista", "Poista", QKeySequence(Qt::Key_F4));
    mSelaa = action(mTietue, "mSelaa", "Selaa", QKeySequence(Qt::Key_F5));
    mHaku = action(mTietue, "mHaku", "Haku", QKeySequence(Qt::CTRL | Qt::Key_H));
    mPeru = action(mTietue, "mPeru", "Peru", QKeySequence(Qt::CTRL | Qt::Key_Z));
    mTietue->addSeparator();
    mEnsimmaiseen = action(mTietue, "mEnsimmaiseen", "Siirry ensimmäiseen", QKeySequence(Qt::CTRL | Qt::Key_A));
    mEdelliseen = action(mTietue, "mEdelliseen", "Siirry edelliseen", QKeySequence(Qt::CTRL | Qt::Key_S));
    mSeuraavaan = action(mTietue, "mSeuraavaan", "Siirry seuraavaan", QKeySequence(Qt::CTRL | Qt::Key_D));
    mViimeiseen = action(mTietue, "mViimeiseen", "Siirry viimeiseen", QKeySequence(Qt::CTRL | Qt::Key_F));

    mRaportit = menu("mRaportit", "&Raportit");
    mPaivakirja = action(mRaportit, "mPaivakirja", "Päiväkirja");
    mPaakirja = action(mRaportit, "mPaakirja", "Pääkirja");
    mPaakirjaKustannuspaikalle = action(mRaportit, "mPaakirjaKustannuspaikalle", "Pääkirja kustannuspaikalle");
    mRapYksiTili = action(mRaportit, "mRapYksiTili", "Yhden tilin viennit");

    // The template items after the separator; BuildTositepohjaMenu fills
    // them in.
    mTositepohjat = menu("mTositepohjat", "Tositepohjat");
    mMuokkaaTositepohjia = action(mTositepohjat, "mMuokkaaTositepohjia", "Muokkaa tositepohjia");
    mTositepohjat->addSeparator();
    QAction* first = mTositepohjat->addAction(QStringLiteral("Tositepohja X"));
    first->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), 0));
    mTositepohjaX << first;
}

void frmNewTositteet::buildHeader(QWidget* parent) {
    frameTosite = ui::makeGroupBox(parent, QStringLiteral("frameTosite"), QStringLiteral("Tosite"));
    auto label = [this](const char* name, const char* caption) { return ui::makeLabel(frameTosite, name, caption); };
    auto field = [this](const char* name) { return ui::makeLineEdit(frameTosite, name); };
    lblTositeNumero = label("lblTositeNumero", "Numero:");
    tTositenumero = field("tTositenumero");
    tTositenumero->setMaximumWidth(110);
    lblTositePvm = label("lblTositePvm", "Päivämäärä:");
    tTositepvm = field("tTositepvm");
    tTositepvm->setMaximumWidth(130);
    lblTositeSelite = label("lblTositeSelite", "Selite:");
    tTositeSelite = field("tTositeSelite");
    tTositeSelite->setMaxLength(255);

    auto* g = new QGridLayout(frameTosite);
    g->addWidget(lblTositeNumero, 0, 0);
    g->addWidget(tTositenumero, 0, 1);
    g->addWidget(lblTositePvm, 0, 2);
    g->addWidget(tTositepvm, 0, 3);
    g->setColumnStretch(4, 1);
    g->addWidget(lblTositeSelite, 1, 0);
    g->addWidget(tTositeSelite, 1, 1, 1, 4);
}

void frmNewTositteet::buildRows(QWidget* parent) {
    frameViennit = ui::makeGroupBox(parent, QStringLiteral("frameViennit"), QStringLiteral("Tositteen viennit"));
    auto label = [this](const char* name, const char* caption) { return ui::makeLabel(frameViennit, name, caption); };
    lblDebetTili = label("lblDebetTili", "Debet tili");
    lblDebetKP = label("lblDebetKP", "KP");
    lblDebetSums = label("lblDebetSums", "Debet summa");
    lblKreditSums = label("lblKreditSums", "Kredit summa");
    lblKreditKP = label("lblKreditKP", "KP");
    lblKreditTili = label("lblKreditTili", "Kredit tili");

    // The twelve account combos share one list, and so do the cost-centre
    // combos.
    tiliModel_ = new QStandardItemModel(this);
    kpModel_ = new QStandardItemModel(this);
    auto combo = [this](const QString& name, int i, QStandardItemModel* model, int minChars) {
        return MakeEntryCombo(frameViennit, name, i, model, minChars);
    };
    auto amount = [this](const QString& name, int i) { return MakeAmountBox(frameViennit, name, i); };
    for (int i = 0; i < kRivit; ++i) {
        const size_t s = size_t(i);
        cmbDebetTili[s] = combo(QStringLiteral("cmbDebetTili"), i, tiliModel_, 16);
        cmbDebetKP[s] = combo(QStringLiteral("cmbDebetKP"), i, kpModel_, 4);
        tDebetSumma[s] = amount(QStringLiteral("tDebetSumma"), i);
        tKreditSumma[s] = amount(QStringLiteral("tKreditSumma"), i);
        cmbKreditKP[s] = combo(QStringLiteral("cmbKreditKP"), i, kpModel_, 4);
        cmbKreditTili[s] = combo(QStringLiteral("cmbKreditTili"), i, tiliModel_, 16);
    }
    scrlViennit = new QScrollBar(Qt::Vertical, frameViennit);
    scrlViennit->setObjectName(QStringLiteral("scrlViennit"));
    scrlViennit->setFocusPolicy(Qt::NoFocus);
    scrlViennit->setPageStep(kRivit);

    lblDebetSumma = label("lblDebetSumma", "");
    lblKreditSumma = label("lblKreditSumma", "");
    lblErotusTeksti = label("lblErotusTeksti", "Erotus:");
    lblErotus = label("lblErotus", "");
    lblHalutunTilinSaldo = label("lblHalutunTilinSaldo", "Valitun tilin saldo");
    for (QLabel* l : {lblDebetSumma, lblKreditSumma, lblErotus}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblErotusTeksti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblHalutunTilinSaldo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cLisaaVienteja = ui::makeButton(frameViennit, QStringLiteral("cLisaaVienteja"), QStringLiteral("Lisää &vientejä"));

    auto* g = new QGridLayout(frameViennit);
    g->addWidget(lblDebetTili, 0, 0);
    g->addWidget(lblDebetKP, 0, 1);
    g->addWidget(lblDebetSums, 0, 2);
    g->addWidget(lblKreditSums, 0, 3);
    g->addWidget(lblKreditKP, 0, 4);
    g->addWidget(lblKreditTili, 0, 5);
    for (int i = 0; i < kRivit; ++i) {
        const size_t s = size_t(i);
        g->addWidget(cmbDebetTili[s], i + 1, 0);
        g->addWidget(cmbDebetKP[s], i + 1, 1);
        g->addWidget(tDebetSumma[s], i + 1, 2);
        g->addWidget(tKreditSumma[s], i + 1, 3);
        g->addWidget(cmbKreditKP[s], i + 1, 4);
        g->addWidget(cmbKreditTili[s], i + 1, 5);
    }
    g->addWidget(scrlViennit, 1, 6, kRivit, 1);
    g->addWidget(lblDebetSumma, kRivit + 1, 2);
    g->addWidget(lblKreditSumma, kRivit + 1, 3);
    g->addWidget(cLisaaVienteja, kRivit + 2, 0);
    g->addWidget(lblErotusTeksti, kRivit + 2, 1, 1, 2);
    g->addWidget(lblErotus, kRivit + 2, 3);
    g->addWidget(lblHalutunTilinSaldo, kRivit + 2, 4, 1, 2);
    g->setColumnStretch(0, 3);
    g->setColumnStretch(5, 3);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 2);
}

void frmNewTositteet::buildButtons() {
    auto button = [this](const char* name, const char* caption, const char* tip) {
        QPushButton* b = ui::makeButton(this, name, caption, tip);
        b->setAutoDefault(false);
        return b;
    };
    cUusi = button("cUusi", "Uusi", "Lisää uusi tosite [F2]");
    cTallenna = button("cTallenna", "Tallenna", "Tallenna näytöllä oleva tosite [F3]");
    cPoista = button("cPoista", "Poista", "Poista näytöllä oleva tosite [F4]");
    cSelaa = button("cSelaa", "Selaa", "Selaa tositteita [F5]");
    cHaku = button("cHaku", "Haku", "Hae tositteista [Ctrl+H]");
    cPeru = button("cPeru", "Peru", "Peru tehdyt muutokset [Ctrl+Z]");
    cEnsimmainen = button("cEnsimmäinen", "Ensimm.", "Siirry ensimmäiseen [Ctrl+A]");
    cEdellinen = button("cEdellinen", "Edel.", "Siirry edelliseen [Ctrl+S]");
    cSeuraava = button("cSeuraava", "Seur.", "Siirry seuraavaan [Ctrl+D]");
    cViimeinen = button("cViimeinen", "Viim.", "Siirry viimeiseen [Ctrl+F]");
    cSulje = button("cSulje", "Sulje", "Sulje Tositteet [Alt+F4]");
    for (int n = 1; n <= 4; ++n) {
        auto* b = new QPushButton(QStringLiteral("(&%1) Tositepohja").arg(n), this);
        b->setObjectName(ui::ArrayName(QStringLiteral("cTositePohja"), n));
        b->setProperty("Tag", QStringLiteral("NoTrl"));  // captioned with template names
        b->setAutoDefault(false);
        cTositePohja[size_t(n)] = b;
    }
}

void frmNewTositteet::setTabOrder() {
    // Header fields, then the rows position by position: debit account,
    // debit cost centre, debit amount, credit amount, credit cost centre,
    // credit account.
    QList<QWidget*> order{tTositenumero, tTositepvm, tTositeSelite};
    for (int i = 0; i < kRivit; ++i) {
        const size_t s = size_t(i);
        order << cmbDebetTili[s] << cmbDebetKP[s] << tDebetSumma[s] << tKreditSumma[s] << cmbKreditKP[s]
              << cmbKreditTili[s];
    }
    order << cLisaaVienteja << cUusi << cTallenna << cPoista << cSelaa << cHaku << cPeru << cEnsimmainen
          << cEdellinen << cSeuraava << cViimeinen << cSulje;
    for (int n = 1; n <= 4; ++n) order << cTositePohja[size_t(n)];
    order << cUusiTosite << lstTositteet;
    for (int k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void frmNewTositteet::connectEvents() {
    auto click = [this](QObject* control, std::function<void()> f) {
        ui::Events::of(control).onClick([this, f = std::move(f)] { run(f); });
    };
    // A menu item does what its button does.
    const std::pair<std::pair<QObject*, QObject*>, std::function<void()>> commands[] = {
        {{cUusi, mUusi}, [this] { Uusi(); }},
        {{cTallenna, mTallenna}, [this] { Tallenna(); }},
        {{cPoista, mPoista}, [this] { Poista(); }},
        {{cSelaa, mSelaa}, [this] { Selaa(); }},
        {{cHaku, mHaku}, [this] { Haku(); }},
        {{cPeru, mPeru}, [this] { Peru(); }},
        {{cEnsimmainen, mEnsimmaiseen}, [this] { Siirry(Suunta::Ensimmainen); }},
        {{cEdellinen, mEdelliseen}, [this] { Siirry(Suunta::Edellinen); }},
        {{cSeuraava, mSeuraavaan}, [this] { Siirry(Suunta::Seuraava); }},
        {{cViimeinen, mViimeiseen}, [this] { Siirry(Suunta::Viimeinen); }},
        {{cSulje, mSulje}, [this] { Sulje(); }},
    };
    for (const auto& [controls, f] : commands) {
        click(controls.first, f);
        click(controls.second, f);
    }
    // "Lisää tosite" runs the click of cUusi.
    ui::Events::of(cUusiTosite).onClick([this] { cUusi->click(); });
    click(cLisaaVienteja, [this] { LisaaVienteja(); });
    ui::Events::of(mTositteidenTarkistus).onClick([this] { TositteidenTarkistus(); });
    connectMenuEvents();
    ui::Events::of(lstTositteet).onClick([this] { run([this] { ListClick(); }); });
    ui::Events::of(this).onActivate([this] { activate(); });

    // The window's keys win over the text boxes' own (Ctrl+A, Ctrl+Z, ...).
    QList<QWidget*> keyed{tTositenumero, tTositepvm, tTositeSelite, lstTositteet};
    for (int i = 0; i < kRivit; ++i) {
        const size_t s = size_t(i);
        keyed << cmbDebetTili[s] << cmbDebetKP[s] << tDebetSumma[s] << tKreditSumma[s] << cmbKreditKP[s]
              << cmbKreditTili[s];
    }
    for (QWidget* w : keyed) {
        w->installEventFilter(this);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit()) c->lineEdit()->installEventFilter(this);
    }
}

bool frmNewTositteet::isWindowKey(const QKeyEvent* e) const {
    const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
    for (const QAction* a : windowKeys_)
        if (a->shortcut() == pressed) return true;
    return false;
}

bool frmNewTositteet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent*>(event))) {
        // Not taken by the text box: the window's shortcut runs.
        event->ignore();
        return true;
    }
    return ui::Form::eventFilter(watched, event);
}

// ---------------------------------------------------------------- running handlers

void frmNewTositteet::runLeave(QWidget* control, const std::function<void()>& f) {
    if (skipLeave_ && skipLeave_ == control) {
        skipLeave_ = nullptr;
        return;
    }
    // Nothing to write while no voucher is shown (or the window is going).
    if (curTosite_->IsEmpty()) return;
    const QPointer<QWidget> outer = leaving_;
    leaving_ = control;
    run(f);
    leaving_ = outer;
}

void frmNewTositteet::moveFocus(QWidget* w) {
    if (!w) return;
    if (leaving_) {
        QWidget* target = QApplication::focusWidget();
        if (target && target != leaving_ && target != w) skipLeave_ = target;
    }
    w->setFocus(Qt::OtherFocusReason);
    skipLeave_ = nullptr;
}

// ---------------------------------------------------------------- public procedures

void frmNewTositteet::SetCheckWindowOpener(std::function<void()> opener) { checkWindowOpener() = std::move(opener); }

void frmNewTositteet::SetSearchWindow(std::function<long()> search) { searchWindow() = std::move(search); }

int frmNewTositteet::MaxLkmViennitPerTosite() { return SuurinVientimaara(0); }

void frmNewTositteet::ShowHalutunTilinSaldo() {
    const long tili = core::LaskettavaTili;
    if (tili == 0) {
        lblHalutunTilinSaldo->setText(QStringLiteral("- -"));
        return;
    }
    TilinSummat s = tilinSaldo_.Summat(tili);
    // The stored entries of the voucher on screen count as they stand on
    // screen instead.
    if (curTosite_->id() != 0) {
        const TilinSummat tosite = tilinSaldo_.Summat(tili, curTosite_->id());
        s.debet -= tosite.debet;
        s.kredit -= tosite.kredit;
    }
    for (size_t k = 0; k < debet_.size(); ++k) {
        if (debet_[k]->tlID() == tili) s.debet += debet_[k]->Arvo();
        if (kredit_[k]->tlID() == tili) s.kredit += kredit_[k]->Arvo();
    }
    lblHalutunTilinSaldo->setText((s.debet - s.kredit).toCurrencyString());
}

bool frmNewTositteet::CheckTositteet() { return KaynnistysTarkistus(); }

void frmNewTositteet::BuildTositepohjaMenu() {
    while (mTositepohjaX.size() > 1) {
        QAction* a = mTositepohjaX.takeLast();
        mTositepohjat->removeAction(a);
        delete a;
    }
    const core::RecordList<::vouchers::cTositePohja> all = cTositePohjat().All();
    QAction* first = mTositepohjaX.first();
    first->setVisible(!all.isEmpty());
    for (qsizetype i = 0; i < all.count(); ++i) {
        QAction* a = first;
        if (i > 0) {
            a = mTositepohjat->addAction(QString());
            a->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), int(i)));
            mTositepohjaX << a;
            ui::Events::of(a).onClick([this, i] { run([this, i] { TositepohjaXClick(int(i)); }); });
        }
        a->setText(plainCaption(all.at(i).Nimi()));
        a->setVisible(true);
    }
    cTositePohjat haku;
    for (int n = 1; n <= 4; ++n) {
        QPushButton* b = cTositePohja[size_t(n)];
        const std::unique_ptr<::vouchers::cTositePohja> p = haku.PikavalintaPohja(n);
        if (p->IsEmpty()) {
            b->setEnabled(false);
            b->setVisible(false);
            b->setText(QString());
        } else {
            b->setEnabled(true);
            b->setText(QStringLiteral("(&%1) ").arg(n) + plainCaption(p->Nimi()));
            b->setVisible(true);
        }
    }
}

// ---------------------------------------------------------------- loading and closing

void frmNewTositteet::Load() {
    // The program-wide load hook has restored the placement and translated
    // the window.
    bTositteidenKaynnistysTarkistus = true;
    bUpdatingList_ = false;
    // The arrays get the length that the book's largest voucher needs on
    // the first idle turn after the window is on the screen; a voucher shown
    // before that has at least its own entries.
    rivimaaraTiedossa_ = false;
    setUpperBound(kRivit - 1);
    InitEmptyViennit();
    ClearSummat();
    FillTiliCombot();
    FillKPCombot();
    FillTositeLista();
    BuildTositepohjaMenu();
    ShowTosite(placeholderTosite());
    idle_->start(0);
}

void frmNewTositteet::activate() {
    if (!bTositteidenKaynnistysTarkistus) return;
    bTositteidenKaynnistysTarkistus = false;
    // After the activation has been handled, so that its question is not
    // put in the middle of it.
    QTimer::singleShot(0, this, [this] {
        if (isUnloaded()) return;
        if (CheckTositteet()) TositteidenTarkistus();
    });
}

bool frmNewTositteet::QueryUnload() {
    bool ok = true;
    run([&] { ok = CheckSyotteet(); });
    if (ok || !ui::Forms::isEnding()) return ok;
    // The program is ending: the user decides whether to stay and choose
    // the account, or to end without it.
    return core::AskYesNo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                             QStringLiteral("Tilivalintaa ei voida tallentaa. Lopetetaanko silti?"))) ==
           ui::Answer::Yes;
}

bool frmNewTositteet::StorePendingEdits() {
    if (!CheckSyotteet()) return false;
    writePending();
    return true;
}

void frmNewTositteet::ReadBookAgain() {
    const long shown = curTosite_->IsEmpty() ? 0 : curTosite_->id();
    // What the window holds was written before the book changed; it is let
    // go, and nothing read before is written back.
    releaseAll();
    curTosite_ = placeholderTosite();
    InitEmptyViennit();
    run([this] {
        FillTiliCombot();
        FillKPCombot();
        FillTositeLista();
        BuildTositepohjaMenu();
    });
    run([this, shown] {
        auto t = std::make_unique<core::cTosite>();
        if (shown > 0 && t->Read(shown))
            ShowTosite(std::move(t));
        else
            ShowTosite(placeholderTosite());
    });
}

void frmNewTositteet::Unload() {
    // What the voucher holds is written; a failure is shown, and the window
    // goes all the same.
    run([this] { writePending(); });
    idle_->stop();
    listaKesken_ = false;
    releaseAll();
    curTosite_ = placeholderTosite();
    for (auto* arr : {&debet_, &kredit_})
        for (auto& v : *arr) v = placeholderVienti();
}

// ---------------------------------------------------------------- the voucher list

void frmNewTositteet::FillTositeLista() {
    const std::vector<TositeListanRivi> rivit =
        TositeListanRivit(bAvaustosite, bPaatostosite, std::nullopt, kListanAlku);
    bUpdatingList_ = true;
    lstTositteet->clear();
    lineOf_.clear();
    odottavat_.clear();
    appendListLines(rivit);
    listaKesken_ = int(rivit.size()) == kListanAlku;
    listaLuettu_.reset();
    if (!rivit.empty()) listaLuettu_ = rivit.back();
    listaSukupolvi_ = core::DBCon().generation();
    bUpdatingList_ = false;
    if (listaKesken_) idle_->start(0);
}

void frmNewTositteet::appendListLines(const std::vector<TositeListanRivi>& rivit) {
    QStringList texts;
    QList<long> ids;
    const long shown = curTosite_->IsEmpty() ? 0 : curTosite_->id();
    for (const TositeListanRivi& r : rivit) {
        if (lineOf_.contains(r.toID)) continue;
        ids << r.toID;
        // The voucher on screen as it stands, typing included.
        texts << (r.toID == shown ? TositeListanTeksti(curTosite_->Numero(), curTosite_->Selite())
                                  : TositeListanTeksti(r.numero, r.selite));
    }
    if (ids.isEmpty()) return;
    const int first = lstTositteet->count();
    lstTositteet->setUpdatesEnabled(false);
    lstTositteet->addItems(texts);
    {
        // The keys are no news to the view, which shows only the texts.
        const QSignalBlocker quiet(lstTositteet->model());
        for (int c = 0; c < ids.size(); ++c) {
            QListWidgetItem* item = lstTositteet->item(first + c);
            item->setData(Qt::UserRole, qlonglong(ids[c]));
            lineOf_.insert(ids[c], item);
        }
    }
    lstTositteet->setUpdatesEnabled(true);
    // The line of the voucher on screen is picked (it stays picked when the
    // list is built again).
    if (shown != 0 && ids.contains(shown)) lstTositteet->setCurrentItem(lineOf_.value(shown));
}

void frmNewTositteet::idleWork() {
    if (!isLoaded() || (rivimaaraTiedossa_ && !listaKesken_)) return;
    // The book is read only while it is open and at rest: not while a
    // command has it closed or holds a transaction open (a question it
    // asks runs the event loop).
    core::DBC& dbc = core::DBCon();
    if (!dbc.isOpen() || dbc.openedPath() != core::DatabasePath || dbc.AvaaDB().transactionDepth() > 0) {
        idle_->start(50);
        return;
    }
    bool done = false;
    run([&] {
        if (!rivimaaraTiedossa_) {
            sizeArraysForBook();
        } else if (core::DBCon().generation() != listaSukupolvi_) {
            // The book was changed under the list: it is read again.
            FillTositeLista();
        } else {
            const std::vector<TositeListanRivi> rivit =
                TositeListanRivit(bAvaustosite, bPaatostosite, listaLuettu_, kListanSivu);
            const bool updating = bUpdatingList_;
            bUpdatingList_ = true;
            appendListLines(rivit);
            bUpdatingList_ = updating;
            if (!rivit.empty()) listaLuettu_ = rivit.back();
            if (int(rivit.size()) < kListanSivu) listRead();
        }
        done = true;
    });
    if (!done) {
        // What failed (and has been shown) is not tried again on every idle
        // turn: the list stays as it is until it is built again (browse),
        // and the arrays keep their length.
        listaKesken_ = false;
        return;
    }
    if (isLoaded() && !idle_->isActive() && (!rivimaaraTiedossa_ || listaKesken_)) idle_->start(0);
}

void frmNewTositteet::sizeArraysForBook() {
    if (rivimaaraTiedossa_) return;
    const int n = SuurinVientimaara(kRivit);
    rivimaaraTiedossa_ = true;
    growArrays(n);
}

void frmNewTositteet::growArrays(int n) {
    if (n <= ElementCount()) return;
    // Past its stored entries a voucher's elements hold fresh entries of
    // it, as showing the voucher gives them; nothing is written.
    while (ElementCount() < n) {
        debet_.push_back(curTosite_->AddNewVienti(QStringLiteral("D")));
        kredit_.push_back(curTosite_->AddNewVienti(QStringLiteral("K")));
    }
    const int shown = scrlViennit->value();
    applyScrollRule(n - 1);
    ui::ChangeGuard guard(scrlViennit);
    scrlViennit->setValue(shown);
}

void frmNewTositteet::listRead() {
    listaKesken_ = false;
    const std::vector<long> odottavat = std::exchange(odottavat_, {});
    const long shown = curTosite_->IsEmpty() ? 0 : curTosite_->id();
    for (long id : odottavat) {
        if (lineOf_.contains(id)) continue;
        // The voucher on screen as it stands, its line picked; another one
        // as stored, when it still is.
        QString text;
        if (id == shown) {
            text = TositeListanTeksti(curTosite_->Numero(), curTosite_->Selite());
        } else {
            core::cTosite t;
            if (!t.Read(id)) continue;
            text = TositeListanTeksti(t.Numero(), t.Selite());
        }
        bUpdatingList_ = true;
        auto* item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, qlonglong(id));
        lstTositteet->addItem(item);
        lineOf_.insert(id, item);
        if (id == shown) lstTositteet->setCurrentItem(item);
        bUpdatingList_ = false;
    }
}

void frmNewTositteet::curTosite_NameChanged(long id, const QString& sName) {
    bUpdatingList_ = true;
    try {
        const QString text = TositeListanTeksti(curTosite_->Numero(), sName);
        QListWidgetItem* item = lineOf_.value(id);
        if (item) {
            if (lstTositteet->currentItem() != item) lstTositteet->setCurrentItem(item);
            if (item->text() != text) item->setText(text);
        } else if (listaKesken_) {
            // The pages still to be read give the line in its place.
            if (std::find(odottavat_.begin(), odottavat_.end(), id) == odottavat_.end()) odottavat_.push_back(id);
        } else {
            item = new QListWidgetItem(text);
            item->setData(Qt::UserRole, qlonglong(id));
            lstTositteet->addItem(item);
            lineOf_.insert(id, item);
        }
    } catch (...) {
        // The list line only mirrors the stored voucher: a failure here must
        // not reach the record whose save sent the event. The line is made
        // anew when the list is filled next.
    }
    bUpdatingList_ = false;
}

void frmNewTositteet::selectListLine(long id) {
    bUpdatingList_ = true;
    if (QListWidgetItem* item = lineOf_.value(id))
        lstTositteet->setCurrentItem(item);
    else
        lstTositteet->setCurrentItem(nullptr);
    bUpdatingList_ = false;
}

// ---------------------------------------------------------------- the voucher and its arrays

void frmNewTositteet::setUpperBound(int u) {
    releaseEntries();
    debet_.clear();
    kredit_.clear();
    for (int k = 0; k <= u; ++k) {
        debet_.push_back(placeholderVienti());
        kredit_.push_back(placeholderVienti());
    }
    applyScrollRule(u);
}

void frmNewTositteet::applyScrollRule(int u) {
    ui::ChangeGuard guard(scrlViennit);
    scrlViennit->setMinimum(0);
    scrlViennit->setValue(0);
    if (u <= kRivit - 1) {
        scrlViennit->setMaximum(0);
        scrlViennit->setEnabled(false);
    } else {
        scrlViennit->setMaximum(u - (kRivit - 1));
        scrlViennit->setEnabled(true);
    }
}

namespace {

template <class R>
void releaseRecord(std::unique_ptr<R>& record) {
    if (!record) return;
    try {
        record->Release();
    } catch (...) {
        // The caller has written (or reported) the pending changes already.
    }
}

}  // namespace

void frmNewTositteet::InitEmptyViennit() {
    releaseEntries();
    for (auto* arr : {&debet_, &kredit_})
        for (auto& v : *arr) v = placeholderVienti();
}

void frmNewTositteet::writePending() {
    // The voucher and its entries go into the book together or not at all.
    core::cTosite::TallennaKerralla(curTosite_->IsEmpty() ? nullptr : curTosite_.get(), entryRecords());
}

std::vector<core::cVienti*> frmNewTositteet::entryRecords() const {
    std::vector<core::cVienti*> all;
    all.reserve(debet_.size() * 2);
    for (size_t k = 0; k < debet_.size(); ++k) {
        all.push_back(debet_[k].get());
        all.push_back(kredit_[k].get());
    }
    return all;
}


void frmNewTositteet::releaseEntries() {
    for (auto& v : debet_) releaseRecord(v);
    for (auto& v : kredit_) releaseRecord(v);
}

void frmNewTositteet::releaseAll() {
    releaseRecord(curTosite_);
    releaseEntries();
}

std::unique_ptr<core::cTosite> frmNewTositteet::NewTosite() {
    auto t = std::make_unique<core::cTosite>();
    t->SetTositeNumeroJaPaiva(core::TilikausiAlku, bAvaustosite);
    t->setAvaustosite(bAvaustosite);
    t->setPaatostosite(bPaatostosite);
    t->Save(true);
    return t;
}

void frmNewTositteet::ShowTosite(std::unique_ptr<core::cTosite> t) {
    // Leaving the voucher on screen writes what it holds. When that fails,
    // the voucher stays on screen as it is and the error reaches the caller.
    writePending();
    releaseAll();
    curTosite_ = std::move(t);
    curTosite_->NameChanged = [this](long id, const QString& sName) { curTosite_NameChanged(id, sName); };
    try {
        reloadViennit();
    } catch (...) {
        // Nothing half-shown stays: no voucher is shown.
        curTosite_ = placeholderTosite();
        InitEmptyViennit();
        try {
            DisplayTosite();
        } catch (...) {
            // The fields may stay empty; the failure of the load is the one that
            // goes on.
        }
        throw;
    }
}

void frmNewTositteet::reloadViennit() {
    core::RecordList<core::cVienti> d = curTosite_->GetViennit(QStringLiteral("D"));
    core::RecordList<core::cVienti> k = curTosite_->GetViennit(QStringLiteral("K"));
    const int m = core::MaxInteger(int(d.count()), int(k.count()));
    if (m > ElementCount()) setUpperBound(m - 1);
    InitEmptyViennit();
    for (size_t e = 0; e < debet_.size(); ++e) {
        debet_[e] = d.isEmpty() ? curTosite_->AddNewVienti(QStringLiteral("D")) : d.take(0);
        kredit_[e] = k.isEmpty() ? curTosite_->AddNewVienti(QStringLiteral("K")) : k.take(0);
    }
    DisplayTosite();
}

void frmNewTositteet::DisplayTosite() {
    if (curTosite_->IsEmpty()) {
        ClearTosite();
        EnableControls(false);
        ClearSummat();
        selectListLine(0);
        ShowHalutunTilinSaldo();
        return;
    }
    EnableControls(true);
    {
        ui::ChangeGuard guard(scrlViennit);
        scrlViennit->setValue(0);
    }
    {
        ui::ChangeGuard g1(tTositenumero), g2(tTositepvm), g3(tTositeSelite);
        tTositenumero->setText(QString::number(curTosite_->Numero()));
        tTositepvm->setText(curTosite_->Paiva().toShortString());
        tTositeSelite->setText(curTosite_->Selite());
    }
    // As typing would: the number and the text go back into the voucher
    // (its list line follows), the text into every entry.
    numeroChanged();
    seliteChanged();
    showRows();
    ShowHalutunTilinSaldo();
}

void frmNewTositteet::ClearTosite() {
    ui::ChangeGuard g1(tTositenumero), g2(tTositepvm), g3(tTositeSelite);
    tTositenumero->clear();
    tTositepvm->clear();
    tTositeSelite->clear();
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            tiliCombo(p, i)->setCurrentIndex(0);
            kpCombo(p, i)->setCurrentIndex(0);
            ui::ChangeGuard g(summa(p, i));
            summa(p, i)->clear();
        }
    }
}

void frmNewTositteet::EnableControls(bool bEnabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             frameTosite, frameViennit, lblTositeNumero, tTositenumero, lblTositePvm, tTositepvm, lblTositeSelite,
             tTositeSelite, lblDebetTili, lblDebetSums, lblDebetKP, lblKreditSums, lblKreditTili, lblKreditKP,
             lblErotus, lblErotusTeksti, lblDebetSumma, lblKreditSumma, cLisaaVienteja})
        w->setEnabled(bEnabled);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::WindowText,
                 QApplication::palette().color(bEnabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    Line1->setPalette(pal);
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            tiliCombo(p, i)->setEnabled(bEnabled);
            kpCombo(p, i)->setEnabled(bEnabled);
            summa(p, i)->setEnabled(bEnabled);
        }
    }
    if (!core::Kustannuspaikat) {
        for (int i = 0; i < kRivit; ++i) {
            cmbDebetKP[size_t(i)]->setEnabled(false);
            cmbKreditKP[size_t(i)]->setEnabled(false);
        }
        lblDebetKP->setEnabled(false);
        lblKreditKP->setEnabled(false);
    }
}

// ---------------------------------------------------------------- checks before commands

bool frmNewTositteet::CheckTiliValinnat() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    if (curTosite_->IsEmpty()) return true;
    bool ok = true;
    auto check = [&](QComboBox* c, const QString& message) {
        if (c->currentText().isEmpty() || ListIndex(c) != -1) return;
        cursor.SetCursor(this, sys::kPointerDefault);
        core::ShowInfo(message);
        moveFocus(c);
        ok = false;
    };
    for (int i = 0; i < kRivit; ++i) check(cmbDebetTili[size_t(i)], QStringLiteral("Tarkista tilivalinta."));
    for (int i = 0; i < kRivit; ++i) check(cmbKreditTili[size_t(i)], QStringLiteral("Tarkista tilivalinta."));
    // A cost centre typed and not yet matched would be left behind the same
    // way; it is checked alike.
    if (core::Kustannuspaikat) {
        const QString kp =
            core::TranslateStr(QStringLiteral("frmNewTositteet"), QStringLiteral("Tarkista kustannuspaikkavalinta."));
        for (int i = 0; i < kRivit; ++i) check(cmbDebetKP[size_t(i)], kp);
        for (int i = 0; i < kRivit; ++i) check(cmbKreditKP[size_t(i)], kp);
    }
    return ok;
}

bool frmNewTositteet::CheckSyotteet() {
    AcceptSummat();
    if (!CheckTiliValinnat()) return false;
    tellUnsavedDate();
    return true;
}

void frmNewTositteet::tellUnsavedDate() {
    const QString typed = tTositepvm->text();
    if (curTosite_->IsEmpty() || typed.trimmed().isEmpty() || dao::Date::fromText(typed)) return;
    // The voucher keeps the date it had; the field shows that date again.
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                      QStringLiteral("Päivämäärää ei tallennettu, koska se ei ole päivämäärä:")) +
                   QLatin1Char(' ') + typed);
    answeredPvm_.clear();
    ui::ChangeGuard guard(tTositepvm);
    tTositepvm->setText(curTosite_->Paiva().toShortString());
}

// ---------------------------------------------------------------- commands

void frmNewTositteet::Uusi() {
    if (!CheckSyotteet()) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // The voucher on screen is written before the new one is numbered, so
    // that a failure leaves no voucher behind that nobody sees.
    writePending();
    ShowTosite(NewTosite());
    moveFocus(tTositepvm);
}

void frmNewTositteet::Tallenna() {
    if (!CheckSyotteet()) return;
    writePending();
    // An entry row whose stored entry went away (account and amount both
    // cleared) starts afresh as a blank row of this voucher, so that what
    // is typed into it later belongs to the voucher again.
    if (curTosite_->IsEmpty()) return;
    for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
        const QString side = p == Puoli::Debet ? QStringLiteral("D") : QStringLiteral("K");
        for (auto& v : viennit(p)) {
            if (!v->IsEmpty() && v->id() == 0 && (v->ToId() != curTosite_->id() || v->Tyyppi() != side)) {
                v->Delete();
                v = curTosite_->AddNewVienti(side);
            }
        }
    }
}

void frmNewTositteet::Peru() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    curTosite_->Undo();
    for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
        const QString side = p == Puoli::Debet ? QStringLiteral("D") : QStringLiteral("K");
        for (auto& v : viennit(p)) {
            if (v->IsEmpty()) continue;
            if (v->id() != 0) {
                v->Undo();
            } else {
                // A row never stored goes back to a blank row of this
                // voucher (its own undo copy knows neither voucher nor side).
                v->Delete();
                v = curTosite_->AddNewVienti(side);
            }
        }
    }
    DisplayTosite();
}

void frmNewTositteet::Poista() {
    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                          QStringLiteral("Haluatko varmasti poistaa valitun tositteen?"))) !=
        ui::Answer::Yes)
        return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    const long id = curTosite_->id();
    curTosite_->Delete();
    for (auto* arr : {&debet_, &kredit_})
        for (auto& v : *arr)
            if (v->ToId() == id) v->Delete();
    bUpdatingList_ = true;
    if (QListWidgetItem* item = lineOf_.take(id)) delete lstTositteet->takeItem(lstTositteet->row(item));
    lstTositteet->setCurrentItem(nullptr);
    bUpdatingList_ = false;
    ShowTosite(placeholderTosite());
}

void frmNewTositteet::Selaa() {
    if (!CheckSyotteet()) return;
    Tallenna();
    FillTositeLista();
    bUpdatingList_ = false;
    moveFocus(lstTositteet);
}

void frmNewTositteet::Haku() {
    if (!CheckSyotteet()) return;
    if (!searchWindow()) return;
    const long id = searchWindow()();
    if (id == 0) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    writePending();  // before the voucher is read: it may be this very one
    auto t = std::make_unique<core::cTosite>();
    if (t->Read(id)) ShowTosite(std::move(t));
}

void frmNewTositteet::Siirry(Suunta s) {
    if (!CheckSyotteet()) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // What the voucher on screen holds is written before the next one is
    // read, so that reading the same voucher again shows what was typed.
    writePending();
    std::unique_ptr<core::cTosite> t;
    switch (s) {
    case Suunta::Ensimmainen: t = curTosite_->GetFirst(bAvaustosite, bPaatostosite); break;
    case Suunta::Edellinen: t = curTosite_->GetPrevious(bAvaustosite, bPaatostosite); break;
    case Suunta::Seuraava: t = curTosite_->GetNext(bAvaustosite, bPaatostosite); break;
    case Suunta::Viimeinen: t = curTosite_->GetLast(bAvaustosite, bPaatostosite); break;
    }
    if (t->IsEmpty()) {
        ui::Beep();  // always, whatever the sound setting
        return;
    }
    ShowTosite(std::move(t));
}

void frmNewTositteet::ListClick() {
    if (bUpdatingList_) return;
    QListWidgetItem* item = lstTositteet->currentItem();
    if (!item) return;
    const long id = static_cast<long>(item->data(Qt::UserRole).toLongLong());
    writePending();
    auto t = std::make_unique<core::cTosite>();
    if (t->Read(id)) ShowTosite(std::move(t));
}

void frmNewTositteet::LisaaVienteja() {
    if (curTosite_->IsEmpty()) return;
    {
        ui::ChangeGuard guard(scrlViennit);
        scrlViennit->setValue(scrlViennit->minimum());
    }
    // Every entry is written (all of them or none) and let go; the
    // voucher's stored entries are read again into arrays one element longer.
    core::cTosite::TallennaKerralla(nullptr, entryRecords());
    setUpperBound(ElementCount());
    reloadViennit();
    if (scrlViennit->isEnabled()) scrlViennit->setValue(scrlViennit->maximum());
    moveFocus(cmbDebetTili[kRivit - 1]);
}

void frmNewTositteet::Sulje() { ui::Forms::unload(*this); }

void frmNewTositteet::TositteidenTarkistus() {
    try {
        if (checkWindowOpener()) checkWindowOpener()();
    } catch (...) {
        // Opening the check window is not worth a message.
    }
}

bool frmNewTositteet::SetMode(bool avaus, bool paatos) {
    if (avaus == bAvaustosite && paatos == bPaatostosite) return true;
    if (!isLoaded()) {
        bAvaustosite = avaus;
        bPaatostosite = paatos;
        return true;
    }
    bool ok = false;
    run([&] {
        if (!CheckSyotteet()) return;
        ShowTosite(placeholderTosite());
        bAvaustosite = avaus;
        bPaatostosite = paatos;
        FillTositeLista();
        ok = true;
    });
    return ok;
}

}  // namespace vouchers
