// The report control end to end: a small book made with the database layer,
// the test ledger definition, and runs to the preview window and to PDF.

#include "platform/dao/database.h"
#include "platform/report/error.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/report/texts.h"
#include "platform/report/value.h"
#include "platform/ui/printers.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QAbstractScrollArea>
#include <QImage>
#include <QHash>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>

using report::LaidBand;
using report::ReportControl;
using report::ReportError;
using report::SectionKind;

namespace {

dao::Currency money(const char* text) { return *dao::Currency::parseInvariant(QString::fromLatin1(text)); }

// A book with accounts, vouchers and entries in the shape the ledger reads.
class Book {
public:
    explicit Book(const QString& path) : db_(dao::DBEngine::CreateDatabase(path)), path_(path) {
        db_.Execute(QStringLiteral(
            "CREATE TABLE tl (tlID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, tlNumero LONG, tlNimi TEXT(50), "
            "tlAlkusaldo CURRENCY, tlLoppusaldo CURRENCY, tlPrint BIT)"));
        db_.Execute(QStringLiteral(
            "CREATE TABLE [to] (toID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, toNumero LONG, toPvm DATETIME, "
            "toSelite TEXT(255), toAvaustosite BIT, toPaatostosite BIT)"));
        db_.Execute(QStringLiteral(
            "CREATE TABLE vi (viID COUNTER CONSTRAINT PrimaryKey PRIMARY KEY, vitoID LONG, vitlID LONG, vikpID LONG, "
            "viTyyppi TEXT(1), viArvo CURRENCY, viSelite TEXT(255), viAvausvienti BIT, viPaatosvienti BIT)"));
    }

    long account(int number, const QString& name, const char* opening = "0", bool print = true) {
        db_.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlAlkusaldo, tlLoppusaldo, tlPrint) "
                                   "VALUES (?, ?, ?, ?, ?)"),
                    {number, name, money(opening), money(opening), print});
        return lastId(QStringLiteral("SELECT MAX(tlID) FROM tl"));
    }

    long voucher(int number, dao::Date date, const QString& text) {
        db_.Execute(QStringLiteral("INSERT INTO [to] (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite) "
                                   "VALUES (?, ?, ?, ?, ?)"),
                    {number, date, text, false, false});
        return lastId(QStringLiteral("SELECT MAX(toID) FROM [to]"));
    }

    void entry(long voucherId, long accountId, const char* type, const char* amount, const QString& text) {
        db_.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, "
                                   "viAvausvienti, viPaatosvienti) VALUES (?, ?, 0, ?, ?, ?, ?, ?)"),
                    {voucherId, accountId, QString::fromLatin1(type), money(amount), text, false, false});
    }

    // The pseudo voucher -1 with one empty entry per account.
    void pseudoVoucher(dao::Date date, const std::vector<long>& accounts) {
        long id = voucher(-1, date, QString());
        for (long a : accounts)
            db_.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viAvausvienti, viPaatosvienti) "
                                       "VALUES (?, ?, 0, ?, ?)"),
                        {id, a, false, false});
    }

    void setClosing(long accountId, const char* amount) {
        db_.Execute(QStringLiteral("UPDATE tl SET tlLoppusaldo = ? WHERE tlID = ?"), {money(amount), accountId});
    }

    void begin() { db_.BeginTrans(); }
    void commit() { db_.CommitTrans(); }
    void close() { db_.Close(); }
    const QString& path() const { return path_; }

private:
    long lastId(const QString& sql) {
        dao::Recordset rs = db_.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        return long(rs.value(0).toLong());
    }
    dao::Database db_;
    QString path_;
};

QString fixture() {
    return QDir(kvtest::sourceDir()).filePath(QStringLiteral("tests/fixtures/report/ledger_test.rpt"));
}

QString ordinarySelection(const QString& end, const QString& start) {
    return QStringLiteral(
               "{tl.tlPrint} = True AND (({vi.viAvausvienti} = False AND {vi.viPaatosvienti} = False) AND "
               "({to.toPvm} <= Date(%1) AND {to.toPvm} >= Date(%2)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0))")
        .arg(end, start);
}

class LedgerReport : public ::testing::Test {
protected:
    void SetUp() override {
        Book book(dir.file(QStringLiteral("kirja.mdb")));
        const long bank = book.account(1910, QStringLiteral("Pankkitili"), "1000");
        const long fees = book.account(3000, QStringLiteral("Jäsenmaksut"));
        const long rent = book.account(4000, QStringLiteral("Vuokrat"));
        const long empty = book.account(9999, QStringLiteral("Tyhjä tili"));
        const long hidden = book.account(5000, QStringLiteral("Ei tulosteta"), "0", false);
        long v = book.voucher(1, dao::Date::fromYmd(2031, 1, 15), QStringLiteral("Jäsenmaksu"));
        book.entry(v, bank, "D", "150.00", QStringLiteral("Pelle's jäsenmaksu"));
        book.entry(v, fees, "K", "150.00", QStringLiteral("Pelle's jäsenmaksu"));
        v = book.voucher(3, dao::Date::fromYmd(2031, 3, 5), QStringLiteral("Jäsenmaksut"));
        book.entry(v, bank, "D", "1234.55", QStringLiteral("Maaliskuun jäsenmaksut"));
        book.entry(v, fees, "K", "1234.55", QStringLiteral("Maaliskuun jäsenmaksut"));
        v = book.voucher(2, dao::Date::fromYmd(2031, 2, 1), QStringLiteral("Vuokra"));
        book.entry(v, rent, "D", "400.50", QStringLiteral("Helmikuun vuokra"));
        book.entry(v, bank, "K", "400.50", QStringLiteral("Helmikuun vuokra"));
        book.entry(v, hidden, "D", "5.00", QStringLiteral("Ei näy"));
        v = book.voucher(4, dao::Date::fromYmd(2031, 12, 31), QStringLiteral("Kauden ulkopuolella"));
        book.entry(v, rent, "D", "99.99", QStringLiteral("Joulukuu"));
        book.entry(v, bank, "K", "99.99", QStringLiteral("Joulukuu"));
        book.pseudoVoucher(dao::Date::fromYmd(2031, 1, 2), {bank, fees, rent, empty, hidden});
        book.setClosing(bank, "1984.05");
        book.setClosing(fees, "-1384.55");
        book.setClosing(rent, "400.50");
        book.close();
        database = book.path();
    }

    // The ledger of another book laid out for the preview window.
    const report::LaidOutReport& ledgerOf(ReportControl& c, const QString& book) {
        setUpControl(c);
        for (int i = 0; i < 25; ++i) c.setDataFiles(i, book);
        c.printReport();
        return *c.lastRun().report;
    }

    // The control as a ledger command leaves it: reset, then file, destination, formulas.
    void setUpControl(ReportControl& c, int destination = ReportControl::ToWindow) {
        for (int i = 0; i < 25; ++i) c.setDataFiles(i, database);
        c.setReportFileName(fixture());
        c.setDestination(destination);
        c.setCopiesToPrinter(1);
        c.setSelectionFormula(ordinarySelection(QStringLiteral("2031,6,30"), QStringLiteral("2031,1,1")));
        c.setSectionFont(0, QStringLiteral("ALL;Times New Roman;10;X;X;X;X"));
        c.setSectionFont(1, QStringLiteral("TITLE;Times New Roman;12;X;X;X;X"));
        c.setSectionFont(2, QStringLiteral("HEADER;Times New Roman;X;X;X;X;X"));
        c.setFormulas(0, QStringLiteral("Seurannimi= 'Pelle's Kerho'"));
        c.setFormulas(1, QStringLiteral("Otsake= 'Pääkirja -- 1.1.2031 - 30.6.2031'"));
        c.setSortFields(0, QStringLiteral("+{tl.tlNumero}"));
        c.setSortFields(1, QStringLiteral("+{to.toNumero}"));
        c.setPrintDate(QDate(2031, 7, 1));
    }

    static QStringList column(const std::vector<const LaidBand*>& bands, const char* name) {
        QStringList out;
        for (const LaidBand* b : bands) out << b->text(QString::fromLatin1(name));
        return out;
    }

    kvtest::TempDir dir;
    QString database;
};

TEST_F(LedgerReport, PreviewLaysOutGroupsLinesAndTotals) {
    ReportControl c;
    setUpControl(c);
    c.setAction(1);
    const report::RunRecord& run = c.lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    ASSERT_TRUE(run.report);
    const report::LaidOutReport& r = *run.report;
    EXPECT_EQ(r.pageCount(), 1);
    EXPECT_EQ(run.title, QStringLiteral("Pääkirja -- 1.1.2031 - 30.6.2031 - Pelle's Kerho"));

    // Four printed accounts in number order; the hidden one and voucher 4 are left out.
    auto headers = r.bands(SectionKind::GroupHeader, QStringLiteral("tili"));
    EXPECT_EQ(column(headers, "tili"), QStringList({QStringLiteral("1910 Pankkitili"), QStringLiteral("3000 Jäsenmaksut"),
                                                    QStringLiteral("4000 Vuokrat"), QStringLiteral("9999 Tyhjä tili")}));
    EXPECT_EQ(column(headers, "alkusaldo").front(), QStringLiteral("1\u00a0000,00"));

    // Lines by account, then voucher number; the pseudo voucher's lines are not printed.
    auto lines = r.bands(SectionKind::Detail);
    EXPECT_EQ(column(lines, "tosite"), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                    QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2")}));
    EXPECT_EQ(lines[0]->text(QStringLiteral("pvm")), QStringLiteral("15.1.2031"));
    EXPECT_EQ(lines[0]->text(QStringLiteral("selite")), QStringLiteral("Pelle's jäsenmaksu"));
    EXPECT_EQ(column(lines, "debet"), QStringList({QStringLiteral("150,00"), QString(), QStringLiteral("1\u00a0234,55"),
                                                   QString(), QString(), QStringLiteral("400,50")}));
    // The running balance starts from the opening balance of the account.
    EXPECT_EQ(column(lines, "saldo").mid(0, 3),
              QStringList({QStringLiteral("1\u00a0150,00"), QStringLiteral("749,50"), QStringLiteral("1\u00a0984,05")}));

    // Every account has its footer, the empty one with zero totals.
    auto footers = r.bands(SectionKind::GroupFooter, QStringLiteral("tili"));
    ASSERT_EQ(footers.size(), 4u);
    EXPECT_EQ(column(footers, "debet"), QStringList({QStringLiteral("1\u00a0384,55"), QStringLiteral("0,00"),
                                                     QStringLiteral("400,50"), QStringLiteral("0,00")}));
    EXPECT_EQ(column(footers, "kredit"), QStringList({QStringLiteral("400,50"), QStringLiteral("1\u00a0384,55"),
                                                      QStringLiteral("0,00"), QStringLiteral("0,00")}));
    EXPECT_EQ(column(footers, "vienteja"), QStringList({QStringLiteral("Vientejä 3"), QStringLiteral("Vientejä 2"),
                                                        QStringLiteral("Vientejä 1"), QStringLiteral("Vientejä 0")}));
    EXPECT_EQ(footers[0]->text(QStringLiteral("loppusaldo")), QStringLiteral("1\u00a0984,05"));
    // Totals are exact currency, not floating point.
    EXPECT_EQ(footers[0]->item(QStringLiteral("debet"))->value, report::Value(money("1384.55")));

    auto grand = r.bands(SectionKind::ReportFooter);
    ASSERT_EQ(grand.size(), 1u);
    EXPECT_EQ(grand[0]->text(QStringLiteral("debet")), QStringLiteral("1\u00a0785,05"));
    EXPECT_EQ(grand[0]->text(QStringLiteral("kredit")), QStringLiteral("1\u00a0785,05"));

    auto title = r.bands(SectionKind::ReportHeader);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0]->text(QStringLiteral("seura")), QStringLiteral("Pelle's Kerho"));
    auto pageFooter = r.bands(SectionKind::PageFooter);
    ASSERT_EQ(pageFooter.size(), 1u);
    EXPECT_EQ(pageFooter[0]->text(QStringLiteral("sivu")), QStringLiteral("Sivu 1 / 1"));
    EXPECT_EQ(pageFooter[0]->text(QStringLiteral("pvm")), QStringLiteral("1.7.2031"));
    // The page footer sits below everything else, inside the bottom margin.
    EXPECT_LE(grand[0]->rect.bottom(), pageFooter[0]->rect.top() + 0.01);
    EXPECT_LE(pageFooter[0]->rect.bottom(), r.pageSize.height() - r.margins.bottom() + 0.5);

    // Section fonts: ALL gives Times New Roman 10 (its metric twin when missing),
    // TITLE size 12 and the definition's bold stays where X leaves it.
    const QFont& titleFont = r.fonts[size_t(title[0]->items[0].font)];
    EXPECT_DOUBLE_EQ(titleFont.pointSizeF(), 12);
    EXPECT_TRUE(titleFont.bold());
    const QFont& lineFont = r.fonts[size_t(lines[0]->items[0].font)];
    EXPECT_DOUBLE_EQ(lineFont.pointSizeF(), 10);
    EXPECT_FALSE(lineFont.bold());
    EXPECT_EQ(QFontInfo(lineFont).family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(r.fonts[size_t(headers[0]->items[0].font)].bold());

    // What the control received.
    EXPECT_EQ(run.properties.formulas[0], QStringLiteral("Seurannimi= 'Pelle's Kerho'"));
    EXPECT_EQ(run.properties.sortFields[1], QStringLiteral("+{to.toNumero}"));
    EXPECT_EQ(run.properties.dataFiles[24], database);
    EXPECT_EQ(run.database, database);
    EXPECT_EQ(run.recordsSelected, 6 + 4);  // six lines and four pseudo lines
    EXPECT_EQ(run.number, 1);

    // One non-modal preview window per run, titled with the report's title.
    report::PreviewWindow* w = c.lastPreview();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), run.title);
    EXPECT_EQ(w->pageCount(), 1);
    c.printReport();
    EXPECT_NE(c.lastPreview(), w);
    EXPECT_EQ(c.runCount(), 2);
    w->close();
    c.lastPreview()->close();
}

// A text stays on one line exactly when it fits its column as the text is
// measured (unhinted, at 720 dpi), and a wrapped line could not have taken
// the next word: texts of every length around the column's width.
TEST_F(LedgerReport, ATextWrapsExactlyWhenItDoesNotFitItsColumn) {
    Book more(dir.file(QStringLiteral("pituudet.mdb")));
    const long bank = more.account(1910, QStringLiteral("Pankkitili"), "0");
    const long other = more.account(3000, QStringLiteral("Tuotot"), "0");
    const QString words = QStringLiteral("Maksettu jäsenmaksu Åbo Ängelholm WAVE AVA Tytti 1 234,56 € kirjattu ");
    for (int i = 1; i <= 90; ++i) {
        long v = more.voucher(i, dao::Date::fromYmd(2031, 3, 1), QStringLiteral("Tosite %1").arg(i));
        const QString text = words.repeated(3).left(20 + i).trimmed();
        more.entry(v, bank, "D", "1.00", text);
        more.entry(v, other, "K", "1.00", text.toUpper());
    }
    more.close();
    ReportControl c;
    const report::LaidOutReport& r = ledgerOf(c, more.path());
    QImage device(8, 8, QImage::Format_ARGB32);
    const int dpm = int(720 / 0.0254 + 0.5);
    device.setDotsPerMeterX(dpm);
    device.setDotsPerMeterY(dpm);
    int oneLine = 0, wrapped = 0;
    for (const LaidBand* band : r.bands(SectionKind::Detail)) {
        const report::LaidItem* item = band->item(QStringLiteral("selite"));
        ASSERT_NE(item, nullptr);
        if (item->text.isEmpty()) continue;
        const QFontMetricsF fm(r.fonts[size_t(item->font)], &device);
        auto width = [&](const QString& t) { return fm.horizontalAdvance(t) / 10.0; };
        const double column = item->rect.width();
        if (width(item->text) <= column) {
            EXPECT_EQ(item->lines, QStringList{item->text}) << item->text.toStdString();
            ++oneLine;
            continue;
        }
        ++wrapped;
        ASSERT_GE(item->lines.size(), 2) << item->text.toStdString();
        EXPECT_EQ(item->lines.join(QLatin1Char(' ')), item->text);
        for (int i = 0; i < item->lines.size(); ++i) {
            EXPECT_LE(width(item->lines[i]), column) << item->lines[i].toStdString();
            if (i + 1 < item->lines.size()) {
                const QString next = item->lines[i] + QLatin1Char(' ') + item->lines[i + 1].section(QLatin1Char(' '), 0, 0);
                EXPECT_GT(width(next), column) << next.toStdString();
            }
        }
    }
    EXPECT_GT(oneLine, 20);
    EXPECT_GT(wrapped, 20);
}

TEST_F(LedgerReport, LongAccountRunsOverPagesWithRepeatedHeaders) {
    Book more(dir.file(QStringLiteral("iso.mdb")));
    const long bank = more.account(1910, QStringLiteral("Pankkitili"), "0");
    const long other = more.account(3000, QStringLiteral("Tuotot"), "0");
    for (int i = 1; i <= 120; ++i) {
        long v = more.voucher(i, dao::Date::fromYmd(2031, 1 + i % 6, 1 + i % 28), QStringLiteral("Tosite %1").arg(i));
        more.entry(v, bank, "D", "10.25", QStringLiteral("Rivi %1 jonka selite on niin pitkä, että se rivittyy "
                                                         "sarakkeensa leveyteen kahdelle riville")
                                              .arg(i));
        more.entry(v, other, "K", "10.25", QStringLiteral("Rivi %1").arg(i));
    }
    more.close();
    ReportControl c;
    const report::LaidOutReport& r = ledgerOf(c, more.path());
    ASSERT_GE(r.pageCount(), 3);

    // Every page has a footer with its number and the count.
    auto pageFooters = r.bands(SectionKind::PageFooter);
    ASSERT_EQ(int(pageFooters.size()), r.pageCount());
    for (int p = 0; p < r.pageCount(); ++p)
        EXPECT_EQ(pageFooters[size_t(p)]->text(QStringLiteral("sivu")),
                  QStringLiteral("Sivu %1 / %2").arg(p + 1).arg(r.pageCount()));

    // The long texts wrap within their column, and no band crosses into the footer.
    auto lines = r.bands(SectionKind::Detail);
    ASSERT_EQ(lines.size(), 240u);
    const report::LaidItem* selite = lines[0]->item(QStringLiteral("selite"));
    ASSERT_GE(selite->lines.size(), 2);
    EXPECT_EQ(selite->lines.join(QLatin1Char(' ')), selite->text);
    EXPECT_NEAR(selite->rect.height(), selite->lines.size() * (lines[1]->item(QStringLiteral("tosite"))->rect.height()),
                0.01);
    EXPECT_GE(lines[0]->rect.height(), selite->rect.height());
    for (const auto& page : r.pages) {
        const double footerTop = page.bands.back().rect.top();
        for (const auto& b : page.bands)
            if (b.kind != SectionKind::PageFooter) {
                EXPECT_LE(b.rect.bottom(), footerTop + 0.01);
            }
    }

    // An account continued on the next page repeats its header there.
    auto headers = r.bands(SectionKind::GroupHeader);
    int repeated = 0;
    for (const LaidBand* h : headers) repeated += h->repeated ? 1 : 0;
    EXPECT_GE(repeated, 1);
    for (int p = 1; p < r.pageCount(); ++p) {
        const auto& bands = r.pages[size_t(p)].bands;
        ASSERT_GE(bands.size(), 2u);
        EXPECT_EQ(bands[0].kind, SectionKind::PageHeader);
        EXPECT_EQ(bands[1].kind, SectionKind::GroupHeader);
    }

    // Group totals cover the whole group over its pages.
    auto footers = r.bands(SectionKind::GroupFooter);
    ASSERT_EQ(footers.size(), 2u);
    EXPECT_EQ(footers[0]->text(QStringLiteral("debet")), QStringLiteral("1\u00a0230,00"));
    EXPECT_EQ(footers[1]->text(QStringLiteral("kredit")), QStringLiteral("1\u00a0230,00"));
    EXPECT_EQ(lines[119]->text(QStringLiteral("saldo")), QStringLiteral("1\u00a0230,00"));

    // Preview navigation.
    report::PreviewWindow* w = c.lastPreview();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->currentPage(), 1);
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("next")), Qt::LeftButton);
    EXPECT_EQ(w->currentPage(), 2);
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("last")), Qt::LeftButton);
    EXPECT_EQ(w->currentPage(), r.pageCount());
    EXPECT_FALSE(w->findChild<QToolButton*>(QStringLiteral("next"))->isEnabled());
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("previous")), Qt::LeftButton);
    EXPECT_EQ(w->currentPage(), r.pageCount() - 1);
    EXPECT_EQ(w->findChild<QSpinBox*>(QStringLiteral("pageNumber"))->value(), r.pageCount() - 1);
    w->findChild<QSpinBox*>(QStringLiteral("pageNumber"))->setValue(2);
    EXPECT_EQ(w->currentPage(), 2);
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("first")), Qt::LeftButton);
    EXPECT_EQ(w->currentPage(), 1);
    const double zoom = w->zoomFactor();
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("zoomIn")), Qt::LeftButton);
    EXPECT_GT(w->zoomFactor(), zoom);
    int printed = 0;
    w->setPrintHandler([&](report::PreviewWindow& pw) {
        EXPECT_EQ(&pw, w);
        ++printed;
    });
    QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("print")), Qt::LeftButton);
    EXPECT_EQ(printed, 1);
    w->close();
}

// A ledger long enough to be read in parts, selected and sorted on several
// threads and its formulas worked out ahead of the layout: every line in its
// place with its figures, and the totals of what was selected. Each voucher
// number is used twice, far apart: the two lines of a number keep the order
// they were read in, which their texts tell apart.
TEST_F(LedgerReport, ALongLedgerHasEveryLineInOrderWithItsFiguresAndTotals) {
    Book more(dir.file(QStringLiteral("pitka.mdb")));
    more.begin();
    const long bank = more.account(1910, QStringLiteral("Pankkitili"), "100");
    const long fees = more.account(3000, QStringLiteral("Jäsenmaksut"));
    const long rent = more.account(4000, QStringLiteral("Vuokrat"));
    struct Line {
        int number;
        bool debit;
        dao::Currency amount;
        QString text;
    };
    std::map<long, std::vector<Line>> expected;  // by account, in the order read
    const int vouchers = 17000;
    for (int i = 0; i < vouchers; ++i) {
        // Numbered out of the order written; every fiftieth dated after the period.
        const int number = (i * 7919) % (vouchers / 2) + 1;
        const bool inPeriod = i % 50 != 7;
        const long v = more.voucher(number, dao::Date::fromYmd(2031, inPeriod ? 1 + i % 6 : 12, 1 + i % 28),
                                    QStringLiteral("Tosite %1").arg(number));
        const QByteArray amount = QByteArray::number(i % 500) + ".25";
        const long other = i % 2 ? rent : fees;
        const QString text = QStringLiteral("Rivi %1").arg(i);
        more.entry(v, bank, "D", amount.constData(), text);
        more.entry(v, other, "K", amount.constData(), text);
        if (inPeriod) {
            expected[bank].push_back({number, true, money(amount.constData()), text});
            expected[other].push_back({number, false, money(amount.constData()), text});
        }
    }
    more.pseudoVoucher(dao::Date::fromYmd(2031, 1, 2), {bank, fees, rent});
    more.commit();
    more.close();
    ReportControl c;
    const report::LaidOutReport& r = ledgerOf(c, more.path());

    const auto amount = [](dao::Currency x) {
        return report::formatValue(report::Value(x), report::Format{report::Format::Kind::Amount});
    };
    QStringList want, wantTotals;
    dao::Currency allDebit, allCredit;
    for (auto& [account, lines] : expected) {
        std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.number < b.number; });
        dao::Currency balance = account == bank ? money("100") : dao::Currency(), debit, credit;
        for (const Line& l : lines) {
            balance = l.debit ? balance + l.amount : balance - l.amount;
            (l.debit ? debit : credit) = (l.debit ? debit : credit) + l.amount;
            want << QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(l.number)
                        .arg(l.text, l.debit ? amount(l.amount) : QString(), l.debit ? QString() : amount(l.amount),
                             amount(balance));
        }
        wantTotals << amount(debit) + QLatin1Char('|') + amount(credit);
        allDebit = allDebit + debit;
        allCredit = allCredit + credit;
    }
    QStringList got, gotTotals;
    for (const LaidBand* b : r.bands(SectionKind::Detail))
        got << QStringList{b->text(QStringLiteral("tosite")), b->text(QStringLiteral("selite")),
                           b->text(QStringLiteral("debet")), b->text(QStringLiteral("kredit")),
                           b->text(QStringLiteral("saldo"))}
                   .join(QLatin1Char('|'));
    for (const LaidBand* b : r.bands(SectionKind::GroupFooter))
        gotTotals << b->text(QStringLiteral("debet")) + QLatin1Char('|') + b->text(QStringLiteral("kredit"));
    ASSERT_EQ(got.size(), want.size());
    for (qsizetype i = 0; i < got.size(); ++i) ASSERT_EQ(got[i].toStdString(), want[i].toStdString()) << "line " << i;
    EXPECT_EQ(gotTotals, wantTotals);
    const auto footer = r.bands(SectionKind::ReportFooter);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0]->text(QStringLiteral("debet")), amount(allDebit));
    EXPECT_EQ(footer[0]->text(QStringLiteral("kredit")), amount(allCredit));
    c.lastPreview()->close();
}

TEST_F(LedgerReport, PdfShowsTheFigures) {
    ReportControl c;
    setUpControl(c, ReportControl::ToFile);
    const QString pdf = dir.file(QStringLiteral("paakirja.pdf"));
    c.setPrintFileName(pdf);
    c.printReport();
    EXPECT_EQ(c.lastRun().outputFile, pdf);
    EXPECT_EQ(c.lastPreview(), nullptr);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    f.close();

    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    text.replace(QChar(0x00a0), QLatin1Char(' '));
    for (const char* expected : {"Pelle's Kerho", "1910 Pankkitili", "9999 Tyhjä tili", "Vientejä 3", "1 384,55",
                                 "1 785,05", "400,50", "15.1.2031", "Sivu 1 / 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Joulukuu")));
    EXPECT_FALSE(text.contains(QStringLiteral("Ei tulosteta")));
}

// A long report goes to its PDF file page by page: the run keeps the pages
// of a short report only, and every page of the file shows its number and
// the page count, written once the last page was laid out.
TEST_F(LedgerReport, ALongPdfIsNotHeldWholeAndEveryPageShowsThePageCount) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    Book book(dir.file(QStringLiteral("pitka.mdb")));
    const long bank = book.account(1910, QStringLiteral("Pankkitili"));
    const long fees = book.account(3000, QStringLiteral("Jäsenmaksut"));
    book.begin();
    for (int n = 1; n <= 9000; ++n) {
        const long v = book.voucher(n, dao::Date::fromYmd(2031, 1 + n % 6, 1 + n % 28), QStringLiteral("Maksu"));
        book.entry(v, bank, "D", "1.00", QStringLiteral("Maksu %1").arg(n));
        book.entry(v, fees, "K", "1.00", QStringLiteral("Maksu %1").arg(n));
    }
    book.commit();
    book.close();
    database = book.path();
    ReportControl c;
    setUpControl(c, ReportControl::ToFile);
    const QString pdf = dir.file(QStringLiteral("pitka.pdf"));
    c.setPrintFileName(pdf);
    c.printReport();
    ASSERT_TRUE(c.lastRun().succeeded) << c.lastRun().errorText.toStdString();
    const report::LaidOutReport& r = *c.lastRun().report;
    ASSERT_GT(r.pageCount(), 280);
    EXPECT_LT(r.pages.size(), size_t(r.pageCount()));

    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), r.pageCount());
    for (int k = 0; k < pages.size(); ++k) {
        const QString number = QStringLiteral("Sivu %1 / %2").arg(k + 1).arg(r.pageCount());
        ASSERT_TRUE(pages[k].contains(number)) << number.toStdString() << "\n" << pages[k].toStdString();
    }
}

TEST_F(LedgerReport, ControlOptionsChangeTheRun) {
    ReportControl c;
    setUpControl(c);
    // Sort fields given by the program win over the definition's order.
    c.setSortFields(0, QString());
    c.setSortFields(1, QString());
    c.setSortFields(0, QStringLiteral("+{tl.tlNumero}"));
    c.setSortFields(1, QStringLiteral("-{to.toPvm}"));
    // Only some formulas set: the others keep the definition's defaults.
    for (int i = 0; i < 21; ++i) c.setFormulas(i, QString());
    c.setFormulas(0, QStringLiteral("OtsakeDebet= 'Debit'"));
    c.setFormulas(1, QStringLiteral("OtsakeKP= 'KP'"));  // not in this definition: ignored
    // Margins as the settings give them: millimetres times 48.
    c.setMarginLeft(30 * 48);
    c.setMarginTop(0);
    c.setWindowTitle(QStringLiteral("Oma otsikko"));
    c.printReport();
    const report::RunRecord& run = c.lastRun();
    const report::LaidOutReport& r = *run.report;
    auto lines = r.bands(SectionKind::Detail);
    EXPECT_EQ(column(lines, "tosite").mid(0, 3),
              QStringList({QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
    EXPECT_EQ(r.bands(SectionKind::PageHeader)[0]->items[3].text, QStringLiteral("Debit"));
    EXPECT_EQ(r.bands(SectionKind::ReportHeader)[0]->text(QStringLiteral("otsake")), QStringLiteral("Pääkirja"));
    EXPECT_EQ(r.bands(SectionKind::ReportHeader)[0]->text(QStringLiteral("seura")), QString());
    EXPECT_EQ(run.ignoredFormulas, QStringList{QStringLiteral("OtsakeKP")});
    EXPECT_NEAR(r.margins.left(), 30 * 72 / 25.4, 0.01);  // 30 mm
    EXPECT_NEAR(r.margins.top(), 15 * 72 / 25.4, 0.01);   // 0: the definition's 15 mm
    EXPECT_NEAR(lines[0]->items[0].rect.left(), r.margins.left(), 0.01);
    EXPECT_EQ(run.title, QStringLiteral("Oma otsikko"));
    EXPECT_EQ(c.lastPreview()->windowTitle(), QStringLiteral("Oma otsikko"));
    c.lastPreview()->close();

    // Without a selection formula every record of the tables is read.
    c.setSelectionFormula(QString());
    c.printReport();
    EXPECT_EQ(c.lastRun().recordsSelected, c.lastRun().recordsRead);
    EXPECT_EQ(c.lastRun().report->bands(SectionKind::GroupHeader).size(), 5u);
    c.lastPreview()->close();
}

TEST_F(LedgerReport, FailuresRaiseNumberedErrorsAndAreRecorded) {
    struct Case {
        const char* what;
        std::function<void(ReportControl&)> change;
        int number;
        const char* fragment;
    };
    const QString missingDb = dir.file(QStringLiteral("ei_ole.mdb"));
    const QString missingRpt = dir.file(QStringLiteral("ei_ole.rpt"));
    const QString notABook = dir.file(QStringLiteral("teksti.mdb"));
    {
        QFile f(notABook);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("tämä ei ole tietokanta");
    }
    const Case cases[] = {
        {"definition missing", [&](ReportControl& c) { c.setReportFileName(missingRpt); },
         report::err::DefinitionNotFound, "ei_ole.rpt"},
        {"selection does not parse",
         [](ReportControl& c) { c.setSelectionFormula(QStringLiteral("{tl.tlPrint} = True AND (")); },
         report::err::FormulaSyntax, "valintakaava"},
        {"named formula does not parse", [](ReportControl& c) { c.setFormulas(3, QStringLiteral("Debet= 1 +")); },
         report::err::FormulaSyntax, "{@Debet}"},
        {"named formula fails", [](ReportControl& c) { c.setFormulas(3, QStringLiteral("Debet= {tl.tlNimi} * 2")); },
         report::err::FormulaError, "{@Debet}"},
        {"selection of wrong kind", [](ReportControl& c) { c.setSelectionFormula(QStringLiteral("{tl.tlNimi}")); },
         report::err::FormulaError, "valintakaava"},
        {"unknown table", [](ReportControl& c) { c.setSelectionFormula(QStringLiteral("{kp.kpID} = 1")); },
         report::err::UnknownField, "{kp.kpID}"},
        {"unknown field", [](ReportControl& c) { c.setSelectionFormula(QStringLiteral("{tl.tlEiOle} = 1")); },
         report::err::DatabaseError, "tlEiOle"},
        {"bad sort field", [](ReportControl& c) { c.setSortFields(0, QStringLiteral("+{tl.tlNumero")); },
         report::err::FormulaSyntax, "lajittelukenttä 0"},
        {"database missing", [&](ReportControl& c) { c.setDataFiles(0, missingDb); }, report::err::DatabaseNotFound,
         "ei_ole.mdb"},
        {"no database", [](ReportControl& c) { c.setDataFiles(0, QString()); }, report::err::DatabaseNotFound, ""},
        {"not a book", [&](ReportControl& c) { c.setDataFiles(0, notABook); }, report::err::DatabaseError,
         "teksti.mdb"},
        {"tables in two databases", [&](ReportControl& c) { c.setDataFiles(2, missingDb); }, report::err::DatabaseError,
         "eri tietokannoissa"},
        {"bad section font", [](ReportControl& c) { c.setSectionFont(3, QStringLiteral("KAIKKI;Arial;10;X;X;X;X")); },
         report::err::InvalidProperty, "KAIKKI"},
        {"file without a name",
         [](ReportControl& c) {
             c.setDestination(ReportControl::ToFile);
             c.setPrintFileName(QString());
         },
         report::err::NoDestinationFile, ""},
    };
    for (const Case& k : cases) {
        ReportControl c;
        setUpControl(c);
        k.change(c);
        try {
            c.setAction(1);
            ADD_FAILURE() << k.what << ": no error";
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), k.number) << k.what << ": " << e.what();
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(k.fragment))) << k.what << ": " << e.what();
            EXPECT_FALSE(c.lastRun().succeeded);
            EXPECT_EQ(c.lastRun().errorNumber, k.number);
            EXPECT_EQ(c.lastRun().properties.reportFileName, c.reportFileName());
        }
        EXPECT_EQ(c.lastPreview(), nullptr) << k.what;
    }
}

TEST_F(LedgerReport, PropertiesAreCheckedWhenSetAndTheyKeepBetweenRuns) {
    ReportControl c;
    EXPECT_THROW(c.setFormulas(21, QStringLiteral("x= '1'")), ReportError);
    EXPECT_THROW(c.setSortFields(11, QStringLiteral("+{a.b}")), ReportError);
    EXPECT_THROW(c.setDataFiles(25, database), ReportError);
    EXPECT_THROW(c.setSectionFont(5, QString()), ReportError);
    EXPECT_THROW(c.setFormulas(-1, QString()), ReportError);
    EXPECT_THROW(c.setDestination(3), ReportError);
    EXPECT_THROW(c.setMarginLeft(-48), ReportError);
    try {
        c.setSortFields(11, QString());
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::InvalidIndex);
    }
    // Set in any order; nothing runs before the action.
    c.setAction(0);
    EXPECT_EQ(c.runCount(), 0);
    c.setSortFields(1, QStringLiteral("+{to.toNumero}"));
    c.setPrinterName(QStringLiteral("Kirjoitin"));
    c.setPrinterDriver(QStringLiteral("ajuri"));
    c.setPrinterPort(QStringLiteral("portti"));
    c.setWindowLeft(0);
    c.setWindowTop(0);
    c.setWindowState(2);
    setUpControl(c, ReportControl::ToFile);
    c.setPrintFileName(dir.file(QStringLiteral("a.pdf")));
    c.setAction(1);
    c.setPrintFileName(dir.file(QStringLiteral("b.pdf")));
    c.printReport();
    const report::ControlProperties& p = c.lastRun().properties;
    EXPECT_EQ(p.printerName, QStringLiteral("Kirjoitin"));
    EXPECT_EQ(p.printerDriver, QStringLiteral("ajuri"));
    EXPECT_EQ(p.printerPort, QStringLiteral("portti"));
    EXPECT_EQ(p.windowState, 2);
    EXPECT_EQ(p.printFileName, dir.file(QStringLiteral("b.pdf")));
    EXPECT_EQ(c.runCount(), 2);
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("a.pdf"))));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("b.pdf"))));
}

TEST_F(LedgerReport, PrinterDestination) {
    ReportControl c;
    setUpControl(c, ReportControl::ToPrinter);
    c.setCopiesToPrinter(0);
    c.setPrinterName(QStringLiteral("Poistettu tulostin"));
    try {
        c.printReport();
        // A printer exists on this machine: a count below 1 printed one copy on it.
        EXPECT_EQ(c.lastRun().copies, 1);
        EXPECT_FALSE(c.lastRun().printer.isEmpty());
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::NoPrinter) << e.what();
        EXPECT_TRUE(c.lastRun().report) << "the report was laid out before the printer was looked for";
    }
}

// The PDF printer: a report set to print on it writes the file the user
// named; without a file name nothing is printed.
TEST_F(LedgerReport, PdfPrinterWritesTheNamedFile) {
    ReportControl c;
    setUpControl(c, ReportControl::ToPrinter);
    c.setPrinterName(ui::kPdfPrinter);
    c.setCopiesToPrinter(3);
    try {
        c.printReport();
        ADD_FAILURE() << "printed without a file";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::NoDestinationFile);
    }
    const QString pdf = dir.file(QStringLiteral("tulostin.pdf"));
    c.setPrintFileName(pdf);
    c.printReport();
    EXPECT_EQ(c.lastRun().printer, ui::kPdfPrinter);
    EXPECT_EQ(c.lastRun().outputFile, pdf);
    EXPECT_EQ(c.lastRun().copies, 1);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");

    // With no printer installed, printing goes to the PDF printer too.
    EXPECT_EQ(ui::PrinterFor(ui::kPdfPrinter), ui::kPdfPrinter);
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(ui::PrinterFor(QStringLiteral("Poistettu tulostin")), ui::kPdfPrinter);
        QFile::remove(pdf);
        c.setPrinterName(QString());
        c.printReport();
        EXPECT_EQ(c.lastRun().printer, ui::kPdfPrinter);
        EXPECT_TRUE(QFile::exists(pdf));
    }
}

// The texts a definition shows of its own, its preview's buttons and its
// messages pass through the translator the program sets; texts compared
// with data ("D", "K") and the program's own formulas do not.
TEST_F(LedgerReport, OwnTextsGoThroughTheTranslator) {
    QStringList asked;
    const QHash<QString, QString> swedish{{QStringLiteral("Yhteensä"), QStringLiteral("Summa")},
                                          {QStringLiteral("Vientejä "), QStringLiteral("Posteringar ")},
                                          {QStringLiteral("Tosite"), QStringLiteral("Verifikat")},
                                          {QStringLiteral("Sovita"), QStringLiteral("Anpassa")},
                                          {QStringLiteral("D"), QStringLiteral("X")},
                                          {QStringLiteral("Tulostinta ei ole asennettu"),
                                           QStringLiteral("Ingen skrivare har installerats")}};
    report::SetTextTranslator([&](const QString& section, const QString& text) {
        asked << section + u'|' + text;
        return swedish.value(text, text);
    });
    struct Restore {
        ~Restore() { report::SetTextTranslator({}); }
    } restore;

    ReportControl c;
    setUpControl(c);
    c.setAction(1);
    const report::LaidOutReport& r = *c.lastRun().report;
    EXPECT_EQ(r.bands(SectionKind::ReportFooter).front()->items.front().text, QStringLiteral("Summa"));
    EXPECT_EQ(r.bands(SectionKind::PageHeader).front()->items.front().text, QStringLiteral("Verifikat"));
    const auto footers = r.bands(SectionKind::GroupFooter);
    EXPECT_EQ(footers.front()->text(QStringLiteral("vienteja")), QStringLiteral("Posteringar 3"));
    // The debit column still finds the "D" entries; the heading the
    // program set stays as it was given.
    EXPECT_EQ(footers.front()->item(QStringLiteral("debet"))->value.toCurrency(), money("1384.55"));
    EXPECT_EQ(r.bands(SectionKind::ReportHeader).front()->text(QStringLiteral("otsake")),
              QStringLiteral("Pääkirja -- 1.1.2031 - 30.6.2031"));
    EXPECT_FALSE(asked.contains(QStringLiteral("Raportit|D")));
    EXPECT_FALSE(asked.contains(QStringLiteral("Raportit|Pääkirja -- 1.1.2031 - 30.6.2031")));
    EXPECT_TRUE(asked.contains(QStringLiteral("Raportit|Pääkirja")));  // the default, not shown this time
    EXPECT_TRUE(asked.contains(QStringLiteral("Raportit|Saldo")));
    auto* fit = c.lastPreview()->findChild<QToolButton*>(QStringLiteral("fitWidth"));
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->text(), QStringLiteral("Anpassa"));
    EXPECT_TRUE(asked.contains(QStringLiteral("reportPreview|Sovita leveyteen")));
    delete c.lastPreview();

    if (!QPrinterInfo::availablePrinterNames().isEmpty()) return;
    c.setDestination(ReportControl::ToPrinter);
    try {
        c.printReport();
        ADD_FAILURE() << "printed with no printer and no file";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::NoPrinter);
        EXPECT_EQ(e.description(), QStringLiteral("Ingen skrivare har installerats"));
    }
}

// A second definition: accounts with their entries through a left join,
// groups in descending Finnish order, and the other formats and options.
TEST(AccountListReport, LeftJoinFinnishOrderAndFormats) {
    kvtest::TempDir dir;
    Book book(dir.file(QStringLiteral("tilit.mdb")));
    const QStringList names = {QStringLiteral("Öljy"), QStringLiteral("apu"), QStringLiteral("Zeta"),
                               QStringLiteral("Åke"), QStringLiteral("Äiti"), QStringLiteral("Banaani")};
    std::vector<long> ids;
    for (int i = 0; i < names.size(); ++i) ids.push_back(book.account(2000 + i * 1000, names[i]));
    const long v = book.voucher(1, dao::Date::fromYmd(2031, 5, 1), QStringLiteral("Kaikki"));
    const char* amounts[] = {"10.00", "20.50", "1000.25", "0.05", "3.10", "7.00"};
    for (int i = 0; i < names.size(); ++i) book.entry(v, ids[0], "D", amounts[i], names[i].toLower());
    book.entry(v, ids[2], "K", "5.00", QStringLiteral("yksi"));
    book.close();

    const QString rpt = dir.file(QStringLiteral("tilit_test.rpt"));
    QFile f(rpt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"([report]
title = {@Otsake}
orientation = landscape
margins = 10 10 10 10

[data]
table = tl
join = left vi on vi.vitlID = tl.tlID
sort = +{vi.viSelite}

[formulas]
Otsake = 'Tililuettelo'

[group tili]
by = {tl.tlNimi}
order = descending

[groupheader tili]
item = 0 80 bold={tl.tlNumero}>4000 name=nimi : {tl.tlNimi}
item = 80 30 right percent name=osuus : Sum({vi.viArvo}) / 10

[detail]
suppress = IsNull({vi.viID})
item = 0 80 indent=5 name=selite : {vi.viSelite}
item = 80 40 currency name=arvo : {vi.viArvo}

[groupfooter tili]
item = 0 40 name=rivit : Count()
item = 40 40 name=viennit : Count({vi.viID})

[reportfooter]
item = 0 40 name=viennit : Count({vi.viID})
item = 40 40 currency name=summa : Sum({vi.viArvo})
)");
    f.close();

    ReportControl c;
    c.setReportFileName(rpt);
    c.setDataFiles(0, book.path());
    c.printReport();
    const report::LaidOutReport& r = *c.lastRun().report;
    EXPECT_EQ(c.lastRun().title, QStringLiteral("Tililuettelo"));
    EXPECT_EQ(r.orientation, QPageLayout::Landscape);
    EXPECT_GT(r.pageSize.width(), r.pageSize.height());

    auto headers = r.bands(SectionKind::GroupHeader);
    QStringList order;
    for (const LaidBand* h : headers) order << h->text(QStringLiteral("nimi"));
    EXPECT_EQ(order, QStringList({QStringLiteral("Öljy"), QStringLiteral("Äiti"), QStringLiteral("Åke"),
                                  QStringLiteral("Zeta"), QStringLiteral("Banaani"), QStringLiteral("apu")}));
    // Bold where the condition holds: Öljy is number 2000, Äiti 6000.
    EXPECT_FALSE(r.fonts[size_t(headers[0]->items[0].font)].bold());
    EXPECT_TRUE(r.fonts[size_t(headers[1]->items[0].font)].bold());
    EXPECT_EQ(headers[0]->text(QStringLiteral("osuus")), QStringLiteral("104,1\u00a0%"));

    // Within Öljy, its six entries in Finnish order; the indent moves the text.
    auto lines = r.bands(SectionKind::Detail);
    ASSERT_EQ(lines.size(), 7u);
    QStringList texts;
    for (int i = 0; i < 6; ++i) texts << lines[size_t(i)]->text(QStringLiteral("selite"));
    EXPECT_EQ(texts, QStringList({QStringLiteral("apu"), QStringLiteral("banaani"), QStringLiteral("zeta"),
                                  QStringLiteral("åke"), QStringLiteral("äiti"), QStringLiteral("öljy")}));
    EXPECT_NEAR(lines[0]->item(QStringLiteral("selite"))->rect.left(), r.margins.left() + 5 * 72 / 25.4, 0.01);
    EXPECT_EQ(lines[2]->text(QStringLiteral("arvo")), QStringLiteral("1\u00a0000,25\u00a0€"));

    // Accounts without entries still come through the left join as one empty row.
    auto footers = r.bands(SectionKind::GroupFooter);
    ASSERT_EQ(footers.size(), 6u);
    EXPECT_EQ(footers[0]->text(QStringLiteral("rivit")), QStringLiteral("6"));
    EXPECT_EQ(footers[1]->text(QStringLiteral("rivit")), QStringLiteral("1"));
    EXPECT_EQ(footers[1]->text(QStringLiteral("viennit")), QStringLiteral("0"));
    EXPECT_EQ(footers[3]->text(QStringLiteral("viennit")), QStringLiteral("1"));  // Zeta
    auto total = r.bands(SectionKind::ReportFooter);
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0]->text(QStringLiteral("viennit")), QStringLiteral("7"));
    EXPECT_EQ(total[0]->text(QStringLiteral("summa")), QStringLiteral("1\u00a0045,90\u00a0€"));
    c.lastPreview()->close();

    // In euros also under US English, whose own currency is the dollar.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    c.printReport();
    QLocale::setDefault(saved);
    const report::LaidOutReport& us = *c.lastRun().report;
    EXPECT_EQ(us.bands(SectionKind::Detail)[2]->text(QStringLiteral("arvo")), QStringLiteral("€1\u00a0000.25"));
    EXPECT_EQ(us.bands(SectionKind::ReportFooter)[0]->text(QStringLiteral("summa")),
              QStringLiteral("€1\u00a0045.90"));
    c.lastPreview()->close();
}

TEST_F(LedgerReport, EmptySelectionStillPrintsThePageFrame) {
    ReportControl c;
    setUpControl(c);
    c.setSelectionFormula(QStringLiteral("{tl.tlNumero} = 1"));
    c.printReport();
    const report::LaidOutReport& r = *c.lastRun().report;
    EXPECT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.recordCount, 0);
    EXPECT_TRUE(r.bands(SectionKind::Detail).empty());
    EXPECT_TRUE(r.bands(SectionKind::GroupHeader).empty());
    ASSERT_EQ(r.bands(SectionKind::ReportFooter).size(), 1u);
    EXPECT_EQ(r.bands(SectionKind::ReportFooter)[0]->text(QStringLiteral("debet")), QStringLiteral("0,00"));
    EXPECT_EQ(r.bands(SectionKind::PageFooter)[0]->text(QStringLiteral("sivu")), QStringLiteral("Sivu 1 / 1"));
    c.lastPreview()->close();
}

}  // namespace

namespace {

// The preview opens at the top of the first page (the association's name,
// the title, the column headings), in each window state, and stays there
// when resized once shown, as a desktop maximising it does.
TEST_F(LedgerReport, ThePreviewOpensAtTheTopOfTheFirstPage) {
    for (const int state : {0, 2}) {
        ReportControl c;
        setUpControl(c);
        c.setWindowState(state);
        c.printReport();
        std::unique_ptr<report::PreviewWindow> w(c.lastPreview());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QAbstractScrollArea* view = w->pageView();
        ASSERT_GT(view->verticalScrollBar()->maximum(), 0);  // the page is taller than the view
        for (int resized = 0; resized < 2; ++resized) {
            if (resized) w->resize(w->width() + 300, w->height() + 200);
            QTest::qWait(20);
            // The paper's top edge is in the view.
            EXPECT_EQ(view->verticalScrollBar()->value(), 0) << state << resized;
        }
    }
}

}  // namespace
