#pragma once

// The formula language of the report engine: selection formulas handed by
// the program, conditions and named formulas of a definition file, and the
// expressions of its fields.
//
//   {table.field}            a field of the current record
//   {@Name}                  a named formula
//   12  12.5  'text'  "text"  True  False  Date(2012,3,31)
//   = <> < > <= >=   AND OR NOT   + - * /   & (text concatenation)
//   if <cond> then <a> [else <b>]   (without else: Null when the condition fails)
//   ToText(x[, decimals])  IsNull(x)
//   Sum(x)  Count([x])  RunningSum(x)       totals (see the definition format)
//   PageNumber  TotalPages  PrintDate
//
// Keywords and names are case-blind. AND binds closer than OR; a comparison
// with Null on either side is false.

#include "platform/report/value.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace report {

class Formula;

struct Expr {
    enum class Kind {
        Literal,
        Field,
        FormulaRef,
        Negate,
        Not,
        And,
        Or,
        Compare,
        Add,
        Subtract,
        Multiply,
        Divide,
        Concat,
        If,
        DateOf,
        ToText,
        IsNull,
        Sum,
        Count,
        RunningSum,
        PageNumber,
        TotalPages,
        PrintDate,
    };
    enum class Cmp { Eq, Ne, Lt, Gt, Le, Ge };

    Kind kind = Kind::Literal;
    Cmp cmp = Cmp::Eq;
    Value literal;            // Literal
    QString table, field;     // Field, as written
    QString name;             // FormulaRef, as written
    mutable int slot = -1;    // Field: column of the record, set when the data is bound
    mutable const Formula* target = nullptr;  // FormulaRef: the formula, once resolved
    std::vector<std::unique_ptr<Expr>> args;
    int pos = 0;              // character position in the formula text (from 1)

    bool isAggregate() const { return kind == Kind::Sum || kind == Kind::Count || kind == Kind::RunningSum; }
};

// What an expression refers to, gathered over its own nodes (named formulas
// it refers to are not followed).
struct ExprUses {
    std::vector<const Expr*> fields;
    QStringList formulas;      // names as written
    bool aggregates = false;
    bool pageNumber = false;
    bool totalPages = false;
};

// A parsed formula with its name (for messages) and text.
class Formula {
public:
    Formula() = default;
    // Parses text; an empty or blank text is an empty formula. Throws
    // ReportError(FormulaSyntax) naming the formula and the position.
    static Formula parse(const QString& text, const QString& name);
    // A formula that is just a value (a named formula given as 'text').
    static Formula constant(const Value& v, const QString& name);

    bool isEmpty() const { return !root_; }
    const Expr* root() const { return root_.get(); }
    const QString& name() const { return name_; }
    const QString& text() const { return text_; }
    ExprUses uses() const;

    // The texts the formula shows as they stand: its text literals that
    // hold a letter, except those compared with something ("D" in
    // {vi.viTyyppi} = "D" is data, not a text to read), in the formula's
    // order.
    QStringList shownTexts() const;
    // The same formula with each shown text replaced by replace(text); the
    // formula's text (and so its messages) stays as written.
    Formula withShownTexts(const std::function<QString(const QString&)>& replace) const;

private:
    std::shared_ptr<const Expr> root_;
    QString name_;
    QString text_;
};

// What an expression reads while it is evaluated.
class EvalScope {
public:
    virtual ~EvalScope() = default;
    virtual Value field(const Expr& e) = 0;                // Field
    virtual Value formula(const Expr& e) = 0;              // FormulaRef (e.name, e.target)
    virtual Value aggregate(const Expr& e) = 0;            // Sum, Count, RunningSum
    virtual Value pageValue(const Expr& e) = 0;            // PageNumber, TotalPages, PrintDate
};

// Raised inside evaluation; turned into a ReportError naming the formula.
class EvalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Evaluates one node. Throws EvalError or val::TypeError on a failure.
Value evaluateExpr(const Expr& e, EvalScope& scope);
// Evaluates a formula; an empty formula is Null. Failures become
// ReportError(FormulaError) naming the formula; a ReportError from a named
// formula it refers to passes unchanged.
Value evaluate(const Formula& f, EvalScope& scope);

// A named formula as the program hands it: "Name= 'value'". The name is the
// text before the first '=' (blanks around it ignored). When the value begins
// with a single quote, it is the text between the first and the last single
// quote, taken as it stands ("Seurannimi= 'Pelle's'" gives Pelle's; a lone
// quote runs to the end). Otherwise the value is parsed as a formula (a
// number or an expression). Throws ReportError(InvalidProperty) when there is
// no name, ReportError(FormulaSyntax) when the expression does not parse.
struct NamedFormula {
    QString name;
    Formula formula;
};
NamedFormula parseNamedFormula(const QString& entry);

// Calls fn for every node of the tree, depth first.
void forEachNode(const Expr& e, const std::function<void(const Expr&)>& fn);

}  // namespace report
