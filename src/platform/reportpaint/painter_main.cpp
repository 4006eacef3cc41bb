// The PDF painter program: paints the pages of a part of a long PDF file
// that the program sends it on its standard input (see paintprocess.h).

#include "platform/reportpaint/paintprocess.h"

#include <QGuiApplication>
#include <zlib.h>

// Qt's PDF writer compresses each page's drawing, and each font, with zlib
// at its default level: two fifths of a painter's time went to it. This
// program writes nothing but PDF parts, and a stream started at the default
// level is compressed at level 3 instead: two and a half times as fast, for
// streams about a fifth longer. The writer starts its streams through
// deflateInit_, which this definition takes the place of in this program;
// with any other start the streams are as Qt makes them.
extern "C" int deflateInit_(z_streamp stream, int level, const char* version, int size) {
    if (level == Z_DEFAULT_COMPRESSION) level = 3;
    return deflateInit2_(stream, level, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY, version, size);
}

int main(int argc, char** argv) {
    // Fonts and the PDF writer need the application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return report::runPaintProcess(0);
}
