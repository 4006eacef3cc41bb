#pragma once

// frmTilienSaldot: the balances of every account, read-only. Each account
// of the chart in number order with the sum of its debit entries, the sum
// of its credit entries and their difference (debit minus credit), over all
// entries of the current year's vouchers except automatic ones; the grand
// totals below. Every computation also rewrites the work table tlSaldot,
// which the print command prints (tilisald.rpt) as it stands.
//
// The window computes when it loads and when the user refreshes (F5); it
// does not follow changes made elsewhere while it stays open. 19 display
// rows show the accounts from the scroll bar's position on.

#include "accounts/views/amountview.h"

#include <QString>
#include <vector>

namespace accounts {

class frmTilienSaldot : public detail::AmountView {
    Q_OBJECT
public:
    frmTilienSaldot();
    ~frmTilienSaldot() override;

    // What the window holds: the account rows of the last computation (at
    // least 19; rows past the accounts are blank with zero amounts).
    int heldRowCount() const { return heldRowCount_; }
    int arraySize() const { return int(tili_.size()); }
    const QString& TiliText(int i) const { return tili_.at(size_t(i)); }

    // The refresh command (cPaivitaSaldot, mPaivitaSaldot).
    void PaivitaSaldot();

    // Controls besides the view's.
    QAction* mPaivitaSaldot = nullptr;
    QPushButton* cPaivitaSaldot = nullptr;
    QLabel* lblTiliHeader = nullptr;

    // Computes again from the book as it now is, as the refresh command does.
    void ReadBookAgain() override;

protected:
    void Load() override;
    void ShowRows() override;

private:
    void CreateRowControls(int n);
    void RemoveRowControls();
    void CalculateSaldot();

    int heldRowCount_ = 0;
    std::vector<QString> tili_;
};

}  // namespace accounts
