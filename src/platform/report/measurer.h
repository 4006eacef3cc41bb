#pragma once

// Text measured for a report's layout, in points, the same on every screen
// and printer; the word wrap of a field's text.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace report::detail {

// Measures text in points on a device of 720 dpi, without hinting, so that
// the widths do not depend on the screen or the printer.
class Measurer {
public:
    Measurer() : device_(8, 8, QImage::Format_ARGB32) {
        const int dpm = int(720 / 0.0254 + 0.5);
        device_.setDotsPerMeterX(dpm);
        device_.setDotsPerMeterY(dpm);
    }
    void addFont(const QFont& f) {
        metrics_.emplace_back(f, &device_);
        lineHeights_.push_back(metrics_.back().lineSpacing() / 10.0);
        widths_.emplace_back();
        charAdvances_.emplace_back();
        charAdvances_.back().fill(-1);
    }
    // Measured once per font and text: a report repeats its dates, amounts
    // and names on line after line.
    double width(int font, const QString& s) const {
        auto& known = widths_[size_t(font)];
        auto it = known.constFind(s);
        if (it == known.constEnd()) it = known.insert(s, metrics_[size_t(font)].horizontalAdvance(s) / 10.0);
        return *it;
    }
    // Asked for every item laid out; the font engine is looked up each time.
    double lineHeight(int font) const { return lineHeights_[size_t(font)]; }

    // Word wrap within width; a word wider than the width is broken.
    QStringList wrap(int font, const QString& text, double w) const {
        // Most texts are one line that fits, and most of them fit with room
        // to spare, which the advances of their characters tell without
        // shaping the text (a report's lines are mostly texts seen once).
        if (fitsWithRoom(font, text, w)) return {text};
        if (!text.contains(QLatin1Char('\n')) && width(font, text) <= w) return {text};
        QStringList out;
        const QStringList paragraphs = text.split(QLatin1Char('\n'));
        for (const QString& par : paragraphs) {
            if (width(font, par) <= w) {
                out << par;
                continue;
            }
            QString line;
            const QStringList words = par.split(QLatin1Char(' '));
            for (int i = 0; i < words.size(); ++i) {
                QString word = words[i];
                QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
                if (width(font, candidate) <= w) {
                    line = candidate;
                    continue;
                }
                if (!line.isEmpty()) {
                    out << line;
                    line.clear();
                }
                while (width(font, word) > w && word.size() > 1) {
                    int n = word.size() - 1;
                    while (n > 1 && width(font, word.left(n)) > w) --n;
                    out << word.left(n);
                    word = word.mid(n);
                }
                line = word;
            }
            out << line;
        }
        return out;
    }

private:
    // The characters whose advances add up to about the advance of a text
    // of them: Latin letters, digits, punctuation and spaces. Shaping such a
    // text only kerns or joins its letters, which changes its advance by a
    // small part; the tenth kept free covers that many times over.
    static constexpr char16_t kPlainEnd = 0x180;
    static bool plain(char16_t u) { return (u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u < kPlainEnd && u != 0xad); }

    bool fitsWithRoom(int font, const QString& s, double w) const {
        auto& advances = charAdvances_[size_t(font)];
        double sum = 0;
        for (const QChar c : s) {
            const char16_t u = c.unicode();
            if (!plain(u)) return false;
            double& a = advances[u];
            if (a < 0) a = metrics_[size_t(font)].horizontalAdvance(c) / 10.0;
            sum += a;
        }
        return sum * 1.1 <= w;
    }

    QImage device_;
    std::vector<QFontMetricsF> metrics_;
    std::vector<double> lineHeights_;  // points
    mutable std::vector<QHash<QString, double>> widths_;
    mutable std::vector<std::array<double, kPlainEnd>> charAdvances_;  // points; -1 until measured
};

}  // namespace report::detail
