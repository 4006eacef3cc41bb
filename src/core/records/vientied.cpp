#include "core/records/vientied.h"

namespace core {

cVientiEd::cVientiEd() : EntryRecord(detail::kViETable) {}

cVientiEd::~cVientiEd() { c_.saveOnDestruction(); }

}  // namespace core
