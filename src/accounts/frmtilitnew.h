#pragma once

// frmTilitNew: the accounts window, where the chart of accounts (table
// `tl`) is kept. It shows one account at a time - number, name,
// description and the sums of its opening entries in the current and the
// previous financial year - beside the account tree tvTilit, which groups
// the accounts by thousands. Commands: new, save, delete (refused while the
// account has entries in either year), browse (rebuilds the tree), cancel,
// first/previous/next/last in number order, print the account list
// ("tilit.rpt") and close.
//
// The shown account is a core::cTili; typing changes it in memory, and it
// writes itself on "Tallenna", before a print or a tree rebuild, and
// whenever another account takes its place or the window closes. Its
// NameChanged event keeps the account's line in the tree in step.
//
// The window restores its placement as it loads but never stores it.

#include "core/records/tili.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

#include <array>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace accounts {

namespace detail {
class WindowKeys;
}

// The position in the tree's group nodes (0..9) of the group of an account
// number: 1000..9999 stand under their thousand (position 0 for 1000-1999,
// ... 8 for 9000-9999), every other number under "Muut" (position 9).
int TiliRyhma(long numero);

class frmTilitNew : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kNimiPituus = 50;
    static constexpr int kKuvausPituus = 255;

    frmTilitNew();
    ~frmTilitNew() override;

    // ---- The shown account

    // The account shown now; the placeholder (IsEmpty) when none is.
    const core::cTili& curTili() const { return *curTili_; }
    // Makes tili the shown account (nullptr: the placeholder) and fills the
    // fields from it. The account shown before is let go and saves its own
    // unsaved edits; an error of that save goes to the release-error sink.
    void ShowTili(std::unique_ptr<core::cTili> tili);
    void RefreshFields();
    void ClearFields();
    void EnableFields(bool enabled);
    // A new account, stored at once: number 0, name and description blank.
    std::unique_ptr<core::cTili> NewTili();
    // True when the account has no entry with an amount other than 0 in the
    // current or the previous financial year.
    static bool CanDeleteTili(long id);

    // ---- The tree

    // Rebuilds the tree from `tl`: the ten groups, then every account in
    // number order. Unfinished new accounts (no name) at the head of the
    // number order are deleted first, except the account on screen and any
    // account that has entries.
    void BuildTree();
    // Removes the node whose key is the id followed by suffix; nothing when
    // there is none.
    void RemoveNode(long id, const QString& suffix);
    // The group nodes of the last build: the thousands 1000..9000, then "Muut".
    QTreeWidgetItem* groupNode(int position) const { return groupNodes_.at(size_t(position)); }
    // The account node of tlID id, or nullptr.
    QTreeWidgetItem* accountNode(long id) const;

    // ---- Commands (the buttons and their menu items)
    void Uusi();
    void Tallenna();
    void Poista();
    void Selaa();
    void Peru();
    void Ensimmainen();
    void Edellinen();
    void Seuraava();
    void Viimeinen();
    void Tulosta();
    void Sulje();
    void AvaaKaikki();

    // ---- Controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTulostaTilikartta = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;
    QAction* mEnsimmainen = nullptr;  // "mEnsimmäinen"
    QAction* mEdellinen = nullptr;
    QAction* mSeuraava = nullptr;
    QAction* mViimeinen = nullptr;

    QTreeWidget* tvTilit = nullptr;
    QPushButton* cAvaaKaikki = nullptr;
    QGroupBox* frameTilit = nullptr;
    QLabel* lblTilinumero = nullptr;
    QLineEdit* tTilinumero = nullptr;
    QLabel* lblNimi = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* lblKuvaus = nullptr;
    QPlainTextEdit* tKuvaus = nullptr;
    QGroupBox* frameAvausviennit = nullptr;
    QLabel* lblDebet = nullptr;
    QLabel* lblKredit = nullptr;
    QLabel* lblKuluvaTilikausi = nullptr;
    QLabel* lblKuluvaDebet = nullptr;
    QLabel* lblKuluvaKredit = nullptr;
    QLabel* lblEdellinenTilikausi = nullptr;
    QLabel* lblEdellinenDebet = nullptr;
    QLabel* lblEdellinenKredit = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;
    QPushButton* cTulosta = nullptr;
    QPushButton* cSulje = nullptr;

    // Stores the one shown, as leaving it does; reads the book again
    // afterwards, back on the same one when it is still there.
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;

private:
    void buildControls();
    void connectEvents();
    void CreateEmptyTili();
    void curTili_NameChanged(long id, long lNumero, const QString& sName);
    // The tree's choice: an account node shows its account.
    void tvTilit_Select(QTreeWidgetItem* node);
    QTreeWidgetItem* addAccountNode(QTreeWidgetItem* group, const QString& key, const QString& text);
    QTreeWidgetItem* findNode(const QString& key) const;
    // Deletes the leading unfinished accounts of the number order.
    void purgeUnfinished(dao::Database& db);
    void browse(std::unique_ptr<core::cTili> found);
    // Lets the shown account go: saves its pending edits, an error to the sink.
    void releaseShown();
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmTilitNew"), QStringLiteral("Virhe:")) + u' '; },
        ui::Icon::Information};

    detail::WindowKeys* keys_ = nullptr;
    core::cTili* curTili_ = nullptr;           // owned_ or emptyTili_
    std::unique_ptr<core::cTili> owned_;
    std::unique_ptr<core::cTili> emptyTili_;
    std::array<QTreeWidgetItem*, 10> groupNodes_{};
};

}  // namespace accounts
