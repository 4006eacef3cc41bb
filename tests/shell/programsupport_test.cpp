// The program's own set-up around its windows.

#include "core/records/recordsupport.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/ini/inifile.h"
#include "platform/ui/events.h"
#include "shell/frmdbhuomautus.h"
#include "shell/programsupport.h"
#include "support/dialogs.h"
#include "support/swedish.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

TEST(ProgramSupportTest, AFailedAutomaticSaveIsShownToTheUser) {
    kvtest::ScriptedDialogs dialogs;
    const auto previous = core::setReleaseErrorHandler({});
    shell::InstallReleaseErrorHandler();
    dialogs.expectMessage(QStringLiteral("Muutosten tallentaminen tietokantaan ei onnistunut."), ui::Answer::OK);
    core::reportReleaseError(QStringLiteral("Tosite 12"), dao::DaoError(3260, QStringLiteral("lukittu")));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Tosite 12")));
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("3260 / lukittu")));
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
    core::setReleaseErrorHandler(previous);
}

// A handler that lets an error escape (no runner around it): the user is
// told what went wrong, where before only the log was.
TEST(ProgramSupportTest, AnErrorThatAnEventHandlerLetsEscapeIsShownToTheUser) {
    kvtest::ScriptedDialogs dialogs;
    shell::InstallUnhandledErrorHandler();
    QPushButton button;
    button.setObjectName(QStringLiteral("cKoe"));
    ui::Events::of(&button).onClick([] { throw dao::DaoError(3021, QStringLiteral("Tiliä ei löydy")); });
    dialogs.expectMessage(QStringLiteral("Odottamaton virhe: 3021 / Tiliä ei löydy"), ui::Answer::OK);
    button.click();
    ui::SetUnhandledErrorHandler({});
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].icon, ui::Icon::Critical);
}

TEST(ProgramSupportTest, StandardDialogTextsFollowTheLanguage) {
    shell::InstallQtTranslation(QStringLiteral("Suomi"));
    const QString fi = QCoreApplication::translate("QPlatformTheme", "&Yes");
    shell::InstallQtTranslation(QString());
    if (fi == QStringLiteral("&Yes")) GTEST_SKIP() << "Qt's translations are not installed";
    EXPECT_EQ(fi, QStringLiteral("&Kyllä"));
}

// In Swedish the standard buttons of every dialog - the console's input box,
// the message boxes' Yes and No - and the print dialog's PDF entry are
// Swedish: what Qt's Swedish catalogue lacks comes from the language file,
// which is only read.
TEST(ProgramSupportTest, QtDialogsAreSwedishWithTheSwedishLanguageFile) {
    kvtest::TempDir dir;
    const QString copy = kvtest::useSwedish(dir.path());
    ASSERT_FALSE(copy.isEmpty());
    shell::InstallQtTranslation(QStringLiteral("Svenska"));
    struct Restore {
        ~Restore() {
            shell::InstallQtTranslation(QString());
            core::SetTranslator(nullptr);
        }
    } restore;

    QInputDialog input;
    input.show();
    auto* inputButtons = input.findChild<QDialogButtonBox*>();
    ASSERT_NE(inputButtons, nullptr);
    EXPECT_EQ(inputButtons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Avbryt"));
    EXPECT_EQ(inputButtons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QMessageBox question(QMessageBox::Question, QStringLiteral("Kolvio VEV"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("&Nej"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"),
              QStringLiteral("Skriv ut till fil (PDF)"));
    // Qt's own catalogue still gives what it has.
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("Fil&namn:"));

    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "Qt's texts were written into the language file";
}

// The demo book's notice is a warning: in Swedish it reads in Swedish.
TEST(ProgramSupportTest, TheDemoBookNoticeIsTranslated) {
    kvtest::TempDir dir;
    const QString copy = kvtest::useSwedish(dir.path());
    ASSERT_FALSE(copy.isEmpty());
    auto& notice = ui::Forms::load<shell::frmDBHuomautus>();
    EXPECT_EQ(notice.lblOtsikko->text(), QStringLiteral("Viktigt!"));
    EXPECT_EQ(notice.cJatka->text(), QStringLiteral("Fortsätt"));
    EXPECT_TRUE(notice.lblTuki->text().contains(QStringLiteral("Användarstöd")));
    // The height follows the Swedish texts.
    EXPECT_GE(notice.height(), notice.layout()->totalHeightForWidth(notice.width()));
    ui::Forms::destroyAll();
    core::SetTranslator(nullptr);
    EXPECT_TRUE(kvtest::sameAsShipped(copy)) << "a text of the notice has no Swedish translation";
}

}  // namespace
