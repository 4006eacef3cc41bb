// The account balances view: which entries count, the sums and the work
// table, the 19 scrolled rows, the rebuild on refresh, and the print.

#include "accounts/views/accountviews.h"
#include "accounts/views/frmpaivasaldot.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "shell/openers.h"
#include "viewsfixture.h"

#include <QScrollBar>

using accounts::frmTilienSaldot;
using report::SectionKind;

namespace {

class Balances : public kvtest::ViewsTest {
protected:
    frmTilienSaldot& open() {
        accounts::ShowTilienSaldot();
        return ui::Forms::get<frmTilienSaldot>();
    }
    // Accounts 1001, 1002, ... named "Tili 1", "Tili 2", ...
    static void addAccounts(int from, int to) {
        for (int i = from; i <= to; ++i) addAccount(1000 + i, QStringLiteral("Tili %1").arg(i));
    }
    static QStringList tableTexts() {
        QStringList out;
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT Tili FROM tlSaldot ORDER BY tlsID"),
                                               dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) out << rs.value(0).toString();
        return out;
    }
};

TEST_F(Balances, SumsEveryCountedEntryBySideAndRewritesTheWorkTable) {
    const long pankki = addAccount(1910, QStringLiteral("Pankki"));
    const long jasen = addAccount(3000, QStringLiteral("Jäsenmaksut"));
    addAccount(dao::Variant(), QStringLiteral("Nimetön"));
    addAccount(1000, QStringLiteral("Kassa"));
    const long avaus = addVoucher(0, day(1, 1));
    const long t1 = addVoucher(1, day(2, 1));
    const long auto1 = addVoucher(-2, day(12, 31));
    addEntry(avaus, pankki, "D", 100);  // the opening voucher counts
    addEntry(t1, pankki, "D", 40);
    addEntry(t1, pankki, "K", -20);  // a negative amount lowers its side
    addEntry(t1, jasen, "K", 40);
    addEntry(auto1, jasen, "K", 5);  // a negative voucher number counts too
    addEntry(t1, jasen, "k", 3);  // lower case: a credit too
    addEntry(t1, jasen, "x", 999);
    addEntry(t1, jasen, "", 999);
    addEntry(t1, jasen, dao::Variant(), 999);
    addEntry(t1, jasen, "D", 500, true);  // automatic
    addEntry(9999, jasen, "D", 77);       // no such voucher
    db().Execute(QStringLiteral("INSERT INTO tlSaldot (Tili, Debet, Kredit, Erotus) VALUES ('vanha', 1, 1, 0)"));

    frmTilienSaldot& w = open();
    ASSERT_TRUE(w.isLoaded());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tilien saldot"));

    const QStringList expected = {QStringLiteral("0 Nimetön"), QStringLiteral("1000 Kassa"), QStringLiteral("1910 Pankki"),
                                  QStringLiteral("3000 Jäsenmaksut")};
    EXPECT_EQ(tableTexts(), expected);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(cell(&w, "lblTili", i), expected[i]);
    EXPECT_EQ(w.DebetAt(2), dao::Currency::fromUnits(140));
    EXPECT_EQ(w.KreditAt(2), dao::Currency::fromUnits(-20));
    EXPECT_EQ(w.ErotusAt(2), dao::Currency::fromUnits(160));
    EXPECT_EQ(cell(&w, "lblErotus", 2), eur(160));
    EXPECT_EQ(w.DebetAt(3), dao::Currency());
    EXPECT_EQ(w.KreditAt(3), dao::Currency::fromUnits(48));
    EXPECT_EQ(cell(&w, "lblErotus", 3), eur(-48));
    EXPECT_EQ(w.lblDebetSumma->text(), eur(140));
    EXPECT_EQ(w.lblKreditSumma->text(), eur(28));
    EXPECT_EQ(w.lblErotusSumma->text(), eur(112));

    dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT * FROM tlSaldot WHERE Tili = '1910 Pankki'"),
                                           dao::RecordsetType::Snapshot);
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.value(QStringLiteral("Debet")).toCurrency(), dao::Currency::fromUnits(140));
    EXPECT_EQ(rs.value(QStringLiteral("Kredit")).toCurrency(), dao::Currency::fromUnits(-20));
    EXPECT_EQ(rs.value(QStringLiteral("Erotus")).toCurrency(), dao::Currency::fromUnits(160));
    rs.Close();

    // Shown again: nothing is computed anew until the user refreshes.
    addEntry(t1, pankki, "D", 1);
    accounts::ShowTilienSaldot();
    EXPECT_EQ(w.DebetAt(2), dao::Currency::fromUnits(140));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_EQ(w.DebetAt(2), dao::Currency::fromUnits(141));
    EXPECT_EQ(tableTexts(), expected);
}

TEST_F(Balances, NineteenRowsShowTheAccountsFromTheScrollPosition) {
    {
        // No accounts: 19 rows of empty text and zero amounts.
        frmTilienSaldot& w = open();
        EXPECT_EQ(w.rows().highestIndex(), 18);
        EXPECT_EQ(w.scrlBar->maximum(), 1);
        EXPECT_EQ(cell(&w, "lblTili", 18), QString());
        EXPECT_EQ(cell(&w, "lblDebet", 18), eur(0));
        EXPECT_EQ(w.lblErotusSumma->text(), eur(0));
        EXPECT_EQ(count("SELECT COUNT(*) FROM tlSaldot"), 0);
        w.cSulje->click();
        EXPECT_FALSE(w.isLoaded());
    }
    addAccounts(1, 10);
    {
        frmTilienSaldot& w = open();
        EXPECT_EQ(cell(&w, "lblTili", 9), QStringLiteral("1010 Tili 10"));
        EXPECT_EQ(cell(&w, "lblTili", 10), QString());
        EXPECT_EQ(cell(&w, "lblKredit", 10), eur(0));
        w.scrlBar->setValue(1);
        EXPECT_EQ(cell(&w, "lblTili", 0), QStringLiteral("1002 Tili 2"));
        EXPECT_EQ(cell(&w, "lblKredit", 17), eur(0));
        EXPECT_EQ(cell(&w, "lblKredit", 18), QString());  // past the arrays: blank
        w.mSulje->trigger();
    }
    addAccounts(11, 25);
    frmTilienSaldot& w = open();
    EXPECT_EQ(w.scrlBar->maximum(), 6);
    w.scrlBar->setValue(6);
    EXPECT_EQ(cell(&w, "lblTili", 0), QStringLiteral("1007 Tili 7"));
    EXPECT_EQ(cell(&w, "lblTili", 18), QStringLiteral("1025 Tili 25"));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("lblTili(19)")), nullptr);
}

TEST_F(Balances, RefreshRebuildsForANewNumberOfAccountsOnly) {
    addAccounts(1, 25);
    frmTilienSaldot& w = open();
    w.scrlBar->setValue(3);
    w.cPaivitaSaldot->click();  // same count: the position stays
    EXPECT_EQ(w.scrlBar->value(), 3);
    EXPECT_EQ(cell(&w, "lblTili", 0), QStringLiteral("1004 Tili 4"));

    db().Execute(QStringLiteral("DELETE FROM tl WHERE tlNumero > 1020"));
    w.mPaivitaSaldot->trigger();
    EXPECT_EQ(w.heldRowCount(), 20);
    EXPECT_EQ(w.scrlBar->value(), 0);
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    EXPECT_EQ(w.rows().highestIndex(), 18);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlSaldot"), 20);

    addAccounts(21, 27);
    w.scrlBar->setValue(1);
    w.cPaivitaSaldot->click();
    EXPECT_EQ(w.arraySize(), 27);
    EXPECT_EQ(w.scrlBar->value(), 0);
    EXPECT_EQ(w.scrlBar->maximum(), 8);
    w.scrlBar->setValue(8);
    EXPECT_EQ(cell(&w, "lblTili", 18), QStringLiteral("1027 Tili 27"));
}

TEST_F(Balances, PrintShowsTheTableAsTheLastComputationLeftIt) {
    core::SeuranNimi = QStringLiteral("Pelle's kerho");
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long t1 = addVoucher(1, day(2, 1));
    addEntry(t1, kassa, "D", 100);
    frmTilienSaldot& w = open();
    addEntry(t1, kassa, "D", 50);  // not yet refreshed

    report::ReportControl& rc = reports::CrystalReport1();
    const int runs = rc.runCount();
    onModal = [](ui::Form& f) { static_cast<reports::frmTulostus&>(f).cPeruTulostus->click(); };
    w.mTulosta->trigger();
    EXPECT_EQ(rc.runCount(), runs);

    printToWindow();
    w.Tulosta();
    ASSERT_EQ(rc.runCount(), runs + 1);
    const report::RunRecord& run = rc.lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(run.properties.reportFileName, tmp.file(QStringLiteral("tilisald.rpt")));
    EXPECT_EQ(run.properties.destination, 0);
    EXPECT_EQ(run.properties.formulas[0], QStringLiteral("Seurannimi= 'Pelle's kerho'"));
    EXPECT_EQ(run.properties.formulas[1], QStringLiteral("Otsake= 'Tilien saldot'"));
    EXPECT_EQ(run.properties.sortFields[0], QStringLiteral("+{tlSaldot.tlsID}"));
    EXPECT_TRUE(run.properties.selectionFormula.isEmpty());
    EXPECT_EQ(run.properties.sectionFonts[0].left(4), QStringLiteral("ALL;"));
    const auto details = run.report->bands(SectionKind::Detail);
    ASSERT_EQ(details.size(), 1u);
    EXPECT_EQ(details[0]->text(QStringLiteral("tili")), QStringLiteral("1000 Kassa"));
    EXPECT_EQ(details[0]->text(QStringLiteral("debet")), QStringLiteral("100,00"));
    EXPECT_EQ(modalShown, QStringList({QStringLiteral("frmTulostus"), QStringLiteral("frmTulostus")}));
}

TEST_F(Balances, TheVoucherWindowsOpenTheViewsByName) {
    accounts::RegisterAccountViews();
    for (const char* name : {"frmTilienSaldot", "frmTilitarkastelu", "frmPaivaSaldot"}) {
        EXPECT_TRUE(shell::RunOpener(QString::fromLatin1(name))) << name;
        ui::Form* f = ui::Forms::find(QString::fromLatin1(name));
        ASSERT_NE(f, nullptr) << name;
        EXPECT_TRUE(f->isLoaded() && f->isVisible()) << name;
        EXPECT_FALSE(f->isShownModal()) << name;
    }
    shell::ClearOpeners();
}

TEST_F(Balances, DefinitionRendersToPdf) {
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long pankki = addAccount(1910, QStringLiteral("Pankki"));
    const long t1 = addVoucher(1, day(2, 1));
    addEntry(t1, kassa, "D", 100);
    addEntry(t1, pankki, "K", 30);
    open();
    const report::RunRecord* run = nullptr;
    EXPECT_NO_THROW(run = &renderToPdf(QStringLiteral("tilisald.rpt"), QStringLiteral("Tilien saldot"),
                                       QStringLiteral("+{tlSaldot.tlsID}")));
    ASSERT_TRUE(run && run->succeeded) << (run ? run->errorText.toStdString() : std::string());
    EXPECT_GT(QFileInfo(run->outputFile).size(), 0);
    const auto details = run->report->bands(SectionKind::Detail);
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[1]->text(QStringLiteral("tili")), QStringLiteral("1910 Pankki"));
    const auto footer = run->report->bands(SectionKind::ReportFooter);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0]->text(QStringLiteral("erotus")), QStringLiteral("70,00"));
}

}  // namespace
