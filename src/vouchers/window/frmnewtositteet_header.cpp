// The header fields of the voucher window: number, date and description.
// Each change goes at once into the voucher on screen; the description
// into every entry too.

#include "core/globals.h"
#include "core/ui/datebox.h"
#include "core/ui/helpers.h"
#include "core/wholenumber.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/tools/syotteet.h"

#include <QLineEdit>

namespace vouchers {

void frmNewTositteet::numeroChanged() {
    core::FilterIntegerInput(tTositenumero);
    // The filter leaves a whole number (or nothing).
    curTosite_->setNumero(core::ReadWholeNumber(tTositenumero->text()).value_or(0));
}

void frmNewTositteet::pvmChanged() {
    // A text on its way to a date leaves the voucher the date it had before
    // the typing began; a date typed to its end goes in at once.
    curTosite_->setPaiva(core::TypedDate(tTositepvm));
}

void frmNewTositteet::pvmKeyPress(int& keyAscii) {
    const int step = core::DateBoxStep(tTositepvm, keyAscii);
    if (step == 0) return;
    keyAscii = 0;  // a step key is never typed into the field
    run([this, step] {
        if (const std::optional<dao::Date> d = dao::Date::fromText(tTositepvm->text()))
            tTositepvm->setText(d->addDays(step).toShortString());
    });
}

void frmNewTositteet::leavePvm() {
    const std::optional<dao::Date> typed = core::AcceptDateBox(tTositepvm);
    if (!typed || typed->isZero()) {
        // Refused (the user has been told), or a voucher without a date left
        // as it is: the voucher has the date the field shows.
        curTosite_->setPaiva(core::TypedDate(tTositepvm));
        return;
    }
    const QDate alku = core::TilikausiAlku.date();
    const QDate loppu = core::TilikausiLoppu.date();
    // A date in a calendar year after the end of the financial year is taken
    // for a typing slip of one year.
    const QDate d = TositteenPaiva(typed->date(), alku, loppu);
    tTositepvm->setText(dao::Date::fromDate(typed->date()).toShortString());
    if (d != typed->date()) tTositepvm->setText(dao::Date::fromDate(d).toShortString());
    if (d < alku || d > loppu) {
        core::ShowInfo(core::OutsideFinancialYear());
        moveFocus(tTositepvm);
    }
    curTosite_->setPaiva(dao::Date::fromDate(d));
}

void frmNewTositteet::seliteChanged() {
    const QString s = tTositeSelite->text();
    curTosite_->setSelite(s);
    for (size_t k = 0; k < debet_.size(); ++k) {
        debet_[k]->setSelite(s);
        kredit_[k]->setSelite(s);
    }
}

}  // namespace vouchers
