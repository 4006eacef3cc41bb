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

#include "accounts/views/rowdisplay.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/dao/date.h"
#include "platform/ui/forms.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace accounts {

class frmTilitarkastelu : public ui::Form {
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
    dao::Currency DebetAt(int i) const { return debet_.at(size_t(i)); }
    dao::Currency KreditAt(int i) const { return kredit_.at(size_t(i)); }
    dao::Currency ErotusAt(int i) const { return erotus_.at(size_t(i)); }

    // The refresh command (cPaivita, mPaivita, a line chosen in cmbTilit):
    // lists the chosen account; nothing when no line is chosen.
    void Paivita();
    void Tulosta();
    // cSulje and mSulje: the entries without account are listed, then the
    // window unloads.
    void Sulje();

    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mPaivita = nullptr;
    QAction* mTulosta = nullptr;
    QAction* mSulje = nullptr;
    QPushButton* cPaivita = nullptr;
    QLabel* lblTilinNimi = nullptr;
    QComboBox* cmbTilit = nullptr;
    QPushButton* cSulje = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPvmHeader = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDebetHeader = nullptr;
    QLabel* lblKreditHeader = nullptr;
    QLabel* lblErotusHeader = nullptr;
    QScrollBar* scrlBar = nullptr;
    QFrame* Frame2 = nullptr;
    QFrame* frameTiedot = nullptr;
    QFrame* Frame3 = nullptr;
    QLabel* lblYhteensa = nullptr;
    QLabel* lblDebetSumma = nullptr;
    QLabel* lblKreditSumma = nullptr;
    QLabel* lblErotusSumma = nullptr;

    const detail::RowDisplay& rows() const { return *rows_; }

    // Computes again from the book as it now is, as the refresh command does.
    void ReadBookAgain() override;

protected:
    void Load() override;

private:
    void FillTilit();
    void CreateRowControls();
    void CalculateTarkastelu(long id);
    void ShowRows();
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmTilitarkastelu"), QStringLiteral("Odottamaton virhe: ")); }};

    std::unique_ptr<detail::RowDisplay> rows_;
    bool noEntries_ = true;
    std::vector<long> numero_;
    std::vector<dao::Date> paiva_;
    std::vector<QString> selite_;
    std::vector<dao::Currency> debet_;
    std::vector<dao::Currency> kredit_;
    std::vector<dao::Currency> erotus_;
};

}  // namespace accounts
