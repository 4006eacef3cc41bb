// The joiner fed parts that are not as its painters write them: hand-made
// seeds, among them streams whose length is an object of its own, and
// parts made from them by changing objects and bytes at random (from a
// fixed seed, so that every run tries the same). Each part is joined or
// refused with the joiner's error: never a crash, never another failure.

#include "platform/reportpaint/pdfjoin.h"
#include "platform/reportpaint/handmadepdf.h"
#include "platform/reportpaint/pagepaint.h"
#include "support/testenv.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

using report::pdf::JoinError;
using report::pdf::joinParts;

namespace {

QByteArray pdfOf(const QList<QByteArray>& objects) { return kvtest::handMadePdf(objects); }

// A part of one page whose content stream (object 4) has the length given,
// a number or a reference, and the objects from 6 on.
QList<QByteArray> onePage(const QByteArray& length, const QList<QByteArray>& more = {}) {
    return QList<QByteArray>{"<< /Type /Catalog /Pages 2 0 R >>",
                             "<< /Type /Pages /Kids [3 0 R] /Count 1 /MediaBox [0 0 200 300] >>",
                             "<< /Type /Page /Parent 2 0 R /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>",
                             "<< /Length " + length + " >>\nstream\nBT /F1 12 Tf 20 20 Td (Osa) Tj ET\nendstream",
                             "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"} +
           more;
}

enum class Outcome { Joined, Refused };

// Joins the part's first page; anything but the joiner's error fails the test.
Outcome join(const kvtest::TempDir& dir, const QByteArray& part) {
    const QString in = dir.file("osa.pdf"), out = dir.file("yhdessa.pdf");
    // Made anew: a file cut to nothing and written again is flushed to the
    // disk as it closes, which for thousands of parts takes seconds.
    QFile::remove(in);
    QFile::remove(out);
    QFile f(in);
    if (!f.open(QIODevice::WriteOnly) || f.write(part) != part.size()) {
        ADD_FAILURE() << "cannot write the part";
        return Outcome::Refused;
    }
    f.close();
    try {
        joinParts({in}, {{0, 0, -1}}, out);
        return Outcome::Joined;
    } catch (const JoinError&) {
        return Outcome::Refused;
    }
}

const QByteArray kContentLength = "33";

}  // namespace

TEST(PdfJoinFuzz, TheSeedsAreJoinedOrRefused) {
    kvtest::TempDir dir;
    QList<QByteArray> deep = onePage(kContentLength);
    deep[1].replace("/Count 1", "/Count 1 /Syva " + QByteArray(100000, '[') + QByteArray(100000, ']'));
    const struct {
        const char* what;
        QByteArray part;
        Outcome outcome;
    } seeds[] = {
        {"a length given", pdfOf(onePage(kContentLength)), Outcome::Joined},
        {"a length kept in an object of its own", pdfOf(onePage("6 0 R", {kContentLength})), Outcome::Joined},
        {"a length naming its own stream's object", pdfOf(onePage("4 0 R")), Outcome::Refused},
        {"two lengths naming each other",
         pdfOf(onePage("6 0 R", {"<< /Length 4 0 R >>\nstream\n12\nendstream"})), Outcome::Refused},
        {"a length naming no object", pdfOf(onePage("9 0 R")), Outcome::Refused},
        {"a length naming a dictionary", pdfOf(onePage("5 0 R")), Outcome::Refused},
        {"a page tree's values nested past any page's", pdfOf(deep), Outcome::Refused},
    };
    for (const auto& s : seeds) EXPECT_EQ(join(dir, s.part), s.outcome) << s.what;
}

// Parts changed at random: a number of an object made a reference to an
// object (lengths among them), a reference made to name another, an object
// cut short, and bytes of the file changed, cut or repeated.
TEST(PdfJoinFuzz, ChangedPartsAreJoinedOrRefused) {
    kvtest::TempDir dir;
    std::mt19937 random(20310101);
    const auto below = [&](qsizetype n) { return qsizetype(random() % quint32(std::max<qsizetype>(n, 1))); };
    const QList<QList<QByteArray>> seeds = {onePage(kContentLength), onePage("6 0 R", {kContentLength}),
                                            onePage("6 0 R", {"7 0 R", kContentLength})};
    static const QRegularExpression numberOrReference(QStringLiteral("\\b(\\d+)( 0 R)?\\b"));
    int joined = 0, refused = 0;
    for (int round = 0; round < 600; ++round) {
        QList<QByteArray> objects = seeds[below(seeds.size())];
        QByteArray& o = objects[below(objects.size())];
        QList<QRegularExpressionMatch> numbers;
        for (const auto& m : numberOrReference.globalMatch(QString::fromLatin1(o))) numbers << m;
        const QByteArray other = QByteArray::number(below(objects.size() + 2)) + " 0 R";
        switch (below(3)) {
        case 0:
        case 1:
            if (!numbers.isEmpty()) {
                const QRegularExpressionMatch& m = numbers[below(numbers.size())];
                o.replace(m.capturedStart(), m.capturedLength(), other);
            }
            break;
        default: o.truncate(below(o.size())); break;
        }
        QByteArray part = pdfOf(objects);
        if (round % 3 == 0) {
            const qsizetype at = below(part.size());
            switch (below(3)) {
            case 0: part[at] = char(random()); break;
            case 1: part.truncate(at); break;
            default: part.insert(at, part.mid(below(part.size()), below(64))); break;
            }
        }
        (join(dir, part) == Outcome::Joined ? joined : refused)++;
    }
    // Both ways were taken: the changes reached past the first checks.
    EXPECT_GT(joined, 0);
    EXPECT_GT(refused, 0);
}

// A part shorter than any whole PDF file, and a part that the painter wrote
// whole but that was cut short at any byte, is refused: the empty part,
// parts of 1 to 16 bytes (the beginning or the end of a real part, or
// words that the joiner looks for), and every beginning of a real one.
TEST(PdfJoinFuzz, APartCutShortIsRefused) {
    kvtest::TempDir dir;
    QByteArray real;
    {
        report::PdfSettings settings;
        settings.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        report::PdfFile file(dir.file("oikea.pdf"), settings);
        // A page of rules: no font makes the part long.
        report::PagePaint page;
        page.steps = {{report::PagePaint::Op::Rules, 0, {}, 0, 0, 0, 0, 2}};
        page.rules = {QLineF(40, 40, 500, 40), QLineF(40, 60, 500, 60)};
        file.paint(page, {});
        ASSERT_TRUE(file.close());
        QFile f(dir.file("oikea.pdf"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        real = f.readAll();
    }
    ASSERT_EQ(join(dir, real), Outcome::Joined);
    QList<QByteArray> shortParts{QByteArray()};
    for (const QByteArray& words : {real, QByteArray("startxref"), QByteArray("%%EOF\nstartxref"),
                                    QByteArray("startxref 1%%EOF"), QByteArray(16, '\0')})
        for (qsizetype n = 1; n <= 16; ++n) {
            shortParts << words.left(n) << words.right(n);
        }
    for (const QByteArray& part : shortParts) EXPECT_EQ(join(dir, part), Outcome::Refused) << part.toHex().toStdString();
    for (qsizetype n = 17; n < real.size(); ++n) EXPECT_EQ(join(dir, real.left(n)), Outcome::Refused) << n;
}
