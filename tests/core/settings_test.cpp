// The settings store: first start, defaults, encodings, the round trip
// through both stores, and values that do not convert.

#include "bookfixture.h"
#include "core/dbsettings.h"
#include "core/settings.h"
#include "platform/sys/apppath.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace core;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetGlobals();
        ini::cIniFile::ClearCache();
        sys::SetAppPath(dir.path());
    }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland)); }
    QString iniText() {
        QFile f(dir.file("vevaravo.ini"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
    kvtest::TempDir dir;
};

TEST_F(SettingsTest, FirstStartWritesThePathsAndLeavesTheChoicesOpen) {
    LoadIniSettings();
    EXPECT_EQ(DatabasePath, dir.file("demo1.mdb"));
    EXPECT_FALSE(DatabaseBackup.isEmpty());
    EXPECT_TRUE(Language.isEmpty());
    EXPECT_FALSE(MultiDb);
    const QString text = iniText();
    EXPECT_TRUE(text.contains("[KOLVIO]"));
    EXPECT_TRUE(text.contains("AppPath=" + dir.path()));
    EXPECT_TRUE(text.contains("Database=" + dir.file("demo1.mdb")));
    EXPECT_TRUE(text.contains("DatabaseBackup="));
    EXPECT_FALSE(text.contains("Language"));
    EXPECT_FALSE(text.contains("MultiDb"));

    for (const auto& [value, expected] : std::vector<std::pair<QString, bool>>{
             {"2", true}, {"-1", true}, {"0", false}, {"kyllä", false}}) {
        IniFile().Write(value, "MultiDb");
        LoadIniSettings();
        EXPECT_EQ(MultiDb, expected) << value.toStdString();
    }
    SaveDatabasePath(dir.file("seura.mdb"));
    Language = "Svenska";
    SaveIniSettings();
    resetGlobals();
    LoadIniSettings();
    EXPECT_EQ(DatabasePath, dir.file("seura.mdb"));
    EXPECT_EQ(Language, "Svenska");
}

TEST_F(SettingsTest, AnEmptySettingsTableGivesTheDefaults) {
    const QString path = kvtest::makeCurrentBook(dir, QString(), "uusi.mdb");
    resetGlobals();
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    LoadDatabaseSettings(db);
    const int y = QDate::currentDate().year();
    EXPECT_EQ(TilikausiAlku, dao::Date::fromYmd(y, 1, 1));
    EXPECT_EQ(TilikausiLoppu, dao::Date::fromYmd(y, 12, 31));
    EXPECT_EQ(EdTilikausiAlku, dao::Date::fromYmd(y - 1, 1, 1));
    EXPECT_EQ(EdTilikausiLoppu, dao::Date::fromYmd(y - 1, 12, 31));
    EXPECT_TRUE(Kustannuspaikat);
    EXPECT_FALSE(VaakaTulostus || VanhatMallit || VanhatTositteet || AutomaattisestiUusiTosite);
    EXPECT_EQ(Fontti, "Times New Roman");
    EXPECT_EQ(FonttiKoko, 10);
    EXPECT_EQ(LaskettavaTili, 0);
    EXPECT_EQ(VoittoTaseella, 0);
    EXPECT_EQ(LastPeriodForBudget, 2);
    EXPECT_EQ(RaporttiAlkuPvm, TilikausiAlku);
    EXPECT_EQ(RaporttiLoppuPvm, TilikausiLoppu);
    EXPECT_TRUE(NaytaTilinumerot && AaniKaytossa);
    EXPECT_EQ(SeuranNimi, "uusi");
    // The load adds no rows.
    dao::Recordset rs = db.OpenRecordset("SELECT COUNT(*) FROM Settings", dao::RecordsetType::Snapshot);
    EXPECT_EQ(rs.value(0).toLong(), 0);
}

TEST_F(SettingsTest, RoundTripAndValuesThatDoNotConvert) {
    const QString path = kvtest::makeCurrentBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    TilikausiAlku = dao::Date::fromYmd(2031, 7, 1);
    TilikausiLoppu = dao::Date::fromYmd(2032, 6, 30);
    EdTilikausiAlku = dao::Date::fromYmd(2030, 7, 1);
    EdTilikausiLoppu = dao::Date::fromYmd(2031, 6, 30);
    LaskettavaTili = 19;
    VoittoTaseella = 25;
    VaakaTulostus = true;
    Kustannuspaikat = false;
    Email = "rahastonhoitaja@example.invalid";
    MargVas = 20;
    MargYla = 12.5;  // millimetres with a fraction
    MargAla = 683;  // beyond what the report control takes
    Fontti = "Arial";
    FonttiKoko = 12;
    SaveDatabaseSettings(db);
    // Dates are stored in ISO form.
    EXPECT_EQ(DBSettings().GetSetting("TilikausiAlku"), "2031-07-01");
    resetGlobals();
    LoadDatabaseSettings(db);
    EXPECT_EQ(TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
    EXPECT_EQ(EdTilikausiLoppu, dao::Date::fromYmd(2031, 6, 30));
    EXPECT_EQ(LaskettavaTili, 19);
    EXPECT_EQ(VoittoTaseella, 25);
    EXPECT_TRUE(VaakaTulostus);
    EXPECT_FALSE(Kustannuspaikat);
    EXPECT_EQ(Email, "rahastonhoitaja@example.invalid");
    EXPECT_EQ(ReportControlMargins.left, 20 * 48);
    EXPECT_EQ(ReportControlMargins.bottom, 682 * 48);
    EXPECT_EQ(DBSettings().GetSetting("MargYla"), "12.5");
    EXPECT_EQ(MargYla, 12.5);
    EXPECT_EQ(ReportControlMargins.top, 600);
    EXPECT_EQ(Fontti, "Arial");
    EXPECT_EQ(RaporttiAlkuPvm, dao::Date::fromYmd(2031, 7, 1));

    // One bad value falls back to its default; the others still load.
    DBSettings().SaveSetting("ei numero", "LaskettavaTili");
    DBSettings().SaveSetting("31.2.2031", "TilikausiLoppu");
    DBSettings().SaveSetting("x", "VaakaTulostus");
    DBSettings().SaveSetting("7,25", "MargOik");  // a comma reads alike
    DBSettings().SaveSetting("1x", "MargVas");
    resetGlobals();
    LoadDatabaseSettings(db);
    EXPECT_EQ(ReportControlMargins.right, 348);
    EXPECT_EQ(ReportControlMargins.left, 0);
    EXPECT_EQ(LaskettavaTili, 0);
    EXPECT_EQ(TilikausiLoppu, dao::Date::fromYmd(QDate::currentDate().year(), 12, 31));
    EXPECT_FALSE(VaakaTulostus);
    EXPECT_EQ(VoittoTaseella, 25);
    EXPECT_EQ(TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
}

TEST_F(SettingsTest, DatesInTheShortFormOfTheRegionalSettings) {
    const QString path = kvtest::makeCurrentBook(dir);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    DBSettings().setDatabase(db);
    DBSettings().setSection("KOLVIO");
    // A book written with the Finnish short form.
    DBSettings().SaveSetting("1.7.2031", "TilikausiAlku");
    LoadDatabaseSettings(db);
    EXPECT_EQ(TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
    // Under other regional settings the ISO form reads the same everywhere.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    DBSettings().SaveSetting("2031-07-01", "TilikausiAlku");
    DBSettings().SaveSetting("6/30/2032", "TilikausiLoppu");
    LoadDatabaseSettings(db);
    EXPECT_EQ(TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
    EXPECT_EQ(TilikausiLoppu, dao::Date::fromYmd(2032, 6, 30));
}

}  // namespace
