#pragma once

// Memory for a report's records: taken from the system in pieces of many
// megabytes, which the kernel may back with huge pages, and given back
// whole when the store goes. A long report's records fill tens of
// megabytes; touched page after page of 4 kB, they cost a fault each, a
// fifth of the time their reading took.

#include <cstddef>
#include <vector>

namespace report::detail {

class BulkMemory {
public:
    BulkMemory() = default;
    ~BulkMemory();
    BulkMemory(BulkMemory&& other) noexcept;
    BulkMemory& operator=(BulkMemory&& other) noexcept;
    BulkMemory(const BulkMemory&) = delete;
    BulkMemory& operator=(const BulkMemory&) = delete;

    // Uninitialised memory of bytes, aligned to 64 bytes, kept until the
    // store goes. Throws std::bad_alloc when the system has none.
    void* take(std::size_t bytes);

private:
    void release();

    struct Piece {
        void* base;
        std::size_t size;
    };
    std::vector<Piece> pieces_;
    char* next_ = nullptr;
    std::size_t left_ = 0;
};

}  // namespace report::detail
