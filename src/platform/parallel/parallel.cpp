#include "platform/parallel/parallel.h"

#include <system_error>
#include <utility>

namespace parallel {

std::size_t processors() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 16); }

std::size_t sliceCount(std::size_t n, std::size_t fewest) {
    return std::clamp<std::size_t>(n / std::max<std::size_t>(fewest, 1), 1, processors());
}

namespace detail {

void each(std::size_t count, const std::function<void(std::size_t)>& fn) {
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
        // No more threads to be had: the calling thread makes the calls left.
    }
    for (std::size_t i = started; i < count; ++i) run(i);
    if (count > 0) run(0);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& e : failed)
        if (e) std::rethrow_exception(e);
}

}  // namespace detail

Beside::~Beside() {
    for (const auto& p : pieces_)
        if (p->thread.joinable()) p->thread.join();
}

bool Beside::start(std::function<void()> fn) {
    pieces_.push_back(std::make_unique<Piece>());
    Piece* p = pieces_.back().get();
    try {
        p->thread = std::thread([p, fn = std::move(fn)] {
            try {
                fn();
            } catch (...) {
                p->failed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        pieces_.pop_back();
        return false;
    }
    return true;
}

void Beside::wait() {
    for (const auto& p : pieces_)
        if (p->thread.joinable()) p->thread.join();
    for (const auto& p : pieces_)
        if (p->failed) std::rethrow_exception(std::exchange(p->failed, nullptr));
}

}  // namespace parallel
