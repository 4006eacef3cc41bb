#include "accounts/views/frmtilikartta.h"

#include "accounts/views/viewsupport.h"
#include "core/globals.h"
#include "core/records/modellist.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "reportctl/reportglobals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace accounts {

namespace {

QComboBox* modelCombo(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

}  // namespace

frmTilikartta::frmTilikartta() : reports::DialogForm(QStringLiteral("frmTilikartta"), kWidthTwips, kHeightTwips) {
    setWindowTitle(QStringLiteral("Tilikartan tulostus"));

    Label1 = ui::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Tuloslaskelma:"));
    cmbTuloslaskelma = modelCombo(this, "cmbTuloslaskelma");
    Label2 = ui::makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Tase:"));
    cmbTase = modelCombo(this, "cmbTase");
    cSeuraava = ui::makeButton(this, QStringLiteral("cSeuraava"), QStringLiteral("Seuraava -->"));
    cPeru = ui::makeButton(this, QStringLiteral("cPeru"), QStringLiteral("Peru"));

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cmbTuloslaskelma, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cmbTase, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cSeuraava);
    buttons->addWidget(cPeru);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addStretch();
    page->addLayout(buttons);

    setTabOrder(cmbTuloslaskelma, cmbTase);
    setTabOrder(cmbTase, cSeuraava);
    setTabOrder(cSeuraava, cPeru);
    setDialogButtons(cSeuraava, cPeru);
    fixSize();

    ui::Events::of(cSeuraava).onClick([this] { Seuraava(); });
    ui::Events::of(cPeru).onClick([this] { Peru(); });
}

frmTilikartta::~frmTilikartta() = default;

void frmTilikartta::Load() {
    reports::DialogiPeruttu = true;
    TilikarttaMallitOK = true;
    const QString message =
        core::TranslateStr(QStringLiteral("frmTilikartta"), QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta."));
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(message);
        ui::Forms::unload(*this);
        return;
    }
    try {
        FillMallit();
    } catch (const dao::DaoError& e) {
        core::ShowInfo(message + QLatin1Char('\n') + e.description());
        ui::Forms::unload(*this);
        return;
    }
    for (QComboBox* c : {cmbTuloslaskelma, cmbTase})
        if (c->count() > 0) c->setCurrentIndex(0);
    if (!TilikarttaMallitOK) {
        core::ShowInfo(
            core::TranslateStr(QStringLiteral("frmTilikartta"), QStringLiteral("Tee ensin tuloslaskelman ja taseen mallit.")));
        ui::Forms::unload(*this);
        return;
    }
    cmbTuloslaskelma->setFocus();
}

void frmTilikartta::FillMallit() {
    cmbTuloslaskelma->clear();
    cmbTase->clear();
    // A connection of the dialog's own, read only; closed when the lists are full.
    dao::Database db = dao::DBEngine::OpenDatabase(core::DatabasePath, true);
    for (const auto& [type, list] : {std::pair{core::kTuloslaskelma, cmbTuloslaskelma}, std::pair{core::kTase, cmbTase}})
        for (const core::ModelListEntry& m : core::ModelList(db, type, core::ModelOrder::ByName))
            list->addItem(m.name, QVariant(qlonglong(m.id)));
    db.Close();
    if (cmbTuloslaskelma->count() == 0 || cmbTase->count() == 0) TilikarttaMallitOK = false;
}

void frmTilikartta::Seuraava() {
    reports::DialogiPeruttu = false;
    long id = 0;
    TilikarttaTulosMaID = detail::ChosenItemData(cmbTuloslaskelma, &id) ? id : 0;
    id = 0;
    TilikarttaTaseMaID = detail::ChosenItemData(cmbTase, &id) ? id : 0;
    hide();
    ui::Forms::unload(*this);
}

void frmTilikartta::Peru() {
    reports::DialogiPeruttu = true;
    ui::Forms::unload(*this);
}

}  // namespace accounts
