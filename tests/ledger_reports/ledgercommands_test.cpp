// The four ledger report commands end to end: the window's save, the period
// and print dialogs answered as a user would, the book as the preparation
// leaves it, and what the report control received and laid out: the
// definition file the settings pick, the selection formula, the named
// formulas, the sort fields, the rows and the totals.

#include "ledgerfixture.h"

#include "platform/dao/error.h"
#include "platform/ui/printers.h"

#include <QToolButton>

using namespace ledger;
using kvtest::d31;
using kvtest::fi;
using kvtest::money;
using report::SectionKind;

namespace {

class Commands : public kvtest::LedgerTest {
protected:
    void makeBook() {
        kassa = addAccount(1000, QStringLiteral("Kassa"));
        pankki = addAccount(1910, QStringLiteral("Pankki"));
        tulot = addAccount(3000, QStringLiteral("Tulot"));
        tyhja = addAccount(9999, QStringLiteral("Tyhjä"));
        nuoriso = addCentre(10, QStringLiteral("Nuoriso"));

        avaus = addVoucher(0, d31(1, 1), Opening, QStringLiteral("Avaus"));
        addEntry(avaus, kassa, "D", "100.00", Opening);
        addEntry(avaus, pankki, "D", "1000.00", Opening);
        const long t1 = addVoucher(1, d31(2, 15), Ordinary, QStringLiteral("Käteinen pankkiin"));
        addEntry(t1, kassa, "K", "100.00");
        addEntry(t1, pankki, "D", "100.00");
        const long t2 = addVoucher(2, d31(3, 1), Ordinary, QStringLiteral("Jäsenmaksut"));
        addEntry(t2, pankki, "D", "250.50", Ordinary, nuoriso, QString());
        addEntry(t2, tulot, "K", "250.50", Ordinary, nuoriso, QStringLiteral("Maksut"));
        const long t3 = addVoucher(3, d31(3, 31), Ordinary, QStringLiteral("Palautus"));
        addEntry(t3, pankki, "K", "30.00");
        addEntry(t3, tulot, "D", "30.00");
        paatos = addVoucher(4, d31(12, 31), Closing, QStringLiteral("Tilinpäätös"));
        addEntry(paatos, tulot, "D", "220.50", Closing);
        addEntry(paatos, pankki, "K", "220.50", Closing);
        const long profit = addVoucher(-2, d31(3, 10), Ordinary, QStringLiteral("Automaatti"));
        addEntry(profit, pankki, "D", "5000.00");
        db().Execute(QStringLiteral("UPDATE to SET toAutomaatti = True WHERE toID = %1").arg(profit));
    }

    static std::vector<const report::LaidBand*> bands(SectionKind kind, const QString& group = QString()) {
        const auto& r = *lastRun().report;
        return group.isEmpty() ? r.bands(kind) : r.bands(kind, group);
    }
    static QStringList column(SectionKind kind, const QString& item, const QString& group = QString()) {
        QStringList out;
        for (const report::LaidBand* b : bands(kind, group))
            if (!b->repeated) out << b->text(item);
        return out;
    }
    void expectRun() {
        const report::RunRecord& run = lastRun();
        ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
        ASSERT_TRUE(run.report);
    }

    long kassa = 0, pankki = 0, tulot = 0, tyhja = 0, nuoriso = 0, avaus = 0, paatos = 0;
};

TEST_F(Commands, GeneralLedgerOfAPeriod) {
    makeBook();
    const int runs = control().runCount();
    expectDialog<reports::frmDates3>("frmDates3", [this](reports::frmDates3& d) {
        EXPECT_EQ(saves, 1);  // the voucher on screen is stored first
        EXPECT_EQ(balances(pankki).alku, money("0"));
        setPeriod(d, d31(3, 1), d31(3, 31));
        d.cSeuraava->click();
    });
    answerPrintToWindow();
    RunPaakirja(caller());
    ASSERT_EQ(control().runCount(), runs + 1);
    expectRun();
    EXPECT_EQ(modalShown, (QStringList{QStringLiteral("frmDates3"), QStringLiteral("frmTulostus")}));

    const report::ControlProperties& p = lastRun().properties;
    EXPECT_EQ(p.reportFileName, tmp.file(QStringLiteral("paakirjb.rpt")));
    EXPECT_EQ(p.destination, 0);
    EXPECT_EQ(p.copiesToPrinter, 1);
    EXPECT_EQ(p.selectionFormula,
              QStringLiteral("{tl.tlPrint} = True AND (({vi.viAvausvienti} = False AND {vi.viPaatosvienti} = False) "
                             "AND ({to.toPvm} <= Date(2031,3,31) AND {to.toPvm} >= Date(2031,3,1)) OR "
                             "({tl.tlID} > 0 AND {to.toNumero} < 0))"));
    const QStringList formulas(p.formulas.begin(), p.formulas.end());
    EXPECT_EQ(formulas.mid(0, 11),
              (QStringList{QStringLiteral("Seurannimi= 'Pelle's kerho'"),
                           QStringLiteral("Otsake= 'Pääkirja -- 1.3.2031 - 31.3.2031'"),
                           QStringLiteral("OtsakeTosite= 'Tosite'"), QStringLiteral("OtsakePvm= 'Pvm'"),
                           QStringLiteral("OtsakeTili= 'Tili'"), QStringLiteral("OtsakeDebet= 'Debet'"),
                           QStringLiteral("OtsakeKredit= 'Kredit'"), QStringLiteral("OtsakeSelite= 'Selite'"),
                           QStringLiteral("OtsakeAlkusaldo= 'Alkusaldo:'"),
                           QStringLiteral("OtsakeLoppusaldo= 'Loppusaldo:'"), QString()}));
    EXPECT_TRUE(lastRun().ignoredFormulas.isEmpty()) << lastRun().ignoredFormulas.join(',').toStdString();
    EXPECT_EQ(p.sortFields[0], QStringLiteral("+{tl.tlNumero}"));
    EXPECT_EQ(p.sortFields[1], QStringLiteral("+{to.toNumero}"));
    EXPECT_TRUE(p.sortFields[2].isEmpty());
    EXPECT_TRUE(p.sectionFonts[0].startsWith(QStringLiteral("ALL;")));
    EXPECT_EQ(p.dataFiles[0], core::DatabasePath);

    // Every account, in number order, each with its balances; the
    // pseudo voucher's lines are not shown, the -2 voucher is gone.
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tili"), QStringLiteral("numero")),
              (QStringList{QStringLiteral("Tili 1000 Kassa"), QStringLiteral("Tili 1910 Pankki"),
                           QStringLiteral("Tili 3000 Tulot"), QStringLiteral("Tili 9999 Tyhjä")}));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("alkusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("0,00"), fi("1 100,00"), QStringLiteral("0,00"),
                           QStringLiteral("0,00")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tosite")),
              (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("selite")),
              (QStringList{QStringLiteral("Jäsenmaksut"), QStringLiteral("x"), QStringLiteral("Maksut"),
                           QStringLiteral("x")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("debet")),
              (QStringList{QStringLiteral("250,50"), QString(), QString(), QStringLiteral("30,00")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("kredit")),
              (QStringList{QString(), QStringLiteral("30,00"), QStringLiteral("250,50"), QString()}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("saldo")),
              (QStringList{fi("1 350,50"), fi("1 320,50"), fi("-250,50"),
                           fi("-220,50")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("loppusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("0,00"), fi("1 320,50"), fi("-220,50"),
                           QStringLiteral("0,00")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("vienteja"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("Yhteensä (0)"), QStringLiteral("Yhteensä (2)"),
                           QStringLiteral("Yhteensä (2)"), QStringLiteral("Yhteensä (0)")}));
    EXPECT_EQ(column(SectionKind::ReportFooter, QStringLiteral("debet")), QStringList{QStringLiteral("280,50")});
    EXPECT_EQ(column(SectionKind::ReportFooter, QStringLiteral("kredit")), QStringList{QStringLiteral("280,50")});

    // The book as the run left it.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toNumero < 0")), 1);
    EXPECT_EQ(balances(pankki).loppu, money("1320.50"));
}

TEST_F(Commands, OnlyAccountsWithEntriesAndAOneDayPeriod) {
    makeBook();
    answerLedgerPeriod(d31(3, 31), d31(3, 31), true);
    answerPrintToWindow();
    RunPaakirja(caller());
    expectRun();
    // Kassa's balance is 0 and it has no entry; Tyhjä has nothing. The
    // pseudo voucher is dated 1.4., outside the period, yet lets the
    // accounts print.
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tili"), QStringLiteral("numero")),
              (QStringList{QStringLiteral("Tili 1910 Pankki"), QStringLiteral("Tili 3000 Tulot")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tosite")),
              (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("alkusaldo"), QStringLiteral("tili")),
              (QStringList{fi("1 350,50"), fi("-250,50")}));
}

TEST_F(Commands, OpeningAndClosingLedgers) {
    makeBook();
    // Opening entries: no opening balance, the opening voucher listed.
    answerLedgerPeriod(d31(1, 1), d31(12, 31));
    answerPrintToWindow();
    RunPaakirja(caller(true, false));
    expectRun();
    EXPECT_EQ(lastRun().properties.selectionFormula,
              QStringLiteral("{tl.tlPrint} = True AND ({vi.viAvausvienti} = True AND ({to.toPvm} <= Date(2031,12,31) "
                             "AND {to.toPvm} >= Date(2031,1,1)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0) AND "
                             "{to.toAvaustosite} = True)"));
    EXPECT_EQ(lastRun().properties.formulas[1],
              QStringLiteral("Otsake= 'Pääkirja - Avausviennit -- 1.1.2031 - 31.12.2031'"));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tosite")),
              (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("loppusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("100,00"), fi("1 000,00"), QStringLiteral("0,00"),
                           QStringLiteral("0,00")}));
    closePreview();

    // Closing entries: every account prints with its balances, also
    // without closing entries of its own.
    answerLedgerPeriod(d31(12, 1), d31(12, 31));
    answerPrintToWindow();
    RunPaakirja(caller(false, true));
    expectRun();
    EXPECT_EQ(lastRun().properties.selectionFormula,
              QStringLiteral("{tl.tlPrint} = True AND ({vi.viPaatosvienti} = True AND ({to.toPvm} <= "
                             "Date(2031,12,31) AND {to.toPvm} >= Date(2031,12,1)) OR ({tl.tlID} > 0 AND "
                             "{to.toNumero} < 0) AND {to.toPaatostosite} = True)"));
    EXPECT_EQ(lastRun().properties.formulas[1],
              QStringLiteral("Otsake= 'Pääkirja - Tilinpäätösviennit -- 1.12.2031 - 31.12.2031'"));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tili"), QStringLiteral("numero")).size(), 4);
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tosite")),
              (QStringList{QStringLiteral("4"), QStringLiteral("4")}));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("alkusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("0,00"), fi("1 320,50"), fi("-220,50"),
                           QStringLiteral("0,00")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("loppusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("0,00"), fi("1 100,00"), QStringLiteral("0,00"),
                           QStringLiteral("0,00")}));
}

TEST_F(Commands, TheSettingsPickTheDefinitionFile) {
    makeBook();
    struct Case {
        bool vaaka, kp;
        const char* ledger;
        const char* journal;
    };
    for (const Case& c : {Case{false, false, "paakirjb.rpt", "paikirja.rpt"},
                          Case{false, true, "paakirjbkp.rpt", "paikirjakp.rpt"},
                          Case{true, false, "paakivab.rpt", "paikivaa.rpt"},
                          Case{true, true, "paakivabkp.rpt", "paikivaakp.rpt"}}) {
        core::VaakaTulostus = c.vaaka;
        core::Kustannuspaikat = c.kp;
        answerLedgerPeriod(d31(3, 1), d31(3, 31));
        answerPrintToWindow();
        RunPaakirja(caller());
        expectRun();
        EXPECT_EQ(lastRun().properties.reportFileName, tmp.file(QString::fromLatin1(c.ledger)));
        EXPECT_EQ(lastRun().properties.formulas[10], c.kp ? QStringLiteral("OtsakeKP= 'KP'") : QString());
        EXPECT_EQ(lastRun().report->orientation, c.vaaka ? QPageLayout::Landscape : QPageLayout::Portrait);
        EXPECT_TRUE(lastRun().ignoredFormulas.isEmpty());
        if (c.kp) {  // the entries' cost centre has a column of its own
            EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("kp")),
                      (QStringList{QStringLiteral("10"), QString(), QStringLiteral("10"), QString()}));
        }
        closePreview();

        answerJournalPeriod(d31(3, 1), d31(3, 31));
        answerPrintToWindow();
        RunPaivakirja(caller());
        expectRun();
        EXPECT_EQ(lastRun().properties.reportFileName, tmp.file(QString::fromLatin1(c.journal)));
        EXPECT_EQ(lastRun().properties.formulas[20], c.kp ? QStringLiteral("OtsakeKP= 'KP'") : QString());
        EXPECT_TRUE(lastRun().ignoredFormulas.isEmpty());
        closePreview();
    }
    // The journal's mode letter.
    core::VaakaTulostus = false;
    core::Kustannuspaikat = true;
    EXPECT_EQ(PaivakirjaFile(Raporttitila::Avausviennit), QStringLiteral("paikirjbkp.rpt"));
    core::VaakaTulostus = true;
    core::Kustannuspaikat = false;
    EXPECT_EQ(PaivakirjaFile(Raporttitila::Paatosviennit), QStringLiteral("paikivae.rpt"));
}

TEST_F(Commands, CostCentreLedger) {
    makeBook();
    core::Kustannuspaikat = true;
    answerCentrePeriod(d31(3, 1), d31(3, 31), nuoriso);
    answerPrintToWindow();
    RunPaakirjaKustannuspaikalle(caller());
    expectRun();
    EXPECT_EQ(modalShown, (QStringList{QStringLiteral("frmDates6"), QStringLiteral("frmTulostus")}));
    const report::ControlProperties& p = lastRun().properties;
    EXPECT_EQ(p.reportFileName, tmp.file(QStringLiteral("paakirjbkp.rpt")));
    EXPECT_EQ(p.selectionFormula,
              QStringLiteral("{tl.tlPrint} = True AND (({vi.vikpID} = %1 AND {vi.viAvausvienti} = False AND "
                             "{vi.viPaatosvienti} = False) AND ({to.toPvm} <= Date(2031,3,31) AND {to.toPvm} >= "
                             "Date(2031,3,1)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0))")
                  .arg(nuoriso));
    EXPECT_EQ(p.formulas[1], QStringLiteral("Otsake= 'Pääkirja -- 1.3.2031 - 31.3.2031 -- KP:Nuoriso'"));
    EXPECT_EQ(p.formulas[10], QStringLiteral("OtsakeKP= 'KP'"));
    EXPECT_EQ(p.sortFields[0], QStringLiteral("+{tl.tlNumero}"));
    // Only the centre's entries, with balances of the centre's entries.
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tosite")),
              (QStringList{QStringLiteral("2"), QStringLiteral("2")}));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("alkusaldo"), QStringLiteral("tili")),
              (QStringList{QStringLiteral("0,00"), QStringLiteral("0,00"), QStringLiteral("0,00"),
                           QStringLiteral("0,00")}));
    EXPECT_EQ(balances(pankki).loppu, money("250.50"));
    closePreview();

    // "All" hands the report exactly what the general ledger does.
    answerCentrePeriod(d31(3, 1), d31(3, 31), 0);
    answerPrintToWindow();
    RunPaakirjaKustannuspaikalle(caller());
    expectRun();
    const QString allSelection = lastRun().properties.selectionFormula;
    const QString allTitle = lastRun().properties.formulas[1];
    closePreview();
    answerLedgerPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    RunPaakirja(caller());
    expectRun();
    EXPECT_EQ(lastRun().properties.selectionFormula, allSelection);
    EXPECT_EQ(lastRun().properties.formulas[1], allTitle);
    closePreview();

    // Cost centres off: the plain file and no slot 10, still limited and named;
    // a centre that is gone by the time it is read leaves the name empty.
    core::Kustannuspaikat = false;
    answerCentrePeriod(d31(3, 1), d31(3, 31), nuoriso, false, [this] {
        db().Execute(QStringLiteral("DELETE FROM kp WHERE kpID = ?"), {dao::Variant(nuoriso)});
    });
    answerPrintToWindow();
    RunPaakirjaKustannuspaikalle(caller());
    expectRun();
    EXPECT_EQ(lastRun().properties.reportFileName, tmp.file(QStringLiteral("paakirjb.rpt")));
    EXPECT_TRUE(lastRun().properties.formulas[10].isEmpty());
    EXPECT_TRUE(lastRun().properties.formulas[1].endsWith(QStringLiteral("31.3.2031 -- KP:'")));
    EXPECT_TRUE(lastRun().properties.selectionFormula.contains(QStringLiteral("{vi.vikpID} = %1").arg(nuoriso)));
}

TEST_F(Commands, CancellingTheDialogs) {
    makeBook();
    // A first run leaves its preparation.
    answerLedgerPeriod(d31(3, 1), d31(3, 31), true);
    cancelPrint();
    const int runs = control().runCount();
    RunPaakirja(caller());
    EXPECT_EQ(control().runCount(), runs);
    EXPECT_EQ(balances(pankki).loppu, money("1320.50"));
    EXPECT_FALSE(balances(tyhja).print);
    const long pseudo = lastKey("to", "toID");
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toNumero = -1")), 1);

    // Cancelling the period: the balances are zeroed, nothing else changes.
    cancelPeriod<reports::frmDates3>("frmDates3");
    RunPaakirja(caller());
    EXPECT_EQ(control().runCount(), runs);
    EXPECT_EQ(balances(pankki).loppu, money("0"));
    EXPECT_FALSE(balances(tyhja).print);
    EXPECT_EQ(lastKey("to", "toID"), pseudo);
    EXPECT_EQ(saves, 2);

    // The journal stores nothing when its period is cancelled.
    cancelPeriod<reports::frmDates2>("frmDates2");
    RunPaivakirja(caller());
    EXPECT_EQ(saves, 2);
    // The one-account report: only zeroed balances, and no account chosen.
    reports::RaporttiTlID = pankki;
    cancelPeriod<reports::frmDates4>("frmDates4");
    RunYksiTili(caller());
    EXPECT_EQ(reports::RaporttiTlID, 0);
    EXPECT_EQ(control().runCount(), runs);
    EXPECT_EQ(modalShown.size(), 5);
}

TEST_F(Commands, Journal) {
    makeBook();
    const long t5 = addVoucher(5, d31(3, 20), Ordinary, QStringLiteral("Tyhjä tosite"));
    const long t6 = addVoucher(6, d31(3, 21), Ordinary, QStringLiteral("Oikaisu"));
    addEntry(t6, kassa, "K", "-5.00");  // typed negative: lowers the credit sum
    addEntry(t6, kassa, "D", "20.00");
    const long t7 = addVoucher(7, d31(3, 22), Opening);  // another mode: not listed
    addEntry(t7, kassa, "D", "1.00", Opening);
    long pending = 0;
    auto c = caller();
    c.save = [&] {  // the window stores an edit pending on screen
        ++saves;
        pending = addEntry(t5, tulot, "D", "3.00");
    };
    expectDialog<reports::frmDates2>("frmDates2", [&](reports::frmDates2& d) {
        EXPECT_EQ(saves, 0);
        setPeriod(d, d31(3, 1), d31(3, 31));
        d.cSeuraava->click();
    });
    answerPrintToWindow();
    RunPaivakirja(c);
    expectRun();
    EXPECT_EQ(saves, 1);
    ASSERT_GT(pending, 0);

    const report::ControlProperties& p = lastRun().properties;
    EXPECT_EQ(p.reportFileName, tmp.file(QStringLiteral("paikirja.rpt")));
    EXPECT_EQ(p.selectionFormula,
              QStringLiteral("({to.toPvm} <= Date(2031,3,31) AND {to.toPvm} >= Date(2031,3,1)) AND {to.toNumero} >= 0 "
                             "AND {to.toAvaustosite} = False AND {to.toPaatostosite} = False"));
    const QStringList formulas(p.formulas.begin(), p.formulas.end());
    EXPECT_EQ(formulas.mid(0, 10),
              (QStringList{QStringLiteral("Seurannimi= 'Pelle's kerho'"),
                           QStringLiteral("Otsake= 'Päiväkirja -- 1.3.2031 - 31.3.2031'"),
                           QStringLiteral("DebetVienteja= '4'"), QStringLiteral("KreditVienteja= '3'"),
                           QStringLiteral("KreditSumma= '275,50'"), QStringLiteral("DebetSumma= '303,50'"),
                           QStringLiteral("Tositteita= '4'"), QStringLiteral("Vienteja= '7'"),
                           QStringLiteral("ErotusSummista= '28,00'"), QStringLiteral("OtsakeTosite= 'Tosite'")}));
    EXPECT_EQ(formulas.mid(15, 6),
              (QStringList{QStringLiteral("OtsakeTositteita= 'Tositteita'"), QStringLiteral("OtsakeVienteja= 'Vientejä'"),
                           QStringLiteral("OtsakeDebetVienteja= 'Debetvientejä'"),
                           QStringLiteral("OtsakeKreditVienteja= 'Kreditvientejä'"),
                           QStringLiteral("OtsakeErotus= 'Erotus'"), QString()}));
    for (int i = 0; i < 11; ++i) EXPECT_TRUE(p.sortFields[size_t(i)].isEmpty()) << i;

    // The vouchers of the period in number order, each with its entries
    // and totals; the -2 voucher and the opening voucher are not there.
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tosite"), QStringLiteral("tosite")),
              (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("6")}));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tositeselite"), QStringLiteral("tosite")),
              (QStringList{QStringLiteral("Jäsenmaksut"), QStringLiteral("Palautus"), QStringLiteral("Tyhjä tosite"),
                           QStringLiteral("Oikaisu")}));
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("tili")),
              (QStringList{QStringLiteral("1910 Pankki"), QStringLiteral("3000 Tulot"), QStringLiteral("3000 Tulot"),
                           QStringLiteral("1910 Pankki"), QStringLiteral("3000 Tulot"), QStringLiteral("1000 Kassa"),
                           QStringLiteral("1000 Kassa")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("debet"), QStringLiteral("tosite")),
              (QStringList{QStringLiteral("250,50"), QStringLiteral("30,00"), QStringLiteral("3,00"),
                           QStringLiteral("20,00")}));
    EXPECT_EQ(column(SectionKind::GroupFooter, QStringLiteral("kredit"), QStringLiteral("tosite")),
              (QStringList{QStringLiteral("250,50"), QStringLiteral("30,00"), QStringLiteral("0,00"),
                           fi("-5,00")}));
    EXPECT_EQ(column(SectionKind::ReportFooter, QStringLiteral("debetsumma")), QStringList{QStringLiteral("303,50")});
    EXPECT_EQ(column(SectionKind::ReportFooter, QStringLiteral("erotus")), QStringList{QStringLiteral("28,00")});
    EXPECT_EQ(column(SectionKind::ReportFooter, QStringLiteral("tositteita")), QStringList{QStringLiteral("4")});
    // The journal prepares nothing.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toNumero = -2")), 1);
}

TEST_F(Commands, JournalModesAndAnEmptyPeriod) {
    makeBook();
    answerJournalPeriod(d31(1, 1), d31(12, 31));
    answerPrintToWindow();
    RunPaivakirja(caller(false, true));
    expectRun();
    EXPECT_EQ(lastRun().properties.reportFileName, tmp.file(QStringLiteral("paikirje.rpt")));
    EXPECT_TRUE(lastRun().properties.selectionFormula.endsWith(
        QStringLiteral(")) AND {to.toNumero} >= 0 AND {to.toPaatostosite} = True")));
    EXPECT_EQ(lastRun().properties.formulas[1],
              QStringLiteral("Otsake= 'Päiväkirja - Tilinpäätösviennit -- 1.1.2031 - 31.12.2031'"));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tosite"), QStringLiteral("tosite")),
              QStringList{QStringLiteral("4")});
    EXPECT_EQ(lastRun().properties.formulas[8], QStringLiteral("ErotusSummista= '0,00'"));
    closePreview();

    // Opening vouchers; the sides swapped give a negative difference.
    const long t = addVoucher(9, d31(1, 1), Opening);
    addEntry(t, tulot, "K", "1150.00", Opening);
    answerJournalPeriod(d31(1, 1), d31(1, 31));
    answerPrintToWindow();
    RunPaivakirja(caller(true, true));
    expectRun();
    EXPECT_EQ(lastRun().properties.reportFileName, tmp.file(QStringLiteral("paikirjb.rpt")));
    EXPECT_TRUE(lastRun().properties.selectionFormula.endsWith(
        QStringLiteral(")) AND {to.toNumero} >= 0 AND {to.toAvaustosite} = True")));
    EXPECT_EQ(lastRun().properties.formulas[1],
              QStringLiteral("Otsake= 'Päiväkirja - Avausviennit -- 1.1.2031 - 31.1.2031'"));
    EXPECT_EQ(lastRun().properties.formulas[8], QStringLiteral("ErotusSummista= '") + fi("-50,00") + QLatin1Char('\''));
    closePreview();

    // A period without vouchers still prints, with zero counts and sums.
    answerJournalPeriod(d31(6, 1), d31(6, 30));
    answerPrintToWindow();
    RunPaivakirja(caller());
    expectRun();
    EXPECT_EQ(lastRun().properties.formulas[2], QStringLiteral("DebetVienteja= '0'"));
    EXPECT_EQ(lastRun().properties.formulas[5], QStringLiteral("DebetSumma= '0,00'"));
    EXPECT_EQ(lastRun().properties.formulas[8], QStringLiteral("ErotusSummista= '0,00'"));
    EXPECT_EQ(lastRun().recordsSelected, 0);
}

TEST_F(Commands, OneAccountReport) {
    makeBook();
    core::NaytaTilinumerot = true;
    reports::VainTap = false;
    answerAccountPeriod(d31(3, 1), d31(3, 31), pankki);
    answerPrintToWindow();
    RunYksiTili(caller());
    expectRun();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(modalShown, (QStringList{QStringLiteral("frmDates4"), QStringLiteral("frmTulostus")}));
    const report::ControlProperties& p = lastRun().properties;
    EXPECT_EQ(p.reportFileName, tmp.file(QStringLiteral("paakirjb.rpt")));
    EXPECT_EQ(p.selectionFormula,
              QStringLiteral("{tl.tlID} = %1 AND {tl.tlPrint} = True AND (({vi.viAvausvienti} = False AND "
                             "{vi.viPaatosvienti} = False) AND ({to.toPvm} <= Date(2031,3,31) AND {to.toPvm} >= "
                             "Date(2031,3,1)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0))")
                  .arg(pankki));
    EXPECT_EQ(p.formulas[1], QStringLiteral("Otsake= 'Pääkirja -- 1.3.2031 - 31.3.2031 Tili: 1910 Pankki'"));
    EXPECT_EQ(p.formulas[9], QStringLiteral("OtsakeLoppusaldo= 'Loppusaldo:'"));
    for (int i = 0; i < 11; ++i) EXPECT_TRUE(p.sortFields[size_t(i)].isEmpty()) << i;
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tili"), QStringLiteral("numero")),
              QStringList{QStringLiteral("Tili 1910 Pankki")});
    EXPECT_EQ(column(SectionKind::Detail, QStringLiteral("saldo")),
              (QStringList{fi("1 350,50"), fi("1 320,50")}));
    closePreview();

    // No account chosen: every account, no account in the title; without
    // account numbers the title has the name only.
    core::NaytaTilinumerot = false;
    answerAccountPeriod(d31(3, 1), d31(3, 31), 0);
    answerPrintToWindow();
    RunYksiTili(caller());
    expectRun();
    EXPECT_EQ(lastRun().properties.formulas[1], QStringLiteral("Otsake= 'Pääkirja -- 1.3.2031 - 31.3.2031'"));
    EXPECT_TRUE(lastRun().properties.selectionFormula.startsWith(QStringLiteral("{tl.tlPrint} = True AND")));
    EXPECT_EQ(column(SectionKind::GroupHeader, QStringLiteral("tili"), QStringLiteral("numero")).size(), 4);
    closePreview();
    dao::Database d = db();
    EXPECT_EQ(GetTiliOtsikko(d, kassa), QStringLiteral("Kassa"));
    EXPECT_EQ(GetTiliOtsikko(d, 999999), QString());

    // "Only accounts with entries" as an earlier dialog left it: Kassa has
    // no entry in March and a zero balance, so the report is empty.
    reports::VainTap = true;
    answerAccountPeriod(d31(3, 1), d31(3, 31), kassa);
    answerPrintToWindow();
    RunYksiTili(caller(false, false));
    expectRun();
    EXPECT_EQ(lastRun().recordsSelected, 0);
    EXPECT_TRUE(lastRun().properties.formulas[1].endsWith(QStringLiteral(" Tili: Kassa'")));
}

TEST_F(Commands, NoCurrentRecordAndOtherFailures) {
    makeBook();
    const int runs = control().runCount();
    auto failingSave = [](int number) {
        return [number] { throw dao::DaoError(number, QStringLiteral("Ei nykyistä tietuetta.")); };
    };
    // 3021 in either window: told in the window's own section.
    auto c = caller();
    c.save = failingSave(dao::err::NoCurrentRecord);
    for (auto run : {&RunPaakirja, &RunPaakirjaKustannuspaikalle, &RunYksiTili}) {
        dialogs.expectMessage(QStringLiteral("Tietuetta ei ole valittuna."), ui::Answer::OK);
        run(c);
    }
    auto legacy = c;
    legacy.windowName = QStringLiteral("frmTositteet");
    legacy.legacyWindow = true;
    dialogs.expectMessage(QStringLiteral("Tietuetta ei ole valittuna."), ui::Answer::OK);
    RunPaakirja(legacy);
    EXPECT_EQ(dialogs.shown().size(), 4);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Information);
    EXPECT_TRUE(modalShown.isEmpty());

    // Another failure: told with its number in the voucher window...
    c.save = failingSave(dao::err::DiskError);
    dialogs.expectMessage(QStringLiteral("Pääkirjaa tulostettaessa tapahtui virhe: 3043 : Ei nykyistä tietuetta."),
                          ui::Answer::OK);
    RunPaakirja(c);
    // ... and not in the older one.
    legacy.save = failingSave(dao::err::DiskError);
    RunPaakirja(legacy);
    RunYksiTili(legacy);
    EXPECT_EQ(dialogs.shown().size(), 5);

    // A journal whose definition file is missing.
    ASSERT_TRUE(QFile::remove(tmp.file(QStringLiteral("paikirja.rpt"))));
    answerJournalPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    dialogs.expectMessage(QStringLiteral("Päiväkirjaa tulostettaessa tapahtui virhe: 20501 : "), ui::Answer::OK);
    RunPaivakirja(caller());
    answerJournalPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    legacy.save = {};
    RunPaivakirja(legacy);
    EXPECT_EQ(dialogs.shown().size(), 6);
    EXPECT_EQ(control().runCount(), runs + 2);  // both runs failed
    EXPECT_FALSE(lastRun().succeeded);
}

TEST_F(Commands, AFailingPreparationIsUndoneAndTold) {
    makeBook();
    answerLedgerPeriod(d31(3, 1), d31(3, 31), true);
    cancelPrint();
    RunPaakirja(caller());
    const long pseudo = lastKey("to", "toID");
    // A balance beyond what the book can store.
    const long huge = addAccount(2000, QStringLiteral("Iso"));
    const long t = addVoucher(0, d31(1, 1), Opening);
    addEntry(t, huge, "D", "90000000000.00", Opening);
    const long t2 = addVoucher(10, d31(3, 5));
    addEntry(t2, huge, "D", "20000000000.00");

    answerLedgerPeriod(d31(3, 1), d31(3, 31));
    dialogs.expectMessage(QStringLiteral("Pääkirjaa tulostettaessa tapahtui virhe: 6 : "), ui::Answer::OK);
    RunPaakirja(caller());
    EXPECT_EQ(balances(huge).alku, money("0"));
    EXPECT_EQ(balances(pankki).alku, money("0"));
    EXPECT_FALSE(balances(tyhja).print);  // the flags of the previous run
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM to WHERE toID = ? AND toNumero = -1"),
                    {dao::Variant(pseudo)}),
              1);
    EXPECT_EQ(db().transactionDepth(), 0);
}

TEST_F(Commands, TheOlderWindowHandsItsOwnDatabase) {
    makeBook();
    int fetched = 0;
    auto legacy = caller();
    legacy.windowName = QStringLiteral("frmTositteet");
    legacy.legacyWindow = true;
    legacy.database = [&] {
        ++fetched;
        return core::DBCon().AvaaDB();
    };
    answerLedgerPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    RunPaakirja(legacy);
    expectRun();
    EXPECT_EQ(fetched, 1);
    const QString selection = lastRun().properties.selectionFormula;
    closePreview();

    answerJournalPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    RunPaivakirja(legacy);
    expectRun();
    EXPECT_EQ(fetched, 2);
    EXPECT_EQ(lastRun().properties.formulas[6], QStringLiteral("Tositteita= '2'"));
    closePreview();

    // The same ledger from the voucher window hands the control the same values.
    answerLedgerPeriod(d31(3, 1), d31(3, 31));
    answerPrintToWindow();
    RunPaakirja(caller());
    expectRun();
    EXPECT_EQ(lastRun().properties.selectionFormula, selection);
    EXPECT_EQ(saves, 3);
}

}  // namespace

namespace {

// A report to a PDF file asks for the file once, whichever way the user
// gets there, and proposes a name in the documents folder that ends in
// ".pdf": the report's title whole (its year no extension, a "/" no
// folder), or the association's name where the printer is chosen before
// the report has a title.
TEST_F(Commands, APdfFileIsAskedOnceWithANameEndingInPdf) {
    makeBook();
    core::SeuranNimi = QStringLiteral("Pelle's kerho/Nuoret");
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", tmp.file(QStringLiteral("koti")).toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        qputenv("HOME", oldHome);
        if (!oldConfig.isEmpty()) qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    const QString documents = tmp.file(QStringLiteral("koti/Documents/"));
    ASSERT_TRUE(QDir().mkpath(documents));
    const QString titled = documents + QStringLiteral("Pääkirja -- 1.3.2031 - 31.3.2031 - Pelle's kerho-Nuoret.pdf");
    enum Way { PrinterChoice, PdfPrinterSet, PreviewPrint };
    const struct {
        Way way;
        ui::DialogKind asked;
        QString proposed;
    } cases[] = {{PrinterChoice, ui::DialogKind::Printer, documents + QStringLiteral("Pelle's kerho-Nuoret.pdf")},
                 {PdfPrinterSet, ui::DialogKind::SaveFile, titled},
                 {PreviewPrint, ui::DialogKind::Printer, titled}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        dialogs.reset();
        control().setPrinterName(c.way == PdfPrinterSet ? ui::kPdfPrinter : QString());
        const QString file = tmp.file(QStringLiteral("raportti%1.pdf").arg(int(c.way)));
        if (c.asked == ui::DialogKind::Printer)
            dialogs.expectPrinter(ui::kPdfPrinter, file);
        else
            dialogs.expectSaveFile(file, QStringLiteral("Tulosta tiedostoon (PDF)"));
        answerLedgerPeriod(d31(3, 1), d31(3, 31));
        expectDialog<reports::frmTulostus>("frmTulostus", [&c](reports::frmTulostus& d) {
            if (c.way == PrinterChoice) d.cTulostin->click();
            d.cmbTulostusLaite->setCurrentIndex(c.way == PreviewPrint ? 0 : 1);
            d.cTulosta->click();
        });
        RunPaakirja(caller());
        if (c.way == PreviewPrint) QTest::mouseClick(control().lastPreview()->findChild<QToolButton*>(QStringLiteral("print")), Qt::LeftButton);
        ASSERT_EQ(dialogs.shown().size(), 1) << dialogs.shownTexts().join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(dialogs.shown()[0].kind, c.asked);
        EXPECT_EQ(dialogs.shown()[0].initial, c.proposed);
        QFile pdf(file);
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
    }
    // The question cancelled: nothing printed and nothing more asked or told.
    dialogs.reset();
    dialogs.expectSaveFile(QString());
    control().setPrinterName(ui::kPdfPrinter);
    answerLedgerPeriod(d31(3, 1), d31(3, 31));
    expectDialog<reports::frmTulostus>("frmTulostus", [](reports::frmTulostus& d) {
        d.cmbTulostusLaite->setCurrentIndex(1);
        d.cTulosta->click();
    });
    RunPaakirja(caller());
    EXPECT_TRUE(lastRun().cancelled);
    EXPECT_EQ(dialogs.shown().size(), 1);
    control().setPrinterName(QString());
}

}  // namespace
