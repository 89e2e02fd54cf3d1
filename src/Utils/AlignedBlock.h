#pragma once
// Aligned, zero-filled memory for direct device reads. Wiped before it is
// freed: it holds disk contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <strings.h>
#include <utility>

namespace Utils {

class AlignedBlock {
public:
    AlignedBlock() = default;
    ~AlignedBlock() { Release(); }

    AlignedBlock(AlignedBlock&& other) noexcept { *this = std::move(other); }
    AlignedBlock& operator=(AlignedBlock&& other) noexcept
    {
        if (this != &other) {
            Release();
            data = std::exchange(other.data, nullptr);
            size = std::exchange(other.size, 0);
        }
        return *this;
    }
    AlignedBlock(const AlignedBlock&) = delete;
    AlignedBlock& operator=(const AlignedBlock&) = delete;

    uint8_t* Data() const { return data; }
    size_t Size() const { return size; }

    friend AlignedBlock AllocateAligned(size_t size, size_t alignment);

private:
    void Release()
    {
        if (!data)
            return;
        explicit_bzero(data, size);
        std::free(data);
        data = nullptr;
        size = 0;
    }

    uint8_t* data = nullptr;
    size_t size = 0;
};

// size is rounded up to a multiple of alignment (a power of two). Throws
// std::bad_alloc when the memory cannot be had.
inline AlignedBlock AllocateAligned(size_t size, size_t alignment)
{
    const size_t rounded = (size + alignment - 1) & ~(alignment - 1);
    void* memory = nullptr;
    if (rounded == 0 || ::posix_memalign(&memory, alignment, rounded) != 0)
        throw std::bad_alloc();
    std::memset(memory, 0, rounded);
    AlignedBlock block;
    block.data = static_cast<uint8_t*>(memory);
    block.size = rounded;
    return block;
}

}
