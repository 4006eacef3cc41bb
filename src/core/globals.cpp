#include "core/globals.h"

namespace core {

void resetGlobals() {
    AppTitle = kAppTitleDefault;
    IniFileName = QStringLiteral("vevaravo.ini");
    DatabasePath.clear();
    DatabaseBackup.clear();
    Language.clear();
    MultiDb = false;
    TilikausiAlku = TilikausiLoppu = EdTilikausiAlku = EdTilikausiLoppu = dao::Date();
    LaskettavaTili = VoittoTaseella = LastModelForBudget = 0;
    LastPeriodForBudget = 2;
    VaakaTulostus = VanhatMallit = VanhatTositteet = AutomaattisestiUusiTosite = false;
    Kustannuspaikat = true;
    Email.clear();
    SMTP.clear();
    MargOik = MargVas = MargYla = MargAla = 0;
    Fontti = QStringLiteral("Times New Roman");
    FonttiKoko = 10;
    SeuranNimi.clear();
    RaporttiAlkuPvm = RaporttiLoppuPvm = dao::Date();
    NaytaTilinumerot = AaniKaytossa = false;
    TulostusKopioita = 1;
    ReportControlMargins = ReportMargins{};
}

}  // namespace core
