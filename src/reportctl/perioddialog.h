#pragma once

// The common part of the period dialogs frmDates, frmDates2 ... frmDates6:
// two date fields for the first and last day of the report period, the
// accept button "Seuraava -->" (Enter) and the hidden cancel "Peru" (Esc).
// Each member adds its own report options (frmdates.h).
//
// A showing, as its opener uses it:
//   auto& d = ui::Forms::get<frmDates3>();
//   ui::Forms::show(d, true);          // loads it afresh, returns when it has gone
//   if (reports::DialogiPeruttu) return;
//   ... core::RaporttiAlkuPvm, core::RaporttiLoppuPvm and the member's globals
//
// Loading sets DialogiPeruttu True and shows the last accepted period
// (core::RaporttiAlkuPvm / RaporttiLoppuPvm; an unset date as an empty
// field). Acceptance refuses a field that holds no date (core/ui/datebox.h:
// the user is asked for the date in date form, the field shows its date
// again, the dialog stays open);
// otherwise it sets DialogiPeruttu False, stores the period (a field still
// empty from the load gives the first or last day of the financial year) and
// the member's options, and unloads the dialog; cancel, Esc and the close box
// unload it with DialogiPeruttu True and every other global unchanged.
//
// Leaving a date field checks it: a text that is no date is refused alike;
// a date outside the financial year is moved one year towards it,
// and when it still lies outside, the field shows the date as typed, tells
// the user so and takes the focus back - once per edit of the field, so two
// fields never pull the focus from each other for ever.

#include "core/records/lists.h"
#include "reportctl/dialogform.h"

#include "platform/dao/date.h"

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace reports {

class PeriodDialog : public DialogForm {
    Q_OBJECT
public:
    // The item data of the item chosen in combo, 0 when none is chosen. In
    // a combo that takes typing, a text that is not the chosen item's text
    // is no choice.
    static long ChosenItemData(const QComboBox* combo);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* tAlkupvm = nullptr;
    QLineEdit* tLoppupvm = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cPeru = nullptr;

protected:
    PeriodDialog(const QString& name, int widthTwips, int heightTwips);

    void Load() override;
    // Member steps of the load before and after the dates are shown.
    virtual void loadBeforeDates() {}
    virtual void loadAfterDates() {}
    // The member's globals on acceptance, after the period.
    virtual void acceptOptions() {}

    // Layout pieces for the members: the labels and date fields as a grid,
    // and the row of the accept button.
    QGridLayout* datesGrid();
    QLayout* buttonRow();

    // Fills a combo with the blank item " " (data 0) and one item per line
    // that readLines gives: number, a blank and the name, with the key as
    // item data. No item is chosen afterwards. A read that fails leaves the
    // blank item and tells the user.
    void fillCombo(QComboBox* combo, const std::function<std::vector<core::ListLine>()>& readLines);

private:
    enum Field { Start = 0, End = 1 };
    void leaveDate(Field which);
    // The message for a field whose text is no date.
    QString notADate(Field which) const;
    void later(std::function<void()> step);
    void accept();
    void cancel();

    bool focusReturned_[2] = {false, false};
};

}  // namespace reports
