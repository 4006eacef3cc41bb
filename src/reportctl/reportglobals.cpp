#include "reportctl/reportglobals.h"

namespace reports {

void ResetReportGlobals() {
    TulostusLaite = 0;
    TulostusPeruttu = false;
    DialogiPeruttu = false;
    RaporttiLaaja = VainRyhmat = TiliErottelu = VainTap = false;
    RaporttiKpID = 0;
    RaporttiTlID = 0;
}

}  // namespace reports
