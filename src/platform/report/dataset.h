#pragma once

// The records a report reads, held compactly for its layout: each cell in
// eight bytes and its kind, each text once.

#include "platform/dao/currency.h"
#include "platform/dao/date.h"
#include "platform/report/value.h"

#include <QHash>
#include <QString>
#include <bit>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace report::detail {

struct Column {
    QString table, field;
};

// The records read, row by row, each cell packed into its kind and eight
// bytes; a text is kept once in a pool and named by its place there. A
// ledger repeats its account names, voucher dates and texts on line after
// line, and a long one reads hundreds of thousands of rows.
class DataSet {
public:
    std::vector<Column> columns;
    int rows = 0;

    // Appends the next cell of the row being read (columns in order).
    void add(const Value& v) {
        const size_t col = kinds_.size() % columns.size();
        if (known_.size() != columns.size()) {
            known_.resize(columns.size());
            lastText_.assign(columns.size(), kNoText);
        }
        std::int64_t bits = 0;
        switch (v.kind()) {
        case Value::Kind::Null: break;
        case Value::Kind::Bool: bits = v.toBool() ? 1 : 0; break;
        case Value::Kind::Int: bits = v.toLong(); break;
        case Value::Kind::Double: bits = std::bit_cast<std::int64_t>(v.toDouble()); break;
        case Value::Kind::Currency: bits = v.toCurrency().raw(); break;
        case Value::Kind::Date: bits = std::bit_cast<std::int64_t>(v.toDate()); break;
        case Value::Kind::Text: bits = textIndex(col, v.toString()); break;
        }
        kinds_.push_back(std::uint8_t(v.kind()));
        bits_.push_back(bits);
    }
    Value at(int row, int col) const {
        const size_t i = size_t(row) * columns.size() + size_t(col);
        const std::int64_t b = bits_[i];
        switch (Value::Kind(kinds_[i])) {
        case Value::Kind::Null: return Value();
        case Value::Kind::Bool: return Value(b != 0);
        case Value::Kind::Int: return Value(b);
        case Value::Kind::Double: return Value(std::bit_cast<double>(b));
        case Value::Kind::Currency: return Value(dao::Currency::fromRaw(b));
        case Value::Kind::Date: return Value(std::bit_cast<dao::Date>(b));
        case Value::Kind::Text: return Value(texts_[size_t(b)]);
        }
        return Value();
    }

private:
    static_assert(sizeof(dao::Date) == sizeof(std::int64_t) && std::is_trivially_copyable_v<dao::Date>);
    static constexpr std::int64_t kNoText = -1;
    // Texts looked up for sharing per column; past this many different ones
    // a column's texts are mostly its own (explanations of entries) and only
    // the row before is compared.
    static constexpr int kSharedTextsPerColumn = 1 << 14;

    std::int64_t textIndex(size_t col, const QString& text) {
        const std::int64_t last = lastText_[col];
        if (last != kNoText && texts_[size_t(last)] == text) return last;
        auto& known = known_[col];
        if (auto it = known.constFind(text); it != known.constEnd()) return lastText_[col] = *it;
        const std::int64_t index = std::int64_t(texts_.size());
        texts_.push_back(text);
        if (known.size() < kSharedTextsPerColumn) known.insert(text, index);
        return lastText_[col] = index;
    }

    std::vector<std::uint8_t> kinds_;
    std::vector<std::int64_t> bits_;
    std::vector<QString> texts_;
    std::vector<QHash<QString, std::int64_t>> known_;
    std::vector<std::int64_t> lastText_;
};

}  // namespace report::detail
