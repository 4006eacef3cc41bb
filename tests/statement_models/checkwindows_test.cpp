// The two check windows: the lists of models and what starts chosen, the
// findings listed on one line each, the side correction (and the editor
// that holds a corrected row), the chooser's cancel, no book.

#include "modelfixture.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statement_models/frmtarkistamallit.h"
#include "statement_models/frmtarkistusvirheet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace statement_models;

namespace {

class CheckWindows : public kvtest::ModelTest {
protected:
    frmTarkistusVirheet& open() {
        auto& w = ui::Forms::show<frmTarkistusVirheet>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    static QStringList lines(const QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
};

TEST_F(CheckWindows, OneModelOfEachKindIsChosenAndCheckedAtOnce) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (3, 'Outo', 3, False);\n"));
    auto& w = open();
    EXPECT_EQ(w.windowTitle(), "Mallien tarkistus");
    ASSERT_EQ(w.cmbTulosmalli->count(), 1);
    ASSERT_EQ(w.cmbTasemalli->count(), 1);
    EXPECT_EQ(w.cmbTulosmalli->currentText(), "Tuloslaskelma");
    EXPECT_EQ(w.cmbTasemalli->currentText(), "Tase");
    w.cTarkista->click();
    EXPECT_EQ(lines(w.lstVirheet), QStringList({"Tarkistus suoritettu virheettömästi."}));

    exec("UPDATE mr SET mrSaldoPuoli = 'K' WHERE mrID = 104");
    w.cTarkista->click();
    EXPECT_EQ(lines(w.lstVirheet),
              QStringList({"Vastaavaa-puolella on valittuna saldopuoleksi kredit. -- Tarkista: Tase /   VASTAAVAA /     "
                           "Pysyvät vastaavat /       Aineettomat hyödykkeet /         Aineettomat oikeudet / "}));

    // The correction, after the question; the list is not refreshed.
    dialogs.expectMessage(QStringLiteral("korjaa niiden saldopuoli valinnan.\r\n\r\nHaluatko jatkaa?"), ui::Answer::No);
    w.mKorjausSaldopuoli->trigger();
    EXPECT_EQ(rowText(104, "mrSaldoPuoli"), "K");
    EXPECT_EQ(dialogs.shown().last().icon, ui::Icon::None);
    dialogs.expectMessage(QStringLiteral("Haluatko jatkaa?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Korjaukset tehty."), ui::Answer::OK);
    w.mKorjausSaldopuoli->trigger();
    EXPECT_EQ(rowText(104, "mrSaldoPuoli"), "D");
    EXPECT_EQ(w.lstVirheet->count(), 1);

    w.cSulje->click();
    EXPECT_EQ(ui::Forms::find<frmTarkistusVirheet>(), nullptr);
}

TEST_F(CheckWindows, WithTwoBalanceModelsNoneStartsChosen) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (4, 'Aaa tase', 2, False);\n"));
    auto& w = open();
    EXPECT_EQ(w.cmbTasemalli->count(), 2);
    EXPECT_EQ(w.cmbTasemalli->itemText(0), "Aaa tase");
    EXPECT_EQ(w.cmbTasemalli->currentIndex(), -1);
    w.cTarkista->click();
    EXPECT_EQ(lines(w.lstVirheet),
              QStringList({"Ei tarkistettu: Onko kaikki tilit käytössä. -- Tarkista: ",
                           "Ei tarkistettu: Onko sama tili useampaan kertaan taseessa tai tuloslaskelmassa. -- Tarkista: "}));

    // Only the balance model chosen: it alone is corrected.
    exec("UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID IN (2, 127)");
    w.cmbTulosmalli->setCurrentIndex(-1);
    w.cmbTasemalli->setCurrentIndex(1);
    dialogs.expectMessage(QStringLiteral("Haluatko jatkaa?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Korjaukset tehty."), ui::Answer::OK);
    w.mKorjausSaldopuoli->trigger();
    EXPECT_EQ(rowText(127, "mrSaldoPuoli"), "K");
    EXPECT_EQ(rowText(2, "mrSaldoPuoli"), "D");

    // Nothing chosen.
    w.cmbTasemalli->setCurrentIndex(-1);
    dialogs.expectMessage(QStringLiteral("Valitse tarkistettava tulos- ja tasemalli."), ui::Answer::OK);
    w.cTarkista->click();
    EXPECT_EQ(w.lstVirheet->count(), 2);
    dialogs.expectMessage(QStringLiteral("Haluatko jatkaa?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Valitse korjattava tulos- ja / tai tasemalli."), ui::Answer::OK);
    w.mKorjausSaldopuoli->trigger();
}

TEST_F(CheckWindows, TheEditorNeverWritesAnOldSideBack) {
    makeBook(QStringLiteral("UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID = 127;\n"));
    auto& editor = ui::Forms::show<frmNewTulosJaTase>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QTreeWidgetItem* row = editor.NodeByKey(QStringLiteral("mr127"));
    for (QTreeWidgetItem* p = row->parent(); p; p = p->parent()) p->setExpanded(true);
    editor.tvMalli->scrollToItem(row);
    QTest::mouseClick(editor.tvMalli->viewport(), Qt::LeftButton, {}, editor.tvMalli->visualItemRect(row).center());
    ASSERT_EQ(editor.CurModelRow().id(), 127);
    editor.tOtsake->setText(QStringLiteral("Sidotut"));  // pending in the editor

    auto& w = open();
    dialogs.expectMessage(QStringLiteral("Haluatko jatkaa?"), ui::Answer::Yes);
    dialogs.expectMessage(QStringLiteral("Korjaukset tehty."), ui::Answer::OK);
    w.mKorjausSaldopuoli->trigger();
    EXPECT_EQ(editor.CurModelRow().SaldoPuoli(), "K");
    editor.cSulje->click();
    EXPECT_EQ(rowText(127, "mrSaldoPuoli"), "K");
    EXPECT_EQ(rowText(127, "mrTeksti"), "Sidotut");
}

TEST_F(CheckWindows, TheChooserHandsBackTheChoiceOrNothing) {
    makeBook();
    auto run = [this](std::function<void(frmTarkistaMallit&)> act) {
        onModal = [act](ui::Form& f) { act(static_cast<frmTarkistaMallit&>(f)); };
        auto& f = ui::Forms::get<frmTarkistaMallit>();
        ui::Forms::show(f, true);
        const std::pair<long, long> chosen{f.TulosMaID, f.TaseMaID};
        ui::Forms::unload(f);
        return chosen;
    };
    EXPECT_EQ(run([](frmTarkistaMallit& f) {
                  EXPECT_EQ(f.windowTitle(), "Tarkista tulos- ja tasemallit");
                  f.cPeruuta->click();
              }),
              std::make_pair(0L, 0L));
    EXPECT_EQ(run([](frmTarkistaMallit& f) {
                  f.cmbTasemalli->setCurrentIndex(-1);
                  f.cTarkista->click();
              }),
              std::make_pair(1L, 0L));
    EXPECT_EQ(run([](frmTarkistaMallit& f) { QTest::keyClick(&f, Qt::Key_Return); }), std::make_pair(1L, 2L));

    core::DatabasePath.clear();
    dialogs.expectMessage(QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta."), ui::Answer::OK);
    EXPECT_EQ(run([](frmTarkistaMallit&) { ADD_FAILURE() << "shown without a book"; }), std::make_pair(0L, 0L));
    dialogs.expectMessage(QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta!"), ui::Answer::OK);
    auto& w = ui::Forms::show<frmTarkistusVirheet>();
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
