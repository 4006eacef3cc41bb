#pragma once

// The shell's test set-up (a program folder and a HOME of the test's own)
// with the template books of the build in the program folder's "mallit",
// the database commands registered, and the end of the program counted
// instead of carried out.

#include "core/settings.h"
#include "platform/dao/database.h"
#include "platform/fso/fso.h"
#include "platform/sys/folders.h"
#include "shell/database/databasecommands.h"
#include "shell/database/newdatabase.h"
#include "shell/shellfixture.h"

#include <QDir>
#include <QFile>

namespace kvtest {

class DatabaseCommandTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const QDir built(QDir(builtAppDir()).filePath(QStringLiteral("mallit")));
        ASSERT_TRUE(QDir(app).mkpath(QStringLiteral("mallit")));
        for (const QString& name : built.entryList({QStringLiteral("*.mdb")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(built.filePath(name), templatePath(name)));
        shell::RegisterDatabaseCommands();
        shell::SetProgramEndHandler([this] { ++ends; });
    }
    void TearDown() override {
        shell::SetProgramEndHandler(nullptr);
        dao::DBEngine::setBusyTimeoutMs(5000);
        ShellTest::TearDown();
    }

    QString templatePath(const QString& name) const { return QDir(app).filePath(QStringLiteral("mallit/") + name); }
    // Where new books go: <documents>/Kolvio VEV.
    QString booksFolder() const {
        return fso::BuildPath(sys::GetSpecialFolder(sys::kSpecialFolderPersonal), QStringLiteral("Kolvio VEV"));
    }
    QString newBook(const QString& name) const { return fso::BuildPath(booksFolder(), name); }

    // One value of a book, read with a connection of its own.
    static dao::Variant scalar(const QString& path, const QString& sql, const dao::Params& params = {}) {
        dao::Database db = dao::DBEngine::OpenDatabase(path);
        dao::Recordset rs = db.OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        const dao::Variant v = rs.isEOF() ? dao::Variant() : rs.value(0);
        rs.Close();
        db.Close();
        return v;
    }
    static long count(const QString& path, const QString& table) {
        return long(scalar(path, QStringLiteral("SELECT COUNT(*) FROM ") + table).toLong());
    }

    int ends = 0;
};

}  // namespace kvtest
