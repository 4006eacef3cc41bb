#pragma once

// Work shared among the processors. Every thread that shares the program's
// work among the processors is started here, in one of two ways:
//
//  - a parallel loop (forEach, forSlices, stableSort): calls side by side,
//    the calling thread among them, that have all ended when the loop
//    returns; a failure is thrown on the calling thread, that of the call
//    which doing the calls in order would have met first;
//  - work beside the calling thread (Beside): threads that go on while the
//    caller does other work, until they are waited for.
//
// Where the system gives no more threads, a loop's calling thread makes the
// calls left itself, and work beside it is not started (the caller does it
// or does without it). Nothing here knows what the work is.

#include <algorithm>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace parallel {

// The threads worth starting for work shared among the processors: one per
// processor, and not more than 16.
std::size_t processors();

// How many consecutive slices n items are cut into: one per processor at
// most, none of fewer than `fewest` items, and one at least.
std::size_t sliceCount(std::size_t n, std::size_t fewest);

namespace detail {
void each(std::size_t count, const std::function<void(std::size_t)>& fn);
}  // namespace detail

// Calls fn(i) for each i of [0, count) side by side, fn(0) on the calling
// thread, and returns once every call has ended. The failure of the lowest
// i that failed is thrown.
template <class Fn>
void forEach(std::size_t count, Fn&& fn) {
    detail::each(count, [&fn](std::size_t i) { fn(i); });
}

// Calls fn(slice, begin, end) for each of count consecutive slices of
// [0, n), side by side. A slice stops at its first failure; the failure of
// the earliest slice that failed is thrown, which is the one that doing the
// items in order would have met first.
template <class Fn>
void forSlices(std::size_t n, std::size_t count, Fn&& fn) {
    count = std::max<std::size_t>(count, 1);
    forEach(count, [&](std::size_t s) { fn(s, n * s / count, n * (s + 1) / count); });
}

// Sorts v as std::stable_sort does: count slices sorted side by side, then
// merged two by two, the earlier slice's item first of two equal ones.
template <class T, class Less>
void stableSort(std::vector<T>& v, std::size_t count, Less less) {
    const std::size_t n = v.size();
    if (count <= 1) {
        std::stable_sort(v.begin(), v.end(), less);
        return;
    }
    const auto at = [](std::vector<T>& w, std::size_t i) { return w.begin() + std::ptrdiff_t(i); };
    std::vector<std::size_t> bounds(count + 1);
    for (std::size_t s = 0; s <= count; ++s) bounds[s] = n * s / count;
    forEach(count, [&](std::size_t s) { std::stable_sort(at(v, bounds[s]), at(v, bounds[s + 1]), less); });
    std::vector<T> other(n);
    std::vector<T>* from = &v;
    std::vector<T>* to = &other;
    while (bounds.size() > 2) {
        const std::size_t runs = bounds.size() - 1;
        forEach((runs + 1) / 2, [&](std::size_t p) {
            const std::size_t b = bounds[2 * p], m = bounds[std::min(2 * p + 1, runs)],
                              e = bounds[std::min(2 * p + 2, runs)];
            std::merge(at(*from, b), at(*from, m), at(*from, m), at(*from, e), at(*to, b), less);
        });
        std::vector<std::size_t> merged;
        for (std::size_t i = 0; i < bounds.size(); i += 2) merged.push_back(bounds[i]);
        if (merged.back() != n) merged.push_back(n);
        bounds = std::move(merged);
        std::swap(from, to);
    }
    if (from != &v) v = std::move(*from);
}

// Work that goes on beside the calling thread, each piece on a thread of
// its own, until it is waited for. What the pieces share with the caller
// they guard themselves (a mutex, an atomic).
class Beside {
public:
    Beside() = default;
    // Waits for every piece; a failure is not thrown here.
    ~Beside();
    Beside(const Beside&) = delete;
    Beside& operator=(const Beside&) = delete;

    // Starts fn on a thread of its own; false, with fn not called, where the
    // system gives no more threads.
    bool start(std::function<void()> fn);
    // How many pieces have been started.
    std::size_t started() const { return pieces_.size(); }
    // Waits for every piece started; the failure of the first started that
    // failed is thrown.
    void wait();

private:
    struct Piece {
        std::thread thread;
        std::exception_ptr failed;  // written by the piece's thread before it ends
    };
    std::vector<std::unique_ptr<Piece>> pieces_;
};

}  // namespace parallel
