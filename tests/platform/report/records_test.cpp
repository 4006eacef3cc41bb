// The records a report reads: their order by the sort keys, and the store
// that keeps them in that order.

#include "platform/report/dataset.h"
#include "platform/report/sortkey.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>

using report::Value;
using report::detail::Column;
using report::detail::DataSet;
using report::detail::SortKey;

namespace {

Value text(const char* s) { return Value(QString::fromUtf8(s)); }
Value euros(std::int64_t units) { return Value(dao::Currency::fromUnits(units)); }
Value day(int d) { return Value(dao::Date::fromYmd(2031, 1, d)); }

// The order every key must give: texts in Finnish order without regard to
// case, anything else as the values compare, Null first.
int expected(const Value& a, const Value& b) {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Finnish, QLocale::Finland)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int c = a.isText() && b.isText() ? collator.compare(a.toString(), b.toString()) : report::val::sortCompare(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

TEST(SortKey, OrdersAndGroupsAsTheValuesCompare) {
    const struct {
        const char* what;
        std::vector<Value> values;
    } cases[] = {
        {"whole numbers", {Value(3), Value(), Value(-7), Value(3), Value(1LL << 40), Value()}},
        {"amounts", {euros(5), euros(-5), Value(), euros(0), euros(5)}},
        {"dates", {day(9), day(1), Value(), day(9), day(3)}},
        {"texts", {text("öljy"), text("Aita"), text("äiti"), text("aita"), Value(), text("Zeta"), text("åbo"), text("b"),
                   text("B")}},
        {"kinds mixed", {text("b"), Value(2), Value(), text("A"), euros(1), Value(1), text("a"), day(2), Value(2.5)}},
    };
    for (const auto& c : cases) {
        for (const bool descending : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (descending ? ", descending" : ""));
            const SortKey key = SortKey::of(c.values, descending);
            const size_t n = c.values.size();
            for (size_t a = 0; a < n; ++a)
                for (size_t b = 0; b < n; ++b) {
                    const int want = descending ? -expected(c.values[a], c.values[b]) : expected(c.values[a], c.values[b]);
                    EXPECT_EQ(key.compare(a, b), want) << a << " against " << b;
                }
        }
    }
}

// Texts are equal where the Finnish order puts them together: every pair
// of printable ASCII characters, words that differ in spaces, marks or
// case, and letters beyond ASCII.
TEST(TextEquality, IsTheFinnishOrdersOwn) {
    std::vector<QString> texts;
    for (char16_t c = 0x20; c < 0x7F; ++c) texts.push_back(QString(QChar(c)));
    for (const char* s : {"ab", "a b", "a-b", "A-B", "a.b", "a'b", "D", "d", "Åbo", "åbo", "Abo", "aebo", "æbo", "a\u00ADb",
                          "e\u0301", "\u00E9", "É", ""})
        texts.push_back(QString::fromUtf8(s));
    for (const QString& a : texts)
        for (const QString& b : texts) {
            const auto same = report::val::equal(Value(a), Value(b));
            ASSERT_TRUE(same.has_value());
            EXPECT_EQ(*same, expected(Value(a), Value(b)) == 0) << a.toStdString() << " against " << b.toStdString();
        }
    EXPECT_FALSE(report::val::equal(Value(), text("a")).has_value());
    EXPECT_FALSE(report::val::equal(text("a"), Value()).has_value());
}

// The rows read in parts, side by side, and appended in order are the rows
// read as one; either way the rows kept afterwards are the rows named.
TEST(DataSet, KeepsTheRowsNamedInTheirOrder) {
    const std::vector<Column> columns = {{QStringLiteral("t"), QStringLiteral("n")},
                                         {QStringLiteral("t"), QStringLiteral("name")},
                                         {QStringLiteral("t"), QStringLiteral("amount")}};
    const int rows = 9000;  // more than one block of rows
    auto add = [&](DataSet& d, int r) {
        d.columns = columns;
        d.add(Value(r));
        // Texts shared between rows, and some of each row's own.
        if (r % 3 == 0) d.add(Value(QStringLiteral("oma %1").arg(r)));
        else d.addText(QUtf8StringView(r % 2 ? "Pankki" : "Käteisvarat"));
        d.add(r % 5 ? euros(r) : Value());
        ++d.rows;
    };
    auto row = [](const DataSet& d, int r) {
        QStringList cells;
        for (int c = 0; c < 3; ++c) cells << d.at(r, c).debugString();
        return cells.join(QLatin1Char('|')).toStdString();
    };
    std::vector<std::string> expected;
    DataSet one;
    for (int r = 0; r < rows; ++r) add(one, r);
    for (int r = 0; r < rows; ++r) expected.push_back(row(one, r));
    // Every third row dropped, the rest in an order of their own.
    std::vector<int> order;
    for (int r = rows - 1; r >= 0; --r)
        if (r % 3 != 1) order.push_back(r);
    std::rotate(order.begin(), order.begin() + 1000, order.end());

    // Where the parts begin: one part; parts that end inside a block, an
    // empty one among them.
    for (const std::vector<int>& starts : {std::vector<int>{0}, std::vector<int>{0, 1, 4097, 4097, 6000}}) {
        SCOPED_TRACE(starts.size());
        DataSet data;
        std::vector<DataSet> parts(starts.size() - 1);
        for (int r = 0; r < rows; ++r) {
            const auto part = std::upper_bound(starts.begin(), starts.end(), r) - starts.begin() - 1;
            add(part == 0 ? data : parts[size_t(part - 1)], r);
        }
        data.append(parts);
        ASSERT_EQ(data.rows, rows);
        for (int r = 0; r < rows; ++r) ASSERT_EQ(row(data, r), expected[size_t(r)]) << "row " << r;
        data.keepRows(order);
        ASSERT_EQ(data.rows, int(order.size()));
        for (size_t i = 0; i < order.size(); ++i) ASSERT_EQ(row(data, int(i)), expected[size_t(order[i])]) << "row " << i;
    }
}

}  // namespace
