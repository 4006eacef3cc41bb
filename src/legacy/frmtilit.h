#pragma once

// frmTilit: the older accounts window. It keeps the chart of accounts of
// table `tl` through the data control Data1, whose text boxes (number,
// name, description) are bound to the account's fields, shows the accounts
// as a tree grouped by thousands, the opening entries of the shown account
// for the current and the previous financial year, and prints the account
// list "tilit.rpt".
//
// Every move of the record set stores the account shown (changed or not);
// the tree is rebuilt at load, after a new account, a store and a refresh,
// and does not follow the navigation buttons. Each command ends at the
// first step that fails (a store the book refuses stops the move, the new
// account or the deletion that would follow it), and the user is told.
// An account that another copy of the program has removed meanwhile is
// not stored again: the user is told so once, what was typed into it is
// dropped, and the window goes on without it.
//
// Keys (menu shortcuts): F2 new, F3 store, F4 delete, F5 refresh, F7 print,
// Ctrl+Z undo, Ctrl+A/S/D/F first, previous, next and last account.

#include "core/ui/translator.h"
#include "legacy/datacontrol.h"
#include "legacy/legacyrunner.h"
#include "platform/ui/forms.h"

#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace legacy {

class frmTilit : public ui::Form {
    Q_OBJECT
public:
    frmTilit();
    ~frmTilit() override;

    // Rebuilds the tree from `tl`.
    void BuildTree();
    // The four opening-balance labels for the current account.
    void ShowAlkusaldot();
    // True when the account has no entry with a non-zero amount in either year.
    bool CanDeleteTili(long id);
    // Stores a pending edit and stays on the stored account.
    void CommitEdit();

    // The tree node of an account ("<tlID>ID"), or nullptr.
    QTreeWidgetItem* nodeOf(long tlID) const;

    DataControl Data1;

    // ---- Controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTulostaTilikartta = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTili = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;
    QAction* mEnsimmainen = nullptr;  // objectName "mEnsimmäinen"
    QAction* mEdellinen = nullptr;
    QAction* mSeuraava = nullptr;
    QAction* mViimeinen = nullptr;

    QGroupBox* frameTilit = nullptr;
    QLabel* lblTilinumero = nullptr;
    QLineEdit* tTilinumero = nullptr;
    QLabel* lblNimi = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* lblKuvaus = nullptr;
    QLineEdit* tKuvaus = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* lblDebet = nullptr;
    QLabel* lblKredit = nullptr;
    QLabel* lblKuluva = nullptr;
    QLabel* lblEdellinen = nullptr;
    QLabel* lblKuluvaDebet = nullptr;
    QLabel* lblKuluvaKredit = nullptr;
    QLabel* lblEdellinenDebet = nullptr;
    QLabel* lblEdellinenKredit = nullptr;
    QTreeWidget* tvTilit = nullptr;

    QPushButton* cAvaaKaikki = nullptr;
    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cTulosta = nullptr;
    QPushButton* cSulje = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // objectName "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;

    // Stores the account being edited or added, as a move does; reads the
    // book again afterwards, back on the account shown before.
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;

private:
    void buildControls();
    void buildMenus();
    void buildAccountFields();
    void buildOpeningEntries();
    void buildButtons();
    void layOutControls();
    void connectEvents();
    void validate(DataControl::Action a);
    void navigate(DataControl::Step direction);
    void nodeChosen();
    void Uusi();
    void Tallenna();
    void Peru();
    void Poista();
    void Selaa();
    void AvaaKaikki();
    void Tulosta();
    void Sulje();
    void numeroLeft();
    void fieldChanged();
    long currentTlId() const;  // 0 when there is none
    // Stores the account shown: a pending edit or new account, and (always)
    // the account even when unchanged, as a move does. False when another
    // copy of the program has removed it meanwhile: nothing is stored, its
    // edit is dropped, its node leaves the tree and the user is told.
    bool storeShown(bool always = false);

    // Runs a command and lets no error escape: what it raises ends it, and
    // is shown.
    const LegacyRunner run{this, QStringLiteral("frmTilit")};

    bool gone_ = false;
    long shownBeforeChange_ = 0;  // the account shown when the book was last closed or rewritten
};

}  // namespace legacy
