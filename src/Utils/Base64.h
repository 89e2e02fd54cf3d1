#pragma once
// Standard Base64 (RFC 4648 alphabet, "=" padding, no line breaks); used to
// log found paths whatever bytes they hold.
#include <cstddef>
#include <cstdint>
#include <string>

namespace Utils {

std::string Base64Encode(const void* bytes, size_t count);
std::string Base64EncodeString(const std::string& text);

}
