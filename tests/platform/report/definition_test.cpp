// Reading report definition files: the parts of a definition and the errors
// that name the file and the line.

#include "platform/report/definition.h"
#include "platform/report/error.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using report::Definition;
using report::ReportError;
using report::SectionKind;

namespace {

const char* kMinimal = R"(
[data]
table = tl
)";

// Expects parsing to fail at the line with a message containing fragment.
void expectError(const QString& text, int line, const char* fragment) {
    try {
        Definition::parse(text, QStringLiteral("koe.rpt"));
        ADD_FAILURE() << "parsed:\n" << text.toStdString();
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::DefinitionSyntax) << e.what();
        const QString where = QStringLiteral("koe.rpt, rivi %1:").arg(line);
        EXPECT_TRUE(e.description().startsWith(where)) << "expected line " << line << ": " << e.what();
        EXPECT_TRUE(e.description().contains(QString::fromUtf8(fragment))) << fragment << " / " << e.what();
    }
}

TEST(DefinitionFile, ReadsTheTestLedger) {
    const QString path = QDir(kvtest::sourceDir()).filePath(QStringLiteral("tests/fixtures/report/ledger_test.rpt"));
    Definition d = Definition::load(path);
    EXPECT_EQ(d.fileName, QStringLiteral("ledger_test.rpt"));
    EXPECT_EQ(d.orientation, QPageLayout::Portrait);
    EXPECT_DOUBLE_EQ(d.marginsMm.left(), 20);
    EXPECT_DOUBLE_EQ(d.marginsMm.top(), 15);
    ASSERT_EQ(d.tables.size(), 3u);
    EXPECT_EQ(d.tables[1].name, QStringLiteral("vi"));
    EXPECT_EQ(d.tables[1].join, report::JoinKind::Inner);
    ASSERT_EQ(d.tables[2].on.size(), 1u);
    EXPECT_EQ(d.tables[2].on[0].rightField, QStringLiteral("vitoID"));
    ASSERT_EQ(d.sort.size(), 2u);
    EXPECT_FALSE(d.sort[1].descending);
    ASSERT_EQ(d.groups.size(), 1u);
    EXPECT_EQ(d.groups[0].name, QStringLiteral("tili"));
    ASSERT_NE(d.formula(QStringLiteral("otsakedebet")), nullptr);  // names are case-blind
    const report::SectionDef* detail = d.section(SectionKind::Detail);
    ASSERT_NE(detail, nullptr);
    EXPECT_FALSE(detail->suppress.isEmpty());
    EXPECT_EQ(detail->font, report::FontSlot::Detail);
    ASSERT_EQ(detail->items.size(), 6u);
    EXPECT_EQ(detail->items[3].name, QStringLiteral("debet"));
    EXPECT_EQ(detail->items[3].align, Qt::AlignRight);
    EXPECT_EQ(detail->items[3].format.kind, report::Format::Kind::Amount);
    // The running balance was written on two lines.
    EXPECT_TRUE(detail->items[5].expr.text().contains(QStringLiteral("RunningSum")));
    const report::SectionDef* header = d.section(SectionKind::GroupHeader, 0);
    ASSERT_NE(header, nullptr);
    EXPECT_TRUE(header->repeat);
    EXPECT_EQ(header->font, report::FontSlot::Header);
    const report::SectionDef* footer = d.section(SectionKind::ReportFooter);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->font, report::FontSlot::GrandTotal);
    ASSERT_EQ(footer->rules.size(), 1u);
    EXPECT_TRUE(footer->rules[0].above);
    EXPECT_TRUE(d.slotFonts[int(report::FontSlot::Title)].bold);
    EXPECT_DOUBLE_EQ(d.slotFonts[int(report::FontSlot::Title)].size, 14);
}

TEST(DefinitionFile, MissingFileIsItsOwnError) {
    kvtest::TempDir dir;
    try {
        Definition::load(dir.file(QStringLiteral("puuttuu.rpt")));
        ADD_FAILURE();
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::DefinitionNotFound);
        EXPECT_TRUE(e.description().contains(QStringLiteral("puuttuu.rpt")));
    }
    EXPECT_THROW(Definition::load(QString()), ReportError);
    EXPECT_THROW(Definition::load(dir.path()), ReportError);  // a folder is no definition
}

TEST(DefinitionFile, ErrorsNameTheLine) {
    const QString base = QString::fromUtf8(kMinimal);  // lines 1-3
    expectError(base + QStringLiteral("[detail]\nitem = 0 10 : {tl.tlNumero} +\n"), 5, "kohdassa");
    expectError(base + QStringLiteral("[detail]\nitem = 0 10 {tl.tlNumero}\n"), 5, "item = x leveys");
    expectError(base + QStringLiteral("[detail]\nitem = 0 10 bogus : 1\n"), 5, "bogus");
    expectError(base + QStringLiteral("[detail]\nitem = 0 0 : 1\n"), 5, "leveyden");
    expectError(base + QStringLiteral("[detail]\nfont = BIG\n"), 5, "BIG");
    expectError(base + QStringLiteral("[detail]\n\n# kommentti\nsuppress = {to.toNumero} < 0\n"), 7,
                "taulu ei ole lohkossa [data]");
    expectError(base + QStringLiteral("[detail]\nitem = 0 10 : {@Puuttuva}\n"), 5, "{@Puuttuva}");
    expectError(base + QStringLiteral("[detail]\n[detail]\n"), 5, "jo määritelty");
    expectError(base + QStringLiteral("[groupheader tili]\n"), 4, "ryhmää tili");
    expectError(base + QStringLiteral("[sivuotsikko]\n"), 4, "tuntematon lohko");
    expectError(base + QStringLiteral("[report\n"), 4, "]");
    expectError(base + QStringLiteral("[report]\norientation = sideways\n"), 5, "portrait");
    expectError(base + QStringLiteral("[report]\nmargins = 1 2 3\n"), 5, "neljä");
    expectError(base + QStringLiteral("[formulas]\nA = {@B}\nB = {@A}\n"), 5, "viittaa itseensä");
    expectError(base + QStringLiteral("[formulas]\nA = 1\na = 2\n"), 6, "jo määritelty");
    expectError(base + QStringLiteral("[formulas]\nA =\n"), 5, "oletusarvo");
    expectError(QStringLiteral("[data]\ntable = tl\njoin = inner vi on vi.vitlID = xx.tlID\n"), 3, "aiemmin mainittuun");
    expectError(QStringLiteral("[data]\ntable = tl\njoin = outer vi on vi.a = tl.b\n"), 3, "inner|left");
    expectError(QStringLiteral("[data]\ntable = tl\nsort = +{tl.tlNumero}, -\n"), 3, "lajittelukenttä");
    expectError(QStringLiteral("avain = arvo\n"), 1, "lohkoon");
    expectError(QStringLiteral("[data]\ntable = tl\n[group g]\nby = Sum({tl.a})\n"), 4, "summia");
    expectError(QStringLiteral("[data]\ntable = tl\n[detail]\nrepeat = yes\n"), 4, "repeat");
}

TEST(DefinitionFile, ErrorsWithoutALineNameTheFile) {
    try {
        Definition::parse(QStringLiteral("[report]\ntitle = 'x'\n"), QStringLiteral("koe.rpt"));
        ADD_FAILURE();
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), report::err::DefinitionSyntax);
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("koe.rpt:"))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("[data]")));
    }
    // A group without its field is named at its own line.
    expectError(QStringLiteral("[data]\ntable = tl\n\n[group g]\norder = descending\n"), 4, "by =");
}

TEST(DefinitionFile, OptionsOfItemsSectionsAndData) {
    const QString text = QStringLiteral(
        "# kommentti\n"
        "; toinen kommentti\n"
        "[report]\n"
        "orientation = LANDSCAPE\n"
        "font = Arial, 9\n"
        "[data]\n"
        "table = tula\n"
        "join = LEFT kp on kp.kpID = tula.tulakpID and kp.kpNumero = tula.tulaNumero\n"
        "filter = {tula.tulaTyyppi} <> 7\n"
        "sort = -{tula.tulaID}, +{@Jarjestys}\n"
        "[formulas]\n"
        "@Jarjestys = {tula.tulaTeksti}\n"
        "[group osa]\n"
        "by = {tula.tulaTyyppi}\n"
        "order = descending\n"
        "[detail]\n"
        "height = 4.5\n"
        "rule = below 10 50\n"
        "item = 5,5 40 center percent decimals=2 italic underline y=3 name=pros indent={tula.tulaTyyppi}*4 "
        "bold={tula.tulaMerkki}=\"**\" : {tula.tulaProsMuutos}\n");
    Definition d = Definition::parse(text, QStringLiteral("tula.rpt"));
    EXPECT_EQ(d.orientation, QPageLayout::Landscape);
    EXPECT_EQ(d.font.family, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(d.font.size, 9);
    ASSERT_EQ(d.tables.size(), 2u);
    EXPECT_EQ(d.tables[1].join, report::JoinKind::Left);
    EXPECT_EQ(d.tables[1].on.size(), 2u);
    EXPECT_FALSE(d.filter.isEmpty());
    ASSERT_EQ(d.sort.size(), 2u);
    EXPECT_TRUE(d.sort[0].descending);
    EXPECT_TRUE(d.groups[0].descending);
    const report::SectionDef* s = d.section(SectionKind::Detail);
    ASSERT_NE(s, nullptr);
    EXPECT_DOUBLE_EQ(s->minHeight, 4.5);
    ASSERT_EQ(s->rules.size(), 1u);
    EXPECT_FALSE(s->rules[0].above);
    EXPECT_DOUBLE_EQ(s->rules[0].width, 50);
    const report::ItemDef& it = s->items.at(0);
    EXPECT_DOUBLE_EQ(it.x, 5.5);
    EXPECT_DOUBLE_EQ(it.y, 3);
    EXPECT_EQ(it.align, Qt::AlignHCenter);
    EXPECT_EQ(it.format.kind, report::Format::Kind::Percent);
    EXPECT_EQ(it.format.decimals, 2);
    EXPECT_TRUE(it.italic && it.underline && !it.bold);
    EXPECT_EQ(it.name, QStringLiteral("pros"));
    EXPECT_FALSE(it.indent.isEmpty());
    EXPECT_FALSE(it.boldWhen.isEmpty());
}

TEST(SortFields, SignsAndFormulas) {
    report::SortField a = report::parseSortField(QStringLiteral("+{tl.tlNumero}"), QStringLiteral("s"));
    EXPECT_FALSE(a.descending);
    EXPECT_EQ(a.expr.root()->kind, report::Expr::Kind::Field);
    report::SortField b = report::parseSortField(QStringLiteral(" -{tlSaldot.tlsID} "), QStringLiteral("s"));
    EXPECT_TRUE(b.descending);
    EXPECT_EQ(b.expr.root()->field, QStringLiteral("tlsID"));
    EXPECT_FALSE(report::parseSortField(QStringLiteral("{to.toPvm}"), QStringLiteral("s")).descending);
    EXPECT_THROW(report::parseSortField(QStringLiteral("+"), QStringLiteral("s")), ReportError);
    EXPECT_THROW(report::parseSortField(QStringLiteral("+{tl.tlNumero"), QStringLiteral("s")), ReportError);
}

}  // namespace
