#pragma once

// The report globals the print dialog and the period dialogs hand back to
// the report commands. The report period itself (core::RaporttiAlkuPvm,
// core::RaporttiLoppuPvm) and the copies (core::TulostusKopioita) live with
// the other settings in core/globals.h.
//
// How the two cancel flags are kept (every report command relies on it):
//  - DialogiPeruttu belongs to the period dialogs (and the chart-of-accounts
//    model choice). Every one of them sets it True as it opens and False
//    only when accepted, so after any showing it tells exactly how that
//    showing ended. Only a command that has just shown such a dialog reads
//    it; a report without a period dialog never looks at it, and the print
//    dialog does not either, so a period dialog cancelled earlier can never
//    stop a later report that has none.
//  - TulostusPeruttu belongs to the print dialog, which sets it True as it
//    opens and False only when the user orders the print: closing it by the
//    close box or Esc is a cancel, never a print.

namespace reports {

// Print dialog: destination 0 preview window, 1 printer.
inline int TulostusLaite = 0;
// Print dialog: True when it ended without a print order.
inline bool TulostusPeruttu = false;

// Period dialogs: True when the last one was cancelled or closed.
inline bool DialogiPeruttu = false;
// frmDates: the wide statement layout (False: the narrow one).
inline bool RaporttiLaaja = false;
// frmDates: only the groups that have values.
inline bool VainRyhmat = false;
// frmDates, frmDates5: statement rows split by account.
inline bool TiliErottelu = false;
// frmDates, frmDates3, frmDates5, frmDates6: only accounts with entries.
inline bool VainTap = false;
// frmDates, frmDates6: kpID of the chosen cost centre, 0 = all.
inline long RaporttiKpID = 0;
// frmDates4: tlID of the chosen account, 0 = none.
inline long RaporttiTlID = 0;

// Puts the globals above back to their values at program start (tests, and
// a fresh start-up in the same process).
void ResetReportGlobals();

}  // namespace reports
