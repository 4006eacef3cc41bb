#pragma once

// Painter programs of the tests' own, and the program's patience with its
// painters made short for a test.

#include "platform/reportpaint/paintprocess.h"
#include "platform/reportpaint/pdfparts.h"
#include "support/testenv.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <unistd.h>
#include <vector>
#include <gtest/gtest.h>

namespace kvtest {

inline bool childOfOurs(pid_t p) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(p));
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray stat = f.readAll();  // pid (name) state parent ...
    const QList<QByteArray> after = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return after.size() > 1 && after[1].toInt() == ::getpid();
}

// Painter programs of the tests' own: shell scripts that write their process
// number into the file "painters" beside them and do what body says. The
// answer a painter of this version gives when it is ready lies in the file
// "ready" beside them.
class FakePainters {
public:
    FakePainters() {
        const QByteArray version = report::PaintProcess::version();
        const quint64 length = quint64(version.size());
        QByteArray ready = "R" + QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + version;
        QFile f(dir_.file("ready"));
        if (!f.open(QIODevice::WriteOnly) || f.write(ready) != ready.size()) ADD_FAILURE() << "no answer file";
    }
    QString make(const char* name, const QByteArray& body) {
        const QString path = dir_.file(name);
        QFile f(path);
        const QByteArray script = "#!/bin/sh\ncd \"" + QFile::encodeName(dir_.path()) + "\"\necho $$ >>painters\n" + body + '\n';
        if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size()) ADD_FAILURE() << name;
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    // The painters started that are still this process's children: running,
    // stopped, or ended and not yet reaped. A number of one reaped may be
    // another process's by now.
    std::vector<pid_t> left() const {
        QFile f(dir_.file("painters"));
        std::vector<pid_t> pids;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                if (const pid_t p = pid_t(line.toInt()); p > 1 && childOfOurs(p)) pids.push_back(p);
        return pids;
    }
    bool anyStarted() const { return QFileInfo(dir_.file("painters")).size() > 0; }

private:
    kvtest::TempDir dir_;
};

// The program's patience with its painters, short for a test, and what it was.
class Patience {
public:
    explicit Patience(std::chrono::milliseconds p) { report::PaintProcess::setPatience(p); }
    ~Patience() { report::PaintProcess::setPatience(report::PaintProcess::kPatience); }
};

// The pages a painter process paints into a part before it goes on in the
// next, few for a test, and what they were.
class PagesPerPart {
public:
    explicit PagesPerPart(int pages) { report::PdfParts::setPagesPerPart(pages); }
    ~PagesPerPart() { report::PdfParts::setPagesPerPart(report::PdfParts::kPagesPerPart); }
};

}  // namespace kvtest
