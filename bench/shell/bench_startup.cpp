// Start-up on the demo book, from loading the main window to the window
// shown (the demo notice included), as a fresh program would run it: the
// ini file is read again, the book opened, brought up to date and its
// settings loaded. The splash window and the notice are closed at once.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "platform/ui/scripteddialogs.h"
#include "shell/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void resetProgram() {
    ui::Forms::destroyAll();
    core::DBCon().SuljeDB();
    core::resetGlobals();
    core::SetTranslator(nullptr);
    ini::cIniFile::ClearCache();
    shell::ResetQuitRequest();
}

void BM_StartUpOnDemoBook(benchmark::State& state) {
    QTemporaryDir dir;
    const QString app = dir.path();
    const QString book = QDir(app).filePath(QStringLiteral("demo1.mdb"));
    if (!QFile::copy(QDir(QStringLiteral(KV_APP_DIR)).filePath(QStringLiteral("demo1.mdb")), book)) {
        state.SkipWithError("demo1.mdb is missing from the program folder of the build");
        return;
    }
    QFile::setPermissions(book, QFile::ReadOwner | QFile::WriteOwner);
    sys::SetAppPath(app);
    {
        ini::cIniFile ini;
        ini.FileName(QDir(app).filePath(QStringLiteral("vevaravo.ini")));
        ini.Section(QStringLiteral("KOLVIO"));
        ini.Write(QStringLiteral("Suomi"), QStringLiteral("Language"));
    }
    ui::ScriptedDialogService dialogs;  // a start on the demo book asks nothing
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
    if (notices != int(state.iterations())) state.SkipWithError("the demo notice was not shown");
}
BENCHMARK(BM_StartUpOnDemoBook)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
