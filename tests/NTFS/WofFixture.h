#pragma once
// System-compressed (WOF) file contents made by libwim's compressors, for
// writing onto an ntfs-3g mount as the "WofCompressedData" stream and the
// reparse point that names its algorithm.
#include <cstdint>
#include <string>

namespace WofFixture {

// The WOF stream of plain: chunk-end offsets after the first chunk, then the
// chunks, each compressed by libwim (a wimlib_compression_type) or stored when
// it would not shrink. Empty when libwim has no such compressor.
std::string Stream(const std::string& plain, int type, uint32_t chunk);

// The reparse data of a WOF file of that algorithm (0 XPRESS 4K, 1 LZX,
// 2 XPRESS 8K, 3 XPRESS 16K).
std::string Reparse(uint32_t algorithm);

}
