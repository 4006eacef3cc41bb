#include "core/globals.h"

namespace core {

void resetGlobals() {
    AppTitle = kAppTitleDefault;
    IniFileName = QStringLiteral("vevaravo.ini");
    CurrentSettings = Settings{};
    TulostusKopioita = 1;
    HylattyTilikausi.reset();
}

}  // namespace core
