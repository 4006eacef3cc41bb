// The ledger reports over generated books of 2,000 and 20,000 vouchers
// (100,000 with KV_BENCH_LARGE=1, 1,000 with KV_BENCH_QUICK=1) with four
// entries each, 90 accounts and 5 cost centres: the preparation of the
// general ledger (all accounts; only accounts with entries for one cost
// centre; the closing mode), the journal's counts, the layout of the
// general ledger and the journal of the year from the shipped definitions,
// and the year's general ledger to PDF as the user runs it.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/dao/database.h"
#include "platform/ini/inifile.h"
#include "platform/report/engine.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "support/benchsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const dao::Date kStart = dao::Date::fromYmd(2031, 1, 1);
const dao::Date kEnd = dao::Date::fromYmd(2031, 12, 31);

// Voucher 1 opens the year, the last 50 close it.
const QString& bookPath(int vouchers) {
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("bench.mdb"), [vouchers](dao::Database& db) {
            kvbench::addVouchers(db, {.vouchers = vouchers, .entries = 4, .chart = true, .alternatingAmounts = true,
                                      .yearEnds = true});
        });
    return b->path();
}

void useBook(int vouchers) {
    core::DatabasePath = bookPath(vouchers);
    core::TilikausiAlku = kStart;
    core::TilikausiLoppu = kEnd;
    core::DBCon().AvaaDB();
}

void prepare(benchmark::State& state, bool vainTap, bool paatos, long kpID) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    for (auto _ : state) {
        dao::Database db;
        ledger::NollaaTilienSaldot(db);
        ledger::ValmisteleTilit(db, kStart, kEnd, vainTap, false, paatos, kpID);
    }
    state.counters["vouchers"] = vouchers;
}

// Every account, ordinary entries of the whole year.
void BM_PrepareGeneralLedger(benchmark::State& state) { prepare(state, false, false, 0); }
BENCHMARK(BM_PrepareGeneralLedger)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// One cost centre, only accounts with entries (one query for the marks).
void BM_PrepareCostCentreOnlyWithEntries(benchmark::State& state) { prepare(state, true, false, 3); }
BENCHMARK(BM_PrepareCostCentreOnlyWithEntries)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// Closing mode: every non-closing entry of the year is opening balance.
void BM_PrepareClosingLedger(benchmark::State& state) { prepare(state, false, true, 0); }
BENCHMARK(BM_PrepareClosingLedger)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

void BM_JournalCounts(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    dao::Database db = core::DBCon().AvaaDB();
    long entries = 0;
    for (auto _ : state) {
        long kn = 0, dn = 0, tn = 0;
        dao::Currency ks, ds;
        ledger::LaskeViennitTyypille(db, QStringLiteral("K"), kn, ks, kStart, kEnd, false, false);
        ledger::LaskeViennitTyypille(db, QStringLiteral("D"), dn, ds, kStart, kEnd, false, false);
        ledger::LaskeTositteet(db, kStart, kEnd, tn, false, false);
        ledger::LaskeViennit(db, kStart, kEnd, entries, false, false);
        benchmark::DoNotOptimize(ds - ks);
    }
    state.counters["entries"] = double(entries);
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_JournalCounts)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

report::EngineInput input(int vouchers, const QString& file, const QString& selection, const QStringList& sort) {
    report::EngineInput in;
    in.definitionPath = kvbench::sourceFile(QStringLiteral("data/reports/") + file);
    in.selectionFormula = selection;
    in.formulas = {QStringLiteral("Seurannimi= 'Kerho'"), QStringLiteral("Otsake= 'Pääkirja'")};
    in.sortFields = sort;
    in.dataFiles = {bookPath(vouchers)};
    return in;
}

// The general ledger of the year as the command hands it to the control,
// after its preparation.
void BM_LayoutGeneralLedger(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    dao::Database db;
    ledger::NollaaTilienSaldot(db);
    ledger::ValmisteleTilit(db, kStart, kEnd, false, false, false, 0);
    core::Kustannuspaikat = true;
    core::VaakaTulostus = false;
    kvbench::layOut(state, input(vouchers, ledger::PaakirjaFile(),
                                 ledger::PaakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd, 0),
                                 {QStringLiteral("+{tl.tlNumero}"), QStringLiteral("+{to.toNumero}")}));
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_LayoutGeneralLedger)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LayoutJournal(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    core::Kustannuspaikat = true;
    core::VaakaTulostus = true;
    kvbench::layOut(state, input(vouchers, ledger::PaivakirjaFile(ledger::Raporttitila::Tavalliset),
                                 ledger::PaivakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd), {}));
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_LayoutJournal)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

// The year's general ledger as the user prints it from the voucher window:
// the ledger command with its period dialog (the whole year) and its print
// dialog, the preparation of the book, the layout of the shipped definition
// and the pages written as PDF. The print dialog's answer sends the pages
// to a PDF file, as a PDF printer chosen there would.
void BM_GeneralLedgerToPdf(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    QTemporaryDir programFolder;
    sys::SetAppPath(programFolder.path());
    ini::cIniFile::ClearCache();
    const QDir shipped(kvbench::sourceFile(QStringLiteral("data/reports")));
    for (const QString& name : shipped.entryList({QStringLiteral("pa*.rpt")}, QDir::Files))
        QFile::copy(shipped.filePath(name), QDir(programFolder.path()).filePath(name));
    useBook(vouchers);
    reports::ResetReportGlobals();
    core::SeuranNimi = QStringLiteral("Kerho");
    core::Kustannuspaikat = true;
    core::VaakaTulostus = false;
    const QString pdf = QDir(programFolder.path()).filePath(QStringLiteral("paakirja.pdf"));
    ui::ScriptedDialogService dialogs;  // nothing else is asked
    ui::DialogScope scope(&dialogs);
    ui::Forms::setModalHook([&](ui::Form& f) {
        if (auto* d = dynamic_cast<reports::frmDates3*>(&f)) {
            d->tAlkupvm->setText(kStart.toShortString());
            d->tLoppupvm->setText(kEnd.toShortString());
            d->chkVainTap->setChecked(false);
            d->cSeuraava->click();
        } else if (auto* p = dynamic_cast<reports::frmTulostus*>(&f)) {
            p->tKopioita->setText(QStringLiteral("1"));
            p->cTulosta->click();
            reports::TulostusLaite = report::ReportControl::ToFile;
            reports::CrystalReport1().setPrintFileName(pdf);
        } else {
            ui::Forms::unload(f);
        }
    });
    ledger::LedgerCaller caller;
    caller.windowName = QStringLiteral("frmNewTositteet");
    int pages = 0;
    for (auto _ : state) {
        QFile::remove(pdf);
        ledger::RunPaakirja(caller);
        const report::RunRecord& run = reports::CrystalReport1().lastRun();
        if (!run.succeeded || !QFileInfo::exists(pdf)) {
            state.SkipWithError("the ledger was not written");
            break;
        }
        pages = run.report->pageCount();
    }
    ui::Forms::setModalHook(nullptr);
    ui::Forms::destroyAll();
    sys::SetAppPath(QString());
    if (!dialogs.shown().isEmpty()) state.SkipWithError("a message was shown");
    state.counters["pages"] = pages;
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_GeneralLedgerToPdf)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
