#pragma once

#include <cstddef>

namespace gypsomix {

// Memory for a listing's names and their ends. A large block is advised for 2 MiB pages: a
// 10 MB catalogue's names then take a handful of page faults instead of one per 4 KiB, and on
// a virtual machine those faults are most of what a first listing costs. Only what is written
// becomes resident.
class LargeBlock {
  public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t capacity);
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;
    ~LargeBlock();

    char* data() const { return data_; }
    std::size_t capacity() const { return capacity_; }
    // Room for `capacity` bytes, the first `used` kept.
    void grow(std::size_t capacity, std::size_t used);

  private:
    char* data_ = nullptr;
    std::size_t capacity_ = 0;
};

}  // namespace gypsomix
