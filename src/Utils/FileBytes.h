#pragma once
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Utils {

// The whole file in a buffer. A file that is missing, unreadable, empty, or of
// 4 GiB or more (the length is 32-bit) gives an empty buffer (length 0).
std::shared_ptr<Buffer<uint8_t>> ReadFileToBuffer(const std::string& path);

}
