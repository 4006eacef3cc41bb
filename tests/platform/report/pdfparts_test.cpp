// A long report written to a PDF file in parts painted side by side and
// joined: the same pages, texts and fonts as the file written page after
// page, a file that PDF readers take without complaint, and a page range
// chosen in the print dialog kept. A PDF file, in parts or not, is written
// whole or not at all.

#include "platform/fso/fso.h"
#include "platform/parallel/parallel.h"
#include "platform/report/error.h"
#include "platform/reportpaint/pdfjoin.h"
#include "platform/report/render.h"
#include "platform/reportpaint/handmadepdf.h"
#include "platform/reportpaint/paintprocess.h"
#include "fakepainters.h"
#include "support/child.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>

extern char** environ;

using namespace report;

namespace {

// A ledger-like report of many pages: dates, explanations with Finnish
// letters, right-aligned amounts and rules, in two fonts.
LaidOutReport longReport(int pages) {
    LaidOutReport r;
    r.title = QStringLiteral("Pääkirja");
    r.pageSize = QSizeF(595, 842);
    r.fonts.emplace_back(QStringLiteral("Times New Roman"), 10);
    QFont bold(QStringLiteral("Arial"), 10);
    bold.setBold(true);
    r.fonts.push_back(bold);
    int voucher = 0;
    for (int p = 0; p < pages; ++p) {
        LaidPage page;
        page.number = p + 1;
        LaidBand header;
        header.kind = SectionKind::PageHeader;
        header.rect = QRectF(40, 30, 515, 20);
        header.items.push_back({QStringLiteral("otsake"), QStringLiteral("Pääkirja"), {QStringLiteral("Pääkirja")},
                                QRectF(40, 30, 300, 14), Qt::AlignLeft, 1, {}});
        const QString pageText = QStringLiteral("Sivu %1 / %2").arg(p + 1).arg(pages);
        header.items.push_back({QStringLiteral("sivu"), pageText, {pageText}, QRectF(400, 30, 155, 14), Qt::AlignRight, 0, {}});
        header.rules.emplace_back(40, 48, 555, 48);
        page.bands.push_back(header);
        for (int line = 0; line < 60; ++line) {
            ++voucher;
            LaidBand b;
            b.kind = SectionKind::Detail;
            const double y = 60 + line * 12.5;
            b.rect = QRectF(40, y, 515, 12.5);
            const QString date = QStringLiteral("%1.%2.2031").arg(1 + voucher % 28).arg(1 + voucher % 12);
            const QString text = QStringLiteral("Jäsenmaksu %1, Åbo ja Ängelholm").arg(voucher);
            const QString amount = QStringLiteral("%1,%2 €").arg(voucher * 37 % 100000).arg(voucher % 100, 2, 10, QLatin1Char('0'));
            b.items.push_back({QStringLiteral("pvm"), date, {date}, QRectF(40, y, 60, 12), Qt::AlignLeft, 0, {}});
            b.items.push_back({QStringLiteral("selite"), text, {text}, QRectF(105, y, 300, 12), Qt::AlignLeft, 0, {}});
            b.items.push_back({QStringLiteral("summa"), amount, {amount}, QRectF(455, y, 100, 12), Qt::AlignRight, 0, {}});
            page.bands.push_back(b);
        }
        r.pages.push_back(page);
    }
    return r;
}

void writePdf(const LaidOutReport& r, const QString& file, PdfPainting painting, int from = 0, int to = 0) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    setUpPrinter(printer, r);
    printer.setDocName(r.title);
    if (from > 0) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    // Written in parts, the page numbers come after the last page, as the
    // engine sends them when the page count is not known before.
    PageWriter writer(printer, painting);
    const bool late = writer.takesPageCountLate();
    std::vector<LateItem> items;
    for (size_t p = 0; p < r.pages.size(); ++p) {
        LaidPage page = r.pages[p];
        LaidItem& count = page.bands[0].items[1];
        if (late && count.name == QLatin1String("sivu")) {
            items.push_back({int(p), 0, 1, count});
            count.lines = {QString()};
        }
        writer.page(std::move(page), r);
    }
    writer.lastPage(r, std::move(items));
    writer.finish();
}

void writePdf(const LaidOutReport& r, const QString& file, bool inParts, int from = 0, int to = 0) {
    writePdf(r, file, inParts ? PdfPainting::InParts : PdfPainting::PageAfterPage, from, to);
}

struct ToolRun {
    QString out, err;
};

// Runs a tool to its end. Started with posix_spawn, not QProcess: Qt starts
// a process in this process's memory, where ThreadSanitizer (tools/tsan.sh)
// does not see it, and loses the order of what the threads do afterwards.
ToolRun run(const QString& tool, const QStringList& args) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<QByteArray> words{QFile::encodeName(QStandardPaths::findExecutable(tool))};
    for (const QString& a : args) words.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    QByteArray bytes[2];
    pollfd open[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    while (started && (open[0].fd >= 0 || open[1].fd >= 0) && ::poll(open, 2, -1) >= 0)
        for (int i = 0; i < 2; ++i) {
            char chunk[65536];
            const ssize_t n = open[i].revents ? ::read(open[i].fd, chunk, sizeof chunk) : 1;
            if (n > 0 && open[i].revents) bytes[i].append(chunk, n);
            if (n == 0 || (n < 0 && errno != EINTR)) open[i].fd = -1;
        }
    ::close(out[0]);
    ::close(err[0]);
    if (started) ::waitpid(pid, nullptr, 0);
    return {QString::fromUtf8(bytes[0]), QString::fromUtf8(bytes[1])};
}

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool wholePdf(const QByteArray& bytes, int pages) {
    return bytes.startsWith("%PDF-") && bytes.endsWith("%%EOF\n") &&
           QString::fromLatin1(bytes).contains(QRegularExpression(QStringLiteral("/Count %1\\s").arg(pages)));
}

}  // namespace

TEST(PdfInParts, ALongReportIsTheSameDocumentAsWhenWrittenPageAfterPage) {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdffonts"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " is not installed";
    // The parts painted by painter processes, as the program does, and on
    // threads, as it does where the painter program is missing.
    ASSERT_FALSE(PaintProcess::program().isEmpty()) << "the painter program of this build is missing";
    // The file written page after page, whole and for a page range.
    kvtest::TempDir once;
    const LaidOutReport r = longReport(300);
    const auto textOf = [](const QString& file) {
        return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    };
    const auto fontRows = [](const QString& file) { return run(QStringLiteral("pdffonts"), {file}).out.count(u'\n'); };
    writePdf(r, once.file("kerralla.pdf"), false);
    const QString wholeText = textOf(once.file("kerralla.pdf")).out;
    const qsizetype wholeFontRows = fontRows(once.file("kerralla.pdf"));
    writePdf(r, once.file("kerralla.pdf"), false, 40, 290);
    const QString wholeRangeText = textOf(once.file("kerralla.pdf")).out;
    ASSERT_FALSE(wholeText.isEmpty());
    for (const PdfPainting painting : {PdfPainting::InParts, PdfPainting::InPartsOnThreads}) {
        SCOPED_TRACE(painting == PdfPainting::InParts ? "painter processes" : "threads");
        // A painter process goes on in a part of its own every few pages:
        // the texts of the page count are painted over pages of other parts.
        const kvtest::PagesPerPart fewPages(20);
        kvtest::TempDir dir;
        const QString parts = dir.file("osissa.pdf");
        writePdf(r, parts, painting);

        // Written in parts when the machine has the processors for it: each
        // part brings the fonts its pages use.
        const QByteArray joined = bytesOf(parts);
        ASSERT_TRUE(joined.startsWith("%PDF-1.4"));
        if (QThread::idealThreadCount() >= 2) {
            EXPECT_GT(fontRows(parts), wholeFontRows) << "not written in parts";
        }

        const ToolRun info = run(QStringLiteral("pdfinfo"), {parts});
        EXPECT_EQ(info.err, QString());
        EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral("Pages:\\s+300\\n")))) << info.out.toStdString();
        EXPECT_TRUE(info.out.contains(QStringLiteral("Pääkirja"))) << info.out.toStdString();

        const ToolRun text = textOf(parts);
        EXPECT_EQ(text.err, QString());
        EXPECT_EQ(text.out, wholeText);
        EXPECT_TRUE(text.out.contains(QStringLiteral("Sivu 300 / 300")));
        EXPECT_TRUE(text.out.contains(QStringLiteral("Jäsenmaksu 18000, Åbo ja Ängelholm")));

        // Every font the parts use is embedded.
        const ToolRun fonts = run(QStringLiteral("pdffonts"), {parts});
        EXPECT_EQ(fonts.err, QString());
        const QStringList rows = fonts.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(rows.isEmpty());
        for (const QString& row : rows) EXPECT_TRUE(row.contains(QStringLiteral(" yes "))) << row.toStdString();

        // A page range: the same pages either way.
        writePdf(r, parts, painting, 40, 290);
        const ToolRun rangeText = textOf(parts);
        EXPECT_EQ(rangeText.out, wholeRangeText);
        EXPECT_TRUE(rangeText.out.contains(QStringLiteral("Sivu 40 / 300")));
        EXPECT_FALSE(rangeText.out.contains(QStringLiteral("Sivu 39 / 300")));
        EXPECT_TRUE(rangeText.out.contains(QStringLiteral("Sivu 290 / 300")));
        EXPECT_FALSE(rangeText.out.contains(QStringLiteral("Sivu 291 / 300")));

        // A report across the paper keeps its paper turned.
        LaidOutReport across = longReport(150);
        across.orientation = QPageLayout::Landscape;
        writePdf(across, parts, painting);
        const ToolRun acrossInfo = run(QStringLiteral("pdfinfo"), {QStringLiteral("-l"), QStringLiteral("150"), parts});
        EXPECT_EQ(acrossInfo.out.count(QRegularExpression(QStringLiteral("size:\\s+842 x 595 pts"))), 150) << acrossInfo.out.toStdString();
    }
}

// The joined file takes each page from the part named, in the order given,
// with another page of its part painted over it where one is named; a part
// that is not a whole PDF file, or a page it does not have, leaves no file
// but an error.
TEST(PdfInParts, PagesAreJoinedInTheOrderGivenAndABrokenPartIsAnError) {
    for (const char* tool : {"pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " is not installed";
    kvtest::TempDir dir;
    const QString a = dir.file("a.pdf"), b = dir.file("b.pdf"), joined = dir.file("yhdessa.pdf");
    LaidOutReport first = longReport(3), second = longReport(2);
    for (auto& page : second.pages) page.bands.front().items.front().lines = {QStringLiteral("Toinen osa")};
    // The last page of b is one line below the others, to be painted over.
    LaidPage over;
    over.bands.emplace_back();
    over.bands[0].items = {{QStringLiteral("sivu"), QStringLiteral("Päällä"), {QStringLiteral("Päällä")},
                            QRectF(40, 800, 300, 14), Qt::AlignLeft, 0, {}}};
    second.pages.push_back(over);
    writePdf(first, a, false);
    writePdf(second, b, false);

    // Pages 3, 1 of a and 2 of b, with page 3 of b over the last one.
    pdf::joinParts({a, b}, {{0, 2, -1}, {0, 0, -1}, {1, 1, 2}}, joined);
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {joined}).out.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), joined, QStringLiteral("-")})
                                  .out.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Sivu 3 / 3")) && pages[0].contains(QStringLiteral("Pääkirja")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Sivu 1 / 3")) && !pages[1].contains(QStringLiteral("Toinen osa")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("Sivu 2 / 2")) && pages[2].contains(QStringLiteral("Toinen osa")) &&
                pages[2].contains(QStringLiteral("Päällä")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Päällä")) || pages[1].contains(QStringLiteral("Päällä")));

    QFile::copy(a, dir.file("katkaistu.pdf"));
    QFile(dir.file("katkaistu.pdf")).resize(QFileInfo(a).size() - 40);  // no cross-references
    QFile garbage(dir.file("roskaa.pdf"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write("%PDF-1.4\nroskaa\n") > 0);
    garbage.close();
    const struct {
        QStringList parts;
        std::vector<pdf::JoinedPage> pages;
    } broken[] = {
        {{a, dir.file("katkaistu.pdf")}, {{0, 0, -1}, {1, 0, -1}}},
        {{a, dir.file("roskaa.pdf")}, {{0, 0, -1}, {1, 0, -1}}},
        {{a}, {{0, 3, -1}}},
        {{a}, {{1, 0, -1}}},
        {{a}, {}},
        {{a}, {{0, 0, 3}}},
    };
    for (const auto& c : broken) {
        QFile::remove(joined);
        EXPECT_THROW(pdf::joinParts(c.parts, c.pages, joined), pdf::JoinError) << c.parts.join(u' ').toStdString();
    }
}

namespace {

// A PDF file of the given objects (numbered from 1), its information object 8.
void writeHandMade(const QString& file, const QList<QByteArray>& objects) {
    const QByteArray pdf = kvtest::handMadePdf(objects, "/Info 8 0 R ");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(pdf) == pdf.size());
}

}  // namespace

// What PDF allows beyond the files Qt writes today: a page tree of several
// levels whose nodes hand the paper and fonts down, a stream whose length is
// an object of its own and whose data looks like PDF, and strings that look
// like references; with and without a page painted over.
TEST(PdfInParts, APartIsReadAsPdfAllowsNotOnlyAsQtWritesIt) {
    for (const char* tool : {"pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " is not installed";
    kvtest::TempDir dir;
    const QByteArray page1 = "BT /F1 12 Tf 20 250 Td (Eka 3 0 R endstream\\) endobj) Tj ET";
    const QByteArray page2 = "BT /F1 12 Tf 20 150 Td <546f6b61> Tj ET";
    const QByteArray page3 = "BT /F1 12 Tf 20 20 Td (Paalla) Tj ET";
    writeHandMade(dir.file("kasin.pdf"),
                  {"<< /Type /Catalog /Pages 2 0 R >>",
                   "<< /Type /Pages /Kids [3 0 R 9 0 R 11 0 R] /Count 3 /MediaBox [0 0 200 300]"
                   " /Resources << /Font << /F1 5 0 R >> >> >>",
                   "<< /Type /Pages /Parent 2 0 R /Kids [4 0 R] /Count 1 >>",
                   "<< /Type /Page /Parent 3 0 R /Contents 6 0 R >>",
                   "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
                   "<< /Length 7 0 R >>\nstream\n" + page1 + "\nendstream",
                   QByteArray::number(page1.size()),
                   "<< /Title (Kirja \\(1 0 R\\) \\\\ (sis 2 0 R)) /Creator <4b76> >>",
                   "<</Type/Page/Parent 2 0 R/MediaBox[0 0 300 200]/Contents 10 0 R>>",
                   "<< /Length " + QByteArray::number(page2.size()) + " >>\nstream\n" + page2 + "\nendstream",
                   "<</Type/Page/Parent 2 0 R/Contents 12 0 R>>",
                   "<< /Length " + QByteArray::number(page3.size()) + " >>\nstream\n" + page3 + "\nendstream"});

    const struct {
        std::vector<pdf::JoinedPage> pages;
        QStringList sizes, texts;
    } cases[] = {
        {{{0, 0, -1}, {0, 1, -1}}, {"200 x 300", "300 x 200"}, {"Eka 3 0 R endstream) endobj", "Toka"}},
        {{{0, 1, 2}, {0, 0, -1}, {0, 1, -1}},
         {"300 x 200", "200 x 300", "300 x 200"},
         {"Toka\nPaalla", "Eka 3 0 R endstream) endobj", "Toka"}},
    };
    for (const auto& c : cases) {
        const QString joined = dir.file("yhdessa.pdf");
        QFile::remove(joined);
        pdf::joinParts({dir.file("kasin.pdf")}, c.pages, joined);
        const ToolRun info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-l"), QStringLiteral("9"), joined});
        EXPECT_EQ(info.err, QString());
        EXPECT_TRUE(info.out.contains(QStringLiteral("Title:           Kirja (1 0 R) \\ (sis 2 0 R)\n"))) << info.out.toStdString();
        QStringList sizes;
        for (const auto& m : QRegularExpression(QStringLiteral("size:\\s+(\\d+ x \\d+) pts")).globalMatch(info.out))
            sizes << m.captured(1);
        EXPECT_EQ(sizes, c.sizes);
        const ToolRun text = run(QStringLiteral("pdftotext"), {joined, QStringLiteral("-")});
        EXPECT_EQ(text.err, QString());
        QStringList pages = text.out.split(u'\f');
        pages.removeLast();
        for (QString& p : pages) p = p.split(u'\n', Qt::SkipEmptyParts).join(u'\n');
        EXPECT_EQ(pages, c.texts);
    }
}

namespace {

using kvtest::FakePainters;
using kvtest::Patience;

// Should a painter the test started outlive the program's patience many
// times over, the watchdog ends it, and every one after it, so that the
// test fails rather than hangs, and tells that it had to.
class Watchdog {
public:
    explicit Watchdog(const FakePainters& painters) : painters_(painters), thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool fired() const { return fired_; }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        for (auto wait = std::chrono::seconds(40); !wake_.wait_for(lock, wait, [this] { return done_; });
             wait = std::chrono::seconds(1)) {
            for (const pid_t p : painters_.left()) {
                fired_ = true;
                ::kill(p, SIGKILL);
            }
        }
    }
    const FakePainters& painters_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

}  // namespace

// The program looks for its painter beside itself only: the tests name the
// one of their build, and without that this test program has none.
TEST(PdfInParts, TheProgramLooksForItsPainterBesideItselfOnly) {
    const QString named = PaintProcess::program();
    EXPECT_TRUE(named.endsWith(QLatin1String("/app/kolvio-vev-paint"))) << named.toStdString();
    PaintProcess::setProgram(QString());
    const QString beside = PaintProcess::program();
    PaintProcess::setProgram(named);
    EXPECT_EQ(beside, QString());
}

// A painter process that cannot start, is of another version or does not
// answer its start leaves its part to the caller; one that quits, stops,
// loops or answers no page before it has painted every page, or is sent a
// page naming a font it was not given, has not written its part. A painter
// that does not answer is ended once the program's patience is over,
// whatever it does with the processor. One that answers closes its part
// and goes on in the next.
TEST(PdfInParts, APainterProcessThatFailsHasNotWrittenItsPart) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "pdfinfo is not installed";
    kvtest::TempDir dir;
    FakePainters fake;
    PdfSettings settings;
    settings.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    PagePaint page;
    page.steps = {{PagePaint::Op::Font, 0, {}, 0, 0, 0, 0, 0}, {PagePaint::Op::Line, 0, Qt::AlignRight, 40, 100, 40, 0, 5}};
    page.texts = QStringLiteral("Hyvä!");
    PagePaint otherFont = page;
    otherFont.steps[0].font = 2;
    QFont bold(QStringLiteral("Liberation Sans"), 12);
    bold.setBold(true);
    bold.setHintingPreference(QFont::PreferNoHinting);
    const std::vector<QFont> fonts{QFont(QStringLiteral("Liberation Serif"), 10), bold};
    // A painter thread paints with fonts of its own, read back from the message.
    EXPECT_EQ(PaintProcess::fontsIn(PaintProcess::fontsMessage(fonts)), fonts);
    const struct {
        QString program;
        bool starts;
        const PagePaint& page;
        bool written;
    } cases[] = {
        {dir.file("puuttuu"), false, page, false},
        {QStringLiteral("/bin/true"), false, page, false},
        {fake.make("vanha", "printf R >&0\nexec head -c 64 >/dev/null"), false, page, false},
        {fake.make("toinen", "printf 'R\\005\\0\\0\\0\\0\\0\\0\\0muuta' >&0\nexec head -c 64 >/dev/null"), false, page, false},
        {fake.make("vaikenee", "kill -STOP $$"), false, page, false},
        {fake.make("jumittaa", "while :; do :; done"), false, page, false},
        {fake.make("lopettaa", "cat ready >&0\nexec head -c 64 >/dev/null"), true, page, false},
        {fake.make("pysahtyy", "cat ready >&0\nhead -c 64 >/dev/null\nkill -STOP $$"), true, page, false},
        {fake.make("jumittuu", "cat ready >&0\nhead -c 64 >/dev/null\nwhile :; do :; done"), true, page, false},
        {fake.make("ei-vastaa", "cat ready >&0\nexec cat >/dev/null"), true, page, false},
        {PaintProcess::program(), true, otherFont, false},
        {PaintProcess::program(), true, page, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        const QString part = dir.file("osa.pdf"), next = dir.file("seuraava.pdf");
        QFile::remove(part);
        QFile::remove(next);
        // Short with the tests' own painters, which are not to answer.
        const Patience patience(c.program == PaintProcess::program() ? PaintProcess::kPatience : std::chrono::milliseconds(1000));
        const Watchdog watchdog(fake);
        PaintProcess painter;
        ASSERT_EQ(painter.start(c.program, settings, part), c.starts);
        if (c.starts) {
            painter.setFonts(PaintProcess::fontsMessage(fonts));
            for (int i = 0; i < 300; ++i) painter.paint(c.page);
            const bool closed = painter.next(next);
            for (int i = 0; i < 200; ++i) painter.paint(c.page);
            EXPECT_EQ(closed && painter.close(), c.written);
        }
        if (c.written)
            for (const auto& [file, pages] : {std::pair{part, 300}, std::pair{next, 200}}) {
                const ToolRun info = run(QStringLiteral("pdfinfo"), {file});
                EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))))
                    << info.out.toStdString();
            }
        EXPECT_FALSE(watchdog.fired()) << "the program waited for a painter that did not answer";
    }
    EXPECT_EQ(fake.left(), std::vector<pid_t>{});
}

// A long PDF file whose painters fail or stop answering, before or after
// their start, stopped, looping or taking pages they never answer: the
// pages they had not closed in a part whole, and those that follow, are
// painted by threads of the program, and the file is written whole.
// Nothing is left beside it, and no painter runs on. The build's own
// painter is stopped once it has begun its part, and parts are closed
// every few pages: what it closed is kept, the rest painted again.
TEST(PdfInParts, APainterThatFailsOrStopsAnsweringLeavesItsPagesToTheProgram) {
    if (parallel::processors() < 2) GTEST_SKIP() << "one processor: no PDF file is written in parts";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    const QByteArray ours = QFile::encodeName(PaintProcess::program());
    constexpr int kPages = 160;
    const struct {
        const char* what;
        QByteArray body;
        bool stopOnceWriting;  // the painter is stopped once a part has bytes
    } cases[] = {
        {"of another version", "printf 'R\\005\\0\\0\\0\\0\\0\\0\\0muuta' >&0\nexec head -c 64 >/dev/null", false},
        {"never answers", "kill -STOP $$", false},
        {"loops before it answers", "while :; do :; done", false},
        {"stops later", "cat ready >&0\nhead -c 200000 >/dev/null\nkill -STOP $$", false},
        {"loops later", "cat ready >&0\nhead -c 200000 >/dev/null\nwhile :; do :; done", false},
        {"answers no page", "cat ready >&0\nexec cat >/dev/null", false},
        {"stopped while it paints", "exec '" + ours + "'", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        kvtest::TempDir dir;
        FakePainters fake;
        const QString target = dir.file(QStringLiteral("raportti.pdf"));
        writePdf(longReport(1), target, false);
        const QString program = PaintProcess::program();
        PaintProcess::setProgram(fake.make("piirtaja", c.body));
        std::atomic<bool> written = false, stopped = false;
        {
            const Patience patience(std::chrono::milliseconds(1000));
            const kvtest::PagesPerPart fewPages(20);
            const Watchdog watchdog(fake);
            std::thread stopper([&] {
                for (int i = 0; c.stopOnceWriting && !written && !stopped && i < 20000; ++i) {
                    const QFileInfoList files = QDir(dir.path()).entryInfoList({QStringLiteral("*.kvtmp")}, QDir::Files | QDir::Hidden);
                    if (std::any_of(files.begin(), files.end(), [](const QFileInfo& f) { return f.size() > 0; })) {
                        for (const pid_t p : fake.left()) ::kill(p, SIGSTOP);
                        stopped = true;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
            });
            try {
                writePdf(longReport(kPages), target, PdfPainting::InParts);
                written = true;
            } catch (const ReportError& e) {
                ADD_FAILURE() << e.description().toStdString();
            }
            stopper.join();
            EXPECT_FALSE(watchdog.fired()) << "the program waited for a painter that did not answer";
        }
        PaintProcess::setProgram(program);
        EXPECT_TRUE(written);
        EXPECT_EQ(stopped, c.stopOnceWriting);
        EXPECT_TRUE(fake.anyStarted());
        EXPECT_EQ(fake.left(), std::vector<pid_t>{});
        EXPECT_TRUE(wholePdf(bytesOf(target), kPages));
        const ToolRun text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), target, QStringLiteral("-")});
        EXPECT_EQ(text.out.count(QStringLiteral("/ %1").arg(kPages)), kPages);
        EXPECT_TRUE(text.out.contains(QStringLiteral("Jäsenmaksu %1, Åbo ja Ängelholm").arg(kPages * 60)));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("raportti.pdf")});
    }
}

namespace {

// Writes a report of args[1] pages over the file args[0], in parts when
// args[2] says so.
KV_TEST_CHILD(pdfOverAnEarlierFile) {
    writePdf(longReport(args.value(1).toInt()), args.value(0), args.value(2) == QLatin1String("osissa"));
    return 0;
}

}  // namespace

// Killed at each write point in turn, the writing leaves the earlier file
// byte for byte or the whole new one, and beside it only work files that
// the clean-up removes.
TEST(PdfWholeOrNothing, AKillAtAnyWritePointLeavesTheEarlierFileOrTheWholeNewOne) {
    for (const auto& [how, pages] : {std::pair{"kerralla", 3}, std::pair{"osissa", 200}}) {
        SCOPED_TRACE(how);
        kvtest::TempDir dir;
        const QString target = dir.file(QStringLiteral("raportti.pdf"));
        writePdf(longReport(1), target, false);
        const QByteArray earlier = bytesOf(target);
        int point = 1;
        for (;; ++point) {
            ASSERT_LT(point, 20);
            const kvtest::KilledRun run = kvtest::runChildKilledAt(
                "pdfOverAnEarlierFile", {target, QString::number(pages), QString::fromLatin1(how)}, point);
            ASSERT_TRUE(run.killed || run.finished) << run.errors.toStdString();
            const QByteArray now = bytesOf(target);
            EXPECT_TRUE(run.finished ? wholePdf(now, pages) : now == earlier || wholePdf(now, pages)) << point;
            fso::RemoveLeftoverWorkFiles(dir.path());
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("raportti.pdf")});
            if (run.finished) break;
            QFile f(target);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(earlier) == earlier.size());
        }
        EXPECT_GE(point, 4);  // the work file synced and renamed, the folder synced
    }
}

// A write-protected file is refused as before, not replaced by the rename.
TEST(PdfWholeOrNothing, AWriteProtectedFileIsLeftAsItWas) {
    kvtest::TempDir dir;
    const QString target = dir.file(QStringLiteral("suojattu.pdf"));
    writePdf(longReport(1), target, false);
    const QByteArray earlier = bytesOf(target);
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner));
    for (const bool inParts : {false, true})
        EXPECT_THROW(writePdf(longReport(inParts ? 200 : 2), target, inParts), report::ReportError);
    EXPECT_EQ(bytesOf(target), earlier);
}
