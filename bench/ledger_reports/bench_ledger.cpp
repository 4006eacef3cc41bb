// The ledger reports over a generated book of 20,000 vouchers with 80,000
// entries, 90 accounts and 5 cost centres (1,000 vouchers with
// KV_BENCH_QUICK=1): the preparation of the general ledger (all accounts;
// only accounts with entries for one cost centre; the closing mode), the
// journal's counts, and the layout of the general ledger and the journal
// of the year from the shipped definitions.

#include "core/dbc.h"
#include "core/globals.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/dao/database.h"
#include "platform/report/engine.h"
#include "support/benchsupport.h"

#include <benchmark/benchmark.h>

namespace {

int voucherCount() { return kvbench::sized(20000, 1000); }

const dao::Date kStart = dao::Date::fromYmd(2031, 1, 1);
const dao::Date kEnd = dao::Date::fromYmd(2031, 12, 31);

// Voucher 1 opens the year, the last 50 close it.
const QString& bookPath() {
    static const kvbench::Book b(QStringLiteral("bench.mdb"), [](dao::Database& db) {
        kvbench::addVouchers(db, {.vouchers = voucherCount(), .entries = 4, .chart = true, .alternatingAmounts = true,
                                  .yearEnds = true});
    });
    return b.path();
}

void useBook() {
    core::DatabasePath = bookPath();
    core::TilikausiAlku = kStart;
    core::TilikausiLoppu = kEnd;
    core::DBCon().AvaaDB();
}

void prepare(benchmark::State& state, bool vainTap, bool paatos, long kpID) {
    useBook();
    for (auto _ : state) {
        dao::Database db;
        ledger::NollaaTilienSaldot(db);
        ledger::ValmisteleTilit(db, kStart, kEnd, vainTap, false, paatos, kpID);
    }
    state.counters["vouchers"] = voucherCount();
}

// Every account, ordinary entries of the whole year.
void BM_PrepareGeneralLedger(benchmark::State& state) { prepare(state, false, false, 0); }
BENCHMARK(BM_PrepareGeneralLedger)->Unit(benchmark::kMillisecond);

// One cost centre, only accounts with entries (one query for the marks).
void BM_PrepareCostCentreOnlyWithEntries(benchmark::State& state) { prepare(state, true, false, 3); }
BENCHMARK(BM_PrepareCostCentreOnlyWithEntries)->Unit(benchmark::kMillisecond);

// Closing mode: every non-closing entry of the year is opening balance.
void BM_PrepareClosingLedger(benchmark::State& state) { prepare(state, false, true, 0); }
BENCHMARK(BM_PrepareClosingLedger)->Unit(benchmark::kMillisecond);

void BM_JournalCounts(benchmark::State& state) {
    useBook();
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
}
BENCHMARK(BM_JournalCounts)->Unit(benchmark::kMillisecond);

report::EngineInput input(const QString& file, const QString& selection, const QStringList& sort) {
    report::EngineInput in;
    in.definitionPath = kvbench::sourceFile(QStringLiteral("data/reports/") + file);
    in.selectionFormula = selection;
    in.formulas = {QStringLiteral("Seurannimi= 'Kerho'"), QStringLiteral("Otsake= 'Pääkirja'")};
    in.sortFields = sort;
    in.dataFiles = {bookPath()};
    return in;
}

// The general ledger of the year as the command hands it to the control,
// after its preparation.
void BM_LayoutGeneralLedger(benchmark::State& state) {
    useBook();
    dao::Database db;
    ledger::NollaaTilienSaldot(db);
    ledger::ValmisteleTilit(db, kStart, kEnd, false, false, false, 0);
    core::Kustannuspaikat = true;
    core::VaakaTulostus = false;
    kvbench::layOut(state, input(ledger::PaakirjaFile(),
                                 ledger::PaakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd, 0),
                                 {QStringLiteral("+{tl.tlNumero}"), QStringLiteral("+{to.toNumero}")}));
}
BENCHMARK(BM_LayoutGeneralLedger)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LayoutJournal(benchmark::State& state) {
    useBook();
    core::Kustannuspaikat = true;
    core::VaakaTulostus = true;
    kvbench::layOut(state, input(ledger::PaivakirjaFile(ledger::Raporttitila::Tavalliset),
                                 ledger::PaivakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd), {}));
}
BENCHMARK(BM_LayoutJournal)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
