// The account entries view: which entries are listed and how, the work
// table, the 19 scrolled rows, the account choice, closing, and the print.

#include "accounts/views/accountviews.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "viewsfixture.h"

#include <QScrollBar>

using accounts::frmTilitarkastelu;
using report::SectionKind;

namespace {

class Entries : public kvtest::ViewsTest {
protected:
    frmTilitarkastelu& open() {
        accounts::ShowTilitarkastelu();
        return ui::Forms::get<frmTilitarkastelu>();
    }
    static void choose(frmTilitarkastelu& w, int line) {
        w.cmbTilit->setCurrentIndex(line);
        Q_EMIT w.cmbTilit->activated(line);
    }
    struct TableRow {
        long numero;
        QString paiva;
        QString selite;
        QString debet, kredit, erotus;
    };
    static std::vector<TableRow> table() {
        std::vector<TableRow> out;
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT * FROM tlTarkastelut ORDER BY tltID"),
                                               dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext())
            out.push_back({long(rs.value(QStringLiteral("Numero")).toLong()),
                           rs.value(QStringLiteral("Paiva")).toDate().toShortString(),
                           rs.value(QStringLiteral("Selite")).toString(),
                           rs.value(QStringLiteral("Debet")).toCurrency().toInvariantString(),
                           rs.value(QStringLiteral("Kredit")).toCurrency().toInvariantString(),
                           rs.value(QStringLiteral("Erotus")).toCurrency().toInvariantString()});
        return out;
    }
};

TEST_F(Entries, ListsTheAccountsEntriesInDateOrderWithEachRowsDifference) {
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long muu = addAccount(2000, QStringLiteral("Muu"));
    const long t2 = addVoucher(2, day(3, 10), QString());
    const long t1 = addVoucher(1, day(2, 1), QStringLiteral("Jäsenmaksu"));
    const long avaus = addVoucher(0, day(1, 1), QStringLiteral("Avaus"));
    const long apu = addVoucher(-1, day(1, 1), QStringLiteral("Apu"));
    const long autom = addVoucher(-2, day(12, 31), QStringLiteral("Automaattikirjaukset"));
    addEntry(t1, kassa, "D", 100);
    addEntry(t1, kassa, "K", 30);
    addEntry(avaus, kassa, "D", 5, true);  // automatic, yet on a voucher of 0 or above: listed
    addEntry(apu, kassa, "D", 1);
    addEntry(autom, kassa, "K", 2);
    addEntry(t2, kassa, "k", 7);  // lower case: a credit too
    addEntry(t2, kassa, "x", 9);  // no side: listed with zero amounts
    addEntry(t1, muu, "D", 11);
    db().Execute(QStringLiteral("INSERT INTO tlTarkastelut (Numero, Selite) VALUES (99, 'vanha')"));

    frmTilitarkastelu& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tilien tarkastelu"));
    EXPECT_TRUE(w.noEntries());  // nothing without an account
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlTarkastelut"), 0);
    ASSERT_EQ(w.cmbTilit->count(), 3);
    EXPECT_EQ(w.cmbTilit->itemText(0), QStringLiteral(" "));
    EXPECT_EQ(w.cmbTilit->itemText(1), QStringLiteral("1000 Kassa"));
    EXPECT_EQ(w.cmbTilit->currentIndex(), -1);

    choose(w, 1);
    ASSERT_FALSE(w.noEntries());
    const std::vector<TableRow> rows = table();
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].numero, 0);
    EXPECT_EQ(rows[0].selite, QStringLiteral("Avaus"));
    EXPECT_EQ(rows[1].numero, 1);
    EXPECT_EQ(rows[1].paiva, QStringLiteral("1.2.2031"));
    EXPECT_EQ(rows[1].debet, QStringLiteral("100"));
    EXPECT_EQ(rows[1].kredit, QStringLiteral("0"));
    EXPECT_EQ(rows[1].erotus, QStringLiteral("100"));
    EXPECT_EQ(rows[2].debet, QStringLiteral("0"));
    EXPECT_EQ(rows[2].kredit, QStringLiteral("30"));
    EXPECT_EQ(rows[2].erotus, QStringLiteral("-30"));
    EXPECT_EQ(rows[3].numero, 2);
    EXPECT_EQ(rows[3].selite, QStringLiteral(" "));  // an empty voucher text
    EXPECT_EQ(rows[3].kredit, QStringLiteral("7"));
    EXPECT_EQ(rows[3].erotus, QStringLiteral("-7"));
    EXPECT_EQ(rows[4].numero, 2);
    EXPECT_EQ(rows[4].debet, QStringLiteral("0"));
    EXPECT_EQ(rows[4].kredit, QStringLiteral("0"));
    EXPECT_EQ(rows[4].erotus, QStringLiteral("0"));

    EXPECT_EQ(cell(&w, "lblNumero", 1), QStringLiteral("1"));
    EXPECT_EQ(cell(&w, "lblPaiva", 1), QStringLiteral("1.2.2031"));
    EXPECT_EQ(cell(&w, "lblSelite", 1), QStringLiteral("Jäsenmaksu"));
    EXPECT_EQ(cell(&w, "lblKredit", 2), eur(30));
    EXPECT_EQ(cell(&w, "lblErotus", 2), eur(-30));
    EXPECT_EQ(cell(&w, "lblSelite", 3), QString());
    EXPECT_EQ(cell(&w, "lblNumero", 5), QString());
    EXPECT_EQ(w.lblDebetSumma->text(), eur(105));
    EXPECT_EQ(w.lblKreditSumma->text(), eur(37));
    EXPECT_EQ(w.lblErotusSumma->text(), eur(68));
}

TEST_F(Entries, TheChoiceDecidesWhatARefreshLists) {
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long t1 = addVoucher(1, day(2, 1), QStringLiteral("Ilman tiliä"));
    addEntry(t1, kassa, "D", 100);
    addEntry(t1, 0, "K", 100);

    frmTilitarkastelu& w = open();
    ASSERT_FALSE(w.noEntries());  // at load: the entry without an account
    EXPECT_EQ(cell(&w, "lblSelite", 0), QStringLiteral("Ilman tiliä"));

    choose(w, 1);
    EXPECT_EQ(w.DebetAt(0), dao::Currency::fromUnits(100));
    // Typed text is no choice: refresh changes nothing.
    w.cmbTilit->setEditText(QStringLiteral("10"));
    db().Execute(QStringLiteral("DELETE FROM vi WHERE vitlID = ?"), {kassa});
    w.cPaivita->click();
    EXPECT_FALSE(w.noEntries());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlTarkastelut"), 1);

    choose(w, 0);  // the blank line: the entries without an account
    EXPECT_EQ(w.KreditAt(0), dao::Currency::fromUnits(100));
    choose(w, 1);
    EXPECT_TRUE(w.noEntries());
    for (int r = 0; r < 19; ++r) EXPECT_EQ(cell(&w, "lblErotus", r), QString()) << r;
    EXPECT_EQ(w.lblErotusSumma->text(), eur(0));
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlTarkastelut"), 0);

    // Closing lists the entries without an account into the table once more.
    w.cSulje->click();
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tlTarkastelut"), 1);
}

TEST_F(Entries, NineteenRowsScrollOverTheListing) {
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long muu = addAccount(2000, QStringLiteral("Muu"));
    const long pankki = addAccount(3000, QStringLiteral("Pankki"));
    for (int i = 1; i <= 30; ++i) {
        const long t = addVoucher(i, day(1 + (i - 1) / 28, 1 + (i - 1) % 28), QStringLiteral("T%1").arg(i));
        if (i <= 5) addEntry(t, kassa, "D", i);
        if (i <= 20) addEntry(t, muu, "D", i);
        addEntry(t, pankki, "K", i);
    }
    frmTilitarkastelu& w = open();
    choose(w, 1);
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    w.scrlBar->setValue(1);
    EXPECT_EQ(cell(&w, "lblSelite", 0), QStringLiteral("T2"));
    EXPECT_EQ(cell(&w, "lblSelite", 3), QStringLiteral("T5"));
    EXPECT_EQ(cell(&w, "lblSelite", 4), QString());

    choose(w, 2);
    EXPECT_EQ(w.scrlBar->value(), 0);
    EXPECT_EQ(w.scrlBar->maximum(), 1);
    choose(w, 3);
    EXPECT_EQ(w.arraySize(), 30);
    EXPECT_EQ(w.scrlBar->maximum(), 11);
    w.scrlBar->setValue(11);
    EXPECT_EQ(cell(&w, "lblSelite", 18), QStringLiteral("T30"));
    EXPECT_EQ(cell(&w, "lblPaiva", 18), QStringLiteral("2.2.2031"));
}

TEST_F(Entries, PrintAndDefinitionRenderTheListing) {
    core::SeuranNimi = QStringLiteral("Kerho");
    const long kassa = addAccount(1000, QStringLiteral("Kassa"));
    const long t1 = addVoucher(1, day(2, 1), QStringLiteral("Jäsenmaksu"));
    const long t2 = addVoucher(2, day(2, 3), QStringLiteral("Kahvit"));
    addEntry(t1, kassa, "D", 100);
    addEntry(t2, kassa, "K", 30);
    frmTilitarkastelu& w = open();
    choose(w, 1);

    printToWindow();
    w.mTulosta->trigger();
    const report::RunRecord& run = reports::CrystalReport1().lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    EXPECT_EQ(run.properties.reportFileName, tmp.file(QStringLiteral("tilitark.rpt")));
    EXPECT_EQ(run.properties.formulas[1], QStringLiteral("Otsake= 'Tilitarkastelu'"));
    EXPECT_EQ(run.properties.sortFields[0], QStringLiteral("+{tlTarkastelut.tltID}"));
    EXPECT_EQ(run.report->bands(SectionKind::Detail).size(), 2u);

    const report::RunRecord* pdf = nullptr;
    EXPECT_NO_THROW(pdf = &renderToPdf(QStringLiteral("tilitark.rpt"), QStringLiteral("Tilitarkastelu"),
                                       QStringLiteral("+{tlTarkastelut.tltID}")));
    ASSERT_TRUE(pdf && pdf->succeeded) << (pdf ? pdf->errorText.toStdString() : std::string());
    EXPECT_GT(QFileInfo(pdf->outputFile).size(), 0);
    const auto details = pdf->report->bands(SectionKind::Detail);
    ASSERT_EQ(details.size(), 2u);
    EXPECT_EQ(details[0]->text(QStringLiteral("paiva")), QStringLiteral("1.2.2031"));
    EXPECT_EQ(details[1]->text(QStringLiteral("selite")), QStringLiteral("Kahvit"));
    EXPECT_EQ(details[1]->text(QStringLiteral("erotus")), dao::Currency::fromUnits(-30).toLocaleString());
    const auto footer = pdf->report->bands(SectionKind::ReportFooter);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0]->text(QStringLiteral("erotus")), QStringLiteral("70,00"));
}

}  // namespace
