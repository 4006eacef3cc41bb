#pragma once

#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
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
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{[] {
        return core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Odottamaton virhe: "));
    }};
};

}  // namespace statement_models
