#pragma once
// File data handed out as a stream of chunks by a coroutine: one chunk of
// memory at a time, whatever the file's size.
#include <coroutine>
#include <cstdint>
#include <exception>
#include <utility>

namespace NTFS {

// Bytes owned by the generator; valid until it is resumed or destroyed.
struct DataChunk {
    const uint8_t* data = nullptr;
    uint32_t length = 0;
};

class DataChunkGenerator {
public:
    struct promise_type {
        DataChunk current;
        std::exception_ptr error;

        DataChunkGenerator get_return_object()
        {
            return DataChunkGenerator(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(DataChunk chunk) noexcept
        {
            current = chunk;
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { error = std::current_exception(); }
    };

    DataChunkGenerator(DataChunkGenerator&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    DataChunkGenerator& operator=(DataChunkGenerator&& other) noexcept
    {
        if (this != &other) {
            if (handle)
                handle.destroy();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    DataChunkGenerator(const DataChunkGenerator&) = delete;
    DataChunkGenerator& operator=(const DataChunkGenerator&) = delete;
    ~DataChunkGenerator()
    {
        if (handle)
            handle.destroy();
    }

    // Produces the next chunk; false at the end. An exception raised inside
    // the generator is rethrown here.
    bool Next()
    {
        if (!handle || handle.done())
            return false;
        handle.resume();
        if (handle.promise().error)
            std::rethrow_exception(std::exchange(handle.promise().error, nullptr));
        return !handle.done();
    }

    const DataChunk& Current() const { return handle.promise().current; }

private:
    explicit DataChunkGenerator(std::coroutine_handle<promise_type> h) : handle(h) {}
    std::coroutine_handle<promise_type> handle;
};

}
