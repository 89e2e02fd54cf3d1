// A fuzzer that overruns a heap block on its first input: run-fuzzer.sh must
// report the sanitizer's failure, not hide it.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Volatile, so the compiler cannot drop the store to a block about to be freed.
    volatile uint8_t* block = new uint8_t[4];
    block[4 + size % 4] = size ? data[0] : 0;
    delete[] const_cast<uint8_t*>(block);
    return 0;
}
