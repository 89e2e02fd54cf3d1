#include "Platform/Linux/ReadAccess.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

bool ReadRefused(const std::string& path)
{
    // A real open, not access(2): a security module may refuse what the mode allows.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    // EACCES: the device's rights (or a security module) refuse this user;
    // root or the launcher's polkit request gets past them. An EPERM (a
    // container's device rules) refuses root as well: not a matter of rights.
    return errno == EACCES;
}

}
