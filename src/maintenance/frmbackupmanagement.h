#pragma once

// frmBackupManagement: lists the backup days on the memory stick and the
// files of a chosen day, and deletes the chosen copies, asking about each.
// A day folder emptied by deletions stays on the stick.

#include "maintenance/stickcopiesform.h"

namespace maintenance {

class frmBackupManagement : public StickCopiesForm {
    Q_OBJECT
public:
    frmBackupManagement();

    QPushButton* cPoistaValitut = nullptr;

protected:
    void dayCleared() override;
    QString dayChosenText(const QString& dayText) const override;

private:
    void lstTietokanta_Click();
    void cPoistaValitut_Click();
};

}  // namespace maintenance
