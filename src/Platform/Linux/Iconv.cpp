#include "Platform/Linux/Iconv.h"

#include <cerrno>
#include <iconv.h>
#include <string.h>
#include <algorithm>
#include <vector>

namespace Platform {

namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle(::iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (Valid())
            ::iconv_close(handle);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool Valid() const { return handle != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return handle; }

private:
    iconv_t handle;
};

void Wipe(std::vector<char>& block)
{
    if (!block.empty())
        explicit_bzero(block.data(), block.size());
}

}

bool ConvertCharacterSet(std::string_view input, const char* from, const char* to, std::string& output)
{
    output.clear();
    IconvHandle converter(to, from);
    if (!converter.Valid())
        return false;

    std::vector<char> in(input.begin(), input.end());
    std::vector<char> out(input.size() * 4 + 16);
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    // Doubles the output; the old block is wiped before it goes.
    const auto grow = [&] {
        const size_t used = out.size() - outLeft;
        std::vector<char> bigger(out.size() * 2);
        std::copy(out.begin(), out.begin() + used, bigger.begin());
        Wipe(out);
        out.swap(bigger);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
    };
    const size_t failed = static_cast<size_t>(-1);
    bool ok = true;
    while (ok && inLeft > 0) {
        if (::iconv(converter.Get(), &inPtr, &inLeft, &outPtr, &outLeft) != failed)
            break;
        if (errno == E2BIG)
            grow();
        else
            ok = false;
    }
    // A call without input writes any closing shift sequence.
    while (ok && ::iconv(converter.Get(), nullptr, nullptr, &outPtr, &outLeft) == failed) {
        if (errno == E2BIG)
            grow();
        else
            ok = false;
    }
    if (ok)
        output.assign(out.data(), out.size() - outLeft);
    Wipe(in);
    Wipe(out);
    return ok;
}

}
