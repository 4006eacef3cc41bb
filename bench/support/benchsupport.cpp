#include "benchsupport.h"

#include "core/dbc.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/reportpaint/paintprocess.h"
#include "support/ownfolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <clocale>
#include <cstdio>

namespace {
// Folders of the benchmark's own in place of the user's, set before and
// removed after every other static object (support/ownfolders.h).
__attribute__((init_priority(101))) kvtest::OwnFolders ownFolders(KV_OWN_FOLDERS_PARENT);
}  // namespace

namespace kvbench {

bool quick() { return qEnvironmentVariableIsSet("KV_BENCH_QUICK"); }

int sized(int full, int small) { return quick() ? small : full; }

std::vector<int> bookSizes() { return {2000, 20000}; }

void overBookSizes(benchmark::internal::Benchmark* b) { overSizes(b, bookSizes()); }

void overSizes(benchmark::internal::Benchmark* b, std::vector<int> sizes) {
    if (quick()) sizes = {1000};
    else if (qEnvironmentVariableIntValue("KV_BENCH_LARGE") == 1) sizes.push_back(100000);
    for (int n : sizes) b->Arg(n);
}

QString sourceFile(const QString& relative) { return QDir(QStringLiteral(KV_SOURCE_DIR)).filePath(relative); }

Book::Book(const QString& fileName, const std::function<void(dao::Database&)>& fill) {
    path_ = dir_.filePath(fileName);
    dao::Database db = dao::DBEngine::CreateDatabase(path_);
    core::runSqlFile(db, sourceFile(QStringLiteral("data/schema/base.sql")));
    core::UpdateDatabase(db);
    fill(db);
    db.Close();
}

void addVouchers(dao::Database& db, const VoucherPlan& plan) {
    db.BeginTrans();
    if (plan.chart) {
        for (int a = 1; a <= 90; ++a)
            db.Execute(QStringLiteral("INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (?, ?, ?, ' ')"),
                       {a, 1000 + a * 10, QStringLiteral("Tili %1").arg(a)});
        for (int k = 1; k <= 5; ++k)
            db.Execute(QStringLiteral("INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (?, ?, 'kp', ' ')"),
                       {k, k * 10});
    }
    const dao::Date first = dao::Date::fromYmd(2031, 1, 1);
    const int n = plan.vouchers;
    for (int t = 1; t <= n; ++t) {
        const bool avaus = plan.yearEnds && t == 1;
        const bool paatos = plan.yearEnds && t > n - 50;
        const QString selite = QStringLiteral("Tosite %1").arg(t);
        db.Execute(QStringLiteral("INSERT INTO to (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                  "toAutomaatti) VALUES (?, ?, ?, ?, ?, ?, False)"),
                   {t, plan.yearEnds ? t - 1 : t, avaus ? first : first.addDays(t % 365), selite, avaus, paatos});
        for (int e = 0; e < plan.entries; ++e)
            db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                      "viAvausvienti, viPaatosvienti, viAutomaatti) VALUES (?, ?, ?, ?, ?, ?, "
                                      "?, ?, False)"),
                       {t, 1 + (t * 7 + e) % 90, plan.yearEnds ? (t + e) % 6 : 0, e < 2 ? "D" : "K",
                        dao::Currency::fromRaw(12345 * ((plan.alternatingAmounts ? e % 2 : e) + 1)), selite, avaus,
                        paatos});
    }
    db.CommitTrans();
}

void addTemplateYears(dao::Database& db, const TemplatePlan& plan) {
    core::runSqlFile(db, sourceFile(QStringLiteral("data/books/yleismalli.sql")));
    db.Execute(QStringLiteral("UPDATE ma SET maTulosMaID = 1 WHERE maID = 2"));
    db.BeginTrans();
    long entry = 0;
    const QString opening = plan.markOpeningEntries
                                ? QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID, "
                                                 "%2Avausvienti) VALUES (?, 1, ?, ?, 5000, 0, True)")
                                : QStringLiteral("INSERT INTO %1 (%2ID, %2toID, %2tlID, %2Tyyppi, %2Arvo, %2kpID) "
                                                 "VALUES (?, 1, ?, ?, 5000, 0)");
    auto year = [&](const QString& to, const QString& vi, const QString& p, const QString& e, int n,
                    const dao::Date& first) {
        db.Execute(QStringLiteral("INSERT INTO %1 (%2ID, %2Numero, %2Pvm, %2Selite, %2Avaustosite) VALUES (?, 0, ?, 'Avaus', True)")
                       .arg(to, p),
                   {1, first});
        for (long tl : {19L, 24L}) db.Execute(opening.arg(vi, e), {++entry, tl, tl == 19 ? "D" : "K"});
        for (int t = 2; t <= n; ++t) {
            const long tl = 43 + (t * 7) % 76;  // the income-statement accounts 43..118
            const bool income = plan.income(tl);
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
    year(QStringLiteral("[to]"), QStringLiteral("vi"), QStringLiteral("to"), QStringLiteral("vi"), plan.vouchers,
         plan.start);
    year(QStringLiteral("toE"), QStringLiteral("viE"), QStringLiteral("toE"), QStringLiteral("viE"), plan.vouchers / 4,
         plan.start.addYears(-1));
    for (const char* budget : {"buEdellinen", "buNykyinen", "buTuleva"})
        for (long tl = 43; tl <= 118; ++tl) {
            dao::Params p{tl};
            for (int m = 1; m <= 12; ++m) p.emplace_back(dao::Currency::fromUnits(100 + m));
            db.Execute(QStringLiteral("INSERT INTO bu (butlID, buKuukausi1, buKuukausi2, buKuukausi3, buKuukausi4, "
                                      "buKuukausi5, buKuukausi6, buKuukausi7, buKuukausi8, buKuukausi9, buKuukausi10, "
                                      "buKuukausi11, buKuukausi12, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, True)")
                           .arg(QLatin1String(budget)),
                       p);
        }
    db.CommitTrans();
}

void layOut(benchmark::State& state, const report::EngineInput& in) {
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

namespace {

// The most the process has had resident, in kilobytes, since it began or
// since the last resetPeakResident(); -1 when the system does not tell.
qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) {
            bool ok = false;
            const qint64 kb = line.mid(6).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kb : -1;
        }
    return -1;
}

// Starts the peak again from what the process has resident now, so that
// each benchmark's peak is its own (Linux: clear_refs 5).
void resetPeakResident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) clear.write("5");
}

// The console report as usual, then the results again as one table, with
// the peak resident memory of the process while each benchmark ran.
class TableReporter : public benchmark::ConsoleReporter {
public:
    bool ReportContext(const Context& context) override {
        resetPeakResident();
        return ConsoleReporter::ReportContext(context);
    }
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        const qint64 peak = peakResidentKb();
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            const auto size = r.counters.find("vouchers");
            rows_.push_back({QString::fromStdString(r.run_name.function_name),
                             size == r.counters.end() ? QStringLiteral("-") : QString::number(qint64(size->second.value)),
                             time(r.GetAdjustedRealTime(), r.time_unit), time(r.GetAdjustedCPUTime(), r.time_unit),
                             peak < 0 ? QStringLiteral("-") : QString::number((peak + 512) / 1024) + QStringLiteral(" MB")});
        }
        resetPeakResident();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        if (rows_.empty()) return;
        const Row head{QStringLiteral("benchmark"), QStringLiteral("vouchers"), QStringLiteral("wall"),
                       QStringLiteral("cpu"), QStringLiteral("peak")};
        qsizetype w[kColumns] = {};
        for (int c = 0; c < kColumns; ++c) w[c] = head.cell[c].size();
        for (const Row& r : rows_)
            for (int c = 0; c < kColumns; ++c) w[c] = std::max(w[c], r.cell[c].size());
        auto line = [&](const Row& r) {
            QString text = r.cell[0].leftJustified(w[0]);
            for (int c = 1; c < kColumns; ++c) text += QStringLiteral("  ") + r.cell[c].rightJustified(w[c]);
            return text;
        };
        QString out = QLatin1Char('\n') + line(head) + QLatin1Char('\n');
        for (const Row& r : rows_) out += line(r) + QLatin1Char('\n');
        GetOutputStream() << out.toStdString() << std::flush;

        const QString file = qEnvironmentVariable("KV_BENCH_TABLE");
        if (file.isEmpty()) return;
        QFile f(file);
        if (!f.open(QIODevice::Append | QIODevice::Text)) {
            std::fprintf(stderr, "KV_BENCH_TABLE: cannot write %s\n", qPrintable(file));
            return;
        }
        for (const Row& r : rows_) f.write((r.cell.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
    }

private:
    static constexpr int kColumns = 5;
    struct Row {
        Row(QString a, QString b, QString c, QString d, QString e = QString()) : cell{a, b, c, d, e} {}
        QStringList cell;
    };
    static QString time(double t, benchmark::TimeUnit unit) {
        const char* u = unit == benchmark::kSecond        ? "s"
                        : unit == benchmark::kMillisecond ? "ms"
                        : unit == benchmark::kMicrosecond ? "us"
                                                          : "ns";
        return QString::number(t, 'f', t < 10 ? 2 : t < 100 ? 1 : 0) + QLatin1Char(' ') + QLatin1String(u);
    }
    std::vector<Row> rows_;
};

int run(int argc, char** argv) {
    // The benchmark library reads the numbers of its flags
    // (--benchmark_min_time=0.01) and of the machine's description, and
    // writes those of its report, through the C library's locale, which the
    // application object has just set from the environment: a Finnish or
    // Swedish one wants a decimal comma and refuses 0.01. Its numeric category
    // goes back to "C" for the whole run. The program's own formats are not
    // the C library's (they come from QLocale and the environment), so what
    // the benchmarks measure is the same.
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}

}  // namespace

int runWithApplication(int argc, char** argv, const std::function<void()>& atEnd) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    report::PaintProcess::setProgram(QStringLiteral(KV_PAINTER_OF_BUILD));
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    const int rc = run(argc, argv);
    if (atEnd) atEnd();
    core::DBCon().SuljeDB();
    return rc;
}

int runBenchmarks(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rc = run(argc, argv);
    core::DBCon().SuljeDB();
    return rc;
}

}  // namespace kvbench
