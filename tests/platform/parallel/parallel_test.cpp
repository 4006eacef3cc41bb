// The parallel loops: work cut into slices side by side.

#include "platform/parallel/parallel.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

// Work cut into slices side by side: sorted as one stable sort sorts, and
// failing as the first failing item in order fails.
TEST(Parallel, SortStablyAndFailAtTheFirstItem) {
    std::vector<std::pair<int, int>> items;  // key, place: many equal keys
    for (int i = 0; i < 10007; ++i) items.emplace_back((i * 7919) % 13, i);
    auto expected = items;
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::stable_sort(expected.begin(), expected.end(), byKey);
    for (size_t count : {1, 2, 3, 5, 8, 9}) {
        auto sorted = items;
        parallel::stableSort(sorted, count, byKey);
        EXPECT_EQ(sorted, expected) << count << " slices";
    }
    for (const std::vector<size_t>& failing : {std::vector<size_t>{7000, 2000}, {9999}, {0, 5000}}) {
        std::string thrown;
        try {
            parallel::forSlices(10000, 4, [&](size_t, size_t begin, size_t end) {
                for (size_t i = begin; i < end; ++i)
                    if (std::find(failing.begin(), failing.end(), i) != failing.end())
                        throw std::runtime_error(std::to_string(i));
            });
        } catch (const std::runtime_error& e) {
            thrown = e.what();
        }
        EXPECT_EQ(thrown, std::to_string(*std::min_element(failing.begin(), failing.end())));
    }
}

