#include "core/records/vientied.h"

namespace core {

cVientiEd::cVientiEd() : c_(detail::kViETable) {}

cVientiEd::~cVientiEd() { c_.saveOnDestruction(); }

bool cVientiEd::Delete() {
    c_.remove();
    return false;
}

}  // namespace core
