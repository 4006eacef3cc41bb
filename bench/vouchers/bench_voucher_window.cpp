// The voucher window over a generated book of 20,000 vouchers with 80,000
// entries and 90 accounts (1,000 vouchers with KV_BENCH_QUICK=1): opening
// the window (its list, combos and largest-voucher count), and stepping
// through vouchers with the next command, 1,000 steps (100 quick), without
// and with the balance label of a chosen account.

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

namespace {

int voucherCount() { return kvbench::sized(20000, 1000); }
int stepCount() { return kvbench::sized(1000, 100); }

const QString& bookPath() {
    static const kvbench::Book b(QStringLiteral("bench.mdb"), [](dao::Database& db) {
        kvbench::addVouchers(db, {.vouchers = voucherCount(), .entries = 4, .chart = true, .alternatingAmounts = true});
    });
    return b.path();
}

void useBook() {
    core::DatabasePath = bookPath();
    core::TilikausiAlku = dao::Date::fromYmd(2031, 1, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2031, 12, 31);
    core::DBCon().AvaaDB();
}

vouchers::frmNewTositteet& openWindow() {
    shell::VoucherWindowMode m;
    m.caption = QStringLiteral("Tositteet");
    return vouchers::OpenVoucherWindow(m);
}

// Load and show: the largest-voucher count, both combo lists, the voucher
// list of every voucher, the template buttons.
void BM_OpenVoucherWindow(benchmark::State& state) {
    useBook();
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
    state.counters["vouchers"] = voucherCount();
}
BENCHMARK(BM_OpenVoucherWindow)->Unit(benchmark::kMillisecond);

void stepWithNext(benchmark::State& state, long laskettavaTili) {
    useBook();
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
    state.counters["vouchers"] = voucherCount();
}

void BM_StepWithNext(benchmark::State& state) { stepWithNext(state, 0); }
BENCHMARK(BM_StepWithNext)->Unit(benchmark::kMillisecond);

// The balance of a chosen account is summed again for every voucher shown.
void BM_StepWithNextAndAccountBalance(benchmark::State& state) { stepWithNext(state, 1); }
BENCHMARK(BM_StepWithNextAndAccountBalance)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kvbench::runWithApplication(argc, argv, [] { ui::Forms::destroyAll(); });
}
