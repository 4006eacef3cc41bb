#pragma once

// One sort key of a report's records, evaluated once per record and held in
// the form quickest to compare: a whole number, an amount, a date or the
// rank of a text in Finnish order is compared as a number.

#include "platform/report/value.h"

#include <cstdint>
#include <vector>

namespace report::detail {

class SortKey {
public:
    SortKey() = default;
    // The key's values of the records, in the records' order.
    static SortKey of(std::vector<Value> values, bool descending);

    // Below zero when record a comes first, zero when the two are equal.
    int compare(size_t a, size_t b) const {
        int c;
        if (numbers_.empty()) {
            c = general(a, b);
        } else if (null_[a] || null_[b]) {
            c = int(!null_[a]) - int(!null_[b]);
        } else {
            c = numbers_[a] < numbers_[b] ? -1 : (numbers_[b] < numbers_[a] ? 1 : 0);
        }
        return descending_ ? -c : c;
    }

private:
    int general(size_t a, size_t b) const;

    bool descending_ = false;
    // Values of one kind: each as a number, Null apart.
    std::vector<std::int64_t> numbers_;
    std::vector<std::uint8_t> null_;
    // Values of several kinds: compared as values, texts by their rank.
    std::vector<Value> values_;
    std::vector<std::int64_t> textRanks_;  // -1 for a value that is not text
};

}  // namespace report::detail
