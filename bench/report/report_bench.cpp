// Report engine over generated books of 2,000, 20,000 and 62,000 vouchers
// (the last gives about 2,000 pages; 100,000 vouchers with KV_BENCH_LARGE=1,
// 1,000 with KV_BENCH_QUICK=1): a ledger laid out into pages, and the pages
// written as PDF.

#include "platform/dao/database.h"
#include "platform/report/engine.h"
#include "platform/report/render.h"
#include "support/benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

// A book with 200 accounts and the given number of vouchers of two entries each.
QString makeBook(int vouchers) {
    static std::map<int, QString> made;
    if (auto it = made.find(vouchers); it != made.end()) return it->second;
    const QString path = QDir(workDir().path()).filePath(QStringLiteral("kirja%1.mdb").arg(vouchers));
    dao::Database db = dao::DBEngine::CreateDatabase(path);
    db.Execute(QStringLiteral("CREATE TABLE tl (tlID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, tlNumero LONG, "
                              "tlNimi TEXT(50), tlAlkusaldo CURRENCY, tlLoppusaldo CURRENCY, tlPrint BIT)"));
    db.Execute(QStringLiteral("CREATE TABLE [to] (toID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, toNumero LONG, "
                              "toPvm DATETIME, toSelite TEXT(255), toAvaustosite BIT, toPaatostosite BIT)"));
    db.Execute(QStringLiteral("CREATE TABLE vi (viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, vitoID LONG, "
                              "vitlID LONG, vikpID LONG, viTyyppi TEXT(1), viArvo CURRENCY, viSelite TEXT(255), "
                              "viAvausvienti BIT, viPaatosvienti BIT)"));
    db.Execute(QStringLiteral("CREATE INDEX vitoID ON vi (vitoID)"));
    db.Execute(QStringLiteral("CREATE INDEX vitlID ON vi (vitlID)"));
    const int accounts = 200;
    db.BeginTrans();
    for (int a = 1; a <= accounts; ++a)
        db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlAlkusaldo, tlLoppusaldo, tlPrint) "
                                  "VALUES (?, ?, ?, ?, ?)"),
                   {1000 + a * 10, QStringLiteral("Tili numero %1").arg(a), dao::Currency::fromUnits(a * 100),
                    dao::Currency::fromUnits(0), true});
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xffffff; };
    for (int v = 1; v <= vouchers; ++v) {
        const dao::Date date = dao::Date::fromYmd(2031, 1, 1).addDays(int(next() % 365));
        db.Execute(QStringLiteral("INSERT INTO [to] (toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
                   {v, v, date, QStringLiteral("Tosite %1").arg(v), false, false});
        const dao::Currency amount = dao::Currency::fromRaw(qint64(next() % 10000000) * 100);
        const int debit = 1 + int(next() % accounts), credit = 1 + int(next() % accounts);
        for (int side = 0; side < 2; ++side)
            db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                      "viAvausvienti, viPaatosvienti) VALUES (?, ?, 0, ?, ?, ?, ?, ?)"),
                       {v, side == 0 ? debit : credit, QString::fromLatin1(side == 0 ? "D" : "K"), amount,
                        QStringLiteral("Vienti %1 tositteelta %2").arg(side + 1).arg(v), false, false});
    }
    // The pseudo voucher of the ledger with one entry per account.
    db.Execute(QStringLiteral("INSERT INTO [to] (toID, toNumero, toPvm, toAvaustosite, toPaatostosite) "
                              "VALUES (?, -1, ?, ?, ?)"),
               {vouchers + 1, dao::Date::fromYmd(2031, 1, 2), false, false});
    for (int a = 1; a <= accounts; ++a)
        db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viAvausvienti, viPaatosvienti) "
                                  "VALUES (?, ?, 0, ?, ?)"),
                   {vouchers + 1, a, false, false});
    db.CommitTrans();
    db.Close();
    made[vouchers] = path;
    return path;
}

report::EngineInput ledgerInput(const QString& book) {
    report::EngineInput in;
    in.definitionPath = QString::fromUtf8(KV_LEDGER_DEFINITION);
    in.selectionFormula = QStringLiteral(
        "{tl.tlPrint} = True AND (({vi.viAvausvienti} = False AND {vi.viPaatosvienti} = False) AND "
        "({to.toPvm} <= Date(2031,12,31) AND {to.toPvm} >= Date(2031,1,1)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0))");
    in.formulas << QStringLiteral("Seurannimi= 'Benchmark ry'") << QStringLiteral("Otsake= 'Pääkirja'");
    in.sortFields << QStringLiteral("+{tl.tlNumero}") << QStringLiteral("+{to.toNumero}");
    for (int i = 0; i < 25; ++i) in.dataFiles << book;
    in.sectionFonts << QStringLiteral("ALL;Times New Roman;10;X;X;X;X");
    return in;
}

// Reading, selecting, sorting and laying out the ledger.
void BM_LedgerLayout(benchmark::State& state) {
    kvbench::layOut(state, ledgerInput(makeBook(int(state.range(0)))));
    state.counters["vouchers"] = double(state.range(0));
}

// Writing the laid-out pages to a PDF file.
void BM_LedgerPdf(benchmark::State& state) {
    const report::EngineResult r = report::runEngine(ledgerInput(makeBook(int(state.range(0)))));
    const QString pdf = QDir(workDir().path()).filePath(QStringLiteral("paakirja%1.pdf").arg(state.range(0)));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        report::setUpPrinter(printer, *r.report);
        report::printPages(printer, *r.report);
    }
    state.counters["pages"] = r.report->pageCount();
    state.counters["bytes"] = double(QFileInfo(pdf).size());
    state.counters["vouchers"] = double(state.range(0));
}

void ledgerSizes(benchmark::internal::Benchmark* b) { kvbench::overSizes(b, {2000, 20000, 62000}); }
BENCHMARK(BM_LedgerLayout)->Apply(ledgerSizes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LedgerPdf)->Apply(ledgerSizes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// Fonts and printing need the application object.
int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
