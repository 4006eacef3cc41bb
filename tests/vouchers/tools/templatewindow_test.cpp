// The template window: creating, editing and deleting templates with their
// lines, the typed account and cost-centre choices, the balancing proposal,
// cancelling, and the quick-choice warning.

#include "toolsfixture.h"
#include "vouchers/tools/frmtositepohja.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using ui::Answer;

namespace {

class TemplateWindowTest : public kvtest::ToolsTest {
protected:
    vouchers::frmTositepohja& open() {
        w = &ui::Forms::show<vouchers::frmTositepohja>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        settle();
        return *w;
    }
    // Picks a line of the template list with the mouse.
    void pick(int row) {
        QListWidget* l = w->lstTositePohjat;
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
        settle();
    }
    // The window's keys, wherever the focus is.
    void windowKey(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused() ? focused() : w, k, m);
        settle();
    }
    // Empties an editable combo and leaves it.
    void clearCombo(QComboBox* c) {
        focusOn(c);
        c->lineEdit()->selectAll();
        key(Qt::Key_Delete);
        enter();
    }
    long addTemplate(long id, const char* nimi, long pikavalinta = 0) {
        db().Execute(QStringLiteral("INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (?, ?, 'Teksti', ?)"),
                     {id, QString::fromUtf8(nimi), pikavalinta});
        return id;
    }
    void addLine(long tpID, long tlID, const char* side, const char* amount, long kpID = 0) {
        db().Execute(QStringLiteral("INSERT INTO vipPohjat (viptpID, viptlID, vipTyyppi, vipArvo, vipkpID) "
                                    "VALUES (?, ?, ?, ?, ?)"),
                     {tpID, tlID, QString::fromLatin1(side), eur(amount), kpID});
    }

    vouchers::frmTositepohja* w = nullptr;
};

TEST_F(TemplateWindowTest, ANewTemplateIsEnteredFieldByFieldAndSaved) {
    book();
    auto& f = open();
    EXPECT_EQ(f.lstTositePohjat->count(), 0);
    EXPECT_FALSE(f.tNimi->isEnabled());
    EXPECT_FALSE(f.cmbDebetTili[0]->isEnabled());
    EXPECT_FALSE(f.frameTositePohjanViennit->isEnabled());

    windowKey(Qt::Key_F2);
    const long id = f.Pohja().id();
    ASSERT_NE(id, 0);
    // Stored at once, the empty texts as one blank.
    EXPECT_EQ(text("SELECT Nimi FROM tpPohjat WHERE tpID = ?", {id}), " ");
    EXPECT_EQ(text("SELECT Selite FROM tpPohjat WHERE tpID = ?", {id}), " ");
    EXPECT_EQ(value("SELECT Pikavalinta FROM tpPohjat WHERE tpID = ?", {id}), 0);
    EXPECT_EQ(focused(), f.tNimi);
    EXPECT_TRUE(f.cmbKreditKP[5]->isEnabled());
    EXPECT_EQ(f.tDebetSumma[0]->text(), "0,00");
    EXPECT_EQ(f.tKreditSumma[5]->text(), "0,00");

    type("Jäsenmaksu");
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Jäsenmaksu"}));  // enters the list as it is named
    enter();
    EXPECT_EQ(focused(), f.tSelite);
    type("Jäsenmaksut 2031");
    fill(f.cmbDebetTili[0], "19");  // the first account in number order that starts so
    EXPECT_EQ(f.cmbDebetTili[0]->currentText(), "1910 Pankki");
    fill(f.cmbDebetKP[0], "2");
    EXPECT_EQ(f.DebetRivi(0).kpID(), 2);
    fill(f.tDebetSumma[0], "25,50");
    // Leaving the debit amount offers the balancing credit on the same row.
    EXPECT_EQ(f.tKreditSumma[0]->text(), "25,50");
    EXPECT_EQ(f.lblErotus->text(), euros("0"));
    EXPECT_EQ(f.lblDebetSumma->text(), euros("25.5"));
    fill(f.cmbKreditTili[0], "3");
    EXPECT_EQ(f.KreditRivi(0).tlID(), Jasenmaksut);
    windowKey(Qt::Key_F3);
    EXPECT_EQ(text("SELECT Nimi FROM tpPohjat WHERE tpID = ?", {id}), "Jäsenmaksu");
    EXPECT_EQ(text("SELECT Selite FROM tpPohjat WHERE tpID = ?", {id}), "Jäsenmaksut 2031");
    EXPECT_EQ(lines(id), QStringList({"D 2 25.5 kp2", "K 4 25.5"}));

    // A debit amount beside a credit amount already there changes nothing.
    fill(f.tKreditSumma[1], "40");
    fill(f.tDebetSumma[1], "100");
    EXPECT_EQ(f.tKreditSumma[1]->text(), "40");
    EXPECT_EQ(f.lblErotus->text(), euros("60"));
    EXPECT_EQ(f.lblErotus->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(TemplateWindowTest, StoredLinesAreShownChangedAndCleared) {
    book();
    addTemplate(7, "Vuokra");
    addLine(7, Kassa, "D", "10");
    addLine(7, Pankki, "D", "20", 1);
    addLine(7, Kulut, "D", "30");
    addLine(7, Jasenmaksut, "K", "60");
    auto& f = open();
    pick(0);
    EXPECT_EQ(f.Pohja().id(), 7);
    EXPECT_EQ(f.tNimi->text(), "Vuokra");
    EXPECT_EQ(f.cmbDebetTili[1]->currentText(), "1910 Pankki");
    EXPECT_EQ(f.cmbDebetKP[1]->currentText(), "10");
    EXPECT_EQ(f.tDebetSumma[2]->text(), "30,00");
    EXPECT_EQ(f.cmbDebetTili[3]->currentText(), " ");
    EXPECT_EQ(f.tDebetSumma[3]->text(), "0,00");
    EXPECT_EQ(f.lblErotus->text(), euros("0"));

    // Row 1 left without account and amount: its line goes at the save.
    clearCombo(f.cmbDebetTili[1]);
    EXPECT_EQ(f.DebetRivi(1).tlID(), 0);
    fill(f.tDebetSumma[1], "0");
    windowKey(Qt::Key_F3);
    EXPECT_EQ(lines(7), QStringList({"D 1 10", "D 5 30", "K 4 60"}));
    // The row still belongs to the template: what is typed into it later
    // is stored as its line.
    fill(f.cmbDebetTili[1], "1920");
    fill(f.tDebetSumma[1], "5");
    windowKey(Qt::Key_F3);
    // Its cost centre is still on screen, and goes with it.
    EXPECT_EQ(lines(7), QStringList({"D 1 10", "D 5 30", "D 3 5 kp1", "K 4 60"}));
    EXPECT_EQ(value("SELECT COUNT(*) FROM vipPohjat WHERE viptpID <> 7"), 0);

    // A cost centre emptied is none, without a question.
    clearCombo(f.cmbDebetKP[0]);
    EXPECT_EQ(f.DebetRivi(0).kpID(), 0);
    // Typed text that matches nothing: the message, and no account.
    dialogs->expectMessage("Valitse tili, jolle vienti tehdään.", Answer::OK);
    fill(f.cmbKreditTili[2], "9");
    EXPECT_EQ(f.cmbKreditTili[2]->currentText(), " ");
    EXPECT_EQ(f.KreditRivi(2).tlID(), 0);
    dialogs->expectMessage("Valitse kustannuspaikka, jolle vienti kohdistetaan.", Answer::OK);
    fill(f.cmbKreditKP[2], "7");
    EXPECT_EQ(f.KreditRivi(2).kpID(), 0);
}

TEST_F(TemplateWindowTest, LeavingATemplateStoresItAndPeruRestores) {
    book();
    addTemplate(1, "Avaus");
    addLine(1, Kassa, "D", "10");
    addTemplate(2, "Bussi");
    auto& f = open();
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Avaus", "Bussi"}));
    pick(0);

    // Peru puts back the stored values, and a row never stored goes blank.
    fill(f.tNimi, "Muutettu");
    fill(f.tDebetSumma[0], "99");
    fill(f.cmbDebetTili[4], "4000");
    fill(f.tDebetSumma[4], "7");
    windowKey(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.tNimi->text(), "Avaus");
    EXPECT_EQ(f.tDebetSumma[0]->text(), "10,00");
    EXPECT_EQ(f.tDebetSumma[4]->text(), "0,00");
    EXPECT_EQ(f.cmbDebetTili[4]->currentText(), " ");
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Avaus", "Bussi"}));

    // A new name changes the line in place; the list is not sorted again.
    fill(f.tNimi, "Öljy");
    fill(f.tDebetSumma[0], "12");
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Öljy", "Bussi"}));
    EXPECT_EQ(f.lstTositePohjat->currentRow(), 0);
    // Another template chosen: the one left is stored, its lines included.
    pick(1);
    EXPECT_EQ(f.Pohja().id(), 2);
    EXPECT_EQ(text("SELECT Nimi FROM tpPohjat WHERE tpID = 1"), "Öljy");
    EXPECT_EQ(lines(1), QStringList({"D 1 12", "K 0 12"}));  // the balancing credit proposed on row 0
    EXPECT_EQ(lines(2), QStringList());  // the rows of the one left were not stored as lines
    // Selaa: the list in name order.
    windowKey(Qt::Key_F5);
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Bussi", "Öljy"}));
    EXPECT_EQ(f.lstTositePohjat->currentRow(), 0);

    // Closing stores what the template holds.
    fill(f.tSelite, "Bussiliput");
    f.cSulje->click();
    settle();
    EXPECT_EQ(text("SELECT Selite FROM tpPohjat WHERE tpID = 2"), "Bussiliput");
    EXPECT_EQ(value("SELECT COUNT(*) FROM vipPohjat WHERE viptpID = 2"), 0);
}

TEST_F(TemplateWindowTest, AQuickChoiceInUseIsAnnouncedButKept) {
    book();
    addTemplate(1, "Avaus", 2);
    addTemplate(2, "Bussi", 3);
    auto& f = open();
    pick(1);
    EXPECT_EQ(f.cmbPikavalinta->currentText(), "3");
    // The template's own number is no conflict.
    focusOn(f.cmbPikavalinta);
    key(Qt::Key_Tab);
    // Number 2 belongs to Avaus: a warning on leaving the box, once.
    focusOn(f.cmbPikavalinta);
    key(Qt::Key_Up);
    EXPECT_EQ(f.cmbPikavalinta->currentText(), "2");
    EXPECT_EQ(f.Pohja().Pikavalinta(), 2);
    dialogs->expectMessage("Pikavalinta 2 on jo käytössä.", Answer::OK);
    key(Qt::Key_Tab);
    EXPECT_EQ(dialogs->shown().size(), 1);
    windowKey(Qt::Key_F3);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tpPohjat WHERE Pikavalinta = 2"), 2);
    // "-" takes the number away.
    focusOn(f.cmbPikavalinta);
    f.cmbPikavalinta->setCurrentIndex(0);
    key(Qt::Key_Tab);
    windowKey(Qt::Key_F3);
    EXPECT_EQ(value("SELECT Pikavalinta FROM tpPohjat WHERE tpID = 2"), 0);
}

TEST_F(TemplateWindowTest, DeleteAsksAndTakesTheLinesAlong) {
    book();
    addTemplate(1, "Avaus");
    addLine(1, Kassa, "D", "10");
    addLine(1, Jasenmaksut, "K", "10");
    addTemplate(2, "Bussi");
    addLine(2, Kulut, "D", "3");
    auto& f = open();

    // With no template shown, nothing is deleted.
    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositepohjan?", Answer::Yes);
    windowKey(Qt::Key_F4);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tpPohjat"), 2);

    pick(0);
    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositepohjan?", Answer::No);
    f.cPoista->click();
    settle();
    EXPECT_EQ(f.Pohja().id(), 1);
    fill(f.tDebetSumma[0], "11");  // an edit pending while it goes
    dialogs->expectMessage("Haluatko varmasti poistaa valitun tositepohjan?", Answer::Yes);
    f.cPoista->click();
    settle();
    EXPECT_EQ(value("SELECT COUNT(*) FROM tpPohjat WHERE tpID = 1"), 0);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vipPohjat WHERE viptpID = 1"), 0);
    EXPECT_EQ(lines(2), QStringList({"D 5 3"}));
    EXPECT_EQ(texts(f.lstTositePohjat), QStringList({"Bussi"}));
    EXPECT_TRUE(f.Pohja().IsEmpty());
    EXPECT_FALSE(f.tNimi->isEnabled());
    EXPECT_EQ(f.tNimi->text(), "");
    // Nothing of it comes back when the window closes.
    f.cSulje->click();
    settle();
    EXPECT_EQ(value("SELECT COUNT(*) FROM vipPohjat WHERE viptpID = 1"), 0);
    EXPECT_EQ(value("SELECT COUNT(*) FROM tpPohjat"), 1);
}

// A text that is no amount, left with Enter or saved at once with F3: the
// message names the field and the text, the box shows the line's amount
// again, and the save stores the amounts the lines had.
TEST_F(TemplateWindowTest, ATextThatIsNoAmountIsRefusedAndNothingOfItStored) {
    struct Case {
        const char* side;
        const char* typed;
        bool save;  // F3 with the focus still in the box, instead of Enter
    };
    const Case cases[] = {{"Debet", "12x", false},         {"Kredit", "1e3", false}, {"Debet", "5,5,5", true},
                          {"Kredit", "12-", true},         {"Debet", "1000000000000", false}};
    book();
    addTemplate(1, "Vuokra");
    addLine(1, Kulut, "D", "30");
    addLine(1, Pankki, "K", "30");
    auto& f = open();
    pick(0);
    const QString thirty = eur("30").toText();  // "30,00" in Finnish
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QLineEdit* box = QLatin1String(c.side) == "Debet" ? f.tDebetSumma[0] : f.tKreditSumma[0];
        dialogs->expectMessage(QStringLiteral("%1 summa: \"%2\" ei ole rahamäärä.").arg(c.side, c.typed), Answer::OK);
        retype(box, QString::fromLatin1(c.typed));
        if (c.save)
            windowKey(Qt::Key_F3);
        else
            enter();
        EXPECT_EQ(box->text(), thirty);
        EXPECT_EQ(f.lblErotus->text(), euros("0"));
        windowKey(Qt::Key_F3);
        EXPECT_EQ(lines(1), QStringList({"D 5 30", "K 2 30"}));
    }
    EXPECT_EQ(dialogs->shown().size(), qsizetype(std::size(cases)));
}

TEST_F(TemplateWindowTest, AChoiceGivenByKeyIsTakenBeforeTheSave) {
    book();
    addTemplate(1, "Avaus");
    auto& f = open();
    pick(0);
    // The account typed and the save key pressed at once, the box never left.
    focusOn(f.cmbKreditTili[0]);
    type("1000");
    windowKey(Qt::Key_F3);
    EXPECT_EQ(f.KreditRivi(0).tlID(), Kassa);
    EXPECT_EQ(lines(1), QStringList({"K 1 0"}));
}

}  // namespace
