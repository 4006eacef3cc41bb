#include "core/ui/bookchange.h"

#include "core/dbc.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

namespace core {

bool StoreOpenWindows() {
    QString error;
    ui::Form* refused = ui::Forms::storePendingEdits(&error);
    if (!refused) return true;
    QString message = TranslateStr(QStringLiteral("Yleiset"),
                                   QStringLiteral("Toimintoa ei tehty, koska ikkunan muutoksia ei voitu tallentaa:")) +
                      QLatin1Char(' ') + refused->windowTitle();
    if (!error.isEmpty()) message += QStringLiteral("\r\n\r\n") + error;
    ShowInfo(message);
    return false;
}

BookChange::BookChange() : began_(StoreOpenWindows()) {}

BookChange::~BookChange() {
    if (!began_) return;
    DBCon().nextGeneration();
    try {
        ui::Forms::readBookAgain();
    } catch (...) {
        // Each window reports its own failure; the command has ended.
    }
}

}  // namespace core
