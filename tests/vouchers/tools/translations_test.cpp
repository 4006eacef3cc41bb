// The tool windows in Swedish from the shipped language file: every caption
// and tool tip is found there (a missing one would be written into the
// file). Their messages are checked with the sources' other texts.

#include "platform/ini/inifile.h"
#include "support/swedish.h"
#include "toolsfixture.h"
#include "vouchers/tools/frmtositehaku.h"
#include "vouchers/tools/frmtositepohja.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

class Translations : public kvtest::ToolsTest {};

TEST_F(Translations, TheToolWindowsAreShownInSwedish) {
    book();
    const QString copy = kvtest::useSwedish(dir.path());
    ASSERT_FALSE(copy.isEmpty());

    // Translated as the program's load hook does.
    auto& pohja = ui::Forms::get<vouchers::frmTositepohja>();
    core::Translate(&pohja);
    EXPECT_EQ(pohja.windowTitle(), "Verifikatmallar");
    EXPECT_EQ(pohja.frameTositePohjanViennit->title(), "Verifikatmallens posteringar");
    EXPECT_EQ(pohja.cSelaa->toolTip(), "Bläddra bland verifikatmallarna [F5]");
    auto& haku = ui::Forms::get<vouchers::frmTositeHaku>();
    core::Translate(&haku);
    EXPECT_EQ(haku.windowTitle(), "Kolvio - Sök verifikat");
    EXPECT_EQ(haku.cUndo->text(), "Avbryt");
    auto& tarkistus = ui::Forms::get<vouchers::frmTositeTarkistusVirheet>();
    core::Translate(&tarkistus);
    EXPECT_EQ(tarkistus.cTarkista->toolTip(), "Kontrollera verifikatens datum och posteringar");
    ui::Forms::show(tarkistus);
    EXPECT_EQ(texts(tarkistus.lstVirheet), QStringList({"Kontrollen genomfördes utan fel."}));

    EXPECT_TRUE(kvtest::sameAsShipped(copy));
    core::SetTranslator(nullptr);
    ini::cIniFile::ClearCache();
}

}  // namespace
