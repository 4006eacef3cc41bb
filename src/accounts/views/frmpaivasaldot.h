#pragma once

// frmPaivaSaldot: the daily balances of one account, read-only. For the
// account chosen in cmbTilit, one line per day of the current financial
// year on which it has entries (vouchers numbered 0 or above): the day's
// debit and credit sums, their difference and the running balance - every
// earlier day of the year and that day, debit minus credit. The window
// writes nothing and has no print command. Choosing an account does not
// refresh by itself; the refresh button (F5) does.

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

class frmPaivaSaldot : public ui::Form {
    Q_OBJECT
public:
    // The client area, in twips.
    static constexpr int kWidthTwips = 10555;
    static constexpr int kHeightTwips = 7410;

    frmPaivaSaldot();
    ~frmPaivaSaldot() override;

    // What the last computation found: one slot per day, or one unfilled
    // slot with hasDays() false.
    bool hasDays() const { return hasDays_; }
    int slotCount() const { return int(paiva_.size()); }
    dao::Date PaivaAt(int i) const { return paiva_.at(size_t(i)); }
    dao::Currency DebetAt(int i) const { return debet_.at(size_t(i)); }
    dao::Currency KreditAt(int i) const { return kredit_.at(size_t(i)); }
    dao::Currency ErotusAt(int i) const { return erotus_.at(size_t(i)); }
    dao::Currency SaldoAt(int i) const { return saldo_.at(size_t(i)); }

    // cPaivita and mPaivita: computes the chosen account; nothing when no
    // line is chosen.
    void Paivita();
    void Sulje();

    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mPaivita = nullptr;
    QAction* mSulje = nullptr;
    QPushButton* cPaivita = nullptr;
    QLabel* lblTilinNimi = nullptr;
    QComboBox* cmbTilit = nullptr;
    QPushButton* cSulje = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* lblPvmHeader = nullptr;
    QLabel* lblDebetHeader = nullptr;
    QLabel* lblKreditHeader = nullptr;
    QLabel* lblErotusHeader = nullptr;
    QLabel* lblSaldoHeader = nullptr;
    QFrame* frameTiedot = nullptr;
    QScrollBar* scrlBar = nullptr;

    const detail::RowDisplay& rows() const { return *rows_; }

    // Computes again from the book as it now is, as the refresh command does.
    void ReadBookAgain() override;

protected:
    void Load() override;

private:
    void FillTilit();
    void CreateRowControls();
    void CalculatePaivaSaldot(long tlID);
    void ShowRows();
    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmPaivaSaldot"), QStringLiteral("Odottamaton virhe: ")); }};

    std::unique_ptr<detail::RowDisplay> rows_;
    bool hasDays_ = false;
    std::vector<dao::Date> paiva_;
    std::vector<dao::Currency> debet_;
    std::vector<dao::Currency> kredit_;
    std::vector<dao::Currency> erotus_;
    std::vector<dao::Currency> saldo_;
};

}  // namespace accounts
