#pragma once

// The voucher window over a book of the test's own, driven through its
// controls with key and mouse events; every message is scripted.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/recordsupport.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/ini/inifile.h"
#include "platform/ui/forms.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace kvtest {

// Accounts 1000 Kassa, 1910 Pankki, 1920 Osuuspankki, 3010 Jäsenmaksut,
// 4000 Kulut (tlID 1..5) and cost centres 10 and 20 (kpID 1, 2).
inline const char* kChart =
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1920, 'Osuuspankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3010, 'Jäsenmaksut', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (4000, 'Kulut', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (1, 10, 'Nuoret', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (2, 20, 'Aikuiset', ' ');\n";

class VoucherWindowTest : public ::testing::Test, public Keys {
protected:
    enum Tili : long { Kassa = 1, Pankki = 2, Osuuspankki = 3, Jasenmaksut = 4, Kulut = 5 };

    void SetUp() override {
        core::resetGlobals();
        core::SetTranslator(nullptr);
        core::DBCon().SuljeDB();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError& e) { releaseErrors.push_back(what); });
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void TearDown() override {
        ui::Forms::destroyAll();
        core::SetTranslator(nullptr);
        ini::cIniFile::ClearCache();
        vouchers::frmNewTositteet::SetCheckWindowOpener(nullptr);
        vouchers::frmNewTositteet::SetSearchWindow(nullptr);
        dialogs.reset();
        core::DBCon().SuljeDB();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.empty());
    }

    // A book with the chart above and the rows of script.
    void book(const QString& script = QString()) { makeCurrentBook(dir, QString::fromUtf8(kChart) + script); }

    // The window opened in a mode, active, its first activation handled.
    vouchers::frmNewTositteet& open(bool avaus = false, bool paatos = false,
                                    const QString& caption = QStringLiteral("Tositteet")) {
        shell::VoucherWindowMode m;
        m.bAvaustosite = avaus;
        m.bPaatostosite = paatos;
        m.caption = caption;
        w = &vouchers::OpenVoucherWindow(m);
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        settle();
        return *w;
    }
    // The Swedish user interface, from a copy of the shipped language file.
    void useSwedish() {
        ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("Svenska"))));
        ASSERT_TRUE(QFile::copy(shippedSwedish(), dir.file(QStringLiteral("Svenska/Kolvio VEV.trl"))));
        ini::cIniFile::ClearCache();
        core::cTranslate cfg;
        cfg.setBaseFolder(dir.path());
        cfg.setFileName(core::AppTitle);
        cfg.setLanguagePrefix(QStringLiteral("Svenska"));
        core::SetTranslator(cfg.LangTranslator());
    }
    // Everything looked up had its translation: nothing was added to the copy.
    void expectSwedishComplete() {
        QFile a(shippedSwedish()), b(dir.file(QStringLiteral("Svenska/Kolvio VEV.trl")));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll());
    }
    static QString shippedSwedish() {
        return QDir(sourceDir()).filePath(QStringLiteral("data/lang/Svenska/Kolvio VEV.trl"));
    }

    dao::Database db() { return core::DBCon().AvaaDB(); }
    long value(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() || rs.value(0).isNull() ? -1 : long(rs.value(0).toLong());
    }
    long vouchers() { return value(QStringLiteral("SELECT COUNT(*) FROM to")); }
    // "D 1 12.5" lines of a voucher's stored entries: side, account, amount.
    QStringList entries(long toID) {
        QStringList out;
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT viTyyppi, vitlID, viArvo, vikpID FROM vi WHERE vitoID = ? ORDER BY viTyyppi, viID"),
            dao::RecordsetType::Snapshot, {dao::Variant(toID)});
        for (; !rs.isEOF(); rs.MoveNext()) {
            QString line = rs.value(0).toString() + u' ' + rs.value(1).toString() + u' ' +
                           rs.value(2).toCurrency().toInvariantString();
            if (rs.value(3).toLong() != 0) line += QStringLiteral(" kp") + rs.value(3).toString();
            out << line;
        }
        return out;
    }
    long addVoucher(long numero, const QString& selite, bool avaus = false, bool paatos = false) {
        db().Execute(QStringLiteral("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                    "toAutomaatti) VALUES (?, ?, ?, ?, ?, False)"),
                     {numero, dao::Date::fromYmd(2031, 2, numero % 28 + 1), selite, avaus, paatos});
        return value(QStringLiteral("SELECT MAX(toID) FROM to"));
    }
    void addEntry(long toID, long tlID, const char* side, long euros) {
        db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                    "viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, 'x', False, False, False)"),
                     {toID, tlID, QString::fromLatin1(side), dao::Currency::fromUnits(euros)});
    }
    // A voucher of one debit and one credit entry that balance.
    long balanced(long numero, const QString& selite, long euros, bool avaus = false, bool paatos = false) {
        const long id = addVoucher(numero, selite, avaus, paatos);
        addEntry(id, Kassa, "D", euros);
        addEntry(id, Jasenmaksut, "K", euros);
        return id;
    }

    // The book refuses every new entry on account Kulut until allowed
    // again, as a full disk or a damaged page would refuse a write.
    void refuseEntriesOfKulut(bool refuse) {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(core::DatabasePath).constData(), &h), SQLITE_OK);
        const char* sql = refuse ? "CREATE TRIGGER kulut_kielletty BEFORE INSERT ON vi WHEN NEW.vitlID = 5 "
                                   "BEGIN SELECT RAISE(ABORT, 'kirjoitus ei onnistu'); END"
                                 : "DROP TRIGGER kulut_kielletty";
        EXPECT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
        sqlite3_close(h);
    }

    QStringList listTexts() const {
        QStringList out;
        for (int i = 0; i < w->lstTositteet->count(); ++i) out << w->lstTositteet->item(i)->text();
        return out;
    }
    QString currentLine() const {
        return w->lstTositteet->currentItem() ? w->lstTositteet->currentItem()->text() : QString();
    }
    static QString euros(const char* text) { return dao::Currency::parse(QString::fromUtf8(text))->toCurrencyString(); }

    TempDir dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    vouchers::frmNewTositteet* w = nullptr;
    std::vector<QString> releaseErrors;

private:
    core::ReleaseErrorHandler previous_;
};

}  // namespace kvtest
