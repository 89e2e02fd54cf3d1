// One libFuzzer target per parser: FUZZ_TYPE_ID names the type it is built for.
#include "CarvingFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CarvingFuzz::Check(FUZZ_TYPE_ID, data, size);
    return 0;
}
