#include "DataRecovery/Exceptions.h"
#include "Utils/BufferDataWriter.h"
#include "Utils/FileDataWriter.h"
#include "Utils/WriteErrorException.h"
#include "support/TempDir.h"
#include "support/Tools.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace Exceptions;

namespace {

int CodeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        return ErrorCodeFromException(e);
    }
    return 0;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder the writer cannot create files in. As root permissions do not stop
// anyone, so a read-only tmpfs is mounted instead.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : path(path)
    {
        if (TestSupport::IsRoot()) {
            mounted = ::mount("tmpfs", path.c_str(), "tmpfs", MS_RDONLY, "size=64k") == 0;
            usable = mounted;
            if (!mounted)
                whyNot = std::string("mounting a read-only tmpfs failed: ") + std::strerror(errno);
        } else {
            usable = ::chmod(path.c_str(), 0500) == 0;
            if (!usable)
                whyNot = std::string("chmod 0500 failed: ") + std::strerror(errno);
        }
    }
    ~ReadOnlyFolder()
    {
        if (mounted)
            ::umount(path.c_str());
    }
    bool usable = false;
    std::string whyNot;

private:
    std::string path;
    bool mounted = false;
};

}

TEST(FileDataWriter, WritesExactBytesAndTruncates)
{
    TestSupport::TempDir dir;
    const std::string path = dir / "out.bin";
    {
        Utils::FileDataWriter writer(path);
        std::string big(3 * 1024 * 1024 + 7, '\0');
        for (size_t i = 0; i < big.size(); ++i)
            big[i] = static_cast<char>(i * 131 + 7);
        writer.Write(big.data(), big.size());
        writer.Write("", 0);
        writer.Flush();
        writer.Close();
        EXPECT_EQ(ReadAll(path), big);
    }
    // A shorter file written over it leaves none of the old tail behind.
    {
        Utils::FileDataWriter writer(path);
        writer.Write("0123456789", 10);
        writer.Close();
    }
    EXPECT_EQ(ReadAll(path), "0123456789");
}

TEST(FileDataWriter, CreateNewNeverOverwrites)
{
    TestSupport::TempDir dir;
    const std::string path = dir / "kept.txt";
    std::ofstream(path) << "original";
    EXPECT_EQ(CodeOf([&] { Utils::FileDataWriter writer(path, Utils::FileDataWriter::OpenMode::CreateNew); }), 13);
    EXPECT_EQ(ReadAll(path), "original");
}

TEST(FileDataWriter, FullTargetGivesDiskFull)
{
    if (::access("/dev/full", W_OK) != 0)
        SKIP_FOR_MISSING("needs a writable /dev/full");
    EXPECT_EQ(CodeOf([] {
                  Utils::FileDataWriter writer("/dev/full");
                  writer.Write("x", 1);
              }),
              10);
}

TEST(FileDataWriter, FullTmpfsGivesDiskFullMidFile)
{
    if (!TestSupport::IsRoot())
        SKIP_FOR_MISSING("mounting a small tmpfs needs root");
    REQUIRE_KERNEL_FILE_SYSTEM("tmpfs");
    TestSupport::TempDir dir;
    ASSERT_EQ(::mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=256k"), 0)
        << "mounting a small tmpfs failed: " << std::strerror(errno);
    std::string chunk(64 * 1024, 'a');
    int code = CodeOf([&] {
        Utils::FileDataWriter writer(dir / "big.bin");
        for (int i = 0; i < 16; ++i)
            writer.Write(chunk.data(), chunk.size());
        writer.Close();
    });
    ::umount(dir.Path().c_str());
    EXPECT_EQ(code, 10);
}

TEST(FileDataWriter, ReadOnlyFolderCannotBeOpened)
{
    if (TestSupport::IsRoot())
        REQUIRE_KERNEL_FILE_SYSTEM("tmpfs");
    TestSupport::TempDir dir;
    ReadOnlyFolder readOnly(dir.Path().string());
    ASSERT_TRUE(readOnly.usable) << readOnly.whyNot;
    const std::string path = dir / "x.bin";
    try {
        Utils::FileDataWriter writer(path);
        FAIL() << "opened a file in a read-only folder";
    } catch (const std::exception& e) {
        EXPECT_EQ(ErrorCodeFromException(e), 13);
        EXPECT_EQ(std::string(e.what()), "Failed to open file: " + path);
    }
}

TEST(WriteErrors, ErrnoMapping)
{
    const struct {
        int error;
        int code;
    } cases[] = {
        {ENOSPC, 10}, {EDQUOT, 10}, {EIO, 11}, {ENODEV, 11}, {ENXIO, 11},
        {EBADF, 11},  {ESTALE, 11}, {EPERM, 9}, {EFBIG, 9},  {EROFS, 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeOf([&] { Utils::ThrowWriteError(c.error); }), c.code) << c.error;

    try {
        Utils::ThrowWriteError(EPERM);
    } catch (const DiskWriteException& e) {
        EXPECT_EQ(std::string(e.what()), "Failed to write to file, error code is " + std::to_string(EPERM));
    }
}

TEST(BufferDataWriter, ExactCapacityFitsOneMoreByteOverflows)
{
    char buffer[8] = {};
    Utils::BufferDataWriter writer(buffer, 6);
    writer.Write("abc", 3);
    writer.Write("def", 3);
    EXPECT_EQ(writer.Position(), 6u);
    EXPECT_EQ(std::string(buffer, 6), "abcdef");
    try {
        writer.Write("g", 1);
        FAIL() << "wrote past the capacity";
    } catch (const DataWriterException& e) {
        EXPECT_STREQ(e.what(), "Buffer overflow");
    }
    EXPECT_EQ(buffer[6], '\0');
    EXPECT_EQ(writer.Position(), 6u);
}

TEST(BufferDataWriter, HugeSizeDoesNotWrapTheCheck)
{
    char buffer[4] = {};
    Utils::BufferDataWriter writer(buffer, 4);
    writer.Write("ab", 2);
    EXPECT_THROW(writer.Write("x", SIZE_MAX), DataWriterException);
    EXPECT_EQ(writer.Position(), 2u);
}
