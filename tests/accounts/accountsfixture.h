#pragma once

// The accounts and cost-centre windows over a book of the test's own, in a
// program folder of the test's own, driven through their controls with
// key and mouse events; every message is scripted.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/records/recordsupport.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/database.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/reportglobals.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kvtest {

class AccountsTest : public ::testing::Test, public Keys {
protected:
    void SetUp() override {
        sys::SetAppPath(dir.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        reports::ResetReportGlobals();
        core::SetTranslator(nullptr);
        core::DBCon().SuljeDB();
        core::InstallWindowHooks();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError& e) { releaseErrors.push_back(what); });
        dialogs = std::make_unique<ScriptedDialogs>();
        ui::Forms::setModalTimeout(10000);
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalHook([this](ui::Form& f) {
            modalShown << f.objectName();
            onModal(f);
        });
    }
    void TearDown() override {
        ui::Forms::destroyAll();
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal window was left open";
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        dialogs.reset();
        core::DBCon().SuljeDB();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.empty());
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
    }

    void book(const QString& script = QString()) { makeCurrentBook(dir, script); }

    template <class W>
    W& open() {
        W& w = ui::Forms::show<W>();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        settle();
        return w;
    }

    // Puts the focus on a field, selects all of it and types text over it.
    static void retype(QLineEdit* field, const QString& text) {
        placeFocus(field);
        overtype(field, text);
    }

    dao::Database db() { return core::DBCon().AvaaDB(); }
    // The first column of the first row; -1 for no row or Null.
    long value(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() || rs.value(0).isNull() ? -1 : long(rs.value(0).toLong());
    }
    QString text(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        return rs.isEOF() ? QStringLiteral("<none>") : rs.value(0).toString();
    }
    static QString euros(const char* amount) { return dao::Currency::parse(QString::fromUtf8(amount))->toCurrencyString(); }

    TempDir dir;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::vector<QString> releaseErrors;
    QStringList modalShown;
    std::function<void(ui::Form&)> onModal = [](ui::Form& f) {
        ADD_FAILURE() << "unexpected modal window " << f.objectName().toStdString();
        f.hide();
    };

private:
    core::ReleaseErrorHandler previous_;
    int timeouts_ = 0;
};

}  // namespace kvtest
