#pragma once

// The splash window that start-up shows for a moment: the program's name,
// version and platform. It closes itself after 1.5 seconds, at a key press
// or at a click on it.

#include "platform/ui/forms.h"

class QFrame;
class QLabel;
class QTimer;

namespace shell {

class frmSplash : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kDisplayMs = 1500;

    frmSplash();

    QFrame* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblCompany = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void Load() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void closeSplash();
};

}  // namespace shell
