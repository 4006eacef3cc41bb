#pragma once

// frmTositeHaku: finds vouchers by the amount of one of their entries, by a
// piece of their description, or by both, lists them, and hands the one
// the user opens back in HakuTositeID. Shown modally by the voucher
// windows' search command; every leaving unloads it, so each search starts
// afresh. It only reads.
//
// Enter opens the chosen line ("Avaa"), Esc cancels ("Peru").

#include "platform/ui/forms.h"

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vouchers {

// The toID of the voucher chosen in the last search; 0 = none. Written only
// by frmTositeHaku.
inline long HakuTositeID = 0;

class frmTositeHaku : public ui::Form {
    Q_OBJECT
public:
    frmTositeHaku();

    QGroupBox* frameSearchConditions = nullptr;
    QLabel* lblVienninArvo = nullptr;
    QLineEdit* tVienninArvo = nullptr;
    QLabel* lblSelite = nullptr;
    QLineEdit* tSelite = nullptr;
    QPushButton* cSearch = nullptr;
    QLabel* lblSearchMessage = nullptr;
    QListWidget* lstTositteet = nullptr;
    QPushButton* cOpen = nullptr;
    QPushButton* cUndo = nullptr;

protected:
    void Unload() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Etsi();
    void Avaa();
    void Peru();
    // True when a line of the list carries toID id.
    bool IsInList(long id) const;
    // Adds the line of voucher id unless it is listed already, cannot be
    // read, or is one of the program's own (number below 0); true when added.
    bool addVoucher(long id);

    bool answered_ = false;  // Avaa or Peru has set HakuTositeID
};

// The voucher windows' search: shows the search modally and returns the
// toID chosen, 0 for none.
long ShowTositeHaku();

}  // namespace vouchers
