#include "accounts/tilit.h"

#include "core/dbc.h"
#include "core/nz.h"
#include "core/records/lists.h"
#include "core/records/recordcore.h"

#include <vector>

namespace accounts {

bool HasEntriesWithAmounts(long tlID) {
    dao::Database db = core::DBCon().AvaaDB();
    auto count = [&db, tlID](const QString& sql) {
        return core::NzLong(core::detail::aggregate(db, sql, {dao::Variant(tlID)}));
    };
    return count(QStringLiteral("SELECT COUNT(viID) FROM vi WHERE viArvo <> 0 AND vitlID = ?")) > 0 ||
           count(QStringLiteral("SELECT COUNT(viEID) FROM viE WHERE viEArvo <> 0 AND viEtlID = ?")) > 0;
}

void RemoveUnfinishedAccounts(long keep) {
    // An empty name is stored as one blank: a name of blanks only is one the
    // user has not given yet.
    std::vector<long> doomed;
    for (const core::ListLine& account : core::AccountList(core::AccountOrder::ByNumberThenName)) {
        if (!account.name.trimmed().isEmpty()) break;
        if (account.id != 0 && account.id != keep) doomed.push_back(account.id);
    }
    dao::Database db = core::DBCon().AvaaDB();
    for (const long id : doomed) {
        db.Execute(QStringLiteral("DELETE FROM tl WHERE tlID = ? "
                                  "AND NOT EXISTS (SELECT 1 FROM vi WHERE vitlID = ?) "
                                  "AND NOT EXISTS (SELECT 1 FROM viE WHERE viEtlID = ?)"),
                   {dao::Variant(id), dao::Variant(id), dao::Variant(id)});
    }
}

}  // namespace accounts
