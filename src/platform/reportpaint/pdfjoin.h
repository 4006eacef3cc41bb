#pragma once

// Joins PDF files that Qt's PDF writer made, each holding some pages of one
// report, into one file with the pages in the report's order. Each part's
// objects (fonts, page contents, resources) are taken once however many of
// its pages are used. A page may have another page of its part painted
// over it: the texts written once every page was known.

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace report::pdf {

// A page of the joined file: the part it comes from and its index there
// (from 0), and the page painted over it (-1: none), of the part
// overlayPart (-1: of the page's own), which is a page of the joined file
// only where another JoinedPage names it.
struct JoinedPage {
    int part = 0;
    int page = 0;
    int overlay = -1;
    int overlayPart = -1;
};

struct JoinError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the pages into the file out, whose document information (title,
// creator) is the first part's. Throws JoinError when a part cannot be read
// or out cannot be written.
void joinParts(const QStringList& parts, const std::vector<JoinedPage>& pages, const QString& out);

}  // namespace report::pdf
