#pragma once

// The part that the memory-stick management and restore windows share: the
// search for the stick ("Jatka"), the list of backup days (newest first)
// and the list of the files of the chosen day. Like frmBackup they are
// step wizards with fixed Finnish texts; they neither translate themselves
// nor keep a placement.

#include "maintenance/backupstick.h"
#include "platform/ui/forms.h"

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace maintenance {

class StickCopiesForm : public ui::Form {
    Q_OBJECT
public:
    QLabel* lblVaihe1 = nullptr;
    QPushButton* cEtsiMuistitikku = nullptr;
    QLabel* lblVapaaTilaStatus = nullptr;
    QLabel* lblVaihe2 = nullptr;
    QListWidget* lstPaiva = nullptr;
    QLabel* lblVaihe3 = nullptr;
    QListWidget* lstTietokanta = nullptr;
    QPushButton* cSulje = nullptr;

protected:
    // name and caption of the window; multiSelect: several files can be
    // chosen at once, each click toggling one.
    StickCopiesForm(const QString& name, const QString& caption, bool multiSelect);

    void Load() override;

    // Where a window puts its own controls (between the file list and
    // "Sulje"). Their place is kept while they are hidden, so that showing
    // one, as a click on a list does, moves neither list from under the
    // pointer before the next click.
    QVBoxLayout* ownControls() const { return own_; }

    // The window's own part of the steps.
    virtual void beforeSearch() {}
    virtual void dayCleared() {}
    virtual QString dayChosenText(const QString& dayText) const = 0;
    virtual void afterDayChoice() {}

    void cEtsiMuistitikku_Click();
    void lstPaiva_Click();

    // The chosen day: true with its number and text when a day with a
    // usable text is selected.
    bool chosenDay(long* dayNumber, QString* dayText) const;
    // <stick>/<AppTitle>/<day>/<file>.
    QString copyPath(long dayNumber, const QString& fileName) const;

    BackupStick tikku_;

private:
    QVBoxLayout* own_ = nullptr;
};

}  // namespace maintenance
