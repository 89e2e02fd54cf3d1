#include "support/Tools.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport {

bool HaveTool(const std::string& name)
{
    return RunCommand("command -v " + Quote(name) + " >/dev/null 2>&1") == 0;
}

bool OpensslLegacyProviderAvailable()
{
    std::string output;
    return RunCommand("openssl list -providers -provider legacy 2>/dev/null", &output) == 0 &&
           output.find("status: active") != std::string::npos;
}

bool IsRoot()
{
    return ::geteuid() == 0;
}

int RunCommand(const std::string& command, std::string* output)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> chunk{};
    size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        if (output)
            output->append(chunk.data(), n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunOrFail(const std::string& command)
{
    std::string output;
    const int status = RunCommand(command + " 2>&1", &output);
    EXPECT_EQ(status, 0) << command << "\n" << output;
    return output;
}

std::string Quote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::string SourceDir()
{
    return VELMORA_SOURCE_DIR;
}

std::string BinaryDir()
{
    return VELMORA_BINARY_DIR;
}

}
