#include "core/records/vienti.h"

namespace core {

cVienti::cVienti() : EntryRecord(detail::kViTable) {}

cVienti::~cVienti() { c_.saveOnDestruction(); }

}  // namespace core
