#pragma once

// frmTulostus: the print dialog of every report. It asks where the report
// goes (preview window or printer) and how many copies, lets the user pick
// another printer for the shared report control (an installed printer or
// the PDF printer), and hands its answer back through TulostusPeruttu,
// TulostusLaite (reportglobals.h) and core::TulostusKopioita. The PDF
// file of a report for the PDF printer is asked once: in the printer
// choice, when the user picks the PDF printer there, otherwise by the run
// (AskPdfFile), which knows the report's title to propose a name from.
// Each showing loads it afresh and every ending (print, cancel, Esc, the
// close box) unloads it.
//
// TulostusPeruttu is True from the opening until the print button has
// settled the copies, so closing the dialog in any other way is a cancel.
// The dialog does not look at the period dialogs' DialogiPeruttu: a report
// with a period dialog has stopped before it gets here when that was
// cancelled, and a report without one must not be stopped by an old value.

#include "reportctl/dialogform.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace reports {

class frmTulostus : public DialogForm {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 5670;
    static constexpr int kHeightTwips = 2085;

    frmTulostus();

    // A copies text as a count: a whole number (core::ReadWholeNumber:
    // a decimal part is rounded, halves to even) within the 16-bit range;
    // nothing for any other text.
    static std::optional<int> ReadCopies(const QString& text);

    QLabel* Label1 = nullptr;
    QComboBox* cmbTulostusLaite = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* tKopioita = nullptr;
    QPushButton* cTulosta = nullptr;
    QPushButton* cPeruTulostus = nullptr;
    QPushButton* cTulostin = nullptr;

protected:
    void Load() override;

private:
    void print();
    void cancel();
    void changePrinter();
};

// The print dialog shown modally, as every report command asks for its
// destination: true when the user ordered the print (TulostusLaite and
// core::TulostusKopioita then hold the answer), false when cancelled.
bool AskPrintDestination();

// The question for the PDF file of a report run on the PDF printer, proposing
// the file proposed: the file chosen ("" when cancelled), with ".pdf" after a
// name typed without an extension.
QString AskPdfFile(const QString& proposed);

}  // namespace reports
