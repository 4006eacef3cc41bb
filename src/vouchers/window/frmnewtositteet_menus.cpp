// The voucher window's templates (quick-choice buttons, template menu,
// template editor), the account views and the ledger reports of its mode.

#include "core/dbc.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/events.h"
#include "platform/ui/forms.h"
#include "shell/openers.h"
#include "vouchers/tools/frmtositepohja.h"
#include "vouchers/tositepohja.h"
#include "vouchers/window/frmnewtositteet.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace vouchers {

void frmNewTositteet::connectMenuEvents() {
    auto click = [this](QObject* control, std::function<void()> f) {
        ui::Events::of(control).onClick([this, f = std::move(f)] { run(f); });
    };
    for (int n = 1; n <= 4; ++n) click(cTositePohja[size_t(n)], [this, n] { TositePohjaClick(n); });
    click(mTositepohjaX.first(), [this] { TositepohjaXClick(0); });
    click(mMuokkaaTositepohjia, [this] { MuokkaaTositepohjia(); });

    click(mTilinPaivasaldot, [this] { openView(QStringLiteral("frmPaivaSaldot")); });
    click(mTilienSaldot, [this] { openView(QStringLiteral("frmTilienSaldot")); });
    click(mTilitarkastelu, [this] { openView(QStringLiteral("frmTilitarkastelu")); });

    click(mPaivakirja, [this] { RunRaportti(Raportti::Paivakirja); });
    click(mPaakirja, [this] { RunRaportti(Raportti::Paakirja); });
    click(mPaakirjaKustannuspaikalle, [this] { RunRaportti(Raportti::PaakirjaKustannuspaikalle); });
    click(mRapYksiTili, [this] { RunRaportti(Raportti::YksiTili); });
}

// ---------------------------------------------------------------- templates

void frmNewTositteet::showFromTemplate(const ::vouchers::cTositePohja& p) {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    // The voucher on screen is written before the new one is numbered, so
    // that a failure leaves no voucher behind that nobody sees.
    if (!writePending()) return;
    std::unique_ptr<core::cTosite> t = TositePohjasta(p, bAvaustosite, bPaatostosite);
    if (!t) {
        showChangedYear(curTosite_->IsEmpty() ? 0 : curTosite_->id());
        return;
    }
    ShowTosite(std::move(t));
    moveFocus(tTositepvm);
}

void frmNewTositteet::TositePohjaClick(int n) {
    if (!CheckSyotteet()) return;
    const std::unique_ptr<::vouchers::cTositePohja> p = cTositePohjat().PikavalintaPohja(n);
    if (p->IsEmpty()) return;
    showFromTemplate(*p);
}

void frmNewTositteet::TositepohjaXClick(int i) {
    if (!CheckSyotteet()) return;
    // The item's place in the menu is the template's place in name order.
    const core::RecordList<::vouchers::cTositePohja> all = cTositePohjat().All();
    if (i < 0 || i >= all.count() || all.at(i).IsEmpty()) return;
    showFromTemplate(all.at(i));
}

void frmNewTositteet::MuokkaaTositepohjia() {
    // The editor is unloaded when it closes, also when it failed; the
    // buttons and the menu then show the templates as stored.
    try {
        ui::Forms::show(ui::Forms::get<frmTositepohja>(), true);
    } catch (...) {
        ui::Forms::unload<frmTositepohja>();
        // The editor goes, the menu shows the templates as stored, and the
        // failure goes on to the window's runner.
        BuildTositepohjaMenu();
        throw;
    }
    ui::Forms::unload<frmTositepohja>();
    BuildTositepohjaMenu();
}

// ---------------------------------------------------------------- account views and reports

void frmNewTositteet::openView(const QString& name) {
    // The voucher and the window stay as they are.
    if (!shell::RunOpener(name))
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTositteet"),
                                          QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
}

void frmNewTositteet::RunRaportti(Raportti r) {
    ledger::LedgerCaller caller;
    caller.windowName = objectName();
    caller.bAvaustosite = bAvaustosite;
    caller.bPaatostosite = bPaatostosite;
    // The click of cTallenna: it reports its own failure, and the report
    // goes on whatever it did.
    caller.save = [this] { run([this] { Tallenna(); }); };
    switch (r) {
    case Raportti::Paivakirja: ledger::RunPaivakirja(caller); break;
    case Raportti::Paakirja: ledger::RunPaakirja(caller); break;
    case Raportti::PaakirjaKustannuspaikalle: ledger::RunPaakirjaKustannuspaikalle(caller); break;
    case Raportti::YksiTili: ledger::RunYksiTili(caller); break;
    }
}

}  // namespace vouchers
