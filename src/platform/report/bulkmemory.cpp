#include "platform/report/bulkmemory.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace report::detail {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kPiece = std::size_t(32) << 20;

std::size_t roundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

}  // namespace

BulkMemory::~BulkMemory() { release(); }

BulkMemory::BulkMemory(BulkMemory&& other) noexcept
    : pieces_(std::exchange(other.pieces_, {})), next_(std::exchange(other.next_, nullptr)),
      left_(std::exchange(other.left_, 0)) {}

BulkMemory& BulkMemory::operator=(BulkMemory&& other) noexcept {
    if (this != &other) {
        release();
        pieces_ = std::exchange(other.pieces_, {});
        next_ = std::exchange(other.next_, nullptr);
        left_ = std::exchange(other.left_, 0);
    }
    return *this;
}

void* BulkMemory::take(std::size_t bytes) {
    bytes = roundUp(bytes, 64);
    if (bytes > left_) {
        // A piece starts on a huge page's boundary: the mapping is made a
        // huge page longer and its ends that fall outside are given back.
        const std::size_t size = roundUp(std::max(bytes, kPiece), kHugePage);
        void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = roundUp(start, kHugePage);
        if (aligned > start) ::munmap(mapped, aligned - start);
        if (const std::size_t tail = kHugePage - (aligned - start); tail > 0)
            ::munmap(reinterpret_cast<void*>(aligned + size), tail);
        void* base = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
        ::madvise(base, size, MADV_HUGEPAGE);  // a hint: without huge pages the memory serves as well
#endif
        pieces_.push_back({base, size});
        next_ = static_cast<char*>(base);
        left_ = size;
    }
    void* out = next_;
    next_ += bytes;
    left_ -= bytes;
    return out;
}

void BulkMemory::release() {
    for (const Piece& p : pieces_) ::munmap(p.base, p.size);
    pieces_.clear();
    next_ = nullptr;
    left_ = 0;
}

}  // namespace report::detail
