// The balance sheet into tase: for every model row the opening balance, the
// movement from the start of the financial year to the end date, the
// closing balance and the closing balance a year earlier; group headers and
// totals, account lines on request, and formula rows that carry the profit
// of an income model.

#include "statements/statements.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
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

// Numbers the top-level rows that are not formula rows; every line gets
// the number of the row it belongs to.
int iPrintGroup = 0;

struct TaseRivi {
    bool found = false;
    QString teksti;
    QString saldoPuoli;
    dao::Variant tilit;
    QString kaava;
    dao::Variant tlID;
    dao::Variant viTyyppi;
};

TaseRivi lueRivi(dao::Database& db, long mrID) {
    TaseRivi r;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT mrTeksti, mrSaldoPuoli, mrTilit, mrKaava, mrtlID, mrviTyyppi FROM mr WHERE mrID = ?"),
        dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    if (!rs.isEOF()) {
        r.found = true;
        r.teksti = NzString(rs.value(QStringLiteral("mrTeksti")));
        r.saldoPuoli = NzString(rs.value(QStringLiteral("mrSaldoPuoli")));
        r.tilit = rs.value(QStringLiteral("mrTilit"));
        r.kaava = NzString(rs.value(QStringLiteral("mrKaava")));
        r.tlID = rs.value(QStringLiteral("mrtlID"));
        r.viTyyppi = rs.value(QStringLiteral("mrviTyyppi"));
    }
    rs.Close();
    return r;
}

struct Lapsi {
    long id;
    bool kaava;
};

std::vector<Lapsi> rivit(dao::Database& db, const QString& where, long key) {
    std::vector<Lapsi> out;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID, mrIsEquation FROM mr WHERE ") + where +
                                             QStringLiteral(" ORDER BY mrGroupOrder, mrID"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(key)});
    const dao::Field id = rs.field(QStringLiteral("mrID"));
    const dao::Field kaava = rs.field(QStringLiteral("mrIsEquation"));
    for (; !rs.isEOF(); rs.MoveNext()) out.push_back({NzLong(id.valueRef()), NzBoolean(kaava.valueRef())});
    rs.Close();
    return out;
}

struct Saldot {
    dao::Currency alku, muutos, loppu, edellinen;
};

Saldot laske(dao::Database& db, const std::vector<long>& accounts, const dao::Date& end, const QString& side) {
    Saldot s;
    s.alku = SummaaAvaus(db, accounts, side);
    s.muutos = SummaaMuutos(db, accounts, core::TilikausiAlku, end, side);
    s.loppu = s.alku + s.muutos;
    s.edellinen = SummaaSaldopuolelle(db, kLedgerPrev, accounts, core::EdTilikausiAlku, end.addYears(-1), 0, side);
    return s;
}

// Appends a line with the four balances and the change against the previous year.
void lisaa(dao::Database& db, const dao::Variant& taso, const QString& teksti, const Saldot& s, bool ryhmarivi,
           const dao::Variant& tlID, const dao::Variant& viTyyppi, const QString& merkki) {
    dao::Params p{taso,
                  dao::Variant(Cut(teksti, 50)),
                  dao::Variant(s.alku),
                  dao::Variant(s.muutos),
                  dao::Variant(s.loppu),
                  dao::Variant(s.edellinen),
                  dao::Variant(s.loppu - s.edellinen),
                  Prosentti(s.loppu, s.edellinen),
                  dao::Variant(ryhmarivi),
                  tlID,
                  viTyyppi,
                  dao::Variant(iPrintGroup)};
    QString sql = QStringLiteral(
        "INSERT INTO tase (taseTyyppi, taseteksti, taseAlkusaldo, taseMuutos, taseLoppusaldo, taseLoppusaldoEdellinen, "
        "taseMuutosEdelliseen, taseMuutosProsEdelliseen, taseIsGroupRow, tasetlID, taseviTyyppi, tasePrintGroup");
    if (!merkki.isEmpty()) {
        sql += QStringLiteral(", taseMerkki");
        p.emplace_back(merkki);
    }
    sql += QStringLiteral(") VALUES (") + Placeholders(int(p.size())) + QLatin1Char(')');
    db.Execute(sql, p);
}

void LisaaTaseTyhjaRivi(dao::Database& db) {
    db.Execute(QStringLiteral("INSERT INTO tase (taseIsGroupRow, tasePrintGroup) VALUES (?, ?)"),
               {dao::Variant(true), dao::Variant(iPrintGroup)});
}

void LisaaTaseRyhmanOtsikko(dao::Database& db, long mrID, int taso) {
    const TaseRivi r = lueRivi(db, mrID);
    db.Execute(QStringLiteral("INSERT INTO tase (taseTyyppi, taseteksti, taseMerkki, taseIsGroupRow, tasetlID, "
                              "taseviTyyppi, tasePrintGroup, tasemrID) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {dao::Variant(taso), dao::Variant(Cut(r.teksti, 50)), dao::Variant(QString(QLatin1String(""))),
                dao::Variant(true), r.tlID, r.viTyyppi, dao::Variant(iPrintGroup), dao::Variant(mrID)});
}

void LisaaTaseRyhmanSumma(dao::Database& db, long mrID, int taso) {
    const TaseRivi r = lueRivi(db, mrID);
    long header = 0;
    {
        dao::Recordset rs =
            db.OpenRecordset(QStringLiteral("SELECT MAX(taseID) AS Suurin FROM tase WHERE tasemrID = ?"),
                             dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
        if (!rs.isEOF()) header = NzLong(rs.value(QStringLiteral("Suurin")));
        rs.Close();
    }
    Saldot s;
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT taseAlkusaldo, taseMuutos, taseLoppusaldo, taseLoppusaldoEdellinen FROM tase "
                       "WHERE taseID > ? AND taseIsGroupRow = False"),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(header)});
    const dao::Field alku = rs.field(QStringLiteral("taseAlkusaldo"));
    const dao::Field muutos = rs.field(QStringLiteral("taseMuutos"));
    const dao::Field loppu = rs.field(QStringLiteral("taseLoppusaldo"));
    const dao::Field edellinen = rs.field(QStringLiteral("taseLoppusaldoEdellinen"));
    for (; !rs.isEOF(); rs.MoveNext()) {
        s.alku += NzCurrency(alku.valueRef());
        s.muutos += NzCurrency(muutos.valueRef());
        s.loppu += NzCurrency(loppu.valueRef());
        s.edellinen += NzCurrency(edellinen.valueRef());
    }
    rs.Close();
    lisaa(db, dao::Variant(taso), r.teksti, s, true, r.tlID, r.viTyyppi, QStringLiteral("**"));
    LisaaTaseTyhjaRivi(db);
}

// An account row, or with account lines on a header, a line per account
// and a total.
void LaskeTaseenRivi(dao::Database& db, long mrID, int taso, const dao::Date& end, bool ryhmarivi,
                     const QString& merkki) {
    const TaseRivi r = lueRivi(db, mrID);
    const dao::Variant viTyyppi(NzString(r.viTyyppi));
    if (!reports::TiliErottelu) {
        const Saldot s = laske(db, AccountKeys(NzString(r.tilit)), end, r.saldoPuoli);
        lisaa(db, dao::Variant(taso), r.teksti, s, ryhmarivi, dao::Variant(0L), viTyyppi, merkki);
        return;
    }
    LisaaTaseRyhmanOtsikko(db, mrID, taso);
    // A row without accounts still gets one line (with no account).
    QStringList pieces = statement_models::SplitPieces(r.tilit.isNull() ? QStringLiteral("-1") : NzString(r.tilit));
    if (pieces.isEmpty()) pieces << QString();
    if (pieces.size() > 256) pieces = pieces.mid(0, 256);
    for (const QString& piece : pieces) {
        const long tlID = piece.trimmed().toLong();
        std::vector<long> one;
        if (tlID > 0) one.push_back(tlID);
        const Saldot s = laske(db, one, end, r.saldoPuoli);
        if (reports::VainTap && s.alku.isZero() && s.muutos.isZero() && s.loppu.isZero() && s.edellinen.isZero())
            continue;
        lisaa(db, dao::Variant(taso + 1), GetTiliTeksti(db, tlID), s, false, dao::Variant(tlID), viTyyppi, QString());
    }
    LisaaTaseRyhmanSumma(db, mrID, taso);
}

QString GetVoittorivinTeksti(dao::Database& db, long maID, bool* found) {
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT mrTeksti FROM mr WHERE mrmaID = ? AND mrIsVoitto = True ORDER BY mrID"),
                         dao::RecordsetType::Snapshot, {dao::Variant(maID)});
    *found = !rs.isEOF();
    const QString text = *found ? NzString(rs.value(QStringLiteral("mrTeksti"))) : QString();
    rs.Close();
    return text;
}

// A formula row of a balance model: the profit of the income model its
// first term names, computed into tula for the period.
void LaskeTaseKaavaRivi(dao::Database& db, long mrID, int taso, const dao::Date& start, const dao::Date& end,
                        QProgressBar* bar) {
    const TaseRivi r = lueRivi(db, mrID);
    long maID = 0;
    const QStringList terms = statement_models::SplitPieces(r.kaava);
    if (!terms.isEmpty()) {
        bool ok = false;
        const long v = terms.front().mid(1).toLong(&ok);
        if (ok) maID = -v;  // a term that is no number counts as an empty formula
    }
    LaskeLiikevaihto(maID, start, end, bLiikevaihtoHiljaa, bar);
    LaskeTuloslaskelma(maID, start, end, bar);

    Saldot s;
    bool hasProfitRow = false;
    const QString text = GetVoittorivinTeksti(db, maID, &hasProfitRow);
    if (hasProfitRow) {
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT tulaToteutunutKuluvaAlusta, tulaToteutunutEdellinenAlusta FROM tula "
                           "WHERE tulaTeksti = ? AND tulaMerkki = ? AND tulaIsGroupRow = True ORDER BY tulaID"),
            dao::RecordsetType::ForwardOnly, dao::dbReadOnly,
            {dao::Variant(Cut(text, 50)), dao::Variant(QStringLiteral("**"))});
        if (!rs.isEOF()) {
            s.muutos = NzCurrency(rs.value(QStringLiteral("tulaToteutunutKuluvaAlusta")));
            s.loppu = s.muutos;
            s.edellinen = NzCurrency(rs.value(QStringLiteral("tulaToteutunutEdellinenAlusta")));
        }
        rs.Close();
    }
    lisaa(db, dao::Variant(taso), r.teksti, s, false, r.tlID, r.viTyyppi, QString());
}

void LaskeTaseRyhma(dao::Database& db, long mrID, int taso, const dao::Date& start, const dao::Date& end,
                    QProgressBar* bar, int syvyys) {
    statement_models::TarkistaSyvyys(db, mrID, syvyys);
    const std::vector<Lapsi> children = rivit(db, QStringLiteral("mrBelongsToGroup = ?"), mrID);
    if (children.empty()) {
        LaskeTaseenRivi(db, mrID, taso + 1, end, false, QString());
        return;
    }
    for (const Lapsi& c : children) {
        if (c.kaava) {
            LaskeTaseKaavaRivi(db, c.id, taso + 1, start, end, bar);
            continue;
        }
        if (IsGroup(db, c.id)) {
            LisaaTaseRyhmanOtsikko(db, c.id, taso + 1);
            LaskeTaseRyhma(db, c.id, taso + 1, start, end, bar, syvyys + 1);
            LisaaTaseRyhmanSumma(db, c.id, taso + 1);
        } else {
            LaskeTaseenRivi(db, c.id, taso + 1, end, false, QString());
        }
        Askel(bar);
    }
}

}  // namespace

void LaskeTase(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar) {
    dao::Database db = core::DBCon().AvaaDB();
    statement_models::TarkistaMallipuu(db, maID);
    Vientisummat::Vaihe vaihe(db);  // writes tase and, for formula rows, tula only
    Vientisummat::varasto(db).ennakoi(MallinTilit(db, maID));
    iPrintGroup = 0;
    dao::InTransaction(db, [&] {
        for (const Lapsi& row : rivit(db, QStringLiteral("mrmaID = ? AND mrBelongsToGroup = 0"), maID)) {
            if (row.kaava) {
                LaskeTaseKaavaRivi(db, row.id, 0, start, end, bar);
            } else {
                ++iPrintGroup;
                if (IsGroup(db, row.id)) {
                    LisaaTaseRyhmanOtsikko(db, row.id, 0);
                    LaskeTaseRyhma(db, row.id, 0, start, end, bar, 1);
                    LisaaTaseRyhmanSumma(db, row.id, 0);
                } else {
                    LaskeTaseenRivi(db, row.id, 0, end, true, QStringLiteral("**"));
                    if (!reports::TiliErottelu) LisaaTaseTyhjaRivi(db);
                }
            }
            Askel(bar);
        }
    });
}

}  // namespace statements
