#include "statement_models/frmtarkistamallit.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "statement_models/malli.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace statement_models {

void FillModelCombos(QComboBox* tulos, QComboBox* tase) {
    tulos->clear();
    tase->clear();
    dao::Database db = core::DBCon().AvaaDB();
    for (const auto& [type, combo] : {std::pair{kTuloslaskelma, tulos}, std::pair{kTase, tase}})
        for (const core::ModelListEntry& m : core::ModelList(db, type, core::ModelOrder::ByName))
            combo->addItem(m.name, QVariant::fromValue<qlonglong>(m.id));
    for (QComboBox* combo : {tulos, tase}) combo->setCurrentIndex(combo->count() == 1 ? 0 : -1);
}

long ChosenModel(const QComboBox* combo) {
    const int i = combo->currentIndex();
    return i < 0 ? 0 : long(combo->itemData(i).toLongLong());
}

frmTarkistaMallit::frmTarkistaMallit() : reports::DialogForm(QStringLiteral("frmTarkistaMallit"), 4800, 1900) {
    // The position is restored as the window loads but never stored.
    setProperty(core::kOwnPlacementProperty, true);
    setWindowTitle(QStringLiteral("Tarkista tulos- ja tasemallit"));
    lblTulosmalli = ui::makeLabel(this, QStringLiteral("lblTulosmalli"), QStringLiteral("Tuloslaskelmamalli:"));
    cmbTulosmalli = new QComboBox(this);
    cmbTulosmalli->setObjectName(QStringLiteral("cmbTulosmalli"));
    lblTasemalli = ui::makeLabel(this, QStringLiteral("lblTasemalli"), QStringLiteral("Tasemalli:"));
    cmbTasemalli = new QComboBox(this);
    cmbTasemalli->setObjectName(QStringLiteral("cmbTasemalli"));
    cTarkista = ui::makeButton(this, QStringLiteral("cTarkista"), QStringLiteral("Tarkista"));
    cPeruuta = ui::makeButton(this, QStringLiteral("cPeruuta"), QStringLiteral("Peruuta"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblTulosmalli, 0, 0);
    grid->addWidget(cmbTulosmalli, 0, 1);
    grid->addWidget(lblTasemalli, 1, 0);
    grid->addWidget(cmbTasemalli, 1, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cTarkista);
    buttons->addWidget(cPeruuta);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addStretch();
    v->addLayout(buttons);
    setDialogButtons(cTarkista, cPeruuta);
    fixSize();

    ui::Events::of(cTarkista).onClick([this] {
        TulosMaID = ChosenModel(cmbTulosmalli);
        TaseMaID = ChosenModel(cmbTasemalli);
        hide();
    });
    ui::Events::of(cPeruuta).onClick([this] {
        TulosMaID = 0;
        TaseMaID = 0;
        hide();
    });
}

void frmTarkistaMallit::Load() {
    core::LoadFormPosition(this);
    core::Translate(this);
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistaMallit"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta.")));
        ui::Forms::unload(*this);
        return;
    }
    try {
        FillModelCombos(cmbTulosmalli, cmbTasemalli);
        // The lists are as wide as their longest model name; the dialog grows
        // with them.
        for (QComboBox* c : {cmbTulosmalli, cmbTasemalli}) {
            c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            c->setMinimumWidth(c->sizeHint().width());
        }
    } catch (const dao::DaoError& e) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistaMallit"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta.")) +
                       QStringLiteral("\r\n") + e.description());
        ui::Forms::unload(*this);
    }
}

}  // namespace statement_models
