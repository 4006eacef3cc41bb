#include "support/child.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QLocale>
#include <map>
#include <string>

namespace kvtest {

namespace {
std::map<std::string, ChildMain>& children() {
    static std::map<std::string, ChildMain> c;
    return c;
}
}  // namespace

bool registerChild(const char* name, ChildMain fn) {
    children()[name] = std::move(fn);
    return true;
}

int runChildIfAsked(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string first = argv[1];
    const std::string prefix = "--kv-child=";
    if (first.rfind(prefix, 0) != 0) return -1;
    auto it = children().find(first.substr(prefix.size()));
    if (it == children().end()) return 99;
    // A whole application (offscreen, as the tests run): the code a child
    // runs may set the mouse pointer or show a message.
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    QStringList args;
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return it->second(args);
}

KilledRun runChildKilledAt(const char* name, const QStringList& args, int writePoint) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KV_KILL_AT_WRITE_POINT"), QString::number(writePoint));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--kv-child=") + QLatin1String(name)} + args);
    KilledRun run;
    if (!child.waitForStarted(20000) || !child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        run.errors = "the child did not run to an end: " + child.errorString().toUtf8();
        return run;
    }
    run.errors = child.readAllStandardError();
    run.killed = child.exitStatus() == QProcess::CrashExit && run.errors.contains("killed at write point");
    run.finished = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    const QByteArray out = child.readAllStandardOutput();
    run.lines = out.split('\n');
    run.lines.removeLast();  // the part after the last line break: empty, or a line cut short
    return run;
}

}  // namespace kvtest
