// A long report through the real control while the user watches: its
// progress window and Cancel, and the preview that opens with its first
// page while the rest is laid out. The book is small; its definition prints
// one record per page, and the work is shared among the processors from a
// few records on, as a long ledger's is.

#include "platform/dao/database.h"
#include "platform/parallel/parallel.h"
#include "platform/report/error.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/printers.h"
#include "fakepainters.h"
#include "support/qtprint.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <unistd.h>

using report::ReportControl;

namespace {

constexpr int kRecords = 3000;

// The processes this one has started that have not been reaped.
int childProcesses() {
    int n = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile f(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toInt() <= 0 || !f.open(QIODevice::ReadOnly)) continue;
        const QByteArray stat = f.readAll();  // pid (name) state parent ...
        const QList<QByteArray> after = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1 && after[1].toInt() == ::getpid()) ++n;
    }
    return n;
}

QWidget* progressWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("reportProgress") && w->isVisible()) return w;
    return nullptr;
}

// Calls tick whenever the program lets its windows repaint.
class Watcher {
public:
    explicit Watcher(std::function<void()> tick) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
        timer_.start(0);
    }

private:
    QTimer timer_;
};

class ReportProgress : public ::testing::Test {
protected:
    void SetUp() override {
        dao::Database db = dao::DBEngine::CreateDatabase(dir.file(QStringLiteral("kirja.mdb")));
        db.Execute(QStringLiteral("CREATE TABLE rivi (riID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, riNimi TEXT(255))"));
        db.BeginTrans();
        // Each record's text is its own, words that wrap over several lines:
        // every record is measured anew, as a ledger's descriptions are.
        for (int i = 1; i <= kRecords; ++i) {
            QStringList words;
            for (int w = 0; words.join(u' ').size() < 240; ++w) words << QStringLiteral("%1s%2").arg(i).arg(w);
            db.Execute(QStringLiteral("INSERT INTO rivi (riNimi) VALUES (?)"), {words.join(u' ')});
        }
        db.CommitTrans();
        db.Close();
        writeDefinition(false);
        writeDefinition(true);
    }

    // A definition of one record per page, with the page count in each
    // page's footer, and where asked in its title.
    QString definition(bool titleShowsPages) const {
        return dir.file(titleShowsPages ? QStringLiteral("sivut.rpt") : QStringLiteral("pitka.rpt"));
    }
    void writeDefinition(bool titleShowsPages) {
        QFile f(definition(titleShowsPages));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(titleShowsPages ? "[report]\ntitle = 'Pitkä ' & TotalPages\n" : "[report]\ntitle = 'Pitkä'\n");
        f.write("[data]\ntable = rivi\nsort = +{rivi.riID}\n"
                "[detail]\nheight = 240\nitem = 0 40 name=nimi : {rivi.riNimi}\n"
                "[pagefooter]\nitem = 0 100 name=sivu : \"Sivu \" & PageNumber & \" / \" & TotalPages\n");
    }

    void setUp(ReportControl& c, int destination, bool titleShowsPages = false) {
        c.setReportFileName(definition(titleShowsPages));
        for (int i = 0; i < 25; ++i) c.setDataFiles(i, dir.file(QStringLiteral("kirja.mdb")));
        c.setDestination(destination);
        c.setPrintFileName(pdf());
        c.setParallelFrom(64);
    }

    QString pdf() const { return dir.file(QStringLiteral("tuloste.pdf")); }

    QByteArray bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    kvtest::TempDir dir;
};

// Cancel pressed at each stage of a long run: the earlier file as it was
// and nothing else left in its folder, no painter process, no preview; the
// run recorded as cancelled, no error raised. Before the Cancel, the pages
// done were seen to grow. The progress window bears the report's title
// from the first, or where the title shows the page count, the word for a
// report until the title is known. Painters that do not answer are waited
// for with the windows alive, and Cancel ends the wait.
TEST_F(ReportProgress, CancelLeavesTheEarlierFileAndNothingElse) {
    struct Case {
        const char* name;
        int destination;
        bool titleShowsPages;
        const char* stage;  // the progress window's stage when Cancel is pressed
        int pages;          // pages done at least by then
        const char* title;  // the progress window's title then
        const char* painter = nullptr;  // what the painters do; the build's painter where none
        bool stalled = false;           // Cancel pressed once the pages done stand still
    } const cases[] = {
        {"file, while its pages are laid out", ReportControl::ToFile, false, "Sivuja taitetaan...", 300, "Pitkä"},
        {"file, while its records are read", ReportControl::ToFile, false, "Tietoja luetaan...", 0, "Pitkä"},
        {"preview, while its records are read", ReportControl::ToWindow, false, "Tietoja luetaan...", 0, "Pitkä"},
        {"preview, while its pages are counted for its title", ReportControl::ToWindow, true, "Sivuja lasketaan...", 50,
         "Raportti"},
        {"file, while it waits for painters that answer no page", ReportControl::ToFile, false,
         "Tiedostoa kirjoitetaan...", 0, "Pitkä", "cat ready >&0\nexec cat >/dev/null"},
        {"file, while its pages wait for painters that loop", ReportControl::ToFile, false, "Sivuja taitetaan...", 0,
         "Pitkä", "while :; do :; done", true},
    };
    // The earlier file: the report of its first three records.
    {
        ReportControl c;
        setUp(c, ReportControl::ToFile);
        c.setSelectionFormula(QStringLiteral("{rivi.riID} <= 3"));
        c.printReport();
        ASSERT_TRUE(c.lastRun().succeeded);
    }
    const QByteArray earlier = bytes(pdf());
    ASSERT_FALSE(earlier.isEmpty());
    const QStringList folder = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        // Painters that do not answer are waited for far longer than the
        // test takes: the Cancel ends the wait. Their parts hold all their
        // pages, so that they are waited for once every page is laid out.
        kvtest::FakePainters fake;
        const QString painter = report::PaintProcess::program();
        if (k.painter) report::PaintProcess::setProgram(fake.make("piirtaja", k.painter));
        const kvtest::Patience patience(k.painter ? std::chrono::minutes(10) : report::PaintProcess::kPatience);
        const kvtest::PagesPerPart pagesPerPart(k.painter ? kRecords : report::PdfParts::kPagesPerPart);
        ReportControl c;
        setUp(c, k.destination, k.titleShowsPages);
        c.setProgressDelay(0);
        QList<int> pagesSeen;
        int paintersSeen = 0, still = 0;
        bool pressed = false;
        QString title;
        Watcher watcher([&] {
            QWidget* w = progressWindow();
            if (!w || pressed) return;
            const QString stage = w->findChild<QLabel*>(QStringLiteral("stage"))->text();
            const QString pages = w->findChild<QLabel*>(QStringLiteral("pages"))->text();
            paintersSeen = std::max(paintersSeen, childProcesses());
            if (stage != QString::fromUtf8(k.stage)) return;
            const int done = QString(pages).remove(QRegularExpression(QStringLiteral("[^0-9/]"))).section(u'/', 0, 0).toInt();
            still = !pagesSeen.isEmpty() && pagesSeen.back() == done ? still + 1 : 0;
            if (!pages.isEmpty() && (pagesSeen.isEmpty() || pagesSeen.back() != done)) pagesSeen << done;
            if (done < k.pages || (k.pages > 0 && pagesSeen.size() < 3) || (k.stalled && (done == 0 || still < 8))) return;
            pressed = true;
            title = w->windowTitle();
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
        });
        c.printReport();
        report::PaintProcess::setProgram(painter);

        EXPECT_TRUE(pressed);
        EXPECT_EQ(title.toStdString(), k.title);
        const report::RunRecord& run = c.lastRun();
        EXPECT_TRUE(run.cancelled);
        EXPECT_FALSE(run.succeeded);
        EXPECT_EQ(run.errorNumber, 0);
        EXPECT_EQ(c.lastPreview(), nullptr);
        EXPECT_EQ(progressWindow(), nullptr);
        EXPECT_TRUE(bytes(pdf()) == earlier) << "the earlier file changed";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), folder);
        EXPECT_EQ(childProcesses(), 0);
        if (k.pages > 0) {
            EXPECT_GE(pagesSeen.size(), 3);
            EXPECT_TRUE(std::is_sorted(pagesSeen.begin(), pagesSeen.end())) << pagesSeen.size();
            if (!pagesSeen.isEmpty()) {
                EXPECT_LT(pagesSeen.back(), kRecords);
            }
        }
        // A long file is painted in parts by painter processes, where there
        // are processors for it: they were at work, and are gone.
        if (k.destination == ReportControl::ToFile && k.pages > 0 && parallel::processors() >= 2) {
            EXPECT_GT(paintersSeen, 0);
        }
    }
}

// A short report shows no progress window: it is done before the delay
// (where it is not, as on a machine slowed down, nothing is told of it).
// While it runs, the windows repaint, but another run and the close of a
// window (the main window's, whose command the run is) are refused.
TEST_F(ReportProgress, AShortRunShowsNoProgressAndWhatComesMeanwhileWaits) {
    ReportControl c;
    setUp(c, ReportControl::ToFile);
    c.setSelectionFormula(QStringLiteral("{rivi.riID} <= 3"));
    QWidget mainWindow;
    mainWindow.show();
    bool shown = false, closed = true;
    int refused = 0;
    Watcher watcher([&] {
        if (progressWindow()) shown = true;
        if (refused > 0) return;
        closed = mainWindow.close();
        try {
            c.printReport();
        } catch (const report::ReportError& e) {
            refused = e.number();
        }
    });
    QElapsedTimer took;
    took.start();
    c.printReport();
    EXPECT_TRUE(c.lastRun().succeeded);
    if (took.elapsed() < c.progressDelay()) {
        EXPECT_FALSE(shown);
    }
    EXPECT_EQ(refused, report::err::Busy);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(mainWindow.close());
}

// A question asked while a run goes on (the PDF file of the PDF printer)
// closes by its answer, although the windows open when the run began stay
// open until it ends; the run goes on with the answer.
TEST_F(ReportProgress, AQuestionAskedDuringARunClosesByItsAnswer) {
    struct Case {
        const char* name;
        bool accepted;  // the OK button, or Esc
    } const cases[] = {{"OK", true}, {"Esc", false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        QFile::remove(pdf());
        ReportControl c;
        setUp(c, ReportControl::ToPrinter);
        c.setSelectionFormula(QStringLiteral("{rivi.riID} <= 3"));
        c.setPrinterName(ui::kPdfPrinter);
        c.setPrintFileName(QString());
        bool closed = false;
        c.setPdfFileQuestion([&](const QString&) {
            QDialog question;
            auto* ok = new QPushButton(QStringLiteral("OK"), &question);
            QObject::connect(ok, &QPushButton::clicked, &question, &QDialog::accept);
            QTimer::singleShot(0, &question, [&] {
                if (k.accepted) QTest::mouseClick(ok, Qt::LeftButton);
                else QTest::keyClick(&question, Qt::Key_Escape);
                closed = !question.isVisible();
                question.hide();  // ends the question all the same
            });
            return question.exec() == QDialog::Accepted ? pdf() : QString();
        });
        c.printReport();
        EXPECT_TRUE(closed);
        EXPECT_EQ(c.lastRun().succeeded, k.accepted);
        EXPECT_EQ(c.lastRun().cancelled, !k.accepted);
        EXPECT_EQ(QFile::exists(pdf()), k.accepted);
    }
}

// The preview opens with its first page while the rest is laid out, the
// page count unknown ("/ n…" of the pages so far, empty in the pages'
// footers); then, whatever the user does meanwhile, the rest follows or
// stops, and nothing breaks.
TEST_F(ReportProgress, ThePreviewShowsItsFirstPageWhileTheRestIsLaidOut) {
    enum class Meanwhile { ReadsOn, Prints, PrintsAndCancels, ClosesThePreview, RunsAnotherReport, EndsTheProgram };
    struct Case {
        const char* name;
        Meanwhile meanwhile;
    } const cases[] = {
        {"the user reads on", Meanwhile::ReadsOn},
        {"the user prints: the rest is laid out first", Meanwhile::Prints},
        {"the user prints and cancels: nothing printed, the rest still comes", Meanwhile::PrintsAndCancels},
        {"the user closes the preview", Meanwhile::ClosesThePreview},
        {"another report runs from the same control", Meanwhile::RunsAnotherReport},
        {"the program ends", Meanwhile::EndsTheProgram},
    };
    const QString whole = QStringLiteral("/ %1").arg(kRecords);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        auto c = std::make_unique<ReportControl>();
        setUp(*c, ReportControl::ToWindow);
        c->printReport();
        QPointer<report::PreviewWindow> w = c->lastPreview();
        ASSERT_TRUE(w);
        auto* count = w->findChild<QLabel*>(QStringLiteral("pageCount"));
        EXPECT_TRUE(w->layingOut());
        EXPECT_GE(w->pageCount(), 1);
        EXPECT_LT(w->pageCount(), kRecords);
        EXPECT_EQ(count->text(), QStringLiteral("/ %1\u2026").arg(w->pageCount()));
        EXPECT_EQ(w->report().pages[0].bands.back().text(QStringLiteral("sivu")), QString());
        switch (k.meanwhile) {
        case Meanwhile::ReadsOn:
            // The second page may not be laid out yet on a slow machine.
            QTRY_VERIFY_WITH_TIMEOUT(w->pageCount() >= 2, 60000);
            w->nextPage();
            EXPECT_EQ(w->currentPage(), 2);
            QTRY_VERIFY_WITH_TIMEOUT(!w->layingOut(), 60000);
            EXPECT_EQ(w->pageCount(), kRecords);
            EXPECT_EQ(count->text(), whole);
            EXPECT_EQ(w->report().pages[0].bands.back().text(QStringLiteral("sivu")), QStringLiteral("Sivu 1 ") + whole);
            EXPECT_TRUE(c->lastRun().succeeded);
            break;
        case Meanwhile::Prints:
        case Meanwhile::PrintsAndCancels: {
            int printed = -1;
            w->setPrintHandler([&](report::PreviewWindow& p) { printed = p.layingOut() ? 0 : p.pageCount(); });
            const bool cancels = k.meanwhile == Meanwhile::PrintsAndCancels;
            c->setProgressDelay(0);
            // While the rest is laid out for the print, the window's count
            // is of the pages there are, as the progress tells them.
            std::vector<std::pair<QString, int>> counts;  // as shown, and the pages there are
            Watcher watcher([&] {
                QWidget* progress = progressWindow();
                if (progress && w->layingOut() && counts.size() < 5) counts.emplace_back(count->text(), w->pageCount());
                if (progress && cancels)
                    QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
            });
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("print")), Qt::LeftButton);
            EXPECT_FALSE(counts.empty());
            for (const auto& [shown, pages] : counts)
                EXPECT_EQ(shown.toStdString(), QStringLiteral("/ %1\u2026").arg(pages).toStdString());
            EXPECT_EQ(printed, cancels ? -1 : kRecords);
            EXPECT_EQ(w->layingOut(), cancels);
            QTRY_VERIFY_WITH_TIMEOUT(!w->layingOut(), 60000);
            EXPECT_EQ(count->text(), whole);
            EXPECT_TRUE(c->lastRun().succeeded);
            break;
        }
        case Meanwhile::ClosesThePreview:
            w->close();
            QTest::qWait(50);
            EXPECT_FALSE(w);
            EXPECT_TRUE(c->lastRun().cancelled);
            EXPECT_FALSE(c->lastRun().succeeded);
            break;
        case Meanwhile::RunsAnotherReport: {
            c->setDestination(ReportControl::ToFile);
            c->setSelectionFormula(QStringLiteral("{rivi.riID} <= 3"));
            c->printReport();
            EXPECT_TRUE(c->lastRun().succeeded);
            EXPECT_EQ(c->lastRun().report->pageCount(), 3);
            // The first preview goes on to its end all the same.
            QTRY_VERIFY_WITH_TIMEOUT(!w->layingOut(), 60000);
            EXPECT_EQ(count->text(), whole);
            break;
        }
        case Meanwhile::EndsTheProgram: {
            c.reset();
            QTest::qWait(50);
            EXPECT_TRUE(w->layingOut());  // it shows what it has, and prints nothing
            bool printed = false;
            w->setPrintHandler([&](report::PreviewWindow&) { printed = true; });
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("print")), Qt::LeftButton);
            EXPECT_FALSE(printed);
            break;
        }
        }
        delete w.data();
    }
}

}  // namespace
