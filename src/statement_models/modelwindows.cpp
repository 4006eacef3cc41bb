#include "statement_models/modelwindows.h"

#include "shell/openers.h"
#include "statement_models/frmnewtulosjatase.h"

namespace statement_models {

void RegisterModelWindows() {
    shell::RegisterOpener(QStringLiteral("frmNewTulosJaTase"), [] { ui::Forms::show<frmNewTulosJaTase>(); });
}

}  // namespace statement_models
