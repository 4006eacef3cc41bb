#pragma once

#include "platform/ui/forms.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

namespace statement_models {

// See frmtarkistamallit.h.
class frmTarkistusVirheet : public ui::Form {
    Q_OBJECT
public:
    frmTarkistusVirheet();

    // cTarkista: checks the chosen models and lists the findings.
    void Tarkista();
    // mKorjausSaldopuoli: corrects the balance sides of the chosen models,
    // after a question.
    void KorjaaSaldopuoli();

    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mKorjaustoiminnot = nullptr;
    QAction* mKorjausSaldopuoli = nullptr;

    QLabel* lblTulosmalli = nullptr;
    QComboBox* cmbTulosmalli = nullptr;
    QLabel* lblTasemalli = nullptr;
    QComboBox* cmbTasemalli = nullptr;
    QPushButton* cTarkista = nullptr;
    QPushButton* cSulje = nullptr;
    QListWidget* lstVirheet = nullptr;

protected:
    void Load() override;

private:
    void run(const std::function<void()>& f);
};

}  // namespace statement_models
