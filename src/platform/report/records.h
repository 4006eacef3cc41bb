#pragma once

// The records' part of the report engine: the definition's formulas
// compiled, the records read from the database, selected and sorted into
// the report's order and cut into groups, and what a formula asks of them:
// a record's fields, a named formula's value, a total over a range. The
// layout (engine.cpp) asks; a long report's records are read, selected and
// sorted side by side, and its formulas of the record alone worked out
// ahead beside the layout.

#include "platform/parallel/parallel.h"
#include "platform/report/dataset.h"
#include "platform/report/definition.h"
#include "platform/report/engine.h"
#include "platform/report/formula.h"

#include <QDate>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace dao {
class RowPass;
}

namespace report::detail {

class Records;

// The record and the records around it that a formula sees: the record's
// position in the report's order (-1: none) and its row of the records read
// (-1: none, every field is Null; once sorted, the row at a position is the
// row of that number), the range its totals add up, whether totals may be
// asked for, and its page.
class Scope final : public EvalScope {
public:
    Scope(Records& r, int pos, int row, int rangeBegin, int rangeEnd, bool aggregates, int page)
        : records_(r), pos_(pos), row_(row), begin_(rangeBegin), end_(rangeEnd), aggregates_(aggregates), page_(page) {}

    Value field(const Expr& e) override;
    Value formula(const Expr& e) override;
    Value aggregate(const Expr& e) override;
    Value pageValue(const Expr& e) override;

private:
    Records& records_;
    int pos_;
    int row_;
    int begin_, end_;
    bool aggregates_;
    int page_;
};

class Records {
public:
    explicit Records(const EngineInput& in) : in_(in) {}
    ~Records();  // the working out ahead is stopped
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;

    // Reads the definition and compiles its formulas and the program's,
    // reads the records, selects and sorts them, and finds the groups.
    // Fills in what the result tells of the records. Errors: ReportError.
    void prepare(EngineResult& result) {
        load(result);
        read(result);
    }
    // The same in two steps. load reads the definition, whose fixed texts
    // go through the translator, on the calling thread; read may run on
    // another thread, as it uses nothing of the calling thread's own.
    void load(EngineResult& result);
    void read(EngineResult& result);

    const Definition& definition() const { return def_; }
    const EngineInput& input() const { return in_; }
    // The records selected, in the report's order from position 0.
    int count() const { return data_.rows; }
    int groupCount() const { return int(groupStarts_.size()); }
    // Whether the record at pos starts a group of level g (from 0, the
    // outermost), and where that group ends (the position after its last).
    bool startsGroup(int g, int pos) const { return groupStarts_[size_t(g)][size_t(pos)]; }
    int groupEnd(int g, int pos) const { return groupEnd_[size_t(g)][size_t(pos)]; }

    // Whether the formula, or a named formula it leads to, uses what the test finds.
    bool transitively(const Formula& f, const std::function<bool(const ExprUses&)>& test) const;
    // A condition's truth; ReportError when its value is not a truth value.
    static bool condition(const Formula& f, Scope& scope);

    // Works the values of the named formulas of the record alone out, record
    // after record, beside the caller: the layout reads those worked out.
    void startWorkingOut();
    // The page count, for the formulas that show it, once it is known.
    void setTotalPages(int pages) { totalPages_ = pages; }

    // --- what a Scope asks
    Value field(int row, int slot) const { return data_.at(row, slot); }
    const Formula& namedFormula(const QString& name) const;
    // The value of a named formula for the record of a row, where it has
    // been worked out already: false otherwise.
    bool recordValue(const Formula& f, int row, Value& into) const;
    // A total (Sum, Count, RunningSum) over the records [begin, end).
    Value aggregate(const Expr& e, int pos, int begin, int end, int page);
    int totalPages() const { return totalPages_; }
    QDate printDate() const { return in_.printDate.isValid() ? in_.printDate : QDate::currentDate(); }

private:
    // The values, record by record, of a named formula that reads nothing
    // but the record. A thread of their own works them out during the
    // layout, ahead of it; the layout, its totals and its running totals
    // read those worked out instead of evaluating the formula again, and
    // evaluate the others as before.
    struct RecordValues {
        const Formula* formula;
        std::vector<std::uint8_t> kinds;
        std::vector<std::int64_t> bits;
        std::atomic<size_t> ready{0};  // the records before this one are worked out
        bool stopped = false;          // the worker's own: a text or a failure met
    };
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

    void compileFormulas(EngineResult& result);
    void checkRefs(const Formula& f) const;
    void checkNoAggregates(const Formula& f) const;
    std::vector<const Formula*> allFormulas() const;
    void bindColumns();
    QString databasePath() const;
    QString buildSql() const;
    void readData(EngineResult& result);
    void readRows(dao::RowPass& rows, DataSet& into) const;
    std::vector<int> selectRecords();
    void sortRecords(const std::vector<int>& selected);
    void findGroupEnds();
    void chooseRecordValues();
    void workOut();
    Value runningSum(const Expr& e, int pos, int begin, int page);
    size_t from() const { return std::max<size_t>(in_.parallelFrom, 1); }

    EngineInput in_;
    Definition def_;
    QString database_;  // the database read: entry 0 of the data files
    QHash<QString, const Formula*> formulas_;  // by lower-case name: given or default
    std::vector<std::unique_ptr<Formula>> given_;
    Formula selection_;
    std::vector<SortField> sort_;
    DataSet data_;
    std::vector<std::vector<bool>> groupStarts_;  // per group level, per position
    std::vector<std::vector<int>> groupEnd_;      // per group level, per position: end of its group
    std::unordered_map<const void*, AggEntry> aggCache_;  // by the formula or expression summed
    std::unordered_map<const Expr*, RunEntry> runCache_;
    int totalPages_ = 0;

    std::vector<std::unique_ptr<RecordValues>> recordValues_;
    std::atomic<bool> stopWorker_ = false;
    bool workedOut_ = false;
    parallel::Beside worker_;  // last: stopped before what it reads
};

}  // namespace report::detail
