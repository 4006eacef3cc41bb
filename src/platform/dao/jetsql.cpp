#include "platform/dao/jetsql.h"

#include "platform/dao/error.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <optional>

namespace dao::jet {

namespace {

enum class Tok { Space, Ident, Bracket, String, Number, Date, Punct, Param };

struct Token {
    Tok type;
    QString text;  // identifier name, string contents, punctuation, ...
};

bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

[[noreturn]] void syntaxError(const QString& sql) { raise(err::SyntaxErrorInExpression, sql); }

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && s[j].isSpace()) ++j;
            out.push_back({Tok::Space, QStringLiteral(" ")});
            i = j;
        } else if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
            // Comment to the end of the line.
            while (i < n && s[i] != u'\n') ++i;
            out.push_back({Tok::Space, QStringLiteral(" ")});
        } else if (isIdentStart(c)) {
            qsizetype j = i;
            while (j < n && isIdentPart(s[j])) ++j;
            out.push_back({Tok::Ident, s.mid(i, j - i)});
            i = j;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit())) {
            qsizetype j = i;
            while (j < n && s[j].isDigit()) ++j;
            if (j < n && s[j] == u'.') {
                ++j;
                while (j < n && s[j].isDigit()) ++j;
            }
            if (j < n && (s[j] == u'e' || s[j] == u'E') && j + 1 < n &&
                (s[j + 1].isDigit() || ((s[j + 1] == u'+' || s[j + 1] == u'-') && j + 2 < n && s[j + 2].isDigit()))) {
                j += 2;
                while (j < n && s[j].isDigit()) ++j;
            }
            out.push_back({Tok::Number, s.mid(i, j - i)});
            i = j;
        } else if (c == u'\'' || c == u'"') {
            // Both quote characters delimit text; a doubled quote stands for itself.
            QString text;
            qsizetype j = i + 1;
            bool closed = false;
            while (j < n) {
                if (s[j] == c) {
                    if (j + 1 < n && s[j + 1] == c) {
                        text += c;
                        j += 2;
                        continue;
                    }
                    closed = true;
                    ++j;
                    break;
                }
                text += s[j++];
            }
            if (!closed) syntaxError(s);
            out.push_back({Tok::String, text});
            i = j;
        } else if (c == u'[') {
            const qsizetype j = s.indexOf(u']', i + 1);
            if (j < 0) syntaxError(s);
            out.push_back({Tok::Bracket, s.mid(i + 1, j - i - 1)});
            i = j + 1;
        } else if (c == u'#') {
            const qsizetype j = s.indexOf(u'#', i + 1);
            if (j < 0) syntaxError(s);
            out.push_back({Tok::Date, s.mid(i + 1, j - i - 1).trimmed()});
            i = j + 1;
        } else if (c == u'?') {
            out.push_back({Tok::Param, QStringLiteral("?")});
            ++i;
        } else {
            static const QString two[] = {QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">="),
                                          QStringLiteral("!="), QStringLiteral("||")};
            bool matched = false;
            for (const QString& t : two) {
                if (s.mid(i, 2) == t) {
                    out.push_back({Tok::Punct, t});
                    i += 2;
                    matched = true;
                    break;
                }
            }
            if (!matched) {
                out.push_back({Tok::Punct, QString(c)});
                ++i;
            }
        }
    }
    return out;
}

// Words of the dialect that are not names.
const QSet<QString>& keywords() {
    static const QSet<QString> k = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"), QStringLiteral("AND"),
        QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("ORDER"), QStringLiteral("BY"),
        QStringLiteral("ASC"), QStringLiteral("DESC"), QStringLiteral("INSERT"), QStringLiteral("INTO"),
        QStringLiteral("VALUES"), QStringLiteral("UPDATE"), QStringLiteral("SET"), QStringLiteral("DELETE"),
        QStringLiteral("INNER"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("OUTER"),
        QStringLiteral("JOIN"), QStringLiteral("ON"), QStringLiteral("AS"), QStringLiteral("GROUP"),
        QStringLiteral("HAVING"), QStringLiteral("DISTINCT"), QStringLiteral("IN"), QStringLiteral("IS"),
        QStringLiteral("NULL"), QStringLiteral("LIKE"), QStringLiteral("BETWEEN"), QStringLiteral("EXISTS"),
        QStringLiteral("UNION"), QStringLiteral("ALL"), QStringLiteral("CREATE"), QStringLiteral("TABLE"),
        QStringLiteral("DROP"), QStringLiteral("ALTER"), QStringLiteral("ADD"), QStringLiteral("COLUMN"),
        QStringLiteral("INDEX"), QStringLiteral("UNIQUE"), QStringLiteral("PRIMARY"), QStringLiteral("KEY"),
        QStringLiteral("CONSTRAINT"), QStringLiteral("TRUE"), QStringLiteral("FALSE"), QStringLiteral("MOD"),
        QStringLiteral("TOP"), QStringLiteral("PERCENT"), QStringLiteral("DISTINCTROW"), QStringLiteral("CROSS"),
        QStringLiteral("XOR"), QStringLiteral("VIEW"), QStringLiteral("DEFAULT"),
    };
    return k;
}

bool isKeyword(const Token& t, const char* word) {
    return t.type == Tok::Ident && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isKeyword(const Token& t) { return t.type == Tok::Ident && keywords().contains(t.text.toUpper()); }

bool isPunct(const Token& t, const char* p) { return t.type == Tok::Punct && t.text == QLatin1String(p); }

// Functions of the dialect that the engine provides under a name of its own.
const QHash<QString, QString>& functionNames() {
    static const QHash<QString, QString> f = {
        {QStringLiteral("NZ"), QStringLiteral("jet_nz")},       {QStringLiteral("IIF"), QStringLiteral("jet_iif")},
        {QStringLiteral("UCASE"), QStringLiteral("jet_ucase")}, {QStringLiteral("LCASE"), QStringLiteral("jet_lcase")},
        {QStringLiteral("LEFT"), QStringLiteral("jet_left")},   {QStringLiteral("RIGHT"), QStringLiteral("jet_right")},
        {QStringLiteral("MID"), QStringLiteral("jet_mid")},     {QStringLiteral("LEN"), QStringLiteral("jet_len")},
        {QStringLiteral("TRIM"), QStringLiteral("jet_trim")},   {QStringLiteral("LTRIM"), QStringLiteral("jet_ltrim")},
        {QStringLiteral("RTRIM"), QStringLiteral("jet_rtrim")}, {QStringLiteral("YEAR"), QStringLiteral("jet_year")},
        {QStringLiteral("MONTH"), QStringLiteral("jet_month")}, {QStringLiteral("DAY"), QStringLiteral("jet_day")},
        {QStringLiteral("INT"), QStringLiteral("jet_int")},     {QStringLiteral("VAL"), QStringLiteral("jet_val")},
        {QStringLiteral("CLNG"), QStringLiteral("jet_clng")},   {QStringLiteral("CSTR"), QStringLiteral("jet_cstr")},
        {QStringLiteral("CDBL"), QStringLiteral("jet_cdbl")},   {QStringLiteral("CCUR"), QStringLiteral("jet_ccur")},
        {QStringLiteral("ABS"), QStringLiteral("jet_abs")},     {QStringLiteral("INSTR"), QStringLiteral("jet_instr")},
        {QStringLiteral("DATESERIAL"), QStringLiteral("jet_dateserial")},
        {QStringLiteral("COUNT"), QStringLiteral("COUNT")},     {QStringLiteral("MAX"), QStringLiteral("MAX")},
        {QStringLiteral("MIN"), QStringLiteral("MIN")},         {QStringLiteral("SUM"), QStringLiteral("SUM")},
        {QStringLiteral("AVG"), QStringLiteral("AVG")},
    };
    return f;
}

bool isAggregate(const QString& upperName) {
    return upperName == QLatin1String("COUNT") || upperName == QLatin1String("MAX") ||
           upperName == QLatin1String("MIN") || upperName == QLatin1String("SUM") || upperName == QLatin1String("AVG");
}

// #m/d/yyyy# or #m/d/yyyy hh:mm[:ss]# (also an ISO yyyy-mm-dd inside the signs).
QString dateLiteral(const QString& body, const QString& sql) {
    QString datePart = body;
    QString timePart;
    const qsizetype sp = body.indexOf(u' ');
    if (sp > 0) {
        datePart = body.left(sp);
        timePart = body.mid(sp + 1).trimmed();
    }
    QDate d;
    const QStringList p = datePart.split(u'/');
    if (p.size() == 3) {
        bool okM, okD, okY;
        const int m = p[0].toInt(&okM), day = p[1].toInt(&okD);
        int y = p[2].toInt(&okY);
        if (okY && p[2].size() <= 2) y += (y < 30 ? 2000 : 1900);
        if (okM && okD && okY) d = QDate(y, m, day);
    } else {
        d = QDate::fromString(datePart, QStringLiteral("yyyy-MM-dd"));
    }
    if (!d.isValid()) syntaxError(sql);
    QString iso = d.toString(QStringLiteral("yyyy-MM-dd"));
    if (!timePart.isEmpty()) {
        QTime t = QTime::fromString(timePart, QStringLiteral("H:mm:ss"));
        if (!t.isValid()) t = QTime::fromString(timePart, QStringLiteral("H:mm"));
        if (!t.isValid()) syntaxError(sql);
        if (t.msecsSinceStartOfDay() != 0) iso += u' ' + t.toString(QStringLiteral("HH:mm:ss"));
    }
    return iso;
}

// Next token that is not a space, from index i on; -1 when none.
qsizetype nextSolid(const std::vector<Token>& t, qsizetype i) {
    while (i < qsizetype(t.size()) && t[i].type == Tok::Space) ++i;
    return i < qsizetype(t.size()) ? i : -1;
}

struct Out {
    QString sql;
    void add(const QString& s) { sql += s; }
};

class Translator {
public:
    explicit Translator(const QString& source) : src_(source), toks_(tokenize(source)) {}

    Translation run() {
        // Drop a closing semicolon.
        while (!toks_.empty() && (toks_.back().type == Tok::Space || isPunct(toks_.back(), ";"))) toks_.pop_back();
        for (const Token& t : toks_)
            if (isPunct(t, ";")) raise(err::SyntaxErrorInExpression, src_);
        const qsizetype first = nextSolid(toks_, 0);
        if (first < 0) syntaxError(src_);
        const QString verb = toks_[first].text.toUpper();
        Translation tr;
        if (verb == QLatin1String("CREATE")) {
            const qsizetype second = nextSolid(toks_, first + 1);
            if (second >= 0 && isKeyword(toks_[second], "TABLE")) return createTable(second + 1);
            if (second >= 0 && (isKeyword(toks_[second], "INDEX") || isKeyword(toks_[second], "UNIQUE")))
                return createIndex(second);
        }
        if (verb == QLatin1String("SELECT")) tr.kind = StatementKind::Select;
        else if (verb == QLatin1String("INSERT")) tr.kind = StatementKind::Insert;
        else if (verb == QLatin1String("UPDATE")) tr.kind = StatementKind::Update;
        else if (verb == QLatin1String("DELETE")) tr.kind = StatementKind::Delete;
        else if (verb == QLatin1String("DROP")) {
            const qsizetype second = nextSolid(toks_, first + 1);
            tr.kind = (second >= 0 && isKeyword(toks_[second], "INDEX")) ? StatementKind::DropIndex
                                                                          : StatementKind::DropTable;
            if (tr.kind == StatementKind::DropIndex) return dropIndex(second + 1);
        } else if (verb == QLatin1String("ALTER")) tr.kind = StatementKind::AlterTable;
        else if (verb == QLatin1String("PRAGMA") || verb == QLatin1String("VACUUM")) {
            tr.kind = StatementKind::Other;
            tr.sql = src_;
            return tr;
        }
        if (tr.kind == StatementKind::Delete) dropDeleteStar(first + 1);
        if (tr.kind == StatementKind::Select) {
            analyseSelect(tr, first);
        }
        tr.sql = emit(0, qsizetype(toks_.size()), &tr);
        return tr;
    }

private:
    // DELETE * FROM t, DELETE t.* FROM t: the star list goes.
    void dropDeleteStar(qsizetype from) {
        qsizetype i = nextSolid(toks_, from);
        if (i < 0) return;
        qsizetype fromKw = i;
        while (fromKw < qsizetype(toks_.size()) && !isKeyword(toks_[fromKw], "FROM")) ++fromKw;
        if (fromKw >= qsizetype(toks_.size())) return;
        for (qsizetype k = i; k < fromKw; ++k) toks_[k] = {Tok::Space, QStringLiteral(" ")};
    }

    // Finds the top-level FROM tables and whether rows map to table rows.
    void analyseSelect(Translation& tr, qsizetype selectAt) {
        int depth = 0;
        bool rowSource = true;
        qsizetype fromAt = -1;
        qsizetype fromEnd = qsizetype(toks_.size());
        for (qsizetype i = selectAt + 1; i < qsizetype(toks_.size()); ++i) {
            const Token& t = toks_[i];
            if (isPunct(t, "(")) ++depth;
            else if (isPunct(t, ")")) --depth;
            if (depth != 0) continue;
            if (isKeyword(t, "DISTINCT") || isKeyword(t, "GROUP") || isKeyword(t, "UNION") ||
                isKeyword(t, "HAVING"))
                rowSource = false;
            if (isKeyword(t, "FROM") && fromAt < 0) fromAt = i;
            if (fromAt >= 0 && i > fromAt &&
                (isKeyword(t, "WHERE") || isKeyword(t, "ORDER") || isKeyword(t, "GROUP") ||
                 isKeyword(t, "HAVING") || isKeyword(t, "UNION")) &&
                fromEnd == qsizetype(toks_.size()))
                fromEnd = i;
        }
        // Aggregates in the select list.
        if (fromAt > 0) {
            for (qsizetype i = selectAt + 1; i < fromAt; ++i) {
                if (toks_[i].type == Tok::Ident && isAggregate(toks_[i].text.toUpper())) {
                    const qsizetype nx = nextSolid(toks_, i + 1);
                    if (nx >= 0 && isPunct(toks_[nx], "(")) rowSource = false;
                }
            }
        } else {
            rowSource = false;
        }
        if (fromAt > 0) {
            // Table references: a name after FROM, a comma, JOIN or an opening
            // parenthesis of the FROM list, with an optional alias.
            bool expectTable = true;
            int d = 0;
            for (qsizetype i = fromAt + 1; i < fromEnd; ++i) {
                const Token& t = toks_[i];
                if (t.type == Tok::Space) continue;
                if (isPunct(t, "(")) {
                    ++d;
                    const qsizetype nx = nextSolid(toks_, i + 1);
                    if (nx >= 0 && isKeyword(toks_[nx], "SELECT")) rowSource = false;
                    continue;
                }
                if (isPunct(t, ")")) {
                    --d;
                    continue;
                }
                if (isPunct(t, ",") || isKeyword(t, "JOIN")) {
                    expectTable = true;
                    continue;
                }
                if (isKeyword(t, "ON")) {
                    expectTable = false;
                    continue;
                }
                if (expectTable && (t.type == Tok::Ident || t.type == Tok::Bracket) && !isKeyword(t)) {
                    TableRef ref{t.text, t.text};
                    qsizetype nx = nextSolid(toks_, i + 1);
                    if (nx >= 0 && isKeyword(toks_[nx], "AS")) nx = nextSolid(toks_, nx + 1);
                    if (nx >= 0 && nx < fromEnd && (toks_[nx].type == Tok::Ident || toks_[nx].type == Tok::Bracket) &&
                        !isKeyword(toks_[nx])) {
                        ref.alias = toks_[nx].text;
                        i = nx;
                    }
                    tr.tables.push_back(ref);
                    expectTable = false;
                }
            }
        }
        tr.rowSource = rowSource && !tr.tables.empty();
    }

    // TOP n of a statement level: its LIMIT goes where the level ends.
    struct Level {
        int limit = -1;
        int depth = 0;
    };

    // Writes tokens [from, to) in SQLite's dialect.
    QString emit(qsizetype from, qsizetype to, Translation* tr) {
        Out o;
        std::vector<Level> limits;  // TOP n per statement level
        int depth = 0;
        int exprCounter = 1000;
        for (qsizetype i = from; i < to; ++i) {
            const Token& t = toks_[i];
            switch (t.type) {
            case Tok::Space:
                o.add(QStringLiteral(" "));
                break;
            case Tok::String:
                o.add(quoteText(t.text));
                break;
            case Tok::Number:
                o.add(t.text);
                break;
            case Tok::Date:
                o.add(quoteText(dateLiteral(t.text, src_)));
                break;
            case Tok::Param:
                o.add(QStringLiteral("?"));
                break;
            case Tok::Bracket:
                o.add(quoteIdent(t.text));
                break;
            case Tok::Punct:
                emitPunct(t, o, depth, limits);
                break;
            case Tok::Ident:
                if (isKeyword(t, "SELECT")) i = emitSelect(i, to, o, depth, limits, tr, exprCounter) - 1;
                else emitIdent(i, to, o);
                break;
            }
        }
        while (!limits.empty()) {
            o.add(QStringLiteral(" LIMIT ") + QString::number(limits.back().limit));
            limits.pop_back();
        }
        return o.sql;
    }

    // A punctuation token: parentheses keep the depth (a level's LIMIT goes
    // before its closing one), & joins texts.
    static void emitPunct(const Token& t, Out& o, int& depth, std::vector<Level>& limits) {
        if (t.text == QLatin1String("(")) {
            ++depth;
            o.add(t.text);
        } else if (t.text == QLatin1String(")")) {
            if (!limits.empty() && limits.back().depth == depth) {
                o.add(QStringLiteral(" LIMIT ") + QString::number(limits.back().limit));
                limits.pop_back();
            }
            --depth;
            o.add(t.text);
        } else if (t.text == QLatin1String("&")) {
            o.add(QStringLiteral("||"));
        } else {
            o.add(t.text);
        }
    }

    // A name or keyword other than SELECT, at token i.
    void emitIdent(qsizetype i, qsizetype to, Out& o) {
        const Token& t = toks_[i];
        const QString up = t.text.toUpper();
        const qsizetype nx = nextSolid(toks_, i + 1);
        const bool call = nx >= 0 && nx < to && isPunct(toks_[nx], "(");
        if (up == QLatin1String("TRUE")) {
            o.add(QStringLiteral("1"));
        } else if (up == QLatin1String("FALSE")) {
            o.add(QStringLiteral("0"));
        } else if (up == QLatin1String("DISTINCTROW")) {
            // Rows of one table are distinct already.
        } else if (up == QLatin1String("MOD")) {
            o.add(QStringLiteral("%"));
        } else if (call && functionNames().contains(up)) {
            o.add(functionNames().value(up));
        } else if (isKeyword(t)) {
            o.add(up);
        } else {
            o.add(quoteIdent(t.text));
        }
    }

    // SELECT [DISTINCT|DISTINCTROW|ALL] [TOP n] and its select list, from
    // the SELECT at token i; returns the index of the token after the list.
    qsizetype emitSelect(qsizetype i, qsizetype to, Out& o, int depth, std::vector<Level>& limits, Translation* tr,
                         int& exprCounter) {
        o.add(QStringLiteral("SELECT"));
        qsizetype k = nextSolid(toks_, i + 1);
        if (k >= 0 && (isKeyword(toks_[k], "DISTINCT") || isKeyword(toks_[k], "ALL"))) {
            o.add(u' ' + toks_[k].text.toUpper());
            i = k;
            k = nextSolid(toks_, k + 1);
        } else if (k >= 0 && isKeyword(toks_[k], "DISTINCTROW")) {
            i = k;
            k = nextSolid(toks_, k + 1);
        }
        if (k >= 0 && isKeyword(toks_[k], "TOP")) {
            const qsizetype num = nextSolid(toks_, k + 1);
            if (num < 0 || toks_[num].type != Tok::Number) syntaxError(src_);
            const qsizetype after = nextSolid(toks_, num + 1);
            if (after >= 0 && isKeyword(toks_[after], "PERCENT")) syntaxError(src_);
            limits.push_back({toks_[num].text.toInt(), depth});
            if (tr && depth == 0) tr->limit = toks_[num].text.toInt();
            i = num;
        }
        o.add(QStringLiteral(" "));
        if (tr && depth == 0 && tr->selectListPos < 0) tr->selectListPos = o.sql.size();
        return emitSelectList(i + 1, to, o, depth, exprCounter);
    }

    // Writes the select list that starts at token i, naming unnamed
    // expressions Expr1000, Expr1001, ...; returns the index of FROM (or end).
    qsizetype emitSelectList(qsizetype i, qsizetype to, Out& o, int baseDepth, int& exprCounter) {
        int depth = 0;
        qsizetype itemStart = i;
        qsizetype k = i;
        auto finishItem = [&](qsizetype s, qsizetype e) {
            // Classify the item's solid tokens.
            std::vector<qsizetype> solid;
            bool hasAs = false;
            int d = 0;
            for (qsizetype x = s; x < e; ++x) {
                if (toks_[x].type == Tok::Space) continue;
                if (isPunct(toks_[x], "(")) ++d;
                if (isPunct(toks_[x], ")")) --d;
                if (d == 0 && isKeyword(toks_[x], "AS")) hasAs = true;
                solid.push_back(x);
            }
            bool plain = false;
            auto name = [&](qsizetype x) {
                return (toks_[x].type == Tok::Ident && !isKeyword(toks_[x])) || toks_[x].type == Tok::Bracket;
            };
            if (solid.size() == 1 && (isPunct(toks_[solid[0]], "*") || name(solid[0]))) plain = true;
            if (solid.size() == 3 && name(solid[0]) && isPunct(toks_[solid[1]], ".") &&
                (name(solid[2]) || isPunct(toks_[solid[2]], "*")))
                plain = true;
            // A second alias form: "expr name" without AS is not of this dialect.
            const QString body = emitRange(s, e, exprCounter);
            o.add(body);
            if (!plain && !hasAs && !solid.empty()) {
                o.add(QStringLiteral(" AS ") + quoteIdent(QStringLiteral("Expr%1").arg(exprCounter++)));
            }
        };
        for (k = i; k < to; ++k) {
            const Token& t = toks_[k];
            if (isPunct(t, "(")) ++depth;
            else if (isPunct(t, ")")) {
                if (depth == 0) break;  // end of a sub-select
                --depth;
            }
            if (depth != 0) continue;
            if (isPunct(t, ",")) {
                finishItem(itemStart, k);
                o.add(QStringLiteral(","));
                itemStart = k + 1;
                continue;
            }
            if (isKeyword(t, "FROM") || isKeyword(t, "WHERE") || isKeyword(t, "ORDER") || isKeyword(t, "GROUP") ||
                isKeyword(t, "UNION") || isKeyword(t, "HAVING") || isKeyword(t, "INTO"))
                break;
        }
        finishItem(itemStart, k);
        (void)baseDepth;
        return k;
    }

    // Translates a sub-range with the same rules (used for select items).
    QString emitRange(qsizetype s, qsizetype e, int& exprCounter) {
        Translator sub(*this);
        QString out = sub.emit(s, e, nullptr);
        (void)exprCounter;
        return out;
    }

    Translation createTable(qsizetype at) {
        Translation tr;
        tr.kind = StatementKind::CreateTable;
        qsizetype i = nextSolid(toks_, at);
        if (i < 0 || (toks_[i].type != Tok::Ident && toks_[i].type != Tok::Bracket)) syntaxError(src_);
        const QString table = toks_[i].text;
        i = nextSolid(toks_, i + 1);
        if (i < 0 || !isPunct(toks_[i], "(")) syntaxError(src_);
        QStringList cols;
        QStringList pkCols;
        for (const auto& item : columnItems(i + 1)) {
            if (item.empty()) syntaxError(src_);
            if (isKeyword(item[0], "CONSTRAINT") || isKeyword(item[0], "PRIMARY")) {
                pkCols << keyColumns(item);
                continue;
            }
            bool primary = false;
            cols << columnDefinition(item, primary);
            if (primary) pkCols.removeAll(item[0].text);
        }
        if (!pkCols.isEmpty()) {
            QStringList quoted;
            for (const QString& c : pkCols) quoted << quoteIdent(c);
            cols << QStringLiteral("PRIMARY KEY (") + quoted.join(QStringLiteral(", ")) + u')';
        }
        tr.sql = QStringLiteral("CREATE TABLE ") + quoteIdent(table) + QStringLiteral(" (") +
                 cols.join(QStringLiteral(", ")) + u')';
        tr.tables.push_back({table, table});
        return tr;
    }

    // The items of a column list from token j (after its opening
    // parenthesis) to its closing one, split at its top-level commas, each
    // without its spaces.
    std::vector<std::vector<Token>> columnItems(qsizetype j) {
        std::vector<std::vector<Token>> items(1);
        int depth = 0;
        for (; j < qsizetype(toks_.size()); ++j) {
            const Token& t = toks_[j];
            if (isPunct(t, "(")) ++depth;
            if (isPunct(t, ")")) {
                if (depth == 0) break;
                --depth;
            }
            if (depth == 0 && isPunct(t, ",")) {
                items.emplace_back();
                continue;
            }
            if (t.type != Tok::Space) items.back().push_back(t);
        }
        if (j >= qsizetype(toks_.size())) syntaxError(src_);
        return items;
    }

    // The columns of a key constraint, CONSTRAINT name PRIMARY KEY (a, b);
    // none for a constraint of another kind.
    static QStringList keyColumns(const std::vector<Token>& item) {
        bool primary = false;
        QStringList names;
        bool inList = false;
        for (const Token& t : item) {
            if (isKeyword(t, "PRIMARY")) primary = true;
            if (isPunct(t, "(")) inList = true;
            else if (isPunct(t, ")")) inList = false;
            else if (inList && (t.type == Tok::Ident || t.type == Tok::Bracket)) names << t.text;
        }
        return primary ? names : QStringList();
    }

    // One column, name type [(size)] [... PRIMARY KEY ...], in SQLite's
    // dialect; primary tells that it is the key itself (a counter is).
    QString columnDefinition(const std::vector<Token>& item, bool& primary) {
        const QString name = item[0].text;
        if (item.size() < 2) syntaxError(src_);
        const QString typeName = item[1].text.toUpper();
        int size = 0;
        qsizetype p = 2;
        if (p < qsizetype(item.size()) && isPunct(item[p], "(")) {
            if (p + 2 >= qsizetype(item.size())) syntaxError(src_);
            size = item[p + 1].text.toInt();
            p += 3;
        }
        primary = false;
        for (; p < qsizetype(item.size()); ++p)
            if (isKeyword(item[p], "PRIMARY")) primary = true;
        bool counter = false;
        const FieldType ft = fieldType(typeName, size, counter);
        const QString sql = columnSql(name, ft, size, counter, primary || counter);
        primary = primary && !counter;
        return sql;
    }

    // The field type of a type name of the dialect; a text without a size
    // is 255 wide.
    FieldType fieldType(const QString& typeName, int& size, bool& counter) {
        counter = false;
        if (typeName == QLatin1String("COUNTER") || typeName == QLatin1String("AUTOINCREMENT")) {
            counter = true;
            return FieldType::Long;
        }
        if (typeName == QLatin1String("LONG") || typeName == QLatin1String("INTEGER") ||
            typeName == QLatin1String("INT"))
            return FieldType::Long;
        if (typeName == QLatin1String("SHORT") || typeName == QLatin1String("SMALLINT")) return FieldType::Integer;
        if (typeName == QLatin1String("BYTE") || typeName == QLatin1String("TINYINT")) return FieldType::Byte;
        if (typeName == QLatin1String("BIT") || typeName == QLatin1String("YESNO") ||
            typeName == QLatin1String("LOGICAL"))
            return FieldType::Boolean;
        if (typeName == QLatin1String("CURRENCY") || typeName == QLatin1String("MONEY")) return FieldType::Currency;
        if (typeName == QLatin1String("DOUBLE") || typeName == QLatin1String("FLOAT") ||
            typeName == QLatin1String("NUMBER"))
            return FieldType::Double;
        if (typeName == QLatin1String("SINGLE") || typeName == QLatin1String("REAL")) return FieldType::Single;
        if (typeName == QLatin1String("DATETIME") || typeName == QLatin1String("DATE") ||
            typeName == QLatin1String("TIME"))
            return FieldType::Date;
        if (typeName == QLatin1String("TEXT") || typeName == QLatin1String("VARCHAR") ||
            typeName == QLatin1String("CHAR")) {
            if (size <= 0) size = 255;
            return FieldType::Text;
        }
        if (typeName == QLatin1String("MEMO") || typeName == QLatin1String("LONGTEXT")) return FieldType::Memo;
        syntaxError(src_);
    }

    // CREATE [UNIQUE] INDEX name ON table (cols): index names belong to their
    // table, so the engine's name carries the table's name in front.
    Translation createIndex(qsizetype at) {
        Translation tr;
        tr.kind = StatementKind::CreateIndex;
        qsizetype i = at;
        bool unique = false;
        if (isKeyword(toks_[i], "UNIQUE")) {
            unique = true;
            i = nextSolid(toks_, i + 1);
        }
        if (i < 0 || !isKeyword(toks_[i], "INDEX")) syntaxError(src_);
        i = nextSolid(toks_, i + 1);
        if (i < 0) syntaxError(src_);
        const QString name = toks_[i].text;
        i = nextSolid(toks_, i + 1);
        if (i < 0 || !isKeyword(toks_[i], "ON")) syntaxError(src_);
        i = nextSolid(toks_, i + 1);
        if (i < 0) syntaxError(src_);
        const QString table = toks_[i].text;
        const QString rest = emit(i + 1, qsizetype(toks_.size()), nullptr);
        tr.sql = QStringLiteral("CREATE ") + (unique ? QStringLiteral("UNIQUE ") : QString()) +
                 QStringLiteral("INDEX ") + quoteIdent(table + QStringLiteral("__") + name) + QStringLiteral(" ON ") +
                 quoteIdent(table) + rest;
        tr.tables.push_back({table, table});
        return tr;
    }

    // DROP INDEX name ON table
    Translation dropIndex(qsizetype at) {
        Translation tr;
        tr.kind = StatementKind::DropIndex;
        qsizetype i = nextSolid(toks_, at);
        if (i < 0) syntaxError(src_);
        const QString name = toks_[i].text;
        i = nextSolid(toks_, i + 1);
        if (i < 0 || !isKeyword(toks_[i], "ON")) syntaxError(src_);
        i = nextSolid(toks_, i + 1);
        if (i < 0) syntaxError(src_);
        const QString table = toks_[i].text;
        tr.sql = QStringLiteral("DROP INDEX ") + quoteIdent(table + QStringLiteral("__") + name);
        return tr;
    }

    QString src_;
    std::vector<Token> toks_;
};

}  // namespace

QString quoteIdent(const QString& name) {
    QString n = name;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}

QString quoteText(const QString& text) {
    QString n = text;
    n.replace(u'\'', QStringLiteral("''"));
    return u'\'' + n + u'\'';
}

Translation translate(const QString& jetSql) { return Translator(jetSql).run(); }

QString columnSql(const QString& name, FieldType type, int size, bool counter, bool primaryKey) {
    const QString q = quoteIdent(name);
    if (counter) return q + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    QString s;
    switch (type) {
    case FieldType::Boolean:
        s = q + QStringLiteral(" BIT NOT NULL DEFAULT 0");
        break;
    case FieldType::Byte:
        s = q + QStringLiteral(" BYTE");
        break;
    case FieldType::Integer:
        s = q + QStringLiteral(" SHORT");
        break;
    case FieldType::Long:
        s = q + QStringLiteral(" LONG");
        break;
    case FieldType::Currency:
        s = q + QStringLiteral(" CURRENCY");
        break;
    case FieldType::Single:
        s = q + QStringLiteral(" SINGLE");
        break;
    case FieldType::Double:
        s = q + QStringLiteral(" DOUBLE");
        break;
    case FieldType::Date:
        s = q + QStringLiteral(" DATETIME");
        break;
    case FieldType::Text: {
        const int n = size > 0 ? size : 255;
        s = q + QStringLiteral(" TEXT(%1) COLLATE NOCASE CHECK (length(%2) <= %1)").arg(n).arg(q);
        break;
    }
    case FieldType::Memo:
        s = q + QStringLiteral(" LONGTEXT COLLATE NOCASE");
        break;
    }
    if (primaryKey) s += QStringLiteral(" NOT NULL PRIMARY KEY");
    return s;
}

ColumnType parseDeclaredType(const QString& declared) {
    ColumnType ct;
    const QString d = declared.trimmed().toUpper();
    ct.known = true;
    if (d == QLatin1String("INTEGER") || d == QLatin1String("LONG") || d == QLatin1String("INT")) ct.type = FieldType::Long;
    else if (d == QLatin1String("SHORT")) ct.type = FieldType::Integer;
    else if (d == QLatin1String("BYTE")) ct.type = FieldType::Byte;
    else if (d == QLatin1String("BIT")) ct.type = FieldType::Boolean;
    else if (d == QLatin1String("CURRENCY")) ct.type = FieldType::Currency;
    else if (d == QLatin1String("SINGLE")) ct.type = FieldType::Single;
    else if (d == QLatin1String("DOUBLE") || d == QLatin1String("REAL") || d == QLatin1String("FLOAT"))
        ct.type = FieldType::Double;
    else if (d == QLatin1String("DATETIME")) ct.type = FieldType::Date;
    else if (d == QLatin1String("LONGTEXT")) ct.type = FieldType::Memo;
    else if (d.startsWith(QLatin1String("TEXT"))) {
        ct.type = FieldType::Text;
        const qsizetype a = d.indexOf(u'('), b = d.indexOf(u')');
        ct.size = (a > 0 && b > a) ? d.mid(a + 1, b - a - 1).trimmed().toInt() : 255;
    } else {
        ct.known = false;
    }
    return ct;
}

}  // namespace dao::jet
