// The PDF painter program: paints the pages of a part of a long PDF file
// that the program sends it on its standard input (see paintprocess.h).

#include "platform/reportpaint/paintprocess.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    // Fonts and the PDF writer need the application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return report::runPaintProcess(0);
}
