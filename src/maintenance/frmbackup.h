#pragma once

// frmBackup: copies the book to the memory stick and then, if the user
// wants, compacts the book in place. A small wizard of five numbered steps:
// a step that is done greys out and the next one shows up. Its texts are
// fixed Finnish texts; it does not translate itself and does not restore
// a placement (it saves one as it unloads).
//
// The copy goes to <stick>/<AppTitle>/<yyyyMMdd>/<the book's file name>,
// replacing a copy made earlier the same day. The book is closed first;
// the next use of the database opens it again.

#include "maintenance/backupstick.h"
#include "platform/ui/forms.h"

class QLabel;
class QPushButton;

namespace maintenance {

class frmBackup : public ui::Form {
    Q_OBJECT
public:
    frmBackup();

    QLabel* lblVaihe1 = nullptr;
    QLabel* lblKopioitavaTiedosto = nullptr;
    QLabel* lblKopioitavaTiedostoNimi = nullptr;
    QPushButton* cEtsiMuistitikku = nullptr;
    QLabel* lblVapaaTilaStatus = nullptr;
    QLabel* lblVaihe2 = nullptr;
    QPushButton* cKopioi = nullptr;
    QLabel* lblVaihe3 = nullptr;
    QLabel* lblVaihe4 = nullptr;
    QPushButton* cTiivista = nullptr;
    QLabel* lblVaihe5 = nullptr;
    QPushButton* cSulje = nullptr;

protected:
    void Load() override;
    void Unload() override;

private:
    void cEtsiMuistitikku_Click();
    void cKopioi_Click();
    void cTiivista_Click();

    bool tietokantaLoytyi_ = false;
    BackupStick tikku_;
    qint64 tietokannanKoko_ = 0;
    qint64 vapaaTila_ = 0;
    bool tilaRiittaa_ = false;
};

// Red text for a status label.
void SetRedText(QLabel* label);

}  // namespace maintenance
