// The voucher window over generated books of 2,000 and 20,000 vouchers
// (100,000 with KV_BENCH_LARGE=1, 1,000 with KV_BENCH_QUICK=1), each voucher
// with four entries, and 90 accounts: opening the window (its combos and
// the first page of its list), and stepping through vouchers with the next
// command, 1,000 steps (100 quick), without and with the balance label of a
// chosen account.

#include "core/dbc.h"
#include "core/globals.h"
#include "platform/dao/database.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "support/benchsupport.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QPushButton>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

int stepCount() { return kvbench::sized(1000, 100); }

const QString& bookPath(int vouchers) {
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("bench.mdb"), [vouchers](dao::Database& db) {
            kvbench::addVouchers(db, {.vouchers = vouchers, .entries = 4, .chart = true, .alternatingAmounts = true});
        });
    return b->path();
}

void useBook(int vouchers) {
    core::DatabasePath = bookPath(vouchers);
    core::TilikausiAlku = dao::Date::fromYmd(2031, 1, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2031, 12, 31);
    core::DBCon().AvaaDB();
}

vouchers::frmNewTositteet& openWindow() {
    shell::VoucherWindowMode m;
    m.caption = QStringLiteral("Tositteet");
    return vouchers::OpenVoucherWindow(m);
}

// Load and show: both combo lists, the first page of the voucher list, the
// template buttons. (The rest of the list and the largest-voucher count
// are read on the window's idle turns, which this loop does not run.)
void BM_OpenVoucherWindow(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    ui::ScriptedDialogService dialogs;  // nothing is asked
    ui::DialogScope scope(&dialogs);
    for (auto _ : state) {
        auto& f = openWindow();
        benchmark::DoNotOptimize(f.ElementCount());
        state.PauseTiming();
        ui::Forms::unload(f);
        ui::Forms::collectUnloaded();
        state.ResumeTiming();
    }
    if (!dialogs.shown().isEmpty()) state.SkipWithError("a message was shown");
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_OpenVoucherWindow)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

void stepWithNext(benchmark::State& state, long laskettavaTili) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    core::LaskettavaTili = laskettavaTili;
    ui::ScriptedDialogService dialogs;
    ui::DialogScope scope(&dialogs);
    auto& f = openWindow();
    for (auto _ : state) {
        f.cEnsimmainen->click();
        for (int s = 0; s < stepCount(); ++s) f.cSeuraava->click();
        benchmark::DoNotOptimize(f.Tosite().Numero());
        if (f.Tosite().Numero() != stepCount() + 1) state.SkipWithError("the steps did not reach their voucher");
    }
    ui::Forms::unload(f);
    ui::Forms::collectUnloaded();
    core::LaskettavaTili = 0;
    if (!dialogs.shown().isEmpty()) state.SkipWithError("a message was shown");
    state.counters["steps"] = stepCount();
    state.counters["vouchers"] = vouchers;
}

void BM_StepWithNext(benchmark::State& state) { stepWithNext(state, 0); }
BENCHMARK(BM_StepWithNext)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// The balance of a chosen account is summed again for every voucher shown.
void BM_StepWithNextAndAccountBalance(benchmark::State& state) { stepWithNext(state, 1); }
BENCHMARK(BM_StepWithNextAndAccountBalance)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kvbench::runWithApplication(argc, argv, [] { ui::Forms::destroyAll(); });
}
