// The voucher window while a command closes the book under it (as a
// backup does): what was typed is stored first and the window then shows
// the book again; a record read before the command writes nothing after it.
// And while another copy of the program changes the book under it.

#include "core/records/tosite.h"
#include "core/ui/bookchange.h"
#include "platform/dao/error.h"
#include "windowfixture.h"

using kvtest::VoucherWindowTest;
using ui::Answer;

namespace {

// A command that closes the book, as the backups and restores do.
bool closeTheBook() {
    const core::BookChange change;
    if (!change.began()) return false;
    core::DBCon().SuljeDB();
    return true;
}

TEST_F(VoucherWindowTest, ACommandThatClosesTheBookStoresTheVoucherFirstAndShowsItAgain) {
    book();
    balanced(1, "Eka", 10);
    const long v2 = balanced(2, "Toka", 20);
    auto& f = open();
    key(Qt::Key_F, Qt::ControlModifier);
    focusOn(f.tTositeSelite);
    retype("Toka muutettu");
    focusOn(f.tKreditSumma[0]);
    retype("7,25");
    // Read before the book is closed: it must not write afterwards.
    core::cTosite stale;
    ASSERT_TRUE(stale.Read(v2));

    ASSERT_TRUE(closeTheBook());
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Toka muutettu'"), 1);
    EXPECT_EQ(entries(v2), QStringList({"D 1 20", "K 4 7.25"}));
    EXPECT_EQ(f.Tosite().id(), v2);
    EXPECT_EQ(f.tTositeSelite->text(), "Toka muutettu");
    EXPECT_EQ(f.tKreditSumma[0]->text(), "7,25");
    EXPECT_EQ(listTexts(), QStringList({"1 Eka", "2 Toka muutettu"}));

    stale.setSelite(QStringLiteral("Vanha"));
    try {
        stale.Release();  // lets it go: it saves what it holds, or fails
        ADD_FAILURE() << "a record read before the book was closed wrote";
    } catch (const dao::DaoError& e) {
        EXPECT_EQ(e.number(), core::kOtherBookError);
    }
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Vanha'"), 0);

    // The window goes on storing into the book.
    focusOn(f.tTositeSelite);
    retype("Toka taas");
    key(Qt::Key_F3);
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Toka taas'"), 1);
}

TEST_F(VoucherWindowTest, ATypedAccountThatIsNoListItemKeepsTheCommandFromRunning) {
    book();
    const long v1 = balanced(1, "Eka", 10);
    auto& f = open();
    key(Qt::Key_A, Qt::ControlModifier);
    focusOn(f.tTositeSelite);
    retype("Kesken");
    focusOn(f.cmbDebetTili[2]);
    type("zz");
    dialogs->expectMessage("Tarkista tilivalinta.", Answer::OK)
        .expectMessage("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa: Tositteet", Answer::OK);
    EXPECT_FALSE(closeTheBook());
    EXPECT_TRUE(core::DBCon().isOpen());
    EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite = 'Eka'"), 1);
    EXPECT_EQ(f.Tosite().id(), v1);
    EXPECT_EQ(f.tTositeSelite->text(), "Kesken");
}

// Another copy of the program on the same book removes rows under the
// window (its change of year moves every voucher away): the save that meets
// it is refused in words and writes nothing, and the window shows the book
// as it now is.
TEST_F(VoucherWindowTest, ASaveThatMeetsAnotherCopysChangeOfTheBookIsRefusedInWords) {
    book();
    balanced(1, "Eka", 10);
    auto& f = open();
    const char* moved = "DELETE FROM vi WHERE vitoID = %1; DELETE FROM [to] WHERE toID = %1";
    const struct {
        const char* otherCopy;  // %1: the voucher's key
        QLineEdit* field;
        const char* typed;
        QStringList left;  // the voucher's entries afterwards
    } cases[] = {  // a voucher moved away leaves nothing to the next case
        {moved, f.tTositeSelite, "Muutettu", {}},
        {moved, f.tDebetSumma[1], "5", {}},  // a new entry
        {"DELETE FROM vi WHERE vitoID = %1 AND viTyyppi = 'K'", f.tKreditSumma[0], "7", {"D 1 20"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.otherCopy + (" / " + c.field->objectName()).toStdString());
        const long v = balanced(2, "Toka", 20);
        key(Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(f.Tosite().id(), v);
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, QString(c.otherCopy).arg(v).toUtf8(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        fill(c.field, c.typed);
        dialogs->expectMessage("Tositteen muutoksia ei tallennettu, koska tosite tai sen vienti on sillä välin "
                               "poistettu kirjanpidosta toisessa ohjelmassa",
                               Answer::OK);
        QTest::mouseClick(f.cTallenna, Qt::LeftButton);
        EXPECT_EQ(entries(v), c.left);
        EXPECT_EQ(value("SELECT COUNT(*) FROM vi WHERE vitoID NOT IN (SELECT toID FROM to)"), 0);
        EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toSelite <> 'Eka' AND toSelite <> 'Toka'"), 0);
        EXPECT_EQ(f.Tosite().id(), c.left.isEmpty() ? 0 : v);
        EXPECT_EQ(listTexts(), c.left.isEmpty() ? QStringList{"1 Eka"} : QStringList({"1 Eka", "2 Toka"}));
    }
}

// Another copy of the program on the same book has changed its year: the
// vouchers moved away and the book's dates are a year on, while this copy
// still works in the year before. Nothing is stored dated by that year,
// whichever command meets the change; the user is told, the program takes
// the book's year, and the next new voucher is the new year's.
TEST_F(VoucherWindowTest, AfterAnotherCopysChangeOfYearNothingIsStoredInTheYearBefore) {
    const auto click = [](QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); };
    const struct {
        const char* what;
        std::function<void(vouchers::frmNewTositteet&)> command;
    } cases[] = {
        {"a new voucher", [&](auto& f) { click(f.cUusi); }},
        {"the voucher on screen saved", [&](auto& f) { fill(f.tTositeSelite, "Muutettu"), click(f.cTallenna); }},
        {"a voucher from a template", [&](auto& f) { click(f.cTositePohja[1]); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        book("INSERT INTO tpPohjat (tpID, Nimi, Selite, Pikavalinta) VALUES (1, 'Vuokra', 'Vuokra', 1);\n");
        balanced(1, "Eka", 10);
        auto& f = open();
        key(Qt::Key_F, Qt::ControlModifier);
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other,
                               "DELETE FROM vi; DELETE FROM [to]; INSERT INTO Settings (setSection, setKey, setString) "
                               "VALUES ('KOLVIO', 'TilikausiAlku', '2032-01-01'), ('KOLVIO', 'TilikausiLoppu', "
                               "'2032-12-31'), ('KOLVIO', 'EdTilikausiAlku', '2031-01-01'), ('KOLVIO', "
                               "'EdTilikausiLoppu', '2031-12-31')",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(other);
        dialogs->expectMessage("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin vaihdettu toisessa "
                               "ohjelmassa, jossa sama kirjanpito on auki. Ohjelma käyttää nyt kirjanpidon tilikautta "
                               "1.1.2032 - 31.12.2032.",
                               Answer::OK);
        c.command(f);
        settle();
        EXPECT_EQ(dialogs->pendingCount(), 0);
        EXPECT_EQ(vouchers(), 0);
        EXPECT_EQ(value("SELECT COUNT(*) FROM vi"), 0);
        EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2032, 1, 1));
        EXPECT_EQ(core::EdTilikausiLoppu, dao::Date::fromYmd(2031, 12, 31));
        click(f.cUusi);
        EXPECT_EQ(value("SELECT COUNT(*) FROM to WHERE toPvm = ?", {dao::Date::fromYmd(2032, 1, 1)}), 1);
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        QFile::remove(core::DatabasePath);
    }
}

}  // namespace
