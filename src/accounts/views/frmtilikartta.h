#pragma once

// frmTilikartta: before the chart-of-accounts report, the choice of one
// income-statement model and one balance-sheet model (table ma, types 1
// and 2). It hands the choice back in the globals below and in
// reports::DialogiPeruttu, and writes nothing. The caller shows it modally
// and goes on only when DialogiPeruttu is False and TilikarttaMallitOK is
// True:
//
//   ui::Forms::show<accounts::frmTilikartta>(true);
//   if (reports::DialogiPeruttu || !accounts::TilikarttaMallitOK) return;
//
// It refuses to open (with a message) when no database is set or it cannot
// be read, or when either kind of model is missing. It unloads itself on
// every ending; the close box and Esc count as a cancel. The models are
// read through a connection of its own.

#include "reportctl/dialogform.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace accounts {

// True at load; False when either model list stays empty.
inline bool TilikarttaMallitOK = false;
// The chosen models' maID, set on acceptance; 0 when a list has no choice.
inline long TilikarttaTulosMaID = 0;
inline long TilikarttaTaseMaID = 0;

class frmTilikartta : public reports::DialogForm {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 4185;
    static constexpr int kHeightTwips = 1920;

    frmTilikartta();
    ~frmTilikartta() override;

    void Seuraava();
    void Peru();

    QLabel* Label1 = nullptr;
    QComboBox* cmbTuloslaskelma = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cmbTase = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cPeru = nullptr;

protected:
    void Load() override;

private:
    // Both lists from the models; clears TilikarttaMallitOK when one stays empty.
    void FillMallit();
};

}  // namespace accounts
