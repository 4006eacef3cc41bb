// The budget window's commands on the budget as a whole: save, undo, delete
// the year shown, and copy the current year's budget as the next one's.

#include "budget/frmbudjetti.h"

#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/mousecursor.h"

namespace budget {

void frmBudjetti::Tallenna() { writeLines(false); }

void frmBudjetti::Peru() {
    for (cBudjetti* r : records_) r->Undo();
    NaytaRivit();
}

void frmBudjetti::Poista() {
    const QString s = QStringLiteral("frmBudjetti");
    QString question;
    switch (jakso_) {
    case kEdellinen:
        question = core::TranslateStr(s, QStringLiteral("Haluatko varmasti poistaa edellisen kauden budjetin?"));
        break;
    case kTuleva:
        question = core::TranslateStr(s, QStringLiteral("Haluatko varmasti poistaa tulevan kauden budjetin?"));
        break;
    default:
        question = core::TranslateStr(s, QStringLiteral("Haluatko varmasti poistaa nykyisen kauden budjetin?"));
        break;
    }
    sys::cMouseCursor pointer;
    if (core::AskYesNo(question) == ui::Answer::Yes) {
        pointer.SetCursor(this, sys::kPointerHourglass);
        PoistaBudjetti(jakso_);
        // The lines are of the year just deleted: what was typed on them
        // goes with it, and none of them writes its row back.
        discardLines();
    }
    LataaBudjetti(valittuMalli(), jakso_);
    NaytaRivit();
}

void frmBudjetti::KopioiNykyinenTulevaksi() {
    // The copy takes the budget as it is on screen: the changed lines are
    // written first, as they would be when let go. Lines of the next year
    // whose row was never stored and that hold nothing are not: the copy is
    // about to fill that year, and they are built again afterwards.
    const bool nextShown = jakso_ == kTuleva;
    if (nextShown)
        for (cBudjetti* r : records_) {
            bool zeros = r->id() == 0;
            for (int m = 1; zeros && m <= cBudjetti::kMonths; ++m) zeros = r->KuukausiArvo(m).isZero();
            if (zeros) r->Discard();
        }
    if (!writeLines(false)) return;
    // Lines of the next year are built again from what the table holds.
    auto rebuild = [this, nextShown] {
        if (!nextShown) return;
        discardLines();
        LataaBudjetti(valittuMalli(), jakso_);
        NaytaRivit();
    };

    sys::cMouseCursor pointer;
    pointer.SetCursor(this, sys::kPointerHourglass);
    if (TulevaBudjettiOlemassa()) {
        pointer.SetCursor(this, sys::kPointerDefault);
        const ui::Answer answer = core::AskYesNo(
            core::TranslateStr(QStringLiteral("frmBudjetti"),
                               QStringLiteral("Tuleva budjetti on jo ainakin osittain olemassa. Haluatko korvata jo "
                                              "luodun tulevan budjetin nykyisellä?")),
            false);
        if (answer != ui::Answer::Yes) {
            rebuild();
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmBudjetti"), QStringLiteral("Budjetin kopiointi keskeytetty.")));
            return;
        }
        pointer.SetCursor(this, sys::kPointerHourglass);
    }

    try {
        KopioiNykyinenBudjettiTulevaksi();
    } catch (...) {
        // Nothing was copied (one transaction): the grid shows the book as it
        // is, and the failure goes on to the window's runner.
        rebuild();
        throw;
    }
    rebuild();
    pointer.SetCursor(this, sys::kPointerDefault);
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmBudjetti"), QStringLiteral("Kopiointi valmis.")));
}

}  // namespace budget
