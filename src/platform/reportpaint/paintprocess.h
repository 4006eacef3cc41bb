#pragma once

// A part of a long PDF file painted in a process of its own. Painters on
// threads of one process wait for each other on the locks and shared
// counts of Qt's fonts and text shaping; painter processes share nothing.
// The painter program (kolvio-vev-paint, in the program folder) reads the
// file's settings, fonts and pages from a socket and paints them into the
// file with the same code as a painter thread, so the part is the same.
//
// The program and its painter meet only when they are of one version: the
// pages go between them as they lie in memory. A painter that neither takes
// nor answers anything within the patience (setPatience), nor uses the
// processor meanwhile, is ended: one that has not answered its start leaves
// its part to the caller, and one that stops later has not written its
// part.

#include "platform/reportpaint/pagepaint.h"

#include <QByteArray>
#include <chrono>
#include <sys/types.h>

namespace report {

class PaintProcess {
public:
    PaintProcess() = default;
    ~PaintProcess();  // an unfinished painter is stopped
    PaintProcess(const PaintProcess&) = delete;
    PaintProcess& operator=(const PaintProcess&) = delete;

    // The painter program: the one named with setProgram, or else the one
    // beside the running program; empty when there is none.
    static QString program();
    // A program whose painter lies elsewhere than beside it (a test of the
    // build's, say) names it; empty: the one beside the program again.
    static void setProgram(const QString& path);
    // How long a painter may go without taking the next bytes sent or
    // answering, and without using the processor: its start takes about a
    // tenth of a second, a page a few thousandths. The default leaves room
    // for a painter waiting on a busy disk.
    static constexpr std::chrono::milliseconds kPatience{10000};
    static void setPatience(std::chrono::milliseconds patience);
    // What the program and its painter compare before they meet: the
    // messages' form and the program's and Qt's versions.
    static QByteArray version();

    // Starts the painter of file; true once a painter of this version has
    // answered that it is ready for the pages. False when it cannot start,
    // is of another version or does not answer: the file was not named to
    // it, and the caller paints the part itself.
    bool start(const QString& program, const PdfSettings& settings, const QString& file);
    // The fonts of the pages that follow, as fontsMessage made them. False,
    // as from paint, once the painter has failed: it will not write its part.
    bool setFonts(const QByteArray& message);
    // The message that sends the fonts; made on the thread the fonts belong
    // to, as a QFont shares data with its copies that Qt changes in use.
    static QByteArray fontsMessage(const std::vector<QFont>& fonts);
    // The fonts a fonts message sends, as fonts of the calling thread's own;
    // none when the message is not one.
    static std::vector<QFont> fontsIn(const QByteArray& message);
    bool paint(const PagePaint& page);
    // Waits for the painter; true when every page is in the file.
    bool close();

private:
    bool send(const QByteArray& message);
    bool receive(char* into, size_t count);
    bool working();
    void stop();

    int socket_ = -1;
    pid_t pid_ = -1;
    bool ok_ = true;
    qint64 ticks_ = 0;    // the processor time the painter had used when last asked
    QByteArray message_;  // reused from page to page
};

// The painter program's work: takes the settings, fonts and pages from the
// socket, paints the file and answers. Returns the program's exit code.
int runPaintProcess(int socket);

}  // namespace report
