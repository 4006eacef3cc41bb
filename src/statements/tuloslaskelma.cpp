// The income statement into tula: group headers, value lines, account
// lines, group totals, blank lines and formula rows, each line with its ten
// amounts and the percentages and differences derived from them; and the
// turnover sums the percentage-of-turnover columns divide by.

#include "statements/statements.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "reportctl/reportglobals.h"
#include "statement_models/malli.h"
#include "statement_models/mallipuu.h"
#include "statements/detail.h"
#include "statements/vientisummat.h"

#include <QProgressBar>

namespace statements {

using namespace detail;
using core::NzBoolean;
using core::NzCurrency;
using core::NzLong;
using core::NzString;

namespace {

dao::Currency gLvKuluva;
dao::Currency gLvKuluvaAlusta;

const QString kMerkki = QStringLiteral("**");

struct MalliRivi {
    bool found = false;
    QString teksti;
    QString saldoPuoli;
    QString tilit;
    QString kaava;
};

MalliRivi lueRivi(dao::Database& db, long mrID) {
    MalliRivi r;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrTeksti, mrSaldoPuoli, mrTilit, mrKaava FROM mr WHERE mrID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    if (!rs.isEOF()) {
        r.found = true;
        r.teksti = NzString(rs.value(QStringLiteral("mrTeksti")));
        r.saldoPuoli = NzString(rs.value(QStringLiteral("mrSaldoPuoli")));
        r.tilit = NzString(rs.value(QStringLiteral("mrTilit")));
        r.kaava = NzString(rs.value(QStringLiteral("mrKaava")));
    }
    rs.Close();
    return r;
}

// The model-row keys (mrID) a query returns, in its order.
std::vector<long> keys(dao::Database& db, const QString& sql, const dao::Params& params) {
    std::vector<long> out;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    const dao::Field id = rs.field(QStringLiteral("mrID"));
    for (; !rs.isEOF(); rs.MoveNext()) out.push_back(NzLong(id.valueRef()));
    rs.Close();
    return out;
}

std::vector<long> lapset(dao::Database& db, long mrID) {
    return keys(db, QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ? ORDER BY mrGroupOrder, mrID"),
                 {dao::Variant(mrID)});
}

QString sarakkeet() {
    QStringList names;
    for (const char* n : kSarakeNimet) names << QLatin1String(n);
    return names.join(QStringLiteral(", "));
}

// The amount columns of a recordset over tula, each found by its name once,
// in the order of the amounts.
std::vector<dao::Field> sarakeKentat(const dao::Recordset& rs) {
    std::vector<dao::Field> fields;
    fields.reserve(Sarakkeita);
    for (const char* n : kSarakeNimet) fields.push_back(rs.field(QString::fromLatin1(n)));
    return fields;
}

// Appends one line with amounts and the columns derived from them.
void lisaaArvorivi(dao::Database& db, const dao::Variant& taso, const QString& teksti, const Summat& s, bool ryhmarivi,
                   const QString& merkki) {
    static const QString sql =
        QStringLiteral("INSERT INTO tula (tulaTyyppi, tulaTeksti, ") + sarakkeet() +
        QStringLiteral(", tulaProsLvastaKuluva, tulaProsMuutos, tulaProsLvastaKuluvaAlusta, tulaMuutosAlusta, "
                       "tulaProsMuutosAlusta, tulaEroBudTotKuluva, tulaEroProsBudKuluva, tulaEroBudTotKuluvaAlusta, "
                       "tulaEroProsBudKuluvaAlusta, tulaIsGroupRow, tulaMerkki) VALUES (") +
        Placeholders(2 + Sarakkeita + 11) + QLatin1Char(')');
    dao::Params p;
    p.reserve(2 + Sarakkeita + 11);
    p.push_back(taso);
    p.emplace_back(Cut(teksti, 50));
    for (int i = 0; i < Sarakkeita; ++i) p.emplace_back(s[i]);
    p.push_back(Osuus(s[ToteutunutKuluva], gLvKuluva));
    p.push_back(Prosentti(s[ToteutunutKuluva], s[ToteutunutEdellinen]));
    p.push_back(Osuus(s[ToteutunutKuluvaAlusta], gLvKuluvaAlusta));
    p.emplace_back(s[ToteutunutKuluvaAlusta] - s[ToteutunutEdellinenAlusta]);
    p.push_back(Prosentti(s[ToteutunutKuluvaAlusta], s[ToteutunutEdellinenAlusta]));
    p.emplace_back(s[ToteutunutKuluva] - s[BudjetoituKuluva]);
    p.push_back(Prosentti(s[ToteutunutKuluva], s[BudjetoituKuluva]));
    p.emplace_back(s[ToteutunutKuluvaAlusta] - s[BudjetoituKuluvaAlusta]);
    p.push_back(Prosentti(s[ToteutunutKuluvaAlusta], s[BudjetoituKuluvaAlusta]));
    p.emplace_back(ryhmarivi);
    p.push_back(merkki.isEmpty() ? dao::Variant() : dao::Variant(merkki));
    db.Execute(sql, p);
}

void LisaaTulaRivi(dao::Database& db, bool ryhmarivi, int taso, const QString& teksti, const Summat& s,
                   const QString& merkki) {
    lisaaArvorivi(db, dao::Variant(taso), teksti, s, ryhmarivi, merkki);
}

void LisaaTyhjaRivi(dao::Database& db, bool ryhmarivi = true) {
    db.Execute(QStringLiteral("INSERT INTO tula (tulaIsGroupRow) VALUES (?)"), {dao::Variant(ryhmarivi)});
}

void LisaaRyhmanOtsikko(dao::Database& db, long mrID, int taso) {
    const MalliRivi r = lueRivi(db, mrID);
    db.Execute(QStringLiteral("INSERT INTO tula (tulaTyyppi, tulaTeksti, tulaIsGroupRow, tulamrID) VALUES (?, ?, ?, ?)"),
               {dao::Variant(taso), dao::Variant(Cut(r.teksti, 50)), dao::Variant(true), dao::Variant(mrID)});
}

// The group's total: the lines after its latest header that a total adds
// up (tulaIsGroupRow False), then a blank line.
void LisaaRyhmanSumma(dao::Database& db, long mrID, int taso) {
    const MalliRivi r = lueRivi(db, mrID);
    long header = 0;
    {
        dao::Recordset rs =
            db.OpenRecordset(QStringLiteral("SELECT MAX(tulaID) AS Suurin FROM tula WHERE tulamrID = ?"),
                             dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
        if (!rs.isEOF()) header = NzLong(rs.value(QStringLiteral("Suurin")));
        rs.Close();
    }
    Summat s;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT ") + sarakkeet() + QStringLiteral(" FROM tula WHERE tulaID > ? AND tulaIsGroupRow = False"),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(header)});
    const std::vector<dao::Field> amounts = sarakeKentat(rs);
    for (; !rs.isEOF(); rs.MoveNext())
        for (int i = 0; i < Sarakkeita; ++i) s[i] += NzCurrency(amounts[size_t(i)].valueRef());
    rs.Close();
    LisaaTulaRivi(db, true, taso, r.teksti, s, kMerkki);
    LisaaTyhjaRivi(db);
}

// A leaf: one value line, or in split mode a header, a line per account
// and a total.
void LaskeRivi(dao::Database& db, long mrID, int taso, const dao::Date& start, const dao::Date& end, bool ryhmarivi,
               const QString& merkki) {
    const MalliRivi r = lueRivi(db, mrID);
    const long kp = reports::RaporttiKpID;
    if (!reports::TiliErottelu) {
        LisaaTulaRivi(db, ryhmarivi, taso, r.teksti, LaskeSummat(db, AccountKeys(r.tilit), start, end, kp, r.saldoPuoli),
                      merkki);
        return;
    }
    LisaaRyhmanOtsikko(db, mrID, taso);
    if (r.tilit.trimmed() != QLatin1String(",")) {
        // A list without accounts still gets one (empty) account line.
        QStringList pieces = statement_models::SplitPieces(r.tilit);
        if (pieces.isEmpty()) pieces << QStringLiteral("-1");
        if (pieces.size() > 256) pieces = pieces.mid(0, 256);
        for (const QString& piece : pieces) {
            const long tlID = piece.trimmed().toLong();
            std::vector<long> one;
            if (tlID > 0) one.push_back(tlID);
            const Summat s = LaskeSummat(db, one, start, end, kp, r.saldoPuoli);
            if (reports::VainTap && s.allZero()) continue;
            LisaaTulaRivi(db, false, taso + 1, GetTiliTeksti(db, tlID), s, QString());
        }
    }
    LisaaRyhmanSumma(db, mrID, taso);
}

void LaskeRyhma(dao::Database& db, long mrID, int taso, const dao::Date& start, const dao::Date& end, QProgressBar* bar,
                int syvyys) {
    statement_models::TarkistaSyvyys(db, mrID, syvyys);
    const std::vector<long> children = lapset(db, mrID);
    if (children.empty()) {
        LaskeRivi(db, mrID, taso + 1, start, end, false, QString());
        return;
    }
    for (long child : children) {
        if (IsGroup(db, child)) {
            LisaaRyhmanOtsikko(db, child, taso + 1);
            LaskeRyhma(db, child, taso + 1, start, end, bar, syvyys + 1);
            LisaaRyhmanSumma(db, child, taso + 1);
        } else {
            LaskeRivi(db, child, taso + 1, start, end, false, QString());
        }
        Askel(bar);
    }
}

void LaskeLiikevaihtoRivi(dao::Database& db, long mrID, const dao::Date& start, const dao::Date& end, QProgressBar* bar,
                          int syvyys) {
    statement_models::TarkistaSyvyys(db, mrID, syvyys);
    const std::vector<long> children = lapset(db, mrID);
    if (!children.empty()) {
        for (long child : children) {
            LaskeLiikevaihtoRivi(db, child, start, end, bar, syvyys + 1);
            Askel(bar);
        }
        return;
    }
    const MalliRivi r = lueRivi(db, mrID);
    const std::vector<long> accounts = AccountKeys(r.tilit);
    gLvKuluva += SummaaSaldopuolelle(db, kLedger, accounts, start, end, reports::RaporttiKpID, r.saldoPuoli);
    gLvKuluvaAlusta +=
        SummaaSaldopuolelle(db, kLedger, accounts, core::TilikausiAlku, end, reports::RaporttiKpID, r.saldoPuoli);
}

}  // namespace

// ================================================================ public

void TyhjennaTulaJaTase(dao::Database& db) {
    // A new statement run reads the entries anew.
    Vientisummat::varasto(db).unohda();
    // Both deletes go to the disk together.
    try {
        dao::InTransaction(db, [&] {
            for (const char* table : {"Tula", "Tase"}) {
                try {
                    db.Execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
                } catch (const dao::DaoError&) {
                }
            }
        });
    } catch (const dao::DaoError&) {
    }
}

dao::Currency LvToteutunutKuluva() { return gLvKuluva; }
dao::Currency LvToteutunutKuluvaAlusta() { return gLvKuluvaAlusta; }

bool IsGroup(dao::Database& db, long mrID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(mrID)});
    const bool group = !rs.isEOF();
    rs.Close();
    return group;
}

QString GetTiliTeksti(dao::Database& db, long tlID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlNumero, tlNimi FROM tl WHERE tlID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
    QString text;
    if (!rs.isEOF()) {
        const QString nimi = NzString(rs.value(QStringLiteral("tlNimi")));
        text = core::NaytaTilinumerot ? NzString(rs.value(QStringLiteral("tlNumero"))) + QLatin1Char(' ') + nimi : nimi;
    }
    rs.Close();
    return text;
}

bool LaskeLiikevaihto(long maID, const dao::Date& start, const dao::Date& end, bool silent, QProgressBar* bar) {
    gLvKuluva = {};
    gLvKuluvaAlusta = {};
    dao::Database db = core::DBCon().AvaaDB();
    statement_models::TarkistaMallipuu(db, maID);
    bool found = false;
    {
        Vientisummat::Vaihe vaihe(db);
        Vientisummat::varasto(db).ennakoi(MallinTilit(db, maID));
        // It writes nothing; the transaction makes its sums those of one
        // book, with no other program's commit between them.
        dao::InTransaction(db, [&] {
            const std::vector<long> rows = keys(
                db, QStringLiteral("SELECT mrID FROM mr WHERE mrmaID = ? AND mrIsLiikevaihto = True ORDER BY mrID"),
                {dao::Variant(maID)});
            found = !rows.empty();
            if (found) LaskeLiikevaihtoRivi(db, rows.front(), start, end, bar, 1);
        });
    }
    if (found) return true;
    if (!silent)
        core::ShowInfo(core::TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Liikevaihtoriviä ei ole määritelty.")) +
                       QStringLiteral("\n\n") +
                       core::TranslateStr(QStringLiteral("Yleiset"),
                                          QStringLiteral("Suhdelukuja liikevaihtoon ei voida laskea ilman "
                                                         "liikevaihtorivin määrittelyä.")));
    return false;
}

void LaskeKaavaRivi(dao::Database& db, long mrID, int taso) {
    const MalliRivi r = lueRivi(db, mrID);
    if (!r.found) return;
    Summat s;
    QStringList terms = statement_models::SplitPieces(r.kaava);
    if (terms.size() > 256) terms = terms.mid(0, 256);
    static const QString lookup = QStringLiteral("SELECT ") + sarakkeet() +
                                  QStringLiteral(" FROM tula WHERE tulaTeksti = ? AND tulaMerkki = ? AND "
                                                 "tulaIsGroupRow = True ORDER BY tulaID");
    for (const QString& term : terms) {
        // A term the formula editor never writes (empty, or no whole
        // number after the sign) names nothing.
        if (term.size() < 2) continue;
        bool ok = false;
        const long id = term.mid(1).toLong(&ok);
        if (!ok || id <= 0) continue;
        const MalliRivi named = lueRivi(db, id);
        if (!named.found) continue;
        dao::Recordset rs = db.OpenRecordset(lookup, dao::RecordsetType::ForwardOnly, dao::dbReadOnly,
                                             {dao::Variant(Cut(named.teksti, 50)), dao::Variant(kMerkki)});
        if (!rs.isEOF()) {
            const bool plus = term.at(0) == QLatin1Char('+');
            const std::vector<dao::Field> amounts = sarakeKentat(rs);
            for (int i = 0; i < Sarakkeita; ++i) {
                const dao::Currency v = NzCurrency(amounts[size_t(i)].valueRef());
                if (plus)
                    s[i] += v;
                else
                    s[i] -= v;
            }
        }
        rs.Close();
    }
    LisaaTulaRivi(db, true, taso, r.teksti, s, kMerkki);
    LisaaTyhjaRivi(db, false);
}

bool LaskeTuloslaskelma(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar) {
    dao::Database db = core::DBCon().AvaaDB();
    statement_models::TarkistaMallipuu(db, maID);
    Vientisummat::Vaihe vaihe(db);  // writes tula only
    Vientisummat::varasto(db).ennakoi(MallinTilit(db, maID));
    dao::InTransaction(db, [&] {
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT mrID, mrIsEquation FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = 0 "
                           "ORDER BY mrGroupOrder, mrID"),
            dao::RecordsetType::Snapshot, {dao::Variant(maID)});
        std::vector<std::pair<long, bool>> rows;
        const dao::Field id = rs.field(QStringLiteral("mrID"));
        const dao::Field kaava = rs.field(QStringLiteral("mrIsEquation"));
        for (; !rs.isEOF(); rs.MoveNext()) rows.emplace_back(NzLong(id.valueRef()), NzBoolean(kaava.valueRef()));
        rs.Close();
        for (const auto& [mrID, kaava] : rows) {
            if (kaava) {
                LaskeKaavaRivi(db, mrID, 7);
            } else if (IsGroup(db, mrID)) {
                LisaaRyhmanOtsikko(db, mrID, 0);
                LaskeRyhma(db, mrID, 0, start, end, bar, 1);
                LisaaRyhmanSumma(db, mrID, 0);
            } else {
                LaskeRivi(db, mrID, 0, start, end, true, kMerkki);
                if (!reports::TiliErottelu) LisaaTyhjaRivi(db);
            }
            Askel(bar);
        }
    });
    return true;
}

void PoistaViimeinenTulaRivi() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT MAX(tulaID) AS Suurin FROM tula"), dao::RecordsetType::Snapshot);
    const long last = rs.isEOF() ? 0 : NzLong(rs.value(QStringLiteral("Suurin")));
    rs.Close();
    db.Execute(QStringLiteral("DELETE FROM tula WHERE tulaID = ?"), {dao::Variant(last)});
}

}  // namespace statements
