#pragma once

// Backup, restore and service tests: a program folder and a HOME of the
// test's own, a book in the temporary folder, a memory stick that is a
// folder (through the drive-list hook), a fixed date for the day folders,
// scripted dialogs, and the program's immediate end counted instead of done.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "maintenance/backupstick.h"
#include "platform/dao/database.h"
#include "platform/fso/drives.h"
#include "platform/ini/inifile.h"
#include "platform/sys/apppath.h"
#include "platform/ui/forms.h"
#include "support/dialogs.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace kvtest {

class MaintenanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = tmp.file(QStringLiteral("ohjelma"));
        home = tmp.file(QStringLiteral("koti"));
        stickRoot = tmp.file(QStringLiteral("media/DURARADERA"));
        for (const QString& d : {app, home, stickRoot}) ASSERT_TRUE(QDir().mkpath(d));
        oldHome_ = qgetenv("HOME");
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        sys::SetAppPath(app);
        ini::cIniFile::ClearCache();
        core::resetGlobals();
        core::SetTranslator(nullptr);
        core::InstallWindowHooks();
        ui::Forms::setModalTimeout(15000);

        stick.rootPath = stickRoot;
        stick.device = QStringLiteral("/dev/sdz1");
        stick.volumeName = QStringLiteral("DURARADERA");
        stick.isReady = true;
        stick.isRemovable = true;
        stick.freeSpace = qint64(1) << 30;
        fso::SetDriveListHook([this] { return drives(); });
        maintenance::SetTodayHook([this] { return today; });
        maintenance::SetEndProgramHook([this] { ++programEnds; });
    }

    void TearDown() override {
        ui::Forms::destroyAll();
        core::DBCon().SuljeDB();
        ui::Forms::setModalHook(nullptr);
        ui::Forms::setLoadHook(nullptr);
        ui::Forms::setUnloadHook(nullptr);
        fso::SetDriveListHook(nullptr);
        maintenance::SetTodayHook(nullptr);
        maintenance::SetEndProgramHook(nullptr);
        sys::SetAppPath(QString());
        ini::cIniFile::ClearCache();
        qputenv("HOME", oldHome_);
        if (hadConfig_)
            qputenv("XDG_CONFIG_HOME", oldConfig_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    // The drives the program sees: a system disk, then the stick.
    virtual QList<fso::Drive> drives() {
        fso::Drive system;
        system.rootPath = QStringLiteral("/");
        system.volumeName = QStringLiteral("DURARADERA");  // not removable: never the stick
        system.isReady = true;
        system.freeSpace = qint64(1) << 40;
        return {system, stick};
    }

    // A book whose one account is named account; DatabasePath names it.
    QString makeBook(const QString& account, const QString& name = QStringLiteral("kirja.mdb")) {
        return makeCurrentBook(tmp, QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (1910, '%1', ' ');\n")
                                        .arg(account),
                               name);
    }

    // Rows written and deleted again: room that a compaction gives back.
    static void addSlack(const QString& path) {
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        db.BeginTrans();
        for (int i = 0; i < 400; ++i)
            db.Execute(QStringLiteral("INSERT INTO tl (tlNumero, tlNimi, tlKuvaus) VALUES (?, 'x', ?)"),
                       {dao::Variant(5000 + i), dao::Variant(QString(250, QLatin1Char('y')))});
        db.CommitTrans();
        db.Execute(QStringLiteral("DELETE FROM tl WHERE tlNumero >= 5000"));
        db.Close();
    }

    // The hidden files of a folder: work files that an interrupted command left.
    static QStringList hiddenFiles(const QString& folder) {
        return QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    }

    // The name of the book's account 1910; "" when the file is no book.
    static QString accountOf(const QString& path) {
        try {
            dao::Database db = dao::DBEngine::OpenDatabase(path, true);
            dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlNimi FROM tl WHERE tlNumero = 1910"));
            const QString name = rs.isEOF() ? QString() : rs.value(0).toString();
            rs.Close();
            db.Close();
            return name;
        } catch (...) {
            return QString();
        }
    }

    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }

    QString readIni(const QString& key) {
        ini::cIniFile f;
        f.FileName(QDir(app).filePath(QStringLiteral("vevaravo.ini")));
        f.Section(QStringLiteral("KOLVIO"));
        return f.Read(key, QStringLiteral("<none>"));
    }

    QString documents() const { return QDir(home).filePath(QStringLiteral("Documents")); }
    QString titleFolderOnStick() const { return QDir(stickRoot).filePath(QStringLiteral("Kolvio VEV")); }

    TempDir tmp;
    QString app, home, stickRoot;
    fso::Drive stick;
    QDate today = QDate(2031, 3, 15);
    int programEnds = 0;
    ScriptedDialogs dialogs;

private:
    QByteArray oldHome_, oldConfig_;
    bool hadConfig_ = false;
};

}  // namespace kvtest
