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
};

}  // namespace shell
