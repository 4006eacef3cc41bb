// The lists of the statement models: one type at a time, by name (the
// book's text order, equal names by key) or by key.

#include "core/records/modellist.h"
#include "recordsfixture.h"

using namespace core;

namespace {

class ModelListTest : public kvtest::RecordsTest {};

TEST_F(ModelListTest, EachTypeInTheOrderAsked) {
    book(QStringLiteral("INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (1, 'Tase B', 2, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (2, 'tulos', 1, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (3, 'Öljy', 1, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (4, NULL, 1, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (5, 'TULOS', 1, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (6, 'Outo', 3, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (7, 'Tase A', 2, False);\n"
                        "INSERT INTO ma (maID, maNimi, maTyyppi, maSuojattu) VALUES (8, 'Zeta', 1, False);\n"));
    struct Case {
        int type;
        ModelOrder order;
        const char* expected;  // "maID:maNimi", a Null name as <null>
    };
    const Case cases[] = {
        // Null first, equal names by key, Ö after Z.
        {kTuloslaskelma, ModelOrder::ByName, "4:<null> 2:tulos 5:TULOS 8:Zeta 3:Öljy"},
        {kTuloslaskelma, ModelOrder::ByKey, "2:tulos 3:Öljy 4:<null> 5:TULOS 8:Zeta"},
        {kTase, ModelOrder::ByName, "7:Tase A 1:Tase B"},
        {kTase, ModelOrder::ByKey, "1:Tase B 7:Tase A"},
        {4, ModelOrder::ByName, ""},
    };
    dao::Database d = db();
    for (const Case& c : cases) {
        QStringList shown;
        for (const ModelListEntry& m : ModelList(d, c.type, c.order))
            shown << QStringLiteral("%1:%2").arg(m.id).arg(m.nameIsNull ? QStringLiteral("<null>") : m.name);
        EXPECT_EQ(shown.join(u' '), QString::fromUtf8(c.expected)) << c.type << ' ' << int(c.order);
    }
}

}  // namespace
