#include "legacy/legacywindows.h"

#include "legacy/frmtilit.h"
#include "legacy/frmtositteet.h"

#ifdef KV_LEGACY_LEDGER_COMMANDS
#include "ledger_reports/ledgercommands.h"
#endif
#ifdef KV_LEGACY_VOUCHER_TOOLS
#include "vouchers/tools/frmtositepohja.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#endif

namespace legacy {

frmTositteet* OpenOlderVoucherWindow(const shell::VoucherWindowMode& mode) {
    frmTositteet& f = ui::Forms::get<frmTositteet>();
    if (f.isLoaded()) {
        // A voucher that could not be stored keeps the window in its mode,
        // and its caption with it.
        if (!f.SetMode(mode.bAvaustosite, mode.bPaatostosite)) {
            ui::Forms::show(f);
            f.raise();
            f.activateWindow();
            return &f;
        }
    } else {
        f.bAvaustosite = mode.bAvaustosite;
        f.bPaatostosite = mode.bPaatostosite;
        ui::Forms::load(f);
        // Without a book the window has told so and gone.
        if (f.isUnloaded()) return nullptr;
    }
    // The caption comes translated from the main window; it is set after the
    // window's own translation.
    f.setWindowTitle(mode.caption);
    ui::Forms::show(f);
    f.raise();
    f.activateWindow();
    return &f;
}

frmTilit* OpenOlderAccountsWindow() {
    frmTilit& f = ui::Forms::load<frmTilit>();
    if (f.isUnloaded()) return nullptr;
    ui::Forms::show(f);
    f.raise();
    f.activateWindow();
    return &f;
}

void RegisterLegacyWindows() {
    shell::RegisterVoucherWindow(QStringLiteral("frmTositteet"),
                                 [](const shell::VoucherWindowMode& mode) { OpenOlderVoucherWindow(mode); });
    shell::RegisterOpener(QStringLiteral("frmTilit"), [] { OpenOlderAccountsWindow(); });

#ifdef KV_LEGACY_LEDGER_COMMANDS
    frmTositteet::SetReportCommand([](const QString& item, bool bAvaus, bool bPaatos, const std::function<void()>& save) {
        ledger::LedgerCaller caller;
        caller.windowName = QStringLiteral("frmTositteet");
        caller.bAvaustosite = bAvaus;
        caller.bPaatostosite = bPaatos;
        caller.save = save;
        // A report that fails is told, as in the newer window: a print
        // that silently does not come out would look like one that did.
        caller.legacyWindow = false;
        if (item == QLatin1String("mPaivakirja"))
            ledger::RunPaivakirja(caller);
        else if (item == QLatin1String("mPaakirja"))
            ledger::RunPaakirja(caller);
        else if (item == QLatin1String("mPaakirjaKustannuspaikalle"))
            ledger::RunPaakirjaKustannuspaikalle(caller);
        else if (item == QLatin1String("mRapYksiTili"))
            ledger::RunYksiTili(caller);
    });
#endif
#ifdef KV_LEGACY_VOUCHER_TOOLS
    frmTositteet::SetCheckWindowOpener([] { vouchers::ShowTositeTarkistusVirheet(); });
    frmTositteet::SetTemplateEditor([] {
        // Shown modally and let go when it closes, also when it failed.
        try {
            ui::Forms::show<vouchers::frmTositepohja>(true);
        } catch (...) {
            ui::Forms::unload<vouchers::frmTositepohja>();
            // The editor goes, and the failure goes on to the caller.
            throw;
        }
        ui::Forms::unload<vouchers::frmTositepohja>();
    });
#endif
}

}  // namespace legacy
