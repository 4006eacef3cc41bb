// The cost-centre window: the list and its upkeep while typing, the choice
// from the list, new, save, cancel, delete with its warning, browsing and
// the refresh.

#include "accounts/frmkustannuspaikat.h"
#include "accountsfixture.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using accounts::frmKustannuspaikat;

namespace {

// kpID 1..3, stored out of number order.
const char* kCentres =
    "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Aikuiset', ' ');\n"
    "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (5, 'Nuoret', 'Alle 18-vuotiaat');\n"
    "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (1, 'Hallinto', ' ');\n";

class CostCentreWindow : public kvtest::AccountsTest {
protected:
    frmKustannuspaikat& openWindow() {
        w = &open<frmKustannuspaikat>();
        return *w;
    }
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < w->lstKPt->count(); ++i) out << w->lstKPt->item(i)->text();
        return out;
    }
    void click(int row) {
        QListWidgetItem* item = w->lstKPt->item(row);
        w->lstKPt->scrollToItem(item);
        settle();
        QTest::mouseClick(w->lstKPt->viewport(), Qt::LeftButton, {}, w->lstKPt->visualItemRect(item).center());
        settle();
    }
    QString shown() const { return w->tKPNumero->text() + u' ' + w->tNimi->text(); }
    QString row(long id) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT kpNumero, kpNimi, kpKuvaus FROM kp WHERE kpID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(id)});
        if (rs.isEOF()) return QStringLiteral("<none>");
        return rs.value(0).toString() + u'|' + rs.value(1).toString() + u'|' + rs.value(2).toString();
    }

    frmKustannuspaikat* w = nullptr;
};

TEST_F(CostCentreWindow, TheListStandsInNumberOrderAndAChoiceShowsTheCostCentre) {
    book(QString::fromUtf8(kCentres));
    openWindow();
    EXPECT_EQ(items(), (QStringList{"1 Hallinto", "5 Nuoret", "20 Aikuiset"}));
    EXPECT_EQ(w->lstKPt->item(1)->data(Qt::UserRole).toLongLong(), 2);
    EXPECT_TRUE(w->lstKPt->selectedItems().isEmpty());
    EXPECT_TRUE(w->curKustannuspaikka().IsEmpty());
    EXPECT_FALSE(w->tNimi->isEnabled());

    click(1);
    EXPECT_EQ(shown(), QStringLiteral("5 Nuoret"));
    EXPECT_EQ(w->tKuvaus->toPlainText(), QStringLiteral("Alle 18-vuotiaat"));
    EXPECT_TRUE(w->tNimi->isEnabled());
    // Arrow keys choose too.
    key(Qt::Key_Down);
    EXPECT_EQ(shown(), QStringLiteral("20 Aikuiset"));
    EXPECT_FALSE(w->curKustannuspaikka().isDirty());
}

TEST_F(CostCentreWindow, TypingRewritesTheItemInPlaceUntilTheRefresh) {
    book(QString::fromUtf8(kCentres));
    openWindow();
    click(1);
    retype(w->tKPNumero, QStringLiteral("50"));
    EXPECT_EQ(items(), (QStringList{"1 Hallinto", "50 Nuoret", "20 Aikuiset"}));
    retype(w->tNimi, QStringLiteral("Nuor"));
    EXPECT_EQ(items()[1], QStringLiteral("50 Nuor"));
    type(QStringLiteral("iso"));
    EXPECT_EQ(items()[1], QStringLiteral("50 Nuoriso"));
    EXPECT_EQ(w->lstKPt->currentRow(), 1);
    // The number box takes three characters, whole numbers only.
    retype(w->tKPNumero, QStringLiteral("1234"));
    EXPECT_EQ(w->tKPNumero->text(), QStringLiteral("123"));
    retype(w->tKPNumero, QStringLiteral("5x"));
    EXPECT_EQ(w->tKPNumero->text(), QStringLiteral("5"));
    retype(w->tKPNumero, QString());
    EXPECT_EQ(w->curKustannuspaikka().Numero(), 0);
    retype(w->tKPNumero, QStringLiteral("50"));

    // Cancel: back to the stored values, in the boxes and the list.
    w->tKuvaus->setFocus();
    QTest::keyClicks(w->tKuvaus, QStringLiteral("Kokoukset"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("5 Nuoret"));
    EXPECT_EQ(w->tKuvaus->toPlainText(), QStringLiteral("Alle 18-vuotiaat"));
    EXPECT_EQ(items()[1], QStringLiteral("5 Nuoret"));
    retype(w->tKPNumero, QStringLiteral("50"));
    retype(w->tNimi, QStringLiteral("Nuoriso"));

    // The refresh saves and puts the list in number order; nothing selected.
    key(Qt::Key_F5);
    EXPECT_EQ(items(), (QStringList{"1 Hallinto", "20 Aikuiset", "50 Nuoriso"}));
    EXPECT_EQ(row(2), QStringLiteral("50|Nuoriso|Alle 18-vuotiaat"));
    EXPECT_TRUE(w->lstKPt->selectedItems().isEmpty());
    EXPECT_EQ(shown(), QStringLiteral("50 Nuoriso"));
}

TEST_F(CostCentreWindow, NewCostCentresJoinTheEndOfTheList) {
    book();
    openWindow();
    EXPECT_EQ(w->lstKPt->count(), 0);
    key(Qt::Key_F2);
    EXPECT_EQ(focused(), w->tKPNumero);
    const long id = w->curKustannuspaikka().id();
    EXPECT_EQ(row(id), QStringLiteral("0| | "));
    // Written into the boxes by the window itself: the first item.
    EXPECT_EQ(items(), QStringList{"0 "});
    type(QStringLiteral("7"));
    retype(w->tNimi, QStringLiteral("Kahvio"));
    EXPECT_EQ(items(), QStringList{"7 Kahvio"});

    w->cUusi->click();  // the first is left: it saves itself
    EXPECT_EQ(row(id), QStringLiteral("7|Kahvio| "));
    EXPECT_EQ(items(), (QStringList{"7 Kahvio", "0 "}));
    EXPECT_EQ(w->lstKPt->currentRow(), 1);
    click(0);
    EXPECT_EQ(shown(), QStringLiteral("7 Kahvio"));
}

TEST_F(CostCentreWindow, DeleteWarnsOnceAboutTheEntriesAndRemovesTheItem) {
    book(QString::fromUtf8(kCentres) +
         QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                        "viPaatosvienti, viAutomaatti) VALUES (1, 1, 2, 'D', 10, 'x', False, False, False);\n"));
    openWindow();
    click(1);
    const QString warning = QStringLiteral(
        "Haluatko varmasti poistaa valitun kustannuspaikan?\r\n\r\n"
        "Kustannuspaikalle tehdyt viennit pitää poiston jälkeen kohdistaa uudelle kustannuspaikalle.");
    dialogs->expectMessage(warning, ui::Answer::No);
    w->cPoista->click();
    EXPECT_EQ(items().size(), 3);
    EXPECT_EQ(shown(), QStringLiteral("5 Nuoret"));
    EXPECT_EQ(dialogs->shown().last().icon, ui::Icon::Question);

    dialogs->expectMessage(warning, ui::Answer::Yes);
    key(Qt::Key_F4);
    EXPECT_EQ(items(), (QStringList{"1 Hallinto", "20 Aikuiset"}));
    EXPECT_EQ(row(2), QStringLiteral("<none>"));
    EXPECT_TRUE(w->curKustannuspaikka().IsEmpty());
    EXPECT_TRUE(w->tNimi->text().isEmpty());
    EXPECT_FALSE(w->tNimi->isEnabled());
    // The entry keeps the key of the cost centre, as the warning says.
    EXPECT_EQ(value(QStringLiteral("SELECT vikpID FROM vi")), 2);
    EXPECT_EQ(dialogs->shown().size(), 2);
    // Any item the user clicks now is shown, selected before or not.
    click(1);
    EXPECT_EQ(shown(), QStringLiteral("20 Aikuiset"));
    click(0);
    EXPECT_EQ(shown(), QStringLiteral("1 Hallinto"));
}

TEST_F(CostCentreWindow, BrowsingFromNothingShownAndAtTheEnds) {
    book(QString::fromUtf8(kCentres) +
         QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (0, 'Nolla', ' ');\n"));
    openWindow();
    w->cEdellinen->click();
    w->cSeuraava->click();
    EXPECT_TRUE(w->curKustannuspaikka().IsEmpty());
    w->cEnsimmainen->click();
    EXPECT_EQ(shown(), QStringLiteral("1 Hallinto"));
    // The list follows the shown cost centre.
    EXPECT_EQ(w->lstKPt->currentItem()->text(), QStringLiteral("1 Hallinto"));
    w->tNimi->setFocus();
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("20 Aikuiset"));
    EXPECT_EQ(w->lstKPt->currentItem()->text(), QStringLiteral("20 Aikuiset"));
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("20 Aikuiset"));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("5 Nuoret"));
    w->mViimeinen->trigger();
    w->mEnsimmainen->trigger();
    w->mEdellinen->trigger();
    EXPECT_EQ(shown(), QStringLiteral("0 Nolla"));
}

TEST_F(CostCentreWindow, ClosingSavesTheShownCostCentre) {
    book(QString::fromUtf8(kCentres));
    openWindow();
    click(2);
    retype(w->tNimi, QStringLiteral("Aikuisliikunta"));
    w->close();  // the close box
    settle();
    EXPECT_EQ(row(1), QStringLiteral("20|Aikuisliikunta| "));
    EXPECT_EQ(ui::Forms::find<frmKustannuspaikat>(), nullptr);
    // The next opening starts afresh.
    openWindow();
    EXPECT_TRUE(w->curKustannuspaikka().IsEmpty());
    EXPECT_EQ(items()[2], QStringLiteral("20 Aikuisliikunta"));
}

}  // namespace
