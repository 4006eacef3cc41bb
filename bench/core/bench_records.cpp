// The ledger records over generated books of 2,000 and 20,000 vouchers with
// four entries each (100,000 with KV_BENCH_LARGE=1, 1,000 with
// KV_BENCH_QUICK=1): saving a new voucher with ten entries as the voucher
// window does, stepping through vouchers with GetNext, and reading one
// voucher's entries.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/tosite.h"
#include "platform/dao/database.h"
#include "support/benchsupport.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const QString& bookPath(int vouchers) {
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("bench.mdb"), [vouchers](dao::Database& db) {
            kvbench::addVouchers(db, {.vouchers = vouchers, .entries = 4});
        });
    return b->path();
}

void useBook(int vouchers) {
    core::DatabasePath = bookPath(vouchers);
    core::DBCon().AvaaDB();
}

// The save command of the voucher window on a new voucher (numbered and
// stored when it was made, outside the measured time): its text and five
// debit and five credit entries written.
void BM_SaveVoucherWithTenEntries(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    const dao::Date start = dao::Date::fromYmd(2031, 1, 1);
    for (auto _ : state) {
        state.PauseTiming();
        core::cTosite t;
        t.SetTositeNumeroJaPaiva(start, false);
        t.Save(true);
        state.ResumeTiming();
        t.setSelite(QStringLiteral("Jäsenmaksut"));
        std::vector<std::unique_ptr<core::cVienti>> entries;
        std::vector<core::cVienti*> rows;
        for (int e = 0; e < 10; ++e) {
            entries.push_back(t.AddNewVienti(e < 5 ? QStringLiteral("D") : QStringLiteral("K")));
            entries.back()->setTlID(1 + e);
            entries.back()->setArvo(dao::Currency::fromUnits(10 + e));
            rows.push_back(entries.back().get());
        }
        (void)core::cTosite::TallennaKerralla(&t, rows);
        benchmark::DoNotOptimize(t.id());
    }
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_SaveVoucherWithTenEntries)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

void BM_StepThousandVouchersWithGetNext(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    const int wanted = std::min(1000, vouchers);
    for (auto _ : state) {
        core::cTosite none;
        none.setIsEmpty(true);
        std::unique_ptr<core::cTosite> t = none.GetFirst(false, false);
        int steps = 0;
        for (; steps < wanted && !t->IsEmpty(); ++steps) t = t->GetNext(false, false);
        benchmark::DoNotOptimize(t->Numero());
        if (steps != wanted) state.SkipWithError("fewer vouchers than steps");
    }
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_StepThousandVouchersWithGetNext)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// Reading one voucher's entries of both sides, as the window shows a voucher.
void BM_ReadEntriesOfAVoucher(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    core::cTosite t;
    t.Read(vouchers / 2);
    for (auto _ : state) {
        core::RecordList<core::cVienti> d = t.GetViennit(QStringLiteral("D"));
        core::RecordList<core::cVienti> k = t.GetViennit(QStringLiteral("K"));
        benchmark::DoNotOptimize(d.count() + k.count());
    }
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_ReadEntriesOfAVoucher)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return kvbench::runBenchmarks(argc, argv); }
