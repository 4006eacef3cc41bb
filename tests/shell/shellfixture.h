#pragma once

// A program folder and a HOME of the test's own, the shared state put back
// to that of a fresh program, and the modal windows of start-up answered
// through the forms registry's modal hook.

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/sys/shell.h"
#include "platform/ui/forms.h"
#include "shell/frmmain.h"
#include "shell/openers.h"
#include "support/testenv.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>

namespace kvtest {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = tmp.file(QStringLiteral("ohjelma"));
        home = tmp.file(QStringLiteral("koti"));
        ASSERT_TRUE(QDir().mkpath(app));
        ASSERT_TRUE(QDir().mkpath(home));
        oldHome_ = qgetenv("HOME");
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        sys::SetAppPath(app);
        ASSERT_TRUE(QFile::copy(QDir(builtAppDir()).filePath(QStringLiteral("demo1.mdb")), demoBook()));
        QFile::setPermissions(demoBook(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

        core::resetGlobals();
        core::SetTranslator(nullptr);
        ini::cIniFile::ClearCache();
        core::InstallWindowHooks();
        shell::ClearOpeners();
        shell::ResetQuitRequest();
        shell::SetQuitHandler([this] { ++quits; });
        sys::SetShellOpenHook([this](const QString& target, int) {
            opened << target;
            return true;
        });
        ui::Forms::setModalTimeout(15000);
        ui::Forms::setModalHook([this](ui::Form& f) { answerModal(f); });
    }

    void TearDown() override {
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        shell::SetQuitHandler(nullptr);
        shell::ClearOpeners();
        sys::SetShellOpenHook(nullptr);
        core::SetTranslator(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
        qputenv("HOME", oldHome_);
        if (hadConfig_) qputenv("XDG_CONFIG_HOME", oldConfig_);
    }

    QString demoBook() const { return QDir(app).filePath(QStringLiteral("demo1.mdb")); }
    QString iniPath() const { return QDir(app).filePath(QStringLiteral("vevaravo.ini")); }

    void writeIni(const QString& key, const QString& value, const QString& section = QStringLiteral("KOLVIO")) {
        ini::cIniFile f;
        f.FileName(iniPath());
        f.Section(section);
        ASSERT_TRUE(f.Write(value, key));
    }
    QString readIni(const QString& key, const QString& section = QStringLiteral("KOLVIO")) {
        ini::cIniFile f;
        f.FileName(iniPath());
        f.Section(section);
        return f.Read(key, QStringLiteral("<none>"));
    }
    // An ini file naming a book, the language already chosen.
    void configure(const QString& book) {
        writeIni(QStringLiteral("Language"), QStringLiteral("Suomi"));
        writeIni(QStringLiteral("Database"), book);
    }

    // The program starts: the main window is loaded and shown.
    shell::frmMain& startUp() { return ui::Forms::show<shell::frmMain>(); }

    // How the modal windows of start-up are answered.
    QString languageButton = QStringLiteral("cSuomeksi");
    std::function<void(ui::Form&)> onSplash = [](ui::Form& f) { ui::Forms::unload(f); };
    std::function<void(ui::Form&)> onAbout;

    QStringList modalShown;  // names of the windows shown modally
    int quits = 0;
    QStringList opened;  // targets of ShellOpen
    TempDir tmp;
    QString app, home;

private:
    void answerModal(ui::Form& f) {
        const QString name = f.objectName();
        modalShown << name;
        auto click = [&f](const QString& button) {
            auto* b = f.findChild<QAbstractButton*>(button);
            ASSERT_NE(b, nullptr) << button.toStdString();
            b->click();
        };
        if (name == QLatin1String("frmSplash")) {
            onSplash(f);
        } else if (name == QLatin1String("frmKielenValinta")) {
            click(languageButton);
        } else if (name == QLatin1String("frmDBHuomautus")) {
            click(QStringLiteral("cJatka"));
        } else if (name == QLatin1String("frmAboutVaskiro") && onAbout) {
            onAbout(f);
        } else {
            ADD_FAILURE() << "unexpected modal window " << name.toStdString();
            f.hide();
        }
    }

    QByteArray oldHome_, oldConfig_;
    bool hadConfig_ = false;
};

}  // namespace kvtest
