#pragma once

// frmKielenValinta: the choice of the user-interface language at the first
// start. Shown modally; either button stores its language in sValittuKieli
// ("Suomi" or "Svenska") and hides the window, which ends the modal show.
// Closed without a choice, sValittuKieli stays empty.

#include "platform/ui/forms.h"

#include <QString>

class QPushButton;

namespace core {

class frmKielenValinta : public ui::Form {
    Q_OBJECT
public:
    frmKielenValinta();

    QString sValittuKieli;

    QPushButton* cSuomeksi = nullptr;
    QPushButton* cRuotsiksi = nullptr;

protected:
    void Load() override;

private:
    void choose(const QString& language);
};

}  // namespace core
