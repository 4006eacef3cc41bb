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
// The shown account is a core::cTili and the window a record window
// (recordform.h); it also writes itself before a print or a tree rebuild,
// and its NameChanged event keeps the account's line in the tree in step.

#include "accounts/recordform.h"
#include "core/records/tili.h"

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace accounts {

// The position in the tree's group nodes (0..9) of the group of an account
// number: 1000..9999 stand under their thousand (position 0 for 1000-1999,
// ... 8 for 9000-9999), every other number under "Muut" (position 9).
int TiliRyhma(long numero);

class frmTilitNew : public detail::RecordForm<core::cTili> {
    Q_OBJECT
public:
    frmTilitNew();
    ~frmTilitNew() override;

    // ---- The shown account

    // The account shown now; the placeholder (IsEmpty) when none is.
    const core::cTili& curTili() const { return shownRecord(); }
    // Makes tili the shown account (nullptr: the placeholder), as ShowRecord.
    void ShowTili(std::unique_ptr<core::cTili> tili) { ShowRecord(std::move(tili)); }
    void RefreshFields() override;
    void ClearFields();
    void EnableFields(bool enabled);
    // True when the account has no entry with an amount other than 0 in the
    // current or the previous financial year.
    static bool CanDeleteTili(long id);

    // ---- The tree

    // Rebuilds the tree from the account list: the ten groups, then every
    // account in number order. Unfinished new accounts (no name) at the
    // head of the number order are deleted first, except the account on
    // screen and any account that has entries.
    void BuildTree();
    // Removes the node whose key is the id followed by suffix; nothing when
    // there is none.
    void RemoveNode(long id, const QString& suffix);
    // The group nodes of the last build: the thousands 1000..9000, then "Muut".
    QTreeWidgetItem* groupNode(int position) const { return groupNodes_.at(size_t(position)); }
    // The account node of tlID id, or nullptr.
    QTreeWidgetItem* accountNode(long id) const;

    // ---- Commands besides the record commands
    void Poista() override;
    void Tulosta();
    void AvaaKaikki();

    // ---- Controls besides the record window's
    QAction* mTulostaTilikartta = nullptr;

    QTreeWidget* tvTilit = nullptr;
    QPushButton* cAvaaKaikki = nullptr;
    QLabel* lblTilinumero = nullptr;
    QLineEdit* tTilinumero = nullptr;
    QGroupBox* frameAvausviennit = nullptr;
    QLabel* lblDebet = nullptr;
    QLabel* lblKredit = nullptr;
    QLabel* lblKuluvaTilikausi = nullptr;
    QLabel* lblKuluvaDebet = nullptr;
    QLabel* lblKuluvaKredit = nullptr;
    QLabel* lblEdellinenTilikausi = nullptr;
    QLabel* lblEdellinenDebet = nullptr;
    QLabel* lblEdellinenKredit = nullptr;

    QPushButton* cTulosta = nullptr;

protected:
    void ReadList() override { BuildTree(); }
    void ShownNameChanged(long id, long lNumero, const QString& sName) override;

private:
    void buildControls();
    void buildOpeningSums();
    // The tree's choice: an account node shows its account.
    void tvTilit_Select(QTreeWidgetItem* node);
    QTreeWidgetItem* addAccountNode(QTreeWidgetItem* group, const QString& key, const QString& text);
    QTreeWidgetItem* findNode(const QString& key) const;

    std::array<QTreeWidgetItem*, 10> groupNodes_{};
};

}  // namespace accounts
