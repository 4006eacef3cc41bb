#pragma once

// Twips (1/1440 inch), the unit of window sizes and positions, and pixels
// at a widget's logical DPI (a null widget: the primary screen's).

#include <QRect>

class QWidget;

namespace ui {

constexpr int kTwipsPerInch = 1440;

int TwipsToPixelsX(const QWidget* widget, int twips);
int TwipsToPixelsY(const QWidget* widget, int twips);
int PixelsToTwipsX(const QWidget* widget, int pixels);
int PixelsToTwipsY(const QWidget* widget, int pixels);

// A rectangle given in twips (left, top, width, height) in pixels, and back.
QRect TwipsToPixels(const QWidget* widget, const QRect& twips);
QRect PixelsToTwips(const QWidget* widget, const QRect& pixels);

}  // namespace ui
