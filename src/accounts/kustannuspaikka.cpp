#include "accounts/kustannuspaikka.h"

#include "core/nz.h"

namespace accounts {

namespace {

const core::detail::RowTable kKp{"kp", "kpID"};

// A new object read from the first row of the query, or a placeholder.
std::unique_ptr<cKustannuspaikka> costCentreAt(const QString& sql, const dao::Params& params = {}) {
    return core::detail::recordAt<cKustannuspaikka>(sql, params, "kpID");
}

}  // namespace

cKustannuspaikka::cKustannuspaikka() = default;

cKustannuspaikka::~cKustannuspaikka() {
    r_.saveOnDestruction([this] { return describe(); }, [this] { Save(false); });
}

QString cKustannuspaikka::describe() const {
    return QStringLiteral("Kustannuspaikka %1 (kpID %2)").arg(r_.v.Numero).arg(r_.id);
}

void cKustannuspaikka::raiseNameChanged() {
    if (r_.id != 0 && NameChanged) NameChanged(r_.id, r_.v.Numero, r_.v.Nimi);
}

void cKustannuspaikka::setNimi(const QString& v) {
    r_.setText(r_.v.Nimi, v, kNimiWidth);
    raiseNameChanged();
}

void cKustannuspaikka::setNumero(long v) {
    r_.set(r_.v.Numero, v);
    raiseNameChanged();
}

bool cKustannuspaikka::Read(long id) {
    // The changed flag is left as it was.
    return r_.readOrReset(kKp, id, [this](const dao::Recordset& rs) {
        r_.v.Nimi = core::NzString(rs.value(QStringLiteral("kpNimi")), QString());
        r_.v.Kuvaus = core::NzString(rs.value(QStringLiteral("kpKuvaus")), QString());
        r_.v.Numero = core::NzLong(rs.value(QStringLiteral("kpNumero")), 0);
    });
}

bool cKustannuspaikka::Save(bool bForce) {
    return r_.save(bForce, kKp, [this] { return describe(); }, [this](dao::Recordset& rs) {
        rs.setValue(QStringLiteral("kpNimi"), dao::Variant(core::detail::blankIfEmpty(r_.v.Nimi)));
        rs.setValue(QStringLiteral("kpKuvaus"), dao::Variant(core::detail::blankIfEmpty(r_.v.Kuvaus)));
        rs.setValue(QStringLiteral("kpNumero"), dao::Variant(r_.v.Numero));
    });
}

void cKustannuspaikka::Delete() { r_.remove(kKp, [this] { return describe(); }); }

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetFirst() const {
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > 0 ORDER BY kpNumero ASC"));
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetLast() const {
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > 0 ORDER BY kpNumero DESC"));
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetPrevious() const {
    if (r_.f.isEmpty) return core::detail::placeholder<cKustannuspaikka>();
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero < ? ORDER BY kpNumero DESC"),
                        {dao::Variant(r_.v.Numero)});
}

std::unique_ptr<cKustannuspaikka> cKustannuspaikka::GetNext() const {
    if (r_.f.isEmpty) return core::detail::placeholder<cKustannuspaikka>();
    return costCentreAt(QStringLiteral("SELECT kpID FROM kp WHERE kpNumero > ? ORDER BY kpNumero ASC"),
                        {dao::Variant(r_.v.Numero)});
}

}  // namespace accounts
