#include "core/records/tositeed.h"

#include "core/nz.h"

namespace core {

namespace {

// A new voucher read from the first row of a query, or a new placeholder.
std::unique_ptr<cTositeEd> voucherAt(const QString& sql, const dao::Params& params = {}) {
    return detail::recordAt<cTositeEd>(sql, params, "toEID");
}

}  // namespace

cTositeEd::cTositeEd() : VoucherRecord(detail::kToETable) {}

cTositeEd::~cTositeEd() { c_.saveOnDestruction(); }

long cTositeEd::SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate) {
    dao::Database db = detail::BookTie::open();
    const dao::Variant maxPvm = detail::aggregate(db, QStringLiteral("SELECT MAX(toEPvm) FROM toE"));
    const dao::Variant maxNumero = detail::aggregate(db, QStringLiteral("SELECT MAX(toENumero) FROM toE"));
    const long numero = detail::plusOne(maxNumero);
    c_.tie.bindCurrentIfUnbound();
    setPaiva(maxPvm.isNull() ? dDefaultDate : NzDate(maxPvm, dDefaultDate));
    setNumero(numero);
    return numero;
}

std::unique_ptr<cVientiEd> cTositeEd::AddNewVienti(const QString& sTyyppi) const {
    if (c_.f.isEmpty) return detail::placeholder<cVientiEd>();
    auto vi = std::make_unique<cVientiEd>();
    c_.startEntry(vi->c_, sTyyppi);
    return vi;
}

RecordList<cVientiEd> cTositeEd::GetViennit(const QString& sTyyppi) const {
    return c_.entries<cVientiEd>(detail::kViETable, sTyyppi, [](cVientiEd& vi, const dao::Recordset& rs, long key) {
        vi.c_.load(rs, key);
    });
}

std::unique_ptr<cTositeEd> cTositeEd::GetFirst() const {
    if (c_.f.isEmpty) return detail::placeholder<cTositeEd>();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > 0 ORDER BY toENumero ASC"));
}

std::unique_ptr<cTositeEd> cTositeEd::GetLast() const {
    if (c_.f.isEmpty) return detail::placeholder<cTositeEd>();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > 0 ORDER BY toENumero DESC"));
}

std::unique_ptr<cTositeEd> cTositeEd::GetPrevious() const {
    if (c_.f.isEmpty) return detail::placeholder<cTositeEd>();
    // Down to the opening voucher 0, not to the automatic vouchers (-2).
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero < ? AND toENumero >= 0 "
                                    "ORDER BY toENumero DESC"),
                     {dao::Variant(c_.v.Numero)});
}

std::unique_ptr<cTositeEd> cTositeEd::GetNext() const {
    if (c_.f.isEmpty) return detail::placeholder<cTositeEd>();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > ? ORDER BY toENumero ASC"),
                     {dao::Variant(c_.v.Numero)});
}

}  // namespace core
