#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace dao {

// The text with every decimal digit of any script ('٣', '۳', and those
// outside the Basic Multilingual Plane, which take two UTF-16 units) in
// place of its ASCII digit; everything else as it stands. The readers of
// amounts and dates read the digits a locale writes through it.
inline QString asciiDigits(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype units = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            units = 2;
        }
        if (c > 0x7F && QChar::category(c) == QChar::Number_DecimalDigit) {
            out += QChar(u'0' + QChar::digitValue(c));
        } else {
            out += text.mid(i, units);
        }
        i += units - 1;
    }
    return out;
}

// The invisible marks that set the direction of bidirectional text (left-
// to-right, right-to-left and the Arabic letter mark), which locales of
// right-to-left scripts put around their minus sign.
inline bool isDirectionMark(QChar c) { return c == QChar(0x200E) || c == QChar(0x200F) || c == QChar(0x061C); }

}  // namespace dao
