// The period dialogs: the period offered and handed back, the check of a
// date field as it is left, each member's options and the globals it sets
// or leaves, cancelling, and the texts in Swedish.

#include "core/bookfixture.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/printers.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportfixture.h"
#include "support/datetypings.h"
#include "support/swedish.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace reports;
using kvtest::ymd;

namespace {

class PeriodDialogs : public kvtest::ReportTest {
protected:
    // Shows T as its opener does: prepare after the load, act while shown.
    template <class T>
    void open(std::function<void(T&)> act, std::function<void(T&)> prepare = {}) {
        T& d = ui::Forms::load<T>();
        if (prepare) prepare(d);
        onModal = [act](ui::Form& f) { act(static_cast<T&>(f)); };
        ui::Forms::show(d, true);
    }
    // Two accounts, two cost centres (one without a name).
    void makeBook() {
        kvtest::makeCurrentBook(tmp, QStringLiteral(
            "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankkitili', ' ');\n"
            "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Nuoriso', ' ');\n"
            "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, NULL, ' ');\n"));
        core::TilikausiAlku = ymd(2012, 1, 1);
        core::TilikausiLoppu = ymd(2012, 12, 31);
    }
    static void choose(QComboBox* c, const QString& text) {
        c->setCurrentIndex(c->findText(text));
        ASSERT_GE(c->currentIndex(), 0) << text.toStdString();
    }
    static long key(QComboBox* c, const QString& text) { return c->itemData(c->findText(text)).toLongLong(); }
    static void tabOut(QLineEdit* field) {
        QTest::keyClick(field, Qt::Key_Tab);
        settle();
    }
};

TEST_F(PeriodDialogs, OfferTheLastAcceptedPeriodAndHandTheNewOneBack) {
    core::RaporttiAlkuPvm = core::RaporttiLoppuPvm = dao::Date();  // unset: empty fields, never date 0
    VainTap = true;
    open<frmDates2>([](frmDates2& d) {
        EXPECT_TRUE(DialogiPeruttu);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kolvio VEV - Päivämäärät"));
        EXPECT_EQ(d.tAlkupvm->text() + d.tLoppupvm->text(), QString());
        EXPECT_FALSE(d.cPeru->isVisible());
        d.cSeuraava->click();
    });
    EXPECT_EQ(core::RaporttiAlkuPvm, ymd(2012, 1, 1));
    EXPECT_EQ(core::RaporttiLoppuPvm, ymd(2012, 12, 31));

    open<frmDates2>([](frmDates2& d) {
        EXPECT_EQ(d.tAlkupvm->text(), QStringLiteral("1.1.2012"));
        d.tAlkupvm->setText(QStringLiteral("1.2.2012"));
        d.tLoppupvm->setText(QStringLiteral("29.2.2012"));
        QTest::keyClick(d.tAlkupvm, Qt::Key_Return);
    });
    EXPECT_FALSE(DialogiPeruttu);
    EXPECT_TRUE(VainTap);  // the journal's dialog leaves it alone
    EXPECT_EQ(ui::Forms::find<frmDates2>(), nullptr);

    // The general ledger's dialog offers that period; its box starts cleared.
    open<frmDates3>([](frmDates3& d) {
        EXPECT_EQ(d.tAlkupvm->text(), QStringLiteral("1.2.2012"));
        EXPECT_EQ(d.tLoppupvm->text(), QStringLiteral("29.2.2012"));
        EXPECT_FALSE(d.chkVainTap->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), d.chkVainTap);
        d.tAlkupvm->setText(QStringLiteral("1.6.2012"));  // after the last day: taken as it stands
        d.cSeuraava->click();
    });
    EXPECT_EQ(core::RaporttiAlkuPvm, ymd(2012, 6, 1));
    EXPECT_EQ(core::RaporttiLoppuPvm, ymd(2012, 2, 29));
    EXPECT_FALSE(VainTap);
}

TEST_F(PeriodDialogs, ALeftDateIsCheckedAndTakesTheFocusBackAtMostOncePerEdit) {
    open<frmDates2>([this](frmDates2& d) {
        type(d.tAlkupvm, QStringLiteral("15.3.2011"));
        tabOut(d.tAlkupvm);
        EXPECT_EQ(d.tAlkupvm->text(), QStringLiteral("15.3.2012"));
        EXPECT_EQ(QApplication::focusWidget(), d.tLoppupvm);

        dialogs.expectMessage(QStringLiteral("Alkupäivämäärä ei kuulu tilikauteen: 1.1.2012-31.12.2012"), ui::Answer::OK);
        type(d.tAlkupvm, QStringLiteral("15.03.2010"));
        tabOut(d.tAlkupvm);
        EXPECT_EQ(d.tAlkupvm->text(), QStringLiteral("15.3.2010"));
        EXPECT_EQ(QApplication::focusWidget(), d.tAlkupvm);
        tabOut(d.tAlkupvm);  // left again unchanged: the focus goes
        EXPECT_EQ(QApplication::focusWidget(), d.tLoppupvm);
        EXPECT_EQ(dialogs.shown().size(), 1);

        type(d.tLoppupvm, QStringLiteral("30.6.2013"));
        tabOut(d.tLoppupvm);
        EXPECT_EQ(d.tLoppupvm->text(), QStringLiteral("30.6.2012"));
        d.cSeuraava->click();
    });
    EXPECT_EQ(core::RaporttiAlkuPvm, ymd(2010, 3, 15));  // stored as typed
    EXPECT_EQ(core::RaporttiLoppuPvm, ymd(2012, 6, 30));

    // Both fields outside the year: each takes the focus back once, no more.
    open<frmDates2>([this](frmDates2& d) {
        dialogs.expectMessage(QStringLiteral("Alkupäivämäärä ei kuulu"), ui::Answer::OK);
        dialogs.expectMessage(QStringLiteral("Loppupäivämäärä ei kuulu"), ui::Answer::OK);
        d.tLoppupvm->setText(QStringLiteral("15.3.2014"));
        type(d.tAlkupvm, QStringLiteral("15.3.2010"));
        QTest::keyClick(d.tAlkupvm, Qt::Key_Tab);
        for (int i = 0; i < 20; ++i) settle();
        EXPECT_EQ(dialogs.shown().size(), 3);
        EXPECT_EQ(QApplication::focusWidget(), d.tLoppupvm);
        d.close();
    });
}

// The texts of the voucher date's table typed over one date of the period
// under several regional formats, then "Seuraava -->" clicked or Enter: a
// text that is no date is refused (the user is asked for the date, nothing
// is said to be stored), the dialog stays open with the field showing its
// date again, and nothing is printed; refused on Tab, it leaves the period
// that the field shows. The dialog steps no date: "+" and "-" are typed as
// they are.
TEST_F(PeriodDialogs, ATextThatIsNoDateIsRefusedAndNoOtherPeriodIsPrinted) {
    enum Way { Click, Enter, TabThenClick };
    const dao::Date had = ymd(2031, 6, 30);
    core::TilikausiAlku = ymd(2031, 1, 1);
    core::TilikausiLoppu = ymd(2031, 12, 31);
    const QLocale formatsBefore;
    for (const char* format : {"fi_FI", "sv_FI", "en_US"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(format)));
        for (const kvtest::DateTyping& t : kvtest::dateTypings()) {
            const bool refused = t.stored.isEmpty() || t.steps;
            const QString typed = t.steps ? QString(t.keys).remove(u'\b') : t.holds;
            for (const Way way : {Click, Enter, TabThenClick}) {
                for (const bool start : {true, false}) {
                    const QString message = start ? QStringLiteral("Anna alkupäivämäärä päivämäärämuodossa!")
                                                  : QStringLiteral("Anna loppupäivämäärä päivämäärämuodossa!");
                    SCOPED_TRACE(("\"" + t.keys + "\", way " + QString::number(way) + (start ? ", start in " : ", end in ") +
                                  format)
                                     .toStdString());
                    core::RaporttiAlkuPvm = core::RaporttiLoppuPvm = had;
                    open<frmDates2>([&](frmDates2& d) {
                        QLineEdit* field = start ? d.tAlkupvm : d.tLoppupvm;
                        kvtest::Keys::focusOn(field);
                        kvtest::Keys::overtype(field, t.keys);
                        EXPECT_EQ(field->text(), typed);
                        if (refused) dialogs.expectMessage(message, ui::Answer::OK);
                        if (way == TabThenClick) tabOut(field);
                        if (way == Enter)
                            QTest::keyClick(field, Qt::Key_Return);
                        else
                            QTest::mouseClick(d.cSeuraava, Qt::LeftButton);
                        settle();
                        EXPECT_EQ(dialogs.shownTexts(), refused ? QStringList{message} : QStringList{});
                        if (!refused || way == TabThenClick) return;
                        EXPECT_TRUE(d.isVisible());
                        EXPECT_EQ(field->text(), had.toShortString());
                        d.close();
                    });
                    EXPECT_EQ(DialogiPeruttu, refused && way != TabThenClick);
                    const dao::Date stored = refused ? had : *dao::Date::fromIso(t.stored);
                    EXPECT_EQ(core::RaporttiAlkuPvm, start ? stored : had);
                    EXPECT_EQ(core::RaporttiLoppuPvm, start ? had : stored);
                    dialogs.reset();
                }
            }
        }
    }
    QLocale::setDefault(formatsBefore);
}

TEST_F(PeriodDialogs, StatementDialogOptionsCostCentreChoiceAndCancel) {
    makeBook();
    RaporttiKpID = 5;
    open<frmDates>([](frmDates& d) {
        QStringList items;
        for (int i = 0; i < d.cmbKPt->count(); ++i) items << d.cmbKPt->itemText(i);
        EXPECT_EQ(items, (QStringList{QStringLiteral(" "), QStringLiteral("10 "), QStringLiteral("20 Nuoriso")}));
        EXPECT_EQ(d.cmbKPt->currentIndex(), -1);
        EXPECT_FALSE(d.chkVainTap->isEnabled());
        d.cSeuraava->click();
    });
    EXPECT_FALSE(RaporttiLaaja);
    EXPECT_TRUE(VainRyhmat);
    EXPECT_FALSE(TiliErottelu);
    EXPECT_FALSE(VainTap);
    EXPECT_EQ(RaporttiKpID, 0);

    long nuoriso = 0;
    open<frmDates>([&](frmDates& d) {
        d.optLaaja->setChecked(true);
        d.chkVainRyhmat->setChecked(false);
        d.chkTiliErottelu->setChecked(true);
        d.chkVainTap->setChecked(true);
        choose(d.cmbKPt, QStringLiteral("20 Nuoriso"));
        nuoriso = key(d.cmbKPt, QStringLiteral("20 Nuoriso"));
        d.cmbKPt->setFocus();
        QTest::keyClick(d.cmbKPt, Qt::Key_Return);
    });
    EXPECT_TRUE(RaporttiLaaja && !VainRyhmat && TiliErottelu && VainTap);
    EXPECT_GT(nuoriso, 0);
    EXPECT_EQ(RaporttiKpID, nuoriso);

    // Esc and the close box change nothing but the flag.
    for (bool esc : {true, false}) {
        open<frmDates>([esc](frmDates& d) {
            d.optSuppea->setChecked(true);
            choose(d.cmbKPt, QStringLiteral("10 "));
            d.tAlkupvm->setText(QStringLiteral("1.3.2012"));
            if (esc) QTest::keyClick(d.tAlkupvm, Qt::Key_Escape);
            else d.close();
        });
        EXPECT_TRUE(DialogiPeruttu);
        EXPECT_TRUE(RaporttiLaaja);
        EXPECT_EQ(RaporttiKpID, nuoriso);
        EXPECT_EQ(core::RaporttiAlkuPvm, ymd(2012, 1, 1));
    }

    // A balance-sheet model: no cost-centre choice, so no limit.
    open<frmDates>(
        [](frmDates& d) {
            EXPECT_FALSE(d.frameKustannuspaikka->isEnabled() || d.lblKustannuspaikka->isEnabled());
            choose(d.cmbKPt, QStringLiteral("10 "));
            d.cSeuraava->click();
        },
        [](frmDates& d) { d.EnableKustannuspaikatValinta(false); });
    EXPECT_EQ(RaporttiKpID, 0);
}

TEST_F(PeriodDialogs, BudgetDialogAllowsOnlyAccountsWithEntriesWithTheSplit) {
    RaporttiKpID = 42;
    open<frmDates5>([](frmDates5& d) {
        EXPECT_EQ(QApplication::focusWidget(), d.chkTiliErottelu);
        QTest::mouseClick(d.chkTiliErottelu, Qt::LeftButton);
        QTest::mouseClick(d.chkVainTap, Qt::LeftButton);
        EXPECT_TRUE(d.chkVainTap->isChecked());
        QTest::mouseClick(d.chkTiliErottelu, Qt::LeftButton);
        EXPECT_FALSE(d.chkVainTap->isChecked() || d.chkVainTap->isEnabled());
        d.cSeuraava->click();
    });
    EXPECT_FALSE(TiliErottelu || VainTap);
    EXPECT_EQ(RaporttiKpID, 42);  // left alone
}

TEST_F(PeriodDialogs, LedgerDialogsHandBackOnlyAChoiceMadeFromTheList) {
    makeBook();
    long hallinto = 0;
    VainTap = true;
    open<frmDates6>([&](frmDates6& d) {
        EXPECT_FALSE(d.chkVainTap->isChecked());
        EXPECT_FALSE(d.cmbKPt->isEditable());
        choose(d.cmbKPt, QStringLiteral("10 "));
        hallinto = key(d.cmbKPt, QStringLiteral("10 "));
        d.chkVainTap->setChecked(true);
        d.cSeuraava->click();
    });
    EXPECT_TRUE(VainTap);
    EXPECT_EQ(RaporttiKpID, hallinto);
    open<frmDates6>([](frmDates6& d) {
        d.cmbKPt->setCurrentIndex(0);
        d.cSeuraava->click();
    });
    EXPECT_EQ(RaporttiKpID, 0);

    // One account: cleared at every opening, even a cancelled one.
    long pankki = 0;
    open<frmDates4>([&](frmDates4& d) {
        choose(d.cmbTili, QStringLiteral("1910 Pankkitili"));
        pankki = key(d.cmbTili, QStringLiteral("1910 Pankkitili"));
        d.cSeuraava->click();
    });
    EXPECT_GT(pankki, 0);
    EXPECT_EQ(RaporttiTlID, pankki);
    open<frmDates4>([](frmDates4& d) { d.close(); });
    EXPECT_EQ(RaporttiTlID, 0);
    // A text typed over the chosen item is no choice.
    open<frmDates4>([](frmDates4& d) {
        choose(d.cmbTili, QStringLiteral("1910 Pankkitili"));
        d.cmbTili->lineEdit()->selectAll();
        QTest::keyClicks(d.cmbTili->lineEdit(), QStringLiteral("1910 Pankki"));
        QTest::keyClick(d.cmbTili->lineEdit(), Qt::Key_Return);
    });
    EXPECT_FALSE(DialogiPeruttu);
    EXPECT_EQ(RaporttiTlID, 0);
}

TEST_F(PeriodDialogs, ACancelledPeriodDialogDoesNotStopALaterReportWithoutOne) {
    open<frmDates2>([](frmDates2& d) { QTest::keyClick(d.tAlkupvm, Qt::Key_Escape); });
    EXPECT_TRUE(DialogiPeruttu);
    onModal = [](ui::Form& f) { static_cast<frmTulostus&>(f).cTulosta->click(); };
    EXPECT_TRUE(AskPrintDestination());
}

TEST_F(PeriodDialogs, ADialogGrowsWithTextsLongerThanItsDesign) {
    // As a translation or a larger font makes them: the dialog keeps a
    // fixed size, but never one that cuts a text.
    makeBook();
    open<frmDates>([](frmDates& d) {
        const QSize design = d.size();
        d.chkVainTap->setText(QStringLiteral("Endast konton som har posteringar under den valda perioden"));
        d.Frame4->setTitle(QStringLiteral("Övriga begränsningar för utskriften av resultaträkningen"));
        settle();
        EXPECT_GT(d.width(), design.width());
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_GE(d.chkVainTap->width(), d.chkVainTap->sizeHint().width());
        EXPECT_GE(d.Frame4->width(), d.Frame4->minimumSizeHint().width());
        d.cPeru->click();
    });
}

TEST_F(PeriodDialogs, EveryTextOfTheDialogsHasItsSwedishTranslation) {
    makeBook();
    const QString copy = kvtest::useSwedish(tmp.path());
    ASSERT_FALSE(copy.isEmpty());

    // Every message of a dialog, once each.
    auto messages = [this](PeriodDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kolvio VEV - Datum"));
        for (const char* m : {"Startdatumet hör inte till räkenskapsperioden: 1.1.2012-31.12.2012",
                              "Slutdatumet hör inte till", "Ange startdatumet i datumformat!",
                              "Ange slutdatumet i datumformat!"})
            dialogs.expectMessage(QString::fromUtf8(m), ui::Answer::OK);
        for (const char* text : {"1.1.2010", "x"}) {
            type(d.tAlkupvm, QString::fromLatin1(text));
            d.tLoppupvm->setFocus();
            settle();
            type(d.tLoppupvm, text[0] == 'x' ? QStringLiteral("x") : QStringLiteral("1.1.2014"));
            d.tAlkupvm->setFocus();
            settle();
        }
        d.close();
    };
    open<frmDates2>([&](frmDates2& d) { messages(d); });
    open<frmDates3>([&](frmDates3& d) { messages(d); });
    open<frmDates4>([&](frmDates4& d) { messages(d); });
    open<frmDates5>([&](frmDates5& d) { messages(d); });
    open<frmDates6>([&](frmDates6& d) { messages(d); });
    open<frmDates>([&](frmDates& d) {
        EXPECT_EQ(d.optSuppea->text(), QStringLiteral("Kortfattad"));
        messages(d);
    });
    dialogs.expectMessage(QStringLiteral("Vill du skriva ut en kopia?"), ui::Answer::Yes);
    report::ReportControl& rc = reports::CrystalReport1();
    rc.setPrinterName(ui::kPdfPrinter);
    onModal = [](ui::Form& f) {
        auto& p = static_cast<frmTulostus&>(f);
        EXPECT_EQ(p.windowTitle(), QStringLiteral("Kolvio VEV - Utskriftsinställningar"));
        p.cmbTulostusLaite->setCurrentIndex(1);
        p.tKopioita->setText(QStringLiteral("?"));
        p.cTulosta->click();
    };
    EXPECT_TRUE(AskPrintDestination());
    // The PDF printer's file, which the run asks for.
    dialogs.expectSaveFile(tmp.file(QStringLiteral("raportti")), QStringLiteral("Skriv ut till fil (PDF)"));
    EXPECT_EQ(reports::AskPdfFile(tmp.file(QStringLiteral("Huvudbok.pdf"))), tmp.file(QStringLiteral("raportti.pdf")));
    rc.setPrinterName(QString());

    // Every text had its translation: nothing was added to the copy.
    core::SetTranslator(nullptr);
    ini::cIniFile::ClearCache();
    EXPECT_TRUE(kvtest::sameAsShipped(copy));
}

}  // namespace
