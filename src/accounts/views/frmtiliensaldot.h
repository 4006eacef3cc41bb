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

#include "accounts/views/rowdisplay.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/ui/forms.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace accounts {

class frmTilienSaldot : public ui::Form {
    Q_OBJECT
public:
    frmTilienSaldot();
    ~frmTilienSaldot() override;

    // What the window holds: the account rows of the last computation (at
    // least 19; rows past the accounts are blank with zero amounts).
    int heldRowCount() const { return heldRowCount_; }
    int arraySize() const { return int(tili_.size()); }
    const QString& TiliText(int i) const { return tili_.at(size_t(i)); }
    dao::Currency DebetAt(int i) const { return debet_.at(size_t(i)); }
    dao::Currency KreditAt(int i) const { return kredit_.at(size_t(i)); }
    dao::Currency ErotusAt(int i) const { return erotus_.at(size_t(i)); }

    // The refresh command (cPaivitaSaldot, mPaivitaSaldot).
    void PaivitaSaldot();
    // The print command (mTulosta).
    void Tulosta();
    // The close command (cSulje, mSulje).
    void Sulje();

    // Controls. The display rows are the arrays lblTili, lblDebet, lblKredit,
    // lblErotus and lineSeparator inside frameTiedot (rows()).
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mPaivitaSaldot = nullptr;
    QAction* mTulosta = nullptr;
    QAction* mSulje = nullptr;
    QPushButton* cPaivitaSaldot = nullptr;
    QPushButton* cSulje = nullptr;
    QScrollBar* scrlBar = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* lblTiliHeader = nullptr;
    QLabel* lblDebetHeader = nullptr;
    QLabel* lblKreditHeader = nullptr;
    QLabel* lblErotusHeader = nullptr;
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
    int CountTilit();
    void CreateRowControls(int n);
    void RemoveRowControls();
    void CalculateSaldot();
    void ShowRows();
    void setScrollMax(int entries);
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmTilienSaldot"), QStringLiteral("Odottamaton virhe: ")); }};

    std::unique_ptr<detail::RowDisplay> rows_;
    int heldRowCount_ = 0;
    std::vector<QString> tili_;
    std::vector<dao::Currency> debet_;
    std::vector<dao::Currency> kredit_;
    std::vector<dao::Currency> erotus_;
};

}  // namespace accounts
