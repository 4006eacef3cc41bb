#include "statement_models/frmtarkistusvirheet.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
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
    mTiedosto = new QMenu(QStringLiteral("&Tiedosto"), menuBar);
    mTiedosto->setObjectName(QStringLiteral("mTiedosto"));
    menuBar->addMenu(mTiedosto);
    mSulje = mTiedosto->addAction(QStringLiteral("Sulje"));
    mSulje->setObjectName(QStringLiteral("mSulje"));
    mKorjaustoiminnot = new QMenu(QStringLiteral("Korjaustoiminnot"), menuBar);
    mKorjaustoiminnot->setObjectName(QStringLiteral("mKorjaustoiminnot"));
    menuBar->addMenu(mKorjaustoiminnot);
    mKorjausSaldopuoli = mKorjaustoiminnot->addAction(QStringLiteral("Saldopuoli"));
    mKorjausSaldopuoli->setObjectName(QStringLiteral("mKorjausSaldopuoli"));

    auto named = [this](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    lblTulosmalli = static_cast<QLabel*>(named(new QLabel(QStringLiteral("Tuloslaskelmamalli:"), this), "lblTulosmalli"));
    cmbTulosmalli = static_cast<QComboBox*>(named(new QComboBox(this), "cmbTulosmalli"));
    lblTasemalli = static_cast<QLabel*>(named(new QLabel(QStringLiteral("Tasemalli:"), this), "lblTasemalli"));
    cmbTasemalli = static_cast<QComboBox*>(named(new QComboBox(this), "cmbTasemalli"));
    cTarkista = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("Tarkista"), this), "cTarkista"));
    cSulje = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("Sulje"), this), "cSulje"));
    cSulje->setToolTip(QStringLiteral("Sulje Mallien tarkistus [Alt+F4]"));
    lstVirheet = static_cast<QListWidget*>(named(new QListWidget(this), "lstVirheet"));

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

void frmTarkistusVirheet::run(const std::function<void()>& f) {
    try {
        f();
    } catch (const dao::DaoError& e) {
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Odottamaton virhe: ")) +
                           QString::number(e.number()) + QStringLiteral(" / ") + e.description());
    } catch (const std::exception& e) {
        core::ShowCritical(core::TranslateStr(QStringLiteral("frmTarkistusVirheet"), QStringLiteral("Odottamaton virhe: ")) +
                           QString::fromLocal8Bit(e.what()));
    }
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
