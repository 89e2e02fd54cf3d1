#pragma once
#include "Utils/DataWriter.h"

#include <cstdint>

namespace Utils {

// Writes into a caller's buffer (previews); never allocates.
class BufferDataWriter : public DataWriter {
public:
    BufferDataWriter(char* buffer, uint64_t capacity) : buffer(buffer), capacity(capacity) {}

    void Write(const char* data, size_t size) override;
    void Flush() override {}

    uint64_t Position() const { return position; }

private:
    char* buffer;
    uint64_t capacity;
    uint64_t position = 0;
};

}
