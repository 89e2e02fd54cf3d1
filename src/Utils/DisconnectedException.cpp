#include "Utils/DisconnectedException.h"

namespace Utils {

Exceptions::DiskDisconnectedException MakeDisconnectedException(const std::string& text)
{
    return Exceptions::DiskDisconnectedException(text.empty() ? "Disk is disconnected" : text + " Disk is disconnected");
}

}
