#include "accounts/views/viewdata.h"

#include "accounts/views/tiliensaldo.h"
#include "accounts/views/tilitarkastelu.h"
#include "core/dbc.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/records/lists.h"
#include "core/records/recordcore.h"

#include <QHash>

namespace accounts {

namespace {

// The amount on the side the code names; nothing for another code.
struct Sivu {
    bool debet = false;
    bool kredit = false;
};
Sivu sivu(const dao::Variant& tyyppi) {
    const QString side = core::NzString(tyyppi);
    return Sivu{core::OnDebet(side), core::OnKredit(side)};
}

// Empties a work table and stores a record per line, filled by fill; the
// whole of it or nothing.
template <class Record, class Line, class Empty, class Fill>
void rewriteWorkTable(const std::vector<Line>& lines, Empty empty, Fill fill) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] {
        empty();
        for (const Line& line : lines) {
            Record row;
            fill(line, row);
            row.Save(true);
            row.Release();
        }
    });
}

}  // namespace

// ---------------------------------------------------------------- balances of all accounts

int TilienMaara() {
    dao::Database db = core::DBCon().AvaaDB();
    return int(core::NzLong(core::detail::aggregate(db, QStringLiteral("SELECT COUNT(tlID) FROM tl"))));
}

std::vector<SaldoRivi> TilienSaldot() {
    // The sums of every account's entries by side, in one pass over the
    // entries of the year's vouchers.
    struct Sums {
        dao::Currency d, k;
    };
    QHash<long, Sums> sums;
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT vitlID, viTyyppi, viArvo FROM to, vi WHERE toID = vitoID AND viAutomaatti = False"),
        dao::RecordsetType::ForwardOnly);
    for (; !rs.isEOF(); rs.MoveNext()) {
        const Sivu s = sivu(rs.value(QStringLiteral("viTyyppi")));
        if (!s.debet && !s.kredit) continue;
        Sums& sum = sums[core::NzLong(rs.value(QStringLiteral("vitlID")))];
        (s.debet ? sum.d : sum.k) += core::NzCurrency(rs.value(QStringLiteral("viArvo")));
    }
    rs.Close();

    std::vector<SaldoRivi> rivit;
    for (const core::ListLine& tili : core::AccountList(db, core::AccountOrder::ByNumberThenId)) {
        const Sums s = sums.value(tili.id);
        rivit.push_back(SaldoRivi{tili.text(), s.d, s.k});
    }
    return rivit;
}

void KirjoitaSaldot(const std::vector<SaldoRivi>& rivit) {
    rewriteWorkTable<cTilienSaldo>(
        rivit, [] { cTilienSaldot().Tyhjenna(); },
        [](const SaldoRivi& r, cTilienSaldo& row) {
            row.setTili(r.tili);
            row.setDebet(r.debet);
            row.setKredit(r.kredit);
            row.setErotus(r.debet - r.kredit);
        });
}

// ---------------------------------------------------------------- entries of one account

std::vector<TarkasteluRivi> TilinViennit(long tlID) {
    std::vector<TarkasteluRivi> rivit;
    dao::Database db = core::DBCon().AvaaDB();
    // Entries of one date come in voucher and entry order.
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toNumero, toPvm, toSelite, viTyyppi, viArvo FROM vi, to "
                       "WHERE toNumero >= 0 AND vitoID = toID AND vitlID = ? ORDER BY toPvm, toNumero, viID"),
        dao::RecordsetType::ForwardOnly, {dao::Variant(tlID)});
    for (; !rs.isEOF(); rs.MoveNext()) {
        TarkasteluRivi r{core::NzLong(rs.value(QStringLiteral("toNumero"))), core::NzDate(rs.value(QStringLiteral("toPvm"))),
                         core::NzString(rs.value(QStringLiteral("toSelite"))), {}, {}};
        // Any other entry is listed with zeros.
        const Sivu s = sivu(rs.value(QStringLiteral("viTyyppi")));
        const dao::Currency a = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
        if (s.debet)
            r.debet = a;
        else if (s.kredit)
            r.kredit = a;
        rivit.push_back(std::move(r));
    }
    rs.Close();
    return rivit;
}

void KirjoitaTarkastelu(const std::vector<TarkasteluRivi>& rivit) {
    rewriteWorkTable<cTiliTarkastelu>(
        rivit, [] { cTiliTarkastelut().Tyhjenna(); },
        [](const TarkasteluRivi& r, cTiliTarkastelu& row) {
            row.setNumero(r.numero);
            row.setSelite(r.selite);
            row.setPaiva(r.paiva);
            row.setDebet(r.debet);
            row.setKredit(r.kredit);
            row.setErotus(r.debet - r.kredit);
        });
}

// ---------------------------------------------------------------- daily balances

std::vector<PaivaSaldo> TilinPaivaSaldot(long tlID, const dao::Date& alku, const dao::Date& loppu) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT toPvm, viTyyppi, viArvo FROM vi, to WHERE toNumero >= 0 AND toPvm >= ? AND toPvm <= ? "
                       "AND vitoID = toID AND vitlID = ? ORDER BY toPvm"),
        dao::RecordsetType::ForwardOnly, {dao::Variant(alku), dao::Variant(loppu), dao::Variant(tlID)});
    std::vector<PaivaSaldo> paivat;
    dao::Currency saldo;
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Date d = core::NzDate(rs.value(QStringLiteral("toPvm")));
        if (paivat.empty() || d != paivat.back().paiva) paivat.push_back(PaivaSaldo{d, {}, {}, saldo});
        PaivaSaldo& day = paivat.back();
        const Sivu s = sivu(rs.value(QStringLiteral("viTyyppi")));
        const dao::Currency a = core::NzCurrency(rs.value(QStringLiteral("viArvo")));
        if (s.debet) {
            day.debet += a;
            saldo += a;
        } else if (s.kredit) {
            day.kredit += a;
            saldo -= a;
        }
        day.saldo = saldo;
    }
    rs.Close();
    return paivat;
}

// ---------------------------------------------------------------- a new account

bool TilinumeroKaytossa(dao::Database& db, long numero) {
    return core::NzLong(core::detail::aggregate(db, QStringLiteral("SELECT COUNT(*) FROM tl WHERE tlNumero = ?"),
                                                {dao::Variant(numero)})) != 0;
}

long LisaaTili(dao::Database& db, long numero, const QString& nimi, const QString& kuvaus) {
    dao::Recordset add = db.OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = 0"), dao::RecordsetType::Dynaset);
    add.AddNew();
    const long id = core::NzLong(add.value(QStringLiteral("tlID")));
    add.setValue(QStringLiteral("tlNimi"), dao::Variant(nimi));
    add.setValue(QStringLiteral("tlKuvaus"), dao::Variant(kuvaus));
    add.setValue(QStringLiteral("tlNumero"), dao::Variant(numero));
    add.Update();
    add.Close();
    return id;
}

}  // namespace accounts
