// The ledger records over a generated book of 20,000 vouchers with 80,000
// entries (1,000 and 4,000 with KV_BENCH_QUICK=1): saving a new voucher with
// ten entries as the voucher window does, and stepping through vouchers
// with GetNext.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/tosite.h"
#include "platform/dao/database.h"
#include "support/benchsupport.h"

#include <benchmark/benchmark.h>

namespace {

int voucherCount() { return kvbench::sized(20000, 1000); }

const QString& bookPath() {
    static const kvbench::Book b(QStringLiteral("bench.mdb"), [](dao::Database& db) {
        kvbench::addVouchers(db, {.vouchers = voucherCount(), .entries = 4});
    });
    return b.path();
}

void useBook() {
    core::DatabasePath = bookPath();
    core::DBCon().AvaaDB();
}

// A new voucher numbered and stored at once, then five debit and five
// credit entries saved: what the voucher window writes for one voucher.
void BM_SaveVoucherWithTenEntries(benchmark::State& state) {
    useBook();
    const dao::Date start = dao::Date::fromYmd(2031, 1, 1);
    for (auto _ : state) {
        core::cTosite t;
        t.SetTositeNumeroJaPaiva(start, false);
        t.setSelite(QStringLiteral("Jäsenmaksut"));
        t.Save(true);
        for (int e = 0; e < 10; ++e) {
            std::unique_ptr<core::cVienti> v = t.AddNewVienti(e < 5 ? QStringLiteral("D") : QStringLiteral("K"));
            v->setTlID(1 + e);
            v->setArvo(dao::Currency::fromUnits(10 + e));
            v->Save(false);
        }
        benchmark::DoNotOptimize(t.id());
    }
    state.counters["vouchers"] = voucherCount();
}
BENCHMARK(BM_SaveVoucherWithTenEntries)->Unit(benchmark::kMillisecond);

void BM_StepThousandVouchersWithGetNext(benchmark::State& state) {
    useBook();
    for (auto _ : state) {
        core::cTosite none;
        none.setIsEmpty(true);
        std::unique_ptr<core::cTosite> t = none.GetFirst(false, false);
        int steps = 0;
        for (; steps < 1000 && !t->IsEmpty(); ++steps) t = t->GetNext(false, false);
        benchmark::DoNotOptimize(t->Numero());
        if (steps != 1000) state.SkipWithError("fewer than 1,000 vouchers");
    }
    state.counters["vouchers"] = voucherCount();
}
BENCHMARK(BM_StepThousandVouchersWithGetNext)->Unit(benchmark::kMillisecond);

// Reading one voucher's entries of both sides, as the window shows a voucher.
void BM_ReadEntriesOfAVoucher(benchmark::State& state) {
    useBook();
    core::cTosite t;
    t.Read(voucherCount() / 2);
    for (auto _ : state) {
        core::RecordList<core::cVienti> d = t.GetViennit(QStringLiteral("D"));
        core::RecordList<core::cVienti> k = t.GetViennit(QStringLiteral("K"));
        benchmark::DoNotOptimize(d.count() + k.count());
    }
}
BENCHMARK(BM_ReadEntriesOfAVoucher)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
