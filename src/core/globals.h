#pragma once

// The shared settings of the running program: the program-wide settings of
// the ini file and the settings of the open association's book. Every window
// and computation reads them from here; the settings store fills them.

#include "platform/dao/date.h"

#include <QString>
#include <optional>

namespace core {

inline const QString kAppTitleDefault = QStringLiteral("Kolvio VEV");

inline QString AppTitle = kAppTitleDefault;
inline QString IniFileName = QStringLiteral("vevaravo.ini");

// Page margins handed to the shared report control, in its units
// (millimetres multiplied by 48): bottom, left, right, top.
struct ReportMargins {
    int bottom = 0;
    int left = 0;
    int right = 0;
    int top = 0;

    bool operator==(const ReportMargins&) const = default;
};

// Every setting that a save or a load of the stores changes, with its value
// at program start. They are kept together so that a step that fails puts
// all of them back by one copy (a snapshot of CurrentSettings): a new
// setting is a member here, and its global below is a name of that member.
struct Settings {
    // Ini file, section "KOLVIO".
    QString DatabasePath;
    QString DatabaseBackup;
    QString Language;
    bool MultiDb = false;

    // The association's Settings table, section "KOLVIO".
    dao::Date TilikausiAlku;
    dao::Date TilikausiLoppu;
    dao::Date EdTilikausiAlku;
    dao::Date EdTilikausiLoppu;
    long LaskettavaTili = 0;
    long VoittoTaseella = 0;
    long LastModelForBudget = 0;
    int LastPeriodForBudget = 2;
    bool VaakaTulostus = false;
    bool VanhatMallit = false;
    bool VanhatTositteet = false;
    bool AutomaattisestiUusiTosite = false;
    bool Kustannuspaikat = true;
    QString Email;
    QString SMTP;
    // Report margins in millimetres (a fraction allowed).
    double MargOik = 0;
    double MargVas = 0;
    double MargYla = 0;
    double MargAla = 0;
    QString Fontti = QStringLiteral("Times New Roman");
    int FonttiKoko = 10;

    // The association's name: caption of the main window and heading of reports.
    QString SeuranNimi;

    // Report period and switches set at each load of the association's settings.
    dao::Date RaporttiAlkuPvm;
    dao::Date RaporttiLoppuPvm;
    bool NaytaTilinumerot = false;
    bool AaniKaytossa = false;

    // The margins above as the report control takes them.
    ReportMargins ReportControlMargins;

    bool operator==(const Settings&) const = default;
};

inline Settings CurrentSettings;

inline constinit QString& DatabasePath = CurrentSettings.DatabasePath;
inline constinit QString& DatabaseBackup = CurrentSettings.DatabaseBackup;
inline constinit QString& Language = CurrentSettings.Language;
inline constinit bool& MultiDb = CurrentSettings.MultiDb;
inline constinit dao::Date& TilikausiAlku = CurrentSettings.TilikausiAlku;
inline constinit dao::Date& TilikausiLoppu = CurrentSettings.TilikausiLoppu;
inline constinit dao::Date& EdTilikausiAlku = CurrentSettings.EdTilikausiAlku;
inline constinit dao::Date& EdTilikausiLoppu = CurrentSettings.EdTilikausiLoppu;
inline constinit long& LaskettavaTili = CurrentSettings.LaskettavaTili;
inline constinit long& VoittoTaseella = CurrentSettings.VoittoTaseella;
inline constinit long& LastModelForBudget = CurrentSettings.LastModelForBudget;
inline constinit int& LastPeriodForBudget = CurrentSettings.LastPeriodForBudget;
inline constinit bool& VaakaTulostus = CurrentSettings.VaakaTulostus;
inline constinit bool& VanhatMallit = CurrentSettings.VanhatMallit;
inline constinit bool& VanhatTositteet = CurrentSettings.VanhatTositteet;
inline constinit bool& AutomaattisestiUusiTosite = CurrentSettings.AutomaattisestiUusiTosite;
inline constinit bool& Kustannuspaikat = CurrentSettings.Kustannuspaikat;
inline constinit QString& Email = CurrentSettings.Email;
inline constinit QString& SMTP = CurrentSettings.SMTP;
inline constinit double& MargOik = CurrentSettings.MargOik;
inline constinit double& MargVas = CurrentSettings.MargVas;
inline constinit double& MargYla = CurrentSettings.MargYla;
inline constinit double& MargAla = CurrentSettings.MargAla;
inline constinit QString& Fontti = CurrentSettings.Fontti;
inline constinit int& FonttiKoko = CurrentSettings.FonttiKoko;
inline constinit QString& SeuranNimi = CurrentSettings.SeuranNimi;
inline constinit dao::Date& RaporttiAlkuPvm = CurrentSettings.RaporttiAlkuPvm;
inline constinit dao::Date& RaporttiLoppuPvm = CurrentSettings.RaporttiLoppuPvm;
inline constinit bool& NaytaTilinumerot = CurrentSettings.NaytaTilinumerot;
inline constinit bool& AaniKaytossa = CurrentSettings.AaniKaytossa;
inline constinit ReportMargins& ReportControlMargins = CurrentSettings.ReportControlMargins;

// Printed copies until the print dialog changes it.
inline int TulostusKopioita = 1;

// A financial year the program cannot work in: one that ends before it
// begins, where no date lies, or one with a date outside the years 100 to
// 9999, which no date of a book can take.
struct BrokenYear {
    bool previous = false;  // the previous financial year; else the current one
    bool outsideYears = false;  // a date outside the years 100 to 9999; else it ends before it begins
    dao::Date alku;
    dao::Date loppu;
};
// The book's year that start-up refused to take into use, because it ends
// before it begins; the program then works in no year until the settings
// window stores one (see TilikausiEiKaytossa).
inline std::optional<BrokenYear> HylattyTilikausi;

// Puts every global back to its value at program start (used by tests and
// before a fresh start-up in the same process).
void resetGlobals();

}  // namespace core
