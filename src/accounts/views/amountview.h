#pragma once

// AmountView: what the balances of all accounts (frmTilienSaldot) and the
// entries of one account (frmTilitarkastelu) share. Each shows rows that
// end in three amounts - debit, credit and their difference - 19 at a time
// from the scroll bar's position, with the column headings above them and
// the totals below; its menu refreshes (F5), prints (F7) and closes. Every
// computation rewrites the view's work table, which the print prints as it
// stands.

#include "accounts/views/rowdisplay.h"
#include "core/ui/commanderrors.h"
#include "platform/dao/currency.h"
#include "platform/ui/forms.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;

namespace accounts::detail {

class AmountView : public ui::Form {
    Q_OBJECT
public:
    ~AmountView() override;

    // The amounts of the held row i (0 past the view's rows).
    dao::Currency DebetAt(int i) const { return debet_.at(size_t(i)); }
    dao::Currency KreditAt(int i) const { return kredit_.at(size_t(i)); }
    dao::Currency ErotusAt(int i) const { return erotus_.at(size_t(i)); }

    // The print command (mTulosta).
    void Tulosta();
    // The close command (cSulje, mSulje).
    virtual void Sulje();

    // Controls. The display rows are the arrays of the view's columns and
    // lineSeparator inside frameTiedot (rows()).
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTulosta = nullptr;
    QAction* mSulje = nullptr;
    QPushButton* cSulje = nullptr;
    QScrollBar* scrlBar = nullptr;
    QFrame* Frame1 = nullptr;
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

    const RowDisplay& rows() const { return *rows_; }

protected:
    // What the print prints: the definition file of the program folder, the
    // heading (translated in the window's section) and the sort field.
    struct Print {
        QString definition;
        QString heading;
        QString sortField;
    };
    // The places of the amount columns, in twips.
    struct AmountColumns {
        int debetLeft, kreditLeft, erotusLeft, width;
    };
    AmountView(const QString& name, Print print);

    // The menu bar; its refresh item, named refreshName, comes first.
    QAction* buildMenu(const char* refreshName, const QString& refreshCaption);
    // The rows (the leading columns, then the amounts), the totals under
    // them ("Yhteensä" at its place) and the headings above (the leading
    // ones, then the amounts'), and the scroll bar.
    void buildRows(std::vector<RowColumn> leading, std::initializer_list<StripLabel> leadingHeadings,
                   const StripLabel& yhteensa, AmountColumns amounts);
    // The page with the command row top (the window has made cSulje on it);
    // close and print are connected.
    void layOut(QHBoxLayout* top);

    // Makes room for n rows, every amount 0.
    void clearAmounts(size_t n);
    // The difference of every held row, and the totals under the rows.
    void showTotals();
    // The display from the scroll position: count rows, leading(i) giving
    // row i's texts before its amounts.
    void showRows(int count, const std::function<QStringList(int)>& leading);
    virtual void ShowRows() = 0;

    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run;
    std::unique_ptr<RowDisplay> rows_;
    std::vector<dao::Currency> debet_;
    std::vector<dao::Currency> kredit_;
    std::vector<dao::Currency> erotus_;

private:
    Print print_;
};

}  // namespace accounts::detail
