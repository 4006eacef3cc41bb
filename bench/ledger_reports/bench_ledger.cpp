// The ledger reports over a generated book of 20,000 vouchers with 80,000
// entries, 90 accounts and 5 cost centres (1,000 vouchers with
// KV_BENCH_QUICK=1): the preparation of the general ledger (all accounts;
// only accounts with entries for one cost centre; the closing mode), the
// journal's counts, and the layout of the general ledger and the journal
// of the year from the shipped definitions.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/dao/database.h"
#include "platform/report/engine.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool quick() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK"); }
int voucherCount() { return quick() ? 1000 : 20000; }

const dao::Date kStart = dao::Date::fromYmd(2031, 1, 1);
const dao::Date kEnd = dao::Date::fromYmd(2031, 12, 31);

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
            // Voucher 1 opens the year, the last 50 close it.
            const bool avaus = t == 1;
            const bool paatos = t > n - 50;
            const QString selite = QStringLiteral("Tosite %1").arg(t);
            db.Execute(QStringLiteral("INSERT INTO to (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                      "toAutomaatti) VALUES (?, ?, ?, ?, ?, ?, False)"),
                       {t, t - 1, avaus ? kStart : kStart.addDays(t % 365), selite, avaus, paatos});
            for (int e = 0; e < 4; ++e)
                db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                          "viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (?, ?, ?, ?, ?, ?, "
                                          "?, ?, False)"),
                           {t, 1 + (t * 7 + e) % 90, (t + e) % 6, e < 2 ? "D" : "K",
                            dao::Currency::fromRaw(12345 * (e % 2 + 1)), selite, avaus, paatos});
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
    in.definitionPath = QDir(QStringLiteral(KV_SOURCE_DIR)).filePath(QStringLiteral("data/reports/") + file);
    in.selectionFormula = selection;
    in.formulas = {QStringLiteral("Seurannimi= 'Kerho'"), QStringLiteral("Otsake= 'Pääkirja'")};
    in.sortFields = sort;
    in.dataFiles = {book().path};
    return in;
}

void layout(benchmark::State& state, const report::EngineInput& in) {
    int pages = 0, records = 0;
    for (auto _ : state) {
        report::EngineResult r = report::runEngine(in);
        pages = r.report->pageCount();
        records = r.recordsSelected;
        benchmark::DoNotOptimize(r.report.get());
    }
    state.counters["pages"] = pages;
    state.counters["records"] = records;
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
    layout(state, input(ledger::PaakirjaFile(),
                        ledger::PaakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd, 0),
                        {QStringLiteral("+{tl.tlNumero}"), QStringLiteral("+{to.toNumero}")}));
}
BENCHMARK(BM_LayoutGeneralLedger)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LayoutJournal(benchmark::State& state) {
    useBook();
    core::Kustannuspaikat = true;
    core::VaakaTulostus = true;
    layout(state, input(ledger::PaivakirjaFile(ledger::Raporttitila::Tavalliset),
                        ledger::PaivakirjaSelection(ledger::Raporttitila::Tavalliset, kStart, kEnd), {}));
}
BENCHMARK(BM_LayoutJournal)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    core::DBCon().SuljeDB();
    return 0;
}
