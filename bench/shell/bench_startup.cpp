// Start-up, from loading the main window to the window shown, as a fresh
// program would run it: the ini file is read again, the book opened,
// brought up to date and its settings loaded. On the demo book (its notice
// included), and on generated books of 2,000 and 20,000 vouchers (100,000
// with KV_BENCH_LARGE=1, 1,000 with KV_BENCH_QUICK=1), which should take
// the same time whatever their size. The splash window and the notice are
// closed at once.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "shell/frmmain.h"
#include "support/benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

void resetProgram() {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    core::resetGlobals();
    core::SetTranslator(nullptr);
    ini::cIniFile::ClearCache();
    shell::ResetQuitRequest();
}

// Starts the program on a copy of book in a program folder of its own,
// as often as the state asks; the demo notices shown.
int startUp(benchmark::State& state, const QString& book, const QString& fileName) {
    QTemporaryDir dir;
    const QString app = dir.path();
    const QString copy = QDir(app).filePath(fileName);
    if (!QFile::copy(book, copy)) {
        state.SkipWithError("the book could not be copied");
        return 0;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    sys::SetAppPath(app);
    {
        ini::cIniFile ini;
        ini.FileName(QDir(app).filePath(QStringLiteral("vevaravo.ini")));
        ini.Section(QStringLiteral("KOLVIO"));
        ini.Write(QStringLiteral("Suomi"), QStringLiteral("Language"));
        ini.Write(copy, QStringLiteral("Database"));
    }
    ui::ScriptedDialogService dialogs;  // a start on a sound book asks nothing
    ui::DialogScope scope(&dialogs);
    core::InstallWindowHooks();
    shell::SetQuitHandler([] {});
    ui::Forms::setModalHook([](ui::Form& f) {
        if (f.objectName() == QLatin1String("frmSplash"))
            ui::Forms::unload(f);
        else
            f.hide();
    });

    int notices = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetProgram();
        state.ResumeTiming();
        shell::frmMain& main = ui::Forms::show<shell::frmMain>();
        benchmark::DoNotOptimize(main.isVisible());
        state.PauseTiming();
        if (ui::Forms::find(QStringLiteral("frmDBHuomautus"))) ++notices;
        state.ResumeTiming();
    }
    resetProgram();
    ui::Forms::setModalHook(nullptr);
    shell::SetQuitHandler(nullptr);
    sys::SetAppPath(QString());
    if (!dialogs.shownTexts().isEmpty()) state.SkipWithError("start-up asked a question");
    return notices;
}

void BM_StartUpOnDemoBook(benchmark::State& state) {
    const int notices = startUp(state, QDir(QStringLiteral(KV_APP_DIR)).filePath(QStringLiteral("demo1.mdb")),
                                QStringLiteral("demo1.mdb"));
    if (notices != int(state.iterations())) state.SkipWithError("the demo notice was not shown");
}
BENCHMARK(BM_StartUpOnDemoBook)->Unit(benchmark::kMillisecond);

void BM_StartUpOnGeneratedBook(benchmark::State& state) {
    const int vouchers = int(state.range(0));
    static std::map<int, std::unique_ptr<kvbench::Book>> books;
    auto& b = books[vouchers];
    if (!b)
        b = std::make_unique<kvbench::Book>(QStringLiteral("master.mdb"), [vouchers](dao::Database& db) {
            kvbench::addVouchers(db, {.vouchers = vouchers, .entries = 4, .chart = true});
        });
    startUp(state, b->path(), QStringLiteral("kirja.mdb"));
    state.counters["vouchers"] = vouchers;
}
BENCHMARK(BM_StartUpOnGeneratedBook)->Apply(kvbench::overBookSizes)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return kvbench::runWithApplication(argc, argv); }
