#include "core/wholenumber.h"

#include "platform/dao/currency.h"

#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace core {

namespace {

// The exponent after the number: 'e' or 'E' (or the locale's own mark), a
// sign perhaps, and digits. Nothing for anything else.
std::optional<int> readExponent(QStringView text) {
    const QString mark = QLocale().exponential();
    qsizetype i = 0;
    if (text.startsWith(u'e') || text.startsWith(u'E'))
        i = 1;
    else if (!mark.isEmpty() && text.startsWith(mark))
        i = mark.size();
    else
        return std::nullopt;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == QChar(0x2212))) {
        negative = true;
        ++i;
    } else if (i < text.size() && text[i] == u'+') {
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!text[i].isDigit()) return std::nullopt;
        value = std::min(value * 10 + text[i].digitValue(), 1000);  // far beyond any whole number
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<long> ReadWholeNumber(QStringView text, bool* rounded) {
    text = text.trimmed();
    int exponent = 0;
    qsizetype end = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (const std::optional<int> e = readExponent(text.sliced(i))) {
            exponent = *e;
            end = i;
            break;
        }
    }
    const std::optional<dao::Currency> number = dao::Currency::parse(text.first(end));
    if (!number) return std::nullopt;
    // The number is raw * 10^(exponent - 4), exactly.
    __int128 whole = number->raw();
    __int128 rest = 0, divisor = 1;
    const int shift = exponent - 4;
    for (int k = 0; k < shift && whole != 0; ++k) {
        whole *= 10;
        if (whole > std::numeric_limits<std::int64_t>::max() || whole < std::numeric_limits<std::int64_t>::min())
            return std::nullopt;
    }
    if (shift < 0) {
        // Thirty places are more than any amount has digits: the rest is
        // then less than a half.
        for (int k = 0; k < std::min(-shift, 30); ++k) divisor *= 10;
        rest = whole % divisor;  // with the sign of the number
        whole /= divisor;        // toward zero
    }
    const __int128 twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > divisor || (twice == divisor && whole % 2 != 0)) whole += rest < 0 ? -1 : 1;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    if (rounded) *rounded = rest != 0;
    return long(whole);
}

}  // namespace core
