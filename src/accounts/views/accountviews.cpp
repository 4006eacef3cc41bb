#include "accounts/views/accountviews.h"

#include "accounts/views/frmpaivasaldot.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "shell/openers.h"

namespace accounts {

namespace {

template <class T>
void showView() {
    T& f = ui::Forms::get<T>();
    ui::Forms::show(f, false);
    if (f.isUnloaded()) return;
    f.raise();
    f.activateWindow();
}

}  // namespace

void ShowTilienSaldot() { showView<frmTilienSaldot>(); }
void ShowTilitarkastelu() { showView<frmTilitarkastelu>(); }
void ShowPaivaSaldot() { showView<frmPaivaSaldot>(); }

void RegisterAccountViews() {
    shell::RegisterOpener(QStringLiteral("frmTilienSaldot"), ShowTilienSaldot);
    shell::RegisterOpener(QStringLiteral("frmTilitarkastelu"), ShowTilitarkastelu);
    shell::RegisterOpener(QStringLiteral("frmPaivaSaldot"), ShowPaivaSaldot);
}

}  // namespace accounts
