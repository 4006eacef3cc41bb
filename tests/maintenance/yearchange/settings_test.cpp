// The change of financial year as the user makes it: the program started on
// the demo book, the settings window's button, the year-change window shown
// modally, and the settings saved afterwards.

#include "core/dbsettings.h"
#include "core/nz.h"
#include "maintenance/yearchange/frmkaudenvaihto.h"
#include "shell/settings/frmasetukset.h"
#include "shell/shellfixture.h"
#include "support/dialogs.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <sqlite3.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

class SettingsYearChange : public kvtest::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        configure(demoBook());
        {
            ScriptedDialogs quiet;
            main = &startUp();
        }
        // The year-change window as the program registers it.
        shell::RegisterOpener(QStringLiteral("frmKaudenVaihto"),
                              [] { ui::Forms::show<maintenance::frmKaudenVaihto>(true); });
        ui::Forms::setModalHook([this](ui::Form& f) {
            shown << f.objectName();
            if (f.objectName() == QLatin1String("frmKaudenVaihto") && onYearChange)
                onYearChange(static_cast<maintenance::frmKaudenVaihto&>(f));
            else {
                ADD_FAILURE() << "unexpected modal window " << f.objectName().toStdString();
                f.hide();
            }
        });
    }

    long count(const QString& sql) {
        dao::Database db = core::DBCon().AvaaDB();
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        const long n = rs.isEOF() ? -1 : core::NzLong(rs.value(0), -1);
        rs.Close();
        return n;
    }
    static QString setting(const QString& path, const QString& key) {
        dao::Database db = dao::DBEngine::OpenDatabase(path, true);
        core::cDBSettings s;
        s.setDatabase(db);
        s.setSection(QStringLiteral("KOLVIO"));
        const QString v = s.GetSetting(key, QStringLiteral("<none>"));
        db.Close();
        return v;
    }
    // What another copy of the program on the same book writes.
    void anotherCopy(const char* sql) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(demoBook()).constData(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }
    void chooseAndChange(maintenance::frmKaudenVaihto& w) {
        w.cmbTasemalli->setCurrentIndex(w.cmbTasemalli->findText(QStringLiteral("Tase")));
        QTest::mouseClick(w.cTilikaudenvaihto, Qt::LeftButton);
    }
    void pressYearChange() {
        auto& w = ui::Forms::show<shell::frmAsetukset>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        w.cVaihdaTilikausi->click();
    }

    shell::frmMain* main = nullptr;
    QStringList shown;
    std::function<void(maintenance::frmKaudenVaihto&)> onYearChange;
};

// A voucher begun in another copy of the program (stored at once by its
// Uusi, without text or entries) is not carried into the closed year, and
// the message names it.
TEST_F(SettingsYearChange, TheSettingsButtonClosesTheYearAndTheNewYearIsSaved) {
    ASSERT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
    const long vouchers = count(QStringLiteral("SELECT COUNT(*) FROM [to]"));
    const long entries = count(QStringLiteral("SELECT COUNT(*) FROM vi"));
    ASSERT_GT(vouchers, 50);
    const long begun = count(QStringLiteral("SELECT MAX(toNumero) + 1 FROM [to]"));
    anotherCopy("INSERT INTO \"to\" (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) "
                "SELECT MAX(toNumero) + 1, '2026-12-31', '', 0, 0, 0 FROM \"to\"");
    onYearChange = [this](maintenance::frmKaudenVaihto& w) { chooseAndChange(w); };
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Tilikauden vaihto tehty.\n\nNämä tositteet, joissa ei ollut vientejä eikä "
                                         "selitettä, poistettiin eikä niitä siirretty päättyneelle "
                                         "tilikaudelle:\n%1 31.12.2026")
                              .arg(begun),
                          Answer::OK);
    pressYearChange();

    EXPECT_EQ(shown, QStringList({"frmKaudenVaihto"}));
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);  // saved and closed
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2027, 1, 1));
    EXPECT_EQ(core::EdTilikausiLoppu, dao::Date::fromYmd(2026, 12, 31));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("TilikausiAlku")), QStringLiteral("2027-01-01"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("TilikausiLoppu")), QStringLiteral("2027-12-31"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("EdTilikausiAlku")), QStringLiteral("2026-01-01"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("EdTilikausiLoppu")), QStringLiteral("2026-12-31"));
    // The closed year (and its profit booking) in the previous-year tables,
    // the opening voucher alone in the new year.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM toE WHERE toEAutomaatti = False")), vouchers);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM viE WHERE viEAutomaatti = False")), entries);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM [to]")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM [to] WHERE toNumero = 0 AND toAvaustosite = True")), 1);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM vi WHERE viAvausvienti = True")), 10);
}

// Another copy has changed the year while the settings window stood open
// with a name typed into it: the change clicked here is refused with the
// message that nothing was stored, and nothing is; the window stays with
// what was typed and shows the book's year.
TEST_F(SettingsYearChange, AChangeAnotherCopyMadeFirstStoresNothingOfTheWindow) {
    auto& w = ui::Forms::show<shell::frmAsetukset>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.tSeuranNimi->clear();
    QTest::keyClicks(w.tSeuranNimi, QStringLiteral("Uusi nimi"));
    anotherCopy("UPDATE Settings SET setString = '2027-01-01' WHERE setKey = 'TilikausiAlku'; "
                "UPDATE Settings SET setString = '2027-12-31' WHERE setKey = 'TilikausiLoppu'");
    onYearChange = [this](maintenance::frmKaudenVaihto& y) { chooseAndChange(y); };
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Muutoksia ei tallennettu, koska kirjanpidon tilikausi on sillä välin "
                                         "vaihdettu toisessa ohjelmassa, jossa sama kirjanpito on auki. Ohjelma "
                                         "käyttää nyt kirjanpidon tilikautta 1.1.2027 - 31.12.2027."),
                          Answer::OK);
    QTest::mouseClick(w.cVaihdaTilikausi, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(shown, QStringList({"frmKaudenVaihto"}));
    ASSERT_EQ(ui::Forms::find<shell::frmAsetukset>(), &w);
    EXPECT_EQ(w.tSeuranNimi->text(), QStringLiteral("Uusi nimi"));
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.1.2027"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("SeuranNimi")), QStringLiteral("Esimerkkiseura ry"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("TilikausiAlku")), QStringLiteral("2027-01-01"));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("EdTilikausiAlku")), QStringLiteral("2025-01-01"));
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2027, 1, 1));
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM [to]")), 50);  // this copy moved nothing
}

TEST_F(SettingsYearChange, ACancelledChangeLeavesTheYearAndTheVouchers) {
    const long vouchers = count(QStringLiteral("SELECT COUNT(*) FROM [to]"));
    onYearChange = [](maintenance::frmKaudenVaihto& w) { w.cPeru->click(); };
    ScriptedDialogs dialogs;
    pressYearChange();

    EXPECT_EQ(shown, QStringList({"frmKaudenVaihto"}));
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
    EXPECT_EQ(setting(demoBook(), QStringLiteral("TilikausiAlku")), QStringLiteral("2026-01-01"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM [to]")), vouchers);
}

}  // namespace
