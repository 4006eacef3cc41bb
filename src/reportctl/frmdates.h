#pragma once

// The six period dialogs (perioddialog.h has what they share):
//   frmDates2  journal                        the period only
//   frmDates3  general ledger                 + VainTap
//   frmDates4  one account's report           + RaporttiTlID (0 at every opening)
//   frmDates5  budget comparison, budget      + TiliErottelu, VainTap
//   frmDates6  cost-centre general ledger     + VainTap, RaporttiKpID
//   frmDates   income statement, balance sheet
//              + RaporttiLaaja, VainRyhmat, TiliErottelu, VainTap, RaporttiKpID
// A dialog sets only its own globals on acceptance; the others keep what
// earlier dialogs left there.

#include "reportctl/perioddialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace reports {

class frmDates2 : public PeriodDialog {
    Q_OBJECT
public:
    frmDates2();
};

class frmDates3 : public PeriodDialog {
    Q_OBJECT
public:
    frmDates3();

    QCheckBox* chkVainTap = nullptr;

protected:
    void loadAfterDates() override;
    void acceptOptions() override;
};

class frmDates4 : public PeriodDialog {
    Q_OBJECT
public:
    frmDates4();

    QLabel* lblKustannuspaikka = nullptr;  // "Tili:"
    QComboBox* cmbTili = nullptr;

    // Every account, " " (0) first.
    void FillTilit();

protected:
    void loadBeforeDates() override;
    void loadAfterDates() override;
    void acceptOptions() override;
};

class frmDates5 : public PeriodDialog {
    Q_OBJECT
public:
    frmDates5();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QCheckBox* chkTiliErottelu = nullptr;
    QCheckBox* chkVainTap = nullptr;

protected:
    void loadAfterDates() override;
    void acceptOptions() override;
};

class frmDates6 : public PeriodDialog {
    Q_OBJECT
public:
    frmDates6();

    QLabel* Label3 = nullptr;
    QComboBox* cmbKPt = nullptr;
    QCheckBox* chkVainTap = nullptr;

    // Every cost centre, " " (0) first.
    void FillKustannuspaikat();

protected:
    void loadBeforeDates() override;
    void loadAfterDates() override;
    void acceptOptions() override;
};

class frmDates : public PeriodDialog {
    Q_OBJECT
public:
    frmDates();

    // The opener's choice, after loading and before showing: the cost-centre
    // limit is offered for income-statement models only (the balance sheet
    // has none). A disabled choice stays empty, so acceptance gives
    // RaporttiKpID 0.
    void EnableKustannuspaikatValinta(bool enabled);

    // Every cost centre, " " (0) first.
    void FillKustannuspaikat();

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* optLaaja = nullptr;
    QRadioButton* optSuppea = nullptr;
    QGroupBox* frameKustannuspaikka = nullptr;
    QLabel* lblKustannuspaikka = nullptr;
    QComboBox* cmbKPt = nullptr;
    QGroupBox* Frame4 = nullptr;
    QCheckBox* chkVainRyhmat = nullptr;
    QCheckBox* chkTiliErottelu = nullptr;
    QCheckBox* chkVainTap = nullptr;

protected:
    void loadBeforeDates() override;
    void loadAfterDates() override;
    void acceptOptions() override;
};

}  // namespace reports
