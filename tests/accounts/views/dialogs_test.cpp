// The add-account dialog and the model choice of the chart-of-accounts
// report: their checks, what they store and what they hand back on every
// way out.

#include "accounts/views/frmlisaatili.h"
#include "accounts/views/frmtilikartta.h"
#include "viewsfixture.h"

#include <QPlainTextEdit>

using accounts::frmLisaaTili;
using accounts::frmTilikartta;

namespace {

const char* kFourDigits = "Tilinumeron tulee olla neljä numeroa pitkä.";

class AddAccount : public kvtest::ViewsTest {
protected:
    // Shows the dialog modally as the model editor does, runs act in it,
    // and hands back the dialog (read before it is collected).
    frmLisaaTili& show(std::function<void(frmLisaaTili&)> act) {
        onModal = [act](ui::Form& f) { act(static_cast<frmLisaaTili&>(f)); };
        frmLisaaTili& d = ui::Forms::get<frmLisaaTili>();
        ui::Forms::show(d, true);
        return d;
    }
    static void fill(frmLisaaTili& d, const QString& numero, const QString& nimi, const QString& kuvaus) {
        d.tTilinumero->setText(numero);
        d.tNimi->setText(nimi);
        d.tKuvaus->setPlainText(kuvaus);
    }
    static long accounts() { return count(QStringLiteral("SELECT COUNT(*) FROM tl")); }
};

TEST_F(AddAccount, RefusesBadNumbersUsedNumbersAndAnEmptyName) {
    addAccount(1000, QStringLiteral("Kassa"));
    const QStringList bad = {"123", "abcd", "0123", "-123", "1e3"};
    for (qsizetype i = 0; i < bad.size(); ++i) dialogs.expectMessage(kFourDigits, ui::Answer::OK);
    dialogs.expectMessage("Tilinumerolla 1000 löytyy jo tili.", ui::Answer::OK);
    dialogs.expectMessage("Tilillä tulee olla nimi.", ui::Answer::OK);
    frmLisaaTili& d = show([&bad](frmLisaaTili& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Lisää tili"));
        EXPECT_EQ(QApplication::focusWidget(), d.tTilinumero);
        EXPECT_TRUE(d.tTilinumero->text().isEmpty());
        for (const QString& numero : bad) {
            fill(d, numero, QStringLiteral("Nimi"), QString());
            d.tNimi->setFocus();
            d.cLisaa->click();
            EXPECT_EQ(QApplication::focusWidget(), d.tTilinumero) << numero.toStdString();
        }
        fill(d, QStringLiteral("1000"), QStringLiteral("Toinen"), QString());
        d.cLisaa->click();
        EXPECT_EQ(QApplication::focusWidget(), d.tTilinumero);
        fill(d, QStringLiteral("1001"), QString(), QString());
        d.cLisaa->click();
        EXPECT_EQ(QApplication::focusWidget(), d.tNimi);
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.Cancelled);
        // Cancel after the refusals.
        QTest::keyClick(d.tNimi, Qt::Key_Escape);
    });
    EXPECT_TRUE(d.Cancelled);
    EXPECT_EQ(d.NewtlID, 0);
    ui::Forms::unload(d);
    EXPECT_EQ(accounts(), 1);
    EXPECT_EQ(modalShown.size(), 1);
}

TEST_F(AddAccount, StoresTheAccountAndHandsItBack) {
    frmLisaaTili& d = show([](frmLisaaTili& d) {
        QTest::keyClicks(d.tTilinumero, QStringLiteral("19105"));  // four characters at most
        EXPECT_EQ(d.tTilinumero->text(), QStringLiteral("1910"));
        d.tNimi->setText(QStringLiteral("Pankki"));
        d.cLisaa->click();
    });
    EXPECT_FALSE(d.Cancelled);
    ASSERT_NE(d.NewtlID, 0);
    EXPECT_EQ(d.NewtlNumero, QStringLiteral("1910"));
    EXPECT_EQ(d.NewtlNimi, QStringLiteral("Pankki"));
    EXPECT_EQ(d.NewtlKuvaus, QStringLiteral(" "));
    const long id = d.NewtlID;
    ui::Forms::unload(d);
    EXPECT_FALSE(d.Cancelled);

    dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = ?"), dao::RecordsetType::Snapshot,
                                           {dao::Variant(id)});
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.value(QStringLiteral("tlNumero")).toLong(), 1910);
    EXPECT_EQ(rs.value(QStringLiteral("tlNimi")).toString(), QStringLiteral("Pankki"));
    EXPECT_EQ(rs.value(QStringLiteral("tlKuvaus")).toString(), QStringLiteral(" "));
    rs.Close();

    // A second showing starts empty; a description is kept as typed.
    frmLisaaTili& e = show([](frmLisaaTili& d) {
        EXPECT_TRUE(d.tNimi->text().isEmpty());
        EXPECT_EQ(d.NewtlID, 0);
        fill(d, QStringLiteral("3000"), QStringLiteral("Jäsenmaksut"), QStringLiteral("Vuoden\nmaksut"));
        QTest::keyClick(d.tNimi, Qt::Key_Return);
    });
    EXPECT_FALSE(e.Cancelled);
    EXPECT_EQ(e.NewtlKuvaus, QStringLiteral("Vuoden\nmaksut"));
    ui::Forms::unload(e);
    EXPECT_EQ(accounts(), 2);
}

TEST_F(AddAccount, TheCloseBoxAndAMissingBookCountAsCancelled) {
    frmLisaaTili& d = show([](frmLisaaTili& d) {
        fill(d, QStringLiteral("1500"), QStringLiteral("Saamiset"), QString());
        d.close();
    });
    EXPECT_TRUE(d.Cancelled);
    EXPECT_EQ(accounts(), 0);

    core::DatabasePath = QStringLiteral("unknown");
    dialogs.expectMessage("Tarkista tietokanta asetukset asetusikkunasta.", ui::Answer::OK);
    frmLisaaTili& e = show([](frmLisaaTili&) { ADD_FAILURE() << "shown without a book"; });
    EXPECT_TRUE(e.Cancelled);

    core::DatabasePath = tmp.file(QStringLiteral("eiole.mdb"));
    dialogs.expectMessage("Tarkista tietokanta asetukset asetusikkunasta.\n", ui::Answer::OK);
    frmLisaaTili& f = show([](frmLisaaTili&) { ADD_FAILURE() << "shown without a book"; });
    EXPECT_TRUE(f.Cancelled);
    EXPECT_TRUE(modalShown.size() == 1);
}

class ModelChoice : public kvtest::ViewsTest {
protected:
    static long addModel(const QString& nimi, int tyyppi) {
        db().Execute(QStringLiteral("INSERT INTO ma (maNimi, maTyyppi) VALUES (?, ?)"), {nimi, tyyppi});
        return lastKey("ma", "maID");
    }
    void choose(std::function<void(frmTilikartta&)> act) {
        onModal = [act](ui::Form& f) { act(static_cast<frmTilikartta&>(f)); };
        ui::Forms::show<frmTilikartta>(true);
    }
};

TEST_F(ModelChoice, RefusesToOpenWithoutBothKindsOfModel) {
    addModel(QStringLiteral("Tulos A"), 1);
    addModel(QStringLiteral("Tulos B"), 1);
    addModel(QStringLiteral("Muu"), 3);
    reports::DialogiPeruttu = false;
    dialogs.expectMessage("Tee ensin tuloslaskelman ja taseen mallit.", ui::Answer::OK);
    choose([](frmTilikartta&) { ADD_FAILURE() << "shown without a balance-sheet model"; });
    EXPECT_FALSE(accounts::TilikarttaMallitOK);
    EXPECT_TRUE(reports::DialogiPeruttu);
    EXPECT_TRUE(modalShown.isEmpty());
}

TEST_F(ModelChoice, HandsBackTheChosenModelsOrTheCancel) {
    addModel(QStringLiteral("Tuloslaskelma"), 1);
    const long muu = addModel(QStringLiteral("Aaa muu"), 4);
    const long tase = addModel(QStringLiteral("Tase"), 2);
    const long tulosB = addModel(QStringLiteral("Budjettivertailu"), 1);

    choose([&](frmTilikartta& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Tilikartan tulostus"));
        ASSERT_EQ(d.cmbTuloslaskelma->count(), 2);  // by name; type 4 in neither
        ASSERT_EQ(d.cmbTase->count(), 1);
        EXPECT_EQ(d.cmbTuloslaskelma->currentText(), QStringLiteral("Budjettivertailu"));
        EXPECT_EQ(d.cmbTase->currentText(), QStringLiteral("Tase"));
        EXPECT_EQ(d.cmbTuloslaskelma->findData(QVariant(qlonglong(muu))), -1);
        QTest::keyClick(d.cmbTase, Qt::Key_Return);
    });
    EXPECT_FALSE(reports::DialogiPeruttu);
    EXPECT_TRUE(accounts::TilikarttaMallitOK);
    EXPECT_EQ(accounts::TilikarttaTulosMaID, tulosB);
    EXPECT_EQ(accounts::TilikarttaTaseMaID, tase);

    // Esc: cancelled, and the earlier choice stays.
    choose([](frmTilikartta& d) {
        d.cmbTuloslaskelma->setCurrentIndex(1);
        QTest::keyClick(d.cmbTuloslaskelma, Qt::Key_Escape);
    });
    EXPECT_TRUE(reports::DialogiPeruttu);
    EXPECT_EQ(accounts::TilikarttaTulosMaID, tulosB);

    // The close box is a cancel too; typed text is no choice.
    choose([](frmTilikartta& d) { d.close(); });
    EXPECT_TRUE(reports::DialogiPeruttu);
    choose([](frmTilikartta& d) {
        d.cmbTase->setEditText(QStringLiteral("Ta"));
        d.cSeuraava->click();
    });
    EXPECT_FALSE(reports::DialogiPeruttu);
    EXPECT_EQ(accounts::TilikarttaTaseMaID, 0);
    EXPECT_EQ(modalShown.size(), 4);
}

}  // namespace
