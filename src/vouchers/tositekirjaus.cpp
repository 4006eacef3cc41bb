#include "vouchers/tositekirjaus.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/settings.h"
#include "core/puoli.h"
#include "vouchers/tositepohja.h"

#include <algorithm>
#include <climits>

namespace vouchers {

using core::NzLong;
using core::NzString;

std::unique_ptr<core::cTosite> UusiTosite(bool avaus, bool paatos) {
    auto t = std::make_unique<core::cTosite>();
    dao::Database db = core::DBCon().AvaaDB();
    try {
        // The number and the key are taken inside the write that stores the
        // voucher, so that another copy of the program on the same book
        // takes neither of them.
        dao::InTransaction(db, [&] {
            // A voucher dated by a year the book no longer keeps is not made.
            if (!core::TilikausiEnnallaan(db)) {
                t.reset();
                return;
            }
            t->SetTositeNumeroJaPaiva(core::TilikausiAlku, avaus);
            t->setAvaustosite(avaus);
            t->setPaatostosite(paatos);
            t->Save(true);
        });
    } catch (...) {
        // Nothing of it is in the book: it must not store itself as it goes.
        if (t) t->setIsEmpty(true);
        throw;
    }
    return t;
}

std::unique_ptr<core::cTosite> TositePohjasta(const cTositePohja& p, bool avaus, bool paatos) {
    std::unique_ptr<core::cTosite> t;
    std::vector<std::unique_ptr<core::cVienti>> viennit;
    dao::Database db = core::DBCon().AvaaDB();
    try {
        dao::InTransaction(db, [&] {
            t = UusiTosite(avaus, paatos);
            if (!t) return;
            t->setSelite(p.Selite());
            for (const QString& side : {QStringLiteral("D"), QStringLiteral("K")}) {
                const core::RecordList<cVientiPohja> lines = p.GetVientipohjat(side);
                for (const auto& line : lines) {
                    viennit.push_back(t->AddNewVienti(side));
                    core::cVienti& v = *viennit.back();
                    v.setTlID(line.record->tlID());
                    v.setKpID(line.record->kpID());
                    v.setArvo(line.record->Arvo());
                    v.setSelite(p.Selite());
                    // A line without account and amount gives no entry.
                    v.Save(false);
                }
            }
        });
    } catch (...) {
        // Nothing of the voucher is in the book: its records must not write
        // themselves as they go.
        if (t) t->setIsEmpty(true);
        for (auto& v : viennit) v->setIsEmpty(true);
        throw;
    }
    return t;
}

QDate TositteenPaiva(const QDate& typed, const QDate& alku, const QDate& loppu) {
    if (typed >= alku && typed <= loppu) return typed;
    return typed.year() > loppu.year() ? typed.addYears(-1) : typed;
}

QString TositeListanTeksti(long numero, const QString& selite) {
    return QString::number(numero) + QLatin1Char(' ') + selite;
}

std::vector<TositeListanRivi> TositeListanRivit(bool avaus, bool paatos, const std::optional<TositeListanRivi>& jalkeen,
                                                int enintaan) {
    std::vector<TositeListanRivi> rivit;
    if (enintaan <= 0) return rivit;
    QString sql = QStringLiteral("SELECT TOP %1 toID, toNumero, toSelite FROM to WHERE ").arg(enintaan);
    if (avaus)
        sql += QStringLiteral("toAvaustosite = True");
    else if (paatos)
        sql += QStringLiteral("toPaatostosite = True");
    else
        sql += QStringLiteral("toAvaustosite = False AND toPaatostosite = False");
    dao::Params params;
    if (jalkeen) {
        // The number index is entered at the last line's number, not at 0:
        // a later page costs no more than the first.
        sql += QStringLiteral(" AND toNumero >= ? AND (toNumero > ? OR toID > ?)");
        params = {dao::Variant(jalkeen->numero), dao::Variant(jalkeen->numero), dao::Variant(jalkeen->toID)};
    } else {
        sql += QStringLiteral(" AND toNumero >= 0");
    }
    sql += QStringLiteral(" ORDER BY toNumero, toID");
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    for (; !rs.isEOF(); rs.MoveNext())
        rivit.push_back(TositeListanRivi{NzLong(rs.value(QStringLiteral("toID")), 0),
                                         NzLong(rs.value(QStringLiteral("toNumero")), 0),
                                         NzString(rs.value(QStringLiteral("toSelite")))});
    rs.Close();
    return rivit;
}

int SuurinVientimaara(int vahintaan) {
    // The entries of a voucher are counted in all from the voucher index of
    // the entries, without reading the entries; only the vouchers with more
    // than vahintaan of them can have more on one side, and only their
    // entries are read and counted by side (a "d" with the "D"s, as the
    // column compares).
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT MAX(Lkm) AS Suurin FROM (SELECT COUNT(*) AS Lkm FROM vi INNER JOIN to "
                       "ON vi.vitoID = to.toID WHERE vi.vitoID IN (SELECT vitoID FROM vi GROUP BY vitoID "
                       "HAVING COUNT(*) > ?) AND (vi.viTyyppi = 'D' OR vi.viTyyppi = 'K') "
                       "GROUP BY vi.vitoID, vi.viTyyppi)"),
        dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(long(vahintaan))});
    const long suurin = rs.isEOF() ? 0 : NzLong(rs.value(QStringLiteral("Suurin")), 0);
    rs.Close();
    return suurin > vahintaan ? int(std::min<long>(suurin, INT_MAX)) : vahintaan;
}

std::optional<long> SuurinTositenumero() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT MAX(toNumero) AS Suurin FROM to"),
                                         dao::RecordsetType::ForwardOnly, dao::dbReadOnly);
    std::optional<long> suurin;
    if (!rs.isEOF()) {
        const dao::Variant v = rs.value(QStringLiteral("Suurin"));
        if (!v.isNull()) suurin = NzLong(v, 0);
    }
    rs.Close();
    return suurin;
}

namespace {

// The engine sums, one line per side code as written (the code is compared
// as an expression, not as the case-blind column); each amount in
// ten-thousandths, a whole number, so the sum is exact.
TilinSummat summaa(dao::Database& db, long tlID, long toID) {
    QString sql = QStringLiteral("SELECT vi.viTyyppi & '' AS Puoli, SUM(CLng(vi.viArvo * 10000)) AS Summa FROM vi "
                                 "INNER JOIN to ON vi.vitoID = to.toID WHERE vi.vitlID = ?");
    dao::Params params{dao::Variant(tlID)};
    if (toID != 0) {
        sql += QStringLiteral(" AND vi.vitoID = ?");
        params.emplace_back(toID);
    }
    sql += QStringLiteral(" GROUP BY vi.viTyyppi & ''");
    TilinSummat s;
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::ForwardOnly, dao::dbReadOnly, params);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const QString tyyppi = NzString(rs.value(QStringLiteral("Puoli")));
        const dao::Variant summa = rs.value(QStringLiteral("Summa"));
        const dao::Currency arvo = dao::Currency::fromRaw(summa.isNull() ? 0 : summa.toLong());
        if (core::OnDebet(tyyppi))
            s.debet += arvo;
        else if (core::OnKredit(tyyppi))
            s.kredit += arvo;
    }
    rs.Close();
    return s;
}

}  // namespace

TilinSummat TilinSaldo::Summat(long tlID, long toID) {
    dao::Database db = core::DBCon().AvaaDB();
    if (toID != 0) return summaa(db, tlID, toID);
    const bool settled = db.transactionDepth() == 0;
    const dao::ContentStamp stamp = db.contentStamp();
    if (settled && kaikki_ && kaikki_->tlID == tlID && kaikki_->stamp == stamp) return kaikki_->summat;
    const TilinSummat s = summaa(db, tlID, 0);
    if (settled)
        kaikki_ = Muistissa{stamp, tlID, s};
    else
        kaikki_.reset();
    return s;
}

}  // namespace vouchers
