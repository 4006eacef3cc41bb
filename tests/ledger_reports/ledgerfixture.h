#pragma once

// Shared by the tests of the ledger reports: a program folder of the test's
// own holding the shipped ledger and journal definitions, a book of the
// current layout with the financial year 2031 and rows written straight
// into it, and the period and print dialogs answered in turn through the
// forms registry's modal hook.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "ledger_reports/ledgercommands.h"
#include "platform/ini/inifile.h"
#include "platform/report/preview.h"
#include "platform/report/reportcontrol.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "reportctl/frmdates.h"
#include "reportctl/frmtulostus.h"
#include "reportctl/reportcontrolsetup.h"
#include "reportctl/reportglobals.h"
#include "support/dialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace kvtest {

inline dao::Currency money(const char* text) { return *dao::Currency::parseInvariant(QString::fromLatin1(text)); }
inline dao::Date d31(int m, int d) { return dao::Date::fromYmd(2031, m, d); }
// An amount as the regional settings write it: "1 350,50" and "-5,00" with
// the locale's digit-group separator and minus sign.
inline QString fi(const char* text) {
    const QLocale locale;
    return QString::fromUtf8(text)
        .replace(QLatin1Char(' '), locale.groupSeparator())
        .replace(QLatin1Char('-'), locale.negativeSign());
}

class LedgerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys::SetAppPath(tmp.path());
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        reports::ResetReportGlobals();
        core::InstallWindowHooks();
        const QDir source(QDir(sourceDir()).filePath(QStringLiteral("data/reports")));
        for (const QString& name : source.entryList({QStringLiteral("pa*.rpt")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), tmp.file(name))) << name.toStdString();
        makeCurrentBook(tmp);
        core::RaporttiAlkuPvm = core::TilikausiAlku;
        core::RaporttiLoppuPvm = core::TilikausiLoppu;
        core::SeuranNimi = QStringLiteral("Pelle's kerho");
        core::Kustannuspaikat = false;
        core::VaakaTulostus = false;
        timeouts_ = ui::Forms::modalTimeouts();
        ui::Forms::setModalTimeout(10000);
        ui::Forms::setModalHook([this](ui::Form& f) {
            modalShown << f.objectName();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected modal window " << f.objectName().toStdString();
                f.hide();
                return;
            }
            auto answer = std::move(answers.front());
            answers.pop_front();
            answer(f);
        });
    }
    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << answers.size() << " dialog answers left unused";
        EXPECT_EQ(ui::Forms::modalTimeouts(), timeouts_) << "a modal dialog was left open";
        closePreview();
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        core::SetTranslator(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
    }

    static void closePreview() {
        report::ReportControl& rc = reports::CrystalReport1();
        if (rc.lastPreview()) delete rc.lastPreview();
    }

    // ---- the book
    static dao::Database db() { return core::DBCon().AvaaDB(); }
    static long lastKey(const char* table, const char* key) {
        return long(db().OpenRecordset(QStringLiteral("SELECT MAX(%1) FROM %2").arg(QLatin1String(key), QLatin1String(table)),
                                       dao::RecordsetType::Snapshot)
                        .value(0)
                        .toLong());
    }
    static long count(const QString& sql, const dao::Params& params = {}) {
        return long(db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params).value(0).toLong());
    }
    static long addAccount(long numero, const QString& nimi) {
        db().Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (?, ?, ' ')"), {numero, nimi});
        return lastKey("tl", "tlID");
    }
    static long addCentre(long numero, const QString& nimi) {
        db().Execute(QStringLiteral("INSERT INTO kp (kpNumero, kpNimi, kpKuvaus) VALUES (?, ?, ' ')"), {numero, nimi});
        return lastKey("kp", "kpID");
    }
    enum Kind { Ordinary, Opening, Closing };
    static long addVoucher(long numero, const dao::Date& pvm, Kind kind = Ordinary,
                           const QString& selite = QStringLiteral("Tosite")) {
        db().Execute(QStringLiteral("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, "
                                    "toAutomaatti) VALUES (?, ?, ?, ?, ?, False)"),
                     {numero, pvm, selite, kind == Opening, kind == Closing});
        return lastKey("to", "toID");
    }
    // An entry of the voucher's kind, amount as decimal text.
    static long addEntry(long toID, long tlID, const dao::Variant& side, const char* amount, Kind kind = Ordinary,
                         long kpID = 0, const QString& selite = QStringLiteral("x")) {
        db().Execute(QStringLiteral("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                                    "viPaatosvienti, viAutomaatti) VALUES (?, ?, ?, ?, ?, ?, ?, ?, False)"),
                     {toID, tlID, kpID, side, money(amount), selite, kind == Opening, kind == Closing});
        return lastKey("vi", "viID");
    }

    struct Balances {
        dao::Currency alku;
        dao::Currency loppu;
        bool print = false;
    };
    static Balances balances(long tlID) {
        dao::Recordset rs = db().OpenRecordset(QStringLiteral("SELECT * FROM tl WHERE tlID = ?"),
                                               dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
        Balances b;
        b.alku = core::NzCurrency(rs.value(QStringLiteral("tlAlkusaldo")));
        b.loppu = core::NzCurrency(rs.value(QStringLiteral("tlLoppusaldo")));
        b.print = core::NzBoolean(rs.value(QStringLiteral("tlPrint")));
        return b;
    }

    // ---- the dialogs, answered in the order they come
    std::deque<std::function<void(ui::Form&)>> answers;

    template <class T>
    void expectDialog(const char* name, std::function<void(T&)> act) {
        answers.push_back([name, act](ui::Form& f) {
            EXPECT_EQ(f.objectName(), QString::fromLatin1(name));
            auto* d = dynamic_cast<T*>(&f);
            if (!d) {
                ADD_FAILURE() << "not the expected dialog: " << f.objectName().toStdString();
                f.hide();
                return;
            }
            act(*d);
        });
    }
    static void setPeriod(reports::PeriodDialog& d, const dao::Date& start, const dao::Date& end) {
        d.tAlkupvm->setText(start.toShortString());
        d.tLoppupvm->setText(end.toShortString());
    }
    // frmDates3: the period and "only accounts with entries".
    void answerLedgerPeriod(const dao::Date& start, const dao::Date& end, bool vainTap = false) {
        expectDialog<reports::frmDates3>("frmDates3", [=](reports::frmDates3& d) {
            setPeriod(d, start, end);
            d.chkVainTap->setChecked(vainTap);
            d.cSeuraava->click();
        });
    }
    // frmDates6: the period, the centre (0: the blank item) and "only accounts with entries".
    void answerCentrePeriod(const dao::Date& start, const dao::Date& end, long kpID, bool vainTap = false,
                            std::function<void()> beforeAccept = {}) {
        expectDialog<reports::frmDates6>("frmDates6", [=](reports::frmDates6& d) {
            setPeriod(d, start, end);
            d.cmbKPt->setCurrentIndex(d.cmbKPt->findData(QVariant(qlonglong(kpID))));
            d.chkVainTap->setChecked(vainTap);
            if (beforeAccept) beforeAccept();
            d.cSeuraava->click();
        });
    }
    void answerJournalPeriod(const dao::Date& start, const dao::Date& end) {
        expectDialog<reports::frmDates2>("frmDates2", [=](reports::frmDates2& d) {
            setPeriod(d, start, end);
            d.cSeuraava->click();
        });
    }
    // frmDates4: the period and the account (0: the blank item).
    void answerAccountPeriod(const dao::Date& start, const dao::Date& end, long tlID) {
        expectDialog<reports::frmDates4>("frmDates4", [=](reports::frmDates4& d) {
            setPeriod(d, start, end);
            d.cmbTili->setCurrentIndex(d.cmbTili->findData(QVariant(qlonglong(tlID))));
            d.cSeuraava->click();
        });
    }
    template <class T>
    void cancelPeriod(const char* name) {
        expectDialog<T>(name, [](T& d) { QTest::keyClick(d.tAlkupvm, Qt::Key_Escape); });
    }
    // The print dialog: the preview window.
    void answerPrintToWindow() {
        expectDialog<reports::frmTulostus>("frmTulostus", [](reports::frmTulostus& d) {
            d.cmbTulostusLaite->setCurrentIndex(0);
            d.tKopioita->setText(QStringLiteral("1"));
            d.cTulosta->click();
        });
    }
    void cancelPrint() {
        expectDialog<reports::frmTulostus>("frmTulostus",
                                           [](reports::frmTulostus& d) { d.cPeruTulostus->click(); });
    }

    // A caller as the voucher window makes it; saves counts its save runs.
    ledger::LedgerCaller caller(bool avaus = false, bool paatos = false) {
        ledger::LedgerCaller c;
        c.windowName = QStringLiteral("frmNewTositteet");
        c.bAvaustosite = avaus;
        c.bPaatostosite = paatos;
        c.save = [this] { ++saves; };
        return c;
    }

    static report::ReportControl& control() { return reports::CrystalReport1(); }
    static const report::RunRecord& lastRun() { return reports::CrystalReport1().lastRun(); }

    TempDir tmp;
    ScriptedDialogs dialogs;
    QStringList modalShown;
    int saves = 0;

private:
    int timeouts_ = 0;
};

}  // namespace kvtest
