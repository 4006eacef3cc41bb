// The statement runs over generated books on the general template's chart
// and models: 2,000 and 20,000 vouchers of the year (100,000 with
// KV_BENCH_LARGE=1, 1,000 with KV_BENCH_QUICK=1) with two entries each on
// the income-statement and bank accounts, a quarter of that in the previous
// year, and a budget for every income-statement account for three years. Measured: the income statement's whole
// pipeline (budget vouchers, turnover, profit bookings, computation), the
// same split by account, and the balance sheet with its profit bookings.

#include "core/dbc.h"
#include "core/globals.h"
#include "platform/dao/database.h"
#include "reportctl/reportglobals.h"
#include "statements/statements.h"
#include "support/benchsupport.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

dao::Date start() { return dao::Date::fromYmd(2031, 1, 1); }
dao::Date end() { return dao::Date::fromYmd(2031, 12, 31); }

// The accounts that take income, credited; the others are debited.
bool income(long tl) { return tl < 55 || (tl >= 90 && tl <= 98) || (tl >= 104 && tl <= 108) || (tl >= 113 && tl <= 115); }

const QString& bookPath(int vouchers) {
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("bench.mdb"), [vouchers](dao::Database& db) {
            kvbench::addTemplateYears(db, {.vouchers = vouchers, .start = start(), .income = income});
        });
    return b->path();
}

void useBook(int vouchers) {
    core::DatabasePath = bookPath(vouchers);
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
    const int vouchers = int(state.range(0));
    useBook(vouchers);
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
    state.counters["vouchers"] = vouchers;
}

// The income statement as the statement print computes it.
void BM_IncomeStatement(benchmark::State& state) { incomeStatement(state, false); }
BENCHMARK(BM_IncomeStatement)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// Split by account: ten sums per account instead of per row.
void BM_IncomeStatementByAccount(benchmark::State& state) { incomeStatement(state, true); }
BENCHMARK(BM_IncomeStatementByAccount)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

// The balance sheet: the income model's profit booked, then the balance model.
void BM_BalanceSheet(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    useBook(vouchers);
    statements::bLiikevaihtoHiljaa = true;
    for (auto _ : state) {
        dao::Database db = core::DBCon().AvaaDB();
        statements::TyhjennaTulaJaTase(db);
        statements::TeeAutomaattikirjaukset(1, start(), end(), nullptr, false);
        statements::LaskeTase(2, start(), end(), nullptr);
        statements::PoistaTaseValirivit();
    }
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_BalanceSheet)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
