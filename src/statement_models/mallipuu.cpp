#include "statement_models/mallipuu.h"

#include "core/nz.h"
#include "core/ui/translator.h"
#include "statement_models/malli.h"

#include <QStringList>
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace statement_models {

namespace {

QString T(const char* text) { return core::TranslateStr(QStringLiteral("Yleiset"), QString::fromUtf8(text)); }

struct Rivi {
    long malli = 0;
    long ylarivi = 0;
    QString teksti;
};
using Rivit = std::unordered_map<long, Rivi>;

// Every model row of the book, by key: a model's chain may pass through the
// rows of another.
Rivit lueRivit(dao::Database& db) {
    Rivit rivit;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID, mrmaID, mrBelongsToGroup, mrTeksti FROM mr"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    const dao::Field id = rs.field(QStringLiteral("mrID"));
    const dao::Field malli = rs.field(QStringLiteral("mrmaID"));
    const dao::Field ylarivi = rs.field(QStringLiteral("mrBelongsToGroup"));
    const dao::Field teksti = rs.field(QStringLiteral("mrTeksti"));
    for (; !rs.isEOF(); rs.MoveNext())
        rivit[core::NzLong(id.valueRef())] = Rivi{core::NzLong(malli.valueRef()), core::NzLong(ylarivi.valueRef()),
                                                  core::NzString(teksti.valueRef())};
    rs.Close();
    return rivit;
}

QString mallinNimi(dao::Database& db, long maID) {
    const std::optional<QString> nimi = ModelName(db, maID);
    return QLatin1Char('"') + (nimi ? nimi->trimmed() : QString::number(maID)) + QLatin1Char('"');
}

QString riviTeksti(const Rivit& rivit, long id) {
    const auto it = rivit.find(id);
    return QString::number(id) + QStringLiteral(" \"") + (it != rivit.end() ? it->second.teksti : QString()) +
           QLatin1Char('"');
}

// The rows named one to a line; a long list ends in its count.
QString luettelo(const Rivit& rivit, const std::vector<long>& ids) {
    constexpr size_t kNaytetaan = 20;
    QStringList out;
    for (size_t i = 0; i < ids.size() && i < kNaytetaan; ++i) out << riviTeksti(rivit, ids[i]);
    if (ids.size() > kNaytetaan) out << QStringLiteral("... (%1)").arg(ids.size());
    return out.join(QLatin1Char('\n'));
}

[[noreturn]] void kieltaydy(const QString& syy, const QString& rivit) {
    throw MallipuuVirhe(syy + QStringLiteral("\n\n") + rivit + QStringLiteral("\n\n") +
                        T("Mallia ei voi käyttää, ennen kuin sen rivit on korjattu."));
}

[[noreturn]] void kehassa(dao::Database& db, long maID, const Rivit& rivit, const std::vector<long>& keha) {
    kieltaydy(T("Mallin %1 rivit eivät muodosta puuta: nämä rivit ovat oman ryhmänsä alla.").arg(mallinNimi(db, maID)),
              luettelo(rivit, keha));
}

// The first row too deep above the row at the given depth, with the rows
// from the top down to it.
[[noreturn]] void liianSyvalla(dao::Database& db, long maID, const Rivit& rivit, long id, int syvyys) {
    for (; syvyys > kSuurinSyvyys + 1; --syvyys) {
        const auto it = rivit.find(id);
        if (it == rivit.end()) break;
        id = it->second.ylarivi;
    }
    std::vector<long> ketju;
    for (long r = id; r != 0 && ketju.size() < size_t(kSuurinSyvyys) + 1; ) {
        ketju.insert(ketju.begin(), r);
        const auto it = rivit.find(r);
        if (it == rivit.end()) break;
        r = it->second.ylarivi;
    }
    kieltaydy(T("Mallin %1 rivit ovat sisäkkäin syvemmällä kuin ohjelma voi laskea ja tulostaa (enintään %2 tasoa). "
                "Tämä rivi on tasolla %3:")
                  .arg(mallinNimi(db, maID))
                  .arg(kSuurinSyvyys)
                  .arg(syvyys),
              luettelo(rivit, ketju));
}

// The depth of each row whose chain is followed, by key (a top row 1); a
// chain that comes back to a row it has passed is refused.
class Syvyydet {
public:
    Syvyydet(dao::Database& db, const Rivit& rivit) : db_(db), rivit_(rivit) {}

    int syvyys(long id, long maID) {
        std::vector<long> polku;
        std::unordered_set<long> polulla;
        int pohja = 0;
        for (long r = id;;) {
            if (r == 0) break;  // above the top rows
            if (const auto known = syvyydet_.find(r); known != syvyydet_.end()) {
                pohja = known->second;
                break;
            }
            const auto it = rivit_.find(r);
            if (it == rivit_.end()) break;  // a parent that is gone: the chain ends there
            if (!polulla.insert(r).second) {
                const auto alku = std::find(polku.begin(), polku.end(), r);
                kehassa(db_, maID, rivit_, std::vector<long>(alku, polku.end()));
            }
            polku.push_back(r);
            r = it->second.ylarivi;
        }
        for (auto it = polku.rbegin(); it != polku.rend(); ++it) syvyydet_[*it] = ++pohja;
        return syvyydet_[id];
    }

private:
    dao::Database& db_;
    const Rivit& rivit_;
    std::unordered_map<long, int> syvyydet_;
};

[[noreturn]] void avainNolla(dao::Database& db, long maID, const Rivit& rivit) {
    kieltaydy(T("Mallin %1 rivin avain on 0, jolla ohjelma merkitsee mallin ylintä tasoa, joten rivi on oman "
                "ryhmänsä alla.")
                  .arg(mallinNimi(db, maID)),
              riviTeksti(rivit, 0));
}

void tarkista(dao::Database& db, long maID, const Rivit& rivit, Syvyydet& syvyydet) {
    if (const auto nolla = rivit.find(0); nolla != rivit.end() && nolla->second.malli == maID)
        avainNolla(db, maID, rivit);
    for (const auto& [id, rivi] : rivit) {
        if (rivi.malli != maID) continue;
        const int s = syvyydet.syvyys(id, maID);
        if (s > kSuurinSyvyys) liianSyvalla(db, maID, rivit, id, s);
    }
}

}  // namespace

struct Mallipuut::Impl {
    explicit Impl(dao::Database& d) : db(d), rivit(lueRivit(d)), syvyydet(d, rivit) {}
    dao::Database& db;
    Rivit rivit;
    Syvyydet syvyydet;
};

Mallipuut::Mallipuut(dao::Database& db) : d_(std::make_unique<Impl>(db)) {}
Mallipuut::~Mallipuut() = default;

void Mallipuut::Tarkista(long maID) { tarkista(d_->db, maID, d_->rivit, d_->syvyydet); }

int Mallipuut::Syvyys(long mrID) {
    const auto it = d_->rivit.find(mrID);
    if (it == d_->rivit.end()) return 0;
    if (mrID == 0) avainNolla(d_->db, it->second.malli, d_->rivit);
    return d_->syvyydet.syvyys(mrID, it->second.malli);
}

void TarkistaMallipuu(dao::Database& db, long maID) { Mallipuut(db).Tarkista(maID); }

void TarkistaSyvyys(dao::Database& db, long mrID, int syvyys) {
    if (syvyys <= kSuurinSyvyys) return;
    const Rivit rivit = lueRivit(db);
    const auto it = rivit.find(mrID);
    liianSyvalla(db, it != rivit.end() ? it->second.malli : 0, rivit, mrID, syvyys);
}

}  // namespace statement_models
