#pragma once

// Work over the records of a long report shared among the processors: the
// records are cut into consecutive slices, each done on a thread of its own.
// Before the first page the processors would otherwise stand idle.

#include <algorithm>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace report::detail {

// The threads worth starting: one per processor, and not more than 16.
inline std::size_t processorCount() {
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16);
}

// How many slices n items are cut into: one per processor, none of fewer
// than minSlice items.
inline std::size_t sliceCount(std::size_t n, std::size_t minSlice) {
    return std::clamp<std::size_t>(n / std::max<std::size_t>(minSlice, 1), 1, processorCount());
}

// Calls fn(i) for each i of [0, count), side by side, fn(0) on the calling
// thread. The failure of the lowest i that failed is thrown.
template <class Fn>
void inParallel(std::size_t count, Fn&& fn) {
    std::vector<std::exception_ptr> failed(count);
    auto run = [&](std::size_t i) {
        try {
            fn(i);
        } catch (...) {
            failed[i] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(count);
    std::size_t started = 1;
    try {
        for (; started < count; ++started) threads.emplace_back(run, started);
    } catch (const std::system_error&) {
        // No more threads to be had: the calling thread does the rest.
    }
    for (std::size_t i = started; i < count; ++i) run(i);
    if (count > 0) run(0);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& e : failed)
        if (e) std::rethrow_exception(e);
}

// Calls fn(slice, begin, end) for each of count consecutive slices of
// [0, n). A slice stops at its first failure; the failure of the earliest
// slice that failed is thrown, which is the one that doing the items in
// order would have met first.
template <class Fn>
void inSlices(std::size_t n, std::size_t count, Fn&& fn) {
    count = std::max<std::size_t>(count, 1);
    inParallel(count, [&](std::size_t s) { fn(s, n * s / count, n * (s + 1) / count); });
}

// Sorts v as std::stable_sort does: count slices sorted side by side, then
// merged two by two, the earlier slice's item first of two equal ones.
template <class T, class Less>
void stableSortInSlices(std::vector<T>& v, std::size_t count, Less less) {
    const std::size_t n = v.size();
    if (count <= 1) {
        std::stable_sort(v.begin(), v.end(), less);
        return;
    }
    std::vector<std::size_t> bounds(count + 1);
    for (std::size_t s = 0; s <= count; ++s) bounds[s] = n * s / count;
    inParallel(count, [&](std::size_t s) {
        std::stable_sort(v.begin() + std::ptrdiff_t(bounds[s]), v.begin() + std::ptrdiff_t(bounds[s + 1]), less);
    });
    std::vector<T> other(n);
    std::vector<T>* from = &v;
    std::vector<T>* to = &other;
    while (bounds.size() > 2) {
        const std::size_t runs = bounds.size() - 1;
        inParallel((runs + 1) / 2, [&](std::size_t p) {
            const auto at = [](std::vector<T>* w, std::size_t i) { return w->begin() + std::ptrdiff_t(i); };
            const std::size_t b = bounds[2 * p], m = bounds[std::min(2 * p + 1, runs)], e = bounds[std::min(2 * p + 2, runs)];
            std::merge(at(from, b), at(from, m), at(from, m), at(from, e), at(to, b), less);
        });
        std::vector<std::size_t> merged;
        for (std::size_t i = 0; i < bounds.size(); i += 2) merged.push_back(bounds[i]);
        if (merged.back() != n) merged.push_back(n);
        bounds = std::move(merged);
        std::swap(from, to);
    }
    if (from != &v) v = std::move(*from);
}

}  // namespace report::detail
