#pragma once

// Joins PDF files that Qt's PDF writer made, each a run of pages of one
// report, into one file that holds all their pages in order. Each part
// keeps its own objects (fonts, page contents, resources), numbered after
// those of the parts before it; its page tree becomes a branch of one page
// tree over all of them.
//
// Only the layout that writer gives is taken: one cross-reference table,
// a trailer naming the catalogue and the document information, a catalogue
// naming the page tree, dictionaries written before their streams. A part
// laid out otherwise gives no result, and the caller writes the pages
// itself.

#include <QByteArray>
#include <QList>
#include <optional>

namespace report::pdf {

std::optional<QByteArray> joinParts(const QList<QByteArray>& parts);

}  // namespace report::pdf
