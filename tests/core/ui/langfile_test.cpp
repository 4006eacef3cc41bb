// The shipped Swedish language file: it parses, every entry has its
// translation, it covers every literal text the sources pass to
// TranslateStr (and the report control's TranslateText) and every fixed
// text of the report definitions, and the build puts it into the program
// folder.

#include "core/globals.h"
#include "core/ui/frmkielenvalinta.h"
#include "core/ui/translator.h"
#include "platform/ini/inicodec.h"
#include "platform/ini/inifile.h"
#include "platform/report/definition.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "support/swedish.h"
#include "support/testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QPushButton>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace core;

namespace {

const QString kFileName = QStringLiteral("Kolvio VEV.trl");

QString shippedFile() { return QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/lang/Svenska/") + kFileName); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// ---- Finding TranslateStr(<literal>, <literal>) (or another translating
// function's calls) in C++ text.

struct Call {
    int line = 0;
    QString section;
    QString text;
};

class Scanner {
public:
    explicit Scanner(const QByteArray& src, const QByteArray& function = "TranslateStr") : s_(src), name_(function) {}

    QList<Call> calls() {
        QList<Call> out;
        const QByteArray& name = name_;
        for (qsizetype at = s_.indexOf(name); at >= 0; at = s_.indexOf(name, at + 1)) {
            // A whole word only.
            if (at > 0 && (isalnum(uchar(s_[at - 1])) || s_[at - 1] == '_')) continue;
            p_ = at + name.size();
            skipBlanks();
            if (!take('(')) continue;
            Call c;
            c.line = static_cast<int>(s_.left(at).count('\n')) + 1;
            const auto section = literalArg();
            skipBlanks();
            if (!section || !take(',')) continue;
            const auto text = literalArg();
            skipBlanks();
            if (!text || !take(')')) continue;
            c.section = *section;
            c.text = *text;
            out << c;
        }
        return out;
    }

private:
    void skipBlanks() {
        while (p_ < s_.size() && isspace(uchar(s_[p_]))) ++p_;
    }
    bool take(char c) {
        if (p_ < s_.size() && s_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    bool takeWord(const char* w) {
        const QByteArray word(w);
        if (s_.mid(p_, word.size()) != word) return false;
        p_ += word.size();
        return true;
    }

    // QStringLiteral("..."), QLatin1String("..."), u"..." or "...", with
    // adjacent literals joined.
    std::optional<QString> literalArg() {
        skipBlanks();
        for (const char* wrapper : {"QStringLiteral", "QLatin1String", "QString"}) {
            const qsizetype save = p_;
            if (takeWord(wrapper)) {
                skipBlanks();
                if (take('(')) {
                    auto v = literals();
                    skipBlanks();
                    if (v && take(')')) return v;
                    return std::nullopt;
                }
            }
            p_ = save;
        }
        return literals();
    }

    std::optional<QString> literals() {
        QByteArray bytes;
        bool any = false;
        for (;;) {
            skipBlanks();
            const qsizetype save = p_;
            take('u');
            if (!take('"')) {
                p_ = save;
                break;
            }
            any = true;
            while (p_ < s_.size() && s_[p_] != '"') {
                char c = s_[p_++];
                if (c != '\\') {
                    bytes += c;
                    continue;
                }
                const char e = s_[p_++];
                switch (e) {
                case 'n': bytes += '\n'; break;
                case 't': bytes += '\t'; break;
                case 'r': bytes += '\r'; break;
                case 'x': {
                    int v = 0;
                    while (p_ < s_.size() && isxdigit(uchar(s_[p_]))) {
                        const char h = char(tolower(uchar(s_[p_++])));
                        v = v * 16 + (isdigit(uchar(h)) ? h - '0' : h - 'a' + 10);
                    }
                    bytes += char(v);
                    break;
                }
                default: bytes += e; break;
                }
            }
            if (!take('"')) return std::nullopt;
        }
        if (!any) return std::nullopt;
        return QString::fromUtf8(bytes);
    }

    QByteArray s_;
    QByteArray name_;
    qsizetype p_ = 0;
};

TEST(CoreUiLangFile, ScannerFindsLiteralCalls) {
    const QByteArray sample =
        "QString TranslateStr(const QString& section, const QString& text);\n"
        "ShowInfo(TranslateStr(QStringLiteral(\"frmMain\"), QStringLiteral(\"Seuran valinta\")));\n"
        "x = core::TranslateStr(\"Yleiset\",\n"
        "        QStringLiteral(\"Pitkä \"\n"
        "                       \"teksti: \\\"lainaus\\\"\"));\n"
        "y = Translator().TranslateStr(u\"frmX\", \"Rivi\\nkaksi\");\n"
        "z = TranslateStr(kSection, QStringLiteral(\"Ei nähdä\"));\n"
        "w = MyTranslateStr(\"a\", \"b\");\n";
    const QList<Call> calls = Scanner(sample).calls();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].section, "frmMain");
    EXPECT_EQ(calls[0].text, "Seuran valinta");
    EXPECT_EQ(calls[0].line, 2);
    EXPECT_EQ(calls[1].section, "Yleiset");
    EXPECT_EQ(calls[1].text, "Pitkä teksti: \"lainaus\"");
    EXPECT_EQ(calls[2].section, "frmX");
    EXPECT_EQ(calls[2].text, "Rivi\nkaksi");
}

TEST(CoreUiLangFile, ShippedFileIsWellFormedAndComplete) {
    const QByteArray bytes = readAll(shippedFile());
    ASSERT_FALSE(bytes.isEmpty()) << shippedFile().toStdString();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    ASSERT_FALSE(utf8.hasError()) << "not UTF-8";
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));

    QString section;
    QSet<QString> sections;
    QSet<QString> keys;
    int entries = 0;
    int lineNo = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNo;
        const auto p = ini::codec::parseLine(line);
        const std::string where = "line " + std::to_string(lineNo) + ": " + line.toStdString();
        switch (p.kind) {
        case ini::codec::LineKind::Blank:
        case ini::codec::LineKind::Comment: break;
        case ini::codec::LineKind::Section:
            section = p.name;
            EXPECT_FALSE(sections.contains(section.toCaseFolded())) << "section twice, " << where;
            sections.insert(section.toCaseFolded());
            break;
        case ini::codec::LineKind::KeyValue:
            ++entries;
            EXPECT_FALSE(section.isEmpty()) << "entry before any section, " << where;
            EXPECT_FALSE(p.value.isEmpty()) << "no translation, " << where;
            EXPECT_FALSE(keys.contains(section.toCaseFolded() + u'\n' + p.name.toCaseFolded()))
                << "entry twice, " << where;
            keys.insert(section.toCaseFolded() + u'\n' + p.name.toCaseFolded());
            break;
        case ini::codec::LineKind::Other: ADD_FAILURE() << "unreadable, " << where; break;
        }
    }
    EXPECT_GT(entries, 50);
    for (const char* s : {"frmMain", "frmKielenValinta", "frmAboutVaskiro"})
        EXPECT_TRUE(sections.contains(QString::fromLatin1(s).toCaseFolded())) << s;
}

TEST(CoreUiLangFile, EveryLiteralTextOfTheSourcesIsTranslated) {
    ini::cIniFile::ClearCache();
    ini::cIniFile ini;
    ini.FileName(shippedFile());
    const QString src = QDir(kvtest::sourceDir()).filePath(QStringLiteral("src"));
    ASSERT_TRUE(QDir(src).exists());
    int files = 0;
    QDirIterator it(src, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        const QByteArray code = readAll(path);
        QList<Call> calls = Scanner(code).calls();
        calls << Scanner(code, "TranslateText").calls();
        for (const Call& c : calls) {
            ini.Section(c.section);
            EXPECT_FALSE(ini.Read(c.text).isEmpty())
                << QDir(src).relativeFilePath(path).toStdString() << ":" << c.line << ": [" << c.section.toStdString()
                << "] \"" << c.text.toStdString() << "\" has no Swedish text";
        }
    }
    EXPECT_GT(files, 10);
}

// The texts a report prints of its own ("Yhteensä", "Sivu ", headings a
// report command does not set) are shown through section "Raportit".
TEST(CoreUiLangFile, EveryFixedTextOfTheReportDefinitionsIsTranslated) {
    ini::cIniFile::ClearCache();
    ini::cIniFile ini;
    ini.FileName(shippedFile());
    ini.Section(QStringLiteral("Raportit"));
    const QDir reports(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports")));
    const QStringList files = reports.entryList({QStringLiteral("*.rpt")}, QDir::Files);
    ASSERT_GT(files.size(), 20);
    QSet<QString> seen;
    for (const QString& file : files) {
        const report::Definition def =
            report::Definition::parse(QString::fromUtf8(readAll(reports.filePath(file))), file);
        for (const QString& text : def.fixedTexts()) {
            seen.insert(text);
            EXPECT_FALSE(ini.Read(text).isEmpty()) << file.toStdString() << ": \"" << text.toStdString()
                                                   << "\" has no Swedish text";
        }
    }
    for (const char* text : {"Yhteensä", "Sivu ", "Debet", "Tositteita"})
        EXPECT_TRUE(seen.contains(QString::fromUtf8(text))) << text;
}

TEST(CoreUiLangFile, BuildCopiesTheFileIntoTheProgramFolder) {
    const QString built = QDir(kvtest::builtAppDir()).filePath(QStringLiteral("Svenska/") + kFileName);
    ASSERT_TRUE(QFile::exists(built)) << built.toStdString();
    EXPECT_EQ(readAll(built), readAll(shippedFile()));
}

TEST(CoreUiLangFile, SwedishIsShownThroughTheShippedFile) {
    resetGlobals();
    ini::cIniFile::ClearCache();
    kvtest::TempDir dir;
    sys::SetAppPath(dir.path());
    const QString copy = kvtest::useSwedish(dir.path());
    ASSERT_FALSE(copy.isEmpty());
    EXPECT_EQ(TranslateStr("frmMain", "Tositteet - Avausviennit"), "Verifikat - Öppningsposteringar");
    EXPECT_EQ(TranslateStr("frmMain", "Odottamaton virhe: "), "Oväntat fel: ");
    EXPECT_EQ(TranslateStr("frmMain", "Windowsin kansallisuus / maakohtaisissa asetuksissa on valuuttatunnuksena "
                                      "vielä 'mk'."),
              "I de nationella inställningarna i Windows är valutasymbolen fortfarande 'mk'.");

    auto& f = ui::Forms::get<frmKielenValinta>();
    Translate(&f);
    EXPECT_EQ(f.windowTitle(), "Kolvio VEV - Val av språk");
    EXPECT_EQ(f.cRuotsiksi->text(), "På svenska");
    // Everything looked up had its translation: the copy is unchanged.
    EXPECT_TRUE(kvtest::sameAsShipped(copy));

    ui::Forms::destroyAll();
    SetTranslator(nullptr);
    sys::SetAppPath(QString());
}

}  // namespace
