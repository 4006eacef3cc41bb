// Automatic profit bookings: the result of an income model for the period,
// in the ten columns of the income statement, booked as automatic vouchers
// between the model's profit account and the balance sheet's profit account
// in the ledger, the previous year's ledger and the three budget voucher
// pairs, so that the profit row and the balance sheet show it.

#include "statements/statements.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/tosite.h"
#include "core/records/tositeed.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "reportctl/reportglobals.h"
#include "statement_models/mallipuu.h"
#include "statements/detail.h"
#include "statements/vientisummat.h"

#include <QProgressBar>
#include <QRegularExpression>
#include <map>

namespace statements {

using namespace detail;
using core::NzLong;
using core::NzString;

namespace {

Summat gVoitto;

const QString kSelite = QStringLiteral("Automaattikirjaukset");

QString T(const char* text) { return core::TranslateStr(QStringLiteral("Yleiset"), QString::fromUtf8(text)); }

// One step of the bar; the last one fills it.
void voittoAskel(QProgressBar* bar) {
    if (!bar) return;
    if (bar->value() < bar->maximum() - 1)
        bar->setValue(bar->value() + 1);
    else
        bar->setValue(bar->maximum());
    Nayta(bar);
}

void LaskeVoittoRivi(dao::Database& db, long mrID, const dao::Date& start, const dao::Date& end, QProgressBar* bar,
                     bool askel, int syvyys) {
    statement_models::TarkistaSyvyys(db, mrID, syvyys);
    std::vector<long> children;
    {
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"),
                                             dao::RecordsetType::ForwardOnly, dao::dbReadOnly, {dao::Variant(mrID)});
        const dao::Field id = rs.field(QStringLiteral("mrID"));
        for (; !rs.isEOF(); rs.MoveNext()) children.push_back(NzLong(id.valueRef()));
        rs.Close();
    }
    if (!children.empty()) {
        for (long child : children) {
            LaskeVoittoRivi(db, child, start, end, bar, askel, syvyys + 1);
            if (askel) voittoAskel(bar);
        }
        return;
    }
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrTilit, mrSaldoPuoli FROM mr WHERE mrID = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    if (rs.isEOF()) {
        rs.Close();
        return;
    }
    const std::vector<long> accounts = AccountKeys(NzString(rs.value(QStringLiteral("mrTilit"))));
    const QString side = NzString(rs.value(QStringLiteral("mrSaldoPuoli")));
    rs.Close();
    gVoitto += LaskeSummat(db, accounts, start, end, reports::RaporttiKpID, side);
}

// Side and amount of a booked result: a profit on the credit side, a loss
// or nothing on the debit side.
QString puoli(dao::Currency a) { return a > dao::Currency() ? QStringLiteral("K") : QStringLiteral("D"); }

// Each booking gives its voucher's key.
long kirjaaKuluva(const dao::Date& paiva, dao::Currency a, long p, long b, long kp) {
    core::cTosite to;
    to.setPaiva(paiva);
    to.setNumero(-2);
    to.setSelite(kSelite);
    to.setAutomaatti(true);
    to.Save(true);
    for (long tili : {p, b}) {
        std::unique_ptr<core::cVienti> vi = to.AddNewVienti(puoli(a));
        vi->setKpID(kp);
        vi->setTlID(tili);
        vi->setArvo(a.abs());
        vi->Save(true);
    }
    return to.id();
}

long kirjaaEdellinen(const dao::Date& paiva, dao::Currency a, long p, long b) {
    core::cTositeEd to;
    to.setPaiva(paiva);
    to.setNumero(-2);
    to.setSelite(kSelite);
    to.setAutomaatti(true);
    to.Save(true);
    for (long tili : {p, b}) {
        std::unique_ptr<core::cVientiEd> vi = to.AddNewVienti(puoli(a));
        vi->setTlID(tili);
        vi->setArvo(a.abs());
        vi->Save(true);
    }
    return to.id();
}

long LisaaAutomaattiTosite(dao::Database& db, const QString& table, const QString& prefix, long numero,
                           const dao::Date& paiva) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2ID = 0").arg(table, prefix),
                                         dao::RecordsetType::Dynaset);
    rs.AddNew();
    rs.setValue(prefix + QStringLiteral("Numero"), dao::Variant(numero));
    rs.setValue(prefix + QStringLiteral("Pvm"), dao::Variant(paiva));
    rs.setValue(prefix + QStringLiteral("Selite"), dao::Variant(kSelite));
    rs.setValue(prefix + QStringLiteral("Automaatti"), dao::Variant(true));
    const long id = NzLong(rs.value(prefix + QStringLiteral("ID")));
    rs.Update();
    rs.Close();
    return id;
}

long LisaaAutomaattiVienti(dao::Database& db, const QString& table, const QString& prefix, long tosite, long tili,
                           const QString& tyyppi, dao::Currency arvo) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2ID = 0").arg(table, prefix),
                                         dao::RecordsetType::Dynaset);
    rs.AddNew();
    rs.setValue(prefix + QStringLiteral("boID"), dao::Variant(tosite));
    rs.setValue(prefix + QStringLiteral("tlID"), dao::Variant(tili));
    rs.setValue(prefix + QStringLiteral("Tyyppi"), dao::Variant(tyyppi));
    rs.setValue(prefix + QStringLiteral("Arvo"), dao::Variant(arvo));
    rs.setValue(prefix + QStringLiteral("Selite"), dao::Variant(kSelite));
    rs.setValue(prefix + QStringLiteral("Automaatti"), dao::Variant(true));
    const long id = NzLong(rs.value(prefix + QStringLiteral("ID")));
    rs.Update();
    rs.Close();
    return id;
}

long kirjaaBudjetti(dao::Database& db, const QString& vouchers, const QString& vp, const QString& entries,
                    const QString& ep, long numero, const dao::Date& paiva, dao::Currency a, long p, long b) {
    const long tosite = LisaaAutomaattiTosite(db, vouchers, vp, numero, paiva);
    for (long tili : {p, b}) LisaaAutomaattiVienti(db, entries, ep, tosite, tili, puoli(a), a.abs());
    return tosite;
}

}  // namespace

long GetVoittotili(dao::Database& db, long maID) {
    dao::Recordset rs =
        db.OpenRecordset(QStringLiteral("SELECT mrTilit FROM mr WHERE mrmaID = ? AND mrIsVoitto = True ORDER BY mrID"),
                         dao::RecordsetType::Snapshot, {dao::Variant(maID)});
    QString tilit;
    if (!rs.isEOF()) tilit = NzString(rs.value(QStringLiteral("mrTilit")));
    rs.Close();
    // The leading number of the list; reading stops at the first character
    // that cannot belong to it.
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?\\d+(?:\\.\\d*)?)"));
    const QRegularExpressionMatch m = leading.match(tilit);
    if (!m.hasMatch()) return 0;
    return long(std::llround(m.captured(1).toDouble()));
}

void PoistaAutomaattikirjaukset(dao::Database& db) {
    static const char* const kTables[][2] = {{"[to]", "toAutomaatti"}, {"vi", "viAutomaatti"},
                                             {"toE", "toEAutomaatti"}, {"viE", "viEAutomaatti"},
                                             {"bo", "boAutomaatti"},   {"bi", "biAutomaatti"},
                                             {"boE", "boEAutomaatti"}, {"biE", "biEAutomaatti"},
                                             {"boT", "boTAutomaatti"}, {"biTu", "biTAutomaatti"}};
    for (const auto& t : kTables)
        db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = True").arg(QLatin1String(t[0]), QLatin1String(t[1])));
    Vientisummat::varasto(db).unohdaAutomaattiset();
}

dao::Currency VoittoSumma(int column) {
    if (column < 0 || column >= Sarakkeita) return {};
    return gVoitto[column];
}

QStringList TeeAutomaattikirjaukset(long maID, const dao::Date& start, const dao::Date& end, QProgressBar* bar,
                                    bool stepBar) {
    gVoitto = Summat();
    dao::Database db = core::DBCon().AvaaDB();
    const long p = GetVoittotili(db, maID);
    const long b = core::VoittoTaseella;

    const QString eiKirjauksia = T("Tilikauden ylijäämän kirjauksia ei tehdä.");
    QStringList esteet;
    if (p != 0 && p == b) esteet << T("Voittotili tuloslaskelmassa on sama kuin voittotili taseella.");
    if (p == 0) esteet << T("Voittotiliä ei ole määritelty tuloslaskelmaan.");
    if (b == 0) esteet << T("Taseen \"Tilikauden voitto\" tiliä ei ole määritelty asetuksissa.");
    for (const QString& este : esteet) core::ShowInfo(este + QLatin1Char('\n') + eiKirjauksia);
    // A refused run changes nothing: the bookings of the earlier run stay,
    // so that the profit row and the balance sheet go on showing them.
    if (!esteet.isEmpty()) return esteet;
    statement_models::TarkistaMallipuu(db, maID);

    // Writes only automatic bookings, which the store forgets and reads again.
    Vientisummat::Vaihe vaihe(db);
    Vientisummat::varasto(db).ennakoi(MallinTilit(db, maID));
    dao::InTransaction(db, [&] {
        PoistaAutomaattikirjaukset(db);
        dao::Recordset rs = db.OpenRecordset(
            QStringLiteral("SELECT mrID FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = 0 AND mrIsVoitto <> True "
                           "ORDER BY mrGroupOrder, mrID"),
            dao::RecordsetType::Snapshot, {dao::Variant(maID)});
        std::vector<long> rows;
        const dao::Field id = rs.field(QStringLiteral("mrID"));
        for (; !rs.isEOF(); rs.MoveNext()) rows.push_back(NzLong(id.valueRef()));
        rs.Close();
        // The rows are summed before anything is booked.
        for (long mrID : rows) LaskeVoittoRivi(db, mrID, start, end, bar, stepBar, 1);

        const Summat& v = gVoitto;
        const bool later = core::TilikausiAlku.date().daysTo(start.date()) > 0;
        const dao::Date edStart = start.addYears(-1);
        const dao::Date tuStart = start.addYears(1);

        std::map<const Family*, std::vector<long>> written;
        written[&kLedger].push_back(kirjaaKuluva(end, v[ToteutunutKuluva], p, b, reports::RaporttiKpID));
        if (later)
            written[&kLedger].push_back(
                kirjaaKuluva(start.addDays(-1), v[ToteutunutKuluvaAlusta] - v[ToteutunutKuluva], p, b, 0));

        written[&kBudget].push_back(kirjaaBudjetti(db, "bo", "bo", "bi", "bi", -1, end, v[BudjetoituKuluva], p, b));
        if (later)
            written[&kBudget].push_back(kirjaaBudjetti(db, "bo", "bo", "bi", "bi", -2, start.addDays(-1),
                                                       v[BudjetoituKuluvaAlusta] - v[BudjetoituKuluva], p, b));

        written[&kBudgetNext].push_back(
            kirjaaBudjetti(db, "boT", "boT", "biTu", "biT", -1, end.addYears(1), v[BudjetoituTuleva], p, b));
        if (later)
            written[&kBudgetNext].push_back(kirjaaBudjetti(db, "boT", "boT", "biTu", "biT", -2, tuStart.addDays(-1),
                                                           v[BudjetoituTulevaAlusta] - v[BudjetoituTuleva], p, b));

        written[&kBudgetPrev].push_back(
            kirjaaBudjetti(db, "boE", "boE", "biE", "biE", -1, end.addYears(-1), v[BudjetoituEdellinen], p, b));
        if (later)
            written[&kBudgetPrev].push_back(kirjaaBudjetti(db, "boE", "boE", "biE", "biE", -2, edStart.addDays(-1),
                                                           v[BudjetoituEdellinenAlusta] - v[BudjetoituEdellinen], p,
                                                           b));

        written[&kLedgerPrev].push_back(kirjaaEdellinen(end.addYears(-1), v[ToteutunutEdellinen], p, b));
        if (later)
            written[&kLedgerPrev].push_back(
                kirjaaEdellinen(edStart.addDays(-1), v[ToteutunutEdellinenAlusta] - v[ToteutunutEdellinen], p, b));

        // The statement that follows sums these bookings too.
        for (const auto& [family, vouchers] : written) Vientisummat::varasto(db).lueTositteet(db, *family, vouchers);
    });
    return {};
}

}  // namespace statements
