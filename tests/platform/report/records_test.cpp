// The records a report reads: their order by the sort keys, and the store
// that keeps them in that order.

#include "platform/report/dataset.h"
#include "platform/report/sortkey.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

using report::Value;
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

TEST(DataSet, KeepsTheRowsNamedInTheirOrder) {
    DataSet data;
    data.columns = {{QStringLiteral("t"), QStringLiteral("n")},
                    {QStringLiteral("t"), QStringLiteral("name")},
                    {QStringLiteral("t"), QStringLiteral("amount")}};
    const int rows = 9000;  // more than one block of rows
    for (int r = 0; r < rows; ++r) {
        data.add(Value(r));
        // Texts shared between rows, and some of each row's own.
        if (r % 3 == 0) data.add(Value(QStringLiteral("oma %1").arg(r)));
        else data.addText(QUtf8StringView(r % 2 ? "Pankki" : "Käteisvarat"));
        data.add(r % 5 ? euros(r) : Value());
        ++data.rows;
    }
    auto row = [](const DataSet& d, int r) {
        return std::vector<Value>{d.at(r, 0), d.at(r, 1), d.at(r, 2)};
    };
    std::vector<std::vector<Value>> before;
    for (int r = 0; r < rows; ++r) before.push_back(row(data, r));
    // Every third row dropped, the rest in an order of their own.
    std::vector<int> order;
    for (int r = rows - 1; r >= 0; --r)
        if (r % 3 != 1) order.push_back(r);
    std::rotate(order.begin(), order.begin() + 1000, order.end());
    data.keepRows(order);
    ASSERT_EQ(data.rows, int(order.size()));
    for (size_t i = 0; i < order.size(); ++i) {
        const std::vector<Value> now = row(data, int(i)), was = before[size_t(order[i])];
        for (size_t c = 0; c < now.size(); ++c)
            ASSERT_TRUE(now[c].kind() == was[c].kind() && now[c].debugString() == was[c].debugString())
                << "row " << i << " column " << c << ": " << now[c].debugString().toStdString() << " for "
                << was[c].debugString().toStdString();
    }
}

}  // namespace
