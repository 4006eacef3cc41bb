// The database engine over a generated book of 10,000 vouchers with 50,000
// entries (1,000 and 5,000 with KV_BENCH_QUICK=1).

#include "platform/dao/database.h"
#include "support/benchsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

int voucherCount() { return kvbench::sized(10000, 1000); }

const QString& bookPath() {
    static const kvbench::Book b(QStringLiteral("bench.mdb"), [](dao::Database& db) {
        kvbench::addVouchers(db, {.vouchers = voucherCount(), .entries = 5});
    });
    return b.path();
}

void BM_ReadEveryVoucherAndItsEntries(benchmark::State& state) {
    dao::Database db = dao::DBEngine::OpenDatabase(bookPath());
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
    state.counters["vouchers"] = voucherCount();
}
BENCHMARK(BM_ReadEveryVoucherAndItsEntries)->Unit(benchmark::kMillisecond);

// Each voucher and entry saved on its own, durable when the save returns.
void addVouchers(benchmark::State& state, bool oneTransaction) {
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
        QFile::copy(bookPath(), copy);
        dao::Database db = dao::DBEngine::OpenDatabase(copy);
        state.ResumeTiming();
        if (oneTransaction) db.BeginTrans();
        const int n = kvbench::sized(1000, 100);
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
    state.counters["vouchers"] = voucherCount();
}

void BM_AddVouchersEachSavedAlone(benchmark::State& state) { addVouchers(state, false); }
void BM_AddVouchersInOneTransaction(benchmark::State& state) { addVouchers(state, true); }
BENCHMARK(BM_AddVouchersEachSavedAlone)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AddVouchersInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return kvbench::runBenchmarks(argc, argv); }
