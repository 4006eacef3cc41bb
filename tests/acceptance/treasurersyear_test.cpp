// A treasurer's year through the whole program, on a copy of the demo book.
//
// The program starts as the executable starts it (every subsystem's windows
// wired in, the first start's language choice, the splash window and the
// demo book's notice), and the treasurer works through its own windows:
// a voucher typed at the keyboard in the voucher window, the general ledger
// from the voucher window's report menu, the income statement from the
// model window, the change of year from the settings window, and at last
// "&Sulje" from the main window's menu. Every modal window and every
// message is expected in turn; anything else fails the test.
//
// Each test is one stage of the year on a book of its own.

#include "app/openers.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/recordsupport.h"
#include "legacy/frmtositteet.h"
#include "budget/frmbudjetti.h"
#include "maintenance/yearchange/frmkaudenvaihto.h"
#include "platform/dao/database.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/ui/events.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "shell/programsupport.h"
#include "shell/settings/frmasetukset.h"
#include "shell/shellfixture.h"
#include "statement_models/frmnewtulosjatase.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "vouchers/window/frmnewtositteet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>

namespace {

using dao::Currency;
using kvtest::ScriptedDialogs;
using report::SectionKind;
using ui::Answer;

// The voucher the treasurer enters: membership fees paid into the bank.
struct Voucher {
    QString date;         // as typed
    QString description;  // as typed
    QString debit;        // account number, as typed
    QString credit;
    QString amount;  // as typed, with a decimal comma
};
const Voucher kFees{QStringLiteral("15.6.2026"), QStringLiteral("Jäsenmaksuja kesäkuu"), QStringLiteral("1910"),
                    QStringLiteral("5000"), QStringLiteral("246,80")};
const Currency kFeesAmount = *Currency::parseInvariant(u"246.80");

class TreasurersYear : public kvtest::ShellTest, public kvtest::Keys {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (HasFatalFailure()) return;
        // The program folder as the build lays it out: the language folder
        // and the report definitions beside the demo book. No ini file: this
        // is the program's first start.
        const QDir built(kvtest::builtAppDir());
        ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("Svenska")));
        for (const QString& name : QDir(built.filePath(QStringLiteral("Svenska"))).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(built.filePath(QStringLiteral("Svenska/") + name),
                                    QDir(app).filePath(QStringLiteral("Svenska/") + name)));
        const QStringList definitions = built.entryList({QStringLiteral("*.rpt")}, QDir::Files);
        ASSERT_FALSE(definitions.isEmpty());
        for (const QString& name : definitions)
            ASSERT_TRUE(QFile::copy(built.filePath(name), QDir(app).filePath(name))) << name.toStdString();

        reports::ResetReportGlobals();
        previousReleaseHandler_ = core::setReleaseErrorHandler({});
        quitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
        modalTimeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([this](ui::Form& f) { answerModal(f); });
    }

    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << answers.size() << " modal windows expected but not shown, first "
                                     << answers.front().first.toStdString();
        EXPECT_EQ(ui::Forms::modalTimeouts(), modalTimeouts_) << "a modal window was left open";
        report::ReportControl& rc = reports::CrystalReport1();
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        rc.setDestination(report::ReportControl::ToWindow);
        rc.setPrintFileName(QString());
        ShellTest::TearDown();
        core::setReleaseErrorHandler(previousReleaseHandler_);
        ui::SetUnhandledErrorHandler({});
        QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_);
    }

    // ---- the modal windows, answered in the order they come

    using Answerer = std::function<void(ui::Form&)>;
    std::deque<std::pair<QString, Answerer>> answers;

    void expectModal(const char* name, Answerer act) {
        answers.emplace_back(QString::fromLatin1(name), std::move(act));
    }
    template <class T>
    void expectModal(const char* name, std::function<void(T&)> act) {
        expectModal(name, [act](ui::Form& f) {
            auto* w = dynamic_cast<T*>(&f);
            if (!w) {
                ADD_FAILURE() << "not the window expected: " << f.objectName().toStdString();
                f.hide();
                return;
            }
            act(*w);
        });
    }
    static Answerer clickButton(const char* button) {
        return [button](ui::Form& f) {
            auto* b = f.findChild<QAbstractButton*>(QString::fromLatin1(button));
            ASSERT_NE(b, nullptr) << button;
            b->click();
        };
    }

    // ---- the program

    // Starts the program as main() does before its event loop: the windows
    // of every subsystem registered, the window and release hooks installed,
    // and the main window shown. The first start asks the language, shows
    // the splash window and the demo book's notice.
    shell::frmMain& startProgram() {
        expectModal("frmKielenValinta", clickButton("cSuomeksi"));
        expectModal("frmSplash", [](ui::Form& f) { ui::Forms::unload(f); });
        expectModal("frmDBHuomautus", clickButton("cJatka"));
        QApplication::setQuitOnLastWindowClosed(false);
        shell::InstallQtTranslation(QString());
        app::RegisterOpeners();
        core::InstallWindowHooks();
        shell::InstallReleaseErrorHandler();
        shell::InstallUnhandledErrorHandler();
        shell::frmMain& main = ui::Forms::show<shell::frmMain>();
        settle();
        EXPECT_TRUE(answers.empty());
        EXPECT_EQ(modalShown, QStringList({"frmKielenValinta", "frmSplash", "frmDBHuomautus"}));
        modalShown.clear();
        return main;
    }

    // The main window's "&Sulje": every window goes, the program ends.
    void closeProgram(shell::frmMain& main) {
        ASSERT_EQ(main.mSulje->text(), QStringLiteral("&Sulje"));
        const int before = quits;
        main.mSulje->trigger();
        settle();
        EXPECT_EQ(quits, before + 1);
        EXPECT_TRUE(shell::QuitRequested());
        for (ui::Form* f : ui::Forms::all())
            ADD_FAILURE() << "window still open after Sulje: " << f->objectName().toStdString();
    }

    // The window a command has just opened, active and done with its first
    // activation.
    template <class T>
    T& opened() {
        T* w = ui::Forms::find<T>();
        EXPECT_NE(w, nullptr);
        if (!w) throw std::runtime_error("window not opened");
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        settle();
        return *w;
    }

    // Types a voucher as the treasurer does, from F2 to the last account,
    // with Enter from field to field, and saves it with F3 unless told not
    // to; the voucher's key.
    long typeVoucher(vouchers::frmNewTositteet& w, const Voucher& v, bool save = true) {
        key(Qt::Key_F2);
        EXPECT_EQ(focused(), w.tTositepvm);
        retype(v.date);
        enter();
        EXPECT_EQ(focused(), w.tTositeSelite);
        type(v.description);
        enter();
        EXPECT_EQ(focused(), w.cmbDebetTili[0]);
        type(v.debit);
        enter();
        EXPECT_EQ(focused(), w.cmbDebetKP[0]);
        enter();  // no cost centre
        EXPECT_EQ(focused(), w.tDebetSumma[0]);
        retype(v.amount);
        enter();
        EXPECT_EQ(focused(), w.tKreditSumma[0]);
        enter();  // the balancing amount the window proposes
        EXPECT_EQ(focused(), w.cmbKreditKP[0]);
        enter();
        EXPECT_EQ(focused(), w.cmbKreditTili[0]);
        type(v.credit);
        enter();
        EXPECT_EQ(focused(), w.cmbDebetTili[1]);
        // The accounts found by their numbers, and the voucher balances.
        EXPECT_TRUE(w.cmbDebetTili[0]->currentText().startsWith(v.debit + u' '))
            << w.cmbDebetTili[0]->currentText().toStdString();
        EXPECT_TRUE(w.cmbKreditTili[0]->currentText().startsWith(v.credit + u' '))
            << w.cmbKreditTili[0]->currentText().toStdString();
        EXPECT_EQ(w.lblErotus->text(), Currency().toCurrencyString());
        if (save) key(Qt::Key_F3);
        return w.Tosite().id();
    }

    // ---- the book

    static dao::Database db() { return core::DBCon().AvaaDB(); }
    static dao::Variant value(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() ? dao::Variant() : rs.value(0);
    }
    static long tlID(const QString& number) {
        return core::NzLong(value(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero = ?"), {number.toLong()}), -1);
    }
    // "D 19 246.8": side, account key and amount of a voucher's entries.
    static QStringList entries(long toID) {
        QStringList out;
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT viTyyppi, vitlID, viArvo FROM vi WHERE vitoID = ? ORDER BY viTyyppi, viID"),
            dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        for (; !rs.isEOF(); rs.MoveNext())
            out << rs.value(0).toString() + u' ' + rs.value(1).toString() + u' ' +
                       rs.value(2).toCurrency().toInvariantString();
        return out;
    }
    // Debit less credit of the entries a query gives (side, amount).
    static Currency balance(const QString& sql, const dao::Params& params) {
        Currency sum;
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        for (; !rs.isEOF(); rs.MoveNext()) {
            const Currency amount = core::NzCurrency(rs.value(1));
            if (core::NzString(rs.value(0)).compare(QLatin1String("D"), Qt::CaseInsensitive) == 0)
                sum += amount;
            else
                sum -= amount;
        }
        return sum;
    }

    // ---- reports

    static report::ReportControl& control() { return reports::CrystalReport1(); }

    void answerPrintToWindow() {
        expectModal<reports::frmTulostus>("frmTulostus", [](reports::frmTulostus& d) {
            d.cmbTulostusLaite->setCurrentIndex(0);  // "Ikkuna"
            d.tKopioita->setText(QStringLiteral("1"));
            d.cTulosta->click();
        });
    }

    // The report control's last set-up run again into a PDF file, read
    // back as text; empty when pdftotext is not installed.
    QString reprintToPdf(const QString& name) {
        report::ReportControl& rc = control();
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        rc.setDestination(report::ReportControl::ToFile);
        rc.setPrintFileName(tmp.file(name));
        rc.setAction(1);
        rc.setDestination(report::ReportControl::ToWindow);
        const report::RunRecord& run = rc.lastRun();
        EXPECT_TRUE(run.succeeded) << run.errorText.toStdString();
        QFile pdf(run.outputFile);
        EXPECT_TRUE(pdf.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
        if (pdftotext.isEmpty()) return QString();
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), run.outputFile, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        QString text = QString::fromUtf8(p.readAllStandardOutput());
        return text.replace(QChar(0x00a0), u' ').replace(QChar(0x202f), u' ');
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));

    // The lines of a ledger's text from an account's heading to the next
    // account's heading.
    static QStringList accountSection(const QString& ledger, const QString& heading) {
        QStringList section;
        bool inside = false;
        for (const QString& line : ledger.split(u'\n')) {
            const QString t = line.trimmed();
            if (t.startsWith(QLatin1String("Tili ")) && t.size() > 5 && t.at(5).isDigit()) {
                if (inside && !t.startsWith(heading)) break;
                inside = inside || t.startsWith(heading);
                continue;
            }
            if (inside) section << line;
        }
        return section;
    }

    // The income statement of model 1 for the whole year, wide, to the
    // preview window, from the model window's print button.
    void printIncomeStatement(statement_models::frmNewTulosJaTase& w) {
        expectModal<reports::frmDates>("frmDates", [](reports::frmDates& d) {
            d.tAlkupvm->setText(QStringLiteral("1.1.2026"));
            d.tLoppupvm->setText(QStringLiteral("31.12.2026"));
            d.optLaaja->setChecked(true);
            d.chkVainRyhmat->setChecked(false);
            d.cmbKPt->setCurrentIndex(d.cmbKPt->findData(QVariant(qlonglong(0))));
            d.cSeuraava->click();
        });
        answerPrintToWindow();
        const int runs = control().runCount();
        w.cTulosta->click();
        settle();
        EXPECT_EQ(control().runCount(), runs + 1);
        const report::RunRecord& run = control().lastRun();
        EXPECT_TRUE(run.succeeded) << run.errorText.toStdString();
        EXPECT_EQ(QFileInfo(run.properties.reportFileName).fileName(), QStringLiteral("tula.rpt"));
        EXPECT_NE(control().lastPreview(), nullptr);
        if (report::PreviewWindow* p = control().lastPreview()) delete p;
    }

    // A line of the computed income statement: its text, its mark and the
    // year's actual figure; and the figure the printed report shows for it.
    struct StatementLine {
        QString text;
        QString mark;
        Currency actual;
        QString printed;
    };
    std::vector<StatementLine> statementLines() {
        std::vector<StatementLine> out;
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT tulaTeksti, tulaMerkki, tulaToteutunutKuluva FROM tula ORDER BY tulaID"),
            dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext())
            out.push_back(
                {core::NzString(rs.value(0)), core::NzString(rs.value(1)), core::NzCurrency(rs.value(2)), {}});
        // The report prints every line of the table in its order, the
        // trailing blank line left out.
        const report::RunRecord& run = control().lastRun();
        if (!run.report) return out;
        const auto bands = run.report->bands(SectionKind::Detail);
        EXPECT_LE(bands.size(), out.size());
        for (size_t i = 0; i < bands.size() && i < out.size(); ++i) {
            EXPECT_EQ(bands[i]->text(QStringLiteral("teksti")), out[i].text);
            out[i].printed = bands[i]->text(QStringLiteral("toteutunut"));
        }
        return out;
    }

    // A model chosen in the model window's tree with the mouse.
    void chooseModel(statement_models::frmNewTulosJaTase& w, const QString& key) {
        QTreeWidgetItem* node = w.NodeByKey(key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        for (QTreeWidgetItem* p = node->parent(); p; p = p->parent()) p->setExpanded(true);
        w.tvMalli->scrollToItem(node);
        QTest::mouseClick(w.tvMalli->viewport(), Qt::LeftButton, {}, w.tvMalli->visualItemRect(node).center());
        settle();
    }

    // ---- the year change

    // The settings window's "Vaihda tilikausi", opening entries booked by
    // the balance-sheet model "Tase".
    void closeTheYear(shell::frmMain& main) {
        main.mAsetukset->trigger();
        auto& settings = opened<shell::frmAsetukset>();
        expectModal<maintenance::frmKaudenVaihto>("frmKaudenVaihto", [](maintenance::frmKaudenVaihto& w) {
            EXPECT_EQ(w.lblTilikausiAlku->text(), QStringLiteral("1.1.2026"));
            EXPECT_EQ(w.lblTilikausiUusiAlku->text(), QStringLiteral("1.1.2027"));
            EXPECT_TRUE(w.chkTeeAvausviennit->isChecked());
            const int tase = w.cmbTasemalli->findText(QStringLiteral("Tase"));
            ASSERT_GE(tase, 0);
            w.cmbTasemalli->setCurrentIndex(tase);
            w.cTilikaudenvaihto->click();
        });
        dialogs.expectMessage(QStringLiteral("Tilikauden vaihto tehty."), Answer::OK);
        settings.cVaihdaTilikausi->click();
        settle();
        EXPECT_EQ(ui::Forms::find<shell::frmAsetukset>(), nullptr);  // saved and closed
    }

    ScriptedDialogs dialogs;
    QStringList modalShown;

private:
    void answerModal(ui::Form& f) {
        const QString name = f.objectName();
        modalShown << name;
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

    core::ReleaseErrorHandler previousReleaseHandler_;
    bool quitOnLastWindowClosed_ = true;
    int modalTimeouts_ = 0;
};

// ---------------------------------------------------------------- stages

TEST_F(TreasurersYear, StartsOnTheDemoBookAndSavesAVoucherTypedAtTheKeyboard) {
    shell::frmMain& main = startProgram();
    EXPECT_EQ(readIni(QStringLiteral("Language")), QStringLiteral("Suomi"));
    EXPECT_EQ(readIni(QStringLiteral("Database")), demoBook());
    EXPECT_EQ(core::DatabasePath, demoBook());
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - Esimerkkiseura ry"));
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2026, 1, 1));
    EXPECT_EQ(core::TilikausiLoppu, dao::Date::fromYmd(2026, 12, 31));
    const long numbers = core::NzLong(value(QStringLiteral("SELECT MAX(toNumero) FROM to")));
    const long vouchers = core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to")));

    main.cTositteet->click();
    auto& w = opened<vouchers::frmNewTositteet>();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tositteet"));
    const long id = typeVoucher(w, kFees);

    ASSERT_GT(id, 0);
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to"))), vouchers + 1);
    dao::Recordset rs = db().OpenRecordset(
        QStringLiteral("SELECT toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite FROM to WHERE toID = ?"),
        dao::RecordsetType::Snapshot, {dao::Variant(id)});
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(core::NzLong(rs.value(0)), numbers + 1);
    EXPECT_EQ(rs.value(1).toDate(), dao::Date::fromYmd(2026, 6, 15));
    EXPECT_EQ(core::NzString(rs.value(2)), kFees.description);
    EXPECT_FALSE(core::NzBoolean(rs.value(3)));
    EXPECT_FALSE(core::NzBoolean(rs.value(4)));
    rs.Close();
    const QString bank = QString::number(tlID(QStringLiteral("1910")));
    const QString fees = QString::number(tlID(QStringLiteral("5000")));
    EXPECT_EQ(entries(id), QStringList({"D " + bank + " 246.8", "K " + fees + " 246.8"}));
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viSelite = ?"),
                                 {id, kFees.description})),
              2);
    // The list shows it, and it is the voucher on screen.
    ASSERT_NE(w.lstTositteet->currentItem(), nullptr);
    EXPECT_EQ(w.lstTositteet->currentItem()->text(), QString::number(numbers + 1) + u' ' + kFees.description);

    closeProgram(main);
}

TEST_F(TreasurersYear, TheGeneralLedgerShowsTheNewEntryUnderBothAccounts) {
    shell::frmMain& main = startProgram();
    main.cTositteet->click();
    auto& w = opened<vouchers::frmNewTositteet>();
    typeVoucher(w, kFees);

    // The general ledger of June from the voucher window's report menu,
    // only the accounts with entries, to the preview window.
    expectModal<reports::frmDates3>("frmDates3", [](reports::frmDates3& d) {
        d.tAlkupvm->setText(QStringLiteral("1.6.2026"));
        d.tLoppupvm->setText(QStringLiteral("30.6.2026"));
        d.chkVainTap->setChecked(true);
        d.cSeuraava->click();
    });
    answerPrintToWindow();
    const int runs = control().runCount();
    w.mPaakirja->trigger();
    settle();
    EXPECT_EQ(modalShown, QStringList({"frmDates3", "frmTulostus"}));
    ASSERT_EQ(control().runCount(), runs + 1);
    const report::RunRecord& run = control().lastRun();
    ASSERT_TRUE(run.succeeded) << run.errorText.toStdString();
    // The demo book keeps cost centres: the ledger with their column.
    EXPECT_EQ(QFileInfo(run.properties.reportFileName).fileName(), QStringLiteral("paakirjbkp.rpt"));
    EXPECT_NE(control().lastPreview(), nullptr);

    // The same report into a PDF file, as a printer would have it.
    const QString ledger = reprintToPdf(QStringLiteral("paakirja.pdf"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: the ledger's text was not read";
    ASSERT_TRUE(ledger.contains(QStringLiteral("Pääkirja -- 1.6.2026 - 30.6.2026"))) << ledger.toStdString();
    for (const QString& heading :
         {QStringLiteral("Tili 1910 Pankkitili, käyttötili"), QStringLiteral("Tili 5000 Jäsenmaksut")}) {
        const QStringList section = accountSection(ledger, heading);
        ASSERT_FALSE(section.isEmpty()) << heading.toStdString() << "\n" << ledger.toStdString();
        QStringList lines;
        for (const QString& line : section)
            if (line.contains(kFees.description)) lines << line;
        ASSERT_EQ(lines.size(), 1) << heading.toStdString() << "\n" << section.join(u'\n').toStdString();
        EXPECT_TRUE(lines[0].contains(QStringLiteral("246,80"))) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].contains(QStringLiteral("15.6.2026"))) << lines[0].toStdString();
    }
    // Nowhere else.
    EXPECT_EQ(ledger.count(kFees.description), 2) << ledger.toStdString();
    // The bank's closing balance for June is what its entries up to the
    // end of June add up to, the new one among them.
    const Currency bankAtJuneEnd =
        balance(QStringLiteral("SELECT viTyyppi, viArvo FROM vi INNER JOIN to ON vi.vitoID = to.toID "
                               "WHERE vi.vitlID = ? AND to.toPvm <= ?"),
                {tlID(QStringLiteral("1910")), dao::Date::fromYmd(2026, 6, 30)});
    QStringList closing = accountSection(ledger, QStringLiteral("Tili 1910 ")).filter(QStringLiteral("Loppusaldo:"));
    ASSERT_EQ(closing.size(), 1);
    EXPECT_TRUE(closing[0].trimmed().endsWith(bankAtJuneEnd.toLocaleString().replace(QChar(0x00a0), u' ')))
        << closing[0].toStdString() << " / " << bankAtJuneEnd.toInvariantString().toStdString();

    closeProgram(main);
}

TEST_F(TreasurersYear, TheIncomeStatementMovesByTheNewEntryOnItsOwnLine) {
    shell::frmMain& main = startProgram();
    main.cTulosJaTase->click();
    auto& models = opened<statement_models::frmNewTulosJaTase>();
    chooseModel(models, QStringLiteral("ma1"));
    ASSERT_EQ(models.CurModel().id(), 1);
    ASSERT_EQ(models.tMallinNimi->text(), QStringLiteral("Tuloslaskelma"));

    // Before: the year as the demo book has it.
    printIncomeStatement(models);
    const std::vector<StatementLine> before = statementLines();
    ASSERT_GT(before.size(), 40u);

    main.cTositteet->click();
    typeVoucher(opened<vouchers::frmNewTositteet>(), kFees);

    // After: the membership fees' line and every line that sums it have
    // grown by the amount; nothing else has moved.
    printIncomeStatement(models);
    const std::vector<StatementLine> after = statementLines();
    ASSERT_EQ(after.size(), before.size());
    std::map<QString, int> moved;
    for (size_t i = 0; i < after.size(); ++i) {
        ASSERT_EQ(after[i].text, before[i].text) << i;
        const Currency change = after[i].actual - before[i].actual;
        if (change == Currency()) continue;
        EXPECT_EQ(change, kFeesAmount) << after[i].text.toStdString();
        ++moved[after[i].text + (after[i].mark == QLatin1String("**") ? QStringLiteral(" **") : QString())];
    }
    // The line of accounts 5000 and 5010, the total of its group, the
    // results the model's formulas build on that group, and the year's
    // surplus (the lines marked "**" are those the formulas may name).
    const std::map<QString, int> expected{{QStringLiteral("Jäsenmaksut"), 1},
                                          {QStringLiteral("Varainhankinnan tuotot **"), 1},
                                          {QStringLiteral("Varainhankinnan tuotto-/kulujäämä **"), 1},
                                          {QStringLiteral("Tuotto-/kulujäämä **"), 1},
                                          {QStringLiteral("Tilikauden tulos **"), 1},
                                          {QStringLiteral("Tilikauden ylijäämä (alijäämä) **"), 1}};
    EXPECT_EQ(moved, expected);
    // The printed report shows the new figure on the line.
    for (const StatementLine& l : after) {
        if (l.text != QLatin1String("Jäsenmaksut")) continue;
        EXPECT_EQ(l.printed, l.actual.toLocaleString());
    }

    closeProgram(main);
}

TEST_F(TreasurersYear, TheChangeOfYearOpensTheNewYearWithTheBanksClosingBalance) {
    shell::frmMain& main = startProgram();
    const long bank = tlID(QStringLiteral("1910"));
    const QString entriesOf = QStringLiteral("SELECT viTyyppi, viArvo FROM vi WHERE vitlID = ?");
    const Currency bankBefore = balance(entriesOf, {bank});
    main.cTositteet->click();
    const long id = typeVoucher(opened<vouchers::frmNewTositteet>(), kFees);
    const Currency bankAtYearEnd = balance(entriesOf, {bank});
    ASSERT_EQ(bankAtYearEnd, bankBefore + kFeesAmount);
    const long oldVouchers = core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to WHERE toAutomaatti = False")));

    // The voucher window stays open behind the settings window, as the
    // treasurer left it.
    closeTheYear(main);
    EXPECT_EQ(modalShown, QStringList({"frmKaudenVaihto"}));
    EXPECT_EQ(core::TilikausiAlku, dao::Date::fromYmd(2027, 1, 1));
    EXPECT_EQ(core::TilikausiLoppu, dao::Date::fromYmd(2027, 12, 31));
    EXPECT_EQ(core::EdTilikausiAlku, dao::Date::fromYmd(2026, 1, 1));

    // The old year, the new voucher with it, is in the previous-year tables.
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM toE WHERE toEAutomaatti = False"))), oldVouchers);
    EXPECT_EQ(core::NzString(value(QStringLiteral("SELECT toESelite FROM toE WHERE toEID = ?"), {id})),
              kFees.description);
    // The bank's closing balance, worked out again from the old year's
    // entries where they now lie.
    const Currency bankClosing =
        balance(QStringLiteral("SELECT viETyyppi, viEArvo FROM viE WHERE viEtlID = ?"), {bank});
    EXPECT_EQ(bankClosing, bankAtYearEnd);

    // The new year holds its opening voucher 0 alone, and it balances.
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to"))), 1);
    const long opening = core::NzLong(
        value(QStringLiteral("SELECT toID FROM to WHERE toNumero = 0 AND toAvaustosite = True AND toPvm = ?"),
              {dao::Date::fromYmd(2027, 1, 1)}),
        -1);
    ASSERT_GT(opening, 0);
    Currency debit, credit;
    int count = 0;
    {
        dao::Recordset rs =
            db().OpenRecordset(QStringLiteral("SELECT viTyyppi, viArvo, viAvausvienti FROM vi WHERE vitoID = ?"),
                               dao::RecordsetType::Snapshot, {dao::Variant(opening)});
        for (; !rs.isEOF(); rs.MoveNext(), ++count) {
            EXPECT_TRUE(core::NzBoolean(rs.value(2)));
            (core::NzString(rs.value(0)) == QLatin1String("D") ? debit : credit) += core::NzCurrency(rs.value(1));
        }
    }
    EXPECT_GT(count, 5);
    EXPECT_GT(debit, Currency());
    EXPECT_EQ(debit, credit);
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID <> ?"), {opening})), 0);
    // The bank opens the new year with what it closed the old one with.
    EXPECT_EQ(entries(opening).filter(QRegularExpression(QStringLiteral("^[DK] %1 ").arg(bank))),
              QStringList({QStringLiteral("D %1 %2").arg(bank).arg(bankClosing.toInvariantString())}));
    EXPECT_EQ(balance(entriesOf, {bank}), bankClosing);

    closeProgram(main);
}

// A book whose year ends before it begins is refused at start, and the
// commands that work in the year wait for one: Tositteet says that the year
// is to be set right in the settings and opens neither voucher window, so
// nothing is dated by a year that is none; the change of year, from the
// settings window or its own window, refuses in the same words and moves
// nothing. Once another copy of the program has set the year right in the
// book, both windows make their new vouchers in it.
TEST_F(TreasurersYear, ABookWhoseYearIsRefusedWaitsForTheYearToBeSetRight) {
    {
        dao::Database book = dao::DBEngine::OpenDatabase(demoBook());
        book.Execute(QStringLiteral("UPDATE Settings SET setString = '2025-12-31' WHERE setKey = 'TilikausiLoppu'"));
        book.Close();
    }
    const QString refused = QStringLiteral("Tilikausi päättyy ennen kuin se alkaa: 1.1.2026 - 31.12.2025\r\n");
    const QString setRight = refused + QStringLiteral("Korjaa tilikauden päivämäärät asetuksista.");
    dialogs.expectMessage(refused + QStringLiteral("Tietokannan asetuksia ei otettu käyttöön."), Answer::OK);
    shell::frmMain& main = startProgram();
    const QString count = QStringLiteral("SELECT (SELECT COUNT(*) FROM to) & '/' & (SELECT COUNT(*) FROM vi) & '/' & "
                                         "(SELECT COUNT(*) FROM toE) & '/' & (SELECT COUNT(*) FROM viE)");
    const QString before = core::NzString(value(count));
    for (const bool older : {false, true}) {
        SCOPED_TRACE(older ? "the older voucher window" : "the voucher window");
        core::VanhatTositteet = older;
        dialogs.expectMessage(setRight, Answer::OK);
        QTest::mouseClick(main.cTositteet, Qt::LeftButton);
        settle();
        EXPECT_EQ(ui::Forms::find<vouchers::frmNewTositteet>(), nullptr);
        EXPECT_EQ(ui::Forms::find<legacy::frmTositteet>(), nullptr);
    }

    // The change of year from the settings window, and from its own window.
    main.mAsetukset->trigger();
    auto& settings = opened<shell::frmAsetukset>();
    dialogs.expectMessage(setRight, Answer::OK);
    settings.cVaihdaTilikausi->click();
    settle();
    ASSERT_EQ(ui::Forms::find<shell::frmAsetukset>(), &settings);
    auto& change = ui::Forms::show<maintenance::frmKaudenVaihto>();
    change.cmbTasemalli->setCurrentIndex(change.cmbTasemalli->findText(QStringLiteral("Tase")));
    dialogs.expectMessage(setRight, Answer::OK);
    change.cTilikaudenvaihto->click();
    settle();
    ui::Forms::unload(change);
    settings.cSulje->click();
    EXPECT_EQ(core::NzString(value(count)), before);
    EXPECT_EQ(core::NzString(value(QStringLiteral("SELECT setString FROM Settings WHERE setKey = 'TilikausiAlku'"))),
              QStringLiteral("2026-01-01"));

    // Another copy sets the year right.
    {
        dao::Database book = dao::DBEngine::OpenDatabase(demoBook());
        book.Execute(QStringLiteral("UPDATE Settings SET setString = '2026-12-31' WHERE setKey = 'TilikausiLoppu'"));
        book.Close();
    }
    core::VanhatTositteet = false;
    QTest::mouseClick(main.cTositteet, Qt::LeftButton);
    auto& w = opened<vouchers::frmNewTositteet>();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Kolvio VEV - Esimerkkiseura ry"));
    const long id = typeVoucher(w, kFees);
    EXPECT_EQ(value(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"), {id}).toDate(),
              dao::Date::fromYmd(2026, 6, 15));
    ui::Forms::unload(w);
    core::VanhatTositteet = true;
    QTest::mouseClick(main.cTositteet, Qt::LeftButton);
    auto& older = opened<legacy::frmTositteet>();
    key(Qt::Key_F2);
    type(QStringLiteral("20.3.2026"));
    enter();
    type(QStringLiteral("Vanhasta ikkunasta"));
    key(Qt::Key_F3);
    EXPECT_EQ(value(QStringLiteral("SELECT toPvm FROM to WHERE toSelite = 'Vanhasta ikkunasta'")).toDate(),
              dao::Date::fromYmd(2026, 3, 20));
    EXPECT_EQ(older.tTositenumero->text(),
              core::NzString(value(QStringLiteral("SELECT toNumero FROM to WHERE toSelite = 'Vanhasta ikkunasta'"))));
    EXPECT_EQ(core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to"))), before.section(u'/', 0, 0).toLong() + 2);
    closeProgram(main);
}

TEST_F(TreasurersYear, SuljeClosesEveryWindowAndWritesWhatTheyStillHold) {
    shell::frmMain& main = startProgram();
    const long vouchers = core::NzLong(value(QStringLiteral("SELECT COUNT(*) FROM to")));
    // A model renamed in the model window, not saved.
    main.cTulosJaTase->click();
    auto& models = opened<statement_models::frmNewTulosJaTase>();
    chooseModel(models, QStringLiteral("ma2"));
    ASSERT_EQ(models.CurModel().id(), 2);
    retype(models.tMallinNimi, QStringLiteral("Tase 2026"));
    // A voucher typed in full in the voucher window, not saved with F3.
    main.cTositteet->click();
    auto& w = opened<vouchers::frmNewTositteet>();
    const long id = typeVoucher(w, kFees, false);
    ASSERT_GT(id, 0);

    closeProgram(main);

    // The book as the next start finds it.
    core::DBCon().SuljeDB();
    dao::Database book = dao::DBEngine::OpenDatabase(demoBook(), true);
    auto read = [&book](const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = book.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() ? dao::Variant() : rs.value(0);
    };
    EXPECT_EQ(core::NzString(read(QStringLiteral("SELECT maNimi FROM ma WHERE maID = 2"))),
              QStringLiteral("Tase 2026"));
    EXPECT_EQ(core::NzLong(read(QStringLiteral("SELECT COUNT(*) FROM to"))), vouchers + 1);
    EXPECT_EQ(core::NzString(read(QStringLiteral("SELECT toSelite FROM to WHERE toID = ?"), {id})), kFees.description);
    EXPECT_EQ(core::NzLong(
                  read(QStringLiteral("SELECT COUNT(*) FROM vi WHERE vitoID = ? AND viArvo = ?"), {id, kFeesAmount})),
              2);
    book.Close();
    // The windows stored their places for the next start.
    const QString version = QString::number(KV_VERSION_MAJOR) + QString::number(KV_VERSION_MINOR);
    for (const char* window : {"frmMain", "frmNewTositteet", "frmNewTulosJaTase"})
        EXPECT_NE(readIni(QLatin1String(window) + version, QStringLiteral("FORMS")), QStringLiteral("<none>"))
            << window;
}

// ---------------------------------------------------------------- regional formats
//
// These run also under the C and en_US locales (tests/acceptance/CMakeLists.txt),
// where the program chooses its formats itself: a new machine's locale is
// usually one of those.

// The way the program shows 120.50 under the formats it chose.
QString shown12050() { return QStringLiteral("120") + QLocale().decimalPoint() + QStringLiteral("50"); }

TEST_F(TreasurersYear, AmountsTypedWithACommaAreStoredAsTypedAndATextThatIsNoAmountNotAtAll) {
    shell::frmMain& main = startProgram();
    main.cTositteet->click();
    auto& w = opened<vouchers::frmNewTositteet>();

    // "120,50" into a voucher row: 120.50, on the credit side too, and the
    // date as typed.
    const Voucher fees{QStringLiteral("15.6.2026"), QStringLiteral("Jäsenmaksuja"), QStringLiteral("1910"),
                       QStringLiteral("5000"), QStringLiteral("120,50")};
    const long id = typeVoucher(w, fees);
    ASSERT_GT(id, 0);
    const QString bank = QString::number(tlID(QStringLiteral("1910")));
    const QString income = QString::number(tlID(QStringLiteral("5000")));
    EXPECT_EQ(entries(id), QStringList({"D " + bank + " 120.5", "K " + income + " 120.5"}));
    EXPECT_EQ(value(QStringLiteral("SELECT toPvm FROM to WHERE toID = ?"), {id}).toDate(),
              dao::Date::fromYmd(2026, 6, 15));
    EXPECT_EQ(w.tDebetSumma[0]->text(), QStringLiteral("120,50"));  // as typed
    EXPECT_EQ(w.tKreditSumma[0]->text(), shown12050());            // as proposed
    // The totals in euros, also where the locale's own currency is another.
    const bool us = QLocale().name() == QLatin1String("en_US");
    EXPECT_EQ(w.lblDebetSumma->text(), us ? QStringLiteral("€120.50") : QStringLiteral("120,50\u00a0€"));

    // "1,2,3": a message naming the field, the box back as it was, no
    // balancing proposal, and nothing stored from it.
    key(Qt::Key_F2);
    retype(QStringLiteral("16.6.2026"));
    enter();
    type(QStringLiteral("Virheellinen summa"));
    enter();
    type(QStringLiteral("1910"));
    enter();
    enter();
    ASSERT_EQ(focused(), w.tDebetSumma[0]);
    const QString empty = w.tDebetSumma[0]->text();
    retype(QStringLiteral("1,2,3"));
    dialogs.expectMessage(QStringLiteral("Debet summa: \"1,2,3\" ei ole rahamäärä."), Answer::OK);
    enter();
    EXPECT_EQ(focused(), w.tKreditSumma[0]);
    EXPECT_EQ(w.tDebetSumma[0]->text(), empty);
    EXPECT_EQ(w.tKreditSumma[0]->text(), empty);
    EXPECT_EQ(w.DebetVienti(0).Arvo(), Currency());
    EXPECT_EQ(w.KreditVienti(0).Arvo(), Currency());
    // Typed again and saved at once with F3, without leaving the box: the
    // save refuses the text the same way and stores the voucher without it.
    focusOn(w.tDebetSumma[0]);
    retype(QStringLiteral("1,2,3"));
    dialogs.expectMessage(QStringLiteral("Debet summa: \"1,2,3\" ei ole rahamäärä."), Answer::OK);
    key(Qt::Key_F3);
    EXPECT_EQ(w.tDebetSumma[0]->text(), empty);
    const long second = w.Tosite().id();
    ASSERT_GT(second, id);
    EXPECT_EQ(entries(second), QStringList({"D " + bank + " 0"}));

    // The budget grid: "120,50" into a month of an account line is 120.50.
    main.cBudjetti->click();
    auto& b = opened<budget::frmBudjetti>();
    int line = -1;
    for (int i = 0; i < budget::frmBudjetti::kVisibleLines && line < 0; ++i)
        if (b.scrlRivi->value() + i <= b.UpperBound() && !b.LineObject(b.scrlRivi->value() + i).IsEmpty()) line = i;
    ASSERT_GE(line, 0);
    QLineEdit* cell = b.Cell(1, line);
    // Leaving the model list for the grid builds the lines anew: the line
    // object is taken once the cell has the focus.
    focusOn(cell);
    budget::cBudjetti& record = b.LineObject(b.scrlRivi->value() + line);
    const int month = b.scrlKuukausi->value() + 1;
    retype(cell, QStringLiteral("120,50"));
    tab();
    EXPECT_EQ(record.KuukausiArvo(month), Currency::fromRaw(1205000));
    b.cTallenna->click();
    settle();
    ASSERT_GT(record.id(), 0);
    const QString stored = QStringLiteral("SELECT buKuukausi%1 FROM bu WHERE buID = ?").arg(month);
    EXPECT_EQ(core::NzCurrency(value(stored, {record.id()})), Currency::fromRaw(1205000));
    // "1,2,3" there: the message, the cell back to 120,50, nothing stored.
    retype(cell, QStringLiteral("1,2,3"));
    EXPECT_EQ(record.KuukausiArvo(month), Currency::fromRaw(1205000));
    dialogs.expectMessage(QStringLiteral(": \"1,2,3\" ei ole rahamäärä."), Answer::OK);
    tab();
    EXPECT_EQ(cell->text(), QStringLiteral("120,50"));
    b.cTallenna->click();
    settle();
    EXPECT_EQ(core::NzCurrency(value(stored, {record.id()})), Currency::fromRaw(1205000));

    closeProgram(main);
}

TEST_F(TreasurersYear, TheLedgerAndTheIncomeStatementPrintFinnishForms) {
    shell::frmMain& main = startProgram();
    main.cTositteet->click();
    auto& w = opened<vouchers::frmNewTositteet>();
    typeVoucher(w, kFees);
    // An amount of thousands, with digit groups, and the typed date.
    const QRegularExpression grouped(QStringLiteral("(^|\\s)\\d{1,3}( \\d{3})+,\\d\\d(\\s|$)"));
    // What the C and US English forms would print instead.
    const QRegularExpression foreign(QStringLiteral("\\d\\.\\d\\d(\\s|$)|\\d,\\d{3}\\b|\\b(Jan|Jun|Dec)\\b"));

    expectModal<reports::frmDates3>("frmDates3", [](reports::frmDates3& d) {
        d.tAlkupvm->setText(QStringLiteral("1.6.2026"));
        d.tLoppupvm->setText(QStringLiteral("30.6.2026"));
        d.chkVainTap->setChecked(true);
        d.cSeuraava->click();
    });
    answerPrintToWindow();
    w.mPaakirja->trigger();
    settle();
    const QString ledger = reprintToPdf(QStringLiteral("paakirja.pdf"));

    main.cTulosJaTase->click();
    auto& models = opened<statement_models::frmNewTulosJaTase>();
    chooseModel(models, QStringLiteral("ma1"));
    printIncomeStatement(models);
    const QString statement = reprintToPdf(QStringLiteral("tuloslaskelma.pdf"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed: the reports' text was not read";

    EXPECT_TRUE(ledger.contains(QStringLiteral("Pääkirja -- 1.6.2026 - 30.6.2026"))) << ledger.toStdString();
    const QStringList fees = ledger.split(u'\n').filter(kFees.description);
    ASSERT_EQ(fees.size(), 2) << ledger.toStdString();
    for (const QString& l : fees) {
        EXPECT_TRUE(l.contains(QStringLiteral("15.6.2026"))) << l.toStdString();
        EXPECT_TRUE(l.contains(QStringLiteral("246,80"))) << l.toStdString();
    }
    EXPECT_TRUE(ledger.contains(grouped)) << ledger.toStdString();
    EXPECT_FALSE(ledger.contains(foreign)) << ledger.toStdString();

    EXPECT_TRUE(statement.contains(QStringLiteral("1.1.2026"))) << statement.toStdString();
    EXPECT_TRUE(statement.contains(grouped)) << statement.toStdString();
    EXPECT_FALSE(statement.contains(foreign)) << statement.toStdString();

    closeProgram(main);
}

}  // namespace
