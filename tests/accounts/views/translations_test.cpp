// Every caption of the views and dialogs has its Swedish text in the
// shipped language file: loading them in Swedish finds each one (a missing
// text would be written into the file) and shows the translations.

#include "accounts/views/frmlisaatili.h"
#include "accounts/views/frmpaivasaldot.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilikartta.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "viewsfixture.h"

#include <QMenu>

namespace {

class Translations : public kvtest::ViewsTest {};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(Translations, EveryWindowIsShownInSwedishFromTheShippedFile) {
    const QString shipped = QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/lang/Svenska/Kolvio VEV.trl"));
    const QString copy = tmp.file(QStringLiteral("Svenska/Kolvio VEV.trl"));
    QDir().mkpath(tmp.file(QStringLiteral("Svenska")));
    ASSERT_TRUE(QFile::copy(shipped, copy));
    core::cTranslate cfg;
    cfg.setBaseFolder(sys::AppPath());
    cfg.setFileName(core::AppTitle);
    cfg.setLanguagePrefix(QStringLiteral("Svenska"));
    core::SetTranslator(cfg.LangTranslator());
    db().Execute(QStringLiteral("INSERT INTO ma (maNimi, maTyyppi) VALUES ('Tulos', 1)"));
    db().Execute(QStringLiteral("INSERT INTO ma (maNimi, maTyyppi) VALUES ('Tase', 2)"));

    auto& saldot = ui::Forms::load<accounts::frmTilienSaldot>();
    EXPECT_EQ(saldot.windowTitle(), QStringLiteral("Kontosaldon"));
    EXPECT_EQ(saldot.lblErotusHeader->text(), QStringLiteral("Differens"));
    EXPECT_EQ(saldot.mTiedosto->title(), QStringLiteral("Arkiv"));
    auto& tarkastelu = ui::Forms::load<accounts::frmTilitarkastelu>();
    EXPECT_EQ(tarkastelu.Label3->text(), QStringLiteral("Förklaring"));
    auto& paiva = ui::Forms::load<accounts::frmPaivaSaldot>();
    EXPECT_EQ(paiva.windowTitle(), QStringLiteral("Kolvio - Dagssaldon"));
    EXPECT_EQ(cell(&paiva, "lblPaiva", 0), QStringLiteral("Inga händelser."));
    auto& lisaa = ui::Forms::load<accounts::frmLisaaTili>();
    EXPECT_EQ(lisaa.cLisaa->text(), QStringLiteral("Lägg till"));
    auto& kartta = ui::Forms::load<accounts::frmTilikartta>();
    EXPECT_EQ(kartta.Label2->text(), QStringLiteral("Balansräkning:"));

    EXPECT_EQ(readAll(copy), readAll(shipped)) << "a text of the windows has no Swedish translation";
}

}  // namespace
