// Golden texts of every shipped report definition: each report is run the
// way the program runs it - the program started on a book in a language,
// the window of the report's subsystem opened, its report command given
// with the period and the options a user would choose, and the dialogs
// answered - and what the shared report control laid out is written as text
// (reportdump.h) and compared whole with the file checked in under
// tests/golden/<book>/<language>/<definition>.txt.
//
// The books: a copy of the demo book, and a small book made here from the
// general template with vouchers of two years, cost centres and budgets.
// The languages: Finnish and Swedish.
//
// The same runs show that every caption, title, total and amount fits its
// field and stands apart from its neighbours (TextsThatDoNotFit).
//
// To write the files anew after a change that is meant to change reports,
// run tools/golden.sh (or this test with KV_GOLDEN_UPDATE=1) and review the
// diff. The print date is fixed, and only the fonts of the packages that
// tools/install-deps.sh installs are seen, so that the texts are the same
// on every machine.

#include "accounts/frmtilitnew.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilikartta.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "app/openers.h"
#include "budget/frmbudjetti.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "legacy/frmtositteet.h"
#include "platform/dao/database.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "reportdump.h"
#include "shell/programsupport.h"
#include "shell/shellfixture.h"
#include "statement_models/frmnewtulosjatase.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "vouchers/window/frmnewtositteet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <map>

namespace {

// Fontconfig sees only the fonts of the packages tools/install-deps.sh
// installs, whatever else the machine has: set before the test program makes
// its application object, which reads the fonts.
QTemporaryDir& fontConfigDir() {
    static QTemporaryDir dir;
    return dir;
}
[[maybe_unused]] const bool kInstalledFontsOnly = [] {
    const QString path = fontConfigDir().filePath(QStringLiteral("fonts.conf"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write("<?xml version=\"1.0\"?>\n"
            "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
            "<fontconfig>\n"
            "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
            "  <dir>/usr/share/fonts/truetype/liberation</dir>\n"
            "</fontconfig>\n");
    f.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
    return true;
}();

bool updating() { return qEnvironmentVariableIntValue("KV_GOLDEN_UPDATE") != 0; }

// ---------------------------------------------------------------- the small book

// The small book: the general template with the financial year 2031 and the
// year before it. A voucher per line,
//
//   number date [avaus|paatos] text | account side amount [centre] | ...
//
// accounts and cost centres by their numbers, amounts with a decimal comma.
const char* const kPreviousYear = R"(
0 1.1.2030 avaus Tilinavaus | 1910 D 3200,00 | 1900 D 150,00 | 2050 K 3350,00
1 15.1.2030 Jäsenmaksut 2030 | 1910 D 1750,00 | 5000 K 1750,00 10
2 1.3.2030 Kevätkurssin maksut | 1910 D 960,00 | 3010 K 960,00 30
3 5.3.2030 Kerhohuoneen vuokra | 4300 D 1200,00 20 | 1910 K 1200,00
4 20.5.2030 Kunnan avustus | 1910 D 1500,00 | 7010 K 1500,00
5 14.6.2030 Kesämyyjäiset | 1900 D 640,00 | 5230 K 640,00 20
6 14.6.2030 Myyjäisten tarvikkeet | 5530 D 180,30 20 | 1900 K 180,30
7 30.11.2030 Kokouskulut | 4400 D 96,40 10 | 1910 K 96,40
8 31.12.2030 Pankin palvelumaksut | 4640 D 24,00 10 | 1910 K 24,00
)";

const char* const kCurrentYear = R"(
0 1.1.2031 avaus Tilinavausviennit | 1910 D 4109,60 | 1900 D 609,70 | 2050 K 4719,30
1 12.1.2031 Jäsenmaksut tammikuu | 1910 D 1450,00 | 5000 K 1450,00 10
2 3.2.2031 Kerhohuoneen vuokra helmi-huhtikuu | 4300 D 600,00 20 | 1910 K 600,00
3 28.2.2031 Kevätkurssin osallistumismaksut | 1910 D 1280,00 | 3010 K 1280,00 30
4 15.3.2031 Kokouskahvit | 4400 D 45,60 10 | 1900 K 45,60
5 2.5.2031 Kunnan yleisavustus | 1910 D 2000,00 | 7010 K 2000,00
6 10.6.2031 Kevätmyyjäiset | 1900 D 830,50 | 5230 K 830,50 20
7 10.6.2031 Myyjäisten tarvikkeet | 5530 D 212,40 20 | 1910 K 212,40
8 30.9.2031 Pankin palvelumaksut | 4640 D 18,00 10 | 1910 K 18,00
9 31.12.2031 Korkotuotot | 1910 D 3,25 | 6000 K 3,25
10 31.12.2031 paatos Syyskurssin maksut ensi vuodelle | 3010 D 400,00 30 | 2700 K 400,00
)";

// Budgets: "year account month amount ...", year E previous, N current,
// T next; months 1-12, amounts with a decimal comma (costs negative).
const char* const kBudgets = R"(
E 5000 1 1700,00
E 3010 3 900,00
E 4300 3 -1200,00
N 5000 1 1500,00 9 300,00
N 3010 2 1200,00 9 800,00
N 4300 2 -600,00 8 -600,00
N 7010 5 2000,00
N 4400 3 -50,00 10 -50,00
T 5000 1 1600,00
T 4300 2 -650,00 8 -650,00
)";

QString sqlDate(const QDate& d) { return d.toString(QStringLiteral("#M/d/yyyy#")); }
QString sqlAmount(const QString& text) { return QString(text).remove(u' ').replace(u',', u'.'); }

// The statements of one year's vouchers and their entries, keys from
// nextID on.
QString voucherSql(const char* text, bool previous, long& nextID, const std::map<long, long>& tl,
                   const std::map<long, long>& kp) {
    const QString t = previous ? QStringLiteral("toE") : QStringLiteral("to");
    const QString v = previous ? QStringLiteral("viE") : QStringLiteral("vi");
    QString sql;
    for (const QString& line : QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList parts = line.split(u'|');
        QStringList head = parts.takeFirst().trimmed().split(u' ');
        const QString number = head.takeFirst();
        const QDate date = QDate::fromString(head.takeFirst(), QStringLiteral("d.M.yyyy"));
        const bool avaus = head.first() == QLatin1String("avaus");
        const bool paatos = head.first() == QLatin1String("paatos");
        if (avaus || paatos) head.removeFirst();
        const QString selite = head.join(u' ');
        const long toID = nextID++;
        auto flag = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
        sql += QStringLiteral("INSERT INTO [%1] (%1ID, %1Numero, %1Pvm, %1Selite, %1Avaustosite, %1Paatostosite, "
                              "%1Automaatti) VALUES (%2, %3, %4, '%5', %6, %7, False);\n")
                   .arg(t)
                   .arg(toID)
                   .arg(number, sqlDate(date), selite, flag(avaus), flag(paatos));
        for (const QString& entry : parts) {
            const QStringList e = entry.simplified().split(u' ');
            const long centre = e.size() > 3 ? kp.at(e[3].toLong()) : 0;
            sql += QStringLiteral("INSERT INTO %1 (%1ID, %1toID, %1tlID, %1kpID, %1Tyyppi, %1Arvo, %1Selite, "
                                  "%1Avausvienti, %1Paatosvienti, %1Automaatti) "
                                  "VALUES (%2, %3, %4, %5, '%6', %7, '%8', %9, %10, False);\n")
                       .arg(v)
                       .arg(nextID++)
                       .arg(toID)
                       .arg(tl.at(e[0].toLong()))
                       .arg(centre)
                       .arg(e[1], sqlAmount(e[2]), selite, flag(avaus), flag(paatos));
        }
    }
    return sql;
}

QString budgetSql(const std::map<long, long>& tl) {
    QString sql;
    for (const QString& line : QString::fromUtf8(kBudgets).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.simplified().split(u' ');
        QStringList months(12, QStringLiteral("0"));
        for (int i = 2; i + 1 < f.size(); i += 2) months[f[i].toInt() - 1] = sqlAmount(f[i + 1]);
        QStringList names;
        for (int m = 1; m <= 12; ++m) names << QStringLiteral("buKuukausi%1").arg(m);
        const QString year = f[0];
        sql += QStringLiteral("INSERT INTO bu (butlID, %1, buEdellinen, buNykyinen, buTuleva) VALUES (%2, %3, %4, %5, %6);\n")
                   .arg(names.join(QStringLiteral(", ")))
                   .arg(tl.at(f[1].toLong()))
                   .arg(months.join(QStringLiteral(", ")))
                   .arg(year == QLatin1String("E") ? QStringLiteral("True") : QStringLiteral("False"),
                        year == QLatin1String("N") ? QStringLiteral("True") : QStringLiteral("False"),
                        year == QLatin1String("T") ? QStringLiteral("True") : QStringLiteral("False"));
    }
    return sql;
}

// Keys by number of a table's rows: tl by tlNumero, kp by kpNumero.
std::map<long, long> keysByNumber(dao::Database& db, const QString& table) {
    std::map<long, long> keys;
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT %1ID AS id, %1Numero AS numero FROM %1").arg(table),
                                         dao::RecordsetType::Snapshot);
    for (; !rs.isEOF(); rs.MoveNext())
        keys[long(rs.value(QStringLiteral("numero")).toLong())] = long(rs.value(QStringLiteral("id")).toLong());
    return keys;
}

// Writes the small book as the build writes the shipped books: the base
// tables, the general template, the upgrade to the current layout; then its
// settings, cost centres, vouchers and budgets.
void makeSmallBook(const QString& path) {
    const QDir data(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data")));
    dao::Database db = dao::DBEngine::CreateDatabase(path);
    core::runSqlFile(db, data.filePath(QStringLiteral("schema/base.sql")));
    core::runSqlFile(db, data.filePath(QStringLiteral("books/yleismalli.sql")));
    core::UpdateDatabase(db);
    QString sql = QStringLiteral(
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiAlku', '2031-01-01');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'TilikausiLoppu', '2031-12-31');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'EdTilikausiAlku', '2030-01-01');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'EdTilikausiLoppu', '2030-12-31');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'Kustannuspaikat', '1');\n"
        "INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'SeuranNimi', 'Pikkuseura ry');\n"
        "UPDATE ma SET maTulosMaID = 1 WHERE maID = 2;\n"
        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (10, 'Hallinto', 'Hallitus ja kokoukset');\n"
        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (20, 'Tapahtumat', 'Myyjäiset ja kerhohuone');\n"
        "INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (30, 'Kurssit', 'Kevään ja syksyn kurssit');\n");
    core::runSqlScript(db, sql);
    const std::map<long, long> tl = keysByNumber(db, QStringLiteral("tl"));
    const std::map<long, long> kp = keysByNumber(db, QStringLiteral("kp"));
    // The profit of the year goes to 2090 in the balance sheet.
    sql = QStringLiteral("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', 'VoittoTaseella', '%1');\n")
              .arg(tl.at(2090));
    long next = 1;
    sql += voucherSql(kPreviousYear, true, next, tl, kp);
    sql += voucherSql(kCurrentYear, false, next, tl, kp);
    sql += budgetSql(tl);
    core::runSqlScript(db, sql);
    db.Close();
}

// ---------------------------------------------------------------- the runs

enum class Book { Demo, Small };
enum class Language { Finnish, Swedish };

// Which book, in which language.
struct Printing {
    Book book;
    Language language;
};

QString bookFolder(Book b) { return b == Book::Demo ? QStringLiteral("demo") : QStringLiteral("pieni"); }
QString languageFolder(Language l) { return l == Language::Finnish ? QStringLiteral("suomi") : QStringLiteral("svenska"); }
void PrintTo(const Printing& p, std::ostream* os) {
    *os << (bookFolder(p.book) + u'/' + languageFolder(p.language)).toStdString();
}

QString goldenPath(const Printing& s, const QString& definition) {
    return QDir(kvtest::sourceDir())
        .filePath(QStringLiteral("tests/golden/%1/%2/%3.txt")
                      .arg(bookFolder(s.book), languageFolder(s.language), QFileInfo(definition).completeBaseName()));
}

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The first line where two texts differ, for the failure message.
QString firstDifference(const QString& expected, const QString& actual) {
    const QStringList e = expected.split(u'\n'), a = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(e.size(), a.size()); ++i)
        if (e.value(i) != a.value(i))
            return QStringLiteral("line %1\n  golden: %2\n  now:    %3").arg(i + 1).arg(e.value(i), a.value(i));
    return QString();
}

class GoldenReports : public kvtest::ShellTest, public kvtest::Keys, public ::testing::WithParamInterface<Printing> {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (HasFatalFailure()) return;
        // The program folder as the build lays it out.
        const QDir built(kvtest::builtAppDir());
        ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("Svenska")));
        for (const QString& name : QDir(built.filePath(QStringLiteral("Svenska"))).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(built.filePath(QStringLiteral("Svenska/") + name),
                                    QDir(app).filePath(QStringLiteral("Svenska/") + name)));
        const QStringList definitions = built.entryList({QStringLiteral("*.rpt")}, QDir::Files);
        ASSERT_FALSE(definitions.isEmpty());
        for (const QString& name : definitions)
            ASSERT_TRUE(QFile::copy(built.filePath(name), QDir(app).filePath(name))) << name.toStdString();

        const Printing s = GetParam();
        QString book = demoBook();
        if (s.book == Book::Small) {
            book = QDir(app).filePath(QStringLiteral("pieni.mdb"));
            makeSmallBook(book);
        }
        writeIni(QStringLiteral("Language"),
                 s.language == Language::Finnish ? QStringLiteral("Suomi") : QStringLiteral("Svenska"));
        writeIni(QStringLiteral("Database"), book);
        year_ = s.book == Book::Demo ? 2026 : 2031;

        reports::ResetReportGlobals();
        previousReleaseHandler_ = core::setReleaseErrorHandler({});
        quitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
        modalTimeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([this](ui::Form& f) { answerModal(f); });

        // The program starts as main() starts it.
        QApplication::setQuitOnLastWindowClosed(false);
        shell::InstallQtTranslation(QString());
        app::RegisterOpeners();
        core::InstallWindowHooks();
        shell::InstallReleaseErrorHandler();
        main_ = &ui::Forms::show<shell::frmMain>();
        settle();
        ASSERT_EQ(core::DatabasePath, book);
        ASSERT_TRUE(answers.empty());
        reports::CrystalReport1().setPrintDate(QDate(year_ + 1, 2, 15));
        bookLandscape_ = core::VaakaTulostus;
        bookCostCentres_ = core::Kustannuspaikat;
    }

    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << answers.size() << " modal windows expected but not shown, first "
                                     << answers.front().first.toStdString();
        EXPECT_EQ(ui::Forms::modalTimeouts(), modalTimeouts_) << "a modal window was left open";
        report::ReportControl& rc = reports::CrystalReport1();
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        rc.setPrintDate(QDate());
        rc.setParallelFrom(report::EngineInput::kParallelFrom);
        ShellTest::TearDown();
        core::setReleaseErrorHandler(previousReleaseHandler_);
        QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_);
    }

    // ---- the modal windows: the start's own, and those a report command
    // shows, answered in the order they come.

    using Answerer = std::function<void(ui::Form&)>;
    std::deque<std::pair<QString, Answerer>> answers;

    template <class T>
    void expectModal(const char* name, std::function<void(T&)> act) {
        answers.emplace_back(QString::fromLatin1(name), [act](ui::Form& f) {
            auto* w = dynamic_cast<T*>(&f);
            if (!w) {
                ADD_FAILURE() << "not the window expected: " << f.objectName().toStdString();
                f.hide();
                return;
            }
            act(*w);
        });
    }

    void answerModal(ui::Form& f) {
        const QString name = f.objectName();
        if (name == QLatin1String("frmSplash")) {
            ui::Forms::unload(f);
            return;
        }
        if (name == QLatin1String("frmDBHuomautus")) {
            auto* b = f.findChild<QAbstractButton*>(QStringLiteral("cJatka"));
            ASSERT_NE(b, nullptr);
            b->click();
            return;
        }
        if (answers.empty() || answers.front().first != name) {
            ADD_FAILURE() << "unexpected modal window " << name.toStdString()
                          << (answers.empty() ? std::string() : ", expected " + answers.front().first.toStdString());
            f.hide();
            return;
        }
        Answerer act = std::move(answers.front().second);
        answers.pop_front();
        act(f);
    }

    // ---- what the user chooses

    QString day(int d, int m) const { return QStringLiteral("%1.%2.%3").arg(d).arg(m).arg(year_); }
    QString yearStart() const { return day(1, 1); }
    QString yearEnd() const { return day(31, 12); }
    bool demo() const { return GetParam().book == Book::Demo; }

    static void period(reports::PeriodDialog& d, const QString& start, const QString& end) {
        d.tAlkupvm->setText(start);
        d.tLoppupvm->setText(end);
    }
    static void choose(QComboBox* combo, long data) {
        const int i = combo->findData(QVariant(qlonglong(data)));
        ASSERT_GE(i, 0) << combo->objectName().toStdString() << " " << data;
        combo->setCurrentIndex(i);
    }
    // The key of a row by its number ("SELECT tlID FROM tl WHERE tlNumero = 1910").
    static long key(const char* table, long number) {
        dao::Database db = core::DBCon().AvaaDB();
        dao::Recordset rs =
            db.OpenRecordset(QStringLiteral("SELECT %1ID AS id FROM %1 WHERE %1Numero = ?").arg(QLatin1String(table)),
                             dao::RecordsetType::Snapshot, {dao::Variant(number)});
        return rs.isEOF() ? -1 : long(rs.value(QStringLiteral("id")).toLong());
    }
    void printToWindow() {
        expectModal<reports::frmTulostus>("frmTulostus", [](reports::frmTulostus& d) {
            d.cmbTulostusLaite->setCurrentIndex(0);  // the preview window
            d.tKopioita->setText(QStringLiteral("1"));
            d.cTulosta->click();
        });
    }

    template <class T>
    T& opened() {
        settle();
        T* w = ui::Forms::find<T>();
        if (!w) throw std::runtime_error("window not opened");
        return *w;
    }

    // The report settings of the settings window: landscape journals and
    // ledgers, cost-centre columns.
    static void settings(bool landscape, bool costCentres) {
        core::VaakaTulostus = landscape;
        core::Kustannuspaikat = costCentres;
    }

    enum class Mode { Ordinary, Opening, Closing };
    vouchers::frmNewTositteet& voucherWindow(Mode mode) {
        if (mode == Mode::Ordinary) main_->cTositteet->click();
        if (mode == Mode::Opening) main_->mAvausviennit->trigger();
        if (mode == Mode::Closing) main_->mTilinpaatosviennit->trigger();
        return opened<vouchers::frmNewTositteet>();
    }
    statement_models::frmNewTulosJaTase& modelWindow(long model) {
        main_->cTulosJaTase->click();
        auto& w = opened<statement_models::frmNewTulosJaTase>();
        QTreeWidgetItem* node = w.NodeByKey(QStringLiteral("ma%1").arg(model));
        if (!node) throw std::runtime_error("no such model");
        for (QTreeWidgetItem* p = node->parent(); p; p = p->parent()) p->setExpanded(true);
        w.tvMalli->scrollToItem(node);
        QTest::mouseClick(w.tvMalli->viewport(), Qt::LeftButton, {}, w.tvMalli->visualItemRect(node).center());
        settle();
        if (w.CurModel().id() != model) throw std::runtime_error("the model was not chosen");
        return w;
    }

    // ---- the reports

    struct StatementChoice {
        QString start, end;
        bool wide = true;
        long centre = 0;  // cost centre number; 0 none
        bool groupsOnly = false;
    };
    void statement(long model, const StatementChoice& c) {
        auto& w = modelWindow(model);
        const long centre = c.centre ? key("kp", c.centre) : 0;
        expectModal<reports::frmDates>("frmDates", [c, centre](reports::frmDates& d) {
            period(d, c.start, c.end);
            (c.wide ? d.optLaaja : d.optSuppea)->setChecked(true);
            if (centre != 0) choose(d.cmbKPt, centre);
            d.chkVainRyhmat->setChecked(c.groupsOnly);
            d.cSeuraava->click();
        });
        printToWindow();
        w.cTulosta->click();
    }

    struct Case {
        const char* definition;
        std::function<void()> run;
    };

    std::vector<Case> cases() {
        const QString ys = yearStart(), ye = yearEnd();
        // The demo book's year is long: its ledgers and journals are printed
        // for a month or a quarter, the small book's for the whole year.
        auto part = [this](int firstMonth, int lastMonth) {
            if (!demo()) return std::make_pair(yearStart(), yearEnd());
            return std::make_pair(day(1, firstMonth),
                                  QDate(year_, lastMonth, 1).addMonths(1).addDays(-1).toString(QStringLiteral("d.M.yyyy")));
        };
        auto ledger = [this](Mode mode, bool landscape, bool centres, QAction* vouchers::frmNewTositteet::*command,
                             std::function<void()> answer) {
            settings(landscape, centres);
            auto& w = voucherWindow(mode);
            answer();
            printToWindow();
            (w.*command)->trigger();
        };
        auto generalLedger = [this](std::pair<QString, QString> p) {
            return [this, p] {
                expectModal<reports::frmDates3>("frmDates3", [p](reports::frmDates3& d) {
                    period(d, p.first, p.second);
                    d.chkVainTap->setChecked(true);
                    d.cSeuraava->click();
                });
            };
        };
        auto journal = [this](std::pair<QString, QString> p) {
            return [this, p] {
                expectModal<reports::frmDates2>("frmDates2", [p](reports::frmDates2& d) {
                    period(d, p.first, p.second);
                    d.cSeuraava->click();
                });
            };
        };
        const long centre = demo() ? 300 : 20;
        const long account = demo() ? 5000 : 1910;
        using W = vouchers::frmNewTositteet;
        return {
            {"paakirjb.rpt", [=] { ledger(Mode::Ordinary, false, false, &W::mPaakirja, generalLedger(part(1, 3))); }},
            {"paakirjbkp.rpt",
             [=, this] {
                 ledger(Mode::Ordinary, false, true, &W::mPaakirjaKustannuspaikalle, [=, this] {
                     const long kp = key("kp", centre);
                     expectModal<reports::frmDates6>("frmDates6", [=](reports::frmDates6& d) {
                         period(d, ys, ye);
                         choose(d.cmbKPt, kp);
                         d.chkVainTap->setChecked(true);
                         d.cSeuraava->click();
                     });
                 });
             }},
            {"paakivab.rpt",
             [=, this] {
                 ledger(Mode::Ordinary, true, false, &W::mRapYksiTili, [=, this] {
                     const long tl = key("tl", account);
                     expectModal<reports::frmDates4>("frmDates4", [=](reports::frmDates4& d) {
                         period(d, ys, ye);
                         choose(d.cmbTili, tl);
                         d.cSeuraava->click();
                     });
                 });
             }},
            {"paakivabkp.rpt", [=] { ledger(Mode::Ordinary, true, true, &W::mPaakirja, generalLedger(part(4, 6))); }},
            {"paikirja.rpt", [=] { ledger(Mode::Ordinary, false, false, &W::mPaivakirja, journal(part(1, 1))); }},
            {"paikirjakp.rpt", [=] { ledger(Mode::Ordinary, false, true, &W::mPaivakirja, journal(part(2, 2))); }},
            {"paikivaa.rpt", [=] { ledger(Mode::Ordinary, true, false, &W::mPaivakirja, journal(part(3, 3))); }},
            {"paikivaakp.rpt", [=] { ledger(Mode::Ordinary, true, true, &W::mPaivakirja, journal(part(4, 4))); }},
            {"paikirjb.rpt", [=] { ledger(Mode::Opening, false, false, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikirjbkp.rpt", [=] { ledger(Mode::Opening, false, true, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikivab.rpt", [=] { ledger(Mode::Opening, true, false, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikivabkp.rpt", [=] { ledger(Mode::Opening, true, true, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikirje.rpt", [=] { ledger(Mode::Closing, false, false, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikirjekp.rpt", [=] { ledger(Mode::Closing, false, true, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikivae.rpt", [=] { ledger(Mode::Closing, true, false, &W::mPaivakirja, journal({ys, ye})); }},
            {"paikivaekp.rpt", [=] { ledger(Mode::Closing, true, true, &W::mPaivakirja, journal({ys, ye})); }},
            {"tula.rpt", [=, this] { statement(1, {ys, ye, true, 0, false}); }},
            {"tulas.rpt", [=, this] { statement(1, {ys, ye, false, demo() ? 200 : 10, true}); }},
            {"tase.rpt", [=, this] { statement(2, {ys, ye, true, 0, false}); }},
            {"tases.rpt", [=, this] { statement(2, {ys, day(30, 6), false, 0, true}); }},
            {"tulabudj.rpt",
             [=, this] {
                 auto& w = modelWindow(1);
                 expectModal<reports::frmDates5>("frmDates5", [=](reports::frmDates5& d) {
                     period(d, ys, ye);
                     d.cSeuraava->click();
                 });
                 printToWindow();
                 w.mRapBudjettivertailu->trigger();
             }},
            {"tilikart.rpt",
             [=, this] {
                 auto& w = modelWindow(1);
                 expectModal<accounts::frmTilikartta>("frmTilikartta", [](accounts::frmTilikartta& d) {
                     choose(d.cmbTuloslaskelma, 1);
                     choose(d.cmbTase, 2);
                     d.cSeuraava->click();
                 });
                 printToWindow();
                 w.mTulTililuettelo->trigger();
             }},
            {"budj.rpt",
             [=, this] {
                 main_->cBudjetti->click();
                 auto& w = opened<budget::frmBudjetti>();
                 expectModal<reports::frmDates5>("frmDates5", [=](reports::frmDates5& d) {
                     period(d, ys, ye);
                     d.cSeuraava->click();
                 });
                 printToWindow();
                 w.cTulosta->click();
             }},
            {"tilit.rpt",
             [=, this] {
                 main_->cTilit->click();
                 auto& w = opened<accounts::frmTilitNew>();
                 printToWindow();
                 w.mTulostaTilikartta->trigger();
             }},
            {"tilisald.rpt",
             [=, this] {
                 auto& vouchers = voucherWindow(Mode::Ordinary);
                 vouchers.mTilienSaldot->trigger();
                 auto& w = opened<accounts::frmTilienSaldot>();
                 printToWindow();
                 w.mTulosta->trigger();
             }},
            {"tilitark.rpt",
             [=, this] {
                 auto& vouchers = voucherWindow(Mode::Ordinary);
                 vouchers.mTilitarkastelu->trigger();
                 auto& w = opened<accounts::frmTilitarkastelu>();
                 choose(w.cmbTilit, key("tl", account));
                 w.cPaivita->click();
                 printToWindow();
                 w.mTulosta->trigger();
             }},
            {"jrjasmak.rpt",
             [=, this] {
                 // The older voucher window hands the shared control this
                 // definition as it loads; the control then runs it as the
                 // window left it, with the association's name.
                 core::VanhatTositteet = true;
                 main_->cTositteet->click();
                 opened<legacy::frmTositteet>();
                 report::ReportControl& rc = reports::CrystalReport1();
                 reports::ResetReportFormulas();
                 rc.setDestination(report::ReportControl::ToWindow);
                 core::SetReportFonts(rc, false);
                 rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), core::SeuranNimi));
                 rc.setAction(1);
             }},
        };
    }

    // Runs a report case; what the report control laid out, null when the
    // run failed.
    std::shared_ptr<const report::LaidOutReport> run(const Case& c) {
        report::ReportControl& rc = reports::CrystalReport1();
        const int runs = rc.runCount();
        try {
            c.run();
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.definition << ": " << e.what();
        }
        settle();
        EXPECT_TRUE(answers.empty()) << c.definition << ": " << answers.size() << " modal windows not shown";
        answers.clear();
        const report::RunRecord& r = rc.lastRun();
        std::shared_ptr<const report::LaidOutReport> laid;
        if (rc.runCount() == runs + 1 && r.succeeded && r.report) {
            EXPECT_EQ(QFileInfo(r.properties.reportFileName).fileName(), QLatin1String(c.definition));
            laid = r.report;
        } else {
            ADD_FAILURE() << c.definition << ": no report laid out (" << r.errorText.toStdString() << ")";
        }
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        // Each report from windows opened afresh: the others are closed.
        for (ui::Form* f : ui::Forms::all())
            if (f != main_) ui::Forms::unload(*f);
        settle();
        // And under the book's own settings.
        core::VaakaTulostus = bookLandscape_;
        core::Kustannuspaikat = bookCostCentres_;
        core::VanhatTositteet = false;
        return laid;
    }

    // Every shipped definition laid out, each by its case; a definition
    // without one fails the test.
    std::vector<std::pair<QString, std::shared_ptr<const report::LaidOutReport>>> layOutAll() {
        QStringList shipped = QDir(QDir(kvtest::sourceDir()).filePath(QStringLiteral("data/reports")))
                                  .entryList({QStringLiteral("*.rpt")}, QDir::Files);
        std::vector<std::pair<QString, std::shared_ptr<const report::LaidOutReport>>> out;
        for (const Case& c : cases()) {
            shipped.removeAll(QLatin1String(c.definition));
            out.emplace_back(QLatin1String(c.definition), run(c));
        }
        EXPECT_TRUE(shipped.isEmpty()) << "definitions without a run: " << shipped.join(u' ').toStdString();
        return out;
    }

    void expectGolden(const QString& definition, const QString& text) {
        const QString path = goldenPath(GetParam(), definition);
        const QString golden = readText(path);
        EXPECT_FALSE(golden.isEmpty()) << path.toStdString() << " is missing: run tools/golden.sh";
        if (!golden.isEmpty()) {
            EXPECT_TRUE(golden == text) << definition.toStdString() << " differs from " << path.toStdString() << ", "
                                        << firstDifference(golden, text).toStdString();
        }
    }

    int year_ = 0;
    bool bookLandscape_ = false, bookCostCentres_ = false;
    shell::frmMain* main_ = nullptr;
    kvtest::ScriptedDialogs dialogs;  // no message is expected

private:
    core::ReleaseErrorHandler previousReleaseHandler_;
    bool quitOnLastWindowClosed_ = true;
    int modalTimeouts_ = 0;
};

TEST_P(GoldenReports, EveryDefinitionLaysOutAsItsGoldenText) {
    for (const auto& [definition, laid] : layOutAll()) {
        if (!laid) continue;
        const QString text = kvtest::DumpReport(*laid, definition);
        const QString path = goldenPath(GetParam(), definition);
        if (updating()) {
            QDir().mkpath(QFileInfo(path).path());
            QSaveFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
            f.write(text.toUtf8());
            ASSERT_TRUE(f.commit()) << path.toStdString();
            continue;
        }
        expectGolden(definition, text);
    }
}

// The same texts when every report, however short, shares its work among
// the processors as a long one does: its records read in parts, selected
// and sorted in slices, and its formulas worked out beside the layout.
TEST_P(GoldenReports, EveryDefinitionLaysOutTheSameSharedAmongProcessors) {
    if (updating()) GTEST_SKIP() << "the golden texts are being written";
    reports::CrystalReport1().setParallelFrom(1);
    for (const auto& [definition, laid] : layOutAll())
        if (laid) expectGolden(definition, kvtest::DumpReport(*laid, definition));
}

// Every caption, title, total and amount fits its field with room to stand
// apart from its neighbour, in both languages.
TEST_P(GoldenReports, NoTextIsWiderThanItsField) {
    for (const auto& [definition, laid] : layOutAll()) {
        if (!laid) continue;
        const QStringList faults = kvtest::TextsThatDoNotFit(*laid);
        EXPECT_TRUE(faults.isEmpty()) << definition.toStdString() << ":\n  " << faults.join(QStringLiteral("\n  ")).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Books, GoldenReports,
                         ::testing::Values(Printing{Book::Demo, Language::Finnish}, Printing{Book::Demo, Language::Swedish},
                                           Printing{Book::Small, Language::Finnish}, Printing{Book::Small, Language::Swedish}),
                         [](const ::testing::TestParamInfo<Printing>& info) {
                             return (bookFolder(info.param.book) + u'_' + languageFolder(info.param.language))
                                 .toStdString();
                         });

}  // namespace
