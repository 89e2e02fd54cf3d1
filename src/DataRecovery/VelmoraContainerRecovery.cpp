#include "DataRecovery/Exceptions.h"
#include "DataRecovery/VelmoraContainer.h"

int VelmoraContainer::RecoverData(const std::string&, const DataRecoveryInfo&)
{
    throw Exceptions::ExceptionCommon("Recovery to files is not built.");
}

int VelmoraContainer::RecoverData(const std::string&, const std::vector<DataRecoveryInfo>&)
{
    throw Exceptions::ExceptionCommon("Recovery to files is not built.");
}

int VelmoraContainer::RecoverToMemory(char*, size_t*, const DataRecoveryInfo&)
{
    throw Exceptions::ExceptionCommon("Recovery to memory is not built.");
}
