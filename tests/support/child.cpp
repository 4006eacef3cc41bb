#include "support/child.h"

#include "platform/fso/fso.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QLocale>
#include <csignal>
#include <cstdlib>
#include <map>
#include <string>
#include <unistd.h>

namespace kvtest {

namespace {

std::map<std::string, ChildMain>& children() {
    static std::map<std::string, ChildMain> c;
    return c;
}

// The option of a child's command line, after its name, that has it killed
// at its n-th write point.
const std::string kKillOption = "--kv-kill-at-write-point=";

// Kills this process at its n-th write point, as a crash would stop it then,
// with a note on standard error saying where.
void killAtWritePoint(long n) {
    fso::SetWritePointHook([n, count = 0L](const char* step, const QString& path) mutable {
        if (++count != n) return;
        const QByteArray note = "killed at write point " + QByteArray::number(n) + ": " + step + ' ' +
                                QFile::encodeName(path) + '\n';
        (void)!::write(STDERR_FILENO, note.constData(), size_t(note.size()));
        ::kill(::getpid(), SIGKILL);
    });
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
    int firstArg = 2;
    if (argc > 2 && std::string(argv[2]).rfind(kKillOption, 0) == 0) {
        const long n = std::strtol(argv[2] + kKillOption.size(), nullptr, 10);
        if (n <= 0) return 98;
        killAtWritePoint(n);
        firstArg = 3;
    }
    // A whole application (offscreen, as the tests run): the code a child
    // runs may set the mouse pointer or show a message.
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    QStringList args;
    for (int i = firstArg; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return it->second(args);
}

KilledRun runChildKilledAt(const char* name, const QStringList& args, int writePoint) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--kv-child=") + QLatin1String(name),
                            QString::fromStdString(kKillOption) + QString::number(writePoint)} +
                    args);
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
