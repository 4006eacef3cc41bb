#include "platform/dao/textcompare.h"

#include <vector>

namespace dao {

namespace {

// Primary weight of one case-folded character.
char32_t primaryWeight(char32_t c) {
    if (c < 0x80) {
        if (c >= 'A' && c <= 'Z') return c + 32;
        return c;
    }
    switch (c) {
    case 0x00E5:  // å
    case 0x00C5:
        return U'z' + 1;
    case 0x00E4:  // ä
    case 0x00C4:
    case 0x00E6:  // æ sorts as ä
    case 0x00C6:
        return U'z' + 2;
    case 0x00F6:  // ö
    case 0x00D6:
    case 0x00F8:  // ø sorts as ö
    case 0x00D8:
        return U'z' + 3;
    case 0x00FC:  // ü sorts as y
    case 0x00DC:
        return U'y';
    default:
        break;
    }
    if (c <= 0xFFFF) {
        QChar ch(static_cast<char16_t>(c));
        const QString dec = ch.decomposition();
        if (!dec.isEmpty() && ch.decompositionTag() == QChar::Canonical) {
            const QChar base = dec.at(0).toCaseFolded();
            if (base.unicode() < 0x80) return primaryWeight(base.unicode());
        }
        return QChar(static_cast<char16_t>(c)).toCaseFolded().unicode();
    }
    return c;
}

char32_t folded(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toCaseFolded(c);
}

// Reads one code point and advances i.
char32_t next(QStringView s, qsizetype& i) {
    const QChar c = s[i++];
    if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, s[i++]);
    return c.unicode();
}

}  // namespace

namespace {

// Reads one code point of UTF-8 and advances i; a broken sequence reads as
// its first byte.
char32_t nextUtf8(const unsigned char* s, int n, int& i) {
    const unsigned char c = s[i++];
    if (c < 0x80) return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra > n) return c;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) return c;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    i += extra;
    return cp;
}

}  // namespace

int compareTextUtf8(const char* pa, int la, const char* pb, int lb) {
    const auto* a = reinterpret_cast<const unsigned char*>(pa);
    const auto* b = reinterpret_cast<const unsigned char*>(pb);
    int i = 0, j = 0;
    while (i < la && j < lb) {
        const char32_t wa = primaryWeight(nextUtf8(a, la, i));
        const char32_t wb = primaryWeight(nextUtf8(b, lb, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < la) return 1;
    if (j < lb) return -1;
    i = j = 0;
    while (i < la && j < lb) {
        const char32_t fa = folded(nextUtf8(a, la, i));
        const char32_t fb = folded(nextUtf8(b, lb, j));
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (i < la) return 1;
    if (j < lb) return -1;
    return 0;
}

int compareText(QStringView a, QStringView b) {
    // Primary pass: letters by their Finnish weight, case and accents ignored.
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t wa = primaryWeight(next(a, i));
        const char32_t wb = primaryWeight(next(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    // Tie-break on accents (case-folded code points); case alone never differs.
    i = j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t fa = folded(next(a, i));
        const char32_t fb = folded(next(b, j));
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool textEquals(QStringView a, QStringView b) { return compareText(a, b) == 0; }

namespace {

// Matches one bracketed list at pattern position p (after '['); returns the
// position after ']' and whether c is in the list; -1 when the list is unclosed.
qsizetype matchList(QStringView pat, qsizetype p, char32_t c, bool& hit) {
    bool negate = false;
    if (p < pat.size() && pat[p] == u'!') {
        negate = true;
        ++p;
    }
    bool found = false;
    bool first = true;
    while (p < pat.size() && (pat[p] != u']' || first)) {
        first = false;
        const char32_t lo = folded(next(pat, p));
        char32_t hi = lo;
        if (p + 1 < pat.size() && pat[p] == u'-' && pat[p + 1] != u']') {
            ++p;
            hi = folded(next(pat, p));
        }
        if (lo == hi) {
            if (c == lo) found = true;
        } else if (primaryWeight(c) >= primaryWeight(lo) && primaryWeight(c) <= primaryWeight(hi)) {
            found = true;
        }
    }
    if (p >= pat.size()) return -1;
    hit = negate ? !found : found;
    return p + 1;
}

// Matches text from t against pattern from p; one element at a time.
bool matchAt(QStringView text, qsizetype t, QStringView pat, qsizetype p) {
    while (p < pat.size()) {
        const QChar pc = pat[p];
        if (pc == u'*') {
            while (p < pat.size() && pat[p] == u'*') ++p;
            if (p == pat.size()) return true;
            for (qsizetype k = t; k <= text.size(); ++k) {
                if (matchAt(text, k, pat, p)) return true;
                if (k < text.size() && text[k].isHighSurrogate()) ++k;
            }
            return false;
        }
        if (t >= text.size()) return false;
        const char32_t c = folded(next(text, t));
        if (pc == u'?') {
            ++p;
        } else if (pc == u'#') {
            if (!(c < 0x10000 && QChar(char16_t(c)).isDigit())) return false;
            ++p;
        } else if (pc == u'[') {
            bool hit = false;
            const qsizetype after = matchList(pat, p + 1, c, hit);
            if (after < 0) {
                // An unclosed '[' stands for itself.
                if (c != U'[') return false;
                ++p;
            } else {
                if (!hit) return false;
                p = after;
            }
        } else {
            const char32_t want = folded(next(pat, p));
            if (want != c) return false;
        }
    }
    return t == text.size();
}

}  // namespace

bool likeMatch(QStringView text, QStringView pattern) { return matchAt(text, 0, pattern, 0); }

}  // namespace dao
