#include "DeepScan/Carving/SharedTables.h"

#include <bitset>
#include <map>

namespace Carving {

bool IsJpegMarker(uint8_t code)
{
    static const std::bitset<256> markers = [] {
        std::bitset<256> set;
        for (int code : {0xD8, 0xD9, 0xDA, 0xDB, 0xC0, 0xC2, 0xC4, 0xDD, 0xFE})
            set.set(code);
        for (int code = 0xE0; code <= 0xEF; ++code)
            set.set(code);
        for (int code = 0xD0; code <= 0xD7; ++code)
            set.set(code);
        return set;
    }();
    return markers.test(code);
}

std::optional<uint32_t> ZipHeaderLength(uint32_t signature)
{
    static const std::map<uint32_t, uint32_t> lengths = {
        {zipLocalHeader, 26},
        {zipCentralHeader, 42},
        {zipEndOfCentralDirectory, 18},
        {zipDataDescriptor, 12},
        {zipDigitalSignature, 2},
        // ZIP64 archives: the end record carries its own 8-byte size, the locator 16 bytes.
        {zip64EndOfCentralDirectory, 8},
        {zip64Locator, 16},
    };
    const auto it = lengths.find(signature);
    if (it == lengths.end())
        return std::nullopt;
    return it->second;
}

}
