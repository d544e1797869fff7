#include "catalogue/large_block.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace gypsomix {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Below this a block gets no huge pages: one would hold it with much room to spare.
constexpr std::size_t kHugeFrom = kHugePage / 2;

}  // namespace

LargeBlock::LargeBlock(std::size_t capacity) {
    grow(capacity, 0);
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), capacity_(std::exchange(other.capacity_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

LargeBlock::~LargeBlock() {
    std::free(data_);
}

void LargeBlock::grow(std::size_t capacity, std::size_t used) {
    if (capacity <= capacity_) {
        return;
    }
    LargeBlock larger;
    if (capacity >= kHugeFrom) {
        // Whole huge pages, starting on a boundary. Memory the allocator hands out again is
        // already resident and keeps its pages; fresh memory gets huge ones. Without
        // transparent huge pages the advice is refused, and 4 KiB pages serve.
        capacity = (capacity + kHugePage - 1) / kHugePage * kHugePage;
        larger.data_ = static_cast<char*>(std::aligned_alloc(kHugePage, capacity));
#if defined(__linux__)
        if (larger.data_ != nullptr) {
            ::madvise(larger.data_, capacity, MADV_HUGEPAGE);
        }
#endif
    } else {
        larger.data_ = static_cast<char*>(std::malloc(capacity));
    }
    if (larger.data_ == nullptr) {
        throw std::bad_alloc();
    }
    larger.capacity_ = capacity;
    if (used > 0) {
        std::memcpy(larger.data_, data_, used);
    }
    *this = std::move(larger);
}

}  // namespace gypsomix
