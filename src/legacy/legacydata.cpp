#include "legacy/legacydata.h"

#include "core/dbc.h"
#include "core/nz.h"
#include "core/puoli.h"

namespace legacy {

namespace {

QString modeCondition(bool avaus, bool paatos) {
    if (avaus) return QStringLiteral("WHERE toAvaustosite = True AND toNumero >= 0");
    if (paatos) return QStringLiteral("WHERE toPaatostosite = True AND toNumero >= 0");
    return QStringLiteral("WHERE toAvaustosite = False AND toPaatostosite = False AND toNumero >= 0");
}

dao::Database book() { return core::DBCon().AvaaDB(); }

}  // namespace

RecordSource TositteetLahde(bool avaus, bool paatos) {
    return {QStringLiteral("SELECT * FROM to ") + modeCondition(avaus, paatos) + QStringLiteral(" ORDER BY toNumero"),
            {}};
}

std::vector<vouchers::TositeListanRivi> TositeLista(bool avaus, bool paatos) {
    std::vector<vouchers::TositeListanRivi> rivit;
    dao::Database db = book();
    dao::Recordset rs =
        db.OpenRecordset(TositteetLahde(avaus, paatos).sql, dao::RecordsetType::Snapshot, dao::dbReadOnly);
    for (; !rs.isEOF(); rs.MoveNext())
        rivit.push_back({core::NzLong(rs.value(QStringLiteral("toID")), 0),
                         core::NzLong(rs.value(QStringLiteral("toNumero")), 0),
                         core::NzString(rs.value(QStringLiteral("toSelite")))});
    rs.Close();
    return rivit;
}

RecordSource ViennitLahde(long toID) {
    return {QStringLiteral("SELECT tlNumero AS Tilinumero, tlNimi AS Tilinimi, viTyyppi AS Tyyppi, viArvo AS Summa, "
                           "viID FROM vi LEFT JOIN tl ON vi.vitlID = tl.tlID WHERE vitoID = ? ORDER BY viID"),
            {dao::Variant(toID)}};
}

long SeuraavaTositenumero(bool avaus) {
    dao::Database db = book();
    dao::Recordset rs = db.OpenRecordset(
        QStringLiteral("SELECT MAX(toNumero) AS Suurin FROM to WHERE toNumero >= 0 AND toAvaustosite = ?"),
        dao::RecordsetType::Snapshot, dao::dbReadOnly, {dao::Variant(avaus)});
    long next = 1;
    if (!rs.isEOF()) {
        const dao::Variant v = rs.value(QStringLiteral("Suurin"));
        if (!v.isNull()) next = core::NzLong(v, 0) + 1;
    }
    rs.Close();
    return next;
}

dao::Date UusiTositepaiva(const dao::Date& oletus) {
    dao::Database db = book();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT MAX(toPvm) AS Uusin FROM to WHERE toNumero >= 0"),
                                         dao::RecordsetType::Snapshot, dao::dbReadOnly);
    dao::Date paiva = oletus;
    if (!rs.isEOF()) paiva = core::NzDate(rs.value(QStringLiteral("Uusin")), oletus);
    rs.Close();
    return paiva.isZero() ? oletus : paiva;
}

vouchers::TilinSummat TositteenSummat(long toID) {
    vouchers::TilinSummat s;
    dao::Database db = book();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT viTyyppi, viArvo FROM vi WHERE vitoID = ?"),
                                         dao::RecordsetType::Snapshot, dao::dbReadOnly, {dao::Variant(toID)});
    for (; !rs.isEOF(); rs.MoveNext()) {
        const dao::Variant arvo = rs.value(QStringLiteral("viArvo"));
        if (arvo.isNull()) continue;
        if (core::OnDebet(core::NzString(rs.value(QStringLiteral("viTyyppi")))))
            s.debet += core::NzCurrency(arvo);
        else
            s.kredit += core::NzCurrency(arvo);
    }
    rs.Close();
    return s;
}

namespace {

bool anyRow(const QString& sql, long key) {
    dao::Database db = book();
    dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, dao::dbReadOnly, {dao::Variant(key)});
    const bool any = !rs.isEOF();
    rs.Close();
    return any;
}

}  // namespace

void PoistaTositteenViennit(long toID) {
    // A voucher dropped before it was stored has no entries: nothing is
    // written then, so that dropping it never waits for the book.
    if (!anyRow(QStringLiteral("SELECT viID FROM vi WHERE vitoID = ?"), toID)) return;
    book().Execute(QStringLiteral("DELETE FROM vi WHERE vitoID = ?"), {dao::Variant(toID)});
}

bool TositeKirjanpidossa(long toID) { return anyRow(QStringLiteral("SELECT toID FROM to WHERE toID = ?"), toID); }

void PoistaVienti(long viID) { book().Execute(QStringLiteral("DELETE FROM vi WHERE viID = ?"), {dao::Variant(viID)}); }

}  // namespace legacy
