// The statement reports of the model editor, end to end on the demo book:
// the period dialog, the computation, the print dialog and what the report
// control received and laid out; and every definition rendered to PDF.

#include "accounts/views/frmtilikartta.h"
#include "core/regional.h"
#include "core/ui/translator.h"
#include "platform/report/error.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/printers.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "support/swedish.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statementfixture.h"
#include "statements/statementreports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <cmath>

using namespace kvtest;
using report::SectionKind;
using statement_models::frmNewTulosJaTase;

namespace {

struct Period {
    QString start, end;
    bool wide = true;
    bool groupsOnly = false;
    long kp = 0;
};

class Reports : public StatementTest {
protected:
    void SetUp() override {
        StatementTest::SetUp();
        statements::RegisterStatementCommands();
        for (const char* f : {"tula.rpt", "tulas.rpt", "tase.rpt", "tases.rpt", "tulabudj.rpt", "tilikart.rpt"})
            QFile::copy(QDir(sourceDir()).filePath(QStringLiteral("data/reports/") + QLatin1String(f)),
                        tmp.file(QLatin1String(f)));
        runsBefore = reports::CrystalReport1().runCount();
        onModal = [this](ui::Form& f) { answer(f); };
    }
    void TearDown() override {
        report::ReportControl& rc = reports::CrystalReport1();
        // Every preview a print opened, not only the last one: a window
        // still open when the application goes is never freed.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<report::PreviewWindow*>(top)) delete top;
        rc.setDestination(0);
        rc.setPrintFileName(QString());
        rc.setPrinterName(QString());
        for (int i = 0; i < 5; ++i) rc.setSectionFont(i, QString());
        reports::ResetReportFormulas();
        frmNewTulosJaTase::SetPrintCommand(nullptr);
        frmNewTulosJaTase::SetBudgetComparisonCommand(nullptr);
        frmNewTulosJaTase::SetAccountListCommand(nullptr);
        StatementTest::TearDown();
    }

    // The modal windows as the user answers them.
    void answer(ui::Form& f) {
        const QString name = f.objectName();
        if (name == "frmDates" || name == "frmDates5") {
            auto& d = static_cast<reports::PeriodDialog&>(f);
            if (cancelPeriod) {
                d.cPeru->click();
                return;
            }
            d.tAlkupvm->setText(period.start);
            d.tLoppupvm->setText(period.end);
            if (name == "frmDates") {
                auto& w = static_cast<reports::frmDates&>(f);
                kpEnabled = w.cmbKPt->isEnabled();
                (period.wide ? w.optLaaja : w.optSuppea)->setChecked(true);
                w.chkVainRyhmat->setChecked(period.groupsOnly);
                for (int i = 0; i < w.cmbKPt->count(); ++i)
                    if (w.cmbKPt->itemData(i).toLongLong() == period.kp) w.cmbKPt->setCurrentIndex(i);
            }
            d.cSeuraava->click();
        } else if (name == "frmTulostus") {
            auto& d = static_cast<reports::frmTulostus&>(f);
            d.cmbTulostusLaite->setCurrentIndex(0);
            d.tKopioita->setText(QStringLiteral("1"));
            d.cTulosta->click();
        } else if (name == "frmTilikartta") {
            static_cast<accounts::frmTilikartta&>(f).cSeuraava->click();
        } else {
            ADD_FAILURE() << "unexpected modal window " << name.toStdString();
            f.hide();
        }
    }

    frmNewTulosJaTase& open(const QString& modelKey) {
        auto& w = ui::Forms::show<frmNewTulosJaTase>();
        QTreeWidgetItem* n = w.NodeByKey(modelKey);
        EXPECT_NE(n, nullptr);
        if (!n) return w;
        for (QTreeWidgetItem* p = n->parent(); p; p = p->parent()) p->setExpanded(true);
        w.tvMalli->scrollToItem(n);
        QTest::mouseClick(w.tvMalli->viewport(), Qt::LeftButton, {}, w.tvMalli->visualItemRect(n).center());
        settle();
        EXPECT_EQ(w.CurModel().id(), modelKey.mid(2).toLong());
        return w;
    }

    const report::RunRecord& run() {
        const report::RunRecord& r = reports::CrystalReport1().lastRun();
        EXPECT_EQ(r.number, runsBefore + 1);
        EXPECT_TRUE(r.succeeded) << r.errorText.toStdString();
        EXPECT_TRUE(r.ignoredFormulas.isEmpty()) << r.ignoredFormulas.join(",").toStdString();
        runsBefore = r.number;
        return r;
    }
    static QStringList formulas(const report::RunRecord& r) {
        QStringList out;
        for (const QString& f : r.properties.formulas)
            if (!f.isEmpty()) out << f;
        return out;
    }
    static QStringList column(const report::RunRecord& r, const char* name) {
        QStringList out;
        if (!r.report) return out;
        for (const report::LaidBand* b : r.report->bands(SectionKind::Detail)) out << b->text(QString::fromLatin1(name));
        return out;
    }

    // The last run again, into a PDF, as text.
    QString pdfText(const QString& name) {
        report::ReportControl& rc = reports::CrystalReport1();
        rc.setDestination(2);
        rc.setPrintFileName(tmp.file(name));
        rc.printReport();
        rc.setDestination(0);
        runsBefore = rc.runCount();
        QProcess p;
        p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                {QStringLiteral("-layout"), tmp.file(name), QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        QString text = QString::fromUtf8(p.readAllStandardOutput());
        text.replace(QChar(0x00a0), QLatin1Char(' '));
        return text;
    }

    Period period;
    bool cancelPeriod = false;
    bool kpEnabled = false;
    int runsBefore = 0;
};

TEST_F(Reports, TheIncomeStatementPrintsWideAndNarrowWithItsHeadings) {
    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma1"));
    w.tMallinNimi->setText(QStringLiteral("Tuloslaskelma 2026"));
    period = {QStringLiteral("1.1.2026"), QStringLiteral("31.12.2026")};
    w.cTulosta->click();
    EXPECT_EQ(modalShown, QStringList({"frmDates", "frmTulostus"}));
    EXPECT_TRUE(kpEnabled);
    EXPECT_EQ(text("SELECT maNimi FROM ma WHERE maID = 1", "maNimi"), "Tuloslaskelma 2026");  // saved first
    const report::RunRecord& r = run();
    EXPECT_EQ(QFileInfo(r.properties.reportFileName).fileName(), "tula.rpt");
    EXPECT_EQ(formulas(r),
              QStringList({"Seurannimi= 'Esimerkkiseura ry'", "Jakso= '0126-1226'", "EdJakso= '0125-1225'",
                           "Tilikausi= '0126-1226'", "EdTilikausi= '0125-1225'",
                           "Otsake= 'Kirjanpidon tuloslaskelma : Ajalle : 1.1.2026 - 31.12.2026 Tilikaudella : "
                           "1.1.2026 - 31.12.2026'",
                           "OtsakeToteutunut= 'Toteutunut'", "OtsakeTotEdell= 'Tot. Edell.'", "OtsakeMuutos= 'Muutos'",
                           "OtsakeMuutosPros= 'Muutos-%'", "OtsakeProsLvasta= '%-Lvasta'"}));
    EXPECT_EQ(r.properties.sortFields[0], "+{tula.tulaID}");
    EXPECT_TRUE(r.properties.sectionFonts[0].startsWith("ALL;"));
    // Every line of tula in order, the trailing blank line removed.
    const std::vector<Line> t = tula();
    const QStringList texts = column(r, "teksti");
    ASSERT_EQ(texts.size(), int(t.size()));
    EXPECT_EQ(texts.back(), "Tilikauden ylijäämä (alijäämä)");
    EXPECT_EQ(column(r, "toteutunut").back(), t.back().c("tulaToteutunutKuluva").toLocaleString());
    EXPECT_FALSE(w.frameMalli->isHidden());
    EXPECT_TRUE(w.frameLasketaan->isHidden());
    EXPECT_EQ(w.pBar->maximum(), 60 / 5 + 60 + 1);
    EXPECT_EQ(w.pBar->value(), 0);

    // Narrow, for one cost centre and a part of the year, only groups with values.
    period = {QStringLiteral("1.3.2026"), QStringLiteral("31.5.2026"), false, true, 3};
    w.cTulosta->click();
    const report::RunRecord& s = run();
    EXPECT_EQ(QFileInfo(s.properties.reportFileName).fileName(), "tulas.rpt");
    const QStringList f = formulas(s);
    ASSERT_EQ(f.size(), 9);
    EXPECT_EQ(f[1], "Jakso= '0326-0526'");
    EXPECT_EQ(f[2], "EdJakso= '0325-0525'");
    EXPECT_EQ(f[8], "Kustannuspaikka= 'Kustannuspaikka: 300 Liikuntaryhmät'");
    EXPECT_LT(column(s, "teksti").size(), texts.size());
    EXPECT_FALSE(column(s, "teksti").contains("Yleisavustukset"));
}

TEST_F(Reports, TheBalanceSheetStartsAtTheYearAndBothSidesAgree) {
    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma2"));
    period = {QStringLiteral("1.3.2026"), QStringLiteral("31.12.2026")};
    w.mTulosta->trigger();
    EXPECT_FALSE(kpEnabled);
    const report::RunRecord& r = run();
    EXPECT_EQ(QFileInfo(r.properties.reportFileName).fileName(), "tase.rpt");
    EXPECT_EQ(formulas(r).mid(0, 6), QStringList({"Seurannimi= 'Esimerkkiseura ry'", "AlkuPvm= '0126'", "Jakso= '0126-1226'",
                                                  "LoppuPvm = '1226'", "EdLoppuPvm= '1225'",
                                                  "Otsake= 'Kirjanpidon tase : 31.12.2026'"}));
    EXPECT_EQ(r.properties.sortFields[0], "+{tase.taseID}");
    EXPECT_TRUE(r.properties.sectionFonts[0].startsWith("DETAIL;"));
    const QStringList texts = column(r, "teksti");
    const QStringList closing = column(r, "loppusaldo");
    const int assets = texts.lastIndexOf("VASTAAVAA");
    ASSERT_GT(assets, 0);
    EXPECT_EQ(closing[assets], closing.last());
    // No separator after the two top-level blocks.
    EXPECT_EQ(texts.last(), "VASTATTAVAA");
    EXPECT_EQ(texts[assets + 1], "VASTATTAVAA");

    // Without its income model nothing is computed or printed.
    w.cmbTuloslaskelma->setCurrentIndex(0);
    modalShown.clear();
    dialogs.expectMessage(QStringLiteral("Tasemallille ei ole määritelty tuloslaskelmaa, jonka perusteella tilikauden "
                                         "voitto kirjataan."),
                          ui::Answer::OK);
    w.cTulosta->click();
    EXPECT_EQ(modalShown, QStringList({"frmDates"}));
    EXPECT_EQ(reports::CrystalReport1().runCount(), runsBefore);
    EXPECT_TRUE(tase().empty());
    EXPECT_FALSE(w.frameMalli->isHidden());

    // A cancelled period dialog saves nothing.
    cancelPeriod = true;
    w.tMallinNimi->setText(QStringLiteral("Ei tallenneta"));
    w.cTulosta->click();
    EXPECT_EQ(text("SELECT maNimi FROM ma WHERE maID = 2", "maNimi"), "Tase");
}

// An account added to the chart (3080) with entries of the year, but on no
// row of the two models: each statement names it before it is printed, and
// prints its figures as the models give them - the result without the
// account's 1 285,40, the balance sheet's sides apart by as much.
TEST_F(Reports, AnAccountOnNoRowOfTheModelsIsNamedBeforeTheStatementIsPrinted) {
    makeBook(QStringLiteral("UPDATE ma SET maTulosMaID = 1 WHERE maID = 2;\n"
                            "INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (120, 3080, 'Muut tuotot', ' ');\n"));
    core::VoittoTaseella = 25;
    voucher(QStringLiteral("1.1.2031"), QStringLiteral("19 D 1000; 24 K 1000"), true);
    voucher(QStringLiteral("5.3.2031"), QStringLiteral("19 D 1254.60; 43 K 1254.60"));
    voucher(QStringLiteral("6.3.2031"), QStringLiteral("19 D 1285.40; 120 K 1285.40"));
    const struct { const char *model, *line, *column, *amount; } cases[] = {
        {"ma1", "Tilikauden tulos", "toteutunut", "1254.60"},
        {"ma2", "VASTAAVAA", "loppusaldo", "3540"},
        {"ma2", "VASTATTAVAA", "loppusaldo", "2254.60"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        frmNewTulosJaTase& w = open(QString::fromLatin1(c.model));
        period = {QStringLiteral("1.1.2031"), QStringLiteral("31.12.2031")};
        dialogs.expectMessage(QStringLiteral("niiden viennit:\n\n3080 Muut tuotot"), ui::Answer::OK);
        QTest::mouseClick(w.cTulosta, Qt::LeftButton);
        const report::RunRecord& r = run();
        const QStringList texts = column(r, "teksti");
        const int at = texts.lastIndexOf(QString::fromUtf8(c.line));
        ASSERT_GE(at, 0);
        EXPECT_EQ(column(r, c.column)[at], eur(c.amount).toLocaleString());
    }
    // The budget comparison is an income statement too.
    dialogs.expectMessage(QStringLiteral("niiden viennit:\n\n3080 Muut tuotot"), ui::Answer::OK);
    open(QStringLiteral("ma1")).mRapBudjettivertailu->trigger();
    EXPECT_EQ(QFileInfo(run().properties.reportFileName).fileName(), "tulabudj.rpt");
}

TEST_F(Reports, TheBudgetComparisonAndTheAccountList) {
    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma2"));
    dialogs.expectMessage(QStringLiteral("Valitse tuloslaskelmamalli, jolle haluat budjettivertailun tulostaa."),
                          ui::Answer::OK);
    w.Budjettivertailu();
    EXPECT_TRUE(modalShown.isEmpty());

    open(QStringLiteral("ma1"));
    period = {QStringLiteral("1.1.2026"), QStringLiteral("30.6.2026")};
    w.mRapBudjettivertailu->trigger();
    EXPECT_EQ(modalShown, QStringList({"frmDates5", "frmTulostus"}));
    const report::RunRecord& r = run();
    EXPECT_EQ(QFileInfo(r.properties.reportFileName).fileName(), "tulabudj.rpt");
    // The year's formula ends with the period.
    EXPECT_EQ(formulas(r).mid(1, 4), QStringList({"Jakso= '0126-0626'", "EdJakso= '0125-0625'", "Tilikausi= '0126-0626'",
                                                  "EdTilikausi= '0125-1225'"}));
    const std::vector<Line> t = tula();
    const Line& line = find(t, "Varsinaisen toiminnan tuotot", true);
    EXPECT_NE(line.c("tulaBudjetoituKuluva"), dao::Currency());
    EXPECT_EQ(column(r, "budjetoitu")[column(r, "teksti").lastIndexOf("Varsinaisen toiminnan tuotot")],
              line.c("tulaBudjetoituKuluva").toLocaleString());

    modalShown.clear();
    w.mTulTililuettelo->trigger();
    EXPECT_EQ(modalShown, QStringList({"frmTilikartta", "frmTulostus"}));
    const report::RunRecord& k = run();
    EXPECT_EQ(QFileInfo(k.properties.reportFileName).fileName(), "tilikart.rpt");
    const QStringList rows = StatementTest::rows(QStringLiteral("SELECT tkParam, tkTyyppi, tkTeksti FROM tk ORDER BY tkID"));
    EXPECT_EQ(rows.mid(0, 5), QStringList({"1 0 VASTAAVAA", "1 1 Pysyvät vastaavat", "1 2 Aineettomat hyödykkeet",
                                           "1 3 Aineettomat oikeudet", "1 4 1010 Aineettomat oikeudet"}));
    EXPECT_TRUE(rows.contains("2 0 VASTATTAVAA"));
    EXPECT_TRUE(rows.contains("3 2 3000 Osallistumismaksut"));
    EXPECT_EQ(rows.last(), "3 1 9990 Tilikauden yli-/alijäämä (tuloslaskelma)");  // a top row's own accounts
    EXPECT_FALSE(rows.contains("3 0 Tilikauden tulos"));  // formula rows at the top are left out
    EXPECT_EQ(column(k, "teksti").size(), rows.size());

    // A balance model with three top rows: only the income statement.
    exec(QStringLiteral("UPDATE mr SET mrBelongsToGroup = 0 WHERE mrID = 135"));
    dialogs.expectMessage(QStringLiteral("Tasemalli ei ole oikein.\n\nSuoraan mallin alla pitää olla vain 'Vastaavaa' "
                                         "ja 'Vastattavaa' ryhmät."),
                          ui::Answer::OK);
    w.mTulTililuettelo->trigger();
    run();
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM tk WHERE tkParam < 3", "n"), 0);
    EXPECT_GT(number("SELECT COUNT(*) AS n FROM tk WHERE tkParam = 3", "n"), 40);
}

// The budget comparison's percentages are written as the amounts are, under
// every locale (CTest runs this again under C and en_US.UTF-8): the locale's
// digits and decimal mark, digit groups parted as in amounts, and a number
// the amount reader reads back.
TEST_F(Reports, TheBudgetComparisonsPercentagesAreWrittenAsAmountsAre) {
    const struct Restore {
        QLocale saved;
        ~Restore() { QLocale::setDefault(saved); }
    } restore;
    core::ApplyRegionalFormats();
    makeDemo();
    // A budget of ten euros a month for the first account budgeted: its
    // difference runs into thousands of per cent.
    exec(QStringLiteral("UPDATE bu SET buKuukausi1 = 10, buKuukausi2 = 10, buKuukausi3 = 10, buKuukausi4 = 10, "
                        "buKuukausi5 = 10, buKuukausi6 = 10 "
                        "WHERE buID = (SELECT MIN(buID) FROM bu WHERE buNykyinen = True)"));
    frmNewTulosJaTase& w = open(QStringLiteral("ma1"));
    period = {QStringLiteral("1.1.2026"), QStringLiteral("30.6.2026")};
    w.mRapBudjettivertailu->trigger();
    const report::RunRecord& r = run();
    const QString suffix = QChar(0x00A0) + QLocale().percent();
    int shown = 0, grouped = 0;
    for (const char* name : {"eropros", "eroprosalusta"}) {
        for (const QString& text : column(r, name)) {
            if (text.isEmpty()) continue;
            ++shown;
            SCOPED_TRACE(text.toStdString());
            ASSERT_TRUE(text.endsWith(suffix));
            const std::optional<dao::Currency> number = dao::Currency::parse(text.chopped(suffix.size()));
            ASSERT_TRUE(number.has_value());
            EXPECT_EQ(number->toLocaleString(QLocale(), 1) + suffix, text);
            if (number->abs() >= dao::Currency::fromUnits(1000)) ++grouped;
        }
    }
    EXPECT_GT(shown, 10);
    EXPECT_GT(grouped, 0);  // a percentage in digit groups is among them
    // And the number is the line's own.
    const std::vector<Line> t = tula();
    const Line& line = find(t, "Varsinaisen toiminnan tuotot", true);
    const QStringList texts = column(r, "teksti");
    const QString pros = column(r, "eropros")[texts.lastIndexOf("Varsinaisen toiminnan tuotot")];
    EXPECT_EQ(dao::Currency::parse(pros.chopped(suffix.size())),
              dao::Currency::fromDouble(std::round(line.d("tulaEroProsBudKuluva") * 10) / 10));
}

// The account list is shown in a maximised preview, and a failure of its
// run is not reported (nothing is printed).
TEST_F(Reports, TheAccountListIgnoresAFailedRun) {
    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma1"));
    report::ReportControl& rc = reports::CrystalReport1();
    w.mTulTililuettelo->trigger();
    EXPECT_EQ(run().properties.windowState, 2);
    EXPECT_EQ(rc.windowState(), 1);

    ASSERT_TRUE(QFile::remove(tmp.file(QStringLiteral("tilikart.rpt"))));
    w.mTulTililuettelo->trigger();
    EXPECT_EQ(rc.runCount(), runsBefore + 1);
    EXPECT_FALSE(rc.lastRun().succeeded);
    EXPECT_EQ(rc.lastRun().errorNumber, report::err::DefinitionNotFound);
    EXPECT_TRUE(dialogs.shown().isEmpty()) << dialogs.shownTexts().join(" | ").toStdString();
    EXPECT_EQ(modalShown.count(QStringLiteral("frmTulostus")), 2);
}

// The print dialog's printer choice offers the PDF printer and asks for its
// file there, once; the report is in that file.
TEST_F(Reports, ThePrintDialogPrintsOnThePdfPrinter) {
    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma1"));
    onModal = [this](ui::Form& f) {
        if (f.objectName() != QLatin1String("frmTulostus")) return answer(f);
        auto& d = static_cast<reports::frmTulostus&>(f);
        d.cTulostin->click();
        d.cmbTulostusLaite->setCurrentIndex(1);
        d.tKopioita->setText(QStringLiteral("2"));
        d.cTulosta->click();
    };
    const QString named = tmp.file(QStringLiteral("tilikartta"));
    dialogs.expectPrinter(ui::kPdfPrinter, named + QStringLiteral(".pdf"));
    w.mTulTililuettelo->trigger();
    const report::RunRecord& r = run();
    EXPECT_EQ(r.properties.destination, 1);
    EXPECT_EQ(r.printer, ui::kPdfPrinter);
    EXPECT_EQ(r.outputFile, named + QStringLiteral(".pdf"));
    ASSERT_TRUE(QFile::exists(named + QStringLiteral(".pdf")));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            {QStringLiteral("-layout"), named + QStringLiteral(".pdf"), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* part : {"Esimerkkiseura ry", "Tilikartta ajalle", "VASTAAVAA", "1910 Pankkitili, käyttötili"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
}

// All six definitions in Swedish: every heading and message comes from the
// shipped language file (a text missing from it would be added to the
// copy), and on paper each shows what an auditor reads off it.
TEST_F(Reports, InSwedishOnPaper) {
    const QString copy = useSwedish(tmp.path());
    ASSERT_FALSE(copy.isEmpty());
    struct Restore {
        ~Restore() { core::SetTranslator(nullptr); }
    } restore;
    const bool pdf = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    auto onPaper = [&](const char* name, std::initializer_list<QString> parts) {
        if (!pdf) return;
        const QString text = pdfText(QString::fromLatin1(name));
        for (QString part : parts) {
            part.replace(QChar(0x00a0), QLatin1Char(' '));
            EXPECT_TRUE(text.contains(part)) << name << ": " << part.toStdString() << "\n" << text.toStdString();
        }
    };

    makeDemo();
    frmNewTulosJaTase& w = open(QStringLiteral("ma1"));
    period = {QStringLiteral("1.1.2026"), QStringLiteral("31.12.2026"), true, false, 3};
    w.cTulosta->click();
    QStringList f = formulas(run());
    EXPECT_EQ(f[5], "Otsake= 'Resultaträkning : För perioden : 1.1.2026 - 31.12.2026 Räkenskapsperiod : "
                    "1.1.2026 - 31.12.2026'");
    EXPECT_EQ(f.mid(6), QStringList({"OtsakeToteutunut= 'Utfall'", "OtsakeTotEdell= 'Utf. föreg.'",
                                     "OtsakeMuutos= 'Förändring'", "OtsakeMuutosPros= 'Ändr. %'",
                                     "OtsakeProsLvasta= '%-av oms.'", "Kustannuspaikka= 'Kostnadsställe: 300 Liikuntaryhmät'"}));
    const QString profit = tula().back().c("tulaToteutunutKuluva").toLocaleString();
    onPaper("tula.pdf", {"Esimerkkiseura ry", "Kostnadsställe: 300 Liikuntaryhmät", "%-av oms.", "0126-1226",
                         "Varsinaisen toiminnan tuotot", "Tilikauden ylijäämä (alijäämä)", profit, "Sida 1 / "});
    period = {QStringLiteral("1.1.2026"), QStringLiteral("31.12.2026"), false};
    w.cTulosta->click();
    EXPECT_EQ(formulas(run()).mid(6), QStringList({"OtsakeToteutunut= 'Utfall'", "OtsakeTotEdell= 'Utf. föreg.'"}));
    const QString fullYear = tula().back().c("tulaToteutunutKuluva").toLocaleString();
    onPaper("tulas.pdf", {"Utf. föreg.", "0125-1225", "Tilikauden tulos", fullYear});
    w.mRapBudjettivertailu->trigger();
    EXPECT_EQ(formulas(run()).mid(6, 2), QStringList({"OtsakeBudjetoitu= 'Budgeterat'", "OtsakeToteutunut= 'Utfall'"}));
    onPaper("tulabudj.pdf", {"Budgeterat", "Ändr. %", "Varsinaisen toiminnan kulut", fullYear});
    w.mTulTililuettelo->trigger();
    EXPECT_EQ(formulas(run()).mid(1), QStringList({"Otsake= 'Kontoplan för perioden 1.1.2026 - 31.12.2026'",
                                                   "OtsakeTilit= 'Konton'"}));
    onPaper("tilikart.pdf", {"Kontoplan för perioden", "VASTAAVAA", "1910 Pankkitili, käyttötili", "Liikuntaryhmien kausimaksut"});

    open(QStringLiteral("ma2"));
    period.wide = true;
    w.cTulosta->click();
    EXPECT_EQ(formulas(run()).mid(5), QStringList({"Otsake= 'Balansräkning : 31.12.2026'",
                                                   "OtsakeAlkusaldo= 'Ingående saldo'", "OtsakeLoppusaldo= 'Utgående saldo'",
                                                   "OtsakeMuutos= 'Förändring'",
                                                   "OtsakeMuutosEdVuodesta= 'Förändring från fg. år'"}));
    const QString assets = find(tase(), "VASTAAVAA", true).c("taseLoppusaldo").toLocaleString();
    onPaper("tase.pdf", {"Förändring från fg. år", "VASTATTAVAA", "Rahat ja pankkisaamiset", assets});
    period.wide = false;
    w.cTulosta->click();
    EXPECT_EQ(formulas(run()), QStringList({"Seurannimi= 'Esimerkkiseura ry'", "LoppuPvm = '1226'", "EdLoppuPvm= '1225'",
                                            "Otsake= 'Balansräkning : 31.12.2026'",
                                            "OtsakeLoppusaldo= 'Utgående saldo'"}));
    onPaper("tases.pdf", {"Utgående saldo", "1225", assets});
    dialogs.expectMessage(QStringLiteral("Välj den resultaträkningsmall för vilken du vill skriva ut budgetjämförelsen."),
                          ui::Answer::OK)
        .expectMessage(QStringLiteral("Balansräkningsmallen har ingen resultaträkning enligt vilken"), ui::Answer::OK);
    w.Budjettivertailu();
    w.cmbTuloslaskelma->setCurrentIndex(0);
    w.cTulosta->click();

    // The messages of the computation.
    core::VoittoTaseella = 0;
    dialogs.expectMessage(QStringLiteral("Balansräkningens konto \"Räkenskapsperiodens vinst\" har inte definierats i "
                                         "inställningarna.\nRäkenskapsperiodens överskott bokförs inte."),
                          ui::Answer::OK)
        .expectMessage(QStringLiteral("Ingen omsättningsrad har definierats.\n\nAndelar av omsättningen"), ui::Answer::OK);
    statements::TeeAutomaattikirjaukset(1, core::TilikausiAlku, core::TilikausiLoppu, nullptr, false);
    statements::LaskeLiikevaihto(2, core::TilikausiAlku, core::TilikausiLoppu, false, nullptr);

    EXPECT_TRUE(sameAsShipped(copy)) << "texts missing from the language file were added to it";
}

}  // namespace
