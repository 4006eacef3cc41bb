#pragma once

// What the benchmarks share: the book sizes they run on, books generated
// into a folder of their own, the main of a benchmark (with or without the
// application object) and the table of results it prints at the end.

#include "platform/dao/database.h"
#include "platform/report/engine.h"

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace kvbench {

// KV_BENCH_QUICK=1 asks for small books and short runs: enough to see that
// a benchmark still builds and works.
bool quick();
// full in a measuring run, small in a quick one.
int sized(int full, int small);

// The numbers of vouchers a benchmark's books have, in its scaling run:
// 2,000 and 20,000, and 100,000 when KV_BENCH_LARGE=1 asks for it (a long
// run, never made in CI); 1,000 in a quick run.
std::vector<int> bookSizes();
// Runs the benchmark once for each of those sizes, the size as its
// argument (state.range(0)).
void overBookSizes(benchmark::internal::Benchmark* b);
// The same with the sizes given for a measuring run (the large and quick
// rules as above).
void overSizes(benchmark::internal::Benchmark* b, std::vector<int> sizes);

// A file of the source tree, such as "data/schema/base.sql".
QString sourceFile(const QString& relative);

// A book file of the current layout, generated once in a folder of its own
// and removed with it; fill writes its rows into the open book.
class Book {
public:
    Book(const QString& fileName, const std::function<void(dao::Database&)>& fill);
    const QString& path() const { return path_; }
    // Another file in the book's folder (a working copy).
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString path_;
};

// Generated vouchers 1..n (toID and the selite "Tosite t"), dated through
// 2031, each with its entries: the first two debit, the rest credit, on the
// accounts 1 + (t * 7 + e) % 90.
struct VoucherPlan {
    int vouchers = 0;
    int entries = 4;  // per voucher
    // 90 accounts "Tili a" numbered 1010, 1020, ... and the cost centres
    // 10..50 first.
    bool chart = false;
    // Entry amounts raw 12345 and 24690 by turns; otherwise 12345 * (e + 1).
    bool alternatingAmounts = false;
    // Voucher 1 opens the year on its first day and the last 50 close it;
    // the vouchers numbered from 0, their entries on the cost centres
    // (t + e) % 6.
    bool yearEnds = false;
};
// Writes the plan's rows in one transaction.
void addVouchers(dao::Database& db, const VoucherPlan& plan);

// The general template's chart and models (the balance model's profit from
// the income model), a year of vouchers from start with a previous year of
// a quarter of them, and a budget for every income-statement account
// (43..118) for three years. Each year has an opening voucher on the bank
// and equity accounts, then vouchers of an income-statement account and the
// bank account, credit to income accounts.
struct TemplatePlan {
    int vouchers = 0;
    dao::Date start;
    bool (*income)(long tlID) = nullptr;
    bool markOpeningEntries = false;  // the opening voucher's entries marked as such
};
void addTemplateYears(dao::Database& db, const TemplatePlan& plan);

// Lays the report out as often as the state asks; pages and records of the
// last run as counters.
void layOut(benchmark::State& state, const report::EngineInput& in);

// The main of a benchmark of windows or reports: an application object
// (offscreen unless the platform is set), the Finnish locale, the
// benchmarks run; atEnd before the book is closed.
int runWithApplication(int argc, char** argv, const std::function<void()>& atEnd = {});
// The main of a benchmark without windows: a core application object.
int runBenchmarks(int argc, char** argv);

// Both mains print, after the usual report, one table of every result:
// benchmark, book size (its "vouchers" counter), the wall and CPU time of
// one iteration and the peak resident memory of the process while the
// benchmark ran (its books' making included). When KV_BENCH_TABLE names a file, the rows are also
// appended to it as tab-separated lines, so that tools/bench.sh can print
// one table for all the benchmark programs.

}  // namespace kvbench
