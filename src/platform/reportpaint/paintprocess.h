#pragma once

// A part of a long PDF file painted in a process of its own. Painters on
// threads of one process wait for each other on the locks and shared
// counts of Qt's fonts and text shaping; painter processes share nothing.
// The painter program (kolvio-vev-paint, in the program folder) reads the
// file's settings, fonts and pages from a socket and paints them into the
// file with the same code as a painter thread, so the part is the same.

#include "platform/reportpaint/pagepaint.h"

#include <QByteArray>
#include <sys/types.h>

namespace report {

class PaintProcess {
public:
    PaintProcess() = default;
    ~PaintProcess();  // an unfinished painter is stopped
    PaintProcess(const PaintProcess&) = delete;
    PaintProcess& operator=(const PaintProcess&) = delete;

    // The painter program beside the program, or else the one of this
    // build; empty when there is none.
    static QString program();

    // Starts the painter of file; true once it is ready for the pages.
    // False when it cannot start: nothing was sent, and the caller paints
    // the part itself.
    bool start(const QString& program, const PdfSettings& settings, const QString& file);
    // The fonts of the pages that follow, as fontsMessage made them.
    void setFonts(const QByteArray& message);
    // The message that sends the fonts; made on the thread the fonts belong
    // to, as a QFont shares data with its copies that Qt changes in use.
    static QByteArray fontsMessage(const std::vector<QFont>& fonts);
    // The fonts a fonts message sends, as fonts of the calling thread's own;
    // none when the message is not one.
    static std::vector<QFont> fontsIn(const QByteArray& message);
    void paint(const PagePaint& page);
    // Waits for the painter; true when every page is in the file.
    bool close();

private:
    bool send(const QByteArray& message);
    void stop();

    int socket_ = -1;
    pid_t pid_ = -1;
    bool ok_ = true;
    QByteArray message_;  // reused from page to page
};

// The painter program's work: takes the settings, fonts and pages from the
// socket, paints the file and answers. Returns the program's exit code.
int runPaintProcess(int socket);

}  // namespace report
