#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

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

}  // namespace kvtest

#define KV_TEST_CHILD(name) \
    static int kvChild_##name(const QStringList& args); \
    static const bool kvChildReg_##name = ::kvtest::registerChild(#name, kvChild_##name); \
    static int kvChild_##name(const QStringList& args)
