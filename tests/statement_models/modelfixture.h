#pragma once

// Books for the model tests: the current layout with the general template's
// chart of accounts and its two models (maID 1 income statement, 2 balance
// sheet), changed by a few statements where a test needs a broken model.
// Window tests get a program folder of their own, the scripted dialogs and
// modal windows driven through the forms registry's hook.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/sqlscript.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace kvtest {

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::SetAppPath(tmp.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        core::NaytaTilinumerot = true;
        core::InstallWindowHooks();
        ui::Forms::setModalTimeout(10000);
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([this](ui::Form& f) {
            modalShown << f.objectName();
            onModal(f);
        });
    }
    void TearDown() override {
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal window was left open";
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
    }

    // The general template's book (or another template's), then script;
    // DatabasePath names it.
    QString makeBook(const QString& script = QString(), const QString& templateFile = QStringLiteral("yleismalli.sql")) {
        const QString path = makeCurrentBook(tmp);
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        core::runSqlFile(db, QDir(sourceDir()).filePath(QStringLiteral("data/books/") + templateFile));
        if (!script.isEmpty()) core::runSqlScript(db, script);
        db.Close();
        return path;
    }

    dao::Database db() { return core::DBCon().AvaaDB(); }

    // One value of the first row of a query.
    dao::Variant value(const QString& sql, const QString& column) {
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        dao::Variant v = rs.isEOF() ? dao::Variant() : rs.value(column);
        rs.Close();
        return v;
    }
    long number(const QString& sql, const QString& column) { return core::NzLong(value(sql, column), -999); }
    QString text(const QString& sql, const QString& column) { return core::NzString(value(sql, column), QStringLiteral("<null>")); }
    long count(const QString& where) {
        return number(QStringLiteral("SELECT COUNT(*) AS n FROM mr WHERE ") + where, QStringLiteral("n"));
    }
    // A row's column by mrID.
    QString rowText(long mrID, const char* column) {
        return text(QStringLiteral("SELECT * FROM mr WHERE mrID = %1").arg(mrID), QString::fromLatin1(column));
    }
    long rowNumber(long mrID, const char* column) {
        return number(QStringLiteral("SELECT * FROM mr WHERE mrID = %1").arg(mrID), QString::fromLatin1(column));
    }
    void exec(const QString& sql) { db().Execute(sql); }

    static void settle() { Keys::settle(5); }

    TempDir tmp;
    ScriptedDialogs dialogs;
    std::function<void(ui::Form&)> onModal = [](ui::Form& f) {
        ADD_FAILURE() << "unexpected modal window " << f.objectName().toStdString();
        f.hide();
    };
    QStringList modalShown;

private:
    int timeouts_ = 0;
};

}  // namespace kvtest
