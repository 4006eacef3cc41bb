#pragma once

// Another copy of the program in the middle of a write of an ini file: it
// has the file's lock and stays at the moment it replaces the file until
// the test lets it go on (or ends it, as the test ends), so that the file
// is held for as long as the test needs.

#include "support/child.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

namespace kvtest {

class IniWriteInProgress {
public:
    // The other copy stores a window's placement (key kOtherKey of section
    // "FORMS") in the ini file at iniPath.
    explicit IniWriteInProgress(const QString& iniPath);
    static constexpr const char* kOtherKey = "frmToinenKopio20";

    // It holds the file: it got as far as replacing it.
    bool holding() const { return !run_.pausedAt().isEmpty(); }
    // Lets it write; true when its write was stored.
    bool finish();

private:
    PausedRun run_;
};

// What a piece of work that may wait lets the program do meanwhile: a
// timer of the program's own ticks every 20 ms while events run, and the
// work's time is measured.
class WhileItRuns {
public:
    WhileItRuns() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++ticks_; });
        timer_.start(20);
        clock_.start();
    }
    // Stops the count and the clock.
    void stop() {
        timer_.stop();
        ms_ = clock_.elapsed();
    }
    int ticks() const { return ticks_; }
    qint64 ms() const { return ms_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    int ticks_ = 0;
    qint64 ms_ = 0;
};

}  // namespace kvtest
