// No state of the voucher window keeps the user from leaving a voucher,
// saving it or closing the window: a voucher without a date is left, saved
// and closed as it is, and a date text that is no date is refused once;
// the rest of what was typed is stored.

#include "windowfixture.h"

#include <QPointer>

using kvtest::VoucherWindowTest;
using ui::Answer;

namespace {

class VoucherWindowTraps : public VoucherWindowTest {
protected:
    // The stored date of a voucher: "" for none (Null or the empty date).
    QString storedDate(long toID) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        if (rs.isEOF()) return QStringLiteral("<none>");
        const dao::Variant v = rs.value(0);
        return v.isNull() || v.toDate().isZero() ? QString() : v.toDate().toShortString();
    }
    QString storedText(long toID) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        return rs.isEOF() ? QStringLiteral("<none>") : rs.value(0).toString();
    }
};

TEST_F(VoucherWindowTraps, AVoucherWithoutADateIsLeftSavedAndClosedAsItIs) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    db().Execute(QStringLiteral("UPDATE to SET toPvm = Null WHERE toID = ?"), {dao::Variant(v1)});
    // The checker flags the voucher at the first activation.
    dialogs->expectMessage("Tositteissa puutteita", Answer::No);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(f.Tosite().id(), v1);
    EXPECT_TRUE(f.tTositepvm->text().isEmpty());

    // Passing through the empty date field asks nothing.
    focusOn(f.tTositepvm);
    enter();
    EXPECT_EQ(focused(), f.tTositeSelite);
    retype("Ilman päivää");
    key(Qt::Key_F3);
    EXPECT_EQ(storedText(v1), "Ilman päivää");
    EXPECT_EQ(storedDate(v1), "");

    // Leaving the voucher and coming back.
    focusOn(f.tTositeSelite);
    retype("Yhä ilman päivää");
    key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(storedText(v1), "Yhä ilman päivää");
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(f.Tosite().id(), v1);

    // Closing the window.
    focusOn(f.tTositeSelite);
    retype("Suljettu");
    const QPointer<vouchers::frmNewTositteet> closed(&f);
    f.cSulje->click();
    settle();
    EXPECT_TRUE(!closed || closed->isUnloaded());
    EXPECT_EQ(storedText(v1), "Suljettu");
    EXPECT_EQ(storedDate(v1), "");
}

TEST_F(VoucherWindowTraps, ATextThatIsNoDateIsRefusedOnceAndTheUserGoesOn) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    const QString date = f.tTositepvm->text();
    ASSERT_FALSE(date.isEmpty());

    // Told once, as the field is left; the field shows the date kept and
    // the focus goes on.
    focusOn(f.tTositepvm);
    retype("31.2.2031");
    dialogs->expectMessage("Päivämäärää ei tallennettu, koska se ei ole päivämäärä: 31.2.2031", Answer::OK);
    enter();
    EXPECT_EQ(focused(), f.tTositeSelite);
    EXPECT_EQ(f.tTositepvm->text(), date);
    retype("Muutettu");

    // Closing stores the rest without a further word, and goes.
    const QPointer<vouchers::frmNewTositteet> closed(&f);
    f.cSulje->click();
    settle();
    EXPECT_TRUE(!closed || closed->isUnloaded());
    EXPECT_EQ(storedText(v1), "Muutettu");
    EXPECT_EQ(storedDate(v1), date);
}

TEST_F(VoucherWindowTraps, WhileTheProgramEndsAnUnmatchedAccountIsAskedAbout) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tTositeSelite);
    retype("Lopussa");
    focusOn(f.cmbDebetTili[2]);
    type("zz");  // typed, no list item

    // The user chooses to stay: the program does not end.
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK)
        .expectMessage("Tilivalintaa ei voida tallentaa. Lopetetaanko silti?", Answer::No);
    EXPECT_FALSE(ui::Forms::unloadAll());
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(storedText(v1), "Eka");

    // The user chooses to end: the rest is stored and the window goes.
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK)
        .expectMessage("Tilivalintaa ei voida tallentaa. Lopetetaanko silti?", Answer::Yes);
    EXPECT_TRUE(ui::Forms::unloadAll());
    EXPECT_TRUE(ui::Forms::all().isEmpty());
    EXPECT_EQ(storedText(v1), "Lopussa");
    EXPECT_EQ(entries(v1), QStringList({"D 1 10", "K 4 10"}));
}

}  // namespace
