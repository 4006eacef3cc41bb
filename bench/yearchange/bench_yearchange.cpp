// The change of financial year over generated books on the general
// template's chart and models: 2,000 and 20,000 vouchers of the year with
// two entries each (100,000 with KV_BENCH_LARGE=1, 1,000 with
// KV_BENCH_QUICK=1), a previous year of a quarter of that,
// and a budget for every income-statement account for three years. Each
// run starts from a fresh copy of the book. Measured: the change with
// opening entries (profit booking, balance sheet, move, opening voucher)
// and without them (the move alone).

#include "core/dbc.h"
#include "core/globals.h"
#include "maintenance/yearchange/kaudenvaihto.h"
#include "platform/dao/database.h"
#include "reportctl/reportglobals.h"
#include "support/benchsupport.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

dao::Date start() { return dao::Date::fromYmd(2031, 1, 1); }

bool income(long tl) { return tl < 55; }

const kvbench::Book& book(int vouchers) {
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("master.mdb"), [vouchers](dao::Database& db) {
            kvbench::addTemplateYears(db, {.vouchers = vouchers, .start = start(), .income = income,
                                           .markOpeningEntries = true});
        });
    return *b;
}

// A fresh copy of the book, opened, with the year 2031 in the settings.
void freshBook(int vouchers) {
    core::DBCon().SuljeDB();
    const QString work = book(vouchers).filePath(QStringLiteral("kirja.mdb"));
    QFile::remove(work);
    QFile::copy(book(vouchers).path(), work);
    core::DatabasePath = work;
    core::TilikausiAlku = start();
    core::TilikausiLoppu = start().addYears(1).addDays(-1);
    core::EdTilikausiAlku = start().addYears(-1);
    core::EdTilikausiLoppu = start().addDays(-1);
    core::VoittoTaseella = 25;
    reports::TiliErottelu = false;
    core::DBCon().AvaaDB();
}

void change(benchmark::State& state, bool openingEntries) {
    const int vouchers = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        freshBook(vouchers);
        state.ResumeTiming();
        const auto result = maintenance::VaihdaTilikausi({2, openingEntries});
        if (result.tila != maintenance::KaudenVaihtoTulos::Tehty) state.SkipWithError("the change was refused");
    }
    core::DBCon().SuljeDB();
    state.counters["vouchers"] = vouchers;
}

void BM_YearChangeWithOpeningEntries(benchmark::State& state) { change(state, true); }
BENCHMARK(BM_YearChangeWithOpeningEntries)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

void BM_YearChangeWithoutOpeningEntries(benchmark::State& state) { change(state, false); }
BENCHMARK(BM_YearChangeWithoutOpeningEntries)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
