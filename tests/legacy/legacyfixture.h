#pragma once

// The older windows over a book of the test's own, in a program folder of
// the test's own, driven through their controls with key and mouse events;
// every message is scripted, every modal window handled by the test.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/recordsupport.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "legacy/frmtilit.h"
#include "legacy/frmtositteet.h"
#include "legacy/legacywindows.h"
#include "platform/dao/database.h"
#include "platform/ini/inifile.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "support/testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace kvtest {

// Accounts 1000 Kassa, 1910 Pankki, 1920 Osuuspankki, 3010 Jäsenmaksut,
// 4000 Kulut (tlID 1..5) and cost centres 10 and 20 (kpID 1, 2).
inline const char* kLegacyChart =
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1920, 'Osuuspankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3010, 'Jäsenmaksut', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (4000, 'Kulut', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (1, 10, 'Nuoret', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (2, 20, 'Aikuiset', ' ');\n";

class LegacyTest : public ::testing::Test, public Keys {
protected:
    enum Tili : long { Kassa = 1, Pankki = 2, Osuuspankki = 3, Jasenmaksut = 4, Kulut = 5 };

    void SetUp() override {
        sys::SetAppPath(dir.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        reports::ResetReportGlobals();
        core::SetTranslator(nullptr);
        core::DBCon().SuljeDB();
        core::InstallWindowHooks();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError&) { releaseErrors.push_back(what); });
        dialogs = std::make_unique<ScriptedDialogs>();
        ui::Forms::setModalTimeout(10000);
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([this](ui::Form& f) {
            modalShown << f.objectName();
            onModal(f);
        });
        legacy::frmTositteet::SetCheckWindowOpener([this] { ++checkWindowOpened; });
        legacy::frmTositteet::SetTemplateEditor(nullptr);
        legacy::frmTositteet::SetReportCommand(nullptr);
    }
    void TearDown() override {
        ui::Forms::destroyAll();
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal window was left open";
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        legacy::frmTositteet::SetCheckWindowOpener(nullptr);
        legacy::frmTositteet::SetTemplateEditor(nullptr);
        legacy::frmTositteet::SetReportCommand(nullptr);
        report::ReportControl& rc = reports::CrystalReport1();
        if (report::PreviewWindow* p = rc.lastPreview()) delete p;
        rc.setReportFileName(QString());
        rc.setDestination(0);
        rc.setPrintFileName(QString());
        reports::ResetReportFormulas();
        dialogs.reset();
        core::DBCon().SuljeDB();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.empty());
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
        dao::DBEngine::setBusyTimeoutMs(5000);
    }

    // A book with the chart above and the rows of script.
    void book(const QString& script = QString()) { makeCurrentBook(dir, QString::fromUtf8(kLegacyChart) + script); }

    // The older voucher window in a mode, active, its first activation handled.
    legacy::frmTositteet& open(bool avaus = false, bool paatos = false) {
        shell::VoucherWindowMode m;
        m.bAvaustosite = avaus;
        m.bPaatostosite = paatos;
        m.caption = avaus ? QStringLiteral("Tositteet - Avausviennit")
                          : paatos ? QStringLiteral("Tositteet - Tilinpäätösviennit") : QStringLiteral("Tositteet");
        w = legacy::OpenOlderVoucherWindow(m);
        EXPECT_NE(w, nullptr);
        if (w) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
            settle();
        }
        return *w;
    }
    legacy::frmTilit& openAccounts() {
        a = legacy::OpenOlderAccountsWindow();
        EXPECT_NE(a, nullptr);
        if (a) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(a));
            settle();
        }
        return *a;
    }

    static void clickListRow(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        settle();
    }
    static void clickGridRow(QTableWidget* grid, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row, 1)).center());
        settle();
    }

    dao::Database db() { return core::DBCon().AvaaDB(); }
    // The first column of the first row; -1 for no row or Null.
    long value(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() || rs.value(0).isNull() ? -1 : long(rs.value(0).toLong());
    }
    QString text(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() ? QStringLiteral("<none>") : rs.value(0).isNull() ? QStringLiteral("<null>") : rs.value(0).toString();
    }
    // "D 1 12.5" lines of a voucher's stored entries: side, account, amount.
    QStringList entries(long toID) {
        QStringList out;
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT viTyyppi, vitlID, viArvo FROM vi WHERE vitoID = ? ORDER BY viID"),
            dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        for (; !rs.isEOF(); rs.MoveNext())
            out << rs.value(0).toString() + u' ' + rs.value(1).toString() + u' ' + rs.value(2).toCurrency().toInvariantString();
        return out;
    }
    long addVoucher(long numero, const QString& selite, bool avaus = false, bool paatos = false, int day = 0) {
        db().Execute(QStringLiteral("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                    "toAutomaatti) VALUES (?, ?, ?, ?, ?, False)"),
                     {numero, dao::Date::fromYmd(2031, 2, day > 0 ? day : int(numero % 28) + 1), selite, avaus, paatos});
        return value(QStringLiteral("SELECT MAX(toID) FROM to"));
    }
    long addEntry(long toID, long tlID, const char* side, const char* amount, bool avaus = false) {
        db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                    "viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, 'x', ?, False, False)"),
                     {toID, tlID, QString::fromLatin1(side), *dao::Currency::parseInvariant(QString::fromLatin1(amount)),
                      avaus});
        return value(QStringLiteral("SELECT MAX(viID) FROM vi"));
    }
    // A voucher of one debit and one credit entry that balance.
    long balanced(long numero, const QString& selite, const char* amount, bool avaus = false, bool paatos = false) {
        const long id = addVoucher(numero, selite, avaus, paatos);
        addEntry(id, Kassa, "D", amount, avaus);
        addEntry(id, Jasenmaksut, "K", amount, avaus);
        return id;
    }

    QStringList listTexts() const {
        QStringList out;
        for (int i = 0; i < w->lstTositteet->count(); ++i) out << w->lstTositteet->item(i)->text();
        return out;
    }
    QString currentLine() const {
        return w->lstTositteet->currentItem() ? w->lstTositteet->currentItem()->text() : QString();
    }
    QStringList gridRows() const {
        QStringList out;
        for (int r = 0; r < w->grdViennit->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 4; ++c) cells << w->grdViennit->item(r, c)->text();
            out << cells.join(u'|');
        }
        return out;
    }
    // Makes the book refuse a write (as a damaged page or another program
    // would): a trigger made on a connection of its own while no window reads
    // the book. when is the trigger's event and condition.
    static void refuseInBook(const QByteArray& when) {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        const QByteArray sql = "CREATE TRIGGER kirjoitus_estetty " + when + " BEGIN SELECT RAISE(ABORT, 'ei onnistu'); END";
        EXPECT_EQ(sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        sqlite3_close(h);
    }
    static QString euros(const char* amount) { return dao::Currency::parse(QString::fromUtf8(amount))->toCurrencyString(); }

    // How another copy holds the book until the handle goes: its write lock,
    // as in the middle of a long write; or a read, left unfinished or inside
    // a transaction left open, which keeps this copy's commit from taking the
    // book just as well. This copy waits for the book only a while.
    enum class Hold { Writing, ReadingAStatement, ReadingInATransaction };
    static std::shared_ptr<sqlite3> holdBook(Hold how = Hold::Writing) {
        sqlite3* h = nullptr;
        EXPECT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        sqlite3_stmt* read = nullptr;
        switch (how) {
        case Hold::Writing:
            EXPECT_EQ(sqlite3_exec(h, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
            break;
        case Hold::ReadingAStatement:
            EXPECT_EQ(sqlite3_prepare_v2(h, "SELECT tlID FROM tl", -1, &read, nullptr), SQLITE_OK);
            EXPECT_EQ(sqlite3_step(read), SQLITE_ROW);
            break;
        case Hold::ReadingInATransaction:
            EXPECT_EQ(sqlite3_exec(h, "BEGIN; SELECT COUNT(*) FROM vi", nullptr, nullptr, nullptr), SQLITE_OK);
            break;
        }
        return {h, [](sqlite3* held) {
                    while (sqlite3_stmt* s = sqlite3_next_stmt(held, nullptr)) sqlite3_finalize(s);
                    sqlite3_close_v2(held);
                }};
    }
    static void waitOnlyAWhile() {
        dao::DBEngine::setBusyTimeoutMs(50);
        core::DBCon().SuljeDB();
    }
    // What the user reads of a book that another program held past the wait.
    static inline const QString lockedText = QStringLiteral(
        "Toinen ohjelma käyttää kirjanpitoa juuri nyt, eikä komentoa voitu tehdä. Yritä hetken kuluttua uudelleen.");
    // Another program writes a row of the book at once, without waiting: no
    // read or transaction of this one holds the book.
    static bool writtenAtOnce() {
        sqlite3* h = nullptr;
        EXPECT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        sqlite3_busy_timeout(h, 0);
        const int rc = sqlite3_exec(h, "BEGIN IMMEDIATE; UPDATE tl SET tlKuvaus = tlKuvaus WHERE tlID = 1; COMMIT",
                                    nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(h);
        return rc == SQLITE_OK;
    }

    TempDir dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    legacy::frmTositteet* w = nullptr;
    legacy::frmTilit* a = nullptr;
    std::vector<QString> releaseErrors;
    QStringList modalShown;
    int checkWindowOpened = 0;
    std::function<void(ui::Form&)> onModal = [](ui::Form& f) {
        ADD_FAILURE() << "unexpected modal window " << f.objectName().toStdString();
        f.hide();
    };

private:
    core::ReleaseErrorHandler previous_;
    int timeouts_ = 0;
};

}  // namespace kvtest
