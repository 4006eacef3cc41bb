#include "core/records/vienti.h"

namespace core {

cVienti::cVienti() : c_(detail::kViTable) {}

cVienti::~cVienti() { c_.saveOnDestruction(); }

bool cVienti::Delete() {
    c_.remove();
    return false;
}

}  // namespace core
