#include "reportctl/frmdates.h"

#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "reportctl/reportglobals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace reports {

namespace {

template <class T>
T* control(QWidget* parent, const char* name, const QString& text = QString()) {
    T* c = text.isNull() ? new T(parent) : new T(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QComboBox* combo(QWidget* parent, const char* name, bool editable) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editable);
    // Typing adds nothing to the list and completes nothing: a text typed
    // is no choice (unless it is an item's text as it stands).
    c->setInsertPolicy(QComboBox::NoInsert);
    if (editable) c->setCompleter(nullptr);
    return c;
}

// "Only accounts with entries" goes together with the split by account: it
// is enabled while the split is ticked, and cleared and disabled otherwise.
void linkSplit(QCheckBox* split, QCheckBox* onlyWithEntries) {
    ui::Events::of(split).onClick([split, onlyWithEntries] {
        if (split->isChecked()) {
            onlyWithEntries->setEnabled(true);
        } else {
            onlyWithEntries->setChecked(false);
            onlyWithEntries->setEnabled(false);
        }
    });
}

// The tab order of the visible input controls.
void chain(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

// ---------------------------------------------------------------- frmDates2

frmDates2::frmDates2() : PeriodDialog(QStringLiteral("frmDates2"), 3615, 2265) {
    auto* v = new QVBoxLayout(this);
    v->addLayout(datesGrid());
    v->addStretch();
    v->addLayout(buttonRow());
    chain({tAlkupvm, tLoppupvm, cSeuraava});
    fixSize();
}

// ---------------------------------------------------------------- frmDates3

frmDates3::frmDates3() : PeriodDialog(QStringLiteral("frmDates3"), 4365, 2745) {
    chkVainTap = control<QCheckBox>(this, "chkVainTap", QStringLiteral("Vain tilit, joissa vientejä"));
    auto* v = new QVBoxLayout(this);
    v->addLayout(datesGrid());
    v->addWidget(chkVainTap);
    v->addStretch();
    v->addLayout(buttonRow());
    chain({chkVainTap, cSeuraava, tLoppupvm, tAlkupvm});
    fixSize();
}

void frmDates3::loadAfterDates() {
    chkVainTap->setChecked(false);
    chkVainTap->setFocus();
}

void frmDates3::acceptOptions() { VainTap = chkVainTap->isChecked(); }

// ---------------------------------------------------------------- frmDates4

frmDates4::frmDates4() : PeriodDialog(QStringLiteral("frmDates4"), 4845, 2580) {
    lblKustannuspaikka = control<QLabel>(this, "lblKustannuspaikka", QStringLiteral("Tili:"));
    cmbTili = combo(this, "cmbTili", true);
    QGridLayout* grid = datesGrid();
    grid->addWidget(lblKustannuspaikka, 2, 0);
    grid->addWidget(cmbTili, 2, 1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addStretch();
    v->addLayout(buttonRow());
    chain({tAlkupvm, tLoppupvm, cmbTili, cSeuraava});
    fixSize();
}

void frmDates4::FillTilit() {
    fillCombo(cmbTili, [] { return core::AccountList(core::AccountOrder::ByNumber); });
}

void frmDates4::loadBeforeDates() {
    RaporttiTlID = 0;
    FillTilit();
}

void frmDates4::loadAfterDates() { tAlkupvm->setFocus(); }

void frmDates4::acceptOptions() { RaporttiTlID = ChosenItemData(cmbTili); }

// ---------------------------------------------------------------- frmDates5

frmDates5::frmDates5() : PeriodDialog(QStringLiteral("frmDates5"), 4170, 3660) {
    Frame1 = ui::makeGroupBox(this, "Frame1", QStringLiteral("Jakso"));
    Frame1->setLayout(datesGrid());
    Frame4 = ui::makeGroupBox(this, "Frame4", QStringLiteral("Muut rajaukset"));
    chkTiliErottelu = control<QCheckBox>(Frame4, "chkTiliErottelu", QStringLiteral("Erottele tileittäin"));
    chkVainTap = control<QCheckBox>(Frame4, "chkVainTap", QStringLiteral("Vain tilit, joille vientejä"));
    chkVainTap->setEnabled(false);
    auto* checks = new QVBoxLayout(Frame4);
    checks->addWidget(chkTiliErottelu);
    checks->addWidget(chkVainTap);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Frame1);
    v->addWidget(Frame4);
    v->addStretch();
    v->addLayout(buttonRow());
    linkSplit(chkTiliErottelu, chkVainTap);
    chain({chkTiliErottelu, chkVainTap, tAlkupvm, tLoppupvm, cSeuraava});
    fixSize();
}

void frmDates5::loadAfterDates() { chkTiliErottelu->setFocus(); }

void frmDates5::acceptOptions() {
    TiliErottelu = chkTiliErottelu->isChecked();
    VainTap = chkVainTap->isChecked();
}

// ---------------------------------------------------------------- frmDates6

frmDates6::frmDates6() : PeriodDialog(QStringLiteral("frmDates6"), 5010, 3195) {
    Label3 = control<QLabel>(this, "Label3", QStringLiteral("Kustannusp.:"));
    cmbKPt = combo(this, "cmbKPt", false);
    chkVainTap = control<QCheckBox>(this, "chkVainTap", QStringLiteral("Vain tilit, joissa vientejä"));
    QGridLayout* grid = datesGrid();
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(cmbKPt, 2, 1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addWidget(chkVainTap);
    v->addStretch();
    v->addLayout(buttonRow());
    chain({tAlkupvm, tLoppupvm, cmbKPt, chkVainTap, cSeuraava});
    fixSize();
}

void frmDates6::FillKustannuspaikat() {
    fillCombo(cmbKPt, core::CostCentreList);
}

void frmDates6::loadBeforeDates() { FillKustannuspaikat(); }

void frmDates6::loadAfterDates() {
    chkVainTap->setChecked(false);
    tAlkupvm->setFocus();
}

void frmDates6::acceptOptions() {
    VainTap = chkVainTap->isChecked();
    RaporttiKpID = ChosenItemData(cmbKPt);
}

// ---------------------------------------------------------------- frmDates

frmDates::frmDates() : PeriodDialog(QStringLiteral("frmDates"), 4170, 5805) {
    Frame1 = ui::makeGroupBox(this, "Frame1", QStringLiteral("Jakso"));
    Frame1->setLayout(datesGrid());

    Frame2 = ui::makeGroupBox(this, "Frame2", QStringLiteral("Muoto"));
    optLaaja = control<QRadioButton>(Frame2, "optLaaja", QStringLiteral("Laaja"));
    optSuppea = control<QRadioButton>(Frame2, "optSuppea", QStringLiteral("Suppea"));
    optSuppea->setChecked(true);
    auto* forms = new QVBoxLayout(Frame2);
    forms->addWidget(optLaaja);
    forms->addWidget(optSuppea);

    frameKustannuspaikka = ui::makeGroupBox(this, "frameKustannuspaikka", QStringLiteral("Kustannuspaikkarajaus"));
    lblKustannuspaikka = control<QLabel>(frameKustannuspaikka, "lblKustannuspaikka", QStringLiteral("Kust.paikka:"));
    cmbKPt = combo(frameKustannuspaikka, "cmbKPt", true);
    auto* centre = new QHBoxLayout(frameKustannuspaikka);
    centre->addWidget(lblKustannuspaikka);
    centre->addWidget(cmbKPt, 1);

    Frame4 = ui::makeGroupBox(this, "Frame4", QStringLiteral("Muut rajaukset"));
    chkVainRyhmat = control<QCheckBox>(Frame4, "chkVainRyhmat", QStringLiteral("Vain ryhmät, joilla arvoja"));
    chkVainRyhmat->setChecked(true);
    chkTiliErottelu = control<QCheckBox>(Frame4, "chkTiliErottelu", QStringLiteral("Erottele tileittäin"));
    chkVainTap = control<QCheckBox>(Frame4, "chkVainTap", QStringLiteral("Vain tilit, joille vientejä"));
    chkVainTap->setEnabled(false);
    auto* checks = new QVBoxLayout(Frame4);
    checks->addWidget(chkVainRyhmat);
    checks->addWidget(chkTiliErottelu);
    checks->addWidget(chkVainTap);

    auto* v = new QVBoxLayout(this);
    v->addWidget(Frame1);
    v->addWidget(Frame2);
    v->addWidget(frameKustannuspaikka);
    v->addWidget(Frame4);
    v->addStretch();
    v->addLayout(buttonRow());
    linkSplit(chkTiliErottelu, chkVainTap);
    chain({tAlkupvm, tLoppupvm, optLaaja, optSuppea, cmbKPt, chkVainRyhmat, chkTiliErottelu, chkVainTap,
                 cSeuraava});
    fixSize();
}

void frmDates::EnableKustannuspaikatValinta(bool enabled) {
    frameKustannuspaikka->setEnabled(enabled);
    lblKustannuspaikka->setEnabled(enabled);
    cmbKPt->setEnabled(enabled);
}

void frmDates::FillKustannuspaikat() {
    fillCombo(cmbKPt, core::CostCentreList);
}

void frmDates::loadBeforeDates() { FillKustannuspaikat(); }

void frmDates::loadAfterDates() { tAlkupvm->setFocus(); }

void frmDates::acceptOptions() {
    RaporttiLaaja = optLaaja->isChecked();
    VainRyhmat = chkVainRyhmat->isChecked();
    TiliErottelu = chkTiliErottelu->isChecked();
    VainTap = chkVainTap->isChecked();
    // A disabled choice is no choice.
    RaporttiKpID = cmbKPt->isEnabled() ? ChosenItemData(cmbKPt) : 0;
}

}  // namespace reports
