#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

class QProcess;

namespace kvtest {

// A test can run part of itself in a child process (for example one that is
// killed in the middle of its work): the child is this same test program
// started with "--kv-child=<name>" and the arguments given.
using ChildMain = std::function<int(const QStringList& args)>;
bool registerChild(const char* name, ChildMain fn);
// Runs a registered child when the command line asks for one; -1 otherwise.
int runChildIfAsked(int argc, char** argv);

// A child run that is killed at its n-th write point (fso::WritePoint), as
// a crash at that moment would stop it: the child's write-point hook does
// it, so the code the child runs must not set a hook of its own.
struct KilledRun {
    bool killed = false;    // it died at the write point
    bool finished = false;  // it ran to its end with exit code 0
    QList<QByteArray> lines;  // its whole lines of standard output
    QByteArray errors;
};
KilledRun runChildKilledAt(const char* name, const QStringList& args, int writePoint);
// A child run to its end; one still running after deadlineMs is killed
// (then neither killed nor finished), so that a hang fails the test instead
// of holding up the suite.
KilledRun runChild(const char* name, const QStringList& args, int deadlineMs = 60000);

// A child run that stops at its first write point of step and waits there,
// as another running copy of the program would be in the middle of its
// work, until it is let go on or killed.
class PausedRun {
public:
    PausedRun(const char* name, const QStringList& args, const char* step);
    ~PausedRun();
    PausedRun(const PausedRun&) = delete;
    PausedRun& operator=(const PausedRun&) = delete;
    // The path of the write point it waits at ("" when it never got there).
    const QString& pausedAt() const { return pausedAt_; }
    // Lets it go on to its end.
    KilledRun resume();
    // Ends it as a crash would.
    void kill();

private:
    QProcess* process_;
    QString pausedAt_;
};

}  // namespace kvtest

#define KV_TEST_CHILD(name) \
    static int kvChild_##name(const QStringList& args); \
    static const bool kvChildReg_##name = ::kvtest::registerChild(#name, kvChild_##name); \
    static int kvChild_##name(const QStringList& args)
