// The entry rows of the voucher window: the account and cost-centre combos,
// the amount boxes, the running totals and their difference, the balancing
// proposal and the automatic new voucher.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/lists.h"
#include "core/ui/amountbox.h"
#include "core/ui/datebox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/ui/events.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/tools/syotteet.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

namespace vouchers {

core::cVienti& frmNewTositteet::vienti(Puoli p, int position) {
    return *viennit(p).at(size_t(scrlViennit->value() + position));
}

void frmNewTositteet::connectRowEvents() {
    auto enterAsTab = [](int& keyCode, int /*shift*/) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;  // the Enter has done its work
    };
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            QComboBox* tili = tiliCombo(p, i);
            QComboBox* kp = kpCombo(p, i);
            QLineEdit* box = summa(p, i);
            // A combo's text is selected as it gets the focus, so that what
            // is typed replaces the choice (the blank item is one space).
            ui::Events::of(tili)
                .onKeyDown(enterAsTab)
                .onGotFocus([tili] { tili->lineEdit()->selectAll(); })
                .onLostFocus([this, tili, p, i] { runLeave(tili, [this, p, i] { leaveTili(p, i); }); });
            ui::Events::of(kp)
                .onKeyDown(enterAsTab)
                .onGotFocus([kp] { kp->lineEdit()->selectAll(); })
                .onLostFocus([this, kp, p, i] { runLeave(kp, [this, p, i] { leaveKP(p, i); }); });
            core::WatchAmountBox(box);
            ui::Events::of(box)
                .onKeyDown(enterAsTab)
                .onChange([this, p, i] { run([this, p, i] { summaChanged(p, i); }); })
                .onGotFocus([box] { core::SelectAllText(box); })
                .onLostFocus([this, box, p, i] { runLeave(box, [this, p, i] { leaveSumma(p, i); }); });
            // A choice from the list (mouse, arrow keys) goes into the entry
            // at once, so the entry always names what the box shows.
            connect(tili, &QComboBox::activated, this,
                    [this, tili, p, i] { run([this, tili, p, i] { comboChosen(tili, p, i, true); }); });
            connect(kp, &QComboBox::activated, this,
                    [this, kp, p, i] { run([this, kp, p, i] { comboChosen(kp, p, i, false); }); });
        }
    }
    // A scroll shows other entries in the boxes: a typed text is taken or
    // refused first, while the boxes still show their own entries.
    connect(scrlViennit, &QScrollBar::actionTriggered, this, [this] { run([this] { AcceptSummat(); }); });
    ui::Events::of(scrlViennit).onChange([this] {
        run([this] {
            if (!curTosite_->IsEmpty()) showRows();
        });
    });

    auto headerKeys = [](int& keyCode, int) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;
    };
    ui::Events::of(tTositenumero).onKeyDown(headerKeys).onChange([this] { run([this] { numeroChanged(); }); });
    core::WatchDateBox(tTositepvm);
    ui::Events::of(tTositepvm)
        .onKeyDown(headerKeys)
        .onKeyPress([this](int& ascii) { pvmKeyPress(ascii); })
        .onChange([this] { run([this] { pvmChanged(); }); })
        .onGotFocus([this] { core::SelectAllText(tTositepvm); })
        .onLostFocus([this] { runLeave(tTositepvm, [this] { leavePvm(); }); });
    ui::Events::of(tTositeSelite)
        .onKeyDown(headerKeys)
        .onChange([this] { run([this] { seliteChanged(); }); })
        .onGotFocus([this] { core::SelectAllText(tTositeSelite); });
}

// ---------------------------------------------------------------- combos

void frmNewTositteet::FillTiliCombot() { FillAccountModel(tiliModel_); }

void frmNewTositteet::FillKPCombot() { FillCostCentreModel(kpModel_); }

void frmNewTositteet::comboChosen(QComboBox* combo, Puoli p, int i, bool tili) {
    if (curTosite_->IsEmpty()) return;
    const long key = ItemKey(combo, ListIndex(combo));
    if (tili) {
        const long before = vienti(p, i).tlID();
        vienti(p, i).setTlID(key);
        balanceIfMovedAway(before, key);
    } else {
        vienti(p, i).setKpID(key);
    }
}

void frmNewTositteet::balanceIfMovedAway(long before, long after) {
    // A row taken off the watched account no longer counts for it: the
    // balance shown follows at once rather than at the next voucher.
    if (core::LaskettavaTili != 0 && before == core::LaskettavaTili && after != before) ShowHalutunTilinSaldo();
}

void frmNewTositteet::leaveTili(Puoli p, int i) {
    QComboBox* c = tiliCombo(p, i);
    core::cVienti& e = vienti(p, i);
    const long before = e.tlID();
    if (ListIndex(c) == -1) {
        const int found = MatchItem(c, c->currentText());
        if (found >= 0) {
            c->setCurrentIndex(found);
            e.setTlID(ItemKey(c, found));
        } else {
            core::BeepIfSoundOn();
            core::ShowInfo(p == Puoli::Debet ? core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                                                  QStringLiteral("Valitse tili, jolle vienti tehdään."))
                                             : core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                                                  QStringLiteral("Valitse tili, jolle vienti tehdään!")));
            // The box shows no account now, and neither does the entry.
            c->setCurrentIndex(0);
            e.setTlID(0);
        }
    } else {
        e.setTlID(ItemKey(c, ListIndex(c)));
    }
    balanceIfChosen(c);
    balanceIfMovedAway(before, e.tlID());
    startNewIfComplete(i);
}

void frmNewTositteet::leaveKP(Puoli p, int i) {
    QComboBox* c = kpCombo(p, i);
    core::cVienti& e = vienti(p, i);
    if (ListIndex(c) == -1) {
        const int found = MatchItem(c, c->currentText());
        if (found >= 0) {
            c->setCurrentIndex(found);
            e.setKpID(ItemKey(c, found));
        } else {
            core::BeepIfSoundOn();
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                              QStringLiteral("Valitse kustannuspaikka, jolle vienti kohdistetaan.")));
            c->setCurrentIndex(0);
            e.setKpID(0);
        }
    } else {
        e.setKpID(ItemKey(c, ListIndex(c)));
    }
}

void frmNewTositteet::balanceIfChosen(QComboBox* combo) {
    const int idx = ListIndex(combo);
    if (idx >= 1 && ItemKey(combo, idx) == core::LaskettavaTili) ShowHalutunTilinSaldo();
}

void frmNewTositteet::startNewIfComplete(int i) {
    // Never from the first position on screen.
    if (i >= 1 && IsTositeValmis()) Uusi();
}

// ---------------------------------------------------------------- amounts

void frmNewTositteet::summaChanged(Puoli p, int i) {
    QLineEdit* box = summa(p, i);
    FilterAmountInput(box);
    // A text that is no amount leaves the entry with the amount it had.
    vienti(p, i).setArvo(core::TypedAmount(box));
    UpdateSummat();
}

QString frmNewTositteet::summaField(Puoli p) const {
    return (p == Puoli::Debet ? lblDebetSums : lblKreditSums)->text();
}

void frmNewTositteet::AcceptSummat() {
    if (curTosite_->IsEmpty()) return;
    for (int i = 0; i < kRivit; ++i)
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) core::AcceptAmountBox(summa(p, i), summaField(p));
}

void frmNewTositteet::leaveSumma(Puoli p, int i) {
    // A refused text is not an amount to balance or to complete a voucher.
    if (!core::AcceptAmountBox(summa(p, i), summaField(p))) return;
    if (p == Puoli::Debet) {
        // The credit amount of the row is proposed when it has none; a typed
        // amount is read as typed (0,50 is not nothing) and kept.
        QLineEdit* credit = summa(Puoli::Kredit, i);
        const std::optional<dao::Currency> typed = dao::Currency::parse(credit->text());
        if (!typed || typed->isZero()) {
            const dao::Currency d = UpdateSummat();
            if (d > dao::Currency()) credit->setText(d.toText());
        }
    }
    balanceIfChosen(tiliCombo(p, i));
    startNewIfComplete(i);
}

void frmNewTositteet::ClearSummat() {
    lblDebetSumma->clear();
    lblKreditSumma->clear();
    lblErotus->clear();
}

dao::Currency frmNewTositteet::UpdateSummat() {
    dao::Currency debet, kredit;
    for (size_t k = 0; k < debet_.size(); ++k) {
        debet += debet_[k]->Arvo();
        kredit += kredit_[k]->Arvo();
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

bool frmNewTositteet::IsTositeValmis() {
    if (!core::AutomaattisestiUusiTosite) return false;
    if (!UpdateSummat().isZero()) return false;
    auto hasAmount = [](const QLineEdit* box) {
        const std::optional<dao::Currency> a = dao::Currency::parse(box->text());
        return a && !a->isZero();
    };
    // A real account and an amount on both sides of the first position.
    for (Puoli p : {Puoli::Debet, Puoli::Kredit})
        if (ListIndex(tiliCombo(p, 0)) < 1 || !hasAmount(summa(p, 0))) return false;
    // No half-filled row on screen: an account has its amount, an amount its account.
    for (int i = 0; i < kRivit; ++i)
        for (Puoli p : {Puoli::Debet, Puoli::Kredit})
            if ((ListIndex(tiliCombo(p, i)) >= 1) != hasAmount(summa(p, i))) return false;
    // Only the voucher with the highest number of all starts the next one.
    return curTosite_->Numero() == SuurinTositenumero().value_or(-1);
}

void frmNewTositteet::showRows() {
    for (int i = 0; i < kRivit; ++i) {
        for (Puoli p : {Puoli::Debet, Puoli::Kredit}) {
            const core::cVienti& e = vienti(p, i);
            core::SelectComboByItemData(tiliCombo(p, i), e.tlID());
            core::SelectComboByItemData(kpCombo(p, i), e.kpID());
            // The text is the entry's amount exactly, so reading it back
            // would give the same amount: the totals are made once below.
            ui::ChangeGuard guard(summa(p, i));
            summa(p, i)->setText(e.Arvo().toText());
        }
    }
    UpdateSummat();
}

}  // namespace vouchers
