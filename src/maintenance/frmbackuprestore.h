#pragma once

// frmBackupRestore: lists the backup days on the memory stick and the files
// of a chosen day, copies the chosen file into the program's folder in the
// user's documents, makes it the book and ends the program at once (the
// user starts it again on the restored book).

#include "maintenance/stickcopiesform.h"

namespace maintenance {

class frmBackupRestore : public StickCopiesForm {
    Q_OBJECT
public:
    frmBackupRestore();

    QLabel* lblPalautettavaTiedosto = nullptr;
    QLabel* lblPalautettavaTiedostoNimi = nullptr;
    QPushButton* cPalauta = nullptr;
    QLabel* lblPalautusStatus = nullptr;

protected:
    void beforeSearch() override;
    void dayCleared() override;
    QString dayChosenText(const QString& dayText) const override;
    void afterDayChoice() override;

private:
    void lstTietokanta_Click();
    void cPalauta_Click();
    void HideChosenFile();
    void DisableRestoreSteps();
};

}  // namespace maintenance
