// The older voucher window's voucher commands: new, save, undo and delete,
// the numbering of a new voucher, and the three voucher fields.

#include "core/globals.h"
#include "core/settings.h"
#include "core/ui/bookchange.h"
#include "core/ui/commanderrors.h"
#include "core/ui/datebox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "legacy/frmtositteet.h"
#include "legacy/legacydata.h"
#include "platform/dao/error.h"
#include "platform/ui/events.h"
#include "vouchers/tositekirjaus.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

namespace legacy {

using EditMode = dao::Recordset::EditMode;

long frmTositteet::SeuraavaTositenumero() { return legacy::SeuraavaTositenumero(bAvaustosite); }

// ---------------------------------------------------------------- commands

void frmTositteet::Uusi() {
    // What the book refused stays unstored, and no new voucher follows it.
    // A step that fails ends the command there (the window's runner tells
    // the user), with the voucher shown as it was.
    if (!Tallenna()) return;
    bAutomateButtonOrder = true;
    CommitPendingEdits();
    Data1.UpdateControls();
    QCoreApplication::processEvents();

    bAddingNew = true;
    try {
        Data1.AddNew();
    } catch (...) {
        // No key for a new row (another program holds the book): the voucher
        // shown stays the one shown, and nothing is taken for new.
        bAddingNew = false;
        throw;
    }
    try {
        setUpNewRow();
    } catch (...) {
        bAddingNew = false;
        dropNewRow();
        throw;
    }
    tTositepvm->setFocus(Qt::OtherFocusReason);
}

void frmTositteet::setUpNewRow() {
    UusiVienti();
    bAddingNew = false;
    UpdateSummat();

    bNewAdded = true;
    QCoreApplication::processEvents();
    Data1.setField(QStringLiteral("toAvaustosite"), dao::Variant(bAvaustosite));
    Data1.setField(QStringLiteral("toPaatostosite"), dao::Variant(bPaatostosite));
    // A voucher is never without a date, also when it is left as it comes:
    // it would fall out of the year's reports and of its change. The date
    // proposed is the one a new voucher gets elsewhere in the program.
    const dao::Date paiva = UusiTositepaiva(core::TilikausiAlku);
    tTositepvm->setText(paiva.toShortString());
    Data1.setField(QStringLiteral("toPvm"), dao::Variant(paiva));
    const long numero = SeuraavaTositenumero();
    tTositenumero->setText(QString::number(numero));
    Data1.setField(QStringLiteral("toNumero"), dao::Variant(numero));
    proposedNumero_ = numero;
}

void frmTositteet::dropNewRow() {
    // The row being set up goes, with the first entry started for it (which
    // is never stored on its own), and the voucher shown before is shown
    // again with its entries.
    if (!curVienti_->IsEmpty() && curVienti_->id() == 0 && curVienti_->ToId() == currentToId()) {
        curVienti_->setIsEmpty(true);
        useEmptyVienti();
    }
    if (Data1.editMode() == EditMode::Add) Data1.CancelUpdate();
    proposedNumero_ = 0;
    bNewAdded = false;
    Data1.UpdateControls();
    currentVoucherChanged();
}

bool frmTositteet::Tallenna() {
    // The amount being typed is taken, or refused, before the entry is saved.
    AcceptSumma();
    const EditMode mode = Data1.editMode();
    // A refused entry stops the save: nothing of the voucher is stored. A
    // write that fails stops it as well, and what was typed stays to be
    // saved again. The voucher's pending row goes with the entry.
    bool stored = saveVienti(curVienti_);
    // The grid shows the stored entries.
    Data2.Refresh();
    if (stored && Data1.isEditing()) {
        stored = storeVoucher();
        if (stored) Data1.GoTo(Data1.Recordset().LastModified());
    }
    // An added row stands last until the record set is read again.
    if (stored && mode == EditMode::Add && !Data1.isEOF()) Data1.MoveLast();
    Data1.UpdateControls();
    UpdateSummat();
    return stored;
}

void frmTositteet::Peru() {
    curVienti_->Undo();
    long dropped = 0;
    if (Data1.isEditing()) {
        if (Data1.editMode() == EditMode::Add) dropped = currentToId();
        Data1.CancelUpdate();
    }
    bNewAdded = false;
    proposedNumero_ = 0;
    Data1.UpdateControls();
    // Entries that were stored under a voucher that is now dropped would
    // be left without their voucher.
    if (dropped > 0) dropEntriesOf(dropped);
    currentVoucherChanged();
}

namespace {

// The book's financial year is no longer the one the program works in.
struct VuosiVaihtunut {};

}  // namespace

void frmTositteet::voucherWrite() {
    dao::Database db = DataControl::Database();
    if (!core::TilikausiEnnallaan(db)) throw VuosiVaihtunut{};
    // A new voucher whose proposed number still stands takes the next
    // number as it is stored: another copy of the program on the book may
    // have used the proposed one meanwhile. A number the user typed stays.
    if (Data1.editMode() != EditMode::Add || proposedNumero_ <= 0) return;
    if (tTositenumero->text().trimmed() != QString::number(proposedNumero_)) return;
    const long numero = SeuraavaTositenumero();
    if (numero == proposedNumero_) return;
    ui::ChangeGuard guard(tTositenumero);
    tTositenumero->setText(QString::number(numero));
    Data1.setField(QStringLiteral("toNumero"), dao::Variant(numero));
}

bool frmTositteet::saveVienti(core::cVienti* v) {
    const long shown = Data1.isEditing() ? currentToId() : 0;
    const long adding = Data1.editMode() == EditMode::Add ? shown : 0;
    const bool ofShown = shown > 0 && !v->IsEmpty() && v->ToId() == shown;
    const bool ofNew = adding > 0 && ofShown;
    // While the new voucher's row is being set up, its first entry waits
    // for it: the two go into the book together once the row is complete.
    if (ofNew && bAddingNew) return true;
    if (ofShown) takeTypedDate();
    core::cTosite::Tallennus tulos = core::cTosite::Tallennus::Tehty;
    try {
        // The pending row of the voucher is stored in the write that stores
        // its entry: no entry stands in the book without its voucher, and
        // a write that fails leaves neither stored.
        const std::function<void()> withRow = [this] { Data1.StorePending(); };
        tulos = core::cTosite::TallennaKerralla(nullptr, {v}, adding, ofShown ? withRow : std::function<void()>());
    } catch (const VuosiVaihtunut&) {
        tulos = core::cTosite::Tallennus::TilikausiVaihtunut;
    }
    switch (tulos) {
    case core::cTosite::Tallennus::Tehty:
        if (ofNew && !Data1.isEditing()) proposedNumero_ = 0;
        return true;
    case core::cTosite::Tallennus::Muuttunut: {
        const long toID = v->ToId();
        v->setIsEmpty(true);
        if (!Data1.isEditing() || toID != currentToId() || !TositeKirjanpidossa(toID)) {
            dropPendingVoucher();
            core::ShowInfo(core::TranslateStr(
                QStringLiteral("frmTositteet"),
                QStringLiteral("Viennin muutoksia ei tallennettu, koska tosite tai vienti on sillä välin poistettu "
                               "kirjanpidosta toisessa ohjelmassa, jossa sama kirjanpito on auki (myös tilikauden "
                               "vaihto siirtää tositteet pois). Tositteet näytetään sellaisina kuin ne nyt ovat "
                               "kirjanpidossa.")));
            core::ReadBookAgainSoon();
        } else {
            storeAfterEntryGone();
        }
        return false;
    }
    case core::cTosite::Tallennus::TilikausiVaihtunut:
        v->setIsEmpty(true);
        dropPendingVoucher();
        core::TilikausiVaihtunutMuualla();
        return false;
    }
    return false;
}

bool frmTositteet::storePending() {
    if (bAddingNew) return true;
    if (!saveVienti(curVienti_)) return false;
    return !Data1.isEditing() || storeVoucher();
}

void frmTositteet::takeTypedDate() {
    if (core::DateBoxTyped(tTositepvm)) pvmLeft();
}

bool frmTositteet::storeVoucher() {
    const bool adding = Data1.editMode() == EditMode::Add;
    try {
        Data1.StorePending();
    } catch (const VuosiVaihtunut&) {
        dropPendingVoucher();
        core::TilikausiVaihtunutMuualla();
        return false;
    }
    if (adding) proposedNumero_ = 0;
    return true;
}

void frmTositteet::storeAfterEntryGone() {
    // Only the entry is gone, and the voucher itself is still in the book:
    // its own fields typed meanwhile are stored, or the user is told that
    // they were not either (and they stay in the window).
    const QString section = QStringLiteral("frmTositteet");
    const QString entry = core::TranslateStr(
        section, QStringLiteral("Viennin muutoksia ei tallennettu, koska vienti on sillä välin poistettu kirjanpidosta "
                                "toisessa ohjelmassa, jossa sama kirjanpito on auki."));
    try {
        if (!storeVoucher()) return;  // the year has changed meanwhile, and that is told
    } catch (const std::exception&) {
        core::ShowInfo(entry + QLatin1Char(' ') +
                       core::TranslateStr(section, QStringLiteral("Myöskään tositteen numeroa, päivämäärää ja "
                                                                  "selitettä ei voitu tallentaa:")) +
                       QLatin1Char(' ') + core::ErrorWithNumber(std::current_exception()) + QStringLiteral("\r\n\r\n") +
                       core::TranslateStr(section, QStringLiteral("Ne ovat yhä ikkunassa: tallenna ne uudelleen hetken "
                                                                  "kuluttua.")));
        return;
    }
    core::ShowInfo(entry + QLatin1Char(' ') +
                   core::TranslateStr(section, QStringLiteral("Tositteen numero, päivämäärä ja selite tallennettiin.")) +
                   QLatin1Char(' ') +
                   core::TranslateStr(section, QStringLiteral("Tositteet näytetään sellaisina kuin ne nyt ovat "
                                                              "kirjanpidossa.")));
    core::ReadBookAgainSoon();
}

void frmTositteet::dropPendingVoucher() {
    const long id = Data1.editMode() == EditMode::Add ? currentToId() : 0;
    if (Data1.isEditing()) Data1.CancelUpdate();
    proposedNumero_ = 0;
    bNewAdded = false;
    Data1.UpdateControls();
    if (id > 0) dropEntriesOf(id);
}

void frmTositteet::dropEntriesOf(long toID) {
    if (!curVienti_->IsEmpty() && curVienti_->ToId() == toID) {
        curVienti_->Delete();  // its stored row (if any) goes, and nothing is left to save
        useEmptyVienti();
    }
    PoistaTositteenViennit(toID);
}

void frmTositteet::Poista() {
    // What is pending is stored first: a voucher being added is stored and
    // becomes the one shown. A failure ends the command before the question.
    const EditMode mode = Data1.editMode();
    if (mode != EditMode::None) {
        // The book is another year now: what was shown is gone from it.
        if (!storeVoucher()) return;
        if (mode == EditMode::Add) Data1.MoveLast();
    }
    const ui::Answer answer = core::AskYesNo(
        core::TranslateStr(QStringLiteral("frmTositteet"), QStringLiteral("Poistetaanko näytössä oleva tosite?")));
    if (answer == ui::Answer::Yes && Data1.hasCurrent()) {
        try {
            const long id = currentToId();
            // The voucher and its entries go together or not at all.
            dao::Database db = DataControl::Database();
            dao::InTransaction(db, [&] {
                // The entry in the editor goes with its voucher: it must
                // not be written back afterwards.
                if (!curVienti_->IsEmpty() && curVienti_->ToId() == id) {
                    curVienti_->Delete();
                    useEmptyVienti();
                }
                Data1.Delete();
                PoistaTositteenViennit(id);
            });
        } catch (...) {
            // The book could not delete them (another program holds it, or
            // it is damaged): it keeps the voucher with its entries. The
            // vouchers are read again so that the window shows the book as
            // it is, and the failure is told.
            const std::exception_ptr failure = std::current_exception();
            try {
                Data1.Refresh();
            } catch (...) {
                // What is told is the failure of the deletion.
            }
            std::rethrow_exception(failure);
        }
        Data1.Refresh();
    }
    const int position = lstTositteet->currentRow();
    FillTositeLista();
    if (position >= 0 && lstTositteet->count() > 0)
        lstTositteet->setCurrentRow(std::min(position, lstTositteet->count() - 1));
    Data2.Refresh();
    if (Data2.isEmpty()) ClearVientiFields();
}

// ---------------------------------------------------------------- the voucher fields

void frmTositteet::connectVoucherFields() {
    auto enterAsTab = [](int& keyCode, int /*shift*/) {
        if (keyCode != 13) return;
        core::EnterAsTab(keyCode);
        keyCode = 0;  // the Enter has done its work
    };
    auto swallowEnter = [](int& keyAscii) {
        if (keyAscii == 13) keyAscii = 0;
    };
    for (QLineEdit* box : {tTositenumero, tTositepvm, tTositeSelite}) {
        ui::Events::of(box)
            .onChange([this] { fieldChanged(); })
            .onGotFocus([box] { core::SelectAllText(box); })
            .onKeyDown(enterAsTab)
            .onKeyPress(swallowEnter);
    }
    ui::Events::of(tTositepvm).onKeyPress([this](int& keyAscii) {
        if (keyAscii == 13) keyAscii = 0;
        pvmKeyPress(keyAscii);
    });
    ui::Events::of(tTositenumero).onLostFocus([this] { leave(tTositenumero, [this] { numeroLeft(); }); });
    ui::Events::of(tTositepvm).onLostFocus([this] { leave(tTositepvm, [this] { pvmLeft(); }); });
    ui::Events::of(tTositeSelite).onLostFocus([this] { leave(tTositeSelite, [this] { seliteLeft(); }); });
}

void frmTositteet::leave(QWidget* control, const std::function<void()>& f) {
    if (gone_) return;
    if (skipLeave_ && skipLeave_ == control) return;  // it never had the focus
    run(f);
}

void frmTositteet::focusBack(QWidget* w) {
    // Inside a focus-lost handler the focus is on its way to another
    // control; that control then never gets it and is not "left" either.
    QWidget* target = QApplication::focusWidget();
    if (target && target != w) skipLeave_ = target;
    w->setFocus(Qt::OtherFocusReason);
    skipLeave_ = nullptr;
}

void frmTositteet::fieldChanged() {
    // Typing into the fields of a window that shows no voucher starts
    // nothing.
    if (!Data1.isEditing() && Data1.hasCurrent()) Data1.Edit();
}

void frmTositteet::numeroLeft() {
    if (dao::Currency::parse(tTositenumero->text())) return;
    tTositenumero->clear();
    core::BeepIfSoundOn();
}

void frmTositteet::pvmKeyPress(int& keyAscii) {
    const int days = core::DateBoxStep(tTositepvm, keyAscii);
    if (days == 0) return;
    keyAscii = 0;  // a step key is never typed into the field
    if (const std::optional<dao::Date> d = dao::Date::fromText(tTositepvm->text()))
        tTositepvm->setText(d->addDays(days).toShortString());
}

void frmTositteet::pvmLeft() {
    // A text that is no date (an emptied field too) is refused: the user is
    // told, and the field shows again the date the voucher keeps. A voucher
    // without a date may be left so.
    const std::optional<dao::Date> typed = core::AcceptDateBox(tTositepvm);
    if (!typed || typed->isZero()) return;
    const QDate d = typed->date();
    tTositepvm->setText(dao::Date::fromDate(d).toShortString());
    if (!Data1.hasCurrent()) return;
    Data1.setField(QStringLiteral("toPvm"), dao::Variant(dao::Date::fromDate(d)));
    const QDate alku = core::TilikausiAlku.date();
    const QDate loppu = core::TilikausiLoppu.date();
    // A date in a calendar year after the year's end is taken for a slip of
    // one year; an earlier date is left as it is.
    const QDate taken = vouchers::TositteenPaiva(d, alku, loppu);
    if (taken != d) {
        tTositepvm->setText(dao::Date::fromDate(taken).toShortString());
        Data1.setField(QStringLiteral("toPvm"), dao::Variant(dao::Date::fromDate(taken)));
    }
    if (taken >= alku && taken <= loppu) return;
    core::ShowInfo(core::OutsideFinancialYear());
    focusBack(tTositepvm);
}

void frmTositteet::seliteLeft() {
    if (Data1.hasCurrent()) {
        if (tTositeSelite->text().isEmpty()) {
            tTositeSelite->setText(QStringLiteral(" "));
            Data1.setField(QStringLiteral("toSelite"), dao::Variant(QStringLiteral(" ")));
        } else {
            Data1.setField(QStringLiteral("toSelite"), dao::Variant(tTositeSelite->text()));
        }
    }
    if (bNewAdded) {
        // The first entry of a new voucher gets the voucher's text once.
        tVientiSelite->setText(tTositeSelite->text());
        bNewAdded = false;
    }
}

}  // namespace legacy
