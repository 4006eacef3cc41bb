#pragma once

// The notice shown after start-up when the program runs on the demo book:
// the demo book is for trying the program only.

#include "platform/ui/forms.h"

class QLabel;
class QPushButton;

namespace shell {

class frmDBHuomautus : public ui::Form {
    Q_OBJECT
public:
    frmDBHuomautus();

    QLabel* lblOtsikko = nullptr;
    QLabel* lblTeksti1 = nullptr;
    QLabel* lblTeksti2 = nullptr;
    QLabel* lblTeksti3 = nullptr;
    QPushButton* cJatka = nullptr;
    QLabel* lblNeuvoja = nullptr;
    QLabel* lblTuki = nullptr;

protected:
    // Translates the texts (the notice places itself, so the program's load
    // hook leaves it alone) and fits the height to them.
    void Load() override;

private:
    void fitToTexts();
};

}  // namespace shell
