// The account list in each of its orders, and the cost-centre list.

#include "core/records/lists.h"
#include "recordsfixture.h"

using namespace core;

namespace {

class ListsTest : public kvtest::RecordsTest {
protected:
    // A row of `tl` or `kp`; a number of -1 is stored as Null.
    // The columns are named by the table: tlNumero, kpNumero.
    long addRow(const QString& table, long numero, const QString& nimi) {
        db().Execute("INSERT INTO " + table + " (" + table + "Numero, " + table + "Nimi) VALUES (?, ?)",
                     {numero < 0 ? dao::Variant() : dao::Variant(numero), nimi});
        return count("SELECT MAX(" + table + "ID) FROM " + table);
    }
    static std::vector<long> ids(const std::vector<ListLine>& lines) {
        std::vector<long> out;
        for (const ListLine& l : lines) out.push_back(l.id);
        return out;
    }
};

TEST_F(ListsTest, EachAccountOrderPlacesAccountsOfOneNumberItsOwnWay) {
    book();
    const long jasen = addRow("tl", 3000, "Jäsenmaksut");
    const long pankki = addRow("tl", 1910, "Pankki");
    const long uusi = addRow("tl", 3000, " ");  // a new account not yet named
    const long kassa = addRow("tl", 1000, "Kassa");
    const long eiNumeroa = addRow("tl", -1, "Ilman numeroa");
    const long avustus = addRow("tl", 3000, "avustukset");  // names compare without case

    const struct {
        AccountOrder order;
        std::vector<long> expected;
    } cases[] = {
        {AccountOrder::ByNumberThenName, {eiNumeroa, kassa, pankki, uusi, avustus, jasen}},
        {AccountOrder::ByNumberThenId, {eiNumeroa, kassa, pankki, jasen, uusi, avustus}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.order));
        EXPECT_EQ(ids(AccountList(c.order)), c.expected);
        // A data control walking the rows meets them in the same order.
        std::vector<long> walked;
        dao::Recordset rs = db().OpenRecordset(AccountListSource(c.order), dao::RecordsetType::Dynaset);
        for (; !rs.isEOF(); rs.MoveNext()) walked.push_back(rs.value("tlID").toLong());
        EXPECT_EQ(walked, c.expected);
    }

    // By number alone: the numbers rise; those of one number in any order.
    std::vector<long> numbers;
    for (const ListLine& l : AccountList(AccountOrder::ByNumber)) numbers.push_back(l.number.value_or(-1));
    EXPECT_EQ(numbers, (std::vector<long>{-1, 1000, 1910, 3000, 3000, 3000}));

    const ListLine first = AccountList(AccountOrder::ByNumber).front();
    EXPECT_FALSE(first.number.has_value());
    EXPECT_EQ(first.text(), "0 Ilman numeroa");
    EXPECT_EQ(first.text(ListLine::MissingNumber::Blank), " Ilman numeroa");
}

TEST_F(ListsTest, CostCentresComeByNumberWithTheirNames) {
    book();
    const long b = addRow("kp", 20, "Nuoriso");
    const long a = addRow("kp", 3, "Hallinto");
    const long c = addRow("kp", 100, "");
    const std::vector<ListLine> lines = CostCentreList();
    EXPECT_EQ(ids(lines), (std::vector<long>{a, b, c}));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text(), "3 Hallinto");
    EXPECT_EQ(lines[2].text(), "100 ");
}

}  // namespace
