#include "core/records/tositeed.h"

#include "core/nz.h"

namespace core {

namespace {

std::unique_ptr<cTositeEd> placeholder() {
    auto t = std::make_unique<cTositeEd>();
    t->setIsEmpty(true);
    return t;
}

std::unique_ptr<cTositeEd> voucherAt(const QString& sql, const dao::Params& params = {}) {
    auto t = std::make_unique<cTositeEd>();
    if (const std::optional<long> key = detail::firstKey(sql, params, "toEID"))
        t->Read(*key);
    else
        t->setIsEmpty(true);
    return t;
}

}  // namespace

cTositeEd::cTositeEd() : c_(detail::kToETable) {}

cTositeEd::~cTositeEd() { c_.saveOnDestruction(); }

long cTositeEd::SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate) {
    dao::Database db = detail::BookTie::open();
    const dao::Variant maxPvm = detail::aggregate(db, QStringLiteral("SELECT MAX(toEPvm) FROM toE"));
    const dao::Variant maxNumero = detail::aggregate(db, QStringLiteral("SELECT MAX(toENumero) FROM toE"));
    const long numero = maxNumero.isNull() ? 1 : NzLong(maxNumero, 0) + 1;
    c_.tie.bindCurrentIfUnbound();
    setPaiva(maxPvm.isNull() ? dDefaultDate : NzDate(maxPvm, dDefaultDate));
    setNumero(numero);
    return numero;
}

bool cTositeEd::Delete() {
    c_.remove();
    return false;
}

std::unique_ptr<cVientiEd> cTositeEd::AddNewVienti(const QString& sTyyppi) const {
    auto vi = std::make_unique<cVientiEd>();
    if (c_.f.isEmpty) {
        vi->setIsEmpty(true);
        return vi;
    }
    vi->setToEID(c_.id);
    vi->setTyyppi(sTyyppi);
    vi->setAvausvienti(c_.v.Avaustosite);
    vi->setPaatosvienti(c_.v.Paatostosite);
    vi->setSelite(c_.v.Selite);
    vi->setAutomaatti(c_.v.Automaatti);
    vi->c_.tie.copyFrom(c_.tie);
    return vi;
}

RecordList<cVientiEd> cTositeEd::GetViennit(const QString& sTyyppi) const {
    RecordList<cVientiEd> list;
    if (c_.f.isEmpty || c_.id == 0) return list;
    dao::Database db = c_.tie.openOwn([this] { return c_.describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM viE WHERE viEtoID = ? AND viETyyppi = ? ORDER BY viEID"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(c_.id), dao::Variant(sTyyppi)});
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long viEID = NzLong(rs.value(QStringLiteral("viEID")), 0);
        auto vi = std::make_unique<cVientiEd>();
        vi->c_.load(rs, viEID);
        list.add(QStringLiteral("vi%1").arg(viEID), std::move(vi));
    }
    rs.Close();
    return list;
}

std::unique_ptr<cTositeEd> cTositeEd::GetFirst() const {
    if (c_.f.isEmpty) return placeholder();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > 0 ORDER BY toENumero ASC"));
}

std::unique_ptr<cTositeEd> cTositeEd::GetLast() const {
    if (c_.f.isEmpty) return placeholder();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > 0 ORDER BY toENumero DESC"));
}

std::unique_ptr<cTositeEd> cTositeEd::GetPrevious() const {
    if (c_.f.isEmpty) return placeholder();
    // Down to the opening voucher 0, not to the automatic vouchers (-2).
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero < ? AND toENumero >= 0 "
                                    "ORDER BY toENumero DESC"),
                     {dao::Variant(c_.v.Numero)});
}

std::unique_ptr<cTositeEd> cTositeEd::GetNext() const {
    if (c_.f.isEmpty) return placeholder();
    return voucherAt(QStringLiteral("SELECT toEID FROM toE WHERE toENumero > ? ORDER BY toENumero ASC"),
                     {dao::Variant(c_.v.Numero)});
}

}  // namespace core
