#pragma once

// The two windows of the model checks:
//   frmTarkistaMallit    a modal chooser of one income-statement model and
//                        one balance-sheet model; the model editor's check
//                        command reads TulosMaID and TaseMaID after it
//                        (both 0: nothing to check);
//   frmTarkistusVirheet  a window of its own beside the editor, which runs
//                        the checks and lists the findings, and corrects the
//                        balance sides of the chosen models.
// Both list the models by name; a list of exactly one model starts with
// it chosen, a longer one with none.

#include "reportctl/dialogform.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace statement_models {

class frmTarkistaMallit : public reports::DialogForm {
    Q_OBJECT
public:
    frmTarkistaMallit();

    // The chosen models' maID, 0 = none.
    long TulosMaID = 0;
    long TaseMaID = 0;

    QLabel* lblTulosmalli = nullptr;
    QComboBox* cmbTulosmalli = nullptr;
    QLabel* lblTasemalli = nullptr;
    QComboBox* cmbTasemalli = nullptr;
    QPushButton* cTarkista = nullptr;
    QPushButton* cPeruuta = nullptr;

protected:
    void Load() override;
};

// Fills the two model lists (income models into tulos, balance models
// into tase, each by name) and chooses the only model of a list.
void FillModelCombos(QComboBox* tulos, QComboBox* tase);
// The maID of the chosen entry, 0 when none is chosen.
long ChosenModel(const QComboBox* combo);

}  // namespace statement_models
