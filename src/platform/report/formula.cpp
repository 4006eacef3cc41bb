#include "platform/report/formula.h"

#include "platform/report/error.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

namespace report {

namespace {

enum class Tok { End, Number, String, Field, FormulaRef, Ident, Op, LParen, RParen, Comma };

struct Token {
    Tok type = Tok::End;
    QString text;   // identifier, operator, string contents, field "table.field", formula name
    Value number;
    int pos = 0;    // from 1
};

class SyntaxError : public std::runtime_error {
public:
    SyntaxError(const QString& msg, int pos) : std::runtime_error(msg.toStdString()), message(msg), position(pos) {}
    QString message;
    int position;
};

bool isIdentChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// A field {table.field} or a formula reference {@name}; i is at the brace.
void readBraces(const QString& s, int& i, Token& t) {
    int close = s.indexOf(QLatin1Char('}'), i + 1);
    if (close < 0) throw SyntaxError(QStringLiteral("puuttuva }"), i + 1);
    QString inner = s.mid(i + 1, close - i - 1).trimmed();
    if (inner.startsWith(QLatin1Char('@'))) {
        t.type = Tok::FormulaRef;
        t.text = inner.mid(1).trimmed();
        if (t.text.isEmpty() || !std::all_of(t.text.begin(), t.text.end(), isIdentChar))
            throw SyntaxError(QStringLiteral("virheellinen kaavan nimi {%1}").arg(inner), i + 1);
    } else {
        int dot = inner.indexOf(QLatin1Char('.'));
        QString table = dot < 0 ? QString() : inner.left(dot).trimmed();
        QString field = dot < 0 ? QString() : inner.mid(dot + 1).trimmed();
        if (table.isEmpty() || field.isEmpty() || !std::all_of(table.begin(), table.end(), isIdentChar) ||
            !std::all_of(field.begin(), field.end(), isIdentChar))
            throw SyntaxError(QStringLiteral("virheellinen kenttä {%1}; muoto on {taulu.kenttä}").arg(inner),
                              i + 1);
        t.type = Tok::Field;
        t.text = table + QLatin1Char('.') + field;
    }
    i = close + 1;
}

// A string in single or double quotes; i is at the opening quote.
void readString(const QString& s, int& i, Token& t) {
    const int n = s.size();
    const QChar c = s[i];
    QString text;
    int j = i + 1;
    bool closed = false;
    while (j < n) {
        if (s[j] == c) {
            if (j + 1 < n && s[j + 1] == c) {  // a doubled quote stands for itself
                text += c;
                j += 2;
                continue;
            }
            closed = true;
            break;
        }
        text += s[j++];
    }
    if (!closed) throw SyntaxError(QStringLiteral("merkkijono jää auki"), i + 1);
    t.type = Tok::String;
    t.text = text;
    i = j + 1;
}

// A number, whole or with a fraction after a point; i is at its first character.
void readNumber(const QString& s, int& i, Token& t) {
    const int n = s.size();
    int j = i;
    while (j < n && s[j].isDigit()) ++j;
    bool fraction = false;
    if (j < n && s[j] == QLatin1Char('.')) {
        fraction = true;
        ++j;
        while (j < n && s[j].isDigit()) ++j;
    }
    if (j < n && isIdentChar(s[j])) throw SyntaxError(QStringLiteral("virheellinen luku"), i + 1);
    QString digits = s.mid(i, j - i);
    t.type = Tok::Number;
    bool ok = false;
    if (!fraction) {
        qlonglong v = digits.toLongLong(&ok);
        if (ok) t.number = Value(v);
    }
    if (!ok) t.number = Value(digits.toDouble());
    t.text = digits;
    i = j;
}

// An operator of one or two characters; any other character is refused.
void readOperator(const QString& s, int& i, Token& t) {
    static const QStringList two = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">=")};
    const QChar c = s[i];
    QString op;
    if (i + 1 < s.size() && two.contains(s.mid(i, 2)))
        op = s.mid(i, 2);
    else if (QStringLiteral("=<>+-*/&").contains(c))
        op = QString(c);
    else
        throw SyntaxError(QStringLiteral("tuntematon merkki '%1'").arg(c), i + 1);
    t.type = Tok::Op;
    t.text = op;
    i += op.size();
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    int i = 0;
    const int n = s.size();
    while (i < n) {
        QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i + 1;
        if (c == QLatin1Char('{')) {
            readBraces(s, i, t);
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            readString(s, i, t);
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
            readNumber(s, i, t);
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && isIdentChar(s[j])) ++j;
            t.type = Tok::Ident;
            t.text = s.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('(')) {
            t.type = Tok::LParen;
            ++i;
        } else if (c == QLatin1Char(')')) {
            t.type = Tok::RParen;
            ++i;
        } else if (c == QLatin1Char(',')) {
            t.type = Tok::Comma;
            ++i;
        } else {
            readOperator(s, i, t);
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.type = Tok::End;
    end.pos = n + 1;
    out.push_back(end);
    return out;
}

using Node = std::unique_ptr<Expr>;

Node makeNode(Expr::Kind k, int pos) {
    auto e = std::make_unique<Expr>();
    e->kind = k;
    e->pos = pos;
    return e;
}

Node binary(Expr::Kind k, Node a, Node b, int pos) {
    auto e = makeNode(k, pos);
    e->args.push_back(std::move(a));
    e->args.push_back(std::move(b));
    return e;
}

class Parser {
public:
    explicit Parser(std::vector<Token> toks) : t_(std::move(toks)) {}

    Node parseAll() {
        Node e = expr();
        if (peek().type != Tok::End) fail(QStringLiteral("ylimääräistä tekstiä: %1").arg(describe(peek())));
        return e;
    }

private:
    const Token& peek() const { return t_[i_]; }
    const Token& next() { return t_[i_++]; }
    [[noreturn]] void fail(const QString& msg) const { throw SyntaxError(msg, peek().pos); }

    static QString describe(const Token& t) {
        switch (t.type) {
        case Tok::End: return QStringLiteral("kaavan loppu");
        case Tok::String: return QStringLiteral("'%1'").arg(t.text);
        case Tok::Field: return QStringLiteral("{%1}").arg(t.text);
        case Tok::FormulaRef: return QStringLiteral("{@%1}").arg(t.text);
        case Tok::LParen: return QStringLiteral("(");
        case Tok::RParen: return QStringLiteral(")");
        case Tok::Comma: return QStringLiteral(",");
        default: return t.text;
        }
    }

    bool isKeyword(const char* kw) const {
        return peek().type == Tok::Ident && peek().text.compare(QLatin1String(kw), Qt::CaseInsensitive) == 0;
    }
    bool isOp(const char* op) const { return peek().type == Tok::Op && peek().text == QLatin1String(op); }

    void expect(Tok type, const QString& what) {
        if (peek().type != type) fail(QStringLiteral("odotettiin %1, löytyi %2").arg(what, describe(peek())));
        ++i_;
    }
    void expectKeyword(const char* kw) {
        if (!isKeyword(kw))
            fail(QStringLiteral("odotettiin %1, löytyi %2").arg(QString::fromLatin1(kw), describe(peek())));
        ++i_;
    }

    // Nesting deep enough to exhaust the stack is refused as an error.
    struct Depth {
        explicit Depth(Parser& p) : p_(p) {
            if (++p_.depth_ > kMaxDepth) p_.fail(QStringLiteral("kaava on liian syvästi sisäkkäinen"));
        }
        ~Depth() { --p_.depth_; }
        Parser& p_;
    };

    Node expr() {
        Depth depth(*this);
        if (isKeyword("if")) return ifExpr();
        return orExpr();
    }

    Node ifExpr() {
        int pos = next().pos;
        auto e = makeNode(Expr::Kind::If, pos);
        e->args.push_back(expr());
        expectKeyword("then");
        e->args.push_back(expr());
        if (isKeyword("else")) {
            ++i_;
            e->args.push_back(expr());
        }
        return e;
    }

    Node orExpr() {
        Node a = andExpr();
        while (isKeyword("or")) {
            int pos = next().pos;
            a = binary(Expr::Kind::Or, std::move(a), andExpr(), pos);
        }
        return a;
    }

    Node andExpr() {
        Node a = notExpr();
        while (isKeyword("and")) {
            int pos = next().pos;
            a = binary(Expr::Kind::And, std::move(a), notExpr(), pos);
        }
        return a;
    }

    Node notExpr() {
        Depth depth(*this);
        if (isKeyword("not")) {
            int pos = next().pos;
            auto e = makeNode(Expr::Kind::Not, pos);
            e->args.push_back(notExpr());
            return e;
        }
        return compareExpr();
    }

    Node compareExpr() {
        Node a = concatExpr();
        if (peek().type == Tok::Op) {
            static const std::pair<const char*, Expr::Cmp> ops[] = {
                {"=", Expr::Cmp::Eq},  {"<>", Expr::Cmp::Ne}, {"<", Expr::Cmp::Lt},
                {">", Expr::Cmp::Gt},  {"<=", Expr::Cmp::Le}, {">=", Expr::Cmp::Ge}};
            for (auto& [text, cmp] : ops) {
                if (isOp(text)) {
                    int pos = next().pos;
                    Node e = binary(Expr::Kind::Compare, std::move(a), concatExpr(), pos);
                    e->cmp = cmp;
                    return e;
                }
            }
        }
        return a;
    }

    Node concatExpr() {
        Node a = addExpr();
        while (isOp("&")) {
            int pos = next().pos;
            a = binary(Expr::Kind::Concat, std::move(a), addExpr(), pos);
        }
        return a;
    }

    Node addExpr() {
        Node a = mulExpr();
        while (isOp("+") || isOp("-")) {
            const Token& op = next();
            a = binary(op.text == QLatin1String("+") ? Expr::Kind::Add : Expr::Kind::Subtract, std::move(a),
                       mulExpr(), op.pos);
        }
        return a;
    }

    Node mulExpr() {
        Node a = unary();
        while (isOp("*") || isOp("/")) {
            const Token& op = next();
            a = binary(op.text == QLatin1String("*") ? Expr::Kind::Multiply : Expr::Kind::Divide, std::move(a),
                       unary(), op.pos);
        }
        return a;
    }

    Node unary() {
        Depth depth(*this);
        if (isOp("-")) {
            int pos = next().pos;
            Node operand = unary();
            if (operand->kind == Expr::Kind::Literal && val::isNumeric(operand->literal)) {
                operand->literal = val::negate(operand->literal);
                return operand;
            }
            auto e = makeNode(Expr::Kind::Negate, pos);
            e->args.push_back(std::move(operand));
            return e;
        }
        if (isOp("+")) {
            ++i_;
            return unary();
        }
        return primary();
    }

    std::vector<Node> arguments() {
        std::vector<Node> args;
        expect(Tok::LParen, QStringLiteral("("));
        if (peek().type != Tok::RParen) {
            args.push_back(expr());
            while (peek().type == Tok::Comma) {
                ++i_;
                args.push_back(expr());
            }
        }
        expect(Tok::RParen, QStringLiteral(")"));
        return args;
    }

    Node primary() {
        const Token& t = peek();
        switch (t.type) {
        case Tok::Number: {
            auto e = makeNode(Expr::Kind::Literal, t.pos);
            e->literal = t.number;
            ++i_;
            return e;
        }
        case Tok::String: {
            auto e = makeNode(Expr::Kind::Literal, t.pos);
            e->literal = Value(t.text);
            ++i_;
            return e;
        }
        case Tok::Field: {
            auto e = makeNode(Expr::Kind::Field, t.pos);
            int dot = t.text.indexOf(QLatin1Char('.'));
            e->table = t.text.left(dot);
            e->field = t.text.mid(dot + 1);
            ++i_;
            return e;
        }
        case Tok::FormulaRef: {
            auto e = makeNode(Expr::Kind::FormulaRef, t.pos);
            e->name = t.text;
            ++i_;
            return e;
        }
        case Tok::LParen: {
            ++i_;
            Node e = expr();
            expect(Tok::RParen, QStringLiteral(")"));
            return e;
        }
        case Tok::Ident: return identifier();
        default: fail(QStringLiteral("odotettiin arvoa, löytyi %1").arg(describe(t)));
        }
    }

    Node identifier() {
        const Token& t = peek();
        const QString word = t.text.toLower();
        const int pos = t.pos;
        if (word == QLatin1String("true") || word == QLatin1String("false")) {
            ++i_;
            auto e = makeNode(Expr::Kind::Literal, pos);
            e->literal = Value(word == QLatin1String("true"));
            return e;
        }
        if (word == QLatin1String("if")) return ifExpr();
        struct PageValue {
            const char* name;
            Expr::Kind kind;
        };
        static const PageValue pageValues[] = {{"pagenumber", Expr::Kind::PageNumber},
                                           {"totalpages", Expr::Kind::TotalPages},
                                           {"printdate", Expr::Kind::PrintDate}};
        for (const auto& s : pageValues) {
            if (word == QLatin1String(s.name)) {
                ++i_;
                if (peek().type == Tok::LParen && t_[i_ + 1].type == Tok::RParen) i_ += 2;
                return makeNode(s.kind, pos);
            }
        }
        struct Function {
            const char* name;
            Expr::Kind kind;
            int minArgs, maxArgs;
        };
        static const Function functions[] = {{"date", Expr::Kind::DateOf, 3, 3},
                                             {"totext", Expr::Kind::ToText, 1, 2},
                                             {"isnull", Expr::Kind::IsNull, 1, 1},
                                             {"sum", Expr::Kind::Sum, 1, 1},
                                             {"count", Expr::Kind::Count, 0, 1},
                                             {"runningsum", Expr::Kind::RunningSum, 1, 1}};
        for (const auto& f : functions) {
            if (word != QLatin1String(f.name)) continue;
            ++i_;
            auto e = makeNode(f.kind, pos);
            e->args = arguments();
            const int n = int(e->args.size());
            if (n < f.minArgs || n > f.maxArgs)
                throw SyntaxError(QStringLiteral("funktiolle %1 väärä määrä argumentteja").arg(t.text), pos);
            if (e->isAggregate()) {
                for (const auto& a : e->args) {
                    forEachNode(*a, [&](const Expr& x) {
                        if (x.isAggregate())
                            throw SyntaxError(QStringLiteral("summafunktiota ei voi käyttää toisen sisällä"), x.pos);
                    });
                }
            }
            if (f.kind == Expr::Kind::DateOf) foldDate(*e);
            return e;
        }
        static const char* keywords[] = {"and", "or", "not", "then", "else"};
        for (const char* kw : keywords)
            if (word == QLatin1String(kw)) fail(QStringLiteral("odotettiin arvoa, löytyi %1").arg(t.text));
        fail(QStringLiteral("tuntematon nimi %1").arg(t.text));
    }

    // Date(y,m,d) of three whole numbers is a constant, checked now.
    static void foldDate(Expr& e) {
        for (const auto& a : e.args)
            if (a->kind != Expr::Kind::Literal || a->literal.kind() != Value::Kind::Int) return;
        int ymd[3];
        for (int i = 0; i < 3; ++i) {
            const std::int64_t n = e.args[size_t(i)]->literal.toLong();
            if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
                throw SyntaxError(QStringLiteral("virheellinen päivämäärä"), e.pos);
            ymd[i] = int(n);
        }
        QDate d(ymd[0], ymd[1], ymd[2]);
        if (!d.isValid()) throw SyntaxError(QStringLiteral("virheellinen päivämäärä"), e.pos);
        e.kind = Expr::Kind::Literal;
        e.literal = Value(dao::Date::fromDate(d));
        e.args.clear();
    }

    static constexpr int kMaxDepth = 200;
    std::vector<Token> t_;
    size_t i_ = 0;
    int depth_ = 0;
};

QString formulaLabel(const QString& name) {
    return name.isEmpty() ? QStringLiteral("kaavassa") : QStringLiteral("kaavassa %1").arg(name);
}

}  // namespace

NamedFormula parseNamedFormula(const QString& entry) {
    NamedFormula nf;
    const int eq = entry.indexOf(QLatin1Char('='));
    nf.name = eq < 0 ? QString() : entry.left(eq).trimmed();
    if (nf.name.startsWith(QLatin1Char('@'))) nf.name = nf.name.mid(1).trimmed();
    if (nf.name.isEmpty() || !std::all_of(nf.name.begin(), nf.name.end(), isIdentChar))
        throw ReportError(err::InvalidProperty,
                          QStringLiteral("Virheellinen kaava \"%1\": muoto on Nimi= 'arvo'").arg(entry));
    const QString label = QStringLiteral("{@%1}").arg(nf.name);
    const QString value = entry.mid(eq + 1).trimmed();
    if (value.startsWith(QLatin1Char('\''))) {
        const int last = value.lastIndexOf(QLatin1Char('\''));
        const QString text = last > 0 ? value.mid(1, last - 1) : value.mid(1);
        nf.formula = Formula::constant(Value(text), label);
    } else {
        nf.formula = Formula::parse(value, label);
        if (nf.formula.isEmpty()) nf.formula = Formula::constant(Value(QString()), label);
    }
    return nf;
}

void forEachNode(const Expr& e, const std::function<void(const Expr&)>& fn) {
    fn(e);
    for (const auto& a : e.args) forEachNode(*a, fn);
}

Formula Formula::parse(const QString& text, const QString& name) {
    Formula f;
    f.name_ = name;
    f.text_ = text;
    if (text.trimmed().isEmpty()) return f;
    try {
        Parser p(tokenize(text));
        f.root_ = p.parseAll();
    } catch (const SyntaxError& e) {
        throw ReportError(err::FormulaSyntax, QStringLiteral("Virhe %1 kohdassa %2: %3. Kaava: %4")
                                                  .arg(formulaLabel(name))
                                                  .arg(e.position)
                                                  .arg(e.message, text));
    }
    return f;
}

Formula Formula::constant(const Value& v, const QString& name) {
    Formula f;
    f.name_ = name;
    f.text_ = v.toString();
    auto e = std::make_unique<Expr>();
    e->kind = Expr::Kind::Literal;
    e->literal = v;
    f.root_ = std::move(e);
    return f;
}

ExprUses Formula::uses() const {
    ExprUses u;
    if (!root_) return u;
    forEachNode(*root_, [&u](const Expr& e) {
        switch (e.kind) {
        case Expr::Kind::Field: u.fields.push_back(&e); break;
        case Expr::Kind::FormulaRef:
            if (!u.formulas.contains(e.name, Qt::CaseInsensitive)) u.formulas << e.name;
            break;
        case Expr::Kind::Sum:
        case Expr::Kind::Count:
        case Expr::Kind::RunningSum: u.aggregates = true; break;
        case Expr::Kind::PageNumber: u.pageNumber = true; break;
        case Expr::Kind::TotalPages: u.totalPages = true; break;
        default: break;
        }
    });
    return u;
}

namespace {

bool isShownText(const Expr& e) {
    if (e.kind != Expr::Kind::Literal || e.literal.kind() != Value::Kind::Text) return false;
    const QString t = e.literal.toString();
    return std::any_of(t.cbegin(), t.cend(), [](QChar c) { return c.isLetter(); });
}

// Calls fn for every shown text of the tree (see Formula::shownTexts); E is
// Expr or const Expr.
template <class E, class F>
void forEachShownText(E& e, bool compared, F&& fn) {
    compared = compared || e.kind == Expr::Kind::Compare;
    if (!compared && isShownText(e)) fn(e);
    for (const auto& a : e.args) forEachShownText(static_cast<E&>(*a), compared, fn);
}

std::unique_ptr<Expr> cloneExpr(const Expr& e) {
    auto c = std::make_unique<Expr>();
    c->kind = e.kind;
    c->cmp = e.cmp;
    c->literal = e.literal;
    c->table = e.table;
    c->field = e.field;
    c->name = e.name;
    c->pos = e.pos;
    c->args.reserve(e.args.size());
    for (const auto& a : e.args) c->args.push_back(cloneExpr(*a));
    return c;
}

}  // namespace

QStringList Formula::shownTexts() const {
    QStringList out;
    if (root_) forEachShownText(*root_, false, [&out](const Expr& e) { out << e.literal.toString(); });
    return out;
}

Formula Formula::withShownTexts(const std::function<QString(const QString&)>& replace) const {
    if (!root_ || shownTexts().isEmpty()) return *this;
    std::unique_ptr<Expr> copy = cloneExpr(*root_);
    forEachShownText(*copy, false, [&replace](Expr& e) { e.literal = Value(replace(e.literal.toString())); });
    Formula f = *this;
    f.root_ = std::move(copy);
    return f;
}

namespace {

Value compareValues(const Expr& e, const Value& a, const Value& b) {
    if (e.cmp == Expr::Cmp::Eq || e.cmp == Expr::Cmp::Ne) {
        const auto same = val::equal(a, b);
        if (!same) return Value(false);  // Null on either side: the comparison fails
        return Value(*same == (e.cmp == Expr::Cmp::Eq));
    }
    auto c = val::compare(a, b);
    if (!c) return Value(false);  // Null on either side: the comparison fails
    switch (e.cmp) {
    case Expr::Cmp::Eq: return Value(*c == 0);
    case Expr::Cmp::Ne: return Value(*c != 0);
    case Expr::Cmp::Lt: return Value(*c < 0);
    case Expr::Cmp::Gt: return Value(*c > 0);
    case Expr::Cmp::Le: return Value(*c <= 0);
    case Expr::Cmp::Ge: return Value(*c >= 0);
    }
    return Value(false);
}

// A whole-number argument of a function, within lo..hi. A fraction, or a
// number too large for the function (1e20 fits no integer at all), is an
// error of the formula.
std::int64_t wholeArg(const Value& v, const char* what, std::int64_t lo = std::numeric_limits<std::int64_t>::min(),
                      std::int64_t hi = std::numeric_limits<std::int64_t>::max()) {
    std::optional<std::int64_t> n;
    if (v.kind() == Value::Kind::Int) {
        n = v.toLong();
    } else if (val::isNumeric(v)) {
        const double d = v.toDouble();
        // -2^63 <= d < 2^63: the doubles that convert to a 64-bit integer.
        if (d == std::floor(d) && d >= -0x1p63 && d < 0x1p63) n = std::int64_t(d);
    }
    if (n && *n >= lo && *n <= hi) return *n;
    throw EvalError(QStringLiteral("%1 vaatii kokonaisluvun, saatiin %2")
                        .arg(QString::fromLatin1(what), v.debugString())
                        .toStdString());
}

constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

}  // namespace

Value evaluateExpr(const Expr& e, EvalScope& scope) {
    using K = Expr::Kind;
    switch (e.kind) {
    case K::Literal: return e.literal;
    case K::Field: return scope.field(e);
    case K::FormulaRef: return scope.formula(e);
    case K::Negate: return val::negate(evaluateExpr(*e.args[0], scope));
    case K::Not: return Value(!val::truth(evaluateExpr(*e.args[0], scope)));
    case K::And:
        if (!val::truth(evaluateExpr(*e.args[0], scope))) return Value(false);
        return Value(val::truth(evaluateExpr(*e.args[1], scope)));
    case K::Or:
        if (val::truth(evaluateExpr(*e.args[0], scope))) return Value(true);
        return Value(val::truth(evaluateExpr(*e.args[1], scope)));
    case K::Compare: return compareValues(e, evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::Add: return val::add(evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::Subtract: return val::subtract(evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::Multiply: return val::multiply(evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::Divide: return val::divide(evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::Concat: return val::concat(evaluateExpr(*e.args[0], scope), evaluateExpr(*e.args[1], scope));
    case K::If:
        if (val::truth(evaluateExpr(*e.args[0], scope))) return evaluateExpr(*e.args[1], scope);
        return e.args.size() > 2 ? evaluateExpr(*e.args[2], scope) : Value();
    case K::DateOf: {
        Value y = evaluateExpr(*e.args[0], scope), m = evaluateExpr(*e.args[1], scope),
              d = evaluateExpr(*e.args[2], scope);
        if (y.isNull() || m.isNull() || d.isNull()) return Value();
        QDate date(int(wholeArg(y, "Date", kIntMin, kIntMax)), int(wholeArg(m, "Date", kIntMin, kIntMax)),
                   int(wholeArg(d, "Date", kIntMin, kIntMax)));
        if (!date.isValid()) throw EvalError("virheellinen päivämäärä");
        return Value(dao::Date::fromDate(date));
    }
    case K::ToText: {
        Value v = evaluateExpr(*e.args[0], scope);
        if (e.args.size() < 2) return Value(val::toText(v));
        Value dec = evaluateExpr(*e.args[1], scope);
        Format f;
        f.kind = Format::Kind::Number;
        f.decimals = int(std::clamp<std::int64_t>(wholeArg(dec, "ToText"), 0, 10));
        if (v.kind() == Value::Kind::Int && f.decimals == 0) f.kind = Format::Kind::Integer;
        return Value(formatValue(v, f));
    }
    case K::IsNull: return Value(evaluateExpr(*e.args[0], scope).isNull());
    case K::Sum:
    case K::Count:
    case K::RunningSum: return scope.aggregate(e);
    case K::PageNumber:
    case K::TotalPages:
    case K::PrintDate: return scope.pageValue(e);
    }
    return Value();
}

Value evaluate(const Formula& f, EvalScope& scope) {
    if (f.isEmpty()) return Value();
    try {
        return evaluateExpr(*f.root(), scope);
    } catch (const ReportError&) {
        throw;
    } catch (const std::exception& ex) {
        throw ReportError(err::FormulaError, QStringLiteral("Virhe %1: %2. Kaava: %3")
                                                 .arg(formulaLabel(f.name()), QString::fromUtf8(ex.what()),
                                                      f.text()));
    }
}

}  // namespace report
