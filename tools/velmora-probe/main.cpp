#include "Commands.h"

#include <cstdio>
#include <exception>
#include <map>

int Fail(const std::string& message, int code)
{
    std::fprintf(stderr, "velmora-probe: %s\n", message.c_str());
    return code;
}

int main(int argc, char** argv)
{
    static const std::map<std::string, int (*)(const Arguments&)> commands = {
        {"partitions", RunPartitions},
        {"list", RunList},
        {"scan", RunScan},
        {"recover", RunRecover},
    };
    if (argc < 2 || !commands.count(argv[1]))
        return Fail("usage: velmora-probe partitions|list|scan|recover [options]", 2);
    try {
        return commands.at(argv[1])(Arguments(argv + 2, argv + argc));
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
