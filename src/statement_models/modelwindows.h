#pragma once

namespace statement_models {

// Registers the model editor with the main window's commands
// ("frmNewTulosJaTase", opened not modal).
void RegisterModelWindows();

}  // namespace statement_models
