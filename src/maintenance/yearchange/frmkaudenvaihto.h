#pragma once

// frmKaudenVaihto: the change of financial year, shown modally by the
// settings window. It shows the year being closed and the year being
// opened, lets the user choose the balance model of the opening entries and
// whether to book them, and runs the whole change with one click (see
// kaudenvaihto.h). The window hands nothing back of its own: a completed
// change has moved the four financial-year dates and the report period in
// the shared globals, and the window unloads itself. A refusal or a failure
// leaves it open; a failure has changed nothing in the book.

#include "maintenance/yearchange/kaudenvaihto.h"
#include "platform/dao/date.h"
#include "platform/ui/forms.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace maintenance {

class frmKaudenVaihto : public ui::Form {
    Q_OBJECT
public:
    frmKaudenVaihto();
    ~frmKaudenVaihto() override;

    QLabel* lblTilikausiAlku = nullptr;
    QLabel* lblTilikausiLoppu = nullptr;
    QLabel* lblTilikausiUusiAlku = nullptr;
    QLabel* lblTilikausiUusiLoppu = nullptr;
    QLabel* lblTasemalli = nullptr;
    QComboBox* cmbTasemalli = nullptr;
    QCheckBox* chkTeeAvausviennit = nullptr;
    QPushButton* cTilikaudenvaihto = nullptr;
    QPushButton* cPeru = nullptr;
    QLabel* lblStatus = nullptr;
    QProgressBar* pBar = nullptr;

    // True while the change runs.
    bool isRunning() const { return running_; }

protected:
    void Load() override;
    // A running change is not interrupted by closing the window.
    bool QueryUnload() override;

private:
    void FillModelList();
    void cTilikaudenvaihto_Click();
    void cPeru_Click();
    void setRunning(bool running);
    // The status line and the bar after a change that was not made.
    void showNotMade();
    // What a refused change tells the user (a change another copy made
    // first unloads the window).
    void tellRefusal(const KaudenVaihtoTulos& tulos);

    bool running_ = false;
    // The year the window was opened to close, as its labels show it.
    dao::Date shownAlku_;
    dao::Date shownLoppu_;
};

}  // namespace maintenance
