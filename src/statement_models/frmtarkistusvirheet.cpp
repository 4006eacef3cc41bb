#include "statement_models/frmtarkistusvirheet.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "statement_models/frmnewtulosjatase.h"
#include "statement_models/frmtarkistamallit.h"
#include "statement_models/modelchecks.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace statement_models {

frmTarkistusVirheet::frmTarkistusVirheet() : ui::Form(QStringLiteral("frmTarkistusVirheet")) {
    setWindowTitle(QStringLiteral("Mallien tarkistus"));
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("&Tiedosto"));
    mSulje = ui::addMenuAction(mTiedosto, QStringLiteral("mSulje"), QStringLiteral("Sulje"));
    mKorjaustoiminnot = ui::addMenu(menuBar, QStringLiteral("mKorjaustoiminnot"), QStringLiteral("Korjaustoiminnot"));
    mKorjausSaldopuoli =
        ui::addMenuAction(mKorjaustoiminnot, QStringLiteral("mKorjausSaldopuoli"), QStringLiteral("Saldopuoli"));

    lblTulosmalli = ui::makeLabel(this, QStringLiteral("lblTulosmalli"), QStringLiteral("Tuloslaskelmamalli:"));
    cmbTulosmalli = ui::named(new QComboBox(this), QStringLiteral("cmbTulosmalli"));
    lblTasemalli = ui::makeLabel(this, QStringLiteral("lblTasemalli"), QStringLiteral("Tasemalli:"));
    cmbTasemalli = ui::named(new QComboBox(this), QStringLiteral("cmbTasemalli"));
    cTarkista = ui::makeButton(this, QStringLiteral("cTarkista"), QStringLiteral("Tarkista"));
    cSulje = ui::makeButton(this, QStringLiteral("cSulje"), QStringLiteral("Sulje"),
                            QStringLiteral("Sulje Mallien tarkistus [Alt+F4]"));
    lstVirheet = ui::named(new QListWidget(this), QStringLiteral("lstVirheet"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblTulosmalli, 0, 0);
    grid->addWidget(cmbTulosmalli, 0, 1);
    grid->addWidget(cTarkista, 0, 2);
    grid->addWidget(lblTasemalli, 1, 0);
    grid->addWidget(cmbTasemalli, 1, 1);
    grid->addWidget(cSulje, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* v = new QVBoxLayout(this);
    v->setMenuBar(menuBar);
    v->addLayout(grid);
    v->addWidget(lstVirheet, 1);
    resize(ui::TwipsToPixelsX(this, 9600), ui::TwipsToPixelsY(this, 5400));

    ui::Events::of(cTarkista).onClick([this] { run([this] { Tarkista(); }); });
    ui::Events::of(mKorjausSaldopuoli).onClick([this] { run([this] { KorjaaSaldopuoli(); }); });
    ui::Events::of(cSulje).onClick([this] { ui::Forms::unload(*this); });
    ui::Events::of(mSulje).onClick([this] { ui::Forms::unload(*this); });
}

void frmTarkistusVirheet::Load() {
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta!")));
        ui::Forms::unload(*this);
        return;
    }
    try {
        FillModelCombos(cmbTulosmalli, cmbTasemalli);
    } catch (const dao::DaoError& e) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta!")) +
                       QStringLiteral("\r\n") + e.description());
        ui::Forms::unload(*this);
    }
}

void frmTarkistusVirheet::Tarkista() {
    const long tulos = ChosenModel(cmbTulosmalli);
    const long tase = ChosenModel(cmbTasemalli);
    if (tulos == 0 && tase == 0) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                                          QStringLiteral("Valitse tarkistettava tulos- ja tasemalli.")));
        return;
    }
    // The checks read the book: the editor's pending changes are written first.
    if (auto* editor = ui::Forms::find<frmNewTulosJaTase>(); editor && editor->isLoaded()) editor->Tallenna();
    const MalliVirheet findings = TarkistaMallit(tulos, tase);
    lstVirheet->clear();
    if (findings.empty()) {
        lstVirheet->addItem(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                                               QStringLiteral("Tarkistus suoritettu virheettömästi.")));
        return;
    }
    const QString check = core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Tarkista:"));
    for (const cMalliVirhe& f : findings) {
        QString where = f.HierarkiaTeksti;
        where.replace(QLatin1String("\r\n"), QLatin1String(" / "));
        where.replace(QLatin1Char('\r'), QLatin1String(" / "));
        where.replace(QLatin1Char('\n'), QLatin1String(" / "));
        lstVirheet->addItem(f.VirheTeksti + QStringLiteral(" -- ") + check + u' ' + where);
    }
}

void frmTarkistusVirheet::KorjaaSaldopuoli() {
    const QString question =
        core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                           QStringLiteral("Tämä toiminto käy läpi tuloslaskelma ja tasemallin ja korjaa niiden saldopuoli valinnan.")) +
        QStringLiteral("\r\n\r\n") + core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Haluatko jatkaa?"));
    if (core::AskYesNo(question, false) != ui::Answer::Yes) return;
    const long tulos = ChosenModel(cmbTulosmalli);
    const long tase = ChosenModel(cmbTasemalli);
    if (tulos == 0 && tase == 0) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"),
                                          QStringLiteral("Valitse korjattava tulos- ja / tai tasemalli.")));
        return;
    }
    // The editor's rows are written before and read again after, so that it
    // never writes an old side back.
    frmNewTulosJaTase* editor = ui::Forms::find<frmNewTulosJaTase>();
    if (editor && !editor->isLoaded()) editor = nullptr;
    if (editor) editor->Tallenna();
    dao::Database db = core::DBCon().AvaaDB();
    if (tulos != 0) KorjaaSaldopuolet(db, tulos);
    if (tase != 0) KorjaaSaldopuolet(db, tase);
    if (editor) editor->ReloadShownRecords();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Korjaukset tehty.")));
}

}  // namespace statement_models
