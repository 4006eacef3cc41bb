#pragma once

// The program started on a book of the test's own, ready for the settings
// window: its accounts, its settings and the main window.

#include "core/bookfixture.h"
#include "core/dbsettings.h"
#include "platform/report/reportcontrol.h"
#include "shell/settings/frmasetukset.h"
#include "shell/shellfixture.h"
#include "support/dialogs.h"
#include "support/keys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace kvtest {

// Accounts of a book, with keys of their own, and the association's settings.
inline const QString kAccounts = QStringLiteral(
    "INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (11, 1910, 'Pankkitili', ' ');\n"
    "INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (12, 2251, 'Edellisten tilikausien voitto', ' ');\n"
    "INSERT INTO tl (tlID, tlNumero, tlNimi, tlKuvaus) VALUES (13, 3000, NULL, ' ');\n");

inline QString settingRows(const QList<std::pair<const char*, const char*>>& rows) {
    QString sql;
    for (const auto& [key, value] : rows)
        sql += QStringLiteral("INSERT INTO Settings (setSection, setKey, setString) VALUES ('KOLVIO', '%1', '%2');\n")
                   .arg(QString::fromLatin1(key), QString::fromUtf8(value));
    return sql;
}

class SettingsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        book = makeCurrentBook(tmp, kAccounts + settingRows({{"TilikausiAlku", "2031-07-01"},
                                                             {"TilikausiLoppu", "2032-06-30"},
                                                             {"EdTilikausiAlku", "2030-07-01"},
                                                             {"EdTilikausiLoppu", "2031-06-30"},
                                                             {"LaskettavaTili", "11"},
                                                             {"VoittoTaseella", "12"},
                                                             {"Email", "rahastonhoitaja@seura.example"},
                                                             {"VaakaTulostus", "1"},
                                                             {"Kustannuspaikat", "1"},
                                                             {"MargYla", "15"},
                                                             {"MargVas", "10"},
                                                             {"Fontti", "Kalligrafia"},
                                                             {"FonttiKoko", "11"},
                                                             {"SeuranNimi", "Kolvion Kerho"}}));
        core::resetGlobals();
        configure(book);
        writeIni(QStringLiteral("DatabaseBackup"), tmp.file(QStringLiteral("varmistus/")));
        ScriptedDialogs quiet;
        main = &startUp();
        ASSERT_EQ(modalShown, QStringList({"frmSplash"}));
        modalShown.clear();
    }

    // The settings window as the main window's menu opens it.
    shell::frmAsetukset& open() {
        auto& w = ui::Forms::show<shell::frmAsetukset>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    static void settle() { Keys::settle(5); }
    // The focus into a field and out of it again, as the user moves on.
    static void leave(QLineEdit* field, QWidget* next) {
        field->setFocus();
        settle();
        next->setFocus();
        settle();
    }
    // Types into a field as the user does, replacing its text.
    static void type(QLineEdit* field, const QString& text) { Keys::replaceText(field, text); }
    static void choose(QComboBox* c, const QString& text) {
        const int i = c->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        c->setCurrentIndex(i);
    }

    // A key of the book's Settings table; "<none>" when there is no row.
    static QString setting(const QString& path, const QString& key) {
        dao::Database db = dao::DBEngine::OpenDatabase(path, true);
        core::cDBSettings s;
        s.setDatabase(db);
        s.setSection(QStringLiteral("KOLVIO"));
        const QString v = s.GetSetting(key, QStringLiteral("<none>"));
        db.Close();
        return v;
    }

    QString book;
    shell::frmMain* main = nullptr;
};

}  // namespace kvtest
