#include "statements/vientisummat.h"

#include "core/nz.h"
#include "core/puoli.h"

#include <algorithm>
#include <exception>

namespace statements::detail {

namespace {

// "?, ?, ..." for the keys, bound in params.
QString keyList(const std::vector<long>& keys, dao::Params& params) {
    for (long k : keys) params.emplace_back(k);
    return Placeholders(int(keys.size()));
}

}  // namespace

Vientisummat& Vientisummat::varasto(dao::Database& db) {
    static Vientisummat store;
    if (store.vaiheet_ == 0) store.tarkista(db);
    return store;
}

void Vientisummat::tarkista(dao::Database& db) {
    const dao::ContentStamp now = db.contentStamp();
    if (now == leima_) return;
    unohda();
    leima_ = now;
}

void Vientisummat::leimaa(dao::Database& db) { leima_ = db.contentStamp(); }

void Vientisummat::unohda() {
    perheet_.clear();
    ennakko_.clear();
    leima_ = dao::ContentStamp();
}

void Vientisummat::unohda(const Family& f) { perheet_.erase(&f); }

void Vientisummat::unohdaAutomaattiset() {
    for (auto& [family, p] : perheet_) {
        std::erase_if(p.rivit, [](const Rivi& r) { return r.automaatti; });
        p.valmiit.clear();
    }
}

void Vientisummat::ennakoi(const std::vector<long>& accounts) {
    ennakko_.insert(ennakko_.end(), accounts.begin(), accounts.end());
}

// Reads the family's entries that the condition picks, each with its
// voucher's date, its cost centre, the voucher's opening mark and the
// automatic flags.
void Vientisummat::lue(dao::Database& db, const Family& f, Perhe& p, const QString& where, const dao::Params& params) {
    const QString sql =
        QStringLiteral("SELECT %1 AS tili, %2 AS puoli, %3 AS arvo, %4 AS kp, %5 AS paiva, %6 AS avaus, "
                       "%7 AS tositeAutomaatti, %8 AS vientiAutomaatti FROM %9, %10 WHERE %11 AND ")
            .arg(QLatin1String(f.account), QLatin1String(f.type), QLatin1String(f.amount),
                 QLatin1String(f.costCentre), QLatin1String(f.date), QLatin1String(f.opening),
                 QLatin1String(f.voucherAutomatic), QLatin1String(f.entryAutomatic), QLatin1String(f.entries))
            .arg(QLatin1String(f.vouchers), QLatin1String(f.link)) +
        where;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    const dao::Field tili = rs.field(QStringLiteral("tili"));
    const dao::Field puoli = rs.field(QStringLiteral("puoli"));
    const dao::Field arvo = rs.field(QStringLiteral("arvo"));
    const dao::Field kp = rs.field(QStringLiteral("kp"));
    const dao::Field paiva = rs.field(QStringLiteral("paiva"));
    const dao::Field avaus = rs.field(QStringLiteral("avaus"));
    const dao::Field tositeAutomaatti = rs.field(QStringLiteral("tositeAutomaatti"));
    const dao::Field vientiAutomaatti = rs.field(QStringLiteral("vientiAutomaatti"));
    const size_t ennen = p.rivit.size();
    for (; !rs.isEOF(); rs.MoveNext()) {
        Rivi r;
        r.tili = core::NzLong(tili.valueRef());
        // A date the program wrote reads back as a date; anything else
        // (nothing, or a text or number that is no date) lies in no period.
        const dao::Variant& d = paiva.valueRef();
        r.paiva = d.kind() == dao::Variant::Kind::Date ? d.toDate().seconds() : kEiPaivaa;
        const dao::Variant& k = kp.valueRef();
        r.kp = k.isNull() ? kEiKp : core::NzLong(k, 0);
        // Flags hold 0 or 1, as the program writes them.
        r.avaus = core::NzBoolean(avaus.valueRef());
        r.automaatti = core::NzBoolean(tositeAutomaatti.valueRef()) || core::NzBoolean(vientiAutomaatti.valueRef());
        r.debet = core::OnDebet(core::NzString(puoli.valueRef()));
        r.arvo = core::NzCurrency(arvo.valueRef());
        p.rivit.push_back(r);
    }
    rs.Close();
    if (p.rivit.size() != ennen) p.valmiit.clear();
}

const std::unordered_map<long, Puolet>& Vientisummat::summat(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                                             Tositteet valinta, const dao::Date& from,
                                                             const dao::Date& to, long kpID) {
    Perhe& p = perhe(f);
    std::vector<long> lukematta;
    for (long tili : accounts)
        if (!p.luetut.count(tili)) lukematta.push_back(tili);
    if (!lukematta.empty()) {
        for (long tili : ennakko_)
            if (!p.luetut.count(tili)) lukematta.push_back(tili);
        std::sort(lukematta.begin(), lukematta.end());
        lukematta.erase(std::unique(lukematta.begin(), lukematta.end()), lukematta.end());
        dao::Params params;
        lue(db, f, p, QStringLiteral("%1 IN (%2)").arg(QLatin1String(f.account), keyList(lukematta, params)), params);
        p.luetut.insert(lukematta.begin(), lukematta.end());
    }

    const bool paivista = valinta != Tositteet::Avaus;
    const qint64 alku = paivista ? from.seconds() : 0;
    const qint64 loppu = paivista ? to.seconds() : 0;
    const auto key = std::make_tuple(int(valinta), alku, loppu, kpID);
    const auto found = p.valmiit.find(key);
    if (found != p.valmiit.end()) return found->second;

    std::unordered_map<long, Puolet>& sums = p.valmiit[key];
    for (const Rivi& r : p.rivit) {
        if (kpID != 0 && r.kp != kpID) continue;
        switch (valinta) {
        case Tositteet::Avaus:
            if (!r.avaus) continue;
            break;
        case Tositteet::EiAvaus:
            if (r.avaus) continue;
            [[fallthrough]];
        case Tositteet::Kaikki:
            if (r.paiva == kEiPaivaa || r.paiva < alku || r.paiva > loppu) continue;
            break;
        }
        Puolet& s = sums[r.tili];
        (r.debet ? s.debet : s.muut) += r.arvo;
    }
    return sums;
}

void Vientisummat::lueTositteet(dao::Database& db, const Family& f, const std::vector<long>& vouchers) {
    const auto it = perheet_.find(&f);
    if (it == perheet_.end() || it->second.luetut.empty() || vouchers.empty()) return;
    Perhe& p = it->second;
    dao::Params params;
    const QString where = QStringLiteral("%1 IN (%2)").arg(QLatin1String(f.voucherKey), keyList(vouchers, params));
    const size_t ennen = p.rivit.size();
    lue(db, f, p, where, params);
    // Only the accounts it holds: the others are read whole when asked for.
    std::erase_if(p.rivit, [&](const Rivi& r) { return !p.luetut.count(r.tili); });
    if (p.rivit.size() != ennen) p.valmiit.clear();
}

Vientisummat::Vaihe::Vaihe(dao::Database& db) : db_(db), poikkeukset_(std::uncaught_exceptions()) {
    Vientisummat& store = varasto(db);
    ++store.vaiheet_;
}

Vientisummat::Vaihe::~Vaihe() {
    Vientisummat& store = varasto(db_);
    --store.vaiheet_;
    if (store.vaiheet_ > 0) return;
    // A step that failed may have left the book otherwise than the store
    // believes.
    if (std::uncaught_exceptions() > poikkeukset_) {
        store.unohda();
        return;
    }
    try {
        store.leimaa(db_);
    } catch (...) {
        store.unohda();
    }
}

}  // namespace statements::detail
