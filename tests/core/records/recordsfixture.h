#pragma once

// Books and helpers for the tests of the ledger records.

#include "core/bookfixture.h"
#include "core/dbc.h"
#include "core/records/recordsupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace kvtest {

class RecordsTest : public ::testing::Test {
protected:
    // Errors of saves on release, as the error sink received them.
    struct Reported {
        QString what;
        int number;
    };
    std::vector<Reported> reported;
    TempDir dir;

    void SetUp() override {
        core::resetGlobals();
        core::DBCon().SuljeDB();
        previous_ = core::setReleaseErrorHandler(
            [this](const QString& what, const dao::DaoError& e) { reported.push_back({what, e.number()}); });
    }
    void TearDown() override {
        core::setReleaseErrorHandler(previous_);
        core::DBCon().SuljeDB();
    }

    // A current-layout book, named by DatabasePath from now on.
    QString book(const QString& script = QString(), const QString& name = QStringLiteral("kirja.mdb")) {
        return makeCurrentBook(dir, script, name);
    }
    dao::Database db() { return core::DBCon().AvaaDB(); }
    long count(const QString& sql, const dao::Params& params = {}) {
        return long(db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params).value(0).toLong());
    }
    dao::Recordset row(const QString& sql, const dao::Params& params = {}) {
        dao::Recordset rs = db().OpenRecordset(sql, dao::RecordsetType::Snapshot, params);
        EXPECT_FALSE(rs.isEOF()) << sql.toStdString();
        return rs;
    }
    // Rows written directly; each returns its key.
    long addVoucher(long numero, const dao::Date& pvm, const QString& selite, bool avaus = false, bool paatos = false,
                    bool automaatti = false) {
        db().Execute("INSERT INTO to (toNumero, toPvm, toSelite, toAvaustosite, toPaatostosite, toAutomaatti) "
                     "VALUES (?, ?, ?, ?, ?, ?)",
                     {numero, pvm, selite, avaus, paatos, automaatti});
        return count("SELECT MAX(toID) FROM to");
    }
    long addEntry(long toID, long tlID, const QString& side, dao::Currency arvo, bool avaus = false) {
        db().Execute("INSERT INTO vi (vitoID, vitlID, vikpID, viTyyppi, viArvo, viSelite, viAvausvienti, "
                     "viPaatosvienti, viAutomaatti) VALUES (?, ?, 0, ?, ?, 'x', ?, False, False)",
                     {toID, tlID, side, arvo, avaus});
        return count("SELECT MAX(viID) FROM vi");
    }
    static dao::Currency eur(long units) { return dao::Currency::fromUnits(units); }
    static dao::Date day(int m, int d) { return dao::Date::fromYmd(2031, m, d); }

private:
    core::ReleaseErrorHandler previous_;
};

// The DAO error number a call raises; 0 when it raises none.
template <class F>
int errorOf(F f) {
    try {
        f();
    } catch (const dao::DaoError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace kvtest
