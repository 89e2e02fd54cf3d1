#include "DataRecovery/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

using namespace Exceptions;

namespace {

struct Case {
    const char* name;
    std::function<void()> raise;
    int code;
};

class UnlistedDiskException : public DiskException {
public:
    UnlistedDiskException() : DiskException("unlisted") {}
};

int CodeOf(const std::function<void()>& raise)
{
    try {
        raise();
    } catch (const std::exception& e) {
        return ErrorCodeFromException(e);
    }
    return -1;
}

}

TEST(ErrorCodeFromException, ExactTypeTable)
{
    const Case cases[] = {
        {"DataRecoveryMulti", [] { throw DataRecoveryMultiException("x"); }, 1},
        {"VelmoraContainer", [] { throw VelmoraContainerException("x", 10, 5); }, 2},
        {"NTFS", [] { throw NTFSException("x"); }, 3},
        {"FAT", [] { throw FATException("x"); }, 4},
        {"FAT32", [] { throw FAT32Exception("x"); }, 5},
        {"ExFAT", [] { throw ExFATException("x"); }, 6},
        {"Disk", [] { throw DiskException("x"); }, 7},
        {"DiskDisconnected", [] { throw DiskDisconnectedException("x"); }, 8},
        {"DiskWrite", [] { throw DiskWriteException("x"); }, 9},
        {"DiskFull", [] { throw DiskFullException(); }, 10},
        {"DiskWriteHandle", [] { throw DiskWriteHandleException(); }, 11},
        {"filesystem_error",
         [] { throw std::filesystem::filesystem_error("x", std::make_error_code(std::errc::io_error)); }, 12},
        {"DataWriter", [] { throw DataWriterException("x"); }, 13},
        {"ProcessController", [] { throw ProcessControllerException("x"); }, 14},
        {"Thread", [] { throw ThreadException("x"); }, 15},
        {"ExceptionCommon", [] { throw ExceptionCommon("x"); }, 16},
        {"CIMV2WMIServer", [] { throw CIMV2WMIServerException("x"); }, 17},
        {"bad_alloc", [] { throw std::bad_alloc(); }, 17},
        {"runtime_error", [] { throw std::runtime_error("x"); }, 17},
        {"subclass not in the table", [] { throw UnlistedDiskException(); }, 17},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeOf(c.raise), c.code) << c.name;
}

TEST(Exceptions, MessagesAndMembersSurviveCopies)
{
    EXPECT_STREQ(DiskFullException().what(), "Disk is full");
    EXPECT_STREQ(DiskWriteHandleException().what(), "Disk write handle is invalid");

    try {
        throw VelmoraContainerException("Disk disconnected during recovery.", 11, 4096);
    } catch (const ExceptionCommon& e) {
        const auto& container = dynamic_cast<const VelmoraContainerException&>(e);
        VelmoraContainerException copy(container);
        EXPECT_STREQ(copy.what(), "Disk disconnected during recovery.");
        EXPECT_EQ(copy.code, 11);
        EXPECT_EQ(copy.value, 4096u);
    }
}

TEST(Exceptions, DerivedClassesAreCaughtByTheirBases)
{
    EXPECT_THROW(throw DiskFullException(), DiskWriteException);
    EXPECT_THROW(throw DiskFullException(), DiskException);
    EXPECT_THROW(throw DiskDisconnectedException("gone"), DiskException);
    EXPECT_THROW(throw DiskWriteHandleException(), DiskException);
    EXPECT_THROW(throw NTFSException("x"), ExceptionCommon);
}
