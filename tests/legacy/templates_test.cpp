// The older voucher window's templates (menu, quick-choice buttons, the
// editor, a voucher made from a template) and the balance of the account
// chosen in the settings; and the window's default report definition.

#include "legacyfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using kvtest::LegacyTest;
using report::SectionKind;
using ui::Answer;

namespace {

const char* kTemplates =
    "INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (1, 'Palkka', 'Palkanmaksu', 0);\n"
    "INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (2, 'Apuraha', 'Apu', 3);\n"
    "INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (3, 'Nolla', ' ', 0);\n"
    "INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (1, 5, 1, 'D', 300, 1);\n"
    "INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (2, 2, 1, 'K', 500, 0);\n"
    "INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (3, 3, 1, 'D', 200, 0);\n"
    "INSERT INTO vipPohjat (vipID, viptlID, viptpID, vipTyyppi, vipArvo, vipkpID) VALUES (4, 1, 3, 'D', 0, 0);\n";

QStringList menuItems(const legacy::frmTositteet& f) {
    QStringList out;
    for (const QAction* a : f.mTositepohjaX)
        if (a->isVisible()) out << a->text();
    return out;
}

TEST_F(LegacyTest, TheTemplateMenuAndButtonsFollowTheStoredTemplates) {
    book(QString::fromUtf8(kTemplates));
    auto& f = open();
    EXPECT_EQ(menuItems(f), QStringList({"Apuraha", "Nolla", "Palkka"}));
    for (int n = 1; n <= 4; ++n) {
        QPushButton* b = f.cTositePohja[size_t(n)];
        if (n == 3) {
            EXPECT_TRUE(!b->isHidden() && b->isEnabled());
            EXPECT_EQ(b->text(), "(&3) Apuraha");
        } else {
            EXPECT_TRUE(b->isHidden() && !b->isEnabled() && b->text().isEmpty()) << n;
        }
    }
    // The editor closes with one template fewer: the menu follows.
    legacy::frmTositteet::SetTemplateEditor([this] { db().Execute("DELETE FROM tpPohjat WHERE tpID = 3"); });
    f.mMuokkaaTositepohjia->trigger();
    EXPECT_EQ(menuItems(f), QStringList({"Apuraha", "Palkka"}));
    EXPECT_EQ(f.mTositepohjaX.size(), 2);

    legacy::frmTositteet::SetTemplateEditor([this] { db().Execute("DELETE FROM tpPohjat"); });
    f.mMuokkaaTositepohjia->trigger();
    EXPECT_TRUE(menuItems(f).isEmpty());
    EXPECT_TRUE(f.cTositePohja[3]->isHidden());
}

TEST_F(LegacyTest, ATemplateMakesAStoredVoucherOfTheModeWithItsEntries) {
    book(QString::fromUtf8(kTemplates));
    balanced(0, "Avaus", "100", true);
    addVoucher(1, "Eka", false, false, 3);
    addVoucher(2, "Toka", false, false, 9);
    auto& f = open(true, false);
    EXPECT_EQ(f.mTositepohjaX[2]->text(), "Palkka");
    f.mTositepohjaX[2]->trigger();
    settle();

    // Numbered as cTosite numbers a voucher (one series), dated as the
    // latest voucher, shown and ready for its date.
    const long id = value("SELECT toID FROM to WHERE toSelite = 'Palkanmaksu'");
    EXPECT_EQ(value("SELECT toNumero FROM to WHERE toID = ?", {id}), 3);
    EXPECT_EQ(text("SELECT toPvm FROM to WHERE toID = ?", {id}), "2031-02-09");
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toID = ? AND toAvaustosite = True AND toPaatostosite = False", {id}), 1);
    EXPECT_EQ(entries(id), QStringList({"D 5 300", "D 3 200", "K 2 500"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viSelite = 'Palkanmaksu' AND viAvausvienti = True", {id}),
              3);
    EXPECT_EQ(value("SELECT vikpID FROM vi WHERE vitoID = ? AND vitlID = 5", {id}), 1);
    EXPECT_EQ(f.tTositenumero->text(), "3");
    EXPECT_EQ(f.tTositeSelite->text(), "Palkanmaksu");
    EXPECT_EQ(f.grdViennit->rowCount(), 3);
    EXPECT_EQ(focused(), f.tTositepvm);

    // A line with an account and no amount is stored with 0; an empty
    // template text gives the voucher one blank.
    f.mTositepohjaX[1]->trigger();
    settle();
    const long nolla = value("SELECT MAX(toID) FROM to");
    EXPECT_EQ(text("SELECT toSelite FROM to WHERE toID = ?", {nolla}), " ");
    EXPECT_EQ(entries(nolla), QStringList({"D 1 0"}));

    // The quick-choice button makes its template's voucher too.
    f.cTositePohja[3]->click();
    settle();
    EXPECT_EQ(f.tTositeSelite->text(), "Apu");
    EXPECT_EQ(value("SELECT COUNT(*) FROM to"), 6);
}

// The book refuses the template's credit line: neither the voucher nor its
// debit entries stay behind.
TEST_F(LegacyTest, AVoucherFromATemplateIsStoredWholeOrNotAtAll) {
    book(QString::fromUtf8(kTemplates));
    balanced(1, "Eka", "10");
    refuseInBook("BEFORE INSERT ON vi WHEN NEW.vitlID = 2");
    auto& f = open();
    dialogs->expectMessage("Odottamaton virhe: ", Answer::OK);
    f.mTositepohjaX[2]->trigger();
    settle();
    EXPECT_EQ(value("SELECT COUNT(*) FROM to"), 1);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 2);
}

TEST_F(LegacyTest, TheChosenAccountsBalanceCountsEveryEntryWithAVoucher) {
    book();
    const long v1 = addVoucher(1, "Normaali");
    const long kassa = addEntry(v1, Kassa, "D", "100");
    addEntry(v1, Pankki, "K", "100");
    const long v2 = addVoucher(0, "Avaus", true);
    addEntry(v2, Kassa, "K", "30", true);
    addEntry(v2, Pankki, "D", "30", true);
    const long v3 = addVoucher(2, "Kulu", false, true);
    addEntry(v3, Kulut, "K", "30");
    addEntry(v3, Pankki, "D", "30");
    auto& f = open();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), "- -");

    core::LaskettavaTili = Kassa;
    addEntry(999, Kassa, "D", "1000");  // no voucher: not counted
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("70"));
    core::LaskettavaTili = Kulut;
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("-30"));

    // Showing the balance stores the entry being edited.
    core::LaskettavaTili = Kassa;
    ASSERT_EQ(f.CurVienti().id(), kassa);
    retype(f.tSumma, "150");
    f.ShowHalutunTilinSaldo();
    EXPECT_EQ(text("SELECT viArvo FROM vi WHERE viID = ?", {kassa}), "150");
    EXPECT_EQ(f.lblHalutunTilinSaldo->text(), euros("120"));
}

TEST_F(LegacyTest, TheDefaultDefinitionOfTheOlderWindowsRendersTheVouchersToPdf) {
    book();
    balanced(2, "Toinen", "20");
    const long v1 = addVoucher(1, "Ensimmäinen");
    addEntry(v1, Kassa, "D", "12.5");
    addEntry(v1, Jasenmaksut, "K", "10");
    addVoucher(-1, "Työtosite");
    // The windows hand the shared control this definition as they load.
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    EXPECT_EQ(QFileInfo(reports::CrystalReport1().reportFileName()).fileName(), "jrjasmak.rpt");
    ui::Forms::unload(f);

    report::ReportControl& rc = reports::CrystalReport1();
    reports::ResetReportFormulas();
    rc.setReportFileName(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports/jrjasmak.rpt")));
    rc.setDestination(report::ReportControl::ToFile);
    const QString pdf = dir.file(QStringLiteral("jrjasmak.pdf"));
    rc.setPrintFileName(pdf);
    rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), QStringLiteral("Kerho")));
    rc.setAction(1);
    const report::RunRecord& run = rc.lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    QStringList vouchers;
    for (const report::LaidBand* b : run.report->bands(SectionKind::GroupHeader, QStringLiteral("tosite")))
        vouchers << b->text(QStringLiteral("tosite"));
    EXPECT_EQ(vouchers, QStringList({"1", "2"}));
    const auto footer = run.report->bands(SectionKind::ReportFooter);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0]->text(QStringLiteral("debetyhteensa")), "32,50");
    EXPECT_EQ(footer[0]->text(QStringLiteral("kredityhteensa")), "30,00");
    EXPECT_EQ(footer[0]->text(QStringLiteral("erotus")), "2,50");
}

}  // namespace
