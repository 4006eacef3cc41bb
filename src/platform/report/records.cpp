#include "platform/report/records.h"

#include "platform/dao/database.h"
#include "platform/dao/rowpass.h"
#include "platform/report/error.h"
#include "platform/report/sortkey.h"
#include "platform/report/texts.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>
#include <numeric>

namespace report::detail {

namespace {

QString bracket(const QString& name) { return QLatin1Char('[') + name + QLatin1Char(']'); }

// The name a column of the data set has in the statement that reads it.
QString columnAlias(size_t c) { return QStringLiteral("c%1").arg(c); }

// Whether an expression reads the record's fields and nothing but them
// (no totals, no page and no date of printing), itself or through the
// formulas it names; reads is set when it reads a field.
bool ofTheRecord(const Expr& e, bool& reads) {
    switch (e.kind) {
    case Expr::Kind::Sum:
    case Expr::Kind::Count:
    case Expr::Kind::RunningSum:
    case Expr::Kind::PageNumber:
    case Expr::Kind::TotalPages:
    case Expr::Kind::PrintDate: return false;
    case Expr::Kind::Field: reads = true; break;
    case Expr::Kind::FormulaRef:
        if (!e.target || (!e.target->isEmpty() && !ofTheRecord(*e.target->root(), reads))) return false;
        break;
    default: break;
    }
    return std::all_of(e.args.begin(), e.args.end(), [&](const auto& a) { return ofTheRecord(*a, reads); });
}

}  // namespace

// The worker, the last member, is waited for before what it reads goes.
Records::~Records() { stopWorker_ = true; }

void Records::load(EngineResult& result) {
    def_ = Definition::load(in_.definitionPath);
    compileFormulas(result);
    bindColumns();
    database_ = databasePath();
}

void Records::read(EngineResult& result) {
    readData(result);
    const std::vector<int> selected = selectRecords();
    result.recordsSelected = int(selected.size());
    sortRecords(selected);
    findGroupEnds();
    chooseRecordValues();
}

// ---------------------------------------------------------------- formulas

void Records::compileFormulas(EngineResult& result) {
    for (const auto& f : def_.formulas) formulas_.insert(f.name.toLower(), &f.formula);
    for (int i = 0; i < in_.formulas.size(); ++i) {
        const QString entry = in_.formulas[i];
        if (entry.trimmed().isEmpty()) continue;
        NamedFormula nf = parseNamedFormula(entry);
        const FormulaDef* fd = def_.formula(nf.name);
        if (!fd) {
            result.ignoredFormulas << nf.name;
            continue;
        }
        given_.push_back(std::make_unique<Formula>(std::move(nf.formula)));
        formulas_.insert(fd->name.toLower(), given_.back().get());
    }
    // A formula the program gives may refer to other formulas; each must
    // exist and none may lead back to itself.
    QHash<QString, int> state;
    std::function<void(const QString&)> visit = [&](const QString& key) {
        if (state.value(key) == 2) return;
        const Formula* f = formulas_.value(key);
        if (state.value(key) == 1)
            throw ReportError(err::FormulaError, QStringLiteral("Kaava %1 viittaa itseensä").arg(f->name()));
        state[key] = 1;
        for (const QString& n : f->uses().formulas) {
            if (!formulas_.contains(n.toLower()))
                throw ReportError(err::FormulaError, QStringLiteral("Kaava %1 viittaa kaavaan {@%2}, jota raportissa ei ole")
                                                         .arg(f->name(), n));
            visit(n.toLower());
        }
        state[key] = 2;
    };
    for (auto it = formulas_.constBegin(); it != formulas_.constEnd(); ++it) visit(it.key());

    selection_ = Formula::parse(in_.selectionFormula, QStringLiteral("valintakaava"));
    checkRefs(selection_);
    checkNoAggregates(selection_);
    checkNoAggregates(def_.filter);
    for (int i = 0; i < in_.sortFields.size(); ++i) {
        if (in_.sortFields[i].trimmed().isEmpty()) continue;
        SortField s = parseSortField(in_.sortFields[i], QStringLiteral("lajittelukenttä %1").arg(i));
        checkRefs(s.expr);
        checkNoAggregates(s.expr);
        sort_.push_back(std::move(s));
    }
    if (sort_.empty()) sort_ = def_.sort;
    for (const auto& s : sort_) checkNoAggregates(s.expr);
    for (const auto& g : def_.groups) checkNoAggregates(g.by);
}

void Records::checkRefs(const Formula& f) const {
    for (const QString& n : f.uses().formulas)
        if (!formulas_.contains(n.toLower()))
            throw ReportError(err::FormulaError,
                              QStringLiteral("Kaava %1 viittaa kaavaan {@%2}, jota raportissa ei ole").arg(f.name(), n));
}

bool Records::transitively(const Formula& f, const std::function<bool(const ExprUses&)>& test) const {
    QSet<QString> seen;
    std::function<bool(const Formula&)> go = [&](const Formula& g) {
        ExprUses u = g.uses();
        if (test(u)) return true;
        for (const QString& n : u.formulas) {
            const QString key = n.toLower();
            if (seen.contains(key)) continue;
            seen.insert(key);
            if (const Formula* h = formulas_.value(key); h && go(*h)) return true;
        }
        return false;
    };
    return go(f);
}

void Records::checkNoAggregates(const Formula& f) const {
    if (transitively(f, [](const ExprUses& u) { return u.aggregates || u.pageNumber || u.totalPages; }))
        throw ReportError(err::FormulaError,
                          QStringLiteral("Kaavassa %1 ei voi käyttää summia eikä sivunumeroita").arg(f.name()));
}

// Every formula the run may evaluate.
std::vector<const Formula*> Records::allFormulas() const {
    std::vector<const Formula*> out;
    out.push_back(&def_.title);
    out.push_back(&def_.filter);
    out.push_back(&selection_);
    for (const auto& s : sort_) out.push_back(&s.expr);
    for (const auto& g : def_.groups) out.push_back(&g.by);
    for (auto it = formulas_.constBegin(); it != formulas_.constEnd(); ++it) out.push_back(it.value());
    for (const auto& s : def_.sections) {
        out.push_back(&s.suppress);
        for (const auto& it : s.items) {
            out.push_back(&it.expr);
            out.push_back(&it.boldWhen);
            out.push_back(&it.indent);
        }
    }
    return out;
}

void Records::bindColumns() {
    QHash<QString, int> index;
    for (const Formula* f : allFormulas()) {
        if (!f->isEmpty())
            forEachNode(*f->root(), [this](const Expr& e) {
                if (e.kind == Expr::Kind::FormulaRef) e.target = formulas_.value(e.name.toLower());
            });
        for (const Expr* e : f->uses().fields) {
            const int t = def_.tableIndex(e->table);
            if (t < 0)
                throw ReportError(err::UnknownField,
                                  QStringLiteral("Kentän {%1.%2} taulu ei ole raportin tiedoissa (%3)")
                                      .arg(e->table, e->field, f->name()));
            const QString key = e->table.toLower() + QLatin1Char('.') + e->field.toLower();
            auto it = index.constFind(key);
            if (it == index.constEnd()) {
                it = index.insert(key, int(data_.columns.size()));
                data_.columns.push_back({def_.tables[size_t(t)].name, e->field});
            }
            e->slot = it.value();
        }
    }
}

const Formula& Records::namedFormula(const QString& name) const {
    auto it = formulas_.constFind(name.toLower());
    if (it == formulas_.constEnd()) throw EvalError(QStringLiteral("kaavaa {@%1} ei ole").arg(name).toStdString());
    return *it.value();
}

bool Records::condition(const Formula& f, Scope& scope) {
    Value v = evaluate(f, scope);
    try {
        return val::truth(v);
    } catch (const val::TypeError&) {
        throw ReportError(err::FormulaError,
                          QStringLiteral("Virhe kaavassa %1: ehdon arvo ei ole totuusarvo (%2). Kaava: %3")
                              .arg(f.name(), v.debugString(), f.text()));
    }
}

// ---------------------------------------------------------------- data

QString Records::databasePath() const {
    const QString db = in_.dataFiles.value(0).trimmed();
    if (db.isEmpty())
        throw ReportError(err::DatabaseNotFound, TranslateText(QStringLiteral("Raportit"),
                                                               QStringLiteral("Raportille ei ole annettu tietokantaa")));
    if (!QFileInfo(db).isFile())
        throw ReportError(err::DatabaseNotFound,
                          TranslateText(QStringLiteral("Raportit"), QStringLiteral("Tietokantaa ei löydy: %1")).arg(db));
    // Every table of one report is read from one database.
    for (size_t t = 1; t < def_.tables.size(); ++t) {
        const QString other = in_.dataFiles.value(int(t)).trimmed();
        if (!other.isEmpty() && QFileInfo(other).absoluteFilePath() != QFileInfo(db).absoluteFilePath())
            throw ReportError(err::DatabaseError,
                              QStringLiteral("Raportin taulut ovat eri tietokannoissa (%1: %2, %3)")
                                  .arg(def_.tables[t].name, other, db));
    }
    return db;
}

QString Records::buildSql() const {
    QStringList cols;
    for (size_t c = 0; c < data_.columns.size(); ++c)
        cols << QStringLiteral("%1.%2 AS %3")
                    .arg(bracket(data_.columns[c].table), bracket(data_.columns[c].field), columnAlias(c));
    if (cols.isEmpty()) cols << QStringLiteral("1 AS c0");
    QString sql = QStringLiteral("SELECT ") + cols.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
                  bracket(def_.tables[0].name);
    for (size_t t = 1; t < def_.tables.size(); ++t) {
        const TableRef& tr = def_.tables[t];
        QStringList on;
        for (const auto& c : tr.on)
            on << QStringLiteral("%1.%2 = %3.%4")
                      .arg(bracket(c.leftTable), bracket(c.leftField), bracket(c.rightTable), bracket(c.rightField));
        sql += (tr.join == JoinKind::Left ? QStringLiteral(" LEFT JOIN ") : QStringLiteral(" INNER JOIN ")) +
               bracket(tr.name) + QStringLiteral(" ON ") + on.join(QStringLiteral(" AND "));
    }
    return sql;
}

void Records::readData(EngineResult& result) {
    const QString& path = database_;
    result.database = path;
    result.sql = buildSql();
    try {
        dao::Database db = dao::DBEngine::OpenDatabase(path, true);
        {
            // A long report's rows are read in parts side by side, each
            // part forward once, each row as it comes.
            dao::RowPassParts parts(db, result.sql, int(parallel::processors()),
                                    int(std::min<size_t>(from(), INT_MAX)));
            std::vector<DataSet> more(size_t(parts.count() - 1));
            for (DataSet& m : more) m.columns = data_.columns;
            parallel::forEach(size_t(parts.count()), [&](size_t i) {
                const std::unique_ptr<dao::RowPass> rows = parts.pass(int(i));
                readRows(*rows, i == 0 ? data_ : more[i - 1]);
            });
            data_.append(more);
        }
        db.Close();
    } catch (const dao::DaoError& e) {
        throw ReportError(err::DatabaseError, QStringLiteral("Tietojen luku tietokannasta %1 epäonnistui (%2): %3")
                                                  .arg(path)
                                                  .arg(e.number())
                                                  .arg(e.description()));
    }
    result.recordsRead = data_.rows;
}

void Records::readRows(dao::RowPass& rows, DataSet& into) const {
    std::vector<int> at;
    for (size_t c = 0; c < into.columns.size(); ++c) at.push_back(rows.column(columnAlias(c)));
    while (rows.next()) {
        for (const int c : at) {
            if (const auto text = rows.storedText(c)) into.addText(*text);
            else into.add(rows.value(c));
        }
        ++into.rows;
    }
}

// The rows that the report's filter and the selection formula let through.
// Each record is judged on its own, so a long report's are judged in
// slices side by side.
std::vector<int> Records::selectRecords() {
    std::vector<int> selected;
    if (def_.filter.isEmpty() && selection_.isEmpty()) {
        selected.resize(size_t(data_.rows));
        std::iota(selected.begin(), selected.end(), 0);
    } else {
        const size_t n = size_t(data_.rows), count = parallel::sliceCount(n, from());
        std::vector<std::vector<int>> kept(count);
        parallel::forSlices(n, count, [&](size_t slice, size_t begin, size_t end) {
            for (size_t r = begin; r < end; ++r) {
                Scope s(*this, -1, int(r), 0, 0, false, 0);
                if (!def_.filter.isEmpty() && !condition(def_.filter, s)) continue;
                if (!selection_.isEmpty() && !condition(selection_, s)) continue;
                kept[slice].push_back(int(r));
            }
        });
        selected.reserve(n);
        for (const auto& k : kept) selected.insert(selected.end(), k.begin(), k.end());
    }
    return selected;
}

// Sorts the rows selected and keeps only them, in the report's order.
void Records::sortRecords(const std::vector<int>& selected) {
    std::vector<std::pair<const Formula*, bool>> keys;  // formula, descending
    for (const auto& g : def_.groups) keys.emplace_back(&g.by, g.descending);
    // A sort field that repeats an earlier key (a group's, often) never
    // decides an order: it is not evaluated.
    for (const auto& s : sort_)
        if (std::none_of(keys.begin(), keys.end(),
                         [&](const auto& k) { return k.first->text().simplified() == s.expr.text().simplified(); }))
            keys.emplace_back(&s.expr, s.descending);
    const size_t n = selected.size(), k = keys.size();
    std::vector<SortKey> sortKeys(k);
    const size_t count = parallel::sliceCount(n, from());
    for (size_t j = 0; j < k; ++j) {
        std::vector<Value> values(n);
        parallel::forSlices(n, count, [&](size_t, size_t begin, size_t end) {
            for (size_t i = begin; i < end; ++i) {
                Scope s(*this, -1, selected[i], 0, 0, false, 0);
                values[i] = evaluate(*keys[j].first, s);
            }
        });
        sortKeys[j] = SortKey::of(std::move(values), keys[j].second);
    }
    std::vector<int> idx(n);
    std::iota(idx.begin(), idx.end(), 0);
    if (k > 0) {
        parallel::stableSort(idx, count, [&](int a, int b) {
            for (const SortKey& key : sortKeys)
                if (const int c = key.compare(size_t(a), size_t(b)); c != 0) return c < 0;
            return false;
        });
    }
    // The rows are kept in the report's order from here on: the layout
    // and its totals read them one after another.
    std::vector<int> sorted(n);
    for (size_t i = 0; i < n; ++i) sorted[i] = selected[size_t(idx[i])];
    data_.keepRows(sorted);
    // Where each group starts: a record starts a group of a level when its
    // value, or that of an outer level, differs from the record before.
    const int groups = int(def_.groups.size());
    groupStarts_.assign(size_t(groups), std::vector<bool>(n, false));
    for (size_t i = 0; i < n; ++i) {
        bool changed = i == 0;
        for (int g = 0; g < groups; ++g) {
            if (!changed) changed = sortKeys[size_t(g)].compare(size_t(idx[i]), size_t(idx[i - 1])) != 0;
            groupStarts_[size_t(g)][i] = changed;
        }
    }
}

void Records::findGroupEnds() {
    const int n = count();
    groupEnd_.assign(groupStarts_.size(), std::vector<int>(size_t(n), n));
    for (int g = 0; g < groupCount(); ++g) {
        int end = n;
        for (int p = n - 1; p >= 0; --p) {
            groupEnd_[size_t(g)][size_t(p)] = end;
            if (groupStarts_[size_t(g)][size_t(p)]) end = p;
        }
    }
}

// ---------------------------------------------------------------- values of the records

// The named formulas worth working out ahead: those that read the
// record's fields alone, in a report long enough.
void Records::chooseRecordValues() {
    const size_t n = size_t(data_.rows);
    if (n < from()) return;
    for (const Formula* f : std::as_const(formulas_)) {
        bool reads = false;
        if (f->isEmpty() || !ofTheRecord(*f->root(), reads) || !reads) continue;
        auto r = std::make_unique<RecordValues>();
        r->formula = f;
        r->kinds.resize(n);
        r->bits.resize(n);
        recordValues_.push_back(std::move(r));
    }
}

// Works the values out, record after record. A formula that gives a text
// or fails for a record is worked out no further: the layout evaluates
// it there and beyond, and meets the failure itself.
void Records::workOut() {
    const size_t n = size_t(data_.rows);
    try {
        for (size_t i = 0; i < n && !stopWorker_.load(std::memory_order_relaxed); ++i) {
            Scope s(*this, int(i), int(i), 0, 0, false, 0);
            for (const auto& r : recordValues_) {
                if (r->stopped) continue;
                Value v;
                try {
                    v = evaluate(*r->formula, s);
                } catch (const ReportError&) {
                    r->stopped = true;
                    continue;
                }
                if (v.kind() == Value::Kind::Text) {
                    r->stopped = true;
                    continue;
                }
                r->kinds[i] = std::uint8_t(v.kind());
                r->bits[i] = DataSet::packed(v);
                r->ready.store(i + 1, std::memory_order_release);
            }
        }
    } catch (...) {
        // Out of memory, say: the layout evaluates what is left.
    }
}

void Records::startWorkingOut() {
    if (recordValues_.empty() || workedOut_) return;
    workedOut_ = true;
    // Where no thread is to be had, the layout evaluates every formula itself.
    worker_.start([this] { workOut(); });
}

bool Records::recordValue(const Formula& f, int row, Value& into) const {
    for (const auto& r : recordValues_) {
        if (r->formula != &f) continue;
        if (size_t(row) >= r->ready.load(std::memory_order_acquire)) return false;
        into = DataSet::unpacked(Value::Kind(r->kinds[size_t(row)]), r->bits[size_t(row)]);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- totals

Value Records::aggregate(const Expr& e, int pos, int begin, int end, int page) {
    if (e.kind == Expr::Kind::RunningSum) return runningSum(e, pos, begin, page);
    if (e.kind == Expr::Kind::Count && e.args.empty()) return Value(static_cast<long long>(end - begin));
    // The sum and the count of one value over one range come from one
    // pass: a footer that shows both reads each record once.
    const Expr& arg = *e.args[0];
    const void* what = arg.kind == Expr::Kind::FormulaRef && arg.target ? static_cast<const void*>(arg.target)
                                                                           : static_cast<const void*>(&arg);
    AggEntry& a = aggCache_[what];
    if (!a.done || a.begin != begin || a.end != end) {
        a = AggEntry{begin, end, false, Value(0), 0, nullptr};
        for (int p = begin; p < end; ++p) {
            Scope s(*this, p, p, begin, end, false, page);
            Value x = evaluateExpr(arg, s);
            if (x.isNull()) continue;
            ++a.count;
            // A value that cannot be added fails the sum, not the count.
            if (a.sumError) continue;
            try {
                a.sum = val::add(a.sum, x);
            } catch (...) {
                a.sumError = std::current_exception();
            }
        }
        a.done = true;  // not when a value of the range failed
    }
    if (e.kind == Expr::Kind::Count) return Value(a.count);
    if (a.sumError) std::rethrow_exception(a.sumError);
    return a.sum;
}

Value Records::runningSum(const Expr& e, int pos, int begin, int page) {
    if (pos < 0) return Value(0);
    auto add = [&](Value acc, int p) {
        Scope s(*this, p, p, begin, pos + 1, false, page);
        Value x = evaluateExpr(*e.args[0], s);
        return x.isNull() ? acc : val::add(acc, x);
    };
    auto it = runCache_.find(&e);
    Value acc;
    if (it != runCache_.end() && it->second.begin == begin && it->second.last <= pos) {
        acc = it->second.value;
        for (int p = it->second.last + 1; p <= pos; ++p) acc = add(acc, p);
    } else {
        acc = Value(0);
        for (int p = begin; p <= pos; ++p) acc = add(acc, p);
    }
    runCache_[&e] = {begin, pos, acc};
    return acc;
}

Value Scope::field(const Expr& e) {
    if (row_ < 0 || e.slot < 0) return Value();
    return records_.field(row_, e.slot);
}

Value Scope::formula(const Expr& e) {
    const Formula& f = e.target ? *e.target : records_.namedFormula(e.name);
    Value known;
    if (row_ >= 0 && records_.recordValue(f, row_, known)) return known;
    return evaluate(f, *this);
}

Value Scope::aggregate(const Expr& e) {
    if (!aggregates_) throw EvalError("summia ei voi käyttää tässä");
    return records_.aggregate(e, pos_, begin_, end_, page_);
}

Value Scope::pageValue(const Expr& e) {
    switch (e.kind) {
    case Expr::Kind::PageNumber: return Value(page_);
    case Expr::Kind::TotalPages: return Value(records_.totalPages());
    case Expr::Kind::PrintDate: return Value(dao::Date::fromDate(records_.printDate()));
    default: return Value();
    }
}

}  // namespace report::detail
