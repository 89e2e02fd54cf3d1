#include "NTFS/WofFixture.h"

#include <wimlib.h>

#include <algorithm>

namespace WofFixture {

namespace {

void Put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(v >> (8 * i));
}

}

std::string Stream(const std::string& plain, int type, uint32_t chunk)
{
    wimlib_compressor* compressor = nullptr;
    if (wimlib_create_compressor(static_cast<wimlib_compression_type>(type), chunk, 0, &compressor) != 0)
        return {};
    std::string table, data;
    std::string packed(chunk, '\0');
    for (size_t at = 0; at < plain.size(); at += chunk) {
        const size_t n = std::min<size_t>(chunk, plain.size() - at);
        const size_t size = n > 1 ? wimlib_compress(plain.data() + at, n, packed.data(), n - 1, compressor) : 0;
        if (size)
            data.append(packed, 0, size);
        else
            data.append(plain, at, n);
        if (at + chunk < plain.size())
            Put32(table, static_cast<uint32_t>(data.size()));
    }
    wimlib_free_compressor(compressor);
    return table + data;
}

std::string Reparse(uint32_t algorithm)
{
    std::string out;
    Put32(out, 0x80000017);
    Put32(out, 20); // data length 20, reserved 0
    Put32(out, 1);  // WOF version
    Put32(out, 2);  // file provider
    Put32(out, 1);  // provider version
    Put32(out, algorithm);
    Put32(out, 0);
    return out;
}

}
