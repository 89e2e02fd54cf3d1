#pragma once
// Startup key files (.BEK): a 48-byte metadata header and one external-key
// entry whose properties hold the 32-byte key.
#include "Utils/Buffer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Bitlocker {

// Real key files are a few hundred bytes; anything larger is not one.
constexpr uint32_t MaxKeyFileSize = 64 * 1024;

// The whole file; null when it cannot be read, is empty or is larger than MaxKeyFileSize.
std::shared_ptr<Utils::Buffer<uint8_t>> ReadKeyFile(const std::string& path);

// The 32-byte key of the file's external-key entry, found by walking the
// entry's properties to the key property; null (and a logged reason) for
// anything else.
std::shared_ptr<Utils::Buffer<uint8_t>> ReadStartupKey(const std::string& path);
// The same for file contents already in memory.
std::shared_ptr<Utils::Buffer<uint8_t>> StartupKeyFromBytes(const uint8_t* bytes, uint32_t size);

}
