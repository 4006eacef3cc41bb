#include "maintenance/yearchange/kaudenvaihto.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/settings.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/dao/rowpass.h"
#include "reportctl/reportglobals.h"
#include "statement_models/malli.h"
#include "statements/statements.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace maintenance {

namespace {

const QString kAvausSelite = QStringLiteral("Tilinavausviennit");

void vaihe(const KaudenVaihtoSeuranta& s, const QString& teksti) {
    if (s.vaihe) s.vaihe(teksti);
}
void valmis(const KaudenVaihtoSeuranta& s, int arvo) {
    if (s.valmis) s.valmis(arvo);
}
void rivi(const KaudenVaihtoSeuranta& s) {
    if (s.rivi) s.rivi();
}

struct Tilikaudet {
    dao::Date alku, loppu, edAlku, edLoppu;
};

// One opening entry.
struct AvausVienti {
    long tlID = 0;
    QString tyyppi;
    dao::Currency arvo;
};

// The opening entries of the new year, computed from the closing balance
// sheet before anything moves.
struct Avaus {
    // The balance sheet has account lines: the voucher is booked, even
    // when every balance is zero.
    bool tilirivit = false;
    std::vector<AvausVienti> viennit;
    dao::Currency debet, kredit;
};

// Step 2: the earlier previous year goes.
void poistaHistoria(dao::Database& db) {
    db.Execute(QStringLiteral("DELETE FROM viE"));
    db.Execute(QStringLiteral("DELETE FROM toE"));
}

// The year's vouchers that hold nothing: no entry and no text (a blank
// one counts as none), and not the program's own. A voucher begun in a
// window and never written, in this copy of the program or in another one
// on the same book, is such.
std::vector<std::pair<long, KaudenVaihtoTulos::TyhjaTosite>> tyhjatTositteet(dao::Database& db) {
    std::vector<std::pair<long, KaudenVaihtoTulos::TyhjaTosite>> tyhjat;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toID, toNumero, toPvm, toSelite FROM [to] WHERE toAutomaatti = False AND "
                       "NOT EXISTS (SELECT vitoID FROM vi WHERE vitoID = toID) ORDER BY toNumero, toID"),
        dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext()) {
        if (!core::NzString(rs.value(QStringLiteral("toSelite"))).trimmed().isEmpty()) continue;
        const dao::Variant pvm = rs.value(QStringLiteral("toPvm"));
        tyhjat.push_back({core::NzLong(rs.value(QStringLiteral("toID"))),
                          {core::NzLong(rs.value(QStringLiteral("toNumero"))),
                           pvm.isNull() ? dao::Date() : pvm.toDate()}});
    }
    rs.Close();
    return tyhjat;
}

// Step 3: every entry and voucher into the previous-year tables under the
// same keys, so each copied entry still names its copied voucher; the
// vouchers that hold nothing are left out (and returned). Values are copied
// as stored (a Null stays Null) but for the cost centre, where a missing
// one is written as 0.
std::vector<KaudenVaihtoTulos::TyhjaTosite> siirraVertailutietoihin(dao::Database& db, const KaudenVaihtoSeuranta& s) {
    db.Execute(QStringLiteral(
        "INSERT INTO viE (viEID, viEtlID, viEtoID, viETyyppi, viEArvo, viESelite, viEAvausvienti, viEPaatosvienti, "
        "viEAutomaatti, viEkpID) "
        "SELECT viID, vitlID, vitoID, viTyyppi, viArvo, viSelite, viAvausvienti, viPaatosvienti, viAutomaatti, vikpID "
        "FROM vi"));
    db.Execute(QStringLiteral("UPDATE viE SET viEkpID = 0 WHERE viEkpID Is Null"));
    rivi(s);
    db.Execute(QStringLiteral(
        "INSERT INTO toE (toEID, toENumero, toEpvm, toESelite, toEAvaustosite, toEPaatostosite, toEAutomaatti) "
        "SELECT toID, toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti FROM [to]"));
    std::vector<KaudenVaihtoTulos::TyhjaTosite> jatetyt;
    for (const auto& [toID, tosite] : tyhjatTositteet(db)) {
        db.Execute(QStringLiteral("DELETE FROM toE WHERE toEID = ?"), {dao::Variant(toID)});
        jatetyt.push_back(tosite);
    }
    rivi(s);
    return jatetyt;
}

// Step 4.
void poistaViennit(dao::Database& db) {
    db.Execute(QStringLiteral("DELETE FROM vi"));
    db.Execute(QStringLiteral("DELETE FROM [to]"));
}

// Step 5, in the book: the new year in the association's settings.
void tallennaPaivamaarat(dao::Database& db, const Tilikaudet& t) {
    core::TallennaTilikaudet(db, t.alku, t.loppu, t.edAlku, t.edLoppu);
}

// Step 1, at its end: one opening entry per account line of the closing
// balance sheet whose balance is not zero. Assets (the model's first
// top-level group) keep their side, the rest are booked the other way
// round; the amount is always positive.
Avaus laskeAvausviennit(dao::Database& db) {
    Avaus a;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT tasetlID, tasePrintGroup, taseLoppusaldo FROM tase "
                       "WHERE tasetlID > 0 AND taseIsGroupRow = False ORDER BY taseID"),
        dao::RecordsetType::Snapshot);
    const dao::Field tlID = rs.field(QStringLiteral("tasetlID"));
    const dao::Field ryhma = rs.field(QStringLiteral("tasePrintGroup"));
    const dao::Field saldo = rs.field(QStringLiteral("taseLoppusaldo"));
    for (; !rs.isEOF(); rs.MoveNext()) {
        a.tilirivit = true;
        const dao::Currency s = core::NzCurrency(saldo.valueRef());
        if (s.isZero()) continue;
        const bool vastaavaa = core::NzLong(ryhma.valueRef()) == 1;
        const bool debet = (s > dao::Currency()) == vastaavaa;
        a.viennit.push_back({core::NzLong(tlID.valueRef()), debet ? QStringLiteral("D") : QStringLiteral("K"), s.abs()});
        (debet ? a.debet : a.kredit) += s.abs();
    }
    rs.Close();
    return a;
}

// Step 6: the opening voucher 0 dated the new year's first day with the
// opening entries. Without account lines in the balance sheet nothing is
// booked.
void kirjaaAvausviennit(dao::Database& db, const dao::Date& uusiAlku, const Avaus& a, const KaudenVaihtoSeuranta& s) {
    if (!a.tilirivit) return;
    dao::Recordset to = db.OpenRecordset(QStringLiteral("SELECT * FROM [to] WHERE toID = 0"), dao::RecordsetType::Dynaset);
    to.AddNew();
    to.setValue(QStringLiteral("toNumero"), dao::Variant(0L));
    to.setValue(QStringLiteral("toPvm"), dao::Variant(uusiAlku));
    to.setValue(QStringLiteral("toSelite"), dao::Variant(kAvausSelite));
    to.setValue(QStringLiteral("toAvaustosite"), dao::Variant(true));
    to.setValue(QStringLiteral("toAutomaatti"), dao::Variant(false));
    const long toID = core::NzLong(to.value(QStringLiteral("toID")));
    to.Update();
    to.Close();

    // Every column named: the entry has no text, cost centre or closing mark.
    for (const AvausVienti& v : a.viennit) {
        db.Execute(QStringLiteral("INSERT INTO vi (vitlID, vitoID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                  "viPaatosvienti, viAutomaatti, vikpID) VALUES (?, ?, ?, ?, Null, True, False, False, "
                                  "Null)"),
                   {dao::Variant(v.tlID), dao::Variant(toID), dao::Variant(v.tyyppi), dao::Variant(v.arvo)});
        rivi(s);
    }
}

// Step 7: the previous year's budget goes, the current becomes the
// previous and the next the current; no row is left as the next year's.
void siirraBudjetit(dao::Database& db) {
    db.Execute(QStringLiteral("DELETE FROM bu WHERE buEdellinen = True"));
    db.Execute(QStringLiteral("UPDATE bu SET buEdellinen = True WHERE buNykyinen = True"));
    db.Execute(QStringLiteral("UPDATE bu SET buNykyinen = False"));
    db.Execute(QStringLiteral("UPDATE bu SET buNykyinen = True WHERE buTuleva = True"));
    db.Execute(QStringLiteral("UPDATE bu SET buTuleva = False"));
}

// The year's vouchers whose entries' debits and credits differ, in the
// order of their numbers (the profit bookings the change has just made are
// the program's own, and are not among them): an entry lost (a repair that could not read it)
// or one typed on the wrong side leaves one so, and the balance sheet, and
// with it the opening entries, is out of balance by as much.
std::vector<KaudenVaihtoTulos::EpatasainenTosite> epatasaisetTositteet(dao::Database& db) {
    std::vector<KaudenVaihtoTulos::EpatasainenTosite> out;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toID, toNumero, toPvm, viTyyppi, viArvo FROM [to] INNER JOIN vi ON vi.vitoID = "
                       "[to].toID WHERE toAutomaatti = False ORDER BY toNumero, toID"),
        dao::RecordsetType::Snapshot);
    long current = 0;
    KaudenVaihtoTulos::EpatasainenTosite t;
    auto close = [&] {
        if (current != 0 && !t.erotus.isZero()) out.push_back(t);
    };
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long toID = core::NzLong(rs.value(QStringLiteral("toID")));
        if (toID != current) {
            close();
            current = toID;
            t = {core::NzLong(rs.value(QStringLiteral("toNumero"))), core::NzDate(rs.value(QStringLiteral("toPvm"))),
                 dao::Currency()};
        }
        const dao::Currency arvo = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
        const bool debet = core::NzString(rs.value(QStringLiteral("viTyyppi"))).compare(QLatin1String("D"),
                                                                                       Qt::CaseInsensitive) == 0;
        t.erotus += debet ? arvo : -arvo;
    }
    close();
    rs.Close();
    return out;
}

// Rolls the change back to the depth it started at.
void peru(dao::Database& db, int syvyys) {
    try {
        while (db.transactionDepth() > syvyys) db.Rollback();
    } catch (...) {
        // The engine could not roll back: letting the connection go rolls
        // the open transaction back as the file is closed.
        core::DBCon().SuljeDB();
    }
}

KaudenVaihtoTulos tulos(KaudenVaihtoTulos::Tila tila) {
    KaudenVaihtoTulos t;
    t.tila = tila;
    return t;
}

// The first year a book holds, and the last.
constexpr int kEnsimmainenVuosi = 100;
constexpr int kViimeinenVuosi = 9999;

QString kaudenVaihtoT(const char* text) {
    return core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QString::fromUtf8(text));
}

// The vouchers and entries the change cannot carry: a voucher without a
// date, and any key, number, amount or date of a voucher or an entry that
// the program never writes, each named by its voucher.
QStringList kantamattomatTositteet(dao::Database& db) {
    const auto T = kaudenVaihtoT;
    QStringList syyt;
    std::unordered_map<std::int64_t, QString> nimet;  // toID -> the voucher's name
    {
        dao::RowPass rs(db, QStringLiteral("SELECT toID, toNumero, toPvm FROM [to] ORDER BY toNumero, toID"));
        const char* const sarakkeet[] = {"toID", "toNumero", "toPvm"};
        while (rs.next()) {
            const QString nimi = T("Tosite") + u' ' + rs.fault(1).value_or(rs.value(1).toString());
            if (!rs.fault(0)) nimet[rs.value(0).toLong()] = nimi;
            if (rs.isNull(2)) syyt << nimi + QStringLiteral(": ") + T("tositteella ei ole päivämäärää.");
            for (int c = 0; c < 3; ++c)
                if (const std::optional<QString> arvo = rs.fault(c))
                    syyt << nimi + QStringLiteral(": ") + T("arvo, jota ohjelma ei kirjoita:") + u' ' +
                                QLatin1String(sarakkeet[c]) + QStringLiteral(" = ") + *arvo;
        }
    }
    dao::RowPass rs(db, QStringLiteral("SELECT vitoID, viID, vitlID, vikpID, viArvo FROM vi ORDER BY vitoID, viID"));
    const char* const sarakkeet[] = {"vitoID", "viID", "vitlID", "vikpID", "viArvo"};
    while (rs.next()) {
        const auto it = rs.fault(0) || rs.isNull(0) ? nimet.end() : nimet.find(rs.value(0).toLong());
        const QString nimi =
            it != nimet.end() ? it->second : T("Vienti") + u' ' + rs.fault(1).value_or(rs.value(1).toString());
        for (int c = 0; c < 5; ++c)
            if (const std::optional<QString> arvo = rs.fault(c))
                syyt << nimi + QStringLiteral(": ") +
                            (c == 4 ? T("viennin summa ei ole luku:")
                                    : T("arvo, jota ohjelma ei kirjoita:") + u' ' + QLatin1String(sarakkeet[c]) +
                                          QStringLiteral(" =")) +
                            u' ' + *arvo;
    }
    return syyt;
}

// What the change cannot carry: a new year outside the years a book holds,
// or the vouchers of kantamattomatTositteet.
std::optional<KaudenVaihtoTulos> kantamattomat(dao::Database& db, const KaudenVaihtoValinnat& valinnat) {
    for (const dao::Date& d : {VuodenPaasta(valinnat.alku), VuodenPaasta(valinnat.loppu)}) {
        const int vuosi = d.date().year();
        if (vuosi < kEnsimmainenVuosi || vuosi > kViimeinenVuosi) return tulos(KaudenVaihtoTulos::UusiVuosiUlkona);
    }
    const QStringList syyt = kantamattomatTositteet(db);
    if (syyt.isEmpty()) return std::nullopt;
    KaudenVaihtoTulos esto = tulos(KaudenVaihtoTulos::EiKanneta);
    esto.kantamattomat = syyt;
    return esto;
}

// Step 1, inside the change's transaction: the checks that may refuse the
// change, the profit bookings, the closing balance sheet and the opening
// entries computed from it (into avaus). The refusal, if any; the caller
// rolls back or commits.
std::optional<KaudenVaihtoTulos> tarkistaJaLaske(dao::Database& db, const KaudenVaihtoValinnat& valinnat,
                                                 const KaudenVaihtoSeuranta& s, Avaus& avaus) {
    const dao::Date alku = valinnat.alku;
    const dao::Date loppu = valinnat.loppu;
    if (!core::TilikausiEnnallaan(db, alku, loppu) || alku != core::TilikausiAlku || loppu != core::TilikausiLoppu)
        return tulos(KaudenVaihtoTulos::VaihdettuMuualla);
    if (std::optional<KaudenVaihtoTulos> esto = kantamattomat(db, valinnat)) return esto;
    long tulosMaID = 0;
    if (valinnat.teeAvausviennit) {
        reports::TiliErottelu = true;
        statement_models::cMalli malli;
        malli.Read(valinnat.tasemalliID);
        tulosMaID = malli.TulosMaID();
        // An account that the two models leave out would be left out of the
        // opening entries: nothing is written.
        if (tulosMaID != 0) {
            KaudenVaihtoTulos esto = tulos(KaudenVaihtoTulos::TilejaPuuttuu);
            esto.tilit = statements::TilitMallienUlkopuolella(db, valinnat.tasemalliID, alku, loppu,
                                                              statements::Automaattiset::Pois);
            if (!esto.tilit.empty()) return esto;
        }
    }
    statements::TyhjennaTulaJaTase(db);
    if (!valinnat.teeAvausviennit) return std::nullopt;
    if (tulosMaID == 0) return tulos(KaudenVaihtoTulos::EiTuloslaskelmaa);
    const QStringList esteet = statements::TeeAutomaattikirjaukset(tulosMaID, alku, loppu, s.bar, false);
    statements::LaskeTase(valinnat.tasemalliID, alku, loppu, nullptr);
    avaus = laskeAvausviennit(db);
    // The last guard: the new year never opens out of balance.
    if (avaus.debet == avaus.kredit) return std::nullopt;
    KaudenVaihtoTulos esto = tulos(KaudenVaihtoTulos::AvausEiTasmaa);
    esto.debet = avaus.debet;
    esto.kredit = avaus.kredit;
    esto.voitonEsteet = esteet;
    esto.epatasaiset = epatasaisetTositteet(db);
    return esto;
}

}  // namespace

dao::Date VuodenPaasta(const dao::Date& d) { return d.addYears(1); }

KaudenVaihtoTulos VaihdaTilikausi(const KaudenVaihtoValinnat& valinnat, const KaudenVaihtoSeuranta& s) {
    // A year the program does not work in is no year to close: its dates
    // would move every voucher over the previous year.
    if (const std::optional<core::BrokenYear> vuosi = core::TilikausiEiKaytossa()) {
        KaudenVaihtoTulos esto = tulos(KaudenVaihtoTulos::EiKaytossa);
        esto.vuosi = *vuosi;
        return esto;
    }
    reports::RaporttiKpID = 0;
    dao::Database db = core::DBCon().AvaaDB();
    vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Lasketaan tilikauden tase.")));

    // Each date moves on by itself: the previous year's new dates are not
    // taken from the closed year's.
    const Tilikaudet uudet{VuodenPaasta(core::TilikausiAlku), VuodenPaasta(core::TilikausiLoppu),
                           VuodenPaasta(core::EdTilikausiAlku), VuodenPaasta(core::EdTilikausiLoppu)};

    std::vector<KaudenVaihtoTulos::TyhjaTosite> tyhjat;
    const int syvyys = db.transactionDepth();
    db.BeginTrans();
    try {
        Avaus avaus;
        if (const std::optional<KaudenVaihtoTulos> esto = tarkistaJaLaske(db, valinnat, s, avaus)) {
            // The refusal of a model without an income model keeps the
            // emptied work tables; the others leave the book as it was.
            if (esto->tila == KaudenVaihtoTulos::EiTuloslaskelmaa)
                db.CommitTrans();
            else
                peru(db, syvyys);
            return *esto;
        }
        valmis(s, 1);

        vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Poistetaan vanhat historiatiedot.")));
        poistaHistoria(db);
        valmis(s, 2);

        vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Siirretään viennit vertailutietoihin.")));
        tyhjat = siirraVertailutietoihin(db, s);
        valmis(s, 3);

        vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Poistetaan viennit.")));
        poistaViennit(db);
        valmis(s, 4);

        vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Vaihdetaan tilikausien päivämäärät.")));
        tallennaPaivamaarat(db, uudet);
        valmis(s, 5);

        if (valinnat.teeAvausviennit) {
            vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Kirjataan avausviennit.")));
            kirjaaAvausviennit(db, uudet.alku, avaus, s);
        }
        valmis(s, 6);

        vaihe(s, core::TranslateStr(QStringLiteral("frmKaudenVaihto"), QStringLiteral("Siirretään budjetit.")));
        siirraBudjetit(db);
        db.CommitTrans();
    } catch (...) {
        // Nothing of the change is kept: the transaction is undone, and the
        // failure goes on to the window.
        peru(db, syvyys);
        throw;
    }

    // The book holds the new year: the program follows it.
    core::TilikausiAlku = uudet.alku;
    core::EdTilikausiAlku = uudet.edAlku;
    core::TilikausiLoppu = uudet.loppu;
    core::EdTilikausiLoppu = uudet.edLoppu;
    core::RaporttiAlkuPvm = core::TilikausiAlku;
    core::RaporttiLoppuPvm = core::TilikausiLoppu;
    valmis(s, 7);
    KaudenVaihtoTulos tehty = tulos(KaudenVaihtoTulos::Tehty);
    tehty.tyhjat = std::move(tyhjat);
    return tehty;
}

}  // namespace maintenance
