#include "accounts/views/tiliensaldo.h"

#include "core/nz.h"

namespace accounts {

namespace {

const core::detail::RowTable kTlSaldot{"tlSaldot", "tlsID"};

}  // namespace

cTilienSaldo::cTilienSaldo() = default;

cTilienSaldo::~cTilienSaldo() {
    r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cTilienSaldo::describe() const { return QStringLiteral("Tilin saldo %1 (tlsID %2)").arg(r_.v.Tili).arg(r_.id); }

bool cTilienSaldo::Read(long id) {
    return r_.readOrReset(kTlSaldot, id, [this](const dao::Recordset& rs) {
        r_.v.Tili = core::NzString(rs.value(QStringLiteral("Tili")));
        r_.v.Debet = core::NzCurrency(rs.value(QStringLiteral("Debet")));
        r_.v.Kredit = core::NzCurrency(rs.value(QStringLiteral("Kredit")));
        r_.v.Erotus = core::NzCurrency(rs.value(QStringLiteral("Erotus")));
    });
}

bool cTilienSaldo::Save(bool Force) {
    return r_.save(Force, kTlSaldot, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("Tili"), dao::Variant(r_.v.Tili));
        rs.setValue(QStringLiteral("Debet"), dao::Variant(r_.v.Debet));
        rs.setValue(QStringLiteral("Kredit"), dao::Variant(r_.v.Kredit));
        rs.setValue(QStringLiteral("Erotus"), dao::Variant(r_.v.Erotus));
    });
}

void cTilienSaldo::Delete() { r_.remove(kTlSaldot, [this] { return describe(); }); }

void cTilienSaldot::Tyhjenna() { core::detail::BookTie::open().Execute(QStringLiteral("DELETE FROM tlSaldot")); }

}  // namespace accounts
