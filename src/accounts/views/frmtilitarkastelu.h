#pragma once

// frmTilitarkastelu: the entries of one account, read-only. The user picks
// the account in cmbTilit; the window lists its entries of the current
// year's vouchers numbered 0 or above in voucher-date order - voucher
// number, date and text, the amount in the debit or the credit column and
// the row's difference - with the totals below. Every listing also rewrites
// the work table tlTarkastelut, which the print command prints
// (tilitark.rpt) as it stands.
//
// At load, before any account is chosen, the entries that carry no account
// are listed (normally none); closing with cSulje lists them once more.
// The account list is read at load only.

#include "accounts/views/amountview.h"
#include "platform/dao/date.h"

#include <QString>
#include <vector>

class QComboBox;

namespace accounts {

class frmTilitarkastelu : public detail::AmountView {
    Q_OBJECT
public:
    frmTilitarkastelu();
    ~frmTilitarkastelu() override;

    // What the last listing found: one array entry per listed entry, or
    // one blank entry with noEntries() set.
    bool noEntries() const { return noEntries_; }
    int arraySize() const { return int(numero_.size()); }
    long NumeroAt(int i) const { return numero_.at(size_t(i)); }
    dao::Date PaivaAt(int i) const { return paiva_.at(size_t(i)); }
    const QString& SeliteAt(int i) const { return selite_.at(size_t(i)); }

    // The refresh command (cPaivita, mPaivita, a line chosen in cmbTilit):
    // lists the chosen account; nothing when no line is chosen.
    void Paivita();
    // cSulje and mSulje: the entries without account are listed, then the
    // window unloads.
    void Sulje() override;

    // Controls besides the view's.
    QAction* mPaivita = nullptr;
    QPushButton* cPaivita = nullptr;
    QLabel* lblTilinNimi = nullptr;
    QComboBox* cmbTilit = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPvmHeader = nullptr;
    QLabel* Label3 = nullptr;

    // Computes again from the book as it now is, as the refresh command does.
    void ReadBookAgain() override;

protected:
    void Load() override;
    void ShowRows() override;

private:
    void FillTilit();
    void CreateRowControls();
    void CalculateTarkastelu(long id);

    bool noEntries_ = true;
    std::vector<long> numero_;
    std::vector<dao::Date> paiva_;
    std::vector<QString> selite_;
};

}  // namespace accounts
