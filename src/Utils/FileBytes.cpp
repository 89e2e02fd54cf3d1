#include "Utils/FileBytes.h"

#include "DataRecovery/Log.h"

#include <filesystem>
#include <fstream>

static constexpr const char* LogSource = "src/Utils/FileBytes";

namespace Utils {

std::shared_ptr<Buffer<uint8_t>> ReadFileToBuffer(const std::string& path)
{
    // A folder opens as a stream too, with a nonsense size.
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return MakeBuffer<uint8_t>(0);
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return MakeBuffer<uint8_t>(0);
    const std::streamoff end = file.tellg();
    if (end <= 0)
        return MakeBuffer<uint8_t>(0);
    // Refused rather than silently cut to its first bytes.
    if (end > static_cast<std::streamoff>(UINT32_MAX)) {
        VLOG_ERROR("ReadFileToBuffer: file of %lld bytes is too large.", static_cast<long long>(end));
        return MakeBuffer<uint8_t>(0);
    }
    auto bytes = MakeBuffer<uint8_t>(static_cast<uint32_t>(end));
    file.seekg(0);
    if (!bytes->data || !file.read(reinterpret_cast<char*>(bytes->data), bytes->length))
        return MakeBuffer<uint8_t>(0); // the partly filled buffer is wiped as it goes
    return bytes;
}

}
