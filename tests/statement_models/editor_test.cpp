// The model editor, driven offscreen on the general template's models: the
// tree, choosing and editing a model and a row, new rows and models,
// deleting, the order moves, dragging rows, the account list with its
// pop-up menu, the formula editor, the check command and the report hooks.

#include "accounts/views/frmlisaatili.h"
#include "modelfixture.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statement_models/frmtarkistamallit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>

using namespace statement_models;

namespace {

class Editor : public kvtest::ModelTest {
protected:
    void TearDown() override {
        frmNewTulosJaTase::SetPrintCommand(nullptr);
        kvtest::ModelTest::TearDown();
    }

    frmNewTulosJaTase& open() {
        auto& w = ui::Forms::show<frmNewTulosJaTase>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    static QTreeWidgetItem* node(frmNewTulosJaTase& w, const QString& key) {
        QTreeWidgetItem* n = w.NodeByKey(key);
        EXPECT_NE(n, nullptr) << key.toStdString();
        return n;
    }
    // Clicks a node with the mouse, as the user does.
    static void click(frmNewTulosJaTase& w, QTreeWidgetItem* n) {
        ASSERT_NE(n, nullptr);
        for (QTreeWidgetItem* p = n->parent(); p; p = p->parent()) p->setExpanded(true);
        w.tvMalli->scrollToItem(n);
        QTest::mouseClick(w.tvMalli->viewport(), Qt::LeftButton, {}, w.tvMalli->visualItemRect(n).center());
        settle();
    }
    static void click(frmNewTulosJaTase& w, const QString& key) { click(w, node(w, key)); }
    static QStringList childKeys(QTreeWidgetItem* n) {
        QStringList keys;
        for (int i = 0; i < n->childCount(); ++i) keys << frmNewTulosJaTase::KeyOf(n->child(i));
        return keys;
    }
    static void type(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static int itemOf(QListWidget* l, long data) {
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->data(Qt::UserRole).toLongLong() == data) return i;
        return -1;
    }
    static void clickItem(QListWidget* l, long data) {
        const int i = itemOf(l, data);
        ASSERT_GE(i, 0) << data;
        l->scrollToItem(l->item(i));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
    }
    // Drags the node of key onto the node of target as the tree reports it.
    static void drag(frmNewTulosJaTase& w, QTreeWidgetItem* from, QTreeWidgetItem* onto) {
        for (QTreeWidgetItem* p = onto->parent(); p; p = p->parent()) p->setExpanded(true);
        w.tvMalli->setCurrentItem(from);
        w.tvMalli_OLEStartDrag();
        w.tvMalli->scrollToItem(onto);
        w.tvMalli_OLEDragOver(w.tvMalli->visualItemRect(onto).center());
        w.tvMalli_OLEDragDrop();
        w.tvMalli_OLECompleteDrag();
    }
};

TEST_F(Editor, TheTreeShowsEveryModelWithItsRowsInOrder) {
    makeBook(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (3, 'Outo', 3, False);\n"
                            "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (4, 'Aaa tase', 2, False);\n"
                            "UPDATE mr SET mrGroupOrder = 2 WHERE mrID = 2;\n"));
    auto& w = open();
    ASSERT_EQ(w.tvMalli->topLevelItemCount(), 2);
    EXPECT_EQ(w.RootTulos()->text(0), "Tuloslaskelma");
    EXPECT_EQ(w.RootTase()->text(0), "Tase");
    EXPECT_EQ(childKeys(w.RootTulos()), QStringList({"ma1"}));
    EXPECT_EQ(childKeys(w.RootTase()), QStringList({"ma4", "ma2"}));
    EXPECT_EQ(node(w, "ma4")->text(0), "Aaa tase");
    const QStringList tops = childKeys(node(w, "ma1"));
    ASSERT_EQ(tops.size(), 15);
    EXPECT_EQ(tops.first(), "mr1");
    EXPECT_EQ(tops.last(), "mr60");
    // Equal orders by key; every level is there.
    EXPECT_EQ(childKeys(node(w, "mr1")).mid(0, 3), QStringList({"mr2", "mr3", "mr4"}));
    EXPECT_EQ(node(w, "mr11")->parent(), node(w, "mr10"));
    EXPECT_EQ(node(w, "mr104")->text(0), "Aineettomat oikeudet");
    EXPECT_FALSE(node(w, "ma1")->isExpanded());
    // A model of neither kind gets no node and is left in the book.
    EXPECT_EQ(w.NodeByKey("ma3"), nullptr);
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM ma WHERE maID = 3", "n"), 1);

    // Opened: nothing shown; only new and close are usable.
    EXPECT_TRUE(w.frameMalli->isHidden());
    EXPECT_FALSE(w.cTallenna->isEnabled());
    EXPECT_FALSE(w.cTulosta->isEnabled());
    EXPECT_TRUE(w.cUusi->isEnabled());
    EXPECT_TRUE(w.cSulje->isEnabled());
    EXPECT_TRUE(w.CurModel().IsEmpty());
    EXPECT_TRUE(w.CurModelRow().IsEmpty());

    // Expand all opens every node.
    w.cAvaaKaikki->click();
    EXPECT_TRUE(w.NodeByKey("mr10")->isExpanded());
    EXPECT_TRUE(w.tvMalli->isVisible());
}

TEST_F(Editor, WithoutABookTheWindowDoesNotOpen) {
    core::DatabasePath = QStringLiteral("unknown");
    dialogs.expectMessage(QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta."), ui::Answer::OK);
    auto& w = ui::Forms::show<frmNewTulosJaTase>();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ui::Forms::find<frmNewTulosJaTase>(), nullptr);
}

TEST_F(Editor, ChoosingNodesShowsTheRecordsAndWritesTheEditsBeforeMoving) {
    makeBook(QStringLiteral("UPDATE mr SET mrTilit = '45,43,9999,' WHERE mrID = 3;\n"));
    auto& w = open();
    click(w, w.RootTulos());
    EXPECT_TRUE(w.frameMalli->isHidden());

    click(w, "mr2");
    EXPECT_EQ(w.CurModel().id(), 1);
    EXPECT_EQ(w.CurModelRow().id(), 2);
    EXPECT_EQ(w.tMallinNimi->text(), "Tuloslaskelma");
    EXPECT_EQ(w.tOtsake->text(), "Osallistumis- ja kurssimaksut");
    EXPECT_EQ(w.lblTilit->toPlainText(), "3000 Osallistumismaksut\n3010 Kurssimaksut\n");
    EXPECT_EQ(w.lstTilit->currentRow(), itemOf(w.lstTilit, 43));
    EXPECT_TRUE(w.cmbTuloslaskelma->isHidden());
    EXPECT_TRUE(w.mRapBudjettivertailu->isEnabled());
    EXPECT_TRUE(w.frameRivinTiedot->isVisible());
    EXPECT_TRUE(w.cTallenna->isEnabled());
    EXPECT_FALSE(w.CurModelRow().isDirty());

    // The node follows the typing; the book gets it when another node is chosen.
    type(w.tOtsake, QStringLiteral("Kurssimaksut"));
    EXPECT_EQ(node(w, "mr2")->text(0), "Kurssimaksut");
    EXPECT_EQ(rowText(2, "mrTeksti"), "Osallistumis- ja kurssimaksut");
    click(w, "mr3");
    EXPECT_EQ(rowText(2, "mrTeksti"), "Kurssimaksut");

    // Shown, a row's accounts are marked in list order without the missing one.
    EXPECT_EQ(w.CurModelRow().Tilit(), "43,45,");
    w.cTallenna->click();
    EXPECT_EQ(rowText(3, "mrTilit"), "43,45,");

    // Undo brings back what was saved; Ctrl+Z in the text box is the
    // window's undo, not the box's own.
    type(w.tOtsake, QStringLiteral("Virhe"));
    QSignalSpy undo(w.mPeru, &QAction::triggered);
    QTest::keyClick(w.tOtsake, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undo.count(), 1);
    EXPECT_EQ(w.tOtsake->text(), "Leiri- ja retkimaksut");
    EXPECT_EQ(node(w, "mr3")->text(0), "Leiri- ja retkimaksut");
    w.cSelaa->click();
    EXPECT_EQ(node(w, "mr3")->text(0), "Leiri- ja retkimaksut");
    EXPECT_EQ(w.tvMalli->currentItem(), w.RootTulos());

    // A model node keeps the row that was shown.
    click(w, "ma2");
    EXPECT_EQ(w.CurModel().id(), 2);
    EXPECT_EQ(w.CurModelRow().id(), 3);
    EXPECT_FALSE(w.cmbTuloslaskelma->isHidden());
    EXPECT_FALSE(w.mRapBudjettivertailu->isEnabled());
    EXPECT_EQ(w.cmbTuloslaskelma->currentText(), " ");
    type(w.tMallinNimi, QStringLiteral("Tase 2031"));
    EXPECT_EQ(node(w, "ma2")->text(0), "Tase 2031");

    // The profit model: a choice, a typed beginning, or nothing that fits.
    w.cmbTuloslaskelma->setCurrentIndex(w.cmbTuloslaskelma->findText("Tuloslaskelma"));
    w.cTallenna->click();
    EXPECT_EQ(number("SELECT * FROM ma WHERE maID = 2", "maTulosMaID"), 1);
    EXPECT_EQ(text("SELECT * FROM ma WHERE maID = 2", "maNimi"), "Tase 2031");
    w.cmbTuloslaskelma->setEditText(QStringLiteral(" "));
    w.TuloslaskelmaLostFocus();
    EXPECT_EQ(w.CurModel().TulosMaID(), 0);
    w.cmbTuloslaskelma->setEditText(QStringLiteral("tulos"));
    w.TuloslaskelmaLostFocus();
    EXPECT_EQ(w.CurModel().TulosMaID(), 1);
    dialogs.expectMessage(QStringLiteral("Valitse tuloslaskelmamalli, jolta tilikauden voitto kirjataan."), ui::Answer::OK);
    w.cmbTuloslaskelma->setEditText(QStringLiteral("X"));
    w.TuloslaskelmaLostFocus();
    EXPECT_EQ(w.CurModel().TulosMaID(), 1);
    EXPECT_EQ(w.cmbTuloslaskelma->currentText(), "Tuloslaskelma");

    // Closing writes what is held.
    type(w.tMallinNimi, QStringLiteral("Tase suljettaessa"));
    w.cSulje->click();
    EXPECT_EQ(text("SELECT * FROM ma WHERE maID = 2", "maNimi"), "Tase suljettaessa");
}

TEST_F(Editor, AProtectedModelCannotBeEdited) {
    makeBook();
    auto& w = open();
    click(w, "mr2");
    w.chkMaSuojattu->click();
    for (QWidget* c : {static_cast<QWidget*>(w.cUusi), static_cast<QWidget*>(w.cTallenna),
                       static_cast<QWidget*>(w.cPoista), static_cast<QWidget*>(w.cPeru),
                       static_cast<QWidget*>(w.frameRivinTiedot), static_cast<QWidget*>(w.lstTilit)})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_FALSE(w.mUusi->isEnabled());
    EXPECT_TRUE(w.tMallinNimi->isEnabled());
    EXPECT_TRUE(w.cSelaa->isEnabled());
    click(w, "mr3");  // saved on the way
    EXPECT_NE(number("SELECT * FROM ma WHERE maID = 1", "maSuojattu"), 0);
    EXPECT_FALSE(w.cTallenna->isEnabled());
    EXPECT_FALSE(w.tOtsake->isEnabled());
    w.chkMaSuojattu->click();
    EXPECT_TRUE(w.cTallenna->isEnabled());
    EXPECT_TRUE(w.tOtsake->isEnabled());
    EXPECT_TRUE(w.mUusi->isEnabled());
}

TEST_F(Editor, NewMakesModelsAndRows) {
    makeBook();
    auto& w = open();
    click(w, w.RootTase());
    w.cUusi->click();
    const long model = w.CurModel().id();
    ASSERT_GT(model, 2);
    QTreeWidgetItem* modelNode = node(w, QStringLiteral("ma%1").arg(model));
    EXPECT_EQ(modelNode->parent(), w.RootTase());
    EXPECT_EQ(modelNode->text(0), "Uusi tasemalli");
    EXPECT_EQ(text(QStringLiteral("SELECT * FROM ma WHERE maID = %1").arg(model), "maTyyppi"), "2");
    ASSERT_EQ(modelNode->childCount(), 2);
    EXPECT_EQ(modelNode->child(0)->text(0), "Vastaavaa");
    EXPECT_EQ(modelNode->child(1)->text(0), "Vastattavaa");
    const long assets = frmNewTulosJaTase::KeyOf(modelNode->child(0)).mid(2).toLong();
    const long liabilities = frmNewTulosJaTase::KeyOf(modelNode->child(1)).mid(2).toLong();
    EXPECT_EQ(rowText(assets, "mrSaldoPuoli") + QString::number(rowNumber(assets, "mrGroupOrder")), "D0");
    EXPECT_EQ(rowText(liabilities, "mrSaldoPuoli") + QString::number(rowNumber(liabilities, "mrGroupOrder")), "K1");
    EXPECT_EQ(w.tvMalli->currentItem(), modelNode->child(0));
    EXPECT_EQ(w.CurModelRow().id(), assets);
    EXPECT_EQ(QApplication::focusWidget(), w.tMallinNimi);

    // On a balance model already made: another pair.
    click(w, modelNode);
    w.cUusi->click();
    EXPECT_EQ(modelNode->childCount(), 4);
    EXPECT_EQ(count(QStringLiteral("mrmaID = %1 AND mrTeksti = 'Vastaavaa' AND mrGroupOrder = 0").arg(model)), 2);

    // On an income model: a top row with side K after the others.
    click(w, "ma1");
    w.cUusi->click();
    const long top = w.CurModelRow().id();
    EXPECT_EQ(node(w, QStringLiteral("mr%1").arg(top))->parent(), node(w, "ma1"));
    EXPECT_EQ(rowText(top, "mrTeksti"), "Uusi rivi");
    EXPECT_EQ(rowText(top, "mrSaldoPuoli"), "K");
    EXPECT_EQ(rowNumber(top, "mrGroupOrder"), 16);
    EXPECT_EQ(QApplication::focusWidget(), w.tOtsake);

    // On a row without children: its first child, with the row's side.
    click(w, QStringLiteral("mr%1").arg(liabilities));
    w.cUusi->click();
    const long child = w.CurModelRow().id();
    EXPECT_EQ(rowNumber(child, "mrBelongsToGroup"), liabilities);
    EXPECT_EQ(rowNumber(child, "mrmaID"), model);
    EXPECT_EQ(rowNumber(child, "mrGroupOrder"), 1);
    EXPECT_EQ(rowText(child, "mrSaldoPuoli"), "K");
    EXPECT_EQ(rowText(child, "mrTilit"), "");  // shown, its blank list became empty

    click(w, w.RootTulos());
    w.cUusi->click();
    EXPECT_EQ(w.CurModel().Nimi(), "Uusi tuloslaskelmamalli");
    EXPECT_EQ(w.CurModel().Tyyppi(), kTuloslaskelma);
    EXPECT_EQ(childKeys(w.RootTulos()).size(), 2);

    // Rows nest six levels deep, no deeper: 104 stands at the fourth.
    click(w, "mr104");
    w.cUusi->click();
    w.cUusi->click();
    const long sixth = w.CurModelRow().id();
    dialogs.expectMessage(QStringLiteral("Mallin rivejä voi olla sisäkkäin enintään 6 tasoa."), ui::Answer::OK);
    w.cUusi->click();
    EXPECT_EQ(count(QStringLiteral("mrBelongsToGroup = %1").arg(sixth)), 0);
    EXPECT_EQ(node(w, QStringLiteral("mr%1").arg(sixth))->childCount(), 0);
}

TEST_F(Editor, DeleteRemovesTheShownRowOrModelWithEverythingBelow) {
    makeBook();
    auto& w = open();
    click(w, "mr9");
    dialogs.expectMessage(QStringLiteral("Poistetaanko näytössä oleva rivi?"), ui::Answer::No);
    w.cPoista->click();
    EXPECT_EQ(count("mrID = 9"), 1);

    dialogs.expectMessage(QStringLiteral("Poistetaanko näytössä oleva rivi?"), ui::Answer::Yes);
    w.cPoista->click();
    EXPECT_EQ(count("mrID >= 9 AND mrID <= 27"), 0);
    EXPECT_EQ(count("mrmaID = 1"), 60 - 19);
    EXPECT_EQ(w.NodeByKey("mr9"), nullptr);
    EXPECT_EQ(w.NodeByKey("mr16"), nullptr);
    EXPECT_EQ(w.tvMalli->currentItem(), node(w, "ma1"));
    EXPECT_TRUE(w.CurModelRow().IsEmpty());
    EXPECT_TRUE(w.frameRivinTiedot->isHidden());
    // Typing now writes nothing anywhere.
    type(w.tMallinNimi, QStringLiteral("Tulos"));
    w.cTallenna->click();
    EXPECT_EQ(count("mrmaID = 0"), 0);

    // A model goes with its rows; a held row of another model stays.
    click(w, "mr104");
    click(w, "ma1");
    dialogs.expectMessage(QStringLiteral("Poistetaanko näytössä oleva malli?"), ui::Answer::Yes);
    w.cPoista->click();
    EXPECT_EQ(count("mrmaID = 1"), 0);
    EXPECT_EQ(number("SELECT COUNT(*) AS n FROM ma WHERE maID = 1", "n"), 0);
    EXPECT_EQ(count("mrID = 104"), 1);
    EXPECT_EQ(w.tvMalli->currentItem(), w.RootTulos());

    dialogs.expectMessage(QStringLiteral("Valitse poistettavaksi malli tai mallin rivi!"), ui::Answer::OK);
    w.Poista();

    // A row deleted elsewhere: its node shows nothing and takes no new rows.
    const long rows = count("mrmaID = 2");
    exec("DELETE FROM mr WHERE mrID = 105");
    click(w, "mr105");
    EXPECT_TRUE(w.CurModelRow().IsEmpty());
    EXPECT_TRUE(w.frameRivinTiedot->isHidden());
    w.cUusi->click();
    EXPECT_EQ(count("mrmaID = 2"), rows - 1);
    EXPECT_EQ(node(w, "mr105")->childCount(), 0);
}

TEST_F(Editor, OrderMovesSwapWithTheNeighbour) {
    // Group 56 with children of orders 1, 2 (rows 57, 58), 2 (row 61) and
    // 3 (row 62); group 59 gets a single child.
    const QString insert = QStringLiteral(
        "INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, mrKaava, "
        "mrIsLiikevaihto, mrIsEquation, mrIsVoitto, mrtlID, mrviTyyppi) VALUES (%1, 1, 'K', '', %2, %3, '%4', '', "
        "False, False, False, 0, 'K');\n");
    makeBook(insert.arg(61).arg(56).arg(2).arg("C") + insert.arg(62).arg(56).arg(3).arg("D") +
             insert.arg(63).arg(59).arg(0).arg("Ainoa"));
    auto& w = open();
    auto order = [this] {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(rowNumber(57, "mrGroupOrder"))
            .arg(rowNumber(58, "mrGroupOrder"))
            .arg(rowNumber(61, "mrGroupOrder"))
            .arg(rowNumber(62, "mrGroupOrder"));
    };
    click(w, "mr62");
    w.cLowerGroupOrder->click();  // 3 -> 2; the first sibling at 2 goes to 3
    EXPECT_EQ(order(), "1 3 2 2");
    EXPECT_EQ(childKeys(node(w, "mr56")), QStringList({"mr57", "mr61", "mr62", "mr58"}));
    EXPECT_EQ(w.tvMalli->currentItem(), node(w, "mr62"));

    click(w, "mr57");
    w.cHigherGroupOrder->click();  // 1 -> 2, the sibling at 2 goes to 1
    EXPECT_EQ(order(), "2 3 1 2");
    w.cHigherGroupOrder->click();  // 2 -> 3, the first sibling at 3 goes to 2
    EXPECT_EQ(order(), "3 2 1 2");
    w.cHigherGroupOrder->click();  // the largest: past the others
    EXPECT_EQ(order(), "4 2 1 2");
    EXPECT_EQ(childKeys(node(w, "mr56")).last(), "mr57");

    // Order 0: the others at 0 go down; alone at 0 nothing changes.
    exec("UPDATE mr SET mrGroupOrder = 0 WHERE mrID IN (57, 58, 61)");
    click(w, "mr58");
    click(w, "mr61");
    w.cLowerGroupOrder->click();
    EXPECT_EQ(order(), "1 1 0 2");
    w.cLowerGroupOrder->click();
    EXPECT_EQ(order(), "1 1 0 2");

    // The only child cannot move down; up from 0 it does nothing either.
    click(w, "mr63");
    w.cHigherGroupOrder->click();
    EXPECT_EQ(rowNumber(63, "mrGroupOrder"), 0);
    w.cLowerGroupOrder->click();
    EXPECT_EQ(rowNumber(63, "mrGroupOrder"), 0);
}

TEST_F(Editor, DraggingMovesARowWithEverythingBelowIt) {
    makeBook();
    auto& w = open();
    // Never where its rows would nest deeper than six levels: 104 is at the
    // fourth, 114 holds three.
    dialogs.expectMessage(QStringLiteral("Mallin rivejä voi olla sisäkkäin enintään 6 tasoa."), ui::Answer::OK);
    drag(w, node(w, "mr114"), node(w, "mr104"));
    EXPECT_EQ(rowNumber(114, "mrBelongsToGroup"), 101);

    // A balance group onto the other side: it and its rows take that side.
    drag(w, node(w, "mr114"), node(w, "mr125"));
    EXPECT_EQ(rowNumber(114, "mrBelongsToGroup"), 125);
    EXPECT_EQ(rowNumber(114, "mrGroupOrder"), 2);
    EXPECT_EQ(count("mrID >= 114 AND mrID <= 124 AND mrSaldoPuoli = 'K'"), 11);
    EXPECT_EQ(childKeys(node(w, "mr125")).last(), "mr114");
    EXPECT_EQ(childKeys(node(w, "mr114")), QStringList({"mr115", "mr118", "mr123", "mr124"}));
    EXPECT_EQ(node(w, "mr116")->parent(), node(w, "mr115"));
    EXPECT_EQ(w.CurModelRow().id(), 114);  // the moved row is shown as it now stands
    EXPECT_EQ(w.CurModelRow().SaldoPuoli(), "K");

    // Onto its model: a top row that keeps its side and order.
    drag(w, node(w, "mr102"), node(w, "ma2"));
    EXPECT_EQ(rowNumber(102, "mrBelongsToGroup"), 0);
    EXPECT_EQ(rowText(102, "mrSaldoPuoli"), "D");
    EXPECT_EQ(rowNumber(102, "mrGroupOrder"), 1);
    EXPECT_EQ(node(w, "mr102")->parent(), node(w, "ma2"));

    // Into another model: every row below it moves into that model too.
    drag(w, node(w, "mr36"), node(w, "mr125"));
    EXPECT_EQ(count("mrID >= 36 AND mrID <= 40 AND mrmaID = 2 AND mrSaldoPuoli = 'K'"), 5);
    EXPECT_EQ(rowNumber(37, "mrBelongsToGroup"), 36);

    // Never onto itself or below itself.
    drag(w, node(w, "mr9"), node(w, "mr11"));
    drag(w, node(w, "mr9"), node(w, "mr9"));
    EXPECT_EQ(rowNumber(9, "mrBelongsToGroup"), 0);
    EXPECT_EQ(node(w, "mr9")->parent(), node(w, "ma1"));
    EXPECT_EQ(w.tvMalli->DropHighlight(), nullptr);

    // Models and roots stay where they are.
    dialogs.expectMessage(QStringLiteral("Et voi siirtää kokonaista mallia!"), ui::Answer::OK);
    drag(w, node(w, "ma1"), node(w, "mr125"));
    dialogs.expectMessage(QStringLiteral("Et voi siirtää pääryhmiä!"), ui::Answer::OK);
    drag(w, w.RootTase(), node(w, "mr125"));
    EXPECT_EQ(node(w, "ma1")->parent(), w.RootTulos());

    // The drop goes to the last row passed over, also when released over a root.
    node(w, "mr29")->setExpanded(true);
    w.tvMalli->setCurrentItem(node(w, "mr30"));
    w.tvMalli_OLEStartDrag();
    w.tvMalli->scrollToItem(node(w, "mr31"));
    w.tvMalli_OLEDragOver(w.tvMalli->visualItemRect(node(w, "mr31")).center());
    w.tvMalli->scrollToItem(w.RootTulos());
    w.tvMalli_OLEDragOver(w.tvMalli->visualItemRect(w.RootTulos()).center());
    w.tvMalli_OLEDragDrop();
    w.tvMalli_OLECompleteDrag();
    EXPECT_EQ(rowNumber(30, "mrBelongsToGroup"), 31);
}

TEST_F(Editor, TheAccountListChoosesTheRowsAccounts) {
    makeBook();
    auto& w = open();
    click(w, "mr2");
    clickItem(w.lstTilit, 45);
    EXPECT_EQ(w.CurModelRow().Tilit(), "43,44,45,");
    EXPECT_EQ(w.lblTilit->toPlainText(), "3000 Osallistumismaksut\n3010 Kurssimaksut\n3020 Leiri- ja retkimaksut\n");
    clickItem(w.lstTilit, 43);
    EXPECT_EQ(w.CurModelRow().Tilit(), "44,45,");
    clickItem(w.lstTilit, -1);
    EXPECT_EQ(w.CurModelRow().Tilit(), "-1,44,45,");
    EXPECT_EQ(w.lstTilit->item(0)->text(), "[Ei tilejä]");
    w.cTallenna->click();
    EXPECT_EQ(rowText(2, "mrTilit"), "-1,44,45,");

    // A new row's blank list shows nothing and becomes empty.
    click(w, "mr1");
    w.cUusi->click();
    EXPECT_EQ(w.lstTilit->selectedItems().size(), 0);
    EXPECT_EQ(w.lblTilit->toPlainText(), "");
    EXPECT_EQ(w.CurModelRow().Tilit(), "");

    // A list that is full takes no more.
    QString full;
    for (long id = 1; id <= 87; ++id) full += QString::number(id) + u',';
    exec(QStringLiteral("UPDATE mr SET mrTilit = '%1' WHERE mrID = 3").arg(full));
    click(w, "mr3");
    ASSERT_EQ(w.CurModelRow().Tilit(), full);
    dialogs.expectMessage(QStringLiteral("Riville ei mahdu enempää tilejä."), ui::Answer::OK);
    clickItem(w.lstTilit, 100);
    EXPECT_EQ(w.CurModelRow().Tilit(), full);
    EXPECT_FALSE(w.lstTilit->item(itemOf(w.lstTilit, 100))->isSelected());
}

TEST_F(Editor, TheRightButtonOpensThePopupThatAddsAnAccount) {
    makeBook();
    auto& w = open();
    click(w, "mr2");
    const QPoint at = w.lstTilit->visualItemRect(w.lstTilit->item(3)).center();
    QTest::mouseClick(w.lstTilit->viewport(), Qt::RightButton, {}, at);
    settle();
    EXPECT_TRUE(w.mPopup->isVisible());
    EXPECT_EQ(w.CurModelRow().Tilit(), "43,44,");  // the right button chose nothing
    w.mPopup->hide();

    // Cancelled: nothing changes.
    onModal = [](ui::Form& f) { static_cast<accounts::frmLisaaTili&>(f).cPeruuta->click(); };
    w.mLisaaTili->trigger();
    EXPECT_EQ(modalShown, QStringList({"frmLisaaTili"}));
    EXPECT_EQ(w.lstTilit->count(), 120);
    EXPECT_EQ(w.CurModelRow().Tilit(), "43,44,");

    onModal = [](ui::Form& f) {
        auto& d = static_cast<accounts::frmLisaaTili&>(f);
        d.tTilinumero->setText(QStringLiteral("3005"));
        d.tNimi->setText(QStringLiteral("Kurssimaksut, lapset"));
        d.cLisaa->click();
    };
    w.mLisaaTili->trigger();
    EXPECT_EQ(ui::Forms::find<accounts::frmLisaaTili>(), nullptr);
    const long added = number("SELECT tlID FROM tl WHERE tlNumero = 3005", "tlID");
    ASSERT_GT(added, 119);
    const int i = itemOf(w.lstTilit, added);
    EXPECT_EQ(i, itemOf(w.lstTilit, 43) + 1);
    EXPECT_EQ(w.lstTilit->item(i)->text(), "3005 Kurssimaksut, lapset");
    EXPECT_TRUE(w.lstTilit->item(i)->isSelected());
    EXPECT_EQ(w.CurModelRow().Tilit(), QStringLiteral("43,%1,44,").arg(added));
}

TEST_F(Editor, TheFormulaEditorBuildsTheTerms) {
    makeBook();
    auto& w = open();
    click(w, "mr50");
    EXPECT_TRUE(w.chkUseEquation->isChecked());
    EXPECT_EQ(w.lblKaava->toPlainText(),
              "+[Varsinaisen toiminnan tuotto-/kulujäämä]+[Varainhankinnan tuotto-/kulujäämä]"
              "+[Sijoitus- ja rahoitustoiminnan tuotto-/kulujäämä]");
    // The model's rows by name after "[Ei rivejä]"; no profit entries here.
    EXPECT_EQ(w.lstSummaRivit->item(0)->text(), "[Ei rivejä]");
    EXPECT_EQ(w.lstSummaRivit->count(), 61);
    EXPECT_EQ(w.lstSummaRivit->item(1)->text(), "Arpajaiset");

    w.cTyhjennaKaava->click();
    EXPECT_EQ(w.CurModelRow().Kaava(), "");
    EXPECT_EQ(w.lblKaava->toPlainText(), "");
    w.lstSummaRivit->setCurrentRow(itemOf(w.lstSummaRivit, 28));
    w.cPlussaa->click();
    w.lstSummaRivit->setCurrentRow(itemOf(w.lstSummaRivit, 41));
    w.cMiinusta->click();
    EXPECT_EQ(w.CurModelRow().Kaava(), "+28,-41,");
    EXPECT_EQ(w.lblKaava->toPlainText(), "+[Varsinaisen toiminnan tuotto-/kulujäämä]-[Varainhankinnan tuotto-/kulujäämä]");
    w.lstSummaRivit->setCurrentRow(0);
    w.cPlussaa->click();  // "[Ei rivejä]" reads as the profit of model 1
    EXPECT_EQ(w.CurModelRow().Kaava(), "+28,-41,+-1,");
    EXPECT_TRUE(w.lblKaava->toPlainText().endsWith("+[Tuloslaskelma : Voitto/Tappio]"));
    w.lstSummaRivit->setCurrentRow(-1);
    w.cPlussaa->click();
    EXPECT_EQ(w.CurModelRow().Kaava(), "+28,-41,+-1,");
    w.chkUseEquation->click();
    EXPECT_FALSE(w.CurModelRow().IsEquation());
    w.cTallenna->click();
    EXPECT_EQ(rowText(50, "mrKaava"), "+28,-41,+-1,");
    EXPECT_EQ(rowNumber(50, "mrIsEquation"), 0);

    // A formula that is full takes no more terms.
    const QString full = QStringLiteral("+28,").repeated(63);
    exec(QStringLiteral("UPDATE mr SET mrKaava = '%1' WHERE mrID = 55").arg(full));
    click(w, "mr55");
    w.lstSummaRivit->setCurrentRow(itemOf(w.lstSummaRivit, 41));
    dialogs.expectMessage(QStringLiteral("Kaavaan ei mahdu enempää rivejä."), ui::Answer::OK);
    w.cPlussaa->click();
    EXPECT_EQ(w.CurModelRow().Kaava(), full);

    // A balance model offers the profit of every model with a profit row.
    exec("UPDATE mr SET mrKaava = '+101,--1,+9999,' WHERE mrID = 125");
    click(w, "mr125");
    EXPECT_EQ(w.lstSummaRivit->item(1)->text(), "Tuloslaskelma : [Voitto / Tappio]");
    EXPECT_EQ(w.lstSummaRivit->item(1)->data(Qt::UserRole).toLongLong(), -1);
    EXPECT_EQ(w.lblKaava->toPlainText(), "+[VASTAAVAA]-[Tuloslaskelma : Voitto/Tappio]+[]");
}

TEST_F(Editor, TheCheckCommandShowsEachFindingAndTheReportsUseTheirHooks) {
    makeBook("UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID = 2;\n");
    auto& w = open();
    onModal = [](ui::Form& f) {
        auto& chooser = static_cast<frmTarkistaMallit&>(f);
        EXPECT_EQ(chooser.cmbTulosmalli->currentText(), "Tuloslaskelma");
        EXPECT_EQ(chooser.cmbTasemalli->currentText(), "Tase");
        chooser.cTarkista->click();
    };
    dialogs.expectMessage(QStringLiteral("Tuloslaskelmassa on valittuna saldopuoleksi debet.\r\n\r\nKohdassa:\r\n"
                                         "Tuloslaskelma\r\n  Varsinaisen toiminnan tuotot"),
                          ui::Answer::OK);
    dialogs.expectMessage(QStringLiteral("Tarkistus suoritettu."), ui::Answer::OK);
    w.mTarkistaTilikartta->trigger();
    EXPECT_EQ(modalShown, QStringList({"frmTarkistaMallit"}));
    EXPECT_EQ(dialogs.shown().first().icon, ui::Icon::None);

    // What is on screen is checked.
    click(w, "mr2");
    w.tOtsake->setText(QStringLiteral("Maksut"));
    dialogs.reset();
    dialogs.expectMessage(QStringLiteral("Kohdassa:\r\nTuloslaskelma\r\n  Varsinaisen toiminnan tuotot\r\n    Maksut"),
                          ui::Answer::OK);
    dialogs.expectMessage(QStringLiteral("Tarkistus suoritettu."), ui::Answer::OK);
    w.mTarkistaTilikartta->trigger();

    onModal = [](ui::Form& f) { static_cast<frmTarkistaMallit&>(f).cPeruuta->click(); };
    w.mTarkistaTilikartta->trigger();

    dialogs.expectMessage(QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa."), ui::Answer::OK);
    w.cTulosta->click();
    int printed = 0;
    frmNewTulosJaTase::SetPrintCommand([&](frmNewTulosJaTase& window) {
        EXPECT_EQ(&window, &w);
        EXPECT_EQ(window.CurModel().id(), 1);
        ++printed;
    });
    w.cTulosta->click();
    EXPECT_EQ(printed, 1);
}

TEST_F(Editor, ExtraRoomGoesToTheTreeAndToTheListsOfTheModelFrame) {
    makeBook();
    auto& w = open();
    click(w, "mr2");
    ASSERT_TRUE(w.frameRivinTiedot->isVisible());
    const QRect tree = w.tvMalli->geometry();
    const QRect frame = w.frameMalli->geometry();
    const QSize accounts = w.lstTilit->size();
    const QSize rows = w.lstSummaRivit->size();
    w.resize(w.width() + 600, w.height() + 300);
    settle();
    EXPECT_GT(w.tvMalli->width(), tree.width());
    EXPECT_EQ(w.tvMalli->height(), tree.height() + 300);
    EXPECT_GT(w.frameMalli->width(), frame.width());
    EXPECT_GT(w.frameMalli->height(), frame.height());
    EXPECT_GT(w.lstTilit->width(), accounts.width());
    EXPECT_GT(w.lstTilit->height(), accounts.height());
    EXPECT_GT(w.lstSummaRivit->height(), rows.height());
    // The tree, the model frame and the progress bar stay side by side.
    EXPECT_LT(w.tvMalli->geometry().right(), w.frameMalli->geometry().left());
    EXPECT_LT(w.frameMalli->geometry().right(), w.pBar->geometry().left());

    // Made as small as it goes, the window keeps what its controls need.
    w.resize(300, 200);
    settle();
    EXPECT_GE(w.width(), w.minimumSizeHint().width());
    EXPECT_GE(w.tvMalli->width(), w.tvMalli->minimumWidth());
    EXPECT_GE(w.frameMalli->width(), w.frameMalli->minimumSizeHint().width());
    EXPECT_GE(w.frameMalli->height(), w.frameMalli->minimumSizeHint().height());
    EXPECT_LT(w.tvMalli->geometry().right(), w.frameMalli->geometry().left());
}

}  // namespace
