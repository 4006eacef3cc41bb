#pragma once

// What the account views share: how they write a date with its time, the
// print command of a work table, and the account choice of a combo box.
// Amounts show in the currency form of every window
// (dao::Currency::toCurrencyString).

#include "platform/dao/currency.h"
#include "platform/dao/date.h"

#include <QString>

class QComboBox;

namespace accounts::detail {

// A date in the general form: the short date, with the time after it when
// the value has one.
QString GeneralDateText(const dao::Date& date);

// Prints a work table of a view: asks for the destination in the print
// dialog (nothing more when it is cancelled), resets the report control
// and runs the definition file of the program folder with the association's
// name and the heading as its formulas and the table's key as sort field.
// Nothing is computed: the report shows the table as it stands.
void PrintWorkTable(const QString& definitionFile, const QString& heading, const QString& sortField);

// The item data of the line chosen in the combo box; false when
// no line is chosen (typing into an editable combo's text leaves none
// chosen unless the text is a line's text).
bool ChosenItemData(const QComboBox* combo, long* data);

// Fills an account combo: a first line of one blank with data 0, then
// "number name" for each account in number order, data tlID. No line is
// chosen afterwards.
void FillAccountCombo(QComboBox* combo);

}  // namespace accounts::detail
