// The header fields of the voucher window: number, date and description.
// Each change goes at once into the voucher on screen; the description
// into every entry too.

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
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
    // A text that is not a date yet (typing under way) leaves the voucher's
    // date as it was; leaving the field asks for a whole date. An emptied
    // field is the empty date.
    const QString text = tTositepvm->text();
    if (const std::optional<dao::Date> d = dao::Date::fromText(text))
        curTosite_->setPaiva(*d);
    else if (text.trimmed().isEmpty())
        curTosite_->setPaiva(dao::Date());
}

void frmNewTositteet::pvmKeyPress(int& keyAscii) {
    if (keyAscii != '+' && keyAscii != '-') return;
    const int step = keyAscii == '+' ? 1 : -1;
    keyAscii = 0;  // never typed into the field
    run([this, step] {
        if (const std::optional<dao::Date> d = dao::Date::fromText(tTositepvm->text()))
            tTositepvm->setText(d->addDays(step).toShortString());
    });
}

void frmNewTositteet::leavePvm() {
    const QString text = tTositepvm->text();
    const std::optional<dao::Date> typed = dao::Date::fromText(text);
    if (!typed) {
        // An empty field is the empty date. Any other text that is no date
        // is answered once, with the focus back in the field; the voucher
        // keeps the date it had, and the user may go on.
        if (text.trimmed().isEmpty() || text == answeredPvm_) return;
        answeredPvm_ = text;
        core::BeepIfSoundOn();
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                          QStringLiteral("Anna tositteen päivämäärä päivämäärämuodossa!")));
        moveFocus(tTositepvm);
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
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                          QStringLiteral("Tositteen päivämäärän tulee kuulua tilikauteen!")) +
                       QStringLiteral("\r\n\r\n") +
                       core::TranslateStr(QStringLiteral("frmNewTositteet"), QStringLiteral("Tilikausi: ")) +
                       core::TilikausiAlku.toShortString() + QStringLiteral(" - ") +
                       core::TilikausiLoppu.toShortString());
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
