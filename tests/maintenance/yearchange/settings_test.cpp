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
#include <QPushButton>
#include <QTest>

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
    void pressYearChange() {
        auto& w = ui::Forms::show<shell::frmAsetukset>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        w.cVaihdaTilikausi->click();
    }

    shell::frmMain* main = nullptr;
    QStringList shown;
    std::function<void(maintenance::frmKaudenVaihto&)> onYearChange;
};

TEST_F(SettingsYearChange, TheSettingsButtonClosesTheYearAndTheNewYearIsSaved) {
    ASSERT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
    const long vouchers = count(QStringLiteral("SELECT COUNT(*) FROM [to]"));
    const long entries = count(QStringLiteral("SELECT COUNT(*) FROM vi"));
    ASSERT_GT(vouchers, 50);
    onYearChange = [](maintenance::frmKaudenVaihto& w) {
        w.cmbTasemalli->setCurrentIndex(w.cmbTasemalli->findText(QStringLiteral("Tase")));
        w.cTilikaudenvaihto->click();
    };
    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Tilikauden vaihto tehty."), Answer::OK);
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
