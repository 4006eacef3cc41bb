// The voucher window's controls: its menus, the voucher header, the entry
// rows, the buttons, the tab order, the events of the commands and the keys
// of the whole window.

#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "vouchers/tools/toolsupport.h"
#include "vouchers/window/frmnewtositteet.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <tuple>
#include <utility>

namespace vouchers {

void frmNewTositteet::buildMenus() {
    // A shortcut belongs to the whole window.
    auto action = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(menu, this, name, caption, key);
    };
    auto menu = [this](const char* name, const char* caption) { return ui::addMenu(menuBar, name, caption); };

    std::tie(mTiedosto, mTositteidenTarkistus, mTilinPaivasaldot, mTilienSaldot, mTilitarkastelu, mSulje) =
        AddFileMenu(menuBar, this, "Sulje");

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
    std::tie(mTositepohjat, mMuokkaaTositepohjia) = AddTemplateMenu(menuBar, mTositepohjaX);
}

void frmNewTositteet::buildHeader(QWidget* parent) {
    std::tie(frameTosite, lblTositeNumero, tTositenumero, lblTositePvm, tTositepvm, lblTositeSelite, tTositeSelite) =
        MakeVoucherHeader(parent, "lblTositeNumero", "lblTositePvm");
}

void frmNewTositteet::buildRows(QWidget* parent) {
    frameViennit = ui::makeGroupBox(parent, QStringLiteral("frameViennit"), QStringLiteral("Tositteen viennit"));
    // The twelve account combos share one list, and so do the cost-centre
    // combos.
    tiliModel_ = new QStandardItemModel(this);
    kpModel_ = new QStandardItemModel(this);
    QGridLayout* g = MakeEntryRows(*this, frameViennit, tiliModel_, kpModel_);
    scrlViennit = new QScrollBar(Qt::Vertical, frameViennit);
    scrlViennit->setObjectName(QStringLiteral("scrlViennit"));
    scrlViennit->setFocusPolicy(Qt::NoFocus);
    scrlViennit->setPageStep(kRivit);

    auto label = [this](const char* name, const char* caption) { return ui::makeLabel(frameViennit, name, caption); };
    lblDebetSumma = label("lblDebetSumma", "");
    lblKreditSumma = label("lblKreditSumma", "");
    lblErotusTeksti = label("lblErotusTeksti", "Erotus:");
    lblErotus = label("lblErotus", "");
    lblHalutunTilinSaldo = label("lblHalutunTilinSaldo", "Valitun tilin saldo");
    for (QLabel* l : {lblDebetSumma, lblKreditSumma, lblErotus}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblErotusTeksti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblHalutunTilinSaldo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cLisaaVienteja = ui::makeButton(frameViennit, QStringLiteral("cLisaaVienteja"), QStringLiteral("Lisää &vientejä"));

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
}

}  // namespace vouchers
