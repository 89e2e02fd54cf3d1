#pragma once
#include <cstdint>
#include <exception>
#include <string>

#include "DataRecovery/VelmoraApi.h"

namespace Exceptions {

class VELMORA_API ExceptionCommon : public std::exception {
public:
    explicit ExceptionCommon(const std::string& message) : message(message) {}
    const char* what() const noexcept override { return message.c_str(); }

private:
    std::string message;
};

#define VELMORA_EXCEPTION(Name, Base)                                        \
    class VELMORA_API Name : public Base {                                               \
    public:                                                                  \
        explicit Name(const std::string& message) : Base(message) {}         \
    }

VELMORA_EXCEPTION(ProcessControllerException, ExceptionCommon);
VELMORA_EXCEPTION(DiskException, ExceptionCommon);
VELMORA_EXCEPTION(DiskDisconnectedException, DiskException);
VELMORA_EXCEPTION(DiskWriteException, DiskException);
VELMORA_EXCEPTION(DataWriterException, ExceptionCommon);
VELMORA_EXCEPTION(CIMV2WMIServerException, ExceptionCommon);
VELMORA_EXCEPTION(DataRecoveryMultiException, ExceptionCommon);
VELMORA_EXCEPTION(FATException, ExceptionCommon);
VELMORA_EXCEPTION(FAT32Exception, ExceptionCommon);
VELMORA_EXCEPTION(ExFATException, ExceptionCommon);
VELMORA_EXCEPTION(NTFSException, ExceptionCommon);
VELMORA_EXCEPTION(ThreadException, ExceptionCommon);

#undef VELMORA_EXCEPTION

class VELMORA_API DiskFullException : public DiskWriteException {
public:
    DiskFullException() : DiskWriteException("Disk is full") {}
};

class VELMORA_API DiskWriteHandleException : public DiskException {
public:
    DiskWriteHandleException() : DiskException("Disk write handle is invalid") {}
};

// A failure while a container writes one recovered file: the result code the
// thrower chose and the bytes written before it.
class VELMORA_API VelmoraContainerException : public ExceptionCommon {
public:
    VelmoraContainerException(const std::string& message, int code, uint64_t value)
        : ExceptionCommon(message), code(code), value(value)
    {
    }

    int32_t code;
    uint64_t value;
};

// Result code 1-17 chosen by the exact dynamic type of e; a subclass not in the
// table does not inherit its base's code.
VELMORA_API int ErrorCodeFromException(const std::exception& e);

}
