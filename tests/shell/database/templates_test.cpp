// The six template books the build puts into the program folder's "mallit":
// each takes the schema upgrade and holds a chart of accounts with an
// income-statement and a balance-sheet model that fit together.

#include "core/nz.h"
#include "core/schema.h"
#include "platform/dao/database.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Row {
    long model = 0;
    QString side;
    QList<long> accounts;
    long parent = 0;
    QList<long> formula;
    bool turnover = false;
    bool profit = false;
};

// "12,15," or "+3,-7," as numbers.
QList<long> numbers(const QString& list) {
    QList<long> out;
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!part.trimmed().isEmpty()) out << part.trimmed().toLong();
    return out;
}

class TemplateBookTest : public ::testing::TestWithParam<const char*> {};

TEST_P(TemplateBookTest, UpgradesAndHoldsAChartWithTwoConsistentModels) {
    const QString name = QString::fromLatin1(GetParam());
    const QString built = QDir(kvtest::builtAppDir()).filePath(QStringLiteral("mallit/") + name);
    kvtest::TempDir dir;
    const QString path = dir.file(name);
    ASSERT_TRUE(QFile::copy(built, path)) << built.toStdString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    dao::Database db = dao::DBEngine::OpenDatabase(path);
    ASSERT_NO_THROW(core::UpdateDatabase(db));
    EXPECT_TRUE(core::TableExists(db, QStringLiteral("Settings")));

    QHash<long, long> numberOf;  // account key -> number
    for (auto rs = db.OpenRecordset(QStringLiteral("SELECT tlID, tlNumero FROM tl"), dao::RecordsetType::Snapshot);
         !rs.isEOF(); rs.MoveNext())
        numberOf.insert(core::NzLong(rs.value(0), 0), core::NzLong(rs.value(1), 0));
    EXPECT_GT(numberOf.size(), 30);

    // Two models: an income statement (1) and a balance sheet (2).
    QHash<long, int> typeOf;
    for (auto rs = db.OpenRecordset(QStringLiteral("SELECT maID, maTyyppi FROM ma"), dao::RecordsetType::Snapshot);
         !rs.isEOF(); rs.MoveNext())
        typeOf.insert(core::NzLong(rs.value(0), 0), int(core::NzLong(rs.value(1), 0)));
    ASSERT_EQ(typeOf.size(), 2);
    EXPECT_EQ(QSet<int>(typeOf.cbegin(), typeOf.cend()), QSet<int>({1, 2}));

    QHash<long, Row> rows;
    for (auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM mr"), dao::RecordsetType::Snapshot); !rs.isEOF();
         rs.MoveNext()) {
        Row r;
        r.model = core::NzLong(rs.value(QStringLiteral("mrmaID")), 0);
        r.side = core::NzString(rs.value(QStringLiteral("mrSaldoPuoli")), QString());
        r.accounts = numbers(core::NzString(rs.value(QStringLiteral("mrTilit")), QString()));
        r.parent = core::NzLong(rs.value(QStringLiteral("mrBelongsToGroup")), 0);
        r.formula = numbers(core::NzString(rs.value(QStringLiteral("mrKaava")), QString()));
        r.turnover = core::NzBoolean(rs.value(QStringLiteral("mrIsLiikevaihto")), false);
        r.profit = core::NzBoolean(rs.value(QStringLiteral("mrIsVoitto")), false);
        rows.insert(core::NzLong(rs.value(QStringLiteral("mrID")), 0), r);
    }
    db.Close();

    QHash<long, int> leaves;  // account key -> leaves naming it
    int turnoverRows = 0, profitRows = 0;
    QSet<QString> balanceSides;
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        const Row& r = it.value();
        SCOPED_TRACE("row " + std::to_string(it.key()));
        ASSERT_TRUE(typeOf.contains(r.model));
        const int type = typeOf.value(r.model);
        // Parents and formula terms are rows of the same model.
        if (r.parent != 0) {
            ASSERT_TRUE(rows.contains(r.parent));
            EXPECT_EQ(rows.value(r.parent).model, r.model);
        }
        for (long term : r.formula) EXPECT_EQ(rows.value(std::labs(term)).model, r.model) << term;
        // Balance-sheet accounts (below 3000) in the balance sheet, the others
        // in the income statement.
        for (long account : r.accounts) {
            ASSERT_TRUE(numberOf.contains(account)) << account;
            ++leaves[account];
            EXPECT_EQ(type == 2, numberOf.value(account) < 3000) << numberOf.value(account);
        }
        // The income statement sums on the credit side; a balance-sheet row
        // is on the side of its top group.
        long top = it.key();
        while (rows.value(top).parent != 0) top = rows.value(top).parent;
        EXPECT_EQ(r.side, type == 1 ? QStringLiteral("K") : rows.value(top).side);
        if (type == 2 && r.parent == 0) balanceSides.insert(r.side);
        turnoverRows += r.turnover ? 1 : 0;
        if (r.profit) {
            ++profitRows;
            EXPECT_EQ(type, 1);
            ASSERT_FALSE(r.accounts.isEmpty());
            EXPECT_EQ(numberOf.value(r.accounts.first()), 9990);
        }
    }
    EXPECT_EQ(turnoverRows, 1);
    EXPECT_EQ(profitRows, 1);
    EXPECT_EQ(balanceSides, QSet<QString>({QStringLiteral("D"), QStringLiteral("K")}));
    // Every account is in exactly one leaf.
    for (auto it = numberOf.cbegin(); it != numberOf.cend(); ++it)
        EXPECT_EQ(leaves.value(it.key()), 1) << "account " << it.value();
}

INSTANTIATE_TEST_SUITE_P(Mallit, TemplateBookTest,
                         ::testing::Values("yleismalli.mdb", "svyleismalli.mdb", "talomalli.mdb", "kelovi.mdb",
                                           "varjola.mdb", "ruvis.mdb"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string n = info.param;
                             return n.substr(0, n.find('.'));
                         });

}  // namespace
