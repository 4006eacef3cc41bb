#pragma once

// frmTositeTarkistusVirheet: the findings of the voucher check (vouchers
// dated outside the financial year, vouchers whose debit and credit totals
// differ, entries without a valid account), one line each. The check runs
// when the window loads and again on "Tarkista"; the list is for reading
// only. Not modal: the user may go on with the vouchers while it is open,
// and the list shows the state of the last run.

#include "platform/ui/forms.h"

class QListWidget;
class QPushButton;

namespace vouchers {

class frmTositeTarkistusVirheet : public ui::Form {
    Q_OBJECT
public:
    frmTositeTarkistusVirheet();

    QListWidget* lstVirheet = nullptr;
    QPushButton* cTarkista = nullptr;
    QPushButton* cSulje = nullptr;

protected:
    void Load() override;

private:
    // Runs the check and lists its findings; an error reaches the caller.
    void Tarkista();
};

// The voucher windows' "Tositteiden tarkistus": loads the findings window
// when it is not loaded (its load runs the check) and shows it, not modal.
// A window already open is only brought forward; its list is not renewed.
void ShowTositeTarkistusVirheet();

// The question of a voucher window's first activation: runs the voucher
// check and, when it finds anything, asks whether to open the findings
// window. True for Yes; False for No, for no findings, and when the check
// fails (the failure is not shown). The question is translated as the text
// of the window named ikkuna.
bool KaynnistysTarkistus(const QString& ikkuna);

}  // namespace vouchers
