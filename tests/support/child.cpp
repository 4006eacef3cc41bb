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

// The option that has a child wait at the first write point of a step.
const std::string kPauseOption = "--kv-pause-at-step=";

// Waits at the first write point of step: says so on standard output with
// the point's path, and goes on when a line comes on standard input.
void pauseAtStep(const std::string& step) {
    fso::SetWritePointHook([step, done = false](const char* s, const QString& path) mutable {
        if (done || step != s) return;
        done = true;
        const QByteArray note = "paused " + QFile::encodeName(path) + '\n';
        (void)!::write(STDOUT_FILENO, note.constData(), size_t(note.size()));
        char c = 0;
        while (::read(STDIN_FILENO, &c, 1) == 1 && c != '\n') {
        }
    });
}

KilledRun finish(QProcess& child, int deadlineMs = 60000) {
    KilledRun run;
    if (!child.waitForFinished(deadlineMs)) {
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
    } else if (argc > 2 && std::string(argv[2]).rfind(kPauseOption, 0) == 0) {
        pauseAtStep(std::string(argv[2] + kPauseOption.size()));
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
    if (!child.waitForStarted(20000)) {
        KilledRun run;
        run.errors = "the child did not start: " + child.errorString().toUtf8();
        return run;
    }
    return finish(child);
}

KilledRun runChild(const char* name, const QStringList& args, int deadlineMs) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--kv-child=") + QLatin1String(name)} + args);
    if (!child.waitForStarted(20000)) {
        KilledRun run;
        run.errors = "the child did not start: " + child.errorString().toUtf8();
        return run;
    }
    return finish(child, deadlineMs);
}

PausedRun::PausedRun(const char* name, const QStringList& args, const char* step) : process_(new QProcess) {
    process_->start(QCoreApplication::applicationFilePath(),
                    QStringList{QStringLiteral("--kv-child=") + QLatin1String(name),
                                QString::fromStdString(kPauseOption) + QLatin1String(step)} +
                        args);
    if (!process_->waitForStarted(20000)) return;
    while (!process_->canReadLine() && process_->state() == QProcess::Running) process_->waitForReadyRead(60000);
    const QByteArray line = process_->readLine().trimmed();
    if (line.startsWith("paused ")) pausedAt_ = QFile::decodeName(line.mid(7));
}

PausedRun::~PausedRun() {
    kill();
    delete process_;
}

KilledRun PausedRun::resume() {
    process_->write("\n");
    process_->closeWriteChannel();
    return finish(*process_);
}

void PausedRun::kill() {
    if (process_->state() == QProcess::NotRunning) return;
    process_->kill();
    process_->waitForFinished();
}

}  // namespace kvtest
