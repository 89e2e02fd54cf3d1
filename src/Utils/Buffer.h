#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <strings.h>

namespace Utils {

// An owned block of raw bytes seen through T*. Zero-filled when made, wiped
// before it is freed: the bytes may be file contents or key material.
// Always held through std::make_shared<Buffer<T>>(size).
template <typename T>
class Buffer {
public:
    explicit Buffer(uint32_t size)
    {
        if (size == 0)
            return;
        data = static_cast<T*>(std::calloc(size, 1));
        if (data)
            length = size;
    }

    ~Buffer() { Release(); }

    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    // Keeps the common prefix, zero-fills the rest. On failure the old bytes are
    // wiped and the buffer is empty. The old block is wiped before it is freed,
    // which a plain realloc would not do.
    void Resize(uint32_t newSize)
    {
        if (newSize == length)
            return;
        T* fresh = newSize ? static_cast<T*>(std::calloc(newSize, 1)) : nullptr;
        if (fresh && data)
            std::memcpy(fresh, data, newSize < length ? newSize : length);
        Release();
        data = fresh;
        length = fresh ? newSize : 0;
    }

    T* data = nullptr;
    uint32_t length = 0;

private:
    void Release()
    {
        if (!data)
            return;
        explicit_bzero(const_cast<void*>(static_cast<const volatile void*>(data)), length);
        std::free(const_cast<void*>(static_cast<const volatile void*>(data)));
        data = nullptr;
        length = 0;
    }
};

template <typename T = unsigned char>
std::shared_ptr<Buffer<T>> MakeBuffer(uint32_t size)
{
    return std::make_shared<Buffer<T>>(size);
}

}
