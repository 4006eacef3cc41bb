#include "vouchers/tools/frmtositetarkistusvirheet.h"

#include "core/globals.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "vouchers/tositetarkistus.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace vouchers {

namespace {

QString databaseMessage() {
    return core::TranslateStr(QStringLiteral("frmTositeTarkistusVirheet"),
                              QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta!"));
}

}  // namespace

frmTositeTarkistusVirheet::frmTositeTarkistusVirheet() : ui::Form(QStringLiteral("frmTositeTarkistusVirheet")) {
    setWindowTitle(QStringLiteral("Tositteiden tarkistus"));
    lstVirheet = new QListWidget(this);
    lstVirheet->setObjectName(QStringLiteral("lstVirheet"));
    cTarkista = ui::makeButton(this, QStringLiteral("cTarkista"), QStringLiteral("Tarkista"));
    cTarkista->setToolTip(QStringLiteral("Tarkista tositteiden päivämäärät ja viennit"));
    cSulje = ui::makeButton(this, QStringLiteral("cSulje"), QStringLiteral("Sulje"));
    cSulje->setToolTip(QStringLiteral("Sulje Tositteiden tarkistus [Alt+F4]"));

    auto* g = new QGridLayout(this);
    g->addWidget(lstVirheet, 0, 0, 1, 3);
    g->addWidget(cTarkista, 1, 0);
    g->setColumnStretch(1, 1);
    g->addWidget(cSulje, 1, 2);
    resize(ui::TwipsToPixelsX(this, 8400), ui::TwipsToPixelsY(this, 4800));

    ui::Events::of(cTarkista).onClick([this] {
        try {
            Tarkista();
        } catch (...) {
            // As when the window loads, but the window stays open.
            core::ShowInfo(databaseMessage() + QStringLiteral("\r\n") + core::ErrorText(std::current_exception()));
        }
    });
    ui::Events::of(cSulje).onClick([this] { ui::Forms::unload(*this); });
}

void frmTositeTarkistusVirheet::Load() {
    // The program-wide load hook has restored the placement and translated
    // the window.
    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(databaseMessage());
        ui::Forms::unload(*this);
        return;
    }
    try {
        Tarkista();
    } catch (...) {
        // The book could not be read: the user is told why, and the window
        // does not open on an empty list.
        core::ShowInfo(databaseMessage() + QStringLiteral("\r\n") + core::ErrorText(std::current_exception()));
        ui::Forms::unload(*this);
    }
}

void frmTositeTarkistusVirheet::Tarkista() {
    const std::vector<cTositeTarkistusVirhe> virheet = cTositeTarkistus().TarkistaTositteet();
    lstVirheet->clear();
    if (virheet.empty()) {
        lstVirheet->addItem(core::TranslateStr(QStringLiteral("frmTositeTarkistusVirheet"),
                                               QStringLiteral("Tarkistus suoritettu virheettömästi.")));
        return;
    }
    for (const cTositeTarkistusVirhe& v : virheet) {
        QString line;
        if (v.Paatostosite)
            line = core::TranslateStr(QStringLiteral("frmTositeTarkistusVirheet"), QStringLiteral("Tarkista päätöstosite:")) +
                   QLatin1Char(' ');
        else if (v.Avaustosite)
            line = core::TranslateStr(QStringLiteral("frmTositeTarkistusVirheet"), QStringLiteral("Tarkista avaustosite:")) +
                   QLatin1Char(' ');
        lstVirheet->addItem(line + v.VirheTeksti);
    }
}

void ShowTositeTarkistusVirheet() { ui::Forms::show(ui::Forms::get<frmTositeTarkistusVirheet>()); }

bool KaynnistysTarkistus(const QString& ikkuna) {
    try {
        if (cTositeTarkistus().TarkistaTositteet().empty()) return false;
        return core::AskYesNo(core::TranslateStr(ikkuna,
                                                 QStringLiteral("Tositteissa puutteita, haluatko avata tositteiden "
                                                                "tarkistusikkunan?")),
                              false) == ui::Answer::Yes;
    } catch (...) {
        // The book could not be read: no check to offer. The voucher
        // window opens all the same and tells of its own failures.
        return false;
    }
}

}  // namespace vouchers
