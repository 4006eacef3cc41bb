#pragma once

// Shared by the tests of the account views: a program folder of the test's
// own holding the shipped report definitions, a book of the current layout
// with the financial year 2031, rows written straight into it, modal
// windows driven through the forms registry's modal hook and every message
// answered from a script.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "support/dialogs.h"
#include "support/keys.h"
#include "support/testenv.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace kvtest {

class ViewsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::SetAppPath(tmp.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        reports::ResetReportGlobals();
        core::InstallWindowHooks();
        for (const char* rpt : {"tilisald.rpt", "tilitark.rpt"}) {
            const QString name = QString::fromLatin1(rpt);
            ASSERT_TRUE(QFile::copy(QDir(sourceDir()).filePath(QStringLiteral("data/reports/") + name), tmp.file(name)));
        }
        makeCurrentBook(tmp);
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
        report::ReportControl& rc = reports::CrystalReport1();
        if (rc.lastPreview()) delete rc.lastPreview();
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        core::SetTranslator(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
    }

    static void settle() { Keys::settle(5); }

    // ---- the book
    static dao::Database db() { return core::DBCon().AvaaDB(); }
    static long lastKey(const char* table, const char* key) {
        return long(db().OpenRecordset(QStringLiteral("SELECT MAX(%1) FROM %2").arg(QLatin1String(key), QLatin1String(table)),
                                       dao::RecordsetType::Snapshot)
                        .value(0)
                        .toLong());
    }
    static long count(const QString& sql) {
        return long(db().OpenRecordset(sql, dao::RecordsetType::Snapshot).value(0).toLong());
    }
    static long addAccount(const dao::Variant& numero, const QString& nimi) {
        db().Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (?, ?, ' ')"), {numero, nimi});
        return lastKey("tl", "tlID");
    }
    static long addVoucher(long numero, const dao::Date& pvm, const QString& selite = QStringLiteral("Tosite")) {
        db().Execute(QStringLiteral("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                    "toAutomaatti) VALUES (?, ?, ?, False, False, False)"),
                     {numero, pvm, selite});
        return lastKey("to", "toID");
    }
    static long addEntry(long toID, long tlID, const dao::Variant& side, long euros, bool automaatti = false) {
        db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                    "viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, 'x', False, False, ?)"),
                     {toID, tlID, side, dao::Currency::fromUnits(euros), automaatti});
        return lastKey("vi", "viID");
    }
    static dao::Date day(int m, int d) { return dao::Date::fromYmd(2031, m, d); }
    static QString eur(long units) { return dao::Currency::fromUnits(units).toCurrencyString(QLocale()); }

    // The caption of a display row's label.
    static QString cell(const QWidget* window, const char* array, int row) {
        auto* l = window->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(row));
        return l ? l->text() : QStringLiteral("<missing>");
    }

    // Answers the print dialog with the preview window as destination.
    void printToWindow() {
        onModal = [](ui::Form& f) {
            auto& d = static_cast<reports::frmTulostus&>(f);
            d.cmbTulostusLaite->setCurrentIndex(0);
            d.cTulosta->click();
        };
    }

    // Renders a definition of the program folder to PDF with the control as
    // the views set it up; the run as recorded.
    const report::RunRecord& renderToPdf(const QString& rpt, const QString& otsake, const QString& sort) {
        reports::ResetReportFormulas();
        report::ReportControl& rc = reports::CrystalReport1();
        rc.setReportFileName(tmp.file(rpt));
        rc.setDestination(report::ReportControl::ToFile);
        rc.setPrintFileName(tmp.file(QStringLiteral("tuloste.pdf")));
        rc.setFormulas(0, reports::NamedFormula(QStringLiteral("Seurannimi"), QStringLiteral("Pelle's kerho")));
        rc.setFormulas(1, reports::NamedFormula(QStringLiteral("Otsake"), otsake));
        rc.setSortFields(0, sort);
        rc.setAction(1);
        return rc.lastRun();
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
