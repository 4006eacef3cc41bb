#pragma once

// The records a report reads, held compactly for its layout: each cell in
// eight bytes and its kind, each text once.

#include "platform/dao/currency.h"
#include "platform/dao/date.h"
#include "platform/report/bulkmemory.h"
#include "platform/parallel/parallel.h"
#include "platform/report/value.h"

#include <QHash>
#include <QByteArray>
#include <QString>
#include <QUtf8StringView>
#include <algorithm>
#include <bit>
#include <iterator>
#include <memory>
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

    // A value other than a text as eight bytes, and back from its kind and
    // those bytes.
    static std::int64_t packed(const Value& v) {
        switch (v.kind()) {
        case Value::Kind::Null: return 0;
        case Value::Kind::Bool: return v.toBool() ? 1 : 0;
        case Value::Kind::Int: return v.toLong();
        case Value::Kind::Double: return std::bit_cast<std::int64_t>(v.toDouble());
        case Value::Kind::Currency: return v.toCurrency().raw();
        case Value::Kind::Date: return std::bit_cast<std::int64_t>(v.toDate());
        case Value::Kind::Text: break;
        }
        return 0;
    }
    static Value unpacked(Value::Kind kind, std::int64_t b) {
        switch (kind) {
        case Value::Kind::Null: return Value();
        case Value::Kind::Bool: return Value(b != 0);
        case Value::Kind::Int: return Value(b);
        case Value::Kind::Double: return Value(std::bit_cast<double>(b));
        case Value::Kind::Currency: return Value(dao::Currency::fromRaw(b));
        case Value::Kind::Date: return Value(std::bit_cast<dao::Date>(b));
        case Value::Kind::Text: break;
        }
        return Value();
    }

    // Appends the next cell of the row being read (columns in order).
    void add(const Value& v) {
        if (v.kind() == Value::Kind::Text) return addText(v.toString().toUtf8());
        put(v.kind(), packed(v));
    }
    // Appends a text cell given as UTF-8: a text seen before in the column
    // is not decoded again.
    void addText(QUtf8StringView utf8) { put(Value::Kind::Text, textIndex(cells_ % columns.size(), utf8)); }

    // Appends the rows of others after its own, in their order, and empties
    // them: a long report's rows are read in parts side by side. Each part
    // is copied on a thread of its own.
    void append(std::vector<DataSet>& others) {
        const size_t cols = columns.size();
        std::vector<size_t> firstRow, firstText;
        size_t total = size_t(rows);
        for (DataSet& o : others) {
            firstRow.push_back(total);
            firstText.push_back(texts_.size());
            total += size_t(o.rows);
            std::move(o.texts_.begin(), o.texts_.end(), std::back_inserter(texts_));
        }
        if (cols > 0) {
            while (blocks_.size() * kBlockRows < total) addBlock();
            parallel::forEach(others.size(), [&](size_t i) {
                const DataSet& o = others[i];
                for (size_t r = 0; r < size_t(o.rows); ++r) {
                    const std::uint8_t* kinds = o.kindsOf(r);
                    std::uint8_t* toKinds = kindsOf(firstRow[i] + r);
                    std::int64_t* toBits = bitsOf(firstRow[i] + r);
                    std::copy_n(kinds, cols, toKinds);
                    std::copy_n(o.bitsOf(r), cols, toBits);
                    for (size_t c = 0; c < cols; ++c)
                        if (Value::Kind(kinds[c]) == Value::Kind::Text) toBits[c] += std::int64_t(firstText[i]);
                }
                others[i] = DataSet();
            });
        }
        others.clear();
        rows = int(total);
        cells_ = total * cols;
        // Texts added from here on are not looked for among the parts'.
        known_.clear();
        lastText_.clear();
    }

    Value at(int row, int col) const {
        const std::int64_t b = bitsOf(size_t(row))[col];
        const auto kind = Value::Kind(kindsOf(size_t(row))[col]);
        return kind == Value::Kind::Text ? Value(texts_[size_t(b)]) : unpacked(kind, b);
    }

    // Keeps the rows named, in that order, and their texts in the order
    // the rows first use them: what is read row after row lies together.
    // The rows are moved in place; a long report reads many.
    void keepRows(const std::vector<int>& order) {
        const size_t cols = columns.size(), kept = order.size();
        if (cols == 0) {  // a report that reads no field counts its rows only
            rows = int(kept);
            return;
        }
        // Every row gets a place: those not kept follow the kept ones.
        std::vector<int> from(order);
        std::vector<bool> done(size_t(rows), false);
        for (const int r : order) done[size_t(r)] = true;
        for (int r = 0; r < rows; ++r)
            if (!done[size_t(r)]) from.push_back(r);
        // Each cycle of the permutation moved round through one spare row.
        std::fill(done.begin(), done.end(), false);
        std::vector<std::uint8_t> spareKinds(cols);
        std::vector<std::int64_t> spareBits(cols);
        auto move = [&](size_t to, size_t src) {
            std::copy_n(kindsOf(src), cols, kindsOf(to));
            std::copy_n(bitsOf(src), cols, bitsOf(to));
        };
        for (size_t start = 0; start < from.size(); ++start) {
            if (done[start] || size_t(from[start]) == start) continue;
            std::copy_n(kindsOf(start), cols, spareKinds.begin());
            std::copy_n(bitsOf(start), cols, spareBits.begin());
            size_t at = start;
            for (;;) {
                done[at] = true;
                const size_t src = size_t(from[at]);
                if (src == start) {
                    std::copy_n(spareKinds.begin(), cols, kindsOf(at));
                    std::copy_n(spareBits.begin(), cols, bitsOf(at));
                    break;
                }
                move(at, src);
                at = src;
            }
        }
        rows = int(kept);
        cells_ = kept * cols;
        blocks_.resize((kept + kBlockRows - 1) / kBlockRows);
    // The texts, each a copy of its own made in the order of use.
        std::vector<QString> texts;
        std::vector<std::int64_t> moved(texts_.size(), kNoText);
        for (size_t row = 0; row < kept; ++row) {
            const std::uint8_t* kinds = kindsOf(row);
            std::int64_t* bits = bitsOf(row);
            for (size_t c = 0; c < cols; ++c) {
                if (Value::Kind(kinds[c]) != Value::Kind::Text) continue;
                std::int64_t& to = moved[size_t(bits[c])];
                if (to == kNoText) {
                    to = std::int64_t(texts.size());
                    const QString& t = texts_[size_t(bits[c])];
                    texts.emplace_back(t.constData(), t.size());
                }
                bits[c] = to;
            }
        }
        texts_ = std::move(texts);
        known_.clear();
        lastText_.clear();
    }

private:
    static_assert(sizeof(dao::Date) == sizeof(std::int64_t) && std::is_trivially_copyable_v<dao::Date>);
    static constexpr std::int64_t kNoText = -1;
    // Texts looked up for sharing per column; past this many different ones
    // a column's texts are mostly its own (explanations of entries) and only
    // the row before is compared.
    static constexpr int kSharedTextsPerColumn = 1 << 14;

    void put(Value::Kind kind, std::int64_t bits) {
        const size_t cols = columns.size(), row = cells_ / cols, col = cells_ % cols;
        if (col == 0 && row % kBlockRows == 0 && row / kBlockRows == blocks_.size()) addBlock();
        kindsOf(row)[col] = std::uint8_t(kind);
        bitsOf(row)[col] = bits;
        ++cells_;
    }

    void addBlock() {
        const size_t cols = columns.size();
        auto* bits = static_cast<std::int64_t*>(memory_.take(kBlockRows * cols * sizeof(std::int64_t)));
        auto* kinds = static_cast<std::uint8_t*>(memory_.take(kBlockRows * cols));
        blocks_.push_back({kinds, bits});
    }

    std::int64_t textIndex(size_t col, QUtf8StringView utf8) {
        if (known_.size() != columns.size()) {
            known_.resize(columns.size());
            lastText_.assign(columns.size(), {QByteArray(), kNoText});
        }
        const QByteArray bytes = QByteArray::fromRawData(utf8.data(), utf8.size());
        auto& [lastBytes, last] = lastText_[col];
        if (last != kNoText && lastBytes == bytes) return last;
        auto& known = known_[col];
        std::int64_t index;
        if (auto it = known.constFind(bytes); it != known.constEnd()) {
            index = *it;
        } else {
            index = std::int64_t(texts_.size());
            texts_.push_back(QString::fromUtf8(utf8));
            if (known.size() < kSharedTextsPerColumn) known.insert(QByteArray(utf8.data(), utf8.size()), index);
        }
        lastBytes.resize(utf8.size());
        std::copy_n(utf8.data(), utf8.size(), lastBytes.data());
        last = index;
        return index;
    }

    // The rows are held in blocks: the store grows without moving what it
    // holds, and a row is never split between two blocks.
    static constexpr size_t kBlockRows = 4096;
    struct Block {
        std::uint8_t* kinds;
        std::int64_t* bits;
    };
    std::uint8_t* kindsOf(size_t row) const {
        return blocks_[row / kBlockRows].kinds + (row % kBlockRows) * columns.size();
    }
    std::int64_t* bitsOf(size_t row) const {
        return blocks_[row / kBlockRows].bits + (row % kBlockRows) * columns.size();
    }

    BulkMemory memory_;  // the blocks' memory
    std::vector<Block> blocks_;
    size_t cells_ = 0;
    std::vector<QString> texts_;
    std::vector<QHash<QByteArray, std::int64_t>> known_;           // per column: texts by their UTF-8
    std::vector<std::pair<QByteArray, std::int64_t>> lastText_;    // per column: the text of the row before
};

}  // namespace report::detail
