#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>

namespace TestSupport {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Tests may leave read-only folders behind; open them up before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        ::chmod(it->path().c_str(), 0700);
    std::filesystem::remove_all(path, ignored);
}

}
