// The program's own set-up around its windows.

#include "core/records/recordsupport.h"
#include "platform/dao/error.h"
#include "shell/programsupport.h"
#include "support/dialogs.h"

#include <QCoreApplication>
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

TEST(ProgramSupportTest, StandardDialogTextsFollowTheLanguage) {
    shell::InstallQtTranslation(QStringLiteral("Suomi"));
    const QString fi = QCoreApplication::translate("QPlatformTheme", "&Yes");
    shell::InstallQtTranslation(QStringLiteral("Svenska"));
    const QString sv = QCoreApplication::translate("QPlatformTheme", "&Yes");
    shell::InstallQtTranslation(QString());
    if (fi == QStringLiteral("&Yes")) GTEST_SKIP() << "Qt's translations are not installed";
    EXPECT_EQ(fi, QStringLiteral("&Kyllä"));
    EXPECT_NE(sv, fi);
}

}  // namespace
