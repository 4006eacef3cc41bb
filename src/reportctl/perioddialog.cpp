#include "reportctl/perioddialog.h"

#include "core/globals.h"
#include "core/nz.h"
#include "core/settings.h"
#include "core/ui/datebox.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "reportctl/reportglobals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <exception>

namespace reports {

PeriodDialog::PeriodDialog(const QString& name, int widthTwips, int heightTwips)
    : DialogForm(name, widthTwips, heightTwips) {
    setWindowTitle(core::AppTitle + QStringLiteral(" - Päivämäärät"));

    Label1 = ui::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Alkupäivä:"));
    Label2 = ui::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Loppupäivä:"));
    tAlkupvm = ui::makeLineEdit(this, QStringLiteral("tAlkupvm"));
    tLoppupvm = ui::makeLineEdit(this, QStringLiteral("tLoppupvm"));
    cSeuraava = ui::makeButton(this, QStringLiteral("cSeuraava"), QStringLiteral("Seuraava -->"));
    // The cancel command has no button of its own on screen: Esc and the
    // close box cancel.
    cPeru = ui::makeButton(this, QStringLiteral("cPeru"), QStringLiteral("Peru"));
    cPeru->hide();
    setDialogButtons(cSeuraava, cPeru);

    core::WatchDateBox(tAlkupvm);
    core::WatchDateBox(tLoppupvm);
    ui::Events::of(tAlkupvm)
        .onGotFocus([this] { core::SelectAllText(tAlkupvm); })
        .onLostFocus([this] { leaveDate(Start); });
    ui::Events::of(tLoppupvm)
        .onGotFocus([this] { core::SelectAllText(tLoppupvm); })
        .onLostFocus([this] { leaveDate(End); });
    // An edit by the user makes the field's check a new one.
    connect(tAlkupvm, &QLineEdit::textEdited, this, [this] { focusReturned_[Start] = false; });
    connect(tLoppupvm, &QLineEdit::textEdited, this, [this] { focusReturned_[End] = false; });
    ui::Events::of(cSeuraava).onClick([this] { accept(); });
    ui::Events::of(cPeru).onClick([this] { cancel(); });
}

long PeriodDialog::ChosenItemData(const QComboBox* combo) {
    if (!combo) return 0;
    const int i = combo->currentIndex();
    if (i < 0) return 0;
    if (combo->isEditable() && combo->currentText() != combo->itemText(i)) return 0;
    return combo->itemData(i).toLongLong();
}

QGridLayout* PeriodDialog::datesGrid() {
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(tAlkupvm, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(tLoppupvm, 1, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QLayout* PeriodDialog::buttonRow() {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cSeuraava);
    return row;
}

void PeriodDialog::Load() {
    DialogiPeruttu = true;
    setWindowTitle(core::TranslateStr(objectName(), core::AppTitle + QStringLiteral(" - Päivämäärät")));
    loadBeforeDates();
    tAlkupvm->setText(core::RaporttiAlkuPvm.toShortString());
    tLoppupvm->setText(core::RaporttiLoppuPvm.toShortString());
    focusReturned_[Start] = focusReturned_[End] = false;
    loadAfterDates();
}

void PeriodDialog::leaveDate(Field which) {
    QLineEdit* field = which == Start ? tAlkupvm : tLoppupvm;
    const std::optional<dao::Date> typed = dao::Date::fromText(field->text());
    if (!typed) {
        // Refused once the focus has moved on, unless acceptance (a click on
        // "Seuraava -->" is what took the focus) has refused the text first
        // and the field holds its date again.
        later([this, which] {
            QLineEdit* left = which == Start ? tAlkupvm : tLoppupvm;
            if (!dao::Date::fromText(left->text())) core::AcceptDateBox(left, notADate(which));
        });
        return;
    }
    const dao::Date moved = core::DateIntoFinancialYear(*typed);
    if (moved >= core::TilikausiAlku && moved <= core::TilikausiLoppu) {
        field->setText(moved.toShortString());
        return;
    }
    field->setText(typed->toShortString());
    // Once per edit: a field left again unchanged lets the focus go.
    if (focusReturned_[which]) return;
    focusReturned_[which] = true;
    later([this, which] {
        QLineEdit* back = which == Start ? tAlkupvm : tLoppupvm;
        back->setFocus(Qt::OtherFocusReason);
        const QString year = QLatin1Char(' ') + core::TilikausiAlku.toShortString() + QLatin1Char('-') +
                             core::TilikausiLoppu.toShortString();
        core::ShowInfo((which == Start
                            ? core::TranslateStr(objectName(), QStringLiteral("Alkupäivämäärä ei kuulu tilikauteen:"))
                            : core::TranslateStr(objectName(), QStringLiteral("Loppupäivämäärä ei kuulu tilikauteen:"))) +
                       year);
    });
}

QString PeriodDialog::notADate(Field which) const {
    // Nothing is stored here: the user is asked for a date.
    return which == Start ? core::TranslateStr(objectName(), QStringLiteral("Anna alkupäivämäärä päivämäärämuodossa!"))
                          : core::TranslateStr(objectName(), QStringLiteral("Anna loppupäivämäärä päivämäärämuodossa!"));
}

void PeriodDialog::later(std::function<void()> step) {
    // Run from the event loop, once the change of focus under way has
    // finished; nothing when the dialog has been accepted or closed by then.
    QTimer::singleShot(0, this, [this, step = std::move(step)] {
        if (isUnloaded() || !isVisible()) return;
        step();
    });
}

void PeriodDialog::accept() {
    // A field that holds no date is refused as every date box refuses one:
    // the user is told, the field shows the date it had, and the dialog
    // stays open, so that no period is printed but one the user typed.
    std::optional<dao::Date> period[2];
    for (const Field which : {Start, End}) {
        QLineEdit* field = which == Start ? tAlkupvm : tLoppupvm;
        period[which] = core::AcceptDateBox(field, notADate(which));
        if (!period[which]) {
            field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    DialogiPeruttu = false;
    // A field left empty from the load, where no period had been accepted
    // yet, stands for the first or last day of the financial year.
    core::RaporttiAlkuPvm = period[Start]->isZero() ? core::TilikausiAlku : *period[Start];
    core::RaporttiLoppuPvm = period[End]->isZero() ? core::TilikausiLoppu : *period[End];
    acceptOptions();
    ui::Forms::unload(*this);
}

void PeriodDialog::cancel() {
    DialogiPeruttu = true;
    ui::Forms::unload(*this);
}

void PeriodDialog::fillCombo(QComboBox* combo, const std::function<std::vector<core::ListLine>()>& readLines) {
    ui::ChangeGuard quiet(combo);
    combo->clear();
    combo->addItem(QStringLiteral(" "), 0);
    try {
        for (const core::ListLine& line : readLines()) combo->addItem(line.text(), qlonglong(line.id));
    } catch (const std::exception& e) {
        core::ShowInfo(core::TranslateStr(objectName(), QStringLiteral("Luettelon lukeminen tietokannasta ei onnistunut.")) +
                       QStringLiteral("\r\n") + QString::fromUtf8(e.what()));
    }
    combo->setCurrentIndex(-1);
}

}  // namespace reports
