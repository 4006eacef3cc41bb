#include "platform/report/engine.h"

#include "platform/dao/database.h"
#include "platform/dao/rowpass.h"
#include "platform/report/dataset.h"
#include "platform/report/error.h"
#include "platform/report/measurer.h"
#include "platform/report/slices.h"
#include "platform/report/sortkey.h"
#include "platform/report/texts.h"

#include <QFileInfo>
#include <QHash>
#include <QPageSize>
#include <QSet>
#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <system_error>
#include <thread>
#include <unordered_set>

namespace report {

// ---------------------------------------------------------------- page model

const LaidItem* LaidBand::item(const QString& name) const {
    for (const auto& it : items)
        if (it.name == name) return &it;
    return nullptr;
}

QString LaidBand::text(const QString& name) const {
    const LaidItem* it = item(name);
    return it ? it->text : QString();
}

std::vector<const LaidBand*> LaidOutReport::bands(SectionKind kind, int group) const {
    std::vector<const LaidBand*> out;
    for (const auto& p : pages)
        for (const auto& b : p.bands)
            if (b.kind == kind && (group < 0 || b.group == group)) out.push_back(&b);
    return out;
}

std::vector<const LaidBand*> LaidOutReport::bands(SectionKind kind, const QString& groupName) const {
    std::vector<const LaidBand*> out;
    for (const auto& p : pages)
        for (const auto& b : p.bands)
            if (b.kind == kind && b.groupName.compare(groupName, Qt::CaseInsensitive) == 0) out.push_back(&b);
    return out;
}

int LaidOutReport::pageOf(const LaidBand* band) const {
    for (const auto& p : pages)
        if (!p.bands.empty() && band >= &p.bands.front() && band <= &p.bands.back()) return p.number;
    return 0;
}

namespace {

using detail::Column;
using detail::DataSet;
using detail::Measurer;
using detail::SortKey;
using detail::inParallel;
using detail::inSlices;
using detail::processorCount;
using detail::sliceCount;
using detail::stableSortInSlices;

constexpr double kPtPerMm = 72.0 / 25.4;

QString bracket(const QString& name) { return QLatin1Char('[') + name + QLatin1Char(']'); }

// The name a column of the data set has in the statement that reads it.
QString columnAlias(size_t c) { return QStringLiteral("c%1").arg(c); }

// ---------------------------------------------------------------- the engine

class Engine;

// The record and the records around it that a formula sees.
class Scope final : public EvalScope {
public:
    Scope(Engine& e, int pos, int row, int rangeBegin, int rangeEnd, bool aggregates, int page)
        : eng_(e), pos_(pos), row_(row), begin_(rangeBegin), end_(rangeEnd), aggregates_(aggregates), page_(page) {}

    Value field(const Expr& e) override;
    Value formula(const Expr& e) override;
    Value aggregate(const Expr& e) override;
    Value pageValue(const Expr& e) override;

private:
    Engine& eng_;
    int pos_;     // position in the report's order; -1 for none
    int row_;     // row of the data set; -1: every field is Null
    int begin_, end_;
    bool aggregates_;
    int page_;
};

class Engine {
public:
    explicit Engine(const EngineInput& in) : in_(in) {}
    ~Engine() { stopWorkingOut(); }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Reads, selects and sorts the records and sets up the pages: what
    // comes before the first page is laid out.
    void prepare() {
        def_ = Definition::load(in_.definitionPath);
        compileFormulas();
        bindColumns();
        readData();
        sortRecords(selectRecords());
        chooseRecordValues();
        prepareFonts();
        setUpPages();
        result_.report = report_;
    }

    const EngineResult& result() const { return result_; }
    bool pageCountShown() const { return !totalItems_.empty() || titleUsesPages_; }
    bool pageCountKnown() const { return pageCountKnown_; }
    bool titleKnown() const { return !titleUsesPages_ || pageCountKnown_; }

    // Lays the pages out first to last, each handed to the sink as soon as
    // it is complete. Texts that show the page count, while it is not known
    // yet, come last (PageSink::lastPage).
    void layOut(PageSink& sink);

    // Lays the pages out without keeping them, to learn the page count: a
    // later layout then writes every text as its page is completed.
    int countPages() {
        struct Counter final : PageSink {
            void page(LaidPage, const LaidOutReport&) override {}
        } counter;
        layOut(counter);
        pageCountKnown_ = true;
        return totalPages_;
    }

    // --- used by Scope
    const DataSet& data() const { return data_; }
    // Once sorted, the records lie in the report's order: the record at a
    // position is the row of that number.
    int rowAt(int pos) const { return pos; }
    int recordCount() const { return data_.rows; }
    int totalPages() const { return totalPages_; }
    QDate printDate() const { return in_.printDate.isValid() ? in_.printDate : QDate::currentDate(); }

    const Formula& namedFormula(const QString& name) const {
        auto it = formulas_.constFind(name.toLower());
        if (it == formulas_.constEnd())
            throw EvalError(QStringLiteral("kaavaa {@%1} ei ole").arg(name).toStdString());
        return *it.value();
    }

    // The value of a named formula for the record of a row, where it has
    // been worked out already: false otherwise.
    bool recordValue(const Formula& f, int row, Value& into) const {
        for (const auto& r : recordValues_) {
            if (r->formula != &f) continue;
            if (size_t(row) >= r->ready.load(std::memory_order_acquire)) return false;
            into = DataSet::unpacked(Value::Kind(r->kinds[size_t(row)]), r->bits[size_t(row)]);
            return true;
        }
        return false;
    }

    Value aggregate(const Expr& e, int pos, int begin, int end, int page) {
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
                Scope s(*this, p, rowAt(p), begin, end, false, page);
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

private:
    // The fewest records worth a thread of their own.
    static constexpr size_t kRecordsPerSlice = 16384;

    // The values, record by record, of a named formula that reads nothing
    // but the record. A thread of their own works them out during the
    // layout, ahead of it; the layout, its totals and its running totals
    // read those worked out instead of evaluating the formula again, and
    // evaluate the others as before.
    struct RecordValues {
        const Formula* formula;
        std::vector<std::uint8_t> kinds;
        std::vector<std::int64_t> bits;
        std::atomic<size_t> ready{0};  // the rows before this one are worked out
        bool stopped = false;          // the worker's own: a text or a failure met
    };

    // Whether an expression reads the record's fields and nothing but them
    // (no totals, no page and no date of printing), itself or through the
    // formulas it names; reads is set when it reads a field.
    static bool ofTheRecord(const Expr& e, bool& reads) {
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

    // The named formulas worth working out ahead: those that read the
    // record's fields alone, in a report long enough.
    void chooseRecordValues() {
        const size_t n = size_t(data_.rows);
        if (n < kRecordsPerSlice) return;
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
    void workOut() {
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

    void startWorkingOut() {
        if (recordValues_.empty() || workedOut_) return;
        workedOut_ = true;
        try {
            worker_ = std::thread([this] { workOut(); });
        } catch (const std::system_error&) {
            // No thread to be had: the layout evaluates every formula itself.
        }
    }

    void stopWorkingOut() {
        stopWorker_ = true;
        if (worker_.joinable()) worker_.join();
    }

    struct AggEntry {
        int begin = 0, end = 0;
        bool done = false;
        Value sum;
        long long count = 0;
        std::exception_ptr sumError;
    };
    struct RunEntry {
        int begin, last;
        Value value;
    };

    Value runningSum(const Expr& e, int pos, int begin, int page) {
        if (pos < 0) return Value(0);
        auto add = [&](Value acc, int p) {
            Scope s(*this, p, rowAt(p), begin, pos + 1, false, page);
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

    // ---------------------------------------------------------------- formulas

    void compileFormulas() {
        for (const auto& f : def_.formulas) formulas_.insert(f.name.toLower(), &f.formula);
        for (int i = 0; i < in_.formulas.size(); ++i) {
            const QString entry = in_.formulas[i];
            if (entry.trimmed().isEmpty()) continue;
            NamedFormula nf = parseNamedFormula(entry);
            const FormulaDef* fd = def_.formula(nf.name);
            if (!fd) {
                result_.ignoredFormulas << nf.name;
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

    void checkRefs(const Formula& f) {
        for (const QString& n : f.uses().formulas)
            if (!formulas_.contains(n.toLower()))
                throw ReportError(err::FormulaError,
                                  QStringLiteral("Kaava %1 viittaa kaavaan {@%2}, jota raportissa ei ole").arg(f.name(), n));
    }

    // True when the formula or a named formula it leads to uses totals (or pages).
    bool transitively(const Formula& f, const std::function<bool(const ExprUses&)>& test) const {
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

    void checkNoAggregates(const Formula& f) {
        if (transitively(f, [](const ExprUses& u) { return u.aggregates || u.pageNumber || u.totalPages; }))
            throw ReportError(err::FormulaError,
                              QStringLiteral("Kaavassa %1 ei voi käyttää summia eikä sivunumeroita").arg(f.name()));
    }

    // Every formula the run may evaluate.
    std::vector<const Formula*> allFormulas() const {
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

    void bindColumns() {
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

    // ---------------------------------------------------------------- data

    QString databasePath() const {
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

    QString buildSql() const {
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

    void readData() {
        const QString path = databasePath();
        result_.database = path;
        result_.sql = buildSql();
        try {
            dao::Database db = dao::DBEngine::OpenDatabase(path, true);
            {
                // A long report's rows are read in parts side by side, each
                // part forward once, each row as it comes.
                dao::RowPassParts parts(db, result_.sql, int(processorCount()), int(kRecordsPerSlice));
                std::vector<DataSet> more(size_t(parts.count() - 1));
                for (DataSet& m : more) m.columns = data_.columns;
                inParallel(size_t(parts.count()), [&](size_t i) {
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
        result_.recordsRead = data_.rows;
    }

    void readRows(dao::RowPass& rows, DataSet& into) const {
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
    std::vector<int> selectRecords() {
        std::vector<int> selected;
        if (def_.filter.isEmpty() && selection_.isEmpty()) {
            selected.resize(size_t(data_.rows));
            std::iota(selected.begin(), selected.end(), 0);
        } else {
            const size_t n = size_t(data_.rows), count = sliceCount(n, kRecordsPerSlice);
            std::vector<std::vector<int>> kept(count);
            inSlices(n, count, [&](size_t slice, size_t begin, size_t end) {
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
        result_.recordsSelected = int(selected.size());
        return selected;
    }

    // Sorts the rows selected and keeps only them, in the report's order.
    void sortRecords(const std::vector<int>& selected) {
        std::vector<std::pair<const Formula*, bool>> keys;  // formula, descending
        for (const auto& g : def_.groups) keys.emplace_back(&g.by, g.descending);
        groupCount_ = int(def_.groups.size());
        // A sort field that repeats an earlier key (a group's, often) never
        // decides an order: it is not evaluated.
        for (const auto& s : sort_)
            if (std::none_of(keys.begin(), keys.end(),
                             [&](const auto& k) { return k.first->text().simplified() == s.expr.text().simplified(); }))
                keys.emplace_back(&s.expr, s.descending);
        const size_t n = selected.size(), k = keys.size();
        std::vector<SortKey> sortKeys(k);
        const size_t count = sliceCount(n, kRecordsPerSlice);
        for (size_t j = 0; j < k; ++j) {
            std::vector<Value> values(n);
            inSlices(n, count, [&](size_t, size_t begin, size_t end) {
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
            stableSortInSlices(idx, count, [&](int a, int b) {
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
        groupStarts_.assign(size_t(groupCount_), std::vector<bool>(n, false));
        for (size_t i = 0; i < n; ++i) {
            bool changed = i == 0;
            for (int g = 0; g < groupCount_; ++g) {
                if (!changed) changed = sortKeys[size_t(g)].compare(size_t(idx[i]), size_t(idx[i - 1])) != 0;
                groupStarts_[size_t(g)][i] = changed;
            }
        }
    }

    // ---------------------------------------------------------------- fonts

    static std::optional<bool> flag(const QString& s, const QString& entry) {
        const QString v = s.trimmed().toUpper();
        if (v.isEmpty() || v == QLatin1String("X")) return std::nullopt;
        static const QStringList yes = {QStringLiteral("1"), QStringLiteral("Y"), QStringLiteral("YES"),
                                        QStringLiteral("T"), QStringLiteral("TRUE"), QStringLiteral("-1")};
        static const QStringList no = {QStringLiteral("0"), QStringLiteral("N"), QStringLiteral("NO"),
                                       QStringLiteral("F"), QStringLiteral("FALSE")};
        if (yes.contains(v)) return true;
        if (no.contains(v)) return false;
        throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
    }

    void prepareFonts() {
        for (int i = 0; i < kFontSlotCount; ++i) {
            FontStyle s = def_.slotFonts[size_t(i)];
            if (s.family.isEmpty()) s.family = def_.font.family;
            if (s.size <= 0) s.size = def_.font.size;
            slotStyles_[size_t(i)] = s;
        }
        // The program's section fonts: CODE;font;size;italic;bold;underline;strikeout, X = unchanged.
        for (const QString& entry : in_.sectionFonts) {
            if (entry.trimmed().isEmpty()) continue;
            const QStringList p = entry.split(QLatin1Char(';'));
            const QString code = p.value(0).trimmed();
            std::vector<int> slots;
            if (code.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
                for (int i = 0; i < kFontSlotCount; ++i) slots.push_back(i);
            } else if (auto slot = fontSlotFromCode(code)) {
                slots.push_back(int(*slot));
            } else {
                throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
            }
            const QString family = p.value(1).trimmed();
            const QString sizeText = p.value(2).trimmed();
            std::optional<double> size;
            if (!sizeText.isEmpty() && sizeText.compare(QLatin1String("X"), Qt::CaseInsensitive) != 0) {
                bool ok = false;
                double d = QString(sizeText).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
                if (!ok || d <= 0 || d > 400)
                    throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
                size = d;
            }
            auto italic = flag(p.value(3), entry), bold = flag(p.value(4), entry), underline = flag(p.value(5), entry),
                 strike = flag(p.value(6), entry);
            for (int i : slots) {
                FontStyle& s = slotStyles_[size_t(i)];
                if (!family.isEmpty() && family.compare(QLatin1String("X"), Qt::CaseInsensitive) != 0) s.family = family;
                if (size) s.size = *size;
                if (italic) s.italic = *italic;
                if (bold) s.bold = *bold;
                if (underline) s.underline = *underline;
                if (strike) s.strikeout = *strike;
            }
        }
    }

    // Index of the font for a slot with an item's own emphasis.
    int fontIndex(FontSlot slot, bool bold, bool italic, bool underline) {
        const FontStyle& s = slotStyles_[size_t(slot)];
        const int key = int(slot) * 8 + (bold || s.bold ? 4 : 0) + (italic || s.italic ? 2 : 0) +
                        (underline || s.underline ? 1 : 0);
        auto it = fontIndex_.find(key);
        if (it != fontIndex_.end()) return it->second;
        QFont f(printableFamily(s.family));
        f.setPointSizeF(s.size);
        f.setBold(bold || s.bold);
        f.setItalic(italic || s.italic);
        f.setUnderline(underline || s.underline);
        f.setStrikeOut(s.strikeout);
        f.setHintingPreference(QFont::PreferNoHinting);
        const int index = int(report_->fonts.size());
        report_->fonts.push_back(f);
        measurer_.addFont(f);
        fontIndex_[key] = index;
        return index;
    }

    // ---------------------------------------------------------------- layout

    // An item whose text depends on the page it lands on.
    struct Deferred {
        int page = -1, band = -1, item = -1;
        int pos = -1, row = -1, begin = 0, end = 0;
        const ItemDef* def = nullptr;
    };
    // An item that shows the page count, held until the count is known.
    struct Late {
        Deferred d;
        LaidItem item;
    };

    // A section built for one record, not yet placed; its top is at 0.
    struct Built {
        LaidBand band;
        std::vector<Deferred> deferred;
        double height() const { return band.rect.height(); }
    };

    bool condition(const Formula& f, Scope& scope) {
        Value v = evaluate(f, scope);
        try {
            return val::truth(v);
        } catch (const val::TypeError&) {
            throw ReportError(err::FormulaError,
                              QStringLiteral("Virhe kaavassa %1: ehdon arvo ei ole totuusarvo (%2). Kaava: %3")
                                  .arg(f.name(), v.debugString(), f.text()));
        }
    }

    // Builds one section for the record at pos with totals over [begin, end).
    // Nothing when the section is suppressed.
    std::optional<Built> build(const SectionDef& s, int pos, int begin, int end, int page) {
        const int row = pos >= 0 ? rowAt(pos) : -1;
        Scope scope(*this, pos, row, begin, end, true, page);
        if (!s.suppress.isEmpty() && condition(s.suppress, scope)) return std::nullopt;
        Built b;
        LaidBand& band = b.band;
        band.kind = s.kind;
        band.group = s.group;
        if (s.group >= 0) band.groupName = def_.groups[size_t(s.group)].name;
        band.record = pos;
        const double left = margins_.left();
        double height = s.minHeight * kPtPerMm;
        band.items.reserve(s.items.size());
        for (const ItemDef& it : s.items) {
            LaidItem item = buildItem(s, it, scope, left);
            height = std::max(height, item.rect.bottom());
            if (deferredItems_.count(&it)) {
                Deferred d;
                d.item = int(band.items.size());
                d.pos = pos;
                d.row = row;
                d.begin = begin;
                d.end = end;
                d.def = &it;
                b.deferred.push_back(d);
            }
            band.items.push_back(std::move(item));
        }
        for (const RuleDef& r : s.rules) {
            const double x0 = r.width < 0 ? left : left + r.x * kPtPerMm;
            const double x1 = r.width < 0 ? pageSize_.width() - margins_.right() : x0 + r.width * kPtPerMm;
            const double y = r.above ? 0 : height;
            band.rules.emplace_back(x0, y, x1, y);
        }
        band.rect = QRectF(left, 0, pageSize_.width() - margins_.left() - margins_.right(), height);
        return b;
    }

    LaidItem buildItem(const SectionDef& s, const ItemDef& it, Scope& scope, double left) {
        LaidItem item;
        item.name = it.name;
        item.align = it.align;
        item.value = evaluate(it.expr, scope);
        const bool bold = it.bold || (!it.boldWhen.isEmpty() && condition(it.boldWhen, scope));
        item.font = fontIndex(s.font, bold, it.italic, it.underline);
        double indent = 0;
        if (!it.indent.isEmpty()) {
            Value v = evaluate(it.indent, scope);
            if (val::isNumeric(v)) indent = std::clamp(v.toDouble(), 0.0, std::max(0.0, it.width - 1.0)) * kPtPerMm;
        }
        const double width = it.width * kPtPerMm - indent;
        item.text = formatted(item.value, it.format);
        item.lines = measurer_.wrap(item.font, item.text, width);
        item.rect = QRectF(left + it.x * kPtPerMm + indent, it.y * kPtPerMm, width,
                           measurer_.lineHeight(item.font) * item.lines.size());
        return item;
    }

    // The value's text by the format. A date is written once per format:
    // a ledger prints the same days on line after line.
    QString formatted(const Value& v, const Format& f) {
        if (v.kind() != dao::Variant::Kind::Date) return formatValue(v, f, locale_);
        const auto key = std::make_pair(&f, v.toDate().seconds());
        auto it = dateTexts_.find(key);
        if (it == dateTexts_.end()) it = dateTexts_.emplace(key, formatValue(v, f, locale_)).first;
        return it->second;
    }

    int currentPage() const { return pagesStarted_; }

    // Puts a built section at the current height of the current page.
    void place(Built b, double y) {
        LaidBand& band = b.band;
        band.rect.translate(0, y);
        for (auto& it : band.items) it.rect.translate(0, y);
        for (auto& r : band.rules) r.translate(0, y);
        for (auto& d : b.deferred) {
            d.page = pagesStarted_ - 1;
            d.band = int(page_.bands.size());
            deferred_.push_back(d);
        }
        page_.bands.push_back(std::move(band));
    }

    // Completes the current page: its footer, the texts that depend on its
    // number, and hands it on.
    void finishPage(PageSink& sink) {
        const int p = pagesStarted_ - 1;
        const int n = recordCount();
        if (const SectionDef* pf = def_.section(SectionKind::PageFooter)) {
            int pos = lastRecordOnPage_[size_t(p)];
            if (pos < 0) pos = n > 0 ? std::min(n - 1, firstRecordAfter(p)) : -1;
            if (auto b = build(*pf, pos, 0, n, p + 1)) {
                // At the foot of its own page, whichever page is being laid out.
                LaidBand& band = b->band;
                band.rect.translate(0, bodyBottom_);
                for (auto& it : band.items) it.rect.translate(0, bodyBottom_);
                for (auto& r : band.rules) r.translate(0, bodyBottom_);
                for (auto& d : b->deferred) {
                    d.page = p;
                    d.band = int(page_.bands.size());
                    deferred_.push_back(d);
                }
                page_.bands.push_back(std::move(band));
            }
        }
        // Page numbers are known now; the page count perhaps not yet.
        for (const Deferred& d : deferred_) {
            LaidItem& item = page_.bands[size_t(d.band)].items[size_t(d.item)];
            if (!pageCountKnown_ && totalItems_.count(d.def)) {
                late_.push_back({d, item});
                item.text.clear();
                item.lines.clear();
                continue;
            }
            rewrite(item, d);
        }
        deferred_.clear();
        sink.page(std::move(page_), *report_);
        page_ = LaidPage();
    }

    // Evaluates an item again on the page it landed on.
    void rewrite(LaidItem& item, const Deferred& d) {
        Scope scope(*this, d.pos, d.row, d.begin, d.end, true, d.page + 1);
        item.value = evaluate(d.def->expr, scope);
        item.text = formatValue(item.value, d.def->format, locale_);
        item.lines = measurer_.wrap(item.font, item.text, item.rect.width());
        item.rect.setHeight(measurer_.lineHeight(item.font) * item.lines.size());
    }

    void startPage(int nextPos) {
        if (pagesStarted_ > 0) finishPage(*sink_);
        ++pagesStarted_;
        page_.number = pagesStarted_;
        lastRecordOnPage_.push_back(-1);
        y_ = margins_.top();
        const int n = recordCount();
        const int pos = n == 0 ? -1 : std::clamp(nextPos, 0, n - 1);
        auto top = [this](std::optional<Built> b) {
            if (!b) return;
            const double h = b->height();
            place(std::move(*b), y_);
            y_ += h;
        };
        if (pagesStarted_ == 1)
            if (const SectionDef* rh = def_.section(SectionKind::ReportHeader)) top(build(*rh, pos, 0, n, currentPage()));
        if (const SectionDef* ph = def_.section(SectionKind::PageHeader)) top(build(*ph, pos, 0, n, currentPage()));
        // Groups that go on from the page before repeat their headers.
        for (int g = 0; g < groupCount_; ++g) {
            const int start = open_[size_t(g)];
            if (start < 0) continue;
            const SectionDef* gh = def_.section(SectionKind::GroupHeader, g);
            if (!gh || !gh->repeat) continue;
            auto b = build(*gh, start, start, groupEnd_[size_t(g)][size_t(start)], currentPage());
            if (b) b->band.repeated = true;
            top(std::move(b));
        }
        pageHasBody_ = false;
    }

    // Places a body section, on a new page when it does not fit on this one.
    void emit(Built b, int nextPos) {
        if (y_ + b.height() > bodyBottom_ + 0.01 && pageHasBody_) startPage(nextPos);
        const double h = b.height();
        if (b.band.record >= 0) lastRecordOnPage_.back() = b.band.record;
        place(std::move(b), y_);
        y_ += h;
        pageHasBody_ = true;
    }

    void computeGroupEnds() {
        const int n = recordCount();
        groupEnd_.assign(size_t(groupCount_), std::vector<int>(size_t(n), n));
        for (int g = 0; g < groupCount_; ++g) {
            int end = n;
            for (int p = n - 1; p >= 0; --p) {
                groupEnd_[size_t(g)][size_t(p)] = end;
                if (groupStarts_[size_t(g)][size_t(p)]) end = p;
            }
        }
    }

    // The paper, the margins, the fonts of the page footer and the room it
    // keeps free; the title when it does not depend on the pages.
    void setUpPages() {
        report_ = std::make_shared<LaidOutReport>();
        report_->orientation = def_.orientation;
        QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        if (def_.orientation == QPageLayout::Landscape) a4.transpose();
        pageSize_ = a4;
        QMarginsF mm = def_.marginsMm;
        if (in_.marginsMm.left() >= 0) mm.setLeft(in_.marginsMm.left());
        if (in_.marginsMm.top() >= 0) mm.setTop(in_.marginsMm.top());
        if (in_.marginsMm.right() >= 0) mm.setRight(in_.marginsMm.right());
        if (in_.marginsMm.bottom() >= 0) mm.setBottom(in_.marginsMm.bottom());
        margins_ = mm * kPtPerMm;
        // Margins that leave no room to print fall back to the definition's.
        if (margins_.left() + margins_.right() > pageSize_.width() * 0.8 ||
            margins_.top() + margins_.bottom() > pageSize_.height() * 0.8)
            margins_ = def_.marginsMm * kPtPerMm;
        report_->pageSize = pageSize_;
        report_->margins = margins_;
        report_->recordCount = recordCount();

        // Items whose text depends on the page number or the page count are
        // evaluated again once their page is known.
        const auto pageValues = [](const ExprUses& u) { return u.pageNumber || u.totalPages; };
        for (const auto& s : def_.sections)
            for (const auto& it : s.items) {
                if (transitively(it.expr, pageValues)) deferredItems_.insert(&it);
                if (transitively(it.expr, [](const ExprUses& u) { return u.totalPages; })) totalItems_.insert(&it);
            }
        titleUsesPages_ = !def_.title.isEmpty() && transitively(def_.title, pageValues);

        const int n = recordCount();
        computeGroupEnds();

        // The page footer's room is kept free on every page.
        double footerHeight = 0;
        if (const SectionDef* pf = def_.section(SectionKind::PageFooter)) {
            SectionDef shown = *pf;  // measured as it prints, whatever its condition says
            shown.suppress = Formula();
            footerHeight = build(shown, n > 0 ? 0 : -1, 0, n, 1)->height();
        }
        bodyBottom_ = pageSize_.height() - margins_.bottom() - footerHeight;
        if (!titleUsesPages_) setTitle();
    }

    void setTitle() {
        const int n = recordCount();
        Scope titleScope(*this, n > 0 ? 0 : -1, n > 0 ? rowAt(0) : -1, 0, n, true, 1);
        report_->title = def_.title.isEmpty() ? QString() : val::toText(evaluate(def_.title, titleScope));
    }
    // The record a page without records of its own shows in its footer: the
    // last one printed on an earlier page.
    int firstRecordAfter(int page) const {
        for (int p = page; p >= 0; --p)
            if (lastRecordOnPage_[size_t(p)] >= 0) return lastRecordOnPage_[size_t(p)];
        return 0;
    }

    EngineInput in_;
    Definition def_;
    QHash<QString, const Formula*> formulas_;      // by lower-case name: given or default
    std::vector<std::unique_ptr<RecordValues>> recordValues_;
    std::thread worker_;  // works the record values out
    std::atomic<bool> stopWorker_ = false;
    bool workedOut_ = false;
    std::vector<std::unique_ptr<Formula>> given_;
    Formula selection_;
    std::vector<SortField> sort_;
    DataSet data_;
    int groupCount_ = 0;
    std::vector<std::vector<bool>> groupStarts_;   // per group level, per position
    std::vector<std::vector<int>> groupEnd_;       // per group level, per position: end of its group
    std::unordered_map<const void*, AggEntry> aggCache_;  // by the formula or expression summed
    std::unordered_map<const Expr*, RunEntry> runCache_;

    std::array<FontStyle, kFontSlotCount> slotStyles_;
    std::unordered_map<int, int> fontIndex_;
    Measurer measurer_;
    std::map<std::pair<const Format*, std::int64_t>, QString> dateTexts_;
    std::unordered_set<const ItemDef*> deferredItems_;

    std::unordered_set<const ItemDef*> totalItems_;  // those of deferredItems_ that show the page count
    bool titleUsesPages_ = false;
    bool pageCountKnown_ = false;

    QLocale locale_;                         // the texts' regional formats, the same for the whole run
    std::shared_ptr<LaidOutReport> report_;  // the report without its pages
    PageSink* sink_ = nullptr;
    LaidPage page_;                                // the page being laid out
    int pagesStarted_ = 0;
    std::vector<Late> late_;
    QSizeF pageSize_;
    QMarginsF margins_;
    double bodyBottom_ = 0;
    double y_ = 0;
    bool pageHasBody_ = false;
    std::vector<int> open_;                        // per group level: position where the open group began
    std::vector<int> lastRecordOnPage_;
    std::vector<Deferred> deferred_;
    int totalPages_ = 0;
    EngineResult result_;
};

void Engine::layOut(PageSink& sink) {
    startWorkingOut();
    sink_ = &sink;
    pagesStarted_ = 0;
    page_ = LaidPage();
    lastRecordOnPage_.clear();
    deferred_.clear();
    late_.clear();
    const int n = recordCount();
    open_.assign(size_t(groupCount_), -1);
    startPage(0);
    const SectionDef* detail = def_.section(SectionKind::Detail);
    int innerBegin = 0;
    for (int pos = 0; pos < n; ++pos) {
        int first = -1;
        for (int g = 0; g < groupCount_ && first < 0; ++g)
            if (groupStarts_[size_t(g)][size_t(pos)]) first = g;
        if (first >= 0) innerBegin = pos;
        const int innerEnd = groupCount_ > 0 ? groupEnd_[size_t(groupCount_ - 1)][size_t(pos)] : n;
        std::optional<Built> detailBand;
        if (detail) detailBand = build(*detail, pos, groupCount_ > 0 ? innerBegin : 0, innerEnd, currentPage());
        if (first >= 0) {
            std::vector<Built> headers;
            double need = detailBand ? detailBand->height() : 0;
            for (int g = first; g < groupCount_; ++g) {
                if (const SectionDef* gh = def_.section(SectionKind::GroupHeader, g))
                    if (auto b = build(*gh, pos, pos, groupEnd_[size_t(g)][size_t(pos)], currentPage())) {
                        need += b->height();
                        headers.push_back(std::move(*b));
                    }
            }
            // A group header stays with the first line of its group.
            if (y_ + need > bodyBottom_ + 0.01 && pageHasBody_) startPage(pos);
            for (auto& h : headers) emit(std::move(h), pos);
            for (int g = first; g < groupCount_; ++g) open_[size_t(g)] = pos;
        }
        if (detailBand) emit(std::move(*detailBand), pos);
        for (int g = groupCount_ - 1; g >= 0; --g) {
            if (groupEnd_[size_t(g)][size_t(pos)] != pos + 1) continue;
            if (const SectionDef* gf = def_.section(SectionKind::GroupFooter, g))
                if (auto b = build(*gf, pos, open_[size_t(g)], pos + 1, currentPage())) emit(std::move(*b), pos);
            open_[size_t(g)] = -1;
        }
    }
    if (const SectionDef* rf = def_.section(SectionKind::ReportFooter))
        if (auto b = build(*rf, n > 0 ? n - 1 : -1, 0, n, currentPage())) emit(std::move(*b), n - 1);

    finishPage(sink);
    sink_ = nullptr;
    totalPages_ = pagesStarted_;
    pageCountKnown_ = true;
    if (titleUsesPages_) setTitle();
    // The page count is known now.
    std::vector<LateItem> late;
    late.reserve(late_.size());
    for (Late& l : late_) {
        rewrite(l.item, l.d);
        late.push_back({l.d.page, l.d.band, l.d.item, std::move(l.item)});
    }
    late_.clear();
    sink.lastPage(*report_, std::move(late));
}

Value Scope::field(const Expr& e) {
    if (row_ < 0 || e.slot < 0) return Value();
    return eng_.data().at(row_, e.slot);
}

Value Scope::formula(const Expr& e) {
    const Formula& f = e.target ? *e.target : eng_.namedFormula(e.name);
    Value known;
    if (row_ >= 0 && eng_.recordValue(f, row_, known)) return known;
    return evaluate(f, *this);
}

Value Scope::aggregate(const Expr& e) {
    if (!aggregates_) throw EvalError("summia ei voi käyttää tässä");
    return eng_.aggregate(e, pos_, begin_, end_, page_);
}

Value Scope::pageValue(const Expr& e) {
    switch (e.kind) {
    case Expr::Kind::PageNumber: return Value(page_);
    case Expr::Kind::TotalPages: return Value(eng_.totalPages());
    case Expr::Kind::PrintDate: return Value(dao::Date::fromDate(eng_.printDate()));
    default: return Value();
    }
}

}  // namespace

// ---------------------------------------------------------------- the public face

struct PreparedReport::Impl {
    explicit Impl(const EngineInput& input) : engine(input) {}
    Engine engine;
};

PreparedReport::PreparedReport(const EngineInput& input) : impl_(std::make_unique<Impl>(input)) {
    impl_->engine.prepare();
}

PreparedReport::~PreparedReport() = default;

const EngineResult& PreparedReport::result() const { return impl_->engine.result(); }
bool PreparedReport::pageCountShown() const { return impl_->engine.pageCountShown(); }
bool PreparedReport::pageCountKnown() const { return impl_->engine.pageCountKnown(); }
bool PreparedReport::titleKnown() const { return impl_->engine.titleKnown(); }
int PreparedReport::countPages() { return impl_->engine.countPages(); }
void PreparedReport::layOut(PageSink& sink) { impl_->engine.layOut(sink); }

void KeepPages::page(LaidPage page, const LaidOutReport&) { into_.pages.push_back(std::move(page)); }

void KeepPages::lastPage(const LaidOutReport&, std::vector<LateItem> items) {
    for (LateItem& l : items)
        into_.pages[size_t(l.page)].bands[size_t(l.band)].items[size_t(l.item)] = std::move(l.laid);
}

EngineResult runEngine(const EngineInput& input) {
    PreparedReport prepared(input);
    EngineResult result = prepared.result();
    KeepPages keep(*result.report);
    prepared.layOut(keep);
    return result;
}

}  // namespace report
