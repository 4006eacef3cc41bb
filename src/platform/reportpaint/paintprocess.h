#pragma once

// A part of a long PDF file painted in a process of its own. Painters on
// threads of one process wait for each other on the locks and shared
// counts of Qt's fonts and text shaping; painter processes share nothing.
// The painter program (kolvio-vev-paint, in the program folder) reads the
// file's settings, fonts and pages from a socket and paints them into the
// file with the same code as a painter thread, so the part is the same.
//
// The program and its painter meet only when they are of one version: the
// pages go between them as they lie in memory. The painter answers each
// page once it has painted it, and each file once it has closed it whole:
// the answers are its progress, whatever it does with the processor
// meanwhile. A painter that has not answered within the patience
// (setPatience) since it was given something to answer, or since its last
// answer, is ended, and what it had not closed is left to the caller.

#include "platform/reportpaint/pagepaint.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <sys/types.h>

namespace report {

class PaintProcess {
public:
    // A painter whose caller sets abandoned stops at once: every read and
    // write of the caller's side fails within some hundredths of a second,
    // and the painter is ended.
    explicit PaintProcess(const std::atomic<bool>* abandoned = nullptr) : abandoned_(abandoned) {}
    ~PaintProcess();  // an unfinished painter is stopped
    PaintProcess(const PaintProcess&) = delete;
    PaintProcess& operator=(const PaintProcess&) = delete;

    // The painter program: the one named with setProgram, or else the one
    // beside the running program; empty when there is none.
    static QString program();
    // A program whose painter lies elsewhere than beside it (a test of the
    // build's, say) names it; empty: the one beside the program again.
    static void setProgram(const QString& path);
    // How long a painter may go without answering what it has been given:
    // its start, the next page, the close of its file. Its start takes about
    // a tenth of a second, a page a few thousandths, a close of some
    // hundred pages a tenth. The default is a hundred times the longest of
    // those, with room for a painter waiting on a busy disk; a painter that
    // is not answering is ended after it, and the user then waits no longer
    // than that for its pages to be painted again in the program itself.
    static constexpr std::chrono::milliseconds kPatience{10000};
    static void setPatience(std::chrono::milliseconds patience);
    // What the program and its painter compare before they meet: the
    // messages' form and the program's and Qt's versions.
    static QByteArray version();

    // Starts the painter of file; true once a painter of this version has
    // answered that it is ready for the pages. False when it cannot start,
    // is of another version or does not answer: the caller paints the part
    // itself (into another file: this one may have been named to it).
    bool start(const QString& program, const PdfSettings& settings, const QString& file);
    // The fonts of the pages that follow, as fontsMessage made them. False,
    // as from paint and next, once the painter has failed: it has been
    // ended, and the file it was painting is not whole.
    bool setFonts(const QByteArray& message);
    // The message that sends the fonts; made on the thread the fonts belong
    // to, as a QFont shares data with its copies that Qt changes in use.
    static QByteArray fontsMessage(const std::vector<QFont>& fonts);
    // The fonts a fonts message sends, as fonts of the calling thread's own;
    // none when the message is not one.
    static std::vector<QFont> fontsIn(const QByteArray& message);
    bool paint(const PagePaint& page);
    // Closes the file the pages so far went into, and begins file for the
    // pages that follow; true once the painter has answered that the one
    // closed is whole.
    bool next(const QString& file);
    // Waits for the painter to close its file and end; true when every page
    // since the last file begun is in it.
    bool close();

private:
    using Clock = std::chrono::steady_clock;
    // Sends message; answered: the painter is to answer it.
    bool send(const QByteArray& message, bool answered);
    // Waits until the socket has room to write (POLLOUT) or an answer has
    // come (POLLIN); false once the painter is overdue, gone or abandoned.
    bool await(short events);
    // Takes the answers that have come; false when the painter has ended
    // its side with something unanswered, or answered what it does not.
    bool takeAnswers();
    bool overdue() const;
    // The answer to the close of a file: true when it is whole.
    bool closed();
    void stop();

    const std::atomic<bool>* abandoned_;
    int socket_ = -1;
    pid_t pid_ = -1;
    bool ok_ = true;
    bool ready_ = false;       // the painter has answered its start
    bool gone_ = false;        // it has ended its side of the socket
    int unanswered_ = 0;       // its start, the pages and the closes it has not answered
    qint64 answered_ = 0;
    Clock::time_point since_;  // its last answer, or what it was given when it had none to give
    char closedAnswer_ = 0;    // its answer to the last close; 0 until it comes
    QByteArray answers_;       // what has come and is not yet taken
    QByteArray message_;       // reused from page to page
};

// The painter program's work: takes the settings, fonts and pages from the
// socket, paints the file and answers. Returns the program's exit code.
int runPaintProcess(int socket);

}  // namespace report
