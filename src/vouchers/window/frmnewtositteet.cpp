// The voucher window: its making, loading and closing, the current voucher
// with its two entry arrays, and the record commands. Its controls are
// built in frmnewtositteet_build.cpp, the voucher list is in
// frmnewtositteet_list.cpp, the entry rows in frmnewtositteet_rows.cpp, the
// header fields in frmnewtositteet_header.cpp, and the templates, account
// views and reports in frmnewtositteet_menus.cpp.

#include "vouchers/window/frmnewtositteet.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/bookchange.h"
#include "core/ui/datebox.h"
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

}  // namespace

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
    lstTositteet = new PickList(this);
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

bool frmNewTositteet::CheckTositteet() { return KaynnistysTarkistus(QStringLiteral("frmNewTositteet")); }

void frmNewTositteet::BuildTositepohjaMenu() {
    ShowTemplateChoices(mTositepohjat, mTositepohjaX, cTositePohja, [this](QAction* a, int i) {
        ui::Events::of(a).onClick([this, i] { run([this, i] { TositepohjaXClick(i); }); });
    });
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
    // A refused save has been told, and the window holds nothing more.
    (void)writePending();
    return true;
}

void frmNewTositteet::ReadBookAgain() { readBookAgain(curTosite_->IsEmpty() ? 0 : curTosite_->id()); }

void frmNewTositteet::readBookAgain(long shown) {
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
    // goes all the same, writing nothing more of it: the user has just been
    // told that it was not stored.
    if (!run([this] { (void)writePending(); })) dropHeld();
    idle_->stop();
    listaKesken_ = false;
    releaseAll();
    curTosite_ = placeholderTosite();
    for (auto* arr : {&debet_, &kredit_})
        for (auto& v : *arr) v = placeholderVienti();
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

bool frmNewTositteet::writePending(bool withVoucher) {
    // The voucher and its entries go into the book together or not at all.
    const long shown = curTosite_->IsEmpty() ? 0 : curTosite_->id();
    core::cTosite* t = withVoucher && !curTosite_->IsEmpty() ? curTosite_.get() : nullptr;
    switch (core::cTosite::TallennaKerralla(t, entryRecords())) {
    case core::cTosite::Tallennus::Tehty:
        return true;
    case core::cTosite::Tallennus::Muuttunut:
        showChangedBook(shown);
        return false;
    case core::cTosite::Tallennus::TilikausiVaihtunut:
        showChangedYear(shown);
        return false;
    }
    return false;
}

void frmNewTositteet::dropHeld() {
    curTosite_->setIsEmpty(true);
    for (auto* arr : {&debet_, &kredit_})
        for (auto& v : *arr) v->setIsEmpty(true);
}

void frmNewTositteet::showChangedYear(long shown) {
    // What the window holds was dated by the year the book kept before.
    dropHeld();
    readBookAgain(shown);
    core::TilikausiVaihtunutMuualla();
}

void frmNewTositteet::showChangedBook(long shown) {
    // Nothing of what the window holds may be written any more: it stood
    // on rows that are gone.
    dropHeld();
    core::ShowInfo(core::TranslateStr(
        QStringLiteral("frmNewTositteet"),
        QStringLiteral("Tositteen muutoksia ei tallennettu, koska tosite tai sen vienti on sillä välin poistettu "
                       "kirjanpidosta toisessa ohjelmassa, jossa sama kirjanpito on auki (myös tilikauden vaihto "
                       "siirtää tositteet pois). Tositteet näytetään sellaisina kuin ne nyt ovat kirjanpidossa.")));
    readBookAgain(shown);
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

void frmNewTositteet::ShowTosite(std::unique_ptr<core::cTosite> t) {
    // Leaving the voucher on screen writes what it holds. When that fails,
    // the voucher stays on screen as it is and the error reaches the caller.
    // (A refused save has dropped it: the voucher asked for is shown.)
    (void)writePending();
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
    // A date typed and not yet taken is taken, or refused, as leaving the
    // field would do.
    if (!curTosite_->IsEmpty() && core::DateBoxTyped(tTositepvm)) leavePvm();
    return true;
}

// ---------------------------------------------------------------- commands

void frmNewTositteet::Uusi() {
    if (!CheckSyotteet()) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // The voucher on screen is written before the new one is numbered, so
    // that a failure leaves no voucher behind that nobody sees.
    if (!writePending()) return;
    std::unique_ptr<core::cTosite> t = UusiTosite(bAvaustosite, bPaatostosite);
    if (!t) {
        showChangedYear(curTosite_->IsEmpty() ? 0 : curTosite_->id());
        return;
    }
    ShowTosite(std::move(t));
    moveFocus(tTositepvm);
}

void frmNewTositteet::Tallenna() {
    if (!CheckSyotteet()) return;
    if (!writePending()) return;
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
    if (!writePending()) return;  // before the voucher is read: it may be this very one
    auto t = std::make_unique<core::cTosite>();
    if (t->Read(id)) ShowTosite(std::move(t));
}

void frmNewTositteet::Siirry(Suunta s) {
    if (!CheckSyotteet()) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // What the voucher on screen holds is written before the next one is
    // read, so that reading the same voucher again shows what was typed.
    if (!writePending()) return;
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
    if (!writePending()) return;
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
    if (!writePending(false)) return;
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
