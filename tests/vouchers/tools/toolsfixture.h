#pragma once

// The voucher tools' windows over a book of the test's own, driven through
// their controls with key and mouse events; every message is scripted.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/recordsupport.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/ui/forms.h"
#include "support/dialogs.h"
#include "support/keys.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kvtest {

// Accounts 1000 Kassa, 1910 Pankki, 1920 Osuuspankki, 3010 Jäsenmaksut,
// 4000 Kulut (tlID 1..5) and cost centres 10 and 20 (kpID 1, 2).
inline const char* kToolsChart =
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1000, 'Kassa', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, 'Pankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1920, 'Osuuspankki', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (3010, 'Jäsenmaksut', ' ');\n"
    "INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (4000, 'Kulut', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (1, 10, 'Nuoret', ' ');\n"
    "INSERT INTO kp (kpID, kpNumero, kpNimi, kpKuvaus) VALUES (2, 20, 'Aikuiset', ' ');\n";

class ToolsTest : public ::testing::Test, public Keys {
protected:
    enum Tili : long { Kassa = 1, Pankki = 2, Osuuspankki = 3, Jasenmaksut = 4, Kulut = 5 };

    void SetUp() override {
        core::resetGlobals();
        core::SetTranslator(nullptr);
        core::DBCon().SuljeDB();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError&) { releaseErrors.push_back(what); });
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void TearDown() override {
        ui::Forms::setModalHook(nullptr);
        ui::Forms::destroyAll();
        dialogs.reset();
        core::DBCon().SuljeDB();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.empty());
    }

    void book(const QString& script = QString()) { makeCurrentBook(dir, QString::fromUtf8(kToolsChart) + script); }

    static QStringList texts(const QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }

    dao::Database db() { return core::DBCon().AvaaDB(); }
    long value(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() || rs.value(0).isNull() ? -1 : long(rs.value(0).toLong());
    }
    QString text(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() ? QStringLiteral("<none>") : rs.value(0).toString();
    }
    long addVoucher(long numero, const QString& selite, bool avaus = false, bool paatos = false,
                    dao::Date pvm = dao::Date::fromYmd(2031, 2, 1)) {
        db().Execute(QStringLiteral("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                    "toAutomaatti) VALUES (?, ?, ?, ?, ?, False)"),
                     {numero, pvm, selite, avaus, paatos});
        return value(QStringLiteral("SELECT MAX(toID) FROM to"));
    }
    void addEntry(long toID, long tlID, const char* side, dao::Currency amount) {
        db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                    "viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, 'x', False, False, False)"),
                     {toID, tlID, QString::fromLatin1(side), amount});
    }
    static dao::Currency eur(const char* text) { return *dao::Currency::parseInvariant(QString::fromLatin1(text)); }
    static QString euros(const char* text) { return eur(text).toCurrencyString(); }
    // "D 2 100 kp1" lines of a template's stored lines: side, account, amount, cost centre.
    QStringList lines(long tpID) {
        QStringList out;
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT vipTyyppi, viptlID, vipArvo, vipkpID FROM vipPohjat WHERE viptpID = ? "
                           "ORDER BY vipTyyppi, vipID"),
            dao::RecordsetType::Snapshot, {dao::Variant(tpID)});
        for (; !rs.isEOF(); rs.MoveNext()) {
            QString line = rs.value(0).toString() + u' ' + rs.value(1).toString() + u' ' +
                           rs.value(2).toCurrency().toInvariantString();
            if (rs.value(3).toLong() != 0) line += QStringLiteral(" kp") + rs.value(3).toString();
            out << line;
        }
        return out;
    }

    TempDir dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::vector<QString> releaseErrors;

private:
    core::ReleaseErrorHandler previous_;
};

}  // namespace kvtest
