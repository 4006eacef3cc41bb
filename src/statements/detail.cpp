#include "statements/detail.h"

#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"

#include <QProgressBar>
#include <algorithm>

namespace statements::detail {

const std::array<const char*, Sarakkeita> kSarakeNimet = {
    "tulaToteutunutKuluva",       "tulaToteutunutEdellinen",   "tulaToteutunutKuluvaAlusta",
    "tulaToteutunutEdellinenAlusta", "tulaBudjetoituKuluva",   "tulaBudjetoituEdellinen",
    "tulaBudjetoituTuleva",       "tulaBudjetoituKuluvaAlusta", "tulaBudjetoituEdellinenAlusta",
    "tulaBudjetoituTulevaAlusta"};

const Family kLedger{"vi", "[to]", "vitlID", "vitoID = toID", "toPvm", "vikpID", "viTyyppi", "viArvo", "toAvaustosite"};
const Family kLedgerPrev{"viE", "toE", "viEtlID", "viEtoID = toEID", "toEPvm", "viEkpID", "viETyyppi", "viEArvo",
                         "toEAvaustosite"};
const Family kBudget{"bi", "bo", "bitlID", "biboID = boID", "boPvm", "bikpID", "biTyyppi", "biArvo", "boAvaustosite"};
const Family kBudgetPrev{"biE", "boE", "biEtlID", "biEboID = boEID", "boEPvm", "biEkpID", "biETyyppi", "biEArvo",
                         "boEAvaustosite"};
const Family kBudgetNext{"biTu", "boT", "biTtlID", "biTboID = boTID", "boTPvm", "biTkpID", "biTTyyppi", "biTArvo",
                         "boTAvaustosite"};

std::vector<long> AccountKeys(const QString& tilit) {
    std::vector<long> keys;
    const QString t = tilit.trimmed();
    if (t.isEmpty()) return keys;
    QStringList pieces = t.split(QLatin1Char(','));
    if (pieces.size() > 1 && pieces.last().isEmpty()) pieces.removeLast();
    int n = 0;
    for (const QString& p : pieces) {
        if (++n > 256) break;
        bool ok = false;
        const long key = p.trimmed().toLong(&ok);
        if (ok && key > 0) keys.push_back(key);
    }
    return keys;
}

QString Placeholders(int n) {
    QString s;
    s.reserve(n * 3);
    for (int i = 0; i < n; ++i) s += i ? QStringLiteral(", ?") : QStringLiteral("?");
    return s;
}

namespace {

dao::Currency sumRows(dao::Database& db, const QString& sql, const dao::Params& params, const QString& side) {
    const bool debitSide = core::OnDebet(side);
    dao::Currency sum;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Currency amount = core::NzCurrency(rs.value(1));
        const bool debit = core::OnDebet(core::NzString(rs.value(0)));
        if (debit == debitSide)
            sum += amount;
        else
            sum -= amount;
    }
    rs.Close();
    return sum;
}

// "SELECT type, amount FROM entries, vouchers WHERE account IN (...)" and
// the bound account keys.
QString selectFrom(const Family& f, const std::vector<long>& accounts, dao::Params& params) {
    for (long a : accounts) params.emplace_back(a);
    return QStringLiteral("SELECT %1, %2 FROM %3, %4 WHERE %5 IN (%6)")
        .arg(QLatin1String(f.type), QLatin1String(f.amount), QLatin1String(f.entries), QLatin1String(f.vouchers),
             QLatin1String(f.account), Placeholders(int(accounts.size())));
}

}  // namespace

namespace {

Tilisummat*& currentStore() {
    static Tilisummat* store = nullptr;
    return store;
}

}  // namespace

Tilisummat::Tilisummat(dao::Database& db, long maID) : db_(db), outer_(currentStore()) {
    dao::Recordset rs = db_.OpenRecordset(QStringLiteral("SELECT mrTilit FROM mr WHERE mrmaID = ?"),
                                          dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(maID)});
    for (; !rs.isEOF(); rs.MoveNext())
        for (long tili : AccountKeys(core::NzString(rs.value(0)))) mallinTilit_.push_back(tili);
    rs.Close();
    std::sort(mallinTilit_.begin(), mallinTilit_.end());
    mallinTilit_.erase(std::unique(mallinTilit_.begin(), mallinTilit_.end()), mallinTilit_.end());
    currentStore() = this;
}

Tilisummat::~Tilisummat() { currentStore() = outer_; }

Tilisummat* Tilisummat::current() { return currentStore(); }

const Tilisummat::Tilit& Tilisummat::tilit(const Family& f, const dao::Date& from, const dao::Date& to, long kpID) {
    const auto key = std::make_tuple(&f, from.seconds(), to.seconds(), kpID);
    auto it = luetut_.find(key);
    if (it != luetut_.end()) return it->second;
    // The engine sums per account and type code as written (an expression
    // of the code, not the case-blind column), each amount in
    // ten-thousandths, a whole number, so the sums are exact.
    dao::Params params;
    for (long tili : mallinTilit_) params.emplace_back(tili);
    QString sql = QStringLiteral("SELECT %1 AS tili, %2 & '' AS puoli, SUM(CLng(%3 * 10000)) AS summa FROM %4, %5 "
                                 "WHERE %1 IN (%8) AND %6 AND %7 >= ? AND %7 <= ?")
                      .arg(QLatin1String(f.account), QLatin1String(f.type), QLatin1String(f.amount),
                           QLatin1String(f.entries), QLatin1String(f.vouchers), QLatin1String(f.link),
                           QLatin1String(f.date), Placeholders(int(mallinTilit_.size())));
    params.emplace_back(from);
    params.emplace_back(to);
    if (kpID != 0) {
        sql += QStringLiteral(" AND %1 = ?").arg(QLatin1String(f.costCentre));
        params.emplace_back(kpID);
    }
    sql += QStringLiteral(" GROUP BY %1, %2 & ''").arg(QLatin1String(f.account), QLatin1String(f.type));
    Tilit& tilit = luetut_[key];
    dao::Recordset rs = db_.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Variant summa = rs.value(2);
        const dao::Currency arvo = dao::Currency::fromRaw(summa.isNull() ? 0 : summa.toLong());
        Puolet& p = tilit[core::NzLong(rs.value(0))];
        if (core::OnDebet(core::NzString(rs.value(1))))
            p.debet += arvo;
        else
            p.muut += arvo;
    }
    rs.Close();
    return tilit;
}

bool Tilisummat::kattaa(const std::vector<long>& accounts) const {
    return std::all_of(accounts.begin(), accounts.end(),
                       [this](long a) { return std::binary_search(mallinTilit_.begin(), mallinTilit_.end(), a); });
}

dao::Currency Tilisummat::summa(const Family& f, const std::vector<long>& accounts, const dao::Date& from,
                                const dao::Date& to, long kpID, const QString& side) {
    const Tilit& luetut = tilit(f, from, to, kpID);
    const bool debitSide = core::OnDebet(side);
    // An account listed twice counts once, as in the list's own query.
    std::vector<long> kerran(accounts);
    std::sort(kerran.begin(), kerran.end());
    kerran.erase(std::unique(kerran.begin(), kerran.end()), kerran.end());
    dao::Currency sum;
    for (long tili : kerran) {
        const auto it = luetut.find(tili);
        if (it == luetut.end()) continue;
        sum += debitSide ? it->second.debet - it->second.muut : it->second.muut - it->second.debet;
    }
    return sum;
}

dao::Currency SummaaSaldopuolelle(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                  const dao::Date& from, const dao::Date& to, long kpID, const QString& side) {
    if (accounts.empty()) return {};
    if (Tilisummat* store = Tilisummat::current(); store && store->kattaa(accounts))
        return store->summa(f, accounts, from, to, kpID, side);
    dao::Params params;
    QString sql = selectFrom(f, accounts, params);
    if (kpID != 0) {
        sql += QStringLiteral(" AND %1 = ?").arg(QLatin1String(f.costCentre));
        params.emplace_back(kpID);
    }
    sql += QStringLiteral(" AND %1 AND %2 >= ? AND %2 <= ?").arg(QLatin1String(f.link), QLatin1String(f.date));
    params.emplace_back(from);
    params.emplace_back(to);
    return sumRows(db, sql, params, side);
}

dao::Currency SummaaAvaus(dao::Database& db, const std::vector<long>& accounts, const QString& side) {
    if (accounts.empty()) return {};
    dao::Params params;
    const QString sql = selectFrom(kLedger, accounts, params) + QStringLiteral(" AND vitoID = toID AND toAvaustosite = True");
    return sumRows(db, sql, params, side);
}

dao::Currency SummaaMuutos(dao::Database& db, const std::vector<long>& accounts, const dao::Date& from,
                           const dao::Date& to, const QString& side) {
    if (accounts.empty()) return {};
    dao::Params params;
    const QString sql = selectFrom(kLedger, accounts, params) +
                        QStringLiteral(" AND vitoID = toID AND toPvm >= ? AND toPvm <= ? AND toAvaustosite = False");
    params.emplace_back(from);
    params.emplace_back(to);
    return sumRows(db, sql, params, side);
}

Summat LaskeSummat(dao::Database& db, const std::vector<long>& accounts, const dao::Date& start,
                   const dao::Date& end, long kpID, const QString& side) {
    Summat s;
    if (accounts.empty()) return s;
    const dao::Date alku = core::TilikausiAlku;
    const dao::Date edAlku = core::EdTilikausiAlku;
    auto sum = [&](const Family& f, const dao::Date& from, const dao::Date& to) {
        return SummaaSaldopuolelle(db, f, accounts, from, to, kpID, side);
    };
    s[ToteutunutKuluva] = sum(kLedger, start, end);
    s[BudjetoituKuluva] = sum(kBudget, start, end);
    s[ToteutunutKuluvaAlusta] = sum(kLedger, alku, end);
    s[BudjetoituKuluvaAlusta] = sum(kBudget, alku, end);
    s[BudjetoituTuleva] = sum(kBudgetNext, start.addYears(1), end.addYears(1));
    s[BudjetoituTulevaAlusta] = sum(kBudgetNext, alku.addYears(1), end.addYears(1));
    s[ToteutunutEdellinen] = sum(kLedgerPrev, start.addYears(-1), end.addYears(-1));
    s[BudjetoituEdellinen] = sum(kBudgetPrev, start.addYears(-1), end.addYears(-1));
    s[ToteutunutEdellinenAlusta] = sum(kLedgerPrev, edAlku, end.addYears(-1));
    s[BudjetoituEdellinenAlusta] = sum(kBudgetPrev, edAlku, end.addYears(-1));
    return s;
}

void Askel(QProgressBar* bar) {
    if (!bar) return;
    if (bar->maximum() - 1 > bar->value()) {
        bar->setValue(bar->value() + 1);
        bar->repaint();
    }
}

dao::Variant Prosentti(dao::Currency a, dao::Currency b) {
    if (b.isZero()) return {};
    return dao::Variant((a - b).toDouble() / b.toDouble() * 100.0);
}

dao::Variant Osuus(dao::Currency a, dao::Currency b) {
    if (b.isZero()) return {};
    return dao::Variant(a.toDouble() / b.toDouble() * 100.0);
}

QString Cut(const QString& s, int width) { return s.size() > width ? s.left(width) : s; }

}  // namespace statements::detail
