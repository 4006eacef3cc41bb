// The voucher window's voucher list: built a page at a time on idle turns
// of the event loop (with the entry arrays sized for the book first), a
// line per voucher in number order, and the line of the voucher shown
// following its number and description.

#include "core/dbc.h"
#include "core/globals.h"
#include "platform/ui/events.h"
#include "vouchers/window/frmnewtositteet.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace vouchers {

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

}  // namespace vouchers
