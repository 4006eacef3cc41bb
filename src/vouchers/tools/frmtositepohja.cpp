#include "vouchers/tools/frmtositepohja.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/lists.h"
#include "core/ui/amountbox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "vouchers/tools/syotteet.h"
#include "vouchers/tools/toolsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace vouchers {

namespace {

const QString kSection = QStringLiteral("frmTositepohja");

std::unique_ptr<cTositePohja> placeholderPohja() {
    auto p = std::make_unique<cTositePohja>();
    p->setIsEmpty(true);
    return p;
}

std::unique_ptr<cVientiPohja> placeholderRivi() {
    auto r = std::make_unique<cVientiPohja>();
    r->setIsEmpty(true);
    return r;
}

template <class R>
void releaseQuietly(std::unique_ptr<R>& record) {
    if (!record) return;
    try {
        record->Release();
    } catch (...) {
        // The pending changes were written (or reported) before.
    }
}

}  // namespace

// ---------------------------------------------------------------- building

frmTositepohja::frmTositepohja() : ui::Form(QStringLiteral("frmTositepohja")) {
    setWindowTitle(QStringLiteral("Tositepohjat"));
    cur_ = placeholderPohja();
    for (int i = 0; i < kRivit; ++i) {
        debet_[size_t(i)] = placeholderRivi();
        kredit_[size_t(i)] = placeholderRivi();
    }
    buildControls();
    connectEvents();
    resize(ui::TwipsToPixelsX(this, 12600), ui::TwipsToPixelsY(this, 6600));
}

frmTositepohja::~frmTositepohja() {
    if (cur_) cur_->NameChanged = nullptr;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmTositepohja::buildControls() {
    auto* root = new QVBoxLayout(this);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    root->setMenuBar(menuBar);
    mTiedosto = ui::addMenu(menuBar, "mTiedosto", "&Tiedosto");
    mTietue = ui::addMenu(menuBar, "mTietue", "T&ietue");

    auto* body = new QHBoxLayout;
    root->addLayout(body, 1);
    lstTositePohjat = new PickList(this);
    lstTositePohjat->setObjectName(QStringLiteral("lstTositePohjat"));
    lstTositePohjat->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTositePohjat->setMinimumWidth(180);
    body->addWidget(lstTositePohjat);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    frameTositePohja = ui::makeGroupBox(this, QStringLiteral("frameTositePohja"), QStringLiteral("Tositepohja"));
    lblPikavalintaNumero = ui::makeLabel(frameTositePohja, "lblPikavalintaNumero", "Pikavalintanumero:");
    cmbPikavalinta = new QComboBox(frameTositePohja);
    cmbPikavalinta->setObjectName(QStringLiteral("cmbPikavalinta"));
    lblNimi = ui::makeLabel(frameTositePohja, "lblNimi", "Nimi:");
    tNimi = ui::makeLineEdit(frameTositePohja, QStringLiteral("tNimi"));
    tNimi->setMaxLength(50);
    lblSelite = ui::makeLabel(frameTositePohja, "lblSelite", "Selite:");
    tSelite = ui::makeLineEdit(frameTositePohja, QStringLiteral("tSelite"));
    tSelite->setMaxLength(255);
    auto* g = new QGridLayout(frameTositePohja);
    g->addWidget(lblPikavalintaNumero, 0, 0);
    g->addWidget(cmbPikavalinta, 0, 1, Qt::AlignLeft);
    g->addWidget(lblNimi, 1, 0);
    g->addWidget(tNimi, 1, 1);
    g->addWidget(lblSelite, 2, 0);
    g->addWidget(tSelite, 2, 1);
    g->setColumnStretch(1, 1);
    right->addWidget(frameTositePohja);

    buildRows(this);
    right->addWidget(frameTositePohjanViennit, 1);

    auto* buttons = new QHBoxLayout;
    root->addLayout(buttons);
    auto command = [&](QMenu* m, const char* name, const char* caption, const char* actionName, QKeySequence key,
                       const char* tip, QPushButton*& button, QAction*& action) {
        button = ui::makeButton(this, name, caption, tip);
        button->setAutoDefault(false);
        action = ui::addWindowAction(m, this, QString::fromUtf8(actionName), QString::fromUtf8(caption), key);
        buttons->addWidget(button);
    };
    command(mTietue, "cUusi", "Uusi", "mUusi", QKeySequence(Qt::Key_F2), "Lisää uusi tositepohja [F2]", cUusi, mUusi);
    command(mTietue, "cTallenna", "Tallenna", "mTallenna", QKeySequence(Qt::Key_F3),
            "Tallenna näytöllä oleva tositepohja [F3]", cTallenna, mTallenna);
    command(mTietue, "cPoista", "Poista", "mPoista", QKeySequence(Qt::Key_F4), "Poista näytöllä oleva tositepohja [F4]",
            cPoista, mPoista);
    command(mTietue, "cSelaa", "Selaa", "mSelaa", QKeySequence(Qt::Key_F5), "Selaa tositepohjia [F5]", cSelaa, mSelaa);
    command(mTietue, "cPeru", "Peru", "mPeru", QKeySequence(Qt::CTRL | Qt::Key_Z), "Peru tehdyt muutokset [Ctrl+Z]",
            cPeru, mPeru);
    buttons->addStretch(1);
    command(mTiedosto, "cSulje", "Sulje", "mSulje", QKeySequence(), "Sulje Tositepohjat [Alt+F4]", cSulje, mSulje);

    // Tab order: the list, the template's fields, the rows position by
    // position, the buttons.
    QList<QWidget*> order{lstTositePohjat, cmbPikavalinta, tNimi, tSelite};
    for (int i = 0; i < kRivit; ++i) {
        const size_t s = size_t(i);
        order << cmbDebetTili[s] << cmbDebetKP[s] << tDebetSumma[s] << tKreditSumma[s] << cmbKreditKP[s]
              << cmbKreditTili[s];
    }
    order << cUusi << cTallenna << cPoista << cSelaa << cPeru << cSulje;
    for (int k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void frmTositepohja::buildRows(QWidget* parent) {
    frameTositePohjanViennit = ui::makeGroupBox(parent, QStringLiteral("frameTositePohjanViennit"),
                                                QStringLiteral("Tositepohjan viennit"));
    QWidget* f = frameTositePohjanViennit;
    // The twelve account combos share one list, and so do the cost-centre
    // combos. Typed text is matched to an item when the box is left.
    tiliModel_ = new QStandardItemModel(this);
    kpModel_ = new QStandardItemModel(this);
    QGridLayout* g = MakeEntryRows(*this, f, tiliModel_, kpModel_);
    auto label = [f](const char* name, const char* caption) { return ui::makeLabel(f, name, caption); };
    Line1 = ui::makeFrame(f, QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    g->addWidget(Line1, kRivit + 1, 0, 1, 6);
    lblDebetSumma = label("lblDebetSumma", "");
    lblKreditSumma = label("lblKreditSumma", "");
    lblErotusTeksti = label("lblErotusTeksti", "Erotus:");
    lblErotus = label("lblErotus", "");
    for (QLabel* l : {lblDebetSumma, lblKreditSumma, lblErotusTeksti, lblErotus})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(lblDebetSumma, kRivit + 2, 2);
    g->addWidget(lblKreditSumma, kRivit + 2, 3);
    g->addWidget(lblErotusTeksti, kRivit + 3, 1, 1, 2);
    g->addWidget(lblErotus, kRivit + 3, 3);
    g->setColumnStretch(0, 3);
    g->setColumnStretch(5, 3);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 2);
    g->setRowStretch(kRivit + 4, 1);
}

void frmTositepohja::connectEvents() {
    auto click = [this](QObject* control, std::function<void()> f) {
        ui::Events::of(control).onClick([this, f = std::move(f)] { run(f); });
    };
    // A menu item does what its button does.
    const std::pair<std::pair<QObject*, QObject*>, std::function<void()>> commands[] = {
        {{cUusi, mUusi}, [this] { Uusi(); }},     {{cTallenna, mTallenna}, [this] { Tallenna(); }},
        {{cPoista, mPoista}, [this] { Poista(); }}, {{cSelaa, mSelaa}, [this] { Selaa(); }},
        {{cPeru, mPeru}, [this] { Peru(); }},     {{cSulje, mSulje}, [this] { Sulje(); }},
    };
    for (const auto& [controls, f] : commands) {
        click(controls.first, f);
        click(controls.second, f);
    }
    click(lstTositePohjat, [this] { ListClick(); });

    auto enterAsTab = [](int& keyCode, int /*shift*/) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;  // the Enter has done its work
    };
    ui::Events::of(tNimi)
        .onKeyDown(enterAsTab)
        .onChange([this] {
            if (!cur_->IsEmpty()) cur_->setNimi(tNimi->text());
        })
        .onGotFocus([this] { core::SelectAllText(tNimi); });
    ui::Events::of(tSelite)
        .onKeyDown(enterAsTab)
        .onChange([this] {
            if (!cur_->IsEmpty()) cur_->setSelite(tSelite->text());
        })
        .onGotFocus([this] { core::SelectAllText(tSelite); });
    ui::Events::of(cmbPikavalinta)
        .onKeyDown(enterAsTab)
        .onClick([this] { run([this] { pikavalintaChosen(); }); })
        .onLostFocus([this] { run([this] { leavePikavalinta(); }); });

    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            QComboBox* tili = tiliCombo(p, i);
            QComboBox* kp = kpCombo(p, i);
            QLineEdit* box = summa(p, i);
            ui::Events::of(tili)
                .onKeyDown(enterAsTab)
                .onGotFocus([tili] { tili->lineEdit()->selectAll(); })
                .onLostFocus([this, p, i] { run([this, p, i] { leaveTili(p, i); }); });
            ui::Events::of(kp)
                .onKeyDown(enterAsTab)
                .onGotFocus([kp] { kp->lineEdit()->selectAll(); })
                .onLostFocus([this, p, i] { run([this, p, i] { leaveKP(p, i); }); });
            core::WatchAmountBox(box);
            ui::Events::of(box)
                .onKeyDown(enterAsTab)
                .onChange([this, p, i] { run([this, p, i] { summaChanged(p, i); }); })
                .onGotFocus([box] { core::SelectAllText(box); })
                .onLostFocus([this, p, i] { run([this, p, i] { leaveSumma(p, i); }); });
        }
    }
}

// ---------------------------------------------------------------- loading and closing

void frmTositepohja::Load() {
    // The program-wide load hook has restored the placement and translated
    // the window.
    ListaPaivittyy = false;
    TyhjennaSummat();
    LataaTilit();
    LataaKustannuspaikat();
    LataaPohjaLista();
    LataaPikavalinnat();
    LataaPohja(placeholderPohja());
}

void frmTositepohja::Unload() {
    // What the template and its rows hold is written; a failure is shown,
    // and the window goes all the same.
    run([this] { writePending(); });
    releaseAll();
    cur_->NameChanged = nullptr;
    cur_ = placeholderPohja();
    for (auto* arr : {&debet_, &kredit_})
        for (auto& r : *arr) r = placeholderRivi();
}

void frmTositepohja::writePending() {
    cur_->Save(false);
    for (int i = 0; i < kRivit; ++i) {
        debet_[size_t(i)]->Save(false);
        kredit_[size_t(i)]->Save(false);
    }
}

void frmTositepohja::releaseAll() {
    for (auto* arr : {&debet_, &kredit_})
        for (auto& r : *arr) releaseQuietly(r);
    releaseQuietly(cur_);
}

// ---------------------------------------------------------------- lists and combos

void frmTositepohja::LataaPohjaLista() {
    const core::RecordList<cTositePohja> pohjat = cTositePohjat().All();
    ListaPaivittyy = true;
    lstTositePohjat->clear();
    for (const auto& p : pohjat) {
        auto* item = new QListWidgetItem(p.record->Nimi());
        item->setData(Qt::UserRole, qlonglong(p.record->id()));
        lstTositePohjat->addItem(item);
    }
    // The line of the template shown stays picked.
    for (int r = 0; r < lstTositePohjat->count(); ++r)
        if (cur_->id() != 0 && lstTositePohjat->item(r)->data(Qt::UserRole).toLongLong() == cur_->id())
            lstTositePohjat->setCurrentRow(r);
    ListaPaivittyy = false;
}

void frmTositepohja::LataaTilit() { FillAccountModel(tiliModel_); }

void frmTositepohja::LataaKustannuspaikat() { FillCostCentreModel(kpModel_); }

void frmTositepohja::LataaPikavalinnat() {
    showing_ = true;
    cmbPikavalinta->clear();
    cmbPikavalinta->addItem(QStringLiteral("-"), qlonglong(0));
    for (int n = 1; n <= 4; ++n) cmbPikavalinta->addItem(QString::number(n), qlonglong(n));
    showing_ = false;
}

// ---------------------------------------------------------------- the template shown

std::unique_ptr<cTositePohja> frmTositepohja::LuoUusiPohja() {
    auto p = std::make_unique<cTositePohja>();
    p->Save(true);
    return p;
}

void frmTositepohja::LataaPohja(std::unique_ptr<cTositePohja> pohja) {
    // Leaving the template shown writes what it holds; when that fails, it
    // stays shown and the error reaches the caller.
    writePending();
    cur_->NameChanged = nullptr;
    releaseAll();
    cur_ = std::move(pohja);
    cur_->NameChanged = [this](long id, const QString& sName) { curTositePohja_NameChanged(id, sName); };
    for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
        core::RecordList<cVientiPohja> lines = cur_->GetVientipohjat(tyyppi(p));
        // The window has six rows a side; lines beyond them (this window
        // never makes such) stay stored as they are.
        for (int i = 0; i < kRivit; ++i)
            rivit(p)[size_t(i)] = lines.isEmpty() ? cur_->AddNewVientipohja(tyyppi(p)) : lines.take(0);
    }
    NaytaPohja();
}

void frmTositepohja::NaytaPohja() {
    if (cur_->IsEmpty()) {
        TyhjennaKentat();
        SalliMuokkaus(false);
        return;
    }
    SalliMuokkaus(true);
    // The texts go in as typing would put them: the name box sets the name
    // again, which picks the template's line in the list, and each amount
    // box sets its row's amount.
    tNimi->setText(cur_->Nimi());
    tSelite->setText(cur_->Selite());
    showing_ = true;
    const long n = cur_->Pikavalinta();
    cmbPikavalinta->setCurrentIndex(n >= 0 && n <= 4 ? int(n) : 0);
    showing_ = false;
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            const cVientiPohja& r = *rivit(p)[size_t(i)];
            core::SelectComboByItemData(tiliCombo(p, i), r.tlID());
            core::SelectComboByItemData(kpCombo(p, i), r.kpID());
            summa(p, i)->setText(r.Arvo().toText());
        }
    }
    // The line of a listed template is picked also when the name box kept
    // its text (two templates of one name), and the totals are made also
    // when no amount box changed.
    for (int r = 0; r < lstTositePohjat->count(); ++r)
        if (lstTositePohjat->item(r)->data(Qt::UserRole).toLongLong() == cur_->id())
            curTositePohja_NameChanged(cur_->id(), cur_->Nimi());
    LaskeSummat();
}

void frmTositepohja::TyhjennaKentat() {
    tNimi->clear();
    tSelite->clear();
    showing_ = true;
    cmbPikavalinta->setCurrentIndex(0);
    showing_ = false;
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            tiliCombo(p, i)->setCurrentIndex(0);
            kpCombo(p, i)->setCurrentIndex(0);
            summa(p, i)->clear();
        }
    }
}

void frmTositepohja::SalliMuokkaus(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             frameTositePohja, frameTositePohjanViennit, lblNimi, tNimi, lblSelite, tSelite, lblPikavalintaNumero,
             cmbPikavalinta, lblDebetTili, lblDebetKP, lblDebetSums, lblKreditTili, lblKreditKP, lblKreditSums,
             lblErotus, lblErotusTeksti, lblDebetSumma, lblKreditSumma})
        w->setEnabled(enable);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::WindowText,
                 QApplication::palette().color(enable ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    Line1->setPalette(pal);
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            tiliCombo(p, i)->setEnabled(enable);
            kpCombo(p, i)->setEnabled(enable);
            summa(p, i)->setEnabled(enable);
        }
    }
}

dao::Currency frmTositepohja::LaskeSummat() {
    dao::Currency debet, kredit;
    for (int i = 0; i < kRivit; ++i) {
        debet += debet_[size_t(i)]->Arvo();
        kredit += kredit_[size_t(i)]->Arvo();
    }
    const dao::Currency erotus = debet - kredit;
    lblDebetSumma->setText(debet.toCurrencyString());
    lblKreditSumma->setText(kredit.toCurrencyString());
    lblErotus->setText(erotus.toCurrencyString());
    QPalette pal = lblErotus->palette();
    pal.setColor(QPalette::WindowText,
                 erotus.isZero() ? QApplication::palette().color(QPalette::ButtonText) : QColor(255, 0, 0));
    lblErotus->setPalette(pal);
    return erotus;
}

void frmTositepohja::TyhjennaSummat() {
    lblDebetSumma->clear();
    lblKreditSumma->clear();
    lblErotus->clear();
}

void frmTositepohja::curTositePohja_NameChanged(long id, const QString& sName) {
    if (id == 0) return;
    ListaPaivittyy = true;
    QListWidget* l = lstTositePohjat;
    int found = -1;
    for (int r = 0; r < l->count() && found < 0; ++r)
        if (l->item(r)->data(Qt::UserRole).toLongLong() == id) found = r;
    if (found < 0) {
        // A new template goes to the end; it takes its place in name order
        // when the list is filled again.
        auto* item = new QListWidgetItem(sName);
        item->setData(Qt::UserRole, qlonglong(id));
        l->addItem(item);
        if (l->count() == 1) l->setCurrentItem(item);
    } else {
        if (l->currentRow() != found) l->setCurrentRow(found);
        // The line takes the new name in place; the list is not sorted again.
        if (l->item(found)->text() != sName) l->item(found)->setText(sName);
    }
    ListaPaivittyy = false;
}

// ---------------------------------------------------------------- quick choice

void frmTositepohja::pikavalintaChosen() {
    if (showing_ || cur_->IsEmpty()) return;
    const int i = cmbPikavalinta->currentIndex();
    cur_->setPikavalinta(i < 0 ? 0 : long(cmbPikavalinta->itemData(i).toLongLong()));
}

void frmTositepohja::leavePikavalinta() {
    if (cur_->IsEmpty()) return;
    pikavalintaChosen();
    if (cmbPikavalinta->currentIndex() >= 0) TarkistaPikavalinta();
}

void frmTositepohja::TarkistaPikavalinta() {
    const long n = cur_->Pikavalinta();
    if (n < 1 || !cTositePohjat().PikavalintaKaytossa(n, cur_->id())) return;
    // A warning only: the number stays on this template too.
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositepohja"), QStringLiteral("Pikavalinta")) +
                   QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ') +
                   core::TranslateStr(QStringLiteral("frmTositepohja"), QStringLiteral("on jo käytössä.")));
}

// ---------------------------------------------------------------- rows

void frmTositepohja::leaveTili(Puoli p, int i) {
    cVientiPohja& r = *rivit(p)[size_t(i)];
    if (r.IsEmpty()) return;
    QComboBox* c = tiliCombo(p, i);
    const int idx = ListIndex(c);
    if (idx >= 0) {
        r.setTlID(ItemKey(c, idx));
        return;
    }
    const QString typed = c->currentText();
    if (typed.trimmed().isEmpty()) {
        c->setCurrentIndex(0);
        r.setTlID(0);
        return;
    }
    const int found = MatchItem(c, typed);
    if (found >= 0) {
        c->setCurrentIndex(found);
        r.setTlID(ItemKey(c, found));
        return;
    }
    core::BeepIfSoundOn();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositepohja"), QStringLiteral("Valitse tili, jolle vienti tehdään.")));
    c->setCurrentIndex(0);
    r.setTlID(0);
}

void frmTositepohja::leaveKP(Puoli p, int i) {
    cVientiPohja& r = *rivit(p)[size_t(i)];
    if (r.IsEmpty()) return;
    QComboBox* c = kpCombo(p, i);
    const int idx = ListIndex(c);
    if (idx >= 0) {
        r.setKpID(ItemKey(c, idx));
        return;
    }
    // An emptied box means no cost centre.
    const QString typed = c->currentText();
    const int found = typed.trimmed().isEmpty() ? 0 : MatchItem(c, typed);
    if (found >= 0) {
        c->setCurrentIndex(found);
        r.setKpID(ItemKey(c, found));
        return;
    }
    core::BeepIfSoundOn();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositepohja"),
                                      QStringLiteral("Valitse kustannuspaikka, jolle vienti kohdistetaan.")));
    c->setCurrentIndex(0);
    r.setKpID(0);
}

void frmTositepohja::summaChanged(Puoli p, int i) {
    QLineEdit* box = summa(p, i);
    cVientiPohja& r = *rivit(p)[size_t(i)];
    // A text that is no amount (a lone "-" as well) leaves the row with the
    // amount it had.
    if (!r.IsEmpty()) r.setArvo(core::TypedAmount(box));
    LaskeSummat();
}

void frmTositepohja::leaveSumma(Puoli p, int i) {
    if (cur_->IsEmpty()) return;
    // A refused text is not an amount to balance.
    if (!core::AcceptAmountBox(summa(p, i), (p == Puoli::Debet ? lblDebetSums : lblKreditSums)->text())) return;
    if (p != Puoli::Debet) return;
    // The debit side offers the balancing credit on the same row, when that
    // row has no credit amount.
    QLineEdit* credit = summa(Puoli::Kredit, i);
    const std::optional<dao::Currency> typed = dao::Currency::parse(credit->text());
    if (typed && !typed->isZero()) return;
    const dao::Currency d = LaskeSummat();
    if (d > dao::Currency()) credit->setText(d.toText());
}

void frmTositepohja::takeFocusedChoice() {
    const QWidget* f = QApplication::focusWidget();
    if (!f || cur_->IsEmpty()) return;
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            if (f == tiliCombo(p, i) || f == tiliCombo(p, i)->lineEdit()) leaveTili(p, i);
            if (f == kpCombo(p, i) || f == kpCombo(p, i)->lineEdit()) leaveKP(p, i);
            if (f == summa(p, i))
                core::AcceptAmountBox(summa(p, i), (p == Puoli::Debet ? lblDebetSums : lblKreditSums)->text());
        }
    }
}

// ---------------------------------------------------------------- commands

void frmTositepohja::Uusi() {
    takeFocusedChoice();
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // The template shown is written before the new one is stored, so that a
    // failure leaves no template behind that nobody sees.
    writePending();
    LataaPohja(LuoUusiPohja());
    tNimi->setFocus(Qt::OtherFocusReason);
}

void frmTositepohja::Tallenna() {
    takeFocusedChoice();
    writePending();
    if (cur_->IsEmpty()) return;
    // A row whose stored line went away (account and amount both cleared)
    // starts afresh as a blank row of this template, so that what is typed
    // into it later belongs to the template again.
    for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
        for (auto& r : rivit(p)) {
            if (!r->IsEmpty() && r->id() == 0 && (r->TpId() != cur_->id() || r->Tyyppi() != tyyppi(p))) {
                r->Delete();
                r = cur_->AddNewVientipohja(tyyppi(p));
            }
        }
    }
}

void frmTositepohja::Peru() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    cur_->Undo();
    for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
        for (auto& r : rivit(p)) {
            if (r->IsEmpty()) continue;
            if (r->id() != 0) {
                r->Undo();
            } else {
                // A row never stored goes back to a blank row of this
                // template (its own undo copy knows neither template nor side).
                r->Delete();
                r = cur_->AddNewVientipohja(tyyppi(p));
            }
        }
    }
    NaytaPohja();
}

void frmTositepohja::Poista() {
    if (core::AskYesNo(core::TranslateStr(QStringLiteral("frmTositepohja"),
                                          QStringLiteral("Haluatko varmasti poistaa valitun tositepohjan?"))) !=
        ui::Answer::Yes)
        return;
    if (cur_->IsEmpty()) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    const long id = cur_->id();
    cur_->Delete();
    // The rows of the template go too, so that none stores itself again.
    for (auto* arr : {&debet_, &kredit_})
        for (auto& r : *arr)
            if (r->TpId() == id) r->Delete();
    ListaPaivittyy = true;
    core::RemoveListItemByItemData(lstTositePohjat, id);
    lstTositePohjat->setCurrentItem(nullptr);
    ListaPaivittyy = false;
    LataaPohja(placeholderPohja());
}

void frmTositepohja::Selaa() {
    Tallenna();
    LataaPohjaLista();
    ListaPaivittyy = false;
}

void frmTositepohja::Sulje() {
    takeFocusedChoice();
    ui::Forms::unload(*this);
}

void frmTositepohja::ListClick() {
    if (ListaPaivittyy) return;
    QListWidgetItem* item = lstTositePohjat->currentItem();
    if (!item) return;
    const long id = long(item->data(Qt::UserRole).toLongLong());
    auto p = std::make_unique<cTositePohja>();
    if (p->Read(id)) {
        LataaPohja(std::move(p));
        return;
    }
    // Gone meanwhile: its line goes, and no template is shown.
    ListaPaivittyy = true;
    core::RemoveListItemByItemData(lstTositePohjat, id);
    lstTositePohjat->setCurrentItem(nullptr);
    ListaPaivittyy = false;
    LataaPohja(placeholderPohja());
}

}  // namespace vouchers
