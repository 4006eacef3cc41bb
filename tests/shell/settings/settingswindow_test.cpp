// The settings window: what it shows, the checks of its fields, the change
// flag, cancel and close.

#include "core/dbc.h"
#include "core/ui/translator.h"
#include "settingsfixture.h"
#include "support/swedish.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <sqlite3.h>

namespace {

using kvtest::ScriptedDialogs;
using ui::Answer;

class SettingsWindowTest : public kvtest::SettingsTest {};

TEST_F(SettingsWindowTest, ShowsTheSettingsOfTheIniFileTheBookAndTheReportControl) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Asetukset"));
    EXPECT_EQ(w.tTietokanta->text(), book);
    EXPECT_TRUE(w.tTietokanta->isReadOnly());
    EXPECT_EQ(w.tVarmistus->text(), tmp.file(QStringLiteral("varmistus/")));
    EXPECT_EQ(w.cmbKieli->currentText(), QStringLiteral("Suomi"));
    EXPECT_EQ(w.cmbKieli->count(), 2);
    EXPECT_EQ(w.tEmail->text(), QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_TRUE(w.chkVaakatulostus->isChecked());
    EXPECT_TRUE(w.chkKustannuspaikat->isChecked());
    EXPECT_FALSE(w.chkMoniseuratuki->isChecked());
    EXPECT_FALSE(w.chkVanhatTositteet->isChecked());

    // The financial years in the short date form.
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.7.2031"));
    EXPECT_EQ(w.tTilikausiLoppu->text(), QStringLiteral("30.6.2032"));
    EXPECT_EQ(w.tEdTilikausiAlku->text(), QStringLiteral("1.7.2030"));
    EXPECT_EQ(w.tEdTilikausiLoppu->text(), QStringLiteral("30.6.2031"));

    // The margins come from the report control, in millimetres.
    EXPECT_EQ(w.tMargYla->text(), QStringLiteral("15"));
    EXPECT_EQ(w.tMargVas->text(), QStringLiteral("10"));
    EXPECT_EQ(w.tMargAla->text(), QStringLiteral("0"));
    EXPECT_EQ(w.tMargOik->text(), QStringLiteral("0"));

    // The accounts of the book, a blank first; the settings' accounts chosen.
    ASSERT_EQ(w.cmbLaskettavaTili->count(), 4);
    EXPECT_EQ(w.cmbLaskettavaTili->itemText(0), QStringLiteral(" "));
    EXPECT_EQ(w.cmbLaskettavaTili->itemData(0).toLongLong(), 0);
    EXPECT_EQ(w.cmbLaskettavaTili->itemText(1), QStringLiteral("1910 Pankkitili"));
    EXPECT_EQ(w.cmbLaskettavaTili->itemText(3), QStringLiteral("3000 "));
    EXPECT_EQ(w.cmbLaskettavaTili->currentText(), QStringLiteral("1910 Pankkitili"));
    EXPECT_EQ(w.cmbVoittoTaseella->currentText(), QStringLiteral("2251 Edellisten tilikausien voitto"));

    // The installed fonts and the usual printer fonts their metric twins
    // print, sorted. A font or size the lists do not hold selects the last
    // item ("Kalligrafia" is no font; 11 is no item: 12).
    QStringList listed;
    for (int i = 0; i < w.cmbFonts->count(); ++i) listed << w.cmbFonts->itemText(i);
    EXPECT_EQ(listed.size(), QSet<QString>(listed.cbegin(), listed.cend()).size());
    for (const QString& family : QFontDatabase::families()) EXPECT_TRUE(listed.contains(family)) << family.toStdString();
    QStringList sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(listed, sorted);
    EXPECT_TRUE(listed.contains(QStringLiteral("DejaVu Sans")));
    EXPECT_FALSE(listed.contains(QStringLiteral("Kalligrafia")));
    EXPECT_EQ(w.cmbFonts->currentIndex(), w.cmbFonts->count() - 1);
    EXPECT_EQ(w.cmbFonts->currentText(), listed.last());
    EXPECT_EQ(w.cmbFonttiKoko->currentText(), QStringLiteral("12"));
    EXPECT_EQ(w.cmbFonttiKoko->currentIndex(), 2);
    EXPECT_EQ(w.pBar1->value(), 0);

    // Loading leaves nothing changed: closing asks nothing.
    EXPECT_FALSE(w.changed());
    w.cSulje->click();
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
    EXPECT_EQ(setting(book, QStringLiteral("FonttiKoko")), QStringLiteral("11"));
}

// A new book's report font is "Times New Roman", which a Linux desktop
// prints in its metric twin: the list offers it under its own name, so the
// window neither shows nor saves some other font in its place.
TEST_F(SettingsWindowTest, TheUsualPrinterFontIsListedUnderItsOwnName) {
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("Liberation Serif")));
    {
        dao::Database db = dao::DBEngine::OpenDatabase(book);
        core::cDBSettings s;
        s.setDatabase(db);
        s.setSection(QStringLiteral("KOLVIO"));
        s.SaveSetting(QStringLiteral("Times New Roman"), QStringLiteral("Fontti"));
        db.Close();
    }
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    EXPECT_EQ(w.cmbFonts->currentText(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(w.cmbFonts->findText(QStringLiteral("Times New Roman")), w.cmbFonts->currentIndex());
    // A font the list does not hold selects the last item, and with only
    // DejaVu and Liberation installed that is "Times New Roman" itself. With
    // a last item of another name, Ctrl+Z (cancel) shows the stored font
    // again: found by its name, not fallen back on.
    w.cmbFonts->addItem(QStringLiteral("Zapf Kalligrafia"));
    w.cmbFonts->setCurrentIndex(0);
    QTest::keyClick(w.tEmail, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.cmbFonts->currentText(), QStringLiteral("Times New Roman"));
    EXPECT_FALSE(w.changed());
    w.cSulje->click();
}

TEST_F(SettingsWindowTest, EveryKindOfChangeButTypingAFontNameAsksOnClose) {
    struct Case {
        const char* what;
        std::function<void(shell::frmAsetukset&)> change;
    };
    const QList<Case> cases{
        {"check box", [](shell::frmAsetukset& w) { w.chkVanhatMallit->click(); }},
        {"language", [](shell::frmAsetukset& w) { w.cmbKieli->setCurrentIndex(1); }},
        {"size", [](shell::frmAsetukset& w) { w.cmbFonttiKoko->setCurrentIndex(0); }},
        {"account", [](shell::frmAsetukset& w) { w.cmbVoittoTaseella->setCurrentIndex(3); }},
        {"font from the list", [](shell::frmAsetukset& w) { w.cmbFonts->setCurrentIndex(0); }},
        {"mail server", [](shell::frmAsetukset& w) { type(w.tSMTP, QStringLiteral("smtp.seura.example")); }},
        {"margin", [](shell::frmAsetukset& w) { type(w.tMargOik, QStringLiteral("5")); }},
        {"date", [](shell::frmAsetukset& w) { w.tEdTilikausiLoppu->setText(QStringLiteral("1.1.2031")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(QStringLiteral("Asetuksia on muutettu, tallennetaanko?"), Answer::No);
        shell::frmAsetukset& w = open();
        c.change(w);
        EXPECT_TRUE(w.changed());
        w.mSulje->trigger();
        EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].buttons, ui::Buttons::YesNo);
        EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::None);
    }
    // Nothing was saved by answering No.
    EXPECT_EQ(setting(book, QStringLiteral("VanhatMallit")), QStringLiteral("<none>"));
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Suomi"));

    // Typing a font name is no change by itself.
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.cmbFonts->setFocus();
    w.cmbFonts->lineEdit()->selectAll();
    QTest::keyClicks(w.cmbFonts->lineEdit(), QStringLiteral("Oma fontti"));
    EXPECT_FALSE(w.changed());
    w.cSulje->click();
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
}

TEST_F(SettingsWindowTest, CancelShowsTheSettingsAgainAndTheCloseBoxAsksNothing) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    w.chkKustannuspaikat->click();
    type(w.tEmail, QStringLiteral("uusi@seura.example"));
    w.cmbLaskettavaTili->setCurrentIndex(0);
    QTest::keyClick(w.tEmail, Qt::Key_Z, Qt::ControlModifier);  // the window's Ctrl+Z, not the field's undo
    EXPECT_TRUE(w.chkKustannuspaikat->isChecked());
    EXPECT_EQ(w.tEmail->text(), QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_EQ(w.cmbLaskettavaTili->currentText(), QStringLiteral("1910 Pankkitili"));
    EXPECT_FALSE(w.changed());

    // A change thrown away with the close box; its unload still sets the
    // main window's cost-centre button after the setting.
    w.chkVanhatTositteet->click();
    core::Kustannuspaikat = false;
    w.close();
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
    EXPECT_FALSE(main->cKustannuspaikat->isEnabled());
    EXPECT_FALSE(core::VanhatTositteet);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(SettingsWindowTest, DateFieldsAreCheckedAsTheyAreLeft) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();

    // A start date fills an empty end field with the end of its year.
    w.tTilikausiLoppu->clear();
    w.tTilikausiAlku->setText(QStringLiteral("1.7.2031"));
    leave(w.tTilikausiAlku, w.tEmail);
    EXPECT_EQ(w.tTilikausiLoppu->text(), QStringLiteral("30.6.2032"));
    // A leap day's year ends a day before its anniversary.
    w.tEdTilikausiLoppu->clear();
    w.tEdTilikausiAlku->setText(QStringLiteral("29.2.2032"));
    leave(w.tEdTilikausiAlku, w.tEmail);
    EXPECT_EQ(w.tEdTilikausiLoppu->text(), QStringLiteral("27.2.2033"));
    // A filled end field is left alone; a date is rewritten in the short form.
    w.tTilikausiLoppu->setText(QStringLiteral("2031-12-31"));
    w.tTilikausiAlku->setText(QStringLiteral("01.01.2031"));
    leave(w.tTilikausiAlku, w.tEmail);
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.1.2031"));
    EXPECT_EQ(w.tTilikausiLoppu->text(), QStringLiteral("2031-12-31"));
    leave(w.tTilikausiLoppu, w.tEmail);
    EXPECT_EQ(w.tTilikausiLoppu->text(), QStringLiteral("31.12.2031"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Text that is no date: told, and emptied; an empty field says nothing.
    dialogs.expectMessage(QStringLiteral("Syötä tilikauden aluksi päivämäärä."), Answer::OK)
        .expectMessage(QStringLiteral("Syötä edellisen tilikauden lopuksi päivämäärä."), Answer::OK);
    w.tTilikausiAlku->setText(QStringLiteral("abc"));
    leave(w.tTilikausiAlku, w.tEmail);
    EXPECT_EQ(w.tTilikausiAlku->text(), QString());
    leave(w.tTilikausiAlku, w.tEmail);
    w.tEdTilikausiLoppu->setText(QStringLiteral("31.2.2031"));
    leave(w.tEdTilikausiLoppu, w.tEmail);
    EXPECT_EQ(w.tEdTilikausiLoppu->text(), QString());
    EXPECT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Information);
    // Nothing reaches the settings before a save.
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2031, 7, 1));
}

TEST_F(SettingsWindowTest, MarginFieldsTakeMillimetresWithDecimalsUpTo682) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    dialogs.expectMessage(QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."), Answer::OK)
        .expectMessage(QStringLiteral("Marginaalin tulee olla 0 - 682 millimetriä."), Answer::OK)
        .expectMessage(QStringLiteral("Syötä marginaaliksi ainoastaan numeroita."), Answer::OK);
    type(w.tMargAla, QStringLiteral("1x"));
    EXPECT_EQ(w.tMargAla->text(), QString());
    type(w.tMargAla, QStringLiteral("683"));
    EXPECT_EQ(w.tMargAla->text(), QString());
    type(w.tMargAla, QStringLiteral("1,2,"));
    EXPECT_EQ(w.tMargAla->text(), QString());
    type(w.tMargAla, QStringLiteral("682"));
    EXPECT_EQ(w.tMargAla->text(), QStringLiteral("682"));
    // Typed key by key, "12," on the way to "12,5" is no error.
    type(w.tMargAla, QStringLiteral("12,5"));
    EXPECT_EQ(w.tMargAla->text(), QStringLiteral("12,5"));
    EXPECT_EQ(dialogs.shown().size(), 3);

    for (const char* good : {"0", "682", "007", "0010", "12,5", "12.5", "12,", ",5", "682,0"})
        EXPECT_TRUE(shell::MarginValue(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "683", "682,5", "-1", "1x", " 5", "1e2", "1,2,3", ",", "99999999999999"})
        EXPECT_FALSE(shell::MarginValue(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(shell::MarginValue(QStringLiteral("007")), 7);
    EXPECT_EQ(shell::MarginValue(QStringLiteral("12,5")), 12.5);

    // The control's margins (1/48 mm) shown with the fewest decimals that
    // give them back.
    EXPECT_EQ(shell::MarginText(480), QStringLiteral("10"));
    EXPECT_EQ(shell::MarginText(600), QStringLiteral("12,5"));
    EXPECT_EQ(shell::MarginText(590), QStringLiteral("12,3"));  // 12,3 mm typed
    EXPECT_EQ(shell::MarginText(588), QStringLiteral("12,25"));
    EXPECT_EQ(shell::MarginText(1), QStringLiteral("0,02"));
}

TEST_F(SettingsWindowTest, BackupFolderEndsInASeparatorWhenLeft) {
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    const QString folder = tmp.file(QStringLiteral("Varmistus"));
    w.tVarmistus->setText(folder);
    leave(w.tVarmistus, w.tEmail);
    EXPECT_EQ(w.tVarmistus->text(), folder + QDir::separator());
    leave(w.tVarmistus, w.tEmail);
    EXPECT_EQ(w.tVarmistus->text(), folder + QDir::separator());
    // An empty field is no folder at all, not the root folder.
    w.tVarmistus->clear();
    leave(w.tVarmistus, w.tEmail);
    EXPECT_EQ(w.tVarmistus->text(), QString());
}

TEST_F(SettingsWindowTest, BookThatStartUpCouldNotReadIsReadWhenTheWindowOpens) {
    // As after a start whose book was missing: the program's defaults.
    core::resetGlobals();
    core::DatabasePath = book;
    ScriptedDialogs dialogs;
    shell::frmAsetukset& w = open();
    EXPECT_EQ(w.tTilikausiAlku->text(), QStringLiteral("1.7.2031"));
    EXPECT_EQ(w.tEmail->text(), QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_EQ(w.tMargVas->text(), QStringLiteral("10"));
    EXPECT_EQ(core::FonttiKoko, 11);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Kolvio VEV - Kolvion Kerho"));
    EXPECT_FALSE(w.changed());
    EXPECT_TRUE(dialogs.shown().isEmpty());
    ui::Forms::unload(w);

    // Still missing: the defaults are shown, no date at all, and only the
    // account list tells; a save then tells that the book is not found,
    // stores the program's own settings alone and closes the window.
    core::resetGlobals();
    core::DatabasePath = tmp.file(QStringLiteral("poissa.mdb"));
    dialogs.expectMessage(QStringLiteral("Tililuettelon lataamisessa tapahtui virhe: 3024"), Answer::OK);
    shell::frmAsetukset& again = open();
    EXPECT_EQ(again.tTilikausiAlku->text(), QString());
    dialogs.expectMessage(QStringLiteral("Tietokantaa ei löydy"), Answer::OK)
        .expectMessage(QStringLiteral("Ohjelman asetukset tallennettiin."), Answer::OK);
    again.cTallenna->click();
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
    EXPECT_FALSE(QFile::exists(tmp.file(QStringLiteral("poissa.mdb"))));
}

// The book is there but cannot be read as the window opens (another
// program holds it): the window says so and offers no save of the
// program's own settings over the book's; once the book reads again, Peru
// shows its settings and the save is offered.
TEST_F(SettingsWindowTest, BookThatCannotBeReadAsTheWindowOpensIsToldAndNotSavedOver) {
    dao::DBEngine::setBusyTimeoutMs(200);
    core::DBCon().SuljeDB();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(book).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ScriptedDialogs dialogs;
    for (int opening = 0; opening < 2; ++opening)
        dialogs.expectMessage(QStringLiteral("Tililuettelon lataamisessa tapahtui virhe:"), Answer::OK)
            .expectMessage(QStringLiteral("Kirjanpidon asetuksia ei voitu lukea: ") + book, Answer::OK);
    shell::frmAsetukset& w = open();
    EXPECT_FALSE(w.cTallenna->isEnabled());
    EXPECT_FALSE(w.mTallenna->isEnabled());
    EXPECT_FALSE(w.cVaihdaTilikausi->isEnabled());
    type(w.tEmail, QStringLiteral("kirjoitettu@seura.example"));
    EXPECT_TRUE(w.changed());
    w.cSulje->click();  // asks nothing
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);

    shell::frmAsetukset& again = open();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    again.cPeru->click();
    EXPECT_TRUE(again.cTallenna->isEnabled());
    EXPECT_EQ(again.tEmail->text(), QStringLiteral("rahastonhoitaja@seura.example"));
    again.cTallenna->click();
    EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);
    EXPECT_EQ(setting(book, QStringLiteral("Email")), QStringLiteral("rahastonhoitaja@seura.example"));
    EXPECT_EQ(setting(book, QStringLiteral("LaskettavaTili")), QStringLiteral("11"));
    dao::DBEngine::setBusyTimeoutMs(5000);
}

TEST_F(SettingsWindowTest, MainWindowsMenuOpensTheWindow) {
    shell::RegisterOpener(QStringLiteral("frmAsetukset"), [] { ui::Forms::show<shell::frmAsetukset>(); });
    ScriptedDialogs dialogs;
    main->mAsetukset->trigger();
    auto* w = ui::Forms::find<shell::frmAsetukset>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SettingsWindowTest, SpeaksSwedishThroughTheShippedLanguageFile) {
    const QString copy = kvtest::useSwedish(app);
    ASSERT_FALSE(copy.isEmpty());

    ScriptedDialogs dialogs;
    dialogs.expectMessage(QStringLiteral("Ange endast siffror som marginal."), Answer::OK);
    shell::frmAsetukset& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Inställningar"));
    EXPECT_EQ(w.Frame2->title(), QStringLiteral("Räkenskapsperiod"));
    EXPECT_EQ(w.chkVanhatTositteet->text(), QStringLiteral("Använd ett alternativt sätt att bokföra posteringar "));
    EXPECT_EQ(w.cTallenna->toolTip(), QStringLiteral("Spara inställningarna [F3]"));
    EXPECT_EQ(w.cmbFonts->toolTip(), QStringLiteral("Teckensnitt i utskrifter"));
    EXPECT_EQ(w.mTiedosto->title(), QStringLiteral("&Arkiv"));
    type(w.tMargYla, QStringLiteral("x"));
    // Every text looked up had its translation: the file gained no entries.
    EXPECT_TRUE(kvtest::sameAsShipped(copy));
}

TEST(SettingsFontList, CommonFontsAreSortedAndFoundFromTheLastMatchOn) {
    EXPECT_EQ(shell::CommonFontNames({"Verdana", "Arial", "Courier"}, {"Courier", "Symbol", "Arial"}),
              QStringList({"Arial", "Courier"}));
    EXPECT_EQ(shell::CommonFontNames({}, {"Arial"}), QStringList());
    // Sorted by character code: capitals before small letters.
    EXPECT_EQ(shell::CommonFontNames({"b", "B", "a"}, {"a", "b", "B"}), QStringList({"B", "a", "b"}));
    // A name twice in the shorter list is listed twice; twice in the longer,
    // once.
    EXPECT_EQ(shell::CommonFontNames({"Arial", "Courier", "Tahoma"}, {"Arial", "Arial"}),
              QStringList({"Arial", "Arial"}));
    EXPECT_EQ(shell::CommonFontNames({"Arial", "Arial", "Tahoma"}, {"Arial", "Tahoma"}),
              QStringList({"Arial", "Tahoma"}));
}

}  // namespace
