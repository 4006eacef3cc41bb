#pragma once

// The shared settings of the running program: the program-wide settings of
// the ini file and the settings of the open association's book. Every window
// and computation reads them from here; the settings store fills them.

#include "platform/dao/date.h"

#include <QString>

namespace core {

inline const QString kAppTitleDefault = QStringLiteral("Kolvio VEV");

inline QString AppTitle = kAppTitleDefault;
inline QString IniFileName = QStringLiteral("vevaravo.ini");

// Ini file, section "KOLVIO".
inline QString DatabasePath;
inline QString DatabaseBackup;
inline QString Language;
inline bool MultiDb = false;

// The association's Settings table, section "KOLVIO".
inline dao::Date TilikausiAlku;
inline dao::Date TilikausiLoppu;
inline dao::Date EdTilikausiAlku;
inline dao::Date EdTilikausiLoppu;
inline long LaskettavaTili = 0;
inline long VoittoTaseella = 0;
inline long LastModelForBudget = 0;
inline int LastPeriodForBudget = 2;
inline bool VaakaTulostus = false;
inline bool VanhatMallit = false;
inline bool VanhatTositteet = false;
inline bool AutomaattisestiUusiTosite = false;
inline bool Kustannuspaikat = true;
inline QString Email;
inline QString SMTP;
// Report margins in millimetres (a fraction allowed).
inline double MargOik = 0;
inline double MargVas = 0;
inline double MargYla = 0;
inline double MargAla = 0;
inline QString Fontti = QStringLiteral("Times New Roman");
inline int FonttiKoko = 10;

// The association's name: caption of the main window and heading of reports.
inline QString SeuranNimi;

// Report period and switches set at each load of the association's settings.
inline dao::Date RaporttiAlkuPvm;
inline dao::Date RaporttiLoppuPvm;
inline bool NaytaTilinumerot = false;
inline bool AaniKaytossa = false;
inline int TulostusKopioita = 1;

// Page margins handed to the shared report control, in its units
// (millimetres multiplied by 48): bottom, left, right, top.
struct ReportMargins {
    int bottom = 0;
    int left = 0;
    int right = 0;
    int top = 0;
};
inline ReportMargins ReportControlMargins;

// Puts every global back to its value at program start (used by tests and
// before a fresh start-up in the same process).
void resetGlobals();

}  // namespace core
