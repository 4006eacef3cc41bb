// The database engine over a generated book of 10,000 vouchers with 50,000
// entries (1,000 and 5,000 with KV_BENCH_QUICK=1).

#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/dao/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

int voucherCount() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK") ? 1000 : 10000; }

QString sourceFile(const char* rel) { return QDir(QStringLiteral(KV_SOURCE_DIR)).filePath(QString::fromUtf8(rel)); }

struct Book {
    QTemporaryDir dir;
    QString path;
    Book() {
        path = dir.filePath(QStringLiteral("bench.mdb"));
        dao::Database db = dao::DBEngine::CreateDatabase(path);
        core::runSqlFile(db, sourceFile("data/schema/base.sql"));
        core::UpdateDatabase(db);
        db.BeginTrans();
        const int n = voucherCount();
        for (int t = 1; t <= n; ++t) {
            db.Execute(QStringLiteral("INSERT INTO to (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                      "toAutomaatti) VALUES (?, ?, ?, ?, False, False, False)"),
                       {t, t, dao::Date::fromYmd(2031, 1, 1).addDays(t % 365), QStringLiteral("Tosite %1").arg(t)});
            for (int e = 0; e < 5; ++e)
                db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                          "viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, ?, "
                                          "False, False, False)"),
                           {t, 1 + (t * 7 + e) % 90, e < 2 ? "D" : "K", dao::Currency::fromRaw(12345 * (e + 1)),
                            QStringLiteral("Tosite %1").arg(t)});
        }
        db.CommitTrans();
        db.Close();
    }
};

Book& book() {
    static Book b;
    return b;
}

void BM_ReadEveryVoucherAndItsEntries(benchmark::State& state) {
    dao::Database db = dao::DBEngine::OpenDatabase(book().path);
    for (auto _ : state) {
        long entries = 0;
        dao::Currency sum;
        dao::Recordset to = db.OpenRecordset(QStringLiteral("SELECT * FROM to ORDER BY toNumero"),
                                             dao::RecordsetType::Snapshot);
        for (; !to.isEOF(); to.MoveNext()) {
            const dao::Variant id = to.value(QStringLiteral("toID"));
            benchmark::DoNotOptimize(to.value(QStringLiteral("toSelite")));
            dao::Recordset vi = db.OpenRecordset(QStringLiteral("SELECT * FROM vi WHERE vitoID = ?"),
                                                 dao::RecordsetType::Snapshot, {id});
            for (; !vi.isEOF(); vi.MoveNext()) {
                sum += vi.value(QStringLiteral("viArvo")).toCurrency();
                ++entries;
            }
        }
        benchmark::DoNotOptimize(sum);
        state.counters["entries"] = double(entries);
    }
}
BENCHMARK(BM_ReadEveryVoucherAndItsEntries)->Unit(benchmark::kMillisecond);

// Each voucher and entry saved on its own, durable when the save returns.
void addVouchers(benchmark::State& state, bool oneTransaction) {
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
        QFile::copy(book().path, copy);
        dao::Database db = dao::DBEngine::OpenDatabase(copy);
        state.ResumeTiming();
        if (oneTransaction) db.BeginTrans();
        const int n = qEnvironmentVariableIsSet("KV_BENCH_QUICK") ? 100 : 1000;
        for (int t = 0; t < n; ++t) {
            dao::Recordset to = db.OpenRecordset(QStringLiteral("SELECT * FROM to WHERE toID = 0"));
            to.AddNew();
            const dao::Variant id = to.value(QStringLiteral("toID"));
            to.setValue(QStringLiteral("toNumero"), 100000 + t);
            to.setValue(QStringLiteral("toPvm"), dao::Date::fromYmd(2031, 6, 1));
            to.setValue(QStringLiteral("toSelite"), QStringLiteral("Uusi"));
            to.Update();
            for (int e = 0; e < 5; ++e) {
                dao::Recordset vi = db.OpenRecordset(QStringLiteral("SELECT * FROM vi WHERE viID = 0"));
                vi.AddNew();
                vi.setValue(QStringLiteral("vitoID"), id);
                vi.setValue(QStringLiteral("vitlID"), 5);
                vi.setValue(QStringLiteral("viTyyppi"), e < 2 ? "D" : "K");
                vi.setValue(QStringLiteral("viArvo"), dao::Currency::fromUnits(10));
                vi.Update();
            }
        }
        if (oneTransaction) db.CommitTrans();
        state.PauseTiming();
        db.Close();
        state.ResumeTiming();
    }
}

void BM_AddVouchersEachSavedAlone(benchmark::State& state) { addVouchers(state, false); }
void BM_AddVouchersInOneTransaction(benchmark::State& state) { addVouchers(state, true); }
BENCHMARK(BM_AddVouchersEachSavedAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AddVouchersInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
