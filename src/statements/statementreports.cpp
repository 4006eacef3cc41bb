#include "statements/statementreports.h"

#include "accounts/kustannuspaikka.h"
#include "accounts/views/frmtilikartta.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/report/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statements/statements.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QProgressBar>

namespace statements {

using statement_models::frmNewTulosJaTase;

namespace {

const QString kWindow = QStringLiteral("frmNewTulosJaTase");

// Month and year as four digits: 31.3.2012 gives "0312".
QString F(const dao::Date& d) { return d.date().toString(QStringLiteral("MMyy")); }

void repaint(QWidget* w) {
    w->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// While a statement is computed the window shows the progress frame in
// place of the model editor; every way out shows the editor again.
class Laskenta {
public:
    explicit Laskenta(frmNewTulosJaTase& w) : w_(w), malliNakyvissa_(!w.frameMalli->isHidden()) {}
    ~Laskenta() { lopeta(); }
    void aloita() {
        w_.frameMalli->hide();
        w_.frameLasketaan->show();
        repaint(&w_);
    }
    void lopeta() {
        w_.frameLasketaan->hide();
        w_.frameMalli->setVisible(malliNakyvissa_);
    }

private:
    frmNewTulosJaTase& w_;
    bool malliNakyvissa_;
};

// The rows of a model, and the progress bar's range for them.
long rivimaara(dao::Database& db, long maID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT COUNT(mrID) AS Lkm FROM mr WHERE mrmaID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(maID)});
    const long n = rs.isEOF() ? 0 : core::NzLong(rs.value(QStringLiteral("Lkm")));
    rs.Close();
    return n;
}

void alustaPalkki(QProgressBar* bar, long n) {
    bar->setMinimum(0);
    bar->setMaximum(n != 0 ? int(n / 5 + n + 1) : 2);
    bar->setValue(0);
}

// A report error is shown with its number; the command then ends.
void ajaRaportti(report::ReportControl& rc) {
    try {
        rc.setAction(1);
    } catch (const report::ReportError& e) {
        core::ShowCritical(core::TranslateStr(kWindow, QStringLiteral("Odottamaton virhe: ")) + QString::number(e.number()) +
                           QStringLiteral(" / ") + e.description());
    }
}

report::ReportControl& valmisteleRaportti(const QString& file, bool separateSections) {
    reports::ResetReportFormulas();
    report::ReportControl& rc = reports::CrystalReport1();
    rc.setDestination(reports::TulostusLaite);
    rc.setCopiesToPrinter(core::TulostusKopioita);
    core::SetReportFonts(rc, separateSections);
    rc.setReportFileName(QDir(sys::AppPath()).filePath(file));
    return rc;
}

void asetaKaavat(report::ReportControl& rc, const QStringList& formulas) {
    for (int i = 0; i < formulas.size(); ++i) rc.setFormulas(i, formulas[i]);
}

QString kaava(const QString& name, const QString& value) { return reports::NamedFormula(name, value); }

// Tells which accounts have entries that the statement's models leave out,
// before the statement is printed; the figures stay as computed.
void kerroPuuttuvatTilit(dao::Database& db, long maID, const dao::Date& from, const dao::Date& to) {
    const std::vector<PuuttuvaTili> tilit = TilitMallienUlkopuolella(db, maID, from, to, Automaattiset::Mukana);
    if (tilit.empty()) return;
    QStringList rivit;
    for (const PuuttuvaTili& t : tilit) rivit << t.teksti();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                      QStringLiteral("Näillä tileillä on jaksolla vientejä, mutta ne eivät ole "
                                                     "tuloslaskelma- eivätkä tasemallin millään rivillä, joten "
                                                     "laskelmasta puuttuvat niiden viennit:")) +
                   QStringLiteral("\n\n") + rivit.join(QLatin1Char('\n')));
}

// The rows of an income statement for the period, computed into tula: the
// turnover, the automatic bookings, then the model's rows.
void laskeTuloslaskelmanRivit(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar, long n) {
    RakennaBudjettitositteet();
    bLiikevaihtoHiljaa = false;
    LaskeLiikevaihto(maID, start, end, bLiikevaihtoHiljaa, bar);
    bar->setValue(int(n / 10));
    TeeAutomaattikirjaukset(maID, start, end, bar, true);
    bar->setValue(int(n / 5));
    LaskeTuloslaskelma(maID, start, end, bar);
}

// The rows of a balance sheet up to end, computed into tase; start becomes
// the start of its financial year. False, once the user is told, when the
// model names no income statement to book the year's profit by.
bool laskeTaseenRivit(long maID, long tulosMaID, dao::Date& start, const dao::Date& end, QProgressBar* bar, long n) {
    bLiikevaihtoHiljaa = true;
    if (tulosMaID == 0) {
        core::ShowInfo(core::TranslateStr(kWindow, QStringLiteral("Tasemallille ei ole määritelty tuloslaskelmaa, "
                                                                  "jonka perusteella tilikauden voitto kirjataan.")));
        return false;
    }
    TeeAutomaattikirjaukset(tulosMaID, start, end, bar, true);
    bar->setValue(int(n / 5));
    // A balance sheet runs from the start of a financial year.
    start = start.date().year() == core::TilikausiAlku.date().year() ? core::TilikausiAlku : core::EdTilikausiAlku;
    bar->setMaximum(int(bar->maximum() - n / 5 + 1));
    LaskeTase(maID, start, end, bar);
    if (reports::VainRyhmat) KarsiTyhjatTaseRyhmat();
    PoistaTaseValirivit();
    return true;
}

// The report file of a statement, wide or short, and the section of the
// language file its texts are under.
struct LaskelmanRaportti {
    QString file;
    QString section;
};

LaskelmanRaportti laskelmanRaportti(bool tuloslaskelma, bool laaja) {
    if (tuloslaskelma)
        return {laaja ? QStringLiteral("tula.rpt") : QStringLiteral("tulas.rpt"),
                laaja ? QStringLiteral("RapTulaLaaja") : QStringLiteral("RapTulaSuppea")};
    return {laaja ? QStringLiteral("tase.rpt") : QStringLiteral("tases.rpt"),
            laaja ? QStringLiteral("RapTaseLaaja") : QStringLiteral("RapTaseSuppea")};
}

// The income statement's formulas after the association's name.
QStringList tuloslaskelmanKaavat(const QString& section, bool laaja, const dao::Date& start, const dao::Date& end,
                                 const accounts::cKustannuspaikka& kp) {
    auto T = [&section](const QString& text) { return core::TranslateStr(section, text); };
    QStringList f;
    f << kaava(QStringLiteral("Jakso"), F(start) + QLatin1Char('-') + F(end))
      << kaava(QStringLiteral("EdJakso"), F(start.addYears(-1)) + QLatin1Char('-') + F(end.addYears(-1)))
      << kaava(QStringLiteral("Tilikausi"), F(core::TilikausiAlku) + QLatin1Char('-') + F(core::TilikausiLoppu))
      << kaava(QStringLiteral("EdTilikausi"),
               F(core::EdTilikausiAlku) + QLatin1Char('-') + F(core::EdTilikausiLoppu))
      << kaava(QStringLiteral("Otsake"), T(QStringLiteral("Kirjanpidon tuloslaskelma : Ajalle :")) +
                                             QLatin1Char(' ') + start.toShortString() + QStringLiteral(" - ") +
                                             end.toShortString() +
                                             QLatin1Char(' ') + T(QStringLiteral("Tilikaudella :")) +
                                             QLatin1Char(' ') + core::TilikausiAlku.toShortString() +
                                             QStringLiteral(" - ") + core::TilikausiLoppu.toShortString())
      << kaava(QStringLiteral("OtsakeToteutunut"), T(QStringLiteral("Toteutunut")))
      << kaava(QStringLiteral("OtsakeTotEdell"), T(QStringLiteral("Tot. Edell.")));
    if (laaja)
        f << kaava(QStringLiteral("OtsakeMuutos"), T(QStringLiteral("Muutos")))
          << kaava(QStringLiteral("OtsakeMuutosPros"), T(QStringLiteral("Muutos-%")))
          << kaava(QStringLiteral("OtsakeProsLvasta"), T(QStringLiteral("%-Lvasta")));
    if (reports::RaporttiKpID != 0)
        f << kaava(QStringLiteral("Kustannuspaikka"), T(QStringLiteral("Kustannuspaikka:")) + QLatin1Char(' ') +
                                                      QString::number(kp.Numero()) + QLatin1Char(' ') + kp.Nimi());
    return f;
}

// The balance sheet's formulas after the association's name.
QStringList taseenKaavat(const QString& section, bool laaja, const dao::Date& start, const dao::Date& end) {
    auto T = [&section](const QString& text) { return core::TranslateStr(section, text); };
    QStringList f;
    if (laaja) {
        f << kaava(QStringLiteral("AlkuPvm"), F(start))
          << kaava(QStringLiteral("Jakso"), F(start) + QLatin1Char('-') + F(end))
          << kaava(QStringLiteral("LoppuPvm "), F(end))
          << kaava(QStringLiteral("EdLoppuPvm"), F(end.addYears(-1)))
          << kaava(QStringLiteral("Otsake"),
                   T(QStringLiteral("Kirjanpidon tase :")) + QLatin1Char(' ') + end.toShortString())
          << kaava(QStringLiteral("OtsakeAlkusaldo"), T(QStringLiteral("Alkusaldo")))
          << kaava(QStringLiteral("OtsakeLoppusaldo"), T(QStringLiteral("Loppusaldo")))
          << kaava(QStringLiteral("OtsakeMuutos"), T(QStringLiteral("Muutos")))
          << kaava(QStringLiteral("OtsakeMuutosEdVuodesta"), T(QStringLiteral("Muutos ed. vuodesta")));
    } else {
        f << kaava(QStringLiteral("LoppuPvm "), F(end))
          << kaava(QStringLiteral("EdLoppuPvm"), F(end.addYears(-1)))
          << kaava(QStringLiteral("Otsake"),
                   T(QStringLiteral("Kirjanpidon tase :")) + QLatin1Char(' ') + end.toShortString())
          << kaava(QStringLiteral("OtsakeLoppusaldo"), T(QStringLiteral("Loppusaldo")));
    }
    return f;
}

// Prints the statement computed, of the period from start to end.
void tulostaLaskelmanRaportti(bool tuloslaskelma, const dao::Date& start, const dao::Date& end,
                              const accounts::cKustannuspaikka& kp) {
    const bool laaja = reports::RaporttiLaaja;
    const LaskelmanRaportti raportti = laskelmanRaportti(tuloslaskelma, laaja);
    report::ReportControl& rc = valmisteleRaportti(raportti.file, !tuloslaskelma);
    QStringList f;
    f << kaava(QStringLiteral("Seurannimi"), core::SeuranNimi);
    f << (tuloslaskelma ? tuloslaskelmanKaavat(raportti.section, laaja, start, end, kp)
                        : taseenKaavat(raportti.section, laaja, start, end));
    asetaKaavat(rc, f);
    rc.setSortFields(0, tuloslaskelma ? QStringLiteral("+{tula.tulaID}") : QStringLiteral("+{tase.taseID}"));
    ajaRaportti(rc);
}

}  // namespace

// ================================================================ statement print

void TulostaLaskelma(frmNewTulosJaTase& w) {
    const bool tuloslaskelma = w.CurModel().Tyyppi() == statement_models::kTuloslaskelma;
    auto& dates = ui::Forms::load<reports::frmDates>();
    dates.EnableKustannuspaikatValinta(tuloslaskelma);
    ui::Forms::show(dates, true);
    dao::Date start = core::RaporttiAlkuPvm;
    const dao::Date end = core::RaporttiLoppuPvm;
    if (reports::DialogiPeruttu) return;

    w.Tallenna();
    const long maID = w.CurModel().id();
    const long tulosMaID = w.CurModel().TulosMaID();
    dao::Database db = core::DBCon().AvaaDB();
    TyhjennaTulaJaTase(db);

    QProgressBar* bar = w.pBar;
    const long n = rivimaara(db, maID);
    alustaPalkki(bar, n);
    Laskenta laskenta(w);
    laskenta.aloita();

    accounts::cKustannuspaikka kp;
    if (reports::RaporttiKpID != 0) kp.Read(reports::RaporttiKpID);

    if (tuloslaskelma) {
        laskeTuloslaskelmanRivit(maID, start, end, bar, n);
        if (reports::VainRyhmat) KarsiTyhjatTulaRyhmat();
        PoistaViimeinenTulaRivi();
    } else if (!laskeTaseenRivit(maID, tulosMaID, start, end, bar, n)) {
        return;
    }
    bar->setValue(bar->maximum());
    repaint(&w);
    laskenta.lopeta();
    repaint(&w);
    // The balance sheet sums the year's entries from its first day, whatever
    // the period's start.
    kerroPuuttuvatTilit(db, maID, tuloslaskelma ? start : core::TilikausiAlku, end);

    if (reports::AskPrintDestination()) tulostaLaskelmanRaportti(tuloslaskelma, start, end, kp);
    bar->setValue(0);
}

// ================================================================ budget comparison

void TulostaBudjettivertailu(frmNewTulosJaTase& w) {
    if (w.CurModel().IsEmpty() || w.CurModel().Tyyppi() == statement_models::kTase) {
        core::ShowInfo(core::TranslateStr(kWindow, QStringLiteral("Valitse tuloslaskelmamalli, jolle haluat "
                                                                  "budjettivertailun tulostaa.")));
        return;
    }
    w.Tallenna();
    const long maID = w.CurModel().id();
    dao::Database db = core::DBCon().AvaaDB();
    TyhjennaTulaJaTase(db);
    QProgressBar* bar = w.pBar;
    const long n = rivimaara(db, maID);
    alustaPalkki(bar, n);
    Laskenta laskenta(w);
    laskenta.aloita();

    ui::Forms::show<reports::frmDates5>(true);
    if (reports::DialogiPeruttu) return;
    const dao::Date start = core::RaporttiAlkuPvm;
    const dao::Date end = core::RaporttiLoppuPvm;

    laskeTuloslaskelmanRivit(maID, start, end, bar, n);
    PoistaViimeinenTulaRivi();
    bar->setValue(bar->maximum());
    repaint(&w);
    laskenta.lopeta();
    repaint(&w);
    kerroPuuttuvatTilit(db, maID, start, end);

    if (reports::AskPrintDestination()) {
        auto T = [](const QString& text) { return core::TranslateStr(QStringLiteral("RapTulaBudj"), text); };
        report::ReportControl& rc = valmisteleRaportti(QStringLiteral("tulabudj.rpt"), false);
        asetaKaavat(
            rc, {kaava(QStringLiteral("Seurannimi"), core::SeuranNimi),
                 kaava(QStringLiteral("Jakso"), F(start) + QLatin1Char('-') + F(end)),
                 kaava(QStringLiteral("EdJakso"), F(start.addYears(-1)) + QLatin1Char('-') + F(end.addYears(-1))),
                 kaava(QStringLiteral("Tilikausi"), F(core::TilikausiAlku) + QLatin1Char('-') + F(end)),
                 kaava(QStringLiteral("EdTilikausi"), F(core::EdTilikausiAlku) + QLatin1Char('-') + F(core::EdTilikausiLoppu)),
                 kaava(QStringLiteral("Otsake"), T(QStringLiteral("Kirjanpidon tuloslaskelma : Ajalle :")) +
                                                     QLatin1Char(' ') + start.toShortString() + QStringLiteral(" - ") +
                                                     end.toShortString() +
                                                     QLatin1Char(' ') + T(QStringLiteral("Tilikaudella :")) +
                                                     QLatin1Char(' ') + core::TilikausiAlku.toShortString() +
                                                     QStringLiteral(" - ") + core::TilikausiLoppu.toShortString()),
                 kaava(QStringLiteral("OtsakeBudjetoitu"), T(QStringLiteral("Budjetoitu"))),
                 kaava(QStringLiteral("OtsakeToteutunut"), T(QStringLiteral("Toteutunut"))),
                 kaava(QStringLiteral("OtsakeMuutos"), T(QStringLiteral("Muutos"))),
                 kaava(QStringLiteral("OtsakeMuutosPros"), T(QStringLiteral("Muutos-%")))});
        rc.setSortFields(0, QStringLiteral("+{tula.tulaID}"));
        ajaRaportti(rc);
    }
    bar->setValue(0);
}

// ================================================================ account list

void TulostaTililuettelo(frmNewTulosJaTase&) {
    dao::Database db = core::DBCon().AvaaDB();
    TyhjennaTk(db);
    ui::Forms::show<accounts::frmTilikartta>(true);
    if (reports::DialogiPeruttu || !accounts::TilikarttaMallitOK) return;

    if (!TeeTaseenTk(db, accounts::TilikarttaTaseMaID))
        core::ShowInfo(core::TranslateStr(kWindow, QStringLiteral("Tasemalli ei ole oikein.")) + QStringLiteral("\n\n") +
                       core::TranslateStr(kWindow, QStringLiteral("Suoraan mallin alla pitää olla vain 'Vastaavaa' ja "
                                                                  "'Vastattavaa' ryhmät.")));
    TeeTuloslaskelmanTk(db, accounts::TilikarttaTulosMaID);
    if (!reports::AskPrintDestination()) return;

    auto T = [](const QString& text) { return core::TranslateStr(QStringLiteral("RapTilikartta"), text); };
    report::ReportControl& rc = valmisteleRaportti(QStringLiteral("tilikart.rpt"), false);
    asetaKaavat(rc, {kaava(QStringLiteral("Seurannimi"), core::SeuranNimi),
                     kaava(QStringLiteral("Otsake"), T(QStringLiteral("Tilikartta ajalle")) + QLatin1Char(' ') +
                                                         core::TilikausiAlku.toShortString() + QStringLiteral(" - ") +
                                                         core::TilikausiLoppu.toShortString()),
                     kaava(QStringLiteral("OtsakeTilit"), T(QStringLiteral("Tilit")))});
    // From here on a failure of the run is not shown. The preview opens
    // maximised; when the control answers with its error 20691 the list is
    // run once more in a normal window. The control is left set to a
    // minimised window (the next report's reset sets it again).
    constexpr int kAjaUudelleen = 20691;
    auto aja = [&rc](int windowState) {
        try {
            rc.setWindowState(windowState);
            rc.setAction(1);
            return 0;
        } catch (const report::ReportError& e) {
            return e.number();
        } catch (const std::exception&) {
            return -1;
        }
    };
    if (aja(2) == kAjaUudelleen) aja(0);
    rc.setWindowState(1);
}

void RegisterStatementCommands() {
    frmNewTulosJaTase::SetPrintCommand(&TulostaLaskelma);
    frmNewTulosJaTase::SetBudgetComparisonCommand(&TulostaBudjettivertailu);
    frmNewTulosJaTase::SetAccountListCommand(&TulostaTililuettelo);
}

}  // namespace statements
