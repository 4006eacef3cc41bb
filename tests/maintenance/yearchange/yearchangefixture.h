#pragma once

// Books for the change of financial year: the general template (with the
// demo year on top where a test asks for it), the window shown and driven
// through its controls, the book read back table by table, and a raw
// connection of the test's own for triggers and locks the program knows
// nothing about.

#include "maintenance/yearchange/frmkaudenvaihto.h"
#include "maintenance/yearchange/kaudenvaihto.h"
#include "statements/statementfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <sqlite3.h>

namespace kvtest {

class YearChangeTest : public StatementTest {
protected:
    void SetUp() override {
        StatementTest::SetUp();
        // A locked book is given up quickly.
        dao::DBEngine::setBusyTimeoutMs(300);
    }
    void TearDown() override {
        if (!held_.isNull()) held_.Close();
        StatementTest::TearDown();
        dao::DBEngine::setBusyTimeoutMs(5000);
    }

    // The general template with the balance model carrying the income
    // model's profit and the settings' profit account, as a book made by
    // the program has them; the year is 2031.
    void makeSmall(const QString& script = QString()) {
        makeBook(QStringLiteral("UPDATE ma SET maTulosMaID = 1 WHERE maID = 2;\n") + script);
        core::VoittoTaseella = 25;
    }

    maintenance::frmKaudenVaihto& open() { return ui::Forms::show<maintenance::frmKaudenVaihto>(); }
    static bool closed() { return ui::Forms::find<maintenance::frmKaudenVaihto>() == nullptr; }
    static void choose(QComboBox* c, const QString& text) {
        const int i = c->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        c->setCurrentIndex(i);
    }

    // The rows of a query, each row's values joined by '|' (Null as "-",
    // dates in ISO form, amounts exactly).
    QStringList table(const QString& sql) {
        QStringList out;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList parts;
            for (int i = 0; i < rs.fieldCount(); ++i) {
                const dao::Variant v = rs.value(i);
                parts << (v.isNull() ? QStringLiteral("-") : v.toString());
            }
            out << parts.join(QLatin1Char('|'));
        }
        rs.Close();
        return out;
    }

    // Every table of the file as stored, the key counters included: the
    // book exactly as it is.
    QMap<QString, QStringList> dump() const {
        QMap<QString, QStringList> out;
        sqlite3* h = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(core::DatabasePath).constData(), &h, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            ADD_FAILURE() << "cannot read the book";
            sqlite3_close(h);
            return out;
        }
        QStringList tables;
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
        sqlite3_finalize(s);
        for (const QString& t : tables) {
            const QByteArray sql = QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(t).toUtf8();
            if (sqlite3_prepare_v2(h, sql.constData(), -1, &s, nullptr) != SQLITE_OK) {
                sqlite3_finalize(s);
                continue;
            }
            QStringList& rows = out[t];
            while (sqlite3_step(s) == SQLITE_ROW) {
                QStringList parts;
                for (int c = 0; c < sqlite3_column_count(s); ++c) {
                    const int type = sqlite3_column_type(s, c);
                    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
                    parts << QString::number(type) + QLatin1Char(':') + (text ? QString::fromUtf8(text) : QString());
                }
                rows << parts.join(QLatin1Char('|'));
            }
            sqlite3_finalize(s);
        }
        sqlite3_close(h);
        return out;
    }

    // Runs SQL on the file through a connection of the test's own. The
    // program's own connection to the book is opened first and kept until
    // the test ends: an opening refuses a book that carries a trigger (as
    // the failures of these tests have it), a connection opened before goes on.
    void raw(const QString& sql) {
        core::DBCon().SuljeDB();
        if (held_.isNull()) held_ = dao::DBEngine::OpenDatabase(core::DatabasePath);
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(core::DatabasePath).constData(), &h, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        char* err = nullptr;
        const int rc = sqlite3_exec(h, sql.toUtf8().constData(), nullptr, nullptr, &err);
        EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "");
        sqlite3_free(err);
        sqlite3_close(h);
    }

    dao::Database held_;

    // A key of the book's Settings table.
    QString setting(const QString& key) {
        return text(QStringLiteral("SELECT setString FROM Settings WHERE setSection = 'KOLVIO' AND setKey = '%1'").arg(key),
                    QStringLiteral("setString"));
    }

    struct Years {
        dao::Date alku, loppu, edAlku, edLoppu;
        bool operator==(const Years&) const = default;
    };
    static Years years() { return {core::TilikausiAlku, core::TilikausiLoppu, core::EdTilikausiAlku, core::EdTilikausiLoppu}; }
};

}  // namespace kvtest
