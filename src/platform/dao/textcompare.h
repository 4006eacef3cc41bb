#pragma once

#include <QString>
#include <QStringView>

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

}  // namespace dao
