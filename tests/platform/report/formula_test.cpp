// The formula language: values, operators, Null, named formulas and errors.

#include "platform/report/error.h"
#include "platform/report/formula.h"

#include <QHash>
#include <gtest/gtest.h>

using report::Formula;
using report::ReportError;
using report::Value;

namespace {

// Fields and named formulas of one record, for evaluating formulas alone.
class TestScope : public report::EvalScope {
public:
    QHash<QString, Value> fields;     // "table.field" in lower case
    QHash<QString, Formula> formulas;  // lower-case name
    int page = 3, pages = 7;

    Value field(const report::Expr& e) override {
        return fields.value((e.table + QLatin1Char('.') + e.field).toLower());
    }
    Value formula(const report::Expr& e) override {
        auto it = formulas.find(e.name.toLower());
        if (it == formulas.end()) throw report::EvalError("no such formula");
        return report::evaluate(*it, *this);
    }
    Value aggregate(const report::Expr&) override { throw report::EvalError("no totals here"); }
    Value pageValue(const report::Expr& e) override {
        if (e.kind == report::Expr::Kind::PageNumber) return Value(page);
        if (e.kind == report::Expr::Kind::TotalPages) return Value(pages);
        return Value(dao::Date::fromYmd(2031, 12, 31));
    }
};

TestScope ledgerRecord() {
    TestScope s;
    s.fields[QStringLiteral("tl.tlnumero")] = Value(1910);
    s.fields[QStringLiteral("tl.tlnimi")] = Value(QStringLiteral("Pankkitili"));
    s.fields[QStringLiteral("tl.tlprint")] = Value(true);
    s.fields[QStringLiteral("tl.tlid")] = Value(12);
    s.fields[QStringLiteral("vi.viarvo")] = Value(dao::Currency::fromRaw(125000));  // 12.50
    s.fields[QStringLiteral("vi.vityyppi")] = Value(QStringLiteral("D"));
    s.fields[QStringLiteral("vi.viavausvienti")] = Value(false);
    s.fields[QStringLiteral("vi.vipaatosvienti")] = Value(false);
    s.fields[QStringLiteral("to.topvm")] = Value(dao::Date::fromYmd(2012, 3, 5));
    s.fields[QStringLiteral("to.tonumero")] = Value(7);
    s.fields[QStringLiteral("vi.viselite")] = Value();  // Null
    return s;
}

Value eval(const QString& text, TestScope& scope) {
    return report::evaluate(Formula::parse(text, QStringLiteral("testi")), scope);
}

struct Case {
    const char* formula;
    Value expected;
};

TEST(FormulaLanguage, EvaluatesTableOfFormulas) {
    const Value T(true), F(false);
    const Case cases[] = {
        // numbers and arithmetic
        {"1 + 2 * 3", Value(7)},
        {"(1 + 2) * 3", Value(9)},
        {"10 - 4 - 3", Value(3)},
        {"7 / 2", Value(3.5)},
        {"-3 + 1", Value(-2)},
        {"2.5 * 2", Value(5.0)},
        {"{vi.viArvo} * 2", Value(dao::Currency::fromRaw(250000))},
        {"{vi.viArvo} + 0.005", Value(dao::Currency::fromRaw(125050))},
        {"{vi.viArvo} - {vi.viArvo}", Value(dao::Currency::fromRaw(0))},
        {"1 / 0", Value()},
        // comparisons and logic, case-blind keywords
        {"{tl.tlNumero} = 1910", T},
        {"{tl.tlNumero} <> 1910", F},
        {"{tl.tlNumero} >= 1000 and {tl.tlNumero} < 2000", T},
        {"{vi.viArvo} = 12.5", T},
        {"{vi.viArvo} > 12.49 AND {vi.viArvo} <= 12.5", T},
        {"{tl.tlPrint} = True", T},
        {"{tl.tlPrint} = false", F},
        {"NOT {tl.tlPrint}", F},
        {"not ({tl.tlNumero} = 1)", T},
        {"True OR False AND False", T},   // AND binds closer than OR
        {"(True OR False) AND False", F},
        {"{vi.viTyyppi} = 'D'", T},
        {"{vi.viTyyppi} = \"d\"", T},      // texts compare without regard to case
        {"'äiti' > 'zeta'", T},            // Finnish order: ä after z
        {"'Åke' < 'Öljy'", T},
        // dates
        {"{to.toPvm} <= Date(2012,3,31) AND {to.toPvm} >= Date(2012,3,1)", T},
        {"{to.toPvm} >= Date(2012,3,6)", F},
        {"Date(2012,3,1) + 30", Value(dao::Date::fromYmd(2012, 3, 31))},
        {"Date(2012,3,1) - Date(2012,2,1)", Value(29)},
        // texts
        {"'Tili ' & {tl.tlNumero} & ' ' & {tl.tlNimi}", Value(QStringLiteral("Tili 1910 Pankkitili"))},
        {"\"a\" + \"b\"", Value(QStringLiteral("ab"))},
        {"'Pelle''s'", Value(QStringLiteral("Pelle's"))},
        {"'x' & {vi.viSelite} & 'y'", Value(QStringLiteral("xy"))},
        {"ToText({vi.viArvo})", Value(QStringLiteral("12,50"))},
        {"ToText(1234.5, 1)", Value(QStringLiteral("1\u00a0234,5"))},
        {"ToText({tl.tlNumero}, 0)", Value(QStringLiteral("1910"))},
        // if-then-else
        {"if {vi.viTyyppi} = 'D' then {vi.viArvo} else 0", Value(dao::Currency::fromRaw(125000))},
        {"if {vi.viTyyppi} = 'K' then {vi.viArvo}", Value()},
        {"IF {tl.tlNumero} > 2000 THEN 'suuri' ELSE IF {tl.tlNumero} > 1000 THEN 'keski' ELSE 'pieni'",
         Value(QStringLiteral("keski"))},
        {"1 + if true then 1 else 2", Value(2)},
        // page values
        {"'Sivu ' & PageNumber & ' / ' & TotalPages", Value(QStringLiteral("Sivu 3 / 7"))},
        {"IsNull({vi.viSelite})", T},
        {"IsNull({tl.tlNimi})", F},
    };
    for (const Case& c : cases) {
        TestScope scope = ledgerRecord();
        Value got = eval(QString::fromUtf8(c.formula), scope);
        EXPECT_EQ(got, c.expected) << c.formula << " gave " << got.debugString().toStdString() << ", expected "
                                   << c.expected.debugString().toStdString();
    }
}

TEST(FormulaLanguage, NullInAComparisonIsFalse) {
    TestScope scope = ledgerRecord();
    const char* falseOnes[] = {"{vi.viSelite} = ''",   "{vi.viSelite} <> ''",  "{vi.viSelite} < 'a'",
                               "{x.missing} = 0",       "{x.missing} <> 0",     "{x.missing} = {x.missing}",
                               "{x.missing} >= Date(2012,1,1)", "{x.missing} + 1 > 0"};
    for (const char* f : falseOnes) EXPECT_EQ(eval(QString::fromUtf8(f), scope), Value(false)) << f;
    // NOT of a failed comparison is true; a Null condition takes the else branch.
    EXPECT_EQ(eval(QStringLiteral("NOT ({x.missing} = 0)"), scope), Value(true));
    EXPECT_EQ(eval(QStringLiteral("if {x.missing} then 1 else 2"), scope), Value(2));
    EXPECT_EQ(eval(QStringLiteral("{x.missing} + 1"), scope), Value());
    // The ordinary ledger selection: the pseudo voucher's line passes through the OR.
    const QString selection = QStringLiteral(
        "{tl.tlPrint} = True AND (({vi.viAvausvienti} = False AND {vi.viPaatosvienti} = False) AND "
        "({to.toPvm} <= Date(2012,12,31) AND {to.toPvm} >= Date(2012,1,1)) OR ({tl.tlID} > 0 AND {to.toNumero} < 0))");
    EXPECT_EQ(eval(selection, scope), Value(true));
    scope.fields[QStringLiteral("to.topvm")] = Value(dao::Date::fromYmd(2013, 1, 1));
    EXPECT_EQ(eval(selection, scope), Value(false));
    scope.fields[QStringLiteral("to.tonumero")] = Value(-1);
    EXPECT_EQ(eval(selection, scope), Value(true));
    scope.fields[QStringLiteral("vi.viavausvienti")] = Value();  // Null flag: the first branch fails
    scope.fields[QStringLiteral("to.tonumero")] = Value(5);
    scope.fields[QStringLiteral("to.topvm")] = Value(dao::Date::fromYmd(2012, 5, 1));
    EXPECT_EQ(eval(selection, scope), Value(false));
}

TEST(FormulaLanguage, NamedFormulasAreEvaluatedWhereReferred) {
    TestScope scope = ledgerRecord();
    scope.formulas[QStringLiteral("debet")] =
        Formula::parse(QStringLiteral("if {vi.viTyyppi} = 'D' then {vi.viArvo}"), QStringLiteral("{@Debet}"));
    scope.formulas[QStringLiteral("otsake")] = Formula::constant(Value(QStringLiteral("Pääkirja")), QStringLiteral("{@Otsake}"));
    EXPECT_EQ(eval(QStringLiteral("{@Debet} * 2"), scope), Value(dao::Currency::fromRaw(250000)));
    EXPECT_EQ(eval(QStringLiteral("{@otsake} & ':'"), scope), Value(QStringLiteral("Pääkirja:")));
}

TEST(FormulaLanguage, ParseErrorsNameTheFormulaAndPlace) {
    struct Bad {
        const char* text;
        const char* fragment;  // expected in the message
    };
    const Bad bad[] = {
        {"{tl.tlNumero} = ", "kohdassa 17"},
        {"({tl.tlNumero} = 1", "odotettiin )"},
        {"{tl.tlNumero = 1", "puuttuva }"},
        {"{tlNumero} = 1", "{taulu.kenttä}"},
        {"'auki", "merkkijono jää auki"},
        {"1 +* 2", "odotettiin arvoa"},
        {"Date(2012,2,30)", "virheellinen päivämäärä"},
        {"Date(4294969308,1,1)", "virheellinen päivämäärä"},  // 2^32 + 2012: no year at all
        {"Date(2012,2)", "argumentteja"},
        {"Foo(1)", "tuntematon nimi Foo"},
        {"if 1 then", "odotettiin arvoa"},
        {"if 1 2", "odotettiin then"},
        {"1 2", "ylimääräistä"},
        {"a # b", "tuntematon"},
        {"Sum(Sum({a.b}))", "toisen sisällä"},
    };
    // Nesting too deep for the parser is an error, not a crash.
    const std::string deepParens = std::string(5000, '(') + "1" + std::string(5000, ')');
    const std::string deepMinus = std::string(5000, '-') + "1";
    const std::string deepNot = [] {
        std::string s;
        for (int i = 0; i < 5000; ++i) s += "NOT ";
        return s + "True";
    }();
    for (const std::string& text : {deepParens, deepMinus, deepNot})
        EXPECT_THROW(Formula::parse(QString::fromStdString(text), QStringLiteral("syva")), ReportError);
    EXPECT_NO_THROW(Formula::parse(QStringLiteral("((((((((((1))))))))))"), QStringLiteral("matala")));
    for (const Bad& b : bad) {
        try {
            Formula::parse(QString::fromUtf8(b.text), QStringLiteral("{@Otsake}"));
            ADD_FAILURE() << b.text << " parsed";
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), report::err::FormulaSyntax) << b.text;
            EXPECT_TRUE(e.description().contains(QStringLiteral("{@Otsake}"))) << e.what();
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(b.fragment))) << b.text << ": " << e.what();
        }
    }
}

TEST(FormulaLanguage, TypeErrorsAtEvaluationNameTheFormula) {
    TestScope scope = ledgerRecord();
    for (const char* text : {"{tl.tlNimi} + 1", "{tl.tlNimi} > 5", "{to.toPvm} * 2", "-{tl.tlNimi}"}) {
        try {
            report::evaluate(Formula::parse(QString::fromUtf8(text), QStringLiteral("valintakaava")), scope);
            ADD_FAILURE() << text << " evaluated";
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), report::err::FormulaError) << text;
            EXPECT_TRUE(e.description().contains(QStringLiteral("valintakaava"))) << e.what();
        }
    }
}

TEST(FormulaLanguage, WholeNumbersBeyondTheirRangeAreErrorsOfTheFormula) {
    TestScope scope = ledgerRecord();
    // Each wants a whole number that an integer of its kind holds: the
    // decimals of ToText, the parts of a date, the days added to a date.
    for (const char* text : {"ToText(1, 99999999999999999999)", "ToText(1, -99999999999999999999)",
                             "Date(2012 + 4294967296, 1, 1)", "Date(2012, 1, 4294967296 + 1)",
                             "{to.toPvm} + 4294967297", "4294967297 + {to.toPvm}", "{to.toPvm} - 2147483648",
                             "{to.toPvm} + 99999999999999999999", "{to.toPvm} - 99999999999999999999"}) {
        try {
            const Value v = report::evaluate(Formula::parse(QString::fromUtf8(text), QStringLiteral("{@Summa}")), scope);
            ADD_FAILURE() << text << " evaluated to " << v.debugString().toStdString();
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), report::err::FormulaError) << text;
            EXPECT_TRUE(e.description().contains(QStringLiteral("{@Summa}"))) << e.what();
        }
    }
    // Within the range they work as before.
    EXPECT_EQ(eval(QStringLiteral("ToText(2.5, 99)"), scope), Value(QStringLiteral("2,5000000000")));
    EXPECT_EQ(eval(QStringLiteral("{to.toPvm} + 2147483647 - 2147483647"), scope), Value(dao::Date::fromYmd(2012, 3, 5)));
    EXPECT_EQ(eval(QStringLiteral("Date(2012 + 20, 1, 1)"), scope), Value(dao::Date::fromYmd(2032, 1, 1)));
}

TEST(NamedFormulaValues, TextBetweenFirstAndLastQuote) {
    struct Case {
        const char* entry;
        const char* name;
        const char* value;
    };
    const Case cases[] = {
        {"Seurannimi= 'Pelle's'", "Seurannimi", "Pelle's"},
        {"Seurannimi= 'Pelle's ja 'Kalle''", "Seurannimi", "Pelle's ja 'Kalle'"},
        {"LoppuPvm = '0312'", "LoppuPvm", "0312"},
        {"Otsake= ''", "Otsake", ""},
        {"Otsake= 'Pääkirja -- 1.1.2012 - 31.12.2012 -- KP:Nuoret'", "Otsake",
         "Pääkirja -- 1.1.2012 - 31.12.2012 -- KP:Nuoret"},
        {"Otsake= 'a = b'", "Otsake", "a = b"},
        {"Avoin= 'ei loppua", "Avoin", "ei loppua"},
    };
    for (const Case& c : cases) {
        report::NamedFormula nf = report::parseNamedFormula(QString::fromUtf8(c.entry));
        EXPECT_EQ(nf.name, QString::fromUtf8(c.name)) << c.entry;
        TestScope scope;
        EXPECT_EQ(report::evaluate(nf.formula, scope), Value(QString::fromUtf8(c.value))) << c.entry;
    }
}

TEST(NamedFormulaValues, UnquotedValuesAreFormulas) {
    TestScope scope = ledgerRecord();
    auto value = [&](const char* entry) {
        return report::evaluate(report::parseNamedFormula(QString::fromUtf8(entry)).formula, scope);
    };
    EXPECT_EQ(value("Kerroin= 3"), Value(3));
    EXPECT_EQ(value("Raja= 12.5"), Value(12.5));
    EXPECT_EQ(value("Ehto= {tl.tlNumero} > 1000"), Value(true));
    EXPECT_EQ(value("Teksti= \"lainattu\""), Value(QStringLiteral("lainattu")));
    EXPECT_EQ(value("Tyhja="), Value(QString()));
    EXPECT_THROW(report::parseNamedFormula(QStringLiteral("ei yhtäsuuruutta")), ReportError);
    EXPECT_THROW(report::parseNamedFormula(QStringLiteral("= 'x'")), ReportError);
    try {
        report::parseNamedFormula(QStringLiteral("Summa= 1 +"));
        ADD_FAILURE() << "parsed";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::FormulaSyntax);
        EXPECT_TRUE(e.description().contains(QStringLiteral("{@Summa}"))) << e.what();
    }
}

TEST(ValueFormats, AmountsDatesAndNumbersFollowTheLocale) {
    using K = report::Format::Kind;
    auto fmt = [](const Value& v, K k, int decimals = 2) {
        report::Format f;
        f.kind = k;
        f.decimals = decimals;
        return report::formatValue(v, f);
    };
    const QString nb = QStringLiteral("\u00a0");
    const QString minus = QLocale().negativeSign();
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(12345000)), K::Amount), QStringLiteral("1") + nb + QStringLiteral("234,50"));
    // An amount with a third or fourth decimal shows all four, as everywhere.
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(10050)), K::Amount), QStringLiteral("1,0050"));
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(-10050)), K::Amount), minus + QStringLiteral("1,0050"));
    // Decimals the definition gives: exact rounding of ten-thousandths, half
    // away from zero.
    auto fmtGiven = [](const Value& v, K k, int decimals) {
        report::Format f;
        f.kind = k;
        f.decimals = decimals;
        f.decimalsGiven = true;
        return report::formatValue(v, f);
    };
    EXPECT_EQ(fmtGiven(Value(dao::Currency::fromRaw(10050)), K::Amount, 2), QStringLiteral("1,01"));
    EXPECT_EQ(fmtGiven(Value(dao::Currency::fromRaw(-10050)), K::Amount, 2), minus + QStringLiteral("1,01"));
    EXPECT_EQ(fmtGiven(Value(dao::Currency::fromRaw(10049)), K::Amount, 2), QStringLiteral("1,00"));
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(9'000'000'000'000'000LL / 1000)), K::Amount),
              QStringLiteral("900") + nb + QStringLiteral("000") + nb + QStringLiteral("000,00"));
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(12345000)), K::Currency),
              QStringLiteral("1") + nb + QStringLiteral("234,50") + nb + QStringLiteral("€"));
    EXPECT_EQ(fmt(Value(dao::Date::fromYmd(2031, 3, 5)), K::Date), QStringLiteral("5.3.2031"));
    EXPECT_EQ(fmt(Value(1910), K::Integer), QStringLiteral("1910"));
    EXPECT_EQ(fmt(Value(-2.5), K::Integer), minus + QStringLiteral("3"));
    // A floating-point number beyond any integer still shows its digits.
    EXPECT_EQ(fmt(Value(1e20), K::Integer), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(fmt(Value(12.345), K::Percent, 1), QStringLiteral("12,3") + nb + QStringLiteral("%"));
    EXPECT_EQ(fmt(Value(1234.5), K::Number, 1), QStringLiteral("1") + nb + QStringLiteral("234,5"));
    EXPECT_EQ(fmt(Value(), K::Amount), QString());
    EXPECT_EQ(fmt(Value(QStringLiteral("teksti")), K::Amount), QStringLiteral("teksti"));
    // The default form of a currency amount is two decimals.
    EXPECT_EQ(fmt(Value(dao::Currency::fromRaw(5000)), K::Default), QStringLiteral("0,50"));
    // In euros under every locale, with decimals given too, a negative
    // amount in the locale's negative currency form.
    report::Format given{K::Currency, 1, true};
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(report::formatValue(Value(dao::Currency::fromRaw(-12345600)), given, us), "(€1" + nb + "234.6)");
    EXPECT_EQ(report::formatValue(Value(-1234.56), given, us), "(€1" + nb + "234.6)");
}

}  // namespace
