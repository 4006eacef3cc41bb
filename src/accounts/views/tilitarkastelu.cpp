#include "accounts/views/tilitarkastelu.h"

#include "core/nz.h"

namespace accounts {

namespace {

const core::detail::RowTable kTlTarkastelut{"tlTarkastelut", "tltID"};

}  // namespace

cTiliTarkastelu::cTiliTarkastelu() = default;

cTiliTarkastelu::~cTiliTarkastelu() {
    r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cTiliTarkastelu::describe() const {
    return QStringLiteral("Tilitarkastelun rivi, tosite %1 (tltID %2)").arg(r_.v.Numero).arg(r_.id);
}

bool cTiliTarkastelu::Read(long id) {
    return r_.readOrReset(kTlTarkastelut, id, [this](const dao::Recordset& rs) {
        r_.v.Numero = core::NzLong(rs.value(QStringLiteral("Numero")));
        r_.v.Paiva = core::NzDate(rs.value(QStringLiteral("Paiva")));
        r_.v.Selite = core::NzString(rs.value(QStringLiteral("Selite")));
        r_.v.Debet = core::NzCurrency(rs.value(QStringLiteral("Debet")));
        r_.v.Kredit = core::NzCurrency(rs.value(QStringLiteral("Kredit")));
        r_.v.Erotus = core::NzCurrency(rs.value(QStringLiteral("Erotus")));
    });
}

bool cTiliTarkastelu::Save(bool Force) {
    return r_.save(Force, kTlTarkastelut, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("Numero"), dao::Variant(r_.v.Numero));
        rs.setValue(QStringLiteral("Paiva"), dao::Variant(r_.v.Paiva));
        rs.setValue(QStringLiteral("Selite"), dao::Variant(core::detail::blankIfEmpty(r_.v.Selite)));
        rs.setValue(QStringLiteral("Debet"), dao::Variant(r_.v.Debet));
        rs.setValue(QStringLiteral("Kredit"), dao::Variant(r_.v.Kredit));
        rs.setValue(QStringLiteral("Erotus"), dao::Variant(r_.v.Erotus));
    });
}

void cTiliTarkastelu::Delete() { r_.remove(kTlTarkastelut, [this] { return describe(); }); }

void cTiliTarkastelut::Tyhjenna() {
    core::detail::BookTie::open().Execute(QStringLiteral("DELETE FROM tlTarkastelut"));
}

}  // namespace accounts
