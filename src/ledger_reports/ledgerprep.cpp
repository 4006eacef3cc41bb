#include "ledger_reports/ledgerprep.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "platform/ui/dialogs.h"

#include <QStringList>
#include <functional>
#include <optional>
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

// Each account's balance at the start of the period and its movement in
// the period, by the mode's rules (see ledgerprep.h), debit-positive; and
// for each entry of the movement whose account is gone, its voucher's
// number, in the order of account and entry.
struct Balances {
    std::unordered_map<long, dao::Currency> opening;
    std::unordered_map<long, dao::Currency> movement;
    QList<long> vouchersOfMissingAccounts;
};

dao::Currency valueOf(const std::unordered_map<long, dao::Currency>& sums, long tlID) {
    const auto it = sums.find(tlID);
    return it == sums.end() ? dao::Currency() : it->second;
}

// The entries of the books' own vouchers (number 0 and up) with their
// voucher, of one cost centre when kpID is not 0.
Sql ownEntries(const QString& columns, long kpID) {
    Sql q;
    q.add(QStringLiteral("SELECT ") + columns +
          QStringLiteral(" FROM vi, to WHERE vi.vitoID = to.toID AND to.toNumero >= 0"));
    addCostCentre(q, kpID);
    return q;
}

const QString kAmountColumns = QStringLiteral("vi.vitlID, vi.viTyyppi, vi.viArvo");

// The entries of the opening balances: no two of these share an entry.
std::vector<Sql> openingEntries(Raporttitila tila, const dao::Date& start, long kpID) {
    std::vector<Sql> out;
    switch (tila) {
    case Raporttitila::Tavalliset:
        out.push_back(ownEntries(kAmountColumns, kpID).add(QStringLiteral(" AND vi.viAvausvienti = True")));
        if (start != core::TilikausiAlku)
            out.push_back(ownEntries(kAmountColumns, kpID)
                              .add(entryModeClause(Raporttitila::Tavalliset))
                              .add(QStringLiteral(" AND to.toPvm < ?"), dao::Variant(start)));
        break;
    case Raporttitila::Paatosviennit:
        // Everything of the year but the closing entries, whatever its date.
        out.push_back(ownEntries(kAmountColumns, kpID).add(QStringLiteral(" AND vi.viPaatosvienti = False")));
        break;
    case Raporttitila::Avausviennit:  // every opening balance is 0
        break;
    }
    return out;
}

// The entries of the movement: the mode's entries dated start..end, or in
// the opening mode every opening entry whatever its date.
Sql movementEntries(const QString& columns, Raporttitila tila, const dao::Date& start, const dao::Date& end,
                    long kpID) {
    Sql q = ownEntries(columns, kpID);
    q.add(entryModeClause(tila));
    if (tila != Raporttitila::Avausviennit) addPeriod(q, start, end);
    return q;
}

// Adds the entries of q to their accounts' sums; an entry whose account is
// not in accounts adds to nothing. True when there was such an entry.
bool addEntries(dao::Database& db, const Sql& q, const std::unordered_set<long>& accounts,
                std::unordered_map<long, dao::Currency>& sums) {
    bool missing = false;
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, q.params);
    const dao::Field account = rs.field(QStringLiteral("vitlID"));
    const dao::Field side = rs.field(QStringLiteral("viTyyppi"));
    const dao::Field amount = rs.field(QStringLiteral("viArvo"));
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long tlID = core::NzLong(account.valueRef());
        if (accounts.count(tlID) == 0) {
            missing = true;
            continue;
        }
        const dao::Currency v = core::NzCurrency(amount.valueRef());
        sums[tlID] += core::OnDebet(core::NzString(side.valueRef())) ? v : -v;
    }
    rs.Close();
    return missing;
}

// Each entry is read once: the opening balances, and with an end date the
// movement.
Balances readBalances(dao::Database& db, const std::unordered_set<long>& accounts, Raporttitila tila,
                      const dao::Date& start, const std::optional<dao::Date>& end, long kpID) {
    Balances b;
    for (const Sql& q : openingEntries(tila, start, kpID)) addEntries(db, q, accounts, b.opening);
    if (!end) return b;
    if (!addEntries(db, movementEntries(kAmountColumns, tila, start, *end, kpID), accounts, b.movement)) return b;
    // Seldom: entries whose account is gone, named to the user by their
    // voucher's number.
    Sql q = movementEntries(QStringLiteral("vi.vitlID, to.toNumero"), tila, start, *end, kpID);
    q.add(QStringLiteral(" ORDER BY vi.vitlID, vi.viID"));
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, q.params);
    const dao::Field account = rs.field(QStringLiteral("vitlID"));
    const dao::Field numero = rs.field(QStringLiteral("toNumero"));
    for (; !rs.isEOF(); rs.MoveNext())
        if (accounts.count(core::NzLong(account.valueRef())) == 0)
            b.vouchersOfMissingAccounts << core::NzLong(numero.valueRef());
    rs.Close();
    return b;
}

void writeOpeningBalances(dao::Database& db, const std::vector<AccountRow>& accounts, const Balances& b) {
    dao::InTransaction(db, [&] {
        for (const AccountRow& a : accounts) {
            const dao::Currency balance = valueOf(b.opening, a.id);
            if (balance == a.alkusaldo) continue;
            db.Execute(QStringLiteral("UPDATE tl SET tlAlkusaldo = ? WHERE tlID = ?"),
                       {dao::Variant(balance), dao::Variant(a.id)});
        }
    });
}

void writeClosingBalances(dao::Database& db, const Balances& b) {
    dao::InTransaction(db, [&] {
        db.Execute(QStringLiteral("UPDATE tl SET tlLoppusaldo = tlAlkusaldo"));
        for (const AccountRow& a : readAccounts(db)) {
            const dao::Currency movement = valueOf(b.movement, a.id);
            if (movement.isZero()) continue;
            db.Execute(QStringLiteral("UPDATE tl SET tlLoppusaldo = ? WHERE tlID = ?"),
                       {dao::Variant(a.alkusaldo + movement), dao::Variant(a.id)});
        }
    });
    for (long numero : b.vouchersOfMissingAccounts)
        ui::MsgBox(QStringLiteral("Tarkista tositteen numero ") + QString::number(numero) + QStringLiteral(" viennit."),
                   0, core::AppTitle);
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

// The count a query gives as Lkm.
long countOf(dao::Database& db, const Sql& q) {
    dao::Recordset rs = db.OpenRecordset(q.text, dao::RecordsetType::Snapshot, dao::dbReadOnly, q.params);
    const long n = rs.isEOF() ? 0 : core::NzLong(rs.value(QStringLiteral("Lkm")));
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
    const std::vector<AccountRow> accounts = readAccounts(db);
    writeOpeningBalances(db, accounts,
                         readBalances(db, idsOf(accounts), TilaOf(avaus, paatos), start, std::nullopt, kpID));
}

void LaskeLoppusaldot(dao::Database& db, const dao::Date& start, const dao::Date& end, bool avaus, bool paatos,
                      long kpID) {
    writeClosingBalances(db, readBalances(db, idsOf(readAccounts(db)), TilaOf(avaus, paatos), start, end, kpID));
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
        const dao::Field account = rs.field(QStringLiteral("vitlID"));
        for (; !rs.isEOF(); rs.MoveNext()) withEntries.insert(core::NzLong(account.valueRef()));
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
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT toID FROM to WHERE toNumero < 0 AND toAutomaatti = True"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    const dao::Field id = rs.field(QStringLiteral("toID"));
    for (; !rs.isEOF(); rs.MoveNext()) work.push_back(core::NzLong(id.valueRef()));
    rs.Close();
    if (work.empty()) return;
    dao::InTransaction(db, [&] {
        for (long toID : work) {
            db.Execute(QStringLiteral("DELETE FROM vi WHERE vitoID = ?"), {dao::Variant(toID)});
            db.Execute(QStringLiteral("DELETE FROM to WHERE toID = ?"), {dao::Variant(toID)});
        }
    });
}

std::vector<AlleNollanTosite> AlleNollanTositteet(dao::Database& db) {
    std::vector<AlleNollanTosite> out;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toNumero, toPvm, toSelite FROM to WHERE toNumero < 0 AND toAutomaatti = False "
                       "ORDER BY toNumero, toID"),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    for (; !rs.isEOF(); rs.MoveNext())
        out.push_back({core::NzLong(rs.value(QStringLiteral("toNumero"))), rs.value(QStringLiteral("toPvm")),
                       core::NzString(rs.value(QStringLiteral("toSelite")))});
    rs.Close();
    return out;
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
        to.setValue(QStringLiteral("toAutomaatti"), dao::Variant(true));
        to.Update();
        to.Close();

        std::vector<long> accounts;
        dao::Recordset tl = db.OpenRecordset(QStringLiteral("SELECT tlID FROM tl"), dao::RecordsetType::ForwardOnly,
                                             dao::dbReadOnly);
        const dao::Field id = tl.field(kT);
        for (; !tl.isEOF(); tl.MoveNext()) accounts.push_back(core::NzLong(id.valueRef()));
        tl.Close();
        for (long tlID : accounts)
            db.Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, viAvausvienti, viPaatosvienti, vikpID, "
                                      "viAutomaatti) VALUES (?, ?, ?, ?, ?, True)"),
                       {dao::Variant(toID), dao::Variant(tlID), dao::Variant(opening), dao::Variant(closing),
                        dao::Variant(kpID)});
    });
}

void ValmisteleTilit(dao::Database& db, const dao::Date& start, const dao::Date& end, bool vainTap, bool avaus,
                     bool paatos, long kpID) {
    dao::InTransaction(db, [&] {
        // Both balances from one pass over the entries.
        const std::vector<AccountRow> accounts = readAccounts(db);
        const Balances b = readBalances(db, idsOf(accounts), TilaOf(avaus, paatos), start, end, kpID);
        writeOpeningBalances(db, accounts, b);
        writeClosingBalances(db, b);
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
    const dao::Field amount = rs.field(QStringLiteral("viArvo"));
    for (; !rs.isEOF(); rs.MoveNext()) {
        ++count;
        sum += core::NzCurrency(amount.valueRef());
    }
    rs.Close();
}

void LaskeTositteet(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                    bool paatos) {
    count = countOf(db, journalVouchers(QStringLiteral("SELECT COUNT(*) AS Lkm FROM to WHERE to.toNumero >= 0"), start,
                                        end, avaus, paatos));
}

void LaskeViennit(dao::Database& db, const dao::Date& start, const dao::Date& end, long& count, bool avaus,
                  bool paatos) {
    count = countOf(db, journalVouchers(QStringLiteral("SELECT COUNT(*) AS Lkm FROM vi, to "
                                                       "WHERE vi.vitoID = to.toID AND to.toNumero >= 0"),
                                        start, end, avaus, paatos));
}

}  // namespace ledger
