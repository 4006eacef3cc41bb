#include "vouchers/window/voucherwindows.h"

#include "vouchers/tools/frmtositehaku.h"
#include "vouchers/tools/frmtositetarkistusvirheet.h"
#include "vouchers/window/frmnewtositteet.h"

namespace vouchers {

frmNewTositteet& OpenVoucherWindow(const shell::VoucherWindowMode& mode) {
    frmNewTositteet& f = ui::Forms::get<frmNewTositteet>();
    if (f.isLoaded()) {
        // A window that cannot leave its voucher yet (it has said why) keeps
        // its mode and caption.
        if (f.SetMode(mode.bAvaustosite, mode.bPaatostosite)) f.setWindowTitle(mode.caption);
    } else {
        f.bAvaustosite = mode.bAvaustosite;
        f.bPaatostosite = mode.bPaatostosite;
        try {
            ui::Forms::load(f);
        } catch (...) {
            // A window that could not load is not kept half-filled: the next
            // command starts it afresh.
            ui::Forms::unload(f);
            throw;
        }
        f.setWindowTitle(mode.caption);
    }
    ui::Forms::show(f);
    f.raise();
    f.activateWindow();
    return f;
}

void RegisterVoucherWindows() {
    // The voucher window's check and search windows.
    frmNewTositteet::SetCheckWindowOpener(ShowTositeTarkistusVirheet);
    frmNewTositteet::SetSearchWindow(ShowTositeHaku);
    shell::RegisterVoucherWindow(QStringLiteral("frmNewTositteet"),
                                 [](const shell::VoucherWindowMode& mode) { OpenVoucherWindow(mode); });
}

}  // namespace vouchers
