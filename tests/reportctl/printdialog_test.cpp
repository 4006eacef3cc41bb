// The print dialog: what it offers and hands back, cancel by every path,
// the copies check, the printer choice, and that an old period-dialog
// cancel does not stop it.

#include "platform/report/reportcontrol.h"
#include "platform/ui/printers.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportfixture.h"

#include <QComboBox>
#include <QPushButton>

using reports::frmTulostus;

namespace {

class PrintDialog : public kvtest::ReportTest {
protected:
    bool ask(std::function<void(frmTulostus&)> act) {
        onModal = [act](ui::Form& f) { act(static_cast<frmTulostus&>(f)); };
        return reports::AskPrintDestination();
    }
    // Orders the print. The dialog asks nothing more: the PDF printer's file
    // is asked by the run, which knows the report's title.
    void order(frmTulostus& d, int destination, const QString& copies) {
        d.cmbTulostusLaite->setCurrentIndex(destination);
        d.tKopioita->setText(copies);
        d.cTulosta->click();
    }
    void TearDown() override {
        reports::CrystalReport1().setPrinterName(QString());
        reports::CrystalReport1().setPrintFileName(QString());
        kvtest::ReportTest::TearDown();
    }
};

TEST_F(PrintDialog, OffersTheWindowAndThePreviousCountAndHandsBackTheChoice) {
    core::TulostusKopioita = 3;
    reports::DialogiPeruttu = true;  // an earlier period dialog was cancelled: no matter here
    EXPECT_TRUE(ask([this](frmTulostus& d) {
        EXPECT_EQ(d.cmbTulostusLaite->currentText(), QStringLiteral("Ikkuna"));
        EXPECT_EQ(d.cmbTulostusLaite->itemText(1), QStringLiteral("Tulostin"));
        EXPECT_EQ(d.tKopioita->text(), QStringLiteral("3"));
        EXPECT_EQ(QApplication::focusWidget(), d.tKopioita);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kolvio VEV - Tulostusasetukset"));
        order(d, 1, QStringLiteral("2"));
    }));
    EXPECT_EQ(reports::TulostusLaite, 1);
    EXPECT_EQ(core::TulostusKopioita, 2);

    EXPECT_TRUE(ask([](frmTulostus& d) {
        d.tKopioita->setText(QStringLiteral("4"));
        QTest::keyClick(d.tKopioita, Qt::Key_Return);
    }));
    EXPECT_EQ(reports::TulostusLaite, 0);
    EXPECT_EQ(core::TulostusKopioita, 4);
    EXPECT_EQ(modalShown.size(), 2);
}

TEST_F(PrintDialog, CancelEscAndTheCloseBoxNeverPrint) {
    core::TulostusKopioita = 5;
    const std::vector<std::function<void(frmTulostus&)>> endings = {
        [](frmTulostus& d) { d.cPeruTulostus->click(); },
        [](frmTulostus& d) { QTest::keyClick(d.tKopioita, Qt::Key_Escape); },
        [](frmTulostus& d) { d.close(); },
    };
    for (const auto& end : endings) {
        // A print first, so that a stale "not cancelled" is there.
        EXPECT_TRUE(ask([this](frmTulostus& d) { order(d, 1, QStringLiteral("5")); }));
        EXPECT_FALSE(ask([&end](frmTulostus& d) {
            d.tKopioita->setText(QStringLiteral("9"));
            end(d);
        }));
        EXPECT_TRUE(reports::TulostusPeruttu);
        EXPECT_EQ(core::TulostusKopioita, 5);
    }
}

TEST_F(PrintDialog, ACountThatIsNoSixteenBitNumberGivesOneCopy_AskingFirstForThePrinter) {
    const QString question = QStringLiteral("Antamasi kopiomäärä on virheellinen. Haluatko tulostaa yhden kopion?");
    core::TulostusKopioita = 2;
    EXPECT_TRUE(ask([this](frmTulostus& d) { order(d, 0, QStringLiteral("abc")); }));
    EXPECT_EQ(core::TulostusKopioita, 1);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    dialogs.expectMessage(question, ui::Answer::Yes);
    EXPECT_TRUE(ask([this](frmTulostus& d) { order(d, 1, QStringLiteral("100000")); }));
    EXPECT_EQ(core::TulostusKopioita, 1);
    EXPECT_EQ(dialogs.shown().front().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(dialogs.shown().front().icon, ui::Icon::Question);

    // No: back to the copies, the dialog open; closing it then is still a cancel.
    core::TulostusKopioita = 2;
    dialogs.expectMessage(question, ui::Answer::No);
    EXPECT_FALSE(ask([this](frmTulostus& d) {
        order(d, 1, QStringLiteral("x1"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), d.tKopioita);
        d.close();
    }));
    EXPECT_EQ(core::TulostusKopioita, 2);

    for (const char* low : {"0", "-3"}) {
        EXPECT_TRUE(ask([this, low](frmTulostus& d) { order(d, 1, QString::fromLatin1(low)); }));
        EXPECT_EQ(core::TulostusKopioita, 1) << low;
    }
    EXPECT_EQ(frmTulostus::ReadCopies(QStringLiteral(" 2,5 ")), 2);
    EXPECT_EQ(frmTulostus::ReadCopies(QStringLiteral("32767")), 32767);
    EXPECT_EQ(frmTulostus::ReadCopies(QStringLiteral("-32769")), std::nullopt);
}

TEST_F(PrintDialog, TheChosenPrinterStaysOnTheSharedControl) {
    report::ReportControl& rc = reports::CrystalReport1();
    dialogs.expectPrinter(QStringLiteral("Toimiston laser"));
    dialogs.expectPrinter(QString());  // cancelled: the printer stays
    EXPECT_TRUE(ask([this](frmTulostus& d) {
        d.cTulostin->click();
        d.cTulostin->click();
        EXPECT_TRUE(d.isVisible());
        order(d, 1, QStringLiteral("1"));
    }));
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Toimiston laser"));
    reports::ResetReportFormulas();
    EXPECT_EQ(rc.printerName(), QStringLiteral("Toimiston laser"));
}

}  // namespace
