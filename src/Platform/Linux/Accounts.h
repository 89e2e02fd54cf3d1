#pragma once
// User accounts and process credentials (plays the token and account calls).
#include <optional>
#include <string>
#include <sys/types.h>

namespace Platform {

// The account name of a user id from the password database; "" when it has none.
std::string UserNameOf(uid_t uid);

// The effective user id of a running process from /proc; none when it cannot be read.
std::optional<uid_t> EffectiveUidOf(pid_t process);

}
