#include "Platform/Linux/OsRelease.h"

#include <gtest/gtest.h>

using Platform::OsReleaseName;

TEST(OsRelease, NameFromTheFileText)
{
    struct Case {
        std::string contents, name;
    };
    const Case cases[] = {
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n", "Debian GNU/Linux 12 (bookworm)"},
        {"NAME=Fedora\n", "Fedora"},
        {"# PRETTY_NAME=\"commented\"\nNAME='Single quoted'\n", "Single quoted"},
        {"PRETTY_NAME=\"A \\\"quoted\\\" \\$name\"\n", "A \"quoted\" $name"},
        {"PRETTY_NAME=\"\"\nNAME=Arch\n", "Arch"},
        {"PRETTY_NAME=\"back\\\\slash \\n kept\"\n", "back\\slash \\n kept"},
        {"PRETTY_NAME=Un\\ quoted\n", "Un quoted"},
        {"ID=debian\r\n", "Linux"},
        {"", "Linux"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OsReleaseName(c.contents), c.name) << c.contents;
}
