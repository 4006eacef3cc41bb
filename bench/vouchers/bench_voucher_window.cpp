// The voucher window over a generated book of 20,000 vouchers with 80,000
// entries and 90 accounts (1,000 vouchers with KV_BENCH_QUICK=1): opening
// the window (its list, combos and largest-voucher count), and stepping
// through vouchers with the next command, 1,000 steps (100 quick), without
// and with the balance label of a chosen account.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/dao/database.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool quick() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK"); }
int voucherCount() { return quick() ? 1000 : 20000; }
int stepCount() { return quick() ? 100 : 1000; }

struct Book {
    QTemporaryDir dir;
    QString path;
    Book() {
        path = dir.filePath(QStringLiteral("bench.mdb"));
        dao::Database db = dao::DBEngine::CreateDatabase(path);
        core::runSqlFile(db, QDir(QStringLiteral(KV_SOURCE_DIR)).filePath(QStringLiteral("data/schema/base.sql")));
        core::UpdateDatabase(db);
        db.BeginTrans();
        for (int a = 1; a <= 90; ++a)
            db.Execute(QStringLiteral("INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (?, ?, ?, ' ')"),
                       {a, 1000 + a * 10, QStringLiteral("Tili %1").arg(a)});
        for (int k = 1; k <= 5; ++k)
            db.Execute(QStringLiteral("INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (?, ?, 'kp', ' ')"),
                       {k, k * 10});
        const int n = voucherCount();
        for (int t = 1; t <= n; ++t) {
            const QString selite = QStringLiteral("Tosite %1").arg(t);
            db.Execute(QStringLiteral("INSERT INTO to (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                      "toAutomaatti) VALUES (?, ?, ?, ?, False, False, False)"),
                       {t, t, dao::Date::fromYmd(2031, 1, 1).addDays(t % 365), selite});
            for (int e = 0; e < 4; ++e)
                db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                          "viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, ?, "
                                          "False, False, False)"),
                           {t, 1 + (t * 7 + e) % 90, e < 2 ? "D" : "K", dao::Currency::fromRaw(12345 * (e % 2 + 1)),
                            selite});
        }
        db.CommitTrans();
        db.Close();
    }
};

Book& book() {
    static Book b;
    return b;
}

void useBook() {
    core::DatabasePath = book().path;
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
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    return 0;
}
