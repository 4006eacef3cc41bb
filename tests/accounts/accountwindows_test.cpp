// Both windows as the main window opens them, and in Swedish through the
// shipped language file: every caption, tool tip and menu text they show
// has its translation there.

#include "accounts/accountwindows.h"
#include "accounts/frmkustannuspaikat.h"
#include "accounts/frmtilitnew.h"
#include "accountsfixture.h"
#include "support/swedish.h"
#include "shell/openers.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class AccountWindowsInSwedish : public kvtest::AccountsTest {};
using AccountWindowOpeners = kvtest::AccountsTest;

TEST_F(AccountWindowsInSwedish, EveryTextOfTheWindowsIsTranslated) {
    book();
    const QString copy = kvtest::useSwedish(sys::AppPath());
    ASSERT_FALSE(copy.isEmpty());

    auto& tilit = open<accounts::frmTilitNew>();
    EXPECT_EQ(tilit.windowTitle(), QStringLiteral("Konton"));
    EXPECT_EQ(tilit.cUusi->text(), QStringLiteral("Ny"));
    EXPECT_EQ(tilit.cUusi->toolTip(), QStringLiteral("Skapa ett nytt konto [F2]"));
    EXPECT_EQ(tilit.frameAvausviennit->title(), QStringLiteral("Öppningsposteringar"));
    EXPECT_EQ(tilit.mTietue->title(), QStringLiteral("&Post"));

    auto& kp = open<accounts::frmKustannuspaikat>();
    EXPECT_EQ(kp.windowTitle(), QStringLiteral("Kostnadsställen"));
    EXPECT_EQ(kp.cSulje->toolTip(), QStringLiteral("Stäng Kostnadsställen [Alt+F4]"));

    // Nothing was missing: the translator wrote no new key into the copy.
    EXPECT_TRUE(kvtest::sameAsShipped(copy));
    core::SetTranslator(nullptr);
}

TEST_F(AccountWindowOpeners, TheMainWindowCommandsOpenTheWindowsNotModal) {
    book(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"));
    shell::ClearOpeners();
    accounts::RegisterAccountWindows();
    ASSERT_TRUE(shell::RunOpener(QStringLiteral("frmTilitNew")));
    auto* tilit = ui::Forms::find<accounts::frmTilitNew>();
    ASSERT_NE(tilit, nullptr);
    EXPECT_TRUE(tilit->isVisible());
    EXPECT_FALSE(tilit->isShownModal());
    EXPECT_EQ(tilit->accountNode(1)->text(0), QStringLiteral("1000 Kassa"));
    // Once more: the same window, brought forward.
    ASSERT_TRUE(shell::RunOpener(QStringLiteral("frmTilitNew")));
    EXPECT_EQ(ui::Forms::find<accounts::frmTilitNew>(), tilit);

    ASSERT_TRUE(shell::RunOpener(QStringLiteral("frmKustannuspaikat")));
    auto* kp = ui::Forms::find<accounts::frmKustannuspaikat>();
    ASSERT_NE(kp, nullptr);
    EXPECT_TRUE(kp->isVisible());
    shell::ClearOpeners();
}

}  // namespace
