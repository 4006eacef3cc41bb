#pragma once

// The one report control of the program and what every report does with it
// before setting its own values.
//
// A report command, once its period dialog (if it has one) and the print
// dialog have returned without a cancel, calls ResetReportFormulas and then
// sets on CrystalReport1(), in this order: the definition file, the
// destination (TulostusLaite), the copies (core::TulostusKopioita), the
// selection formula, the section fonts (core::SetReportFonts), the named
// formulas from slot 0 up (NamedFormula), the sort fields, and runs it
// (setAction(1)). Whatever a report leaves set stays for the next one unless
// that one or the reset overwrites it.

#include <QString>

namespace report {
class ReportControl;
}

namespace reports {

// The control, created on first use; the same instance for the whole run
// of the program (the main window hands out this one too). Its own texts
// go through the program's translator (core::TranslateStr).
report::ReportControl& CrystalReport1();

// The start-up settings of the control: the preview window opens at the
// screen's corner (left and top 0), and the margins of the association's
// settings. Errors are ignored.
void InitReportControl();

// Hands the margins of the association's settings (core::ReportControlMargins,
// millimetres times 48) to the control. The reset does this too, so every
// report prints with the margins of the settings in force.
void ApplyReportMargins();

// Prepares the control for the next report; every step is attempted and a
// failing one skipped silently:
//  - the preview window opens maximised,
//  - data files 0..24 = core::DatabasePath,
//  - the selection formula, named formulas 0..20 and sort fields 0..10 emptied,
//  - the margins of the settings applied.
// The definition file, destination, copies, section fonts and printer stay
// as they are.
void ResetReportFormulas();

// A named formula as the control takes it: name, "= '", the value as it
// stands, "'". The control reads the value between the first and the last
// quote, so a quote inside the value ("Pelle's") prints as typed.
QString NamedFormula(const QString& name, const QString& value);

}  // namespace reports
