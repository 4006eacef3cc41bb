#include "vouchers/tositetarkistus.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/puoli.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"

#include <optional>
#include <unordered_map>

namespace vouchers {

using core::NzBoolean;
using core::NzCurrency;
using core::NzLong;
using core::NzString;

namespace {

// The columns of a voucher that a finding is filled from.
const QString kVoucherColumns =
    QStringLiteral("to.toID, to.toNumero, to.toPvm, to.toSelite, to.toAvaustosite, to.toPaatostosite");

// A finding for the voucher on the current row of rs.
cTositeTarkistusVirhe finding(const dao::Recordset& rs) {
    cTositeTarkistusVirhe v;
    v.ToId = NzLong(rs.value(QStringLiteral("toID")), 0);
    v.Numero = NzLong(rs.value(QStringLiteral("toNumero")), 0);
    v.Avaustosite = NzBoolean(rs.value(QStringLiteral("toAvaustosite")), false);
    v.Paatostosite = NzBoolean(rs.value(QStringLiteral("toPaatostosite")), false);
    v.Paiva = core::NzDate(rs.value(QStringLiteral("toPvm")), dao::Date());
    v.Selite = NzString(rs.value(QStringLiteral("toSelite")), QString());
    return v;
}

QString dateText(long numero) {
    return core::TranslateStr(QStringLiteral("Tositetarkistus"), QStringLiteral("Tositteen no:")) + u' ' +
           QString::number(numero) + u' ' +
           core::TranslateStr(QStringLiteral("Tositetarkistus"), QStringLiteral("päivä ei kuulu tilikauteen."));
}

QString balanceText(long numero) {
    return core::TranslateStr(QStringLiteral("Tositetarkistus"), QStringLiteral("Tositteen no:")) + u' ' +
           QString::number(numero) + u' ' +
           core::TranslateStr(QStringLiteral("Tositetarkistus"), QStringLiteral("debet ja kredit saldo ei täsmää."));
}

QString accountText(long numero) {
    return core::TranslateStr(QStringLiteral("Tositetarkistus"),
                              QStringLiteral("Jokin tilivalinta puuttuu tositteelta no:")) +
           u' ' + QString::number(numero) + u'.';
}

// The voucher's date, or nothing when it has none (or one that is no date).
std::optional<QDate> voucherDay(const dao::Variant& v) {
    if (v.isNull()) return std::nullopt;
    try {
        return v.toDate().date();
    } catch (const dao::DaoError&) {
        return std::nullopt;
    }
}

}  // namespace

std::vector<cTositeTarkistusVirhe> cTositeTarkistus::TarkistaTositteet() {
    std::vector<cTositeTarkistusVirhe> found;
    dao::Database db = core::DBCon().AvaaDB();

    // Entries whose voucher is gone.
    db.Execute(QStringLiteral("DELETE FROM vi WHERE NOT EXISTS (SELECT * FROM to WHERE vi.vitoID = to.toID)"));
    db.Execute(QStringLiteral("DELETE FROM viE WHERE NOT EXISTS (SELECT * FROM toE WHERE viE.viEtoID = toE.toEID)"));

    // The vouchers of the date and balance passes: the book's own, not the
    // automatic ones.
    struct Voucher {
        cTositeTarkistusVirhe base;
        std::optional<QDate> day;
    };
    std::vector<Voucher> vouchers;
    {
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT ") + kVoucherColumns +
                                                 QStringLiteral(" FROM to WHERE toNumero >= 0 AND toAutomaatti = False "
                                                                "ORDER BY toNumero, toID"),
                                             dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext())
            vouchers.push_back(Voucher{finding(rs), voucherDay(rs.value(QStringLiteral("toPvm")))});
        rs.Close();
    }

    // Date pass: both ends of the year are inside; the time of day does not
    // count. A voucher without a date gives one finding.
    const QDate alku = core::TilikausiAlku.date();
    const QDate loppu = core::TilikausiLoppu.date();
    for (const Voucher& v : vouchers) {
        auto add = [&] {
            cTositeTarkistusVirhe f = v.base;
            f.VirheTeksti = dateText(f.Numero);
            found.push_back(std::move(f));
        };
        if (!v.day) {
            add();
            continue;
        }
        if (*v.day < alku) add();
        if (*v.day > loppu) add();
    }

    // Balance pass: every entry of the voucher counts (opening, closing and
    // automatic ones too), by its side, debit or credit; other codes count
    // nowhere. The sums are exact; a difference above 0.0001 is reported.
    {
        std::unordered_map<long, dao::Currency> erotus;  // toID -> debit minus credit
        dao::Recordset rs =
            db.OpenRecordset(QStringLiteral("SELECT vitoID, viTyyppi, viArvo FROM vi"), dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString side = NzString(rs.value(QStringLiteral("viTyyppi")), QString());
            const bool debet = core::OnDebet(side);
            if (!debet && !core::OnKredit(side)) continue;
            const dao::Currency arvo = NzCurrency(rs.value(QStringLiteral("viArvo")), dao::Currency());
            dao::Currency& e = erotus[NzLong(rs.value(QStringLiteral("vitoID")), 0)];
            e = debet ? e + arvo : e - arvo;
        }
        rs.Close();
        const dao::Currency tolerance = dao::Currency::fromRaw(1);  // 0.0001
        for (const Voucher& v : vouchers) {
            const auto it = erotus.find(v.base.ToId);
            if (it == erotus.end() || it->second.abs() <= tolerance) continue;
            cTositeTarkistusVirhe f = v.base;
            f.VirheTeksti = balanceText(f.Numero);
            found.push_back(std::move(f));
        }
    }

    // Account pass: each entry of a book's own voucher (automatic ones
    // included) whose account does not exist, an entry without account too.
    {
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT ") + kVoucherColumns +
                QStringLiteral(" FROM vi INNER JOIN to ON vi.vitoID = to.toID "
                               "WHERE to.toNumero >= 0 AND NOT EXISTS (SELECT * FROM tl WHERE vi.vitlID = tl.tlID) "
                               "ORDER BY to.toNumero, to.toID, vi.viID"),
            dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            cTositeTarkistusVirhe f = finding(rs);
            f.VirheTeksti = accountText(f.Numero);
            found.push_back(std::move(f));
        }
        rs.Close();
    }
    return found;
}

}  // namespace vouchers
