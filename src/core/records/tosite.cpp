#include "core/records/tosite.h"

#include "core/nz.h"
#include "core/settings.h"
#include "platform/dao/error.h"

#include <algorithm>
#include <optional>

namespace core {

namespace {

// A new voucher read from the first row of a query, or a new placeholder.
std::unique_ptr<cTosite> voucherAt(const QString& sql, const dao::Params& params = {}) {
    return detail::recordAt<cTosite>(sql, params, "toID");
}

}  // namespace

cTosite::cTosite() : VoucherRecord(detail::kToTable) {}

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
    const long numero = detail::plusOne(maxNumero);
    const dao::Variant maxPvm = detail::aggregate(db, QStringLiteral("SELECT MAX(toPvm) FROM to WHERE toNumero >= 0"));
    c_.tie.bindCurrentIfUnbound();
    setPaiva(maxPvm.isNull() ? dDefaultDate : NzDate(maxPvm, dDefaultDate));
    setNumero(numero);
    return numero;
}

std::unique_ptr<cVienti> cTosite::AddNewVienti(const QString& sTyyppi) const {
    if (c_.f.isEmpty) return detail::placeholder<cVienti>();
    auto vi = std::make_unique<cVienti>();
    c_.startEntry(vi->c_, sTyyppi);
    return vi;
}

RecordList<cVienti> cTosite::GetViennit(const QString& sTyyppi) const {
    return c_.entries<cVienti>(detail::kViTable, sTyyppi, [](cVienti& vi, const dao::Recordset& rs, long key) {
        vi.c_.load(rs, key);
    });
}

cTosite::Tallennus cTosite::TallennaKerralla(cTosite* t, const std::vector<cVienti*>& viennit, long lisattava,
                                             const std::function<void()>& lisaksi) {
    // Nothing to write: not even a transaction is begun. (A new entry with
    // neither an account nor an amount is never stored.)
    auto pending = [](const detail::VoucherRecord* r) { return r && !r->IsEmpty() && r->isDirty(); };
    auto pendingEntry = [](const cVienti* v) {
        return !v->IsEmpty() && v->isDirty() && (v->id() != 0 || v->tlID() != 0 || !v->Arvo().isZero());
    };
    if (!pending(t) && std::none_of(viennit.begin(), viennit.end(), pendingEntry)) return Tallennus::Tehty;

    // What each record holds now, to put back when the transaction goes.
    using VoucherState = detail::RecordState<detail::VoucherValues>;
    using EntryState = detail::RecordState<detail::EntryValues>;
    std::optional<VoucherState> voucherBefore;
    if (t) voucherBefore = static_cast<const VoucherState&>(t->c_);
    std::vector<EntryState> entriesBefore;
    entriesBefore.reserve(viennit.size());
    for (const cVienti* v : viennit) entriesBefore.push_back(static_cast<const EntryState&>(v->c_));
    auto putBack = [&] {
        if (t) static_cast<VoucherState&>(t->c_) = *voucherBefore;
        for (size_t i = 0; i < viennit.size(); ++i) static_cast<EntryState&>(viennit[i]->c_) = entriesBefore[i];
    };
    // The stored vouchers that the rows to write belong to.
    std::vector<long> vouchers;
    if (t && !t->IsEmpty() && t->id() != 0) vouchers.push_back(t->id());
    for (const cVienti* v : viennit)
        if (pendingEntry(v) && v->ToId() != 0 && v->ToId() != lisattava &&
            std::ranges::find(vouchers, v->ToId()) == vouchers.end())
            vouchers.push_back(v->ToId());

    struct Poissa {};
    struct VuosiVaihtunut {};
    dao::Database db = detail::BookTie::open();
    try {
        dao::InTransaction(db, [&] {
            // Looked at inside the write, which no other copy of the program
            // can change: nothing is dated by a year the book no longer
            // keeps, and entries are never stored for a voucher that is gone.
            if (!TilikausiEnnallaan(db)) throw VuosiVaihtunut{};
            for (long id : vouchers)
                if (!detail::firstKey(QStringLiteral("SELECT toID FROM to WHERE toID = ?"), {dao::Variant(id)}, "toID"))
                    throw Poissa{};
            if (t) t->Save(false);
            for (cVienti* v : viennit) v->Save(false);
            if (lisaksi) lisaksi();
        });
    } catch (const Poissa&) {
        putBack();
        return Tallennus::Muuttunut;
    } catch (const VuosiVaihtunut&) {
        putBack();
        return Tallennus::TilikausiVaihtunut;
    } catch (const dao::DaoError& e) {
        // Nothing was written (one transaction): the records take back what
        // they held before. A stored row that Save no longer finds was
        // deleted meanwhile; any other failure goes on to the caller.
        putBack();
        if (e.number() == dao::err::NoCurrentRecord) return Tallennus::Muuttunut;
        throw;
    } catch (...) {
        putBack();
        throw;
    }
    return Tallennus::Tehty;
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
    if (c_.f.isEmpty) return detail::placeholder<cTosite>();
    // Down to the opening voucher 0; the program's work vouchers below 0
    // (ledger print, automatic bookings) are not the user's to browse.
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero < ? AND toNumero >= 0 AND toAvaustosite = ? "
                                    "AND toPaatostosite = ? ORDER BY toNumero DESC"),
                     {dao::Variant(c_.v.Numero), dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

std::unique_ptr<cTosite> cTosite::GetNext(bool bAvaus, bool bPaatos) const {
    if (c_.f.isEmpty) return detail::placeholder<cTosite>();
    return voucherAt(QStringLiteral("SELECT toID FROM to WHERE toNumero > ? AND toAvaustosite = ? AND toPaatostosite = ? "
                                    "ORDER BY toNumero ASC"),
                     {dao::Variant(c_.v.Numero), dao::Variant(bAvaus), dao::Variant(bPaatos)});
}

}  // namespace core
