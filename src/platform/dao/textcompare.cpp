#include "platform/dao/textcompare.h"

#include <cstdint>
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

// One element of a LIKE pattern: a run of '*', '?', '#', one character, or
// a bracketed list (its ranges in LikePattern::ranges).
struct LikeToken {
    enum class Kind : unsigned char { Star, Any, Digit, Char, List };
    Kind kind = Kind::Char;
    bool negate = false;
    char32_t ch = 0;  // Char: the folded character
    std::uint32_t first = 0, count = 0;
};

// A character range of a list, folded, with the primary weights of its
// ends; lo == hi for a single character.
struct LikeRange {
    char32_t lo, hi;
    char32_t wlo = 0, whi = 0;
};

struct LikePattern {
    std::vector<LikeToken> tokens;
    std::vector<LikeRange> ranges;
    bool weighs = false;  // some range compares the letters' weights
};

// Reads the bracketed list that begins at p ('['): p then stands after its
// ']'. False, with nothing read, when the list is not closed.
bool readList(QStringView pat, qsizetype& p, LikePattern& out) {
    qsizetype q = p + 1;
    LikeToken t;
    t.kind = LikeToken::Kind::List;
    if (q < pat.size() && pat[q] == u'!') {
        t.negate = true;
        ++q;
    }
    t.first = std::uint32_t(out.ranges.size());
    bool first = true;
    while (q < pat.size() && (pat[q] != u']' || first)) {
        first = false;
        const char32_t lo = folded(next(pat, q));
        char32_t hi = lo;
        if (q + 1 < pat.size() && pat[q] == u'-' && pat[q + 1] != u']') {
            ++q;
            hi = folded(next(pat, q));
        }
        if (lo == hi) {
            out.ranges.push_back({lo, hi});
        } else {
            out.weighs = true;
            out.ranges.push_back({lo, hi, primaryWeight(lo), primaryWeight(hi)});
        }
    }
    if (q >= pat.size()) {
        out.ranges.resize(t.first);
        return false;
    }
    t.count = std::uint32_t(out.ranges.size()) - t.first;
    out.tokens.push_back(t);
    p = q + 1;
    return true;
}

LikePattern compile(QStringView pat) {
    LikePattern out;
    qsizetype p = 0;
    while (p < pat.size()) {
        const QChar pc = pat[p];
        LikeToken t;
        if (pc == u'*') {
            while (p < pat.size() && pat[p] == u'*') ++p;
            t.kind = LikeToken::Kind::Star;
        } else if (pc == u'?' || pc == u'#') {
            t.kind = pc == u'?' ? LikeToken::Kind::Any : LikeToken::Kind::Digit;
            ++p;
        } else if (pc == u'[' && readList(pat, p, out)) {
            continue;
        } else if (pc == u'[') {
            // An unclosed '[' stands for itself.
            t.ch = U'[';
            ++p;
        } else {
            t.ch = folded(next(pat, p));
        }
        out.tokens.push_back(t);
    }
    return out;
}

// Whether one element other than '*' takes the folded character c, of
// primary weight w (when the pattern weighs).
bool takes(const LikePattern& pat, const LikeToken& t, char32_t c, char32_t w) {
    switch (t.kind) {
    case LikeToken::Kind::Any:
        return true;
    case LikeToken::Kind::Digit:
        return c < 0x10000 && QChar(char16_t(c)).isDigit();
    case LikeToken::Kind::Char:
        return c == t.ch;
    case LikeToken::Kind::List: {
        bool found = false;
        for (std::uint32_t i = t.first; i < t.first + t.count && !found; ++i) {
            const LikeRange& r = pat.ranges[i];
            found = r.lo == r.hi ? c == r.lo : w >= r.wlo && w <= r.whi;
        }
        return found != t.negate;
    }
    case LikeToken::Kind::Star:
        break;
    }
    return false;
}

}  // namespace

namespace {

// The steps of a match between two tellings of its work.
constexpr std::int64_t kLikeStepsPerTelling = 4096;

// The match; work, when given, is told of it as it goes. Nothing when work
// stopped it.
std::optional<bool> match(QStringView text, QStringView pattern, const LikeWork* work) {
    const LikePattern pat = compile(pattern);
    std::vector<char32_t> chars, weights;
    chars.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size();) chars.push_back(folded(next(text, i)));
    if (pat.weighs) {
        weights.reserve(chars.size());
        for (char32_t c : chars) weights.push_back(primaryWeight(c));
    }
    // Each element but '*' takes one character. The text is taken from the
    // left; when an element does not take the next character, the last '*'
    // passed takes one character more and the elements after it are tried
    // again from there. A '*' before that one never needs to take more
    // (whatever it would take, the last one can), so the work grows with
    // the text's length times the pattern's, and nothing recurses. A step
    // is one element tried, and one more for each entry of a list.
    const std::vector<LikeToken>& tokens = pat.tokens;
    size_t t = 0, p = 0;
    size_t star = tokens.size(), resume = 0;
    std::int64_t steps = 0;
    while (t < chars.size()) {
        if (work && ++steps >= kLikeStepsPerTelling) {
            if (!(*work)(steps)) return std::nullopt;
            steps = 0;
        }
        if (p < tokens.size() && tokens[p].kind == LikeToken::Kind::Star) {
            star = p++;
            resume = t;
        } else if (p < tokens.size() && takes(pat, tokens[p], chars[t], pat.weighs ? weights[t] : 0)) {
            if (work) steps += tokens[p].count;
            ++p;
            ++t;
        } else if (star < tokens.size()) {
            if (work && p < tokens.size()) steps += tokens[p].count;
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == LikeToken::Kind::Star) ++p;
    return p == tokens.size();
}

}  // namespace

bool likeMatch(QStringView text, QStringView pattern) { return *match(text, pattern, nullptr); }

std::optional<bool> likeMatch(QStringView text, QStringView pattern, const LikeWork& work) {
    return match(text, pattern, &work);
}

}  // namespace dao
