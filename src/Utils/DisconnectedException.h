#pragma once
#include "DataRecovery/Exceptions.h"

#include <string>

namespace Utils {

// "<text> Disk is disconnected", or "Disk is disconnected" for an empty text.
Exceptions::DiskDisconnectedException MakeDisconnectedException(const std::string& text);

}
