#pragma once

// The about box: the program's title and version, who makes it and where
// its help and support pages are.

#include "platform/ui/forms.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace shell {

class frmAboutVaskiro : public ui::Form {
    Q_OBJECT
public:
    // The smallest size of the box, in twips.
    static constexpr int kMinWidthTwips = 3705;
    static constexpr int kMinHeightTwips = 6630;

    frmAboutVaskiro();

    QLabel* Label7 = nullptr;  // title and version
    QFrame* Frame1 = nullptr;
    QLabel* cAboutVaskiro = nullptr;  // the logo
    QLabel* Label8 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label9 = nullptr;  // the home page, clickable
    QGroupBox* Frame3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;  // the support-services page, clickable
    QPushButton* cSulje = nullptr;

protected:
    void Load() override;

private:
    void EnsureMinimumSize();
};

}  // namespace shell
