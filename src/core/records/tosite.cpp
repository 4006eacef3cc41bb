#include "core/records/tosite.h"

#include "core/nz.h"

namespace core {

namespace {

// A new voucher read from the first row of a query, or a new placeholder.
std::unique_ptr<cTosite> voucherAt(const QString& sql, const dao::Params& params) {
    auto t = std::make_unique<cTosite>();
    if (const std::optional<long> key = detail::firstKey(sql, params, "toID"))
        t->Read(*key);
    else
        t->setIsEmpty(true);
    return t;
}

std::unique_ptr<cTosite> placeholder() {
    auto t = std::make_unique<cTosite>();
    t->setIsEmpty(true);
    return t;
}

}  // namespace

cTosite::cTosite() : c_(detail::kToTable) {}

cTosite::~cTosite() { c_.saveOnDestruction(); }

void cTosite::raiseNameChanged() {
    if (c_.id != 0 && NameChanged) NameChanged(c_.id, c_.v.Selite);
}

void cTosite::setNumero(long v) {
    c_.set(c_.v.Numero, v);
    raiseNameChanged();
}

void cTosite::setSelite(const QString& v) {
    c_.setSelite(v);
    raiseNameChanged();
}

long cTosite::SetTositeNumeroJaPaiva(const dao::Date& dDefaultDate, bool /*bAvaustositeNumero*/) {
    // One number series for every mode; the work vouchers below 0 count
    // neither for the number nor for the date.
    dao::Database db = detail::BookTie::open();
    const dao::Variant maxNumero = detail::aggregate(db, QStringLiteral("SELECT MAX(toNumero) FROM to WHERE toNumero >= 0"));
    const long numero = maxNumero.isNull() ? 1 : NzLong(maxNumero, 0) + 1;
    const dao::Variant maxPvm = detail::aggregate(db, QStringLiteral("SELECT MAX(toPvm) FROM to WHERE toNumero >= 0"));
    c_.tie.bindCurrentIfUnbound();
    setPaiva(maxPvm.isNull() ? dDefaultDate : NzDate(maxPvm, dDefaultDate));
    setNumero(numero);
    return numero;
}

bool cTosite::Delete() {
    c_.remove();
    return false;
}

std::unique_ptr<cVienti> cTosite::AddNewVienti(const QString& sTyyppi) const {
    auto vi = std::make_unique<cVienti>();
    if (c_.f.isEmpty) {
        vi->setIsEmpty(true);
        return vi;
    }
    vi->setToId(c_.id);
    vi->setTyyppi(sTyyppi);
    vi->setAvausvienti(c_.v.Avaustosite);
    vi->setPaatosvienti(c_.v.Paatostosite);
    vi->setSelite(c_.v.Selite);
    vi->setAutomaatti(c_.v.Automaatti);
    // The entry names this voucher's row, so it belongs to the same book.
    vi->c_.tie.copyFrom(c_.tie);
    return vi;
}

RecordList<cVienti> cTosite::GetViennit(const QString& sTyyppi) const {
    RecordList<cVienti> list;
    if (c_.f.isEmpty || c_.id == 0) return list;
    dao::Database db = c_.tie.openOwn([this] { return c_.describe(); });
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM vi WHERE vitoID = ? AND viTyyppi = ? ORDER BY viID"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(c_.id), dao::Variant(sTyyppi)});
    for (; !rs.isEOF(); rs.MoveNext()) {
        const long viID = NzLong(rs.value(QStringLiteral("viID")), 0);
        auto vi = std::make_unique<cVienti>();
        vi->c_.load(rs, viID);
        list.add(QStringLiteral("vi%1").arg(viID), std::move(vi));
    }
    rs.Close();
    return list;
}

std::unique_ptr<cTosite> cTosite::GetFirst(bool bAvaus, bool bPaatos) const {
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero > 0 AND toAvaustosite = ? AND toPaatostosite = ? "
                                    "ORDER BY toNumero ASC"),
                     {dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

std::unique_ptr<cTosite> cTosite::GetLast(bool bAvaus, bool bPaatos) const {
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero > 0 AND toAvaustosite = ? AND toPaatostosite = ? "
                                    "ORDER BY toNumero DESC"),
                     {dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

std::unique_ptr<cTosite> cTosite::GetPrevious(bool bAvaus, bool bPaatos) const {
    if (c_.f.isEmpty) return placeholder();
    // Down to the opening voucher 0; the program's work vouchers below 0
    // (ledger print, automatic bookings) are not the user's to browse.
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero < ? AND toNumero >= 0 AND toAvaustosite = ? "
                                    "AND toPaatostosite = ? ORDER BY toNumero DESC"),
                     {dao::Variant(c_.v.Numero), dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

std::unique_ptr<cTosite> cTosite::GetNext(bool bAvaus, bool bPaatos) const {
    if (c_.f.isEmpty) return placeholder();
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero > ? AND toAvaustosite = ? AND toPaatostosite = ? "
                                    "ORDER BY toNumero ASC"),
                     {dao::Variant(c_.v.Numero), dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

}  // namespace core
