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
#include "platform/report/preview.h"
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
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
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

// The year's general ledger as the user runs it from the voucher window:
// the ledger command with its period dialog (the whole year) and its print
// dialog, the preparation of the book, then the report control. The print
// dialog's answer goes to dest. Returns the run's time from that answer
// (the control's part of the wait) in seconds; failures are the state's.
class LedgerAsRun {
public:
    LedgerAsRun(benchmark::State& state, int destination) : state_(state) {
        sys::SetAppPath(programFolder_.path());
        ini::cIniFile::ClearCache();
        const QDir shipped(kvbench::sourceFile(QStringLiteral("data/reports")));
        for (const QString& name : shipped.entryList({QStringLiteral("pa*.rpt")}, QDir::Files))
            QFile::copy(shipped.filePath(name), QDir(programFolder_.path()).filePath(name));
        useBook(int(state.range(0)));
        reports::ResetReportGlobals();
        core::SeuranNimi = QStringLiteral("Kerho");
        core::Kustannuspaikat = true;
        core::VaakaTulostus = false;
        pdf = QDir(programFolder_.path()).filePath(QStringLiteral("paakirja.pdf"));
        ui::Forms::setModalHook([this, destination](ui::Form& f) {
            if (auto* d = dynamic_cast<reports::frmDates3*>(&f)) {
                d->tAlkupvm->setText(kStart.toShortString());
                d->tLoppupvm->setText(kEnd.toShortString());
                d->chkVainTap->setChecked(false);
                d->cSeuraava->click();
            } else if (auto* p = dynamic_cast<reports::frmTulostus*>(&f)) {
                p->tKopioita->setText(QStringLiteral("1"));
                p->cTulosta->click();
                reports::TulostusLaite = destination;
                reports::CrystalReport1().setPrintFileName(pdf);
                answered_.start();
            } else {
                ui::Forms::unload(f);
            }
        });
        caller_.windowName = QStringLiteral("frmNewTositteet");
    }
    ~LedgerAsRun() {
        ui::Forms::setModalHook(nullptr);
        ui::Forms::destroyAll();
        sys::SetAppPath(QString());
        if (!dialogs_.shown().isEmpty()) state_.SkipWithError("a message was shown");
    }

    // Runs the command; the time from the print dialog's answer to the
    // control's return.
    double run() {
        ledger::RunPaakirja(caller_);
        return answered_.nsecsElapsed() / 1e9;
    }

    QString pdf;

private:
    benchmark::State& state_;
    QTemporaryDir programFolder_;
    ui::ScriptedDialogService dialogs_;  // nothing else is asked
    ui::DialogScope scope_{&dialogs_};
    ledger::LedgerCaller caller_;
    QElapsedTimer answered_;
};

// Whether the report control's progress window showed while the run went on.
class ProgressSeen {
public:
    ProgressSeen() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("reportProgress") && w->isVisible()) seen = true;
        });
        timer_.start(50);
    }
    bool seen = false;

private:
    QTimer timer_;
};

// The year's general ledger written as PDF, as the user prints it: the
// print dialog's answer sends the pages to a PDF file, as a PDF printer
// chosen there would. A long one shows its progress while it is written.
void BM_GeneralLedgerToPdf(benchmark::State& state) {
    LedgerAsRun ledger(state, report::ReportControl::ToFile);
    ProgressSeen progress;
    int pages = 0;
    for (auto _ : state) {
        QFile::remove(ledger.pdf);
        ledger.run();
        const report::RunRecord& run = reports::CrystalReport1().lastRun();
        if (!run.succeeded || !QFileInfo::exists(ledger.pdf)) {
            state.SkipWithError("the ledger was not written");
            break;
        }
        pages = run.report->pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["progress"] = progress.seen;
    state.counters["vouchers"] = double(state.range(0));
}
BENCHMARK(BM_GeneralLedgerToPdf)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

// The year's general ledger to the preview window, as the user runs it: the
// time from the print dialog's answer until the window shows its first
// page. The window is then closed, which ends the layout of the rest.
void BM_GeneralLedgerPreviewFirstPage(benchmark::State& state) {
    LedgerAsRun ledger(state, report::ReportControl::ToWindow);
    int pages = 0;
    for (auto _ : state) {
        state.SetIterationTime(ledger.run());
        report::PreviewWindow* window = reports::CrystalReport1().lastPreview();
        if (!window || window->pageCount() < 1) {
            state.SkipWithError("the preview did not open");
            break;
        }
        pages = window->pageCount();
        delete window;
    }
    state.counters["pages_shown"] = pages;
    state.counters["vouchers"] = double(state.range(0));
}
BENCHMARK(BM_GeneralLedgerPreviewFirstPage)
    ->Apply(kvbench::overBookSizes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseManualTime();

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
