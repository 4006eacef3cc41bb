#include "platform/ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

int dpi(const QWidget* w, bool horizontal) {
    int d = 0;
    if (w) {
        d = horizontal ? w->logicalDpiX() : w->logicalDpiY();
    } else if (const QScreen* s = QGuiApplication::primaryScreen()) {
        d = qRound(horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY());
    }
    return d > 0 ? d : 96;
}

}  // namespace

int TwipsToPixelsX(const QWidget* w, int twips) { return qRound(twips * dpi(w, true) / double(kTwipsPerInch)); }
int TwipsToPixelsY(const QWidget* w, int twips) { return qRound(twips * dpi(w, false) / double(kTwipsPerInch)); }
int PixelsToTwipsX(const QWidget* w, int px) { return qRound(px * double(kTwipsPerInch) / dpi(w, true)); }
int PixelsToTwipsY(const QWidget* w, int px) { return qRound(px * double(kTwipsPerInch) / dpi(w, false)); }

QRect TwipsToPixels(const QWidget* w, const QRect& t) {
    return QRect(TwipsToPixelsX(w, t.left()), TwipsToPixelsY(w, t.top()), TwipsToPixelsX(w, t.width()),
                 TwipsToPixelsY(w, t.height()));
}

QRect PixelsToTwips(const QWidget* w, const QRect& p) {
    return QRect(PixelsToTwipsX(w, p.left()), PixelsToTwipsY(w, p.top()), PixelsToTwipsX(w, p.width()),
                 PixelsToTwipsY(w, p.height()));
}

}  // namespace ui
