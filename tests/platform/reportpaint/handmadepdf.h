#pragma once

// A PDF file made by hand for the tests of the joiner: the objects given,
// numbered from 1, with a right cross-reference table; the catalog is
// object 1, and more entries of the trailer may be given.

#include <QByteArray>
#include <QList>

namespace kvtest {

inline QByteArray handMadePdf(const QList<QByteArray>& objects, const QByteArray& moreTrailer = {}) {
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> at;
    for (qsizetype k = 0; k < objects.size(); ++k) {
        at << pdf.size();
        pdf += QByteArray::number(k + 1) + " 0 obj\n" + objects[k] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype a : at) pdf += QByteArray::number(a).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R " + moreTrailer +
           ">>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace kvtest
