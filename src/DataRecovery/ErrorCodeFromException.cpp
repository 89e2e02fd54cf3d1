#include "DataRecovery/Exceptions.h"

#include <filesystem>
#include <typeindex>
#include <typeinfo>

namespace Exceptions {

int ErrorCodeFromException(const std::exception& e)
{
    static const std::pair<std::type_index, int> table[] = {
        {typeid(DataRecoveryMultiException), 1},
        {typeid(VelmoraContainerException), 2},
        {typeid(NTFSException), 3},
        {typeid(FATException), 4},
        {typeid(FAT32Exception), 5},
        {typeid(ExFATException), 6},
        {typeid(DiskException), 7},
        {typeid(DiskDisconnectedException), 8},
        {typeid(DiskWriteException), 9},
        {typeid(DiskFullException), 10},
        {typeid(DiskWriteHandleException), 11},
        {typeid(std::filesystem::filesystem_error), 12},
        {typeid(DataWriterException), 13},
        {typeid(ProcessControllerException), 14},
        {typeid(ThreadException), 15},
        {typeid(ExceptionCommon), 16},
    };
    const std::type_index actual(typeid(e));
    for (const auto& [type, code] : table)
        if (type == actual)
            return code;
    return 17;
}

}
