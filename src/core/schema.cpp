#include "core/schema.h"

#include "core/booklayout.h"

#include <QStringList>
#include <functional>

namespace core {

using dao::FieldType;

namespace {

// Every book opened from the start of the program on is compared with the
// program's layouts: they are handed to the database layer before anything
// can open one (a program that upgrades books links this file).
const bool kLayoutsHanded = [] {
    dao::DBEngine::setBookLayout(ProgramBookLayout());
    return true;
}();

}  // namespace

namespace {

std::vector<FieldSpec> budgetVoucherFields(const QString& p) {
    return {{p + "ID", FieldType::Long},         {p + "Numero", FieldType::Long},
            {p + "Pvm", FieldType::Date},        {p + "Selite", FieldType::Text, 255},
            {p + "Avaustosite", FieldType::Boolean}, {p + "Paatostosite", FieldType::Boolean},
            {p + "Automaatti", FieldType::Boolean}};
}

// Entry tables of the budget vouchers; `table` is the voucher table's prefix.
std::vector<FieldSpec> budgetEntryFields(const QString& p, const QString& voucherPrefix) {
    return {{p + "ID", FieldType::Long},
            {p + "tlID", FieldType::Long},
            {p + voucherPrefix + "ID", FieldType::Long},
            {p + "Tyyppi", FieldType::Text, 1},
            {p + "Arvo", FieldType::Currency},
            {p + "Selite", FieldType::Text, 255},
            {p + "Avausvienti", FieldType::Boolean},
            {p + "Paatosvienti", FieldType::Boolean},
            {p + "Automaatti", FieldType::Boolean},
            {p + "kpID", FieldType::Long}};
}

std::vector<TableSpec> makeTables() {
    std::vector<TableSpec> t;
    t.push_back({"tk", {{"tkID", FieldType::Long}, {"tkTeksti", FieldType::Text, 255},
                        {"tkTyyppi", FieldType::Integer}, {"tkParam", FieldType::Integer}}});
    t.push_back({"Settings", {{"setID", FieldType::Long}, {"setSection", FieldType::Text, 255},
                              {"setKey", FieldType::Text, 255}, {"setString", FieldType::Text, 255}}});
    t.push_back({"kp", {{"kpID", FieldType::Long}, {"kpNumero", FieldType::Long}, {"kpNimi", FieldType::Text, 100},
                        {"kpKuvaus", FieldType::Text, 255}}});
    TableSpec bu{"bu", {{"buID", FieldType::Long}, {"butlID", FieldType::Long}}};
    for (int m = 1; m <= 12; ++m) bu.fields.push_back({QStringLiteral("buKuukausi") + QString::number(m), FieldType::Currency});
    bu.fields.push_back({"buEdellinen", FieldType::Boolean});
    bu.fields.push_back({"buNykyinen", FieldType::Boolean});
    bu.fields.push_back({"buTuleva", FieldType::Boolean});
    t.push_back(bu);
    t.push_back({"bo", budgetVoucherFields("bo")});
    t.push_back({"boE", budgetVoucherFields("boE")});
    t.push_back({"boT", budgetVoucherFields("boT")});
    t.push_back({"bi", budgetEntryFields("bi", "bo")});
    t.push_back({"biE", budgetEntryFields("biE", "bo")});
    t.push_back({"biTu", budgetEntryFields("biT", "bo")});
    t.push_back({"tlSaldot", {{"tlsID", FieldType::Long}, {"Tili", FieldType::Text, 255}, {"Debet", FieldType::Currency},
                              {"Kredit", FieldType::Currency}, {"Erotus", FieldType::Currency}}});
    t.push_back({"tlTarkastelut", {{"tltID", FieldType::Long}, {"Numero", FieldType::Long}, {"Paiva", FieldType::Date},
                                   {"Selite", FieldType::Text, 255}, {"Debet", FieldType::Currency},
                                   {"Kredit", FieldType::Currency}, {"Erotus", FieldType::Currency}}});
    t.push_back({"tpPohjat", {{"tpID", FieldType::Long}, {"Nimi", FieldType::Text, 50},
                              {"Selite", FieldType::Text, 255}, {"Pikavalinta", FieldType::Long}}});
    t.push_back({"vipPohjat", {{"vipID", FieldType::Long}, {"viptlID", FieldType::Long}, {"viptpID", FieldType::Long},
                               {"vipTyyppi", FieldType::Text, 1}, {"vipArvo", FieldType::Currency}}});
    return t;
}

const QString kSelectList = QStringLiteral(
    "SELECT tl.tlNimi, tl.tlNumero, vi.vitoID, vi.viTyyppi, vi.viArvo, vi.vitlID, vi.viID, vi.vikpID, "
    "vi.viSelite, vi.viAvausvienti, vi.viPaatosvienti, vi.viAutomaatti");

}  // namespace

const std::vector<TableSpec>& upgradeTables() {
    static const std::vector<TableSpec> tables = makeTables();
    return tables;
}

const TableSpec& upgradeTable(const QString& name) {
    for (const TableSpec& t : upgradeTables())
        if (t.name == name) return t;
    throw std::out_of_range(name.toStdString());
}

const std::vector<QuerySpec>& savedQueries() {
    static const std::vector<QuerySpec> q = {
        {"viennit", kSelectList + " FROM vi INNER JOIN tl ON vi.vitlID = tl.tlID WHERE (((vi.viAvausvienti)=False));"},
        {"viennitA", kSelectList + " FROM vi INNER JOIN tl ON vi.vitlID = tl.tlID WHERE (((vi.viAvausvienti)=True));"},
        {"viennitL", kSelectList + " FROM vi INNER JOIN tl ON vi.vitlID = tl.tlID WHERE (((vi.viPaatosvienti)=True));"},
    };
    return q;
}

UpgradeError::UpgradeError(int step, QString stepName, int number, QString text)
    : NumberedError(number, std::move(text)), step_(step), stepName_(std::move(stepName)) {}

namespace {

// The engine takes "VIPKPID" and "vipkpID" for one name: so must the tests
// below, or a step would add a field that is already there and fail.
bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

bool TableExists(const dao::Database& db, const QString& name) {
    for (const dao::TableDef& td : db.tableDefs())
        if (sameName(td.name(), name)) return true;
    return false;
}

bool FieldExists(const dao::TableDef& td, const QString& name) {
    for (const dao::FieldDef& f : td.fields())
        if (sameName(f.name(), name)) return true;
    return false;
}

bool QueryExists(const dao::Database& db, const QString& name) {
    for (const dao::QueryDef& q : db.queryDefs())
        if (sameName(q.name, name)) return true;
    return false;
}

void ConvertCurrencyFormat(dao::FieldDef& field) {
    QString format;
    try {
        format = field.property(QStringLiteral("Format")).toString();
    } catch (const dao::DaoError&) {
        return;  // no display format: nothing to do
    }
    try {
        field.setProperty(QStringLiteral("Format"), QString(format).replace(QStringLiteral("mk"), QStringLiteral("€")));
    } catch (const dao::DaoError&) {
        // A field whose format cannot be written keeps the old one; the
        // amounts themselves are not touched by it.
    }
}

namespace {

// Adds a field to a base table when no field of that name is there.
void addField(dao::Database& db, const QString& table, const QString& name, FieldType type, bool noDefault,
              int size = 0) {
    dao::TableDef td = db.tableDef(table);
    if (FieldExists(td, name)) return;
    dao::FieldDef f = td.createField(name, type, size);
    if (noDefault) f.setDefaultValue(QString());
    td.appendField(f);
}

void createTable(dao::Database& db, const QString& name) {
    if (TableExists(db, name)) return;
    const TableSpec& layout = upgradeTable(name);
    dao::TableDef td = db.createTableDef(name);
    bool first = true;
    for (const FieldSpec& fs : layout.fields) {
        dao::FieldDef f = td.createField(fs.name, fs.type, fs.size);
        if (first) f.setAttributes(f.attributes() | dao::dbAutoIncrField);
        first = false;
        td.appendField(f);
    }
    dao::IndexDef idx = td.createIndex(QStringLiteral("PrimaryKey"));
    idx.appendField(idx.createField(layout.fields.front().name, FieldType::Long));
    idx.setPrimary(true);
    td.appendIndex(idx);
    db.appendTableDef(td);
}

// Adds an index to a base table when none of that name is there.
void addIndex(dao::Database& db, const QString& table, const QString& name, const QStringList& fields) {
    dao::TableDef td = db.tableDef(table);
    for (const dao::IndexDef& idx : td.indexes())
        if (sameName(idx.name(), name)) return;
    dao::IndexDef idx = td.createIndex(name);
    for (const QString& f : fields) idx.appendField(idx.createField(f));
    td.appendIndex(idx);
}

// Removes an index of a base table when it is there.
void dropIndex(dao::Database& db, const QString& table, const QString& name) {
    for (const dao::IndexDef& idx : db.tableDef(table).indexes())
        if (sameName(idx.name(), name)) {
            db.Execute(QStringLiteral("DROP INDEX [%1] ON [%2]").arg(idx.name(), table));
            return;
        }
}

void remakeQuery(dao::Database& db, const QString& name) {
    if (QueryExists(db, name)) db.deleteQueryDef(name);
    for (const QuerySpec& q : savedQueries())
        if (q.name == name) db.createQueryDef(q.name, q.sql);
}

// One step of the upgrade: its name, told when it fails, and its work.
struct Step {
    QString name;
    std::function<void()> run;
};

// The upgrade's steps in their order; each finds what is there already and
// does only what is missing.
std::vector<Step> upgradeSteps(dao::Database& db) {
    return {
        {"vi.viPaatosvienti", [&] { addField(db, "vi", "viPaatosvienti", FieldType::Boolean, true); }},
        {"viE.viEPaatosvienti", [&] { addField(db, "viE", "viEPaatosvienti", FieldType::Boolean, true); }},
        {"to.toPaatostosite", [&] { addField(db, "to", "toPaatostosite", FieldType::Boolean, true); }},
        {"toE.toEPaatostosite", [&] { addField(db, "toE", "toEPaatostosite", FieldType::Boolean, true); }},
        {"tk", [&] { createTable(db, "tk"); }},
        {"tula.tulamrID", [&] { addField(db, "tula", "tulamrID", FieldType::Long, false); }},
        {"tula.tulaBudjetoituKuluva",
         [&] {
             dao::TableDef td = db.tableDef("tula");
             if (FieldExists(td, "tulaBudjetoituKuluva")) return;
             const std::pair<const char*, FieldType> budget[] = {
                 {"tulaBudjetoituKuluva", FieldType::Currency},
                 {"tulaEroProsBudKuluva", FieldType::Single},
                 {"tulaEroBudTotKuluva", FieldType::Currency},
                 {"tulaBudjetoituEdellinen", FieldType::Currency},
                 {"tulaBudjetoituTuleva", FieldType::Currency},
                 {"tulaBudjetoituKuluvaAlusta", FieldType::Currency},
                 {"tulaEroProsBudKuluvaAlusta", FieldType::Single},
                 {"tulaEroBudTotKuluvaAlusta", FieldType::Currency},
                 {"tulaBudjetoituEdellinenAlusta", FieldType::Currency},
                 {"tulaBudjetoituTulevaAlusta", FieldType::Currency},
             };
             for (const auto& [name, type] : budget) td.appendField(td.createField(name, type));
         }},
        {"tase.tasemrID", [&] { addField(db, "tase", "tasemrID", FieldType::Long, false); }},
        {"tl.tlPrint", [&] { addField(db, "tl", "tlPrint", FieldType::Boolean, false); }},
        {"Settings", [&] { createTable(db, "Settings"); }},
        {"ma.maTulosMaID", [&] { addField(db, "ma", "maTulosMaID", FieldType::Long, false); }},
        {"vi.viAutomaatti", [&] { addField(db, "vi", "viAutomaatti", FieldType::Boolean, true); }},
        {"viennit", [&] { remakeQuery(db, "viennit"); }},
        {"viennitA", [&] { remakeQuery(db, "viennitA"); }},
        {"viennitL", [&] { remakeQuery(db, "viennitL"); }},
        {"viE.viEAutomaatti", [&] { addField(db, "viE", "viEAutomaatti", FieldType::Boolean, true); }},
        {"to.toAutomaatti", [&] { addField(db, "to", "toAutomaatti", FieldType::Boolean, true); }},
        {"toE.toEAutomaatti", [&] { addField(db, "toE", "toEAutomaatti", FieldType::Boolean, true); }},
        {"kp", [&] { createTable(db, "kp"); }},
        {"vi.vikpID", [&] { addField(db, "vi", "vikpID", FieldType::Long, false); }},
        {"viE.viEkpID", [&] { addField(db, "viE", "viEkpID", FieldType::Long, false); }},
        {"bu", [&] { createTable(db, "bu"); }},
        {"bo", [&] { createTable(db, "bo"); }},
        {"boE", [&] { createTable(db, "boE"); }},
        {"boT", [&] { createTable(db, "boT"); }},
        {"bi", [&] { createTable(db, "bi"); }},
        {"biE", [&] { createTable(db, "biE"); }},
        {"biTu", [&] { createTable(db, "biTu"); }},
        {"tlSaldot", [&] { createTable(db, "tlSaldot"); }},
        {"tlTarkastelut", [&] { createTable(db, "tlTarkastelut"); }},
        {"tpPohjat", [&] { createTable(db, "tpPohjat"); }},
        {"vipPohjat", [&] { createTable(db, "vipPohjat"); }},
        {"vipPohjat.vipkpID", [&] { addField(db, "vipPohjat", "vipkpID", FieldType::Long, false); }},
        // Indexes that hold what the statements and the ledger preparation
        // sum, so that their readings need not visit the rows themselves:
        // an account's entries, and the entries of the vouchers of a period.
        {"vi.vitlIDSummat",
         [&] { addIndex(db, "vi", "vitlIDSummat", {"vitlID", "vitoID", "viTyyppi", "viArvo", "vikpID", "viAutomaatti"}); }},
        {"viE.viEtlIDSummat",
         [&] {
             addIndex(db, "viE", "viEtlIDSummat",
                      {"viEtlID", "viEtoID", "viETyyppi", "viEArvo", "viEkpID", "viEAutomaatti"});
         }},
        {"vi.vitoIDSaldot",
         [&] {
             addIndex(db, "vi", "vitoIDSaldot",
                      {"vitoID", "viAvausvienti", "viPaatosvienti", "vikpID", "vitlID", "viTyyppi", "viArvo"});
         }},
        {"to.toPvmNumero", [&] { addIndex(db, "to", "toPvmNumero", {"toPvm", "toNumero"}); }},
        // The rows of a model's group, which every walk of a model's tree
        // looks up one group at a time.
        {"mr.mrBelongsToGroup",
         [&] { addIndex(db, "mr", "mrBelongsToGroupOrder", {"mrBelongsToGroup", "mrGroupOrder"}); }},
        // An index whose fields begin one of those serves no lookup the
        // longer one does not, and every write and every opening's check of
        // the book goes through it too.
        {"vi.vitoID", [&] { dropIndex(db, "vi", "vitoID"); }},
        {"vi.vitlID", [&] { dropIndex(db, "vi", "vitlID"); }},
        {"viE.viEtlID", [&] { dropIndex(db, "viE", "viEtlID"); }},
        {"to.toPvm", [&] { dropIndex(db, "to", "toPvm"); }},
        {"Format",
         [&] {
             for (const dao::TableDef& td : db.tableDefs())
                 for (dao::FieldDef f : td.fields())
                     if (f.type() == FieldType::Currency) ConvertCurrencyFormat(f);
         }},
        {"TableDefs.Refresh", [&] { db.refreshTableDefs(); }},
    };
}

}  // namespace

void UpdateDatabase(dao::Database& db) {
    const std::vector<Step> steps = upgradeSteps(db);
    try {
        db.BeginTrans();
    } catch (const dao::DaoError& e) {
        throw UpgradeError(1, steps[0].name, e.number(), e.description());
    }
    for (size_t i = 0; i < steps.size(); ++i) {
        try {
            steps[i].run();
        } catch (const dao::DaoError& e) {
            try {
                db.Rollback();
            } catch (const dao::DaoError&) {
                // The step's own failure is the one told; a rollback that fails
                // leaves the transaction to be undone as the book is closed.
            }
            throw UpgradeError(int(i) + 1, steps[i].name, e.number(), e.description());
        }
    }
    try {
        db.CommitTrans();
    } catch (const dao::DaoError& e) {
        try {
            db.Rollback();
        } catch (const dao::DaoError&) {
            // A failed commit has rolled back by itself; the commit's failure
            // is the one told.
        }
        throw UpgradeError(int(steps.size()), QStringLiteral("Commit"), e.number(), e.description());
    }
}

}  // namespace core
