// The voucher check's findings window and the start-up question.

#include "toolsfixture.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"

#include <QPushButton>

using ui::Answer;

namespace {

class CheckWindowTest : public kvtest::ToolsTest {
protected:
    vouchers::frmTositeTarkistusVirheet* open() {
        vouchers::ShowTositeTarkistusVirheet();
        settle();
        return ui::Forms::find<vouchers::frmTositeTarkistusVirheet>();
    }
    // Voucher 1 dated before the year, opening voucher 2 out of balance,
    // closing voucher 3 with an entry without account.
    void faultyBook() {
        book();
        const long v1 = addVoucher(1, "Vanha", false, false, dao::Date::fromYmd(2030, 12, 31));
        addEntry(v1, Kassa, "D", eur("5"));
        addEntry(v1, Jasenmaksut, "K", eur("5"));
        const long v2 = addVoucher(2, "Avaus", true);
        addEntry(v2, Kassa, "D", eur("5"));
        const long v3 = addVoucher(3, "Päätös", false, true);
        addEntry(v3, 0, "D", eur("5"));
        addEntry(v3, Kassa, "K", eur("5"));
        v1_ = v1;
    }
    long v1_ = 0;
};

TEST_F(CheckWindowTest, FindingsAreListedWithTheirModeAndCheckedAgain) {
    faultyBook();
    auto* f = open();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isShownModal());
    EXPECT_EQ(texts(f->lstVirheet),
              QStringList({"Tositteen no: 1 päivä ei kuulu tilikauteen.",
                           "Tarkista avaustosite: Tositteen no: 2 debet ja kredit saldo ei täsmää.",
                           "Tarkista päätöstosite: Jokin tilivalinta puuttuu tositteelta no: 3."}));

    // Opened again while open: brought forward as it is.
    db().Execute("UPDATE to SET toPvm = ? WHERE toID = ?", {dao::Date::fromYmd(2031, 1, 1), v1_});
    EXPECT_EQ(open(), f);
    EXPECT_EQ(f->lstVirheet->count(), 3);
    // "Tarkista" checks again.
    f->cTarkista->click();
    EXPECT_EQ(f->lstVirheet->count(), 2);
    db().Execute("DELETE FROM vi");
    db().Execute("DELETE FROM to");
    f->cTarkista->click();
    EXPECT_EQ(texts(f->lstVirheet), QStringList({"Tarkistus suoritettu virheettömästi."}));
    f->cSulje->click();
    settle();
    EXPECT_EQ(ui::Forms::find<vouchers::frmTositeTarkistusVirheet>(), nullptr);
}

TEST_F(CheckWindowTest, WithoutADatabaseTheWindowDoesNotStay) {
    book();
    core::DatabasePath.clear();
    core::DBCon().SuljeDB();
    dialogs->expectMessage("Tarkista tietokanta asetukset asetusikkunasta!", Answer::OK);
    EXPECT_EQ(open(), nullptr);
}

TEST_F(CheckWindowTest, AFailedCheckIsToldAndTheWindowCloses) {
    book();
    db().Execute("DROP TABLE viE");
    dialogs->expectMessage("Tarkista tietokanta asetukset asetusikkunasta!\r\n", Answer::OK);
    EXPECT_EQ(open(), nullptr);
}

TEST_F(CheckWindowTest, TheStartUpQuestion) {
    book();
    // Nothing found: no question.
    EXPECT_FALSE(vouchers::KaynnistysTarkistus(QStringLiteral("frmNewTositteet")));
    const long v = addVoucher(1, "Vino");
    addEntry(v, Kassa, "D", eur("1"));
    addEntry(99, Kassa, "D", eur("1"));  // no voucher: named by the check, and kept
    dialogs->expectMessage("Tositteissa puutteita, haluatko avata tositteiden tarkistusikkunan?", Answer::No);
    EXPECT_FALSE(vouchers::KaynnistysTarkistus(QStringLiteral("frmNewTositteet")));
    EXPECT_EQ(dialogs->shown().last().icon, ui::Icon::None);
    EXPECT_EQ(dialogs->shown().last().buttons, ui::Buttons::YesNo);
    EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID = 99"), 1);
    dialogs->expectMessage("Tositteissa puutteita", Answer::Yes);
    EXPECT_TRUE(vouchers::KaynnistysTarkistus(QStringLiteral("frmNewTositteet")));
    // A check that fails asks nothing.
    db().Execute("DROP TABLE viE");
    EXPECT_FALSE(vouchers::KaynnistysTarkistus(QStringLiteral("frmNewTositteet")));
}

}  // namespace
