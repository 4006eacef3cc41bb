#pragma once

// A report definition: the tables a report reads, its groups, its sections
// with their fields, its named formulas with their defaults, and its page
// set-up. Definition files (".rpt") are line-oriented text; the format is
// described in docs/report-definitions.md.

#include "platform/report/formula.h"
#include "platform/report/value.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace report {

enum class SectionKind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, ReportFooter, PageFooter };
QString sectionKindName(SectionKind kind);

// The font slots of a report: each section prints in one of them, and the
// program's section fonts (TITLE, HEADER, DETAIL, GRNDTTL, FOOTER; ALL for
// every one) change them.
enum class FontSlot { Title = 0, Header = 1, Detail = 2, GrandTotal = 3, Footer = 4 };
constexpr int kFontSlotCount = 5;
QString fontSlotCode(FontSlot slot);
std::optional<FontSlot> fontSlotFromCode(const QString& code);

struct FontStyle {
    QString family;      // empty: the report's font
    double size = 0;     // points; 0: the report's size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

struct ItemDef {
    int line = 0;
    QString name;             // for reading the laid-out report; default the expression's text
    double x = 0, y = 0;      // mm from the section's left edge (the left margin) and top
    double width = 0;         // mm; the text wraps within it
    Qt::Alignment align = Qt::AlignLeft;
    Format format;
    bool bold = false, italic = false, underline = false;
    Formula boldWhen;         // bold when true (besides `bold`)
    Formula indent;           // mm moved right (and taken off the width)
    Formula expr;
};

struct RuleDef {
    bool above = false;       // above the section; else below it
    double x = 0;             // mm
    double width = -1;        // mm; -1: the whole printable width
};

struct SectionDef {
    int line = 0;
    SectionKind kind = SectionKind::Detail;
    int group = -1;           // group headers and footers: index into Definition::groups
    FontSlot font = FontSlot::Detail;
    Formula suppress;         // the section is not printed when true
    double minHeight = 0;     // mm
    bool repeat = false;      // group header: printed again at the top of a page the group continues on
    std::vector<RuleDef> rules;
    std::vector<ItemDef> items;
};

struct GroupDef {
    int line = 0;
    QString name;
    Formula by;
    bool descending = false;
};

enum class JoinKind { Inner, Left };

struct JoinCondition {
    QString leftTable, leftField, rightTable, rightField;
};

struct TableRef {
    int line = 0;
    QString name;
    JoinKind join = JoinKind::Inner;      // how it is joined to the tables before it
    std::vector<JoinCondition> on;        // empty for the first table
};

struct SortField {
    Formula expr;
    bool descending = false;
};

struct FormulaDef {
    int line = 0;
    QString name;
    Formula formula;
};

struct Definition {
    QString fileName;                                     // for messages
    Formula title;                                        // preview window title
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{15, 15, 15, 15};                  // left, top, right, bottom
    FontStyle font{QStringLiteral("Times New Roman"), 10}; // the report's font
    std::array<FontStyle, kFontSlotCount> slotFonts;       // per slot, over the report's font
    std::vector<TableRef> tables;
    Formula filter;                                       // the definition's own record condition
    std::vector<SortField> sort;                           // default order
    std::vector<FormulaDef> formulas;
    std::vector<GroupDef> groups;                         // outermost first
    std::vector<SectionDef> sections;

    const SectionDef* section(SectionKind kind, int group = -1) const;
    const FormulaDef* formula(const QString& name) const;  // case-blind
    int tableIndex(const QString& name) const;             // case-blind; -1 when absent

    // The texts the definition prints of its own, each once, in the order
    // of the file: the shown texts (Formula::shownTexts) of its title, its
    // named formulas' defaults and its fields.
    QStringList fixedTexts() const;
    // Replaces each of those texts by translate(text).
    void translateFixedTexts(const std::function<QString(const QString&)>& translate);

    // Parses definition text. Errors: ReportError(DefinitionSyntax) naming the
    // file and the line.
    static Definition parse(const QString& text, const QString& fileName);
    // Reads and parses a file for a run: its fixed texts in the user's
    // language (texts.h, section "Raportit"). Errors:
    // ReportError(DefinitionNotFound) when the file is missing or
    // unreadable, and the errors of parse.
    static Definition load(const QString& path);
};

// "+{table.field}" / "-{table.field}" (a formula in braces or any formula
// after the sign); no sign means ascending. Throws ReportError.
SortField parseSortField(const QString& text, const QString& label);

}  // namespace report
