#include "ledger_reports/ledgercommands.h"

#include "accounts/kustannuspaikka.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"

#include <QDir>
#include <QLocale>
#include <exception>

namespace ledger {

namespace {

enum class Komento { Paakirja, Paivakirja };

const QString kLegacyWindow = QStringLiteral("frmTositteet");

// ---- Texts of the caller's window section.

QString noRecordText(const QString& window) {
    if (window == kLegacyWindow)
        return core::TranslateStr(QStringLiteral("frmTositteet"), QStringLiteral("Tietuetta ei ole valittuna."));
    return core::TranslateStr(QStringLiteral("frmNewTositteet"), QStringLiteral("Tietuetta ei ole valittuna."));
}

// Only the voucher window tells these; the older window's commands end
// without a message.
QString failurePrefix(Komento komento) {
    if (komento == Komento::Paivakirja)
        return core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                  QStringLiteral("Päiväkirjaa tulostettaessa tapahtui virhe: "));
    return core::TranslateStr(QStringLiteral("frmNewTositteet"),
                              QStringLiteral("Pääkirjaa tulostettaessa tapahtui virhe: "));
}

void reportFailure(const LedgerCaller& caller, Komento komento, int number, const QString& description) {
    if (number == dao::err::NoCurrentRecord) {
        core::ShowInfo(noRecordText(caller.windowName));
        return;
    }
    if (caller.legacyWindow) return;
    core::ShowInfo(failurePrefix(komento) + QString::number(number) + QStringLiteral(" : ") + description);
}

// Runs a command; a failure ends it and is reported to the user.
void guarded(const LedgerCaller& caller, Komento komento, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception&) {
        const std::exception_ptr e = std::current_exception();
        reportFailure(caller, komento, core::ErrorNumber(e).value_or(0), core::ErrorText(e));
    }
}

dao::Database callerDatabase(const LedgerCaller& caller) {
    return caller.database ? caller.database() : core::DBCon().AvaaDB();
}

// Shows a period dialog modally, loaded afresh; true when accepted.
template <class Dialog>
bool askPeriod() {
    Dialog& d = ui::Forms::load<Dialog>();
    ui::Forms::show(d, true);
    return !reports::DialogiPeruttu;
}

// The book's own vouchers numbered below 0 are told, and the report is not
// made: it would leave them out as if they were the program's work
// vouchers. True when there is none.
bool eiAlleNollan(dao::Database& db) {
    const std::vector<AlleNollanTosite> tositteet = AlleNollanTositteet(db);
    if (tositteet.empty()) return true;
    QStringList rivit;
    for (const AlleNollanTosite& t : tositteet) {
        const QString pvm = t.pvm.kind() == dao::Variant::Kind::Date ? t.pvm.toDate().toShortString() : QString();
        rivit << QString::number(t.numero) + QLatin1Char(' ') + pvm + QLatin1Char(' ') + t.selite;
    }
    core::ShowInfo(core::TranslateStr(QStringLiteral("Yleiset"),
                                      QStringLiteral("Raporttia ei tehty. Kirjanpidossa on tositteita, joiden numero "
                                                     "on alle nollan: ohjelma numeroi niin vain omat työtositteensa, "
                                                     "joita pää- ja päiväkirja eivät näytä. Anna näille tositteille "
                                                     "numero 0 tai suurempi:")) +
                   QStringLiteral("\n\n") + rivit.join(QLatin1Char('\n')));
    return false;
}

// ---- Captions handed to the definitions.

QString paakirjaTitle(Raporttitila tila) {
    switch (tila) {
    case Raporttitila::Avausviennit:
        return core::TranslateStr(QStringLiteral("RapPaakirja"), QStringLiteral("Pääkirja - Avausviennit --"));
    case Raporttitila::Paatosviennit:
        return core::TranslateStr(QStringLiteral("RapPaakirja"), QStringLiteral("Pääkirja - Tilinpäätösviennit --"));
    case Raporttitila::Tavalliset: break;
    }
    return core::TranslateStr(QStringLiteral("RapPaakirja"), QStringLiteral("Pääkirja --"));
}

QString paivakirjaTitle(Raporttitila tila) {
    switch (tila) {
    case Raporttitila::Avausviennit:
        return core::TranslateStr(QStringLiteral("RapPaivakirja"), QStringLiteral("Päiväkirja - Avausviennit --"));
    case Raporttitila::Paatosviennit:
        return core::TranslateStr(QStringLiteral("RapPaivakirja"),
                                  QStringLiteral("Päiväkirja - Tilinpäätösviennit --"));
    case Raporttitila::Tavalliset: break;
    }
    return core::TranslateStr(QStringLiteral("RapPaivakirja"), QStringLiteral("Päiväkirja --"));
}

// Slots 2.. of the general ledger and the one-account report.
void setPaakirjaCaptions(report::ReportControl& rc) {
    const QString s = QStringLiteral("RapPaakirja");
    using reports::NamedFormula;
    rc.setFormulas(2, NamedFormula(QStringLiteral("OtsakeTosite"), core::TranslateStr(s, QStringLiteral("Tosite"))));
    rc.setFormulas(3, NamedFormula(QStringLiteral("OtsakePvm"), core::TranslateStr(s, QStringLiteral("Pvm"))));
    rc.setFormulas(4, NamedFormula(QStringLiteral("OtsakeTili"), core::TranslateStr(s, QStringLiteral("Tili"))));
    rc.setFormulas(5, NamedFormula(QStringLiteral("OtsakeDebet"), core::TranslateStr(s, QStringLiteral("Debet"))));
    rc.setFormulas(6, NamedFormula(QStringLiteral("OtsakeKredit"), core::TranslateStr(s, QStringLiteral("Kredit"))));
    rc.setFormulas(7, NamedFormula(QStringLiteral("OtsakeSelite"), core::TranslateStr(s, QStringLiteral("Selite"))));
    rc.setFormulas(8, NamedFormula(QStringLiteral("OtsakeAlkusaldo"),
                                   core::TranslateStr(s, QStringLiteral("Alkusaldo:"))));
    rc.setFormulas(9, NamedFormula(QStringLiteral("OtsakeLoppusaldo"),
                                   core::TranslateStr(s, QStringLiteral("Loppusaldo:"))));
    if (core::Kustannuspaikat)
        rc.setFormulas(10, NamedFormula(QStringLiteral("OtsakeKP"), core::TranslateStr(s, QStringLiteral("KP"))));
}

// The reset control with the definition, destination and copies of the
// print dialog's answer.
report::ReportControl& preparedControl(const QString& file) {
    reports::ResetReportFormulas();
    report::ReportControl& rc = reports::CrystalReport1();
    rc.setReportFileName(QDir(sys::AppPath()).filePath(file));
    rc.setDestination(reports::TulostusLaite);
    rc.setCopiesToPrinter(core::TulostusKopioita);
    return rc;
}

// The general ledger and the cost-centre ledger.
void paakirja(const LedgerCaller& caller, bool kustannuspaikalle) {
    if (caller.save) caller.save();
    dao::Database book = callerDatabase(caller);
    if (!eiAlleNollan(book)) return;
    dao::Database shared;
    NollaaTilienSaldot(shared);
    const bool accepted = kustannuspaikalle ? askPeriod<reports::frmDates6>() : askPeriod<reports::frmDates3>();
    const dao::Date start = core::RaporttiAlkuPvm;
    const dao::Date end = core::RaporttiLoppuPvm;
    if (!accepted) return;

    const long kpID = kustannuspaikalle ? reports::RaporttiKpID : 0;
    dao::Database db = kustannuspaikalle ? shared : book;
    ValmisteleTilit(db, start, end, reports::VainTap, caller.bAvaustosite, caller.bPaatostosite, kpID);

    QString centre;
    if (kpID != 0) {
        accounts::cKustannuspaikka kp;
        kp.Read(kpID);  // a centre that is gone leaves the name empty
        centre = QStringLiteral(" -- KP:") + kp.Nimi();
    }
    const Raporttitila tila = TilaOf(caller.bAvaustosite, caller.bPaatostosite);
    const QString selection = PaakirjaSelection(tila, start, end, kpID);

    if (!reports::AskPrintDestination()) return;
    report::ReportControl& rc = preparedControl(PaakirjaFile());
    rc.setSelectionFormula(selection);
    core::SetReportFonts(rc, false);
    rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
    rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"), paakirjaTitle(tila) + QLatin1Char(' ') +
                                                                          start.toShortString() +
                                                                          QStringLiteral(" - ") + end.toShortString() +
                                                                          centre));
    setPaakirjaCaptions(rc);
    rc.setSortFields(0, QStringLiteral("+{tl.tlNumero}"));
    rc.setSortFields(1, QStringLiteral("+{to.toNumero}"));
    rc.setAction(1);
}

void paivakirja(const LedgerCaller& caller) {
    const bool accepted = askPeriod<reports::frmDates2>();
    const dao::Date start = core::RaporttiAlkuPvm;
    const dao::Date end = core::RaporttiLoppuPvm;
    if (!accepted) return;

    // The voucher on screen is stored before the counting, so that the
    // printed totals are those of the vouchers listed.
    if (caller.save) caller.save();
    dao::Database db = callerDatabase(caller);
    if (!eiAlleNollan(db)) return;
    const bool avaus = caller.bAvaustosite;
    const bool paatos = caller.bPaatostosite;
    long kreditVienteja = 0, debetVienteja = 0, tositteita = 0, vienteja = 0;
    dao::Currency kreditSumma, debetSumma;
    LaskeViennitTyypille(db, QStringLiteral("K"), kreditVienteja, kreditSumma, start, end, avaus, paatos);
    LaskeViennitTyypille(db, QStringLiteral("D"), debetVienteja, debetSumma, start, end, avaus, paatos);
    const dao::Currency erotus = debetSumma - kreditSumma;
    LaskeTositteet(db, start, end, tositteita, avaus, paatos);
    LaskeViennit(db, start, end, vienteja, avaus, paatos);
    const Raporttitila tila = TilaOf(avaus, paatos);
    const QString selection = PaivakirjaSelection(tila, start, end);

    if (!reports::AskPrintDestination()) return;
    report::ReportControl& rc = preparedControl(PaivakirjaFile(tila));
    core::SetReportFonts(rc, false);

    const QString s = QStringLiteral("RapPaivakirja");
    using reports::NamedFormula;
    const QString formulas[] = {
        NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi),
        NamedFormula(QStringLiteral("Otsake"), paivakirjaTitle(tila) + QLatin1Char(' ') + start.toShortString() +
                                                   QStringLiteral(" - ") + end.toShortString()),
        NamedFormula(QStringLiteral("DebetVienteja"), QString::number(debetVienteja)),
        NamedFormula(QStringLiteral("KreditVienteja"), QString::number(kreditVienteja)),
        NamedFormula(QStringLiteral("KreditSumma"), kreditSumma.toText()),
        NamedFormula(QStringLiteral("DebetSumma"), debetSumma.toText()),
        NamedFormula(QStringLiteral("Tositteita"), QString::number(tositteita)),
        NamedFormula(QStringLiteral("Vienteja"), QString::number(vienteja)),
        NamedFormula(QStringLiteral("ErotusSummista"), erotus.toText()),
        NamedFormula(QStringLiteral("OtsakeTosite"), core::TranslateStr(s, QStringLiteral("Tosite"))),
        NamedFormula(QStringLiteral("OtsakePvm"), core::TranslateStr(s, QStringLiteral("Pvm"))),
        NamedFormula(QStringLiteral("OtsakeTili"), core::TranslateStr(s, QStringLiteral("Tili"))),
        NamedFormula(QStringLiteral("OtsakeDebet"), core::TranslateStr(s, QStringLiteral("Debet"))),
        NamedFormula(QStringLiteral("OtsakeKredit"), core::TranslateStr(s, QStringLiteral("Kredit"))),
        NamedFormula(QStringLiteral("OtsakeSelite"), core::TranslateStr(s, QStringLiteral("Selite"))),
        NamedFormula(QStringLiteral("OtsakeTositteita"), core::TranslateStr(s, QStringLiteral("Tositteita"))),
        NamedFormula(QStringLiteral("OtsakeVienteja"), core::TranslateStr(s, QStringLiteral("Vientejä"))),
        NamedFormula(QStringLiteral("OtsakeDebetVienteja"), core::TranslateStr(s, QStringLiteral("Debetvientejä"))),
        NamedFormula(QStringLiteral("OtsakeKreditVienteja"), core::TranslateStr(s, QStringLiteral("Kreditvientejä"))),
        NamedFormula(QStringLiteral("OtsakeErotus"), core::TranslateStr(s, QStringLiteral("Erotus"))),
    };
    int slot = 0;
    for (const QString& f : formulas) rc.setFormulas(slot++, f);
    if (core::Kustannuspaikat)
        rc.setFormulas(20, NamedFormula(QStringLiteral("OtsakeKP"), core::TranslateStr(s, QStringLiteral("KP"))));
    rc.setSelectionFormula(selection);
    rc.setAction(1);
}

void yksiTili(const LedgerCaller& caller) {
    if (caller.save) caller.save();
    dao::Database db = callerDatabase(caller);
    if (!eiAlleNollan(db)) return;
    dao::Database shared;
    NollaaTilienSaldot(shared);
    const bool accepted = askPeriod<reports::frmDates4>();
    const dao::Date start = core::RaporttiAlkuPvm;
    const dao::Date end = core::RaporttiLoppuPvm;
    const long account = reports::RaporttiTlID;
    if (!accepted) return;

    ValmisteleTilit(db, start, end, reports::VainTap, caller.bAvaustosite, caller.bPaatostosite, 0);
    const Raporttitila tila = TilaOf(caller.bAvaustosite, caller.bPaatostosite);
    QString selection = PaakirjaSelection(tila, start, end, 0);
    QString accountPart;
    if (account != 0) {
        selection = QStringLiteral("{tl.tlID} = ") + QString::number(account) + QStringLiteral(" AND ") + selection;
        accountPart = QLatin1Char(' ') + core::TranslateStr(QStringLiteral("RapPaakirja"), QStringLiteral("Tili:")) +
                      QLatin1Char(' ') + GetTiliOtsikko(db, account);
    }

    if (!reports::AskPrintDestination()) return;
    report::ReportControl& rc = preparedControl(PaakirjaFile());
    rc.setSelectionFormula(selection);
    core::SetReportFonts(rc, false);
    rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
    rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"), paakirjaTitle(tila) + QLatin1Char(' ') +
                                                                          start.toShortString() +
                                                                          QStringLiteral(" - ") + end.toShortString() +
                                                                          accountPart));
    setPaakirjaCaptions(rc);
    rc.setAction(1);
}

}  // namespace

void RunPaakirja(const LedgerCaller& caller) {
    guarded(caller, Komento::Paakirja, [&] { paakirja(caller, false); });
}

void RunPaakirjaKustannuspaikalle(const LedgerCaller& caller) {
    guarded(caller, Komento::Paakirja, [&] { paakirja(caller, true); });
}

void RunPaivakirja(const LedgerCaller& caller) {
    guarded(caller, Komento::Paivakirja, [&] { paivakirja(caller); });
}

void RunYksiTili(const LedgerCaller& caller) {
    guarded(caller, Komento::Paakirja, [&] { yksiTili(caller); });
}

QString FormulaDate(const dao::Date& d) {
    const QDate q = d.date();
    return QStringLiteral("Date(%1,%2,%3)").arg(q.year()).arg(q.month()).arg(q.day());
}

QString PaakirjaSelection(Raporttitila tila, const dao::Date& start, const dao::Date& end, long kpID) {
    const QString centre =
        kpID != 0 ? QStringLiteral("{vi.vikpID} = ") + QString::number(kpID) + QStringLiteral(" AND ") : QString();
    QString first;
    QString last;
    const QString pseudo = QStringLiteral(") OR ({tl.tlID} > 0 AND {to.toNumero} < 0)");
    switch (tila) {
    case Raporttitila::Tavalliset:
        first = QStringLiteral("{tl.tlPrint} = True AND ((") + centre +
                QStringLiteral("{vi.viAvausvienti} = False AND {vi.viPaatosvienti} = False) AND ({to.toPvm} <= ");
        last = pseudo + QStringLiteral(")");
        break;
    case Raporttitila::Avausviennit:
        first = QStringLiteral("{tl.tlPrint} = True AND (") + centre +
                QStringLiteral("{vi.viAvausvienti} = True AND ({to.toPvm} <= ");
        last = pseudo + QStringLiteral(" AND {to.toAvaustosite} = True)");
        break;
    case Raporttitila::Paatosviennit:
        // The closing ledger lets its own pseudo voucher's lines through, as
        // the other modes do, so an account without closing entries in the
        // period still prints with its balances.
        first = QStringLiteral("{tl.tlPrint} = True AND (") + centre +
                QStringLiteral("{vi.viPaatosvienti} = True AND ({to.toPvm} <= ");
        last = pseudo + QStringLiteral(" AND {to.toPaatostosite} = True)");
        break;
    }
    return first + FormulaDate(end) + QStringLiteral(" AND {to.toPvm} >= ") + FormulaDate(start) + last;
}

QString PaivakirjaSelection(Raporttitila tila, const dao::Date& start, const dao::Date& end) {
    QString last;
    switch (tila) {
    case Raporttitila::Tavalliset:
        last = QStringLiteral(") AND {to.toNumero} >= 0 AND {to.toAvaustosite} = False AND {to.toPaatostosite} = False");
        break;
    case Raporttitila::Avausviennit:
        last = QStringLiteral(") AND {to.toNumero} >= 0 AND {to.toAvaustosite} = True");
        break;
    case Raporttitila::Paatosviennit:
        last = QStringLiteral(") AND {to.toNumero} >= 0 AND {to.toPaatostosite} = True");
        break;
    }
    return QStringLiteral("({to.toPvm} <= ") + FormulaDate(end) + QStringLiteral(" AND {to.toPvm} >= ") +
           FormulaDate(start) + last;
}

QString PaakirjaFile() {
    return QString(core::VaakaTulostus ? QStringLiteral("paakivab") : QStringLiteral("paakirjb")) +
           (core::Kustannuspaikat ? QStringLiteral("kp") : QString()) + QStringLiteral(".rpt");
}

QString PaivakirjaFile(Raporttitila tila) {
    QChar letter = QLatin1Char('a');
    if (tila == Raporttitila::Avausviennit) letter = QLatin1Char('b');
    if (tila == Raporttitila::Paatosviennit) letter = QLatin1Char('e');
    return (core::VaakaTulostus ? QStringLiteral("paikiva") : QStringLiteral("paikirj")) + letter +
           (core::Kustannuspaikat ? QStringLiteral("kp") : QString()) + QStringLiteral(".rpt");
}

QString GetTiliOtsikko(dao::Database& db, long tlID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = ?"),
                                         dao::RecordsetType::Snapshot, dao::dbReadOnly, {dao::Variant(tlID)});
    QString title;
    if (!rs.isEOF()) {
        const QString nimi = core::NzString(rs.value(QStringLiteral("tlNimi")));
        title = core::NaytaTilinumerot ? QString::number(core::NzLong(rs.value(QStringLiteral("tlNumero")))) +
                                             QLatin1Char(' ') + nimi
                                       : nimi;
    }
    rs.Close();
    return title;
}

}  // namespace ledger
