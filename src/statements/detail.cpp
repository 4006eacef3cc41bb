#include "statements/detail.h"

#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "statements/vientisummat.h"

#include <QProgressBar>
#include <algorithm>

namespace statements::detail {

const std::array<const char*, Sarakkeita> kSarakeNimet = {
    "tulaToteutunutKuluva",       "tulaToteutunutEdellinen",   "tulaToteutunutKuluvaAlusta",
    "tulaToteutunutEdellinenAlusta", "tulaBudjetoituKuluva",   "tulaBudjetoituEdellinen",
    "tulaBudjetoituTuleva",       "tulaBudjetoituKuluvaAlusta", "tulaBudjetoituEdellinenAlusta",
    "tulaBudjetoituTulevaAlusta"};

const Family kLedger{.entries = "vi",
                     .vouchers = "[to]",
                     .account = "vitlID",
                     .entryVoucher = "vitoID",
                     .date = "toPvm",
                     .costCentre = "vikpID",
                     .type = "viTyyppi",
                     .amount = "viArvo",
                     .opening = "toAvaustosite",
                     .voucherKey = "toID",
                     .voucherAutomatic = "toAutomaatti",
                     .entryAutomatic = "viAutomaatti"};
const Family kLedgerPrev{.entries = "viE",
                         .vouchers = "toE",
                         .account = "viEtlID",
                         .entryVoucher = "viEtoID",
                         .date = "toEPvm",
                         .costCentre = "viEkpID",
                         .type = "viETyyppi",
                         .amount = "viEArvo",
                         .opening = "toEAvaustosite",
                         .voucherKey = "toEID",
                         .voucherAutomatic = "toEAutomaatti",
                         .entryAutomatic = "viEAutomaatti"};
const Family kBudget{.entries = "bi",
                     .vouchers = "bo",
                     .account = "bitlID",
                     .entryVoucher = "biboID",
                     .date = "boPvm",
                     .costCentre = "bikpID",
                     .type = "biTyyppi",
                     .amount = "biArvo",
                     .opening = "boAvaustosite",
                     .voucherKey = "boID",
                     .voucherAutomatic = "boAutomaatti",
                     .entryAutomatic = "biAutomaatti"};
const Family kBudgetPrev{.entries = "biE",
                         .vouchers = "boE",
                         .account = "biEtlID",
                         .entryVoucher = "biEboID",
                         .date = "boEPvm",
                         .costCentre = "biEkpID",
                         .type = "biETyyppi",
                         .amount = "biEArvo",
                         .opening = "boEAvaustosite",
                         .voucherKey = "boEID",
                         .voucherAutomatic = "boEAutomaatti",
                         .entryAutomatic = "biEAutomaatti"};
const Family kBudgetNext{.entries = "biTu",
                         .vouchers = "boT",
                         .account = "biTtlID",
                         .entryVoucher = "biTboID",
                         .date = "boTPvm",
                         .costCentre = "biTkpID",
                         .type = "biTTyyppi",
                         .amount = "biTArvo",
                         .opening = "boTAvaustosite",
                         .voucherKey = "boTID",
                         .voucherAutomatic = "boTAutomaatti",
                         .entryAutomatic = "biTAutomaatti"};

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

std::vector<long> MallinTilit(dao::Database& db, long maID) {
    std::vector<long> tilit;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrTilit FROM mr WHERE mrmaID = ?"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(maID)});
    const dao::Field field = rs.field(QStringLiteral("mrTilit"));
    for (; !rs.isEOF(); rs.MoveNext())
        for (long tili : AccountKeys(core::NzString(field.value()))) tilit.push_back(tili);
    rs.Close();
    std::sort(tilit.begin(), tilit.end());
    tilit.erase(std::unique(tilit.begin(), tilit.end()), tilit.end());
    return tilit;
}

namespace {

// The signed sum of the accounts' sums, each account once.
dao::Currency summaa(const std::unordered_map<long, Puolet>& sums, std::vector<long> accounts, const QString& side) {
    const bool debitSide = core::OnDebet(side);
    std::sort(accounts.begin(), accounts.end());
    accounts.erase(std::unique(accounts.begin(), accounts.end()), accounts.end());
    dao::Currency sum;
    for (long tili : accounts) {
        const auto it = sums.find(tili);
        if (it == sums.end()) continue;
        sum += debitSide ? it->second.debet - it->second.muut : it->second.muut - it->second.debet;
    }
    return sum;
}

}  // namespace

dao::Currency SummaaSaldopuolelle(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                  const dao::Date& from, const dao::Date& to, long kpID, const QString& side) {
    if (accounts.empty()) return {};
    return summaa(Vientisummat::varasto(db).summat(db, f, accounts, Tositteet::Kaikki, from, to, kpID), accounts,
                  side);
}

dao::Currency SummaaAvaus(dao::Database& db, const std::vector<long>& accounts, const QString& side) {
    if (accounts.empty()) return {};
    return summaa(Vientisummat::varasto(db).summat(db, kLedger, accounts, Tositteet::Avaus, {}, {}, 0), accounts,
                  side);
}

dao::Currency SummaaMuutos(dao::Database& db, const std::vector<long>& accounts, const dao::Date& from,
                           const dao::Date& to, const QString& side) {
    if (accounts.empty()) return {};
    return summaa(Vientisummat::varasto(db).summat(db, kLedger, accounts, Tositteet::EiAvaus, from, to, 0), accounts,
                  side);
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

void Nayta(QProgressBar* bar) {
    // A repaint costs far more than a row's work: the bar is painted at most
    // once a slice, however many rows go by.
    using Clock = std::chrono::steady_clock;
    static Clock::time_point viimeksi;
    const Clock::time_point nyt = Clock::now();
    if (nyt - viimeksi < kNaytonVali) return;
    viimeksi = nyt;
    bar->repaint();
}

void Askel(QProgressBar* bar) {
    if (!bar) return;
    if (bar->maximum() - 1 > bar->value()) {
        bar->setValue(bar->value() + 1);
        Nayta(bar);
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
