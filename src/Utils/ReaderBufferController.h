#pragma once
// The process-wide cache: one read-ahead buffer per device path, shared by all
// readers of that device until Clear.
#include "Utils/ReaderBuffer.h"

#include <cstdint>
#include <memory>
#include <string>

class ReaderBufferController {
public:
    // The cached buffer of devicePath, or a new one. A cached buffer keeps its
    // chunk size; its read-ahead limit grows to endOffset when the device size is
    // unknown.
    static std::shared_ptr<Utils::ReaderBuffer> GetReader(const std::string& devicePath, uint64_t endOffset,
                                                          uint64_t chunkSize);
    // Drops every buffer; readers that still exist can no longer read. A buffer
    // that a reader holds locked lives until it lets go.
    static void Clear();
    // Caches a buffer made elsewhere under devicePath (tests read through
    // devices that fail on purpose).
    static void Insert(const std::string& devicePath, std::shared_ptr<Utils::ReaderBuffer> buffer);
    static size_t Count();
};
