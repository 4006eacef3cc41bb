// Every ledger and journal definition the program ships, rendered to PDF as
// its command sets the control up (the text read back with pdftotext when
// it is installed); and the captions in Swedish from the shipped language
// file.

#include "ledgerfixture.h"
#include "support/swedish.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace ledger;
using kvtest::d31;
using report::SectionKind;

namespace {

class Definitions : public kvtest::LedgerTest {
protected:
    void makeBook() {
        const long kassa = addAccount(1000, QStringLiteral("Kassa"));
        const long pankki = addAccount(1910, QStringLiteral("Pankkitili"));
        const long tulot = addAccount(3000, QStringLiteral("Jäsenmaksutuotot"));
        const long kp = addCentre(10, QStringLiteral("Nuoriso"));
        const long avaus = addVoucher(0, d31(1, 1), Opening, QStringLiteral("Avaava tase"));
        addEntry(avaus, kassa, "D", "120.00", Opening);
        addEntry(avaus, pankki, "D", "4800.00", Opening);
        const long t1 = addVoucher(1, d31(3, 4), Ordinary, QStringLiteral("Jäsenmaksut maaliskuu"));
        addEntry(t1, pankki, "D", "1234.50", Ordinary, kp, QStringLiteral("Maksut tilille"));
        addEntry(t1, tulot, "K", "1234.50", Ordinary, kp, QStringLiteral("Maksut tilille"));
        const long paatos = addVoucher(2, d31(12, 31), Closing, QStringLiteral("Tuloksen kirjaus"));
        addEntry(paatos, tulot, "D", "1234.50", Closing);
        addEntry(paatos, kassa, "K", "1234.50", Closing);
    }

    // Renders the control's last set-up again, to a PDF file; its text.
    QString renderAgain(const QString& name) {
        report::ReportControl& rc = control();
        rc.setDestination(report::ReportControl::ToFile);
        rc.setPrintFileName(tmp.file(name + QStringLiteral(".pdf")));
        rc.setAction(1);
        const report::RunRecord& run = rc.lastRun();
        EXPECT_TRUE(run.succeeded) << run.errorText.toStdString();
        QFile f(run.outputFile);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(f.read(5) == "%PDF-") << name.toStdString();
        if (pdftotext.isEmpty()) return QString();
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), run.outputFile, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        QString text = QString::fromUtf8(p.readAllStandardOutput());
        text.replace(QChar(0x00a0), QLatin1Char(' ')).replace(QChar(0x202f), QLatin1Char(' '));
        return text;
    }
    void expectText(const QString& text, const QString& name, const QStringList& expected) {
        if (pdftotext.isEmpty()) return;
        for (const QString& e : expected)
            EXPECT_TRUE(text.contains(e)) << name.toStdString() << ": " << e.toStdString() << "\n"
                                          << text.toStdString();
    }

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
};

TEST_F(Definitions, EveryLedgerAndJournalDefinitionRendersToPdf) {
    makeBook();
    int rendered = 0;
    for (const bool vaaka : {false, true}) {
        for (const bool kp : {false, true}) {
            core::VaakaTulostus = vaaka;
            core::Kustannuspaikat = kp;
            QStringList common{QStringLiteral("Pelle's kerho"), QStringLiteral("Sivu 1 / 1")};
            if (kp) common << QStringLiteral("KP");

            answerLedgerPeriod(d31(3, 1), d31(3, 31));
            answerPrintToWindow();
            RunPaakirja(caller());
            closePreview();
            const QString ledgerFile = QFileInfo(lastRun().properties.reportFileName).fileName();
            expectText(renderAgain(ledgerFile), ledgerFile,
                       common + QStringList{QStringLiteral("Pääkirja -- 1.3.2031 - 31.3.2031"),
                                            QStringLiteral("Tili 1910 Pankkitili"), QStringLiteral("Alkusaldo:"),
                                            QStringLiteral("4 800,00"), QStringLiteral("Maksut tilille"),
                                            QStringLiteral("1 234,50"), QStringLiteral("Loppusaldo:"),
                                            QStringLiteral("6 034,50"), QStringLiteral("Tili 3000 Jäsenmaksutuotot")});
            ++rendered;

            struct Mode {
                bool avaus, paatos;
                dao::Date start, end;
                QStringList texts;
            };
            const Mode modes[] = {
                {false, false, d31(3, 1), d31(3, 31),
                 {QStringLiteral("Päiväkirja -- 1.3.2031 - 31.3.2031"), QStringLiteral("Jäsenmaksut maaliskuu"),
                  QStringLiteral("1910 Pankkitili"), QStringLiteral("1 234,50"), QStringLiteral("Tositteita")}},
                {true, false, d31(1, 1), d31(1, 31),
                 {QStringLiteral("Päiväkirja - Avausviennit -- 1.1.2031 - 31.1.2031"), QStringLiteral("Avaava tase"),
                  QStringLiteral("4 920,00"), QStringLiteral("Debetvientejä")}},
                {false, true, d31(12, 1), d31(12, 31),
                 {QStringLiteral("Päiväkirja - Tilinpäätösviennit -- 1.12.2031 - 31.12.2031"),
                  QStringLiteral("Tuloksen kirjaus"), QStringLiteral("1000 Kassa"), QStringLiteral("Erotus")}},
            };
            for (const Mode& m : modes) {
                answerJournalPeriod(m.start, m.end);
                answerPrintToWindow();
                RunPaivakirja(caller(m.avaus, m.paatos));
                closePreview();
                const QString file = QFileInfo(lastRun().properties.reportFileName).fileName();
                expectText(renderAgain(file), file, common + m.texts);
                ++rendered;
            }
        }
    }
    EXPECT_EQ(rendered, 16);
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: the PDF texts were not read";
}

TEST_F(Definitions, ALongLedgerBreaksIntoPagesWithTheAccountRepeated) {
    const long pankki = addAccount(1910, QStringLiteral("Pankkitili"));
    const long tulot = addAccount(3000, QStringLiteral("Tulot"));
    db().BeginTrans();
    for (int i = 1; i <= 120; ++i) {
        const long t = addVoucher(i, d31(1, 1).addDays(i));
        addEntry(t, pankki, "D", "10.00");
        addEntry(t, tulot, "K", "10.00");
    }
    db().CommitTrans();
    answerLedgerPeriod(d31(1, 1), d31(12, 31));
    answerPrintToWindow();
    RunPaakirja(caller());
    const report::RunRecord& run = lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    const report::LaidOutReport& r = *run.report;
    ASSERT_GT(r.pageCount(), 2);
    // Each page names the association and the ledger, and each page an
    // account continues on starts with the account's title.
    for (const report::LaidPage& page : r.pages) {
        ASSERT_FALSE(page.bands.empty());
        EXPECT_EQ(page.bands.front().kind, SectionKind::PageHeader);
        EXPECT_EQ(page.bands.front().text(QStringLiteral("seura")), QStringLiteral("Pelle's kerho"));
        if (page.number > 1 && page.bands.size() > 1 && page.bands[1].kind == SectionKind::GroupHeader) {
            EXPECT_TRUE(page.bands[1].text(QStringLiteral("tili")).startsWith(QStringLiteral("Tili ")));
        }
    }
    int repeated = 0;
    for (const report::LaidBand* b : r.bands(SectionKind::GroupHeader, QStringLiteral("numero")))
        repeated += b->repeated ? 1 : 0;
    EXPECT_GE(repeated, 1);
    const auto details = r.bands(SectionKind::Detail);
    ASSERT_EQ(details.size(), 240u);
    EXPECT_EQ(details[119]->text(QStringLiteral("saldo")), kvtest::fi("1 200,00"));
    EXPECT_EQ(r.bands(SectionKind::ReportFooter).front()->text(QStringLiteral("debet")), kvtest::fi("1 200,00"));
}

TEST_F(Definitions, CaptionsInSwedish) {
    const QString copy = kvtest::useSwedish(sys::AppPath());
    ASSERT_FALSE(copy.isEmpty());
    makeBook();
    core::Kustannuspaikat = true;
    core::NaytaTilinumerot = true;

    for (const auto& [avaus, paatos] : {std::pair{false, false}, std::pair{true, false}, std::pair{false, true}}) {
        answerJournalPeriod(d31(3, 1), d31(3, 31));
        answerPrintToWindow();
        RunPaivakirja(caller(avaus, paatos));
        closePreview();
        const QStringList f(lastRun().properties.formulas.begin(), lastRun().properties.formulas.end());
        EXPECT_TRUE(f[1].startsWith(QStringLiteral("Otsake= 'Dagbok ")));
        EXPECT_EQ(f[16], QStringLiteral("OtsakeVienteja= 'Posteringar'"));
        EXPECT_EQ(f[20], QStringLiteral("OtsakeKP= 'KS'"));

        answerLedgerPeriod(d31(3, 1), d31(3, 31));
        answerPrintToWindow();
        RunPaakirja(caller(avaus, paatos));
        closePreview();
        EXPECT_TRUE(lastRun().properties.formulas[1].startsWith(QStringLiteral("Otsake= 'Huvudbok ")));
        EXPECT_EQ(lastRun().properties.formulas[8], QStringLiteral("OtsakeAlkusaldo= 'Ingående saldo:'"));
        EXPECT_EQ(lastRun().properties.formulas[10], QStringLiteral("OtsakeKP= 'KS'"));
    }
    answerAccountPeriod(d31(3, 1), d31(3, 31), lastKey("tl", "tlID"));
    answerPrintToWindow();
    RunYksiTili(caller());
    closePreview();
    EXPECT_EQ(lastRun().properties.formulas[1],
              QStringLiteral("Otsake= 'Huvudbok -- 1.3.2031 - 31.3.2031 Konto: 3000 Jäsenmaksutuotot'"));

    // The 3021 message of each window.
    auto c = caller();
    c.save = [] { throw dao::DaoError(dao::err::NoCurrentRecord, QStringLiteral("x")); };
    answerJournalPeriod(d31(3, 1), d31(3, 31));  // the journal stores once its period is accepted
    dialogs.expectMessage(QStringLiteral("Ingen post är vald."), ui::Answer::OK);
    RunPaivakirja(c);
    c.windowName = QStringLiteral("frmTositteet");
    c.legacyWindow = true;
    dialogs.expectMessage(QStringLiteral("Ingen post är vald."), ui::Answer::OK);
    RunPaakirja(c);
    ASSERT_EQ(dialogs.shown().size(), 2);

    // Nothing had to be added to the language file: every caption and
    // title of every mode has its translation.
    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "a text of the ledger reports has no Swedish translation";
}

}  // namespace
