#pragma once

// What the voucher tools' windows and the two voucher windows share: a list
// whose line is picked only by the user, window keys that win over the keys
// a text box or list would take itself (Ctrl+Z, Ctrl+A, ...), and the parts
// both voucher windows show alike: the voucher header, the menus
// "Tiedosto" and "Tositepohjat", and the template choices.

#include <QList>
#include <QListWidget>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <tuple>

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStandardItemModel;
class QWidget;

namespace vouchers {

// The voucher header of a voucher window: the group "Tosite" in parent, and
// in it the number, the date and the description with their labels (the
// labels of number and date named numeroLabel and pvmLabel). In that order:
// group, number label, number, date label, date, description label,
// description.
std::tuple<QGroupBox*, QLabel*, QLineEdit*, QLabel*, QLineEdit*, QLabel*, QLineEdit*> MakeVoucherHeader(
    QWidget* parent, const char* numeroLabel, const char* pvmLabel);

// The menu "Tiedosto" of a voucher window: the voucher check, the account
// views (F9 an account's daily balances, F6 the balances, F8 the account
// view; keys of the whole window) and the close item captioned
// closeCaption. In that order: menu, check, daily balances, balances,
// account view, close.
std::tuple<QMenu*, QAction*, QAction*, QAction*, QAction*, QAction*> AddFileMenu(QMenuBar* bar, QWidget* window,
                                                                               const char* closeCaption);

// The menu "Tositepohjat" of a voucher window: the editor item, a separator
// and the first template item "mTositepohjaX(0)", appended to items. The
// menu and the editor item.
std::tuple<QMenu*, QAction*> AddTemplateMenu(QMenuBar* bar, QList<QAction*>& items);

// Shows the stored templates in a voucher window's template choices: a menu
// item each in name order (items[0] stays, hidden when there is no template;
// the others are made anew after it, each named "mTositepohjaX(i)" and
// handed to added), and the quick-choice buttons 1 to 4 (buttons[n]: its
// template's name after "(&n) ", or hidden, disabled and blank when no
// template has the number). A name's ampersand is shown as it is.
void ShowTemplateChoices(QMenu* menu, QList<QAction*>& items, const std::array<QPushButton*, 5>& buttons,
                         const std::function<void(QAction* item, int i)>& added = {});

// How many entry rows the voucher window and the template window show.
inline constexpr int kEntryRows = 6;

// The entry rows of the voucher window and the template window (each holds
// them as its own controls): the six column headings and, for each row, its
// account and cost-centre combos and its amount boxes.
struct EntryRowControls {
    QLabel* lblDebetTili = nullptr;
    QLabel* lblDebetKP = nullptr;
    QLabel* lblDebetSums = nullptr;
    QLabel* lblKreditSums = nullptr;
    QLabel* lblKreditKP = nullptr;
    QLabel* lblKreditTili = nullptr;
    std::array<QComboBox*, kEntryRows> cmbDebetTili{};
    std::array<QComboBox*, kEntryRows> cmbDebetKP{};
    std::array<QLineEdit*, kEntryRows> tDebetSumma{};
    std::array<QLineEdit*, kEntryRows> tKreditSumma{};
    std::array<QComboBox*, kEntryRows> cmbKreditKP{};
    std::array<QComboBox*, kEntryRows> cmbKreditTili{};
};

// Makes the entry rows in frame and lays them out in a grid on it, the
// headings in its row 0 and the rows in rows 1 to kEntryRows, each control
// named "name(i)" for its array: the account combos over tiliModel and the
// cost-centre combos over kpModel (the lists the row combos share; typed
// text matched to an item when the box is left), and the amount boxes. The
// grid, for the caller to lay out the rest.
QGridLayout* MakeEntryRows(EntryRowControls& r, QWidget* frame, QStandardItemModel* tiliModel,
                           QStandardItemModel* kpModel);

// Fills the row combos' lists anew from the book: a blank line (no account,
// no cost centre), then the accounts by number as "number name", or the
// cost centres by number; each line carries its record's id.
void FillAccountModel(QStandardItemModel* model);
void FillCostCentreModel(QStandardItemModel* model);

// A list whose choosing of a line loads something: taking the focus by
// the keyboard does not pick a line by itself, as an item view otherwise
// would; a line is picked by the user (mouse or arrow keys) or by the
// window.
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace vouchers
