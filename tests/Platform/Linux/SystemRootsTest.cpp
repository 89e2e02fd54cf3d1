#include "Platform/Linux/SystemRoots.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(SystemRoots, EnvironmentNamesImagesAndCanLeaveTheMachineOut)
{
    const struct {
        const char* images;
        const char* imagesOnly; // nullptr: unset
        std::vector<std::string> expectedImages;
        bool includeMachineDisks;
    } cases[] = {
        {"/a.img::/b c.img:", nullptr, {"/a.img", "/b c.img"}, true},
        {"/a.img", "1", {"/a.img"}, false},
        {"/a.img", "0", {"/a.img"}, true},
        {"/a.img", "", {"/a.img"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.images);
        ::setenv("VELMORA_DISK_IMAGES", c.images, 1);
        if (c.imagesOnly)
            ::setenv("VELMORA_IMAGES_ONLY", c.imagesOnly, 1);
        else
            ::unsetenv("VELMORA_IMAGES_ONLY");
        const auto roots = Platform::SystemRoots::FromEnvironment();
        EXPECT_EQ(roots.diskImages, c.expectedImages);
        EXPECT_EQ(roots.includeMachineDisks, c.includeMachineDisks);
        EXPECT_EQ(roots.sysRoot, "/sys");
    }
    ::unsetenv("VELMORA_DISK_IMAGES");
    ::unsetenv("VELMORA_IMAGES_ONLY");
}

TEST(SystemRoots, SystemRootSeamPointsAtAFakeMachine)
{
    ::setenv("VELMORA_SYSTEM_ROOT", "/tmp/fake", 1);
    auto roots = Platform::SystemRoots::FromEnvironment();
    EXPECT_EQ(roots.sysRoot, "/tmp/fake/sys");
    EXPECT_EQ(roots.devRoot, "/tmp/fake/dev");
    EXPECT_EQ(roots.mountInfoPath, "/tmp/fake/mountinfo");
    EXPECT_FALSE(roots.UsesRealSysfs());
    ::setenv("VELMORA_SYSTEM_ROOT", "", 1);
    roots = Platform::SystemRoots::FromEnvironment();
    EXPECT_EQ(roots.sysRoot, "/sys");
    EXPECT_EQ(roots.mountInfoPath, "/proc/self/mountinfo");
    ::unsetenv("VELMORA_SYSTEM_ROOT");
}
