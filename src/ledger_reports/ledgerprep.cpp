#include "ledger_reports/ledgerprep.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "platform/ui/dialogs.h"

#include <QStringList>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ledger {

namespace {

const QString kT = QStringLiteral("tlID");

// A piece of SQL with its bound values.
struct Sql {
    QString text;
    dao::Params params;

    Sql& add(const QString& piece) {
        text += piece;
        return *this;
    }
    Sql& add(const QString& piece, const dao::Variant& value) {
        text += piece;
        params.push_back(value);
        return *this;
    }
};

// The cost-centre limit, when there is one.
void addCostCentre(Sql& q, long kpID) {
    if (kpID != 0) q.add(QStringLiteral(" AND vi.vikpID = ?"), dao::Variant(kpID));
}

// The period, both ends included.
void addPeriod(Sql& q, const dao::Date& start, const dao::Date& end) {
    q.add(QStringLiteral(" AND to.toPvm >= ?"), dao::Variant(start));
    q.add(QStringLiteral(" AND to.toPvm <= ?"), dao::Variant(end));
}

// Entries of the books' own vouchers (number 0 and up) with their voucher.
Sql entriesOfOwnVouchers(const QString& columns) {
    Sql q;
    q.add(QStringLiteral("SELECT ") + columns +
          QStringLiteral(" FROM vi, to WHERE vi.vitoID = to.toID AND to.toNumero >= 0"));
    return q;
}

const QString kEntryColumns = QStringLiteral("vi.vitlID, vi.viTyyppi, vi.viArvo, to.toNumero");

bool isDebit(const dao::Variant& tyyppi) {
    return core::OnDebet(core::NzString(tyyppi));
}

// The entry's effect on a debit-positive balance.
dao::Currency signedAmount(const dao::Recordset& rs) {
    const dao::Currency amount = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
    return isDebit(rs.value(QStringLiteral("viTyyppi"))) ? amount : -amount;
}

struct Movement {
    std::unordered_map<long, dao::Currency> perAccount;
    QList<long> vouchersOfMissingAccounts;  // voucher numbers, one per entry
};

// Adds the entries of q to their accounts' movement; an entry whose
// account is not in accounts goes to the missing list instead.
void collect(dao::Database& db, const Sql& q, const std::unordered_set<long>& accounts, Movement& m) {
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, q.params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long tlID = core::NzLong(rs.value(QStringLiteral("vitlID")));
        if (accounts.count(tlID) == 0) {
            m.vouchersOfMissingAccounts << core::NzLong(rs.value(QStringLiteral("toNumero")));
            continue;
        }
        m.perAccount[tlID] += signedAmount(rs);
    }
    rs.Close();
}

struct AccountRow {
    long id = 0;
    dao::Currency alkusaldo;
    dao::Currency loppusaldo;
    bool print = false;
};

std::vector<AccountRow> readAccounts(dao::Database& db) {
    std::vector<AccountRow> rows;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlID, tlAlkusaldo, tlLoppusaldo, tlPrint FROM tl"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    for (; !rs.isEOF(); rs.MoveNext()) {
        AccountRow r;
        r.id = core::NzLong(rs.value(kT));
        r.alkusaldo = core::NzCurrency(rs.value(QStringLiteral("tlAlkusaldo")));
        r.loppusaldo = core::NzCurrency(rs.value(QStringLiteral("tlLoppusaldo")));
        r.print = core::NzBoolean(rs.value(QStringLiteral("tlPrint")));
        rows.push_back(r);
    }
    rs.Close();
    return rows;
}

std::unordered_set<long> idsOf(const std::vector<AccountRow>& rows) {
    std::unordered_set<long> ids;
    for (const AccountRow& r : rows) ids.insert(r.id);
    return ids;
}

// The mode's condition on the voucher flags, for the journal.
QString voucherModeClause(Raporttitila tila) {
    switch (tila) {
    case Raporttitila::Avausviennit: return QStringLiteral(" AND to.toAvaustosite = True");
    case Raporttitila::Paatosviennit: return QStringLiteral(" AND to.toPaatostosite = True");
    case Raporttitila::Tavalliset: break;
    }
    return QStringLiteral(" AND to.toAvaustosite = False AND to.toPaatostosite = False");
}

// The mode's condition on the entry flags, for the balances and the marks.
QString entryModeClause(Raporttitila tila) {
    switch (tila) {
    case Raporttitila::Avausviennit: return QStringLiteral(" AND vi.viAvausvienti = True");
    case Raporttitila::Paatosviennit: return QStringLiteral(" AND vi.viPaatosvienti = True");
    case Raporttitila::Tavalliset: break;
    }
    return QStringLiteral(" AND vi.viAvausvienti = False AND vi.viPaatosvienti = False");
}

// The journal's vouchers of the period and mode.
Sql journalVouchers(const QString& select, const dao::Date& start, const dao::Date& end, bool avaus, bool paatos) {
    Sql q;
    q.add(select);
    q.add(QStringLiteral(" AND to.toPvm <= ?"), dao::Variant(end));
    q.add(QStringLiteral(" AND to.toPvm >= ?"), dao::Variant(start));
    q.add(voucherModeClause(TilaOf(avaus, paatos)));
    return q;
}

long countOf(dao::Database& db, const Sql& q) {
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::Snapshot, dao::dbReadOnly, q.params);
    const long n = rs.isEOF() ? 0 : core::NzLong(rs.value(0));
    rs.Close();
    return n;
}

}  // namespace

Raporttitila TilaOf(bool avaus, bool paatos) {
    if (avaus) return Raporttitila::Avausviennit;
    if (paatos) return Raporttitila::Paatosviennit;
    return Raporttitila::Tavalliset;
}

void NollaaTilienSaldot(dao::Database& db) {
    db = core::DBCon().AvaaDB();
    db.Execute(QStringLiteral("UPDATE tl SET tlAlkusaldo = 0, tlLoppusaldo = 0"));
}

void LaskeAlkusaldot(dao::Database& db, const dao::Date& start, bool avaus, bool paatos, long kpID) {
    const Raporttitila tila = TilaOf(avaus, paatos);
    const std::vector<AccountRow> accounts = readAccounts(db);
    Movement m;
    if (tila == Raporttitila::Paatosviennit) {
        // Everything of the year but the closing entries, whatever its date.
        Sql q = entriesOfOwnVouchers(kEntryColumns);
        q.add(QStringLiteral(" AND vi.viPaatosvienti = False"));
        addCostCentre(q, kpID);
        collect(db, q, idsOf(accounts), m);
    } else if (tila == Raporttitila::Tavalliset) {
        Sql opening = entriesOfOwnVouchers(kEntryColumns);
        opening.add(QStringLiteral(" AND vi.viAvausvienti = True"));
        addCostCentre(opening, kpID);
        collect(db, opening, idsOf(accounts), m);
        if (start != core::TilikausiAlku) {
            Sql before = entriesOfOwnVouchers(kEntryColumns);
            before.add(entryModeClause(Raporttitila::Tavalliset));
            addCostCentre(before, kpID);
            before.add(QStringLiteral(" AND to.toPvm < ?"), dao::Variant(start));
            collect(db, before, idsOf(accounts), m);
        }
    }
    // Opening mode: every opening balance is 0.

    dao::InTransaction(db, [&] {
        for (const AccountRow& a : accounts) {
            const auto it = m.perAccount.find(a.id);
            const dao::Currency balance = it == m.perAccount.end() ? dao::Currency() : it->second;
            if (balance == a.alkusaldo) continue;
            db.Execute(QStringLiteral("UPDATE tl SET tlAlkusaldo = ? WHERE tlID = ?"),
                       {dao::Variant(balance), dao::Variant(a.id)});
        }
    });
}

void LaskeLoppusaldot(dao::Database& db, const dao::Date& start, const dao::Date& end, bool avaus, bool paatos,
                      long kpID) {
    const Raporttitila tila = TilaOf(avaus, paatos);
    Movement m;
    dao::InTransaction(db, [&] {
        db.Execute(QStringLiteral("UPDATE tl SET tlLoppusaldo = tlAlkusaldo"));
        const std::vector<AccountRow> accounts = readAccounts(db);

        Sql q = entriesOfOwnVouchers(kEntryColumns);
        q.add(entryModeClause(tila));
        addCostCentre(q, kpID);
        if (tila != Raporttitila::Avausviennit) addPeriod(q, start, end);
        q.add(QStringLiteral(" ORDER BY vi.vitlID, vi.viID"));
        collect(db, q, idsOf(accounts), m);

        for (const AccountRow& a : accounts) {
            const auto it = m.perAccount.find(a.id);
            if (it == m.perAccount.end() || it->second.isZero()) continue;
            db.Execute(QStringLiteral("UPDATE tl SET tlLoppusaldo = ? WHERE tlID = ?"),
                       {dao::Variant(a.alkusaldo + it->second), dao::Variant(a.id)});
        }
    });
    for (long numero : m.vouchersOfMissingAccounts)
        ui::MsgBox(QStringLiteral("Tarkista tositteen numero ") + QString::number(numero) + QStringLiteral(" viennit."),
                   0, core::AppTitle);
}

void MerkitseTulostettavatTilit(dao::Database& db, const dao::Date& start, const dao::Date& end, bool vainTap,
                                bool avaus, bool paatos, long kpID) {
    if (!vainTap) {
        db.Execute(QStringLiteral("UPDATE tl SET tlPrint = True"));
        return;
    }
    const Raporttitila tila = TilaOf(avaus, paatos);
    dao::InTransaction(db, [&] {
        PoistaApuTositteet(db);

        // The accounts that have an entry of the mode in the period.
        Sql q;
        q.add(QStringLiteral("SELECT DISTINCT vi.vitlID FROM vi, to WHERE vi.vitoID = to.toID"));
        q.add(entryModeClause(tila));
        addCostCentre(q, kpID);
        if (tila != Raporttitila::Avausviennit) addPeriod(q, start, end);
        std::unordered_set<long> withEntries;
        dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, q.params);
        for (; !rs.isEOF(); rs.MoveNext()) withEntries.insert(core::NzLong(rs.value(0)));
        rs.Close();

        for (const AccountRow& a : readAccounts(db)) {
            const bool print = !a.alkusaldo.isZero() || !a.loppusaldo.isZero() || withEntries.count(a.id) > 0;
            db.Execute(QStringLiteral("UPDATE tl SET tlPrint = ? WHERE tlID = ?"),
                       {dao::Variant(print), dao::Variant(a.id)});
        }
    });
}

void PoistaApuTositteet(dao::Database& db) {
    std::vector<long> work;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT toID FROM to WHERE toNumero < 0"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    for (; !rs.isEOF(); rs.MoveNext()) work.push_back(core::NzLong(rs.value(0)));
    rs.Close();
    if (work.empty()) return;
    dao::InTransaction(db, [&] {
        for (long toID : work) {
            db.Execute(QStringLiteral("DELETE FROM vi WHERE vitoID = ?"), {dao::Variant(toID)});
            db.Execute(QStringLiteral("DELETE FROM to WHERE toID = ?"), {dao::Variant(toID)});
        }
    });
}

void LuoApuTositteet(dao::Database& db, const dao::Date& start, bool avaus, bool paatos, long kpID) {
    const Raporttitila tila = TilaOf(avaus, paatos);
    const bool opening = tila == Raporttitila::Avausviennit;
    const bool closing = tila == Raporttitila::Paatosviennit;
    dao::InTransaction(db, [&] {
        PoistaApuTositteet(db);

        dao::Recordset to = db.OpenRecordset(QStringLiteral("SELECT * FROM to WHERE toID < 0"));
        to.AddNew();
        const long toID = core::NzLong(to.value(QStringLiteral("toID")));
        to.setValue(QStringLiteral("toNumero"), dao::Variant(-1));
        to.setValue(QStringLiteral("toPvm"), dao::Variant(start.addDays(1)));
        to.setValue(QStringLiteral("toAvaustosite"), dao::Variant(opening));
        to.setValue(QStringLiteral("toPaatostosite"), dao::Variant(closing));
        to.Update();
        to.Close();

        std::vector<long> accounts;
        dao::Recordset tl = db.OpenRecordset(QStringLiteral("SELECT tlID FROM tl"), dao::RecordsetType::ForwardOnly,
                                             dao::dbReadOnly);
        for (; !tl.isEOF(); tl.MoveNext()) accounts.push_back(core::NzLong(tl.value(0)));
        tl.Close();
        for (long tlID : accounts)
            db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, viAvausvienti, viPaatosvienti, vikpID) "
                                      "VALUES (?, ?, ?, ?, ?)"),
                       {dao::Variant(toID), dao::Variant(tlID), dao::Variant(opening), dao::Variant(closing),
                        dao::Variant(kpID)});
    });
}

void ValmisteleTilit(dao::Database& db, const dao::Date& start, const dao::Date& end, bool vainTap, bool avaus,
                     bool paatos, long kpID) {
    dao::InTransaction(db, [&] {
        LaskeAlkusaldot(db, start, avaus, paatos, kpID);
        LaskeLoppusaldot(db, start, end, avaus, paatos, kpID);
        MerkitseTulostettavatTilit(db, start, end, vainTap, avaus, paatos, kpID);
        LuoApuTositteet(db, start, avaus, paatos, kpID);
    });
}

void LaskeViennitTyypille(dao::Database& db, const QString& tyyppi, long& count, dao::Currency& sum,
                          const dao::Date& start, const dao::Date& end, bool avaus, bool paatos) {
    count = 0;
    sum = dao::Currency();
    Sql q = journalVouchers(QStringLiteral("SELECT vi.viArvo FROM vi, to WHERE vi.vitoID = to.toID AND to.toNumero >= 0"),
                            start, end, avaus, paatos);
    q.add(QStringLiteral(" AND vi.viTyyppi = ?"), dao::Variant(tyyppi));
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, q.params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        ++count;
        sum += core::NzCurrency(rs.value(0));
    }
    rs.Close();
}

void LaskeTositteet(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                    bool paatos) {
    count = countOf(db, journalVouchers(QStringLiteral("SELECT COUNT(*) FROM to WHERE to.toNumero >= 0"), start, end,
                                        avaus, paatos));
}

void LaskeViennit(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                  bool paatos) {
    count = countOf(db, journalVouchers(
                            QStringLiteral("SELECT COUNT(*) FROM vi, to WHERE vi.vitoID = to.toID AND to.toNumero >= 0"),
                            start, end, avaus, paatos));
}

}  // namespace ledger
