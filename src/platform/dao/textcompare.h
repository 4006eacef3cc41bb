#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

namespace dao {

// Text comparison of the books: without regard to case (Finnish and Swedish
// letters included: ä = Ä), sorting in Finnish order with å, ä and ö after z.
// Letters with other accents sort with their base letter; texts that differ
// only by an accent are still different, ordered by the accent.
int compareText(QStringView a, QStringView b);
// The same over UTF-8 bytes (as the engine hands texts to its collation).
int compareTextUtf8(const char* a, int lenA, const char* b, int lenB);
bool textEquals(QStringView a, QStringView b);

// The LIKE operator of the Jet dialect, case-blind as above:
// '*' any run of characters, '?' one character, '#' one digit,
// '[abc]', '[a-z]' and '[!abc]' character lists; an unclosed '[' stands for
// itself, and a character beyond 16 bits is one character. The work grows
// with the text's length times the pattern's, in memory of their length.
bool likeMatch(QStringView text, QStringView pattern);
// The same, its work told as it goes: work is given the steps done since it
// was last told (an element of the pattern tried, and an entry of a list
// looked at, are a step each), every few thousand of them. Nothing when
// work returned false, which stops the match.
using LikeWork = std::function<bool(std::int64_t steps)>;
std::optional<bool> likeMatch(QStringView text, QStringView pattern, const LikeWork& work);

}  // namespace dao
