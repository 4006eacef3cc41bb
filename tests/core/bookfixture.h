#pragma once

// Books for tests: the base tables of a template, brought to the current
// layout, with rows written in a compact text form inside the test.

#include "core/globals.h"
#include "core/schema.h"
#include "core/sqlscript.h"
#include "platform/dao/database.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace kvtest {

inline QString baseSchemaPath() { return QDir(sourceDir()).filePath(QStringLiteral("data/schema/base.sql")); }

// A book of the nine base tables only (an older layout), closed.
inline QString makeBaseBook(const TempDir& dir, const QString& name = QStringLiteral("kirja.mdb")) {
    const QString path = dir.file(name);
    dao::Database db = dao::DBEngine::CreateDatabase(path);
    core::runSqlFile(db, baseSchemaPath());
    db.Close();
    return path;
}

// A book of the current layout, optionally with statements run on it;
// DatabasePath names it and the financial year is 2031.
inline QString makeCurrentBook(const TempDir& dir, const QString& script = QString(),
                               const QString& name = QStringLiteral("kirja.mdb")) {
    const QString path = makeBaseBook(dir, name);
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    core::UpdateDatabase(db);
    if (!script.isEmpty()) core::runSqlScript(db, script);
    db.Close();
    core::DatabasePath = path;
    core::TilikausiAlku = dao::Date::fromYmd(2031, 1, 1);
    core::TilikausiLoppu = dao::Date::fromYmd(2031, 12, 31);
    core::EdTilikausiAlku = dao::Date::fromYmd(2030, 1, 1);
    core::EdTilikausiLoppu = dao::Date::fromYmd(2030, 12, 31);
    return path;
}

// Damage that the engine finds when it opens the book and that the integrity
// check names, while every row can still be read: rows written and the
// pages they took left out of the free list.
inline void damageBook(const QString& path) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h,
                           "CREATE TABLE roska (x TEXT); "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                           "INSERT INTO roska SELECT printf('%0500d', i) FROM n; DROP TABLE roska;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(32);
    f.write(QByteArray(8, '\0'));  // first free-list page and count
}

// Runs sql on the closed book at path with the engine's own calls, its
// definitions writable: what another program may have left in a book.
inline void runOnBook(const QString& path, const QByteArray& sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &h), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(h, "PRAGMA writable_schema=ON; " + sql, nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(h);
}

// A trigger that empties the entries of every voucher but the one just saved.
// The engine's defences behind the check of a book's layout (the bounds of
// its work, its limits, a trigger refused): the tests of what it does with
// a book the program did not make turn the check off while this lives.
class WithoutLayoutCheck {
public:
    WithoutLayoutCheck() : saved_(dao::DBEngine::bookLayout()) { dao::DBEngine::setBookLayout(nullptr); }
    ~WithoutLayoutCheck() { dao::DBEngine::setBookLayout(saved_); }
    WithoutLayoutCheck(const WithoutLayoutCheck&) = delete;
    WithoutLayoutCheck& operator=(const WithoutLayoutCheck&) = delete;

private:
    std::shared_ptr<const dao::BookLayout> saved_;
};

// What the start says of a book refused for its layout: foreign, its
// definitions one to a line, followed by the book's path.
inline QString foreignLayoutText(const QStringList& definitions) {
    return QStringLiteral("Tietokannassa on määrityksiä, joita Kolvio VEV ei tee, joten sitä ei otettu käyttöön:\r\n") +
           definitions.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n\r\nTietokanta ja sen vieressä olevat tiedostot jätettiin ennalleen:\r\n");
}

inline void addEntryTrigger(const QString& path) {
    runOnBook(path, "CREATE TRIGGER vienti_poisto AFTER INSERT ON vi BEGIN DELETE FROM vi WHERE viID <> NEW.viID; END");
}

// Where a book from anyone can have work made for each row.
enum class HeavyWork { Check, Index };

// A table kuorma of rows 1..rows whose check or index expression compares
// each row's value branches times (an engine step each), the book still
// whole; and then a table tayte of filler bytes, the last pages of the
// file. The rows and the index are written before the expression becomes
// the heavy one, which gives the same values.
inline void addHeavyWork(const QString& path, HeavyWork where, int branches, int rows, int filler = 8192) {
    QByteArray heavy = "CASE x";
    for (int i = 0; i < branches; ++i) heavy += " WHEN -1 THEN 0";
    heavy += " ELSE x END";
    const QByteArray definition = where == HeavyWork::Check
                                      ? "CREATE TABLE kuorma (x INTEGER CHECK (" + heavy + "))"
                                      : "CREATE INDEX kuorma_x ON kuorma ((" + heavy + "))";
    runOnBook(path, "CREATE TABLE kuorma (x INTEGER); "
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                        QByteArray::number(rows) +
                        ") INSERT INTO kuorma SELECT i FROM n; "
                        "CREATE INDEX kuorma_x ON kuorma ((x + 0)); UPDATE sqlite_master SET sql = '" +
                        definition + "' WHERE name = '" + (where == HeavyWork::Check ? "kuorma" : "kuorma_x") +
                        "'; CREATE TABLE tayte (t BLOB); INSERT INTO tayte VALUES (zeroblob(" +
                        QByteArray::number(filler) + "));");
}

}  // namespace kvtest
