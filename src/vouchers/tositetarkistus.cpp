#include "vouchers/tositetarkistus.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/dao/rowpass.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace vouchers {

namespace {

QString T(const char* text) { return core::TranslateStr(QStringLiteral("Tositetarkistus"), QString::fromUtf8(text)); }

QString dateText(long numero) {
    return T("Tositteen no:") + u' ' + QString::number(numero) + u' ' + T("päivä ei kuulu tilikauteen.");
}

QString balanceText(long numero) {
    return T("Tositteen no:") + u' ' + QString::number(numero) + u' ' + T("debet ja kredit saldo ei täsmää.");
}

QString accountText(long numero) {
    return T("Jokin tilivalinta puuttuu tositteelta no:") + u' ' + QString::number(numero) + u'.';
}

// A value of a pass's current row: nothing when it is Null or a value the
// program never writes (which the pass tells apart).
std::optional<dao::Variant> usable(const dao::RowPass& rs, int column) {
    if (rs.isNull(column) || rs.fault(column)) return std::nullopt;
    return rs.value(column);
}

// A voucher as the passes need it.
struct Tosite {
    cTositeTarkistusVirhe base;
    std::optional<QDate> day;
    bool automaatti = false;
    bool kelvollinen = true;     // every value of the voucher and its entries usable
    bool numeroKelpaa = true;
    dao::Currency erotus;        // debit minus credit of its entries
    int tilittomat = 0;          // entries without a valid account
};

// The vouchers and their entries read once; every value the program never
// writes, every entry whose voucher is gone and every voucher numbered
// below 0 that is no work voucher of the program's is found on the way.
class Tarkastus {
public:
    explicit Tarkastus(dao::Database& db) : db_(db) {}

    std::vector<cTositeTarkistusVirhe> aja() {
        // Entries whose voucher is gone and that hold neither an account
        // nor an amount; the others are named below and kept.
        for (const auto& [p, tositteet] : {std::pair{"vi", "to"}, std::pair{"viE", "toE"}})
            db_.Execute(QStringLiteral("DELETE FROM %1 WHERE NOT EXISTS (SELECT * FROM %2 WHERE %1.%1toID = %2.%2ID) "
                                       "AND (%1tlID Is Null OR %1tlID = 0) AND (%1Arvo Is Null OR %1Arvo = 0)")
                            .arg(QLatin1String(p), QLatin1String(tositteet)));
        lueTositteet();
        lueViennit();
        orvot(QStringLiteral("viE"), QStringLiteral("toE"), T("Edellisen tilikauden vienti, jonka tositetta ei ole:"));
        paivat();
        saldot();
        tilit();
        return found_;
    }

private:
    void lisaa(const cTositeTarkistusVirhe& base, const QString& teksti) {
        cTositeTarkistusVirhe f = base;
        f.VirheTeksti = teksti;
        found_.push_back(std::move(f));
    }

    // The voucher named by its number, or by its key when the number
    // cannot be read.
    static QString nimi(const Tosite& t, const QString& avain) {
        if (t.numeroKelpaa) return T("Tositteen no:") + u' ' + QString::number(t.base.Numero);
        return T("Tositteen avain:") + u' ' + avain;
    }

    // A finding for each value of the row that the program never writes,
    // its text the row's name and the column with the value.
    void arvot(const dao::RowPass& rs, std::initializer_list<std::pair<int, const char*>> columns,
               const cTositeTarkistusVirhe& base, const QString& kenen) {
        for (const auto& [column, name] : columns)
            if (const std::optional<QString> arvo = rs.fault(column))
                lisaa(base, kenen + u' ' + QLatin1String(name) + QStringLiteral(" = ") + *arvo + u'.');
    }

    void lueTositteet() {
        dao::RowPass rs(db_, QStringLiteral("SELECT toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                            "toAutomaatti FROM to ORDER BY toNumero, toID"));
        const int id = rs.column(QStringLiteral("toID")), numero = rs.column(QStringLiteral("toNumero")),
                  pvm = rs.column(QStringLiteral("toPvm"));
        while (rs.next()) {
            Tosite t;
            const std::optional<dao::Variant> avain = usable(rs, id);
            t.base.ToId = avain ? core::NzLong(*avain) : 0;
            const std::optional<dao::Variant> n = usable(rs, numero);
            t.numeroKelpaa = !rs.fault(numero);
            t.base.Numero = n ? core::NzLong(*n) : 0;
            const std::optional<dao::Variant> paiva = usable(rs, pvm);
            if (paiva) {
                t.base.Paiva = paiva->toDate();
                t.day = t.base.Paiva.date();
            }
            t.base.Selite = core::NzString(rs.value(rs.column(QStringLiteral("toSelite"))));
            t.base.Avaustosite = core::NzBoolean(rs.value(rs.column(QStringLiteral("toAvaustosite"))));
            t.base.Paatostosite = core::NzBoolean(rs.value(rs.column(QStringLiteral("toPaatostosite"))));
            t.automaatti = core::NzBoolean(rs.value(rs.column(QStringLiteral("toAutomaatti"))));
            const QString tunnus = rs.fault(id).value_or(QString::number(t.base.ToId));
            const size_t ennen = found_.size();
            arvot(rs, {{id, "toID"}, {numero, "toNumero"}, {pvm, "toPvm"}}, t.base,
                  nimi(t, tunnus) + u' ' + T("sisältää arvon, jota ohjelma ei kirjoita:"));
            t.kelvollinen = found_.size() == ennen;
            if (avain) paikat_[t.base.ToId] = tositteet_.size();
            tositteet_.push_back(std::move(t));
        }
    }

    Tosite* tosite(const std::optional<dao::Variant>& avain) {
        if (!avain) return nullptr;
        const auto it = paikat_.find(core::NzLong(*avain));
        return it == paikat_.end() ? nullptr : &tositteet_[it->second];
    }

    std::unordered_set<long> lueTilit() {
        std::unordered_set<long> tilit;
        dao::RowPass rs(db_, QStringLiteral("SELECT tlID FROM tl"));
        while (rs.next()) tilit.insert(core::NzLong(rs.value(0)));
        return tilit;
    }

    void lueViennit() {
        const std::unordered_set<long> tilit = lueTilit();
        dao::RowPass rs(db_, QStringLiteral("SELECT viID, vitoID, vitlID, vikpID, viTyyppi, viArvo FROM vi ORDER BY viID"));
        const int id = rs.column(QStringLiteral("viID")), to = rs.column(QStringLiteral("vitoID")),
                  tl = rs.column(QStringLiteral("vitlID")), kp = rs.column(QStringLiteral("vikpID")),
                  arvo = rs.column(QStringLiteral("viArvo"));
        while (rs.next()) {
            const std::optional<dao::Variant> tositteen = usable(rs, to);
            Tosite* t = tosite(tositteen);
            if (!t && !rs.fault(to)) {
                orpo(rs, QStringLiteral("vi"), T("Vienti, jonka tositetta ei ole:"));
                continue;
            }
            cTositeTarkistusVirhe base = t ? t->base : cTositeTarkistusVirhe();
            const QString kenen =
                t ? nimi(*t, QString::number(t->base.ToId)) + u' ' + T("viennillä on arvo, jota ohjelma ei kirjoita:")
                  : T("Viennillä") + u' ' + rs.fault(id).value_or(rs.value(id).toString()) + u' ' +
                        T("on arvo, jota ohjelma ei kirjoita:");
            const size_t ennen = found_.size();
            arvot(rs, {{id, "viID"}, {to, "vitoID"}, {tl, "vitlID"}, {kp, "vikpID"}, {arvo, "viArvo"}}, base, kenen);
            if (!t) continue;
            if (found_.size() != ennen) {
                t->kelvollinen = false;
                continue;
            }
            const QString side = core::NzString(rs.value(rs.column(QStringLiteral("viTyyppi"))));
            const dao::Currency summa = core::NzCurrency(rs.value(arvo));
            if (core::OnDebet(side)) t->erotus += summa;
            else if (core::OnKredit(side)) t->erotus -= summa;
            if (!tilit.count(core::NzLong(rs.value(tl)))) ++t->tilittomat;
        }
    }

    // An entry of the table p whose voucher is gone, named with its
    // account and amount.
    void orpo(const dao::RowPass& rs, const QString& p, const QString& teksti) {
        const int id = rs.column(p + QStringLiteral("ID")), tl = rs.column(p + QStringLiteral("tlID")),
                  arvo = rs.column(p + QStringLiteral("Arvo")), to = rs.column(p + QStringLiteral("toID"));
        auto raaka = [&](int c) { return rs.fault(c).value_or(rs.value(c).toString()); };
        cTositeTarkistusVirhe f;
        f.VirheTeksti = teksti + QStringLiteral(" %1 %2, %3 %4, %5 %6: %7 %8.")
                                     .arg(p + QStringLiteral("ID"), raaka(id), p + QStringLiteral("toID"), raaka(to),
                                          p + QStringLiteral("tlID"), raaka(tl), raaka(arvo),
                                          raaka(rs.column(p + QStringLiteral("Tyyppi"))));
        found_.push_back(std::move(f));
    }

    // The previous year's entries whose voucher is gone.
    void orvot(const QString& p, const QString& tositteet, const QString& teksti) {
        dao::RowPass rs(db_, QStringLiteral("SELECT %1ID, %1toID, %1tlID, %1Tyyppi, %1Arvo FROM %1 WHERE NOT EXISTS "
                                            "(SELECT * FROM %2 WHERE %1.%1toID = %2.%2ID) ORDER BY %1ID")
                                 .arg(p, tositteet));
        while (rs.next()) orpo(rs, p, teksti);
    }

    // The vouchers of the date and balance passes: the book's own (number
    // 0 and up), not the automatic ones, whose values are usable.
    bool omaKelvollinen(const Tosite& t) const {
        return t.kelvollinen && t.base.Numero >= 0 && !t.automaatti;
    }

    // Both ends of the year are inside; the time of day does not count. A
    // voucher without a date gives one finding.
    void paivat() {
        const QDate alku = core::TilikausiAlku.date();
        const QDate loppu = core::TilikausiLoppu.date();
        for (const Tosite& t : tositteet_) {
            if (!omaKelvollinen(t)) continue;
            if (!t.day) {
                lisaa(t.base, dateText(t.base.Numero));
                continue;
            }
            if (*t.day < alku) lisaa(t.base, dateText(t.base.Numero));
            if (*t.day > loppu) lisaa(t.base, dateText(t.base.Numero));
        }
    }

    // Every entry of the voucher counts (opening, closing and automatic
    // ones too), by its side; other codes count nowhere. The sums are exact;
    // a difference above 0.0001 is reported.
    void saldot() {
        const dao::Currency tolerance = dao::Currency::fromRaw(1);
        for (const Tosite& t : tositteet_)
            if (omaKelvollinen(t) && t.erotus.abs() > tolerance) lisaa(t.base, balanceText(t.base.Numero));
    }

    // Each entry of a book's own voucher (automatic ones included) whose
    // account does not exist, an entry without account too.
    void tilit() {
        for (const Tosite& t : tositteet_)
            if (t.kelvollinen && t.base.Numero >= 0)
                for (int i = 0; i < t.tilittomat; ++i) lisaa(t.base, accountText(t.base.Numero));
    }

    dao::Database& db_;
    std::vector<Tosite> tositteet_;
    std::unordered_map<long, size_t> paikat_;
    std::vector<cTositeTarkistusVirhe> found_;
};

}  // namespace

std::vector<cTositeTarkistusVirhe> cTositeTarkistus::TarkistaTositteet() {
    dao::Database db = core::DBCon().AvaaDB();
    return Tarkastus(db).aja();
}

}  // namespace vouchers
