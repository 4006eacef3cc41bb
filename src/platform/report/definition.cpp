#include "platform/report/definition.h"

#include "platform/report/error.h"
#include "platform/report/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <functional>

namespace report {

QString sectionKindName(SectionKind kind) {
    switch (kind) {
    case SectionKind::ReportHeader: return QStringLiteral("reportheader");
    case SectionKind::PageHeader: return QStringLiteral("pageheader");
    case SectionKind::GroupHeader: return QStringLiteral("groupheader");
    case SectionKind::Detail: return QStringLiteral("detail");
    case SectionKind::GroupFooter: return QStringLiteral("groupfooter");
    case SectionKind::ReportFooter: return QStringLiteral("reportfooter");
    case SectionKind::PageFooter: return QStringLiteral("pagefooter");
    }
    return QString();
}

QString fontSlotCode(FontSlot slot) {
    static const char* codes[] = {"TITLE", "HEADER", "DETAIL", "GRNDTTL", "FOOTER"};
    return QString::fromLatin1(codes[int(slot)]);
}

std::optional<FontSlot> fontSlotFromCode(const QString& code) {
    for (int i = 0; i < kFontSlotCount; ++i)
        if (code.compare(fontSlotCode(FontSlot(i)), Qt::CaseInsensitive) == 0) return FontSlot(i);
    return std::nullopt;
}

const SectionDef* Definition::section(SectionKind kind, int group) const {
    for (const auto& s : sections)
        if (s.kind == kind && s.group == group) return &s;
    return nullptr;
}

const FormulaDef* Definition::formula(const QString& name) const {
    for (const auto& f : formulas)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

int Definition::tableIndex(const QString& name) const {
    for (size_t i = 0; i < tables.size(); ++i)
        if (tables[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

SortField parseSortField(const QString& text, const QString& label) {
    SortField s;
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('+'))) {
        t = t.mid(1);
    } else if (t.startsWith(QLatin1Char('-'))) {
        s.descending = true;
        t = t.mid(1);
    }
    if (t.trimmed().isEmpty())
        throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen lajittelukenttä \"%1\"").arg(text));
    s.expr = Formula::parse(t, label);
    return s;
}

namespace {

class DefinitionParser {
public:
    DefinitionParser(const QString& text, const QString& fileName) : text_(text) { def_.fileName = fileName; }

    Definition run() {
        const QStringList raw = text_.split(QLatin1Char('\n'));
        for (int i = 0; i < raw.size(); ++i) {
            line_ = i + 1;
            QString l = raw[i];
            if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
            // A line ending in a backslash continues on the next one.
            while (l.trimmed().endsWith(QLatin1Char('\\')) && i + 1 < raw.size()) {
                l = l.trimmed();
                l.chop(1);
                QString cont = raw[++i];
                if (cont.endsWith(QLatin1Char('\r'))) cont.chop(1);
                l += QLatin1Char(' ') + cont.trimmed();
            }
            const QString t = l.trimmed();
            if (t.isEmpty() || t.startsWith(QLatin1Char('#')) || t.startsWith(QLatin1Char(';'))) continue;
            if (t.startsWith(QLatin1Char('['))) {
                if (!t.endsWith(QLatin1Char(']'))) fail(QStringLiteral("lohkon otsikosta puuttuu ]"));
                openBlock(t.mid(1, t.size() - 2).simplified());
                continue;
            }
            const int eq = t.indexOf(QLatin1Char('='));
            if (eq < 0) fail(QStringLiteral("odotettiin riviä muotoa avain = arvo"));
            const QString key = t.left(eq).trimmed();
            const QString value = t.mid(eq + 1).trimmed();
            if (key.isEmpty()) fail(QStringLiteral("avain puuttuu ennen =-merkkiä"));
            entry(key, value);
        }
        line_ = 0;
        validate();
        return std::move(def_);
    }

private:
    enum class Block { None, Report, Data, Fonts, Formulas, Group, Section };

    [[noreturn]] void fail(const QString& msg, int line = -1) const {
        const int l = line < 0 ? line_ : line;
        if (l > 0)
            throw ReportError(err::DefinitionSyntax, QStringLiteral("%1, rivi %2: %3").arg(def_.fileName).arg(l).arg(msg));
        throw ReportError(err::DefinitionSyntax, QStringLiteral("%1: %2").arg(def_.fileName, msg));
    }

    // Parses a formula of the definition; a syntax error names the line.
    Formula formula(const QString& text, const QString& label) {
        try {
            return Formula::parse(text, label);
        } catch (const ReportError& e) {
            fail(e.description());
        }
    }

    double number(const QString& text, const QString& what) const {
        bool ok = false;
        double d = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok || d < 0) fail(QStringLiteral("%1: \"%2\" ei ole ei-negatiivinen luku").arg(what, text));
        return d;
    }

    static bool isName(const QString& s) {
        static const QRegularExpression re(QStringLiteral("^[\\w]+$"), QRegularExpression::UseUnicodePropertiesOption);
        return re.match(s).hasMatch();
    }

    void openBlock(const QString& header) {
        const QStringList parts = header.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.isEmpty()) fail(QStringLiteral("tyhjä lohkon otsikko"));
        const QString kind = parts[0].toLower();
        const QString arg = parts.size() > 1 ? parts[1] : QString();
        auto noArg = [&] {
            if (parts.size() > 1) fail(QStringLiteral("lohkolla [%1] ei ole nimeä").arg(parts[0]));
        };
        auto single = [&](const char* name, bool& seen) {
            if (seen) fail(QStringLiteral("lohko [%1] on jo määritelty").arg(QString::fromLatin1(name)));
            seen = true;
        };
        section_ = nullptr;
        group_ = nullptr;
        if (kind == QLatin1String("report")) {
            noArg();
            single("report", seenReport_);
            block_ = Block::Report;
        } else if (kind == QLatin1String("data")) {
            noArg();
            single("data", seenData_);
            block_ = Block::Data;
        } else if (kind == QLatin1String("fonts")) {
            noArg();
            single("fonts", seenFonts_);
            block_ = Block::Fonts;
        } else if (kind == QLatin1String("formulas")) {
            noArg();
            single("formulas", seenFormulas_);
            block_ = Block::Formulas;
        } else if (kind == QLatin1String("group")) {
            if (parts.size() != 2 || !isName(arg)) fail(QStringLiteral("ryhmälle tarvitaan nimi: [group nimi]"));
            for (const auto& g : def_.groups)
                if (g.name.compare(arg, Qt::CaseInsensitive) == 0)
                    fail(QStringLiteral("ryhmä %1 on jo määritelty").arg(arg));
            if (!def_.sections.empty())
                fail(QStringLiteral("ryhmät määritellään ennen osioita"));
            GroupDef g;
            g.line = line_;
            g.name = arg;
            def_.groups.push_back(g);
            group_ = &def_.groups.back();
            block_ = Block::Group;
        } else {
            static const std::pair<const char*, SectionKind> kinds[] = {
                {"reportheader", SectionKind::ReportHeader}, {"pageheader", SectionKind::PageHeader},
                {"groupheader", SectionKind::GroupHeader},   {"detail", SectionKind::Detail},
                {"groupfooter", SectionKind::GroupFooter},   {"reportfooter", SectionKind::ReportFooter},
                {"pagefooter", SectionKind::PageFooter}};
            const std::pair<const char*, SectionKind>* found = nullptr;
            for (const auto& k : kinds)
                if (kind == QLatin1String(k.first)) found = &k;
            if (!found) fail(QStringLiteral("tuntematon lohko [%1]").arg(header));
            SectionDef s;
            s.line = line_;
            s.kind = found->second;
            const bool grouped = s.kind == SectionKind::GroupHeader || s.kind == SectionKind::GroupFooter;
            if (grouped) {
                if (parts.size() != 2) fail(QStringLiteral("osiolle [%1] tarvitaan ryhmän nimi").arg(parts[0]));
                for (size_t i = 0; i < def_.groups.size(); ++i)
                    if (def_.groups[i].name.compare(arg, Qt::CaseInsensitive) == 0) s.group = int(i);
                if (s.group < 0) fail(QStringLiteral("ryhmää %1 ei ole määritelty").arg(arg));
            } else {
                noArg();
            }
            if (def_.section(s.kind, s.group))
                fail(QStringLiteral("osio [%1] on jo määritelty").arg(header));
            switch (s.kind) {
            case SectionKind::ReportHeader: s.font = FontSlot::Title; break;
            case SectionKind::PageHeader:
            case SectionKind::GroupHeader: s.font = FontSlot::Header; break;
            case SectionKind::ReportFooter: s.font = FontSlot::GrandTotal; break;
            case SectionKind::PageFooter: s.font = FontSlot::Footer; break;
            default: s.font = FontSlot::Detail; break;
            }
            def_.sections.push_back(std::move(s));
            section_ = &def_.sections.back();
            block_ = Block::Section;
        }
    }

    void entry(const QString& key, const QString& value) {
        const QString k = key.toLower();
        switch (block_) {
        case Block::None: fail(QStringLiteral("rivi ei kuulu mihinkään lohkoon"));
        case Block::Report: reportEntry(k, value); break;
        case Block::Data: dataEntry(k, value); break;
        case Block::Fonts: fontEntry(key, value); break;
        case Block::Formulas: formulaEntry(key, value); break;
        case Block::Group: groupEntry(k, value); break;
        case Block::Section: sectionEntry(k, value); break;
        }
    }

    void reportEntry(const QString& k, const QString& value) {
        if (k == QLatin1String("title")) {
            def_.title = formula(value, QStringLiteral("title"));
            noteLines(def_.title);
        } else if (k == QLatin1String("orientation")) {
            const QString v = value.toLower();
            if (v == QLatin1String("portrait"))
                def_.orientation = QPageLayout::Portrait;
            else if (v == QLatin1String("landscape"))
                def_.orientation = QPageLayout::Landscape;
            else
                fail(QStringLiteral("suunta on portrait tai landscape"));
        } else if (k == QLatin1String("margins")) {
            const QStringList p = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (p.size() != 4) fail(QStringLiteral("marginaalit: neljä lukua (ylä oikea ala vasen, mm)"));
            def_.marginsMm = QMarginsF(number(p[3], QStringLiteral("marginaali")), number(p[0], QStringLiteral("marginaali")),
                                       number(p[1], QStringLiteral("marginaali")), number(p[2], QStringLiteral("marginaali")));
        } else if (k == QLatin1String("font")) {
            FontStyle f = fontStyle(value);
            if (f.family.isEmpty() || f.size <= 0) fail(QStringLiteral("raportin fontille tarvitaan nimi ja koko"));
            def_.font = f;
        } else {
            fail(QStringLiteral("tuntematon avain %1 lohkossa [report]").arg(k));
        }
    }

    FontStyle fontStyle(const QString& value) const {
        FontStyle f;
        const QStringList p = value.split(QLatin1Char(','));
        f.family = p.value(0).trimmed();
        if (p.size() > 1 && !p[1].trimmed().isEmpty()) {
            f.size = number(p[1].trimmed(), QStringLiteral("fontin koko"));
            if (f.size <= 0) fail(QStringLiteral("fontin koon pitää olla positiivinen"));
        }
        for (int i = 2; i < p.size(); ++i) {
            const QString flag = p[i].trimmed().toLower();
            if (flag == QLatin1String("bold"))
                f.bold = true;
            else if (flag == QLatin1String("italic"))
                f.italic = true;
            else if (flag == QLatin1String("underline"))
                f.underline = true;
            else if (flag == QLatin1String("strikeout"))
                f.strikeout = true;
            else if (!flag.isEmpty())
                fail(QStringLiteral("tuntematon fontin määre %1").arg(flag));
        }
        return f;
    }

    void fontEntry(const QString& key, const QString& value) {
        auto slot = fontSlotFromCode(key);
        if (!slot) fail(QStringLiteral("tuntematon fonttipaikka %1 (TITLE, HEADER, DETAIL, GRNDTTL, FOOTER)").arg(key));
        def_.slotFonts[int(*slot)] = fontStyle(value);
    }

    void formulaEntry(const QString& key, const QString& value) {
        QString name = key.startsWith(QLatin1Char('@')) ? key.mid(1) : key;
        if (!isName(name)) fail(QStringLiteral("virheellinen kaavan nimi %1").arg(key));
        if (def_.formula(name)) fail(QStringLiteral("kaava %1 on jo määritelty").arg(name));
        if (value.isEmpty()) fail(QStringLiteral("kaavalle %1 tarvitaan oletusarvo").arg(name));
        FormulaDef f;
        f.line = line_;
        f.name = name;
        f.formula = formula(value, QStringLiteral("{@%1}").arg(name));
        noteLines(f.formula);
        def_.formulas.push_back(std::move(f));
    }

    void groupEntry(const QString& k, const QString& value) {
        if (k == QLatin1String("by")) {
            group_->by = formula(value, QStringLiteral("ryhmä %1").arg(group_->name));
            noteLines(group_->by);
            if (group_->by.uses().aggregates) fail(QStringLiteral("ryhmän perusteessa ei voi olla summia"));
        } else if (k == QLatin1String("order")) {
            const QString v = value.toLower();
            if (v == QLatin1String("ascending"))
                group_->descending = false;
            else if (v == QLatin1String("descending"))
                group_->descending = true;
            else
                fail(QStringLiteral("järjestys on ascending tai descending"));
        } else {
            fail(QStringLiteral("tuntematon avain %1 ryhmässä").arg(k));
        }
    }

    QString identifier(const QString& s) const {
        if (!isName(s)) fail(QStringLiteral("virheellinen nimi \"%1\"").arg(s));
        return s;
    }

    std::pair<QString, QString> qualified(const QString& s) const {
        const QStringList p = s.trimmed().split(QLatin1Char('.'));
        if (p.size() != 2) fail(QStringLiteral("odotettiin taulu.kenttä, löytyi \"%1\"").arg(s.trimmed()));
        return {identifier(p[0].trimmed()), identifier(p[1].trimmed())};
    }

    void dataEntry(const QString& k, const QString& value) {
        if (k == QLatin1String("table")) {
            if (!def_.tables.empty()) fail(QStringLiteral("ensimmäinen taulu on jo annettu; muut liitetään join-riveillä"));
            TableRef t;
            t.line = line_;
            t.name = identifier(value);
            def_.tables.push_back(t);
        } else if (k == QLatin1String("join")) {
            if (def_.tables.empty()) fail(QStringLiteral("join ennen ensimmäistä taulua (table = ...)"));
            // inner|left <table> on a.x = b.y [and c.z = d.w ...]
            static const QRegularExpression re(QStringLiteral("^(inner|left)\\s+(\\w+)\\s+on\\s+(.+)$"),
                                               QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::UseUnicodePropertiesOption);
            auto m = re.match(value);
            if (!m.hasMatch()) fail(QStringLiteral("join: muoto on inner|left taulu on a.kenttä = b.kenttä"));
            TableRef t;
            t.line = line_;
            t.join = m.captured(1).toLower() == QLatin1String("left") ? JoinKind::Left : JoinKind::Inner;
            t.name = m.captured(2);
            if (def_.tableIndex(t.name) >= 0) fail(QStringLiteral("taulu %1 on jo mukana").arg(t.name));
            static const QRegularExpression andRe(QStringLiteral("\\s+and\\s+"), QRegularExpression::CaseInsensitiveOption);
            for (const QString& cond : m.captured(3).split(andRe)) {
                const QStringList sides = cond.split(QLatin1Char('='));
                if (sides.size() != 2) fail(QStringLiteral("liitosehto: muoto on a.kenttä = b.kenttä"));
                auto [lt, lf] = qualified(sides[0]);
                auto [rt, rf] = qualified(sides[1]);
                const bool leftIsNew = lt.compare(t.name, Qt::CaseInsensitive) == 0;
                const bool rightIsNew = rt.compare(t.name, Qt::CaseInsensitive) == 0;
                const QString other = leftIsNew ? rt : lt;
                if (leftIsNew == rightIsNew || def_.tableIndex(other) < 0)
                    fail(QStringLiteral("liitosehdon pitää yhdistää taulu %1 aiemmin mainittuun tauluun").arg(t.name));
                t.on.push_back({lt, lf, rt, rf});
            }
            def_.tables.push_back(t);
        } else if (k == QLatin1String("filter")) {
            def_.filter = formula(value, QStringLiteral("filter"));
            noteLines(def_.filter);
            if (def_.filter.uses().aggregates) fail(QStringLiteral("rajausehdossa ei voi olla summia"));
        } else if (k == QLatin1String("sort")) {
            def_.sort.clear();
            for (const QString& part : splitTopLevel(value)) {
                try {
                    def_.sort.push_back(parseSortField(part, QStringLiteral("sort")));
                } catch (const ReportError& e) {
                    fail(e.description());
                }
                noteLines(def_.sort.back().expr);
            }
        } else {
            fail(QStringLiteral("tuntematon avain %1 lohkossa [data]").arg(k));
        }
    }

    // Splits at commas outside braces, parentheses and quotes.
    static QStringList splitTopLevel(const QString& s) {
        QStringList out;
        int depth = 0;
        QChar quote;
        QString cur;
        for (QChar c : s) {
            if (!quote.isNull()) {
                if (c == quote) quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c == QLatin1Char('{') || c == QLatin1Char('(')) {
                ++depth;
            } else if (c == QLatin1Char('}') || c == QLatin1Char(')')) {
                --depth;
            } else if (c == QLatin1Char(',') && depth == 0) {
                out << cur.trimmed();
                cur.clear();
                continue;
            }
            cur += c;
        }
        if (!cur.trimmed().isEmpty()) out << cur.trimmed();
        return out;
    }

    static bool yes(const QString& v) {
        const QString l = v.toLower();
        return l == QLatin1String("yes") || l == QLatin1String("true") || l == QLatin1String("1");
    }

    void sectionEntry(const QString& k, const QString& value) {
        SectionDef& s = *section_;
        if (k == QLatin1String("font")) {
            auto slot = fontSlotFromCode(value);
            if (!slot) fail(QStringLiteral("tuntematon fonttipaikka %1 (TITLE, HEADER, DETAIL, GRNDTTL, FOOTER)").arg(value));
            s.font = *slot;
        } else if (k == QLatin1String("suppress")) {
            s.suppress = formula(value, QStringLiteral("suppress"));
            noteLines(s.suppress);
        } else if (k == QLatin1String("height")) {
            s.minHeight = number(value, QStringLiteral("korkeus"));
        } else if (k == QLatin1String("repeat")) {
            if (s.kind != SectionKind::GroupHeader) fail(QStringLiteral("repeat kuuluu vain ryhmän otsikolle"));
            s.repeat = yes(value);
        } else if (k == QLatin1String("rule")) {
            const QStringList p = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            RuleDef r;
            const QString where = p.value(0).toLower();
            if (where != QLatin1String("above") && where != QLatin1String("below"))
                fail(QStringLiteral("viiva: above tai below, sitten halutessa x ja leveys (mm)"));
            r.above = where == QLatin1String("above");
            if (p.size() == 3) {
                r.x = number(p[1], QStringLiteral("viivan x"));
                r.width = number(p[2], QStringLiteral("viivan leveys"));
            } else if (p.size() != 1) {
                fail(QStringLiteral("viiva: above tai below, sitten halutessa x ja leveys (mm)"));
            }
            s.rules.push_back(r);
        } else if (k == QLatin1String("item")) {
            s.items.push_back(item(value));
        } else {
            fail(QStringLiteral("tuntematon avain %1 osiossa").arg(k));
        }
    }

    ItemDef item(const QString& value) {
        ItemDef it;
        it.line = line_;
        const int colon = value.indexOf(QLatin1Char(':'));
        if (colon < 0) fail(QStringLiteral("kenttä: muoto on item = x leveys [määreet] : lauseke"));
        const QStringList p = value.left(colon).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString exprText = value.mid(colon + 1).trimmed();
        if (p.size() < 2) fail(QStringLiteral("kentältä puuttuu x tai leveys"));
        it.x = number(p[0], QStringLiteral("x"));
        it.width = number(p[1], QStringLiteral("leveys"));
        if (it.width <= 0) fail(QStringLiteral("kentän leveyden pitää olla positiivinen"));
        it.name = exprText;
        bool decimalsGiven = false;
        for (int i = 2; i < p.size(); ++i) {
            const QString opt = p[i];
            const int eq = opt.indexOf(QLatin1Char('='));
            const QString key = (eq < 0 ? opt : opt.left(eq)).toLower();
            const QString arg = eq < 0 ? QString() : opt.mid(eq + 1);
            using F = Format::Kind;
            static const std::pair<const char*, F> formats[] = {
                {"text", F::Text},     {"integer", F::Integer},   {"number", F::Number}, {"amount", F::Amount},
                {"currency", F::Currency}, {"date", F::Date},     {"percent", F::Percent}};
            bool isFormat = false;
            for (const auto& f : formats) {
                if (eq < 0 && key == QLatin1String(f.first)) {
                    it.format.kind = f.second;
                    isFormat = true;
                }
            }
            if (isFormat) continue;
            if (eq < 0 && key == QLatin1String("left"))
                it.align = Qt::AlignLeft;
            else if (eq < 0 && key == QLatin1String("right"))
                it.align = Qt::AlignRight;
            else if (eq < 0 && key == QLatin1String("center"))
                it.align = Qt::AlignHCenter;
            else if (eq < 0 && key == QLatin1String("bold"))
                it.bold = true;
            else if (eq < 0 && key == QLatin1String("italic"))
                it.italic = true;
            else if (eq < 0 && key == QLatin1String("underline"))
                it.underline = true;
            else if (eq >= 0 && key == QLatin1String("bold")) {
                it.boldWhen = formula(arg, QStringLiteral("bold"));
                noteLines(it.boldWhen);
            } else if (eq >= 0 && key == QLatin1String("indent")) {
                it.indent = formula(arg, QStringLiteral("indent"));
                noteLines(it.indent);
            } else if (eq >= 0 && key == QLatin1String("y")) {
                it.y = number(arg, QStringLiteral("y"));
            } else if (eq >= 0 && key == QLatin1String("decimals")) {
                bool ok = false;
                it.format.decimals = arg.toInt(&ok);
                if (!ok || it.format.decimals < 0 || it.format.decimals > 4)
                    fail(QStringLiteral("desimaaleja 0-4"));
                decimalsGiven = true;
                it.format.decimalsGiven = true;
            } else if (eq >= 0 && key == QLatin1String("name")) {
                it.name = identifier(arg);
            } else {
                fail(QStringLiteral("tuntematon kentän määre %1").arg(opt));
            }
        }
        if (!decimalsGiven && it.format.kind == Format::Kind::Percent) it.format.decimals = 1;
        if (exprText.isEmpty()) fail(QStringLiteral("kentältä puuttuu lauseke"));
        it.expr = formula(exprText, QStringLiteral("kenttä %1").arg(it.name));
        noteLines(it.expr);
        return it;
    }

    // Remembers the line of a formula for the checks after parsing.
    void noteLines(const Formula& f) {
        if (!f.isEmpty()) formulaLines_.push_back({f, line_});
    }

    void validate() {
        if (def_.tables.empty()) fail(QStringLiteral("lohkosta [data] puuttuu taulu (table = ...)"));
        for (const auto& g : def_.groups)
            if (g.by.isEmpty()) fail(QStringLiteral("ryhmältä %1 puuttuu peruste (by = ...)").arg(g.name), g.line);
        for (const auto& [f, line] : formulaLines_) {
            ExprUses u = f.uses();
            for (const Expr* e : u.fields)
                if (def_.tableIndex(e->table) < 0)
                    fail(QStringLiteral("kentän {%1.%2} taulu ei ole lohkossa [data]").arg(e->table, e->field), line);
            for (const QString& name : u.formulas)
                if (!def_.formula(name))
                    fail(QStringLiteral("kaavalle {@%1} ei ole oletusarvoa lohkossa [formulas]").arg(name), line);
        }
        for (const auto& s : def_.sections) {
            if (s.suppress.uses().aggregates && s.kind == SectionKind::Detail)
                fail(QStringLiteral("rivin piilotusehdossa ei voi olla summia"), s.line);
        }
        // Named formulas must not refer to themselves, directly or through others.
        QHash<QString, int> state;  // 1 visiting, 2 done
        std::function<void(const FormulaDef&)> visit = [&](const FormulaDef& f) {
            const QString key = f.name.toLower();
            if (state.value(key) == 2) return;
            if (state.value(key) == 1) fail(QStringLiteral("kaava {@%1} viittaa itseensä").arg(f.name), f.line);
            state[key] = 1;
            for (const QString& n : f.formula.uses().formulas)
                if (const FormulaDef* g = def_.formula(n)) visit(*g);
            state[key] = 2;
        };
        for (const auto& f : def_.formulas) visit(f);
    }

    QString text_;
    Definition def_;
    int line_ = 0;
    Block block_ = Block::None;
    SectionDef* section_ = nullptr;
    GroupDef* group_ = nullptr;
    bool seenReport_ = false, seenData_ = false, seenFonts_ = false, seenFormulas_ = false;
    std::vector<std::pair<Formula, int>> formulaLines_;
};

}  // namespace

QStringList Definition::fixedTexts() const {
    QStringList out;
    auto add = [&out](const Formula& f) {
        for (const QString& t : f.shownTexts())
            if (!out.contains(t)) out << t;
    };
    add(title);
    for (const FormulaDef& f : formulas) add(f.formula);
    for (const SectionDef& s : sections)
        for (const ItemDef& item : s.items) add(item.expr);
    return out;
}

void Definition::translateFixedTexts(const std::function<QString(const QString&)>& translate) {
    title = title.withShownTexts(translate);
    for (FormulaDef& f : formulas) f.formula = f.formula.withShownTexts(translate);
    for (SectionDef& s : sections)
        for (ItemDef& item : s.items) item.expr = item.expr.withShownTexts(translate);
}

Definition Definition::parse(const QString& text, const QString& fileName) {
    return DefinitionParser(text, fileName).run();
}

Definition Definition::load(const QString& path) {
    const QString shown = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw ReportError(err::DefinitionNotFound,
                          TranslateText(QStringLiteral("Raportit"),
                                        QStringLiteral("Raporttimäärittelyä ei löydy tai sitä ei voi lukea: %1"))
                              .arg(path));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        throw ReportError(err::DefinitionSyntax, QStringLiteral("%1: tiedosto ei ole UTF-8-tekstiä").arg(shown));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    Definition def = parse(text, shown);
    def.translateFixedTexts([](const QString& t) { return TranslateText(QStringLiteral("Raportit"), t); });
    return def;
}

}  // namespace report
