// The statement run's store of entries: each entry takes its voucher's date,
// opening mark and automatic flag from the vouchers read once per family,
// whatever the vouchers' keys look like, and an entry without its voucher
// counts nowhere, also when its voucher was an automatic booking deleted
// during the step.

#include "statementfixture.h"
#include "statements/detail.h"
#include "statements/vientisummat.h"

#include <cmath>

using namespace kvtest;
using namespace statements::detail;

namespace {

class Vientisummat : public StatementTest {
protected:
    dao::Currency sum(const Family& f, long tili, int year = 2031) {
        dao::Database d = db();
        return SummaaSaldopuolelle(d, f, {tili}, dao::Date::fromYmd(year, 1, 1), dao::Date::fromYmd(year, 12, 31), 0,
                                   QStringLiteral("D"));
    }
    // A voucher of the given key and date (M/d/yyyy) with one entry "tlID D|K amount".
    void keyed(const Family& f, long id, const QString& date, const QString& entry, bool automatic = false) {
        const QStringList e = entry.split(QLatin1Char(' '));
        exec(QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5) VALUES (%6, #%7#, False, %8)")
                 .arg(QLatin1String(f.vouchers), QLatin1String(f.voucherKey), QLatin1String(f.date),
                      QLatin1String(f.opening), QLatin1String(f.voucherAutomatic))
                 .arg(id)
                 .arg(date, automatic ? QStringLiteral("True") : QStringLiteral("False")));
        // One entry per voucher: the voucher's key serves the entry too.
        exec(QStringLiteral("INSERT INTO %1 (%1ID, %2, %3, %4, %5) VALUES (%6, %6, %7, '%8', %9)")
                 .arg(QLatin1String(f.entries), QLatin1String(f.entryVoucher), QLatin1String(f.account),
                      QLatin1String(f.type), QLatin1String(f.amount))
                 .arg(id)
                 .arg(e[0], e[1], e[2]));
    }
};

TEST_F(Vientisummat, EveryEntryFindsItsVoucherWhateverItsKeys) {
    makeBook();
    struct Case {
        const char* what;
        const Family& family;
        std::vector<long> ids;  // in the order written
        int year;
    };
    const Case cases[] = {
        {"keys in a row", kLedger, {3001, 3002, 3003, 3004}, 2031},
        {"keys far apart", kLedger, {5, 40000000, 40000001, 900000000}, 2031},
        {"keys written out of order", kLedgerPrev, {7003, 7001, 7004, 7002}, 2030},
        {"keys far apart and out of order", kLedgerPrev, {600000000, 9, 300000, 10}, 2030},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(c.family.entries)));
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(c.family.vouchers)));
        // 1, 10, 100 and 1000 on account 44, of which the third lies in the year before.
        for (size_t i = 0; i < c.ids.size(); ++i)
            keyed(c.family, c.ids[i], QStringLiteral("6/1/%1").arg(i == 2 ? c.year - 1 : c.year),
                  QStringLiteral("44 D %1").arg(qint64(std::pow(10, i))));
        // An entry whose voucher is missing.
        keyed(c.family, 123456, QStringLiteral("6/1/%1").arg(c.year), QStringLiteral("44 D 5000"));
        exec(QStringLiteral("DELETE FROM %1 WHERE %2 = 123456")
                 .arg(QLatin1String(c.family.vouchers), QLatin1String(c.family.voucherKey)));
        EXPECT_EQ(sum(c.family, 44, c.year), eur("1011"));
    }
}

// An automatic voucher deleted during a step takes its entries with it, also
// one that is no automatic entry itself and whose account is read only
// after the deletion.
TEST_F(Vientisummat, AnEntryOfADeletedAutomaticVoucherCountsNowhere) {
    makeBook();
    keyed(kLedger, 4001, QStringLiteral("3/1/2031"), QStringLiteral("44 D 1"));
    keyed(kLedger, 4002, QStringLiteral("3/2/2031"), QStringLiteral("45 D 10"), true);
    dao::Database d = db();
    {
        statements::detail::Vientisummat::Vaihe vaihe(d);
        EXPECT_EQ(sum(kLedger, 44), eur("1"));  // reads the vouchers
        statements::PoistaAutomaattikirjaukset(d);
        EXPECT_EQ(sum(kLedger, 45), eur("0"));
    }
    EXPECT_EQ(sum(kLedger, 45), eur("0"));
}

}  // namespace
