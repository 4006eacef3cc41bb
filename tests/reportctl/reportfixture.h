#pragma once

// Shared by the tests of the report machinery: a program folder of the
// test's own (window placements go to its ini file), the globals of a fresh
// program with the financial year 2012, and modal dialogs driven through
// the forms registry's modal hook.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
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

namespace kvtest {

inline dao::Date ymd(int y, int m, int d) { return dao::Date::fromYmd(y, m, d); }

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::SetAppPath(tmp.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        reports::ResetReportGlobals();
        core::InstallWindowHooks();
        core::TilikausiAlku = core::RaporttiAlkuPvm = ymd(2012, 1, 1);
        core::TilikausiLoppu = core::RaporttiLoppuPvm = ymd(2012, 12, 31);
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalTimeout(10000);
        ui::Forms::setModalHook([this](ui::Form& f) {
            modalShown << f.objectName();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
            onModal(f);
        });
    }
    void TearDown() override {
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal dialog was left open";
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        core::SetTranslator(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
    }

    // Lets posted work (deferred messages, focus moves) run.
    static void settle() { Keys::settle(5); }
    // Types into a field as the user does, replacing its text.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

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
