// The statement runs over a generated book on the general template's chart
// and models: 20,000 vouchers of the year with two entries each on the
// income-statement and bank accounts, 5,000 of the previous year, and a
// budget for every income-statement account for three years (1,000 and 250
// vouchers with KV_BENCH_QUICK=1). Measured: the income statement's whole
// pipeline (budget vouchers, turnover, profit bookings, computation), the
// same split by account, and the balance sheet with its profit bookings.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "ledger_reports/reportglobals.h"
#include "platform/dao/database.h"
#include "statements/statements.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool quick() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK"); }
int voucherCount() { return quick() ? 1000 : 20000; }

dao::Date start() { return dao::Date::fromYmd(2031, 1, 1); }
dao::Date end() { return dao::Date::fromYmd(2031, 12, 31); }

// The template's income-statement accounts (the profit account 119 left out).
std::vector<long> incomeAccounts() {
    std::vector<long> a;
    for (long id = 43; id <= 118; ++id) a.push_back(id);
    return a;
}

struct Book {
    QTemporaryDir dir;
    QString path;
    Book() {
        path = dir.filePath(QStringLiteral("bench.mdb"));
        const QDir src(QStringLiteral(KV_SOURCE_DIR));
        dao::Database db = dao::DBEngine::CreateDatabase(path);
        core::runSqlFile(db, src.filePath(QStringLiteral("data/schema/base.sql")));
        core::UpdateDatabase(db);
        core::runSqlFile(db, src.filePath(QStringLiteral("data/books/yleismalli.sql")));
        db.Execute(QStringLiteral("UPDATE ma SET maTulosMaID = 1 WHERE maID = 2"));
        const std::vector<long> accounts = incomeAccounts();
        db.BeginTrans();
        long entry = 0;
        auto vouchers = [&](const QString& to, const QString& vi, const QString& p, const QString& e, int n,
                            const dao::Date& first) {
            db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2Numero, %2Pvm, %2Selite, %2Avaustosite) VALUES (?, 0, ?, 'Avaus', True)")
                           .arg(to, p),
                       {1, first});
            for (long tl : {19L, 24L})
                db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID) VALUES (?, 1, ?, ?, 5000, 0)")
                               .arg(vi, e),
                           {++entry, tl, tl == 19 ? "D" : "K"});
            for (int t = 2; t <= n; ++t) {
                const long tl = accounts[size_t(t * 7) % accounts.size()];
                const bool income = tl < 55 || (tl >= 90 && tl <= 98) || (tl >= 104 && tl <= 108) || (tl >= 113 && tl <= 115);
                const dao::Currency amount = dao::Currency::fromRaw(100000 + (t % 97) * 2500);
                db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2Numero, %2Pvm, %2Selite, %2Avaustosite) VALUES (?, ?, ?, 'Tosite', False)")
                               .arg(to, p),
                           {t, t - 1, first.addDays(t % 365)});
                db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID) VALUES (?, ?, ?, ?, ?, ?)")
                               .arg(vi, e),
                           {++entry, t, tl, income ? "K" : "D", amount, long(t % 6)});
                db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID) VALUES (?, ?, 19, ?, ?, 0)")
                               .arg(vi, e),
                           {++entry, t, income ? "D" : "K", amount});
            }
        };
        vouchers(QStringLiteral("[to]"), QStringLiteral("vi"), QStringLiteral("to"), QStringLiteral("vi"), voucherCount(),
                 start());
        vouchers(QStringLiteral("toE"), QStringLiteral("viE"), QStringLiteral("toE"), QStringLiteral("viE"),
                 voucherCount() / 4, start().addYears(-1));
        for (const char* year : {"buEdellinen", "buNykyinen", "buTuleva"})
            for (long tl : accounts) {
                dao::Params p{tl};
                for (int m = 1; m <= 12; ++m) p.emplace_back(dao::Currency::fromUnits(100 + m));
                db.Execute(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, "
                                          "buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, "
                                          "buKuukausi11, buKuukausi12, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, True)")
                               .arg(QLatin1String(year)),
                           p);
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
    core::TilikausiAlku = start();
    core::TilikausiLoppu = end();
    core::EdTilikausiAlku = start().addYears(-1);
    core::EdTilikausiLoppu = end().addYears(-1);
    core::VoittoTaseella = 25;
    core::NaytaTilinumerot = true;
    reports::RaporttiKpID = 0;
    reports::VainTap = false;
    core::DBCon().AvaaDB();
}

void incomeStatement(benchmark::State& state, bool split) {
    useBook();
    reports::TiliErottelu = split;
    for (auto _ : state) {
        dao::Database db = core::DBCon().AvaaDB();
        statements::TyhjennaTulaJaTase(db);
        statements::RakennaBudjettitositteet();
        statements::LaskeLiikevaihto(1, start(), end(), true, nullptr);
        statements::TeeAutomaattikirjaukset(1, start(), end(), nullptr, false);
        statements::LaskeTuloslaskelma(1, start(), end(), nullptr);
        statements::PoistaViimeinenTulaRivi();
    }
    reports::TiliErottelu = false;
    state.counters["vouchers"] = voucherCount();
}

// The income statement as the statement print computes it.
void BM_IncomeStatement(benchmark::State& state) { incomeStatement(state, false); }
BENCHMARK(BM_IncomeStatement)->Unit(benchmark::kMillisecond);

// Split by account: ten sums per account instead of per row.
void BM_IncomeStatementByAccount(benchmark::State& state) { incomeStatement(state, true); }
BENCHMARK(BM_IncomeStatementByAccount)->Unit(benchmark::kMillisecond);

// The balance sheet: the income model's profit booked, then the balance model.
void BM_BalanceSheet(benchmark::State& state) {
    useBook();
    statements::bLiikevaihtoHiljaa = true;
    for (auto _ : state) {
        dao::Database db = core::DBCon().AvaaDB();
        statements::TyhjennaTulaJaTase(db);
        statements::TeeAutomaattikirjaukset(1, start(), end(), nullptr, false);
        statements::LaskeTase(2, start(), end(), nullptr);
        statements::PoistaTaseValirivit();
    }
    state.counters["vouchers"] = voucherCount();
}
BENCHMARK(BM_BalanceSheet)->Unit(benchmark::kMillisecond);

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
