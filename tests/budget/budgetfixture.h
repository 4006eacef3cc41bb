#pragma once

// Budget tests: the general template's book (maID 1 income model) with
// small models and budget rows added by SQL, the window offscreen in a
// program folder of the test's own, scripted messages and modal dialogs.

#include "budget/budjetti.h"
#include "budget/frmbudjetti.h"
#include "reportctl/reportglobals.h"
#include "statement_models/modelfixture.h"
#include "support/keys.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace kvtest {

inline QString maRow(long id, const QString& name) {
    return QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (%1, '%2', 1, False);\n").arg(id).arg(name);
}

// An income model row: key, model, parent (0 top), order, text, accounts.
inline QString mrRow(long id, long ma, long parent, long order, const QString& text, const QString& tilit,
                     bool voitto = false) {
    return QStringLiteral("INSERT INTO mr (mrID, mrmaID, mrSaldoPuoli, mrTilit, mrBelongsToGroup, mrGroupOrder, mrTeksti, "
                          "mrIsLiikevaihto, mrIsEquation, mrIsVoitto) VALUES (%1, %2, 'K', '%3', %4, %5, '%6', False, False, %7);\n")
        .arg(id)
        .arg(ma)
        .arg(tilit)
        .arg(parent)
        .arg(order)
        .arg(text, voitto ? QStringLiteral("True") : QStringLiteral("False"));
}

// A budget row of an account for year 1, 2 or 3; missing months are 0.
inline QString buRow(long tlID, int year, const QList<double>& months) {
    QStringList m;
    for (int i = 0; i < 12; ++i) m << QString::number(i < months.size() ? months[i] : 0.0);
    QStringList flags;
    for (int y = 1; y <= 3; ++y) flags << (y == year ? QStringLiteral("True") : QStringLiteral("False"));
    QStringList names;
    for (int i = 1; i <= 12; ++i) names << QStringLiteral("buKuukausi%1").arg(i);
    return QStringLiteral("INSERT INTO bu (butlID, %1, buEdellinen, buNykyinen, buTuleva) VALUES (%2, %3, %4);\n")
        .arg(names.join(QStringLiteral(", ")))
        .arg(tlID)
        .arg(m.join(QStringLiteral(", ")), flags.join(QStringLiteral(", ")));
}

// Model 10 "Pieni", six lines: 0 Tuotot, 1 " Myynti", 2 "  3000 ..." (43),
// 3 "  3010 ..." (44), 4 Kulut, 5 " 4000 ..." (55); its profit row is left out.
inline QString smallModel() {
    return maRow(10, QStringLiteral("Pieni")) + mrRow(1001, 10, 0, 1, QStringLiteral("Tuotot"), QString()) +
           mrRow(1002, 10, 1001, 1, QStringLiteral("Myynti"), QStringLiteral("43,44,")) +
           mrRow(1003, 10, 0, 2, QStringLiteral("Kulut"), QStringLiteral("55,")) +
           mrRow(1004, 10, 0, 3, QStringLiteral("Tulos"), QStringLiteral("119,"), true);
}

class BudgetTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        reports::ResetReportGlobals();
        core::SetTranslator(nullptr);
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError& e) { releaseErrors << what + QStringLiteral(": ") + e.description(); });
    }
    void TearDown() override {
        ModelTest::TearDown();
        core::setReleaseErrorHandler(previous_);
        EXPECT_TRUE(releaseErrors.isEmpty()) << releaseErrors.join(QStringLiteral(" | ")).toStdString();
    }

    budget::frmBudjetti& open(long model = 10, int year = 2) {
        core::LastModelForBudget = model;
        core::LastPeriodForBudget = year;
        auto& w = ui::Forms::show<budget::frmBudjetti>();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        settle();
        return w;
    }
    void close(budget::frmBudjetti& w) {
        w.cSulje->click();
        settle();
        EXPECT_EQ(ui::Forms::find<budget::frmBudjetti>(), nullptr);
    }

    // The account's rows of a year, months joined by blanks, rows by "|".
    QString months(long tlID, int year) {
        const QString flag = QStringList{"buEdellinen", "buNykyinen", "buTuleva"}.at(year - 1);
        dao::Recordset rs = db().OpenRecordset(
            QStringLiteral("SELECT * FROM bu WHERE butlID = %1 AND %2 = True ORDER BY buID").arg(tlID).arg(flag),
            dao::RecordsetType::Snapshot);
        QStringList rows;
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList m;
            for (int i = 1; i <= 12; ++i) m << core::NzCurrency(rs.value(QStringLiteral("buKuukausi%1").arg(i))).toInvariantString();
            rows << m.join(QLatin1Char(' '));
        }
        return rows.join(QLatin1Char('|'));
    }
    long buCount(const QString& where = QStringLiteral("True")) {
        return number(QStringLiteral("SELECT COUNT(*) AS n FROM bu WHERE ") + where, QStringLiteral("n"));
    }
    long rows(const QString& table) { return number(QStringLiteral("SELECT COUNT(*) AS n FROM ") + table, QStringLiteral("n")); }

    // Types into a cell as the user does, replacing its text.
    static void type(QLineEdit* cell, const QString& text) { Keys::replaceText(cell, text); }
    static QStringList titles(const budget::frmBudjetti& w) {
        QStringList out;
        for (QLineEdit* t : w.tOtsakkeet) out << t->text();
        return out;
    }

    QStringList releaseErrors;

private:
    core::ReleaseErrorHandler previous_;
};

}  // namespace kvtest
