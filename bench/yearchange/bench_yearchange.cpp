// The change of financial year over a generated book on the general
// template's chart and models: 20,000 vouchers of the year with two entries
// each (1,000 with KV_BENCH_QUICK=1), a previous year of a quarter of that,
// and a budget for every income-statement account for three years. Each
// run starts from a fresh copy of the book. Measured: the change with
// opening entries (profit booking, balance sheet, move, opening voucher)
// and without them (the move alone).

#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "ledger_reports/reportglobals.h"
#include "maintenance/yearchange/kaudenvaihto.h"
#include "platform/dao/database.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool quick() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK"); }
int voucherCount() { return quick() ? 1000 : 20000; }

dao::Date start() { return dao::Date::fromYmd(2031, 1, 1); }

struct Book {
    QTemporaryDir dir;
    QString master;
    QString work;
    Book() {
        master = dir.filePath(QStringLiteral("master.mdb"));
        work = dir.filePath(QStringLiteral("kirja.mdb"));
        const QDir src(QStringLiteral(KV_SOURCE_DIR));
        dao::Database db = dao::DBEngine::CreateDatabase(master);
        core::runSqlFile(db, src.filePath(QStringLiteral("data/schema/base.sql")));
        core::UpdateDatabase(db);
        core::runSqlFile(db, src.filePath(QStringLiteral("data/books/yleismalli.sql")));
        db.Execute(QStringLiteral("UPDATE ma SET maTulosMaID = 1 WHERE maID = 2"));
        db.BeginTrans();
        long entry = 0;
        auto vouchers = [&](const QString& to, const QString& vi, const QString& p, const QString& e, int n,
                            const dao::Date& first) {
            db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2Numero, %2Pvm, %2Selite, %2Avaustosite) VALUES (?, 0, ?, 'Avaus', True)")
                           .arg(to, p),
                       {1, first});
            for (long tl : {19L, 24L})
                db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID, %2Avausvienti) "
                                          "VALUES (?, 1, ?, ?, 5000, 0, True)")
                               .arg(vi, e),
                           {++entry, tl, tl == 19 ? "D" : "K"});
            for (int t = 2; t <= n; ++t) {
                const long tl = 43 + (t * 7) % 76;  // the income-statement accounts 43..118
                const bool income = tl < 55;
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
            for (long tl = 43; tl <= 118; ++tl) {
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

// A fresh copy of the book, opened, with the year 2031 in the settings.
void freshBook() {
    core::DBCon().SuljeDB();
    QFile::remove(book().work);
    QFile::copy(book().master, book().work);
    core::DatabasePath = book().work;
    core::TilikausiAlku = start();
    core::TilikausiLoppu = start().addYears(1).addDays(-1);
    core::EdTilikausiAlku = start().addYears(-1);
    core::EdTilikausiLoppu = start().addDays(-1);
    core::VoittoTaseella = 25;
    reports::TiliErottelu = false;
    core::DBCon().AvaaDB();
}

void change(benchmark::State& state, bool openingEntries) {
    for (auto _ : state) {
        state.PauseTiming();
        freshBook();
        state.ResumeTiming();
        const auto result = maintenance::VaihdaTilikausi({2, openingEntries});
        if (result != maintenance::KaudenVaihtoTulos::Tehty) state.SkipWithError("the change was refused");
    }
    core::DBCon().SuljeDB();
    state.counters["vouchers"] = voucherCount();
}

void BM_YearChangeWithOpeningEntries(benchmark::State& state) { change(state, true); }
BENCHMARK(BM_YearChangeWithOpeningEntries)->Unit(benchmark::kMillisecond);

void BM_YearChangeWithoutOpeningEntries(benchmark::State& state) { change(state, false); }
BENCHMARK(BM_YearChangeWithoutOpeningEntries)->Unit(benchmark::kMillisecond);

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
