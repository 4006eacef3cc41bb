#include "statements/vientisummat.h"

#include "core/nz.h"
#include "core/puoli.h"
#include "platform/dao/rowpass.h"

#include <algorithm>
#include <exception>

namespace statements::detail {

namespace {

// "?, ?, ..." for the keys, bound in params.
QString keyList(const std::vector<long>& keys, dao::Params& params) {
    for (long k : keys) params.emplace_back(k);
    return Placeholders(int(keys.size()));
}

// Whether an entry's type makes it a debit entry (core::OnDebet): the
// one-letter ASCII types that entries hold are told in place.
bool onDebet(const dao::RowPass& rs, int puoli) {
    const std::optional<QUtf8StringView> t = rs.storedText(puoli);
    if (t && t->size() == 1 && uchar(t->front()) < 0x80) return t->front() == 'D' || t->front() == 'd';
    return core::OnDebet(core::NzString(rs.value(puoli)));
}

std::function<void()>& vaiheenLoppu() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

void Vientisummat::setVaiheenLoppu(std::function<void()> hook) { vaiheenLoppu() = std::move(hook); }

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

// Another connection's commit is the one change a step's own work does not
// account for. The stamp is always taken before the reads it vouches for:
// what the store read after it is then the book as it stands, or older
// than a change that the next look sees.
bool Vientisummat::vieraitaMuutoksia(const dao::ContentStamp& now) const {
    return now.connection != leima_.connection || now.otherCommits != leima_.otherCommits;
}

void Vientisummat::ennenLukua(dao::Database& db) {
    if (vaiheet_ == 0) return;  // varasto has just compared the whole book
    const dao::ContentStamp now = db.contentStamp();
    if (!vieraitaMuutoksia(now)) return;
    // Changed by someone else during the step: what was read before is
    // forgotten, the accounts asked ahead stay asked.
    perheet_.clear();
    leima_ = now;
}

void Vientisummat::leimaa(dao::Database& db) {
    const dao::ContentStamp now = db.contentStamp();
    // A commit by another program since the last read may have changed
    // what the store holds: it is not taken as read.
    if (vieraitaMuutoksia(now)) unohda();
    else leima_ = now;
}

void Vientisummat::unohda() {
    perheet_.clear();
    ennakko_.clear();
    leima_ = dao::ContentStamp();
}

void Vientisummat::unohda(const Family& f) { perheet_.erase(&f); }

void Vientisummat::unohdaAutomaattiset() {
    for (auto& [family, p] : perheet_) {
        std::erase_if(p.rivit, [](const Rivi& r) { return r.automaatti; });
        // Their vouchers are gone: the entries left of them count nowhere.
        std::erase_if(p.tositteet, [](const Tosite& t) { return t.automaatti; });
        indeksoi(p);
        p.valmiit.clear();
    }
}

void Vientisummat::ennakoi(const std::vector<long>& accounts) {
    ennakko_.insert(ennakko_.end(), accounts.begin(), accounts.end());
}

// Reads the family's vouchers that the condition picks (all of them when
// it is empty): the date, the opening mark and the automatic flag of each.
void Vientisummat::lueTositetiedot(dao::Database& db, const Family& f, Perhe& p, const QString& where,
                                   const dao::Params& params) {
    QString sql = QStringLiteral("SELECT %1 AS tosite, %2 AS paiva, %3 AS avaus, %4 AS automaatti FROM %5")
                      .arg(QLatin1String(f.voucherKey), QLatin1String(f.date), QLatin1String(f.opening),
                           QLatin1String(f.voucherAutomatic), QLatin1String(f.vouchers));
    if (!where.isEmpty()) sql += QStringLiteral(" WHERE ") + where;
    dao::RowPass rs(db, sql, params);
    const int tosite = rs.column(QStringLiteral("tosite"));
    const int paiva = rs.column(QStringLiteral("paiva"));
    const int avaus = rs.column(QStringLiteral("avaus"));
    const int automaatti = rs.column(QStringLiteral("automaatti"));
    const bool kaikki = where.isEmpty();
    if (kaikki) p.tositteet.clear();
    auto jarjestys = [](const Tosite& a, const Tosite& b) { return a.id < b.id; };
    while (rs.next()) {
        if (rs.isNull(tosite)) continue;  // no entry names it
        // A date the program wrote reads back as a date; anything else
        // (nothing, or a text or number that is no date) lies in no period.
        const dao::Variant d = rs.value(paiva);
        // Flags hold 0 or 1, as the program writes them.
        const Tosite t{core::NzLong(rs.value(tosite)),
                       d.kind() == dao::Variant::Kind::Date ? d.toDate().seconds() : kEiPaivaa,
                       core::NzBoolean(rs.value(avaus)), core::NzBoolean(rs.value(automaatti))};
        if (kaikki) {
            p.tositteet.push_back(t);
            continue;
        }
        const auto at = std::lower_bound(p.tositteet.begin(), p.tositteet.end(), t, jarjestys);
        if (at != p.tositteet.end() && at->id == t.id) *at = t;
        else p.tositteet.insert(at, t);
    }
    // Keys come in order from a table keyed by its row number; any other
    // order is put right.
    if (kaikki && !std::is_sorted(p.tositteet.begin(), p.tositteet.end(), jarjestys))
        std::sort(p.tositteet.begin(), p.tositteet.end(), jarjestys);
    indeksoi(p);
}

void Vientisummat::indeksoi(Perhe& p) {
    p.paikat.clear();
    if (p.tositteet.empty()) return;
    const qint64 alue = qint64(p.tositteet.back().id) - p.tositteet.front().id + 1;
    if (alue > 2 * qint64(p.tositteet.size()) + 4096) return;
    p.paikat.assign(size_t(alue), -1);
    for (size_t i = 0; i < p.tositteet.size(); ++i)
        p.paikat[size_t(p.tositteet[i].id - p.tositteet.front().id)] = int(i);
}

const Vientisummat::Tosite* Vientisummat::tosite(const Perhe& p, long id) {
    if (!p.paikat.empty()) {
        const qint64 i = qint64(id) - p.tositteet.front().id;
        if (i < 0 || i >= qint64(p.paikat.size()) || p.paikat[size_t(i)] < 0) return nullptr;
        return &p.tositteet[size_t(p.paikat[size_t(i)])];
    }
    const auto at = std::lower_bound(p.tositteet.begin(), p.tositteet.end(), id,
                                     [](const Tosite& t, long key) { return t.id < key; });
    return at != p.tositteet.end() && at->id == id ? &*at : nullptr;
}

// Reads the family's entries that the condition picks, each with its
// voucher's date, its cost centre, the voucher's opening mark and the
// automatic flags. An entry whose voucher is missing counts nowhere.
void Vientisummat::lue(dao::Database& db, const Family& f, Perhe& p, const QString& where, const dao::Params& params) {
    if (!p.tositteetLuettu) {
        lueTositetiedot(db, f, p, QString(), {});
        p.tositteetLuettu = true;
    }
    const QString sql =
        QStringLiteral("SELECT %1 AS tosite, %2 AS tili, %3 AS puoli, %4 AS arvo, %5 AS kp, %6 AS vientiAutomaatti "
                       "FROM %7 WHERE ")
            .arg(QLatin1String(f.entryVoucher), QLatin1String(f.account), QLatin1String(f.type),
                 QLatin1String(f.amount), QLatin1String(f.costCentre), QLatin1String(f.entryAutomatic),
                 QLatin1String(f.entries)) +
        where;
    dao::RowPass rs(db, sql, params);
    const int tosite = rs.column(QStringLiteral("tosite"));
    const int tili = rs.column(QStringLiteral("tili"));
    const int puoli = rs.column(QStringLiteral("puoli"));
    const int arvo = rs.column(QStringLiteral("arvo"));
    const int kp = rs.column(QStringLiteral("kp"));
    const int vientiAutomaatti = rs.column(QStringLiteral("vientiAutomaatti"));
    const size_t ennen = p.rivit.size();
    while (rs.next()) {
        if (rs.isNull(tosite)) continue;
        const Tosite* t = Vientisummat::tosite(p, core::NzLong(rs.value(tosite)));
        if (!t) continue;
        Rivi r;
        r.tili = core::NzLong(rs.value(tili));
        r.paiva = t->paiva;
        r.kp = rs.isNull(kp) ? kEiKp : core::NzLong(rs.value(kp), 0);
        r.avaus = t->avaus;
        r.automaatti = t->automaatti || core::NzBoolean(rs.value(vientiAutomaatti));
        r.debet = onDebet(rs, puoli);
        r.arvo = core::NzCurrency(rs.value(arvo));
        p.rivit.push_back(r);
    }
    if (p.rivit.size() != ennen) p.valmiit.clear();
}

const std::unordered_map<long, Puolet>& Vientisummat::summat(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                                             Tositteet valinta, const dao::Date& from,
                                                             const dao::Date& to, long kpID) {
    ennenLukua(db);
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
    ennenLukua(db);
    const auto it = perheet_.find(&f);
    if (it == perheet_.end() || it->second.luetut.empty() || vouchers.empty()) return;
    Perhe& p = it->second;
    dao::Params params;
    const QString keys = keyList(vouchers, params);
    // The vouchers first, for their entries are joined to them in memory.
    if (p.tositteetLuettu)
        lueTositetiedot(db, f, p, QStringLiteral("%1 IN (%2)").arg(QLatin1String(f.voucherKey), keys), params);
    const size_t ennen = p.rivit.size();
    lue(db, f, p, QStringLiteral("%1 IN (%2)").arg(QLatin1String(f.entryVoucher), keys), params);
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
        if (vaiheenLoppu()) vaiheenLoppu()();
        store.leimaa(db_);
    } catch (...) {
        store.unohda();
    }
}

}  // namespace statements::detail
